#pragma once
// The shell texts of the views of a task and of its solution, of their lists, tables and series, and of
// the workbook export. Each value is the text's number; the comment gives the words of the English
// shell. The words a task shares with the wizard are common/task_texts.h's.
#include "common/shell_tables.h"
#include "common/task_texts.h"

#include <string>

namespace zep {

enum class ViewText {
    VariantCount = 6,                   // Number of variants
    ComputationVariant = 34,            // Computation variant
    NestedSubgraph = 57,                // nested subgraph
    InputDataOfTask = 66,               // Input data of task
    FilesUnreadable = 94,               // The task file or its solution file could not be read
    SolvingTime = 105,                  // Time spent solving task
    AllowedSubgraphs = 116,             // admissible number of nested network subgraphs to extract
    SecondLevelIterations = 117,        // Admissible number of second-level iterations
    ScalingCoef = 147,                  // Protective scaling coefficient
    ValueColumn = 148,                  // Value
    TimeThreshold = 149,                // Time threshold
    TimeThresholdSeries = 150,          // Time threshold
    CostThreshold = 151,                // Cost threshold
    SourceGraph = 167,                  // Source network graph
    CategoryNumber = 171,               // Resource category No.
    FromTo = 175,                       // From, to
    EntersColumn = 177,                 // Enters (chain; operation)
    LeavesColumn = 179,                 // Leaves from (chain; operation)
    StopCheckSparsity = 183,            // sparsity coefficient of checking the stop criterion
    IterationReductionCoef = 184,       // Reduction coefficient of the number of second-level iterations
    StopCriterion = 186,                // stop criterion of the optimisation process
    MaxPhaseStates = 188,               // Maximum possible number of phase states
    ThresholdSearchUpper = 190,         // Upper bound of the time threshold search
    LargestPhaseStates = 192,           // Largest number of phase states
    StartEarliestLatest = 195,          // Start: earliest / latest
    TotalCost = 198,                    // Total execution cost
    ThresholdSearchLower = 199,         // Lower bound of the time threshold search
    GraphTime = 201,                    // Graph execution time
    ChainFinish = 207,                  // Chain finish
    ChainNameOrPosition = 216,          // Chain name / position of a nested chain
    VariantNumber = 274,                // Variant No.
    Subgraph = 276,                     // Subgraph
    IntervalNumber = 278,               // Interval No.
    ChosenVariantWithCategory = 281,    // Chosen variant No.: resource category (*)
    ChosenVariant = 282,                // Chosen variant No.
    ChainNumber = 286,                  // Chain No.
    InformationLine3 = 295,             // information line 3
    RelaxationCoef = 302,               // relative relaxation coefficient
    ExportFailed = 314,                 // Error while exporting data to an Excel spreadsheet
    ComputationVariantParameters = 316, // Parameters of the task computation variant
    InformationFileData = 321,          // Data from the information file
    SchemeParameters = 323,             // Optimisation scheme parameters
    OfTaskComputation = 339,            // of the task computation
    IterationLimit = 347,               // limit of the number of optimisation iteration cycles
    NoSuspension = 352,                 // No suspension
    UnavailableResources = 353,         // Temporarily unavailable resources
    Decomposition = 355,                // Decomposition into nested network subgraphs
    SinglePathTopLevel = 356,           // Top-level graph consists of one path
    SolutionStatus = 357,               // Solution status
    TaskInputData = 378,                // Input data of task
    TaskSolution = 381,                 // Solution of task
    CriticalConversion = 389,           // Conversion of ordinary operations into critical ones
    NumberingMode = 392,                // Subgraph numbering mode
    SolutionOfTask = 393,               // Solution of task
    ResultingGraph = 394,               // Resulting network graph
    ByMinimalTime = 400,                // by minimal execution time
    ByMinimalCost = 401,                // by minimal execution cost
    ChainCost = 435,                    // Chain cost
    ChainCount = 437,                   // Number of chains
    VariantEssence = 438,               // Essence of the variant
    InformationLine2 = 442,             // information line 2
    OptimiserMessage = 443,             // Optimiser message
    RoundingCostMinimised = 444,        // Rounding type (cost minimised)
    RoundingType = 445,                 // Rounding type
    RoundingTimeMinimised = 446,        // Rounding type (time minimised)
    InformationLine1 = 447,             // information line 1
    GraphTotalCost = 457,               // Total cost of executing the network graph
    GraphExecutionTime = 459,           // Time of executing the network graph
    ActualNetTime = 462,                // Actual / net execution time
    FictitiousOperation = 463,          // fictitious operation
    ThresholdCount = 472,               // Number of threshold variants
    NestedChainCount = 475,             // Number of nested chains
    CategoryIntervalCount = 477,        // Number of availability intervals of category
    ThresholdRunsPerformed = 479,       // Number of threshold runs performed
    OptimisationCycles = 481,           // Optimisation cycles
    SubgraphNumber = 513,               // Subgraph No.
    OfSolutionCostMinimised = 522,      // of the solution (cost minimised)
    OfSolutionTimeMinimised = 523,      // of the solution (time minimised)
    ExportDerivedTaskToo = 524,     // Besides the solution, export to Excel the input data of a derived task
    WithChosenVariantsMarked = 525, // with the chosen variants of the operations marked
    VariantStates = 526,            // Operation variant state: 1 - chosen; 2 - under execution; 3 - executed
    TableTab = 530,                 // Table
    GanttTab = 531,                 // Gantt chart
    TimeCostTab = 532,              // Time and cost
    Slack = 533,                    // Slack
    Critical = 534,                 // Critical operation
    Unavailable = 535,              // Resource unavailable
    Fit = 536,                      // Fit
    ComputedVariants = 537,         // Computed variants
    Start = 538,                    // Start
    Finish = 539,                   // Finish
    Chain = 540,                    // Chain
    Operation = 541,                // Operation
    ShownVariant = 542,             // Shown variant
    ExportWritten = 559,            // The workbook is written to the file
};

inline const std::string& view_text(const ShellTables& shell, ViewText which) {
    return shell.text(static_cast<int>(which));
}

} // namespace zep
