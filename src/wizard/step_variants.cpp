// Steps 5 and 6: the variants of every operation, the table of all of them, and the graph's bounds.
#include "common/number_text.h"
#include "task/bounds.h"
#include "task/decomposition.h"
#include "task/path_unrolling.h"
#include "task/typed_number.h"
#include "wizard/message_text.h"
#include "wizard/refusal_texts.h"
#include "wizard/wizard.h"

#include <cmath>
#include <optional>

namespace zep {
namespace {

bool same(double a, double b) {
    return std::fabs(a - b) < kValueTolerance;
}

struct Dominance {
    int dominated = 0; // variant numbers from 1
    int dominating = 0;
    bool firstIsDominated = false;
};

// The first dominated variant of an operation: pairs a before b; equal times make the costlier one
// dominated (b when the costs are equal too), else equal costs the slower one, else a variant both
// slower and costlier than the other.
std::optional<Dominance> dominated_variant(const std::vector<VariantRec>& v) {
    const int n = static_cast<int>(v.size());
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            const double ta = v[a].time, tb = v[b].time, ca = v[a].cost, cb = v[b].cost;
            bool aDominated = false;
            bool bDominated = false;
            if (same(ta, tb)) {
                if (same(ca, cb) || cb > ca)
                    bDominated = true;
                else
                    aDominated = true;
            } else if (same(ca, cb)) {
                (ta > tb ? aDominated : bDominated) = true;
            } else if (ta > tb && ca > cb) {
                aDominated = true;
            } else if (tb > ta && cb > ca) {
                bDominated = true;
            }
            if (aDominated)
                return Dominance{a + 1, b + 1, true};
            if (bDominated)
                return Dominance{b + 1, a + 1, false};
        }
    }
    return std::nullopt;
}

// A refused variant: why, and where to show it (row -1: the operation as a whole).
struct VariantRefusal {
    std::string message;
    int chain = 0, operation = 0, row = -1; // 0-based
};

// The first variant that is not complete, in chain, operation and variant order: an operation without
// its variants, its name or a variant's essence; with unavailable resources a category outside
// 1..`categories`; an unset time or cost.
std::optional<VariantRefusal> incomplete_variant(const TaskRecord& rec, bool resources, int categories,
                                                 const ShellTables& shell) {
    for (int c = 0; c < static_cast<int>(rec.chains.size()); ++c) {
        const ChainRec& chain = rec.chains[c];
        for (int o = 0; o < static_cast<int>(chain.operations.size()); ++o) {
            const OperationRec& op = chain.operations[o];
            const int chainNo = c + 1, opNo = o + 1;
            bool incomplete = op.variants.empty() ||
                              static_cast<int>(op.variants.size()) != op.variantCount ||
                              trim_blanks(op.name).empty();
            for (const VariantRec& v : op.variants)
                incomplete = incomplete || trim_blanks(v.essence).empty();
            if (incomplete)
                return VariantRefusal{compose(shell, WizardText::OperationIncomplete, " ", opNo, " ",
                                              WizardText::OfChain, " ", chainNo, ". ",
                                              WizardText::CorrectTheData, "."),
                                      c, o, -1};
            for (int i = 0; i < static_cast<int>(op.variants.size()); ++i) {
                const VariantRec& v = op.variants[i];
                const int varNo = i + 1;
                if (resources && (v.resourceCategory <= 0 || v.resourceCategory > categories))
                    return VariantRefusal{
                        compose(shell, WizardText::ResourceCategoryInvalid, " (<=0 ", WizardText::Or, " >",
                                categories, "), ", WizardText::VariantLower, " ", varNo, " ",
                                WizardText::OfOperation, " ", opNo, " ", WizardText::OfChain, " ", chainNo,
                                ". ", WizardText::CorrectTheData, "."),
                        c, o, i};
                auto unset = [&](WizardText text) {
                    return VariantRefusal{compose(shell, text, " ", opNo, " ", WizardText::OfChain, " ",
                                                  chainNo, " ", TaskText::ForVariant, " ", varNo, " ",
                                                  WizardText::CellHighlighted, ". ",
                                                  WizardText::CorrectTheData, "."),
                                          c, o, i};
                };
                if (is_unset_value(v.time))
                    return unset(resources ? WizardText::NetTimeMissing : WizardText::TimeMissing);
                if (is_unset_value(v.cost))
                    return unset(WizardText::CostMissingOrSubgraphNotWhole);
            }
        }
    }
    return std::nullopt;
}

