#include "wizard/ui/page_chains.h"

#include "wizard/ui/page_parts.h"
#include "wizard/ui/wizard_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zep {

ChainPage::ChainPage(bool nested, WizardPageHost& host)
    : WizardPage(nested ? "gbWindow_22_" : "gbWindow_22", PanelHeader::Task, host), nested_(nested) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    const QStringList headers = nested ? QStringList(8, QString()) : QStringList(3, QString());
    StringGrid1_ = new EntryGrid(nested ? WizardGrid::NestedChains : WizardGrid::Chains, 1, headers, content);
    host_.register_control(nested ? WizardControl::NestedChainGrid : WizardControl::ChainGrid, StringGrid1_);
    layout->addWidget(StringGrid1_, 1);
    if (nested) {
        StringGrid1_->rowContext = [this](int row) {
            const TaskRecord& rec = model().record();
            const bool manual = rec.header.manual_subgraph_numbering();
            return GridCellContext{row < rec.ordinaryChainCount(), manual};
        };
        Label33_ = new WrappedLabel(content);
        Label33_->setObjectName(QStringLiteral("Label33"));
        layout->addWidget(Label33_);
    }

    auto* options = new QHBoxLayout;
    gbPlace_ = new QGroupBox(content);
    auto* placeLayout = new QHBoxLayout(gbPlace_);
    RB1_ = new QRadioButton(gbPlace_);
    RB2_ = new QRadioButton(gbPlace_);
    RB1_->setObjectName(nested ? QStringLiteral("RB1_") : QStringLiteral("RB1"));
    RB2_->setObjectName(nested ? QStringLiteral("RB2_") : QStringLiteral("RB2"));
    placeLayout->addWidget(RB1_);
    placeLayout->addWidget(RB2_);
    placeLayout->addStretch(1);
    options->addWidget(gbPlace_);
    if (nested) {
        gbConversion_ = new QGroupBox(content);
        auto* conversion = new QHBoxLayout(gbConversion_);
        Reg2_1_ = new QRadioButton(gbConversion_);
        Reg2_1_->setObjectName(QStringLiteral("Reg2_1"));
        Reg2_2_ = new QRadioButton(gbConversion_);
        Reg2_2_->setObjectName(QStringLiteral("Reg2_2"));
        conversion->addWidget(Reg2_1_);
        conversion->addWidget(Reg2_2_);
        conversion->addStretch(1);
        options->addWidget(gbConversion_);
    }
    options->addStretch(1);
    layout->addLayout(options);
    set_content(content);
}

bool ChainPage::in_use() const {
    return nested_ == (model().record().workingNestedChainCount > 0);
}

bool ChainPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Chains && in_use();
}

void ChainPage::apply_captions() {
    QStringList columns = {text(WizardText::RowNumber), text(TaskText::ChainName),
                           text(TaskText::OperationCount) + QStringLiteral(" (<=500)")};
    if (nested_)
        columns << text(WizardText::SubgraphNumberColumn) << text(WizardText::ChainItLeavesFrom)
                << text(TaskText::OperationNumber) << text(WizardText::ChainItEnters)
                << text(TaskText::OperationNumber);
    StringGrid1_->setHorizontalHeaderLabels(columns);
    if (nested_)
        Label33_->set_caption(text(WizardText::EnclosedSubgraphNumberNote));
    gbPlace_->setTitle(text(WizardText::WhereOperationsChange));
    RB1_->setText(text(WizardText::AtChainStart));
    RB2_->setText(text(WizardText::AtChainEnd));
    if (nested_) {
        gbConversion_->setTitle(text(TaskText::AutomaticCriticalConversion));
        Reg2_1_->setText(text(WizardText::WithMinimalTimes));
        Reg2_2_->setText(text(WizardText::WithMinimalCosts));
    }
}

