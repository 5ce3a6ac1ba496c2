#include "optimiser/run_control.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "optimiser/run_checks.h"
#include "optimiser/solution_stamps.h"
#include "optimiser/solver_input_bytes.h"
#include "shell/naming_shell.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace zep {
namespace {

using testing::block;
using testing::chain_path;
using testing::chains_task;

const ShellTables& shell() {
    static const ShellTables s = testing::naming_shell();
    return s;
}

struct Workplace {
    test::TempDir dir;
    Workspace ws{dir.path()};
    Workplace() {
        for (auto f : {ws.data(), ws.solving(), ws.system()})
            std::filesystem::create_directories(f);
    }
    void put_input(const std::string& code, const std::vector<std::uint8_t>& bytes) const {
        write_file_atomically(ws.solving() / ("zep_" + code + "_in.dat"), bytes);
    }
    RunSetup setup(unsigned threads = 1) const {
        RunSetup s;
        s.workspace = ws;
        s.shell = &shell();
        s.separator = ',';
        s.infoLines = {"Org", "Dept", "Person"};
        s.threads = threads;
        return s;
    }
};

SolverInput small_task() {
    return chains_task(
        {chain_path(1, {block({{4, 10, 4}, {2, 30, 2}})}), chain_path(2, {block({{3, 5, 3}})})}, {5, 3});
}

struct Lines : RunListener {
    std::vector<std::string> all;
    void report_line(ReportLine, const std::string& text) override {
        if (!text.empty())
            all.push_back(text);
    }
    void error_line(const std::string& text) override { all.push_back("! " + text); }
    void task_started(const std::string&, const std::string& text) override { all.push_back(text); }
    void task_finished(const std::string&, const std::string& text) override { all.push_back(text); }
};

TEST(RunTask, WritesTheSolutionOfATaskWithItsHeader) {
    Workplace w;
    w.put_input("ABC123", testing::solver_input_bytes(small_task()));
    Lines lines;
    TaskRunOutcome out = run_task(w.setup(), "ABC123", &lines);
    EXPECT_FALSE(out.refused);
    const SolutionShape shape{2, {1, 1}, false};
    Solution s = read_solution_file(w.ws.solving() / "zep_ABC123_out.dat", shape);
    EXPECT_EQ(s.status, (std::vector<std::int32_t>{1, 1}));
    EXPECT_EQ(s.variantChoice[0], (std::vector<std::vector<std::int32_t>>{{1}, {1}}));
    EXPECT_EQ(s.variantChoice[1], (std::vector<std::vector<std::int32_t>>{{2}, {1}}));
    EXPECT_EQ(s.header.infoLines[2], "Person");
    EXPECT_EQ(s.header.runsPerformed, 2);
    EXPECT_EQ(s.header.maxPhaseStates, 1 * 6 + 2);
    EXPECT_EQ(s.header.stopCheckSparsity, 5);
    EXPECT_EQ(s.header.iterationLimit, 3000);
    EXPECT_EQ(s.header.relaxationCoef, 0.9);
    EXPECT_EQ(s.header.stopCriterion, 0.005);
    EXPECT_EQ(s.header.elapsed.size(), 8u); // hh:mm:ss
    EXPECT_GT(s.header.endDate, 40000);
    EXPECT_GE(s.header.endTime, 0);
    EXPECT_LT(s.header.endTime, 1);
    ASSERT_GE(lines.all.size(), 4u);
    EXPECT_EQ(lines.all.front().rfind("T219 \"ABC123\":  ", 0), 0u);
    EXPECT_EQ(lines.all[1], "1. T130. T470 2 T465 - 2.");
    EXPECT_EQ(lines.all[lines.all.size() - 2], "6. T129 \"ABC123\", T425 2 T142.");
    EXPECT_EQ(lines.all.back().rfind("T105 \"ABC123\" - ", 0), 0u);
}

TEST(RunTask, ARefusedTaskGetsAFileOfZerosWithItsMessage) {
    Workplace w;
    SolverInput in = small_task();
    in.header.chainCount = 11;
    in.opCounts = {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 3};
    w.put_input("BAD001", testing::solver_input_bytes(in));
    TaskRunOutcome out = run_task(w.setup(), "BAD001", nullptr);
    EXPECT_TRUE(out.refused);
    EXPECT_EQ(out.message, "T143 \"BAD001\". T10. T368 11.");
    const SolutionShape shape{2, {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 3}, false};
    Solution s = read_solution_file(w.ws.solving() / "zep_BAD001_out.dat", shape);
    EXPECT_EQ(s.message, (std::vector<std::string>{out.message, ""}));
    EXPECT_EQ(s.status, (std::vector<std::int32_t>{0, 0}));
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(s.cycleCounts[k], std::vector<std::int32_t>(11, 0));
        for (const auto& chain : s.variantChoice[k])
            for (std::int32_t v : chain)
                EXPECT_EQ(v, 0);
        EXPECT_EQ(s.chainTimes[k], std::vector<double>(11, 0.0));
        EXPECT_EQ(s.graphTimes[k], 0.0);
    }
    EXPECT_EQ(s.header.runsPerformed, 0);
    EXPECT_EQ(s.header.maxPhaseStates, 0);
    EXPECT_EQ(s.header.iterationLimit, 3000);
}

