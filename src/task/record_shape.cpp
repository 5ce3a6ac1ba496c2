#include "task/record_shape.h"

#include <stdexcept>
#include <string>

namespace zep {
namespace {

[[noreturn]] void bad(const std::string& what) {
    throw std::invalid_argument("the task record cannot be written: " + what);
}

std::string n(std::size_t v) {
    return std::to_string(v);
}
std::string n(int v) {
    return std::to_string(v);
}

void check_range(const std::string& what, long long value, int lo, int hi) {
    if (value < lo || value > hi)
        bad(what + " is " + std::to_string(value) + ", not within " + n(lo) + ".." + n(hi));
}

void check_elements(const TaskRecord& rec, const std::string& where, const PathInfo& path, int maxLength) {
    const int chainCount = rec.header.chainCount;
    check_range(where + " element count", path.elementCount(), 0, maxLength);
    if (path.prefixLength < 0 || path.suffixLength < 0 || path.prefixLength > path.elementCount() ||
        path.suffixLength > path.elementCount() - path.prefixLength)
        bad(where + ": prefix " + n(path.prefixLength) + " and suffix " + n(path.suffixLength) +
            " do not fit " + n(path.elementCount()) + " elements");
    for (int i = 0; i < path.elementCount(); ++i) {
        const PathElement& e = path.elements[i];
        const std::string at = where + " element " + n(i + 1);
        check_range(at + " chain", e.chain, 1, chainCount);
        if (e.op > 0) {
            const ChainRec& c = rec.chains[e.chain - 1];
            check_range(at + " operation", e.op, 1, c.opCount);
            const OperationRec& op = c.operations[e.op - 1];
            if (e.count != op.variantCount)
                bad(at + ": count " + n(e.count) + " differs from the operation's " + n(op.variantCount) +
                    " variants");
        } else {
            if (e.op < 0)
                check_range(at + " subgraph reference", subgraph_number_of(e.op), 1,
                            rec.header.subgraphCount);
            check_range(at + " count", e.count, 0, kMaxVariantsPerOperation);
        }
    }
}

// Every chain, operation and variant stored as its counts say, each mark naming a variant of its
// operation, and the task's variants within the limit.
void check_chains_for_files(const TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    if (rec.chains.size() != static_cast<std::size_t>(h.chainCount))
        bad(n(rec.chains.size()) + " chains stored for chainCount " + n(h.chainCount));
    int variantTotal = 0;
    for (int c = 0; c < h.chainCount; ++c) {
        const ChainRec& chain = rec.chains[c];
        const std::string at = "chain " + n(c + 1);
        check_range(at + " opCount", chain.opCount, 1, kMaxOperationsPerChain);
        if (chain.operations.size() != static_cast<std::size_t>(chain.opCount))
            bad(at + ": " + n(chain.operations.size()) + " operations stored for opCount " +
                n(chain.opCount));
        for (int o = 0; o < chain.opCount; ++o) {
            const OperationRec& op = chain.operations[o];
            const std::string opAt = at + " operation " + n(o + 1);
            check_range(opAt + " variantCount", op.variantCount, kMinVariantsPerOperation,
                        kMaxVariantsPerOperation);
            if (op.variants.size() != static_cast<std::size_t>(op.variantCount))
                bad(opAt + ": " + n(op.variants.size()) + " variants stored for variantCount " +
                    n(op.variantCount));
            variantTotal += op.variantCount;
            if (rec.marksPresent == 1) {
                const VariantMark& m = op.mark;
                bool unset = m.variantIndex == -1 && m.markCode == -1;
                bool valid = m.variantIndex >= 0 && m.variantIndex < op.variantCount && m.markCode >= 1 &&
                             m.markCode <= 3;
                if (!unset && !valid)
                    bad(opAt + ": mark (" + n(m.variantIndex) + ", " + n(m.markCode) + ") names no variant");
            }
        }
    }
    check_range("the number of variants in the task", variantTotal, 1, kMaxVariantsInTask);
}

// The chains of every subgraph (the whole graph last) and the thresholds to write.
void check_subgraph_sizes_and_thresholds(const TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    check_range("subgraphCount", h.subgraphCount, 0, h.nestedChainCount);
    if (rec.chainsPerSubgraph.size() != static_cast<std::size_t>(h.subgraphCount) + 1)
        bad(n(rec.chainsPerSubgraph.size()) + " entries of chainsPerSubgraph for subgraphCount " +
            n(h.subgraphCount));
    for (std::size_t k = 0; k < rec.chainsPerSubgraph.size(); ++k)
        check_range("chainsPerSubgraph entry " + n(k + 1), rec.chainsPerSubgraph[k], 1, h.chainCount);
    check_range("the number of stored thresholds", stored_threshold_count(rec), 0, kMaxThresholds);
    if (rec.thresholds.size() < static_cast<std::size_t>(stored_threshold_count(rec)))
        bad(n(rec.thresholds.size()) + " thresholds stored, " + n(stored_threshold_count(rec)) + " to write");
}

// With subgraphs: the member paths of every subgraph, its summary and time levels, and one list of
// source operations and of span marks per chain.
void check_subgraphs_for_files(const TaskRecord& rec, int maxLength) {
    const TaskHeader& h = rec.header;
    if (rec.subgraphPaths.size() != static_cast<std::size_t>(h.subgraphCount))
        bad(n(rec.subgraphPaths.size()) + " subgraph path lists for subgraphCount " + n(h.subgraphCount));
    for (int k = 0; k < h.subgraphCount; ++k) {
        const auto& paths = rec.subgraphPaths[k];
        if (paths.size() != static_cast<std::size_t>(rec.chainsPerSubgraph[k]))
            bad("subgraph " + n(k + 1) + ": " + n(paths.size()) + " member paths for chainsPerSubgraph " +
                n(rec.chainsPerSubgraph[k]));
        for (std::size_t m = 0; m < paths.size(); ++m)
            check_elements(rec, "subgraph " + n(k + 1) + " path " + n(m + 1), paths[m], maxLength);
    }
    if (rec.subgraphSummaries.size() < static_cast<std::size_t>(h.subgraphCount))
        bad(n(rec.subgraphSummaries.size()) + " subgraph summaries for subgraphCount " + n(h.subgraphCount));
    for (int k = 0; k < h.subgraphCount; ++k) {
        check_range("subgraph " + n(k + 1) + " memberCount", rec.subgraphSummaries[k].memberCount, 0,
                    h.chainCount);
        const int levels =
            decomposition_mode(h) == Decomposition::NestedSubgraphs ? rec.subgraphSummaries[k].levelCount : 0;
        check_range("subgraph " + n(k + 1) + " levelCount", levels, 0, kMaxQuantSteps);
        if (rec.timeLevels.size() <= static_cast<std::size_t>(k) && levels > 0)
            bad("subgraph " + n(k + 1) + " has no time levels stored");
        if (levels > 0 && rec.timeLevels[k].size() != static_cast<std::size_t>(levels))
            bad("subgraph " + n(k + 1) + ": " + n(rec.timeLevels[k].size()) + " time levels for levelCount " +
                n(levels));
    }
    if (rec.sourceOps.size() != static_cast<std::size_t>(h.chainCount) ||
        rec.spanMark.size() != static_cast<std::size_t>(h.chainCount))
        bad("sourceOps and spanMark need one list per chain");
}

// The path of every chain (with subgraphs, with its source operations and span marks), and as many
// chains with a path of their own as the whole graph has paths.
void check_chain_paths_for_files(const TaskRecord& rec, int maxLength) {
    const TaskHeader& h = rec.header;
    if (rec.chainPaths.size() != static_cast<std::size_t>(h.chainCount))
        bad(n(rec.chainPaths.size()) + " chain paths for chainCount " + n(h.chainCount));
    int topPaths = 0;
    for (int c = 0; c < h.chainCount; ++c) {
        const PathInfo& p = rec.chainPaths[c];
        check_elements(rec, "chain " + n(c + 1) + " path", p, maxLength);
        topPaths += p.elementCount() > 0 ? 1 : 0;
        if (h.subgraphCount > 0) {
            if (rec.sourceOps[c].size() != p.elements.size())
                bad("chain " + n(c + 1) + ": " + n(rec.sourceOps[c].size()) + " sourceOps for " +
                    n(p.elements.size()) + " path elements");
            if (rec.spanMark[c].size() != static_cast<std::size_t>(rec.chains[c].opCount))
                bad("chain " + n(c + 1) + ": " + n(rec.spanMark[c].size()) +
                    " spanMark entries for opCount " + n(rec.chains[c].opCount));
        }
    }
    if (topPaths != top_level_path_count(rec))
        bad(n(topPaths) + " chains have a path of their own, chainsPerSubgraph names " +
            n(top_level_path_count(rec)) + " top-level paths");
}

// With unavailable resources: the intervals of every category.
void check_resource_intervals_for_files(const TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    check_range("resourceCategoryCount", h.resourceCategoryCount, 0, kMaxResourceCategories);
    if (rec.resourceIntervals.size() != static_cast<std::size_t>(h.resourceCategoryCount))
        bad(n(rec.resourceIntervals.size()) + " interval lists for resourceCategoryCount " +
            n(h.resourceCategoryCount));
    for (std::size_t k = 0; k < rec.resourceIntervals.size(); ++k)
        check_range("category " + n(k + 1) + " intervalCount",
                    static_cast<int>(rec.resourceIntervals[k].size()), kMinIntervalsPerCategory,
                    kMaxIntervalsPerCategory);
}
} // namespace

int total_operation_count(const TaskRecord& rec) {
    int total = 0;
    for (const ChainRec& c : rec.chains)
        total += c.opCount;
    return total;
}

void check_record_for_files(const TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    check_range("chainCount", h.chainCount, 1, kMaxChains);
    check_range("nestedChainCount", h.nestedChainCount, 0, h.chainCount - 1);
    check_chains_for_files(rec);
    check_subgraph_sizes_and_thresholds(rec);
    const int maxLength = total_operation_count(rec);
    if (h.subgraphCount > 0)
        check_subgraphs_for_files(rec, maxLength);
    check_chain_paths_for_files(rec, maxLength);
    if (h.has_unavailable_resources())
        check_resource_intervals_for_files(rec);
}

} // namespace zep
