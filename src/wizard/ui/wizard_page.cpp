#include "wizard/ui/wizard_page.h"

#include "wizard/ui/task_header.h"
#include "wizard/ui/wizard_widgets.h"

#include <QVBoxLayout>

namespace zep {

WizardPage::WizardPage(const char* name, PanelHeader header, WizardPageHost& host) : host_(host) {
    setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    if (header == PanelHeader::Task) {
        header_ = new TaskHeaderPanel(QLatin1String(name).mid(QStringLiteral("gbWindow_").size()), this);
        layout->addWidget(header_);
    }
}

void WizardPage::set_content(QWidget* content) {
    static_cast<QVBoxLayout*>(layout())->addWidget(content, 1);
}

void WizardPage::apply_header_captions(const QStringList& captions) {
    if (header_)
        header_->set_captions(captions);
}

void WizardPage::show_header(const HeaderValues& values, bool parametersShown) {
    if (header_)
        header_->set_values(values, parametersShown);
}

QString WizardPage::text(WizardText which) const {
    return qt_text(wizard_text(model().context().shell, which));
}

QString WizardPage::text(ShellText which) const {
    return qt_text(shell_text(model().context().shell, which));
}

QString WizardPage::text(TaskText which) const {
    return qt_text(task_text(model().context().shell, which));
}

QString WizardPage::label(int k) const {
    return qt_text(model().context().shell.label(k));
}

} // namespace zep
