#include "optimiser/path_solver.h"

#include "optimiser/elapsed_time.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zep {
namespace {

// The loops are compiled for the wider vector units too and the best one is picked when the program
// starts; every lane does the same IEEE operations, so each version gives the same bits.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define ZEP_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define ZEP_VECTOR_CLONES
#endif

// The loops of one cycle. Each keeps the method's arithmetic per arc and per state, in its order; the
// selection `v < best ? v : best` is the method's "keep the smallest, the first arc wins a tie".

// First arcs of states [0, n): the value of the arc to the target at the same offset.
ZEP_VECTOR_CLONES void set_arc_values(double* __restrict best, const double* __restrict p,
                                      const double* __restrict q, double w, std::size_t n) {
    for (std::size_t a = 0; a < n; ++a)
        best[a] = (p[a] + w) - q[a];
}

// Later arcs of states [0, n).
ZEP_VECTOR_CLONES void relax_arc_values(double* __restrict best, const double* __restrict p,
                                        const double* __restrict q, double w, std::size_t n) {
    for (std::size_t a = 0; a < n; ++a) {
        const double v = (p[a] + w) - q[a];
        best[a] = v < best[a] ? v : best[a];
    }
}

// States [0, n) where every one of the listed variants fits (a + d <= T): the first variant's arc sets
// the value and the others relax it in order. The states go in blocks whose values stay in registers
// while all variants pass over them.
ZEP_VECTOR_CLONES void all_fitting_arcs(double* __restrict best, const double* __restrict p,
                                        const double* __restrict q, const std::int64_t* __restrict offsets,
                                        const double* __restrict weights, std::size_t variants,
                                        std::size_t n) {
    // Four lanes of doubles, loaded from any address; the compiler lowers them to the vector unit at
    // hand.
    typedef double Lanes __attribute__((vector_size(32), aligned(8), may_alias));
    constexpr std::size_t kLanes = 4, kGroups = 4, kBlock = kLanes * kGroups;
    std::size_t a0 = 0;
    for (; a0 + kBlock <= n; a0 += kBlock) {
        Lanes acc[kGroups];
        {
            const double* pv = p + offsets[0] + a0;
            const double* qv = q + offsets[0] + a0;
            const double w = weights[0];
            for (std::size_t g = 0; g < kGroups; ++g)
                acc[g] = (*reinterpret_cast<const Lanes*>(pv + g * kLanes) + w) -
                         *reinterpret_cast<const Lanes*>(qv + g * kLanes);
        }
        for (std::size_t v = 1; v < variants; ++v) {
            const double* pv = p + offsets[v] + a0;
            const double* qv = q + offsets[v] + a0;
            const double w = weights[v];
            for (std::size_t g = 0; g < kGroups; ++g) {
                const Lanes x = (*reinterpret_cast<const Lanes*>(pv + g * kLanes) + w) -
                                *reinterpret_cast<const Lanes*>(qv + g * kLanes);
                acc[g] = x < acc[g] ? x : acc[g];
            }
        }
        for (std::size_t g = 0; g < kGroups; ++g)
            *reinterpret_cast<Lanes*>(best + a0 + g * kLanes) = acc[g];
    }
    for (std::size_t a = a0; a < n; ++a) {
        double acc = (p[offsets[0] + a] + weights[0]) - q[offsets[0] + a];
        for (std::size_t v = 1; v < variants; ++v) {
            const double x = (p[offsets[v] + a] + weights[v]) - q[offsets[v] + a];
            acc = x < acc ? x : acc;
        }
        best[a] = acc;
    }
}

// Arcs whose targets vary with a (unavailable resources); the sentinel target holds +inf, which never
// replaces a value.
ZEP_VECTOR_CLONES void relax_gathered(double* __restrict best, const double* __restrict p,
                                      const double* __restrict q, const std::int32_t* __restrict target,
                                      double w, std::size_t n) {
    for (std::size_t a = 0; a < n; ++a) {
        const std::int32_t t = target[a];
        const double v = (p[t] + w) - q[t];
        best[a] = v < best[a] ? v : best[a];
    }
}

// The two scaled terms of every arc value that leads into a stage: (1 / ω) × V_new and
// (1 / ω − 1) × V_old of its states.
ZEP_VECTOR_CLONES void scale_target_stage(double* __restrict p, double* __restrict q,
                                          const double* __restrict newv, const double* __restrict oldv,
                                          double invOmega, double unrelax, std::size_t n) {
    for (std::size_t a = 0; a < n; ++a) {
        p[a] = invOmega * newv[a];
        q[a] = unrelax * oldv[a];
    }
}

// V_new := −ω × u + (1 − ω) × V_old + ω × (smallest + u).
ZEP_VECTOR_CLONES void update_states(double* __restrict out, const double* __restrict old,
                                     const double* __restrict best, double negOmegaU, double keep,
                                     double omega, double u, std::size_t n) {
    for (std::size_t a = 0; a < n; ++a)
        out[a] = negOmegaU + keep * old[a] + omega * (best[a] + u);
}

// The stop test: whether some state's relative change |V_new − V_old| / (|V_new + V_old| / 2 + 1e-10)
// exceeds eps. Near 0 the sum of the two values may be 0 or tiny while they still differ by rounding
// noise (or in sign); the 1e-10 bounds the quotient there, so that a state that stays at 0 up to rounding
// does not keep the cycles going.
ZEP_VECTOR_CLONES bool any_exceeds(const double* __restrict newv, const double* __restrict oldv, double eps,
                                   std::size_t n) {
    // The states go in blocks without a branch inside, which the compiler turns into vector code; a
    // block of 256 (4 KiB of each array) stays in the first-level cache, and the test still returns soon
    // after the first state over eps, which is where a cycle far from convergence stops. Whether any
    // state exceeds does not depend on the blocks.
    constexpr std::size_t kBlock = 256;
    for (std::size_t start = 0; start < n; start += kBlock) {
        const std::size_t end = std::min(n, start + kBlock);
        bool exceeded = false;
        for (std::size_t k = start; k < end; ++k)
            exceeded |= std::abs(newv[k] - oldv[k]) / (std::abs(newv[k] + oldv[k]) / 2 + 1e-10) > eps;
        if (exceeded)
            return true;
    }
    return false;
}

} // namespace

