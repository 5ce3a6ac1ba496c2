#pragma once
// UTF-8, the encoding of every text inside the program: the one decoder and the one encoder, and the
// counts and cuts of characters built on them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zep {

// One character decoded from UTF-8 and the number of bytes it takes.
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};

// The character that starts at byte `at` of `text`, when the bytes there are well-formed UTF-8: the
// shortest form of a code point up to U+10FFFF that is no surrogate. None for anything else (a stray
// continuation byte, a cut sequence, an overlong form): the caller decides what the damage means.
std::optional<Utf8Character> decode_utf8_character(std::string_view text, std::size_t at);

// True when the whole text is well-formed UTF-8.
bool is_utf8(std::string_view text);

// The code points of a text; a byte that starts no well-formed character stands for U+FFFD.
std::u32string utf8_code_points(std::string_view text);

// Appends one code point as UTF-8.
void append_utf8(std::string& out, char32_t c);

// The bytes 10xxxxxx continue a character; every other byte starts one.
inline bool is_utf8_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Number of characters of a UTF-8 string (the bytes that start one).
std::size_t utf8_length(std::string_view utf8);

// The byte at which character `chars` (0-based) starts, or the size when the text is shorter. A damaged
// text's leading continuation bytes belong to its first character.
std::size_t utf8_offset(std::string_view utf8, std::size_t chars);

// The first n characters of a UTF-8 string, or the whole string when it is shorter.
std::string utf8_prefix(std::string_view utf8, std::size_t n);

// The first `count` characters of a UTF-8 text from character `first` (0-based).
std::string utf8_substr(std::string_view utf8, std::size_t first, std::size_t count);

// Removes the last character (all of its bytes); an empty text stays empty.
void remove_last_utf8_character(std::string& utf8);

} // namespace zep
