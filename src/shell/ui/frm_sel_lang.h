#pragma once
// The language selection dialog, shown at start-up when Shells holds several shell files. Its texts are
// fixed English texts: no shell is loaded yet.
#include <QDialog>

class QComboBox;
class QPushButton;

namespace zep {

class TfrmMain;

class TfrmSelLang : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelLang(TfrmMain& main);

    QComboBox* list() const { return List_; }
    QPushButton* okButton() const { return btnOK_; }
    void btnOKClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    TfrmMain& main_;
    QComboBox* List_;
    QPushButton* btnOK_;
    bool accepted_ = false;
};

} // namespace zep
