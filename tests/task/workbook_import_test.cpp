#include "task/workbook_import.h"

#include "task/rounding.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using Sheet = std::vector<std::vector<std::string>>;

// Sheet 1: column B of the rows given, from row 1.
Sheet general(std::vector<std::string> values) {
    Sheet s;
    for (auto& v : values)
        s.push_back({"", std::move(v)});
    return s;
}

TaskRecord read(std::vector<Sheet> sheets, std::string_view code = "", std::string_view name = "") {
    return read_task_workbook(CellTextWorkbook(std::move(sheets)), code, name, ',');
}

// Two ordinary chains, no resources: sheets 1 to 4.
std::vector<Sheet> plain_book() {
    return {general({" wbp1 ", "  Plain  ", "0", "2", "0", "рубли", "дни", "", "1", "0,5", "", "2", "0", "2",
                     "4,4", "5"}),
            {{"h"}, {"1", "Main", "2"}, {"2", "Side", "1"}},
            {{"h"}, {"", "", "Dig", "2"}, {"", "", "Build", "1"}, {}, {"", "", "Paint", "1"}},
            {{"h"},
             {"", "", "", "", "own", "5", "10"},
             {"", "", "", "", "hired", "7", "8"},
             {"", "", "", "", "fast", "3", "9"},
             {},
             {"", "", "", "", "a", "4,5", "2"}}};
}

TEST(WorkbookImport, ReadsATaskWithoutResourcesFromSheetsOneToFour) {
    TaskRecord rec = read(plain_book());
    const TaskHeader& h = rec.header;
    EXPECT_EQ(h.taskCode, "WBP1");
    EXPECT_EQ(h.taskName, "Plain");
    EXPECT_EQ(h.minimisedParam, 0);
    EXPECT_EQ(rec.workingChainCount, 2);
    EXPECT_EQ(rec.workingNestedChainCount, 0);
    EXPECT_EQ(h.costUnit, "рубли");
    EXPECT_EQ(h.timeUnit, "дни");
    EXPECT_EQ(h.roundingType, 1);
    EXPECT_EQ(h.tact, 0.5);
    EXPECT_EQ(h.scalingCoef, 2);
    EXPECT_EQ(h.thresholdCount, 2);
    // Thresholds in tacts, rounded down: 4.4 / 0.5 = 8.8 -> 8, 5 / 0.5 = 10.
    EXPECT_EQ(rec.thresholds, (std::vector<int>{8, 10}));
    ASSERT_EQ(rec.chains.size(), 2u);
    EXPECT_EQ(rec.chains[1].name, "Side");
    ASSERT_EQ(rec.chains[0].operations.size(), 2u);
    EXPECT_EQ(rec.chains[0].operations[1].name, "Build");
    ASSERT_EQ(rec.chains[0].operations[0].variants.size(), 2u);
    EXPECT_EQ(rec.chains[0].operations[0].variants[1].essence, "hired");
    EXPECT_EQ(rec.chains[0].operations[0].variants[1].cost, 8);
    EXPECT_EQ(rec.chains[1].operations[0].variants[0].time, 4.5);
    EXPECT_EQ(rec.marksPresent, 0);
    EXPECT_EQ(rec.chains[0].operations[0].mark.markCode, -1);
}

TEST(WorkbookImport, CodeAndNameComeFromTheBoxesWhenFilled) {
    TaskRecord rec = read(plain_book(), "OWN001", "Own name");
    EXPECT_EQ(rec.header.taskCode, "OWN001");
    EXPECT_EQ(rec.header.taskName, "Own name");
}

