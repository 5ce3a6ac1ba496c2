#include "common/byte_codec.h"
#include "task/file_counts.h"
#include "task/record_images.h"
#include "task/solver_input.h"

namespace zep {
namespace {

std::string num(int v) {
    return std::to_string(v);
}

class Reader {
public:
    Reader(std::span<const std::uint8_t> data, const std::string& source) : r_(data, source) {}

    SolverInput read() {
        SolverHeader& h = in_.header;
        h = read_record<SolverHeaderImage>(r_); // 1
        check_header_counts(r_, h);

        for (int c = 0; c < h.chainCount; ++c) { // 2
            in_.opCounts.push_back(
                read_count(r_, "chain " + num(c + 1) + " opCount", 1, kMaxOperationsPerChain));
            totalOperations_ += in_.opCounts.back();
        }
        for (int k = 0; k <= h.subgraphCount; ++k) // 3
            in_.chainsPerSubgraph.push_back(
                read_count(r_, "chainsPerSubgraph entry " + num(k + 1), 1, h.chainCount));

        if (h.subgraphCount > 0) {
            in_.subgraphPaths.resize(h.subgraphCount);
            std::vector<std::vector<int>> lengths(h.subgraphCount);
            for (int k = 0; k < h.subgraphCount; ++k) // 4
                for (int m = 0; m < in_.chainsPerSubgraph[k]; ++m)
                    lengths[k].push_back(
                        read_count(r_, path_name(k, m) + " elementCount", 1, totalOperations_));
            for (int k = 0; k < h.subgraphCount; ++k) // 5
                for (int m = 0; m < in_.chainsPerSubgraph[k]; ++m)
                    in_.subgraphPaths[k].push_back(read_elements(lengths[k][m], path_name(k, m)));
            for (int k = 0; k < h.subgraphCount; ++k) // 6
                for (int m = 0; m < in_.chainsPerSubgraph[k]; ++m)
                    read_blocks(in_.subgraphPaths[k][m]);
        }

        const int topCount = in_.chainsPerSubgraph.back();
        std::vector<int> lengths;
        for (int i = 0; i < topCount; ++i) // 7
            lengths.push_back(
                read_count(r_, path_name(h.subgraphCount, i) + " elementCount", 1, totalOperations_));
        for (int i = 0; i < topCount; ++i) // 8
            in_.topPaths.push_back(read_elements(lengths[i], path_name(h.subgraphCount, i)));
        for (SolverPath& p : in_.topPaths) // 9
            read_blocks(p);

        const bool secondLevel = second_level_mode(minimised_parameter(h), topCount); // 10
        const int thresholdCount = secondLevel ? kSecondLevelThresholdCount : h.thresholdCount;
        for (int i = 0; i < thresholdCount; ++i)
            in_.thresholds.push_back(r_.i32());

        if (h.subgraphCount > 0) // 11
            read_subgraph_tables();
        if (h.has_unavailable_resources()) // 12
            read_resources();
        in_.shellFileName = r_.text(kSolverShellNameCapacity); // 13
        return std::move(in_);
    }

private:
    std::string path_name(int owner, int index) const {
        if (owner == in_.header.subgraphCount)
            return "top-level path " + num(index + 1);
        return "subgraph " + num(owner + 1) + " path " + num(index + 1);
    }

    SolverPath read_elements(int count, const std::string& where) {
        SolverPath p;
        p.elements.reserve(count);
        for (int i = 0; i < count; ++i) {
            const std::string at = where + " element " + num(i + 1);
            PathElement e = read_record<PathElementImage>(r_);
            check_count(r_, at + " chain", e.chain, 1, in_.header.chainCount);
            if (e.op > 0) {
                check_count(r_, at + " operation", e.op, 1, in_.opCounts[e.chain - 1]);
                check_count(r_, at + " count", e.count, kMinVariantsPerOperation, kMaxVariantsPerOperation);
            } else {
                if (e.op < 0)
                    check_count(r_, at + " subgraph reference", subgraph_number_of(e.op), 1,
                                in_.header.subgraphCount);
                check_count(r_, at + " count", e.count, 0, kMaxVariantsPerOperation);
            }
            p.elements.push_back(e);
        }
        return p;
    }

