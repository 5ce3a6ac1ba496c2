#include "optimiser/unit_keys.h"

namespace zep {

std::string in_unit(const std::string& key, const std::string& unit) {
    return key + " (" + unit + ")";
}

std::string threshold_key(const TaskRecord& rec, const ShellTables& shell) {
    const TaskHeader& h = rec.header;
    return minimised_parameter(h) == MinimisedParam::Time ? in_unit(shell.text(152), h.costUnit)
                                                          : in_unit(shell.text(150), h.timeUnit);
}

} // namespace zep
