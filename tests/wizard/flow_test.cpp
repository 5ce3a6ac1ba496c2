// The moves between the steps, Cancel and the finish.
#include "common/atomic_file.h"
#include "task/task_file.h"
#include "wizard_fixture.h"

namespace zep {
namespace {

using test::WizardFixture;

std::vector<WizardStep> walk_back(Wizard& w, std::vector<WizardFocus>& focus) {
    std::vector<WizardStep> steps;
    while (w.current_step() != WizardStep::Code) {
        StepOutcome o = w.prev();
        steps.push_back(o.step);
        focus.push_back(o.focus);
    }
    return steps;
}

TEST(Flow, StepsTwoAAndTwoBOnlyWithResourcesBothWays) {
    WizardFixture plain;
    auto w = plain.at(WizardStep::Chains, test::kPlainTask);
    std::vector<WizardFocus> focus;
    EXPECT_EQ(walk_back(*w, focus), (std::vector<WizardStep>{WizardStep::General, WizardStep::Code}));
    EXPECT_EQ(focus[0], WizardFocus{WizardControl::ChainCount});
    EXPECT_EQ(focus[1], WizardFocus{WizardControl::Code});
    EXPECT_FALSE(w->prev_enabled());

    WizardFixture res;
    auto r = res.make();
    std::vector<std::string> titles;
    ScriptRun run = run_task_script(*r, parse_task_script(test::kResourceTask), WizardStep::Chains);
    ASSERT_FALSE(run.refusal);
    focus.clear();
    EXPECT_EQ(walk_back(*r, focus),
              (std::vector<WizardStep>{WizardStep::Intervals, WizardStep::IntervalCounts, WizardStep::General,
                                       WizardStep::Code}));
    EXPECT_EQ(focus[0], WizardFocus{WizardControl::IntervalGrid});
    EXPECT_EQ(focus[1], WizardFocus{WizardControl::IntervalCountGrid});
    EXPECT_EQ(focus[2], WizardFocus{WizardControl::ChainCount});

    // Forward again through the same steps, with their titles.
    for (WizardStep s :
         {WizardStep::General, WizardStep::IntervalCounts, WizardStep::Intervals, WizardStep::Chains}) {
        StepOutcome o = r->next();
        ASSERT_FALSE(o.refusal) << o.refusal->text;
        EXPECT_EQ(o.step, s);
        titles.push_back(r->step_title());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"t53 (t485 2 t159 8)", "t53 (t485 2a t159 8)",
                                                "t53 (t485 2b t159 8)", "t53 (t485 3 t159 8)"}));
}

TEST(Flow, BackFromStepFiveShowsTheFirstChain) {
    WizardFixture f;
    auto w = f.at(WizardStep::Variants, test::kPlainTask);
    ASSERT_TRUE(w->show_variants_of(1, 0).moved);
    StepOutcome o = w->prev();
    EXPECT_EQ(o.step, WizardStep::Operations);
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::OperationGrid});
    EXPECT_EQ(w->op_step_chain(), 0);
    EXPECT_EQ(w->shown_chain_name(), "Main");
    EXPECT_EQ(w->inputs().operations, (CellTable{{"1", "Dig", "2"}, {"2", "Build", "1"}}));

    ASSERT_EQ(w->next().step, WizardStep::Variants);
    o = w->next();
    ASSERT_EQ(o.step, WizardStep::Review);
    EXPECT_EQ(w->prev().focus, WizardFocus{WizardControl::VariantGrid});
}

// Prev never loses what the grid shows: the operation (or the chain's operations) on screen is kept in the
// record and shown again when its step comes back.
TEST(Flow, BackKeepsWhatTheShownGridHolds) {
    WizardFixture f;
    auto w = f.at(WizardStep::Variants, test::kPlainTask);
    ASSERT_TRUE(w->show_variants_of(1, 0).moved);
    w->inputs().variants = {{"1", "edited", "4", "3"}};
    w->prev();
    w->inputs().operations[1][1] = "Rebuild";
    w->prev();
    ASSERT_EQ(w->next().step, WizardStep::Operations);
    EXPECT_EQ(w->inputs().operations, (CellTable{{"1", "Dig", "2"}, {"2", "Rebuild", "1"}}));
    ASSERT_EQ(w->next().step, WizardStep::Variants);
    ASSERT_TRUE(w->show_variants_of(1, 0).moved);
    EXPECT_EQ(w->inputs().variants, (CellTable{{"1", "edited", "4", "3"}}));
}

TEST(Flow, CancelWritesNothing) {
    WizardFixture f;
    auto w = f.at(WizardStep::Summary, test::kPlainTask);
    w->cancel();
    EXPECT_TRUE(w->closed());
    EXPECT_FALSE(w->next().finished);
    EXPECT_TRUE(std::filesystem::is_empty(f.ws.data()));
    EXPECT_TRUE(RegisterStore::open(f.ws.register_file()).get().entries.empty());
}

