#include "task/task_file.h"

#include "common/atomic_file.h"
#include "common/byte_codec.h"
#include "task/file_counts.h"
#include "task/record_images.h"
#include "task/record_shape.h"

namespace zep {
namespace {

std::string num(int v) {
    return std::to_string(v);
}

void encode_path_elements(ByteWriter& w, const PathInfo& p) {
    for (const PathElement& e : p.elements)
        write_record<PathElementImage>(w, e);
}

// ---- reading -----------------------------------------------------------------------------------------

// Limits the reader holds a file to; derived from the header and the chains as they are read.
struct ReadLimits {
    int chainCount = 0;
    int subgraphCount = 0;
    int totalOperations = 0;
    const std::vector<ChainRec>* chains = nullptr;
};

void check_path_counts(const ByteReader& r, const std::string& where, const PathInfoCounts& p, int minLength,
                       int maxLength) {
    check_count(r, where + " elementCount", p.elementCount, minLength, maxLength);
    check_count(r, where + " prefixLength", p.prefixLength, 0, p.elementCount);
    check_count(r, where + " suffixLength", p.suffixLength, 0, p.elementCount - p.prefixLength);
}

PathElement read_element(ByteReader& r, const ReadLimits& lim, const std::string& where) {
    PathElement e = read_record<PathElementImage>(r);
    check_count(r, where + " chain", e.chain, 1, lim.chainCount);
    if (e.op > 0)
        check_count(r, where + " operation", e.op, 1, (*lim.chains)[e.chain - 1].opCount);
    else if (e.op < 0)
        check_count(r, where + " subgraph reference", subgraph_number_of(e.op), 1, lim.subgraphCount);
    check_count(r, where + " count", e.count, 0, kMaxVariantsPerOperation);
    return e;
}

void read_elements(ByteReader& r, const ReadLimits& lim, PathInfo& p, int count, const std::string& where) {
    p.elements.reserve(count);
    for (int i = 0; i < count; ++i)
        p.elements.push_back(read_element(r, lim, where + " element " + num(i + 1)));
}

void check_nested_coordinates(const ByteReader& r, const TaskRecord& rec, int c) {
    const ChainRec& chain = rec.chains[c];
    const std::string at = "chain " + num(c + 1);
    const int chainCount = rec.header.chainCount;
    check_count(r, at + " subgraphNo", chain.subgraphNo, 0, rec.header.subgraphCount);
    check_count(r, at + " fromChain", chain.fromChain, 1, chainCount);
    check_count(r, at + " fromOp", chain.fromOp, 1, rec.chains[chain.fromChain - 1].opCount);
    check_count(r, at + " toChain", chain.toChain, 1, chainCount);
    check_count(r, at + " toOp", chain.toOp, 1, rec.chains[chain.toChain - 1].opCount);
}

// The sections of a task file in their order; the numbers are those of the sections in
// encode_task_file. Each reader checks every count it reads before anything is sized by it.

// 1: the header.
void read_header(ByteReader& r, TaskHeader& h) {
    h = read_record<TaskHeaderImage>(r);
    check_header_counts(r, h);
}

// 2: the chains; returns the number of operations of all chains.
int read_chains(ByteReader& r, TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    rec.chains.resize(h.chainCount);
    int totalOperations = 0;
    for (int c = 0; c < h.chainCount; ++c) {
        rec.chains[c] = read_record<ChainRecImage>(r);
        check_count(r, "chain " + num(c + 1) + " opCount", rec.chains[c].opCount, 1, kMaxOperationsPerChain);
        totalOperations += rec.chains[c].opCount;
    }
    for (int c = h.chainCount - h.nestedChainCount; c < h.chainCount; ++c)
        check_nested_coordinates(r, rec, c);
    return totalOperations;
}

// 3 and 4: the operations of every chain, then the variants of every operation.
void read_operations_and_variants(ByteReader& r, TaskRecord& rec) {
    for (int c = 0; c < rec.header.chainCount; ++c) {
        ChainRec& chain = rec.chains[c];
        chain.operations.reserve(chain.opCount);
        for (int o = 0; o < chain.opCount; ++o) {
            OperationRec op = read_record<OperationRecImage>(r);
            check_count(r, "chain " + num(c + 1) + " operation " + num(o + 1) + " variantCount",
                        op.variantCount, kMinVariantsPerOperation, kMaxVariantsPerOperation);
            chain.operations.push_back(std::move(op));
        }
    }
    for (ChainRec& chain : rec.chains)
        for (OperationRec& op : chain.operations) {
            op.variants.reserve(op.variantCount);
            for (int v = 0; v < op.variantCount; ++v)
                op.variants.push_back(read_record<VariantRecImage>(r));
        }
}

// 5 and 6: the chains per subgraph (the whole graph last), then the thresholds.
void read_subgraph_sizes_and_thresholds(ByteReader& r, TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    for (int k = 0; k <= h.subgraphCount; ++k)
        rec.chainsPerSubgraph.push_back(
            read_count(r, "chainsPerSubgraph entry " + num(k + 1), 1, h.chainCount));
    const int thresholdCount = stored_threshold_count(rec);
    for (int i = 0; i < thresholdCount; ++i)
        rec.thresholds.push_back(r.i32());
}

// 7 and 8: the member paths of every subgraph, their counts first and then their elements.
void read_subgraph_paths(ByteReader& r, TaskRecord& rec, const ReadLimits& lim) {
    const int subgraphs = rec.header.subgraphCount;
    rec.subgraphPaths.resize(subgraphs);
    std::vector<std::vector<int>> lengths(subgraphs);
    for (int k = 0; k < subgraphs; ++k)
        for (int m = 0; m < rec.chainsPerSubgraph[k]; ++m) {
            const std::string where = "subgraph " + num(k + 1) + " path " + num(m + 1);
            PathInfoCounts counts = read_record<PathInfoImage>(r);
            check_path_counts(r, where, counts, 1, lim.totalOperations);
            rec.subgraphPaths[k].push_back({counts.prefixLength, counts.suffixLength, {}});
            lengths[k].push_back(counts.elementCount);
        }
    for (int k = 0; k < subgraphs; ++k)
        for (int m = 0; m < rec.chainsPerSubgraph[k]; ++m)
            read_elements(r, lim, rec.subgraphPaths[k][m], lengths[k][m],
                          "subgraph " + num(k + 1) + " path " + num(m + 1));
}

// 9 and 10: the path of every chain, the counts first and then the elements.
void read_chain_paths(ByteReader& r, TaskRecord& rec, const ReadLimits& lim) {
    std::vector<int> chainLengths;
    for (int c = 0; c < rec.header.chainCount; ++c) {
        PathInfoCounts counts = read_record<PathInfoImage>(r);
        check_path_counts(r, "chain " + num(c + 1) + " path", counts, 0, lim.totalOperations);
        rec.chainPaths.push_back({counts.prefixLength, counts.suffixLength, {}});
        chainLengths.push_back(counts.elementCount);
    }
    for (int c = 0; c < rec.header.chainCount; ++c)
        read_elements(r, lim, rec.chainPaths[c], chainLengths[c], "chain " + num(c + 1) + " path");
}

// 11: the interval count of every category, then the intervals.
void read_resource_intervals(ByteReader& r, TaskRecord& rec) {
    const int categories = rec.header.resourceCategoryCount;
    const std::vector<int> intervalCount = read_interval_counts(r, categories);
    rec.resourceIntervals.resize(categories);
    for (int k = 0; k < categories; ++k)
        for (int i = 0; i < intervalCount[k]; ++i)
            rec.resourceIntervals[k].push_back(read_record<ResourceIntervalImage>(r));
}

// 12: the member count of every subgraph, the source operations of every chain path's elements and
// the span marks of every operation.
void read_subgraph_tables(ByteReader& r, TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    for (int k = 0; k < h.subgraphCount; ++k)
        rec.subgraphSummaries[k].memberCount =
            read_count(r, "subgraph " + num(k + 1) + " memberCount", 0, h.chainCount);
    rec.sourceOps.resize(h.chainCount);
    for (int c = 0; c < h.chainCount; ++c)
        for (int e = 0; e < rec.chainPaths[c].elementCount(); ++e)
            rec.sourceOps[c].push_back(r.i32());
    rec.spanMark.resize(h.chainCount);
    for (int c = 0; c < h.chainCount; ++c)
        for (int o = 0; o < rec.chains[c].opCount; ++o)
            rec.spanMark[c].push_back(r.i32());
}

// 13: optional, read as far as the file holds whole marks; the record counts as marked when every
// operation has a marked variant.
void read_variant_marks(ByteReader& r, TaskRecord& rec) {
    bool allMarked = true;
    for (int c = 0; c < rec.header.chainCount; ++c)
        for (int o = 0; o < rec.chains[c].opCount; ++o) {
            OperationRec& op = rec.chains[c].operations[o];
            if (r.remaining() >= VariantMarkImage::size) {
                VariantMark m = read_record<VariantMarkImage>(r);
                bool unset = m.variantIndex == -1 && m.markCode == -1;
                if (!unset) {
                    const std::string at = "chain " + num(c + 1) + " operation " + num(o + 1) + " mark";
                    check_count(r, at + " variant index", m.variantIndex, 0, op.variantCount - 1);
                    check_count(r, at + " code", m.markCode, 1, 3);
                }
                op.mark = m;
            }
            allMarked = allMarked && op.mark.variantIndex != -1;
        }
    rec.marksPresent = allMarked ? 1 : 0;
}
} // namespace

std::filesystem::path task_file_path(const Workspace& ws, std::string_view code) {
    return ws.data_file(code, TaskFile::Task);
}

std::filesystem::path solver_input_path(const Workspace& ws, std::string_view code) {
    return ws.data_file(code, TaskFile::SolverInput);
}

std::vector<std::uint8_t> encode_task_file(const TaskRecord& rec) {
    check_record_for_files(rec);
    const TaskHeader& h = rec.header;
    ByteWriter w;
    write_record<TaskHeaderImage>(w, h); // 1
    for (const ChainRec& c : rec.chains) // 2
        write_record<ChainRecImage>(w, c);
    for (const ChainRec& c : rec.chains) // 3
        for (const OperationRec& op : c.operations)
            write_record<OperationRecImage>(w, op);
    for (const ChainRec& c : rec.chains) // 4
        for (const OperationRec& op : c.operations)
            for (const VariantRec& v : op.variants)
                write_record<VariantRecImage>(w, v);
    for (int n : rec.chainsPerSubgraph) // 5
        w.i32(n);
    for (int i = 0; i < stored_threshold_count(rec); ++i) // 6
        w.i32(rec.thresholds[i]);
    if (h.subgraphCount > 0) {
        for (const auto& paths : rec.subgraphPaths) // 7
            for (const PathInfo& p : paths)
                write_record<PathInfoImage>(w, path_info_counts(p));
        for (const auto& paths : rec.subgraphPaths) // 8
            for (const PathInfo& p : paths)
                encode_path_elements(w, p);
    }
    for (const PathInfo& p : rec.chainPaths) // 9
        write_record<PathInfoImage>(w, path_info_counts(p));
    for (const PathInfo& p : rec.chainPaths) // 10
        encode_path_elements(w, p);
    if (h.has_unavailable_resources()) { // 11
        for (const auto& intervals : rec.resourceIntervals)
            w.i32(static_cast<int>(intervals.size()));
        for (const auto& intervals : rec.resourceIntervals)
            for (const ResourceInterval& i : intervals)
                write_record<ResourceIntervalImage>(w, i);
    }
    if (h.subgraphCount > 0) { // 12
        for (int k = 0; k < h.subgraphCount; ++k)
            w.i32(rec.subgraphSummaries[k].memberCount);
        for (const auto& ops : rec.sourceOps)
            for (int op : ops)
                w.i32(op);
        for (const auto& marks : rec.spanMark)
            for (int m : marks)
                w.i32(m);
    }
    if (rec.marksPresent == 1) // 13
        for (const ChainRec& c : rec.chains)
            for (const OperationRec& op : c.operations)
                write_record<VariantMarkImage>(w, op.mark);
    return w.take();
}

TaskRecord decode_task_file(std::span<const std::uint8_t> data, const std::string& source) {
    ByteReader r(data, source);
    TaskRecord rec;
    const TaskHeader& h = rec.header;
    read_header(r, rec.header);
    const int totalOperations = read_chains(r, rec);
    read_operations_and_variants(r, rec);
    read_subgraph_sizes_and_thresholds(r, rec);
    const ReadLimits lim{h.chainCount, h.subgraphCount, totalOperations, &rec.chains};
    if (h.subgraphCount > 0)
        read_subgraph_paths(r, rec, lim);
    read_chain_paths(r, rec, lim);
    if (h.has_unavailable_resources())
        read_resource_intervals(r, rec);
    rec.subgraphSummaries.resize(h.subgraphCount + 1);
    if (h.subgraphCount > 0)
        read_subgraph_tables(r, rec);
    read_variant_marks(r, rec);

    rec.workingChainCount = h.chainCount;
    rec.workingNestedChainCount = h.nestedChainCount;
    rec.workingSubgraphCount = h.subgraphCount;
    rec.topPathCount = top_level_path_count(rec);
    rec.discretisedIsCost = derived_discretised_is_cost(rec);
    return rec;
}

void read_task_file(TaskRecord& rec, const Workspace& ws, std::string_view code) {
    const std::filesystem::path path = task_file_path(ws, code);
    std::vector<std::uint8_t> data = read_whole_file(path);
    rec = decode_task_file(data, path.string());
}

} // namespace zep
