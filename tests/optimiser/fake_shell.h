#pragma once
// A shell whose entries name themselves ("T143", "L10"), so that a test reads how a message is joined.
#include "shell/shell_file.h"

#include <string>

namespace zep::testing {

// The required texts and those the program added after them.
inline constexpr int kNamedTexts = 597;

inline ShellTables naming_shell() {
    ShellTables t;
    for (int n = 0; n < kNamedTexts; ++n)
        t.texts.push_back("T" + std::to_string(n));
    for (int k = 0; k < kRequiredLabels; ++k)
        t.labels.push_back("L" + std::to_string(k));
    return t;
}

} // namespace zep::testing
