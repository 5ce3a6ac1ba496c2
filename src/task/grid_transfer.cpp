#include "task/grid_transfer.h"

#include "common/number_text.h"
#include "common/utf8.h"
#include "task/typed_number.h"

#include <optional>
#include <stdexcept>

namespace zep {
namespace {

bool is_blank(std::string_view s) {
    return trim_blanks(s).empty();
}

std::string num(int n) {
    return std::to_string(n);
}

TaskRefusalValue operation_row_refusal(TaskRefusal kind, int row, int chainNo) {
    TaskRefusalValue r{kind};
    r.chainNo = chainNo;
    r.row = row;
    return r;
}

TaskRefusalValue variant_row_refusal(TaskRefusal kind, int row, int opNo, int chainNo) {
    TaskRefusalValue r = operation_row_refusal(kind, row, chainNo);
    r.opNo = opNo;
    r.variantNo = row + 1;
    return r;
}

void check_chain_index(const TaskRecord& rec, int chainIndex) {
    if (chainIndex < 0 || chainIndex >= static_cast<int>(rec.chains.size()))
        throw std::invalid_argument("no chain " + num(chainIndex + 1) + " in the task record");
}

// An optional number cell: empty gives `empty`, else it must convert.
template <class T, class Parse> bool read_cell(const std::string& text, T empty, Parse parse, T& out) {
    if (is_blank(text)) {
        out = empty;
        return true;
    }
    auto v = parse(text);
    if (!v)
        return false;
    out = *v;
    return true;
}

} // namespace

const std::string& cell_text(const CellTable& grid, int row, int column) {
    static const std::string blank;
    if (row < 0 || column < 0 || row >= static_cast<int>(grid.size()))
        return blank;
    const auto& r = grid[row];
    return column < static_cast<int>(r.size()) ? r[column] : blank;
}

VariantColumns variant_columns(const TaskRecord& rec) {
    return rec.header.has_unavailable_resources() ? kVariantColumnsWithResources : kVariantColumnsPlain;
}

GridTransferResult store_operations(TaskRecord& rec, int chainIndex, const CellTable& grid) {
    check_chain_index(rec, chainIndex);
    ChainRec& chain = rec.chains[chainIndex];
    if (chain.opCount < 1 || chain.opCount > kMaxOperationsPerChain)
        throw std::invalid_argument("chain " + num(chainIndex + 1) + " has no operation count to store");
    const int chainNo = chainIndex + 1;

    std::vector<int> variantCounts(chain.opCount);
    for (int row = 0; row < chain.opCount; ++row) {
        if (is_blank(cell_text(grid, row, kOperationNameColumn)))
            return operation_row_refusal(TaskRefusal::BlankOperationName, row, chainNo);
        const std::string& countText = cell_text(grid, row, kOperationVariantCountColumn);
        if (is_blank(countText))
            return operation_row_refusal(TaskRefusal::BlankVariantCount, row, chainNo);
        auto count = parse_typed_integer(countText);
        if (!count)
            return operation_row_refusal(TaskRefusal::VariantCountNotWhole, row, chainNo);
        if (*count < kMinVariantsPerOperation || *count > kMaxVariantsPerOperation)
            return operation_row_refusal(TaskRefusal::VariantCountOutOfRange, row, chainNo);
        variantCounts[row] = *count;
    }

    chain.operations.resize(chain.opCount);
    for (int row = 0; row < chain.opCount; ++row) {
        OperationRec& op = chain.operations[row];
        op.name = utf8_prefix(cell_text(grid, row, kOperationNameColumn), kOperationNameCapacity);
        op.variantCount = variantCounts[row];
    }
    return {};
}

GridTransferResult store_variants(TaskRecord& rec, int chainIndex, int opIndex, const CellTable& grid,
                                  char separator) {
    check_chain_index(rec, chainIndex);
    ChainRec& chain = rec.chains[chainIndex];
    if (opIndex < 0 || opIndex >= static_cast<int>(chain.operations.size()))
        throw std::invalid_argument("no operation " + num(opIndex + 1) + " in chain " + num(chainIndex + 1));
    OperationRec& op = chain.operations[opIndex];
    if (op.variantCount < 0 || op.variantCount > kMaxVariantsPerOperation)
        throw std::invalid_argument("operation " + num(opIndex + 1) + " of chain " + num(chainIndex + 1) +
                                    " has no variant count to store");
    const VariantColumns col = variant_columns(rec);
    const int chainNo = chainIndex + 1;
    const int opNo = opIndex + 1;
    auto real = [separator](const std::string& t) { return parse_typed_real(t, separator); };

    op.variants.resize(op.variantCount);
    for (int row = 0; row < op.variantCount; ++row) {
        std::string essence(trim_blanks(cell_text(grid, row, col.essence)));
        if (essence.empty())
            return variant_row_refusal(TaskRefusal::BlankEssence, row, opNo, chainNo);
        VariantRec v;
        v.essence = utf8_prefix(essence, kEssenceCapacity);
        bool converted = read_cell(cell_text(grid, row, col.time), kUnsetValue, real, v.time) &&
                         read_cell(cell_text(grid, row, col.cost), kUnsetValue, real, v.cost);
        if (converted && col.category >= 0)
            converted =
                read_cell(cell_text(grid, row, col.category), 0, parse_typed_integer, v.resourceCategory);
        if (!converted)
            return variant_row_refusal(TaskRefusal::CellNotANumber, row, opNo, chainNo);
        if (col.noSuspend >= 0)
            v.noSuspend = is_blank(cell_text(grid, row, col.noSuspend)) ? 0 : 1;
        op.variants[row] = std::move(v);
    }
    return {};
}

VariantGridView load_variant_grid(const TaskRecord& rec, int chainIndex, int opIndex, char separator) {
    check_chain_index(rec, chainIndex);
    const ChainRec& chain = rec.chains[chainIndex];
    if (opIndex < 0 || opIndex >= static_cast<int>(chain.operations.size()))
        throw std::invalid_argument("no operation " + num(opIndex + 1) + " in chain " + num(chainIndex + 1));
    const OperationRec& op = chain.operations[opIndex];
    const VariantColumns col = variant_columns(rec);
    const int width = (col.cost) + 1;

    VariantGridView view;
    view.chainName = chain.name;
    view.operationName = op.name;
    const bool nothingYet = op.variants.empty() || (op.variantCount == 1 && op.variants[0].essence.empty());
    if (nothingYet) {
        view.rows.assign(1, std::vector<std::string>(width));
        view.rows[0][0] = "1";
        return view;
    }
    auto number = [separator](double v) {
        return is_unset_value(v) ? std::string() : format_shortest(v, separator);
    };
    const int rows = std::max(op.variantCount, 0);
    view.rows.assign(rows, std::vector<std::string>(width));
    for (int r = 0; r < rows; ++r) {
        auto& out = view.rows[r];
        out[0] = num(r + 1);
        if (r >= static_cast<int>(op.variants.size()))
            continue;
        const VariantRec& v = op.variants[r];
        out[col.essence] = v.essence;
        if (col.category >= 0 && v.resourceCategory >= 1 &&
            v.resourceCategory <= rec.header.resourceCategoryCount)
            out[col.category] = num(v.resourceCategory);
        if (col.noSuspend >= 0 && v.noSuspend >= 1)
            out[col.noSuspend] = "*";
        out[col.time] = number(v.time);
        out[col.cost] = number(v.cost);
    }
    return view;
}

} // namespace zep