TEST(WorkbookImport, ReadsResourcesFromSheetTwoAndShiftsTheOtherSheets) {
    // Nested chains with resources: row 14 the conversion mode, then the thresholds, then the
    // categories and their interval counts.
    std::vector<Sheet> book = {general({"R1", "Res", "0", "2", "1", "евро", "часы", "",  "2", "1",
                                        "",   "1",   "1", "2", "1", "7",    "",     "2", "2", "1"}),
                               {{"h"}, {"", "", "0", "10"}, {"", "", "12", ""}, {"", "", "0", "100"}},
                               {{"h"}, {"1", "Main", "2"}, {"2", "Bypass", "1", "1; 2", " 1 ;2 "}},
                               {{"h"}, {"", "", "o1", "1"}, {"", "", "o2", "2"}, {}, {"", "", "n1", "1"}},
                               {{"h"},
                                {"", "", "", "", "a", "1", "", "1", "5"},
                                {"", "", "", "", "a", "2", "*", "2", "5"},
                                {"", "", "", "", "b", "1", " ", "3", "4"},
                                {},
                                {"", "", "", "", "a", "2", "x", "4", "1"}}};
    TaskRecord rec = read(book);
    EXPECT_EQ(rec.header.hasUnavailableResources, 1);
    EXPECT_EQ(rec.header.criticalConversionMode, 2);
    EXPECT_EQ(rec.thresholds, (std::vector<int>{7}));
    EXPECT_EQ(rec.header.resourceCategoryCount, 2);
    ASSERT_EQ(rec.resourceIntervals.size(), 2u);
    ASSERT_EQ(rec.resourceIntervals[0].size(), 2u);
    EXPECT_EQ(rec.resourceIntervals[0][1].start, 12);
    EXPECT_EQ(rec.resourceIntervals[0][1].finish, -1.0); // an empty end: unbounded
    EXPECT_EQ(rec.resourceIntervals[1][0].finish, 100);
    const ChainRec& bypass = rec.chains[1];
    EXPECT_EQ(bypass.fromChain, 1);
    EXPECT_EQ(bypass.fromOp, 2);
    EXPECT_EQ(bypass.toChain, 1);
    EXPECT_EQ(bypass.toOp, 2);
    const auto& o2 = rec.chains[0].operations[1].variants;
    EXPECT_EQ(o2[0].resourceCategory, 2);
    EXPECT_EQ(o2[0].noSuspend, 1);
    EXPECT_EQ(o2[1].noSuspend, 0); // a blank cell
    EXPECT_EQ(o2[1].time, 3);
    EXPECT_EQ(rec.chains[1].operations[0].variants[0].noSuspend, 1);
}

std::vector<Sheet> decomposed_book(std::string listFlag, std::vector<std::string> tail) {
    std::vector<std::string> rows = {"D1", "Dec", "1", "2", "1", "доллары", "дни", "", "0", "1",     "",
                                     "1",  "0",   "5", "",  "3", "7",       "1",   "", "2", listFlag};
    rows.insert(rows.end(), tail.begin(), tail.end());
    return {general(rows),
            {{"h"}, {"1", "Base", "3"}, {"2", "Inner", "1", "", "1; 1", "1; 3"}},
            {{"h"}, {"", "", "b1", "1"}, {"", "", "b2", "1"}, {"", "", "b3", "1"}, {}, {"", "", "i1", "1"}},
            {{"h"},
             {"", "", "", "", "a", "1", "5"},
             {"", "", "", "", "a", "2", "5"},
             {"", "", "", "", "a", "3", "5"},
             {},
             {"", "", "", "", "a", "3", "2"}}};
}

TEST(WorkbookImport, ReadsTheDecompositionRowsAndTheListOfThresholds) {
    TaskRecord rec = read(decomposed_book("1", {"2", "19", "21"}));
    const TaskHeader& h = rec.header;
    EXPECT_EQ(h.decompositionMode, 1); // any non-zero value
    EXPECT_EQ(h.allowedSubgraphCount, 3);
    EXPECT_EQ(h.maxQuantSteps, 7);
    EXPECT_EQ(h.subgraphNumbering, 1);
    EXPECT_EQ(h.criticalConversionMode, 2);
    EXPECT_EQ(h.thresholdCount, 2);
    EXPECT_EQ(rec.thresholds, (std::vector<int>{19, 21}));
    EXPECT_EQ(h.subgraphCount, 0);
    EXPECT_EQ(rec.chains[1].subgraphNo, 0); // an empty subgraph cell
    EXPECT_EQ(rec.chains[1].toOp, 3);
}

TEST(WorkbookImport, ReadsTheSecondLevelRows) {
    TaskRecord rec = read(decomposed_book("0", {"12", "3", "", "150,5", "6,4", "13,6"}));
    const TaskHeader& h = rec.header;
    EXPECT_EQ(h.secondLevelIterations, 12);
    EXPECT_EQ(h.iterationReductionCoef, 3);
    EXPECT_EQ(h.costThreshold, 150.5);
    EXPECT_EQ(h.thresholdCount, 1);
    EXPECT_EQ(rec.thresholds, (std::vector<int>{6, 14})); // minimal and maximal time in tacts
}

