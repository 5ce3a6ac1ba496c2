#include "wizard/ui/page_variants.h"

#include "wizard/ui/page_parts.h"
#include "wizard/ui/wizard_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zep {

VariantPage::VariantPage(bool resources, WizardPageHost& host)
    : WizardPage(resources ? "gbWindow_3a" : "gbWindow_3", PanelHeader::Task, host), resources_(resources) {
    const QString suffix = resources ? QStringLiteral("a") : QString();
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* chooser = new QGridLayout;
    chainCaption_ = new QLabel(content);
    operationCaption_ = new QLabel(content);
    chain_ = new QComboBox(content);
    chain_->setObjectName(QStringLiteral("cb_M_2") + suffix);
    operation_ = new QComboBox(content);
    operation_->setObjectName(QStringLiteral("cb_M_3") + suffix);
    for (QComboBox* c : {chain_, operation_})
        c->setMinimumContentsLength(4);
    chainName_ = new QLabel(content);
    QFont bold = chainName_->font();
    bold.setBold(true);
    chainName_->setFont(bold);
    nameCaption_ = new QLabel(content);
    operationName_ = new QLineEdit(content);
    operationName_->setObjectName(QStringLiteral("Col_1_1") + suffix);
    operationName_->setReadOnly(true);
    operationName_->setFocusPolicy(Qt::NoFocus);
    chooser->addWidget(chainCaption_, 0, 0);
    chooser->addWidget(chain_, 0, 1);
    chooser->addWidget(chainName_, 0, 2, 1, 2);
    chooser->addWidget(operationCaption_, 1, 0);
    chooser->addWidget(operation_, 1, 1);
    chooser->addWidget(nameCaption_, 1, 2);
    chooser->addWidget(operationName_, 1, 3);
    separatorBox_ = new SeparatorBox(resources ? "Decimal3a" : "Decimal3", content);
    chooser->addWidget(separatorBox_, 0, 4, Qt::AlignRight);
    chooser->setColumnStretch(3, 1);
    layout->addLayout(chooser);

    const int columns = resources ? 6 : 4;
    grid_ = new EntryGrid(resources ? WizardGrid::ResourceVariants : WizardGrid::Variants, 1,
                          QStringList(columns, QString()), content);
    host_.register_control(resources ? WizardControl::ResourceVariantGrid : WizardControl::VariantGrid,
                           grid_);
    layout->addWidget(grid_, 1);

    auto* keys = new QHBoxLayout;
    auto* hints = new QVBoxLayout;
    chainKeys_ = new QLabel(content);
    operationKeys_ = new QLabel(content);
    hints->addWidget(chainKeys_);
    hints->addWidget(operationKeys_);
    if (resources) {
        spaceKey_ = new QLabel(content);
        hints->addWidget(spaceKey_);
    }
    keys->addLayout(hints, 1);
    layout->addLayout(keys);

    connect(chain_, &QComboBox::activated, this, [this](int c) { place_chosen(c, 0); });
    connect(operation_, &QComboBox::activated, this,
            [this](int o) { place_chosen(model().var_step_chain(), o); });
    connect(grid_, &EntryGrid::chainStep, this, [this](int delta) { step_chain(delta); });
    connect(grid_, &EntryGrid::operationStep, this, [this](int delta) { step_operation(delta); });
    set_content(content);
}

bool VariantPage::in_use() const {
    return resources_ == model().record().header.has_unavailable_resources();
}

bool VariantPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Variants && in_use();
}

void VariantPage::apply_captions() {
    chainCaption_->setText(text(WizardText::ChainNumber) + QStringLiteral(":"));
    operationCaption_->setText(text(WizardText::OperationNumberCaption) + QStringLiteral(":"));
    nameCaption_->setText(text(TaskText::OperationName) + QStringLiteral(":"));
    chainKeys_->setText(key_hint("Shift", text(WizardText::NextChain), text(WizardText::PreviousChain)));
    operationKeys_->setText(
        key_hint("Ctrl", text(WizardText::NextOperation), text(WizardText::PreviousOperation)));
    if (resources_)
        spaceKey_->setText(QStringLiteral("<SpaceBar> - ") + text(WizardText::ToggleNoSuspensionMark));
    separatorBox_->apply_caption(text(WizardText::DecimalSeparator) + QStringLiteral(":"), separator());
}

