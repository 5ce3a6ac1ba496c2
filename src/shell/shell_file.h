#pragma once
// The language shell file: the label, text and list tables that give every caption and message of the
// program in one language.
//
// Layout: a 25-byte head (the display name, a text of capacity 24), the counts NL, NT, NS (int32),
// NL label entries, NT text records, NS item counts, then the items of every list in order. A string
// record is L (int32), L again as a byte, then L characters. A label entry of a Russian shell begins
// with an extra string record (at most 70 characters) that the program reads and throws away.
#include "common/shell_tables.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zep {

inline constexpr std::size_t kShellNameCapacity = 24;
inline constexpr std::size_t kLabelCapacity = 15;
inline constexpr std::size_t kExtraLabelCapacity = 70;
inline constexpr std::size_t kTextCapacity = 255;

// A shell as its writer sees it: tables plus the head and the extra label strings.
struct ShellSource {
    std::string displayName;
    ShellTables tables;
    std::vector<std::string> extraLabels; // Russian shells; missing ones are written empty
};

// The extension rule: "rus", "Rus", "рус" and "Рус" (compared as Windows-1251 bytes) are Russian;
// "RUS" and everything else are not. `extension` is UTF-8.
bool is_russian_extension(std::string_view extension);

// The file name of the shell of an extension: "Shell (ZEP 2.2).<ext>".
std::string shell_file_name(std::string_view extension);

// Reads the whole file. Throws FileAccessError when it cannot be read and FileFormatError, naming
// the file, when a length exceeds its slot, a count is impossible or the file ends before its counts
// are met.
ShellTables load_shell(const std::filesystem::path& path, std::string_view extension);

// Reads the 25-byte head only.
std::string read_shell_display_name(const std::filesystem::path& path);

std::vector<std::uint8_t> encode_shell(const ShellSource& shell, std::string_view extension);
void write_shell(const std::filesystem::path& path, const ShellSource& shell, std::string_view extension);

} // namespace zep
