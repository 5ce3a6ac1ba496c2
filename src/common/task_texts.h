#pragma once
// The shell texts that name a task's own words, used both where a task is entered (the wizard) and where
// it is shown (the views): its units, the minimised parameter, the rounding types, the subgraph
// numbering modes and the captions of its columns. Each value is the text's number; the comment gives
// the words of the English shell.
#include "common/shell_tables.h"

#include <string>

namespace zep {

enum class TaskText {
    AutomaticNumbering = 14, // automatic
    InHryvnias = 21,         // in hryvnias
    InDays = 22,             // in days
    InDollars = 23,          // in dollars
    InEuros = 24,            // in euros
    InRoubles = 28,          // in roubles
    InHours = 32,            // in hours
    Variant = 33,            // Variant
    Time = 62,               // time
    ExecutionTime = 64,      // Execution time
    Hryvnias = 91,           // hryvnias
    Tact = 106,              // Tact
    Days = 114,              // days
    Dollars = 115,           // dollars
    Euros = 122,             // euros
    IntervalEnd = 209,       // Interval end
    IntervalStart = 211,     // Interval start
    OperationName = 214,     // Operation name
    RoundUp = 331,           // up (by the maximum)
    RoundDown = 332,         // down (by the minimum)
    RoundNearest = 333,      // to the nearest (by the mean)
    Roubles = 396,           // roubles
    ManualNumbering = 397,   // manual
    Cost = 432,              // cost
    ExecutionCost = 434,     // Execution cost
    Hours = 468,             // hours
    NetExecutionTime = 483,  // Net execution time
};

inline const std::string& task_text(const ShellTables& shell, TaskText which) {
    return shell.text(static_cast<int>(which));
}

} // namespace zep
