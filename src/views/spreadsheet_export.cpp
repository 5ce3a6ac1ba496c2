#include "views/spreadsheet_export.h"

#include "common/number_text.h"
#include "common/task_texts.h"
#include "common/utf8.h"
#include "task/task_record.h"
#include "views/view_text.h"

#include <fstream>
#include <xlsxwriter.h>

namespace zep {
namespace {

constexpr int kSolutionRuns[kSolutionGridColumns] = {60, 170, 24, 21, 16, 17, 170, 32, 100, 28, 26, 21};

// Mark colours of the variants sheet: without unavailable resources by the mark code, with them one.
constexpr std::uint32_t kMarkColours[] = {0xD2FFD2, 0xD2D2FF, 0xFFD2D2};
constexpr std::uint32_t kResourceMarkColour = 0xC0FFC0;

std::vector<std::string> list_row(const ListRow& r) {
    return {r.key, r.value};
}

std::string number(double v, char sep) {
    return format_shortest(v, sep);
}

// The view's row of the one-path flag (time minimised).
bool is_one_path_row(const TaskRecord& rec, const ListRow& r, const ShellTables& t) {
    return minimised_parameter(rec.header) == MinimisedParam::Time &&
           r.key == view_text(t, ViewText::SinglePathTopLevel);
}

// The view's parameter rows in the import's layout (see the header).
std::vector<std::vector<std::string>> parameter_sheet(const TaskRecord& rec, const TaskViewContent& view,
                                                      const ShellTables& t, char sep) {
    const TaskHeader& h = rec.header;
    const bool nested = h.nestedChainCount > 0;
    const bool resources = h.has_unavailable_resources();
    std::vector<std::vector<std::string>> rows;
    if (nested && !resources) {
        for (const ListRow& r : view.taskRows)
            rows.push_back(list_row(r));
        return rows;
    }
    // Rows 1 to 13 are common to every task.
    for (std::size_t i = 0; i < 13 && i < view.taskRows.size(); ++i)
        rows.push_back(list_row(view.taskRows[i]));
    if (nested)
        rows.push_back({task_text(t, TaskText::AutomaticCriticalConversion) + ": 1 - " +
                            view_text(t, ViewText::ByMinimalTime) + "; 2 - " +
                            view_text(t, ViewText::ByMinimalCost),
                        std::to_string(h.criticalConversionMode)});
    std::size_t next = 13;
    if (next < view.taskRows.size() && is_one_path_row(rec, view.taskRows[next], t))
        ++next;
    if (second_level_mode(rec)) {
        // The second-level rows of the view become the list the import reads.
        rows.push_back({view_text(t, ViewText::ThresholdCount), std::to_string(rec.thresholds.size())});
        for (std::size_t i = 0; i < rec.thresholds.size(); ++i)
            rows.push_back({"  <" + std::to_string(i + 1) + ">", number(rec.thresholds[i] * h.tact, sep)});
        while (next < view.taskRows.size() && view.taskRows[next].key.find("---") != 0)
            ++next;
    }
    for (; next < view.taskRows.size(); ++next)
        rows.push_back(list_row(view.taskRows[next]));
    return rows;
}

std::vector<std::vector<std::string>> chain_sheet(const TaskRecord& rec, const ShellTables& t) {
    const TaskHeader& h = rec.header;
    const bool nested = h.nestedChainCount > 0;
    const bool decomposed = nested && decomposition_mode(h) == Decomposition::NestedSubgraphs;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> caption = {view_text(t, ViewText::ChainNumber),
                                        task_text(t, TaskText::ChainName),
                                        task_text(t, TaskText::OperationCount)};
    if (nested) {
        if (decomposed)
            caption.push_back(view_text(t, ViewText::SubgraphNumber));
        caption.push_back(view_text(t, ViewText::LeavesColumn));
        caption.push_back(view_text(t, ViewText::EntersColumn));
    }
    rows.push_back(caption);
    const int ordinary = h.chainCount - h.nestedChainCount;
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        std::vector<std::string> row = {std::to_string(c + 1), ch.name, std::to_string(ch.opCount)};
        if (nested) {
            const bool isNested = static_cast<int>(c) >= ordinary;
            if (decomposed)
                row.push_back(isNested ? std::to_string(ch.subgraphNo) : " -");
            row.push_back(isNested ? std::to_string(ch.fromChain) + "; " + std::to_string(ch.fromOp) : " -");
            row.push_back(isNested ? std::to_string(ch.toChain) + "; " + std::to_string(ch.toOp) : " -");
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::vector<std::string>> operation_sheet(const TaskRecord& rec, const ShellTables& t) {
    std::vector<std::vector<std::string>> rows = {
        {view_text(t, ViewText::ChainNumber), task_text(t, TaskText::OperationNumber),
         task_text(t, TaskText::OperationName), view_text(t, ViewText::VariantCount)}};
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        for (std::size_t k = 0; k < ch.operations.size(); ++k)
            rows.push_back({std::to_string(c + 1), std::to_string(k + 1), ch.operations[k].name,
                            std::to_string(ch.operations[k].variantCount)});
        rows.push_back({}); // one empty row before the next chain
    }
    return rows;
}

ExportSheet variant_sheet(const TaskRecord& rec, const TaskViewContent& view, const ShellTables& t, char sep,
                          const std::vector<std::vector<VariantMark>>* marks) {
    const bool resources = rec.header.has_unavailable_resources();
    ExportSheet sheet;
    sheet.name = "4";
    const std::vector<std::string>& labels = view.columnLabels;
    // The view's labels: 286, 215, 280, 214, 274, 438, [172, 352 (*)], time, cost, mark.
    std::vector<std::string> caption = {labels[0], labels[2], labels[3], labels[4], labels[5]};
    for (std::size_t i = 6; i < labels.size(); ++i)
        caption.push_back(labels[i]);
    if (caption.back().empty())
        caption.back() = view_text(t, ViewText::VariantStates);
    sheet.cells.push_back(caption);
    sheet.colouredColumns = resources ? 10 : 8;
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        for (std::size_t k = 0; k < ch.operations.size(); ++k) {
            const OperationRec& op = ch.operations[k];
            const VariantMark mark =
                marks ? (*marks)[c][k] : (rec.marksPresent == 1 ? op.mark : VariantMark{});
            for (std::size_t v = 0; v < op.variants.size(); ++v) {
                const VariantRec& var = op.variants[v];
                std::vector<std::string> row = {std::to_string(c + 1), std::to_string(k + 1),
                                                v == 0 ? op.name : std::string(), std::to_string(v + 1),
                                                var.essence};
                if (resources) {
                    row.push_back(std::to_string(var.resourceCategory));
                    row.push_back(var.noSuspend ? "*" : "");
                }
                row.push_back(number(var.time, sep));
                row.push_back(number(var.cost, sep));
                const bool marked =
                    mark.variantIndex == static_cast<int>(v) && mark.markCode >= 1 && mark.markCode <= 3;
                row.push_back(marked ? std::to_string(mark.markCode) : "");
                if (marked)
                    sheet.rowColours.push_back(
                        {static_cast<int>(sheet.cells.size()),
                         resources ? kResourceMarkColour : kMarkColours[mark.markCode - 1]});
                sheet.cells.push_back(row);
            }
        }
        sheet.cells.push_back({}); // one empty row after every chain
    }
    return sheet;
}

void write_cells(lxw_worksheet* ws, const ExportSheet& sheet, lxw_workbook* book) {
    std::vector<std::pair<std::uint32_t, lxw_format*>> formats;
    auto format_of = [&](std::uint32_t colour) {
        for (auto& [c, f] : formats)
            if (c == colour)
                return f;
        lxw_format* f = workbook_add_format(book);
        format_set_bg_color(f, colour);
        format_set_pattern(f, LXW_PATTERN_SOLID);
        formats.push_back({colour, f});
        return f;
    };
    std::size_t widest = 0;
    for (std::size_t r = 0; r < sheet.cells.size(); ++r) {
        lxw_format* rowFormat = nullptr;
        for (const auto& [row, colour] : sheet.rowColours)
            if (row == static_cast<int>(r))
                rowFormat = format_of(colour);
        const std::vector<std::string>& cells = sheet.cells[r];
        const std::size_t columns =
            rowFormat ? std::max<std::size_t>(cells.size(), sheet.colouredColumns) : cells.size();
        widest = std::max(widest, cells.size());
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string text = c < cells.size() ? cells[c] : std::string();
            if (text.empty()) {
                if (rowFormat)
                    worksheet_write_blank(ws, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                          rowFormat);
                continue;
            }
            worksheet_write_string(ws, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), text.c_str(),
                                   rowFormat);
        }
    }
    // Columns as wide as their texts, within reason.
    for (std::size_t c = 0; c < widest; ++c) {
        std::size_t chars = 6;
        for (const auto& row : sheet.cells)
            if (c < row.size() && row[c].find("----") == std::string::npos &&
                row[c].find("////") == std::string::npos)
                chars = std::max(chars, utf8_length(row[c]));
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             static_cast<double>(std::min<std::size_t>(chars + 2, 60)), nullptr);
    }
}

} // namespace

