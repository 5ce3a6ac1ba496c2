#pragma once
// The solver input file Data/zep_<code>_in.dat (copied byte for byte to Solving/ when the task is handed
// to the optimiser): what the optimisation module needs, times and costs multiplied by the scaling
// coefficient, discretised values in tacts.
//
//  1 SolverHeader (80 bytes)                     7 per top-level path: its elementCount
//  2 opCount of every chain                      8 per top-level path: its PathElements
//  3 chainsPerSubgraph                           9 per top-level path and element: its variant block,
//  4 subgraphs only: per subgraph and member       discretised in tacts (cost when discretisedIsCost)
//    path its elementCount                      10 thresholds (count rule of the task file)
//  5 subgraphs only: their PathElements         11 subgraphs only: SubgraphSolverRec per subgraph,
//  6 subgraphs only: per element its variant       then each one's SubgraphRefs, then its timeLevels
//    block, time in level tacts                 12 with unavailable resources: intervalCount per
//                                                  category, (startTacts, finishTacts) per interval,
//                                                  (resourceCategory, noSuspend) per variant of every
//                                                  top-level element
//                                               13 the language shell file name, text of capacity 24
//
// A top-level path is the path of a chain whose elementCount is above 0, in chain order. A variant
// block holds `count` VariantOut records: the variants of a real operation, empty records for a
// subgraph reference, one empty record for a covered element.
#include "common/record_fields.h"
#include "task/task_record.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zep {

inline constexpr std::size_t kSolverShellNameCapacity = 24;

struct SolverHeader {
    int chainCount = 0;
    int nestedChainCount = 0;
    int minimisedParam = 0;
    int roundingType = 0;
    double scaledTact = 0;      // tact × scalingCoef
    double scaledLevelTact = 0; // levelTact × scalingCoef
    int thresholdCount = 0;
    int secondLevelIterations = 0;  // second-level mode only, else 0
    int thresholdStep = 0;          // second-level mode only, else 0
    double scaledCostThreshold = 0; // costThreshold × scalingCoef, second-level mode only
    double scaledBaseCostTotal = 0; // baseCostTotal × scalingCoef
    int hasUnavailableResources = 0;
    int resourceCategoryCount = 0;
    int subgraphCount = 0;

    // As the task header's: only 1 means resources.
    bool has_unavailable_resources() const { return hasUnavailableResources == 1; }
};

struct VariantOut {
    double time = 0;     // × scalingCoef
    double cost = 0;     // × scalingCoef
    int discretised = 0; // in tacts (level tacts in subgraph paths)
    bool operator==(const VariantOut&) const = default;
};

struct SubgraphSolverRec {
    double costBase = 0; // × scalingCoef; 0 without decomposition
    int levelCount = 0;  // 0 without decomposition
    int refCount = 0;    // elements of all paths that refer to the subgraph
};

// Where an element that refers to a subgraph stands.
struct SubgraphRef {
    int owner = 0;        // 0-based subgraph holding the path, or subgraphCount: top level
    int pathIndex = 0;    // member index, or index among the top-level paths
    int elementIndex = 0; // 0-based position in that path
    bool operator==(const SubgraphRef&) const = default;
};

struct VariantResource {
    int resourceCategory = 0;
    int noSuspend = 0;
    bool operator==(const VariantResource&) const = default;
};

