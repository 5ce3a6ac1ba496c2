#include "task/workbook_reader.h"

#include "common/atomic_file.h"
#include "common/number_text.h"

#include <freexl.h>
#include <orcus/format_detection.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>

#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>

#include <cstring>

namespace zep {
namespace {

std::string cannot_read(const std::filesystem::path& path, const std::string& why) {
    return "cannot read the workbook \"" + path.string() + "\": " + why;
}

// .xlsx and .ods through orcus' own spreadsheet document.
class OrcusWorkbook : public WorkbookReader {
public:
    OrcusWorkbook(const std::filesystem::path& path, std::string_view bytes, orcus::format_t format,
                  char separator)
        // The largest sheet of an .xlsx workbook (rows, columns), so that every workbook fits.
        : doc_(orcus::spreadsheet::range_size_t{1048576, 16384}), separator_(separator) {
        orcus::spreadsheet::import_factory factory(doc_);
        if (format == orcus::format_t::xlsx) {
            orcus::orcus_xlsx filter(&factory);
            filter.read_stream(bytes);
        } else {
            orcus::orcus_ods filter(&factory);
            filter.read_stream(bytes);
        }
        doc_.recalc_formula_cells();
        (void)path;
    }

    int sheet_count() const override { return static_cast<int>(doc_.get_sheet_count()); }

    std::string cell_text(int sheet, int row, int column) const override {
        if (sheet < 0 || sheet >= sheet_count() || row < 0 || column < 0)
            return {};
        const ixion::model_context& cx = doc_.get_model_context();
        ixion::cell_access cell = cx.get_cell_access(ixion::abs_address_t(sheet, row, column));
        switch (cell.get_value_type()) {
        case ixion::cell_value_t::string:
            return std::string(cell.get_string_value());
        case ixion::cell_value_t::numeric:
            return format_shortest(cell.get_numeric_value(), separator_);
        case ixion::cell_value_t::boolean:
            return cell.get_boolean_value() ? "TRUE" : "FALSE";
        case ixion::cell_value_t::error:
            return "#ERROR";
        default:
            return {};
        }
    }

private:
    orcus::spreadsheet::document doc_;
    char separator_;
};

// Legacy .xls (BIFF) through FreeXL. FreeXL reads one active worksheet at a time.
class FreexlWorkbook : public WorkbookReader {
public:
    FreexlWorkbook(const std::filesystem::path& path, char separator) : separator_(separator) {
        if (freexl_open(path.string().c_str(), &handle_) != FREEXL_OK || !handle_)
            throw WorkbookError(cannot_read(path, "it is not a workbook this program can read"));
        unsigned int count = 0;
        if (freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) {
            freexl_close(handle_);
            throw WorkbookError(cannot_read(path, "its sheets cannot be listed"));
        }
        sheets_ = static_cast<int>(count);
    }
    ~FreexlWorkbook() override { freexl_close(handle_); }
    FreexlWorkbook(const FreexlWorkbook&) = delete;
    FreexlWorkbook& operator=(const FreexlWorkbook&) = delete;

    int sheet_count() const override { return sheets_; }

    std::string cell_text(int sheet, int row, int column) const override {
        if (sheet < 0 || sheet >= sheets_ || row < 0 || column < 0 || !select(sheet))
            return {};
        if (static_cast<unsigned>(row) >= rows_ || static_cast<unsigned>(column) >= columns_)
            return {};
        FreeXL_CellValue v;
        if (freexl_get_cell_value(handle_, static_cast<unsigned>(row), static_cast<unsigned short>(column),
                                  &v) != FREEXL_OK)
            return {};
        switch (v.type) {
        case FREEXL_CELL_INT:
            return std::to_string(v.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return format_shortest(v.value.double_value, separator_);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return v.value.text_value ? std::string(v.value.text_value) : std::string();
        default:
            return {};
        }
    }

private:
    bool select(int sheet) const {
        if (sheet == active_)
            return true;
        if (freexl_select_active_worksheet(handle_, static_cast<unsigned short>(sheet)) != FREEXL_OK)
            return false;
        unsigned short columns = 0;
        if (freexl_worksheet_dimensions(handle_, &rows_, &columns) != FREEXL_OK)
            return false;
        columns_ = columns;
        active_ = sheet;
        return true;
    }

    const void* handle_ = nullptr;
    int sheets_ = 0;
    char separator_;
    mutable int active_ = -1;
    mutable unsigned int rows_ = 0;
    mutable unsigned int columns_ = 0;
};

bool is_compound_file(const std::vector<std::uint8_t>& bytes) {
    static const std::uint8_t signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    return bytes.size() >= sizeof signature && std::memcmp(bytes.data(), signature, sizeof signature) == 0;
}

} // namespace

std::unique_ptr<WorkbookReader> open_workbook(const std::filesystem::path& path, char separator) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = read_whole_file(path);
    } catch (const std::exception& e) {
        throw WorkbookError(cannot_read(path, e.what()));
    }
    if (is_compound_file(bytes))
        return std::make_unique<FreexlWorkbook>(path, separator);
    try {
        const orcus::format_t format = orcus::detect(bytes.data(), bytes.size());
        if (format != orcus::format_t::xlsx && format != orcus::format_t::ods)
            throw WorkbookError(cannot_read(path, "it is not an .xlsx, .ods or .xls workbook"));
        std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return std::make_unique<OrcusWorkbook>(path, view, format, separator);
    } catch (const WorkbookError&) {
        throw;
    } catch (const std::exception& e) {
        throw WorkbookError(cannot_read(path, e.what()));
    }
}

std::string CellTextWorkbook::cell_text(int sheet, int row, int column) const {
    if (sheet < 0 || sheet >= sheet_count() || row < 0)
        return {};
    const auto& rows = sheets_[sheet];
    if (row >= static_cast<int>(rows.size()) || column < 0 || column >= static_cast<int>(rows[row].size()))
        return {};
    return rows[row][column];
}

std::string cell_name(int row, int column) {
    std::string letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row + 1);
}

} // namespace zep
