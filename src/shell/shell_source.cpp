#include "shell/shell_source.h"

#include "common/cp1251.h"
#include "common/errors.h"
#include "common/utf8.h"

#include <charconv>
#include <fstream>
#include <map>
#include <set>

namespace zep {
namespace {

std::string trim(std::string_view s) {
    auto b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos)
        return {};
    auto e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

bool parse_index(std::string_view s, int& out) {
    if (s.empty())
        return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && out >= 0;
}

// The entries of every source file, as they are collected, and the problems found on the way.
struct Collected {
    std::string name;
    bool haveName = false;
    std::map<int, std::string> texts, labels, extras;
    std::map<std::pair<int, int>, std::string> items;
    std::set<std::string> seen; // "text 12", "list 3.4", ...: every entry given once
    std::vector<std::string> problems;
};

// Where the value of an entry goes and how many bytes it may take in the shell file.
struct EntrySlot {
    std::string* value = nullptr;
    std::size_t capacity = kTextCapacity;
};

// The slot of the entry `kind index` ("text 12", "label 3", "extra 3", "list 3.4", "name"); none for a
// key that names no entry.
EntrySlot entry_slot(Collected& c, const std::string& kind, const std::string& index, bool russian,
                     const std::string& where) {
    int n = 0, j = 0;
    if (kind == "name" && index.empty()) {
        c.haveName = true;
        return {&c.name, kShellNameCapacity};
    }
    if ((kind == "text" || kind == "label" || kind == "extra") && parse_index(index, n)) {
        if (kind == "text")
            return {&c.texts[n], kTextCapacity};
        if (kind == "label")
            return {&c.labels[n], kLabelCapacity};
        if (!russian)
            c.problems.push_back(where + "extra label strings belong to Russian shells only");
        return {&c.extras[n], kExtraLabelCapacity};
    }
    if (kind == "list" && index.find('.') != std::string::npos &&
        parse_index(std::string_view(index).substr(0, index.find('.')), j) &&
        parse_index(std::string_view(index).substr(index.find('.') + 1), n))
        return {&c.items[{j, n}], kTextCapacity};
    return {};
}

// One line "key = value" of a source file (blank lines and # comments are skipped).
void collect_line(Collected& c, const std::string& line, const std::string& where, bool russian) {
    std::string t = trim(line);
    if (t.empty() || t[0] == '#')
        return;
    auto eq = t.find('=');
    if (eq == std::string::npos) {
        c.problems.push_back(where + "no '=' in the line");
        return;
    }
    std::string key = trim(std::string_view(t).substr(0, eq));
    std::string value = trim(std::string_view(t).substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);

    std::string kind = key.substr(0, key.find(' '));
    std::string index = key.find(' ') == std::string::npos ? std::string() : trim(key.substr(key.find(' ')));
    const EntrySlot slot = entry_slot(c, kind, index, russian, where);
    if (!slot.value) {
        c.problems.push_back(where + "unknown entry \"" + key + "\"");
        return;
    }
    std::string canonical = kind + " " + index;
    if (!c.seen.insert(canonical).second) {
        c.problems.push_back(where + canonical + " is given twice");
        return;
    }
    try {
        std::string bytes = utf8_to_cp1251(value);
        if (bytes.size() > slot.capacity)
            c.problems.push_back(where + canonical + " has " + std::to_string(bytes.size()) +
                                 " characters, more than its " + std::to_string(slot.capacity));
        if (kind != "extra" && bytes.empty())
            c.problems.push_back(where + canonical + " is empty");
    } catch (const TextEncodingError& e) {
        c.problems.push_back(where + canonical + ": " + e.what());
    }
    *slot.value = value;
}

void collect_file(Collected& c, const std::filesystem::path& file, bool russian) {
    std::ifstream in(file);
    if (!in) {
        c.problems.push_back(file.string() + ": cannot be read");
        return;
    }
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        collect_line(c, line, file.string() + ":" + std::to_string(lineNo) + ": ", russian);
    }
}

// The display name begins with the extension of the shell file ("eng - English" for .eng).
void check_display_name(Collected& c, std::string_view extension) {
    if (!c.haveName)
        c.problems.push_back("no display name (\"name = ...\") in the sources");
    else if (utf8_prefix(c.name, 3) != extension)
        c.problems.push_back("the display name \"" + c.name + "\" does not begin with the extension \"" +
                             std::string(extension) + "\"");
}

// The tables of the shell from the collected entries: every table as long as its highest number given,
// or, for a complete shell, at least as long as the program needs. Returns the number of lists.
int fill_tables(ShellSource& out, Collected& c, ShellCompleteness completeness) {
    int textCount = c.texts.empty() ? 0 : c.texts.rbegin()->first + 1;
    int labelCount = c.labels.empty() ? 0 : c.labels.rbegin()->first + 1;
    int listCount = 0;
    for (const auto& [key, v] : c.items)
        listCount = std::max(listCount, key.first + 1);
    if (completeness == ShellCompleteness::Complete) {
        textCount = std::max(textCount, kRequiredTexts);
        labelCount = std::max(labelCount, kRequiredLabels);
        listCount = std::max(listCount, kRequiredLists);
    }
    out.tables.texts.resize(textCount);
    for (auto& [k, v] : c.texts)
        out.tables.texts[k] = v;
    out.tables.labels.resize(labelCount);
    for (auto& [k, v] : c.labels)
        out.tables.labels[k] = v;
    out.extraLabels.resize(labelCount);
    for (auto& [k, v] : c.extras)
        if (k < labelCount)
            out.extraLabels[k] = v;
        else
            c.problems.push_back("extra " + std::to_string(k) + " has no label " + std::to_string(k));
    out.tables.lists.resize(listCount);
    for (auto& [key, v] : c.items) {
        auto& list = out.tables.lists[key.first];
        if (static_cast<int>(list.size()) <= key.second)
            list.resize(key.second + 1);
        list[key.second] = v;
    }
    return listCount;
}

// A complete shell: every list as long as the program needs, and no text, label or item left empty.
void require_every_entry(ShellSource& out, int listCount, std::vector<std::string>& problems) {
    for (int j = 0; j < kRequiredLists; ++j)
        if (static_cast<int>(out.tables.lists[j].size()) < kRequiredListItems[j])
            out.tables.lists[j].resize(kRequiredListItems[j]);
    auto missing = [&](const std::string& what, const std::vector<std::string>& v) {
        std::string gaps;
        for (std::size_t i = 0; i < v.size(); ++i)
            if (v[i].empty())
                gaps += (gaps.empty() ? "" : ", ") + std::to_string(i);
        if (!gaps.empty())
            problems.push_back("missing " + what + ": " + gaps);
    };
    missing("texts", out.tables.texts);
    missing("labels", out.tables.labels);
    for (int j = 0; j < listCount; ++j)
        missing("items of list " + std::to_string(j), out.tables.lists[j]);
}

} // namespace

ShellSource compile_shell_sources(const std::vector<std::filesystem::path>& files, std::string_view extension,
                                  ShellCompleteness completeness) {
    const bool russian = is_russian_extension(extension);
    Collected c;
    for (const auto& file : files)
        collect_file(c, file, russian);

    ShellSource out;
    out.displayName = c.name;
    check_display_name(c, extension);
    const int listCount = fill_tables(out, c, completeness);
    if (completeness == ShellCompleteness::Complete)
        require_every_entry(out, listCount, c.problems);
    if (!c.problems.empty()) {
        std::string all;
        for (const auto& p : c.problems)
            all += p + "\n";
        throw ShellSourceError(all);
    }
    return out;
}

} // namespace zep
