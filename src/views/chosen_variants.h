#pragma once
// The implementation variants a solution chose, looked up safely: a stored solution may say 0 (no
// variant chosen) or, when damaged, a number the task does not have.
#include "task/task_record.h"

#include <cstdint>
#include <vector>

namespace zep {

// An operation by its numbers from 1.
struct OperationRef {
    int chain = 0;
    int op = 0;
    bool operator==(const OperationRef&) const = default;
};

// Per chain, per operation, the chosen variant's number from 1 (one run of a solution file).
using VariantChoices = std::vector<std::vector<std::int32_t>>;

// The chosen variant number of an operation; 0 when none is chosen or the choice table lacks it.
int chosen_variant_number(const VariantChoices& choices, OperationRef at);

// The chosen variant of an operation; nullptr when none is chosen or the number is not one of the
// operation's variants. Such an operation counts with time and cost 0.
const VariantRec* chosen_variant(const TaskRecord& rec, const VariantChoices& choices, OperationRef at);

} // namespace zep
