#pragma once
// What the solution view says of a variant's exact optimum, in the shell's words (a shell made before
// the exact optimum existed lacks them: then the English words stand).
#include "common/shell_tables.h"
#include "exact/variant_report.h"
#include "task/task_record.h"

#include <string>
#include <vector>

namespace zep::exact {

enum class ExactText {
    Button = 560,          // the button and the first line's key
    Proven = 561,          // the optimum is proven
    NotProven = 562,       // the time limit ended the search first
    Bound = 563,           // followed by the best bound found
    Method = 564,          // the second line's key
    Gap = 565,             // followed by the gap in percent
    WithinThreshold = 566, // the method's plan keeps within the threshold
    BeyondThreshold = 567, // it does not
    NoPlan = 568,          // no plan keeps within the threshold
    NoMethodPlan = 569,    // the run gave no plan
    Curve = 570,           // the chart series
    Unavailable = 571,     // the task has no network
    Computing = 572,       // while the worker runs
    Stop = 597,            // the button that stops the worker
    Stopped = 598,         // the search stopped by it
};

std::string exact_text(const ShellTables& shell, ExactText which);

// The units of a variant's threshold and of its minimised value.
struct ReportUnits {
    std::string threshold, value;
};

ReportUnits report_units(const TaskRecord& rec, TaskGoal goal);

// The lines of the exact panel: the exact optimum (proven, or the bound), the method's value with the
// gap, the variant's threshold and, when the run gave a plan, whether it keeps within the threshold.
// Each value stands after a key that names its unit in parentheses, as the lists of the view do.
std::vector<std::string> report_lines(const VariantReport& r, const TaskRecord& rec, TaskGoal goal,
                                      const ShellTables& shell, char separator);

} // namespace zep::exact
