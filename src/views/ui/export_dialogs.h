#pragma once
// What the export command of the views asks of the desktop: the file to write (a save dialog) and
// opening the written workbook in the desktop's spreadsheet application. Tests put their own in.
#include <QString>
#include <functional>

class QWidget;

namespace zep {

struct ExportDialogs {
    // The file chosen for `suggested` (a file name in the user's documents folder); empty: cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> chooseFile;
    // Opens the written file; false when no application opens it.
    std::function<bool(const QString& path)> openFile;
};

// The save dialog and QDesktopServices.
ExportDialogs desktop_export_dialogs();

} // namespace zep
