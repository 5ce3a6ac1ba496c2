// Steps 7 and 8 and the summary: rounding, tact and scaling coefficient; the threshold values or the
// second-level parameters; what is about to be saved, and when it is solved.
#include "wizard/ui/frm_create_task.h"
#include "wizard/ui/wizard_widgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zep {
namespace {

QLabel* value_label(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

FilteredBox* decimal_box(WizardBox box, char separator, int chars, QWidget* parent) {
    auto* b = new FilteredBox(box, separator, parent);
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QString(chars + 2, QLatin1Char('0'))) + 16);
    return b;
}

} // namespace

// The graph's minimal and maximal time and cost, as steps 7, 8 and the summary show them.
QWidget* TfrmCreateTask::bounds_box(const QString& suffix, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QStringLiteral("gbBounds_") + suffix);
    auto* grid = new QGridLayout(box);
    const QString names[2][2] = {{QStringLiteral("T1_"), QStringLiteral("T2_")},
                                 {QStringLiteral("C1_"), QStringLiteral("C2_")}};
    for (int r = 0; r < 2; ++r) {
        std::array<QLabel*, 3> labels{new QLabel(box), value_label(names[r][0] + suffix, box),
                                      value_label(names[r][1] + suffix, box)};
        grid->addWidget(labels[0], r, 0);
        grid->addWidget(labels[1], r, 1);
        grid->addWidget(new QLabel(QStringLiteral("–"), box), r, 2);
        grid->addWidget(labels[2], r, 3);
        (r == 0 ? timeBounds_ : costBounds_).push_back(labels);
    }
    grid->setColumnStretch(4, 1);
    return box;
}

QWidget* TfrmCreateTask::build_rounding_panel() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    gbRounding_ = new QGroupBox(content);
    auto* rounding = new QHBoxLayout(gbRounding_);
    toc_0_ = new QRadioButton(gbRounding_);
    toc_1_ = new QRadioButton(gbRounding_);
    toc_2_ = new QRadioButton(gbRounding_);
    toc_0_->setObjectName(QStringLiteral("toc_0"));
    toc_1_->setObjectName(QStringLiteral("toc_1"));
    toc_2_->setObjectName(QStringLiteral("toc_2"));
    for (QRadioButton* b : {toc_0_, toc_1_, toc_2_})
        rounding->addWidget(b);
    rounding->addStretch(1);
    layout->addWidget(gbRounding_);

    Label29_ = new WrappedLabel(content);
    Label29_->setObjectName(QStringLiteral("Label29"));
    layout->addWidget(Label29_);
    auto* grid = new QGridLayout;
    Label30_ = new WrappedLabel(content);
    Label30_->setObjectName(QStringLiteral("Label30"));
    txtDelta_ = decimal_box(WizardBox::Tact, separator_, 6, content);
    register_control(WizardControl::Tact, txtDelta_);
    lblKoe_ = new QLabel(content);
    txtKoe_ = decimal_box(WizardBox::ScalingCoef, separator_, 6, content);
    register_control(WizardControl::ScalingCoef, txtKoe_);
    grid->addWidget(Label30_, 0, 0);
    grid->addWidget(txtDelta_, 0, 1);
    grid->addWidget(separator_box("Decimal5", content), 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(lblKoe_, 1, 0);
    grid->addWidget(txtKoe_, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addWidget(bounds_box(QStringLiteral("5"), content));
    layout->addStretch(1);
    return panel("gbWindow_5", content, PanelHeader::Task);
}

QWidget* TfrmCreateTask::build_threshold_panel() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(build_threshold_facts(content));
    layout->addWidget(bounds_box(QStringLiteral("6"), content));
    thresholdPart_ = build_threshold_list(content);
    layout->addWidget(thresholdPart_, 1);
    layout->addLayout(build_second_level_boxes(content));
    layout->addStretch(0);
    connect(Resflg_, &QPushButton::clicked, this, [this] { ResflgClick(); });
    return panel("gbWindow_6", content, PanelHeader::Task);
}

// The tact and the phase-state estimate the thresholds are chosen under.
QGridLayout* TfrmCreateTask::build_threshold_facts(QWidget* content) {
    auto* facts = new QGridLayout;
    Label41_ = new QLabel(content);
    Label41_->setObjectName(QStringLiteral("Label41"));
    staticDelta_6_ = value_label(QStringLiteral("staticDelta_6"), content);
    lblMaxFaz_ = new QLabel(content);
    MaxFaz_ = value_label(QStringLiteral("MaxFaz"), content);
    facts->addWidget(Label41_, 0, 0);
    facts->addWidget(staticDelta_6_, 0, 1);
    facts->addWidget(lblMaxFaz_, 1, 0);
    facts->addWidget(MaxFaz_, 1, 1);
    facts->setColumnStretch(2, 1);
    return facts;
}

