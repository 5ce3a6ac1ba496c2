#include "optimiser/literal_path_solver.h"

#include "optimiser/elapsed_time.h"

#include <cmath>

namespace zep::reference {
namespace {

// The phase-state graph as records: arcs of a state are contiguous, in creation order.
struct Graph {
    std::int64_t E = 0, T = 0, L = 0;
    std::vector<std::vector<std::int64_t>> lookup; // [a + 1][b + 1] -> state number
    std::vector<Arc> arcs;
    std::vector<std::int64_t> firstArc; // per state; -1 without arcs
    double upperBound = 0;
};

std::int64_t consumed(const PathProblem& p, const PathVariant& v, std::int64_t a) {
    if (!p.hasUnavailableResources)
        return v.value;
    return elapsed_time(intervals_of(p, v.resourceCategory), a, v.value, v.noSuspend == 1);
}

Graph build(const PathProblem& p) {
    Graph g;
    g.E = static_cast<std::int64_t>(p.elements.size());
    g.T = p.threshold;
    g.L = g.E * (g.T + 1) + 2;
    g.lookup.assign(static_cast<std::size_t>(g.T + 2), std::vector<std::int64_t>(g.E + 2, 0));
    // Number the states: (0, E) .. (T, E), then stage E - 1, .. down to (T, 1); the start is last.
    std::int64_t n = 1;
    for (std::int64_t b = g.E; b >= 1; --b)
        for (std::int64_t a = 0; a <= g.T; ++a)
            g.lookup[a + 1][b + 1] = n++;
    g.lookup[1][1] = g.L - 1;

    for (const auto& variants : p.elements) {
        if (variants.empty())
            continue;
        double largest = variants[0].weight;
        for (const auto& v : variants)
            if (v.weight > largest)
                largest = v.weight;
        g.upperBound += largest;
    }

    // State of each number, to build the arcs in state-number order.
    std::vector<std::pair<std::int64_t, std::int64_t>> stateOf(static_cast<std::size_t>(g.L), {-1, -1});
    for (std::int64_t b = 0; b <= g.E; ++b)
        for (std::int64_t a = 0; a <= (b == 0 ? 0 : g.T); ++a)
            stateOf[g.lookup[a + 1][b + 1]] = {a, b};

    g.arcs.reserve(100);
    g.firstArc.assign(static_cast<std::size_t>(g.L), -1);
    auto add = [&](std::int64_t state, std::int32_t element, std::int32_t variant, std::int64_t target,
                   double weight) {
        std::int64_t first = g.firstArc[state];
        std::int32_t id = -1;
        if (first < 0) {
            g.firstArc[state] = static_cast<std::int64_t>(g.arcs.size());
        } else {
            id = -(g.arcs[first].arcCount + 1);
        }
        g.arcs.push_back({state, id, 0, element, variant, target, weight});
        ++g.arcs[g.firstArc[state]].arcCount;
    };
    for (std::int64_t k = 1; k < g.L; ++k) {
        auto [a, b] = stateOf[k];
        if (b < g.E) {
            const auto e = static_cast<std::int32_t>(b + 1);
            const auto& variants = p.elements[b];
            bool added = false;
            for (std::size_t v = 0; v < variants.size(); ++v) {
                std::int64_t d = consumed(p, variants[v], a);
                if (d >= 0 && a + d <= g.T) {
                    add(k, e, static_cast<std::int32_t>(v + 1), g.lookup[a + d + 1][b + 2],
                        variants[v].weight);
                    added = true;
                }
            }
            if (!added)
                add(k, e, 0, k, 2 * g.upperBound);
        } else {
            add(k, 0, 0, 1, 0.0);
        }
    }
    return g;
}

} // namespace

LiteralOutcome solve_path_literally(const PathProblem& problem, const IterationParams& params) {
    LiteralOutcome out;
    PathResult& r = out.result;
    Graph g = build(problem);
    out.arcCount = static_cast<std::int64_t>(g.arcs.size());
    r.phaseStates = g.L;
    r.upperBound = g.upperBound;

    const double omega = params.relaxationCoef;
    const double eps = params.stopCriterion;
    const std::int32_t m = params.stopCheckSparsity;
    const std::int32_t N = params.iterationLimit;
    const auto L = static_cast<std::size_t>(g.L);

    std::vector<double> vOld(L, 0.0), vNew(L, 0.0);
    std::vector<std::int32_t> option(L, 0);
    std::int32_t i = 0, j = 1;
    double u = 0;
    for (;;) {
        u = vOld[L - 1];
        vNew[0] = 0;
        option[0] = 1;
        for (std::size_t k = 1; k < L; ++k) {
            const std::int64_t first = g.firstArc[k];
            if (first < 0) {
                r.iterationCode = PathCode::NoAdmissibleVariant;
                r.cycles = i;
                out.chosenOptions = option;
                out.values = vNew;
                return out;
            }
            double smallest = 0;
            std::int32_t kept = 0;
            for (std::int32_t n = 0; n < g.arcs[first].arcCount; ++n) {
                const Arc& arc = g.arcs[first + n];
                const auto t = static_cast<std::size_t>(arc.target);
                double value = (1 / omega) * vNew[t] + arc.weight - (1 / omega - 1) * vOld[t];
                if (n == 0 || value < smallest) {
                    smallest = value;
                    kept = arc.id;
                }
            }
            double best = smallest + u;
            vNew[k] = -omega * u + (1 - omega) * vOld[k] + omega * best;
            option[k] = kept;
        }
        ++i;
        if (j == m) {
            bool exceeded = false;
            for (std::size_t k = 0; k < L; ++k) {
                if (std::abs(vNew[k] - vOld[k]) / (std::abs(vNew[k] + vOld[k]) / 2 + 1e-10) > eps) {
                    exceeded = true;
                    break;
                }
            }
            if (!exceeded)
                break;
            if (i < N) {
                j = 1;
                vOld = vNew;
                continue;
            }
            r.iterationCode = PathCode::IterationLimit;
            r.cycles = i;
            out.chosenOptions = option;
            out.values = vNew;
            return out;
        }
        ++j;
        vOld = vNew;
    }
    r.cycles = i;
    r.converged = true;
    r.optimalValue = u;
    out.chosenOptions = option;
    out.values = vNew;
    if (1.1 * g.upperBound < u) {
        r.iterationCode = PathCode::ExceedsUpperBound;
        return out;
    }

    // Trace from the start state.
    std::int64_t state = g.L - 1;
    std::int64_t a = 0;
    for (std::int64_t pos = 1; pos <= g.E; ++pos) {
        const std::int32_t o = option[state];
        if (o >= 0) {
            r.traceCode = PathCode::NoRoute;
            r.brokenOption = o;
            break;
        }
        const std::int64_t first = g.firstArc[state];
        const Arc* arc = nullptr;
        for (std::int32_t n = 0; n < g.arcs[first].arcCount; ++n)
            if (g.arcs[first + n].id == o)
                arc = &g.arcs[first + n];
        r.trace.push_back({arc->element, arc->variant});
        std::int64_t d = 0;
        if (arc->variant > 0) {
            d = consumed(problem, problem.elements[pos - 1][arc->variant - 1], a);
        } else {
            r.traceCode = PathCode::NoAdmissibleVariant;
            r.elementsWithoutVariant.push_back(arc->element);
        }
        if (pos == g.E)
            break;
        a += d;
        state = g.lookup[a + 1][pos + 1];
    }
    return out;
}

} // namespace zep::reference
