#include "wizard/script_driver.h"

#include "common/echo_text.h"

#include "common/utf8.h"
#include "task/typed_number.h"
#include "wizard/key_filters.h"

#include <cmath>

namespace zep {
namespace {

std::string upper_ascii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw TaskScriptError("key \"" + path + "\": " + what);
}

class Driver {
public:
    Driver(Wizard& w, const TaskScript& s, std::optional<WizardStep> stopAt)
        : w_(w), s_(s), sep_(w.context().separator), stopAt_(stopAt) {}

    ScriptRun run() {
        WizardStep last = w_.current_step();
        int pressesOnStep = 0;
        for (;;) {
            const WizardStep step = w_.current_step();
            if (step != last) {
                last = step;
                pressesOnStep = 0;
            }
            if (pressesOnStep == 0 && !fill(step))
                return run_;
            if (stopAt_ == step) {
                run_.step = step;
                run_.stopReason = std::string("stopped on step") + step_label(step) + " as asked";
                return run_;
            }
            if (pressesOnStep == 2) {
                run_.step = step;
                run_.stopReason = std::string("the entry stays on step") + step_label(step);
                return run_;
            }
            ++pressesOnStep;
            StepOutcome o = w_.next();
            if (!take(o, step))
                return run_;
            if (o.finished) {
                run_.saved = true;
                run_.step = step;
                return run_;
            }
        }
    }

private:
    // Notes of an outcome of a press on step `shownOn`; false when it refused.
    bool take(const StepOutcome& o, WizardStep shownOn) {
        for (const WizardMessage& m : o.notes)
            run_.notes.push_back({shownOn, m});
        if (o.refusal) {
            run_.refusal = o.refusal;
            run_.step = o.step;
            run_.focus = o.focus;
            return false;
        }
        return true;
    }

    std::string typed_number(const ScriptNumber& n) const {
        std::string t = n.text;
        for (char& c : t)
            if (c == '.')
                c = sep_;
        return t;
    }

    // The text a box shows after `text` is typed into it; the script may not give what it drops. A box
    // of `LetterCase::Free` shows Latin letters in upper case, whichever case the script gives.
    enum class LetterCase { AsGiven, Free };
    std::string type_box(WizardBox box, const std::string& text, const std::string& path,
                         LetterCase letters = LetterCase::AsGiven) {
        const std::string shown = type_into_box(box, "", utf8_code_points(text), sep_);
        const std::string wanted = letters == LetterCase::Free ? upper_ascii(text) : text;
        if (shown != wanted)
            fail(path, echoed(text) + " cannot be typed into its box (it takes at most " +
                           std::to_string(box_max_length(box)) +
                           " characters, and only those its key filter lets in)");
        return shown;
    }

    std::string cell(WizardGrid grid, int column, const GridCellContext& ctx, const std::string& text,
                     const std::string& path) {
        for (char32_t key : utf8_code_points(text))
            if (!grid_accepts_key(grid, column, ctx, "", key))
                fail(path, echoed(text) +
                               " cannot be typed into its cell (a character the task files cannot hold)");
        auto limit = grid_column_limit(grid, column, ctx);
        if (limit && static_cast<int>(utf8_length(text)) > *limit)
            fail(path, *limit == 0 ? "the cell takes no input here"
                                   : "the cell takes at most " + std::to_string(*limit) + " characters");
        return text;
    }

    bool fill(WizardStep step) {
        switch (step) {
        case WizardStep::Code:
            fill_code();
            return true;
        case WizardStep::General:
            fill_general();
            return true;
        case WizardStep::IntervalCounts:
            fill_interval_counts();
            return true;
        case WizardStep::Intervals:
            fill_intervals();
            return true;
        case WizardStep::Chains:
            fill_chains();
            return true;
        case WizardStep::Operations:
            return fill_operations();
        case WizardStep::Variants:
            return fill_variants();
        case WizardStep::Review:
            return true;
        case WizardStep::Rounding:
            fill_rounding();
            return true;
        case WizardStep::Thresholds:
            fill_thresholds();
            return true;
        case WizardStep::Summary:
            if (s_.solveAtOnce)
                w_.inputs().solveAtOnce = *s_.solveAtOnce;
            return true;
        }
        return true;
    }

