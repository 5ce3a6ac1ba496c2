// Steps 5 and 6: the variants of every operation, one operation at a time, and the read-only table of
// all variants.
#include "wizard/ui/frm_create_task.h"
#include "wizard/ui/wizard_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zep {

QWidget* TfrmCreateTask::build_variant_panel(bool resources) {
    VariantPanel& p = resources ? varA_ : var_;
    const QString suffix = resources ? QStringLiteral("a") : QString();
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* chooser = new QGridLayout;
    p.chainCaption = new QLabel(content);
    p.operationCaption = new QLabel(content);
    p.chain = new QComboBox(content);
    p.chain->setObjectName(QStringLiteral("cb_M_2") + suffix);
    p.operation = new QComboBox(content);
    p.operation->setObjectName(QStringLiteral("cb_M_3") + suffix);
    for (QComboBox* c : {p.chain, p.operation})
        c->setMinimumContentsLength(4);
    p.chainName = new QLabel(content);
    QFont bold = p.chainName->font();
    bold.setBold(true);
    p.chainName->setFont(bold);
    p.nameCaption = new QLabel(content);
    p.operationName = new QLineEdit(content);
    p.operationName->setObjectName(QStringLiteral("Col_1_1") + suffix);
    p.operationName->setReadOnly(true);
    p.operationName->setFocusPolicy(Qt::NoFocus);
    chooser->addWidget(p.chainCaption, 0, 0);
    chooser->addWidget(p.chain, 0, 1);
    chooser->addWidget(p.chainName, 0, 2, 1, 2);
    chooser->addWidget(p.operationCaption, 1, 0);
    chooser->addWidget(p.operation, 1, 1);
    chooser->addWidget(p.nameCaption, 1, 2);
    chooser->addWidget(p.operationName, 1, 3);
    chooser->addWidget(separator_box(resources ? "Decimal3a" : "Decimal3", content), 0, 4, Qt::AlignRight);
    chooser->setColumnStretch(3, 1);
    layout->addLayout(chooser);

    const int columns = resources ? 6 : 4;
    p.grid = new EntryGrid(resources ? WizardGrid::ResourceVariants : WizardGrid::Variants, 1,
                           QStringList(columns, QString()), content);
    register_control(resources ? WizardControl::ResourceVariantGrid : WizardControl::VariantGrid, p.grid);
    layout->addWidget(p.grid, 1);

    auto* keys = new QHBoxLayout;
    auto* hints = new QVBoxLayout;
    p.chainKeys = new QLabel(content);
    p.operationKeys = new QLabel(content);
    hints->addWidget(p.chainKeys);
    hints->addWidget(p.operationKeys);
    if (resources) {
        p.spaceKey = new QLabel(content);
        hints->addWidget(p.spaceKey);
    }
    keys->addLayout(hints, 1);
    layout->addLayout(keys);

    connect(p.chain, &QComboBox::activated, this, [this](int c) { variant_place_chosen(c, 0); });
    connect(p.operation, &QComboBox::activated, this,
            [this](int o) { variant_place_chosen(model_->var_step_chain(), o); });
    connect(p.grid, &EntryGrid::chainStep, this, [this](int delta) { step_chain(delta); });
    connect(p.grid, &EntryGrid::operationStep, this, [this](int delta) { step_operation(delta); });
    return panel(resources ? "gbWindow_3a" : "gbWindow_3", content, PanelHeader::Task);
}

QWidget* TfrmCreateTask::build_review_panel(bool resources) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* grid = new ReviewGrid(content);
    register_control(resources ? WizardControl::ResourceReviewGrid : WizardControl::ReviewGrid, grid);
    (resources ? Grid_a_ : Grid_) = grid;
    layout->addWidget(grid);
    return panel(resources ? "gbWindow_4a" : "gbWindow_4", content, PanelHeader::Task);
}

void TfrmCreateTask::variant_place_chosen(int chainIndex, int opIndex) {
    read_controls();
    show_outcome(model_->show_variants_of(chainIndex, opIndex));
}

void TfrmCreateTask::step_chain(int delta) {
    const int target = model_->var_step_chain() + delta;
    if (target >= 0 && target < static_cast<int>(model_->record().chains.size()))
        variant_place_chosen(target, 0);
}

void TfrmCreateTask::step_operation(int delta) {
    const int chain = model_->var_step_chain();
    const int target = model_->var_step_operation() + delta;
    if (chain < static_cast<int>(model_->record().chains.size()) && target >= 0 &&
        target < static_cast<int>(model_->record().chains[chain].operations.size()))
        variant_place_chosen(chain, target);
}

} // namespace zep
