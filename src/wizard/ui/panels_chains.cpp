// Steps 3 and 4: the chains of the graph and the operations of every chain.
#include "wizard/ui/frm_create_task.h"
#include "wizard/ui/wizard_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zep {

QWidget* TfrmCreateTask::build_chain_panel(bool nested) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    const QStringList headers = nested ? QStringList(8, QString()) : QStringList(3, QString());
    auto* grid = new EntryGrid(nested ? WizardGrid::NestedChains : WizardGrid::Chains, 1, headers, content);
    register_control(nested ? WizardControl::NestedChainGrid : WizardControl::ChainGrid, grid);
    layout->addWidget(grid, 1);
    (nested ? StringGrid1__ : StringGrid1_) = grid;
    if (nested) {
        grid->rowContext = [this](int row) {
            const TaskRecord& rec = model_->record();
            const bool manual = rec.header.manual_subgraph_numbering();
            return GridCellContext{row < rec.ordinaryChainCount(), manual};
        };
        Label33_ = new WrappedLabel(content);
        Label33_->setObjectName(QStringLiteral("Label33"));
        layout->addWidget(Label33_);
    }

    auto* options = new QHBoxLayout;
    auto* place = new QGroupBox(content);
    auto* placeLayout = new QHBoxLayout(place);
    auto* atStart = new QRadioButton(place);
    auto* atEnd = new QRadioButton(place);
    atStart->setObjectName(nested ? QStringLiteral("RB1_") : QStringLiteral("RB1"));
    atEnd->setObjectName(nested ? QStringLiteral("RB2_") : QStringLiteral("RB2"));
    placeLayout->addWidget(atStart);
    placeLayout->addWidget(atEnd);
    placeLayout->addStretch(1);
    options->addWidget(place);
    (nested ? RB1__ : RB1_) = atStart;
    (nested ? RB2__ : RB2_) = atEnd;
    (nested ? gbPlace__ : gbPlace_) = place;
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
    return panel(nested ? "gbWindow_22_" : "gbWindow_22", content, PanelHeader::Task);
}

QWidget* TfrmCreateTask::build_operation_panel() {
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
    register_control(WizardControl::OperationGrid, StringGrid2_);
    layout->addWidget(StringGrid2_, 1);
    keys223_ = new QLabel(content);
    layout->addWidget(keys223_);
    Label12_ = new QLabel(content);
    Label12_->setObjectName(QStringLiteral("Label12"));
    Label12_->hide();
    layout->addWidget(Label12_);

    connect(cb_M_223_, &QComboBox::activated, this, [this](int i) { operation_chain_chosen(i); });
    connect(StringGrid2_, &EntryGrid::chainStep, this, [this](int delta) {
        const int target = model_->op_step_chain() + delta;
        if (target >= 0 && target < static_cast<int>(model_->record().chains.size()))
            operation_chain_chosen(target);
    });
    return panel("gbWindow_223", content, PanelHeader::Task);
}

void TfrmCreateTask::operation_chain_chosen(int chainIndex) {
    read_controls();
    show_outcome(model_->show_operations_of_chain(chainIndex));
}

} // namespace zep
