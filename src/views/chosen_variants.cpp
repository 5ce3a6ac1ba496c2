#include "views/chosen_variants.h"

namespace zep {

int chosen_variant_number(const VariantChoices& choices, OperationRef at) {
    if (at.chain < 1 || at.chain > static_cast<int>(choices.size()))
        return 0;
    const auto& ops = choices[at.chain - 1];
    if (at.op < 1 || at.op > static_cast<int>(ops.size()))
        return 0;
    return ops[at.op - 1];
}

const VariantRec* chosen_variant(const TaskRecord& rec, const VariantChoices& choices, OperationRef at) {
    const int v = chosen_variant_number(choices, at);
    if (v < 1 || at.chain < 1 || at.chain > static_cast<int>(rec.chains.size()))
        return nullptr;
    const ChainRec& ch = rec.chains[at.chain - 1];
    if (at.op < 1 || at.op > static_cast<int>(ch.operations.size()))
        return nullptr;
    const OperationRec& op = ch.operations[at.op - 1];
    if (v > static_cast<int>(op.variants.size()))
        return nullptr;
    return &op.variants[v - 1];
}

} // namespace zep
