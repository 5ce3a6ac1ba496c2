#pragma once
// What the solution view says of a variant's exact optimum, in the shell's words (a shell made before
// the exact optimum existed lacks them: then the English words stand).
#include "exact/variant_report.h"
#include "shell/shell_file.h"
#include "task/task_record.h"

#include <string>
#include <vector>

namespace zep::exact {

enum class ExactText {
    Button = 544,          // the button and the first line's key
    Proven = 545,          // the optimum is proven
    NotProven = 546,       // the time limit ended the search first
    Bound = 547,           // followed by the best bound found
    Method = 548,          // the second line's key
    Gap = 549,             // followed by the gap in percent
    WithinThreshold = 550, // the method's plan keeps within the threshold
    BeyondThreshold = 551, // it does not
    NoPlan = 552,          // no plan keeps within the threshold
    NoMethodPlan = 553,    // the run gave no plan
    Curve = 554,           // the chart series
    Unavailable = 555,     // the task has no network
    Computing = 556,       // while the worker runs
};

std::string exact_text(const ShellTables& shell, ExactText which);

// Three lines: the exact optimum (proven, or the bound), the method's value with the gap, and whether
// the method's plan keeps within the variant's threshold. Values in the task's units.
std::vector<std::string> report_lines(const VariantReport& r, const TaskRecord& rec, TaskGoal goal,
                                      const ShellTables& shell, char separator);

} // namespace zep::exact
