#include "optimiser/unit_keys.h"

#include "optimiser/optimiser_text.h"

namespace zep {

std::string in_unit(const std::string& key, const std::string& unit) {
    return key + " (" + unit + ")";
}

std::string threshold_key(const TaskRecord& rec, const ShellTables& shell) {
    const TaskHeader& h = rec.header;
    return minimised_parameter(h) == MinimisedParam::Time
               ? in_unit(task_text(shell, TaskText::CostThreshold), h.costUnit)
               : in_unit(optimiser_text(shell, OptimiserText::TimeThreshold), h.timeUnit);
}

} // namespace zep
