#pragma once
// Shared footing of the preparation computations: numbered access to chains and operations, the check
// that a record's graph is consistent enough to walk, and the rounding to whole numbers that the
// preparation writes out.
#include "task/rounding.h" // round_half_even
#include "task/task_record.h"

#include <string>

namespace zep {

// Chain `chainNo` and operation `opNo` of it, both numbered from 1 (no range check: see
// check_graph_shape).
inline ChainRec& chain_no(TaskRecord& rec, int chainNo) {
    return rec.chains[chainNo - 1];
}
inline const ChainRec& chain_no(const TaskRecord& rec, int chainNo) {
    return rec.chains[chainNo - 1];
}
inline OperationRec& operation_no(TaskRecord& rec, int chainNo, int opNo) {
    return rec.chains[chainNo - 1].operations[opNo - 1];
}
inline const OperationRec& operation_no(const TaskRecord& rec, int chainNo, int opNo) {
    return rec.chains[chainNo - 1].operations[opNo - 1];
}

inline bool is_nested_chain(const TaskRecord& rec, int chainNo) {
    return chainNo > rec.ordinaryChainCount();
}

// The subgraphs the decomposition works with: the working count when decomposition is on, else none.
inline int active_subgraph_count(const TaskRecord& rec) {
    return decomposition_mode(rec.header) == Decomposition::NestedSubgraphs ? rec.workingSubgraphCount : 0;
}

// A chain whose path belongs to the top-level graph: every chain without decomposition, else the
// chains in no subgraph.
inline bool is_top_level_chain(const TaskRecord& rec, int chainNo) {
    return !(decomposition_mode(rec.header) == Decomposition::NestedSubgraphs &&
             is_nested_chain(rec, chainNo) && chain_no(rec, chainNo).subgraphNo > 0);
}

// The variants of an operation that really are there: `variantCount` of them once the variants step
// has stored them, fewer (possibly none) before that.
inline int stored_variant_count(const OperationRec& op) {
    const int stored = static_cast<int>(op.variants.size());
    return op.variantCount < stored ? op.variantCount : stored;
}

// Throws std::invalid_argument naming the first inconsistency when the record's chains cannot be walked
// safely: counts that disagree with the chains held, an operation count that disagrees with the
// operations held, a nested chain hanging on itself, on a later chain or outside an operation of its
// parent. The wizard's checks rule all of these out before any computation runs.
void check_graph_shape(const TaskRecord& rec);

// A value brought to the nearest multiple of 0.01, an exact half to the even multiple (the tact and
// the scaling coefficient are taken so).
double round_to_cents(double value);

} // namespace zep
