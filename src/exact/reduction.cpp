#include "exact/reduction.h"

#include <algorithm>

namespace zep::exact {
namespace {

struct Edge {
    int from = 0, to = 0, node = 0;
    bool alive = true;
};

int resource_of(const OperationVariant& v, Objective o) {
    return o == Objective::CostUnderDeadline ? v.timeTacts : v.costTacts;
}

double value_of(const OperationVariant& v, Objective o) {
    return o == Objective::CostUnderDeadline ? v.cost : v.time;
}

Combine side_by_side(Objective o) {
    return o == Objective::CostUnderDeadline ? Combine::Sum : Combine::Max;
}

} // namespace

int Reduction::add_operation(const Network& net, int index) {
    const NetworkOperation& op = net.operations[static_cast<std::size_t>(index)];
    std::vector<int> resources;
    std::vector<double> values;
    for (const OperationVariant& v : op.variants) {
        resources.push_back(resource_of(v, objective_));
        values.push_back(value_of(v, objective_));
    }
    Node n;
    n.operation = index;
    n.f = choice_function(resources, values);
    nodes_.push_back(std::move(n));
    return static_cast<int>(nodes_.size()) - 1;
}

int Reduction::merge(int a, int b, Kind kind) {
    Node n;
    n.kind = kind;
    n.a = a;
    n.b = b;
    const StepFunction& fa = nodes_[static_cast<std::size_t>(a)].f;
    const StepFunction& fb = nodes_[static_cast<std::size_t>(b)].f;
    if (kind == Kind::Parallel && objective_ == Objective::CostUnderDeadline)
        n.f = pointwise_sum(fa, fb);
    else
        n.f = convolve(fa, fb, kind == Kind::Series ? Combine::Sum : side_by_side(objective_), n.aIsSparse);
    nodes_.push_back(std::move(n));
    return static_cast<int>(nodes_.size()) - 1;
}

std::optional<Reduction> Reduction::reduce(const Network& net, Objective objective) {
    Reduction r;
    r.net_ = &net;
    r.objective_ = objective;
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < net.operations.size(); ++i)
        edges.push_back(
            {net.operations[i].from, net.operations[i].to, r.add_operation(net, static_cast<int>(i))});

    for (bool changed = true; changed;) {
        changed = false;
        // Side by side: every later edge between the same events joins the first one.
        for (std::size_t i = 0; i < edges.size(); ++i)
            for (std::size_t j = i + 1; edges[i].alive && j < edges.size(); ++j)
                if (edges[j].alive && edges[j].from == edges[i].from && edges[j].to == edges[i].to) {
                    edges[i].node = r.merge(edges[i].node, edges[j].node, Kind::Parallel);
                    edges[j].alive = false;
                    changed = true;
                }
        // In series: an inner event with one edge in and one out.
        for (int e = 0; e < net.eventCount; ++e) {
            if (e == net.source || e == net.sink)
                continue;
            int in = -1, out = -1, ins = 0, outs = 0;
            for (std::size_t i = 0; i < edges.size(); ++i) {
                if (!edges[i].alive)
                    continue;
                if (edges[i].to == e)
                    ++ins, in = static_cast<int>(i);
                if (edges[i].from == e)
                    ++outs, out = static_cast<int>(i);
            }
            if (ins != 1 || outs != 1)
                continue;
            Edge& first = edges[static_cast<std::size_t>(in)];
            Edge& second = edges[static_cast<std::size_t>(out)];
            first.node = r.merge(first.node, second.node, Kind::Series);
            first.to = second.to;
            second.alive = false;
            changed = true;
        }
    }
    const auto alive = std::count_if(edges.begin(), edges.end(), [](const Edge& e) { return e.alive; });
    const auto last = std::find_if(edges.begin(), edges.end(), [](const Edge& e) { return e.alive; });
    if (alive != 1 || last->from != net.source || last->to != net.sink)
        return std::nullopt;
    // The whole task's function is the last node merged (or the only operation).
    if (last->node != static_cast<int>(r.nodes_.size()) - 1)
        r.nodes_.push_back(r.nodes_[static_cast<std::size_t>(last->node)]);
    return r;
}

void Reduction::recover(int node, long long x, Plan& plan) const {
    const Node& n = nodes_[static_cast<std::size_t>(node)];
    x = std::min<long long>(x, n.f.hi());
    if (n.kind == Kind::Operation) {
        const NetworkOperation& op = net_->operations[static_cast<std::size_t>(n.operation)];
        const double best = n.f.at(x);
        for (std::size_t v = 0; v < op.variants.size(); ++v)
            if (resource_of(op.variants[v], objective_) <= x &&
                value_of(op.variants[v], objective_) == best) {
                plan[static_cast<std::size_t>(op.chain - 1)][static_cast<std::size_t>(op.op - 1)] =
                    static_cast<int>(v + 1);
                return;
            }
        return;
    }
    if (n.kind == Kind::Parallel && objective_ == Objective::CostUnderDeadline) {
        recover(n.a, x, plan);
        recover(n.b, x, plan);
        return;
    }
    const int sparse = n.aIsSparse ? n.a : n.b;
    const int other = n.aIsSparse ? n.b : n.a;
    const StepFunction& fs = nodes_[static_cast<std::size_t>(sparse)].f;
    const Combine combine = n.kind == Kind::Series ? Combine::Sum : side_by_side(objective_);
    const Split s = best_split(fs, fs.drops(), nodes_[static_cast<std::size_t>(other)].f, x, combine);
    recover(sparse, s.sparsePart, plan);
    recover(other, x - s.sparsePart, plan);
}

Plan Reduction::plan_at(long long x) const {
    Plan plan;
    for (int n : net_->opCounts)
        plan.emplace_back(static_cast<std::size_t>(n), 0);
    if (x >= function().lo)
        recover(static_cast<int>(nodes_.size()) - 1, x, plan);
    return plan;
}

} // namespace zep::exact
