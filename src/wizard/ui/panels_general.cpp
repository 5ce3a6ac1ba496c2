// Steps 1, 2, 2a and 2b: the task code and name with the import panel, the general parameters, and the
// availability intervals of the unavailable resources.
#include "wizard/ui/frm_create_task.h"
#include "wizard/ui/task_header.h"
#include "wizard/ui/wizard_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zep {
namespace {

QRadioButton* radio(const char* name, QWidget* parent) {
    auto* b = new QRadioButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* named_label(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// A box that takes at most `chars` characters, sized for them.
void size_box(QLineEdit* box, int chars) {
    const int width = box->fontMetrics().horizontalAdvance(QString(std::max(chars, 4) + 2, QLatin1Char('0')));
    box->setMaximumWidth(width + 16);
}

void set_box_text(QLineEdit* box, const std::string& text) {
    const QString t = qt_text(text);
    if (box->text() != t)
        box->setText(t);
}

} // namespace

QWidget* TfrmCreateTask::build_code_panel() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    lblShifr_ = new QLabel(content);
    lblName_ = new QLabel(content);
    txtShifr_ = new FilteredBox(WizardBox::Code, separator_, content);
    txtName_ = new FilteredBox(WizardBox::Name, separator_, content);
    register_control(WizardControl::Code, txtShifr_);
    register_control(WizardControl::Name, txtName_);
    size_box(txtShifr_, 8);
    txtName_->setMinimumWidth(txtName_->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))));
    form->addRow(lblShifr_, txtShifr_);
    form->addRow(lblName_, txtName_);
    layout->addLayout(form);
    layout->addWidget(build_import_group(content));
    layout->addStretch(1);
    return panel("gbWindow_1", content, PanelHeader::None);
}

// The import of step 1: from another task's file (DAT) or from a workbook (XLS).
QGroupBox* TfrmCreateTask::build_import_group(QWidget* content) {
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
    for (const std::string& item : model_->import_list())
        cbExport_->addItem(qt_text(item));
    auto* sources = new QButtonGroup(pnlExport_);
    sources->addButton(RB_1_);
    sources->addButton(RB_2_);
    connect(RB_1_, &QRadioButton::clicked, this, [this] { general_choice_changed(RB_1_); });
    connect(RB_2_, &QRadioButton::clicked, this, [this] { general_choice_changed(RB_2_); });
    connect(btnExport_, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(Button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    return pnlExport_;
}

QWidget* TfrmCreateTask::build_general_panel() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(build_minimised_group(content));
    layout->addLayout(build_general_counts(content));
    layout->addWidget(build_decomposition_group(content));
    layout->addStretch(1);

    for (QRadioButton* b : {rbPrmp_0_, rbPrmp_1_, vnr1_, vnr2_, Reg_0_, Reg_1_, Reg1_0_, Reg1_1_})
        connect(b, &QRadioButton::clicked, this, [this, b] { general_choice_changed(b); });
    connect(txtNch_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model_->type_chain_count(utf8_text(t)); });
    connect(txtnc2_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model_->type_nested_chain_count(utf8_text(t)); });
    return panel("gbWindow_2", content, PanelHeader::Task);
}

// The minimised parameter: cost or time.
QGroupBox* TfrmCreateTask::build_minimised_group(QWidget* content) {
    gbMinimised_ = new QGroupBox(content);
    auto* minimised = new QHBoxLayout(gbMinimised_);
    rbPrmp_0_ = radio("rbPrmp_0", gbMinimised_);
    rbPrmp_1_ = radio("rbPrmp_1", gbMinimised_);
    minimised->addWidget(rbPrmp_0_);
    minimised->addWidget(rbPrmp_1_);
    minimised->addStretch(1);
    return gbMinimised_;
}

