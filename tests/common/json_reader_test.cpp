#include "common/json_reader.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TEST(JsonReader, ReadsEveryKindKeepingKeyOrderAndNumberTexts) {
    JsonValue v = parse_json(R"( { "b": [1, -2.50, 3e2, true, false, null],
                                   "a": { "t": "Пуск \"A\"\n\u00e9\ud83d\ude00" } } )");
    ASSERT_TRUE(v.is(JsonValue::Kind::Object));
    ASSERT_EQ(v.members.size(), 2u);
    EXPECT_EQ(v.members[0].key, "b");
    const JsonValue& list = *v.find("b");
    ASSERT_EQ(list.items.size(), 6u);
    EXPECT_EQ(list.items[1].number, -2.5);
    EXPECT_EQ(list.items[1].numberText, "-2.50");
    EXPECT_EQ(list.items[2].number, 300);
    EXPECT_TRUE(list.items[3].boolean);
    EXPECT_TRUE(list.items[5].is(JsonValue::Kind::Null));
    EXPECT_EQ(v.find("a")->find("t")->string, "Пуск \"A\"\n\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(v.find("missing"), nullptr);
}

TEST(JsonReader, RefusesWhatIsNotJsonSayingWhere) {
    struct Case {
        const char* text;
        const char* where;
    } cases[] = {
        {"{\"a\": 1,}", "line 1, column 9"}, {"{\"a\": 1, \"a\": 2}", "given twice"},
        {"[01]", "line 1, column 3"},        {"[1.]", "after the decimal point"},
        {"\"abc", "ends inside a string"},   {"\"a\tb\"", "control character"},
        {"\"\\ud800\"", "low one"},          {"\"\xC3\x28\"", "UTF-8"},
        {"{}\n  x", "line 2, column 3"},     {"[1e999]", "out of range"},
        {"", "ends where a value"},          {"tru", "unexpected"},
    };
    for (const auto& c : cases) {
        try {
            parse_json(c.text);
            ADD_FAILURE() << c.text << " was taken";
        } catch (const JsonError& e) {
            EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << c.text << ": " << e.what();
        }
    }
}

TEST(JsonReader, RefusesNestingBeyondItsLimit) {
    EXPECT_NO_THROW(parse_json(std::string(64, '[') + std::string(64, ']')));
    EXPECT_THROW(parse_json(std::string(100000, '[')), JsonError);
}

} // namespace
} // namespace zep
