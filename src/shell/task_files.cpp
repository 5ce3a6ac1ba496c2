#include "shell/task_files.h"

#include "common/atomic_file.h"
#include "common/errors.h"

namespace fs = std::filesystem;

namespace zep {

bool hand_over_input(const Workspace& ws, const std::string& code, const std::function<void()>& record) {
    const fs::path input = ws.data() / ("zep_" + code + "_in.dat");
    std::error_code ec;
    if (!fs::is_regular_file(input, ec))
        return false;
    write_file_atomically(ws.solving() / ("zep_" + code + "_in.dat"), read_whole_file(input));
    record();
    return true;
}

bool take_over_solution(const Workspace& ws, const std::string& code, const std::function<void()>& record) {
    const fs::path solution = ws.solving() / ("zep_" + code + "_out.dat");
    std::error_code ec;
    if (!fs::is_regular_file(solution, ec))
        return false;
    write_file_atomically(ws.data() / ("zep_" + code + "_out.dat"), read_whole_file(solution));
    record();
    fs::remove(ws.solving() / ("zep_" + code + "_in.dat"), ec);
    fs::remove(solution, ec);
    return true;
}

std::vector<fs::path> task_files(const Workspace& ws, const std::string& code) {
    const std::string stem = "zep_" + code;
    return {ws.data() / (stem + ".dat"), ws.data() / (stem + "_in.dat"), ws.data() / (stem + "_out.dat"),
            ws.solving() / (stem + "_in.dat"), ws.solving() / (stem + "_out.dat")};
}

void delete_task(const Workspace& ws, const std::string& code, const std::function<void()>& record) {
    for (const fs::path& file : task_files(ws, code)) {
        std::error_code ec;
        fs::remove(file, ec);
        if (ec && fs::exists(file))
            throw FileAccessError("cannot delete \"" + file.string() + "\": " + ec.message());
    }
    record();
}

} // namespace zep
