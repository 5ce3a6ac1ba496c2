#pragma once
// Whole-file reads and atomic writes: a file is written to a temporary neighbour of its own
// ("<name>.<pid>-<n>.tmp"), flushed to disk and renamed over the old one, so that a crash leaves either
// the old or the new file, never a torn one, and writers in several processes never share a temporary.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zep {

std::vector<std::uint8_t> read_whole_file(const std::filesystem::path& path);
void write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace zep
