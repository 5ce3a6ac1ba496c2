#pragma once
// JSON images of the shell file and the task register, by the field names of their records.
#include <filesystem>
#include <string>

namespace zep {

// Recognises the file by its name: "Shell (ZEP 2.2).???" or "Protocol.opt" (else by its signature).
// Throws the readers' errors.
std::string dump_file_as_json(const std::filesystem::path& path);

} // namespace zep
