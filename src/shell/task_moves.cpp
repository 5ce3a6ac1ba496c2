#include "shell/user_operations.h"

#include "common/atomic_file.h"
#include "common/date_time.h"
#include "common/errors.h"
#include "shell/task_files.h"

namespace fs = std::filesystem;

namespace zep {

std::optional<Refusal<MoveRefusal>> move_refusal(const TaskRegister& r, const std::string& code,
                                                 TaskStatus needed, const fs::path& file) {
    const RegisterEntry* entry = r.find(code);
    std::error_code ec;
    if (!entry)
        return Refusal<MoveRefusal>{.kind = MoveRefusal::Unregistered, .subject = code};
    if (entry->status != needed)
        return Refusal<MoveRefusal>{.kind = MoveRefusal::WrongStatus,
                                    .value = static_cast<double>(entry->status),
                                    .limit = static_cast<double>(needed),
                                    .subject = code};
    if (!fs::is_regular_file(file, ec))
        return Refusal<MoveRefusal>{.kind = MoveRefusal::MissingFile, .subject = file.string()};
    return std::nullopt;
}

TaskMove hand_over_input(const Workspace& ws, RegisterStore& reg, const std::string& code) {
    TaskMove move;
    const fs::path input = ws.data_file(code, TaskFile::SolverInput);
    const fs::path target = ws.solving() / input.filename();
    bool copied = false;
    try {
        reg.change([&](TaskRegister& r) {
            move = TaskMove{};
            if (auto refusal = move_refusal(r, code, TaskStatus::Entered, input)) {
                move = std::move(*refusal);
                return false;
            }
            fs::create_directories(ws.solving());
            write_file_atomically(target, read_whole_file(input));
            copied = true;
            return r.hand_over(code, now_date_serial());
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
