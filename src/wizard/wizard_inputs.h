#pragma once
// What the user has put into the wizard's controls: the texts of every box and grid cell, the radio
// choices and the ticked threshold candidates. The window copies its controls into these fields (and
// back when a step shows them); the checks read nothing else.
#include "task/grid_transfer.h" // CellTable

#include <string>
#include <vector>

namespace zep {

enum class ImportSource {
    TaskFile, // RB_1 "DAT": the task file of a registered task
    Workbook, // RB_2 "XLS": a spreadsheet workbook
};

// An item of the threshold check list `clFazu`.
struct ThresholdItem {
    std::string text; // the value, shortest decimal text with the user's separator
    bool ticked = false;
    bool operator==(const ThresholdItem&) const = default;
};

struct WizardInputs {
    // Step 1.
    std::string code; // txtShifr, as shown (upper case)
    std::string name; // txtName
    ImportSource importSource = ImportSource::TaskFile;

    // Step 2.
    int minimisedParam = 0;          // rbPrmp_0 (cost) / rbPrmp_1 (time)
    std::string chainCount;          // txtNch
    std::string nestedChainCount;    // txtnc2
    int costUnit = -1;               // UnitOfMeasurement_0: index in the cost unit list, -1 none
    int timeUnit = -1;               // UnitOfMeasurement_1: index in the time unit list, -1 none
    bool hasResources = false;       // vnr1 "да" / vnr2 "нет"
    std::string categoryCount;       // txtKat
    bool decomposition = false;      // Reg_1 / Reg_0 "отсутствует"
    bool automaticNumbering = false; // Reg1_1 / Reg1_0 "ручной"
    std::string allowedSubgraphs;    // txtDnp
    std::string quantSteps;          // txtMxns

    // Step 2a: Grid2a, one row per category: 0 number, 1 interval count.
    CellTable intervalCounts;
    // Step 2b: Grid2b, one row per interval: 0 category, 1 interval number, 2 start, 3 end.
    CellTable intervals;

    // Step 3: StringGrid1 (0 number, 1 name, 2 operation count) or, with nested chains, StringGrid1_
    // (also 3 subgraph number, 4 fromChain, 5 fromOp, 6 toChain, 7 toOp).
    CellTable chains;
    bool opChangeAtStart = false; // `opChangeAtStart`: RB1 "начало" / RB2 "конец"
    int conversionMode = 1;       // Reg2_1 (1, minimal times) / Reg2_2 (2, minimal costs)

    // Step 4: StringGrid2, the operations of the chain shown (0 number, 1 name, 2 variant count).
    CellTable operations;

    // Step 5: StringGrid (0 number, 1 essence, 2 time, 3 cost) or StringGrid_a (0 number, 1 essence,
    // 2 category, 3 no-suspend mark, 4 net time, 5 cost), the variants of the operation shown.
    CellTable variants;

    // Step 7.
    int roundingType = 0;          // toc_0, toc_1, toc_2
    std::string tact = "1";        // txtDelta
    std::string scalingCoef = "1"; // txtKoe

    // Step 8.
    std::vector<ThresholdItem> candidates; // clFazu
    std::string costThreshold;             // txt_C
    std::string iterations = "10";         // txt_Nd
    std::string reduction = "2";           // txt_kup

    // Summary.
    bool solveAtOnce = false; // Order1 "сразу" / Order2 "потом"
};

} // namespace zep
