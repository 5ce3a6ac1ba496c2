#include "task/stored_modes.h"
#include "task/task_record.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

// A damaged task file may hold any value in a mode field: only the value that names a mode selects it.
TEST(StoredModes, OnlyTheValueOfAModeSelectsIt) {
    struct Case {
        int stored;
        MinimisedParam minimised;
        Decomposition decomposition;
        CriticalConversion conversion;
    } cases[] = {
        {0, MinimisedParam::Cost, Decomposition::None, CriticalConversion::NotSet},
        {1, MinimisedParam::Time, Decomposition::NestedSubgraphs, CriticalConversion::MinimalTimes},
        {2, MinimisedParam::Cost, Decomposition::None, CriticalConversion::MinimalCosts},
        {-1, MinimisedParam::Cost, Decomposition::None, CriticalConversion::NotSet},
    };
    for (const Case& c : cases) {
        TaskHeader h;
        h.minimisedParam = h.decompositionMode = h.criticalConversionMode = c.stored;
        EXPECT_EQ(minimised_parameter(h), c.minimised) << c.stored;
        EXPECT_EQ(decomposition_mode(h), c.decomposition) << c.stored;
        EXPECT_EQ(critical_conversion_mode(h), c.conversion) << c.stored;
    }
}

// The time minimised on one top-level path discretises the cost; on more it is the second-level mode;
// a record without paths yet is neither.
TEST(StoredModes, TheTopLevelPathCountDecidesHowTheTimeIsMinimised) {
    struct Case {
        int minimisedParam, topLevelPaths;
        bool secondLevel, cost;
    } cases[] = {
        {1, 0, false, false}, {1, 1, false, true},  {1, 2, true, false},
        {0, 1, false, false}, {0, 3, false, false},
    };
    for (const Case& c : cases) {
        TaskRecord rec;
        rec.header.minimisedParam = c.minimisedParam;
        if (c.topLevelPaths > 0)
            rec.chainsPerSubgraph = {c.topLevelPaths};
        rec.discretisedIsCost = derived_discretised_is_cost(rec);
        EXPECT_EQ(second_level_mode(rec), c.secondLevel) << c.minimisedParam << " " << c.topLevelPaths;
        EXPECT_EQ(discretised_parameter(rec) == DiscretisedParam::Cost, c.cost)
            << c.minimisedParam << " " << c.topLevelPaths;
    }
}

} // namespace
} // namespace zep
