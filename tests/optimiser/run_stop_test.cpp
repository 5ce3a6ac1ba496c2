// The stop and progress side of the run: a stop ends the run at a path boundary and leaves nothing
// behind; the progress counts every path; a listener that never stops changes no byte of the solution.
#include "common/atomic_file.h"
#include "optimiser/fake_shell.h"
#include "optimiser/run_control.h"
#include "optimiser/solution_stamps.h"
#include "optimiser/solver_input_bytes.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using testing::block;
using testing::chain_path;
using testing::chains_task;

const ShellTables& shell() {
    static const ShellTables s = testing::naming_shell();
    return s;
}

// Three chains of two operations, three thresholds: nine path optimisations.
SolverInput three_chains() {
    auto ops = [](int chain) {
        return chain_path(chain, {block({{4, 10, 4}, {2, 30, 2}}), block({{3, 5, 3}, {1, 9, 1}})});
    };
    return chains_task({ops(1), ops(2), ops(3)}, {7, 5, 4});
}

struct Workplace {
    test::TempDir dir;
    Workspace ws{dir.path()};
    Workplace() {
        for (auto f : {ws.data(), ws.solving(), ws.system()})
            std::filesystem::create_directories(f);
        write_file_atomically(ws.solving() / "zep_STP001_in.dat",
                              testing::solver_input_bytes(three_chains()));
    }
    RunSetup setup(unsigned threads) const {
        RunSetup s;
        s.workspace = ws;
        s.shell = &shell();
        s.separator = ',';
        s.threads = threads;
        return s;
    }
    std::filesystem::path solution() const { return ws.solving() / "zep_STP001_out.dat"; }
};

// Stops after `paths` path optimisations and records the progress.
struct Stopper : RunListener {
    std::int64_t stopAfter = -1;
    std::vector<std::pair<std::int64_t, std::int64_t>> progress;
    bool stop_requested() override {
        return stopAfter >= 0 && !progress.empty() && progress.back().first >= stopAfter;
    }
    void work_done(std::int64_t done, std::int64_t total) override { progress.emplace_back(done, total); }
};

TEST(RunStop, AStopWritesNothingAndLeavesTheInput) {
    for (unsigned threads : {1u, 3u}) {
        Workplace w;
        Stopper stopper;
        stopper.stopAfter = 2;
        EXPECT_THROW(run_task(w.setup(threads), "STP001", &stopper), RunStopped) << threads;
        EXPECT_FALSE(std::filesystem::exists(w.solution())) << threads;
        EXPECT_TRUE(std::filesystem::exists(w.ws.solving() / "zep_STP001_in.dat"));
        // Paths under way finish; none starts after the stop.
        ASSERT_FALSE(stopper.progress.empty());
        EXPECT_LT(stopper.progress.back().first, 9) << threads;
    }
}

TEST(RunStop, ProgressCountsEveryPathUpToTheTotal) {
    Workplace w;
    Stopper stopper;
    run_task(w.setup(1), "STP001", &stopper);
    ASSERT_FALSE(stopper.progress.empty());
    for (std::size_t i = 1; i < stopper.progress.size(); ++i)
        EXPECT_GE(stopper.progress[i].first, stopper.progress[i - 1].first);
    EXPECT_EQ(stopper.progress.back(), (std::pair<std::int64_t, std::int64_t>{9, 9}));
    EXPECT_GE(stopper.progress.size(), 9u);
}

TEST(RunStop, AListenerThatNeverStopsChangesNoByteOfTheSolution) {
    Workplace w;
    run_task(w.setup(1), "STP001", nullptr);
    auto plain = read_whole_file(w.solution());
    Stopper never;
    run_task(w.setup(2), "STP001", &never);
    auto watched = read_whole_file(w.solution());
    EXPECT_TRUE(testing::same_apart_from_time_stamps(plain, watched));
}

} // namespace
} // namespace zep
