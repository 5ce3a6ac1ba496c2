#include "task/task_record.h"

namespace zep {

int top_level_path_count(const TaskRecord& rec) {
    return rec.chainsPerSubgraph.empty() ? 0 : rec.chainsPerSubgraph.back();
}

bool second_level_mode(const TaskRecord& rec) {
    return rec.header.minimisedParam == 1 && top_level_path_count(rec) > 1;
}

int stored_threshold_count(const TaskRecord& rec) {
    return second_level_mode(rec) ? kSecondLevelThresholdCount : rec.header.thresholdCount;
}

} // namespace zep
