#include "views/ui/chart_texts.h"

#include "common/number_text.h"

#include <cmath>

namespace zep {
namespace {

const char* english(ViewText which) {
    switch (which) {
    case ViewText::TableTab:
        return "Table";
    case ViewText::GanttTab:
        return "Gantt chart";
    case ViewText::TimeCostTab:
        return "Time and cost";
    case ViewText::Slack:
        return "Slack";
    case ViewText::Critical:
        return "Critical operation";
    case ViewText::Unavailable:
        return "Resource unavailable";
    case ViewText::Fit:
        return "Fit";
    case ViewText::ComputedVariants:
        return "Computed variants";
    case ViewText::Start:
        return "Start";
    case ViewText::Finish:
        return "Finish";
    case ViewText::Chain:
        return "Chain";
    case ViewText::Operation:
        return "Operation";
    case ViewText::ShownVariant:
        return "Shown variant";
    case ViewText::ExportWritten:
        return "The workbook is written to the file";
    }
    return "";
}

} // namespace

QString chart_text(const ShellTables& shell, ViewText which) {
    const std::string& t = shell.text(static_cast<int>(which));
    return t.empty() ? QString::fromLatin1(english(which)) : QString::fromStdString(t);
}

double axis_step(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * power >= least)
            return m * power;
    return 10 * power;
}

QString chart_number(double value, char separator, int digits) {
    std::string s = format_fixed(value, digits, separator);
    // 12,50 -> 12,5; 3,00 -> 3
    if (s.find(separator) != std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (!s.empty() && s.back() == separator)
            s.pop_back();
    }
    return QString::fromStdString(s);
}

} // namespace zep
