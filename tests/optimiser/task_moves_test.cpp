// Handing tasks over and taking their results over in a workspace that other processes share: each
// move checks the status it needs, is all or nothing, and takes over only a solution its task reads.
#include "common/atomic_file.h"
#include "common/errors.h"
#include "common/file_lock.h"
#include "file_size_limit.h"
#include "optimiser/run_control.h"
#include "optimiser/solution_file.h"
#include "shell/naming_shell.h"
#include "shell/user_operations.h"
#include "task/sample_tasks.h"
#include "task/solver_input.h"
#include "task/task_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

namespace fs = std::filesystem;

const ShellTables& shell() {
    static const ShellTables s = testing::naming_shell();
    return s;
}

// A workspace with the decomposed sample task entered (its two Data files and its register entry).
struct Entered {
    test::TempDir dir;
    Workspace ws{dir.path()};
    TaskRecord task = test::decomposed_task();
    std::string code = task.header.taskCode;
    std::optional<RegisterStore> reg;

    Entered() {
        for (const auto& f : {ws.data(), ws.solving(), ws.system()})
            fs::create_directories(f);
        write_register(ws.register_file(), TaskRegister{});
        reg = RegisterStore::open(ws.register_file());
        write_file_atomically(task_file_path(ws, code), encode_task_file(task));
        write_file_atomically(solver_input_path(ws, code), encode_solver_input(task, "Shell (ZEP 2.2).rus"));
        reg->add(code, "sample");
    }
    TaskStatus status() const { return read_register(ws.register_file()).find(code)->status; }
    fs::path solving(const char* suffix) const { return ws.solving() / ("zep_" + code + suffix); }
    fs::path stored() const { return ws.data() / ("zep_" + code + "_out.dat"); }
    RunSetup setup() const {
        RunSetup s;
        s.workspace = ws;
        s.shell = &shell();
        s.separator = ',';
        s.threads = 1;
        return s;
    }
    // Hands the task over and solves it: a good solution waits in Solving.
    void solved_in_solving() {
        ASSERT_TRUE(hand_over_input(ws, *reg, code).ok());
        ASSERT_FALSE(run_task(setup(), code).solutionFile.empty());
    }
};

// A move's refusal in the words of the register's shell, as the edges show it; empty when it was done.
std::string refusal_words(const Entered& e, const TaskMove& move) {
    return move ? std::string() : move_refusal_text(e.reg->shell(), move.refusal());
}

TEST(HandOver, CopiesTheInputAndSetsStatusOneOnlyForAnEnteredTask) {
    Entered e;
    EXPECT_EQ(refusal_words(e, hand_over_input(e.ws, *e.reg, "NOSUCH")),
              "there is no task \"NOSUCH\" in the task register; nothing was done");
    const TaskMove move = hand_over_input(e.ws, *e.reg, e.code);
    ASSERT_TRUE(move.ok()) << refusal_words(e, move);
    EXPECT_EQ(read_whole_file(e.solving("_in.dat")), read_whole_file(solver_input_path(e.ws, e.code)));
    EXPECT_EQ(e.status(), TaskStatus::HandedOver);
    EXPECT_EQ(e.reg->get().find(e.code)->status, TaskStatus::HandedOver);
    EXPECT_EQ(refusal_words(e, hand_over_input(e.ws, *e.reg, e.code)),
              "task \"" + e.code + "\" is handed over, not entered; nothing was done");
}

TEST(HandOver, AMissingInputIsRefusedAndChangesNothing) {
    Entered e;
    fs::remove(solver_input_path(e.ws, e.code));
    const TaskMove move = hand_over_input(e.ws, *e.reg, e.code);
    EXPECT_FALSE(move.ok());
    EXPECT_NE(refusal_words(e, move).find("there is no \""), std::string::npos);
    EXPECT_EQ(e.status(), TaskStatus::Entered);
}

// Fills the register until its file is larger than any file of the sample task, so that a file size
// limit between the two lets the task's files be written and the register not.
rlim_t grow_register_past_task_files(Entered& e) {
    const auto input = fs::file_size(solver_input_path(e.ws, e.code));
    const auto task = fs::file_size(task_file_path(e.ws, e.code));
    const rlim_t limit = std::max(input, task) + 100;
    for (int i = 0; fs::file_size(e.ws.register_file()) <= limit + 200; ++i)
        e.reg->add("FILL" + std::to_string(10 + i), "filler");
    return limit;
}

