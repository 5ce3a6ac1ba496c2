#pragma once
// The messages of the chains step about nested chains and a manual numbering of subgraphs. The rules
// themselves are those the automatic search tests numberings with (check_numbering_rules); here every
// violation is told in words that name the grid row, the chains, operations and subgraphs involved.
#include "shell/shell_file.h"
#include "task/task_record.h"

#include <optional>
#include <string>
#include <vector>

namespace zep {

// One row of the chain grid as the row checks have read it. Chain references are numbered from 1 and
// the rows hold no chain to be removed.
struct ChainGridRow {
    bool nested = false;
    int opCount = 0;
    int subgraph = 0; // 0: none (always 0 for ordinary chains)
    int fromChain = 0;
    int fromOp = 0;
    int toChain = 0;
    int toOp = 0;
};

struct ChainRuleRefusal {
    std::string message;
    int row = -1; // 0-based grid row to show, -1 for the grid as a whole
};

struct ManualNumbering {
    std::optional<ChainRuleRefusal> refusal;
    int subgraphCount = 0;           // the largest number used
    std::vector<SubgraphSpan> spans; // per subgraph: its base chain and the span it replaces
};

// Checks the numbers of `rows` (manual numbering): every number from 1 to the largest used is used,
// then the rules of a numbering. Every nested row must hang on rows above it, inside their operation
// counts (the row checks see to that).
ManualNumbering check_manual_numbering(const std::vector<ChainGridRow>& rows, const ShellTables& shell);

// Order of the ends of every nested chain (in every mode): a chain that leaves and enters the same
// chain may not enter before it leaves. With automatic numbering moreover a nested chain may not
// enclose an earlier one with the same two chains: the enclosing one must come first.
std::optional<ChainRuleRefusal> check_nesting_order(const std::vector<ChainGridRow>& rows,
                                                    bool automaticNumbering, const ShellTables& shell);

} // namespace zep
