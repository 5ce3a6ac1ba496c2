#pragma once
// The exact optimum of a solved task's computation variants beside the optimiser's answer, and the
// optimiser's variants on the exact time-cost curve: what `zep exact`, `zep frontier` and the solution
// view report.
#include "exact/exact_optimum.h"
#include "optimiser/solution_file.h"

#include <optional>
#include <vector>

namespace zep::exact {

// The optimiser's choices of run k, or an empty plan when the run gave no solution.
Plan method_plan(const Solution& solution, std::size_t k);

struct VariantReport {
    int variant = 0;      // from 1
    double threshold = 0; // task units
    MethodValue method;
    ExactValue exact;
    std::optional<double> gap; // percent
};

// Computation variant k (0-based) of the solution.
VariantReport variant_report(const ExactTask& task, const Solution& solution, int k);

// The variants the task and its solution both have.
int reported_variant_count(const ExactTask& task, const Solution& solution);

struct MethodPoint {
    int variant = 0; // from 1
    double time = 0; // time units
    double cost = 0;
};

// Every run of the solution that gave a complete plan, as a point of the time-cost plane.
std::vector<MethodPoint> method_points(const ExactTask& task, const Solution& solution);

} // namespace zep::exact
