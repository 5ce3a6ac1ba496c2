// Steps 2a and 2b: availability intervals of the resources that are temporarily unavailable.
#include "task/typed_number.h"
#include "wizard/message_text.h"
#include "wizard/wizard.h"

namespace zep {
namespace {

bool blank(const std::string& s) {
    return trim_blanks(s).empty();
}

// The interval counts of Grid2a as validated by step 2a (0 for a row that does not read).
std::vector<int> interval_counts(const CellTable& grid) {
    std::vector<int> counts;
    for (int r = 0; r < static_cast<int>(grid.size()); ++r)
        counts.push_back(parse_typed_integer(cell_text(grid, r, 1)).value_or(0));
    return counts;
}

} // namespace

void Wizard::prepare_interval_grid(const std::vector<int>& counts) {
    // The grid already laid out for these counts keeps what was typed into it: the record gets the
    // intervals only when step 3 is passed.
    if (counts == intervalGridCounts_ && !in_.intervals.empty())
        return;
    intervalGridCounts_ = counts;
    const bool unchanged =
        static_cast<int>(rec_.resourceIntervals.size()) == static_cast<int>(counts.size()) &&
        rec_.header.resourceCategoryCount == static_cast<int>(counts.size()) && [&] {
            for (std::size_t c = 0; c < counts.size(); ++c)
                if (static_cast<int>(rec_.resourceIntervals[c].size()) != counts[c])
                    return false;
            return true;
        }();
    in_.intervals.clear();
    for (int c = 0; c < static_cast<int>(counts.size()); ++c) {
        for (int j = 0; j < counts[c]; ++j) {
            std::vector<std::string> row(4);
            row[0] = (j == 0 ? "" : "  ") + std::to_string(c + 1);
            row[1] = std::to_string(j + 1);
            if (unchanged) {
                const ResourceInterval& iv = rec_.resourceIntervals[c][j];
                row[2] = number_text(iv.start);
                row[3] = is_unbounded_finish(iv.finish) ? std::string() : number_text(iv.finish);
            }
            in_.intervals.push_back(std::move(row));
        }
    }
}

StepOutcome Wizard::check_interval_counts_step() {
    const CellTable& grid = in_.intervalCounts;
    for (int r = 0; r < static_cast<int>(grid.size()); ++r) {
        const std::string& text = cell_text(grid, r, 1);
        if (blank(text))
            return refuse(compose(ctx_.shell, WizardText::EmptyCellInColumn,
                                  ColumnMention{WizardText::IntervalCountColumn},
                                  WizardText::InHighlightedRow, "."),
                          {WizardControl::IntervalCountGrid, r});
        auto count = parse_typed_integer(text);
        if (!count)
            return refuse(compose(ctx_.shell, WizardText::InvalidNumberInColumn,
                                  ColumnMention{WizardText::IntervalCountColumn},
                                  WizardText::InHighlightedRow, "."),
                          {WizardControl::IntervalCountGrid, r});
        if (*count < kMinIntervalsPerCategory || *count > kMaxIntervalsPerCategory)
            return refuse(compose(ctx_.shell, WizardText::InvalidValueInColumn,
                                  ColumnMention{WizardText::IntervalCountColumn},
                                  WizardText::InHighlightedRow, " (<= 0 ", WizardText::Or, " > 10)."),
                          {WizardControl::IntervalCountGrid, r});
    }
    const std::vector<int> counts = interval_counts(grid);
    prepare_interval_grid(counts);
    rec_.header.resourceCategoryCount = static_cast<int>(counts.size());
    return enter(WizardStep::Intervals, {WizardControl::IntervalGrid});
}

StepOutcome Wizard::check_intervals_step() {
    const CellTable& grid = in_.intervals;
    const std::vector<int> counts = interval_counts(in_.intervalCounts);
    auto category_of = [&](int r) { return parse_typed_integer(cell_text(grid, r, 0)); };
    auto real = [this](const std::string& s) { return parse_typed_real(s, ctx_.separator); };

    for (int r = 0; r < static_cast<int>(grid.size()); ++r) {
        const WizardFocus focus{WizardControl::IntervalGrid, r};
        const std::string& startText = cell_text(grid, r, 2);
        if (blank(startText))
            return refuse(compose(ctx_.shell, WizardText::EmptyCellInColumn,
                                  ColumnMention{WizardText::IntervalStartColumn},
                                  WizardText::InHighlightedRow, "."),
                          focus);
        auto start = real(startText);
        if (!start)
            return refuse(compose(ctx_.shell, WizardText::InvalidNumberInColumn,
                                  ColumnMention{WizardText::IntervalStartColumn},
                                  WizardText::InHighlightedRow, "."),
                          focus);
        if (*start + kValueTolerance < 0)
            return refuse(compose(ctx_.shell, WizardText::InvalidValueInColumn,
                                  ColumnMention{WizardText::IntervalStartColumn},
                                  WizardText::InHighlightedRow, " (< 0)."),
                          focus);
        const auto category = category_of(r);
        if (r > 0 && category && category_of(r - 1) == category) {
            auto endAbove = real(cell_text(grid, r - 1, 3));
            if (endAbove && *start - *endAbove <= kValueTolerance)
                return refuse(compose(ctx_.shell, WizardText::InvalidValueInColumn,
                                      ColumnMention{WizardText::IntervalStartColumn},
                                      WizardText::InHighlightedRow, " (", WizardText::MustExceedColumn,
                                      ColumnMention{WizardText::IntervalEndColumn}, WizardText::OfPreviousRow,
                                      ")."),
                              focus);
        }
        const std::string& endText = cell_text(grid, r, 3);
        if (blank(endText)) {
            const int number = parse_typed_integer(cell_text(grid, r, 1)).value_or(0);
            const int c = category.value_or(0);
            const int countOfCategory = c >= 1 && c <= static_cast<int>(counts.size()) ? counts[c - 1] : 0;
            if (number < countOfCategory)
                return refuse(compose(ctx_.shell, WizardText::EmptyCellInColumn,
                                      ColumnMention{WizardText::IntervalEndColumn},
                                      WizardText::InHighlightedRow, "."),
                              focus);
            continue; // the last interval of its category may stay open
        }
        auto end = real(endText);
        if (!end)
            return refuse(compose(ctx_.shell, WizardText::InvalidNumberInColumn,
                                  ColumnMention{WizardText::IntervalEndColumn}, WizardText::InHighlightedRow,
                                  "."),
                          focus);
        if (*end - *start <= kValueTolerance)
            return refuse(compose(ctx_.shell, WizardText::InvalidValueInColumn,
                                  ColumnMention{WizardText::IntervalEndColumn}, WizardText::InHighlightedRow,
                                  " (", WizardText::MustExceedColumn,
                                  ColumnMention{WizardText::IntervalStartColumn}, WizardText::OfSameRow,
                                  ")."),
                          focus);
    }
    return enter(WizardStep::Chains, {chain_grid()});
}

// The interval counts of Grid2a and the intervals of Grid2b go into the record; an empty end is an
// unbounded interval.
void Wizard::store_resource_intervals() {
    const std::vector<int> counts = interval_counts(in_.intervalCounts);
    rec_.resourceIntervals.assign(counts.size(), {});
    int row = 0;
    for (std::size_t c = 0; c < counts.size(); ++c) {
        for (int j = 0; j < counts[c]; ++j, ++row) {
            ResourceInterval iv;
            iv.start = parse_typed_real(cell_text(in_.intervals, row, 2), ctx_.separator).value_or(0);
            const std::string& end = cell_text(in_.intervals, row, 3);
            iv.finish = blank(end) ? kUnboundedFinish : parse_typed_real(end, ctx_.separator).value_or(0);
            rec_.resourceIntervals[c].push_back(iv);
        }
    }
    rec_.header.resourceCategoryCount = static_cast<int>(counts.size());
}

} // namespace zep
