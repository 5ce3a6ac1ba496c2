#pragma once
// `TfrmHelp`: one of three help pages chosen by the open mode (about the system, about the
// optimisation object, about the developers), its texts from the shell's lists laid over its picture.
// A fixed-size window centred on the main window, which it keeps disabled while it is open.
#include "shell/ui/frm_main.h"

#include <QWidget>

class QLabel;

namespace zep {

class TfrmHelp : public QWidget {
    Q_OBJECT
public:
    // Opens the page of the open mode (page 1 when none is set).
    static TfrmHelp* open(TfrmMain& main);

    TfrmHelp(TfrmMain& main, HelpPage page);

    HelpPage page() const { return page_; }
    QLabel* label(const char* name) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* panel(const char* name, int picture);
    QLabel* text_label(QWidget* panel, const char* name, const QString& text);
    void show_about_system();
    void show_about_object();
    void show_about_developers();
    void add_close_button();

    TfrmMain& main_;
    HelpPage page_;
};

} // namespace zep