TEST(HandOver, ARegisterThatCannotBeWrittenLeavesNoCopyInSolving) {
    Entered e;
    const rlim_t limit = grow_register_past_task_files(e);
    EXPECT_TRUE(test::fails_to_write_under_limit(limit, [&] { hand_over_input(e.ws, *e.reg, e.code); }));
    EXPECT_FALSE(fs::exists(e.solving("_in.dat")));
    EXPECT_EQ(e.status(), TaskStatus::Entered);
}

TEST(TakeOver, TakesOverAReadableSolutionOfAHandedOverTask) {
    Entered e;
    e.solved_in_solving();
    const auto solution = read_whole_file(e.solving("_out.dat"));
    const TaskMove move = take_over_solution(e.ws, *e.reg, e.code);
    ASSERT_TRUE(move.ok()) << refusal_words(e, move);
    EXPECT_EQ(read_whole_file(e.stored()), solution);
    EXPECT_FALSE(fs::exists(e.solving("_in.dat")));
    EXPECT_FALSE(fs::exists(e.solving("_out.dat")));
    EXPECT_EQ(e.status(), TaskStatus::Solved);
    EXPECT_EQ(read_solution_of_task(e.stored(), e.task).status.size(), 2u);
}

TEST(TakeOver, ATaskThatWasNotHandedOverIsRefused) {
    Entered e;
    write_file_atomically(e.solving("_out.dat"), std::vector<std::uint8_t>(10, 0));
    EXPECT_EQ(refusal_words(e, take_over_solution(e.ws, *e.reg, e.code)),
              "task \"" + e.code + "\" is entered, not handed over; nothing was done");
    EXPECT_FALSE(fs::exists(e.stored()));
    EXPECT_EQ(e.status(), TaskStatus::Entered);
}

TEST(TakeOver, ADamagedSolutionIsRefusedWithTheReadersMessageAndNothingMoves) {
    Entered e;
    e.solved_in_solving();
    const auto good = read_whole_file(e.solving("_out.dat"));
    ASSERT_TRUE(take_over_solution(e.ws, *e.reg, e.code).ok());
    // Solved again: a damaged solution must not replace the good one taken over before.
    change_register(e.ws,
                    [&](TaskRegister& r) { return r.find(e.code)->status = TaskStatus::HandedOver, true; });
    const std::vector<std::uint8_t> cases[] = {
        {},
        std::vector<std::uint8_t>(good.begin(), good.end() - 1),
        [&] {
            auto longer = good;
            longer.push_back(0);
            return longer;
        }(),
        std::vector<std::uint8_t>(good.begin(), good.begin() + good.size() / 2),
    };
    for (const auto& damaged : cases) {
        write_file_atomically(e.solving("_in.dat"), read_whole_file(solver_input_path(e.ws, e.code)));
        write_file_atomically(e.solving("_out.dat"), damaged);
        const TaskMove move = take_over_solution(e.ws, *e.reg, e.code);
        EXPECT_FALSE(move.ok()) << damaged.size();
        EXPECT_NE(refusal_words(e, move).find(e.solving("_out.dat").string() + ": the file holds " +
                                              std::to_string(damaged.size()) +
                                              " bytes where its task needs " + std::to_string(good.size())),
                  std::string::npos)
            << refusal_words(e, move);
        EXPECT_EQ(read_whole_file(e.stored()), good);
        EXPECT_TRUE(fs::exists(e.solving("_in.dat")));
        EXPECT_TRUE(fs::exists(e.solving("_out.dat")));
        EXPECT_EQ(e.status(), TaskStatus::HandedOver);
    }
}

TEST(TakeOver, ATaskThatARunIsSolvingIsRefused) {
    Entered e;
    e.solved_in_solving();
    std::optional<FileLock> claim = FileLock::try_acquire_existing(e.solving("_in.dat"));
    ASSERT_TRUE(claim);
    EXPECT_EQ(refusal_words(e, take_over_solution(e.ws, *e.reg, e.code)),
              "task \"" + e.code + "\" is being solved by an optimisation run; nothing was done");
    EXPECT_EQ(e.status(), TaskStatus::HandedOver);
    claim.reset();
    EXPECT_TRUE(take_over_solution(e.ws, *e.reg, e.code).ok());
}

