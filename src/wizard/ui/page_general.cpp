#include "wizard/ui/page_general.h"

#include "task/stored_modes.h"

#include "wizard/ui/page_parts.h"
#include "wizard/ui/wizard_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zep {

GeneralPage::GeneralPage(WizardPageHost& host) : WizardPage("gbWindow_2", PanelHeader::Task, host) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(build_minimised_group(content));
    layout->addLayout(build_general_counts(content));
    layout->addWidget(build_decomposition_group(content));
    layout->addStretch(1);

    for (QRadioButton* b : {rbPrmp_0_, rbPrmp_1_, vnr1_, vnr2_, Reg_0_, Reg_1_, Reg1_0_, Reg1_1_})
        connect(b, &QRadioButton::clicked, this, [this, b] { choice_changed(b); });
    connect(txtNch_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model().type_chain_count(utf8_text(t)); });
    connect(txtnc2_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model().type_nested_chain_count(utf8_text(t)); });
    set_content(content);
}

// The minimised parameter: cost or time.
QGroupBox* GeneralPage::build_minimised_group(QWidget* content) {
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
QGridLayout* GeneralPage::build_general_counts(QWidget* content) {
    auto* form = new QGridLayout;
    lblNch_ = new QLabel(content);
    lblnc2_ = new QLabel(content);
    txtNch_ = new FilteredBox(WizardBox::ChainCount, separator(), content);
    txtnc2_ = new FilteredBox(WizardBox::NestedChainCount, separator(), content);
    host_.register_control(WizardControl::ChainCount, txtNch_);
    host_.register_control(WizardControl::NestedChainCount, txtnc2_);
    lblCostUnit_ = new QLabel(content);
    lblTimeUnit_ = new QLabel(content);
    UnitOfMeasurement_0_ = new QComboBox(content);
    UnitOfMeasurement_0_->setObjectName(QStringLiteral("UnitOfMeasurement_0"));
    UnitOfMeasurement_1_ = new QComboBox(content);
    UnitOfMeasurement_1_->setObjectName(QStringLiteral("UnitOfMeasurement_1"));
    for (const std::string& u : cost_unit_list(model().context().shell))
        UnitOfMeasurement_0_->addItem(qt_text(u));
    for (const std::string& u : time_unit_list(model().context().shell))
        UnitOfMeasurement_1_->addItem(qt_text(u));
    Label83_ = named_label("Label83", content);
    vnr1_ = radio("vnr1", content);
    vnr2_ = radio("vnr2", content);
    auto* resources = new QButtonGroup(content);
    resources->addButton(vnr1_);
    resources->addButton(vnr2_);
    L_Kat_ = named_label("L_Kat", content);
    txtKat_ = new FilteredBox(WizardBox::CategoryCount, separator(), content);
    host_.register_control(WizardControl::CategoryCount, txtKat_);
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
QGroupBox* GeneralPage::build_decomposition_group(QWidget* content) {
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
    txtDnp_ = new FilteredBox(WizardBox::AllowedSubgraphs, separator(), GroupBox1_);
    txtMxns_ = new FilteredBox(WizardBox::QuantSteps, separator(), GroupBox1_);
    host_.register_control(WizardControl::AllowedSubgraphs, txtDnp_);
    host_.register_control(WizardControl::QuantSteps, txtMxns_);
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

bool GeneralPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::General;
}

void GeneralPage::apply_captions() {
    const QString orWord = text(TaskText::And);
    gbMinimised_->setTitle(text(TaskText::MinimisedParameter));
    rbPrmp_0_->setText(text(TaskText::ExecutionCost));
    rbPrmp_1_->setText(text(TaskText::ExecutionTime));
    lblNch_->setText(text(WizardText::EnterChainTotal) + QStringLiteral(" (<=1000):"));
    lblnc2_->setText(text(WizardText::EnterNestedChainCount) + QStringLiteral(":"));
    lblCostUnit_->setText(text(TaskText::CostUnit) + QStringLiteral(":"));
    lblTimeUnit_->setText(text(TaskText::TimeUnit) + QStringLiteral(":"));
    Label83_->setText(text(WizardText::UnavailableResourcesQuestion));
    vnr1_->setText(text(WizardText::Yes));
    vnr2_->setText(text(WizardText::No));
    L_Kat_->setText(text(WizardText::EnterCategoryTotal) + QStringLiteral(" (>0 ") + orWord +
                    QStringLiteral(" <=100):"));
    GroupBox1_->setTitle(text(WizardText::Decomposition));
    Reg_0_->setText(text(WizardText::NoDecomposition));
    Reg_1_->setText(text(WizardText::ByExtractingSubgraphs));
    GroupBox5_->setTitle(text(WizardText::SubgraphNumbering));
    Reg1_0_->setText(text(TaskText::ManualNumbering));
    Reg1_1_->setText(text(TaskText::AutomaticNumbering) + QStringLiteral(" (") +
                     text(WizardText::AvailableWhenNestedCount) + QStringLiteral(" <=10)"));
    L_decomp_->setText(text(TaskText::DecompositionParameters) + QStringLiteral(":"));
    L_Dnp_->setText(QStringLiteral("1) ") + text(WizardText::AllowedSubgraphsCaption) +
                    QStringLiteral(" (>0 ") + orWord + QStringLiteral(" <=100):"));
    L_Mxns_->setText(QStringLiteral("2) ") + text(TaskText::MaxQuantSteps) + QStringLiteral(" (>=5 ") +
                     orWord + QStringLiteral(" <=20):"));
}

void GeneralPage::read_controls(WizardInputs& in) {
    in.minimisedParam = rbPrmp_1_->isChecked() ? 1 : 0;
    in.chainCount = utf8_text(txtNch_->text());
    in.nestedChainCount = utf8_text(txtnc2_->text());
    in.costUnit = UnitOfMeasurement_0_->currentIndex();
    in.timeUnit = UnitOfMeasurement_1_->currentIndex();
    in.hasResources = vnr1_->isChecked();
    in.categoryCount = utf8_text(txtKat_->text());
    in.decomposition = Reg_1_->isChecked();
    in.automaticNumbering = Reg1_1_->isChecked();
    in.allowedSubgraphs = utf8_text(txtDnp_->text());
    in.quantSteps = utf8_text(txtMxns_->text());
}

void GeneralPage::show_model() {
    const WizardInputs& in = model().inputs();
    rbPrmp_0_->setChecked(minimised_parameter(in) == MinimisedParam::Cost);
    rbPrmp_1_->setChecked(minimised_parameter(in) == MinimisedParam::Time);
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

    const GeneralStepView v = model().general_step_view();
    for (QWidget* w : std::initializer_list<QWidget*>{Label83_, vnr1_, vnr2_})
        w->setVisible(v.resourceQuestion);
    L_Kat_->setVisible(v.categoryCount);
    txtKat_->setVisible(v.categoryCount);
    GroupBox1_->setVisible(v.decompositionGroup);
    for (QWidget* w :
         std::initializer_list<QWidget*>{GroupBox5_, L_decomp_, L_Dnp_, txtDnp_, L_Mxns_, txtMxns_})
        w->setVisible(v.decompositionParams);
}

// A choice can show or hide other controls: the focus goes to the box the choice asks for next.
void GeneralPage::choice_changed(QRadioButton* clicked) {
    if (host_.syncing())
        return;
    host_.read_controls();
    if (clicked == rbPrmp_0_ || clicked == rbPrmp_1_)
        model().choose_minimised(clicked == rbPrmp_1_ ? 1 : 0);
    host_.show_model();
    if (model().current_step() != WizardStep::General)
        return;
    if (clicked == rbPrmp_0_ || clicked == rbPrmp_1_)
        txtNch_->setFocus();
    else if (clicked == vnr1_)
        txtKat_->setFocus();
    else if (clicked == vnr2_)
        (txtDnp_->isVisible() ? static_cast<QWidget*>(txtDnp_) : txtNch_)->setFocus();
}

} // namespace zep
