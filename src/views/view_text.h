#pragma once
// The shell texts of the views of a task and of its solution, of their lists, tables and series, and of
// the workbook export. Each value is the text's number; the comment gives the words of the English
// shell. The words a task shares with the wizard are common/task_texts.h's.
#include "common/shell_tables.h"

#include <string>

namespace zep {

enum class ViewText {
    CategoryCount = 5,                 // Number of categories of temporarily unavailable resources
    VariantCount = 6,                  // Number of variants
    OperationCount = 7,                // Number of operations
    ComputationVariant = 34,           // Computation variant
    FilesUnreadable = 94,              // The task file or its solution file could not be read
    SolvingTime = 105,                 // Time spent solving task
    AllowedSubgraphs = 116,            // admissible number of nested network subgraphs to extract
    SecondLevelIterations = 117,       // Admissible number of second-level iterations
    TimeUnit = 123,                    // Time unit
    CostUnit = 124,                    // Cost unit
    ScalingCoef = 147,                 // Protective scaling coefficient
    TimeThreshold = 149,               // Time threshold
    TimeThresholdSeries = 150,         // Time threshold
    CostThreshold = 151,               // Cost threshold
    CostThresholdSeries = 152,         // Cost threshold
    CategoryNumber = 171,              // Resource category No.
    ResourceCategory = 172,            // Resource category
    FromTo = 175,                      // From, to
    EntersColumn = 177,                // Enters (chain; operation)
    LeavesColumn = 179,                // Leaves from (chain; operation)
    StopCheckSparsity = 183,           // sparsity coefficient of checking the stop criterion
    IterationReductionCoef = 184,      // Reduction coefficient of the number of second-level iterations
    StopCriterion = 186,               // stop criterion of the optimisation process
    MaxPhaseStates = 188,              // Maximum possible number of phase states
    ThresholdSearchUpper = 190,        // Upper bound of the time threshold search
    LargestPhaseStates = 192,          // Largest number of phase states
    MaxQuantSteps = 194,               // maximum number of quantisation steps of the subgraph execution time
    StartEarliestLatest = 195,         // Start: earliest / latest
    TotalCost = 198,                   // Total execution cost
    ThresholdSearchLower = 199,        // Lower bound of the time threshold search
    GraphTime = 201,                   // Graph execution time
    MinimisedParameter = 204,          // Minimised parameter
    ChainFinish = 207,                 // Chain finish
    TaskName = 213,                    // Task name
    ChainName = 215,                   // Chain name
    ChainNameOrPosition = 216,         // Chain name / position of a nested chain
    VariantNumber = 274,               // Variant No.
    Subgraph = 276,                    // Subgraph
    IntervalNumber = 278,              // Interval No.
    OperationNumber = 280,             // Operation No.
    ChosenVariantWithCategory = 281,   // Chosen variant No.: resource category (*)
    ChosenVariant = 282,               // Chosen variant No.
    ChainNumber = 286,                 // Chain No.
    InformationLine3 = 295,            // information line 3
    RelaxationCoef = 302,              // relative relaxation coefficient
    ExportFailed = 314,                // Error while exporting data to an Excel spreadsheet
    DecompositionParameters = 318,     // Decomposition parameters
    InformationFileData = 321,         // Data from the information file
    SchemeParameters = 323,            // Optimisation scheme parameters
    IterationLimit = 347,              // limit of the number of optimisation iteration cycles
    NoSuspension = 352,                // No suspension
    UnavailableResources = 353,        // Temporarily unavailable resources
    Decomposition = 355,               // Decomposition into nested network subgraphs
    SinglePathTopLevel = 356,          // Top-level graph consists of one path
    SolutionStatus = 357,              // Solution status
    TaskInputData = 378,               // Input data of task
    TaskSolution = 381,                // Solution of task
    CriticalConversion = 389,          // Conversion of ordinary operations into critical ones
    AutomaticCriticalConversion = 390, // Automatic conversion of ordinary operations into critical ones
    NumberingMode = 392,               // Subgraph numbering mode
    ByMinimalTime = 400,               // by minimal execution time
    ByMinimalCost = 401,               // by minimal execution cost
    ChainCost = 435,                   // Chain cost
    ChainCount = 437,                  // Number of chains
    VariantEssence = 438,              // Essence of the variant
    InformationLine2 = 442,            // information line 2
    OptimiserMessage = 443,            // Optimiser message
    RoundingCostMinimised = 444,       // Rounding type (cost minimised)
    RoundingType = 445,                // Rounding type
    RoundingTimeMinimised = 446,       // Rounding type (time minimised)
    InformationLine1 = 447,            // information line 1
    GraphTotalCost = 457,              // Total cost of executing the network graph
    GraphExecutionTime = 459,          // Time of executing the network graph
    SubgraphsExtracted = 461,          // Number of subgraphs extracted
    ActualNetTime = 462,               // Actual / net execution time
    ThresholdCount = 472,              // Number of threshold variants
    NestedChainCount = 475,            // Number of nested chains
    CategoryIntervalCount = 477,       // Number of availability intervals of category
    ThresholdRunsPerformed = 479,      // Number of threshold runs performed
    OptimisationCycles = 481,          // Optimisation cycles
    TaskCode = 486,                    // Task code
    SubgraphNumber = 513,              // Subgraph No.
    VariantStates = 526,    // Operation variant state: 1 - chosen; 2 - under execution; 3 - executed
    ComputedVariants = 537, // Computed variants
};

inline const std::string& view_text(const ShellTables& shell, ViewText which) {
    return shell.text(static_cast<int>(which));
}

} // namespace zep
