#include "views/solution_view.h"

#include "common/number_text.h"
#include "common/task_texts.h"
#include "common/utf8.h"
#include "optimiser/unit_keys.h"
#include "views/position_texts.h"
#include "views/view_text.h"

#include <stdexcept>

namespace zep {
namespace {

inline constexpr std::size_t kMessagePiece = 109;
inline constexpr int kSeparatorLengths[kSolutionGridColumns] = {60,  170, 25,  21, 18, 18,
                                                                170, 34,  100, 28, 27, 22};

std::vector<std::string> column_labels(const TaskRecord& rec, const ShellTables& t) {
    const TaskHeader& h = rec.header;
    const bool resources = h.has_unavailable_resources();
    return {view_text(t, ViewText::ChainNumber),
            task_text(t, TaskText::ChainName),
            in_unit(view_text(t, ViewText::ChainFinish), h.timeUnit),
            in_unit(view_text(t, ViewText::ChainCost), h.costUnit),
            view_text(t, ViewText::OptimisationCycles),
            task_text(t, TaskText::OperationNumber),
            task_text(t, TaskText::OperationName),
            view_text(t, resources ? ViewText::ChosenVariantWithCategory : ViewText::ChosenVariant),
            view_text(t, ViewText::VariantEssence),
            in_unit(view_text(t, ViewText::StartEarliestLatest), h.timeUnit),
            in_unit(resources ? view_text(t, ViewText::ActualNetTime) : task_text(t, TaskText::ExecutionTime),
                    h.timeUnit),
            in_unit(task_text(t, TaskText::ExecutionCost), h.costUnit)};
}

// The status of the run and, for a run without a solution, its message in up to three rows.
void add_status_rows(std::vector<ListRow>& rows, const Solution& sol, int run, const ShellTables& t) {
    rows.push_back({view_text(t, ViewText::SolutionStatus), std::to_string(sol.status[run])});
    if (run_status(sol, run) != RunStatus::Solved) {
        const std::string& m = sol.message[run];
        rows.push_back({view_text(t, ViewText::OptimiserMessage), utf8_substr(m, 0, kMessagePiece)});
        for (std::size_t from : {kMessagePiece, 2 * kMessagePiece}) {
            const std::string piece = from == kMessagePiece ? utf8_substr(m, from, kMessagePiece)
                                                            : utf8_substr(m, from, std::string::npos);
            if (!piece.empty())
                rows.push_back({"", piece});
        }
    }
}

// The parameters of the optimisation run and the information lines it carried.
void add_run_rows(std::vector<ListRow>& rows, const Solution& sol, const ShellTables& t, char sep) {
    auto add = [&](std::string key, std::string value) {
        rows.push_back({std::move(key), std::move(value)});
    };
    add(view_text(t, ViewText::SchemeParameters) + ":", "");
    add("  - " + view_text(t, ViewText::StopCriterion), format_shortest(sol.header.stopCriterion, sep));
    add("  - " + view_text(t, ViewText::StopCheckSparsity), std::to_string(sol.header.stopCheckSparsity));
    add("  - " + view_text(t, ViewText::IterationLimit), std::to_string(sol.header.iterationLimit));
    add("  - " + view_text(t, ViewText::RelaxationCoef), format_shortest(sol.header.relaxationCoef, sep));
    add(view_text(t, ViewText::InformationFileData) + ":", "");
    add("  - " + view_text(t, ViewText::InformationLine1), sol.header.infoLines[0]);
    add("  - " + view_text(t, ViewText::InformationLine2), sol.header.infoLines[1]);
    add("  - " + view_text(t, ViewText::InformationLine3), sol.header.infoLines[2]);
}

std::vector<ListRow> task_rows(const TaskRecord& rec, const Solution& sol, int run, const ShellTables& t,
                               char sep) {
    const TaskHeader& h = rec.header;
    std::vector<ListRow> rows;
    auto add = [&](std::string key, std::string value) {
        rows.push_back({std::move(key), std::move(value)});
    };
    add_status_rows(rows, sol, run, t);
    add(task_text(t, TaskText::TaskCode), h.taskCode);
    add(task_text(t, TaskText::TaskName), h.taskName);
    add(task_text(t, TaskText::MinimisedParameter),
        task_text(t, minimised_parameter(h) == MinimisedParam::Time ? TaskText::Time : TaskText::Cost));
    add(view_text(t, ViewText::ChainCount), std::to_string(h.chainCount));
    add(view_text(t, ViewText::NestedChainCount), std::to_string(h.nestedChainCount));
    add(view_text(t, ViewText::ThresholdCount), std::to_string(h.thresholdCount));
    add(task_text(t, TaskText::CostUnit), h.costUnit);
    add(task_text(t, TaskText::TimeUnit), h.timeUnit);
    const RoundingType type = rounding_type(h);
    const std::string rounding = type == RoundingType::ByMean      ? task_text(t, TaskText::RoundNearest)
                                 : type == RoundingType::ByMinimum ? task_text(t, TaskText::RoundDown)
                                 : type == RoundingType::ByMaximum ? task_text(t, TaskText::RoundUp)
                                                                   : std::string();
    add(view_text(t, minimised_parameter(h) == MinimisedParam::Time ? ViewText::RoundingTimeMinimised
                                                                    : ViewText::RoundingCostMinimised),
        rounding);
    add(task_text(t, TaskText::Tact), format_shortest(h.tact, sep));
    add(view_text(t, ViewText::LargestPhaseStates), std::to_string(sol.header.maxPhaseStates));
    add(view_text(t, ViewText::UnavailableResources), std::to_string(h.hasUnavailableResources));
    const bool resources = h.has_unavailable_resources();
    const bool nested = h.nestedChainCount > 0;
    if (resources)
        add(task_text(t, TaskText::CategoryCount), std::to_string(h.resourceCategoryCount));
    if (!resources && nested) {
        if (decomposition_mode(h) == Decomposition::NestedSubgraphs) {
            add(view_text(t, ViewText::Decomposition), "1");
            add(" " + view_text(t, ViewText::NumberingMode),
                task_text(t, h.subgraphNumbering == 1 ? TaskText::AutomaticNumbering
                                                      : TaskText::ManualNumbering));
            add(task_text(t, TaskText::SubgraphsExtracted), std::to_string(h.subgraphCount));
        } else {
            add(view_text(t, ViewText::Decomposition), "0");
        }
    }
    if (nested)
        add(view_text(t, ViewText::CriticalConversion),
            view_text(t, critical_conversion_mode(h) == CriticalConversion::MinimalTimes
                             ? ViewText::ByMinimalTime
                             : ViewText::ByMinimalCost));
    add_run_rows(rows, sol, t, sep);
    if (second_level_mode(rec))
        add(view_text(t, ViewText::ThresholdRunsPerformed), std::to_string(sol.header.runsPerformed));
    add(view_text(t, ViewText::SolvingTime), sol.header.elapsed);
    return rows;
}

double threshold_value(const TaskRecord& rec, int run) {
    if (second_level_mode(rec))
        return rec.header.costThreshold;
    const double tacts = run < static_cast<int>(rec.thresholds.size()) ? rec.thresholds[run] : 0;
    return tacts * rec.header.tact;
}

std::vector<ListRow> variant_rows(const TaskRecord& rec, int run, RunStatus status, const Schedule* s,
                                  const ShellTables& t, char sep) {
    const TaskHeader& h = rec.header;
    std::vector<ListRow> rows;
    rows.push_back({view_text(t, ViewText::ComputationVariant), std::to_string(run + 1)});
    const std::string threshold = format_fixed(threshold_value(rec, run), 2, sep);
    const std::string cost = s ? format_fixed(s->totalCost, 2, sep) : "";
    const std::string time = s ? format_fixed(s->graphTime, 2, sep) : "";
    rows.push_back({threshold_key(rec, t), threshold});
    if (status == RunStatus::NotSolved)
        return rows;
    if (minimised_parameter(h) == MinimisedParam::Time) {
        rows.push_back({in_unit(view_text(t, ViewText::GraphTotalCost), h.costUnit), cost});
        rows.push_back({in_unit(view_text(t, ViewText::GraphTime), h.timeUnit), time});
    } else {
        rows.push_back({in_unit(view_text(t, ViewText::GraphExecutionTime), h.timeUnit), time});
        rows.push_back({in_unit(view_text(t, ViewText::TotalCost), h.costUnit), cost});
    }
    return rows;
}

std::string variant_cell(const TaskRecord& rec, const OperationRec& op, const OperationSchedule& os) {
    std::string cell = std::to_string(os.variant);
    if (rec.header.has_unavailable_resources() && os.variant >= 1 &&
        os.variant <= static_cast<int>(op.variants.size())) {
        const VariantRec& v = op.variants[os.variant - 1];
        cell += ": " + std::to_string(v.resourceCategory) + (v.noSuspend ? "*" : "");
    }
    return cell;
}

std::vector<GridRow> grid_rows(const TaskRecord& rec, const Schedule& s, const ShellTables& t, char sep) {
    std::vector<GridRow> rows;
    const bool resources = rec.header.has_unavailable_resources();
    for (std::size_t c = 0; c < rec.chains.size() && c < s.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        const ChainSchedule& cs = s.chains[c];
        const int chainNo = static_cast<int>(c) + 1;
        const std::string further = "  " + std::to_string(chainNo);
        const std::vector<std::string> positions = position_texts(rec, chainNo, t);
        const std::size_t first = rows.size();
        for (std::size_t k = 0; k < ch.operations.size() && k < cs.operations.size(); ++k) {
            const OperationRec& op = ch.operations[k];
            const OperationSchedule& os = cs.operations[k];
            GridRow r{GridRowKind::Operation, chainNo, static_cast<int>(k) + 1,
                      std::vector<std::string>(kSolutionGridColumns)};
            r.cells[0] = k == 0 ? std::to_string(chainNo) : further;
            r.cells[5] = std::to_string(k + 1);
            r.cells[6] = op.name;
            r.cells[7] = variant_cell(rec, op, os);
            if (os.variant >= 1 && os.variant <= static_cast<int>(op.variants.size()))
                r.cells[8] = op.variants[os.variant - 1].essence;
            if (rec.marksPresent == 1 && op.mark.markCode == 3)
                r.cells[9] = format_fixed(os.start, 1, sep) + " (" + t.label(7) + ")";
            else
                r.cells[9] = format_fixed(os.start, 1, sep) + "/" + format_fixed(os.latestStart, 1, sep);
            r.cells[10] = resources
                              ? format_fixed(os.duration, 1, sep) + "/" + format_fixed(os.netTime, 1, sep)
                              : format_fixed(os.netTime, 1, sep);
            r.cells[11] = format_fixed(os.cost, 2, sep);
            rows.push_back(std::move(r));
        }
        // Rows that only hold the chain number, for position texts the operations leave no room for.
        while (rows.size() - first < 1 + positions.size()) {
            GridRow r{GridRowKind::Position, chainNo, 0, std::vector<std::string>(kSolutionGridColumns)};
            r.cells[0] = rows.size() == first ? std::to_string(chainNo) : further;
            rows.push_back(std::move(r));
        }
        for (std::size_t i = 0; i < positions.size(); ++i)
            rows[first + 1 + i].cells[1] = positions[i];
        rows[first].cells[1] = ch.name;
        rows[first].cells[2] = format_fixed(cs.finish, 2, sep);
        rows[first].cells[3] = format_fixed(cs.cost, 2, sep);
        rows[first].cells[4] = std::to_string(cs.cycles);
        GridRow line{GridRowKind::Separator, chainNo, 0, {}};
        for (int len : kSeparatorLengths)
            line.cells.push_back(std::string(len, '-'));
        rows.push_back(std::move(line));
    }
    return rows;
}

} // namespace

SolutionViewContent solution_view(const TaskRecord& rec, const Solution& solution, int run,
                                  const ShellTables& shell, char separator, SlackMethod method) {
    if (run < 0 || run >= static_cast<int>(solution.status.size()) ||
        run >= static_cast<int>(solution.variantChoice.size()))
        throw std::out_of_range("no computation variant " + std::to_string(run + 1) + " in the solution");
    SolutionViewContent v;
    v.caption = view_text(shell, ViewText::TaskSolution) + " \"" + rec.header.taskName + "\"";
    for (int n = 1; n <= static_cast<int>(solution.status.size()); ++n)
        v.tabs.push_back(task_text(shell, TaskText::Variant) + " " + std::to_string(n));
    v.columnLabels = column_labels(rec, shell);
    v.status = solution.status[run];
    v.taskRows = task_rows(rec, solution, run, shell, separator);
    const RunStatus status = run_status(solution, run);
    if (status != RunStatus::NotSolved) {
        v.schedule = compute_schedule(rec, solution, run, method);
        v.grid = grid_rows(rec, *v.schedule, shell, separator);
    }
    v.variantRows = variant_rows(rec, run, status, v.schedule ? &*v.schedule : nullptr, shell, separator);
    return v;
}

} // namespace zep
