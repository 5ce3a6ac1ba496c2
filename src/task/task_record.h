#pragma once
// The task record: the in-memory form of one task.
//
// Three layers: the general parameters (`TaskHeader`), the entered graph (chains, their operations and
// the operations' implementation variants, thresholds, temporarily unavailable resources and variant
// marks), and the prepared structures that the preparation computations build for the solver (unrolled
// paths, nested network subgraphs, bounds).
//
// Conventions that every user of the record relies on:
// - Chains, operations, variants and subgraphs are numbered from 1 in every field that refers to one
//   (`fromChain`, `PathElement::chain`, `subgraphNo`, ...); vectors are indexed from 0.
// - Counts are 32-bit signed integers, times, costs and coefficients IEEE doubles, texts UTF-8 strings
//   (the files hold them as Windows-1251 texts of the capacities below).
// - The ordinary chains come first in `chains`, the nested chains are the last `nestedChainCount`.
#include "common/task_naming.h" // kTaskCodeCapacity, kTaskNameCapacity
#include "task/stored_modes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zep {

static_assert(sizeof(int) == 4, "the record's counts are 32-bit integers");

// ---- Limits the wizard enforces and the algorithms and readers rely on ----------------------------
inline constexpr int kMaxChains = 10; // chains in a task, nested ones included
inline constexpr int kMaxOperationsPerChain = 10;
inline constexpr int kMaxResourceCategories = 10; // categories of temporarily unavailable resources
inline constexpr int kMinIntervalsPerCategory = 1;
inline constexpr int kMaxIntervalsPerCategory = 10;
inline constexpr int kMinVariantsPerOperation = 1;
inline constexpr int kMaxVariantsPerOperation = 20;
inline constexpr int kMaxVariantsInTask = 64500;
inline constexpr int kMinThresholds = 1;
inline constexpr int kMaxThresholds = 10;
inline constexpr int kSecondLevelThresholdCount = 2; // stored thresholds in the second-level mode
inline constexpr int kMaxAllowedSubgraphs = 100;     // upper limit of `allowedSubgraphCount`
inline constexpr int kMinQuantSteps = 5;             // `maxQuantSteps`
inline constexpr int kMaxQuantSteps = 20;
inline constexpr int kMinSecondLevelIterations = 5;
inline constexpr int kMaxSecondLevelIterations = 20;
inline constexpr int kDefaultSecondLevelIterations = 10;
inline constexpr int kMinIterationReductionCoef = 1;
inline constexpr int kMaxIterationReductionCoef = 4;
inline constexpr int kDefaultIterationReductionCoef = 2;
inline constexpr double kMinTact = 0.01;
inline constexpr double kMinScalingCoef = 0.01;
inline constexpr double kScalingCoefLimit = 100.0; // exclusive: `scalingCoef` < 100
inline constexpr int kMaxPhaseStates = 20000;
inline constexpr int kMaxNestedChainsForAutoNumbering = 10;

// `opCount` of a chain added while an existing task is edited, before its operation count is entered
// (shown as an empty cell); 0 marks a chain to be removed.
inline constexpr int kOpCountUnset = 1010;
inline constexpr int kOpCountRemoved = 0;

// Times, costs and interval ends are entered as decimal texts and summed in binary floating point: a
// comparison of two of them, or of one with a bound summed from them, is judged with this margin, so
// that a rounding error of the sums never decides it. Every entered difference that matters is larger.
inline constexpr double kValueTolerance = 0.00001;

// A time or cost at or below this value is unset (shown as an empty cell); an empty cell is stored as
// kUnsetValue. Entered values are never negative, so the margin only keeps a stored -1 apart from 0.
inline constexpr double kUnsetValueLimit = -kValueTolerance;
inline constexpr double kUnsetValue = -1.0;
inline bool is_unset_value(double v) {
    return v <= kUnsetValueLimit;
}
// `ResourceInterval::finish` of an unbounded last interval, and its `finishTacts`.
inline constexpr double kUnboundedFinish = -1.0;
inline constexpr int kUnboundedFinishTacts = -1;
// The one test of an unbounded interval: its finish lies below the stored zero by more than the margin.
inline bool is_unbounded_finish(double finish) {
    return finish < -kValueTolerance;
}

