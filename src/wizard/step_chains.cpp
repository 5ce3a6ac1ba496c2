// Step 3: the chains. Row checks, the subgraph rules of a manual numbering, removal of chains whose
// operation count is 0, storing, and adapting the operations of chains whose count changed.
#include "common/utf8.h"
#include "task/typed_number.h"
#include "wizard/message_text.h"
#include "wizard/refusal_texts.h"
#include "wizard/subgraph_rules.h"
#include "wizard/wizard.h"

#include <algorithm>
#include <optional>

namespace zep {
namespace {

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

// The rows of the chain grid as the checks read them: rows [0, ordinary) are ordinary chains, the
// others nested ones; the subgraph column counts only with a manual numbering.
struct ChainGridShape {
    int rows = 0;
    int ordinary = 0;
    bool manual = false;
    int allowedSubgraphs = 0;
};

// The refusal of row r by text `text` followed by the row's number.
ChainRuleRefusal row_refusal(const ShellTables& shell, WizardText text, int r) {
    return {compose(shell, text, " ", r + 1, "."), r};
}

// The name and the operation count of row r.
std::optional<ChainRuleRefusal> read_chain_name_and_count(const CellTable& g, int r, ChainGridRow& row,
                                                          const ShellTables& shell) {
    if (trim_blanks(cell_text(g, r, 1)).empty())
        return row_refusal(shell, WizardText::ChainNameMissing, r);
    auto ops = parse_typed_integer(cell_text(g, r, 2));
    if (!ops)
        return row_refusal(shell, WizardText::OperationCountNotWhole, r);
    if (*ops < 0)
        return row_refusal(shell, WizardText::OperationCountNegative, r);
    if (*ops > kMaxOperationsPerChain)
        return ChainRuleRefusal{compose(shell, WizardText::TooManyOperationsInRow, " ", r + 1, " (> 10 ",
                                        WizardText::InThisVersion, ")."),
                                r};
    row.opCount = *ops;
    return std::nullopt;
}

// The subgraph number of nested row r, when a manual numbering gives one.
std::optional<ChainRuleRefusal> read_subgraph_number(const CellTable& g, int r, ChainGridRow& row,
                                                     const ChainGridShape& shape, const ShellTables& shell) {
    if (!shape.manual || trim_blanks(cell_text(g, r, 3)).empty())
        return std::nullopt;
    auto sub = parse_typed_integer(cell_text(g, r, 3));
    if (!sub)
        return row_refusal(shell, WizardText::CostMissingOrSubgraphNotWhole, r);
    // A negative number is no subgraph either: refused like 0.
    if (*sub <= 0)
        return row_refusal(shell, WizardText::SubgraphNumberZero, r);
    if (*sub > shape.allowedSubgraphs)
        return ChainRuleRefusal{compose(shell, WizardText::SubgraphNumberTooLarge, " ", r + 1, ", ",
                                        WizardText::ExceedsAllowedSubgraphs, " (= ", shape.allowedSubgraphs,
                                        ")."),
                                r};
    row.subgraph = *sub;
    return std::nullopt;
}

// Where nested row r leaves and enters the graph: chains before it, operations those chains have.
std::optional<ChainRuleRefusal>
read_nested_chain_ends(const CellTable& g, int r, std::vector<ChainGridRow>& rows, const ShellTables& shell) {
    const int rowNo = r + 1;
    ChainGridRow& row = rows[r];
    int coords[4];
    for (int i = 0; i < 4; ++i) {
        auto v = parse_typed_integer(cell_text(g, r, 4 + i));
        if (!v)
            return row_refusal(shell, WizardText::CoordinatesNotWhole, r);
        coords[i] = *v;
    }
    row.fromChain = coords[0];
    row.fromOp = coords[1];
    row.toChain = coords[2];
    row.toOp = coords[3];
    if (row.fromChain < 1)
        return row_refusal(shell, WizardText::FromChainBelowOne, r);
    if (row.toChain < 1)
        return row_refusal(shell, WizardText::ToChainBelowOne, r);
    if (row.fromChain >= rowNo)
        return row_refusal(shell, WizardText::FromChainNotAbove, r);
    if (row.toChain >= rowNo)
        return row_refusal(shell, WizardText::ToChainNotAbove, r);
    if (row.fromOp < 1)
        return row_refusal(shell, WizardText::FromOperationBelowOne, r);
    if (rows[row.fromChain - 1].opCount > 0 && row.fromOp > rows[row.fromChain - 1].opCount)
        return row_refusal(shell, WizardText::FromOperationBeyondChain, r);
    if (row.toOp < 1)
        return row_refusal(shell, WizardText::ToOperationBelowOne, r);
    if (rows[row.toChain - 1].opCount > 0 && row.toOp > rows[row.toChain - 1].opCount)
        return row_refusal(shell, WizardText::ToOperationBeyondChain, r);
    return std::nullopt;
}

// Reads every row of the grid into `rows`, in order; the first row that does not pass is refused.
std::optional<ChainRuleRefusal> read_chain_rows(const CellTable& g, const ChainGridShape& shape,
                                                std::vector<ChainGridRow>& rows, const ShellTables& shell) {
    rows.assign(shape.rows, ChainGridRow{});
    for (int r = 0; r < shape.rows; ++r) {
        ChainGridRow& row = rows[r];
        row.nested = r >= shape.ordinary;
        if (auto refusal = read_chain_name_and_count(g, r, row, shell))
            return refusal;
        if (!row.nested)
            continue;
        if (auto refusal = read_subgraph_number(g, r, row, shape, shell))
            return refusal;
        if (auto refusal = read_nested_chain_ends(g, r, rows, shell))
            return refusal;
    }
    return std::nullopt;
}

// The chains that stay when those whose operation count is 0 go.
struct KeptChains {
    std::vector<int> newNumber; // old chain number -> new one, 0 when removed
    int ordinary = 0;
    int nested = 0;
    int total() const { return ordinary + nested; }
};

KeptChains keep_chains_with_operations(const std::vector<ChainGridRow>& rows) {
    KeptChains kept;
    kept.newNumber.assign(rows.size() + 1, 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].opCount == 0)
            continue;
        (rows[r].nested ? kept.nested : kept.ordinary)++;
        kept.newNumber[r + 1] = kept.total();
    }
    return kept;
}

