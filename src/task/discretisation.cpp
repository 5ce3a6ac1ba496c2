#include "task/discretisation.h"

#include "task/graph_access.h"
#include "task/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace zep {
namespace {

int largest_path_length(const TaskRecord& rec) {
    int longest = 0;
    for (const auto& paths : rec.subgraphPaths)
        for (const PathInfo& p : paths)
            longest = std::max(longest, p.elementCount());
    for (const PathInfo& p : rec.chainPaths)
        longest = std::max(longest, p.elementCount());
    return longest;
}

void bring_bounds_to_tacts(TaskRecord& rec) {
    TaskHeader& h = rec.header;
    h.boundLower = h.boundUpper = 0;
    const bool cost = discretised_parameter(rec) == DiscretisedParam::Cost;
    for (int c = 1; c <= rec.workingChainCount; ++c) {
        if (!is_top_level_chain(rec, c) || c > static_cast<int>(rec.pathTimeMin.size()))
            continue;
        const double pmin = cost ? rec.pathCostMin[c - 1] : rec.pathTimeMin[c - 1];
        const double pmax = cost ? rec.pathCostMax[c - 1] : rec.pathTimeMax[c - 1];
        h.boundLower = std::max(h.boundLower, round_to_steps(rounding_type(h), h.tact, pmin) * h.tact);
        h.boundUpper = std::max(h.boundUpper, round_to_steps(rounding_type(h), h.tact, pmax) * h.tact);
    }
}

// The tact of the subgraph time levels. When the cost is discretised the time levels are brought to a
// comparable number of steps; a graph without costs (nothing to compare with) takes the floor, 1.
double level_tact(const TaskRecord& rec) {
    if (discretised_parameter(rec) != DiscretisedParam::Cost)
        return rec.header.tact;
    const double t = rec.header.tact * rec.graphTimeMax / rec.graphCostMax * 1.01;
    return std::isfinite(t) && t >= 1.0 ? t : 1.0;
}

void build_time_levels(TaskRecord& rec) {
    const int subgraphs = active_subgraph_count(rec);
    const RoundingType rounding = rounding_type(rec.header);
    rec.timeLevels.assign(subgraphs, {});
    for (int k = 0; k < subgraphs; ++k) {
        SubgraphSummary& s = rec.subgraphSummaries[k];
        std::vector<int>& levels = rec.timeLevels[k];
        if (s.critical) {
            s.levelCount = 1;
            levels.push_back(round_to_steps(rounding, rec.levelTact, s.timeMin));
            continue;
        }
        const int n = rec.header.maxQuantSteps;
        const double step = n > 1 ? (s.timeMax - s.timeMin) / (n - 1) : 0.0;
        for (int q = 0; q < std::max(n, 1); ++q) {
            const int level = round_to_steps(rounding, rec.levelTact, s.timeMin + q * step);
            if (levels.empty() || level > levels.back())
                levels.push_back(level);
        }
        s.levelCount = static_cast<int>(levels.size());
    }
}

void set_reference_counts(TaskRecord& rec) {
    auto set = [&](PathInfo& path) {
        for (PathElement& e : path.elements) {
            if (e.op < 0)
                e.count = rec.subgraphSummaries[subgraph_index_of(e.op)].levelCount;
            else if (e.op == 0)
                e.count = 1;
        }
    };
    for (auto& paths : rec.subgraphPaths)
        for (PathInfo& p : paths)
            set(p);
    for (int c = 1; c <= static_cast<int>(rec.chainPaths.size()); ++c)
        if (is_top_level_chain(rec, c))
            set(rec.chainPaths[c - 1]);
}

std::vector<ThresholdCandidate> threshold_candidates(const TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    std::vector<ThresholdCandidate> out;
    // w grows by repeated additions of the tact, which may end a hair above the upper bound: a
    // hundredth of a tact lets the bound itself be listed.
    for (double w = h.boundLower; w <= h.boundUpper + 0.01 * h.tact; w += h.tact) {
        const double value = round_to_cents(w);
        const int tacts = round_to_steps(rounding_type(h), h.tact, value);
        const bool checked =
            std::find(rec.thresholds.begin(), rec.thresholds.end(), tacts) != rec.thresholds.end();
        out.push_back({value, checked});
    }
    return out;
}

} // namespace

DiscretisationResult discretise(TaskRecord& rec, double tact, double scalingCoef, int roundingType) {
    DiscretisationResult result;
    TaskHeader& h = rec.header;
    const double newTact = round_to_cents(tact);
    if (!(newTact > 0))
        throw std::invalid_argument("a tact must be positive");
    h.roundingType = roundingType;
    // Both tacts have two decimals: a difference of 0.0001 or more is a changed tact, a smaller one the
    // binary noise of the same value.
    if (std::fabs(newTact - h.tact) >= 0.0001) {
        result.thresholdsDropped = true;
        rec.thresholds.clear();
        h.thresholdCount = 0;
    }
    h.tact = newTact;
    h.scalingCoef = round_to_cents(scalingCoef);

    bring_bounds_to_tacts(rec);

    const double estimate =
        static_cast<double>(largest_path_length(rec)) * (round_half_even(h.boundUpper / h.tact) + 1) + 2;
    constexpr int kIntMax = std::numeric_limits<int>::max();
    h.maxPhaseStates = estimate < static_cast<double>(kIntMax) ? static_cast<int>(estimate) : kIntMax;
    if (estimate > kMaxPhaseStates) {
        TaskRefusalValue r{TaskRefusal::TooManyPhaseStates};
        r.value = estimate;
        r.limit = kMaxPhaseStates;
        result.outcome = r;
        return result;
    }

    rec.levelTact = level_tact(rec);
    if (active_subgraph_count(rec) > 0)
        build_time_levels(rec);
    if (decomposition_mode(rec.header) == Decomposition::NestedSubgraphs)
        set_reference_counts(rec);
    result.candidates = threshold_candidates(rec);
    return result;
}

int threshold_in_tacts(const TaskRecord& rec, double value) {
    return round_to_steps(rounding_type(rec.header), rec.header.tact, value);
}

void store_thresholds(TaskRecord& rec, const std::vector<double>& chosenValues) {
    rec.thresholds.clear();
    for (double v : chosenValues)
        rec.thresholds.push_back(threshold_in_tacts(rec, v));
    rec.header.thresholdCount = static_cast<int>(rec.thresholds.size());
}

void store_second_level_thresholds(TaskRecord& rec) {
    rec.thresholds = {threshold_in_tacts(rec, rec.graphTimeMin), threshold_in_tacts(rec, rec.graphTimeMax)};
    rec.header.thresholdCount = 1;
}

void store_interval_tacts(TaskRecord& rec) {
    for (auto& category : rec.resourceIntervals) {
        for (ResourceInterval& in : category) {
            in.startTacts = threshold_in_tacts(rec, in.start);
            in.finishTacts =
                !is_unbounded_finish(in.finish) ? threshold_in_tacts(rec, in.finish) : kUnboundedFinishTacts;
        }
    }
}

} // namespace zep
