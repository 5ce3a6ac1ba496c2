#include "common/byte_codec.h"
#include "task/record_images.h"
#include "task/record_shape.h"
#include "task/rounding.h"
#include "task/solver_input.h"

namespace zep {
namespace {

// Writes the variant blocks of paths and collects, per subgraph, the elements that refer to it, in the
// order they are written.
class VariantBlockWriter {
public:
    VariantBlockWriter(ByteWriter& w, const TaskRecord& rec)
        : w_(w), rec_(rec), refs_(rec.header.subgraphCount) {}

    // `divisor` is the tact the discretised value counts in; `discretised` says which value it counts.
    void path(const PathInfo& p, int owner, int pathIndex, double divisor, DiscretisedParam discretised) {
        const bool byCost = discretised == DiscretisedParam::Cost;
        const double sc = rec_.header.scalingCoef;
        for (int i = 0; i < p.elementCount(); ++i) {
            const PathElement& e = p.elements[i];
            if (e.op > 0) {
                for (const VariantRec& v : rec_.chains[e.chain - 1].operations[e.op - 1].variants)
                    write_record<VariantOutImage>(
                        w_, {v.time * sc, v.cost * sc,
                             round_to_steps(rounding_type(rec_.header), divisor, byCost ? v.cost : v.time)});
            } else if (e.op < 0) {
                for (int k = 0; k < e.count; ++k)
                    write_record<VariantOutImage>(w_, {});
                refs_[subgraph_index_of(e.op)].push_back({owner, pathIndex, i});
            } else {
                write_record<VariantOutImage>(w_, {});
            }
        }
    }

