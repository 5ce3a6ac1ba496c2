// Steps 1 and 2: task code and name, general parameters of the graph.
#include "common/cp1251.h"
#include "task/typed_number.h"
#include "wizard/key_filters.h"
#include "wizard/message_text.h"
#include "wizard/wizard.h"

#include <algorithm>

namespace zep {
namespace {

// A count typed into a digit box: digits only (the box takes nothing else); nullopt when the box is
// empty or holds anything but digits.
std::optional<int> box_count(const std::string& text) {
    std::string_view t = trim_blanks(text);
    if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return parse_typed_integer(t);
}

// A code is what the code box can hold: six characters its key filter takes as they stand (Latin upper
// case letters, digits, ".", "-", "_"). Anything else would end up in file names.
bool is_code_text(const std::string& code, char separator) {
    if (code.size() != 6)
        return false;
    for (char c : code) {
        auto taken = filter_box_key(WizardBox::Code, "", static_cast<unsigned char>(c), separator);
        if (!taken || *taken != static_cast<unsigned char>(c))
            return false;
    }
    return true;
}

int unit_index(const std::vector<std::string>& list, const std::string& unit) {
    auto it = std::find(list.begin(), list.end(), unit);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

std::string unit_text(const std::vector<std::string>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size()))
        return {};
    return utf8_prefix(list[index], kUnitCapacity);
}

ChainRec new_empty_chain() {
    ChainRec c;
    c.opCount = kOpCountUnset;
    return c;
}

} // namespace

void Wizard::choose_minimised(int param) {
    in_.minimisedParam = param == 1 ? 1 : 0;
    if (in_.minimisedParam == 1)
        in_.hasResources = false;
}

void Wizard::type_chain_count(std::string text) {
    in_.chainCount = std::move(text);
    chainCountsEdited_ = true;
}

void Wizard::type_nested_chain_count(std::string text) {
    in_.nestedChainCount = std::move(text);
    chainCountsEdited_ = true;
}

GeneralStepView Wizard::general_step_view() const {
    GeneralStepView v;
    const bool cost = in_.minimisedParam == 0;
    const bool resources = cost && in_.hasResources;
    v.resourceQuestion = cost;
    v.categoryCount = resources;
    v.decompositionGroup = !resources;
    v.decompositionParams = !resources && in_.decomposition;
    return v;
}

void Wizard::fill_general_boxes_from_record() {
    const TaskHeader& h = rec_.header;
    in_.minimisedParam = h.minimisedParam == 1 ? 1 : 0;
    in_.decomposition = h.decompositionMode != 0;
    in_.chainCount = std::to_string(rec_.workingChainCount);
    in_.nestedChainCount = std::to_string(rec_.workingNestedChainCount);
    in_.categoryCount = std::to_string(h.resourceCategoryCount);
    in_.allowedSubgraphs = std::to_string(h.allowedSubgraphCount);
    in_.quantSteps = std::to_string(h.maxQuantSteps);
    in_.costUnit = unit_index(cost_unit_list(ctx_.shell), h.costUnit);
    in_.timeUnit = unit_index(time_unit_list(ctx_.shell), h.timeUnit);
    in_.roundingType = h.roundingType == 0 ? 0 : h.roundingType == 1 ? 1 : 2;
}

void Wizard::reset_general_boxes() {
    in_.chainCount.clear();
    in_.nestedChainCount.clear();
    in_.categoryCount.clear();
    in_.allowedSubgraphs.clear();
    in_.quantSteps.clear();
    in_.minimisedParam = 0;
    in_.decomposition = false;
    in_.roundingType = 0;
    in_.costUnit = -1;
    in_.timeUnit = -1;
    rec_.chains.clear();
    rec_.workingChainCount = 0;
    rec_.workingNestedChainCount = 0;
}

StepOutcome Wizard::check_code_step() {
    if (mode_ == EntryMode::CorrectTask)
        in_.code = rec_.header.taskCode; // the code box is disabled: the task keeps its code
    in_.automaticNumbering = rec_.header.subgraphNumbering == 1;
    in_.hasResources = rec_.header.hasUnavailableResources == 1;

    if (!is_code_text(in_.code, ctx_.separator))
        return refuse(compose(ctx_.shell, Text{239}, "."), {WizardControl::Code});
    if (trim_blanks(in_.name).empty())
        return refuse(compose(ctx_.shell, Text{44}, "."), {WizardControl::Name});
    if (mode_ != EntryMode::CorrectTask && ctx_.taskRegister && ctx_.taskRegister->get().find(in_.code))
        return refuse(compose(ctx_.shell, Text{453}, "."), {WizardControl::Code});

    rec_.header.taskCode = in_.code;
    rec_.header.taskName = utf8_prefix(in_.name, kTaskNameCapacity);
    if (mode_ == EntryMode::CorrectTask || (mode_ == EntryMode::ImportTask && importDone_)) {
        fill_general_boxes_from_record();
    } else if (!generalStepEntered_) {
        // A new task starts empty. Passing step 1 again later keeps what the later steps hold: going
        // back to correct the name must not throw away the chains, operations and variants entered.
        reset_general_boxes();
    }
    in_.hasResources = in_.minimisedParam == 0 && rec_.header.hasUnavailableResources == 1;

    generalStepEntered_ = true;
    prevEnabled_ = true;
    chainCountsEdited_ = false;
    return enter(WizardStep::General, {WizardControl::ChainCount});
}

