#pragma once
// The completion moment of a graph as a function of the delay of one operation: what the slack
// search asks of a schedule.
#include "views/chosen_variants.h"

namespace zep {

struct DelayedOutcome {
    double completion = 0;
    // A start that could not be scheduled (no availability interval completes an operation): the
    // search ends here whatever the completion says.
    bool unschedulable = false;
};

class DelayedCompletion {
public:
    virtual ~DelayedCompletion() = default;
    // The completion moment with operation `delayed` alone delayed by `delay` (0: the schedule as is).
    virtual DelayedOutcome completion(OperationRef delayed, double delay) const = 0;
    // True when the completion is max(A, B + delay) for constants A and B of the operation (a longest
    // path of fixed durations); false when durations depend on the moment (unavailable resources).
    virtual bool piecewise_linear() const = 0;
};

} // namespace zep
