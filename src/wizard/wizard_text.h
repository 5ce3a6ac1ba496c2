#pragma once
// The shell texts of the wizard: its step titles, captions, questions and the words of its refusals.
// Each value is the text's number; the comment gives the words of the English shell. The words a task
// shares with the views are common/task_texts.h's.
#include "common/shell_tables.h"

#include <string>

namespace zep {

enum class WizardText {
    SoNestedChain = 8,               // so nested chain
    SameBaseChain = 9,               // All nested chains of one nested network subgraph must hang on the s...
    InsideSpanOfSubgraph = 16,       // inside the base chain span replaced by subgraph
    KeepingSingleVariant = 17,       // keeping a single variant
    IntoCriticalSingleVariant = 18,  // into critical ones, each keeping a single variant
    InHighlightedRow = 19,           // in the highlighted row of the table
    InRow = 20,                      // in row
    ExitAtStartOfOperation = 25,     // — exit at the start of operation
    AtEndOfOperation = 26,           // at the end of operation
    SubgraphNumberUnused = 27,       // is not given to any nested chain. Subgraph numbers must run without...
    AutomaticallyConverted = 29,     // Automatically converted
    OneOperationConverted = 30,      // One ordinary operation was automatically converted into a critical one
    OfChainAfterOperation = 31,      // of chain
    DiscretisationTact = 40,         // Discretisation tact
    NameMissing = 44,                // The task name is not entered. Please enter it
    GraphCostThreshold = 46,         // Cost threshold of the graph
    EnteringNewTask = 53,            // Entering a new task
    NestedChainWholeChain = 56,      // Nested chain
    Next = 58,                       // Next
    GraphTimeThresholds = 60,        // Threshold values of the time of executing the network graph
    ChainTimeThresholds = 61,        // Threshold values of the time of executing the chain
    InsteadOfBaseChainEntering = 65, // instead of base chain
    NoSubgraphNumbers = 68,          // No nested chain has a subgraph number, so no nested network subgrap...
    DataImportedFrom = 78,           // Data imported from file
    MinimalAndMaximalValues = 81,    // Minimal and maximal possible values
    InsteadOfBaseChainLeaving = 83,  // instead of base chain
    EnclosesNestedChainInRow = 84,   // encloses the nested chain in row
    AndEntryAtEndOfOperation = 85,   // and entry at the end of operation
    Finish = 90,                     // Finish
    OfThisSubgraph = 100,            // of this subgraph.
    OfAnotherSubgraph = 101,         // of another subgraph
    OfSubgraph = 102,                // of subgraph
    ForVariant = 107,                // for variant
    NestedChain = 108,               // Nested chain
    EnclosingStandsAbove = 109,    // — the enclosing nested chain must stand above the enclosed one in t...
    InThisVersion = 110,           // in this version of the system
    HangsOnBaseChain = 111,        // hangs on base chain
    EntersChainVerb = 120,         // enters chain
    LeavesChainVerb = 121,         // leaves from chain
    CellHighlighted = 126,         // (the cell is highlighted in the table)
    NoBetterInTimeOrCost = 127,    // (it is no better in either time or cost)
    UntickSurplusThresholds = 138, // Please untick the surplus boxes: at most ten threshold values may b...
    AndYet = 141,                  // and yet
    LeavesAndEntersSameChains = 153, // that leaves from and enters the same chains
    StepOf = 159,                    // of
    AtStartOfOperation = 161,        // at the start of operation
    OfChain = 162,                   // of chain
    Or = 163,                        // or
    CorrectingUnsolvedTask = 181,    // Correcting the input data of an unsolved task
    ExceedsLimitOfVariants = 182,    // which exceeds the admissible limit
    IntervalEndColumn = 208,         // Interval end
    IntervalStartColumn = 210,       // Interval start
    ChainNameMissing = 220,          // The chain name is not entered in row
    CoordinatesNotWhole = 221,       // The coordinates of a nested chain (chain and operation numbers) mus...
    OperationCountNotWhole = 222,    // The number of operations of a chain must be a whole number; check row
    BelongsToNoSubgraphBut = 223,    // belongs to no subgraph but
    NoTaskSelected = 224,            // No task selected
    EnterQuantSteps = 225,           // Please enter the maximum number of quantisation steps of the subgra...
    EnterScalingCoef = 226,          // Please enter the protective scaling coefficient
    EnterReductionCoef = 227,        // Please enter the reduction coefficient of the number of second-leve...
    EnterAllowedSubgraphs = 228,     // Please enter the admissible number of subgraphs to extract
    EnterCostThreshold = 229,        // Please enter the cost threshold
    EnterTact = 230,                 // Please enter the tact
    EnterSecondLevelIterations = 231, // Please enter the admissible number of second-level iterations
    EnterChainCount = 232,           // Please enter the total number of chains of operations in the networ...
    EnterCategoryCount = 233,        // Please enter the number of categories of temporarily unavailable re...
    OperationIncomplete = 234,       // Incomplete data (name, variants) for operation
    VariantNumberInvalid = 235,      // A number (time, cost or resource category) is missing or invalid fo...
    VariantEssenceMissing = 236,     // The essence is not entered for variant
    ScalingCoefInvalid = 238,        // Invalid protective scaling coefficient
    CodeNotSixCharacters = 239,      // The task code must consist of exactly 6 characters
    ResourceCategoryInvalid = 240,   // Invalid resource category
    NoOperationsOutsideNested = 242, // The number of operations is 0 in every chain except the nested ones
    FromChainNotAbove = 243,         // The number of the chain that a nested chain leaves from must be les...
    ToOperationBeyondChain = 244,    // The number of the operation that the nested chain enters exceeds th...
    FromOperationBeyondChain = 245,  // The number of the operation that the nested chain leaves from excee...
    QuantStepsInvalid = 246,         // Invalid maximum number of quantisation steps of the subgraph execut...
    AllowedSubgraphsTooLarge = 249,  // The admissible number of subgraphs to extract is too large
    AllowedSubgraphsOverNested =
        250,                      // The admissible number of subgraphs to extract may not exceed the nu...
    InvalidValueInColumn = 251,   // Invalid value in column
    VariantCountOutOfRange = 252, // The number of variants is outside the range 1 to 20 for operation
    AllowedSubgraphsZero = 254,   // The admissible number of subgraphs to extract must be greater than 0
    SubgraphNumberZero = 255,     // A subgraph number cannot be 0 (leave the cell empty if the chain be...
    ChainCountZero = 256,         // The number of chains must be greater than 0
    NoThresholdTicked = 257,      // No threshold value is ticked. Please tick at least one and at most
    CategoryCountZero = 258,      // The number of categories of temporarily unavailable resources must...
    TimeMissing = 259,            // The execution time is not entered for operation
    NetTimeMissing = 261,         // The net execution time is not entered for operation
    ToChainBelowOne = 262,        // The number of the chain that the nested chain enters is less than 1...
    FromChainBelowOne = 263,      // The number of the chain that the nested chain leaves from is less t...
    ToOperationBelowOne = 264,    // The number of the operation that the nested chain enters is less th...
    FromOperationBelowOne = 265,  // The number of the operation that the nested chain leaves from is le...
    WrongNestingOrder = 266,      // Wrong order of nested chains: the chain in row
    CoordinateError = 267,        // Coordinate error: the nested chain in row
    InvalidNumberInColumn = 268,  // Invalid number in column
    CostMissingOrSubgraphNotWhole =
        269,                     // Execution cost not entered, or subgraph number not a whole number,...
    LeavesFirstEntersLast = 271, // leaves from the first and enters at the last operation of chain
    No = 272,                    // no
    PathTimeUnbounded = 273,     // Check the variant times and the resource availability intervals: th...
    OrdinaryOperations = 298,    // ordinary operations
    SameEndsAsSpan = 303,        // has the same ends as the base chain span replaced by subgraph
    BelongsToSubgraph = 304,     // belongs to subgraph
    EmptyCellInColumn = 313,     // Empty cell in column
    CorrectTheData = 329,        // Please correct the data
    NoNestedChainsNoDecomposition =
        340,                         // The graph has no nested chains, so decomposition is not possible an...
    AutomaticNumberingLimit = 341,   // Automatic subgraph numbering is available only with at most 10 nest...
    ManualNumberingUsed = 343,       // Manual subgraph numbering will be used
    EntryBeforeExit = 344,           // The entry operation number may not be less than the exit operation...
    ExceedsLimitOfPhaseStates = 345, // which exceeds the admissible limit
    ExceedsAllowedSubgraphs = 346,   // as it exceeds the admissible number of subgraphs to extract
    RoundingStep = 348,              // i.e. the rounding step of the discretised parameter
    SubgraphNumber = 377,            // Subgraph number
    OfOperation = 387,               // of operation
    IsDominatedBy = 388,             // is dominated by variant
    RemoveDominatedVariant = 404,    // remove the dominated variant or change its time or cost
    SecondLevelIterationsTooLarge = 407, // The admissible number of second-level iterations is too large
    ReductionCoefTooLarge = 408,     // The reduction coefficient of the number of second-level iterations...
    SubgraphNumberTooLarge = 409,    // The subgraph number is too large in row
    CostThresholdAboveMaximum = 410, // The cost threshold exceeds the maximal possible cost of executing t...
    TooManyVariants = 411,           // The total number of variants of all operations is too large
    TooManyChains = 412,             // The number of chains in the network graph is too large
    TooManyThresholdsTicked = 413,   // Too many threshold values are ticked:
    NestedNotFewerThanChains = 414,  // The number of nested chains must be less than the total number of c...
    TooManyCategories = 415,         // The number of categories of temporarily unavailable resources is to...
    EstimatedPhaseStates = 416,      // The estimated maximum possible number of phase states is
    TactBelowMinimum = 417,          // The tact must be at least 0.01
    SecondLevelIterationsTooSmall = 418, // The admissible number of second-level iterations is too small
    ReductionCoefTooSmall = 420,     // The reduction coefficient of the number of second-level iterations...
    CostThresholdBelowMinimum = 422, // The cost threshold is below the minimal possible cost of executing...
    CannotBelongToSubgraph = 423,    // cannot belong to a subgraph
    GraphCostThresholds = 429,       // Threshold values of the cost of executing the network graph
    ChainCostThresholds = 430,       // Threshold values of the cost of executing the chain
    EnterCostTact = 431,             // Enter the cost discretisation tact
    EntersChain = 440,               // enters chain
    LeavesChain = 441,               // leaves from chain
    IncreaseAllowedSubgraphs = 448,  // Increase the admissible number of subgraphs to extract at the step
    IncreaseTact = 450,              // Increase the tact or reduce the number of operations on the longest...
    VariantLower = 451,              // variant
    CodeAlreadyRegistered = 453,     // A task with this code is already in the task protocol; please enter...
    ReduceVariants = 456,            // Please reduce the number of variants of some operations
    NestedChainInRow = 458,          // The nested chain in row
    StartsAndEndsOnChain = 467,      // starts and ends on chain
    MustBelongOrMove = 469,          // (such a chain must belong to this subgraph or have other coordinates)
    VariantCountColumn = 474,        // Number of variants
    IntervalCountColumn = 478,       // Number of intervals
    CheckNumbering = 484,            // (check the subgraph numbering and the coordinates of the nested cha...
    Step = 485,                      // Step
    NoNumberingForAllowed = 489,     // No valid subgraph numbering was found when the admissible number of...
    EnterTimeTact = 494,             // Enter the time discretisation tact
    Yes = 495,                       // yes
    NoNumberingAtAll = 496,          // No valid subgraph numbering was found even with the largest admissi...
    ToChainNotAbove = 497,           // The number of the chain that a nested chain enters must be less tha...
    MustExceedColumn = 498,          // it must be greater than the value in column
    OfPreviousRow = 499,             // of the previous row
    OfSameRow = 500,                 // of the same row
    EnterNestedCount = 501,          // Please enter the number of nested chains (0 if there are none)
    OperationCountNegative = 514,    // The number of operations of a chain cannot be negative; check row
    TooManyOperationsInRow = 515,    // Too many operations in the chain in row
};

inline const std::string& wizard_text(const ShellTables& shell, WizardText which) {
    return shell.text(static_cast<int>(which));
}

} // namespace zep
