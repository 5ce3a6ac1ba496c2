// The run on solver input files written by the task model's own writer.
#include "optimiser/run_control.h"
#include "shell/naming_shell.h"
#include "task/sample_tasks.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

SolvedTask solve(const TaskRecord& rec) {
    static const ShellTables shell = testing::naming_shell();
    RunTexts texts{shell, rec.header.taskCode, ','};
    return solve_input(encode_solver_input(rec, "Shell (ZEP 2.2).rus"),
                       "zep_" + rec.header.taskCode + "_in.dat", texts, OptimiserOptions{});
}

TEST(SampleTasks, ADecomposedTaskIsSolvedForEveryThreshold) {
    SolvedTask t = solve(test::decomposed_task());
    ASSERT_FALSE(t.refusal) << *t.refusal;
    const Solution& s = t.solution;
    EXPECT_EQ(s.status, (std::vector<std::int32_t>{1, 1}));
    for (int k = 0; k < 2; ++k) {
        // Every operation of the three chains has a variant: the bypass and the operations under the
        // subgraph through the chosen level.
        for (const auto& chain : s.variantChoice[k])
            for (std::int32_t v : chain)
                EXPECT_GE(v, 1);
        EXPECT_GT(s.graphTimes[k], 0);
        // The bypass leaves from the start of operation 1.2, after operation 1.1 (time 1.0 × 2).
        EXPECT_EQ(s.chainTimes[k][2], 2.0);
        EXPECT_EQ(s.chainTimes[k][0], 0.0);
    }
    EXPECT_GT(s.header.maxPhaseStates, 0);
    EXPECT_EQ(s.header.runsPerformed, 2);
}

TEST(SampleTasks, ATaskWithUnavailableResourcesHasNoTimes) {
    SolvedTask t = solve(test::resource_task());
    ASSERT_FALSE(t.refusal) << *t.refusal;
    EXPECT_TRUE(t.shape->hasUnavailableResources);
    EXPECT_TRUE(t.solution.chainTimes.empty());
    EXPECT_NE(t.solution.status[0], 0);
    EXPECT_GT(t.solution.header.runsPerformed, 0); // the probes of the second-level search
}

} // namespace
} // namespace zep