// The layouts of the solver-only records (see common/record_fields.h).
struct SolverHeaderImage {
    using Record = SolverHeader;
    static constexpr std::size_t size = 80;
    template <typename F, typename H> static void fields(F& f, H& h) {
        f.i32(0, "chainCount", h.chainCount);
        f.i32(4, "nestedChainCount", h.nestedChainCount);
        f.i32(8, "minimisedParam", h.minimisedParam);
        f.i32(12, "roundingType", h.roundingType);
        f.f64(16, "scaledTact", h.scaledTact);
        f.f64(24, "scaledLevelTact", h.scaledLevelTact);
        f.i32(32, "thresholdCount", h.thresholdCount);
        f.i32(36, "secondLevelIterations", h.secondLevelIterations);
        f.i32(40, "thresholdStep", h.thresholdStep);
        f.f64(48, "scaledCostThreshold", h.scaledCostThreshold);
        f.f64(56, "scaledBaseCostTotal", h.scaledBaseCostTotal);
        f.i32(64, "hasUnavailableResources", h.hasUnavailableResources);
        f.i32(68, "resourceCategoryCount", h.resourceCategoryCount);
        f.i32(72, "subgraphCount", h.subgraphCount);
        f.end(size);
    }
};
struct VariantOutImage {
    using Record = VariantOut;
    static constexpr std::size_t size = 24;
    template <typename F, typename V> static void fields(F& f, V& v) {
        f.f64(0, "time", v.time);
        f.f64(8, "cost", v.cost);
        f.i32(16, "discretised", v.discretised);
        f.end(size);
    }
};
struct SubgraphSolverRecImage {
    using Record = SubgraphSolverRec;
    static constexpr std::size_t size = 16;
    template <typename F, typename S> static void fields(F& f, S& s) {
        f.f64(0, "costBase", s.costBase);
        f.i32(8, "levelCount", s.levelCount);
        f.i32(12, "refCount", s.refCount);
        f.end(size);
    }
};
struct SubgraphRefImage {
    using Record = SubgraphRef;
    static constexpr std::size_t size = 12;
    template <typename F, typename R> static void fields(F& f, R& r) {
        f.i32(0, "owner", r.owner);
        f.i32(4, "pathIndex", r.pathIndex);
        f.i32(8, "elementIndex", r.elementIndex);
        f.end(size);
    }
};
// Section 12: an availability interval in tacts, (startTacts, finishTacts), and a variant's resource.
struct IntervalTactsImage {
    using Record = std::pair<int, int>;
    static constexpr std::size_t size = 8;
    template <typename F, typename P> static void fields(F& f, P& p) {
        f.i32(0, "startTacts", p.first);
        f.i32(4, "finishTacts", p.second);
        f.end(size);
    }
};
struct VariantResourceImage {
    using Record = VariantResource;
    static constexpr std::size_t size = 8;
    template <typename F, typename V> static void fields(F& f, V& v) {
        f.i32(0, "resourceCategory", v.resourceCategory);
        f.i32(4, "noSuspend", v.noSuspend);
        f.end(size);
    }
};

// A path as the solver sees it: its elements, and per element its variant block (count records).
struct SolverPath {
    std::vector<PathElement> elements;
    std::vector<std::vector<VariantOut>> variants;
};

struct SolverInput {
    SolverHeader header;
    std::vector<int> opCounts;                          // per chain
    std::vector<int> chainsPerSubgraph;                 // subgraphCount + 1
    std::vector<std::vector<SolverPath>> subgraphPaths; // per subgraph, per member path
    std::vector<SolverPath> topPaths;                   // per top-level path
    std::vector<int> thresholds;
    std::vector<SubgraphSolverRec> subgraphs;
    std::vector<std::vector<SubgraphRef>> subgraphRefs; // per subgraph, refCount of them
    std::vector<std::vector<int>> timeLevels;           // per subgraph, levelCount of them
    // With unavailable resources: per category its intervals in tacts, and per top-level path, element
    // and variant the resource needs.
    std::vector<std::vector<std::pair<int, int>>> intervalTacts; // (startTacts, finishTacts)
    std::vector<std::vector<std::vector<VariantResource>>> variantResources;
    std::string shellFileName;
};

// `thresholdStep` of the second-level mode: (thresholds[1] − thresholds[0]) × 0.01 ×
// iterationReductionCoef to the nearest integer (an exact half to even), at least 1.
int threshold_step(const TaskRecord& rec);

// The solver input file of a prepared record; `shellFileName` is the language shell file in use (cut to
// 24 characters). Throws std::invalid_argument for a record unfit to be written (see
// check_record_for_files), TextEncodingError for a name outside Windows-1251.
std::vector<std::uint8_t> encode_solver_input(const TaskRecord& rec, std::string_view shellFileName);

// A solver input file; `source` names it in errors. Every count is bounded by the task limits before
// anything is sized by it; a damaged, truncated or foreign file gives FileFormatError naming the file and
// what is wrong.
SolverInput decode_solver_input(std::span<const std::uint8_t> data, const std::string& source);

} // namespace zep
