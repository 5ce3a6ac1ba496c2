#include "shell/shell_source.h"

#include "common/cp1251.h"
#include "common/errors.h"

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

struct Collected {
    std::string name;
    std::map<int, std::string> texts, labels, extras;
    std::map<std::pair<int, int>, std::string> items;
};

} // namespace

ShellSource compile_shell_sources(const std::vector<std::filesystem::path>& files, std::string_view extension,
                                  ShellCompleteness completeness) {
    const bool russian = is_russian_extension(extension);
    std::vector<std::string> problems;
    Collected c;
    std::set<std::string> seen;
    bool haveName = false;

    for (const auto& file : files) {
        std::ifstream in(file);
        if (!in) {
            problems.push_back(file.string() + ": cannot be read");
            continue;
        }
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            auto where = [&] { return file.string() + ":" + std::to_string(lineNo) + ": "; };
            std::string t = trim(line);
            if (t.empty() || t[0] == '#')
                continue;
            auto eq = t.find('=');
            if (eq == std::string::npos) {
                problems.push_back(where() + "no '=' in the line");
                continue;
            }
            std::string key = trim(std::string_view(t).substr(0, eq));
            std::string value = trim(std::string_view(t).substr(eq + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);

            std::size_t capacity = kTextCapacity;
            std::string kind = key.substr(0, key.find(' '));
            std::string index =
                key.find(' ') == std::string::npos ? std::string() : trim(key.substr(key.find(' ')));
            std::string* slot = nullptr;
            int n = 0, j = 0;
            if (kind == "name" && index.empty()) {
                capacity = kShellNameCapacity;
                slot = &c.name;
                haveName = true;
            } else if ((kind == "text" || kind == "label" || kind == "extra") && parse_index(index, n)) {
                if (kind == "text")
                    slot = &c.texts[n];
                else if (kind == "label") {
                    capacity = kLabelCapacity;
                    slot = &c.labels[n];
                } else {
                    capacity = kExtraLabelCapacity;
                    slot = &c.extras[n];
                    if (!russian)
                        problems.push_back(where() + "extra label strings belong to Russian shells only");
                }
            } else if (kind == "list" && index.find('.') != std::string::npos &&
                       parse_index(std::string_view(index).substr(0, index.find('.')), j) &&
                       parse_index(std::string_view(index).substr(index.find('.') + 1), n)) {
                slot = &c.items[{j, n}];
            } else {
                problems.push_back(where() + "unknown entry \"" + key + "\"");
                continue;
            }
            std::string canonical = kind + " " + index;
            if (!seen.insert(canonical).second) {
                problems.push_back(where() + canonical + " is given twice");
                continue;
            }
            try {
                std::string bytes = utf8_to_cp1251(value);
                if (bytes.size() > capacity)
                    problems.push_back(where() + canonical + " has " + std::to_string(bytes.size()) +
                                       " characters, more than its " + std::to_string(capacity));
                if (kind != "extra" && bytes.empty())
                    problems.push_back(where() + canonical + " is empty");
            } catch (const TextEncodingError& e) {
                problems.push_back(where() + canonical + ": " + e.what());
            }
            *slot = value;
        }
    }

    ShellSource out;
    out.displayName = c.name;
    if (!haveName)
        problems.push_back("no display name (\"name = ...\") in the sources");
    else if (utf8_prefix(c.name, 3) != extension)
        problems.push_back("the display name \"" + c.name + "\" does not begin with the extension \"" +
                           std::string(extension) + "\"");

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
            problems.push_back("extra " + std::to_string(k) + " has no label " + std::to_string(k));
    out.tables.lists.resize(listCount);
    for (auto& [key, v] : c.items) {
        auto& list = out.tables.lists[key.first];
        if (static_cast<int>(list.size()) <= key.second)
            list.resize(key.second + 1);
        list[key.second] = v;
    }
    if (completeness == ShellCompleteness::Complete) {
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
    if (!problems.empty()) {
        std::string all;
        for (const auto& p : problems)
            all += p + "\n";
        throw ShellSourceError(all);
    }
    return out;
}

} // namespace zep
