#include "views/schedule.h"

#include "views/longest_path.h"
#include "views/resource_schedule.h"
#include "views/slack_step.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace zep {
namespace {

Schedule chosen_operations(const TaskRecord& rec, const Solution& solution, int run) {
    Schedule s;
    const VariantChoices& choices = solution.variantChoice[run];
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        ChainSchedule ch;
        if (run < static_cast<int>(solution.cycleCounts.size()) && c < solution.cycleCounts[run].size())
            ch.cycles = solution.cycleCounts[run][c];
        for (std::size_t k = 0; k < rec.chains[c].operations.size(); ++k) {
            const OperationRef at{static_cast<int>(c) + 1, static_cast<int>(k) + 1};
            OperationSchedule op;
            op.variant = chosen_variant_number(choices, at);
            if (const VariantRec* v = chosen_variant(rec, choices, at)) {
                op.netTime = v->time;
                op.duration = v->time;
                op.cost = v->cost;
            }
            ch.cost += op.cost;
            ch.operations.push_back(op);
        }
        s.chains.push_back(std::move(ch));
    }
    for (const ChainSchedule& ch : s.chains)
        for (const OperationSchedule& op : ch.operations)
            s.totalCost += op.cost;
    return s;
}

void finish_chains(Schedule& s) {
    for (ChainSchedule& ch : s.chains)
        if (!ch.operations.empty())
            ch.finish = ch.operations.back().start + ch.operations.back().duration;
}

// Chains from the last to the first, so that a nested chain (they come last) is done before the chain
// it enters.
void start_from_chain_times(const TaskRecord& rec, const Solution& solution, int run, Schedule& s) {
    const double scaling = rec.header.scalingCoef;
    const int n = static_cast<int>(s.chains.size());
    for (int c = n - 1; c >= 0; --c) {
        ChainSchedule& ch = s.chains[c];
        if (ch.operations.empty())
            continue;
        double start = 0;
        if (run < static_cast<int>(solution.chainTimes.size()) &&
            c < static_cast<int>(solution.chainTimes[run].size()))
            start = solution.chainTimes[run][c] / scaling;
        for (int k = 0; k < static_cast<int>(ch.operations.size()); ++k) {
            if (k > 0) {
                start = ch.operations[k - 1].start + ch.operations[k - 1].duration;
                for (int j = c + 1; j < n; ++j) {
                    const ChainRec& other = rec.chains[j];
                    if (other.toChain == c + 1 && other.toOp == k && !s.chains[j].operations.empty())
                        start = std::max(start, s.chains[j].finish);
                }
            }
            ch.operations[k].start = start;
        }
        ch.finish = ch.operations.back().start + ch.operations.back().duration;
    }
}

void start_along_paths(const ResourceSchedule& graph, Schedule& s) {
    const ResourceSchedule::Moments m = graph.moments({}, 0);
    for (std::size_t c = 0; c < s.chains.size(); ++c)
        for (std::size_t k = 0; k < s.chains[c].operations.size(); ++k) {
            const int e = graph.own_element(static_cast<int>(c) + 1, static_cast<int>(k) + 1);
            if (e < 0)
                continue;
            s.chains[c].operations[k].start = m.start[c][e];
            s.chains[c].operations[k].duration = m.duration[c][e];
        }
    finish_chains(s);
    s.graphTime = m.completion;
}

} // namespace

Schedule compute_schedule(const TaskRecord& rec, const Solution& solution, int run, SlackMethod method) {
    if (run < 0 || run >= static_cast<int>(solution.variantChoice.size()))
        throw std::out_of_range("no computation variant " + std::to_string(run + 1) + " in the solution");
    Schedule s = chosen_operations(rec, solution, run);
    const VariantChoices& choices = solution.variantChoice[run];

    std::unique_ptr<DelayedCompletion> graph;
    if (rec.header.has_unavailable_resources()) {
        auto resources = std::make_unique<ResourceSchedule>(rec, choices);
        start_along_paths(*resources, s);
        graph = std::move(resources);
    } else {
        start_from_chain_times(rec, solution, run, s);
        if (run < static_cast<int>(solution.graphTimes.size()))
            s.graphTime = solution.graphTimes[run] / rec.header.scalingCoef;
        graph = std::make_unique<LongestPath>(rec, choices);
    }

    s.slackStep = slack_step(s.graphTime);
    s.completion = graph->completion({}, 0).completion;
    const SlackSearch search(*graph, s.completion, s.slackStep);
    for (std::size_t c = 0; c < s.chains.size(); ++c)
        for (std::size_t k = 0; k < s.chains[c].operations.size(); ++k) {
            OperationSchedule& op = s.chains[c].operations[k];
            op.slack = search.slack({static_cast<int>(c) + 1, static_cast<int>(k) + 1}, method);
            op.latestStart = op.start + op.slack;
        }
    return s;
}

} // namespace zep
