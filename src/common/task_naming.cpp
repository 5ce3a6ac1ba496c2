#include "common/task_naming.h"

namespace zep {
namespace {

constexpr std::string_view kPrefix = "zep_";

std::string_view ending(TaskFile file) {
    switch (file) {
    case TaskFile::Task:
        return ".dat";
    case TaskFile::SolverInput:
        return "_in.dat";
    case TaskFile::Solution:
        return "_out.dat";
    }
    return {};
}

} // namespace

std::string task_file_name(std::string_view code, TaskFile file) {
    return std::string(kPrefix) + std::string(code) + std::string(ending(file));
}

bool is_task_file_name(std::string_view name, TaskFile file) {
    const std::string_view suffix = ending(file);
    return name.size() == kPrefix.size() + kTaskCodeCapacity + suffix.size() && name.starts_with(kPrefix) &&
           name.ends_with(suffix);
}

std::string task_code_of_file_name(std::string_view name) {
    return std::string(name.substr(kPrefix.size(), kTaskCodeCapacity));
}

std::string exported_file_name(std::string_view code, std::string_view extension) {
    return std::string(kPrefix) + std::string(code) + "." + std::string(extension);
}

} // namespace zep
