#pragma once
// Numbers as the user types them into grid cells and edit boxes: with the user's decimal separator,
// surrounding blanks ignored. Used by the grid transfers of the wizard and by the command line.
#include <optional>
#include <string_view>

namespace zep {

// Blanks (every character up to and including the space) removed from both ends.
std::string_view trim_blanks(std::string_view text);

// A whole number: optional sign and decimal digits, blanks around allowed; nullopt for anything else,
// an empty text included, and for a value outside 32 bits.
std::optional<int> parse_typed_integer(std::string_view text);

// A real number written with `separator` as the decimal point (a "." is not taken for it when the
// separator differs), optional sign and exponent, blanks around allowed; nullopt for anything else,
// an empty text, infinities and NaN included.
std::optional<double> parse_typed_real(std::string_view text, char separator);

} // namespace zep
