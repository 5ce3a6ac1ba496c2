#include "shell/ui/frm_sel_lang.h"

#include "shell/startup.h"
#include "shell/ui/language_memory.h"
#include "shell/ui/notifier.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zep {

TfrmSelLang::TfrmSelLang(QWidget* parent, Workspace workspace, Notifier& notifier, LanguageDialogCalls calls)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      workspace_(std::move(workspace)), notifier_(notifier), calls_(std::move(calls)) {
    setObjectName(QStringLiteral("TfrmSelLang"));
    setWindowTitle(QStringLiteral("Selection of program interface language"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select a language of your program:"), this));
    List_ = new QComboBox(this);
    List_->setObjectName(QStringLiteral("List"));
    layout->addWidget(List_);
    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    layout->addWidget(btnOK_, 0, Qt::AlignHCenter);
    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });

    for (const std::string& name : shell_display_names(find_shell_files(workspace_)))
        List_->addItem(QString::fromStdString(name));
    List_->setCurrentIndex(-1);
    // Offered first: the language chosen at the last start, else the user's locale's.
    QStringList names;
    for (int i = 0; i < List_->count(); ++i)
        names.push_back(List_->itemText(i));
    List_->setCurrentIndex(first_offered_language(names, last_chosen_language(), QLocale::system()));
    // The dialog stays enabled although its parent, the main window, is disabled until the choice.
    setEnabled(true);
}

void TfrmSelLang::btnOKClick() {
    if (List_->currentIndex() < 0) {
        notifier_.warning(this, QString::fromStdString(no_language_selected_message()));
        List_->setFocus();
        return;
    }
    LanguageChoice choice = resolve_language_choice(workspace_, List_->currentText().toStdString());
    if (!choice) {
        calls_.abort(QString::fromStdString(startup_refusal_text(choice.refusal())));
        return;
    }
    if (!calls_.accept(choice.value()))
        return;
    remember_chosen_language(List_->currentText());
    accepted_ = true;
    hide();
    deleteLater();
}

void TfrmSelLang::closeEvent(QCloseEvent* event) {
    // No title-bar buttons: the dialog closes only through its OK button.
    if (!accepted_ && !calls_.ended())
        event->ignore();
}

} // namespace zep
