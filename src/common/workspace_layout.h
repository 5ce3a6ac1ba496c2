#pragma once
// The workspace's folder layout: the program folder and its sub-folders Shells, System, Data and
// Solving, and the files the program keeps in them. Only paths: opening and seeding a workspace is the
// shell library's (shell/workspace.h).
#include "common/task_naming.h"

#include <filesystem>
#include <string_view>

namespace zep {

struct Workspace {
    std::filesystem::path root;

    std::filesystem::path shells() const { return root / "Shells"; }
    std::filesystem::path system() const { return root / "System"; }
    std::filesystem::path data() const { return root / "Data"; }
    std::filesystem::path solving() const { return root / "Solving"; }
    std::filesystem::path register_file() const { return system() / "Protocol.opt"; }
    std::filesystem::path info_file() const { return system() / "Info."; }
    // A data file of a task in Data and in Solving.
    std::filesystem::path data_file(std::string_view code, TaskFile file) const {
        return data() / task_file_name(code, file);
    }
    std::filesystem::path solving_file(std::string_view code, TaskFile file) const {
        return solving() / task_file_name(code, file);
    }
};

} // namespace zep
