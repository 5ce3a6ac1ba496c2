#pragma once
// The completion moment of a graph without unavailable resources: the length of its longest path.
// Every nested subgraph is first reduced to the length of its longest member path (inner subgraphs,
// which have the smaller numbers, first); the top-level paths count a reference to a subgraph as that
// length and an element covered by a subgraph as 0; a real operation counts its chosen variant's time.
#include "views/delayed_completion.h"

#include <vector>

namespace zep {

class LongestPath : public DelayedCompletion {
public:
    LongestPath(const TaskRecord& rec, const VariantChoices& choices);

    DelayedOutcome completion(OperationRef delayed, double delay) const override;
    bool piecewise_linear() const override { return true; }

private:
    struct Element {
        int chain = 0;
        int op = 0;        // > 0 a real operation; 0 covered or a subgraph reference
        int subgraph = -1; // 0-based subgraph a reference stands for, -1 otherwise
        double time = 0;   // the chosen variant's time of a real operation
    };
    using Path = std::vector<Element>;

    double path_length(const Path& path, const std::vector<double>& subgraphLengths, OperationRef delayed,
                       double delay) const;

    std::vector<std::vector<Path>> subgraphPaths_; // per subgraph, its member paths
    std::vector<Path> topPaths_;
};

} // namespace zep
