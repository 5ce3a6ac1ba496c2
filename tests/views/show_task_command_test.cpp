// `zep show --task` as text: the parameter list laid out from its own keys, with or without unavailable
// resources, in both languages, row for row the list the task view shows (the JSON rows).
#include "common/json_reader.h"
#include "common/utf8.h"
#include "views/view_rows.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zep {
namespace {

std::string run(const std::string& args) {
    const std::string cmd =
        std::string(ZEP_PROGRAM_DIR) + "/zep " + args + " --workspace '" + ZEP_SHIPPED_DIR + "'";
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    EXPECT_EQ(pclose(p), 0) << cmd;
    return out;
}

// The blocks of the output between blank lines, each as its lines.
std::vector<std::vector<std::string>> blocks(const std::string& text) {
    std::vector<std::vector<std::string>> out(1);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        if (line.empty())
            out.emplace_back();
        else
            out.back().push_back(line);
        at = end + 1;
    }
    return out;
}

std::string right_trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

struct Case {
    const char* code;
    const char* lang;
};

class ShowTaskText : public ::testing::TestWithParam<Case> {};

TEST_P(ShowTaskText, ListsTheParametersInColumnsOfTheirOwnKeysWithSectionsWhereTheRulesStand) {
    const Case c = GetParam();
    const std::string args = std::string("show --task ") + c.code + " --lang " + c.lang;
    const auto parts = blocks(run(args));
    const JsonValue json = parse_json(run(args + " --json"));
    const JsonValue* rows = json.find("taskParameters");
    ASSERT_NE(rows, nullptr);

    // The list: the blocks after the caption up to the first grid (its caption row has " | ").
    std::vector<std::vector<std::string>> list;
    for (std::size_t b = 1;
         b < parts.size() && !parts[b].empty() && parts[b][0].find(" | ") == std::string::npos; ++b)
        list.push_back(parts[b]);
    ASSERT_FALSE(list.empty());
    // The values start where the code stands in the first row.
    const std::string& first = list[0][0];
    const std::size_t codeAt = first.find(c.code);
    ASSERT_NE(codeAt, std::string::npos) << first;
    const std::size_t width = utf8_length(first.substr(0, codeAt));

    std::size_t longestKey = 0;
    std::size_t row = 0;
    for (std::size_t b = 0; b < list.size(); ++b) {
        if (b > 0) {
            // A section begins where the list has its rule.
            ASSERT_LT(row, rows->items.size());
            EXPECT_TRUE(rows->items[row].find("rule")) << c.code << " block " << b;
            ++row;
        }
        for (const std::string& line : list[b]) {
            ASSERT_LT(row, rows->items.size()) << line;
            const JsonValue& r = rows->items[row++];
            EXPECT_FALSE(r.find("rule")) << line;
            EXPECT_NE(line.find_first_not_of("- "), std::string::npos) << "a rule inside a section: " << line;
            const std::string key = right_trimmed(utf8_substr(line, 0, width));
            const std::string value = utf8_substr(line, width, std::string::npos);
            EXPECT_EQ(value, r.find("value")->string) << line;
            EXPECT_NE(key.find(r.find("key")->string), std::string::npos) << line;
            if (!value.empty())
                EXPECT_EQ(utf8_substr(line, width - 2, 2), "  ") << line;
            longestKey = std::max(longestKey, utf8_length(key));
        }
    }
    EXPECT_EQ(row, rows->items.size());
    // Two blanks after the longest key, none more.
    EXPECT_EQ(width, longestKey + 2) << c.code << " " << c.lang;
}

// DEMR02 has unavailable resources, DEMR01 has none.
INSTANTIATE_TEST_SUITE_P(Demos, ShowTaskText,
                         ::testing::Values(Case{"DEMR02", "rus"}, Case{"DEMR02", "eng"},
                                           Case{"DEMR01", "rus"}, Case{"DEMR01", "eng"}),
                         [](const auto& info) {
                             return std::string(info.param.code) + "_" + info.param.lang;
                         });

} // namespace
} // namespace zep
