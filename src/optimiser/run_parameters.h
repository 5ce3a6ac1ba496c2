#pragma once
// The four parameters of the optimisation module's run (ОКР, КО, КР, ЛЧИ), described once: each
// record gives the option of `zep solve`, the captions the window and the summary show, the default,
// the range the entry accepts and the range the run checks accept. The window's boxes, `zep solve`,
// the entry, the captions and the run checks all walk this table, in its order (the order of the
// window's boxes ME1 to ME4).
#include "optimiser/optimiser_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace zep {

// A range of admitted values: from `lower` on, and below `upper` (up to it when `upperInclusive`).
// Without an upper end `upper` is infinite.
struct ParameterRange {
    double lower = 0;
    double upper = std::numeric_limits<double>::infinity();
    bool upperInclusive = false;

    constexpr bool has_upper() const { return upper != std::numeric_limits<double>::infinity(); }
    // False for a NaN too.
    constexpr bool admits(double v) const { return v >= lower && (upperInclusive ? v <= upper : v < upper); }
};

enum class ParameterKind { Real, Integer };

struct RunParameter {
    std::string_view option; // the option of `zep solve`
    ParameterKind kind;      // a real takes the decimal separator, an integer only digits
    double defaultValue;
    OptimiserText caption;   // shell text of the caption beside its box (LOPT1 to LOPT4)
    int summaryLabel;        // shell label naming it in the summary of the accepted parameters
    int summaryDecimals = 0; // digits after the separator in that summary (reals only)
    // The entry of the window and of `zep solve`: a value outside is refused with text `entryRefusal`.
    ParameterRange entry;
    OptimiserText entryRefusal;
    // The run checks on the parameters of a run, refused with text `runRefusal`. The caption shows this
    // range, its ends written as `lowerText` and `upperText`.
    ParameterRange run;
    std::string_view lowerText;
    std::string_view upperText = {};
    OptimiserText runRefusal;
};

// Indices into kRunParameters.
enum RunParameterId : std::size_t { kRelaxationCoef, kStopCriterion, kStopCheckSparsity, kIterationLimit };
inline constexpr RunParameterId kRunParameterIds[] = {kRelaxationCoef, kStopCriterion, kStopCheckSparsity,
                                                      kIterationLimit};

// The bounds lie a hundred-thousandth off the round values that the captions and the messages show
// (0.09999 for 0,1), so that a typed round value is judged as written even when it reads as a hair
// beside it. The run checks admit an ОКР down to 0.1, the entry only from 0.5 on.
inline constexpr std::array<RunParameter, 4> kRunParameters = {
    RunParameter{.option = "--okr",
                 .kind = ParameterKind::Real,
                 .defaultValue = 0.9,
                 .caption = OptimiserText::RelaxationCoef,
                 .summaryLabel = 32,
                 .summaryDecimals = 2,
                 .entry = {0.49999, 0.99999},
                 .entryRefusal = OptimiserText::RelaxationEntry,
                 .run = {0.09999, 1.0},
                 .lowerText = "0,1",
                 .upperText = "1,0",
                 .runRefusal = OptimiserText::InvalidRelaxationCoef},
    RunParameter{.option = "--ko",
                 .kind = ParameterKind::Real,
                 .defaultValue = 0.005,
                 .caption = OptimiserText::StopCriterion,
                 .summaryLabel = 15,
                 .summaryDecimals = 3,
                 .entry = {0.00099, 0.10001, true},
                 .entryRefusal = OptimiserText::StopCriterionEntry,
                 .run = {0.00099, 0.10001, true},
                 .lowerText = "0,001",
                 .upperText = "0,1",
                 .runRefusal = OptimiserText::InvalidStopCriterion},
    RunParameter{.option = "--kr",
                 .kind = ParameterKind::Integer,
                 .defaultValue = 5,
                 .caption = OptimiserText::CheckSparsity,
                 .summaryLabel = 14,
                 .entry = {1},
                 .entryRefusal = OptimiserText::CheckSparsityEntry,
                 .run = {1},
                 .lowerText = "1",
                 .runRefusal = OptimiserText::InvalidCheckSparsity},
    RunParameter{.option = "--lchi",
                 .kind = ParameterKind::Integer,
                 .defaultValue = 3000,
                 .caption = OptimiserText::IterationLimit,
                 .summaryLabel = 17,
                 .entry = {10},
                 .entryRefusal = OptimiserText::IterationLimitEntry,
                 .run = {10},
                 .lowerText = "10",
                 .runRefusal = OptimiserText::InvalidIterationLimit},
};

// A value of the parameter as the module writes it: a real with `decimals` digits after the separator,
// an integer whole.
std::string parameter_value_text(const RunParameter& rp, double value, int decimals, char separator);

// ОКР, КО, КР, ЛЧИ.
struct IterationParams {
    double relaxationCoef = kRunParameters[kRelaxationCoef].defaultValue; // ω, ОКР
    double stopCriterion = kRunParameters[kStopCriterion].defaultValue;   // ε, КО
    std::int32_t stopCheckSparsity = std::int32_t(kRunParameters[kStopCheckSparsity].defaultValue); // m, КР
    std::int32_t iterationLimit = std::int32_t(kRunParameters[kIterationLimit].defaultValue); // N, ЛЧИ

    // The parameter of the table's record `id`, as a double (integers convert exactly).
    constexpr double operator[](RunParameterId id) const {
        switch (id) {
        case kRelaxationCoef:
            return relaxationCoef;
        case kStopCriterion:
            return stopCriterion;
        case kStopCheckSparsity:
            return stopCheckSparsity;
        case kIterationLimit:
            return iterationLimit;
        }
        return 0;
    }
    // Sets it; an integer parameter takes a whole value.
    constexpr void set(RunParameterId id, double v) {
        switch (id) {
        case kRelaxationCoef:
            relaxationCoef = v;
            break;
        case kStopCriterion:
            stopCriterion = v;
            break;
        case kStopCheckSparsity:
            stopCheckSparsity = static_cast<std::int32_t>(v);
            break;
        case kIterationLimit:
            iterationLimit = static_cast<std::int32_t>(v);
            break;
        }
    }
};

} // namespace zep
