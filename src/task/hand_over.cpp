#include "task/hand_over.h"

#include "common/atomic_file.h"
#include "common/date_time.h"
#include "task/task_file.h"

namespace fs = std::filesystem;

namespace zep {

std::string wrong_status_message(const std::string& code, TaskStatus status, TaskStatus needed) {
    return "task \"" + code + "\" is " + status_name(status) + ", not " + status_name(needed) +
           "; nothing was done";
}

std::string unregistered_task_message(const std::string& code) {
    return "there is no task \"" + code + "\" in the task register; nothing was done";
}

TaskMove hand_over_input(const Workspace& ws, RegisterStore& reg, const std::string& code) {
    TaskMove move;
    const fs::path input = solver_input_path(ws, code);
    const fs::path target = ws.solving() / input.filename();
    bool copied = false;
    try {
        reg.change([&](TaskRegister& r) {
            const RegisterEntry* entry = r.find(code);
            std::error_code ec;
            if (!entry)
                move.refusal = unregistered_task_message(code);
            else if (entry->status != TaskStatus::Entered)
                move.refusal = wrong_status_message(code, entry->status, TaskStatus::Entered);
            else if (!fs::is_regular_file(input, ec))
                move.refusal = "there is no \"" + input.string() + "\"; nothing was done";
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

} // namespace zep
