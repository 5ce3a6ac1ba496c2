#pragma once
// A nonincreasing step function of a whole resource x (tacts): the least value (cost, or time) with
// the resource within x. It is infinite below `lo`, values[x - lo] from `lo` to hi(), and stays at its
// last value above hi().
//
// Combining two parts of a network:
// - in series the resource adds up: min-plus convolution, r(x) = min over a + b = x of f(a) + g(b);
// - side by side under a deadline both parts get the whole x and their costs add: pointwise sum;
// - side by side under a budget the parts share x and the later one decides the time: min-max
//   convolution, r(x) = min over a + b = x of max(f(a), g(b)).
// A convolution walks only the points where the sparser of the two functions drops: since both are
// nonincreasing, one of the best splits of x gives that function exactly such a point.
#include <limits>
#include <vector>

namespace zep::exact {

inline constexpr double kInfinite = std::numeric_limits<double>::infinity();

struct StepFunction {
    int lo = 0;
    std::vector<double> values;

    int hi() const { return lo + static_cast<int>(values.size()) - 1; }
    double at(long long x) const {
        if (x < lo)
            return kInfinite;
        if (x >= hi())
            return values.back();
        return values[static_cast<std::size_t>(x - lo)];
    }
    // The points where the function drops: lo first, then every x whose value is below that of x - 1.
    std::vector<int> drops() const;
};

// The least value among (resource, value) pairs whose resource is within x.
StepFunction choice_function(const std::vector<int>& resources, const std::vector<double>& values);

enum class Combine { Sum, Max };

// r(x) = min over the drops t of `sparse` of combine(sparse(t), other(x - t)); the split found first.
struct Split {
    double value = kInfinite;
    int sparsePart = 0; // t
};
Split best_split(const StepFunction& sparse, const std::vector<int>& sparseDrops, const StepFunction& other,
                 long long x, Combine combine);

// The convolution of f and g; `fIsSparse` tells which one's drops were walked (recovery walks them again).
StepFunction convolve(const StepFunction& f, const StepFunction& g, Combine combine, bool& fIsSparse);
StepFunction pointwise_sum(const StepFunction& f, const StepFunction& g);

} // namespace zep::exact
