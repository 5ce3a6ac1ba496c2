#pragma once
// Captions of the solution view's charts and the export's note, from the shell (a shell made before the
// charts existed lacks them: then the English caption stands).
#include "shell/shell_file.h"
#include "views/time_cost_series.h"
#include "views/view_text.h"

#include <QString>

namespace zep {

QString chart_text(const ShellTables& shell, ViewText which);

// The step of a chart axis: the smallest of 1, 2, 2.5, 5 or 10 times a power of ten that is at least
// `least` (a positive number of axis units).
double axis_step(double least);

// A number as the charts show it: at most `digits` decimals, the user's separator.
QString chart_number(double value, char separator, int digits = 2);

} // namespace zep