std::int64_t PathSolver::fitting_target(std::int64_t b, std::size_t v, std::int64_t a) const {
    const std::size_t i = variantBegin_[static_cast<std::size_t>(b)] + v;
    if (unavailable_) {
        const std::int32_t t = target_[i * static_cast<std::size_t>(T_ + 2) + static_cast<std::size_t>(a)];
        return t > T_ ? -1 : t;
    }
    const std::int64_t d = value_[i];
    return d < 0 || a + d > T_ ? -1 : a + d;
}

void PathSolver::lay_out(const PathProblem& problem) {
    size_stages(problem);
    const double upperBound = flatten_variants(problem);
    selfArcWeight_ = 2 * upperBound;
    find_fitting_variants();
    clear_values();
    tabulate_targets(problem);

    result_ = PathResult{};
    result_.phaseStates = L_;
    result_.upperBound = upperBound;
}

void PathSolver::size_stages(const PathProblem& problem) {
    if (problem.threshold < 0)
        throw PathProblemError("the threshold of a path is negative");
    E_ = static_cast<std::int64_t>(problem.elements.size());
    T_ = problem.threshold;
    if (E_ > kMaxPhaseStates || (E_ > 0 && T_ + 1 > (kMaxPhaseStates - 2) / E_))
        throw PathProblemError("a path has more phase states than the solver can hold");
    L_ = phase_state_count(E_, T_);
    unavailable_ = problem.hasUnavailableResources;
}

