#pragma once
// What the task files need of a record before it is written: the counts within the limits the readers
// accept, and every array as long as the count that announces it in the file. A record the wizard
// prepared always passes; one that does not would give a file that no reader can take back.
#include "task/task_record.h"

namespace zep {

// Throws std::invalid_argument naming the first inconsistency ("chain 2: 3 operations stored for
// opCount 4").
void check_record_for_files(const TaskRecord& rec);

// The number of operations of all chains: no unrolled path can be longer.
int total_operation_count(const TaskRecord& rec);

} // namespace zep
