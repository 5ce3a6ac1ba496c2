#include "views/longest_path.h"

#include <algorithm>

namespace zep {

LongestPath::LongestPath(const TaskRecord& rec, const VariantChoices& choices) {
    auto convert = [&](const PathInfo& info, int subgraphLimit) {
        Path path;
        for (const PathElement& e : info.elements) {
            Element el;
            el.chain = e.chain;
            if (e.op > 0) {
                el.op = e.op;
                if (const VariantRec* v = chosen_variant(rec, choices, {e.chain, e.op}))
                    el.time = v->time;
            } else if (e.op < 0) {
                // Only a subgraph already reduced can stand in a path; a damaged reference counts as 0.
                const int k = subgraph_index_of(e.op);
                el.subgraph = k < subgraphLimit ? k : -1;
            }
            path.push_back(el);
        }
        return path;
    };
    const int subgraphs = static_cast<int>(rec.subgraphPaths.size());
    for (int k = 0; k < subgraphs; ++k) {
        subgraphPaths_.emplace_back();
        for (const PathInfo& info : rec.subgraphPaths[k])
            subgraphPaths_.back().push_back(convert(info, k));
    }
    for (const PathInfo& info : rec.chainPaths)
        if (info.elementCount() > 0)
            topPaths_.push_back(convert(info, subgraphs));
}

double LongestPath::path_length(const Path& path, const std::vector<double>& subgraphLengths,
                                OperationRef delayed, double delay) const {
    double sum = 0;
    for (const Element& e : path) {
        if (e.subgraph >= 0)
            sum += subgraphLengths[e.subgraph];
        else if (e.op > 0 && e.chain == delayed.chain && e.op == delayed.op)
            sum += e.time + delay;
        else
            sum += e.time;
    }
    return sum;
}

DelayedOutcome LongestPath::completion(OperationRef delayed, double delay) const {
    std::vector<double> lengths(subgraphPaths_.size(), 0.0);
    for (std::size_t k = 0; k < subgraphPaths_.size(); ++k)
        for (const Path& p : subgraphPaths_[k])
            lengths[k] = std::max(lengths[k], path_length(p, lengths, delayed, delay));
    double longest = 0;
    for (const Path& p : topPaths_)
        longest = std::max(longest, path_length(p, lengths, delayed, delay));
    return {longest, false};
}

} // namespace zep