// ---- Text capacities (characters; the files hold one more byte for the length) ---------------------
// Task code and task name: kTaskCodeCapacity (6) and kTaskNameCapacity (70), shared with the register.
inline constexpr std::size_t kUnitCapacity = 20; // `timeUnit`, `costUnit`
inline constexpr std::size_t kChainNameCapacity = 100;
inline constexpr std::size_t kOperationNameCapacity = 100;
inline constexpr std::size_t kEssenceCapacity = 40;

// ---- General parameters ------------------------------------------------------------------------------
struct TaskHeader {
    std::string taskCode;     // six Latin letters or digits, upper case
    std::string taskName;     // at most 70 characters
    int minimisedParam = 0;   // 0 = cost of execution, 1 = time of execution
    int chainCount = 0;       // all chains, nested ones included
    int nestedChainCount = 0; // always less than chainCount
    std::string timeUnit;     // a caption of the time-unit list
    std::string costUnit;     // a caption of the cost-unit list
    double boundUpper = 0;    // discretised parameter of the graph, rounded to the tact
    double boundLower = 0;
    int roundingType = 0;            // 0 by the mean, 1 by the minimum, 2 by the maximum
    double tact = 0;                 // rounding step of the discretised parameter (>= 0.01)
    double scalingCoef = 0;          // protective scaling coefficient (>= 0.01 and < 100)
    int thresholdCount = 0;          // chosen thresholds (1 in the second-level mode)
    int secondLevelIterations = 0;   // 5..20
    int iterationReductionCoef = 0;  // 1..4
    double costThreshold = 0;        // second-level mode only
    int hasUnavailableResources = 0; // 1 = the task has temporarily unavailable resources
    int resourceCategoryCount = 0;   // 0 without them
    int decompositionMode = 0;       // 0 none, 1 extraction of nested network subgraphs
    int allowedSubgraphCount = 0;    // admissible number of subgraphs (1..100)
    int maxQuantSteps = 0;           // time levels of a non-critical subgraph before rounding (5..20)
    int subgraphNumbering = 0;       // 0 manual, 1 automatic
    int criticalConversionMode = 0;  // 1 minimal times, 2 minimal costs, 0 not set
    int subgraphCount = 0;           // extracted subgraphs; copied from the working count (below)
    int maxPhaseStates = 0;          // estimate of the number of phase states (<= 20000)

    // The one reading of the flag: only 1 means resources; the readers of the files refuse any other
    // value than 0 and 1.
    bool has_unavailable_resources() const { return hasUnavailableResources == 1; }
    // Nested network subgraphs numbered by the user (manual) or found by the search (automatic); without
    // the decomposition neither.
    bool manual_subgraph_numbering() const {
        return decomposition_mode(*this) == Decomposition::NestedSubgraphs && subgraphNumbering == 0;
    }
    bool automatic_subgraph_numbering() const {
        return decomposition_mode(*this) == Decomposition::NestedSubgraphs && subgraphNumbering == 1;
    }

    bool operator==(const TaskHeader&) const = default;
};

// ---- Entered graph -----------------------------------------------------------------------------------
struct VariantRec {
    std::string essence;      // description, not empty; at most 40 characters
    int resourceCategory = 0; // 1..resourceCategoryCount; 0 without unavailable resources
    int noSuspend = 0;        // 1 = the operation may not be suspended in this variant
    double time = 0;          // execution time (net time with unavailable resources)
    double cost = 0;          // execution cost

    bool operator==(const VariantRec&) const = default;
};

// A mark from a spreadsheet import: the 0-based index of the marked variant and the mark code 1..3;
// (-1, -1) is no mark.
struct VariantMark {
    int variantIndex = -1;
    int markCode = -1;

    bool operator==(const VariantMark&) const = default;
};

struct OperationRec {
    std::string name;     // at most 100 characters
    int variantCount = 0; // 1..20
    // `variantCount` entries once the variants step has stored them (the files hold exactly that many).
    std::vector<VariantRec> variants;
    VariantMark mark; // written only when the record's `marksPresent` is 1
    // In memory only, kept by the wizard: 1 when the operation was converted into a critical one on
    // leaving the operations step.
    int criticalMark = 0;

    bool operator==(const OperationRec&) const = default;
};

