#include "exact/report_text.h"

#include "common/number_text.h"
#include "optimiser/unit_keys.h"

namespace zep::exact {
namespace {

const char* english(ExactText which) {
    switch (which) {
    case ExactText::Button:
        return "Exact optimum";
    case ExactText::Proven:
        return "proven";
    case ExactText::NotProven:
        return "not proven";
    case ExactText::Bound:
        return "bound";
    case ExactText::Method:
        return "Method";
    case ExactText::Gap:
        return "gap";
    case ExactText::WithinThreshold:
        return "The method's plan keeps within the threshold";
    case ExactText::BeyondThreshold:
        return "The method's plan does not keep within the threshold";
    case ExactText::NoPlan:
        return "no plan keeps within the threshold";
    case ExactText::NoMethodPlan:
        return "the run gave no plan";
    case ExactText::Curve:
        return "Exact curve";
    case ExactText::Unavailable:
        return "The exact optimum is not computed for a task with unavailable resources or with nested "
               "chains that close a cycle";
    case ExactText::Computing:
        return "Computing the exact optimum";
    case ExactText::Stop:
        return "Stop";
    case ExactText::Stopped:
        return "The search for the exact optimum was stopped";
    }
    return "";
}

// At most `digits` decimals, trailing zeros dropped: 12.50 -> 12.5, 3.00 -> 3.
std::string shown_number(double value, char separator, int digits = 2) {
    std::string s = format_fixed(value, digits, separator);
    if (s.find(separator) != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == separator)
            s.pop_back();
    }
    return s;
}

} // namespace

ReportUnits report_units(const TaskRecord& rec, TaskGoal goal) {
    if (goal == TaskGoal::CostUnderDeadline)
        return {rec.header.timeUnit, rec.header.costUnit};
    return {rec.header.costUnit, rec.header.timeUnit};
}

std::string exact_text(const ShellTables& shell, ExactText which) {
    const std::string& t = shell.text(static_cast<int>(which));
    return t.empty() ? english(which) : t;
}

std::vector<std::string> report_lines(const VariantReport& r, const TaskRecord& rec, TaskGoal goal,
                                      const ShellTables& shell, char separator) {
    const ReportUnits u = report_units(rec, goal);
    auto text = [&](ExactText t) { return exact_text(shell, t); };
    auto number = [&](double v) { return shown_number(v, separator); };
    std::vector<std::string> lines;
    if (r.exact.feasible)
        lines.push_back(in_unit(text(ExactText::Button), u.value) + ": " + number(r.exact.value) + " (" +
                        (r.exact.proven ? text(ExactText::Proven)
                                        : text(ExactText::NotProven) + "; " + text(ExactText::Bound) + " " +
                                              number(r.exact.bound)) +
                        ")");
    else
        lines.push_back(text(ExactText::Button) + ": " + text(ExactText::NoPlan) +
                        (r.exact.proven ? "" : " (" + text(ExactText::NotProven) + ")"));
    if (r.method.present)
        lines.push_back(in_unit(text(ExactText::Method), u.value) + ": " + number(r.method.value) +
                        (r.gap ? "; " + text(ExactText::Gap) + " " + number(*r.gap) + " %" : ""));
    else
        lines.push_back(text(ExactText::Method) + ": " + text(ExactText::NoMethodPlan));
    lines.push_back(threshold_key(rec, shell) + ": " + number(r.threshold));
    if (r.method.present)
        lines.push_back(
            text(r.method.withinThreshold ? ExactText::WithinThreshold : ExactText::BeyondThreshold));
    return lines;
}

} // namespace zep::exact
