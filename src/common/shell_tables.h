#pragma once
// The texts of a language shell as the program uses them: the label, text and list tables, looked up by
// number. Reading and writing the shell file is the shell library's (shell/shell_file.h); every module
// that words a caption, a report line or a view's row takes these tables.
#include <iterator>
#include <string>
#include <vector>

namespace zep {

// What a shell must hold for this program: texts 0..526, labels 0..32 and lists 0..10 with at least
// these item counts.
inline constexpr int kRequiredTexts = 527;
inline constexpr int kRequiredLabels = 33;
inline constexpr int kRequiredListItems[] = {5, 4, 1, 1, 3, 3, 2, 1, 3, 2, 1};
inline constexpr int kRequiredLists = static_cast<int>(std::size(kRequiredListItems));

// The three tables of a loaded shell, as UTF-8. Out-of-range lookups give an empty text.
struct ShellTables {
    std::vector<std::string> labels;
    std::vector<std::string> texts;
    std::vector<std::vector<std::string>> lists;

    const std::string& text(int n) const;
    const std::string& label(int k) const;
    const std::string& item(int list, int i) const;

    // What this program needs and the tables lack, as readable phrases ("texts 500 to 526"); empty
    // when the shell is complete.
    std::vector<std::string> missing_entries() const;
};

} // namespace zep
