// Captions of the wizard that depend on the task: the window sets them from these after the step
// that decides them has passed.
#include "task/typed_number.h"
#include "wizard/wizard.h"

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
    c.intervalStart = with_unit(t.text(211), h.timeUnit);
    c.intervalEnd = with_unit(t.text(209), h.timeUnit);
    c.variantTime = with_unit(t.text(has_resources() ? 483 : 64), h.timeUnit);
    c.variantCost = with_unit(t.text(434), h.costUnit);
    c.timeBound = t.text(81) + " (" + h.timeUnit + "):";
    c.costBound = t.text(81) + " (" + h.costUnit + "):";

    // The unit of the tact: that of the discretised parameter, named by a word of its own.
    std::string unit;
    if (discretised_parameter(rec_) == DiscretisedParam::Cost) {
        c.discretised = t.text(431) + " (>=0,01):";
        const int words[] = {21, 23, 24, 28};
        const int i = index_of(cost_unit_list(t), h.costUnit);
        if (i >= 0)
            unit = t.text(words[i]);
    } else {
        c.discretised = t.text(494) + " (>=0,01):";
        const int words[] = {22, 32};
        const int i = index_of(time_unit_list(t), h.timeUnit);
        if (i >= 0)
            unit = t.text(words[i]);
    }
    c.tact = unit.empty() ? t.text(40) + " , " + t.text(348) : t.text(40) + " " + unit + ", " + t.text(348);
    c.tactLabel = unit.empty() ? t.text(106) + " -" : t.text(106) + " " + unit + " -";

    const bool single = rec_.workingChainCount == 1;
    c.thresholdList = minimised_parameter(h) == MinimisedParam::Time
                          ? with_unit(t.text(single ? 430 : 429), h.costUnit)
                          : with_unit(t.text(single ? 61 : 60), h.timeUnit);
    c.costThreshold = t.text(46) + " (" + h.costUnit + "):";
    c.minimised = t.text(minimised_parameter(h) == MinimisedParam::Time ? 62 : 432);
    c.resources = t.text(has_resources() ? 495 : 272);
    return c;
}

} // namespace zep