TEST(Finish, WritesBothFilesRegistersTheTaskAndHandsItOverWhenAsked) {
    for (bool atOnce : {false, true}) {
        WizardFixture f;
        auto w = f.at(WizardStep::Summary, test::kPlainTask);
        w->inputs().solveAtOnce = atOnce;
        StepOutcome o = w->next();
        ASSERT_TRUE(o.finished);
        EXPECT_TRUE(w->closed());
        EXPECT_TRUE(w->record().chains.empty());
        const auto in = solver_input_path(f.ws, "PLAIN1");
        EXPECT_TRUE(std::filesystem::exists(task_file_path(f.ws, "PLAIN1")));
        ASSERT_TRUE(std::filesystem::exists(in));
        const TaskRegister reg = RegisterStore::open(f.ws.register_file()).get();
        ASSERT_EQ(reg.entries.size(), 1u);
        EXPECT_EQ(reg.entries[0].name, "Plain task");
        EXPECT_EQ(reg.entries[0].status, atOnce ? TaskStatus::HandedOver : TaskStatus::Entered);
        const auto copy = f.ws.solving() / "zep_PLAIN1_in.dat";
        EXPECT_EQ(std::filesystem::exists(copy), atOnce);
        if (atOnce) {
            EXPECT_EQ(read_whole_file(copy), read_whole_file(in));
        }
    }
}

// Saved, but the hand-over fails (Solving cannot be made): the task stays entered, is not solved at
// once, and the finish says why.
TEST(Finish, ATaskThatCannotBeHandedOverStaysEnteredAndTheFinishSaysWhy) {
    WizardFixture f;
    auto w = f.at(WizardStep::Summary, test::kPlainTask);
    w->inputs().solveAtOnce = true;
    std::filesystem::remove_all(f.ws.solving());
    write_file_atomically(f.ws.solving(), std::vector<std::uint8_t>{1}); // a file where the folder goes
    StepOutcome o = w->next();
    ASSERT_TRUE(o.finished);
    ASSERT_EQ(o.notes.size(), 1u);
    EXPECT_EQ(o.notes[0].kind, MessageKind::Warning);
    EXPECT_FALSE(w->inputs().solveAtOnce);
    EXPECT_TRUE(std::filesystem::exists(task_file_path(f.ws, "PLAIN1")));
    EXPECT_EQ(RegisterStore::open(f.ws.register_file()).get().find("PLAIN1")->status, TaskStatus::Entered);
}

TEST(Finish, ATextTheFilesCannotHoldRefusesTheFinishAndWritesNothing) {
    WizardFixture f;
    auto w = f.at(WizardStep::Variants, test::kPlainTask);
    w->inputs().variants[0][1] = "pasted \u4E2D"; // pasted: the key filter never saw it
    for (WizardStep s : {WizardStep::Review, WizardStep::Rounding, WizardStep::Thresholds})
        ASSERT_EQ(w->next().step, s);
    w->inputs().candidates[0].ticked = true;
    ASSERT_EQ(w->next().step, WizardStep::Summary);
    StepOutcome o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_FALSE(o.finished);
    EXPECT_EQ(o.step, WizardStep::Summary);
    EXPECT_NE(o.refusal->text.find("\u4E2D"), std::string::npos) << o.refusal->text;
    EXPECT_TRUE(std::filesystem::is_empty(f.ws.data()));
    EXPECT_TRUE(RegisterStore::open(f.ws.register_file()).get().entries.empty());
    EXPECT_FALSE(w->closed());
}

TEST(Finish, CorrectionUpdatesTheEntryOfTheTask) {
    WizardFixture f;
    ASSERT_TRUE(f.save(test::kPlainTask).saved);
    auto w = f.make(EntryMode::CorrectTask, "PLAIN1");
    ScriptRun run = run_task_script(
        *w, parse_task_script(R"({"name": "Renamed", "tact": 0.5, "thresholds": [8.5, 10]})"));
    ASSERT_TRUE(run.saved) << (run.refusal ? run.refusal->text : run.stopReason);
    const TaskRegister reg = RegisterStore::open(f.ws.register_file()).get();
    ASSERT_EQ(reg.entries.size(), 1u);
    EXPECT_EQ(reg.entries[0].name, "Renamed");
    TaskRecord rec;
    read_task_file(rec, f.ws, "PLAIN1");
    EXPECT_EQ(rec.header.taskName, "Renamed");
    EXPECT_EQ(rec.header.tact, 0.5);
    EXPECT_EQ(rec.thresholds, (std::vector<int>{17, 20}));
    EXPECT_EQ(rec.chains.size(), 2u);
}

} // namespace
} // namespace zep
