#pragma once
// The shell texts that name a task's own words, used both where a task is entered (the wizard) and where
// it is shown (the views): its units, the minimised parameter, the rounding types, the subgraph
// numbering modes and the captions of its columns. Each value is the text's number; the comment gives
// the words of the English shell.
#include "common/shell_tables.h"

#include <string>

namespace zep {

enum class TaskText {
    And = 0,                           // and (the word joining two bounds, with blanks)
    CategoryCount = 5,                 // Number of categories of temporarily unavailable resources
    OperationCount = 7,                // Number of operations
    AutomaticNumbering = 14,           // automatic
    InHryvnias = 21,                   // in hryvnias
    InDays = 22,                       // in days
    InDollars = 23,                    // in dollars
    InEuros = 24,                      // in euros
    InRoubles = 28,                    // in roubles
    InHours = 32,                      // in hours
    Variant = 33,                      // Variant
    Time = 62,                         // time
    ExecutionTime = 64,                // Execution time
    Hryvnias = 91,                     // hryvnias
    Tact = 106,                        // Tact
    ForVariant = 107,                  // for variant
    Days = 114,                        // days
    Dollars = 115,                     // dollars
    Euros = 122,                       // euros
    TimeUnit = 123,                    // Time unit
    CostUnit = 124,                    // Cost unit
    CostThreshold = 152,               // Cost threshold
    ResourceCategory = 172,            // Resource category
    MaxQuantSteps = 194,               // maximum number of quantisation steps of the subgraph execution time
    MinimisedParameter = 204,          // Minimised parameter
    IntervalEnd = 209,                 // Interval end
    IntervalStart = 211,               // Interval start
    TaskName = 213,                    // Task name
    OperationName = 214,               // Operation name
    ChainName = 215,                   // Chain name
    OperationNumber = 280,             // Operation No.
    DecompositionParameters = 318,     // Decomposition parameters
    TaskParameters = 319,              // Task parameters
    RoundUp = 331,                     // up (by the maximum)
    RoundDown = 332,                   // down (by the minimum)
    RoundNearest = 333,                // to the nearest (by the mean)
    AutomaticCriticalConversion = 390, // Automatic conversion of ordinary operations into critical ones
    Roubles = 396,                     // roubles
    ManualNumbering = 397,             // manual
    Cost = 432,                        // cost
    ExecutionCost = 434,               // Execution cost
    SubgraphsExtracted = 461,          // Number of subgraphs extracted
    Hours = 468,                       // hours
    NetExecutionTime = 483,            // Net execution time
    TaskCode = 486,                    // Task code
};

inline const std::string& task_text(const ShellTables& shell, TaskText which) {
    return shell.text(static_cast<int>(which));
}

} // namespace zep
