#include "shell/user_operations.h"

#include "common/atomic_file.h"
#include "common/date_time.h"
#include "common/file_lock.h"
#include "optimiser/solution_file.h"
#include "task/task_file.h"

#include <optional>

namespace fs = std::filesystem;

namespace zep {
namespace {

// Why the solution cannot be taken over as it is, or nothing.
std::optional<std::string> unreadable_solution(const Workspace& ws, const std::string& code,
                                               const fs::path& solution, std::vector<std::uint8_t>& bytes) {
    try {
        TaskRecord task;
        read_task_file(task, ws, code);
        bytes = read_whole_file(solution);
        decode_solution(bytes, solution_shape_of(task), solution.string());
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

} // namespace

TaskMove take_over_solution(const Workspace& ws, RegisterStore& reg, const std::string& code) {
    TaskMove move;
    const fs::path input = ws.solving_file(code, TaskFile::SolverInput);
    const fs::path solution = ws.solving_file(code, TaskFile::Solution);
    const fs::path stored = ws.data() / solution.filename();
    // The claim of the task's input keeps every optimisation run away until Solving is cleared.
    std::optional<FileLock> claim;
    std::optional<FileRestore> restore;
    std::vector<std::uint8_t> bytes;
    // Under the register's lock: why the take-over is refused, nothing when it goes ahead (the input
    // claimed, the solution's bytes read).
    auto refusal = [&](const TaskRegister& r) -> std::optional<Refusal<MoveRefusal>> {
        if (auto why = move_refusal(r, code, TaskStatus::HandedOver, solution))
            return why;
        std::error_code ec;
        if (fs::exists(input, ec) && !(claim = FileLock::try_acquire_existing(input)))
            return Refusal<MoveRefusal>{.kind = MoveRefusal::BeingSolved, .subject = code};
        if (auto reader = unreadable_solution(ws, code, solution, bytes))
            return Refusal<MoveRefusal>{.kind = MoveRefusal::SolutionUnreadable, .subject = *reader};
        return std::nullopt;
    };
    bool done = false;
    reg.change([&](TaskRegister& r) {
        move = TaskMove{};
        if (auto why = refusal(r)) {
            move = std::move(*why);
            return false;
        }
        restore.emplace(std::vector<fs::path>{stored});
        write_file_atomically(stored, bytes);
        return done = r.take_over(code, now_date_serial());
    });
    if (restore)
        restore->keep();
    if (done) {
        std::error_code ec;
        fs::remove(input, ec);
        fs::remove(solution, ec);
    }
    return move;
}

} // namespace zep