// The check list of candidate thresholds with the button that ticks them all; it takes turns with the
// second-level boxes in the same place.
QWidget* TfrmCreateTask::build_threshold_list(QWidget* content) {
    Label44_ = new QLabel(content);
    Label44_->setObjectName(QStringLiteral("Label44"));
    Label45_ = new QLabel(content);
    Label45_->setObjectName(QStringLiteral("Label45"));
    clFazu_ = new QListWidget(content);
    register_control(WizardControl::ThresholdList, clFazu_);
    Label23_ = new QLabel(content);
    Label23_->setObjectName(QStringLiteral("Label23"));
    Label23_->setWordWrap(true);
    Resflg_ = new QPushButton(content);
    Resflg_->setObjectName(QStringLiteral("Resflg"));
    auto* thresholds = new QWidget(content);
    auto* thresholdLayout = new QVBoxLayout(thresholds);
    thresholdLayout->setContentsMargins(0, 0, 0, 0);
    thresholdLayout->addWidget(Label44_);
    thresholdLayout->addWidget(Label45_);
    auto* list = new QHBoxLayout;
    clFazu_->setMaximumWidth(clFazu_->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('0'))));
    list->addWidget(clFazu_);
    auto* side = new QVBoxLayout;
    side->addWidget(Resflg_, 0, Qt::AlignLeft);
    side->addWidget(Label23_);
    side->addStretch(1);
    list->addLayout(side, 1);
    thresholdLayout->addLayout(list, 1);
    return thresholds;
}

// The second-level search: the cost threshold, the iterations and the reduction coefficient.
QGridLayout* TfrmCreateTask::build_second_level_boxes(QWidget* content) {
    auto* second = new QGridLayout;
    Label75_ = new QLabel(content);
    Label75_->setObjectName(QStringLiteral("Label75"));
    Label77_ = new QLabel(content);
    Label77_->setObjectName(QStringLiteral("Label77"));
    Label78_ = new QLabel(content);
    Label78_->setObjectName(QStringLiteral("Label78"));
    txt_C_ = decimal_box(WizardBox::CostThreshold, separator_, 14, content);
    txt_Nd_ = decimal_box(WizardBox::SecondLevelIterations, separator_, 4, content);
    txt_kup_ = decimal_box(WizardBox::ReductionCoef, separator_, 4, content);
    register_control(WizardControl::CostThreshold, txt_C_);
    register_control(WizardControl::SecondLevelIterations, txt_Nd_);
    register_control(WizardControl::ReductionCoef, txt_kup_);
    Decimal6_ = separator_box("Decimal6", content);
    second->addWidget(Label75_, 0, 0);
    second->addWidget(txt_C_, 0, 1);
    second->addWidget(Decimal6_, 0, 2);
    second->addWidget(Label77_, 1, 0);
    second->addWidget(txt_Nd_, 1, 1);
    second->addWidget(Label78_, 2, 0);
    second->addWidget(txt_kup_, 2, 1);
    second->setColumnStretch(3, 1);
    return second;
}

QWidget* TfrmCreateTask::build_summary_panel() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* facts = new QGroupBox(content);
    auto* grid = new QGridLayout(facts);
    const char* lines[][2] = {
        {"Label13", "staticDelta_7"},
        {"", "MaxFaz_7"},
        {"", "prkoe"},
        {"", "static_toc"},
        {"", "Cost"},
        {"", "lTime"},
        {"Label89", "kateg"},
        {"L_regime", "regime"},
        {"", "regn"},
        {"", "prm1"},
        {"", "prm11"},
        {"", "prm2"},
        {"", "LenNT"},
        {"", "L_Nd"},
        {"", "L_kup"},
        {"L_C", "L_C_value"},
    };
    int row = 0;
    for (const auto& line : lines) {
        SummaryLine l;
        l.caption = new QLabel(facts);
        if (*line[0])
            l.caption->setObjectName(QLatin1String(line[0]));
        l.value = value_label(QLatin1String(line[1]), facts);
        grid->addWidget(l.caption, row, 0);
        grid->addWidget(l.value, row, 1);
        ++row;
        summaryLines_[line[1]] = l;
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(facts);
    layout->addWidget(bounds_box(QStringLiteral("7"), content));

    auto* order = new QGroupBox(content);
    order->setObjectName(QStringLiteral("gbOrder"));
    auto* orderLayout = new QGridLayout(order);
    Order1_ = new QRadioButton(order);
    Order1_->setObjectName(QStringLiteral("Order1"));
    Order2_ = new QRadioButton(order);
    Order2_->setObjectName(QStringLiteral("Order2"));
    Order2_->setChecked(true);
    lblOrder1_ = new WrappedLabel(order);
    lblOrder2_ = new WrappedLabel(order);
    orderLayout->addWidget(Order1_, 0, 0, Qt::AlignTop);
    orderLayout->addWidget(lblOrder1_, 0, 1);
    orderLayout->addWidget(Order2_, 1, 0, Qt::AlignTop);
    orderLayout->addWidget(lblOrder2_, 1, 1);
    orderLayout->setColumnStretch(1, 1);
    layout->addWidget(order);
    layout->addStretch(1);
    return panel("gbWindow_7", content, PanelHeader::None);
}

void TfrmCreateTask::ResflgClick() {
    for (int i = 0; i < clFazu_->count(); ++i)
        clFazu_->item(i)->setCheckState(Qt::Unchecked);
}

} // namespace zep