StepOutcome Wizard::check_general_step() {
    std::vector<WizardMessage> notes;

    auto chains = box_count(in_.chainCount);
    if (!chains)
        return refuse(compose(ctx_.shell, Text{232}, "."), {WizardControl::ChainCount});
    if (*chains == 0)
        return refuse(compose(ctx_.shell, Text{256}, "."), {WizardControl::ChainCount});
    if (*chains > kMaxChains)
        return refuse(compose(ctx_.shell, Text{412}, " (> 10 ", Text{110}, ")."),
                      {WizardControl::ChainCount});
    auto nested = box_count(in_.nestedChainCount);
    if (!nested)
        return refuse(compose(ctx_.shell, Text{501}, "."), {WizardControl::NestedChainCount});
    if (*nested >= *chains)
        return refuse(compose(ctx_.shell, Text{414}, "."), {WizardControl::NestedChainCount});

    const bool resources = in_.minimisedParam == 0 && in_.hasResources;
    if (resources) {
        auto categories = box_count(in_.categoryCount);
        if (!categories)
            return refuse(compose(ctx_.shell, Text{233}, "."), {WizardControl::CategoryCount});
        if (*categories == 0)
            return refuse(compose(ctx_.shell, Text{258}, "."), {WizardControl::CategoryCount});
        if (*categories > kMaxResourceCategories)
            return refuse(compose(ctx_.shell, Text{415}, " (> 10 ", Text{110}, ")."),
                          {WizardControl::CategoryCount});
    }
    int allowed = 0;
    int quantSteps = 0;
    if (!resources && in_.decomposition) {
        auto a = box_count(in_.allowedSubgraphs);
        if (!a)
            return refuse(compose(ctx_.shell, Text{228}, "."), {WizardControl::AllowedSubgraphs});
        if (*nested == 0) {
            notes.push_back({MessageKind::Warning, compose(ctx_.shell, Text{340}, ".")});
            in_.decomposition = false;
        } else {
            if (*a == 0)
                return refuse(compose(ctx_.shell, Text{254}, "."), {WizardControl::AllowedSubgraphs}, notes);
            if (*nested<kMaxAllowedSubgraphs&& * a> * nested)
                return refuse(compose(ctx_.shell, Text{250}, " (= ", *nested, ")."),
                              {WizardControl::AllowedSubgraphs}, notes);
            if (*nested >= kMaxAllowedSubgraphs && *a > kMaxAllowedSubgraphs)
                return refuse(compose(ctx_.shell, Text{249}, " (> 100)."), {WizardControl::AllowedSubgraphs},
                              notes);
            auto q = box_count(in_.quantSteps);
            if (!q)
                return refuse(compose(ctx_.shell, Text{225}, "."), {WizardControl::QuantSteps}, notes);
            if (*q < kMinQuantSteps || *q > kMaxQuantSteps)
                return refuse(compose(ctx_.shell, Text{246}, " (< 5 ", Text{163}, " > 20)."),
                              {WizardControl::QuantSteps}, notes);
            allowed = *a;
            quantSteps = *q;
            if (in_.automaticNumbering && *nested > kMaxNestedChainsForAutoNumbering) {
                notes.push_back(
                    {MessageKind::Information, compose(ctx_.shell, Text{341}, ". ", Text{343}, ".")});
                in_.automaticNumbering = false;
            }
        }
    }

    // Storing.
    TaskHeader& h = rec_.header;
    const int oldOrdinary = std::max(0, rec_.ordinaryChainCount());
    const int oldNested = std::max(0, rec_.workingNestedChainCount);
    if (resources) {
        h.hasUnavailableResources = 1;
        h.allowedSubgraphCount = 0;
        h.maxQuantSteps = 0;
        h.subgraphCount = 0;
        rec_.workingSubgraphCount = 0;
        h.decompositionMode = 0;
    } else {
        h.hasUnavailableResources = 0;
        h.resourceCategoryCount = 0;
        if (in_.decomposition) {
            h.decompositionMode = 1;
            h.allowedSubgraphCount = allowed;
            h.maxQuantSteps = quantSteps;
            h.subgraphNumbering = in_.automaticNumbering ? 1 : 0;
        } else {
            h.decompositionMode = 0;
            h.allowedSubgraphCount = 0;
            h.maxQuantSteps = 0;
            h.subgraphCount = 0;
            rec_.workingSubgraphCount = 0;
        }
    }
    h.minimisedParam = in_.minimisedParam;
    h.timeUnit = unit_text(time_unit_list(ctx_.shell), in_.timeUnit);
    h.costUnit = unit_text(cost_unit_list(ctx_.shell), in_.costUnit);
    if (*nested == 0) {
        h.decompositionMode = 0;
        h.allowedSubgraphCount = 0;
        h.maxQuantSteps = 0;
    }
    rec_.workingChainCount = h.chainCount = *chains;
    rec_.workingNestedChainCount = h.nestedChainCount = *nested;

    // Preparing the next panels.
    if (resources) {
        // A count typed on step 2a stays (the record gets the counts only when step 3 is passed);
        // otherwise the record's count of the category, if it has one.
        const int categories = *box_count(in_.categoryCount);
        const CellTable typed = std::move(in_.intervalCounts);
        in_.intervalCounts.assign(categories, std::vector<std::string>(2));
        for (int c = 0; c < categories; ++c) {
            in_.intervalCounts[c][0] = std::to_string(c + 1);
            if (c < static_cast<int>(typed.size()) && typed[c].size() > 1 &&
                !trim_blanks(typed[c][1]).empty())
                in_.intervalCounts[c][1] = typed[c][1];
            else if (c < static_cast<int>(rec_.resourceIntervals.size()))
                in_.intervalCounts[c][1] = std::to_string(rec_.resourceIntervals[c].size());
        }
    }
    const bool sizeDiffers = static_cast<int>(rec_.chains.size()) != *chains;
    if (!rec_.chains.empty() && (chainCountsEdited_ || sizeDiffers))
        relayout_chains(oldOrdinary, oldNested, *chains - *nested, *nested);
    prepare_chain_grid();
    varStepChain_ = 0;
    varStepOperation_ = 0;

    if (resources)
        return enter(WizardStep::IntervalCounts, {WizardControl::IntervalCountGrid}, std::move(notes));
    return enter(WizardStep::Chains, {chain_grid()}, std::move(notes));
}