double PathSolver::flatten_variants(const PathProblem& problem) {
    variantBegin_.assign(1, 0);
    weight_.clear();
    value_.clear();
    double upperBound = 0;
    for (const auto& variants : problem.elements) {
        for (const PathVariant& v : variants) {
            weight_.push_back(v.weight);
            value_.push_back(v.value);
        }
        variantBegin_.push_back(weight_.size());
        if (variants.empty())
            continue;
        double largest = variants[0].weight;
        for (const PathVariant& v : variants)
            if (v.weight > largest)
                largest = v.weight;
        upperBound += largest;
    }
    return upperBound;
}

// Per element the variants that fit somewhere (0 <= d <= T), and the states [0, allFit) where all of
// them fit.
void PathSolver::find_fitting_variants() {
    fittingBegin_.assign(1, 0);
    fittingValue_.clear();
    fittingWeight_.clear();
    allFit_.clear();
    for (std::int64_t b = 0; b < E_; ++b) {
        std::size_t all = static_cast<std::size_t>(T_ + 1);
        for (std::size_t i = variantBegin_[b]; i < variantBegin_[b + 1]; ++i) {
            if (value_[i] < 0 || value_[i] > T_)
                continue;
            fittingValue_.push_back(value_[i]);
            fittingWeight_.push_back(weight_[i]);
            all = std::min(all, static_cast<std::size_t>(T_ - value_[i] + 1));
        }
        fittingBegin_.push_back(fittingValue_.size());
        allFit_.push_back(fittingBegin_[b + 1] > fittingBegin_[b] ? all : 0);
    }
}

void PathSolver::clear_values() {
    const auto L = static_cast<std::size_t>(L_);
    const auto width = static_cast<std::size_t>(T_ + 2); // resource values 0 .. T and a sentinel
    bufferA_.assign(L, 0.0);
    bufferB_.assign(L, 0.0);
    oldValues_ = bufferA_.data();
    newValues_ = bufferB_.data();
    scaledNew_.assign(width, 0.0);
    scaledOld_.assign(width, 0.0);
    best_.assign(width, 0.0);
}

// Elapsed times depend on the start a: with unavailable resources the arcs' targets are tabulated once
// per path, and from then on the solver needs nothing more of the problem.
void PathSolver::tabulate_targets(const PathProblem& problem) {
    target_.clear();
    firstFit_.clear();
    if (!unavailable_)
        return;
    const auto width = static_cast<std::size_t>(T_ + 2);
    const auto sentinel = static_cast<std::int32_t>(T_ + 1);
    target_.assign(weight_.size() * width, sentinel);
    firstFit_.assign(static_cast<std::size_t>(E_) * width, -1);
    for (std::int64_t b = 0; b < E_; ++b) {
        const auto& variants = problem.elements[static_cast<std::size_t>(b)];
        for (std::size_t v = 0; v < variants.size(); ++v) {
            const PathVariant& pv = variants[v];
            const auto intervals = intervals_of(problem, pv.resourceCategory);
            std::int32_t* row = &target_[(variantBegin_[b] + v) * width];
            for (std::int64_t a = 0; a < stage_size(b); ++a) {
                const std::int64_t d = elapsed_time(intervals, a, pv.value, pv.noSuspend == 1);
                if (d >= 0 && a + d <= T_) {
                    row[a] = static_cast<std::int32_t>(a + d);
                    std::int32_t& first = firstFit_[static_cast<std::size_t>(b) * width + a];
                    if (first < 0)
                        first = static_cast<std::int32_t>(v);
                }
            }
        }
    }
}

// Stage E: every state's only arc leads to state 1 with weight 0; state 1's arc is its own, which
// sees its value of the previous cycle. The `+ 0.0` is that weight, added where every arc adds its
// own: x + 0.0 is +0.0 where x is −0.0, so the compiler keeps the sum and the value has the bits of
// the general arc formula (p + w) − q.
void PathSolver::update_last_stage(double u, double negOmegaU) {
    double* const nv = newValues_;
    const double* const ov = oldValues_;
    const double own = invOmega_ * ov[1] + 0.0 - unrelax_ * ov[1];
    nv[1] = negOmegaU + keep_ * ov[1] + omega_ * (own + u);
    const double toFirst = invOmega_ * nv[1] + 0.0 - unrelax_ * ov[1];
    const double term = omega_ * (toFirst + u);
    const std::int64_t n = E_ == 0 ? 1 : T_ + 1;
    for (std::int64_t k = 2; k <= n; ++k)
        nv[k] = negOmegaU + keep_ * ov[k] + term;
}

