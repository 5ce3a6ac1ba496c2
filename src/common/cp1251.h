#pragma once
// Conversion between the program's UTF-8 strings and the single-byte Windows-1251 texts of its files.
#include <string>
#include <string_view>

namespace zep {

// Throws TextEncodingError naming the first character that Windows-1251 lacks.
std::string utf8_to_cp1251(std::string_view utf8);

// Every byte but the undefined 0x98 has a character; 0x98 becomes U+FFFD so that a foreign file still
// reads.
std::string cp1251_to_utf8(std::string_view bytes);

// Number of characters of a UTF-8 string (code points).
std::size_t utf8_length(std::string_view utf8);

// Appends one code point as UTF-8.
void append_utf8(std::string& out, char32_t c);

// The first n characters of a UTF-8 string, or the whole string when it is shorter.
std::string utf8_prefix(std::string_view utf8, std::size_t n);

} // namespace zep
