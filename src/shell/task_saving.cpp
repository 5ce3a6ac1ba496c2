#include "shell/user_operations.h"

#include "common/atomic_file.h"
#include "common/date_time.h"
#include "task/solver_input.h"
#include "task/task_file.h"

namespace zep {

bool save_task(TaskRecord& rec, const Workspace& ws, EntryMode mode, RegisterStore& reg,
               std::string_view shellFileName) {
    rec.header.chainCount = rec.workingChainCount;
    rec.header.nestedChainCount = rec.workingNestedChainCount;

    const std::vector<std::uint8_t> taskImage = encode_task_file(rec);
    const std::vector<std::uint8_t> solverImage = encode_solver_input(rec, shellFileName);
    const std::string& code = rec.header.taskCode;
    const std::string& name = rec.header.taskName;
    // All or nothing: the files are written under the register's lock and put back as they were when
    // the register cannot be written, so that no task file is left that the register does not account
    // for.
    FileRestore restore({task_file_path(ws, code), solver_input_path(ws, code)});
    bool saved = false;
    reg.change([&](TaskRegister& r) {
        // The register as it is now: another process may have registered the code since step 1.
        if (mode != EntryMode::CorrectTask && r.find(code))
            return false;
        write_file_atomically(task_file_path(ws, code), taskImage);
        write_file_atomically(solver_input_path(ws, code), solverImage);
        const double now = now_date_serial();
        if (mode != EntryMode::CorrectTask || !r.update_after_correction(code, name, now))
            r.add(code, name, now);
        return saved = true;
    });
    restore.keep();
    return saved;
}

} // namespace zep
