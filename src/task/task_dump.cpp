#include "task/task_dump.h"

#include "common/atomic_file.h"
#include "common/json_fields.h"
#include "common/json_writer.h"
#include "common/workspace_layout.h"
#include "task/record_images.h"
#include "task/solver_input.h"
#include "task/task_file.h"

namespace zep {
namespace {

void int_values(JsonWriter& j, const std::vector<int>& values) {
    j.begin_array();
    for (int v : values)
        j.value(v);
    j.end_array();
}

void int_array(JsonWriter& j, std::string_view key, const std::vector<int>& values) {
    j.key(key);
    int_values(j, values);
}

void nested_int_array(JsonWriter& j, std::string_view key, const std::vector<std::vector<int>>& lists) {
    j.key(key).begin_array();
    for (const auto& values : lists)
        int_values(j, values);
    j.end_array();
}

void header_json(JsonWriter& j, const TaskHeader& h) {
    j.key("header");
    write_json_record<TaskHeaderImage>(j, h);
}

void path_json(JsonWriter& j, const PathInfo& p) {
    j.begin_object();
    write_json_fields<PathInfoImage>(j, path_info_counts(p));
    j.key("elements").begin_array();
    for (const PathElement& e : p.elements)
        write_json_record<PathElementImage>(j, e);
    j.end_array();
    j.end_object();
}

void operation_json(JsonWriter& j, const OperationRec& op) {
    j.begin_object();
    write_json_fields<OperationRecImage>(j, op);
    j.key("variants").begin_array();
    for (const VariantRec& v : op.variants)
        write_json_record<VariantRecImage>(j, v);
    j.end_array();
    j.key("mark");
    write_json_record<VariantMarkImage>(j, op.mark);
    j.end_object();
}

void chains_json(JsonWriter& j, const TaskRecord& rec) {
    j.key("chains").begin_array();
    for (const ChainRec& c : rec.chains) {
        j.begin_object();
        write_json_fields<ChainRecImage>(j, c);
        j.key("operations").begin_array();
        for (const OperationRec& op : c.operations)
            operation_json(j, op);
        j.end_array();
        j.end_object();
    }
    j.end_array();
}

void solver_path_json(JsonWriter& j, const SolverPath& p) {
    j.begin_object();
    j.key("elementCount").value(static_cast<int>(p.elements.size()));
    j.key("elements").begin_array();
    for (std::size_t i = 0; i < p.elements.size(); ++i) {
        j.begin_object();
        write_json_fields<PathElementImage>(j, p.elements[i]);
        j.key("variants").begin_array();
        for (const VariantOut& v : p.variants[i])
            write_json_record<VariantOutImage>(j, v);
        j.end_array();
        j.end_object();
    }
    j.end_array();
    j.end_object();
}

} // namespace

bool is_task_file(const std::filesystem::path& path) {
    return is_task_file_name(path.filename().string(), TaskFile::Task);
}

bool is_solver_input_file(const std::filesystem::path& path) {
    return is_task_file_name(path.filename().string(), TaskFile::SolverInput);
}

std::string dump_task_file_as_json(const std::filesystem::path& path) {
    const TaskRecord rec = decode_task_file(read_whole_file(path), path.string());
    JsonWriter j;
    j.begin_object();
    j.key("file").value("task file");
    header_json(j, rec.header);
    chains_json(j, rec);
    int_array(j, "chainsPerSubgraph", rec.chainsPerSubgraph);
    int_array(j, "thresholds", rec.thresholds);
    j.key("subgraphPaths").begin_array();
    for (const auto& paths : rec.subgraphPaths) {
        j.begin_array();
        for (const PathInfo& p : paths)
            path_json(j, p);
        j.end_array();
    }
    j.end_array();
    j.key("chainPaths").begin_array();
    for (const PathInfo& p : rec.chainPaths)
        path_json(j, p);
    j.end_array();
    j.key("resourceCategories").begin_array();
    for (const auto& intervals : rec.resourceIntervals) {
        j.begin_object();
        j.key("intervalCount").value(static_cast<int>(intervals.size()));
        j.key("intervals").begin_array();
        for (const ResourceInterval& i : intervals)
            write_json_record<ResourceIntervalImage>(j, i);
        j.end_array();
        j.end_object();
    }
    j.end_array();
    j.key("memberCount").begin_array();
    for (int k = 0; k < rec.header.subgraphCount; ++k)
        j.value(rec.subgraphSummaries[k].memberCount);
    j.end_array();
    nested_int_array(j, "sourceOps", rec.sourceOps);
    nested_int_array(j, "spanMark", rec.spanMark);
    j.key("marksPresent").value(rec.marksPresent);
    j.end_object();
    return j.str() + "\n";
}

namespace {

void solver_header_json(JsonWriter& j, const SolverHeader& h) {
    j.key("header");
    write_json_record<SolverHeaderImage>(j, h);
}

// Subgraph k: its record, the elements that refer to it and its time levels.
void solver_subgraph_json(JsonWriter& j, const SolverInput& in, std::size_t k) {
    const SubgraphSolverRec& s = in.subgraphs[k];
    j.begin_object();
    write_json_fields<SubgraphSolverRecImage>(j, s);
    j.key("refs").begin_array();
    for (const SubgraphRef& r : in.subgraphRefs[k])
        write_json_record<SubgraphRefImage>(j, r);
    j.end_array();
    int_array(j, "timeLevels", in.timeLevels[k]);
    j.end_object();
}

// The availability intervals of every category, in tacts.
void resource_categories_json(JsonWriter& j, const SolverInput& in) {
    j.key("resourceCategories").begin_array();
    for (const auto& intervals : in.intervalTacts) {
        j.begin_object();
        j.key("intervalCount").value(static_cast<int>(intervals.size()));
        j.key("intervals").begin_array();
        for (const auto& interval : intervals)
            write_json_record<IntervalTactsImage>(j, interval);
        j.end_array();
        j.end_object();
    }
    j.end_array();
}

// The category and the suspension flag of every variant, per path and element.
void variant_resources_json(JsonWriter& j, const SolverInput& in) {
    j.key("variantResources").begin_array();
    for (const auto& path : in.variantResources) {
        j.begin_array();
        for (const auto& element : path) {
            j.begin_array();
            for (const VariantResource& v : element)
                write_json_record<VariantResourceImage>(j, v);
            j.end_array();
        }
        j.end_array();
    }
    j.end_array();
}

} // namespace

std::string dump_solver_input_as_json(const std::filesystem::path& path) {
    const SolverInput in = decode_solver_input(read_whole_file(path), path.string());
    JsonWriter j;
    j.begin_object();
    j.key("file").value("solver input file");
    solver_header_json(j, in.header);
    int_array(j, "opCount", in.opCounts);
    int_array(j, "chainsPerSubgraph", in.chainsPerSubgraph);
    j.key("subgraphPaths").begin_array();
    for (const auto& paths : in.subgraphPaths) {
        j.begin_array();
        for (const SolverPath& p : paths)
            solver_path_json(j, p);
        j.end_array();
    }
    j.end_array();
    j.key("topPaths").begin_array();
    for (const SolverPath& p : in.topPaths)
        solver_path_json(j, p);
    j.end_array();
    int_array(j, "thresholds", in.thresholds);
    j.key("subgraphs").begin_array();
    for (std::size_t k = 0; k < in.subgraphs.size(); ++k)
        solver_subgraph_json(j, in, k);
    j.end_array();
    resource_categories_json(j, in);
    variant_resources_json(j, in);
    j.key("shellFileName").value(in.shellFileName);
    j.end_object();
    return j.str() + "\n";
}

} // namespace zep
