#include "common/utf8.h"

namespace zep {

std::optional<Utf8Character> decode_utf8_character(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return Utf8Character{lead, 1};
    std::size_t extra = 0;
    char32_t least = 0; // the smallest code point of the sequence's length: a smaller one is overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at <= extra)
        return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[at + k]);
        if (!is_utf8_continuation(b))
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{c, extra + 1};
}

bool is_utf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = decode_utf8_character(text, i);
        if (!c)
            return false;
        i += c->length;
    }
    return true;
}

std::u32string utf8_code_points(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = decode_utf8_character(text, i);
        out.push_back(c ? c->code : U'\uFFFD');
        i += c ? c->length : 1;
    }
    return out;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::size_t utf8_length(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        n += !is_utf8_continuation(static_cast<unsigned char>(c));
    return n;
}

std::size_t utf8_offset(std::string_view utf8, std::size_t chars) {
    if (chars == 0)
        return 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!is_utf8_continuation(static_cast<unsigned char>(utf8[i]))) {
            if (count == chars)
                return i;
            ++count;
        }
    }
    return utf8.size();
}

std::string utf8_prefix(std::string_view utf8, std::size_t n) {
    return std::string(utf8.substr(0, utf8_offset(utf8, n)));
}

std::string utf8_substr(std::string_view utf8, std::size_t first, std::size_t count) {
    const std::string_view rest = utf8.substr(utf8_offset(utf8, first));
    return std::string(rest.substr(0, utf8_offset(rest, count)));
}

void remove_last_utf8_character(std::string& utf8) {
    if (utf8.empty())
        return;
    std::size_t i = utf8.size() - 1;
    while (i > 0 && is_utf8_continuation(static_cast<unsigned char>(utf8[i])))
        --i;
    utf8.erase(i);
}

} // namespace zep
