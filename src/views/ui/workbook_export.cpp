#include "views/ui/workbook_export.h"

#include "shell/ui/frm_main.h"
#include "views/ui/chart_texts.h"
#include "views/view_text.h"

#include <QDir>

namespace zep {

bool export_workbook(TfrmMain& main, QWidget* parent, const ExportWorkbook& book, const QString& suggested,
                     const ExportDialogs& dialogs) {
    const QString path = dialogs.chooseFile(parent, suggested);
    if (path.isEmpty())
        return false;
    const SessionState& st = main.state();
    try {
        write_workbook(path.toStdString(), book);
    } catch (const ExportError&) {
        main.notifier().warning(parent, QString::fromStdString(view_text(st.shell, ViewText::ExportFailed)) +
                                            QStringLiteral("..."));
        return false;
    }
    if (!dialogs.openFile(path))
        main.notifier().information(parent, chart_text(st.shell, ViewText::ExportWritten) +
                                                QStringLiteral(" ") + QDir::toNativeSeparators(path));
    return true;
}

} // namespace zep
