// Steps 1 and 2: task code and name, general parameters of the graph.
#include "common/utf8.h"
#include "task/typed_number.h"
#include "wizard/key_filters.h"
#include "wizard/message_text.h"
#include "wizard/wizard.h"

#include <algorithm>
#include <optional>

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

// A refused box of step 2: why, and the box to show.
struct BoxRefusal {
    std::string message;
    WizardControl box;
};

// The counts step 2 takes: chains and nested chains, and with a decomposition the admissible number
// of subgraphs and of quantisation steps (0 without one).
struct GeneralCounts {
    int chains = 0;
    int nested = 0;
    int allowed = 0;
    int quantSteps = 0;
};

// The texts that refuse a count box that must hold 1 to 10: not a count, zero, more than 10.
struct CountBoxTexts {
    WizardText notCount, zero, tooMany;
};

// The count in `text` when it is 1 to `max` (10), else the refusal of `box`.
std::optional<BoxRefusal> read_count_box(const std::string& text, int max, CountBoxTexts texts,
                                         WizardControl box, const ShellTables& shell, int& count) {
    auto n = box_count(text);
    if (!n)
        return BoxRefusal{compose(shell, texts.notCount, "."), box};
    if (*n == 0)
        return BoxRefusal{compose(shell, texts.zero, "."), box};
    if (*n > max)
        return BoxRefusal{compose(shell, texts.tooMany, " (> 10 ", WizardText::InThisVersion, ")."), box};
    count = *n;
    return std::nullopt;
}

std::optional<BoxRefusal> read_chain_counts(const WizardInputs& in, GeneralCounts& counts,
                                            const ShellTables& shell) {
    int chains = 0;
    if (auto refusal = read_count_box(
            in.chainCount, kMaxChains,
            {WizardText::EnterChainCount, WizardText::ChainCountZero, WizardText::TooManyChains},
            WizardControl::ChainCount, shell, chains))
        return refusal;
    auto nested = box_count(in.nestedChainCount);
    if (!nested)
        return BoxRefusal{compose(shell, WizardText::EnterNestedCount, "."), WizardControl::NestedChainCount};
    if (*nested >= chains)
        return BoxRefusal{compose(shell, WizardText::NestedNotFewerThanChains, "."),
                          WizardControl::NestedChainCount};
    counts.chains = chains;
    counts.nested = *nested;
    return std::nullopt;
}

std::optional<BoxRefusal> check_category_count(const WizardInputs& in, const ShellTables& shell) {
    int categories = 0;
    return read_count_box(
        in.categoryCount, kMaxResourceCategories,
        {WizardText::EnterCategoryCount, WizardText::CategoryCountZero, WizardText::TooManyCategories},
        WizardControl::CategoryCount, shell, categories);
}

// The decomposition boxes. A graph without nested chains has nothing to decompose: the decomposition
// is switched off with a warning; an automatic numbering of more nested chains than it can number
// becomes a manual one, said in a note.
std::optional<BoxRefusal> read_decomposition(WizardInputs& in, GeneralCounts& counts,
                                             std::vector<WizardMessage>& notes, const ShellTables& shell) {
    auto a = box_count(in.allowedSubgraphs);
    if (!a)
        return BoxRefusal{compose(shell, WizardText::EnterAllowedSubgraphs, "."),
                          WizardControl::AllowedSubgraphs};
    const int nested = counts.nested;
    if (nested == 0) {
        notes.push_back(
            {MessageKind::Warning, compose(shell, WizardText::NoNestedChainsNoDecomposition, ".")});
        in.decomposition = false;
        return std::nullopt;
    }
    if (*a == 0)
        return BoxRefusal{compose(shell, WizardText::AllowedSubgraphsZero, "."),
                          WizardControl::AllowedSubgraphs};
    const bool fewNested = nested < kMaxAllowedSubgraphs;
    if (fewNested && *a > nested)
        return BoxRefusal{compose(shell, WizardText::AllowedSubgraphsOverNested, " (= ", nested, ")."),
                          WizardControl::AllowedSubgraphs};
    if (!fewNested && *a > kMaxAllowedSubgraphs)
        return BoxRefusal{compose(shell, WizardText::AllowedSubgraphsTooLarge, " (> 100)."),
                          WizardControl::AllowedSubgraphs};
    auto q = box_count(in.quantSteps);
    if (!q)
        return BoxRefusal{compose(shell, WizardText::EnterQuantSteps, "."), WizardControl::QuantSteps};
    if (*q < kMinQuantSteps || *q > kMaxQuantSteps)
        return BoxRefusal{compose(shell, WizardText::QuantStepsInvalid, " (< 5 ", WizardText::Or, " > 20)."),
                          WizardControl::QuantSteps};
    counts.allowed = *a;
    counts.quantSteps = *q;
    if (in.automaticNumbering && nested > kMaxNestedChainsForAutoNumbering) {
        notes.push_back({MessageKind::Information, compose(shell, WizardText::AutomaticNumberingLimit, ". ",
                                                           WizardText::ManualNumberingUsed, ".")});
        in.automaticNumbering = false;
    }
    return std::nullopt;
}

