// Steps 2a and 2b: interval counts and availability intervals.
#include "wizard_fixture.h"

namespace zep {
namespace {

using test::WizardFixture;

// Two categories, their interval counts not yet entered.
std::unique_ptr<Wizard> at_counts(WizardFixture& f) {
    auto w = f.make();
    w->inputs().code = "RES002";
    w->inputs().name = "Resources";
    EXPECT_TRUE(w->next().moved);
    w->type_chain_count("1");
    w->type_nested_chain_count("0");
    w->inputs().hasResources = true;
    w->inputs().categoryCount = "2";
    StepOutcome o = w->next();
    EXPECT_EQ(o.step, WizardStep::IntervalCounts);
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::IntervalCountGrid});
    return w;
}

TEST(IntervalCountStep, RefusesTheFirstBadRow) {
    const std::string counts = " \"t478 ...\" t19";
    struct Case {
        std::string first, second;
        std::string message;
        int row;
    } cases[] = {
        {"2", " ", "t313" + counts + ".", 1},
        {"x", "1", "t268" + counts + ".", 0},
        {"1,5", "1", "t268" + counts + ".", 0},
        {"0", "1", "t251" + counts + " (<= 0 t163 > 10).", 0},
        {"2", "11", "t251" + counts + " (<= 0 t163 > 10).", 1},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = at_counts(f);
        ASSERT_EQ(w->inputs().intervalCounts.size(), 2u);
        EXPECT_EQ(w->inputs().intervalCounts[1][0], "2");
        w->inputs().intervalCounts[0][1] = c.first;
        w->inputs().intervalCounts[1][1] = c.second;
        StepOutcome o = w->next();
        ASSERT_TRUE(o.refusal) << c.first << "/" << c.second;
        EXPECT_EQ(o.refusal->text, c.message);
        EXPECT_EQ(o.focus, (WizardFocus{WizardControl::IntervalCountGrid, c.row}));
    }
}

TEST(IntervalCountStep, LaysOutTheIntervalGrid) {
    WizardFixture f;
    auto w = at_counts(f);
    w->inputs().intervalCounts[0][1] = "2";
    w->inputs().intervalCounts[1][1] = "10";
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Intervals);
    const CellTable& g = w->inputs().intervals;
    ASSERT_EQ(g.size(), 12u);
    EXPECT_EQ(g[0], (std::vector<std::string>{"1", "1", "", ""}));
    EXPECT_EQ(g[1], (std::vector<std::string>{"  1", "2", "", ""}));
    EXPECT_EQ(g[2], (std::vector<std::string>{"2", "1", "", ""}));
    EXPECT_EQ(g[11], (std::vector<std::string>{"  2", "10", "", ""}));
    EXPECT_EQ(w->record().header.resourceCategoryCount, 2);
}

TEST(IntervalStep, RefusesTheFirstBadInterval) {
    const std::string startColumn = " \"t210 ...\" ";
    const std::string endColumn = " \"t208 ...\" ";
    const std::string start = startColumn + "t19";
    const std::string end = endColumn + "t19";
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> rows; // category 1 has 2 intervals, category 2 one
        std::string message;
        int row;
    } cases[] = {
        {"no start", {{"0", "5"}, {"", "8"}, {"0", ""}}, "t313" + start + ".", 1},
        {"start not a number", {{"a", "5"}, {"6", "8"}, {"0", ""}}, "t268" + start + ".", 0},
        {"negative start", {{"-1", "5"}, {"6", "8"}, {"0", ""}}, "t251" + start + " (< 0).", 0},
        {"0-5 and 5-8",
         {{"0", "5"}, {"5", "8"}, {"0", ""}},
         "t251" + start + " (t498" + endColumn + "t499).",
         1},
        {"open end not last", {{"0", ""}, {"6", "8"}, {"0", ""}}, "t313" + end + ".", 0},
        {"end not a number", {{"0", "5"}, {"6", "8"}, {"0", "x"}}, "t268" + end + ".", 2},
        {"zero length",
         {{"0", "5"}, {"6", "6"}, {"0", ""}},
         "t251" + end + " (t498" + startColumn + "t500).",
         1},
        {"end before start",
         {{"3", "2"}, {"6", "8"}, {"0", ""}},
         "t251" + end + " (t498" + startColumn + "t500).",
         0},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = at_counts(f);
        w->inputs().intervalCounts[0][1] = "2";
        w->inputs().intervalCounts[1][1] = "1";
        ASSERT_TRUE(w->next().moved);
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            w->inputs().intervals[r][2] = c.rows[r].first;
            w->inputs().intervals[r][3] = c.rows[r].second;
        }
        StepOutcome o = w->next();
        ASSERT_TRUE(o.refusal) << c.what;
        EXPECT_EQ(o.refusal->text, c.message) << c.what;
        EXPECT_EQ(o.focus, (WizardFocus{WizardControl::IntervalGrid, c.row})) << c.what;
    }
}

TEST(IntervalStep, IntervalsAreStoredByTheChainsStepAndShownAgainUnlessTheirCountsChange) {
    WizardFixture f;
    auto w = at_counts(f);
    w->inputs().intervalCounts[0][1] = "2";
    w->inputs().intervalCounts[1][1] = "1";
    ASSERT_TRUE(w->next().moved);
    CellTable& g = w->inputs().intervals;
    g[0][2] = "0";
    g[0][3] = "5";
    g[1][2] = "5,5";
    g[1][3] = "8";
    g[2][2] = "1";
    g[2][3] = "";
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Chains);
    w->inputs().chains[0][1] = "Main";
    w->inputs().chains[0][2] = "1";
    ASSERT_TRUE(w->next().moved); // the chains step stores the intervals
    const auto& iv = w->record().resourceIntervals;
    ASSERT_EQ(iv.size(), 2u);
    EXPECT_EQ(iv[0][1].start, 5.5);
    EXPECT_EQ(iv[1][0].finish, -1.0);

    // Back to step 2a and forward with the same counts: the stored intervals are shown.
    EXPECT_EQ(w->prev().step, WizardStep::Chains);
    EXPECT_EQ(w->prev().step, WizardStep::Intervals);
    EXPECT_EQ(w->prev().step, WizardStep::IntervalCounts);
    ASSERT_TRUE(w->next().moved);
    EXPECT_EQ(w->inputs().intervals[1], (std::vector<std::string>{"  1", "2", "5,5", "8"}));
    EXPECT_EQ(w->inputs().intervals[2], (std::vector<std::string>{"2", "1", "1", ""}));

    // A changed count empties every start and end.
    w->prev();
    w->inputs().intervalCounts[1][1] = "2";
    ASSERT_TRUE(w->next().moved);
    ASSERT_EQ(w->inputs().intervals.size(), 4u);
    for (const auto& row : w->inputs().intervals) {
        EXPECT_EQ(row[2], "");
        EXPECT_EQ(row[3], "");
    }
}

} // namespace
} // namespace zep
