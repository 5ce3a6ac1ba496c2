#pragma once
// Shells whose entries name themselves ("T143", "L10"), so that a test reads which texts and labels a
// message or a row is joined from.
#include "common/shell_tables.h"

#include <string>
#include <string_view>

namespace zep::testing {

// The required texts and those the program added after them.
inline constexpr int kNamedTexts = 597;

// Text n reads `prefix` followed by n, for n below `texts`; label k reads "L" followed by k.
inline ShellTables naming_shell(std::string_view prefix = "T", int texts = kNamedTexts) {
    ShellTables t;
    for (int n = 0; n < texts; ++n)
        t.texts.push_back(std::string(prefix) + std::to_string(n));
    for (int k = 0; k < kRequiredLabels; ++k)
        t.labels.push_back("L" + std::to_string(k));
    return t;
}

// The required texts as "t0", "t1", ...: the task and wizard tests' messages.
inline ShellTables numbered_texts() {
    return naming_shell("t", kRequiredTexts);
}

} // namespace zep::testing
