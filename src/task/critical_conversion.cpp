#include "task/critical_conversion.h"

#include "task/decomposition.h"
#include "task/graph_access.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zep {
namespace {

// Whether a pass converts the operations or only finds out whether anything would be converted.
enum class ConversionAction { Probe, Convert };

// One pass of the conversion rule. A probe converts nothing; the result says whether anything would be.
class ConversionPass {
public:
    ConversionPass(TaskRecord& rec, ConversionAction action)
        : rec_(rec), apply_(action == ConversionAction::Convert) {}

    bool needed() const { return needed_; }
    int counted() const { return counted_; }

    void run() {
        check_graph_shape(rec_);
        if (active_subgraph_count(rec_) == 0)
            run_on_chains();
        else
            run_on_subgraphs();
    }

private:
    // An operation of more than one variant that must become critical.
    void shared(int chainNo, int opNo) {
        OperationRec& op = operation_no(rec_, chainNo, opNo);
        if (op.variantCount <= 1)
            return;
        needed_ = true;
        if (!apply_)
            return;
        move_best_variant_first(rec_, chainNo, opNo);
        op.variantCount = 1;
        if (op.variants.size() > 1)
            op.variants.resize(1);
        if (op.criticalMark == 0) {
            op.criticalMark = 1;
            ++counted_;
        }
    }

    // Without subgraphs every chain keeps a choice only between the last point where a nested chain
    // leaves it and the first point where one enters it.
    void run_on_chains() {
        const int first = rec_.ordinaryChainCount() + 1;
        for (int c = 1; c <= rec_.workingChainCount; ++c) {
            const int opCount = chain_no(rec_, c).opCount;
            int lo = 1, hi = opCount;
            for (int n = first; n <= rec_.workingChainCount; ++n) {
                const ChainRec& nested = chain_no(rec_, n);
                if (nested.fromChain == c)
                    lo = std::max(lo, nested.fromOp);
                if (nested.toChain == c)
                    hi = std::min(hi, nested.toOp);
            }
            for (int op = 1; op <= opCount; ++op)
                if (op < lo || op > hi)
                    shared(c, op);
        }
    }

    // With subgraphs the same range is taken per member among the nested members of its subgraph (or
    // of the top level), from the top level down. A non-critical inner subgraph whose reference lies
    // outside the range is marked; afterwards every marked subgraph keeps one time level and all its
    // members' operations become critical.
    void run_on_subgraphs() {
        const int subgraphs = active_subgraph_count(rec_);
        if (static_cast<int>(rec_.opRefs.size()) != subgraphs + 1 ||
            static_cast<int>(rec_.subgraphMembers.size()) != subgraphs + 1 ||
            static_cast<int>(rec_.subgraphSummaries.size()) != subgraphs + 1)
            throw std::invalid_argument(
                "the task record cannot be prepared: the subgraphs are not decomposed");
        std::vector<bool> marked(subgraphs, false);
        for (int s = subgraphs; s >= 0; --s) {
            if (rec_.subgraphSummaries[s].critical)
                continue;
            const auto& members = rec_.subgraphMembers[s];
            for (std::size_t m = 0; m < members.size(); ++m) {
                const auto& refs = rec_.opRefs[s][m];
                int lo = 1, hi = static_cast<int>(refs.size());
                for (const SubgraphMember& other : members) {
                    if (other.fromChain == members[m].chain)
                        lo = std::max(lo, other.fromOp);
                    if (other.toChain == members[m].chain)
                        hi = std::min(hi, other.toOp);
                }
                for (int p = 1; p <= static_cast<int>(refs.size()); ++p) {
                    if (p >= lo && p <= hi)
                        continue;
                    const int ref = refs[p - 1];
                    if (ref > 0)
                        shared(members[m].chain, op_of_reference(rec_, s, static_cast<int>(m), ref));
                    else if (ref < 0 && rec_.subgraphSummaries[subgraph_index_of(ref)].critical == 0)
                        marked[subgraph_index_of(ref)] = true;
                }
            }
        }
        for (int k = 0; k < subgraphs; ++k) {
            if (!marked[k])
                continue;
            rec_.subgraphSummaries[k].critical = 1;
            rec_.subgraphSummaries[k].levelCount = 1;
            const auto& members = rec_.subgraphMembers[k];
            for (std::size_t m = 0; m < members.size(); ++m)
                for (int ref : rec_.opRefs[k][m])
                    if (ref > 0)
                        shared(members[m].chain, op_of_reference(rec_, k, static_cast<int>(m), ref));
        }
    }

    TaskRecord& rec_;
    bool apply_;
    bool needed_ = false;
    int counted_ = 0;
};

} // namespace

void move_best_variant_first(TaskRecord& rec, int chainNo, int opNo) {
    OperationRec& op = operation_no(rec, chainNo, opNo);
    const bool byTime = critical_conversion_mode(rec.header) == CriticalConversion::MinimalTimes;
    auto value = [&](int v) { return byTime ? op.variants[v].time : op.variants[v].cost; };
    int best = 0;
    for (int v = 1; v < stored_variant_count(op); ++v)
        if (value(v) < value(best))
            best = v;
    if (best != 0)
        std::swap(op.variants[0], op.variants[best]);
}

bool conversion_needed(TaskRecord& rec) {
    ConversionPass pass(rec, ConversionAction::Probe);
    pass.run();
    return pass.needed();
}

int convert_shared_operations(TaskRecord& rec) {
    if (active_subgraph_count(rec) > 0)
        compute_critical_flags(rec);
    ConversionPass pass(rec, ConversionAction::Convert);
    pass.run();
    return pass.counted();
}

} // namespace zep
