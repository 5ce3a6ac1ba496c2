#pragma once
// The language selection dialog, shown at start-up when Shells holds several shell files. Its texts are
// fixed English texts: no shell is loaded yet.
#include "shell/workspace.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;

namespace zep {

class Notifier;

// What the dialog asks of the window that shows it.
struct LanguageDialogCalls {
    // Loads the chosen shell; false when it did not load and the run ends.
    std::function<bool(const ShellFileRef&)> accept;
    // Ends the run with a message.
    std::function<void(const QString&)> abort;
    // True once the run has ended: only then may the dialog close without a choice.
    std::function<bool()> ended;
};

class TfrmSelLang : public QDialog {
    Q_OBJECT
public:
    // Lists the shells of `workspace`; `parent` stays disabled while the dialog is shown.
    TfrmSelLang(QWidget* parent, Workspace workspace, Notifier& notifier, LanguageDialogCalls calls);

    QComboBox* list() const { return List_; }
    QPushButton* ok_button() const { return btnOK_; }
    void btnOKClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    Workspace workspace_;
    Notifier& notifier_;
    LanguageDialogCalls calls_;
    QComboBox* List_;
    QPushButton* btnOK_;
    bool accepted_ = false;
};

} // namespace zep
