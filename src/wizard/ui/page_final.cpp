#include "wizard/ui/page_final.h"

#include "common/number_text.h"
#include "task/stored_modes.h"
#include "wizard/ui/page_parts.h"
#include "wizard/ui/wizard_widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zep {

RoundingPage::RoundingPage(WizardPageHost& host) : WizardPage("gbWindow_5", PanelHeader::Task, host) {
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
    txtDelta_ = decimal_box(WizardBox::Tact, separator(), 6, content);
    host_.register_control(WizardControl::Tact, txtDelta_);
    lblKoe_ = new QLabel(content);
    txtKoe_ = decimal_box(WizardBox::ScalingCoef, separator(), 6, content);
    host_.register_control(WizardControl::ScalingCoef, txtKoe_);
    Decimal5_ = new SeparatorBox("Decimal5", content);
    grid->addWidget(Label30_, 0, 0);
    grid->addWidget(txtDelta_, 0, 1);
    grid->addWidget(Decimal5_, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(lblKoe_, 1, 0);
    grid->addWidget(txtKoe_, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    bounds_ = new BoundsBox(QStringLiteral("5"), content);
    layout->addWidget(bounds_);
    layout->addStretch(1);
    set_content(content);
}

bool RoundingPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Rounding;
}

void RoundingPage::apply_captions() {
    const QString sep(QChar::fromLatin1(separator()));
    const QString orWord = text(TaskText::And);
    gbRounding_->setTitle(text(WizardText::RoundingType));
    toc_0_->setText(text(TaskText::RoundNearest));
    toc_1_->setText(text(TaskText::RoundDown));
    toc_2_->setText(text(TaskText::RoundUp));
    lblKoe_->setText(text(WizardText::ScalingCoefCaption) + QStringLiteral(" (>=0") + sep +
                     QStringLiteral("01 ") + orWord + QStringLiteral(" <100):"));
    bounds_->setTitle(text(WizardText::GraphBounds));
    Decimal5_->apply_caption(text(WizardText::DecimalSeparator) + QStringLiteral(":"), separator());
}

void RoundingPage::read_controls(WizardInputs& in) {
    in.roundingType = toc_1_->isChecked() ? 1 : toc_2_->isChecked() ? 2 : 0;
    in.tact = utf8_text(txtDelta_->text());
    in.scalingCoef = utf8_text(txtKoe_->text());
}

void RoundingPage::show_model() {
    const WizardInputs& in = model().inputs();
    toc_0_->setChecked(rounding_type(in) == RoundingType::ByMean);
    toc_1_->setChecked(rounding_type(in) == RoundingType::ByMinimum);
    toc_2_->setChecked(rounding_type(in) == RoundingType::ByMaximum);
    set_box_text(txtDelta_, in.tact);
    set_box_text(txtKoe_, in.scalingCoef);
    const WizardCaptions c = model().captions();
    bounds_->show_bounds(c, model().record(), separator());
    Label29_->set_caption(qt_text(c.tact));
    Label30_->set_caption(qt_text(c.discretised));
}

ThresholdPage::ThresholdPage(WizardPageHost& host) : WizardPage("gbWindow_6", PanelHeader::Task, host) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(build_threshold_facts(content));
    bounds_ = new BoundsBox(QStringLiteral("6"), content);
    layout->addWidget(bounds_);
    thresholdPart_ = build_threshold_list(content);
    layout->addWidget(thresholdPart_, 1);
    layout->addLayout(build_second_level_boxes(content));
    layout->addStretch(0);
    connect(Resflg_, &QPushButton::clicked, this, [this] { ResflgClick(); });
    set_content(content);
}