// New chain i < O' takes old ordinary chain i, new chain O' + k old nested chain k; the rest are new
// empty chains, and chains beyond the new counts are dropped. A chain keeps everything it holds
// (name, operations, variants, coordinates, subgraph number): all of it follows the chain.
void Wizard::relayout_chains(int oldOrdinary, int oldNested, int newOrdinary, int newNested) {
    std::vector<ChainRec> old = std::move(rec_.chains);
    oldOrdinary = std::min<int>(oldOrdinary, static_cast<int>(old.size()));
    oldNested = std::min<int>(oldNested, static_cast<int>(old.size()) - oldOrdinary);
    rec_.chains.clear();
    for (int i = 0; i < newOrdinary; ++i)
        rec_.chains.push_back(i < oldOrdinary ? std::move(old[i]) : new_empty_chain());
    for (int k = 0; k < newNested; ++k)
        rec_.chains.push_back(k < oldNested ? std::move(old[oldOrdinary + k]) : new_empty_chain());
}

void Wizard::prepare_chain_grid() {
    const int total = rec_.workingChainCount;
    const int ordinary = rec_.ordinaryChainCount();
    const bool nestedGrid = has_nested_chains();
    const bool manual = manual_subgraph_numbers();
    in_.chains.assign(total, std::vector<std::string>(nestedGrid ? 8 : 3));
    for (int r = 0; r < total; ++r) {
        auto& row = in_.chains[r];
        row[0] = std::to_string(r + 1);
        if (nestedGrid && r < ordinary) {
            for (int col = 4; col <= 7; ++col)
                row[col] = " -";
            if (manual)
                row[3] = " -";
        }
        if (r >= static_cast<int>(rec_.chains.size()))
            continue;
        const ChainRec& c = rec_.chains[r];
        row[1] = c.name;
        row[2] = c.opCount == kOpCountUnset ? std::string() : std::to_string(c.opCount);
        if (nestedGrid && r >= ordinary) {
            if (manual && c.subgraphNo > 0)
                row[3] = std::to_string(c.subgraphNo);
            const int coords[] = {c.fromChain, c.fromOp, c.toChain, c.toOp};
            for (int i = 0; i < 4; ++i)
                row[4 + i] = coords[i] > 0 ? std::to_string(coords[i]) : std::string();
        }
    }
    if (rec_.header.criticalConversionMode == 1 || rec_.header.criticalConversionMode == 2)
        in_.conversionMode = rec_.header.criticalConversionMode;
}

} // namespace zep
