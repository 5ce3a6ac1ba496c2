#include "shell/user_operations.h"

#include "common/atomic_file.h"
#include "common/date_time.h"
#include "common/errors.h"
#include "shell/register_texts.h"
#include "shell/task_files.h"

namespace fs = std::filesystem;

namespace zep {

TaskMove hand_over_input(const Workspace& ws, RegisterStore& reg, const std::string& code) {
    TaskMove move;
    const fs::path input = ws.data_file(code, TaskFile::SolverInput);
    const fs::path target = ws.solving() / input.filename();
    bool copied = false;
    try {
        reg.change([&](TaskRegister& r) {
            move.refusal = move_refusal(reg.shell(), r, code, TaskStatus::Entered, input);
            if (!move.refusal.empty())
                return false;
            fs::create_directories(ws.solving());
            write_file_atomically(target, read_whole_file(input));
            copied = true;
            return move.done = r.hand_over(code, now_date_serial());
        });
    } catch (...) {
        std::error_code ec;
        if (copied)
            fs::remove(target, ec);
        throw;
    }
    return move;
}

void delete_task(const Workspace& ws, RegisterStore& reg, const std::string& code) {
    reg.change([&](TaskRegister& r) {
        for (const fs::path& file : task_files(ws, code)) {
            std::error_code ec;
            fs::remove(file, ec);
            if (ec && fs::exists(file))
                throw FileAccessError("cannot delete \"" + file.string() + "\": " + ec.message());
        }
        return r.remove(code);
    });
}

} // namespace zep
