#pragma once
// Decomposition into nested network subgraphs: groups of nested chains hanging on one span of a base
// chain are cut out of the graph and stand in it as one fictitious operation whose variants are the
// subgraph's time levels.
//
// Subgraph k+1 (0-based index k) is described by its span (`subgraphSpans[k]`), its members
// (`subgraphMembers[k]`, member 0 being the base span), the members' own operation references
// (`opRefs[k]`), its summary and its member paths. The top-level graph has members, references and a
// summary too, at index `workingSubgraphCount`. An inner subgraph always has a smaller number than the
// subgraph it lies in, so every walk over subgraphs in increasing order meets the inner ones first.
#include "task/prep_outcome.h"
#include "task/task_record.h"

namespace zep {

// The subgraphs cut out (`Decomp1`; decomposition on only, otherwise nothing happens): from the chains'
// `subgraphNo`, the working subgraph count and the subgraph spans, builds the members, `opRefs`, `spanMark`,
// the critical flags, `chainsPerSubgraph` and the member paths with their elements. Every element stores the
// operation's own number in its chain; numbers relative to a span exist only in the members'
// coordinates and in `opRefs`. A member of a subgraph that carries the spans of several inner
// subgraphs refers to each of them. Throws std::invalid_argument for a graph that check_graph_shape
// refuses or spans that do not fit their base chains.
void extract_subgraphs(TaskRecord& rec);

// The critical flags of every subgraph and of the top level from the current variant counts: critical
// unless a member has a real operation of more than one variant or refers to a subgraph that is not
// critical. A critical entry has one time level; the level count of the others is left to the
// discretisation (0 until then).
void compute_critical_flags(TaskRecord& rec);

// The operation number that an `opRefs` entry `ref` > 0 of member `member` of subgraph index `s` stands
// for (the top level is s = workingSubgraphCount).
int op_of_reference(const TaskRecord& rec, int s, int member, int ref);

// The subgraphs bounded (`Decomp2`; decomposition on, no unavailable resources, nested chains present,
// subgraphs extracted; otherwise nothing happens and the result is ok): the time and cost bounds and the base
// cost of every subgraph, inner subgraphs first, and the counts of the real operations of the member paths.
// Stops at the first element after which its path cannot be bounded.
PrepOutcome bound_subgraphs(TaskRecord& rec);

} // namespace zep
