#pragma once
// Unrolled paths: every nested chain extended into a complete path from the start of its graph to its
// end by taking over the operations of the chains it hangs on.
#include "task/task_record.h"

#include <functional>
#include <vector>

namespace zep {

// How one nested node hangs on its parents (`NestLink`): it leaves `fromNode` after the first
// `opsBefore` operations of that node's own list and enters `toNode` after operation `toOp` of it,
// which `opsAfter` further operations follow.
struct NestLink {
    int fromNode = 0;
    int opsBefore = 0;
    int toNode = 0;
    int toOp = 0;
    int opsAfter = 0;
};

// A run of consecutive positions of a path taken from one node's own list: `count` entries starting
// at 0-based index `first` of node `node`'s list, placed at path position `pathPos`.
struct PathSegment {
    int node = 0;
    int first = 0;
    int count = 0;
    int pathPos = 0;
};

struct PathLayout {
    int prefixLength = 0;
    int suffixLength = 0;
    int elementCount = 0;
    std::vector<PathSegment> segments; // the node's own run included; runs of length 0 left out
};

// The layout of the path of `node` (own list of `ownCount` entries): its parents' runs before and after
// its own, walking the `fromNode` and `toNode` links until both reach nodes that are not nested.
// Parents must come closer to a root with every step (a nested node hangs on nodes numbered below it);
// the walk gives up after as many steps as there can be nodes.
PathLayout unroll_layout(int node, int ownCount, const std::function<bool(int)>& isNested,
                         const std::function<NestLink(int)>& link, int maxSteps);

// The unrolled paths (`UnrollPaths`): `chainPaths` with their elements (count = the operation's
// variantCount), `sourceOps`, `topPathCount` (also the last entry of `chainsPerSubgraph`) and
// `discretisedIsCost`. A nested chain placed in a subgraph (decomposition on, `subgraphNo` > 0) gets an empty
// path. Without decomposition the record is left with no subgraph at all (working count 0, no spans, members
// or subgraph paths). Throws std::invalid_argument for a graph that check_graph_shape refuses.
void unroll_paths(TaskRecord& rec);

} // namespace zep
