#include "task/workbook_import.h"

#include "common/utf8.h"
#include "task/rounding.h"
#include "task/typed_number.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <tuple>

namespace zep {
namespace {

// Columns by letter, 0-based.
constexpr int B = 1, C = 2, D = 3, E = 4, F = 5, G = 6, H = 7, I = 8, J = 9;

// Counts are bounded before anything is sized by them: what no task can hold is refused at its cell.
struct Range {
    int min, max;
};
constexpr Range kChainRange{1, kMaxChains};
constexpr Range kOperationRange{0, kMaxOperationsPerChain};
constexpr Range kVariantRange{0, kMaxVariantsPerOperation};
constexpr Range kCategoryRange{1, kMaxResourceCategories};
constexpr Range kIntervalRange{kMinIntervalsPerCategory, kMaxIntervalsPerCategory};
constexpr Range kThresholdRange{0, kMaxThresholds};
constexpr Range kFlagRange{0, 1}; // a yes/no cell: the layout of the rows below it follows its value

// Columns of the variants sheet.
struct VariantCells {
    int essence, category, noSuspend, time, cost, mark;
};

class Sheets {
public:
    Sheets(const WorkbookReader& book, char separator) : book_(book), separator_(separator) {}

    // Rows are numbered from 1 as the layout numbers them.
    std::string text(int sheet, int row, int column) const {
        need_sheet(sheet);
        return book_.cell_text(sheet - 1, row - 1, column);
    }

    int integer(int sheet, int row, int column) const {
        const std::string t = text(sheet, row, column);
        auto v = parse_typed_integer(t);
        if (!v)
            fail(sheet, row, column, t, "is not a whole number");
        return *v;
    }

    int count(int sheet, int row, int column, Range r) const {
        const int v = integer(sheet, row, column);
        if (v < r.min || v > r.max)
            fail(sheet, row, column, std::to_string(v),
                 "is outside " + std::to_string(r.min) + " to " + std::to_string(r.max));
        return v;
    }

    double real(int sheet, int row, int column) const {
        const std::string t = text(sheet, row, column);
        auto v = parse_typed_real(t, separator_);
        if (!v)
            fail(sheet, row, column, t, "is not a number");
        return *v;
    }

    // An optional number: an empty cell gives `empty`.
    double real_or(int sheet, int row, int column, double empty) const {
        if (trim_blanks(text(sheet, row, column)).empty())
            return empty;
        return real(sheet, row, column);
    }
    int integer_or(int sheet, int row, int column, int empty) const {
        if (trim_blanks(text(sheet, row, column)).empty())
            return empty;
        return integer(sheet, row, column);
    }

    // "chain; operation": split at the first ";", both parts trimmed and whole numbers.
    std::pair<int, int> coordinates(int sheet, int row, int column) const {
        const std::string t = text(sheet, row, column);
        const std::size_t semicolon = t.find(';');
        std::optional<int> first, second;
        if (semicolon != std::string::npos) {
            first = parse_typed_integer(std::string_view(t).substr(0, semicolon));
            second = parse_typed_integer(std::string_view(t).substr(semicolon + 1));
        }
        if (!first || !second)
            fail(sheet, row, column, t, "is not two whole numbers separated by \";\"");
        return {*first, *second};
    }

    [[noreturn]] void fail(int sheet, int row, int column, const std::string& found,
                           const std::string& what) const {
        throw WorkbookCellError("Sheet " + std::to_string(sheet) + ", cell " + cell_name(row - 1, column) +
                                ": \"" + found + "\" " + what + ".");
    }

private:
    void need_sheet(int sheet) const {
        if (sheet > book_.sheet_count())
            throw WorkbookCellError("Sheet " + std::to_string(sheet) + " is missing: the workbook has " +
                                    std::to_string(book_.sheet_count()) + " sheets.");
    }