// The tact and the phase-state estimate the thresholds are chosen under.
QGridLayout* ThresholdPage::build_threshold_facts(QWidget* content) {
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

// The check list of candidate thresholds with the button that unticks them all; it takes turns with
// the second-level boxes in the same place.
QWidget* ThresholdPage::build_threshold_list(QWidget* content) {
    Label44_ = new QLabel(content);
    Label44_->setObjectName(QStringLiteral("Label44"));
    Label45_ = new QLabel(content);
    Label45_->setObjectName(QStringLiteral("Label45"));
    clFazu_ = new QListWidget(content);
    host_.register_control(WizardControl::ThresholdList, clFazu_);
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
QGridLayout* ThresholdPage::build_second_level_boxes(QWidget* content) {
    auto* second = new QGridLayout;
    Label75_ = new QLabel(content);
    Label75_->setObjectName(QStringLiteral("Label75"));
    Label77_ = new QLabel(content);
    Label77_->setObjectName(QStringLiteral("Label77"));
    Label78_ = new QLabel(content);
    Label78_->setObjectName(QStringLiteral("Label78"));
    txt_C_ = decimal_box(WizardBox::CostThreshold, separator(), 14, content);
    txt_Nd_ = decimal_box(WizardBox::SecondLevelIterations, separator(), 4, content);
    txt_kup_ = decimal_box(WizardBox::ReductionCoef, separator(), 4, content);
    host_.register_control(WizardControl::CostThreshold, txt_C_);
    host_.register_control(WizardControl::SecondLevelIterations, txt_Nd_);
    host_.register_control(WizardControl::ReductionCoef, txt_kup_);
    Decimal6_ = new SeparatorBox("Decimal6", content);
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

bool ThresholdPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Thresholds;
}

void ThresholdPage::apply_captions() {
    const QString orWord = text(TaskText::And);
    bounds_->setTitle(text(WizardText::GraphBounds));
    lblMaxFaz_->setText(text(WizardText::PhaseStateCount) + QStringLiteral(":"));
    Label44_->setText(text(WizardText::TickThresholdsToCompute));
    Label23_->setText(text(WizardText::TickedValuesAtMostTen));
    Resflg_->setText(text(WizardText::ClearAllTicks));
    Label77_->setText(text(WizardText::SecondLevelIterationsCaption) + QStringLiteral(" (>=5 ") + orWord +
                      QStringLiteral(" <=20):"));
    Label78_->setText(text(WizardText::ReductionCoefCaption) + QStringLiteral(" (>=1 ") + orWord +
                      QStringLiteral(" <=4) ") + text(WizardText::ThresholdStepNote) + QStringLiteral(":"));
    Decimal6_->apply_caption(text(WizardText::DecimalSeparator) + QStringLiteral(":"), separator());
}

void ThresholdPage::read_controls(WizardInputs& in) {
    for (int i = 0; i < clFazu_->count() && i < static_cast<int>(in.candidates.size()); ++i)
        in.candidates[i].ticked = clFazu_->item(i)->checkState() == Qt::Checked;
    in.costThreshold = utf8_text(txt_C_->text());
    in.iterations = utf8_text(txt_Nd_->text());
    in.reduction = utf8_text(txt_kup_->text());
}

void ThresholdPage::show_model() {
    const WizardInputs& in = model().inputs();
    const TaskRecord& rec = model().record();
    const WizardCaptions c = model().captions();
    show_threshold_candidates();
    set_box_text(txt_C_, in.costThreshold);
    set_box_text(txt_Nd_, in.iterations);
    set_box_text(txt_kup_, in.reduction);
    bounds_->show_bounds(c, rec, separator());
    Label41_->setText(qt_text(c.tactLabel));
    staticDelta_6_->setText(qt_text(format_shortest(rec.header.tact, separator())));
    MaxFaz_->setText(qt_text(model().phase_states_text()));
    Label45_->setText(qt_text(c.thresholdList));
    Label75_->setText(qt_text(c.costThreshold));

    const bool second = model().second_level_mode();
    for (QWidget* w :
         std::initializer_list<QWidget*>{thresholdPart_, clFazu_, Label44_, Label45_, Label23_, Resflg_})
        w->setVisible(!second);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label75_, Label77_, Label78_, txt_C_, txt_Nd_, txt_kup_, Decimal6_})
        w->setVisible(second);
}

// The candidate thresholds as a check list: the items made again only when their texts changed, then
// ticked as the model says.
void ThresholdPage::show_threshold_candidates() {
    const WizardInputs& in = model().inputs();
    bool sameItems = clFazu_->count() == static_cast<int>(in.candidates.size());
    for (int i = 0; sameItems && i < clFazu_->count(); ++i)
        sameItems = clFazu_->item(i)->text() == qt_text(in.candidates[i].text);
    if (!sameItems) {
        clFazu_->clear();
        for (const ThresholdItem& item : in.candidates) {
            auto* it = new QListWidgetItem(qt_text(item.text), clFazu_);
            it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < clFazu_->count(); ++i)
        clFazu_->item(i)->setCheckState(in.candidates[i].ticked ? Qt::Checked : Qt::Unchecked);
}

void ThresholdPage::ResflgClick() {
    for (int i = 0; i < clFazu_->count(); ++i)
        clFazu_->item(i)->setCheckState(Qt::Unchecked);
}

SummaryPage::SummaryPage(WizardPageHost& host) : WizardPage("gbWindow_7", PanelHeader::None, host) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    facts_ = new QGroupBox(content);
    auto* grid = new QGridLayout(facts_);
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
        l.caption = new QLabel(facts_);
        if (*line[0])
            l.caption->setObjectName(QLatin1String(line[0]));
        l.value = value_label(QLatin1String(line[1]), facts_);
        grid->addWidget(l.caption, row, 0);
        grid->addWidget(l.value, row, 1);
        ++row;
        summaryLines_[line[1]] = l;
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(facts_);
    bounds_ = new BoundsBox(QStringLiteral("7"), content);
    layout->addWidget(bounds_);

    gbOrder_ = new QGroupBox(content);
    gbOrder_->setObjectName(QStringLiteral("gbOrder"));
    auto* orderLayout = new QGridLayout(gbOrder_);
    Order1_ = new QRadioButton(gbOrder_);
    Order1_->setObjectName(QStringLiteral("Order1"));
    Order2_ = new QRadioButton(gbOrder_);
    Order2_->setObjectName(QStringLiteral("Order2"));
    Order2_->setChecked(true);
    lblOrder1_ = new WrappedLabel(gbOrder_);
    lblOrder2_ = new WrappedLabel(gbOrder_);
    orderLayout->addWidget(Order1_, 0, 0, Qt::AlignTop);
    orderLayout->addWidget(lblOrder1_, 0, 1);
    orderLayout->addWidget(Order2_, 1, 0, Qt::AlignTop);
    orderLayout->addWidget(lblOrder2_, 1, 1);
    orderLayout->setColumnStretch(1, 1);
    layout->addWidget(gbOrder_);
    layout->addStretch(1);
    set_content(content);
}

