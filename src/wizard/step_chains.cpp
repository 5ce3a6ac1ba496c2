// Step 3: the chains. Row checks, the subgraph rules of a manual numbering, removal of chains whose
// operation count is 0, storing, and adapting the operations of chains whose count changed.
#include "common/cp1251.h"
#include "task/typed_number.h"
#include "wizard/message_text.h"
#include "wizard/subgraph_rules.h"
#include "wizard/wizard.h"

#include <algorithm>

namespace zep {
namespace {

const std::string& cell(const CellTable& grid, int row, int column) {
    static const std::string blank;
    if (row < 0 || row >= static_cast<int>(grid.size()) || column < 0 ||
        column >= static_cast<int>(grid[row].size()))
        return blank;
    return grid[row][column];
}

OperationRec new_operation() {
    OperationRec op;
    op.variantCount = 1;
    return op;
}

// The operations of a chain whose operation count becomes `count`: a chain without operations gets
// `count` empty ones with one variant each; otherwise the operations kept keep their place at the end
// of the chain (`atStart` false: new ones are added and surplus ones dropped at the end) or at its
// start (`atStart`: added and dropped at the start).
void adapt_operations(std::vector<OperationRec>& ops, int count, bool atStart) {
    const int n = static_cast<int>(ops.size());
    if (n == 0 || !atStart) {
        ops.resize(count, new_operation());
        return;
    }
    if (count >= n)
        ops.insert(ops.begin(), count - n, new_operation());
    else
        ops.erase(ops.begin(), ops.begin() + (n - count));
}

} // namespace

void Wizard::show_operations_grid(int chainIndex) {
    opStepChain_ = chainIndex;
    in_.operations.clear();
    shownChainName_.clear();
    if (chainIndex < 0 || chainIndex >= static_cast<int>(rec_.chains.size()))
        return;
    const ChainRec& chain = rec_.chains[chainIndex];
    shownChainName_ = chain.name;
    for (int i = 0; i < static_cast<int>(chain.operations.size()); ++i) {
        const OperationRec& op = chain.operations[i];
        in_.operations.push_back({std::to_string(i + 1), op.name, std::to_string(op.variantCount)});
    }
}

StepOutcome Wizard::show_operations_of_chain(int chainIndex) {
    if (step_ != WizardStep::Operations || chainIndex < 0 ||
        chainIndex >= static_cast<int>(rec_.chains.size()))
        return stay({WizardControl::OperationGrid});
    GridTransferResult saved = store_operations(rec_, opStepChain_, in_.operations, ctx_.shell);
    if (!saved.ok)
        return refuse(saved.message, {WizardControl::OperationGrid, saved.focusRow});
    show_operations_grid(chainIndex);
    StepOutcome out = stay({WizardControl::OperationGrid});
    out.moved = true;
    return out;
}

void Wizard::show_chain_grid_from_record() {
    prepare_chain_grid();
}

StepOutcome Wizard::check_chains_step() {
    if (has_resources())
        store_resource_intervals();
    if (has_nested_chains())
        rec_.header.criticalConversionMode = in_.conversionMode == 2 ? 2 : 1;

    const int total = rec_.workingChainCount;
    const int ordinary = rec_.ordinaryChainCount();
    const bool manual = manual_subgraph_numbers();
    const WizardControl grid = chain_grid();
    const CellTable& g = in_.chains;
    std::vector<ChainGridRow> rows(total);

    // Row checks.
    for (int r = 0; r < total; ++r) {
        const int rowNo = r + 1;
        const WizardFocus focus{grid, r};
        auto rowMessage = [&](int text) { return compose(ctx_.shell, Text{text}, " ", rowNo, "."); };
        ChainGridRow& row = rows[r];
        row.nested = r >= ordinary;
        if (trim_blanks(cell(g, r, 1)).empty())
            return refuse(rowMessage(220), focus);
        auto ops = parse_typed_integer(cell(g, r, 2));
        if (!ops)
            return refuse(rowMessage(222), focus);
        if (*ops < 0)
            return refuse(rowMessage(514), focus);
        if (*ops > kMaxOperationsPerChain)
            return refuse(compose(ctx_.shell, Text{515}, " ", rowNo, " (> 10 ", Text{110}, ")."), focus);
        row.opCount = *ops;
        if (!row.nested)
            continue;
        if (manual && !trim_blanks(cell(g, r, 3)).empty()) {
            auto sub = parse_typed_integer(cell(g, r, 3));
            if (!sub)
                return refuse(rowMessage(269), focus);
            // A negative number is no subgraph either: refused like 0.
            if (*sub <= 0)
                return refuse(rowMessage(255), focus);
            if (*sub > rec_.header.allowedSubgraphCount)
                return refuse(compose(ctx_.shell, Text{409}, " ", rowNo, ", ", Text{346},
                                      " (= ", rec_.header.allowedSubgraphCount, ")."),
                              focus);
            row.subgraph = *sub;
        }
        int coords[4];
        for (int i = 0; i < 4; ++i) {
            auto v = parse_typed_integer(cell(g, r, 4 + i));
            if (!v)
                return refuse(rowMessage(221), focus);
            coords[i] = *v;
        }
        row.fromChain = coords[0];
        row.fromOp = coords[1];
        row.toChain = coords[2];
        row.toOp = coords[3];
        if (row.fromChain < 1)
            return refuse(rowMessage(263), focus);
        if (row.toChain < 1)
            return refuse(rowMessage(262), focus);
        if (row.fromChain >= rowNo)
            return refuse(rowMessage(243), focus);
        if (row.toChain >= rowNo)
            return refuse(rowMessage(497), focus);
        if (row.fromOp < 1)
            return refuse(rowMessage(265), focus);
        if (rows[row.fromChain - 1].opCount > 0 && row.fromOp > rows[row.fromChain - 1].opCount)
            return refuse(rowMessage(245), focus);
        if (row.toOp < 1)
            return refuse(rowMessage(264), focus);
        if (rows[row.toChain - 1].opCount > 0 && row.toOp > rows[row.toChain - 1].opCount)
            return refuse(rowMessage(244), focus);
    }

    // Removal of chains whose operation count is 0. When chains go, the step stays on screen with the
    // shortened grid and the rules about nested chains are checked on the next press, on the graph
    // that remains.
    std::vector<int> newNumber(total + 1, 0); // old chain number -> new one, 0 when removed
    int keptOrdinary = 0;
    int keptNested = 0;
    for (int r = 0; r < total; ++r) {
        if (rows[r].opCount == 0)
            continue;
        (rows[r].nested ? keptNested : keptOrdinary)++;
        newNumber[r + 1] = keptOrdinary + keptNested;
    }
    if (keptOrdinary == 0)
        return refuse(compose(ctx_.shell, Text{242}, ". ", Text{329}, "."), {grid});
    const bool removed = keptOrdinary + keptNested < total;

    // Subgraph rules of a manual numbering, and the order of the ends of nested chains.
    std::vector<WizardMessage> notes;
    ManualNumbering numbering;
    if (!removed && manual) {
        const bool anyNumber = std::any_of(rows.begin(), rows.end(),
                                           [](const ChainGridRow& r) { return r.nested && r.subgraph > 0; });
        if (!anyNumber && rec_.header.allowedSubgraphCount > 0 &&
            ask(compose(ctx_.shell, Text{68}, " ?"), notes))
            return stay({grid}, std::move(notes));
        if (anyNumber) {
            numbering = check_manual_numbering(rows, ctx_.shell);
            if (numbering.refusal)
                return refuse(numbering.refusal->message, {grid, numbering.refusal->row}, std::move(notes));
        }
    }
    const bool automatic = rec_.header.decompositionMode == 1 && rec_.header.subgraphNumbering == 1;
    if (!removed)
        if (auto order = check_nesting_order(rows, automatic, ctx_.shell))
            return refuse(order->message, {grid, order->row}, std::move(notes));

    // Storing the chains, in grid order, with their operations adapted to the new counts. When chains
    // were removed the coordinates are renumbered so that they still name the same chains; one that
    // named a removed chain becomes 0 and is refused when the step is checked again.
    std::vector<ChainRec> old = std::move(rec_.chains);
    old.resize(total);
    rec_.chains.clear();
    for (int r = 0; r < total; ++r) {
        const ChainGridRow& row = rows[r];
        if (row.opCount == 0)
            continue;
        ChainRec c = std::move(old[r]);
        c.name = utf8_prefix(cell(g, r, 1), kChainNameCapacity);
        c.opCount = row.opCount;
        c.subgraphNo = row.nested && manual ? row.subgraph : 0;
        c.fromChain = row.nested ? newNumber[row.fromChain] : 0;
        c.fromOp = row.nested ? row.fromOp : 0;
        c.toChain = row.nested ? newNumber[row.toChain] : 0;
        c.toOp = row.nested ? row.toOp : 0;
        adapt_operations(c.operations, c.opCount, in_.opChangeAtStart);
        rec_.chains.push_back(std::move(c));
    }
    rec_.workingChainCount = rec_.header.chainCount = keptOrdinary + keptNested;
    rec_.workingNestedChainCount = rec_.header.nestedChainCount = keptNested;
    if (keptNested == 0) {
        // No nested chains are left: nothing to decompose, as step 2 stores it for such a graph.
        rec_.header.decompositionMode = 0;
        rec_.header.allowedSubgraphCount = 0;
        rec_.header.maxQuantSteps = 0;
    }
    if (rec_.header.decompositionMode == 1 && manual) {
        rec_.workingSubgraphCount = numbering.subgraphCount;
        rec_.subgraphSpans = numbering.spans;
    } else if (rec_.header.decompositionMode != 1) {
        rec_.workingSubgraphCount = 0;
        rec_.subgraphSpans.clear();
    }
    in_.chainCount = std::to_string(rec_.workingChainCount);
    in_.nestedChainCount = std::to_string(rec_.workingNestedChainCount);
    show_chain_grid_from_record();
    if (removed)
        return stay({chain_grid()}, std::move(notes));

    show_operations_grid(0);
    return enter(WizardStep::Operations, {WizardControl::OperationGrid}, std::move(notes));
}

} // namespace zep
