// Captions of the wizard that depend on the task: the window sets them from these after the step
// that decides them has passed.
#include "common/task_texts.h"
#include "task/typed_number.h"
#include "wizard/wizard.h"
#include "wizard/wizard_text.h"

#include <algorithm>

namespace zep {
namespace {

int index_of(const std::vector<std::string>& list, const std::string& item) {
    auto it = std::find(list.begin(), list.end(), std::string(trim_blanks(item)));
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

std::string with_unit(const std::string& caption, const std::string& unit) {
    return caption + " (" + unit + ")";
}

} // namespace

WizardCaptions Wizard::captions() const {
    const ShellTables& t = ctx_.shell;
    const TaskHeader& h = rec_.header;
    WizardCaptions c;
    c.intervalStart = with_unit(task_text(t, TaskText::IntervalStart), h.timeUnit);
    c.intervalEnd = with_unit(task_text(t, TaskText::IntervalEnd), h.timeUnit);
    c.variantTime = with_unit(
        task_text(t, has_resources() ? TaskText::NetExecutionTime : TaskText::ExecutionTime), h.timeUnit);
    c.variantCost = with_unit(task_text(t, TaskText::ExecutionCost), h.costUnit);
    c.timeBound = wizard_text(t, WizardText::MinimalAndMaximalValues) + " (" + h.timeUnit + "):";
    c.costBound = wizard_text(t, WizardText::MinimalAndMaximalValues) + " (" + h.costUnit + "):";

    // The unit of the tact: that of the discretised parameter, named by a word of its own.
    std::string unit;
    if (discretised_parameter(rec_) == DiscretisedParam::Cost) {
        c.discretised = wizard_text(t, WizardText::EnterCostTact) + " (>=0,01):";
        const TaskText words[] = {TaskText::InHryvnias, TaskText::InDollars, TaskText::InEuros,
                                  TaskText::InRoubles};
        const int i = index_of(cost_unit_list(t), h.costUnit);
        if (i >= 0)
            unit = task_text(t, words[i]);
    } else {
        c.discretised = wizard_text(t, WizardText::EnterTimeTact) + " (>=0,01):";
        const TaskText words[] = {TaskText::InDays, TaskText::InHours};
        const int i = index_of(time_unit_list(t), h.timeUnit);
        if (i >= 0)
            unit = task_text(t, words[i]);
    }
    c.tact = unit.empty() ? wizard_text(t, WizardText::DiscretisationTact) + " , " +
                                wizard_text(t, WizardText::RoundingStep)
                          : wizard_text(t, WizardText::DiscretisationTact) + " " + unit + ", " +
                                wizard_text(t, WizardText::RoundingStep);
    c.tactLabel =
        unit.empty() ? task_text(t, TaskText::Tact) + " -" : task_text(t, TaskText::Tact) + " " + unit + " -";

    const bool single = rec_.workingChainCount == 1;
    const bool timeMinimised = minimised_parameter(h) == MinimisedParam::Time;
    c.thresholdList = timeMinimised ? with_unit(wizard_text(t, single ? WizardText::ChainCostThresholds
                                                                      : WizardText::GraphCostThresholds),
                                                h.costUnit)
                                    : with_unit(wizard_text(t, single ? WizardText::ChainTimeThresholds
                                                                      : WizardText::GraphTimeThresholds),
                                                h.timeUnit);
    c.costThreshold = wizard_text(t, WizardText::GraphCostThreshold) + " (" + h.costUnit + "):";
    c.minimised = task_text(t, timeMinimised ? TaskText::Time : TaskText::Cost);
    c.resources = wizard_text(t, has_resources() ? WizardText::Yes : WizardText::No);
    return c;
}

} // namespace zep
