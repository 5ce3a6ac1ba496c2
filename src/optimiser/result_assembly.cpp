#include "optimiser/result_assembly.h"

#include <algorithm>

namespace zep {
namespace {

// The traced variant number of element e of path p of a run, 0 when the trace did not reach it.
std::int32_t traced(const RunRecord& run, std::size_t p, std::size_t e) {
    if (p >= run.paths.size() || e >= run.paths[p].trace.size())
        return 0;
    return run.paths[p].trace[e].variant;
}

bool is_subgraph_ref(const PathElement& el, std::int32_t S) {
    return el.op < 0 && subgraph_index_of(el.op) < S;
}

struct Assembly {
    const SolverInput& in;
    const std::vector<std::vector<RunRecord>>& subgraphRuns;
    const RunRecord& top;
    std::int32_t S;
    std::vector<std::int32_t> level; // chosen level per subgraph, 1-based; 0 none

    // The run of subgraph s at its chosen level, if there is one.
    const RunRecord* level_run(std::int32_t s) const {
        const std::int32_t l = level[static_cast<std::size_t>(s)];
        const auto& runs = subgraphRuns[static_cast<std::size_t>(s)];
        if (l < 1 || static_cast<std::size_t>(l) > runs.size())
            return nullptr;
        return &runs[static_cast<std::size_t>(l - 1)];
    }

    void choose_levels() {
        level.assign(static_cast<std::size_t>(S), 0);
        for (std::size_t p = 0; p < in.topPaths.size(); ++p)
            for (std::size_t e = 0; e < in.topPaths[p].elements.size(); ++e)
                if (is_subgraph_ref(in.topPaths[p].elements[e], S))
                    level[subgraph_index_of(in.topPaths[p].elements[e].op)] = traced(top, p, e);
        // An enclosing subgraph has the larger number: its level is known before its inner ones'.
        for (std::int32_t s = S - 1; s >= 0; --s) {
            const RunRecord* run = level_run(s);
            if (!run)
                continue;
            const auto& paths = in.subgraphPaths[static_cast<std::size_t>(s)];
            for (std::size_t p = 0; p < paths.size(); ++p)
                for (std::size_t e = 0; e < paths[p].elements.size(); ++e)
                    if (is_subgraph_ref(paths[p].elements[e], S))
                        level[subgraph_index_of(paths[p].elements[e].op)] = traced(*run, p, e);
        }
    }