    void fill_code() {
        WizardInputs& in = w_.inputs();
        if (s_.code) {
            if (w_.entry_mode() == EntryMode::CorrectTask) {
                if (upper_ascii(*s_.code) != in.code)
                    fail("code", "a task being corrected keeps its code " + in.code);
            } else {
                in.code = type_box(WizardBox::Code, *s_.code, "code", LetterCase::Free);
            }
        }
        if (s_.name)
            in.name = type_box(WizardBox::Name, *s_.name, "name");
    }

    int unit_index(const std::vector<std::string>& list, const std::string& unit, const char* path) {
        std::string names;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i] == unit)
                return static_cast<int>(i);
            names += (i ? ", \"" : "\"") + list[i] + "\"";
        }
        fail(path, echoed(unit) + " is not in the unit list: " + names);
    }

    void fill_general() {
        WizardInputs& in = w_.inputs();
        if (s_.minimise)
            w_.choose_minimised(*s_.minimise);
        if (s_.chains) {
            int nested = 0;
            for (const ScriptChain& c : *s_.chains)
                nested += c.nested ? 1 : 0;
            w_.type_chain_count(type_box(WizardBox::ChainCount, std::to_string(s_.chains->size()), "chains"));
            w_.type_nested_chain_count(
                type_box(WizardBox::NestedChainCount, std::to_string(nested), "chains"));
        }
        if (s_.costUnit)
            in.costUnit = unit_index(cost_unit_list(w_.context().shell), *s_.costUnit, "costUnit");
        if (s_.timeUnit)
            in.timeUnit = unit_index(time_unit_list(w_.context().shell), *s_.timeUnit, "timeUnit");
        if (s_.resources) {
            const bool any = !s_.resources->empty();
            if (any && minimised_parameter(in) == MinimisedParam::Time)
                fail("resources", "unavailable resources are offered only when the cost is minimised");
            in.hasResources = any;
            if (any)
                in.categoryCount =
                    type_box(WizardBox::CategoryCount, std::to_string(s_.resources->size()), "resources");
        }
        if (s_.decompositionGiven) {
            in.decomposition = s_.decomposition.has_value();
            if (s_.decomposition) {
                if (in.hasResources && minimised_parameter(in) == MinimisedParam::Cost)
                    fail("decomposition", "decomposition is not offered with unavailable resources");
                in.allowedSubgraphs =
                    type_box(WizardBox::AllowedSubgraphs, std::to_string(s_.decomposition->allowed),
                             "decomposition.allowed");
                in.quantSteps = type_box(WizardBox::QuantSteps, std::to_string(s_.decomposition->quantSteps),
                                         "decomposition.quantSteps");
                in.automaticNumbering = s_.decomposition->automatic;
            }
        }
    }

    void fill_interval_counts() {
        if (!s_.resources)
            return;
        CellTable& grid = w_.inputs().intervalCounts;
        for (std::size_t c = 0; c < s_.resources->size() && c < grid.size(); ++c) {
            grid[c].resize(2);
            grid[c][1] = std::to_string((*s_.resources)[c].size());
        }
    }

    void fill_intervals() {
        if (!s_.resources)
            return;
        CellTable& grid = w_.inputs().intervals;
        std::size_t row = 0;
        for (const auto& category : *s_.resources) {
            for (const ScriptInterval& iv : category) {
                if (row >= grid.size())
                    return;
                grid[row].resize(4);
                grid[row][2] = typed_number(iv.start);
                grid[row][3] = iv.end ? typed_number(*iv.end) : std::string();
                ++row;
            }
        }
    }

    void fill_chains() {
        WizardInputs& in = w_.inputs();
        if (s_.conversion)
            in.conversionMode = *s_.conversion;
        if (s_.changeAtStart)
            in.opChangeAtStart = *s_.changeAtStart;
        if (!s_.chains)
            return;
        const TaskHeader& h = w_.record().header;
        const bool manual = h.manual_subgraph_numbering();
        const bool nestedGrid = w_.record().workingNestedChainCount > 0;
        const WizardGrid grid = nestedGrid ? WizardGrid::NestedChains : WizardGrid::Chains;
        for (std::size_t r = 0; r < s_.chains->size() && r < in.chains.size(); ++r) {
            const ScriptChain& c = (*s_.chains)[r];
            auto& row = in.chains[r];
            const GridCellContext ctx{!c.nested, manual};
            row[1] = cell(grid, 1, ctx, c.name, c.path + ".name");
            // A chain without operations leaves its count unset, which the step refuses in its words.
            row[2] = c.operations.empty() ? std::string() : std::to_string(c.operations.size());
            if (!c.nested)
                continue;
            if (c.subgraph) {
                if (!manual)
                    fail(c.path + ".subgraph",
                         "subgraph numbers are entered only with decomposition and manual numbering");
                row[3] = cell(grid, 3, ctx, std::to_string(*c.subgraph), c.path + ".subgraph");
            } else if (manual) {
                row[3].clear();
            }
            const int coords[] = {c.fromChain, c.fromOp, c.toChain, c.toOp};
            const char* keys[] = {".from", ".from", ".to", ".to"};
            for (int i = 0; i < 4; ++i)
                row[4 + i] = cell(grid, 4 + i, ctx, std::to_string(coords[i]), c.path + keys[i]);
        }
    }

    // The chains of the script that the record holds: those with operations (a chain without any is
    // removed on step 3).
    std::vector<const ScriptChain*> kept_chains() const {
        std::vector<const ScriptChain*> kept;
        for (const ScriptChain& c : *s_.chains)
            if (!c.operations.empty())
                kept.push_back(&c);
        return kept;
    }

    bool fill_operations() {
        if (!s_.chains)
            return true;
        const std::vector<const ScriptChain*> kept = kept_chains();
        for (std::size_t c = 0; c < kept.size() && c < w_.record().chains.size(); ++c) {
            if (static_cast<int>(c) != w_.op_step_chain() &&
                !take(w_.show_operations_of_chain(static_cast<int>(c)), WizardStep::Operations))
                return false;
            CellTable& grid = w_.inputs().operations;
            grid.clear();
            for (std::size_t o = 0; o < kept[c]->operations.size(); ++o) {
                const ScriptOperation& op = kept[c]->operations[o];
                grid.push_back({std::to_string(o + 1),
                                cell(WizardGrid::Operations, 1, {}, op.name, op.path + ".name"),
                                std::to_string(op.variants.size())});
            }
        }
        return true;
    }

    bool fill_variants() {
        if (!s_.chains)
            return true;
        const std::vector<const ScriptChain*> kept = kept_chains();
        const bool resources = w_.record().header.has_unavailable_resources();
        const WizardGrid grid = resources ? WizardGrid::ResourceVariants : WizardGrid::Variants;
        const VariantColumns col = resources ? kVariantColumnsWithResources : kVariantColumnsPlain;
        for (std::size_t c = 0; c < kept.size() && c < w_.record().chains.size(); ++c) {
            const ChainRec& chain = w_.record().chains[c];
            for (std::size_t o = 0; o < kept[c]->operations.size() && o < chain.operations.size(); ++o) {
                const bool shown = static_cast<int>(c) == w_.var_step_chain() &&
                                   static_cast<int>(o) == w_.var_step_operation();
                if (!shown && !take(w_.show_variants_of(static_cast<int>(c), static_cast<int>(o)),
                                    WizardStep::Variants))
                    return false;
                const ScriptOperation& op = kept[c]->operations[o];
                CellTable& rows = w_.inputs().variants;
                rows.clear();
                int r = 0;
                for (const ScriptVariant* v : variants_to_type(op, chain.operations[o].variantCount,
                                                               w_.record().header.criticalConversionMode)) {
                    std::vector<std::string> row(col.cost + 1);
                    row[0] = std::to_string(++r);
                    row[col.essence] = cell(grid, col.essence, {}, v->essence, v->path + ".essence");
                    row[col.time] = cell(grid, col.time, {}, typed_number(v->time), v->path + ".time");
                    row[col.cost] = cell(grid, col.cost, {}, typed_number(v->cost), v->path + ".cost");
                    if (resources) {
                        if (v->category)
                            row[col.category] = cell(grid, col.category, {}, std::to_string(*v->category),
                                                     v->path + ".category");
                        row[col.noSuspend] = v->noSuspend ? "*" : "";
                    } else if (v->category || v->noSuspend) {
                        fail(v->path + (v->category ? ".category" : ".noSuspend"),
                             "only a task with unavailable resources has it");
                    }
                    rows.push_back(std::move(row));
                }
            }
        }
        return true;
    }

    void fill_rounding() {
        WizardInputs& in = w_.inputs();
        if (s_.rounding)
            in.roundingType = *s_.rounding;
        if (s_.tact)
            in.tact = type_box(WizardBox::Tact, typed_number(*s_.tact), "tact");
        if (s_.scaling)
            in.scalingCoef = type_box(WizardBox::ScalingCoef, typed_number(*s_.scaling), "scaling");
    }

    void fill_thresholds() {
        WizardInputs& in = w_.inputs();
        if (w_.second_level_mode()) {
            if (s_.thresholds)
                fail("thresholds", "the task is in the second-level mode: give \"secondLevel\" instead");
            if (!s_.secondLevel)
                return;
            in.costThreshold = type_box(WizardBox::CostThreshold, typed_number(s_.secondLevel->costThreshold),
                                        "secondLevel.costThreshold");
            in.iterations = type_box(WizardBox::SecondLevelIterations,
                                     std::to_string(s_.secondLevel->iterations), "secondLevel.iterations");
            in.reduction = type_box(WizardBox::ReductionCoef, std::to_string(s_.secondLevel->reduction),
                                    "secondLevel.reduction");
            return;
        }
        if (s_.secondLevel)
            fail("secondLevel",
                 "the task has threshold values, not the second-level mode: give \"thresholds\"");
        if (!s_.thresholds)
            return;
        for (ThresholdItem& item : in.candidates)
            item.ticked = false; // Resflg: every box unticked
        for (std::size_t i = 0; i < s_.thresholds->size(); ++i) {
            const ScriptNumber& t = (*s_.thresholds)[i];
            bool found = false;
            for (ThresholdItem& item : in.candidates) {
                auto v = parse_typed_real(item.text, sep_);
                if (v && std::fabs(*v - t.value) < kValueTolerance) {
                    item.ticked = true;
                    found = true;
                    break;
                }
            }
            if (!found) {
                std::string list;
                for (const ThresholdItem& item : in.candidates)
                    list += (list.empty() ? "" : ", ") + item.text;
                fail("thresholds[" + std::to_string(i) + "]",
                     t.text + " is not among the candidates: " + (list.empty() ? "(none)" : list));
            }
        }
    }

    Wizard& w_;
    const TaskScript& s_;
    char sep_;
    std::optional<WizardStep> stopAt_;
    ScriptRun run_;
};

} // namespace

std::vector<const ScriptVariant*> variants_to_type(const ScriptOperation& op, int rows, int conversionMode) {
    std::vector<const ScriptVariant*> out;
    if (rows == 1 && op.variants.size() > 1) {
        const bool byTime = conversionMode != 2;
        const ScriptVariant* best = &op.variants[0];
        for (const ScriptVariant& v : op.variants)
            if ((byTime ? v.time.value : v.cost.value) < (byTime ? best->time.value : best->cost.value))
                best = &v;
        out.push_back(best);
        return out;
    }
    for (const ScriptVariant& v : op.variants)
        out.push_back(&v);
    return out;
}

ScriptRun run_task_script(Wizard& w, const TaskScript& script, std::optional<WizardStep> stopAt) {
    return Driver(w, script, stopAt).run();
}

} // namespace zep
