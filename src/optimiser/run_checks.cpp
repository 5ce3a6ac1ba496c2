#include "optimiser/run_checks.h"

#include "common/byte_codec.h"
#include "optimiser/path_solver.h"
#include "optimiser/task_optimiser.h"

namespace zep {
namespace {

// Counts beyond these are damage, not a task: the layout of a refusal's file does not follow them.
constexpr std::int32_t kLayoutLimit = 1000;

} // namespace

SolverInputHead read_solver_input_head(std::span<const std::uint8_t> data) {
    SolverInputHead head;
    if (data.size() < SolverHeaderImage::size)
        return head;
    using I = SolverHeaderImage;
    ByteReader headerBytes(data, "");
    const SolverHeader h = read_record<SolverHeaderImage>(headerBytes);
    head.header = h;

    if (h.chainCount < 0 || h.chainCount > kLayoutLimit ||
        data.size() < I::size + static_cast<std::size_t>(h.chainCount) * 4)
        return head;
    ByteReader r(data.subspan(I::size), "");
    std::vector<std::int32_t> ops;
    for (std::int32_t c = 0; c < h.chainCount; ++c) {
        const std::int32_t n = r.i32();
        if (n < 0 || n > kLayoutLimit)
            return head;
        ops.push_back(n);
    }
    head.opCounts = std::move(ops);
    return head;
}

std::optional<std::string> run_check_refusal(const SolverHeader& h, const IterationParams& p,
                                             const RunTexts& t) {
    if (!(h.chainCount >= 1 && h.chainCount <= 10))
        return t.chain_count_refused(h.chainCount);
    if (!(h.minimisedParam == 0 || h.minimisedParam == 1))
        return t.minimised_param_refused(h.minimisedParam);
    if (!(h.scaledTact >= 1e-5 && h.scaledTact <= 1000000))
        return t.scaled_tact_refused(h.scaledTact);
    if (!(h.thresholdCount >= 1 && h.thresholdCount <= 10))
        return t.threshold_count_refused(h.chainCount, h.thresholdCount);
    // The parameters in the order the module has always checked them (not the table's).
    for (RunParameterId id : {kRelaxationCoef, kStopCheckSparsity, kIterationLimit, kStopCriterion})
        if (!kRunParameters[id].run.admits(p[id]))
            return t.parameter_refused(id, p[id]);
    return std::nullopt;
}

namespace {

std::optional<std::string> threshold_fault(const std::vector<SolverPath>& paths, std::int32_t T,
                                           const std::string& what) {
    if (T < 0)
        return what + " is negative (" + std::to_string(T) + ")";
    for (const SolverPath& p : paths)
        if (phase_state_count(static_cast<std::int64_t>(p.elements.size()), T) > PathSolver::kMaxPhaseStates)
            return what + " (" + std::to_string(T) + ") gives a path more than " +
                   std::to_string(PathSolver::kMaxPhaseStates) + " phase states";
    return std::nullopt;
}

} // namespace

std::optional<std::string> unsolvable_reason(const SolverInput& in) {
    for (std::size_t s = 0; s < in.subgraphPaths.size(); ++s)
        for (std::size_t k = 0; k < in.timeLevels[s].size(); ++k)
            if (auto f = threshold_fault(in.subgraphPaths[s], in.timeLevels[s][k],
                                         "time level " + std::to_string(k + 1) + " of nested subgraph " +
                                             std::to_string(s + 1)))
                return f;
    for (std::size_t k = 0; k < in.thresholds.size(); ++k)
        if (auto f = threshold_fault(in.topPaths, in.thresholds[k], "threshold " + std::to_string(k + 1)))
            return f;
    if (second_level_mode(in)) {
        const SolverHeader& h = in.header;
        if (in.thresholds.size() < 2 || in.thresholds[0] > in.thresholds[1])
            return std::string("the bounds of the second-level search are out of order");
        if (h.thresholdStep < 1)
            return "the threshold step of the second-level search is " + std::to_string(h.thresholdStep);
        if (h.secondLevelIterations < 1 || h.secondLevelIterations > kMaxSecondLevelIterations)
            return "the number of second-level iterations is " + std::to_string(h.secondLevelIterations);
    } else if (in.thresholds.size() != static_cast<std::size_t>(in.header.thresholdCount)) {
        return std::string("the threshold list does not match the threshold count");
    }
    return std::nullopt;
}

std::optional<SolutionShape> refusal_shape(const SolverInputHead& head) {
    if (!head.header || !head.opCounts || head.opCounts->empty())
        return std::nullopt;
    const SolverHeader& h = *head.header;
    if (h.thresholdCount < 1 || h.thresholdCount > kLayoutLimit ||
        (h.hasUnavailableResources != 0 && h.hasUnavailableResources != 1))
        return std::nullopt;
    for (std::int32_t n : *head.opCounts)
        if (n < 1)
            return std::nullopt;
    SolutionShape shape;
    shape.runs = h.thresholdCount;
    shape.opCounts = *head.opCounts;
    shape.hasUnavailableResources = h.has_unavailable_resources();
    return shape;
}

} // namespace zep