    void take_choices(const std::vector<SolverPath>& paths, const RunRecord& run,
                      std::vector<std::vector<std::int32_t>>& choice, std::vector<std::int32_t>& cycles,
                      std::vector<bool>& counted) const {
        for (std::size_t p = 0; p < paths.size(); ++p) {
            const auto& elements = paths[p].elements;
            const std::size_t reached =
                p < run.paths.size() ? std::min(elements.size(), run.paths[p].trace.size()) : 0;
            for (std::size_t e = 0; e < reached; ++e) {
                const PathElement& el = elements[e];
                if (el.op < 1)
                    continue;
                const auto c = static_cast<std::size_t>(el.chain - 1);
                choice[c][static_cast<std::size_t>(el.op - 1)] = run.paths[p].trace[e].variant;
                if (!counted[c]) {
                    counted[c] = true;
                    cycles[c] = run.paths[p].cycles;
                }
            }
        }
    }
};

// The scaled time an element adds along a path under the run's final choices.
double element_time(const SolverPath& path, std::size_t e,
                    const std::vector<std::vector<std::int32_t>>& choice, const std::vector<double>& duration,
                    std::int32_t S) {
    const PathElement& el = path.elements[e];
    if (el.op > 0) {
        const std::int32_t v =
            choice[static_cast<std::size_t>(el.chain - 1)][static_cast<std::size_t>(el.op - 1)];
        const auto& block = path.variants[e];
        if (v < 1 || static_cast<std::size_t>(v) > block.size())
            return 0;
        return block[static_cast<std::size_t>(v - 1)].time;
    }
    if (is_subgraph_ref(el, S))
        return duration[subgraph_index_of(el.op)];
    return 0;
}

// The duration of every subgraph under the chosen variants, in subgraph index order: an inner subgraph
// has the smaller number, so its duration is known when an enclosing one needs it.
std::vector<double> subgraph_durations(const SolverInput& in,
                                       const std::vector<std::vector<std::int32_t>>& choice) {
    const auto S = static_cast<std::int32_t>(in.subgraphPaths.size());
    std::vector<double> duration(static_cast<std::size_t>(S), 0.0);
    for (std::int32_t s = 0; s < S; ++s) {
        double longest = 0;
        const auto& paths = in.subgraphPaths[static_cast<std::size_t>(s)];
        for (std::size_t p = 0; p < paths.size(); ++p) {
            double acc = 0;
            for (std::size_t e = 0; e < paths[p].elements.size(); ++e)
                acc += element_time(paths[p], e, choice, duration, S);
            if (p == 0 || acc > longest)
                longest = acc;
        }
        duration[static_cast<std::size_t>(s)] = longest;
    }
    return duration;
}

// Start moments: the top-level paths first, then the subgraphs from the outermost in; a chain's time
// is set by every path element that is its first operation, the last one staying. Returns the graph's
// time, that of its longest top-level path.
double set_chain_times(const SolverInput& in, const std::vector<std::vector<std::int32_t>>& choice,
                       const std::vector<double>& duration, std::vector<double>& chainTimes) {
    const auto S = static_cast<std::int32_t>(in.subgraphPaths.size());
    std::fill(chainTimes.begin(), chainTimes.end(), 0.0);
    std::vector<double> start(static_cast<std::size_t>(S), 0.0);
    double graphTime = 0;
    // The length of the path; a subgraph's path counts its moments from `ownerStart`, its subgraph's start.
    enum class PathLevel { Top, Subgraph };
    auto walk = [&](const SolverPath& path, double ownerStart, PathLevel level) {
        const bool topLevel = level == PathLevel::Top;
        double acc = 0;
        for (std::size_t e = 0; e < path.elements.size(); ++e) {
            const PathElement& el = path.elements[e];
            if (el.op == 1)
                chainTimes[static_cast<std::size_t>(el.chain - 1)] = topLevel ? acc : acc + ownerStart;
            if (is_subgraph_ref(el, S)) {
                double& s = start[subgraph_index_of(el.op)];
                s = std::max(s, topLevel ? acc : acc + ownerStart);
            }
            acc += element_time(path, e, choice, duration, S);
        }
        return acc;
    };
    for (std::size_t p = 0; p < in.topPaths.size(); ++p) {
        const double length = walk(in.topPaths[p], 0.0, PathLevel::Top);
        if (p == 0 || length > graphTime)
            graphTime = length;
    }
    for (std::int32_t s = S - 1; s >= 0; --s)
        for (const SolverPath& path : in.subgraphPaths[static_cast<std::size_t>(s)])
            walk(path, start[static_cast<std::size_t>(s)], PathLevel::Subgraph);
    return graphTime;
}

} // namespace

void assemble_run(const SolverInput& in, const std::vector<std::vector<RunRecord>>& subgraphRuns,
                  const RunRecord& top, std::size_t k, Solution& out) {
    const auto S = static_cast<std::int32_t>(in.subgraphPaths.size());
    Assembly a{in, subgraphRuns, top, S, {}};
    a.choose_levels();

    auto& choice = out.variantChoice[k];
    auto& cycles = out.cycleCounts[k];
    for (auto& chain : choice)
        std::fill(chain.begin(), chain.end(), 0);
    std::fill(cycles.begin(), cycles.end(), 0);
    std::vector<bool> counted(cycles.size(), false);
    for (std::int32_t s = 0; s < S; ++s)
        if (const RunRecord* run = a.level_run(s))
            a.take_choices(in.subgraphPaths[static_cast<std::size_t>(s)], *run, choice, cycles, counted);
    a.take_choices(in.topPaths, top, choice, cycles, counted);

    if (in.header.has_unavailable_resources() || k >= out.chainTimes.size())
        return;
    const std::vector<double> duration = subgraph_durations(in, choice);
    out.graphTimes[k] = set_chain_times(in, choice, duration, out.chainTimes[k]);
}

} // namespace zep
