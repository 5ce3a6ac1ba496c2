#pragma once
// The task as an activity-on-arrow network: events joined by operations, on the data the optimiser sees.
//
// The operations of a chain follow each other; an ordinary chain runs from the start event of the graph
// to its end event; a nested chain starts at the event where the operation it leaves from starts and
// ends at the event where the operation it enters ends. Events that these rules name twice are one.
//
// Every variant carries the discretised parameter in whole tacts exactly as the solver input holds it
// (rounded to steps by the task's rounding type and tact, on the unscaled value), and both parameters
// at their real values in the task's own units. The task file already holds the variants after the
// critical conversion, so the network offers the choices the optimiser offers.
#include "task/task_record.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace zep::exact {

struct OperationVariant {
    int timeTacts = 0;
    int costTacts = 0;
    double time = 0;
    double cost = 0;
};

struct NetworkOperation {
    int chain = 0; // 1-based
    int op = 0;    // 1-based
    int from = 0;  // event where it starts
    int to = 0;    // event where it ends
    std::vector<OperationVariant> variants;
};

struct Network {
    int eventCount = 0;
    int source = 0;
    int sink = 0;
    std::vector<NetworkOperation> operations; // chain by chain, each chain's in order
    std::vector<int> order;                   // the events in a topological order
    std::vector<int> opCounts;                // per chain
    double tact = 1;
};

// Per chain, per operation: the 1-based variant chosen; 0 none.
using Plan = std::vector<std::vector<int>>;

// A task the network cannot be built for (unavailable resources, a nesting that closes a cycle, a
// reference outside the task); `what()` says which.
class NetworkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Network build_network(const TaskRecord& rec);

// A plan that chooses a variant of every operation.
bool is_complete(const Network& net, const Plan& plan);

// Under a complete plan: the graph time (the longest path from the start event to the end event) in
// tacts and in time units; the total cost in cost units and in tacts (the sum of the variants' tacts).
int plan_time_tacts(const Network& net, const Plan& plan);
double plan_time(const Network& net, const Plan& plan);
double plan_cost(const Network& net, const Plan& plan);
long long plan_cost_tacts(const Network& net, const Plan& plan);

// The shortest and the longest graph time in tacts: every operation at its fastest, at its slowest
// variant.
int shortest_time_tacts(const Network& net);
int longest_time_tacts(const Network& net);

} // namespace zep::exact
