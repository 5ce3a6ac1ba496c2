#pragma once
// A value given by the user, echoed inside a message: in double quotes, with every control character
// (below U+0020) shown as its code (U+0000, U+001B, ...) so that a NUL or an escape sequence can neither
// cut the message nor act on a terminal, and cut to 80 characters followed by "…" so that a long value
// does not bury what the message says.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zep {

inline constexpr std::size_t kEchoedCharacters = 80;

std::string echoed(std::string_view utf8);

// The position (in characters, from 1) of the first control character of a text, if any, and its code.
struct ControlCharacter {
    std::size_t position = 0;
    unsigned code = 0;
};
std::optional<ControlCharacter> first_control_character(std::string_view utf8);

// "U+0001".
std::string code_point_name(unsigned code);

} // namespace zep