std::vector<std::vector<VariantMark>> derived_marks(const TaskRecord& rec, const VariantChoices& choices) {
    std::vector<std::vector<VariantMark>> marks;
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        marks.emplace_back();
        for (std::size_t k = 0; k < rec.chains[c].operations.size(); ++k) {
            const OperationRec& op = rec.chains[c].operations[k];
            if (rec.marksPresent == 1 && (op.mark.markCode == 2 || op.mark.markCode == 3)) {
                marks.back().push_back(op.mark);
                continue;
            }
            const int chosen =
                chosen_variant_number(choices, {static_cast<int>(c) + 1, static_cast<int>(k) + 1});
            marks.back().push_back(chosen > 0 ? VariantMark{chosen - 1, 1} : VariantMark{});
        }
    }
    return marks;
}

ExportWorkbook solution_workbook(const SolutionViewContent& view) {
    ExportSheet sheet;
    sheet.name = "1";
    for (const ListRow& r : view.taskRows)
        sheet.cells.push_back(list_row(r));
    for (const ListRow& r : view.variantRows)
        sheet.cells.push_back(list_row(r));
    std::vector<std::string> runs;
    for (int n : kSolutionRuns)
        runs.push_back(std::string(n, '/'));
    sheet.cells.push_back(runs);
    sheet.cells.push_back(view.columnLabels);
    for (const GridRow& r : view.grid)
        sheet.cells.push_back(r.cells);
    return {{sheet}};
}

