#include "task/bounds.h"

#include "task/element_bounds.h"
#include "task/graph_access.h"
#include "task/gross_time.h"

#include <optional>
#include <stdexcept>

namespace zep {
namespace {

struct PathSums {
    double timeMin = 0, timeMax = 0, costMin = 0, costMax = 0;
};

// The operation an element of chain path `chainNo` stood for before the decomposition.
int source_op(const TaskRecord& rec, int chainNo, std::size_t index) {
    const auto& ops = rec.sourceOps[chainNo - 1];
    return index < ops.size() ? ops[index] : rec.chainPaths[chainNo - 1].elements[index].op;
}

// A span that subgraph k+1 replaces becomes its reference at the span's first operation and covered
// elements after it; everything else is its own operation again.
void decompose_top_level_paths(TaskRecord& rec) {
    for (int c = 1; c <= rec.workingChainCount; ++c) {
        if (!is_top_level_chain(rec, c))
            continue;
        auto& elements = rec.chainPaths[c - 1].elements;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            PathElement& e = elements[i];
            const int op = source_op(rec, c, i);
            if (op <= 0)
                continue;
            const int mark = rec.spanMark.size() == rec.chains.size() ? rec.spanMark[e.chain - 1][op - 1] : 0;
            e.op = mark > 0 ? subgraph_reference(mark - 1) : mark == -1 ? 0 : op;
        }
    }
}

struct Extremes {
    double low = 1e15;   // stays when no variant takes part
    double high = -1e15; // likewise: such a start moment never gives the latest finish
    int lowVariant = -1, highVariant = -1;
};

Extremes gross_extremes(const TaskRecord& rec, const OperationRec& op, double start) {
    Extremes x;
    for (int v = 0; v < stored_variant_count(op); ++v) {
        const VariantRec& var = op.variants[v];
        static const std::vector<ResourceInterval> none;
        const int category = var.resourceCategory;
        const bool known = category >= 1 && category <= static_cast<int>(rec.resourceIntervals.size());
        const auto y = gross_duration(known ? rec.resourceIntervals[category - 1] : none, start, var.time,
                                      var.noSuspend != 1);
        if (!y)
            continue;
        if (*y < x.low) {
            x.low = *y;
            x.lowVariant = v;
        }
        if (*y > x.high) {
            x.high = *y;
            x.highVariant = v;
        }
    }
    return x;
}

// A real operation under unavailable resources: the path's running minimal and maximal times are the
// two moments it can start at; the earliest and the latest finish over both become the new sums.
void add_gross_operation(const TaskRecord& rec, const PathElement& e, bool own, PathSums& sums,
                         double& baseCostTotal) {
    const OperationRec& op = operation_no(rec, e.chain, e.op);
    const double s1 = sums.timeMin, s2 = sums.timeMax;
    const Extremes x1 = gross_extremes(rec, op, s1);
    const Extremes x2 = gross_extremes(rec, op, s2);

    int fast, slow;
    if (s2 + x2.low > s1 + x1.low) {
        sums.timeMin = s1 + x1.low;
        fast = x1.lowVariant;
    } else {
        sums.timeMin = s2 + x2.low;
        fast = x2.lowVariant;
    }
    if (s1 + x1.high >= s2 + x2.high) {
        sums.timeMax = s1 + x1.high;
        slow = x1.highVariant;
    } else {
        sums.timeMax = s2 + x2.high;
        slow = x2.highVariant;
    }

    if (own) {
        // The fastest way is the dearest one: it bounds the cost from above, the slowest from below.
        const double costMin = slow >= 0 ? op.variants[slow].cost : 0;
        const double costMax = fast >= 0 ? op.variants[fast].cost : 0;
        sums.costMin += costMin > kUnboundedTime ? 0 : costMin;
        sums.costMax += costMax;
    } else if (stored_variant_count(op) > 0) {
        baseCostTotal += op.variants[0].cost;
    }
}

// The bounds of the path of top-level chain c summed element by element into `sums` (the base cost into
// the record's total); the refusal of the first element at which the path's time can no longer be
// bounded.
std::optional<TaskRefusalValue> sum_path_bounds(TaskRecord& rec, int c, bool gross, PathSums& sums) {
    const auto& elements = rec.chainPaths[c - 1].elements;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const PathElement& e = elements[i];
        const bool own = e.chain == c;
        if (gross && e.op > 0) {
            add_gross_operation(rec, e, own, sums, rec.baseCostTotal);
        } else {
            const ElementBounds b = plain_element_bounds(rec, e, own);
            sums.timeMin += b.timeMin;
            sums.timeMax += b.timeMax;
            sums.costMin += b.costMin > kUnboundedTime ? 0 : b.costMin;
            sums.costMax += b.costMax;
            rec.baseCostTotal += b.baseCost;
        }
        if (path_unbounded(sums.timeMin, sums.timeMax)) {
            return unbounded_operation(e.chain, source_op(rec, c, i));
        }
    }
    return std::nullopt;
}

} // namespace

PrepOutcome compute_bounds(TaskRecord& rec) {
    check_graph_shape(rec);
    const int n = rec.workingChainCount;
    if (static_cast<int>(rec.chainPaths.size()) != n)
        throw std::invalid_argument("the task record cannot be prepared: the paths are not unrolled");

    rec.boundsValid = false;
    rec.graphTimeMin = rec.graphTimeMax = rec.graphCostMin = rec.graphCostMax = rec.baseCostTotal = 0;
    rec.pathTimeMin.assign(n, 0);
    rec.pathTimeMax.assign(n, 0);
    rec.pathCostMin.assign(n, 0);
    rec.pathCostMax.assign(n, 0);

    if (decomposition_mode(rec.header) == Decomposition::NestedSubgraphs)
        decompose_top_level_paths(rec);
    const bool gross = rec.header.has_unavailable_resources();

    for (int c = 1; c <= n; ++c) {
        if (!is_top_level_chain(rec, c))
            continue;
        PathSums sums;
        if (std::optional<TaskRefusalValue> unbounded = sum_path_bounds(rec, c, gross, sums))
            return *unbounded;
        rec.pathTimeMin[c - 1] = sums.timeMin;
        rec.pathTimeMax[c - 1] = sums.timeMax;
        rec.pathCostMin[c - 1] = sums.costMin;
        rec.pathCostMax[c - 1] = sums.costMax;
        rec.graphTimeMin = std::max(rec.graphTimeMin, sums.timeMin);
        rec.graphTimeMax = std::max(rec.graphTimeMax, sums.timeMax);
        rec.graphCostMin += sums.costMin;
        rec.graphCostMax += sums.costMax;
    }

    for (int c = 1; c <= n; ++c)
        if (is_top_level_chain(rec, c))
            for (PathElement& e : rec.chainPaths[c - 1].elements)
                if (e.op > 0)
                    e.count = operation_no(rec, e.chain, e.op).variantCount;
    rec.boundsValid = true;
    return {};
}

} // namespace zep