// Stores what step 2 took: either unavailable resources or a decomposition (or neither), the
// minimised parameter, the units and the chain counts.
void store_general_parameters(TaskRecord& rec, const WizardInputs& in, bool resources,
                              const GeneralCounts& counts, const ShellTables& shell) {
    TaskHeader& h = rec.header;
    if (resources) {
        h.hasUnavailableResources = 1;
        h.allowedSubgraphCount = 0;
        h.maxQuantSteps = 0;
        h.subgraphCount = 0;
        rec.workingSubgraphCount = 0;
        h.decompositionMode = 0;
    } else {
        h.hasUnavailableResources = 0;
        h.resourceCategoryCount = 0;
        if (in.decomposition) {
            h.decompositionMode = 1;
            h.allowedSubgraphCount = counts.allowed;
            h.maxQuantSteps = counts.quantSteps;
            h.subgraphNumbering = in.automaticNumbering ? 1 : 0;
        } else {
            h.decompositionMode = 0;
            h.allowedSubgraphCount = 0;
            h.maxQuantSteps = 0;
            h.subgraphCount = 0;
            rec.workingSubgraphCount = 0;
        }
    }
    h.minimisedParam = in.minimisedParam;
    h.timeUnit = unit_text(time_unit_list(shell), in.timeUnit);
    h.costUnit = unit_text(cost_unit_list(shell), in.costUnit);
    if (counts.nested == 0) {
        h.decompositionMode = 0;
        h.allowedSubgraphCount = 0;
        h.maxQuantSteps = 0;
    }
    rec.workingChainCount = h.chainCount = counts.chains;
    rec.workingNestedChainCount = h.nestedChainCount = counts.nested;
}

// The rows of step 2a, one per category. A count typed on step 2a stays (the record gets the counts
// only when step 3 is passed); otherwise the record's count of the category, if it has one.
void prepare_interval_counts(WizardInputs& in, const TaskRecord& rec) {
    const int categories = *box_count(in.categoryCount);
    const CellTable typed = std::move(in.intervalCounts);
    in.intervalCounts.assign(categories, std::vector<std::string>(2));
    for (int c = 0; c < categories; ++c) {
        in.intervalCounts[c][0] = std::to_string(c + 1);
        if (c < static_cast<int>(typed.size()) && typed[c].size() > 1 && !trim_blanks(typed[c][1]).empty())
            in.intervalCounts[c][1] = typed[c][1];
        else if (c < static_cast<int>(rec.resourceIntervals.size()))
            in.intervalCounts[c][1] = std::to_string(rec.resourceIntervals[c].size());
    }
}
} // namespace

void Wizard::choose_minimised(int param) {
    in_.minimisedParam = param == 1 ? 1 : 0;
    if (minimised_parameter(in_) == MinimisedParam::Time)
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
    const bool cost = minimised_parameter(in_) == MinimisedParam::Cost;
    const bool resources = cost && in_.hasResources;
    v.resourceQuestion = cost;
    v.categoryCount = resources;
    v.decompositionGroup = !resources;
    v.decompositionParams = !resources && in_.decomposition;
    return v;
}

