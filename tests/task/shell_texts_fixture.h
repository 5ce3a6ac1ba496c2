#pragma once
// Shell tables whose text N reads "tN": messages built from shell texts show which texts they use.
#include "shell/shell_file.h"

#include <string>

namespace zep::test {

inline ShellTables numbered_texts() {
    ShellTables t;
    for (int i = 0; i < kRequiredTexts; ++i)
        t.texts.push_back("t" + std::to_string(i));
    return t;
}

} // namespace zep::test
