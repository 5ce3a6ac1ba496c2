#include "wizard/refusal_texts.h"

#include <cstdio>

namespace zep {
namespace {

std::string num(int n) {
    return std::to_string(n);
}

// A value as a whole number, however large a refused estimate is.
std::string whole_number(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", value);
    return buf;
}

// "<text 162> <chain>. <text 329>." — the tail every grid message ends with.
std::string where_tail(const ShellTables& shell, int chainNo) {
    return shell.text(162) + " " + num(chainNo) + ". " + shell.text(329) + ".";
}

std::string operation_row_text(const ShellTables& shell, int lead, int what, const TaskRefusalValue& r) {
    return shell.text(lead) + " \"" + shell.text(what) + "\" " + shell.text(20) + " " + num(r.row + 1) + " " +
           where_tail(shell, r.chainNo);
}

std::string variant_row_text(const ShellTables& shell, int lead, const TaskRefusalValue& r) {
    return shell.text(lead) + " " + num(r.variantNo) + " " + shell.text(387) + " " + num(r.opNo) + " " +
           where_tail(shell, r.chainNo);
}

} // namespace

std::string task_refusal_text(const ShellTables& shell, const TaskRefusalValue& r) {
    switch (r.kind) {
    case TaskRefusal::BlankOperationName:
        return operation_row_text(shell, 313, 214, r);
    case TaskRefusal::BlankVariantCount:
        return operation_row_text(shell, 313, 474, r);
    case TaskRefusal::VariantCountNotWhole:
        return operation_row_text(shell, 268, 474, r);
    case TaskRefusal::VariantCountOutOfRange:
        return shell.text(252) + " " + num(r.row + 1) + " " + where_tail(shell, r.chainNo);
    case TaskRefusal::BlankEssence:
        return variant_row_text(shell, 236, r);
    case TaskRefusal::CellNotANumber:
        return variant_row_text(shell, 235, r);
    case TaskRefusal::UnboundedOperation:
        return shell.text(273) + " " + num(r.opNo) + " " + shell.text(31) + " " + num(r.chainNo) + ".";
    case TaskRefusal::TooManyPhaseStates:
        return shell.text(416) + " " + whole_number(r.value) + ", " + shell.text(345) + " (" +
               whole_number(r.limit) + " " + shell.text(110) + "). " + shell.text(450) + ".";
    case TaskRefusal::TooFewSubgraphsAllowed:
        return shell.text(489) + " " + whole_number(r.value) + ". " + shell.text(448) + " \"... (" +
               shell.text(485) + " 2 " + shell.text(159) + " 8)\".";
    case TaskRefusal::NoNumbering:
        return shell.text(496) + ". " + shell.text(329) + ".";
    }
    return {};
}

std::string conversion_notice(const ShellTables& shell, int count) {
    if (count <= 0)
        return {};
    if (count == 1)
        return shell.text(30) + ", " + shell.text(17) + ".";
    return shell.text(29) + " " + std::to_string(count) + " " + shell.text(298) + " " + shell.text(18) + ".";
}

} // namespace zep