struct ChainRec {
    std::string name;   // at most 100 characters
    int opCount = 0;    // 1..10; while editing also kOpCountRemoved / kOpCountUnset
    int subgraphNo = 0; // nested chains: subgraph (from 1) it belongs to, 0 none
    int fromChain = 0;  // nested chains: chain (from 1) from whose operation it leaves
    int fromOp = 0;     //   ... leaving from the start of this operation (from 1)
    int toChain = 0;    // nested chains: chain (from 1) into whose operation it enters
    int toOp = 0;       //   ... entering at the end of this operation (from 1)
    // `opCount` entries once the operations step has stored them (the files hold exactly that many).
    std::vector<OperationRec> operations;

    bool operator==(const ChainRec&) const = default;
};

// One availability interval of a resource category, in time units and rounded to tacts.
struct ResourceInterval {
    double start = 0;
    double finish = 0; // kUnboundedFinish (-1.0): unbounded, last interval only
    int startTacts = 0;
    int finishTacts = 0; // kUnboundedFinishTacts (-1) when unbounded

    bool operator==(const ResourceInterval&) const = default;
};

// ---- Prepared structures -----------------------------------------------------------------------------

// One element of an unrolled path.
//
// `op` > 0 is the operation's own number in chain `chain` (from 1), in chain paths and in subgraph
// member paths alike: a subgraph whose span starts at operation 3 of its base chain holds op 3, 4, ...
// for it, never numbers relative to the span. Relative numbers exist only in the coordinates of
// `SubgraphMember` and in the working references of the decomposition; whoever builds subgraph paths
// translates them back before storing an element, because the bounds, the solver file and the
// solution all look up variants as chains[chain - 1].operations[op - 1].
// `op` < 0 refers to subgraph k+1 as one fictitious operation, stored as ~k = -(k+1).
// `op` = 0 is an operation covered by that subgraph, not its first one.
struct PathElement {
    int chain = 0; // from 1
    int op = 0;
    int count = 0; // variantCount; a subgraph's levelCount; 1 when covered

    bool operator==(const PathElement&) const = default;
};

// An unrolled path: `prefixLength` elements taken over from the parent chains, the chain's own
// operations, `suffixLength` elements taken over after them.
struct PathInfo {
    int prefixLength = 0;
    int suffixLength = 0;
    std::vector<PathElement> elements;

    int elementCount() const { return static_cast<int>(elements.size()); }

    bool operator==(const PathInfo&) const = default;
};

// The span of its base chain that a subgraph replaces (operation numbers from 1, absolute).
struct SubgraphSpan {
    int baseChain = 0;
    int firstOp = 0;
    int lastOp = 0;

    bool operator==(const SubgraphSpan&) const = default;
};

// A member path of a subgraph (member 0 is the base span). Coordinates on the base chain are relative
// to the span (`firstOp` becomes 1); for the base span `opCount` = lastOp - firstOp + 1 and the four
// coordinates are 0.
struct SubgraphMember {
    int chain = 0;
    int opCount = 0;
    int fromChain = 0;
    int fromOp = 0;
    int toChain = 0;
    int toOp = 0;

    bool operator==(const SubgraphMember&) const = default;
};

struct SubgraphSummary {
    int memberCount = 0;
    int critical = 0;    // 1: every own operation has one variant, every inner one critical
    double timeMin = 0;  // largest over member paths of the sum of minimal times
    double timeMax = 0;  // largest over member paths of the sum of maximal times
    double costMin = 0;  // sum over member paths of the minimal own costs
    double costMax = 0;  // sum over member paths of the maximal own costs
    double costBase = 0; // sum of first-variant costs of inherited elements
    int levelCount = 0;  // time levels: 1 when critical

    bool operator==(const SubgraphSummary&) const = default;
};

// ---- The whole record ------------------------------------------------------------------------------
struct TaskRecord {
    TaskHeader header;

    // Working counts of the wizard. The header's chainCount and nestedChainCount are set from the first
    // two when the task is written; the header's subgraphCount from the third when the threshold step
    // is left. The preparation computations work with these; the files follow the header.
    int workingChainCount = 0;
    int workingNestedChainCount = 0;
    int workingSubgraphCount = 0;
    int ordinaryChainCount() const { return workingChainCount - workingNestedChainCount; }

