#pragma once
// The words of the task library's refusals and notices in the language shell in use: the wizard's
// steps (its window and `zep build` both run through them) show these.
#include "common/shell_tables.h"
#include "task/prep_outcome.h"

#include <string>

namespace zep {

// A refusal of the task library (task/prep_outcome.h) as the wizard shows it:
//  - operation grid: "<text 313|268> \"<text 214|474>\" <text 20> <row> <tail>" for a blank name, a
//    blank count and a count that is not whole; "<text 252> <row> <tail>" for a count out of range;
//  - variant grid: "<text 236|235> <variant> <text 387> <op> <tail>" for a blank essence and a cell
//    that does not convert; <tail> is "<text 162> <chain>. <text 329>.";
//  - bounds: "<text 273> <op> <text 31> <chain>.";
//  - discretisation: "<text 416> <estimate>, <text 345> (<limit> <text 110>). <text 450>.";
//  - numbering: "<text 489> <allowed>. <text 448> \"... (<text 485> 2 <text 159> 8)\"." for too few
//    admissible subgraphs, else "<text 496>. <text 329>.".
std::string task_refusal_text(const ShellTables& shell, const TaskRefusalValue& refusal);

// The notice of converted operations: for one "<text 30>, <text 17>.", for more
// "<text 29> <count> <text 298> <text 18>."; empty for none.
std::string conversion_notice(const ShellTables& shell, int count);

} // namespace zep