bool SummaryPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Summary;
}

void SummaryPage::apply_captions() {
    const std::pair<const char*, QString> summary[] = {
        {"MaxFaz_7", text(WizardText::PhaseStateCount)},
        {"prkoe", text(WizardText::ScalingCoefCaption)},
        {"static_toc", text(WizardText::RoundingType)},
        {"Cost", text(TaskText::CostUnit)},
        {"lTime", text(TaskText::TimeUnit)},
        {"kateg", text(TaskText::CategoryCount)},
        {"regime", text(WizardText::Decomposition)},
        {"regn", text(WizardText::SubgraphNumbering)},
        {"prm1", text(WizardText::AllowedSubgraphsCaption)},
        {"prm11", text(TaskText::SubgraphsExtracted)},
        {"prm2", text(TaskText::MaxQuantSteps)},
        {"LenNT", text(WizardText::TickedThresholdCount)},
        {"L_Nd", text(WizardText::SecondLevelIterationsCaption)},
        {"L_kup", text(WizardText::ReductionCoefCaption)},
    };
    for (const auto& [name, caption] : summary)
        summaryLines_[name].caption->setText(caption + QStringLiteral(" -"));
    bounds_->setTitle(text(WizardText::GraphBounds));
    facts_->setTitle(text(TaskText::TaskParameters));
    gbOrder_->setTitle(text(WizardText::WhenToSolve));
    Order1_->setText(text(WizardText::AtOnce));
    Order2_->setText(text(WizardText::Later));
    lblOrder1_->set_caption(QStringLiteral("(") + text(WizardText::AtOnceNote) + QStringLiteral(")"));
    lblOrder2_->set_caption(QStringLiteral("(") + text(WizardText::LaterNote) + QStringLiteral(")"));
}

void SummaryPage::read_controls(WizardInputs& in) {
    in.solveAtOnce = Order1_->isChecked();
}

void SummaryPage::show_model() {
    Order1_->setChecked(model().inputs().solveAtOnce);
    Order2_->setChecked(!model().inputs().solveAtOnce);
    const WizardSummary& s = model().summary();
    const WizardCaptions c = model().captions();
    bounds_->show_bounds(c, model().record(), separator());
    auto line = [this](const char* name, const std::string& value, bool shown = true) {
        SummaryLine& l = summaryLines_[name];
        l.value->setText(qt_text(value));
        l.caption->setVisible(shown);
        l.value->setVisible(shown);
    };
    summaryLines_["staticDelta_7"].caption->setText(qt_text(c.tactLabel));
    summaryLines_["L_C_value"].caption->setText(text(TaskText::CostThreshold) + QStringLiteral(" (") +
                                                qt_text(model().record().header.costUnit) +
                                                QStringLiteral(") -"));
    line("staticDelta_7", s.tact);
    line("MaxFaz_7", s.phaseStates);
    line("prkoe", s.scalingCoef);
    line("static_toc", s.rounding);
    line("Cost", s.costUnit);
    line("lTime", s.timeUnit);
    line("kateg", s.categoryCount, s.categoriesShown);
    line("regime", s.regime, s.decompositionShown);
    line("regn", s.numbering, s.numberingShown);
    line("prm1", s.allowedSubgraphs, s.allowedShown);
    line("prm11", s.subgraphCount, s.subgraphCountShown);
    line("prm2", s.quantSteps, s.quantStepsShown);
    line("LenNT", s.thresholdCount, !s.secondLevel);
    line("L_Nd", s.iterations, s.secondLevel);
    line("L_kup", s.reduction, s.secondLevel);
    line("L_C_value", s.costThreshold, s.secondLevel);
}

} // namespace zep
