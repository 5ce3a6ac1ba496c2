#include "task/solver_input.h"

#include "common/errors.h"
#include "sample_tasks.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zep {
namespace {

const std::string kShell = "Shell (ZEP 2.2).eng";
const std::string kSource = "Solving/zep_DEC001_in.dat";

// Expected bytes, spelled out field by field.
struct Bytes {
    std::vector<std::uint8_t> b;
    Bytes& i32(std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
        return *this;
    }
    Bytes& f64(double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        for (int i = 0; i < 8; ++i)
            b.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        return *this;
    }
    Bytes& zeros(std::size_t n) {
        b.insert(b.end(), n, 0);
        return *this;
    }
    Bytes& element(int chain, int op, int count) { return i32(chain).i32(op).i32(count); }
    Bytes& variant(double time, double cost, int tacts) { return f64(time).f64(cost).i32(tacts).zeros(4); }
    Bytes& empty_variant() { return zeros(24); }
    Bytes& ascii_text(const std::string& s, std::size_t capacity) {
        b.push_back(static_cast<std::uint8_t>(s.size()));
        b.insert(b.end(), s.begin(), s.end());
        return zeros(capacity - s.size());
    }
};

void expect_same_bytes(const std::vector<std::uint8_t>& got, const std::vector<std::uint8_t>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        ASSERT_EQ(got[i], want[i]) << "first difference at byte " << i;
}

TEST(SolverInput, DecomposedTaskByteForByte) {
    Bytes x;
    // 1 SolverHeader: counts, tact × 2 and level tact × 2, thresholdCount 2, no second level,
    //   baseCostTotal × 2, no resources, 1 subgraph.
    x.i32(3).i32(1).i32(0).i32(0).f64(1.0).f64(1.0).i32(2).i32(0).i32(0).zeros(4);
    x.f64(0).f64(3.0).i32(0).i32(0).i32(1).zeros(4);
    ASSERT_EQ(x.b.size(), 80u);
    x.i32(4).i32(1).i32(1);                               // 2 opCount per chain
    x.i32(2).i32(2);                                      // 3 chainsPerSubgraph
    x.i32(2).i32(1);                                      // 4 member path lengths
    x.element(1, 2, 2).element(1, 3, 1).element(3, 1, 2); // 5 own operation numbers, not span-relative
    // 6 variant blocks in level tacts (0.5), time; 2.25 / 0.5 = 4.5 rounds to the even 4.
    x.variant(2.25 * 2, 5 * 2, 4).variant(1.3 * 2, 8 * 2, 3);
    x.variant(0.75 * 2, 3 * 2, 2);
    x.variant(1.75 * 2, 4 * 2, 4).variant(2.0 * 2, 2 * 2, 4);
    x.i32(4).i32(1); // 7 top-level path lengths (chain 3 has none)
    x.element(1, 1, 1).element(1, -1, 3).element(1, 0, 1).element(1, 4, 1).element(2, 1, 2); // 8
    // 9 variant blocks in tacts (0.5), time: a subgraph reference has levelCount empty records, a
    //   covered element one.
    x.variant(1.0 * 2, 10 * 2, 2);
    x.empty_variant().empty_variant().empty_variant();
    x.empty_variant();
    x.variant(3.0 * 2, 1 * 2, 6);
    x.variant(4.0 * 2, 7 * 2, 8).variant(5.5 * 2, 6 * 2, 11);
    x.i32(16).i32(19);             // 10 thresholds
    x.f64(0.25 * 2).i32(3).i32(1); // 11 SubgraphSolverRec: costBase, levels, refs
    x.i32(1).i32(0).i32(1);        //    reference: top level, path 0, element 1
    x.i32(4).i32(5).i32(6);        //    time levels
    x.ascii_text(kShell, 24);      // 13 shell file name

    expect_same_bytes(encode_solver_input(test::decomposed_task(), kShell), x.b);
}

TEST(SolverInput, SecondLevelTaskWithResourcesByteForByte) {
    Bytes x;
    // 1 time minimised on two paths: second-level iterations 12, thresholdStep (95 − 20) × 0.01 × 2 = 1.5
    //   to the even 2, cost threshold × 1.5.
    x.i32(2).i32(0).i32(1).i32(2).f64(1.5).f64(1.5).i32(1).i32(12).i32(2).zeros(4);
    x.f64(150).f64(0).i32(1).i32(2).i32(0).zeros(4);
    x.i32(2).i32(1);                                      // 2
    x.i32(2);                                             // 3; no 4 to 6
    x.i32(2).i32(1);                                      // 7
    x.element(1, 1, 2).element(1, 2, 1).element(2, 1, 3); // 8
    // 9 tact 1, rounded up: 12.5 -> 13, 22.25 -> 23
    x.variant(12.5 * 1.5, 40 * 1.5, 13).variant(20 * 1.5, 30 * 1.5, 20);
    x.variant(8 * 1.5, 9 * 1.5, 8);
    x.variant(30 * 1.5, 5 * 1.5, 30).variant(25 * 1.5, 12 * 1.5, 25).variant(22.25 * 1.5, 20 * 1.5, 23);
    x.i32(20).i32(95);                               // 10 two thresholds although thresholdCount is 1
    x.i32(2).i32(1);                                 // 12 intervals per category
    x.i32(0).i32(10).i32(15).i32(-1).i32(6).i32(50); //    in tacts, -1 unbounded
    x.i32(1).i32(1).i32(2).i32(0).i32(1).i32(0).i32(2).i32(1).i32(1).i32(0).i32(2).i32(0); // needs
    x.ascii_text(kShell, 24);                                                              // 13

    expect_same_bytes(encode_solver_input(test::resource_task(), kShell), x.b);
}

TEST(SolverInput, ThresholdStep) {
    struct Case {
        int lo, hi, reduction, want;
    } cases[] = {
        {20, 95, 2, 2},  // 1.5 -> 2
        {20, 145, 2, 2}, // 2.5 -> 2
        {0, 350, 1, 4},  // 3.5 -> 4
        {10, 30, 2, 1},  // 0.4 -> 0, at least 1
        {10, 10, 4, 1},  {0, 1000, 4, 40},
    };
    for (const auto& c : cases) {
        TaskRecord rec = test::resource_task();
        rec.thresholds = {c.lo, c.hi};
        rec.header.iterationReductionCoef = c.reduction;
        EXPECT_EQ(threshold_step(rec), c.want) << c.lo << ".." << c.hi << " × " << c.reduction;
    }
}

TEST(SolverInput, DiscretisedCostCountsTopLevelPathsInCostTacts) {
    TaskRecord rec = test::decomposed_task();
    rec.discretisedIsCost = 1;
    rec.levelTact = 1.0;
    SolverInput in = decode_solver_input(encode_solver_input(rec, kShell), kSource);
    EXPECT_EQ(in.header.scaledLevelTact, 2.0);
    // Subgraph paths: time in level tacts (1.0).
    EXPECT_EQ(in.subgraphPaths[0][0].variants[0][1].discretised, 1); // 1.3
    // Top-level paths: cost in tacts (0.5).
    EXPECT_EQ(in.topPaths[0].variants[0][0].discretised, 20); // cost 10
    EXPECT_EQ(in.topPaths[1].variants[0][1].discretised, 12); // cost 6
}

// Subgraph 1 (inside chain 2) is referred to from a member path of subgraph 2, which is referred to from
// the top-level path of chain 1.
TaskRecord nested_subgraphs_task() {
    using test::chain;
    using test::operation;
    TaskRecord rec;
    TaskHeader& h = rec.header;
    h.taskCode = "NEST03";
    h.chainCount = 3;
    h.nestedChainCount = 2;
    h.tact = 1;
    h.scalingCoef = 1;
    h.thresholdCount = 1;
    h.decompositionMode = 1;
    h.subgraphCount = 2;
    rec.chains.push_back(
        chain("1", {operation("a", {{"x", 0, 0, 1, 1}}), operation("b", {{"x", 0, 0, 1, 1}}),
                    operation("c", {{"x", 0, 0, 1, 1}, {"y", 0, 0, 2, 0.5}}),
                    operation("d", {{"x", 0, 0, 1, 1}}), operation("e", {{"x", 0, 0, 1, 1}})}));
    rec.chains.push_back(
        chain("2", {operation("f", {{"x", 0, 0, 1, 1}}), operation("g", {{"x", 0, 0, 1, 1}})}));
    rec.chains.push_back(chain("3", {operation("h", {{"x", 0, 0, 3, 1}})}));
    rec.chains[1].subgraphNo = 2;
    rec.chains[1].fromChain = 1, rec.chains[1].fromOp = 2, rec.chains[1].toChain = 1, rec.chains[1].toOp = 4;
    rec.chains[2].subgraphNo = 1;
    rec.chains[2].fromChain = 2, rec.chains[2].fromOp = 1, rec.chains[2].toChain = 2, rec.chains[2].toOp = 1;
    rec.thresholds = {7};
    rec.chainsPerSubgraph = {2, 2, 1};
    rec.subgraphPaths = {
        {{0, 0, {{2, 1, 1}}}, {0, 0, {{3, 1, 1}}}},
        {{0, 0, {{1, 2, 1}, {1, 3, 2}, {1, 4, 1}}}, {0, 0, {{2, subgraph_reference(0), 1}, {2, 2, 1}}}}};
    rec.chainPaths = {{0, 0, {{1, 1, 1}, {1, subgraph_reference(1), 2}, {1, 0, 1}, {1, 0, 1}, {1, 5, 1}}},
                      {0, 0, {}},
                      {0, 0, {}}};
    rec.sourceOps = {{1, 2, 3, 4, 5}, {}, {}};
    rec.spanMark = {{0, 2, -1, -1, 0}, {1, 0}, {0}};
    rec.subgraphSummaries.resize(3);
    rec.subgraphSummaries[0].memberCount = 2;
    rec.subgraphSummaries[0].levelCount = 1;
    rec.subgraphSummaries[1].memberCount = 2;
    rec.subgraphSummaries[1].levelCount = 2;
    rec.timeLevels = {{3}, {4, 5}};
    rec.levelTact = 1;
    return rec;
}

TEST(SolverInput, ReferencesAreCountedAndListedWhereTheElementsStand) {
    SolverInput in = decode_solver_input(encode_solver_input(nested_subgraphs_task(), kShell), kSource);
    ASSERT_EQ(in.subgraphs.size(), 2u);
    EXPECT_EQ(in.subgraphs[0].refCount, 1);
    EXPECT_EQ(in.subgraphs[1].refCount, 1);
    EXPECT_EQ(in.subgraphRefs[0], (std::vector<SubgraphRef>{{1, 1, 0}})); // subgraph 2, member 1, element 0
    EXPECT_EQ(in.subgraphRefs[1], (std::vector<SubgraphRef>{{2, 0, 1}})); // top level, path 0, element 1
    EXPECT_EQ(in.timeLevels, (std::vector<std::vector<int>>{{3}, {4, 5}}));
    ASSERT_EQ(in.topPaths.size(), 1u);
    EXPECT_EQ(in.topPaths[0].variants[1], std::vector<VariantOut>(2)); // two empty level records
    EXPECT_EQ(in.topPaths[0].variants[2], std::vector<VariantOut>(1)); // one for a covered element
    EXPECT_EQ(in.subgraphPaths[1][0].variants[1].size(), 2u);          // operation 3 of chain 1

    TaskRecord plain = nested_subgraphs_task();
    plain.header.decompositionMode = 0;
    SolverInput off = decode_solver_input(encode_solver_input(plain, kShell), kSource);
    EXPECT_EQ(off.subgraphs[1].levelCount, 0);
    EXPECT_EQ(off.subgraphs[1].costBase, 0);
    EXPECT_EQ(off.subgraphs[1].refCount, 1);
    EXPECT_TRUE(off.timeLevels[1].empty());
}

TEST(SolverInput, ReaderGivesBackWhatTheWriterPut) {
    SolverInput in =
        decode_solver_input(encode_solver_input(test::resource_task(), "Shell (ZEP 2.2).рус"), kSource);
    EXPECT_EQ(in.header.thresholdStep, 2);
    EXPECT_EQ(in.opCounts, (std::vector<int>{2, 1}));
    EXPECT_EQ(in.thresholds, (std::vector<int>{20, 95}));
    EXPECT_EQ(in.intervalTacts,
              (std::vector<std::vector<std::pair<int, int>>>{{{0, 10}, {15, -1}}, {{6, 50}}}));
    ASSERT_EQ(in.variantResources.size(), 2u);
    EXPECT_EQ(in.variantResources[1][0], (std::vector<VariantResource>{{2, 1}, {1, 0}, {2, 0}}));
    EXPECT_EQ(in.topPaths[1].variants[0][2], (VariantOut{33.375, 30, 23}));
    EXPECT_EQ(in.shellFileName, "Shell (ZEP 2.2).рус");

    std::string longName(30, 'n');
    EXPECT_EQ(
        decode_solver_input(encode_solver_input(test::resource_task(), longName), kSource).shellFileName,
        std::string(24, 'n'));
}

TEST(SolverInput, EveryCutIsRefusedWithTheFileName) {
    for (const TaskRecord& rec : {test::decomposed_task(), test::resource_task(), nested_subgraphs_task()}) {
        std::vector<std::uint8_t> image = encode_solver_input(rec, kShell);
        for (std::size_t cut = 0; cut < image.size(); ++cut) {
            try {
                decode_solver_input(std::span(image).first(cut), kSource);
                ADD_FAILURE() << rec.header.taskCode << " cut at " << cut << " was read";
            } catch (const FileFormatError& e) {
                ASSERT_EQ(std::string(e.what()).rfind(kSource + ": ", 0), 0u) << e.what();
            }
        }
    }
}

TEST(SolverInput, AnOperationNumberOfTheSmallestInt32IsRefusedByName) {
    // 105 bytes found by fuzzing: one chain, a path element whose op is 0x80000000.
    const std::vector<std::uint8_t> image = {
        1,  0,   0,   0,  0,  0,   0,   0,   0,   0,  0,  2, 0, 0, 0, 0,   113, 210, 77, 98,  16,
        88, 213, 193, 14, 45, 178, 157, 239, 167, 45, 63, 3, 0, 0, 0, 0,   0,   0,   0,  0,   0,
        0,  0,   0,   0,  0,  0,   0,   0,   0,   0,  0,  0, 0, 0, 0, 0,   0,   0,   0,  0,   0,
        0,  1,   0,   0,  0,  2,   0,   0,   0,   0,  0,  0, 0, 0, 0, 0,   0,   2,   0,  0,   0,
        1,  0,   0,   0,  2,  0,   0,   0,   1,   0,  0,  0, 0, 0, 0, 128, 78,  41,  46, 114, 0};
    try {
        decode_solver_input(image, kSource);
        FAIL() << "read";
    } catch (const FileFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("element 1 subgraph reference is 2147483648"), std::string::npos)
            << e.what();
    }
}