TEST(WorkbookImport, MarksTwoAndThreeKeepOnlyTheMarkedVariant) {
    std::vector<Sheet> book = plain_book();
    // Dig: its second variant marked 3; Build: marked 1; Paint: a mark that is not a whole number.
    book[3][2].resize(8);
    book[3][2][7] = "3";
    book[3][3].resize(8);
    book[3][3][7] = "1";
    book[3][5].resize(8);
    book[3][5][7] = "x";
    TaskRecord rec = read(book);
    EXPECT_EQ(rec.marksPresent, 1);
    const OperationRec& dig = rec.chains[0].operations[0];
    EXPECT_EQ(dig.variantCount, 1);
    ASSERT_EQ(dig.variants.size(), 1u);
    EXPECT_EQ(dig.variants[0].essence, "hired");
    EXPECT_EQ(dig.mark.variantIndex, 0);
    EXPECT_EQ(dig.mark.markCode, 3);
    const OperationRec& build = rec.chains[0].operations[1];
    EXPECT_EQ(build.mark.variantIndex, 0);
    EXPECT_EQ(build.mark.markCode, 1);
    EXPECT_EQ(build.variantCount, 1);
    EXPECT_EQ(rec.chains[1].operations[0].mark.markCode, -1);
}

TEST(WorkbookImport, ACellThatDoesNotConvertNamesTheSheetTheCellAndTheText) {
    struct Case {
        const char* what;
        int sheet, row, column;
        std::string text;
        std::string message;
    } cases[] = {
        {"chain count", 0, 3, 1, "two", "Sheet 1, cell B4: \"two\" is not a whole number."},
        {"tact", 0, 9, 1, "0.5", "Sheet 1, cell B10: \"0.5\" is not a number."},
        {"empty threshold", 0, 14, 1, "", "Sheet 1, cell B15: \"\" is not a number."},
        {"too many chains", 0, 3, 1, "50", "Sheet 1, cell B4: \"50\" is outside 1 to 10."},
        {"resource flag", 0, 12, 1, "2", "Sheet 1, cell B13: \"2\" is outside 0 to 1."},
        {"operation count", 1, 2, 2, "-1", "Sheet 2, cell C3: \"-1\" is outside 0 to 10."},
        {"variant count", 2, 1, 3, "2,5", "Sheet 3, cell D2: \"2,5\" is not a whole number."},
        {"variant time", 3, 3, 5, "fast", "Sheet 4, cell F4: \"fast\" is not a number."},
    };
    for (const auto& c : cases) {
        std::vector<Sheet> book = plain_book();
        book[c.sheet][c.row].resize(std::max<std::size_t>(book[c.sheet][c.row].size(), c.column + 1));
        book[c.sheet][c.row][c.column] = c.text;
        try {
            read(book);
            ADD_FAILURE() << c.what << ": taken";
        } catch (const WorkbookCellError& e) {
            EXPECT_EQ(e.what(), c.message) << c.what;
        }
    }
}

TEST(WorkbookImport, RefusesMissingSheetsAndCoordinatesThatAreNotTwoNumbers) {
    std::vector<Sheet> book = plain_book();
    book.pop_back();
    EXPECT_THROW(read(book), WorkbookCellError);

    std::vector<Sheet> dec = decomposed_book("1", {"1", "19"});
    dec[1][2][4] = "1, 1";
    try {
        read(dec);
        ADD_FAILURE() << "taken";
    } catch (const WorkbookCellError& e) {
        EXPECT_STREQ(e.what(), "Sheet 2, cell E3: \"1, 1\" is not two whole numbers separated by \";\".");
    }
}

TEST(WorkbookImport, CellNames) {
    EXPECT_EQ(cell_name(0, 0), "A1");
    EXPECT_EQ(cell_name(9, 25), "Z10");
    EXPECT_EQ(cell_name(0, 26), "AA1");
    EXPECT_EQ(cell_name(1, 701), "ZZ2");
    EXPECT_EQ(cell_name(1, 702), "AAA2");
}

} // namespace
} // namespace zep
