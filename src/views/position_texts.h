#pragma once
// Where a nested chain hangs, as the views write it under the chain's first row.
#include "common/shell_tables.h"
#include "task/task_record.h"

#include <string>
#include <vector>

namespace zep {

// The position texts of a nested chain, for the rows after its first one: with decomposition
// "[<text 276>: <subgraphNo>]" and then the coordinates "[<text 175>: (fromChain;fromOp), (toChain;toOp)]";
// without decomposition the coordinates alone. Empty for an ordinary chain.
std::vector<std::string> position_texts(const TaskRecord& rec, int chain, const ShellTables& shell);

} // namespace zep
