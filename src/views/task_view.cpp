#include "views/task_view.h"

#include "common/number_text.h"
#include "common/task_texts.h"
#include "optimiser/unit_keys.h"
#include "task/rounding.h"
#include "views/position_texts.h"
#include "views/view_text.h"

namespace zep {
namespace {

// Separator runs of the operation grid with unavailable resources; the grid without them uses the same
// runs for its columns (the window draws them to its column widths).
inline constexpr int kGrid2Separators[] = {18, 167, 18, 167, 21, 99, 21, 25, 21, 21, 27};
inline constexpr int kTableSeparators[] = {18, 167, 18, 167, 21, 99, 21, 21, 27};

std::string trimmed(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// The word after text 106: chosen by the unit of the discretised parameter.
std::string tact_key(const TaskRecord& rec, const ShellTables& t) {
    const bool cost = discretised_parameter(minimised_parameter(rec.header), top_level_path_count(rec)) ==
                      DiscretisedParam::Cost;
    const std::string unit = trimmed(cost ? rec.header.costUnit : rec.header.timeUnit);
    const std::pair<TaskText, TaskText> costWords[] = {{TaskText::Hryvnias, TaskText::InHryvnias},
                                                       {TaskText::Dollars, TaskText::InDollars},
                                                       {TaskText::Euros, TaskText::InEuros},
                                                       {TaskText::Roubles, TaskText::InRoubles}};
    const std::pair<TaskText, TaskText> timeWords[] = {{TaskText::Days, TaskText::InDays},
                                                       {TaskText::Hours, TaskText::InHours}};
    if (cost) {
        for (auto [text, word] : costWords)
            if (unit == trimmed(task_text(t, text)))
                return task_text(t, TaskText::Tact) + " " + task_text(t, word);
    } else {
        for (auto [text, word] : timeWords)
            if (unit == trimmed(task_text(t, text)))
                return task_text(t, TaskText::Tact) + " " + task_text(t, word);
    }
    return task_text(t, TaskText::Tact);
}

std::string cents(double v, char sep) {
    return format_shortest(round_half_even(v * 100) / 100, sep);
}

// The rows of the parameter list as they are added, in order.
struct RowList {
    std::vector<ListRow> rows;
    void add(std::string key, std::string value, bool aligned = false) {
        rows.push_back({std::move(key), std::move(value), aligned});
    }
};

// Without unavailable resources, for a graph with nested chains: the decomposition and its
// parameters, and the conversion of critical operations.
void add_decomposition_rows(RowList& r, const TaskHeader& h, const ShellTables& t) {
    r.add(view_text(t, ViewText::Decomposition),
          decomposition_mode(h) == Decomposition::NestedSubgraphs ? "1" : "0");
    if (decomposition_mode(h) == Decomposition::NestedSubgraphs) {
        r.add(task_text(t, TaskText::DecompositionParameters) + ":", "");
        r.add("  1) " + view_text(t, ViewText::AllowedSubgraphs), std::to_string(h.allowedSubgraphCount));
        r.add("  2) " + task_text(t, TaskText::MaxQuantSteps), std::to_string(h.maxQuantSteps));
        r.add(view_text(t, ViewText::NumberingMode) + ": 0 - " + task_text(t, TaskText::ManualNumbering) +
                  "; 1 - " + task_text(t, TaskText::AutomaticNumbering),
              std::to_string(h.subgraphNumbering));
    }
    r.add(task_text(t, TaskText::AutomaticCriticalConversion) + ":", "");
    r.add("  1 - " + view_text(t, ViewText::ByMinimalTime) + "; 2 - " + view_text(t, ViewText::ByMinimalCost),
          std::to_string(h.criticalConversionMode));
}

// The thresholds: the second level's parameters and its two bounds, or the list of threshold values,
// the later ones as continuation rows.
void add_threshold_rows(RowList& r, const TaskRecord& rec, const ShellTables& t, char sep) {
    const TaskHeader& h = rec.header;
    auto threshold = [&](std::size_t i) {
        return i < rec.thresholds.size() ? cents(rec.thresholds[i] * h.tact, sep) : "";
    };
    if (second_level_mode(rec)) {
        r.add(view_text(t, ViewText::SecondLevelIterations), std::to_string(h.secondLevelIterations));
        r.add(view_text(t, ViewText::IterationReductionCoef), std::to_string(h.iterationReductionCoef));
        r.add(view_text(t, ViewText::ThresholdCount), "1");
        r.add("  " + view_text(t, ViewText::CostThreshold), format_shortest(h.costThreshold, sep));
        r.add(view_text(t, ViewText::ThresholdSearchLower), threshold(0));
        r.add(view_text(t, ViewText::ThresholdSearchUpper), threshold(1));
        return;
    }
    const bool resources = h.has_unavailable_resources();
    const bool nested = h.nestedChainCount > 0;
    r.add(view_text(t, ViewText::ThresholdCount), std::to_string(h.thresholdCount));
    r.add("  " +
              view_text(t, minimised_parameter(h) == MinimisedParam::Time ? ViewText::CostThreshold
                                                                          : ViewText::TimeThreshold) +
              " <1>",
          threshold(0));
    for (int i = 2; i <= h.thresholdCount; ++i) {
        const std::string tail = "... <" + std::to_string(i) + ">";
        if (nested && !resources)
            r.add(std::string(minimised_parameter(h) == MinimisedParam::Time ? 71 : 75, ' ') + tail,
                  threshold(i - 1));
        else
            r.add(tail, threshold(i - 1), true);
    }
}

// With unavailable resources, under a rule: the number of categories and the interval count of each.
void add_resource_rows(RowList& r, const TaskRecord& rec, const ShellTables& t) {
    r.rows.push_back({std::string(164, '-'), std::string(158, '-'), false, true});
    r.add(task_text(t, TaskText::CategoryCount), std::to_string(rec.header.resourceCategoryCount));
    for (std::size_t c = 0; c < rec.resourceIntervals.size(); ++c) {
        const std::string count = std::to_string(rec.resourceIntervals[c].size());
        if (c == 0)
            r.add("  " + view_text(t, ViewText::CategoryIntervalCount) + " 1", count);
        else
            r.add("... " + std::to_string(c + 1), count, true);
    }
}

std::vector<ListRow> task_rows(const TaskRecord& rec, const ShellTables& t, char sep, const std::string& code,
                               const std::string& name) {
    const TaskHeader& h = rec.header;
    RowList r;
    const bool resources = h.has_unavailable_resources();
    const bool nested = h.nestedChainCount > 0;
    r.add(task_text(t, TaskText::TaskCode), code);
    r.add(task_text(t, TaskText::TaskName), name);
    r.add(task_text(t, TaskText::MinimisedParameter) + ": 0 - " + task_text(t, TaskText::Cost) + "; 1 - " +
              task_text(t, TaskText::Time),
          std::to_string(h.minimisedParam));
    r.add(view_text(t, ViewText::ChainCount), std::to_string(h.chainCount));
    r.add(view_text(t, ViewText::NestedChainCount), std::to_string(h.nestedChainCount));
    r.add(task_text(t, TaskText::CostUnit), h.costUnit);
    r.add(task_text(t, TaskText::TimeUnit), h.timeUnit);
    r.add(view_text(t, ViewText::RoundingType) + ":", "");
    r.add("  0 - " + task_text(t, TaskText::RoundNearest) + "; 1 - " + task_text(t, TaskText::RoundDown) +
              "; 2 - " + task_text(t, TaskText::RoundUp),
          std::to_string(h.roundingType));
    r.add(tact_key(rec, t), format_shortest(h.tact, sep));
    r.add(view_text(t, ViewText::MaxPhaseStates), std::to_string(h.maxPhaseStates));
    r.add(view_text(t, ViewText::ScalingCoef), format_shortest(h.scalingCoef, sep));
    r.add(view_text(t, ViewText::UnavailableResources), std::to_string(h.hasUnavailableResources));
    if (nested && !resources)
        add_decomposition_rows(r, h, t);
    if (minimised_parameter(h) == MinimisedParam::Time)
        r.add(view_text(t, ViewText::SinglePathTopLevel), top_level_path_count(rec) == 1 ? "1" : "0");
    add_threshold_rows(r, rec, t, sep);
    if (resources)
        add_resource_rows(r, rec, t);
    return std::move(r.rows);
}

std::string amount(double v, char sep) {
    return is_unset_value(v) ? std::string() : format_shortest(v, sep);
}

std::vector<GridRow> operation_rows(const TaskRecord& rec, const ShellTables& t, char sep) {
    const bool resources = rec.header.has_unavailable_resources();
    const std::size_t columns = resources ? 11 : 9;
    std::vector<GridRow> rows;
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        const int chainNo = static_cast<int>(c) + 1;
        const std::vector<std::string> positions = position_texts(rec, chainNo, t);
        const std::size_t first = rows.size();
        for (std::size_t k = 0; k < ch.operations.size(); ++k) {
            const OperationRec& op = ch.operations[k];
            for (std::size_t v = 0; v < op.variants.size(); ++v) {
                const VariantRec& var = op.variants[v];
                GridRow r{GridRowKind::Operation, chainNo, static_cast<int>(k) + 1,
                          std::vector<std::string>(columns)};
                r.cells[0] = rows.size() == first ? std::to_string(chainNo) : "  " + std::to_string(chainNo);
                r.cells[2] = v == 0 ? std::to_string(k + 1) : "  " + std::to_string(k + 1);
                if (v == 0)
                    r.cells[3] = op.name;
                r.cells[4] = std::to_string(v + 1);
                r.cells[5] = var.essence;
                std::size_t col = 6;
                if (resources) {
                    r.cells[6] = std::to_string(var.resourceCategory);
                    r.cells[7] = var.noSuspend ? "*" : "";
                    col = 8;
                }
                r.cells[col] = amount(var.time, sep);
                r.cells[col + 1] = amount(var.cost, sep);
                if (rec.marksPresent == 1 && op.mark.variantIndex == static_cast<int>(v))
                    r.cells[col + 2] = std::to_string(op.mark.markCode);
                rows.push_back(std::move(r));
            }
        }
        while (rows.size() - first < 1 + positions.size()) {
            GridRow r{GridRowKind::Position, chainNo, 0, std::vector<std::string>(columns)};
            r.cells[0] = rows.size() == first ? std::to_string(chainNo) : "  " + std::to_string(chainNo);
            rows.push_back(std::move(r));
        }
        rows[first].cells[1] = ch.name;
        for (std::size_t i = 0; i < positions.size(); ++i)
            rows[first + 1 + i].cells[1] = positions[i];
        GridRow line{GridRowKind::Separator, chainNo, 0, {}};
        if (resources)
            for (int len : kGrid2Separators)
                line.cells.push_back(std::string(len, '-'));
        else
            for (int len : kTableSeparators)
                line.cells.push_back(std::string(len, '-'));
        rows.push_back(std::move(line));
    }
    return rows;
}

std::vector<GridRow> interval_rows(const TaskRecord& rec, char sep) {
    std::vector<GridRow> rows;
    for (std::size_t c = 0; c < rec.resourceIntervals.size(); ++c)
        for (std::size_t i = 0; i < rec.resourceIntervals[c].size(); ++i) {
            const ResourceInterval& in = rec.resourceIntervals[c][i];
            GridRow r{GridRowKind::Operation, static_cast<int>(c) + 1, static_cast<int>(i) + 1, {}};
            r.cells = {i == 0 ? std::to_string(c + 1) : "  " + std::to_string(c + 1), std::to_string(i + 1),
                       format_shortest(in.start, sep),
                       is_unbounded_finish(in.finish) ? "" : format_shortest(in.finish, sep)};
            rows.push_back(std::move(r));
        }
    return rows;
}

} // namespace

TaskViewContent task_view(const TaskRecord& rec, const ShellTables& t, char sep,
                          const std::string& derivedCode, const std::string& derivedName) {
    const TaskHeader& h = rec.header;
    TaskViewContent v;
    v.caption = view_text(t, ViewText::TaskInputData) + " \"" + h.taskName + "\"";
    v.taskRows = task_rows(rec, t, sep, derivedCode.empty() ? h.taskCode : derivedCode,
                           derivedName.empty() ? h.taskName : derivedName);
    const bool resources = h.has_unavailable_resources();
    bool everyMarked = rec.marksPresent == 1;
    const std::string markLabel = everyMarked ? view_text(t, ViewText::VariantStates) : "";
    if (resources) {
        v.columnLabels = {view_text(t, ViewText::ChainNumber),
                          task_text(t, TaskText::ChainName),
                          task_text(t, TaskText::OperationNumber),
                          task_text(t, TaskText::OperationName),
                          view_text(t, ViewText::VariantNumber),
                          view_text(t, ViewText::VariantEssence),
                          task_text(t, TaskText::ResourceCategory),
                          view_text(t, ViewText::NoSuspension) + " (*)",
                          in_unit(task_text(t, TaskText::NetExecutionTime), h.timeUnit),
                          in_unit(task_text(t, TaskText::ExecutionCost), h.costUnit),
                          markLabel};
        v.intervalLabels = {view_text(t, ViewText::CategoryNumber), view_text(t, ViewText::IntervalNumber),
                            in_unit(task_text(t, TaskText::IntervalStart), h.timeUnit),
                            in_unit(task_text(t, TaskText::IntervalEnd), h.timeUnit)};
        v.intervals = interval_rows(rec, sep);
    } else {
        v.columnLabels = {view_text(t, ViewText::ChainNumber),
                          h.nestedChainCount > 0 ? view_text(t, ViewText::ChainNameOrPosition)
                                                 : task_text(t, TaskText::ChainName),
                          task_text(t, TaskText::OperationNumber),
                          task_text(t, TaskText::OperationName),
                          view_text(t, ViewText::VariantNumber),
                          view_text(t, ViewText::VariantEssence),
                          in_unit(task_text(t, TaskText::ExecutionTime), h.timeUnit),
                          in_unit(task_text(t, TaskText::ExecutionCost), h.costUnit),
                          markLabel};
    }
    v.operations = operation_rows(rec, t, sep);
    return v;
}

} // namespace zep