void VariantPage::read_controls(WizardInputs& in) {
    if (in_use())
        in.variants = grid_->cells();
}

void VariantPage::show_model() {
    if (in_use())
        show_variant_grid();
    const TaskRecord& rec = model().record();
    const int chains = static_cast<int>(rec.chains.size());
    const int vc = model().var_step_chain();
    const int ops = vc < chains ? static_cast<int>(rec.chains[vc].operations.size()) : 0;
    fill_numbers(chain_, chains, vc);
    fill_numbers(operation_, ops, model().var_step_operation());
    chainName_->setText(qt_text(model().shown_chain_name()));
    operationName_->setText(qt_text(model().shown_operation_name()));
    const WizardCaptions c = model().captions();
    if (resources_)
        grid_->setHorizontalHeaderLabels({text(WizardText::RowNumber), text(WizardText::VariantDescription),
                                          text(TaskText::ResourceCategory), QStringLiteral("*"),
                                          qt_text(c.variantTime), qt_text(c.variantCost)});
    else
        grid_->setHorizontalHeaderLabels({text(WizardText::RowNumber), text(WizardText::VariantDescription),
                                          qt_text(c.variantTime), qt_text(c.variantCost)});
}

// The variant grid has a row for every variant the operation has, empty where none is stored yet.
void VariantPage::show_variant_grid() {
    const TaskRecord& rec = model().record();
    CellTable variants = model().inputs().variants;
    const int vc = model().var_step_chain();
    const int vo = model().var_step_operation();
    if (vc < static_cast<int>(rec.chains.size()) && vo < static_cast<int>(rec.chains[vc].operations.size())) {
        const std::size_t count = static_cast<std::size_t>(rec.chains[vc].operations[vo].variantCount);
        for (std::size_t r = variants.size(); r < count; ++r)
            variants.push_back({std::to_string(r + 1)});
    }
    grid_->set_cells(variants);
}

void VariantPage::place_chosen(int chainIndex, int opIndex) {
    host_.read_controls();
    host_.show_outcome(model().show_variants_of(chainIndex, opIndex));
}

void VariantPage::step_chain(int delta) {
    const int target = model().var_step_chain() + delta;
    if (target >= 0 && target < static_cast<int>(model().record().chains.size()))
        place_chosen(target, 0);
}

void VariantPage::step_operation(int delta) {
    const int chain = model().var_step_chain();
    const int target = model().var_step_operation() + delta;
    if (chain < static_cast<int>(model().record().chains.size()) && target >= 0 &&
        target < static_cast<int>(model().record().chains[chain].operations.size()))
        place_chosen(chain, target);
}

ReviewPage::ReviewPage(bool resources, WizardPageHost& host)
    : WizardPage(resources ? "gbWindow_4a" : "gbWindow_4", PanelHeader::Task, host), resources_(resources) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    grid_ = new ReviewGrid(content);
    host_.register_control(resources ? WizardControl::ResourceReviewGrid : WizardControl::ReviewGrid, grid_);
    layout->addWidget(grid_);
    set_content(content);
}

bool ReviewPage::shows_step(WizardStep step, const TaskRecord& rec) const {
    return step == WizardStep::Review && resources_ == rec.header.has_unavailable_resources();
}

// The table is filled again only when its columns or its size changed or it is the step shown.
void ReviewPage::show_model() {
    if (resources_ != model().record().header.has_unavailable_resources())
        return;
    const WizardCaptions c = model().captions();
    // The number columns under the short words chain, operation, variant: the table fits the window.
    QStringList review = {label(1), text(TaskText::ChainName),
                          label(2), text(TaskText::OperationName),
                          label(3), text(WizardText::VariantDescription)};
    if (resources_)
        review << text(TaskText::ResourceCategory) << QStringLiteral("*");
    review << qt_text(c.variantTime) << qt_text(c.variantCost);
    if (grid_->property("shown").value<QStringList>() != review ||
        grid_->rowCount() != int(model().review_table().size()) ||
        model().current_step() == WizardStep::Review) {
        grid_->set_cells(review, model().review_table());
        grid_->setProperty("shown", review);
    }
}

} // namespace zep
