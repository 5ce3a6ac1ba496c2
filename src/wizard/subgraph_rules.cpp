#include "wizard/subgraph_rules.h"

#include "task/numbering_rules.h"
#include "wizard/message_text.h"

#include <algorithm>

namespace zep {
namespace {

// The graph of the rows as a record the numbering rules can walk: counts, chains, numbers, coordinates.
TaskRecord record_of(const std::vector<ChainGridRow>& rows, int subgraphCount) {
    TaskRecord rec;
    rec.header.decompositionMode = 1;
    rec.workingChainCount = static_cast<int>(rows.size());
    rec.workingNestedChainCount = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const ChainGridRow& r) { return r.nested; }));
    rec.workingSubgraphCount = subgraphCount;
    for (const ChainGridRow& r : rows) {
        ChainRec c;
        c.opCount = r.opCount;
        c.subgraphNo = r.nested ? r.subgraph : 0;
        c.fromChain = r.fromChain;
        c.fromOp = r.fromOp;
        c.toChain = r.toChain;
        c.toOp = r.toOp;
        rec.chains.push_back(c);
    }
    return rec;
}

class Messages {
public:
    Messages(const std::vector<ChainGridRow>& rows, const ShellTables& shell) : rows_(rows), shell_(shell) {}

    ChainRuleRefusal of(const NumberingViolation& v) const {
        const int row = v.chain - 1;
        const ChainGridRow& c = rows_[row];
        const int k = v.subgraph;
        switch (v.rule) {
        case NumberingRule::SpansParentWhole:
            return {compose(shell_, WizardText::NestedChainWholeChain, " ", v.chain, " ",
                            WizardText::LeavesFirstEntersLast, " ", c.fromChain, ", ",
                            WizardText::SoNestedChain, " ", v.chain, " ", WizardText::CannotBelongToSubgraph,
                            "."),
                    row};
        case NumberingRule::SeveralOutsideChains: {
            if (v.otherChain == 0)
                return {compose(shell_, member(row, k), ". ", WizardText::SameBaseChain, " ",
                                WizardText::CheckNumbering, "."),
                        row};
            const bool leaving = c.fromChain != v.otherChain && outside(c.fromChain, k);
            return {compose(shell_, member(row, k), " ", WizardText::AndYet, " ",
                            leaving ? WizardText::LeavesChain : WizardText::EntersChain, " ",
                            leaving ? c.fromChain : c.toChain, " ",
                            leaving ? WizardText::InsteadOfBaseChainLeaving
                                    : WizardText::InsteadOfBaseChainEntering,
                            " ", v.otherChain, " ", WizardText::OfThisSubgraph, " ",
                            WizardText::SameBaseChain, " ", WizardText::CheckNumbering, "."),
                    row};
        }
        case NumberingRule::MemberOutsideSpan: {
            // The member leaves the base chain after the span or enters it before: name that end.
            const bool leaving = c.fromChain == v.otherChain && c.fromOp > last_op(k, v.otherChain);
            return {compose(shell_, member(row, k), " ", WizardText::AndYet, " ",
                            leaving ? WizardText::LeavesChain : WizardText::EntersChain, " ", v.otherChain,
                            " ", leaving ? WizardText::AtStartOfOperation : WizardText::AtEndOfOperation, " ",
                            leaving ? c.fromOp : c.toOp, " ", WizardText::CheckNumbering, "."),
                    row};
        }
        case NumberingRule::SameSpanOutside:
            return {compose(shell_, WizardText::NestedChainInRow, " ", v.chain, " ",
                            WizardText::SameEndsAsSpan, " ", k, " ", WizardText::MustBelongOrMove, "."),
                    row};
        case NumberingRule::HangsOnMember: {
            const bool leaving = c.fromChain == v.otherChain;
            const WizardText verb = leaving ? WizardText::LeavesChainVerb : WizardText::EntersChainVerb;
            if (c.subgraph == 0)
                return {compose(shell_, WizardText::NestedChain, " ", v.chain, " ",
                                WizardText::BelongsToNoSubgraphBut, " ", verb, " ", v.otherChain, " ",
                                WizardText::OfSubgraph, " ", k, "."),
                        row};
            return {compose(shell_, member(row, c.subgraph), " ", WizardText::AndYet, " ", verb, " ",
                            v.otherChain, " ", WizardText::OfAnotherSubgraph, " ", k, " ",
                            WizardText::CheckNumbering, "."),
                    row};
        }
        case NumberingRule::LeavesInsideSpan:
        case NumberingRule::EntersInsideSpan: {
            const bool leaving = v.rule == NumberingRule::LeavesInsideSpan;
            return {compose(shell_, outsider(row), " ", WizardText::HangsOnBaseChain, " ", v.otherChain, " ",
                            leaving ? WizardText::AtStartOfOperation : WizardText::AtEndOfOperation, " ",
                            leaving ? c.fromOp : c.toOp, " ", WizardText::InsideSpanOfSubgraph, " ", k, " ",
                            WizardText::CheckNumbering, "."),
                    row};
        }
        case NumberingRule::CrossingOrder: {
            // One of the two leaves a chain after the other has entered it.
            const ChainGridRow& other = rows_[v.otherChain - 1];
            const bool thisLeaves = c.fromChain == other.toChain && c.fromOp > other.toOp;
            const int leaver = thisLeaves ? v.chain : v.otherChain;
            const int enterer = thisLeaves ? v.otherChain : v.chain;
            const ChainGridRow& l = rows_[leaver - 1];
            const ChainGridRow& e = rows_[enterer - 1];
            return {compose(shell_, WizardText::CoordinateError, " ", leaver, " ", WizardText::LeavesChain,
                            " ", l.fromChain, " ", WizardText::AtStartOfOperation, " ", l.fromOp, ". ",
                            WizardText::NestedChain, " ", enterer, " ", WizardText::EntersChain, " ",
                            e.toChain, " ", WizardText::AtEndOfOperation, " ", e.toOp, " ",
                            WizardText::CheckNumbering, "."),
                    leaver - 1};
        }
        }
        return {compose(shell_, WizardText::SameBaseChain, " ", WizardText::CheckNumbering, "."), row};
    }

private:
    bool outside(int chainNo, int k) const {
        const int s = chainNo >= 1 && chainNo <= static_cast<int>(rows_.size()) && rows_[chainNo - 1].nested
                          ? rows_[chainNo - 1].subgraph
                          : 0;
        return s == 0 || s > k;
    }
    int last_op(int k, int base) const {
        int last = 0;
        for (const ChainGridRow& r : rows_)
            if (r.nested && r.subgraph == k && r.toChain == base)
                last = std::max(last, r.toOp);
        return last;
    }
    // "<text 108> <row> <text 304> <k>": a nested chain of subgraph k.
    std::string member(int row, int k) const {
        return compose(shell_, WizardText::NestedChain, " ", row + 1, " ", WizardText::BelongsToSubgraph, " ",
                       k);
    }
    // A chain outside the subgraph concerned: in an outer subgraph, or in none.
    std::string outsider(int row) const {
        if (rows_[row].subgraph > 0)
            return compose(shell_, member(row, rows_[row].subgraph), " ", WizardText::AndYet);
        return compose(shell_, WizardText::NestedChain, " ", row + 1, " ",
                       WizardText::BelongsToNoSubgraphBut);
    }