// The first operation with a dominated variant, in chain and operation order.
std::optional<VariantRefusal> first_dominated_variant(const TaskRecord& rec, const ShellTables& shell) {
    for (int c = 0; c < static_cast<int>(rec.chains.size()); ++c) {
        for (int o = 0; o < static_cast<int>(rec.chains[c].operations.size()); ++o) {
            auto d = dominated_variant(rec.chains[c].operations[o].variants);
            if (!d)
                continue;
            // When the first of the pair is the dominated one, one more blank stands before text 404.
            const char* beforeLast = d->firstIsDominated ? ",  " : ", ";
            return VariantRefusal{compose(shell, TaskText::Variant, " ", d->dominated, " ",
                                          WizardText::IsDominatedBy, " ", d->dominating, " ",
                                          WizardText::NoBetterInTimeOrCost, beforeLast,
                                          WizardText::RemoveDominatedVariant, "."),
                                  c, o, d->dominated - 1};
        }
    }
    return std::nullopt;
}

} // namespace

void Wizard::show_variants_grid(int chainIndex, int opIndex) {
    varStepChain_ = chainIndex;
    varStepOperation_ = opIndex;
    VariantGridView view = load_variant_grid(rec_, chainIndex, opIndex, ctx_.separator);
    in_.variants = std::move(view.rows);
    shownChainName_ = std::move(view.chainName);
    shownOperationName_ = std::move(view.operationName);
}

StepOutcome Wizard::show_variants_of(int chainIndex, int opIndex) {
    const bool exists = chainIndex >= 0 && chainIndex < static_cast<int>(rec_.chains.size()) &&
                        opIndex >= 0 && opIndex < static_cast<int>(rec_.chains[chainIndex].operations.size());
    if (step_ != WizardStep::Variants || !exists)
        return stay({variant_grid()});
    GridTransferResult saved =
        store_variants(rec_, varStepChain_, varStepOperation_, in_.variants, ctx_.separator);
    if (!saved.ok())
        return refuse(task_refusal_text(ctx_.shell, saved.refusal()), {variant_grid(), saved.refusal().row});
    show_variants_grid(chainIndex, opIndex);
    StepOutcome out = stay({variant_grid()});
    out.moved = true;
    return out;
}

StepOutcome Wizard::refuse_at_variant(std::string message, int chainIndex, int opIndex, int row) {
    show_variants_grid(chainIndex, opIndex);
    return refuse(std::move(message), {variant_grid(), row});
}

StepOutcome Wizard::check_variants_step() {
    const bool resources = has_resources();
    // Every variant of every operation must be complete. These checks come before the decomposition's
    // bounds so that an unset time is reported as such, not as a path that cannot be bounded.
    std::optional<VariantRefusal> refusal =
        incomplete_variant(rec_, resources, rec_.header.resourceCategoryCount, ctx_.shell);
    if (!refusal)
        refusal = first_dominated_variant(rec_, ctx_.shell);
    if (refusal)
        return refuse_at_variant(refusal->message, refusal->chain, refusal->operation, refusal->row);

    PrepOutcome decomposed = bound_subgraphs(rec_);
    if (!decomposed.ok()) {
        const TaskRefusalValue& r = decomposed.refusal();
        const int c = r.chainNo > 0 ? r.chainNo - 1 : varStepChain_;
        const int o = r.opNo > 0 ? r.opNo - 1 : varStepOperation_;
        return refuse_at_variant(task_refusal_text(ctx_.shell, r), c, o, -1);
    }
    unroll_paths(rec_);
    rec_.boundsValid = false;
    build_review_table();
    return enter(WizardStep::Review,
                 {resources ? WizardControl::ResourceReviewGrid : WizardControl::ReviewGrid});
}

void Wizard::build_review_table() {
    const bool resources = has_resources();
    reviewTable_.clear();
    for (int c = 0; c < static_cast<int>(rec_.chains.size()); ++c) {
        const ChainRec& chain = rec_.chains[c];
        bool firstOfChain = true;
        for (int o = 0; o < static_cast<int>(chain.operations.size()); ++o) {
            const OperationRec& op = chain.operations[o];
            for (int i = 0; i < static_cast<int>(op.variants.size()); ++i) {
                const VariantRec& v = op.variants[i];
                std::vector<std::string> row;
                row.push_back((firstOfChain ? "" : "  ") + std::to_string(c + 1));
                row.push_back(firstOfChain ? chain.name : std::string());
                row.push_back((i == 0 ? "" : "  ") + std::to_string(o + 1));
                row.push_back(i == 0 ? op.name : std::string());
                row.push_back(std::to_string(i + 1));
                row.push_back(v.essence);
                if (resources) {
                    row.push_back(std::to_string(v.resourceCategory));
                    row.push_back(v.noSuspend >= 1 ? "*" : "");
                }
                row.push_back(number_text(v.time));
                row.push_back(number_text(v.cost));
                reviewTable_.push_back(std::move(row));
                firstOfChain = false;
            }
        }
    }
}

StepOutcome Wizard::check_review_step() {
    if (!rec_.boundsValid) {
        PrepOutcome bounded = compute_bounds(rec_);
        if (!bounded.ok())
            return refuse(task_refusal_text(ctx_.shell, bounded.refusal()),
                          {has_resources() ? WizardControl::ResourceReviewGrid : WizardControl::ReviewGrid});
    }
    return enter(WizardStep::Rounding, {WizardControl::Tact});
}

} // namespace zep
