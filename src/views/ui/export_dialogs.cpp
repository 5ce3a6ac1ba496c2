#include "views/ui/export_dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>

namespace zep {

ExportDialogs desktop_export_dialogs() {
    ExportDialogs d;
    d.chooseFile = [](QWidget* parent, const QString& suggested) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        return QFileDialog::getSaveFileName(parent, QString(), QDir(folder).filePath(suggested),
                                            QStringLiteral("Excel (*.xlsx)"));
    };
    d.openFile = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    return d;
}

} // namespace zep
