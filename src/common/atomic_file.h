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

// Remembers files as they are and puts them back when it is destroyed without keep(): a file that was
// there gets its old bytes again, one that was not is removed. A change of several files that fails
// half-way thus leaves them as they were.
class FileRestore {
public:
    explicit FileRestore(std::vector<std::filesystem::path> paths);
    FileRestore(const FileRestore&) = delete;
    FileRestore& operator=(const FileRestore&) = delete;
    ~FileRestore();
    void keep() { kept_ = true; }

private:
    struct Saved {
        std::filesystem::path path;
        bool existed = false;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Saved> saved_;
    bool kept_ = false;
};

} // namespace zep
