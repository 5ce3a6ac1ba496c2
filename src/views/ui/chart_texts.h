#pragma once
// Captions of the solution view's charts, from the shell (a shell made before the charts existed lacks
// them: then the English caption stands).
#include "shell/shell_file.h"

#include <QString>

namespace zep {

enum class ChartText {
    TableTab = 527,
    GanttTab = 528,
    TimeCostTab = 529,
    Slack = 530,
    Critical = 531,
    Unavailable = 532,
    Fit = 533,
    ComputedVariants = 534,
    Start = 535,
    Finish = 536,
    Chain = 537,
    Operation = 538,
    ShownVariant = 539,
};

QString chart_text(const ShellTables& shell, ChartText which);

// A number as the charts show it: at most `digits` decimals, the user's separator.
QString chart_number(double value, char separator, int digits = 2);

} // namespace zep