// The smallest arc value of the n states of stage b when every variant uses the same resource at
// any start. Where every variant that can fit at all fits, the arcs go in register blocks; beyond, one
// loop per variant over the states it still fits.
void PathSolver::smallest_fixed_arcs(std::int64_t b, std::size_t n) {
    double* const best = best_.data();
    const double* const p = scaledNew_.data();
    const double* const q = scaledOld_.data();
    const double* const ov = oldValues_;
    const std::int64_t base = stage_base(b);
    const std::size_t fitStart = fittingBegin_[b], fitting = fittingBegin_[b + 1] - fitStart;
    const std::size_t all = std::min(n, allFit_[b]);
    std::size_t covered = 0; // states [0, covered) have an arc already
    if (fitting > 0 && all > 0) {
        all_fitting_arcs(best, p, q, &fittingValue_[fitStart], &fittingWeight_[fitStart], fitting, all);
        covered = all;
    }
    for (std::size_t v = 0; v < fitting; ++v) {
        const std::int64_t d = fittingValue_[fitStart + v];
        const auto fits = std::min(n, static_cast<std::size_t>(T_ - d + 1)); // a + d <= T
        const double w = fittingWeight_[fitStart + v];
        if (fits > all)
            relax_arc_values(best + all, p + d + all, q + d + all, w, std::min(covered, fits) - all);
        if (fits > covered) {
            set_arc_values(best + covered, p + d + covered, q + d + covered, w, fits - covered);
            covered = fits;
        }
    }
    // States where no variant fits keep their self-arc.
    for (std::size_t a = covered; a < n; ++a)
        best[a] = invOmega_ * ov[base + a] + selfArcWeight_ - unrelax_ * ov[base + a];
}

// The same with unavailable resources, where the resource a variant uses depends on its start: the
// arcs' targets come from the table laid out for the path.
void PathSolver::smallest_elapsed_arcs(std::int64_t b, std::size_t n) {
    double* const best = best_.data();
    double* const p = scaledNew_.data();
    double* const q = scaledOld_.data();
    const double* const ov = oldValues_;
    const std::int64_t base = stage_base(b);
    const auto width = static_cast<std::size_t>(T_ + 2);
    const std::size_t first = variantBegin_[b], count = variantBegin_[b + 1] - first;
    p[T_ + 1] = INFINITY;
    q[T_ + 1] = 0.0;
    const std::int32_t* firstFit = &firstFit_[static_cast<std::size_t>(b) * width];
    for (std::size_t a = 0; a < n; ++a) {
        const std::int32_t v = firstFit[a];
        if (v < 0) {
            best[a] = invOmega_ * ov[base + a] + selfArcWeight_ - unrelax_ * ov[base + a];
        } else {
            const std::int32_t t = target_[(first + v) * width + a];
            best[a] = (p[t] + weight_[first + v]) - q[t];
        }
    }
    // Every fitting arc again, in variant order; the first one's value equals what is kept.
    for (std::size_t v = 0; v < count; ++v)
        relax_gathered(best, p, q, &target_[(first + v) * width], weight_[first + v], n);
}

void PathSolver::run_cycle(double u) {
    double* const nv = newValues_;
    const double* const ov = oldValues_;
    const double negOmegaU = -omega_ * u;
    nv[0] = 0;
    update_last_stage(u, negOmegaU);
    for (std::int64_t b = E_ - 1; b >= 0; --b) {
        const std::int64_t targetBase = stage_base(b + 1);
        const auto n = static_cast<std::size_t>(stage_size(b));
        scale_target_stage(scaledNew_.data(), scaledOld_.data(), nv + targetBase, ov + targetBase, invOmega_,
                           unrelax_, static_cast<std::size_t>(T_ + 1));
        if (!unavailable_)
            smallest_fixed_arcs(b, n);
        else
            smallest_elapsed_arcs(b, n);
        update_states(nv + stage_base(b), ov + stage_base(b), best_.data(), negOmegaU, keep_, omega_, u, n);
    }
}

