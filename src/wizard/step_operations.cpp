// Step 4: the operations of every chain. Decomposition (manual numbering) or the search for a
// numbering (automatic), conversion of shared operations into critical ones, the limit on variants.
#include "task/critical_conversion.h"
#include "task/decomposition.h"
#include "task/numbering_search.h"
#include "wizard/message_text.h"
#include "wizard/refusal_texts.h"
#include "wizard/wizard.h"

namespace zep {

StepOutcome Wizard::check_operations_step() {
    std::vector<WizardMessage> notes;
    const TaskHeader& h = rec_.header;
    const bool decomposition = decomposition_mode(h) == Decomposition::NestedSubgraphs;

    if (h.manual_subgraph_numbering()) {
        extract_subgraphs(rec_);
    } else if (decomposition && has_nested_chains() && rec_.workingChainCount > 1) {
        NumberingSearchResult found = search_numbering(rec_);
        if (found.outcome == NumberingSearchResult::Outcome::Failed)
            return refuse(task_refusal_text(ctx_.shell, found.failure.refusal()),
                          {WizardControl::OperationGrid});
    }

    // Every chain is stored again from what it holds: a chain never shown on this step still has the
    // empty operations step 3 gave it, and is refused here with that chain on screen.
    for (int c = 0; c < static_cast<int>(rec_.chains.size()); ++c) {
        show_operations_grid(c);
        GridTransferResult saved = store_operations(rec_, c, in_.operations);
        if (!saved.ok())
            return refuse(task_refusal_text(ctx_.shell, saved.refusal()),
                          {WizardControl::OperationGrid, saved.refusal().row});
    }

    for (ChainRec& chain : rec_.chains)
        for (OperationRec& op : chain.operations)
            op.criticalMark = 0;
    convertedCount_ = convert_shared_operations(rec_);
    if (convertedCount_ > 0)
        notes.push_back({MessageKind::Information, conversion_notice(ctx_.shell, convertedCount_)});

    long long variants = 0;
    for (const ChainRec& chain : rec_.chains)
        for (const OperationRec& op : chain.operations)
            variants += op.variantCount;
    if (variants > kMaxVariantsInTask)
        return refuse(compose(ctx_.shell, WizardText::TooManyVariants, "  (= ", variants, "), ",
                              WizardText::ExceedsLimitOfVariants, " (= 64500). ", WizardText::ReduceVariants,
                              "."),
                      {WizardControl::OperationGrid}, std::move(notes));

    show_variants_grid(0, 0);
    return enter(WizardStep::Variants, {variant_grid()}, std::move(notes));
}

} // namespace zep