void ChainPage::read_controls(WizardInputs& in) {
    if (in_use()) {
        in.chains = StringGrid1_->cells();
        in.opChangeAtStart = RB1_->isChecked();
    }
    if (nested_)
        in.conversionMode = Reg2_2_->isChecked() ? 2 : 1;
}

void ChainPage::show_model() {
    const WizardInputs& in = model().inputs();
    if (in_use())
        StringGrid1_->set_cells(in.chains);
    if (nested_) {
        // The column of the subgraph numbers is there for a manual numbering only.
        const bool manual = model().record().header.manual_subgraph_numbering();
        if (StringGrid1_->isColumnHidden(3) == manual) {
            StringGrid1_->setColumnHidden(3, !manual);
            StringGrid1_->fit_columns();
        }
        Label33_->setVisible(manual);
    }
    RB1_->setChecked(in.opChangeAtStart);
    RB2_->setChecked(!in.opChangeAtStart);
    if (nested_) {
        Reg2_1_->setChecked(in.conversionMode != 2);
        Reg2_2_->setChecked(in.conversionMode == 2);
    }
}

OperationPage::OperationPage(WizardPageHost& host) : WizardPage("gbWindow_223", PanelHeader::Task, host) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* chooser = new QHBoxLayout;
    lblChain223_ = new QLabel(content);
    cb_M_223_ = new QComboBox(content);
    cb_M_223_->setObjectName(QStringLiteral("cb_M_223"));
    cb_M_223_->setMinimumContentsLength(4);
    M_2233_ = new QLabel(content);
    M_2233_->setObjectName(QStringLiteral("M_2233"));
    QFont bold = M_2233_->font();
    bold.setBold(true);
    M_2233_->setFont(bold);
    chooser->addWidget(lblChain223_);
    chooser->addWidget(cb_M_223_);
    chooser->addWidget(M_2233_, 1);
    layout->addLayout(chooser);
    StringGrid2_ = new EntryGrid(WizardGrid::Operations, 1, QStringList(3, QString()), content);
    host_.register_control(WizardControl::OperationGrid, StringGrid2_);
    layout->addWidget(StringGrid2_, 1);
    keys223_ = new QLabel(content);
    layout->addWidget(keys223_);
    Label12_ = new QLabel(content);
    Label12_->setObjectName(QStringLiteral("Label12"));
    Label12_->hide();
    layout->addWidget(Label12_);

    connect(cb_M_223_, &QComboBox::activated, this, [this](int i) { chain_chosen(i); });
    connect(StringGrid2_, &EntryGrid::chainStep, this, [this](int delta) {
        const int target = model().op_step_chain() + delta;
        if (target >= 0 && target < static_cast<int>(model().record().chains.size()))
            chain_chosen(target);
    });
    set_content(content);
}

bool OperationPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Operations;
}

void OperationPage::apply_captions() {
    lblChain223_->setText(text(WizardText::ChainNumber) + QStringLiteral(":"));
    StringGrid2_->setHorizontalHeaderLabels({text(WizardText::RowNumber), text(TaskText::OperationName),
                                             text(WizardText::VariantCount) + QStringLiteral(" (<=20)")});
    keys223_->setText(key_hint("Shift", text(WizardText::NextChain), text(WizardText::PreviousChain)));
    Label12_->setText(text(WizardText::SearchingOptimalNumbering) + QStringLiteral(" ..."));
}

void OperationPage::read_controls(WizardInputs& in) {
    in.operations = StringGrid2_->cells();
}

void OperationPage::show_model() {
    StringGrid2_->set_cells(model().inputs().operations);
    fill_numbers(cb_M_223_, static_cast<int>(model().record().chains.size()), model().op_step_chain());
    M_2233_->setText(qt_text(model().shown_chain_name()));
}

void OperationPage::show_search_note(bool shown) {
    Label12_->setVisible(shown);
    if (shown)
        Label12_->repaint();
}

void OperationPage::chain_chosen(int chainIndex) {
    host_.read_controls();
    host_.show_outcome(model().show_operations_of_chain(chainIndex));
}

} // namespace zep