TEST(TakeOver, ARegisterThatCannotBeWrittenLeavesDataAndSolvingAsTheyWere) {
    Entered e;
    e.solved_in_solving();
    const rlim_t limit = grow_register_past_task_files(e);
    ASSERT_LT(fs::file_size(e.solving("_out.dat")), limit);
    EXPECT_TRUE(test::fails_to_write_under_limit(limit, [&] { take_over_solution(e.ws, *e.reg, e.code); }));
    EXPECT_FALSE(fs::exists(e.stored()));
    EXPECT_TRUE(fs::exists(e.solving("_in.dat")));
    EXPECT_TRUE(fs::exists(e.solving("_out.dat")));
    EXPECT_EQ(e.status(), TaskStatus::HandedOver);
}

TEST(ImmediateSolve, SolvesWithTheDefaultsAndTakesTheSolutionOver) {
    Entered e;
    ASSERT_TRUE(hand_over_input(e.ws, *e.reg, e.code).ok());
    RunSetup setup = e.setup();
    setup.params.iterationLimit = 10; // replaced by the defaults
    TaskRunOutcome out = solve_immediately(setup, e.code, nullptr, *e.reg);
    EXPECT_FALSE(out.refused);
    EXPECT_FALSE(fs::exists(e.solving("_in.dat")));
    EXPECT_FALSE(fs::exists(e.solving("_out.dat")));
    EXPECT_EQ(e.status(), TaskStatus::Solved);
    EXPECT_EQ(read_solution_of_task(e.stored(), e.task).header.iterationLimit, 3000);
}

TEST(RunTask, ATaskClaimedByAnotherRunIsSkippedAndSaid) {
    Entered e;
    ASSERT_TRUE(hand_over_input(e.ws, *e.reg, e.code).ok());
    std::optional<FileLock> other = FileLock::try_acquire_existing(e.solving("_in.dat"));
    ASSERT_TRUE(other);
    TaskRunOutcome out = run_task(e.setup(), e.code);
    EXPECT_TRUE(out.skipped);
    EXPECT_EQ(out.message, "T143 \"" + e.code + "\" T593.");
    EXPECT_FALSE(fs::exists(e.solving("_out.dat")));
}

TEST(RunTask, ATaskSolvedByAnotherRunSinceTheStartIsNotSolvedAgain) {
    Entered e;
    ASSERT_TRUE(hand_over_input(e.ws, *e.reg, e.code).ok());
    RunSetup batch = e.setup();
    batch.solutionsAtStart = solution_stamps(e.ws);
    ASSERT_FALSE(run_task(e.setup(), e.code).solutionFile.empty()); // another run, meanwhile
    const auto written = read_whole_file(e.solving("_out.dat"));
    TaskRunOutcome out = run_task(batch, e.code);
    EXPECT_TRUE(out.skipped);
    EXPECT_EQ(out.message, "T143 \"" + e.code + "\" T594.");
    EXPECT_EQ(read_whole_file(e.solving("_out.dat")), written);
    // A run that starts after it solves the task again, as a repeated ПУСК does.
    batch.solutionsAtStart = solution_stamps(e.ws);
    EXPECT_FALSE(run_task(batch, e.code).skipped);
}

TEST(RunTask, ACutInputGetsASolutionItsTaskReadsOrNone) {
    for (const TaskRecord& task : {test::decomposed_task(), test::resource_task()}) {
        Entered e;
        const auto input = encode_solver_input(task, "Shell (ZEP 2.2).rus");
        int written = 0;
        for (std::size_t cut = 0; cut < input.size(); cut += 7) {
            write_file_atomically(e.solving("_in.dat"), std::span(input).first(cut));
            fs::remove(e.solving("_out.dat"));
            TaskRunOutcome out = run_task(e.setup(), e.code);
            EXPECT_TRUE(out.refused) << cut;
            if (out.solutionFile.empty())
                continue;
            ++written;
            EXPECT_NO_THROW(read_solution_of_task(out.solutionFile, task))
                << task.header.taskCode << " " << cut;
            EXPECT_EQ(read_solution_of_task(out.solutionFile, task).message[0], out.message);
        }
        EXPECT_GT(written, 0);
    }
}

} // namespace
} // namespace zep
