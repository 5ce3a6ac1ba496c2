#pragma once
// Random path problems for comparing the path solvers: small integer weights (so that ties happen),
// thresholds below, around and above what the cheapest and the longest variants need, and with
// unavailable resources random interval lists per category.
#include "optimiser/path_problem.h"

#include <algorithm>
#include <random>

namespace zep::testing {

struct RandomPathOptions {
    int maxElements = 6;
    int maxVariants = 20;
    int maxValue = 12;
    bool unavailableResources = false;
};

inline PathProblem random_path(std::mt19937& rng, const RandomPathOptions& o) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    PathProblem p;
    p.hasUnavailableResources = o.unavailableResources;
    const int categories = o.unavailableResources ? pick(1, 3) : 0;
    const int E = pick(1, o.maxElements);
    long minSum = 0, maxSum = 0;
    for (int e = 0; e < E; ++e) {
        std::vector<PathVariant> vs(static_cast<std::size_t>(pick(1, o.maxVariants)));
        int lo = o.maxValue, hi = 0;
        for (auto& v : vs) {
            v.value = pick(0, o.maxValue);
            v.weight = pick(0, 3) == 0 ? pick(1, 4) * 10.0 : pick(1, 200) * 0.5; // repeated weights tie
            if (categories > 0) {
                v.resourceCategory = pick(1, categories);
                v.noSuspend = pick(0, 2) == 0 ? 1 : 0;
            }
            lo = std::min(lo, static_cast<int>(v.value));
            hi = std::max(hi, static_cast<int>(v.value));
        }
        minSum += lo;
        maxSum += hi;
        p.elements.push_back(std::move(vs));
    }
    switch (pick(0, 3)) {
    case 0:
        p.threshold = static_cast<int>(std::max(0L, minSum - pick(1, 5)));
        break; // mostly infeasible
    case 1:
        p.threshold = static_cast<int>(minSum + pick(0, 3));
        break; // tight
    case 2:
        p.threshold = static_cast<int>((minSum + maxSum) / 2);
        break;
    default:
        p.threshold = static_cast<int>(maxSum + pick(0, 5));
        break; // everything fits
    }
    for (int c = 0; c < categories; ++c) {
        std::vector<AvailabilityInterval> ivs;
        int t = pick(0, 3);
        const int n = pick(1, 4);
        for (int k = 0; k < n; ++k) {
            AvailabilityInterval iv;
            iv.start = t;
            iv.finish = t + pick(1, 8);
            t = iv.finish + pick(1, 6);
            ivs.push_back(iv);
        }
        if (pick(0, 2) != 0)
            ivs.back().finish = -1; // the last one without end
        p.intervals.push_back(std::move(ivs));
    }
    return p;
}

inline IterationParams random_params(std::mt19937& rng) {
    IterationParams q;
    q.relaxationCoef = std::uniform_real_distribution<double>(0.5, 0.99)(rng);
    q.stopCriterion = std::uniform_real_distribution<double>(0.001, 0.1)(rng);
    q.stopCheckSparsity = std::uniform_int_distribution<int>(1, 8)(rng);
    q.iterationLimit = std::uniform_int_distribution<int>(10, 400)(rng);
    return q;
}

} // namespace zep::testing
