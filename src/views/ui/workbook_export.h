#pragma once
// The export command's run in a window: the save dialog, the workbook written, then opened in the
// desktop's spreadsheet application. A failure shows text 314 and "..." and changes nothing else; no
// application to open the workbook is no failure: a note says where the file is.
#include "views/spreadsheet_export.h"
#include "views/ui/export_dialogs.h"

class QWidget;

namespace zep {

class TfrmMain;

// True when the workbook was written.
bool export_workbook(TfrmMain& main, QWidget* parent, const ExportWorkbook& book, const QString& suggested,
                     const ExportDialogs& dialogs);

} // namespace zep
