#include "exact/step_function.h"

#include <algorithm>

namespace zep::exact {

std::vector<int> StepFunction::drops() const {
    std::vector<int> out;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (i == 0 || values[i] < values[i - 1])
            out.push_back(lo + static_cast<int>(i));
    return out;
}

StepFunction choice_function(const std::vector<int>& resources, const std::vector<double>& values) {
    StepFunction f;
    f.lo = *std::min_element(resources.begin(), resources.end());
    const int hi = *std::max_element(resources.begin(), resources.end());
    f.values.assign(static_cast<std::size_t>(hi - f.lo + 1), kInfinite);
    for (std::size_t v = 0; v < resources.size(); ++v) {
        double& slot = f.values[static_cast<std::size_t>(resources[v] - f.lo)];
        slot = std::min(slot, values[v]);
    }
    for (std::size_t i = 1; i < f.values.size(); ++i)
        f.values[i] = std::min(f.values[i], f.values[i - 1]);
    return f;
}

Split best_split(const StepFunction& sparse, const std::vector<int>& sparseDrops, const StepFunction& other,
                 long long x, Combine combine) {
    Split best;
    for (int t : sparseDrops) {
        if (x - t < other.lo)
            break; // drops rise: every later t leaves less
        const double a = sparse.at(t), b = other.at(x - t);
        const double v = combine == Combine::Sum ? a + b : std::max(a, b);
        if (v < best.value) {
            best.value = v;
            best.sparsePart = t;
        }
    }
    return best;
}

StepFunction convolve(const StepFunction& f, const StepFunction& g, Combine combine, bool& fIsSparse) {
    const std::vector<int> fd = f.drops(), gd = g.drops();
    fIsSparse = fd.size() <= gd.size();
    const StepFunction& sparse = fIsSparse ? f : g;
    const StepFunction& other = fIsSparse ? g : f;
    const std::vector<int>& drops = fIsSparse ? fd : gd;
    StepFunction r;
    r.lo = f.lo + g.lo;
    const int hi = f.hi() + g.hi();
    r.values.resize(static_cast<std::size_t>(hi - r.lo + 1));
    for (int x = r.lo; x <= hi; ++x)
        r.values[static_cast<std::size_t>(x - r.lo)] = best_split(sparse, drops, other, x, combine).value;
    return r;
}

StepFunction pointwise_sum(const StepFunction& f, const StepFunction& g) {
    StepFunction r;
    r.lo = std::max(f.lo, g.lo);
    const int hi = std::max(f.hi(), g.hi());
    r.values.resize(static_cast<std::size_t>(hi - r.lo + 1));
    for (int x = r.lo; x <= hi; ++x)
        r.values[static_cast<std::size_t>(x - r.lo)] = f.at(x) + g.at(x);
    return r;
}

} // namespace zep::exact
