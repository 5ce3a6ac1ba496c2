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

} // namespace zep
