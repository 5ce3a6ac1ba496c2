#include "views/view_rows.h"

namespace zep {
namespace {

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

std::size_t byte_offset(const std::string& text, std::size_t chars) {
    std::size_t i = 0;
    while (i < text.size() && chars > 0) {
        ++i;
        while (i < text.size() && continuation(static_cast<unsigned char>(text[i])))
            ++i;
        --chars;
    }
    return i;
}

} // namespace

std::string utf8_substr(const std::string& text, std::size_t first, std::size_t count) {
    const std::size_t begin = byte_offset(text, first);
    const std::string rest = text.substr(begin);
    return rest.substr(0, byte_offset(rest, count));
}

std::size_t utf8_length(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        n += !continuation(c);
    return n;
}

} // namespace zep
