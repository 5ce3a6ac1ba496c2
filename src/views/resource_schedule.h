#pragma once
// The schedule of a graph with temporarily unavailable resources, path by path.
//
// Along every chain's unrolled path the first element starts at 0 and each next one when the one
// before it has ended, an element taking the actual duration of its chosen variant from the moment it
// starts (gross_duration over the intervals of the variant's resource category). When the
// task has nested chains, an element of the path's own chain whose operation has a single variant
// waits for the largest moment at which any other path holding the same operation has it ready: that
// is where the branches of the graph meet. The moments are settled by repeating the walk until none
// changes (they only grow, and every operation's end moves later when its start does).
#include "views/delayed_completion.h"

#include <vector>

namespace zep {

// The actual duration given to an operation that no availability interval can complete.
inline constexpr double kUnschedulableDuration = 1e8;

class ResourceSchedule : public DelayedCompletion {
public:
    ResourceSchedule(const TaskRecord& rec, const VariantChoices& choices);

    // Moments of one walk: per chain path, per element.
    struct Moments {
        std::vector<std::vector<double>> start;    // the moment the element starts (delay included)
        std::vector<std::vector<double>> duration; // its actual duration from that moment
        double completion = 0;                     // the latest end of a path
        bool unschedulable = false;
    };
    Moments moments(OperationRef delayed, double delay) const;

    DelayedOutcome completion(OperationRef delayed, double delay) const override;
    bool piecewise_linear() const override { return false; }

    // The element of chain `chain`'s own path that holds its operation `op`; -1 when there is none.
    int own_element(int chain, int op) const;

private:
    struct Element {
        int chain = 0;
        int op = 0;
        double netTime = 0;
        int category = 0; // 0-based resource category, -1 when the variant names none
        bool maySuspend = true;
        bool joins = false; // waits for the other paths holding the same operation
        std::vector<std::pair<int, int>> sameOperation; // (path, element) of the other copies
    };
    double element_duration(const Element& e, double start, bool& unschedulable) const;

    const std::vector<std::vector<ResourceInterval>>* intervals_ = nullptr;
    std::vector<std::vector<Element>> paths_; // per chain
    bool joins_ = false;
};

} // namespace zep
