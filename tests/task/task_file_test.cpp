#include "task/task_file.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "sample_tasks.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zep {
namespace {

const std::string kSource = "Data/zep_DEC001.dat";

void put_i32(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

std::int32_t get_i32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

double get_f64(const std::vector<std::uint8_t>& b, std::size_t at) {
    double d;
    std::memcpy(&d, b.data() + at, 8);
    return d;
}

void expect_same_file_contents(const TaskRecord& got, const TaskRecord& want) {
    EXPECT_EQ(got.header, want.header);
    EXPECT_EQ(got.chains, want.chains);
    EXPECT_EQ(got.thresholds, want.thresholds);
    EXPECT_EQ(got.resourceIntervals, want.resourceIntervals);
    EXPECT_EQ(got.marksPresent, want.marksPresent);
    EXPECT_EQ(got.chainsPerSubgraph, want.chainsPerSubgraph);
    EXPECT_EQ(got.subgraphPaths, want.subgraphPaths);
    EXPECT_EQ(got.chainPaths, want.chainPaths);
    EXPECT_EQ(got.sourceOps, want.sourceOps);
    EXPECT_EQ(got.spanMark, want.spanMark);
    ASSERT_EQ(got.subgraphSummaries.size(), static_cast<std::size_t>(want.header.subgraphCount) + 1);
    for (int k = 0; k < want.header.subgraphCount; ++k) {
        SubgraphSummary memberCountOnly;
        memberCountOnly.memberCount = want.subgraphSummaries[k].memberCount;
        EXPECT_EQ(got.subgraphSummaries[k], memberCountOnly) << "subgraph " << k + 1;
    }
    EXPECT_EQ(got.workingChainCount, want.header.chainCount);
    EXPECT_EQ(got.workingNestedChainCount, want.header.nestedChainCount);
    EXPECT_EQ(got.workingSubgraphCount, want.header.subgraphCount);
    EXPECT_EQ(got.topPathCount, want.topPathCount);
    EXPECT_EQ(got.discretisedIsCost, want.discretisedIsCost);
}

TEST(TaskFile, RoundTripGivesBackTheWholeFileContents) {
    for (const TaskRecord& rec : {test::decomposed_task(), test::resource_task()}) {
        SCOPED_TRACE(rec.header.taskCode);
        std::vector<std::uint8_t> image = encode_task_file(rec);
        expect_same_file_contents(decode_task_file(image, kSource), rec);
        EXPECT_EQ(encode_task_file(decode_task_file(image, kSource)), image);
    }
}

TEST(TaskFile, SectionsHaveTheirRecordSizes) {
    std::vector<std::uint8_t> image = encode_task_file(test::decomposed_task());
    const std::size_t expected = 240                // header
                                 + 3 * 128          // chains
                                 + 6 * 108          // operations
                                 + 9 * 72           // variants
                                 + 2 * 4            // chainsPerSubgraph
                                 + 2 * 4            // thresholds
                                 + 2 * 12           // subgraph PathInfo
                                 + 3 * 12           // subgraph elements
                                 + 3 * 12           // chain PathInfo
                                 + 5 * 12           // chain elements
                                 + (1 + 5 + 6) * 4; // memberCount, sourceOps, spanMark; no marks
    EXPECT_EQ(image.size(), expected);

    // Without subgraphs sections 7, 8 and 12 are absent; with resources and marks 11 and 13 present.
    const std::size_t withResources = 240 + 2 * 128 + 3 * 108 + 6 * 72 // header, chains, operations, variants
                                      + 4 + 2 * 4                      // chainsPerSubgraph, 2 thresholds
                                      + 2 * 12 + 3 * 12                // chain PathInfo and elements
                                      + 2 * 4 + 3 * 24                 // intervalCount, intervals
                                      + 3 * 8;                         // marks
    EXPECT_EQ(encode_task_file(test::resource_task()).size(), withResources);

    // Header fields at their offsets, texts in Windows-1251, padding zero.
    EXPECT_EQ(image[0], 6);
    EXPECT_EQ(std::string(image.begin() + 1, image.begin() + 7), "DEC001");
    EXPECT_EQ(image[7], 22);
    EXPECT_EQ(image[8], 0xD2); // "Т"
    EXPECT_EQ(get_i32(image, 84), 3);
    EXPECT_EQ(get_i32(image, 88), 1);
    EXPECT_EQ(image[92], 3);  // "дни"
    EXPECT_EQ(image[113], 5); // "рубли"
    EXPECT_EQ(get_f64(image, 136), 9.5);
    EXPECT_EQ(get_f64(image, 160), 0.5);
    EXPECT_EQ(get_i32(image, 228), 1);
    EXPECT_EQ(get_i32(image, 232), 82);
    for (std::size_t pad : {78, 79, 134, 135, 156, 157, 158, 159, 188, 189, 190, 191, 236, 237, 238, 239})
        EXPECT_EQ(image[pad], 0) << "padding byte " << pad;
    // Chain 3 (nested): coordinates at 112..127 of its image.
    EXPECT_EQ(get_i32(image, 240 + 2 * 128 + 104), 1);
    EXPECT_EQ(get_i32(image, 240 + 2 * 128 + 116), 2);
    EXPECT_EQ(get_i32(image, 240 + 2 * 128 + 124), 3);
}

TEST(TaskFile, SecondLevelModeStoresTwoThresholdsWhateverThresholdCountSays) {
    TaskRecord rec = test::resource_task();
    ASSERT_EQ(rec.header.thresholdCount, 1);
    std::vector<std::uint8_t> image = encode_task_file(rec);
    const std::size_t thresholds = 240 + 2 * 128 + 3 * 108 + 6 * 72 + 4;
    EXPECT_EQ(get_i32(image, thresholds), 20);
    EXPECT_EQ(get_i32(image, thresholds + 4), 95);
    EXPECT_EQ(decode_task_file(image, kSource).thresholds, (std::vector<int>{20, 95}));
}

TEST(TaskFile, EveryCutBeforeTheMarksIsRefusedWithTheFileName) {
    for (const TaskRecord& rec : {test::decomposed_task(), test::resource_task()}) {
        std::vector<std::uint8_t> image = encode_task_file(rec);
        const std::size_t marks = rec.marksPresent ? image.size() - 3 * 8 : image.size();
        for (std::size_t cut = 0; cut < marks; ++cut) {
            std::vector<std::uint8_t> part(image.begin(), image.begin() + cut);
            try {
                decode_task_file(part, kSource);
                ADD_FAILURE() << rec.header.taskCode << " cut at " << cut << " was read";
            } catch (const FileFormatError& e) {
                ASSERT_EQ(std::string(e.what()).rfind(kSource + ": ", 0), 0u) << e.what();
            }
        }
    }
}

std::vector<VariantMark> marks_of(const TaskRecord& rec) {
    std::vector<VariantMark> marks;
    for (const auto& chain : rec.chains)
        for (const auto& op : chain.operations)
            marks.push_back(op.mark);
    return marks;
}

TEST(TaskFile, AFileEndingInTheMarksReadsTheWholeMarksOnly) {
    TaskRecord rec = test::resource_task();
    std::vector<std::uint8_t> image = encode_task_file(rec);
    const std::size_t marks = image.size() - 3 * 8;
    const std::vector<VariantMark> all = marks_of(rec);
    struct Case {
        std::size_t length;
        int marksRead;
    } cases[] = {{marks, 0}, {marks + 5, 0}, {marks + 8, 1}, {marks + 23, 2}, {image.size(), 3}};
    for (const auto& c : cases) {
        TaskRecord got = decode_task_file(std::span(image).first(c.length), kSource);
        EXPECT_EQ(got.marksPresent, c.marksRead == 3 ? 1 : 0) << c.length;
        std::vector<VariantMark> want(all.size());
        std::copy(all.begin(), all.begin() + c.marksRead, want.begin());
        EXPECT_EQ(marks_of(got), want) << c.length;
        EXPECT_EQ(got.chains.size(), rec.chains.size());
    }
}

TEST(TaskFile, AbsurdCountsAreRefusedByName) {
    struct Case {
        bool resources;
        std::size_t offset;
        std::int32_t value;
        std::string message;
    } cases[] = {
        {false, 84, 1000000, "chainCount is 1000000, expected 1 to 10"},
        {false, 84, -5, "chainCount is -5"},
        {false, 88, 3, "nestedChainCount is 3"},
        {false, 228, 2, "subgraphCount is 2"},
        {false, 176, 11, "thresholdCount is 11"},
        {false, 240 + 104, 1010, "chain 1 opCount is 1010"},
        {false, 240 + 2 * 128 + 112, 7, "chain 3 fromChain is 7"},
        {false, 240 + 2 * 128 + 116, 5, "chain 3 fromOp is 5"},
        {false, 240 + 2 * 128 + 108, 2, "chain 3 subgraphNo is 2"},
        {false, 240 + 384 + 104, 21, "chain 1 operation 1 variantCount is 21"},
        {false, 1920, 0, "chainsPerSubgraph entry 1 is 0"},
        {false, 1936, 100000, "subgraph 1 path 1 elementCount is 100000"},
        {false, 1940, 3, "subgraph 1 path 1 prefixLength is 3"},
        {false, 1964, 9, "subgraph 1 path 1 element 1 operation is 9"},
        {false, 1960, 0, "subgraph 1 path 1 element 1 chain is 0"},
        {false, 2048, subgraph_reference(1), "chain 1 path element 2 subgraph reference is 2"},
        {false, 2048, INT32_MIN, "chain 1 path element 2 subgraph reference is 2147483648, expected 1 to 1"},
        {false, 2052, 5000, "chain 1 path element 2 count is 5000"},
        {false, 2092, 50, "subgraph 1 memberCount is 50"},
        {true, 204, 11, "resourceCategoryCount is 11"},
        {true, 1324, 0, "category 1 intervalCount is 0"},
        {true, 1324 + 4, 11, "category 2 intervalCount is 11"},
        {true, 1324 + 8 + 3 * 24 + 16, 3, "chain 2 operation 1 mark variant index is 3"},
        {true, 1324 + 8 + 3 * 24 + 20, 4, "chain 2 operation 1 mark code is 4"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> image =
            encode_task_file(c.resources ? test::resource_task() : test::decomposed_task());
        put_i32(image, c.offset, c.value);
        try {
            decode_task_file(image, kSource);
            ADD_FAILURE() << c.message << ": read";
        } catch (const FileFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind(kSource, 0), 0u) << e.what();
        }
    }
}

TEST(TaskFile, ATextLongerThanItsFieldIsRefused) {
    std::vector<std::uint8_t> image = encode_task_file(test::decomposed_task());
    image[7] = 200;
    EXPECT_THROW(decode_task_file(image, kSource), FileFormatError);
}

TEST(TaskFile, ReadFileReplacesTheRecordOnlyWhenTheWholeFileReads) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    std::filesystem::create_directories(ws.data());
    TaskRecord original = test::decomposed_task();
    std::vector<std::uint8_t> image = encode_task_file(original);
    write_file_atomically(task_file_path(ws, "DEC001"), image);
    image.resize(image.size() / 2);
    write_file_atomically(task_file_path(ws, "BROKEN"), image);

    TaskRecord rec;
    read_task_file(rec, ws, "DEC001");
    EXPECT_EQ(rec.chains, original.chains);

    EXPECT_THROW(read_task_file(rec, ws, "BROKEN"), FileFormatError);
    EXPECT_EQ(rec.chains, original.chains);
    EXPECT_THROW(read_task_file(rec, ws, "NOFILE"), FileAccessError);
}

TEST(TaskFile, RecordsUnfitForTheFileAreRefusedBeforeWriting) {
    struct Case {
        const char* what;
        void (*spoil)(TaskRecord&);
    } cases[] = {
        {"chain count differs", [](TaskRecord& r) { r.header.chainCount = 2; }},
        {"operations missing", [](TaskRecord& r) { r.chains[0].operations.pop_back(); }},
        {"variants missing", [](TaskRecord& r) { r.chains[1].operations[0].variants.pop_back(); }},
        {"thresholds missing", [](TaskRecord& r) { r.thresholds.pop_back(); }},
        {"element count differs", [](TaskRecord& r) { r.chainPaths[1].elements[0].count = 3; }},
        {"element names no operation", [](TaskRecord& r) { r.chainPaths[1].elements[0].op = 2; }},
        {"dangling reference", [](TaskRecord& r) { r.chainPaths[0].elements[1].op = subgraph_reference(1); }},
        {"top paths differ", [](TaskRecord& r) { r.chainsPerSubgraph.back() = 3; }},
        {"sourceOps short", [](TaskRecord& r) { r.sourceOps[0].pop_back(); }},
        {"time levels short", [](TaskRecord& r) { r.timeLevels[0].pop_back(); }},
    };
    for (const auto& c : cases) {
        TaskRecord rec = test::decomposed_task();
        c.spoil(rec);
        EXPECT_THROW(encode_task_file(rec), std::invalid_argument) << c.what;
    }
}

} // namespace
} // namespace zep