TEST(SolverInput, AbsurdCountsAreRefusedByName) {
    // Offsets in the decomposed task's file (see DecomposedTaskByteForByte).
    const std::size_t sec5 = 80 + 12 + 8 + 8, sec6 = sec5 + 36, sec7 = sec6 + 5 * 24, sec8 = sec7 + 8;
    const std::size_t sec11 = sec8 + 60 + 8 * 24 + 8;
    struct Case {
        std::size_t offset;
        std::int32_t value;
        std::string message;
    } cases[] = {
        {0, 2000000000, "chainCount is 2000000000"},
        {4, 3, "nestedChainCount is 3"},
        {72, 5, "subgraphCount is 5"},
        {32, 64, "thresholdCount is 64"},
        {80, 0, "chain 1 opCount is 0"},
        {92, 0, "chainsPerSubgraph entry 1 is 0"},
        {100, 1000000, "subgraph 1 path 1 elementCount is 1000000"},
        {sec5 + 4, 9, "subgraph 1 path 1 element 1 operation is 9"},
        {sec5 + 8, 21, "subgraph 1 path 1 element 1 count is 21"},
        {sec5 + 8, 0, "subgraph 1 path 1 element 1 count is 0"},
        {sec7, 0, "top-level path 1 elementCount is 0"},
        {sec8 + 12 + 4, subgraph_reference(4), "top-level path 1 element 2 subgraph reference is 5"},
        {sec8 + 12 + 4, INT32_MIN, "top-level path 1 element 2 subgraph reference is 2147483648"},
        {sec11 + 8, 21, "subgraph 1 levelCount is 21"},
        {sec11 + 12, 100000, "subgraph 1 refCount is 100000"},
        {sec11 + 16, 2, "subgraph 1 reference 1 owner is 2"},
        {sec11 + 20, 2, "subgraph 1 reference 1 path index is 2"},
        {sec11 + 24, 2, "subgraph 1 reference 1 points at an element that does not refer to the subgraph"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> image = encode_solver_input(test::decomposed_task(), kShell);
        for (int i = 0; i < 4; ++i)
            image[c.offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(c.value) >> (8 * i));
        try {
            decode_solver_input(image, kSource);
            ADD_FAILURE() << c.message << ": read";
        } catch (const FileFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace zep