    // Entered graph.
    std::vector<ChainRec> chains; // ordinary chains first, nested chains last
    // Threshold values in tacts: thresholdCount of them, exactly 2 in the second-level mode (the graph's
    // minimal and maximal possible time).
    std::vector<int> thresholds;
    // Per resource category (resourceCategoryCount of them), its availability intervals (1..10);
    // the files call their number `intervalCount`.
    std::vector<std::vector<ResourceInterval>> resourceIntervals;
    int marksPresent = 0; // 1: every operation's `mark` is set and is written

    // Prepared: unrolled paths.
    int topPathCount = 0; // ordinary chains + nested chains in no subgraph
    // One entry per subgraph (its number of member paths) plus the last one, topPathCount.
    std::vector<int> chainsPerSubgraph;
    std::vector<PathInfo> chainPaths; // one per chain; a chain inside a subgraph has no elements
    // Per subgraph, one path per member (chainsPerSubgraph[k] of them).
    std::vector<std::vector<PathInfo>> subgraphPaths;
    // Per chain, per element of its chain path: the `op` the element had before the decomposition
    // replaced it by a subgraph reference or a covered element.
    std::vector<std::vector<int>> sourceOps;
    // Per chain, per operation: k+1 at the first operation of the span that subgraph k+1 replaces in
    // this chain, -1 at its further operations, 0 elsewhere.
    std::vector<std::vector<int>> spanMark;

    // Prepared: nested network subgraphs.
    std::vector<SubgraphSpan> subgraphSpans;                  // one per subgraph
    std::vector<std::vector<SubgraphMember>> subgraphMembers; // per subgraph (and the top level, last)
    // One per subgraph and, in memory, one more for the top-level graph. A record read from a file
    // holds subgraphCount + 1 entries of which only the subgraphs' memberCount is filled.
    std::vector<SubgraphSummary> subgraphSummaries;
    std::vector<std::vector<int>> timeLevels; // per subgraph, levelCount levels in tacts
    // In memory only, built by the decomposition (`opRefs`): per subgraph and the top level (last), per
    // member, one entry per own operation of the member: its number within the member's own list (from
    // 1; for a base span relative to the span's first operation), -w at the first operation of a span
    // absorbed by inner subgraph w, 0 at the further operations of that span.
    std::vector<std::vector<std::vector<int>>> opRefs;

    // Prepared: working bounds of the graph and of its top-level paths (per chain).
    double graphTimeMin = 0;
    double graphTimeMax = 0;
    double graphCostMin = 0;
    double graphCostMax = 0;
    double baseCostTotal = 0; // first-variant costs of inherited elements of top-level paths
    std::vector<double> pathTimeMin;
    std::vector<double> pathTimeMax;
    std::vector<double> pathCostMin;
    std::vector<double> pathCostMax;
    bool boundsValid = false; // in memory only: the bounds match the variants entered

    int discretisedIsCost = 0; // 1 when topPathCount = 1 and the time is minimised
    double levelTact = 0;      // tact of subgraph time levels
};

// The second-level mode of the task (see stored_modes.h), by its top-level path count.
bool second_level_mode(const TaskRecord& rec);

// The parameter the prepared graph is discretised in, as `discretisedIsCost` holds it.
DiscretisedParam discretised_parameter(const TaskRecord& rec);
// The `discretisedIsCost` that the minimised parameter and the top-level path count give: the path
// unrolling and the task file's reader set the field so.
int derived_discretised_is_cost(const TaskRecord& rec);

// Thresholds the files hold: 2 in the second-level mode, else the header's thresholdCount.
int stored_threshold_count(const TaskRecord& rec);

// The top-level path count the files carry: the last entry of chainsPerSubgraph, 0 when the record has
// none yet. The one count every mode of the task is judged by.
int top_level_path_count(const TaskRecord& rec);

// The subgraph reference ~k of an element as its 0-based subgraph index k (op must be < 0).
inline int subgraph_index_of(int op) {
    return ~op;
}
// The 1-based subgraph number a reference op < 0 names, widened so that a damaged file's op (down to
// INT_MIN) is judged without overflowing.
inline long long subgraph_number_of(int op) {
    return -static_cast<long long>(op);
}
// The element `op` that refers to the subgraph of 0-based index k.
inline int subgraph_reference(int k) {
    return ~k;
}

} // namespace zep
