#include "exact/network.h"

#include "task/rounding.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace zep::exact {
namespace {

// Events named as (chain, position): position i lies after the chain's i-th operation.
class EventNames {
public:
    explicit EventNames(const TaskRecord& rec) {
        for (const ChainRec& c : rec.chains) {
            first_.push_back(static_cast<int>(parent_.size()));
            for (int i = 0; i <= c.opCount; ++i)
                parent_.push_back(static_cast<int>(parent_.size()));
        }
        source_ = static_cast<int>(parent_.size());
        parent_.push_back(source_);
        sink_ = source_ + 1;
        parent_.push_back(sink_);
    }

    int at(int chain, int position) const {
        return first_.at(static_cast<std::size_t>(chain - 1)) + position;
    }
    int source() const { return source_; }
    int sink() const { return sink_; }
    int size() const { return static_cast<int>(parent_.size()); }

    void join(int a, int b) { parent_[static_cast<std::size_t>(find(a))] = find(b); }
    int find(int a) {
        while (parent_[static_cast<std::size_t>(a)] != a)
            a = parent_[static_cast<std::size_t>(a)] =
                parent_[static_cast<std::size_t>(parent_[static_cast<std::size_t>(a)])];
        return a;
    }

private:
    std::vector<int> first_;
    std::vector<int> parent_;
    int source_ = 0, sink_ = 0;
};

void check_attachment(const TaskRecord& rec, int chainNo, int chain, int op) {
    const int n = static_cast<int>(rec.chains.size());
    if (chain < 1 || chain > n || chain == chainNo || op < 1 ||
        op > rec.chains[static_cast<std::size_t>(chain - 1)].opCount)
        throw NetworkError("nested chain " + std::to_string(chainNo) + " is attached outside the task");
}

// Kahn's order of the events; a nesting that closes a cycle leaves events unordered.
std::vector<int> topological_order(const Network& net) {
    std::vector<int> indegree(static_cast<std::size_t>(net.eventCount), 0);
    std::vector<std::vector<int>> out(static_cast<std::size_t>(net.eventCount));
    for (const NetworkOperation& o : net.operations) {
        ++indegree[static_cast<std::size_t>(o.to)];
        out[static_cast<std::size_t>(o.from)].push_back(o.to);
    }
    std::vector<int> order;
    for (int e = 0; e < net.eventCount; ++e)
        if (indegree[static_cast<std::size_t>(e)] == 0)
            order.push_back(e);
    for (std::size_t i = 0; i < order.size(); ++i)
        for (int t : out[static_cast<std::size_t>(order[i])])
            if (--indegree[static_cast<std::size_t>(t)] == 0)
                order.push_back(t);
    if (static_cast<int>(order.size()) != net.eventCount)
        throw NetworkError("the nested chains close a cycle of operations");
    return order;
}

// The longest path from the source with every operation's length taken from `length`.
template <typename T>
T longest_path(const Network& net, const std::function<T(const NetworkOperation&)>& length) {
    std::vector<std::vector<const NetworkOperation*>> out(static_cast<std::size_t>(net.eventCount));
    for (const NetworkOperation& o : net.operations)
        out[static_cast<std::size_t>(o.from)].push_back(&o);
    std::vector<T> reach(static_cast<std::size_t>(net.eventCount), T{});
    for (int e : net.order)
        for (const NetworkOperation* o : out[static_cast<std::size_t>(e)]) {
            T& r = reach[static_cast<std::size_t>(o->to)];
            r = std::max(r, reach[static_cast<std::size_t>(e)] + length(*o));
        }
    return reach[static_cast<std::size_t>(net.sink)];
}

const OperationVariant& chosen(const NetworkOperation& o, const Plan& plan) {
    const int v = plan[static_cast<std::size_t>(o.chain - 1)][static_cast<std::size_t>(o.op - 1)];
    return o.variants[static_cast<std::size_t>(v - 1)];
}

} // namespace

