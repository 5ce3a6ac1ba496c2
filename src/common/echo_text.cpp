#include "common/echo_text.h"

#include "common/utf8.h"

#include <cstdio>

namespace zep {

std::string code_point_name(unsigned code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", code);
    return buf;
}

std::string echoed(std::string_view utf8) {
    const bool cut = utf8_length(utf8) > kEchoedCharacters;
    std::string out = "\"";
    // A control character is one byte in UTF-8: no character is split by looking at single bytes.
    for (char c : cut ? utf8_prefix(utf8, kEchoedCharacters) : std::string(utf8)) {
        if (static_cast<unsigned char>(c) < 0x20)
            out += code_point_name(static_cast<unsigned char>(c));
        else
            out += c;
    }
    return out + (cut ? "…\"" : "\"");
}

std::optional<ControlCharacter> first_control_character(std::string_view utf8) {
    std::size_t position = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (!is_utf8_continuation(c))
            ++position;
        if (c < 0x20)
            return ControlCharacter{position, c};
    }
    return std::nullopt;
}

} // namespace zep