    const std::vector<ChainGridRow>& rows_;
    const ShellTables& shell_;
};

} // namespace

ManualNumbering check_manual_numbering(const std::vector<ChainGridRow>& rows, const ShellTables& shell) {
    ManualNumbering out;
    for (const ChainGridRow& r : rows)
        if (r.nested)
            out.subgraphCount = std::max(out.subgraphCount, r.subgraph);
    for (int k = 1; k <= out.subgraphCount; ++k) {
        const bool used = std::any_of(rows.begin(), rows.end(),
                                      [k](const ChainGridRow& r) { return r.nested && r.subgraph == k; });
        if (!used) {
            out.refusal = ChainRuleRefusal{compose(shell, WizardText::SubgraphNumber, " \"", k, "\" ",
                                                   WizardText::SubgraphNumberUnused, "."),
                                           -1};
            return out;
        }
    }
    TaskRecord rec = record_of(rows, out.subgraphCount);
    if (auto v = check_numbering_rules(rec)) {
        out.refusal = Messages(rows, shell).of(*v);
        return out;
    }
    out.spans = rec.subgraphSpans;
    return out;
}

std::optional<ChainRuleRefusal> check_nesting_order(const std::vector<ChainGridRow>& rows,
                                                    bool automaticNumbering, const ShellTables& shell) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ChainGridRow& c = rows[r];
        if (!c.nested)
            continue;
        if (c.fromChain == c.toChain && c.toOp < c.fromOp)
            return ChainRuleRefusal{
                compose(shell, WizardText::CoordinateError, " ", r + 1, " ", WizardText::StartsAndEndsOnChain,
                        " ", c.fromChain, " ", WizardText::ExitAtStartOfOperation, " ", c.fromOp, " ",
                        WizardText::AndEntryAtEndOfOperation, " ", c.toOp, ". ", WizardText::EntryBeforeExit,
                        ". ", WizardText::CorrectTheData, "."),
                r};
        if (!automaticNumbering)
            continue;
        for (int q = 0; q < r; ++q) {
            const ChainGridRow& e = rows[q];
            if (!e.nested || e.fromChain != c.fromChain || e.toChain != c.toChain)
                continue;
            const bool identical = e.fromOp == c.fromOp && e.toOp == c.toOp;
            if (c.fromOp <= e.fromOp && c.toOp >= e.toOp && !identical)
                return ChainRuleRefusal{compose(shell, WizardText::WrongNestingOrder, " ", r + 1, " ",
                                                WizardText::EnclosesNestedChainInRow, " ", q + 1, " ",
                                                WizardText::LeavesAndEntersSameChains, " (", c.fromChain,
                                                ", ", c.toChain, ") ", WizardText::EnclosingStandsAbove, "."),
                                        r};
        }
    }
    return std::nullopt;
}

} // namespace zep
