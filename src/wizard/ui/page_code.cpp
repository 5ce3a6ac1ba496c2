#include "wizard/ui/page_code.h"

#include "wizard/ui/page_parts.h"
#include "wizard/ui/wizard_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zep {

CodePage::CodePage(WizardPageHost& host) : WizardPage("gbWindow_1", PanelHeader::None, host) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    lblShifr_ = new QLabel(content);
    lblName_ = new QLabel(content);
    txtShifr_ = new FilteredBox(WizardBox::Code, separator(), content);
    txtName_ = new FilteredBox(WizardBox::Name, separator(), content);
    host_.register_control(WizardControl::Code, txtShifr_);
    host_.register_control(WizardControl::Name, txtName_);
    size_box(txtShifr_, 8);
    txtName_->setMinimumWidth(txtName_->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))));
    form->addRow(lblShifr_, txtShifr_);
    form->addRow(lblName_, txtName_);
    layout->addLayout(form);
    layout->addWidget(build_import_group(content));
    layout->addStretch(1);
    set_content(content);
}

// The import of step 1: from another task's file (DAT) or from a workbook (XLS).
QGroupBox* CodePage::build_import_group(QWidget* content) {
    pnlExport_ = new QGroupBox(content);
    pnlExport_->setObjectName(QStringLiteral("pnlExport"));
    auto* grid = new QGridLayout(pnlExport_);
    RB_1_ = radio("RB_1", pnlExport_);
    RB_2_ = radio("RB_2", pnlExport_);
    RB_1_->setText(QStringLiteral("DAT"));
    RB_2_->setText(QStringLiteral("XLS"));
    Label18_ = named_label("Label18", pnlExport_);
    cbExport_ = new QComboBox(pnlExport_);
    cbExport_->setObjectName(QStringLiteral("cbExport"));
    cbExport_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    btnExport_ = new QPushButton(pnlExport_);
    btnExport_->setObjectName(QStringLiteral("btnExport"));
    StaticText1_ = named_label("StaticText1", pnlExport_);
    staticTask_ = named_label("staticTask", pnlExport_);
    Button1_ = new QPushButton(pnlExport_);
    Button1_->setObjectName(QStringLiteral("Button1"));
    Label_ex1_ = named_label("Label_ex1", pnlExport_);
    Label_ex2_ = named_label("Label_ex2", pnlExport_);
    grid->addWidget(RB_1_, 0, 0);
    grid->addWidget(Label18_, 0, 1);
    grid->addWidget(cbExport_, 0, 2);
    grid->addWidget(btnExport_, 0, 3);
    grid->addWidget(StaticText1_, 1, 1);
    grid->addWidget(staticTask_, 1, 2, 1, 2);
    grid->addWidget(RB_2_, 2, 0);
    grid->addWidget(Button1_, 2, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(Label_ex1_, 3, 1);
    grid->addWidget(Label_ex2_, 3, 2, 1, 2);
    grid->setColumnStretch(4, 1);

    // Tab in reading order: each source with its own controls.
    QWidget::setTabOrder(RB_1_, cbExport_);
    QWidget::setTabOrder(cbExport_, btnExport_);
    QWidget::setTabOrder(btnExport_, RB_2_);
    QWidget::setTabOrder(RB_2_, Button1_);
    for (const std::string& item : model().import_list())
        cbExport_->addItem(qt_text(item));
    auto* sources = new QButtonGroup(pnlExport_);
    sources->addButton(RB_1_);
    sources->addButton(RB_2_);
    connect(RB_1_, &QRadioButton::clicked, this, [this] { source_chosen(); });
    connect(RB_2_, &QRadioButton::clicked, this, [this] { source_chosen(); });
    connect(btnExport_, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(Button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    return pnlExport_;
}

bool CodePage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Code;
}

void CodePage::apply_captions() {
    lblShifr_->setText(text(TaskText::TaskCode) + QStringLiteral(":"));
    lblName_->setText(text(TaskText::TaskName) + QStringLiteral(":"));
    pnlExport_->setTitle(text(ShellText::ImportNewTask));
    Label18_->setText(text(WizardText::Tasks) + QStringLiteral(":"));
    btnExport_->setText(text(WizardText::Import));
    StaticText1_->setText(text(WizardText::ChosenTask));
    Button1_->setText(text(WizardText::ImportWorkbook) + QStringLiteral(" (*.xlsx, *.ods, *.xls)"));
    Label_ex1_->setText(text(WizardText::DataImportedFrom) + QStringLiteral(":"));
}

void CodePage::read_controls(WizardInputs& in) {
    in.code = utf8_text(txtShifr_->text());
    in.name = utf8_text(txtName_->text());
    in.importSource = RB_2_->isChecked() ? ImportSource::Workbook : ImportSource::TaskFile;
}

void CodePage::show_model() {
    const WizardInputs& in = model().inputs();
    set_box_text(txtShifr_, in.code);
    set_box_text(txtName_, in.name);
    txtShifr_->setEnabled(model().entry_mode() != EntryMode::CorrectTask);
    pnlExport_->setVisible(model().entry_mode() == EntryMode::ImportTask);
    const bool taskFile = in.importSource == ImportSource::TaskFile;
    RB_1_->setChecked(taskFile);
    RB_2_->setChecked(!taskFile);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cbExport_, btnExport_, Label18_, staticTask_, StaticText1_})
        w->setEnabled(taskFile);
    for (QWidget* w : std::initializer_list<QWidget*>{Button1_, Label_ex1_, Label_ex2_})
        w->setEnabled(!taskFile);
    if (taskFile || !model().import_done())
        staticTask_->setText(qt_text(model().import_label()));
    Label_ex2_->setText(workbookName_);
    Label_ex1_->setVisible(!workbookName_.isEmpty());
}

// The source's controls are enabled as the model says.
void CodePage::source_chosen() {
    if (host_.syncing())
        return;
    host_.read_controls();
    host_.show_model();
}

void CodePage::btnExportClick() {
    host_.read_controls();
    const ImportOutcome out = model().import_task_file(cbExport_->currentIndex());
    workbookName_.clear();
    host_.show_model();
    if (!out.ok)
        host_.notifier().warning(window(), qt_text(out.message));
}

void CodePage::Button1Click() {
    host_.read_controls();
    const QString path = host_.choose_workbook();
    if (path.isEmpty()) {
        model().cancel_workbook_import();
        host_.show_model();
        return;
    }
    const ImportOutcome out = model().import_workbook(path.toStdString());
    if (out.ok)
        workbookName_ = QFileInfo(path).fileName();
    host_.show_model();
    if (!out.ok)
        host_.notifier().warning(window(), qt_text(out.message));
}

} // namespace zep
