#include "common/text_join.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TEST(JoinPieces, KeepsOneBlankWhereTwoMeetAndNoneBeforeAStop) {
    struct Case {
        std::initializer_list<std::string_view> pieces;
        const char* joined;
    };
    const Case cases[] = {
        {{"прогон 1", ". ", " Путь", " ", "2"}, "прогон 1. Путь 2"},
        {{"выполнен", " ", ":"}, "выполнен:"},
        {{"a", " ", " .", "b"}, "a.b"},
        {{"a ", ", b"}, "a, b"},
        {{"3", "-й", " из"}, "3-й из"},
        {{"\"X\":  ", "12:00"}, "\"X\":  12:00"}, // blanks inside a piece stay
        {{"", " a"}, " a"},
        {{"a", "", " ", "", " b"}, "a b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(join_pieces(c.pieces), c.joined);
}

} // namespace
} // namespace zep
