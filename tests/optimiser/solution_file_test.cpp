#include "optimiser/solution_file.h"

#include "common/byte_codec.h"
#include "common/errors.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

// 3 chains of 2, 1 and 4 operations, 2 thresholds.
SolutionShape three_chains(bool unavailable = false) {
    return {2, {2, 1, 4}, unavailable};
}

Solution filled(const SolutionShape& shape) {
    Solution s = empty_solution(shape);
    s.header.infoLines[0] = "Организация: отдел планирования проектов и программ";
    s.header.infoLines[1] = "Dept";
    s.header.infoLines[2] = "";
    s.header.elapsed = "00:00:07";
    s.header.stopCheckSparsity = 5;
    s.header.iterationLimit = 3000;
    s.header.endTime = 0.5;
    s.header.endDate = 45000;
    s.header.relaxationCoef = 0.9;
    s.header.stopCriterion = 0.005;
    s.header.runsPerformed = 2;
    s.header.maxPhaseStates = 19992;
    s.status = {1, -1};
    s.message = {"", "Задача \"ABC123\". Решение не найдено"};
    s.cycleCounts = {{10, 20, 30}, {40, 50, 60}};
    s.variantChoice = {{{1, 2}, {3}, {4, 5, 6, 7}}, {{7, 6}, {5}, {4, 3, 2, 1}}};
    if (!shape.hasUnavailableResources) {
        s.chainTimes = {{0, 1.5, 2.25}, {0, 3, 4}};
        s.graphTimes = {12.5, 13.75};
    }
    return s;
}

TEST(SolutionFile, ThreeChainsOfTwoOneAndFourOperationsWithTwoThresholdsTake878Bytes) {
    const SolutionShape shape = three_chains();
    EXPECT_EQ(shape.file_size(), 878u);
    auto bytes = encode_solution(filled(shape), shape);
    ASSERT_EQ(bytes.size(), 878u);
    // Spot checks of the layout: КР at 164, the zero padding at 172, M at 208, L at 212, the first status
    // right after the header and the first graph time in the last 16 bytes.
    ByteReader r(bytes, "test");
    r.skip(164);
    EXPECT_EQ(r.i32(), 5);
    EXPECT_EQ(r.i32(), 3000);
    EXPECT_EQ(r.i32(), 0);
    r.skip(208 - 176);
    EXPECT_EQ(r.i32(), 2);
    EXPECT_EQ(r.i32(), 19992);
    EXPECT_EQ(r.i32(), 1);
    EXPECT_EQ(r.i32(), -1);
    ByteReader tail(std::span<const std::uint8_t>(bytes).subspan(878 - 16), "test");
    EXPECT_EQ(tail.f64(), 12.5);
    EXPECT_EQ(tail.f64(), 13.75);
}

TEST(SolutionFile, RoundTripsWithAndWithoutTimes) {
    for (bool unavailable : {false, true}) {
        const SolutionShape shape = three_chains(unavailable);
        const Solution s = filled(shape);
        auto bytes = encode_solution(s, shape);
        EXPECT_EQ(bytes.size(), shape.file_size());
        Solution back = decode_solution(bytes, shape, "zep_ABC123_out.dat");
        EXPECT_EQ(back.header.infoLines[0], "Организация: отдел планирования проектов");
        EXPECT_EQ(back.header.infoLines[1], "Dept");
        EXPECT_EQ(back.header.elapsed, "00:00:07");
        EXPECT_EQ(back.header.relaxationCoef, 0.9);
        EXPECT_EQ(back.header.endDate, 45000);
        EXPECT_EQ(back.status, s.status);
        EXPECT_EQ(back.message, s.message);
        EXPECT_EQ(back.cycleCounts, s.cycleCounts);
        EXPECT_EQ(back.variantChoice, s.variantChoice);
        EXPECT_EQ(back.chainTimes, s.chainTimes);
        EXPECT_EQ(back.graphTimes, s.graphTimes);
    }
}

TEST(SolutionFile, WithUnavailableResourcesEndsAfterTheChoices) {
    const SolutionShape shape = three_chains(true);
    EXPECT_EQ(shape.file_size(), 878u - (2 * 3 * 8 + 2 * 8));
}

TEST(SolutionFile, MessagesAreCutTo254CharactersAndForeignCharactersBecomeQuestionMarks) {
    const SolutionShape shape{1, {1}, true};
    Solution s = empty_solution(shape);
    s.message[0] = std::string(300, 'x');
    s.header.infoLines[0] = "a→b";
    Solution back = decode_solution(encode_solution(s, shape), shape, "f");
    EXPECT_EQ(back.message[0], std::string(254, 'x'));
    EXPECT_EQ(back.header.infoLines[0], "a?b");
}

TEST(SolutionFile, AFileThatDoesNotMatchItsTaskIsRefusedWithItsName) {
    const SolutionShape shape = three_chains();
    auto bytes = encode_solution(filled(shape), shape);
    for (std::size_t size : {std::size_t{0}, std::size_t{215}, std::size_t{877}}) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        try {
            decode_solution(cut, shape, "zep_ABC123_out.dat");
            ADD_FAILURE() << "accepted " << size << " bytes";
        } catch (const FileFormatError& e) {
            EXPECT_NE(std::string(e.what()).find("zep_ABC123_out.dat"), std::string::npos);
        }
    }
    bytes.push_back(0);
    EXPECT_THROW(decode_solution(bytes, shape, "f"), FileFormatError);
    EXPECT_THROW(decode_solution(bytes, SolutionShape{-1, {1}, false}, "f"), FileFormatError);
}

TEST(SolutionFile, EncodingASolutionOfAnotherShapeIsAnError) {
    Solution s = filled(three_chains());
    EXPECT_THROW(encode_solution(s, SolutionShape{2, {2, 1, 3}, false}), std::invalid_argument);
}

TEST(SolutionFile, IsWrittenAndReadBackFromDisk) {
    test::TempDir dir;
    const SolutionShape shape = three_chains();
    write_solution_file(dir.path() / "zep_ABC123_out.dat", filled(shape), shape);
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "zep_ABC123_out.dat"), 878u);
    EXPECT_EQ(read_solution_file(dir.path() / "zep_ABC123_out.dat", shape).graphTimes,
              (std::vector<double>{12.5, 13.75}));
}

// A file's reader takes any status: the views show a plan for every value but 0 and the run's message
// for every value but a positive one, so a status is read by its sign.
TEST(SolutionFile, ARunsStatusIsReadByItsSign) {
    Solution s;
    s.status = {0, 1, -1, 7, -5};
    const RunStatus want[] = {RunStatus::NotSolved, RunStatus::Solved, RunStatus::LimitUsedUp,
                              RunStatus::Solved, RunStatus::LimitUsedUp};
    for (std::size_t run = 0; run < s.status.size(); ++run)
        EXPECT_EQ(run_status(s, run), want[run]) << s.status[run];
}

} // namespace
} // namespace zep