ExportWorkbook task_workbook(const TaskRecord& rec, const TaskViewContent& view, const ShellTables& t,
                             char separator, const std::vector<std::vector<VariantMark>>* marks) {
    ExportWorkbook book;
    book.sheets.push_back({"1", parameter_sheet(rec, view, t, separator), {}, 0});
    if (rec.header.has_unavailable_resources()) {
        ExportSheet intervals{"2", {view.intervalLabels}, {}, 0};
        for (const GridRow& r : view.intervals)
            intervals.cells.push_back(r.cells);
        book.sheets.push_back(intervals);
    }
    book.sheets.push_back({"", chain_sheet(rec, t), {}, 0});
    book.sheets.push_back({"", operation_sheet(rec, t), {}, 0});
    book.sheets.push_back(variant_sheet(rec, view, t, separator, marks));
    for (std::size_t i = 0; i < book.sheets.size(); ++i)
        book.sheets[i].name = std::to_string(i + 1);
    return book;
}

void write_workbook(const std::filesystem::path& path, const ExportWorkbook& book) {
    const std::filesystem::path temporary = path.string() + ".part";
    lxw_workbook* wb = workbook_new(temporary.string().c_str());
    if (!wb)
        throw ExportError("cannot create " + path.string());
    for (const ExportSheet& sheet : book.sheets) {
        lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.name.empty() ? nullptr : sheet.name.c_str());
        if (ws)
            write_cells(ws, sheet, wb);
    }
    const lxw_error closed = workbook_close(wb);
    std::error_code ec;
    if (closed != LXW_NO_ERROR) {
        std::filesystem::remove(temporary, ec);
        throw ExportError("cannot write " + path.string() + ": " + lxw_strerror(closed));
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw ExportError("cannot write " + path.string() + ": " + ec.message());
    }
}

} // namespace zep