    const std::vector<std::vector<SubgraphRef>>& refs() const { return refs_; }

private:
    ByteWriter& w_;
    const TaskRecord& rec_;
    std::vector<std::vector<SubgraphRef>> refs_;
};

std::vector<const PathInfo*> top_level_paths(const TaskRecord& rec) {
    std::vector<const PathInfo*> paths;
    for (const PathInfo& p : rec.chainPaths)
        if (p.elementCount() > 0)
            paths.push_back(&p);
    return paths;
}

} // namespace

int threshold_step(const TaskRecord& rec) {
    const double diff = static_cast<double>(static_cast<long long>(rec.thresholds[1]) - rec.thresholds[0]);
    const double step = round_half_even(diff * 0.01 * rec.header.iterationReductionCoef);
    return step < 1 ? 1 : static_cast<int>(step);
}

namespace {

// The header: the task's counts and modes, its tacts, thresholds and base cost in scaled units.
SolverHeader solver_header(const TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    const double sc = h.scalingCoef;
    SolverHeader sh;
    sh.chainCount = h.chainCount;
    sh.nestedChainCount = h.nestedChainCount;
    sh.minimisedParam = h.minimisedParam;
    sh.roundingType = h.roundingType;
    sh.scaledTact = h.tact * sc;
    sh.scaledLevelTact = rec.levelTact * sc;
    sh.thresholdCount = h.thresholdCount;
    if (second_level_mode(rec)) {
        sh.secondLevelIterations = h.secondLevelIterations;
        sh.thresholdStep = threshold_step(rec);
        sh.scaledCostThreshold = h.costThreshold * sc;
    }
    sh.scaledBaseCostTotal = rec.baseCostTotal * sc;
    sh.hasUnavailableResources = h.hasUnavailableResources;
    sh.resourceCategoryCount = h.resourceCategoryCount;
    sh.subgraphCount = h.subgraphCount;
    return sh;
}

// 4 to 6: the member paths of every subgraph: their lengths, their elements, their variant blocks
// (discretised in level tacts).
void write_subgraph_paths(ByteWriter& w, const TaskRecord& rec, VariantBlockWriter& blocks) {
    for (const auto& paths : rec.subgraphPaths)
        for (const PathInfo& p : paths)
            w.i32(p.elementCount());
    for (const auto& paths : rec.subgraphPaths)
        for (const PathInfo& p : paths)
            for (const PathElement& e : p.elements)
                write_record<PathElementImage>(w, e);
    for (int k = 0; k < rec.header.subgraphCount; ++k)
        for (int m = 0; m < static_cast<int>(rec.subgraphPaths[k].size()); ++m)
            blocks.path(rec.subgraphPaths[k][m], k, m, rec.levelTact, DiscretisedParam::Time);
}

// 7 to 9: the top-level paths the same way, discretised in tacts (by cost when the discretised
// parameter is the cost).
void write_top_level_paths(ByteWriter& w, const TaskRecord& rec, const std::vector<const PathInfo*>& top,
                           VariantBlockWriter& blocks) {
    for (const PathInfo* p : top)
        w.i32(p->elementCount());
    for (const PathInfo* p : top)
        for (const PathElement& e : p->elements)
            write_record<PathElementImage>(w, e);
    for (int i = 0; i < static_cast<int>(top.size()); ++i)
        blocks.path(*top[i], rec.header.subgraphCount, i, rec.header.tact, discretised_parameter(rec));
}

// 11: per subgraph its base cost and level count (with a decomposition) and the number of elements
// that refer to it; then those elements, and the time levels of every subgraph.
void write_subgraph_tables(ByteWriter& w, const TaskRecord& rec, const VariantBlockWriter& blocks) {
    const TaskHeader& h = rec.header;
    std::vector<int> levelCounts(h.subgraphCount, 0);
    for (int k = 0; k < h.subgraphCount; ++k) {
        const SubgraphSummary& s = rec.subgraphSummaries[k];
        SubgraphSolverRec out;
        if (decomposition_mode(h) == Decomposition::NestedSubgraphs) {
            out.costBase = s.costBase * h.scalingCoef;
            out.levelCount = levelCounts[k] = s.levelCount;
        }
        out.refCount = static_cast<int>(blocks.refs()[k].size());
        write_record<SubgraphSolverRecImage>(w, out);
    }
    for (const auto& refs : blocks.refs())
        for (const SubgraphRef& ref : refs)
            write_record<SubgraphRefImage>(w, ref);
    for (int k = 0; k < h.subgraphCount; ++k)
        for (int l = 0; l < levelCounts[k]; ++l)
            w.i32(rec.timeLevels[k][l]);
}

// 12: the intervals of every category in tacts, then the category and the suspension flag of every
// variant of the top-level paths (zeros for a subgraph's levels).
void write_resources(ByteWriter& w, const TaskRecord& rec, const std::vector<const PathInfo*>& top) {
    for (const auto& intervals : rec.resourceIntervals)
        w.i32(static_cast<int>(intervals.size()));
    for (const auto& intervals : rec.resourceIntervals)
        for (const ResourceInterval& i : intervals)
            write_record<IntervalTactsImage>(w, {i.startTacts, i.finishTacts});
    for (const PathInfo* p : top)
        for (const PathElement& e : p->elements) {
            if (e.op > 0) {
                for (const VariantRec& v : rec.chains[e.chain - 1].operations[e.op - 1].variants)
                    write_record<VariantResourceImage>(w, {v.resourceCategory, v.noSuspend});
            } else {
                w.zeros(static_cast<std::size_t>(e.count) * 8);
            }
        }
}

} // namespace

std::vector<std::uint8_t> encode_solver_input(const TaskRecord& rec, std::string_view shellFileName) {
    check_record_for_files(rec);
    const TaskHeader& h = rec.header;
    ByteWriter w;
    write_record<SolverHeaderImage>(w, solver_header(rec)); // 1
    for (const ChainRec& c : rec.chains)                    // 2
        w.i32(c.opCount);
    for (int n : rec.chainsPerSubgraph) // 3
        w.i32(n);
    VariantBlockWriter blocks(w, rec);
    if (h.subgraphCount > 0)
        write_subgraph_paths(w, rec, blocks);
    const std::vector<const PathInfo*> top = top_level_paths(rec);
    write_top_level_paths(w, rec, top, blocks);
    for (int i = 0; i < stored_threshold_count(rec); ++i) // 10
        w.i32(rec.thresholds[i]);
    if (h.subgraphCount > 0)
        write_subgraph_tables(w, rec, blocks);
    if (h.has_unavailable_resources())
        write_resources(w, rec, top);
    w.text(shellFileName, kSolverShellNameCapacity); // 13
    return w.take();
}

} // namespace zep