    const WorkbookReader& book_;
    char separator_;
};

std::string upper_case_code(std::string code) {
    for (char& c : code)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return code;
}

void read_thresholds(const Sheets& s, TaskRecord& rec, int countRow) {
    const int n = s.count(1, countRow, B, kThresholdRange);
    rec.header.thresholdCount = n;
    for (int i = 0; i < n; ++i)
        rec.thresholds.push_back(
            round_to_steps(rounding_type(rec.header), rec.header.tact, s.real(1, countRow + 1 + i, B)));
}

// Sheet 1 from row 14 on, which depends on the nested chains and the unavailable resources. Returns
// the interval counts per category (with unavailable resources).
std::vector<int> read_modes_and_thresholds(const Sheets& s, TaskRecord& rec) {
    TaskHeader& h = rec.header;
    std::vector<int> intervalCounts;
    if (h.nestedChainCount > 0 && !h.has_unavailable_resources()) {
        h.decompositionMode = s.integer(1, 14, B) != 0 ? 1 : 0;
        const int o = decomposition_mode(h) == Decomposition::NestedSubgraphs ? 4 : 0;
        if (decomposition_mode(h) == Decomposition::NestedSubgraphs) {
            h.allowedSubgraphCount = s.integer(1, 16, B);
            h.maxQuantSteps = s.integer(1, 17, B);
            h.subgraphNumbering = s.integer(1, 18, B);
        }
        h.criticalConversionMode = s.integer(1, 16 + o, B);
        if (h.minimisedParam == 0) {
            read_thresholds(s, rec, 17 + o);
        } else if (s.integer(1, 17 + o, B) != 0) {
            read_thresholds(s, rec, 18 + o);
        } else {
            h.secondLevelIterations = s.integer(1, 18 + o, B);
            h.iterationReductionCoef = s.integer(1, 19 + o, B);
            h.costThreshold = s.real(1, 21 + o, B);
            h.thresholdCount = 1;
            rec.thresholds = {round_to_steps(rounding_type(h), h.tact, s.real(1, 22 + o, B)),
                              round_to_steps(rounding_type(h), h.tact, s.real(1, 23 + o, B))};
        }
        return intervalCounts;
    }
    const int f = h.nestedChainCount > 0 ? 1 : 0;
    if (f == 1)
        h.criticalConversionMode = s.integer(1, 14, B);
    h.allowedSubgraphCount = 0;
    h.maxQuantSteps = 0;
    read_thresholds(s, rec, 14 + f);
    if (h.has_unavailable_resources()) {
        const int n = h.thresholdCount;
        h.resourceCategoryCount = s.count(1, 16 + f + n, B, kCategoryRange);
        for (int c = 0; c < h.resourceCategoryCount; ++c)
            intervalCounts.push_back(s.count(1, 17 + f + n + c, B, kIntervalRange));
    }
    return intervalCounts;
}

// Sheet 1 up to row 13: the code and name (unless the boxes give them), the minimised parameter, the
// chain counts, the units, the rounding and the unavailable resources flag.
void read_general_parameters(const Sheets& s, TaskRecord& rec, std::string_view codeBox,
                             std::string_view nameBox) {
    TaskHeader& h = rec.header;
    h.taskCode = !codeBox.empty()
                     ? std::string(codeBox)
                     : upper_case_code(utf8_prefix(trim_blanks(s.text(1, 1, B)), kTaskCodeCapacity));
    h.taskName = !nameBox.empty() ? std::string(nameBox)
                                  : utf8_prefix(trim_blanks(s.text(1, 2, B)), kTaskNameCapacity);
    h.minimisedParam = s.integer(1, 3, B);
    h.chainCount = s.count(1, 4, B, kChainRange);
    h.nestedChainCount = s.count(1, 5, B, {0, h.chainCount - 1});
    h.costUnit = utf8_prefix(s.text(1, 6, B), kUnitCapacity);
    h.timeUnit = utf8_prefix(s.text(1, 7, B), kUnitCapacity);
    h.roundingType = s.integer(1, 9, B);
    h.tact = s.real(1, 10, B);
    h.scalingCoef = s.real(1, 12, B);
    h.hasUnavailableResources = h.minimisedParam == 0 ? s.count(1, 13, B, kFlagRange) : 0;
}

// Sheet 2 with unavailable resources: the intervals of every category, one row each, from row 2.
void read_resource_intervals(const Sheets& s, TaskRecord& rec, const std::vector<int>& intervalCounts) {
    int row = 2;
    for (int count : intervalCounts) {
        std::vector<ResourceInterval> intervals;
        for (int i = 0; i < count; ++i, ++row) {
            ResourceInterval iv;
            iv.start = s.real(2, row, C);
            iv.finish = s.real_or(2, row, D, kUnboundedFinish);
            intervals.push_back(iv);
        }
        rec.resourceIntervals.push_back(std::move(intervals));
    }
}

// The chains sheet: one row per chain from row 2, the nested chains with their subgraph number (with
// a decomposition) and the coordinates of their two ends.
void read_chains(const Sheets& s, TaskRecord& rec, int sheet) {
    const TaskHeader& h = rec.header;
    const int ordinary = h.chainCount - h.nestedChainCount;
    const int d = decomposition_mode(h) == Decomposition::NestedSubgraphs ? 1 : 0;
    for (int c = 0; c < h.chainCount; ++c) {
        const int row = 2 + c;
        ChainRec chain;
        chain.name = utf8_prefix(s.text(sheet, row, B), kChainNameCapacity);
        chain.opCount = s.count(sheet, row, C, kOperationRange);
        if (c >= ordinary) {
            if (d == 1)
                chain.subgraphNo = s.integer_or(sheet, row, D, 0);
            std::tie(chain.fromChain, chain.fromOp) = s.coordinates(sheet, row, D + d);
            std::tie(chain.toChain, chain.toOp) = s.coordinates(sheet, row, E + d);
        }
        rec.chains.push_back(std::move(chain));
    }
}

// The operations sheet: the operations of every chain in turn from row 2.
void read_operations(const Sheets& s, TaskRecord& rec, int sheet) {
    int row = 2;
    for (ChainRec& chain : rec.chains) {
        for (int o = 0; o < chain.opCount; ++o, ++row) {
            OperationRec op;
            op.name = utf8_prefix(s.text(sheet, row, C), kOperationNameCapacity);
            op.variantCount = s.count(sheet, row, D, kVariantRange);
            chain.operations.push_back(std::move(op));
        }
        ++row; // one empty row before the next chain
    }
}

// The variants sheet: the variants of every operation in turn from row 2, with their marks.
void read_variants(const Sheets& s, TaskRecord& rec, int sheet, bool resources) {
    const VariantCells col = resources ? VariantCells{E, F, G, H, I, J} : VariantCells{E, -1, -1, F, G, H};
    int row = 2;
    for (ChainRec& chain : rec.chains) {
        for (OperationRec& op : chain.operations) {
            for (int v = 0; v < op.variantCount; ++v, ++row) {
                VariantRec var;
                var.essence = utf8_prefix(s.text(sheet, row, col.essence), kEssenceCapacity);
                if (resources) {
                    var.resourceCategory = s.integer(sheet, row, col.category);
                    var.noSuspend = trim_blanks(s.text(sheet, row, col.noSuspend)).empty() ? 0 : 1;
                }
                var.time = s.real(sheet, row, col.time);
                var.cost = s.real(sheet, row, col.cost);
                op.variants.push_back(std::move(var));
                // A mark cell that is blank or not a whole number marks nothing.
                const int mark = parse_typed_integer(s.text(sheet, row, col.mark)).value_or(0);
                if (mark >= 1 && mark <= 3) {
                    op.mark = {v, mark};
                    rec.marksPresent = 1;
                }
            }
        }
        ++row; // one empty row after every chain
    }
}

// An operation under execution or executed (marks 2 and 3) keeps only the variant it runs in.
void keep_running_variants(TaskRecord& rec) {
    for (ChainRec& chain : rec.chains) {
        for (OperationRec& op : chain.operations) {
            if (op.mark.markCode != 2 && op.mark.markCode != 3)
                continue;
            op.variants[0] = op.variants[op.mark.variantIndex];
            op.variants.resize(1);
            op.variantCount = 1;
            op.mark.variantIndex = 0;
        }
    }
}

} // namespace

TaskRecord read_task_workbook(const WorkbookReader& book, std::string_view codeBox, std::string_view nameBox,
                              char separator) {
    const Sheets s(book, separator);
    TaskRecord rec;
    TaskHeader& h = rec.header;
    read_general_parameters(s, rec, codeBox, nameBox);
    const std::vector<int> intervalCounts = read_modes_and_thresholds(s, rec);
    h.subgraphCount = 0;
    rec.workingChainCount = h.chainCount;
    rec.workingNestedChainCount = h.nestedChainCount;
    rec.workingSubgraphCount = 0;

    // The sheets after the first: the intervals (with unavailable resources), the chains, the
    // operations and the variants.
    const bool resources = h.has_unavailable_resources();
    if (resources)
        read_resource_intervals(s, rec, intervalCounts);
    const int chainSheet = resources ? 3 : 2;
    read_chains(s, rec, chainSheet);
    read_operations(s, rec, chainSheet + 1);
    read_variants(s, rec, chainSheet + 2, resources);
    if (rec.marksPresent == 1)
        keep_running_variants(rec);
    return rec;
}

} // namespace zep