// The chain counts, the units and the resource question with its category count, label beside box.
QGridLayout* TfrmCreateTask::build_general_counts(QWidget* content) {
    auto* form = new QGridLayout;
    lblNch_ = new QLabel(content);
    lblnc2_ = new QLabel(content);
    txtNch_ = new FilteredBox(WizardBox::ChainCount, separator_, content);
    txtnc2_ = new FilteredBox(WizardBox::NestedChainCount, separator_, content);
    register_control(WizardControl::ChainCount, txtNch_);
    register_control(WizardControl::NestedChainCount, txtnc2_);
    lblCostUnit_ = new QLabel(content);
    lblTimeUnit_ = new QLabel(content);
    UnitOfMeasurement_0_ = new QComboBox(content);
    UnitOfMeasurement_0_->setObjectName(QStringLiteral("UnitOfMeasurement_0"));
    UnitOfMeasurement_1_ = new QComboBox(content);
    UnitOfMeasurement_1_->setObjectName(QStringLiteral("UnitOfMeasurement_1"));
    for (const std::string& u : cost_unit_list(model_->context().shell))
        UnitOfMeasurement_0_->addItem(qt_text(u));
    for (const std::string& u : time_unit_list(model_->context().shell))
        UnitOfMeasurement_1_->addItem(qt_text(u));
    Label83_ = named_label("Label83", content);
    vnr1_ = radio("vnr1", content);
    vnr2_ = radio("vnr2", content);
    auto* resources = new QButtonGroup(content);
    resources->addButton(vnr1_);
    resources->addButton(vnr2_);
    L_Kat_ = named_label("L_Kat", content);
    txtKat_ = new FilteredBox(WizardBox::CategoryCount, separator_, content);
    register_control(WizardControl::CategoryCount, txtKat_);
    for (FilteredBox* b : {txtNch_, txtnc2_, txtKat_})
        size_box(b, 4);
    auto* answers = new QHBoxLayout;
    answers->addWidget(vnr1_);
    answers->addWidget(vnr2_);
    answers->addStretch(1);
    int row = 0;
    form->addWidget(lblNch_, row, 0);
    form->addWidget(txtNch_, row++, 1);
    form->addWidget(lblnc2_, row, 0);
    form->addWidget(txtnc2_, row++, 1);
    form->addWidget(lblCostUnit_, row, 0);
    form->addWidget(UnitOfMeasurement_0_, row++, 1);
    form->addWidget(lblTimeUnit_, row, 0);
    form->addWidget(UnitOfMeasurement_1_, row++, 1);
    form->addWidget(Label83_, row, 0);
    form->addLayout(answers, row++, 1);
    form->addWidget(L_Kat_, row, 0);
    form->addWidget(txtKat_, row++, 1);
    form->setColumnStretch(2, 1);
    return form;
}

// The decomposition: off or on, the numbering of the subgraphs and the two parameters.
QGroupBox* TfrmCreateTask::build_decomposition_group(QWidget* content) {
    GroupBox1_ = new QGroupBox(content);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    auto* decomposition = new QVBoxLayout(GroupBox1_);
    Reg_0_ = radio("Reg_0", GroupBox1_);
    Reg_1_ = radio("Reg_1", GroupBox1_);
    decomposition->addWidget(Reg_0_);
    decomposition->addWidget(Reg_1_);
    GroupBox5_ = new QGroupBox(GroupBox1_);
    GroupBox5_->setObjectName(QStringLiteral("GroupBox5"));
    auto* numbering = new QHBoxLayout(GroupBox5_);
    Reg1_0_ = radio("Reg1_0", GroupBox5_);
    Reg1_1_ = radio("Reg1_1", GroupBox5_);
    numbering->addWidget(Reg1_0_);
    numbering->addWidget(Reg1_1_);
    numbering->addStretch(1);
    decomposition->addWidget(GroupBox5_);
    L_decomp_ = named_label("L_decomp", GroupBox1_);
    decomposition->addWidget(L_decomp_);
    auto* params = new QGridLayout;
    L_Dnp_ = named_label("L_Dnp", GroupBox1_);
    L_Mxns_ = named_label("L_Mxns", GroupBox1_);
    txtDnp_ = new FilteredBox(WizardBox::AllowedSubgraphs, separator_, GroupBox1_);
    txtMxns_ = new FilteredBox(WizardBox::QuantSteps, separator_, GroupBox1_);
    register_control(WizardControl::AllowedSubgraphs, txtDnp_);
    register_control(WizardControl::QuantSteps, txtMxns_);
    size_box(txtDnp_, 4);
    size_box(txtMxns_, 4);
    params->addWidget(L_Dnp_, 0, 0);
    params->addWidget(txtDnp_, 0, 1);
    params->addWidget(L_Mxns_, 1, 0);
    params->addWidget(txtMxns_, 1, 1);
    params->setColumnStretch(2, 1);
    decomposition->addLayout(params);
    return GroupBox1_;
}

QWidget* TfrmCreateTask::build_interval_count_panel() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    Grid2a_ = new EntryGrid(std::nullopt, 1, {QString(), QString()}, content);
    register_control(WizardControl::IntervalCountGrid, Grid2a_);
    layout->addWidget(Grid2a_);
    return panel("gbWindow_2a", content, PanelHeader::Task);
}

QWidget* TfrmCreateTask::build_interval_panel() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    Grid2b_ = new EntryGrid(std::nullopt, 2, {QString(), QString(), QString(), QString()}, content);
    register_control(WizardControl::IntervalGrid, Grid2b_);
    Label21_ = named_label("Label21", content);
    Label21_->setWordWrap(true);
    layout->addWidget(Grid2b_, 1);
    layout->addWidget(Label21_);
    return panel("gbWindow_2b", content, PanelHeader::Task);
}