TEST(RunTask, TheRunChecksRefuseInTheirOrderWithTheirValues) {
    RunTexts t{shell(), "X", ','};
    struct Case {
        const char* name;
        std::function<void(SolverHeader&, IterationParams&)> spoil;
        std::string message;
    };
    const Case cases[] = {
        {"chains", [](SolverHeader& h, IterationParams&) { h.chainCount = 0; }, "T368 0."},
        {"minimised parameter", [](SolverHeader& h, IterationParams&) { h.minimisedParam = 2; }, "T366 2."},
        {"tact", [](SolverHeader& h, IterationParams&) { h.scaledTact = 2e6; }, "T361 2000000,000."},
        {"thresholds", [](SolverHeader& h, IterationParams&) { h.thresholdCount = 11; }, "T367 2 T466 11."},
        {"ОКР", [](SolverHeader&, IterationParams& p) { p.relaxationCoef = 0.05; },
         "T364 0,050 (< 0,1 T1 >= 1,0)."},
        {"КР", [](SolverHeader&, IterationParams& p) { p.stopCheckSparsity = 0; }, "T362 0 (< 1)."},
        {"ЛЧИ", [](SolverHeader&, IterationParams& p) { p.iterationLimit = 9; }, "T365 9 (< 10)."},
        {"КО", [](SolverHeader&, IterationParams& p) { p.stopCriterion = 0.2; },
         "T363 0,200 (< 0,001 T1 > 0,1)."},
    };
    for (const Case& c : cases) {
        SolverHeader h = small_task().header;
        IterationParams p;
        c.spoil(h, p);
        auto refusal = run_check_refusal(h, p, t);
        ASSERT_TRUE(refusal) << c.name;
        EXPECT_EQ(*refusal, "T143 \"X\". T10. " + c.message) << c.name;
    }
    EXPECT_FALSE(run_check_refusal(small_task().header, IterationParams{}, t));
    IterationParams lowest;
    lowest.relaxationCoef = 0.1; // the run accepts what the entry would not
    EXPECT_FALSE(run_check_refusal(small_task().header, lowest, t));
}

