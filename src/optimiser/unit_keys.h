#pragma once
// Keys that name a quantity together with its unit, as the lists, grids and charts name them: the unit
// in parentheses after the quantity, "Порог по времени (дни)", so that the wording holds whatever the
// unit is called (a number never stands next to a unit's name).
#include "common/shell_tables.h"
#include "task/task_record.h"

#include <string>

namespace zep {

std::string in_unit(const std::string& key, const std::string& unit);

// The key of a computation variant's threshold: the time threshold in the time unit when the cost is
// minimised, the cost threshold in the cost unit when the time is.
std::string threshold_key(const TaskRecord& rec, const ShellTables& shell);

} // namespace zep