// ---- Showing ----------------------------------------------------------------------------------------

void TfrmCreateTask::show_code_step() {
    const WizardInputs& in = model_->inputs();
    set_box_text(txtShifr_, in.code);
    set_box_text(txtName_, in.name);
    txtShifr_->setEnabled(model_->entry_mode() != EntryMode::CorrectTask);
    pnlExport_->setVisible(model_->entry_mode() == EntryMode::ImportTask);
    const bool taskFile = in.importSource == ImportSource::TaskFile;
    RB_1_->setChecked(taskFile);
    RB_2_->setChecked(!taskFile);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cbExport_, btnExport_, Label18_, staticTask_, StaticText1_})
        w->setEnabled(taskFile);
    for (QWidget* w : std::initializer_list<QWidget*>{Button1_, Label_ex1_, Label_ex2_})
        w->setEnabled(!taskFile);
    if (taskFile || !model_->import_done())
        staticTask_->setText(qt_text(model_->import_label()));
    Label_ex2_->setText(workbookName_);
    Label_ex1_->setVisible(!workbookName_.isEmpty());
}

void TfrmCreateTask::show_general_step() {
    const WizardInputs& in = model_->inputs();
    rbPrmp_0_->setChecked(in.minimisedParam == 0);
    rbPrmp_1_->setChecked(in.minimisedParam == 1);
    set_box_text(txtNch_, in.chainCount);
    set_box_text(txtnc2_, in.nestedChainCount);
    set_box_text(txtKat_, in.categoryCount);
    set_box_text(txtDnp_, in.allowedSubgraphs);
    set_box_text(txtMxns_, in.quantSteps);
    UnitOfMeasurement_0_->setCurrentIndex(in.costUnit);
    UnitOfMeasurement_1_->setCurrentIndex(in.timeUnit);
    vnr1_->setChecked(in.hasResources);
    vnr2_->setChecked(!in.hasResources);
    Reg_0_->setChecked(!in.decomposition);
    Reg_1_->setChecked(in.decomposition);
    Reg1_0_->setChecked(!in.automaticNumbering);
    Reg1_1_->setChecked(in.automaticNumbering);
    toc_0_->setChecked(in.roundingType == 0);
    toc_1_->setChecked(in.roundingType == 1);
    toc_2_->setChecked(in.roundingType == 2);

    const GeneralStepView v = model_->general_step_view();
    for (QWidget* w : std::initializer_list<QWidget*>{Label83_, vnr1_, vnr2_})
        w->setVisible(v.resourceQuestion);
    L_Kat_->setVisible(v.categoryCount);
    txtKat_->setVisible(v.categoryCount);
    GroupBox1_->setVisible(v.decompositionGroup);
    for (QWidget* w :
         std::initializer_list<QWidget*>{GroupBox5_, L_decomp_, L_Dnp_, txtDnp_, L_Mxns_, txtMxns_})
        w->setVisible(v.decompositionParams);
}

// ---- Handlers ---------------------------------------------------------------------------------------

void TfrmCreateTask::general_choice_changed(QWidget* clicked) {
    if (syncing_)
        return;
    read_controls();
    if (clicked == rbPrmp_0_ || clicked == rbPrmp_1_)
        model_->choose_minimised(clicked == rbPrmp_1_ ? 1 : 0);
    show_model();
    if (model_->current_step() != WizardStep::General)
        return;
    if (clicked == rbPrmp_0_ || clicked == rbPrmp_1_)
        txtNch_->setFocus();
    else if (clicked == vnr1_)
        txtKat_->setFocus();
    else if (clicked == vnr2_)
        (txtDnp_->isVisible() ? static_cast<QWidget*>(txtDnp_) : txtNch_)->setFocus();
}

void TfrmCreateTask::btnExportClick() {
    read_controls();
    const ImportOutcome out = model_->import_task_file(cbExport_->currentIndex());
    workbookName_.clear();
    show_model();
    if (!out.ok)
        notifier_.warning(this, qt_text(out.message));
}

void TfrmCreateTask::Button1Click() {
    read_controls();
    const QString path = chooseWorkbook ? chooseWorkbook() : QString();
    if (path.isEmpty()) {
        model_->cancel_workbook_import();
        show_model();
        return;
    }
    const ImportOutcome out = model_->import_workbook(path.toStdString());
    if (out.ok)
        workbookName_ = QFileInfo(path).fileName();
    show_model();
    if (!out.ok)
        notifier_.warning(this, qt_text(out.message));
}

} // namespace zep
