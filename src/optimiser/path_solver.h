#pragma once
// The optimisation of one path over its phase states (see path_problem.h for the method's terms).
//
// The phase-state graph is never built as arc records. Every arc of stage b (b elements passed) leads
// to stage b + 1, which the same cycle has already updated, so the states of one stage are independent
// within a cycle: for each variant the arcs over consecutive resource values a read consecutive target
// states, and the cycle is a few contiguous loops per stage. The arithmetic of every arc and state is
// the method's own, in its order, and ties keep the first arc in variant order; the results (optimal
// value, cycle count, chosen options, trace) equal those of a walk over arc records bit for bit.
//
// The values of a cycle do not depend on the options chosen in it, so the loops only keep the smallest
// value per state; the option of a state is found again from the last cycle's values when the trace
// (or a caller) needs it.
#include "optimiser/path_problem.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace zep {

// Progress of one path optimisation; every call comes from the solving thread.
class PathProgress {
public:
    virtual ~PathProgress() = default;
    virtual void phase_states(std::int64_t count) {} // the graph is laid out: L states
    virtual void initialised() {}                    // values set to zero, the cycles begin
    virtual void cycle_done(std::int32_t cycle) {}   // after every cycle (a cheap call: throttle here)
};

// Thrown for a problem the method cannot take (a negative threshold or a state space too large to hold).
class PathProblemError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A path solver keeps its buffers between calls: solving many paths allocates only when a path needs
// more room than the ones before it. It keeps no reference to a problem: what it needs of one (weights,
// values, the arcs' targets) is copied by solve, so a problem may be a temporary.
class PathSolver {
public:
    // Refuses more states than this (the task entry keeps tasks far below it).
    static constexpr std::int64_t kMaxPhaseStates = 2'000'000;

    const PathResult& solve(const PathProblem& problem, const IterationParams& params,
                            PathProgress* progress = nullptr);

    // After solve: the option chosen for every state in the last cycle, as arc ids (state 0: 1), and
    // the values of the last cycle.
    std::vector<std::int32_t> chosen_options() const;
    std::span<const double> values() const { return {newValues_, static_cast<std::size_t>(L_)}; }

private:
    struct Choice {
        std::int32_t arcId = 0;
        std::int32_t element = 0;
        std::int32_t variant = 0;
    };

    void lay_out(const PathProblem& problem);
    void size_stages(const PathProblem& problem);
    double flatten_variants(const PathProblem& problem); // returns the upper bound UB
    void find_fitting_variants();
    void clear_values();
    void tabulate_targets(const PathProblem& problem);
    // One cycle: the new values of every state, stage by stage from the end.
    void run_cycle(double u);
    void update_last_stage(double u, double negOmegaU);
    void smallest_fixed_arcs(std::int64_t b, std::size_t n);
    void smallest_elapsed_arcs(std::int64_t b, std::size_t n);
    bool exceeds_stop_criterion() const;
    Choice choose(std::int64_t b, std::int64_t a) const;
    void trace();
    // The resource value a + d that variant v (0-based) of stage b reaches from a, or -1 when it does
    // not fit (d < 0 or a + d > T).
    std::int64_t fitting_target(std::int64_t b, std::size_t v, std::int64_t a) const;

    std::int64_t stage_base(std::int64_t b) const { return b == 0 ? L_ - 1 : 1 + (E_ - b) * (T_ + 1); }
    std::int64_t stage_size(std::int64_t b) const { return b == 0 ? 1 : T_ + 1; }

    IterationParams params_;
    PathResult result_;

    std::int64_t E_ = 0, T_ = 0, L_ = 0;
    bool unavailable_ = false;
    // The weight of the arc a state without a fitting variant has to itself: 2 × UB, twice the sum of
    // every element's largest weight. No route that keeps within the threshold costs more than UB, so a
    // route over such a state never wins while a fitting one exists; where none exists, its value grows
    // by 2 × ω × UB a cycle and the path ends above 1.1 × UB, refused as unable to keep within T.
    double selfArcWeight_ = 0;
    double omega_ = 0, invOmega_ = 0, unrelax_ = 0, keep_ = 0;

    // Per element: weights and discretised values in variant order, flattened.
    std::vector<std::size_t> variantBegin_; // E + 1 offsets
    std::vector<double> weight_;
    std::vector<std::int64_t> value_;
    // Without unavailable resources: per element the variants that fit somewhere, in order, and the
    // number of leading states where all of them fit.
    std::vector<std::size_t> fittingBegin_;
    std::vector<std::int64_t> fittingValue_;
    std::vector<double> fittingWeight_;
    std::vector<std::size_t> allFit_;
    // With unavailable resources: per element, variant and start a, the target resource a + d of the
    // arc, or the sentinel T + 1 when the variant does not fit; and per element and a, the first
    // variant that fits (-1: none).
    std::vector<std::int32_t> target_;
    std::vector<std::int32_t> firstFit_;

    std::vector<double> bufferA_, bufferB_;
    double* oldValues_ = nullptr;
    double* newValues_ = nullptr;
    // Per cycle and stage: the scaled values of the target stage and the smallest arc value per state.
    std::vector<double> scaledNew_, scaledOld_, best_;
};

} // namespace zep