TEST(RunTask, ABatchOfThreeWithOneBadTaskWritesThreeFiles) {
    Workplace w;
    SolverInput bad = small_task();
    bad.header.chainCount = 11;
    bad.opCounts.resize(11, 1);
    w.put_input("AAA001", testing::solver_input_bytes(small_task()));
    w.put_input("AAA002", testing::solver_input_bytes(bad));
    w.put_input("AAA003", testing::solver_input_bytes(small_task()));
    std::ofstream(w.ws.solving() / "zep_AAA004_out.dat") << "not an input";
    const auto names = find_task_inputs(w.ws);
    ASSERT_EQ(names,
              (std::vector<std::string>{"zep_AAA001_in.dat", "zep_AAA002_in.dat", "zep_AAA003_in.dat"}));
    std::vector<bool> refused;
    for (const std::string& name : names)
        refused.push_back(run_task(w.setup(), task_code_of_input(name)).refused);
    EXPECT_EQ(refused, (std::vector<bool>{false, true, false}));
    for (const char* code : {"AAA001", "AAA002", "AAA003"})
        EXPECT_TRUE(std::filesystem::exists(w.ws.solving() / ("zep_" + std::string(code) + "_out.dat")))
            << code;
}

TEST(RunTask, DamagedInputsAreRefusedWithAMessageAndNeverCrash) {
    Workplace w;
    const std::vector<std::uint8_t> good = testing::solver_input_bytes(small_task());
    std::mt19937 rng(11);
    int refusedCount = 0;
    for (int n = 0; n < 300; ++n) {
        std::vector<std::uint8_t> bytes = good;
        if (n % 3 == 0) {
            bytes.resize(std::uniform_int_distribution<std::size_t>(0, good.size() - 1)(rng));
        } else {
            const int flips = std::uniform_int_distribution<int>(1, 4)(rng);
            for (int f = 0; f < flips; ++f)
                bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(rng)] =
                    static_cast<std::uint8_t>(rng());
        }
        w.put_input("DMG001", bytes);
        TaskRunOutcome out = run_task(w.setup(), "DMG001");
        refusedCount += out.refused;
        if (out.refused)
            EXPECT_EQ(out.message.rfind("T143 \"DMG001\". T10. ", 0), 0u) << out.message;
        EXPECT_EQ(std::filesystem::exists(w.ws.solving() / "zep_DMG001_out.dat"), !out.solutionFile.empty());
        EXPECT_TRUE(out.refused || !out.solutionFile.empty());
        std::filesystem::remove(w.ws.solving() / "zep_DMG001_out.dat");
    }
    EXPECT_GT(refusedCount, 100);
}

TEST(RunTask, AMissingInputIsAFileError) {
    Workplace w;
    EXPECT_THROW(run_task(w.setup(), "NONE01"), FileAccessError);
    EXPECT_EQ(missing_input_message(shell(), "NONE01"), "T10. T373 \"zep_NONE01_in.dat\".");
    EXPECT_EQ(no_input_files_message(shell()), "T10. T374.");
}

TEST(ParameterEntry, RefusesOutOfRangeValuesInOrderAndPassesTheDefaults) {
    struct Case {
        ParameterTexts typed;
        int field;
        std::string warning;
    };
    auto with = [](int field, const std::string& text) {
        ParameterTexts t;
        (field == 0   ? t.relaxationCoef
         : field == 1 ? t.stopCriterion
         : field == 2 ? t.stopCheckSparsity
                      : t.iterationLimit) = text;
        return t;
    };
    const Case cases[] = {
        {ParameterTexts{}, -1, ""},
        {with(0, "0,3"), 0, "T248."}, // the caption says >= 0,1; the entry wants 0.5
        {with(0, "0,5"), -1, ""},
        {with(0, "1"), 0, "T248."},
        {with(0, ","), 0, ""},    // does not convert: no warning, the focus returns
        {with(1, "0,1"), -1, ""}, // bounds are inclusive
        {with(1, "0,2"), 1, "T247."},
        {with(1, "0,0009"), 1, "T247."},
        {with(2, "0"), 2, "T419."},
        {with(2, ""), 2, ""},
        {with(3, "9"), 3, "T421."},
        {with(3, "10"), -1, ""},
    };
    for (const Case& c : cases) {
        ParameterEntry e = enter_parameters(c.typed, ',', shell());
        EXPECT_EQ(e.field, c.field) << c.typed.relaxationCoef << " " << c.typed.stopCriterion;
        EXPECT_EQ(e.warning, c.warning);
        EXPECT_EQ(e.params.has_value(), c.field < 0);
    }
    ParameterEntry d = enter_parameters(default_parameter_texts(','), ',', shell());
    ASSERT_TRUE(d.params);
    EXPECT_EQ(d.params->relaxationCoef, 0.9);
    EXPECT_EQ(d.params->stopCriterion, 0.005);
    EXPECT_EQ(d.params->stopCheckSparsity, 5);
    EXPECT_EQ(d.params->iterationLimit, 3000);
}