    // A real operation has `count` records, a subgraph reference `count` empty ones, a covered element
    // one.
    void read_blocks(SolverPath& p) {
        for (const PathElement& e : p.elements) {
            const int records = e.op == 0 ? 1 : e.count;
            std::vector<VariantOut> block;
            block.reserve(records);
            for (int v = 0; v < records; ++v)
                block.push_back(read_record<VariantOutImage>(r_));
            p.variants.push_back(std::move(block));
        }
    }

    void read_subgraph_tables() {
        const int S = in_.header.subgraphCount;
        // No more references than elements: every element refers to at most one subgraph.
        int elementTotal = 0;
        for (const auto& paths : in_.subgraphPaths)
            for (const SolverPath& p : paths)
                elementTotal += static_cast<int>(p.elements.size());
        for (const SolverPath& p : in_.topPaths)
            elementTotal += static_cast<int>(p.elements.size());
        for (int k = 0; k < S; ++k) {
            SubgraphSolverRec s = read_record<SubgraphSolverRecImage>(r_);
            check_count(r_, "subgraph " + num(k + 1) + " levelCount", s.levelCount, 0, kMaxQuantSteps);
            check_count(r_, "subgraph " + num(k + 1) + " refCount", s.refCount, 0, elementTotal);
            in_.subgraphs.push_back(s);
        }
        in_.subgraphRefs.resize(S);
        for (int k = 0; k < S; ++k)
            for (int i = 0; i < in_.subgraphs[k].refCount; ++i) {
                SubgraphRef ref = read_record<SubgraphRefImage>(r_);
                check_ref(k, i, ref);
                in_.subgraphRefs[k].push_back(ref);
            }
        in_.timeLevels.resize(S);
        for (int k = 0; k < S; ++k)
            for (int l = 0; l < in_.subgraphs[k].levelCount; ++l)
                in_.timeLevels[k].push_back(r_.i32());
    }

    // A reference must point at an element that refers to its subgraph: the solver writes through it.
    void check_ref(int k, int i, const SubgraphRef& ref) {
        const int S = in_.header.subgraphCount;
        const std::string at = "subgraph " + num(k + 1) + " reference " + num(i + 1);
        check_count(r_, at + " owner", ref.owner, 0, S);
        const auto& paths = ref.owner == S ? in_.topPaths : in_.subgraphPaths[ref.owner];
        check_count(r_, at + " path index", ref.pathIndex, 0, static_cast<int>(paths.size()) - 1);
        const auto& elements = paths[ref.pathIndex].elements;
        check_count(r_, at + " element index", ref.elementIndex, 0, static_cast<int>(elements.size()) - 1);
        if (elements[ref.elementIndex].op != subgraph_reference(k))
            r_.fail(at + " points at an element that does not refer to the subgraph");
    }

    void read_resources() {
        const int categories = in_.header.resourceCategoryCount;
        const std::vector<int> intervalCount = read_interval_counts(r_, categories);
        in_.intervalTacts.resize(categories);
        for (int k = 0; k < categories; ++k)
            for (int i = 0; i < intervalCount[k]; ++i)
                in_.intervalTacts[k].push_back(read_record<IntervalTactsImage>(r_));
        for (const SolverPath& p : in_.topPaths) {
            std::vector<std::vector<VariantResource>> perElement;
            for (const PathElement& e : p.elements) {
                std::vector<VariantResource> needs;
                for (int v = 0; v < e.count; ++v)
                    needs.push_back(read_record<VariantResourceImage>(r_));
                perElement.push_back(std::move(needs));
            }
            in_.variantResources.push_back(std::move(perElement));
        }
    }

    ByteReader r_;
    SolverInput in_;
    int totalOperations_ = 0;
};

} // namespace

SolverInput decode_solver_input(std::span<const std::uint8_t> data, const std::string& source) {
    return Reader(data, source).read();
}

} // namespace zep
