// The fast slack search against plain stepping one ε at a time.
#include "random_solved_tasks.h"
#include "views/longest_path.h"
#include "views/resource_schedule.h"
#include "views/schedule.h"
#include "views/slack_step.h"

#include <gtest/gtest.h>

#include <memory>

namespace zep {
namespace {

// Every operation of every task: the same first ending step, hence the same slack.
void compare_on_random_tasks(test::RandomTaskKind kind, unsigned seed, int tasks) {
    std::mt19937 rng(seed);
    int withSlack = 0;
    for (int t = 0; t < tasks; ++t) {
        std::vector<std::vector<std::int32_t>> choices;
        const TaskRecord rec = test::random_solved_task(rng, kind, choices);
        std::unique_ptr<DelayedCompletion> graph;
        if (kind.resources)
            graph = std::make_unique<ResourceSchedule>(rec, choices);
        else
            graph = std::make_unique<LongestPath>(rec, choices);
        const double undelayed = graph->completion({}, 0).completion;
        const SlackSearch search(*graph, undelayed, slack_step(undelayed));
        for (int c = 1; c <= static_cast<int>(rec.chains.size()); ++c)
            for (int k = 1; k <= rec.chains[c - 1].opCount; ++k) {
                const long long fast = search.first_ending_step({c, k}, SlackMethod::Fast);
                const long long plain = search.first_ending_step({c, k}, SlackMethod::Plain);
                ASSERT_EQ(fast, plain) << "task " << t << ", operation " << c << "." << k;
                withSlack += fast > 1;
            }
    }
    EXPECT_GT(withSlack, tasks / 2); // the comparison saw real slack, not only critical operations
}

TEST(SlackSearch, FastEqualsPlainWithoutResources) {
    compare_on_random_tasks({false, false}, 11, 40);
}

TEST(SlackSearch, FastEqualsPlainWithSubgraphs) {
    compare_on_random_tasks({false, true}, 12, 40);
}

TEST(SlackSearch, FastEqualsPlainWithResources) {
    compare_on_random_tasks({true, false}, 13, 25);
}

// A delay never reaches an operation that lies on no path: the search stops at its limit instead of
// running forever, the same for both methods.
TEST(SlackSearch, AnOperationOnNoPathStopsAtTheLimit) {
    TaskRecord rec;
    test::add_chain(rec, {test::op_of({{2, 1}})});
    test::add_chain(rec, {test::op_of({{1, 1}})});
    test::prepare(rec, 0);
    rec.chainPaths[1].elements.clear();
    const LongestPath graph(rec, test::first_variants(rec));
    const SlackSearch search(graph, 2, slack_step(2));
    EXPECT_EQ(search.first_ending_step({2, 1}, SlackMethod::Fast), search.step_limit());
    EXPECT_EQ(search.first_ending_step({2, 1}, SlackMethod::Plain), search.step_limit());
    EXPECT_EQ(search.first_ending_step({1, 1}, SlackMethod::Fast), 1);
}

} // namespace
} // namespace zep
