#pragma once
// The shell texts of the optimisation module: its window's captions, the run's report lines, its
// refusals, the messages of a failed path and why a run skips a task. Each value is the text's number;
// the comment gives the words of the English shell. The words a task shares with the wizard and the
// views are common/task_texts.h's.
#include "common/shell_tables.h"
#include "common/task_texts.h"

#include <string>

namespace zep {

enum class OptimiserText {
    Or = 1,                       // or
    Start = 3,                    // START
    NotPossible = 10,             // Optimisation is not possible
    TraceBroken = 11,             // The trace of the optimal solution is broken in threshold run
    NoSolutionInRun = 12,         // No solution was found in threshold run
    OfSecondLevelSearch = 36,     // of the second-level search
    ThresholdRuns = 37,           // threshold runs
    ForNestedSubgraph = 38,       // for nested network subgraph
    ForGraphOf = 39,              // for the network graph of
    EnterParameters = 45,         // Enter the parameters of the optimisation scheme
    EnterCode = 52,               // Enter the code of the task to solve
    TimeUnitsCostThreshold = 59,  // time units, cost threshold
    ChooseMode = 75,              // Choose the operating mode of the optimisation module
    Out = 87,                     // " out"
    OfOptimisation = 88,          // " of the optimisation"
    OnPath = 89,                  // " on path"
    Next = 93,                    // Next
    Date = 95,                    // date
    CostUnitsTimeThreshold = 103, // cost units, time threshold
    TimeSpentSolving = 105,       // Time spent solving task
    FinishedSolving = 129,        // Finished solving task
    InputRead = 130,              // The task's input data have been read and checked
    PhaseStateCount = 131,        // Number of phase states of the path
    CyclesInProgress = 132,       // Iteration cycles in progress: threshold run
    PathFinished = 133,           // Path optimisation finished: threshold run
    RunCompleted = 134,           // Completed threshold run
    ComputationVariants = 142,    // computation variant(s)
    Task = 143,                   // Task
    TimeThreshold = 150,          // Time threshold
    LastIsWholeGraph = 158,       // (the last one is the whole graph)
    Of = 159,                     // of
    Individual = 166,             // individual
    OfJoined = 168,               // " of"
    InThresholdRun = 169,         // " in threshold run"
    Path = 170,                   // " Path"
    StopCriterion = 173,          // Stop criterion of the optimisation process
    CheckSparsity = 185,          // Sparsity coefficient of checking the stop criterion
    IterationLimit = 187,         // Limit of the number of optimisation iteration cycles
    TotalExecutionCost = 197,     // total execution cost
    TotalExecutionTime = 203,     // total execution time
    SolvingStarted = 219,         // Solving started for task
    SecondLevelUsedUp = 237,      // The admissible number of second-level iterations is used up
    StopCriterionEntry = 247,     // The stop criterion ... must be at least 0.001 and at most 0.1
    RelaxationEntry = 248,        // The relative relaxation coefficient must be at least 0.5 and l...
    RelaxationCoef = 297,         // Relative relaxation coefficient
    CalculationDone = 300,        // " Calculation done:"
    NoAdmissibleVariant = 305,    // No admissible variant for element
    CalculationInterrupted = 309, // Calculation interrupted
    Batch = 315,                  // batch
    SchemeParameters = 322,       // Optimisation scheme parameters
    ForPath = 338,                // for path
    IterationLimitUsedUp = 360,   // the limit of iteration cycles was used up before the stop crit...
    InvalidScaledTact = 361,      // Invalid product of the tact and the protective scaling coefficient:
    InvalidCheckSparsity = 362,   // Invalid sparsity coefficient of checking the stop criterion:
    InvalidStopCriterion = 363,   // Invalid stop criterion of the optimisation process:
    InvalidRelaxationCoef = 364,  // Invalid relative relaxation coefficient:
    InvalidIterationLimit = 365,  // Invalid limit of the number of optimisation iteration cycles:
    InvalidMinimisedParam = 366,  // Invalid code of the minimised parameter (0 or 1 expected):
    InvalidThresholdCount = 367,  // Invalid number of threshold variants (1 to 10 allowed). Chains:
    InvalidChainCount = 368,      // Invalid number of chains (1 to 10 allowed):
    NoRoute = 369,                // no route from the initial phase state
    ExceedsUpperEstimate = 372,   // cannot keep within the threshold (the value found exceeds the ...
    NoInputFile = 373,            // The Solving folder contains no input data file
    NoInputFiles = 374,           // The Solving folder contains no input data files
    LastIterationShown = 376,     // The result of the last iteration is shown; to refine it, incre...
    Running = 385,                // RUNNING...
    Colon = 405,                  // :
    RouteBroken = 406,            // the route from the initial phase state is broken, chosen option
    CheckSparsityEntry = 419,     // The sparsity coefficient of checking the stop criterion must b...
    IterationLimitEntry = 421,    // The limit of the number of optimisation iteration cycles must ...
    Containing = 425,             // containing
    InNetworkGraph = 464,         // in the network graph
    Chains = 465,                 // chain(s)
    AndThresholdVariants = 466,   // and threshold variants:
    TimeDiscretised = 470,        // Time discretised. Number of threshold variants for the graph of
    CostDiscretised = 471,        // Cost discretised. Number of threshold variants for the graph of
    TaskToSolve = 487,            // Task to solve
    Window = 504,                 // STREZH 2.2 optimisation module
    Reset = 505,                  // RESET
    Exit = 506,                   // EXIT
    NoFile = 507,                 // no file
    NoData = 508,                 // no data
    SubgraphNumber = 509,         // " is the (sub)graph number;"
    ThresholdRun = 510,           // threshold run
    NoAdmissibleOnTheWay = 511,   // a phase state on the way has no admissible variant
    Stop = 527,                   // STOP
    NoSolutionWritten = 528,      // No solution file was written; the task's input file stays in t...
    StopQuestion = 529,           // A calculation is running. Stop it and close the optimisation m...
    NoThresholdWithinCost = 543,  // No time threshold up to the longest time of the graph keeps th...
    ClaimedByAnotherRun = 593,    // is being solved by another run and is skipped
    SolvedMeanwhile = 594,        // was solved by another run meanwhile and is skipped
    MovedMeanwhile = 595,         // was taken over or handed over again meanwhile and is skipped
    GoneFromSolving = 596,        // is no longer waiting in Solving (it was taken over meanwhile) ...
};

inline const std::string& optimiser_text(const ShellTables& shell, OptimiserText which) {
    return shell.text(static_cast<int>(which));
}

} // namespace zep
