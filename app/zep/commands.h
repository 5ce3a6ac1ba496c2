#pragma once
// The subcommands of `zep`, one function each; they print to the given streams and return the exit
// status.
#include "shell/startup.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace zep::cli {

struct Options {
    std::optional<std::filesystem::path> workspace;
    std::optional<std::string> lang;
    std::vector<std::string> args; // what follows the subcommand, options removed
};

int cmd_dump(const Options& o);
int cmd_list(const Options& o);

} // namespace zep::cli
