#pragma once
// A refusal of the task library in the words of the numbered test shell ("t273 2 t31 2."), as the
// wizard shows it; empty for an outcome that is ok.
#include "shell/naming_shell.h"
#include "task/prep_outcome.h"
#include "wizard/refusal_texts.h"

#include <string>

namespace zep::testing {

inline std::string message_of(const PrepOutcome& outcome) {
    return outcome.ok() ? std::string() : task_refusal_text(numbered_texts(), outcome.refusal());
}

} // namespace zep::testing
