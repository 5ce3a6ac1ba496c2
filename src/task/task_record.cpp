#include "task/task_record.h"

namespace zep {

int top_level_path_count(const TaskRecord& rec) {
    return rec.chainsPerSubgraph.empty() ? 0 : rec.chainsPerSubgraph.back();
}

bool second_level_mode(const TaskRecord& rec) {
    return second_level_mode(minimised_parameter(rec.header), top_level_path_count(rec));
}

DiscretisedParam discretised_parameter(const TaskRecord& rec) {
    return rec.discretisedIsCost == 1 ? DiscretisedParam::Cost : DiscretisedParam::Time;
}

int derived_discretised_is_cost(const TaskRecord& rec) {
    const DiscretisedParam p =
        discretised_parameter(minimised_parameter(rec.header), top_level_path_count(rec));
    return p == DiscretisedParam::Cost ? 1 : 0;
}

int stored_threshold_count(const TaskRecord& rec) {
    return second_level_mode(rec) ? kSecondLevelThresholdCount : rec.header.thresholdCount;
}

} // namespace zep
