#include "exact/report_text.h"

#include "common/number_text.h"

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
    auto amount = [&](double v, const std::string& unit) { return shown_number(v, separator) + " " + unit; };
    std::vector<std::string> lines;
    std::string exact = text(ExactText::Button) + ": ";
    if (r.exact.feasible)
        exact += amount(r.exact.value, u.value) + " (" +
                 (r.exact.proven ? text(ExactText::Proven)
                                 : text(ExactText::NotProven) + "; " + text(ExactText::Bound) + " " +
                                       amount(r.exact.bound, u.value)) +
                 ")";
    else
        exact += text(ExactText::NoPlan) + (r.exact.proven ? "" : " (" + text(ExactText::NotProven) + ")");
    lines.push_back(exact);
    std::string method = text(ExactText::Method) + ": ";
    if (r.method.present) {
        method += amount(r.method.value, u.value);
        if (r.gap)
            method += "; " + text(ExactText::Gap) + " " + shown_number(*r.gap, separator) + " %";
    } else {
        method += text(ExactText::NoMethodPlan);
    }
    lines.push_back(method);
    if (r.method.present)
        lines.push_back(
            text(r.method.withinThreshold ? ExactText::WithinThreshold : ExactText::BeyondThreshold) + " (" +
            amount(r.threshold, u.threshold) + ")");
    return lines;
}

} // namespace zep::exact
