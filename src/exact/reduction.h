#pragma once
// The exact resource–value function of a series–parallel network and the plan behind each of its values.
//
// Every operation starts as an edge carrying its choice function (the least value among its variants
// whose resource fits). Two edges between the same events merge side by side; an event with exactly one
// operation in and one out, other than the start and the end, merges its two edges in series. A
// network that ends as one edge from the start to the end is series–parallel and its edge holds the
// function of the whole task; any other network needs the MIP (mip.h).
#include "exact/network.h"
#include "exact/step_function.h"

#include <optional>
#include <vector>

namespace zep::exact {

// What the reduction optimises.
enum class Objective {
    CostUnderDeadline, // resource: time in tacts; value: cost; side by side the costs add
    TimeUnderBudget,   // resource: cost in tacts; value: time; side by side the parts share the budget
};

class Reduction {
public:
    // Empty when the network is not series–parallel.
    static std::optional<Reduction> reduce(const Network& net, Objective objective);

    const StepFunction& function() const { return nodes_.back().f; }
    // The plan whose value is function().at(x) with its resource within x (x >= function().lo).
    Plan plan_at(long long x) const;

private:
    enum class Kind { Operation, Series, Parallel };
    struct Node {
        Kind kind = Kind::Operation;
        int a = -1, b = -1;     // the two parts merged
        bool aIsSparse = false; // a convolution walked a's drops
        int operation = -1;     // Kind::Operation: index in the network's operations
        StepFunction f;
    };

    int add_operation(const Network& net, int index);
    int merge(int a, int b, Kind kind);
    void recover(int node, long long x, Plan& plan) const;

    const Network* net_ = nullptr;
    Objective objective_ = Objective::CostUnderDeadline;
    std::vector<Node> nodes_;
};

} // namespace zep::exact
