#include "task/task_saving.h"

#include "common/atomic_file.h"
#include "task/solver_input.h"
#include "task/task_file.h"

namespace zep {

void save_task(TaskRecord& rec, const Workspace& ws, EntryMode mode, RegisterStore& reg,
               std::string_view shellFileName) {
    rec.header.chainCount = rec.workingChainCount;
    rec.header.nestedChainCount = rec.workingNestedChainCount;

    const std::vector<std::uint8_t> taskImage = encode_task_file(rec);
    const std::vector<std::uint8_t> solverImage = encode_solver_input(rec, shellFileName);
    const std::string& code = rec.header.taskCode;
    write_file_atomically(task_file_path(ws, code), taskImage);
    write_file_atomically(solver_input_path(ws, code), solverImage);

    const std::string& name = rec.header.taskName;
    if (mode == EntryMode::CorrectTask) {
        if (!reg.update_after_correction(code, name))
            reg.add(code, name);
    } else if (!reg.add(code, name)) {
        reg.update_after_correction(code, name);
    }
}

} // namespace zep
