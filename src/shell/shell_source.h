#pragma once
// The readable sources of a language shell (UTF-8 text files, one entry a line) and their compilation
// into the tables of a shell file. See shells/README.md for the format.
#include "shell/shell_file.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace zep {

class ShellSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether the compiled shell must hold every entry the program needs.
enum class ShellCompleteness { Partial, Complete };

// Reads every file in order. Each problem is reported as "<file>:<line>: <what>"; all problems of all
// files are collected into one ShellSourceError. With ShellCompleteness::Complete every entry the program
// needs must be present and non-empty. The extension decides whether `extra` lines are allowed.
ShellSource compile_shell_sources(const std::vector<std::filesystem::path>& files, std::string_view extension,
                                  ShellCompleteness completeness);

} // namespace zep