void Wizard::fill_general_boxes_from_record() {
    const TaskHeader& h = rec_.header;
    in_.minimisedParam = static_cast<int>(minimised_parameter(h));
    in_.decomposition = h.decompositionMode != 0;
    in_.chainCount = std::to_string(rec_.workingChainCount);
    in_.nestedChainCount = std::to_string(rec_.workingNestedChainCount);
    in_.categoryCount = std::to_string(h.resourceCategoryCount);
    in_.allowedSubgraphs = std::to_string(h.allowedSubgraphCount);
    in_.quantSteps = std::to_string(h.maxQuantSteps);
    in_.costUnit = unit_index(cost_unit_list(ctx_.shell), h.costUnit);
    in_.timeUnit = unit_index(time_unit_list(ctx_.shell), h.timeUnit);
    const RoundingType rounding = rounding_type(h);
    in_.roundingType = rounding == RoundingType::ByMean ? 0 : rounding == RoundingType::ByMinimum ? 1 : 2;
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
    in_.hasResources = rec_.header.has_unavailable_resources();

    if (!is_code_text(in_.code, ctx_.separator))
        return refuse(compose(ctx_.shell, WizardText::CodeNotSixCharacters, "."), {WizardControl::Code});
    if (trim_blanks(in_.name).empty())
        return refuse(compose(ctx_.shell, WizardText::NameMissing, "."), {WizardControl::Name});
    if (mode_ != EntryMode::CorrectTask && ctx_.taskRegister && ctx_.taskRegister->get().find(in_.code))
        return refuse(compose(ctx_.shell, WizardText::CodeAlreadyRegistered, "."), {WizardControl::Code});

    rec_.header.taskCode = in_.code;
    rec_.header.taskName = utf8_prefix(in_.name, kTaskNameCapacity);
    if (mode_ == EntryMode::CorrectTask || (mode_ == EntryMode::ImportTask && importDone_)) {
        fill_general_boxes_from_record();
    } else if (!generalStepEntered_) {
        // A new task starts empty. Passing step 1 again later keeps what the later steps hold: going
        // back to correct the name must not throw away the chains, operations and variants entered.
        reset_general_boxes();
    }
    in_.hasResources =
        minimised_parameter(in_) == MinimisedParam::Cost && rec_.header.has_unavailable_resources();

    generalStepEntered_ = true;
    prevEnabled_ = true;
    chainCountsEdited_ = false;
    return enter(WizardStep::General, {WizardControl::ChainCount});
}

StepOutcome Wizard::check_general_step() {
    std::vector<WizardMessage> notes;
    GeneralCounts counts;
    const bool resources = minimised_parameter(in_) == MinimisedParam::Cost && in_.hasResources;
    std::optional<BoxRefusal> refusal = read_chain_counts(in_, counts, ctx_.shell);
    if (!refusal && resources)
        refusal = check_category_count(in_, ctx_.shell);
    if (!refusal && !resources && in_.decomposition)
        refusal = read_decomposition(in_, counts, notes, ctx_.shell);
    if (refusal)
        return refuse(refusal->message, {refusal->box}, notes);

    const int oldOrdinary = std::max(0, rec_.ordinaryChainCount());
    const int oldNested = std::max(0, rec_.workingNestedChainCount);
    store_general_parameters(rec_, in_, resources, counts, ctx_.shell);

    // Preparing the next panels.
    if (resources)
        prepare_interval_counts(in_, rec_);
    const bool sizeDiffers = static_cast<int>(rec_.chains.size()) != counts.chains;
    if (!rec_.chains.empty() && (chainCountsEdited_ || sizeDiffers))
        relayout_chains(oldOrdinary, oldNested, counts.chains - counts.nested, counts.nested);
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
    if (critical_conversion_mode(rec_.header) != CriticalConversion::NotSet)
        in_.conversionMode = rec_.header.criticalConversionMode;
}

} // namespace zep
