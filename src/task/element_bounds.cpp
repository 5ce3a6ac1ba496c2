#include "task/element_bounds.h"

#include "task/graph_access.h"

#include <algorithm>

namespace zep {

ElementBounds plain_element_bounds(const TaskRecord& rec, const PathElement& e, bool own) {
    ElementBounds b;
    if (e.op > 0) {
        const OperationRec& op = operation_no(rec, e.chain, e.op);
        const int n = stored_variant_count(op);
        if (n == 0)
            return b;
        b.timeMin = b.timeMax = op.variants[0].time;
        b.costMin = b.costMax = op.variants[0].cost;
        for (int v = 1; v < n; ++v) {
            b.timeMin = std::min(b.timeMin, op.variants[v].time);
            b.timeMax = std::max(b.timeMax, op.variants[v].time);
            b.costMin = std::min(b.costMin, op.variants[v].cost);
            b.costMax = std::max(b.costMax, op.variants[v].cost);
        }
        if (!own) {
            b.costMin = b.costMax = 0;
            b.baseCost = op.variants[0].cost;
        }
    } else if (e.op < 0) {
        const int k = subgraph_index_of(e.op);
        if (k >= static_cast<int>(rec.subgraphSummaries.size()))
            return b;
        const SubgraphSummary& s = rec.subgraphSummaries[k];
        b.timeMin = s.timeMin;
        b.timeMax = s.timeMax;
        if (own) {
            b.costMin = s.costMin;
            b.costMax = s.costMax;
        } else {
            b.baseCost = s.costMin;
        }
    }
    return b;
}

TaskRefusalValue unbounded_operation(int chainNo, int opNo) {
    TaskRefusalValue r{TaskRefusal::UnboundedOperation};
    r.chainNo = chainNo;
    r.opNo = opNo;
    return r;
}

} // namespace zep
