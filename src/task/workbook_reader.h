#pragma once
// Cells of a spreadsheet workbook as the import of input data reads them: every cell as text, numbers
// written as their shortest decimal text with the user's decimal separator (as a spreadsheet shows
// them), empty cells as empty texts. Reads .xlsx and .ods workbooks (orcus) and legacy .xls ones
// (FreeXL), told apart by their contents.
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zep {

// A workbook that cannot be read: missing, unreadable, or not a workbook. The message names the file.
class WorkbookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class WorkbookReader {
public:
    virtual ~WorkbookReader() = default;
    virtual int sheet_count() const = 0;
    // The cell at 0-based `row` and `column` of 0-based sheet `sheet`; empty outside the sheet.
    virtual std::string cell_text(int sheet, int row, int column) const = 0;
};

// Opens a workbook file. Throws WorkbookError.
std::unique_ptr<WorkbookReader> open_workbook(const std::filesystem::path& path, char separator);

// A workbook held in memory, sheet by sheet, as rows of cell texts.
class CellTextWorkbook : public WorkbookReader {
public:
    explicit CellTextWorkbook(std::vector<std::vector<std::vector<std::string>>> sheets)
        : sheets_(std::move(sheets)) {}
    int sheet_count() const override { return static_cast<int>(sheets_.size()); }
    std::string cell_text(int sheet, int row, int column) const override;

private:
    std::vector<std::vector<std::vector<std::string>>> sheets_;
};

// "A1"-style name of a 0-based cell: column letters and the row number from 1.
std::string cell_name(int row, int column);

} // namespace zep
