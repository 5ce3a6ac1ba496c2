#include "task/task_dump.h"

#include "common/atomic_file.h"
#include "common/json_writer.h"
#include "common/workspace_layout.h"
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
    j.key("header").begin_object();
    j.key("taskCode").value(h.taskCode);
    j.key("taskName").value(h.taskName);
    j.key("minimisedParam").value(h.minimisedParam);
    j.key("chainCount").value(h.chainCount);
    j.key("nestedChainCount").value(h.nestedChainCount);
    j.key("timeUnit").value(h.timeUnit);
    j.key("costUnit").value(h.costUnit);
    j.key("boundUpper").value(h.boundUpper);
    j.key("boundLower").value(h.boundLower);
    j.key("roundingType").value(h.roundingType);
    j.key("tact").value(h.tact);
    j.key("scalingCoef").value(h.scalingCoef);
    j.key("thresholdCount").value(h.thresholdCount);
    j.key("secondLevelIterations").value(h.secondLevelIterations);
    j.key("iterationReductionCoef").value(h.iterationReductionCoef);
    j.key("costThreshold").value(h.costThreshold);
    j.key("hasUnavailableResources").value(h.hasUnavailableResources);
    j.key("resourceCategoryCount").value(h.resourceCategoryCount);
    j.key("decompositionMode").value(h.decompositionMode);
    j.key("allowedSubgraphCount").value(h.allowedSubgraphCount);
    j.key("maxQuantSteps").value(h.maxQuantSteps);
    j.key("subgraphNumbering").value(h.subgraphNumbering);
    j.key("criticalConversionMode").value(h.criticalConversionMode);
    j.key("subgraphCount").value(h.subgraphCount);
    j.key("maxPhaseStates").value(h.maxPhaseStates);
    j.end_object();
}

void element_json(JsonWriter& j, const PathElement& e) {
    j.key("chain").value(e.chain);
    j.key("op").value(e.op);
    j.key("count").value(e.count);
}

void path_json(JsonWriter& j, const PathInfo& p) {
    j.begin_object();
    j.key("elementCount").value(p.elementCount());
    j.key("prefixLength").value(p.prefixLength);
    j.key("suffixLength").value(p.suffixLength);
    j.key("elements").begin_array();
    for (const PathElement& e : p.elements) {
        j.begin_object();
        element_json(j, e);
        j.end_object();
    }
    j.end_array();
    j.end_object();
}

void chains_json(JsonWriter& j, const TaskRecord& rec) {
    j.key("chains").begin_array();
    for (const ChainRec& c : rec.chains) {
        j.begin_object();
        j.key("name").value(c.name);
        j.key("opCount").value(c.opCount);
        j.key("subgraphNo").value(c.subgraphNo);
        j.key("fromChain").value(c.fromChain);
        j.key("fromOp").value(c.fromOp);
        j.key("toChain").value(c.toChain);
        j.key("toOp").value(c.toOp);
        j.key("operations").begin_array();
        for (const OperationRec& op : c.operations) {
            j.begin_object();
            j.key("name").value(op.name);
            j.key("variantCount").value(op.variantCount);
            j.key("variants").begin_array();
            for (const VariantRec& v : op.variants) {
                j.begin_object();
                j.key("essence").value(v.essence);
                j.key("resourceCategory").value(v.resourceCategory);
                j.key("noSuspend").value(v.noSuspend);
                j.key("time").value(v.time);
                j.key("cost").value(v.cost);
                j.end_object();
            }
            j.end_array();
            j.key("mark").begin_object();
            j.key("variantIndex").value(op.mark.variantIndex);
            j.key("markCode").value(op.mark.markCode);
            j.end_object();
            j.end_object();
        }
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
        element_json(j, p.elements[i]);
        j.key("variants").begin_array();
        for (const VariantOut& v : p.variants[i]) {
            j.begin_object();
            j.key("time").value(v.time);
            j.key("cost").value(v.cost);
            j.key("discretised").value(v.discretised);
            j.end_object();
        }
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
        for (const ResourceInterval& i : intervals) {
            j.begin_object();
            j.key("start").value(i.start);
            j.key("finish").value(i.finish);
            j.key("startTacts").value(i.startTacts);
            j.key("finishTacts").value(i.finishTacts);
            j.end_object();
        }
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
    j.key("header").begin_object();
    j.key("chainCount").value(h.chainCount);
    j.key("nestedChainCount").value(h.nestedChainCount);
    j.key("minimisedParam").value(h.minimisedParam);
    j.key("roundingType").value(h.roundingType);
    j.key("scaledTact").value(h.scaledTact);
    j.key("scaledLevelTact").value(h.scaledLevelTact);
    j.key("thresholdCount").value(h.thresholdCount);
    j.key("secondLevelIterations").value(h.secondLevelIterations);
    j.key("thresholdStep").value(h.thresholdStep);
    j.key("scaledCostThreshold").value(h.scaledCostThreshold);
    j.key("scaledBaseCostTotal").value(h.scaledBaseCostTotal);
    j.key("hasUnavailableResources").value(h.hasUnavailableResources);
    j.key("resourceCategoryCount").value(h.resourceCategoryCount);
    j.key("subgraphCount").value(h.subgraphCount);
    j.end_object();
}

// Subgraph k: its record, the elements that refer to it and its time levels.
void solver_subgraph_json(JsonWriter& j, const SolverInput& in, std::size_t k) {
    const SubgraphSolverRec& s = in.subgraphs[k];
    j.begin_object();
    j.key("costBase").value(s.costBase);
    j.key("levelCount").value(s.levelCount);
    j.key("refCount").value(s.refCount);
    j.key("refs").begin_array();
    for (const SubgraphRef& r : in.subgraphRefs[k]) {
        j.begin_object();
        j.key("owner").value(r.owner);
        j.key("pathIndex").value(r.pathIndex);
        j.key("elementIndex").value(r.elementIndex);
        j.end_object();
    }
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
        for (const auto& [start, finish] : intervals) {
            j.begin_object();
            j.key("startTacts").value(start);
            j.key("finishTacts").value(finish);
            j.end_object();
        }
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
            for (const VariantResource& v : element) {
                j.begin_object();
                j.key("resourceCategory").value(v.resourceCategory);
                j.key("noSuspend").value(v.noSuspend);
                j.end_object();
            }
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
