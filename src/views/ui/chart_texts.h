#pragma once
// Captions of the solution view's charts and the export's note, from the shell (a shell made before the
// charts existed lacks them: then the English caption stands).
#include "shell/shell_file.h"
#include "views/time_cost_series.h"

#include <QString>

namespace zep {

enum class ChartText {
    TableTab = 530,
    GanttTab = 531,
    TimeCostTab = 532,
    Slack = 533,
    Critical = 534,
    Unavailable = 535,
    Fit = 536,
    ComputedVariants = kComputedVariantsText,
    Start = 538,
    Finish = 539,
    Chain = 540,
    Operation = 541,
    ShownVariant = 542,
    ExportWritten = 559,
};

QString chart_text(const ShellTables& shell, ChartText which);

// The step of a chart axis: the smallest of 1, 2, 2.5, 5 or 10 times a power of ten that is at least
// `least` (a positive number of axis units).
double axis_step(double least);

// A number as the charts show it: at most `digits` decimals, the user's separator.
QString chart_number(double value, char separator, int digits = 2);

} // namespace zep