bool PathSolver::exceeds_stop_criterion() const {
    return any_exceeds(newValues_, oldValues_, params_.stopCriterion, static_cast<std::size_t>(L_));
}

const PathResult& PathSolver::solve(const PathProblem& problem, const IterationParams& params,
                                    PathProgress* progress) {
    lay_out(problem);
    params_ = params;
    omega_ = params.relaxationCoef;
    invOmega_ = 1 / omega_;
    unrelax_ = 1 / omega_ - 1;
    keep_ = 1 - omega_;
    if (progress)
        progress->phase_states(L_);
    if (progress)
        progress->initialised();

    std::int32_t i = 0, j = 1;
    double u = 0;
    for (;;) {
        u = oldValues_[L_ - 1];
        run_cycle(u);
        ++i;
        if (progress)
            progress->cycle_done(i);
        if (j == params.stopCheckSparsity) {
            if (!exceeds_stop_criterion())
                break;
            if (i >= params.iterationLimit) {
                result_.iterationCode = PathCode::IterationLimit;
                result_.cycles = i;
                return result_;
            }
            j = 1;
        } else {
            ++j;
        }
        std::swap(oldValues_, newValues_);
    }
    result_.cycles = i;
    result_.converged = true;
    result_.optimalValue = u;
    // A route that keeps within T costs at most UB; a value above UB by more than the error of the
    // converged values (the tenth covers it) has a self-arc on its route.
    if (1.1 * result_.upperBound < u) {
        result_.iterationCode = PathCode::ExceedsUpperBound;
        return result_;
    }
    trace();
    return result_;
}

PathSolver::Choice PathSolver::choose(std::int64_t b, std::int64_t a) const {
    if (b == E_)
        return {-1, 0, 0};
    const double* const nv = newValues_;
    const double* const ov = oldValues_;
    const std::int64_t targetBase = stage_base(b + 1);
    const std::size_t first = variantBegin_[b], count = variantBegin_[b + 1] - first;
    Choice kept{0, static_cast<std::int32_t>(b + 1), 0};
    double smallest = 0;
    std::int32_t arcs = 0;
    for (std::size_t v = 0; v < count; ++v) {
        const std::int64_t reached = fitting_target(b, v, a);
        if (reached < 0)
            continue;
        const std::int64_t t = targetBase + reached;
        const double value = (invOmega_ * nv[t] + weight_[first + v]) - unrelax_ * ov[t];
        ++arcs;
        if (arcs == 1 || value < smallest) {
            smallest = value;
            kept = {-arcs, static_cast<std::int32_t>(b + 1), static_cast<std::int32_t>(v + 1)};
        }
    }
    if (arcs == 0)
        return {-1, static_cast<std::int32_t>(b + 1), 0};
    return kept;
}

std::vector<std::int32_t> PathSolver::chosen_options() const {
    std::vector<std::int32_t> options(static_cast<std::size_t>(L_), 0);
    if (L_ == 0)
        return options;
    options[0] = 1;
    for (std::int64_t b = E_; b >= 0; --b)
        for (std::int64_t a = 0; a < stage_size(b); ++a)
            options[stage_base(b) + a] = choose(b, a).arcId;
    return options;
}

void PathSolver::trace() {
    std::int64_t a = 0;
    for (std::int64_t pos = 1; pos <= E_; ++pos) {
        const Choice c = choose(pos - 1, a);
        result_.trace.push_back({c.element, c.variant});
        if (c.variant > 0) {
            a = fitting_target(pos - 1, static_cast<std::size_t>(c.variant - 1), a);
        } else {
            result_.traceCode = PathCode::NoAdmissibleVariant;
            result_.elementsWithoutVariant.push_back(c.element);
        }
    }
}

} // namespace zep