TEST(InfoLines, TakeTheEvenLinesOfTheInformationFileTrimmed) {
    Workplace w;
    EXPECT_EQ(read_info_lines(w.ws, shell()),
              (std::array<std::string, 3>{"? (T507 System\\info)", "? (T508)", "? (T508)"}));
    std::ofstream(w.ws.info_file()) << "Org:\r\n  Acme  \r\nDept:\r\nPlanning\r\nWho:\r\n";
    EXPECT_EQ(read_info_lines(w.ws, shell()), (std::array<std::string, 3>{"Acme", "Planning", ""}));
    std::ofstream(w.ws.info_file()) << "a\n\xCE\xF2\xE4\xE5\xEB\n"; // Windows-1251 "Отдел"
    EXPECT_EQ(read_info_lines(w.ws, shell())[0], "Отдел");
}

// Windows-1251 texts whose bytes look like UTF-8 sequences but are no well-formed ones: an overlong
// form ("Б»"), a surrogate ("нЎЁ"), a code point beyond U+10FFFF ("х‚‚‚"). Each is read as the
// Windows-1251 text it is, not kept as damaged UTF-8.
TEST(InfoLines, ReadAsWindows1251WhenTheBytesAreNoWellFormedUtf8) {
    Workplace w;
    const struct {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"\xC1\xBB", "Б»"},
        {"\xED\xA1\xA8", "нЎЁ"},
        {"\xF5\x82\x82\x82", "х‚‚‚"},
    };
    for (const auto& c : cases) {
        std::ofstream(w.ws.info_file()) << "a\n" << c.bytes << "\n";
        EXPECT_EQ(read_info_lines(w.ws, shell())[0], c.text) << c.text;
    }
}

// ---- Stop and progress ----

// Three chains of two operations, three thresholds: nine path optimisations.
SolverInput three_chains() {
    auto ops = [](int chain) {
        return chain_path(chain, {block({{4, 10, 4}, {2, 30, 2}}), block({{3, 5, 3}, {1, 9, 1}})});
    };
    return chains_task({ops(1), ops(2), ops(3)}, {7, 5, 4});
}

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
        w.put_input("STP001", testing::solver_input_bytes(three_chains()));
        Stopper stopper;
        stopper.stopAfter = 2;
        EXPECT_THROW(run_task(w.setup(threads), "STP001", &stopper), RunStopped) << threads;
        EXPECT_FALSE(std::filesystem::exists((w.ws.solving() / "zep_STP001_out.dat"))) << threads;
        EXPECT_TRUE(std::filesystem::exists(w.ws.solving() / "zep_STP001_in.dat"));
        // Paths under way finish; none starts after the stop.
        ASSERT_FALSE(stopper.progress.empty());
        EXPECT_LT(stopper.progress.back().first, 9) << threads;
    }
}

TEST(RunStop, ProgressCountsEveryPathUpToTheTotal) {
    Workplace w;
    w.put_input("STP001", testing::solver_input_bytes(three_chains()));
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
    w.put_input("STP001", testing::solver_input_bytes(three_chains()));
    run_task(w.setup(1), "STP001", nullptr);
    auto plain = read_whole_file((w.ws.solving() / "zep_STP001_out.dat"));
    Stopper never;
    run_task(w.setup(2), "STP001", &never);
    auto watched = read_whole_file((w.ws.solving() / "zep_STP001_out.dat"));
    EXPECT_TRUE(testing::same_apart_from_time_stamps(plain, watched));
}

} // namespace
} // namespace zep
