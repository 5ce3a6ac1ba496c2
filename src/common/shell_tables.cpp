#include "common/shell_tables.h"

namespace zep {
namespace {

const std::string kEmpty;

std::string range_phrase(const char* what, int first, int last) {
    if (first == last)
        return std::string(what) + " " + std::to_string(first);
    return std::string(what) + "s " + std::to_string(first) + " to " + std::to_string(last);
}

} // namespace

const std::string& ShellTables::text(int n) const {
    return n >= 0 && static_cast<std::size_t>(n) < texts.size() ? texts[n] : kEmpty;
}

const std::string& ShellTables::label(int k) const {
    return k >= 0 && static_cast<std::size_t>(k) < labels.size() ? labels[k] : kEmpty;
}

const std::string& ShellTables::item(int list, int i) const {
    if (list < 0 || static_cast<std::size_t>(list) >= lists.size())
        return kEmpty;
    const auto& l = lists[list];
    return i >= 0 && static_cast<std::size_t>(i) < l.size() ? l[i] : kEmpty;
}

std::vector<std::string> ShellTables::missing_entries() const {
    std::vector<std::string> missing;
    if (static_cast<int>(texts.size()) < kRequiredTexts)
        missing.push_back(range_phrase("text", static_cast<int>(texts.size()), kRequiredTexts - 1));
    if (static_cast<int>(labels.size()) < kRequiredLabels)
        missing.push_back(range_phrase("label", static_cast<int>(labels.size()), kRequiredLabels - 1));
    for (int j = 0; j < kRequiredLists; ++j) {
        int have = j < static_cast<int>(lists.size()) ? static_cast<int>(lists[j].size()) : 0;
        if (have < kRequiredListItems[j])
            missing.push_back("list " + std::to_string(j) + " " +
                              range_phrase("item", have, kRequiredListItems[j] - 1));
    }
    return missing;
}

} // namespace zep