Network build_network(const TaskRecord& rec) {
    const TaskHeader& h = rec.header;
    if (h.has_unavailable_resources())
        throw NetworkError("a task with unavailable resources has durations that depend on their start");
    if (rec.chains.empty())
        throw NetworkError("the task has no chains");
    EventNames names(rec);
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        const int no = static_cast<int>(c + 1);
        if (ch.opCount < 1 || ch.operations.size() != static_cast<std::size_t>(ch.opCount))
            throw NetworkError("chain " + std::to_string(no) + " has no operations");
        const bool nested = static_cast<int>(c) >= h.chainCount - h.nestedChainCount;
        if (!nested) {
            names.join(names.at(no, 0), names.source());
            names.join(names.at(no, ch.opCount), names.sink());
            continue;
        }
        check_attachment(rec, no, ch.fromChain, ch.fromOp);
        check_attachment(rec, no, ch.toChain, ch.toOp);
        names.join(names.at(no, 0), names.at(ch.fromChain, ch.fromOp - 1));
        names.join(names.at(no, ch.opCount), names.at(ch.toChain, ch.toOp));
    }

    // Number the distinct events densely.
    std::vector<int> id(static_cast<std::size_t>(names.size()), -1);
    Network net;
    auto event = [&](int name) {
        int& slot = id[static_cast<std::size_t>(names.find(name))];
        if (slot < 0)
            slot = net.eventCount++;
        return slot;
    };
    net.source = event(names.source());
    net.sink = event(names.sink());
    net.tact = h.tact;
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        const int no = static_cast<int>(c + 1);
        net.opCounts.push_back(ch.opCount);
        for (int i = 1; i <= ch.opCount; ++i) {
            NetworkOperation o;
            o.chain = no;
            o.op = i;
            o.from = event(names.at(no, i - 1));
            o.to = event(names.at(no, i));
            for (const VariantRec& v : ch.operations[static_cast<std::size_t>(i - 1)].variants)
                o.variants.push_back({round_to_steps(rounding_type(h), h.tact, v.time),
                                      round_to_steps(rounding_type(h), h.tact, v.cost), v.time, v.cost});
            if (o.variants.empty())
                throw NetworkError("operation " + std::to_string(i) + " of chain " + std::to_string(no) +
                                   " has no variants");
            net.operations.push_back(std::move(o));
        }
    }
    if (net.source == net.sink)
        throw NetworkError("the start and the end of the graph are one event");
    net.order = topological_order(net);
    return net;
}

bool is_complete(const Network& net, const Plan& plan) {
    if (plan.size() != net.opCounts.size())
        return false;
    for (const NetworkOperation& o : net.operations) {
        const auto& chain = plan[static_cast<std::size_t>(o.chain - 1)];
        if (chain.size() < static_cast<std::size_t>(o.op))
            return false;
        const int v = chain[static_cast<std::size_t>(o.op - 1)];
        if (v < 1 || v > static_cast<int>(o.variants.size()))
            return false;
    }
    return true;
}

int plan_time_tacts(const Network& net, const Plan& plan) {
    return longest_path<int>(net, [&](const NetworkOperation& o) { return chosen(o, plan).timeTacts; });
}

double plan_time(const Network& net, const Plan& plan) {
    return longest_path<double>(net, [&](const NetworkOperation& o) { return chosen(o, plan).time; });
}

double plan_cost(const Network& net, const Plan& plan) {
    double sum = 0;
    for (const NetworkOperation& o : net.operations)
        sum += chosen(o, plan).cost;
    return sum;
}

long long plan_cost_tacts(const Network& net, const Plan& plan) {
    long long sum = 0;
    for (const NetworkOperation& o : net.operations)
        sum += chosen(o, plan).costTacts;
    return sum;
}

int shortest_time_tacts(const Network& net) {
    return longest_path<int>(net, [](const NetworkOperation& o) {
        int best = o.variants.front().timeTacts;
        for (const OperationVariant& v : o.variants)
            best = std::min(best, v.timeTacts);
        return best;
    });
}

int longest_time_tacts(const Network& net) {
    return longest_path<int>(net, [](const NetworkOperation& o) {
        int worst = o.variants.front().timeTacts;
        for (const OperationVariant& v : o.variants)
            worst = std::max(worst, v.timeTacts);
        return worst;
    });
}

} // namespace zep::exact
