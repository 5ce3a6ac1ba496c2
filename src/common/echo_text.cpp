#include "common/echo_text.h"

#include <cstdio>

namespace zep {

std::string code_point_name(unsigned code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", code);
    return buf;
}

std::string echoed(std::string_view utf8) {
    std::string out = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++characters) {
        if (characters == kEchoedCharacters)
            return out + "…\"";
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::size_t len = 1;
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        if (c < 0x20)
            out += code_point_name(c);
        else
            out.append(utf8.substr(i, len));
        i += len;
    }
    return out + "\"";
}

std::optional<ControlCharacter> first_control_character(std::string_view utf8) {
    std::size_t position = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xC0) != 0x80)
            ++position;
        if (c < 0x20)
            return ControlCharacter{position, c};
    }
    return std::nullopt;
}

} // namespace zep