// Stores the kept chains, in grid order, with their operations adapted to the new counts. When chains
// were removed the coordinates are renumbered so that they still name the same chains; one that named
// a removed chain becomes 0 and is refused when the step is checked again.
void store_kept_chains(TaskRecord& rec, const CellTable& g, const std::vector<ChainGridRow>& rows,
                       const KeptChains& kept, bool manual, bool opChangeAtStart) {
    std::vector<ChainRec> old = std::move(rec.chains);
    old.resize(rows.size());
    rec.chains.clear();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const ChainGridRow& row = rows[r];
        if (row.opCount == 0)
            continue;
        ChainRec c = std::move(old[r]);
        c.name = utf8_prefix(cell_text(g, static_cast<int>(r), 1), kChainNameCapacity);
        c.opCount = row.opCount;
        c.subgraphNo = row.nested && manual ? row.subgraph : 0;
        c.fromChain = row.nested ? kept.newNumber[row.fromChain] : 0;
        c.fromOp = row.nested ? row.fromOp : 0;
        c.toChain = row.nested ? kept.newNumber[row.toChain] : 0;
        c.toOp = row.nested ? row.toOp : 0;
        adapt_operations(c.operations, c.opCount, opChangeAtStart);
        rec.chains.push_back(std::move(c));
    }
}

// The counts of the kept chains, and the decomposition that goes with them: none without nested
// chains, as step 2 stores it for such a graph; a manual numbering's subgraphs as checked.
void store_chain_counts(TaskRecord& rec, const KeptChains& kept, bool manual,
                        const ManualNumbering& numbering) {
    rec.workingChainCount = rec.header.chainCount = kept.total();
    rec.workingNestedChainCount = rec.header.nestedChainCount = kept.nested;
    if (kept.nested == 0) {
        rec.header.decompositionMode = 0;
        rec.header.allowedSubgraphCount = 0;
        rec.header.maxQuantSteps = 0;
    }
    if (decomposition_mode(rec.header) == Decomposition::NestedSubgraphs && manual) {
        rec.workingSubgraphCount = numbering.subgraphCount;
        rec.subgraphSpans = numbering.spans;
    } else if (decomposition_mode(rec.header) != Decomposition::NestedSubgraphs) {
        rec.workingSubgraphCount = 0;
        rec.subgraphSpans.clear();
    }
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
    GridTransferResult saved = store_operations(rec_, opStepChain_, in_.operations);
    if (!saved.ok())
        return refuse(task_refusal_text(ctx_.shell, saved.refusal()),
                      {WizardControl::OperationGrid, saved.refusal().row});
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

    const ChainGridShape shape{rec_.workingChainCount, rec_.ordinaryChainCount(), manual_subgraph_numbers(),
                               rec_.header.allowedSubgraphCount};
    const WizardControl grid = chain_grid();
    std::vector<ChainGridRow> rows;
    if (auto refusal = read_chain_rows(in_.chains, shape, rows, ctx_.shell))
        return refuse(refusal->message, {grid, refusal->row});

    // Removal of chains whose operation count is 0. When chains go, the step stays on screen with the
    // shortened grid and the rules about nested chains are checked on the next press, on the graph
    // that remains.
    const KeptChains kept = keep_chains_with_operations(rows);
    if (kept.ordinary == 0)
        return refuse(
            compose(ctx_.shell, WizardText::NoOperationsOutsideNested, ". ", WizardText::CorrectTheData, "."),
            {grid});
    const bool removed = kept.total() < shape.rows;

    // Subgraph rules of a manual numbering, and the order of the ends of nested chains.
    std::vector<WizardMessage> notes;
    ManualNumbering numbering;
    if (!removed && shape.manual) {
        const bool anyNumber = std::any_of(rows.begin(), rows.end(),
                                           [](const ChainGridRow& r) { return r.nested && r.subgraph > 0; });
        if (!anyNumber && rec_.header.allowedSubgraphCount > 0 &&
            ask(compose(ctx_.shell, WizardText::NoSubgraphNumbers, " ?"), notes))
            return stay({grid}, std::move(notes));
        if (anyNumber) {
            numbering = check_manual_numbering(rows, ctx_.shell);
            if (numbering.refusal)
                return refuse(numbering.refusal->message, {grid, numbering.refusal->row}, std::move(notes));
        }
    }
    const bool automatic = rec_.header.automatic_subgraph_numbering();
    if (!removed)
        if (auto order = check_nesting_order(rows, automatic, ctx_.shell))
            return refuse(order->message, {grid, order->row}, std::move(notes));

    store_kept_chains(rec_, in_.chains, rows, kept, shape.manual, in_.opChangeAtStart);
    store_chain_counts(rec_, kept, shape.manual, numbering);
    in_.chainCount = std::to_string(rec_.workingChainCount);
    in_.nestedChainCount = std::to_string(rec_.workingNestedChainCount);
    show_chain_grid_from_record();
    if (removed)
        return stay({chain_grid()}, std::move(notes));

    show_operations_grid(0);
    return enter(WizardStep::Operations, {WizardControl::OperationGrid}, std::move(notes));
}

} // namespace zep
