#include "views/resource_schedule.h"

#include "task/gross_time.h"

#include <algorithm>
#include <map>

namespace zep {

ResourceSchedule::ResourceSchedule(const TaskRecord& rec, const VariantChoices& choices)
    : intervals_(&rec.resourceIntervals) {
    const bool nested = rec.header.nestedChainCount > 0;
    std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> copies;
    for (std::size_t p = 0; p < rec.chainPaths.size(); ++p) {
        paths_.emplace_back();
        for (const PathElement& pe : rec.chainPaths[p].elements) {
            Element e;
            e.chain = pe.chain;
            e.op = pe.op;
            e.category = -1;
            if (const VariantRec* v = chosen_variant(rec, choices, {pe.chain, pe.op})) {
                e.netTime = v->time;
                e.category = v->resourceCategory - 1;
                e.maySuspend = v->noSuspend == 0;
            }
            const bool own = pe.chain == static_cast<int>(p) + 1;
            const bool single = pe.chain >= 1 && pe.chain <= static_cast<int>(rec.chains.size()) &&
                                pe.op >= 1 &&
                                pe.op <= static_cast<int>(rec.chains[pe.chain - 1].operations.size()) &&
                                rec.chains[pe.chain - 1].operations[pe.op - 1].variantCount == 1;
            e.joins = nested && own && single;
            copies[{pe.chain, pe.op}].push_back(
                {static_cast<int>(p), static_cast<int>(paths_.back().size())});
            paths_.back().push_back(e);
        }
    }
    for (std::size_t p = 0; p < paths_.size(); ++p)
        for (Element& e : paths_[p]) {
            if (!e.joins)
                continue;
            for (auto [q, f] : copies[{e.chain, e.op}])
                if (q != static_cast<int>(p))
                    e.sameOperation.push_back({q, f});
            joins_ = joins_ || !e.sameOperation.empty();
        }
}

double ResourceSchedule::element_duration(const Element& e, double start, bool& unschedulable) const {
    if (e.category < 0 || e.category >= static_cast<int>(intervals_->size())) {
        // No variant chosen takes no time; a category the task lacks has no interval to work in.
        if (e.category < 0 && e.netTime == 0)
            return 0;
        unschedulable = true;
        return kUnschedulableDuration;
    }
    if (auto d = zep::gross_duration((*intervals_)[e.category], start, e.netTime, e.maySuspend))
        return *d;
    unschedulable = true;
    return kUnschedulableDuration;
}

ResourceSchedule::Moments ResourceSchedule::moments(OperationRef delayed, double delay) const {
    Moments m;
    std::vector<std::vector<double>> ready(paths_.size());
    m.start.resize(paths_.size());
    m.duration.resize(paths_.size());
    for (std::size_t p = 0; p < paths_.size(); ++p) {
        ready[p].assign(paths_[p].size(), 0.0);
        m.start[p].assign(paths_[p].size(), 0.0);
        m.duration[p].assign(paths_[p].size(), 0.0);
    }
    // Every pass can only make moments later; a meeting point depends on at most all other paths, so
    // the moments settle within one pass per path (the bound guards against rounding that never settles).
    const std::size_t passLimit = joins_ ? paths_.size() + 2 : 1;
    for (std::size_t pass = 0; pass < passLimit; ++pass) {
        bool changed = false;
        m.unschedulable = false;
        for (std::size_t p = 0; p < paths_.size(); ++p) {
            double x = 0;
            for (std::size_t i = 0; i < paths_[p].size(); ++i) {
                const Element& e = paths_[p][i];
                for (auto [q, f] : e.sameOperation)
                    x = std::max(x, ready[q][f]);
                if (x != ready[p][i]) {
                    ready[p][i] = x;
                    changed = true;
                }
                double start = x;
                if (e.chain == delayed.chain && e.op == delayed.op)
                    start = x + delay;
                const double d = element_duration(e, start, m.unschedulable);
                m.start[p][i] = start;
                m.duration[p][i] = d;
                x = start + d;
            }
        }
        if (!changed && pass > 0)
            break;
    }
    m.completion = 0;
    for (std::size_t p = 0; p < paths_.size(); ++p)
        if (!paths_[p].empty())
            m.completion = std::max(m.completion, m.start[p].back() + m.duration[p].back());
    return m;
}

DelayedOutcome ResourceSchedule::completion(OperationRef delayed, double delay) const {
    const Moments m = moments(delayed, delay);
    return {m.completion, m.unschedulable};
}

int ResourceSchedule::own_element(int chain, int op) const {
    if (chain < 1 || chain > static_cast<int>(paths_.size()))
        return -1;
    const auto& path = paths_[chain - 1];
    for (std::size_t i = 0; i < path.size(); ++i)
        if (path[i].chain == chain && path[i].op == op)
            return static_cast<int>(i);
    return -1;
}

} // namespace zep
