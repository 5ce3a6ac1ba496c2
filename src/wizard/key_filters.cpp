#include "wizard/key_filters.h"

#include "common/cp1251.h"
#include "common/errors.h"
#include "common/utf8.h"

namespace zep {
namespace {

bool is_digit(char32_t k) {
    return k >= U'0' && k <= U'9';
}
bool is_latin(char32_t k) {
    return (k >= U'a' && k <= U'z') || (k >= U'A' && k <= U'Z');
}
bool is_clipboard_key(char32_t k) {
    return k == kCopyKey || k == kPasteKey || k == kCutKey;
}

enum class Filter { Any, Code, Digits, Decimal };

struct BoxRule {
    Filter filter;
    int maxLength;
};

BoxRule rule_of(WizardBox box) {
    switch (box) {
    case WizardBox::Code:
        return {Filter::Code, 6};
    case WizardBox::Name:
        return {Filter::Any, 70};
    case WizardBox::ChainCount:
    case WizardBox::NestedChainCount:
        return {Filter::Digits, 4};
    case WizardBox::CategoryCount:
    case WizardBox::AllowedSubgraphs:
        return {Filter::Digits, 3};
    case WizardBox::QuantSteps:
    case WizardBox::SecondLevelIterations:
        return {Filter::Digits, 2};
    case WizardBox::ReductionCoef:
        return {Filter::Digits, 1};
    case WizardBox::Tact:
        return {Filter::Decimal, 5};
    case WizardBox::ScalingCoef:
        return {Filter::Decimal, 4};
    case WizardBox::CostThreshold:
        return {Filter::Decimal, 13};
    default:
        return {Filter::Any, 0};
    }
}

// The task files hold their texts in Windows-1251: a character it lacks never gets into a box or cell.
bool representable(char32_t key) {
    if (key < 0x80)
        return true;
    std::string utf8;
    append_utf8(utf8, key);
    try {
        utf8_to_cp1251(utf8);
        return true;
    } catch (const TextEncodingError&) {
        return false;
    }
}

} // namespace

bool rejects_decimal_key(std::string_view text, char32_t key, char separator) {
    bool digit = is_digit(key);
    bool isSeparator = key == static_cast<char32_t>(static_cast<unsigned char>(separator));
    if (!digit && !isSeparator)
        return true;
    if (isSeparator && (text.empty() || text.find(separator) != std::string_view::npos))
        return true;
    return false;
}

int box_max_length(WizardBox box) {
    return rule_of(box).maxLength;
}

bool box_marks_chain_counts_edited(WizardBox box) {
    return box == WizardBox::ChainCount || box == WizardBox::NestedChainCount;
}

std::optional<char32_t> filter_box_key(WizardBox box, std::string_view text, char32_t key, char separator) {
    if (key == kBackspaceKey)
        return key;
    switch (rule_of(box).filter) {
    case Filter::Any:
        return representable(key) ? std::optional<char32_t>(key) : std::nullopt;
    case Filter::Code:
        if (is_latin(key))
            return key >= U'a' ? key - (U'a' - U'A') : key;
        if (is_digit(key) || key == U'.' || key == U'-' || key == U'_')
            return key;
        return std::nullopt;
    case Filter::Digits:
        return is_digit(key) ? std::optional<char32_t>(key) : std::nullopt;
    case Filter::Decimal:
        return rejects_decimal_key(text, key, separator) ? std::nullopt : std::optional<char32_t>(key);
    }
    return std::nullopt;
}

std::string type_into_box(WizardBox box, std::string text, std::u32string_view keys, char separator) {
    const std::size_t limit = static_cast<std::size_t>(box_max_length(box));
    for (char32_t key : keys) {
        auto taken = filter_box_key(box, text, key, separator);
        if (!taken)
            continue;
        if (*taken == kBackspaceKey) {
            remove_last_utf8_character(text);
            continue;
        }
        if (utf8_length(text) >= limit)
            continue;
        append_utf8(text, *taken);
    }
    return text;
}

std::optional<int> grid_column_limit(WizardGrid grid, int column, const GridCellContext& ctx) {
    if (column <= 0)
        return 0;
    switch (grid) {
    case WizardGrid::Chains:
    case WizardGrid::NestedChains:
        if (column == 1)
            return 100;
        if (column == 2)
            return 3;
        if (grid == WizardGrid::Chains || column > 7 || ctx.ordinaryChainRow)
            return 0;
        if (column == 3)
            return ctx.manualSubgraphNumbers ? 2 : 0;
        return 3;
    case WizardGrid::Operations:
        if (column == 1)
            return 100;
        return column == 2 ? std::optional<int>(2) : std::optional<int>(0);
    case WizardGrid::Variants:
        if (column == 1)
            return 40;
        return column <= 3 ? std::optional<int>(10) : std::optional<int>(0);
    case WizardGrid::ResourceVariants:
        switch (column) {
        case 1:
            return 40;
        case 2:
            return 3;
        case 4:
        case 5:
            return 10;
        default:
            return 0;
        }
    }
    return 0;
}

bool grid_accepts_key(WizardGrid grid, int column, const GridCellContext& ctx, std::string_view cell,
                      char32_t key) {
    auto limit = grid_column_limit(grid, column, ctx);
    if (limit && *limit == 0)
        return false;
    if (key == kBackspaceKey || is_clipboard_key(key))
        return true;
    if (!representable(key))
        return false;
    if (!limit)
        return true;
    return utf8_length(cell) + 1 <= static_cast<std::size_t>(*limit);
}

bool grid_accepts_delete(WizardGrid grid, int column, const GridCellContext& ctx) {
    return !(grid == WizardGrid::NestedChains && ctx.ordinaryChainRow && column >= 3 && column <= 7);
}

bool grid_accepts_shift_insert(WizardGrid grid) {
    return grid != WizardGrid::Variants && grid != WizardGrid::ResourceVariants;
}

std::optional<std::string> toggle_on_space(WizardGrid grid, int column, std::string_view cell) {
    if (grid != WizardGrid::ResourceVariants || column != kNoSuspendColumn)
        return std::nullopt;
    return cell.empty() ? std::string("*") : std::string();
}

} // namespace zep
