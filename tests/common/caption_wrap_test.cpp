#include "common/caption_wrap.h"

#include <gtest/gtest.h>

using namespace zep;

namespace {
// Every character is 10 pixels wide.
int width(const std::u32string& s) {
    return static_cast<int>(s.size()) * 10;
}
} // namespace

TEST(CaptionWrap, CutsInsideWordsWithHyphenAndAtBlanksWithBlank) {
    struct Case {
        std::u32string caption;
        int available;
        std::u32string wrapped;
    } cases[] = {
        // fits, or no room at all: unchanged
        {U"abc", 30, U"abc"},
        {U"abcdef", 0, U"abcdef"},
        {U"abcdef", -5, U"abcdef"},
        // "abc" + 'd' reaches 40: "abc- " then "def" fits at the end
        {U"abcdef", 40, U"abc- def"},
        // the cut falls before a blank: " " instead of "- "; the blank starts the next piece
        {U"abc def", 40, U"abc  de- f"},
        // the cut falls after a blank
        {U"ab cdef", 40, U"ab  cde- f"},
        // the last character does not fit: piece, mark, last character
        {U"abcdefg", 40, U"abc- def- g"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wrap_caption(c.caption, c.available, width), c.wrapped)
            << std::string(c.caption.begin(), c.caption.end()) << " at " << c.available;
}
