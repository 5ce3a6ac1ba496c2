// What the window shows of the model: the captions that never change, the grids, the selectors, the
// captions that depend on the task and the summary.
#include "common/number_text.h"
#include "wizard/ui/frm_create_task.h"
#include "wizard/ui/task_header.h"
#include "wizard/ui/wizard_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace zep {
namespace {

void fill_numbers(QComboBox* box, int count, int current) {
    if (box->count() != count) {
        box->clear();
        for (int i = 1; i <= count; ++i)
            box->addItem(QString::number(i));
    }
    box->setCurrentIndex(current < count ? current : -1);
}

void set_box_text(QLineEdit* box, const std::string& text) {
    const QString t = qt_text(text);
    if (box->text() != t)
        box->setText(t);
}

QString key_hint(const char* modifier, const QString& down, const QString& up) {
    return QStringLiteral("<%1>+<ArrowDown> - %2    <%1>+<ArrowUp> - %3")
        .arg(QLatin1String(modifier), down, up);
}

} // namespace

void TfrmCreateTask::apply_static_captions() {
    apply_code_step_captions();
    apply_general_step_captions();
    apply_chain_step_captions();
    apply_operation_and_variant_captions();
    apply_final_step_captions();
    apply_summary_captions();
}

// The buttons, step 1 and its import panel.
void TfrmCreateTask::apply_code_step_captions() {
    btnPrev_->setText(text(212));
    btnClose_->setText(text(301));
    lblShifr_->setText(text(486) + QStringLiteral(":"));
    lblName_->setText(text(213) + QStringLiteral(":"));
    pnlExport_->setTitle(text(55));
    Label18_->setText(text(144) + QStringLiteral(":"));
    btnExport_->setText(text(547));
    StaticText1_->setText(text(558));
    Button1_->setText(text(548) + QStringLiteral(" (*.xlsx, *.ods, *.xls)"));
    Label_ex1_->setText(text(78) + QStringLiteral(":"));
}

// Step 2: the general parameters, the resources and the decomposition.
void TfrmCreateTask::apply_general_step_captions() {
    const QString orWord = text(0);
    gbMinimised_->setTitle(text(204));
    rbPrmp_0_->setText(text(434));
    rbPrmp_1_->setText(text(64));
    lblNch_->setText(text(48) + QStringLiteral(" (<=1000):"));
    lblnc2_->setText(text(49) + QStringLiteral(":"));
    lblCostUnit_->setText(text(124) + QStringLiteral(":"));
    lblTimeUnit_->setText(text(123) + QStringLiteral(":"));
    Label83_->setText(text(557));
    vnr1_->setText(text(495));
    vnr2_->setText(text(272));
    L_Kat_->setText(text(50) + QStringLiteral(" (>0 ") + orWord + QStringLiteral(" <=100):"));
    GroupBox1_->setTitle(text(391));
    Reg_0_->setText(text(555));
    Reg_1_->setText(text(556));
    GroupBox5_->setTitle(text(156));
    Reg1_0_->setText(text(397));
    Reg1_1_->setText(text(14) + QStringLiteral(" (") + text(119) + QStringLiteral(" <=10)"));
    L_decomp_->setText(text(318) + QStringLiteral(":"));
    L_Dnp_->setText(QStringLiteral("1) ") + text(2) + QStringLiteral(" (>0 ") + orWord +
                    QStringLiteral(" <=100):"));
    L_Mxns_->setText(QStringLiteral("2) ") + text(194) + QStringLiteral(" (>=5 ") + orWord +
                     QStringLiteral(" <=20):"));
}

// Step 2a and step 3: the interval counts and the chains.
void TfrmCreateTask::apply_chain_step_captions() {
    Grid2a_->setHorizontalHeaderLabels({text(277), text(476) + QStringLiteral(" (<=10)")});
    Label21_->setText(text(349));
    const QStringList chainColumns = {text(517), text(215), text(7) + QStringLiteral(" (<=500)")};
    StringGrid1_->setHorizontalHeaderLabels(chainColumns);
    StringGrid1__->setHorizontalHeaderLabels(
        chainColumns + QStringList{text(275), text(176), text(280), text(178), text(280)});
    Label33_->set_caption(text(160));
    for (QGroupBox* g : {gbPlace_, gbPlace__})
        g->setTitle(text(550));
    for (QRadioButton* b : {RB1_, RB1__})
        b->setText(text(551));
    for (QRadioButton* b : {RB2_, RB2__})
        b->setText(text(552));
    gbConversion_->setTitle(text(390));
    Reg2_1_->setText(text(553));
    Reg2_2_->setText(text(554));
}

// Steps 4 and 5: the operations and the variants, with the decimal separator beside its boxes.
void TfrmCreateTask::apply_operation_and_variant_captions() {
    const QString sep(QChar::fromLatin1(separator_));
    lblChain223_->setText(text(217) + QStringLiteral(":"));
    StringGrid2_->setHorizontalHeaderLabels({text(517), text(214), text(473) + QStringLiteral(" (<=20)")});
    keys223_->setText(key_hint("Shift", text(328), text(326)));
    Label12_->setText(text(157) + QStringLiteral(" ..."));
    for (VariantPanel* p : {&var_, &varA_}) {
        p->chainCaption->setText(text(217) + QStringLiteral(":"));
        p->operationCaption->setText(text(218) + QStringLiteral(":"));
        p->nameCaption->setText(text(214) + QStringLiteral(":"));
        p->chainKeys->setText(key_hint("Shift", text(328), text(326)));
        p->operationKeys->setText(key_hint("Ctrl", text(327), text(325)));
    }
    varA_.spaceKey->setText(QStringLiteral("<SpaceBar> - ") + text(455));
    for (QLabel* l : separatorCaptions_)
        l->setText(text(544) + QStringLiteral(":"));
    for (QLabel* l : separatorLabels_) {
        l->setText(sep);
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8);
    }
}

// Steps 7 and 8: the rounding, the tact, the bounds and the thresholds.
void TfrmCreateTask::apply_final_step_captions() {
    const QString sep(QChar::fromLatin1(separator_));
    const QString orWord = text(0);
    gbRounding_->setTitle(text(334));
    toc_0_->setText(text(333));
    toc_1_->setText(text(332));
    toc_2_->setText(text(331));
    lblKoe_->setText(text(42) + QStringLiteral(" (>=0") + sep + QStringLiteral("01 ") + orWord +
                     QStringLiteral(" <100):"));
    for (QGroupBox* g : findChildren<QGroupBox*>(QRegularExpression(QStringLiteral("^gbBounds_"))))
        g->setTitle(text(82));

    lblMaxFaz_->setText(text(189) + QStringLiteral(":"));
    Label44_->setText(text(118));
    Label23_->setText(text(480));
    Resflg_->setText(text(403));
    Label77_->setText(text(41) + QStringLiteral(" (>=5 ") + orWord + QStringLiteral(" <=20):"));
    Label78_->setText(text(43) + QStringLiteral(" (>=1 ") + orWord + QStringLiteral(" <=4) ") + text(128) +
                      QStringLiteral(":"));
}

// The summary, the order of the next steps and the task headers above the steps.
void TfrmCreateTask::apply_summary_captions() {
    const std::pair<const char*, int> summary[] = {
        {"MaxFaz_7", 189}, {"prkoe", 42},   {"static_toc", 334}, {"Cost", 124}, {"lTime", 123},
        {"kateg", 5},      {"regime", 391}, {"regn", 156},       {"prm1", 2},   {"prm11", 461},
        {"prm2", 194},     {"LenNT", 140},  {"L_Nd", 41},        {"L_kup", 43},
    };
    for (const auto& [name, n] : summary)
        summaryLines_[name].caption->setText(text(n) + QStringLiteral(" -"));
    if (auto* facts = qobject_cast<QGroupBox*>(summaryLines_["prkoe"].caption->parentWidget()))
        facts->setTitle(text(319));
    if (auto* order = findChild<QGroupBox*>(QStringLiteral("gbOrder")))
        order->setTitle(text(549));
    Order1_->setText(text(545));
    Order2_->setText(text(546));
    lblOrder1_->set_caption(QStringLiteral("(") + text(15) + QStringLiteral(")"));
    lblOrder2_->set_caption(QStringLiteral("(") + text(402) + QStringLiteral(")"));
    for (TaskHeaderPanel* h : headers_)
        h->set_captions({text(486) + QStringLiteral(":"), text(213) + QStringLiteral(":"),
                         text(204) + QStringLiteral(":"), label(11) + QStringLiteral(":"),
                         label(1) + QStringLiteral(", ") + label(28) + QStringLiteral(":"),
                         text(154) + QStringLiteral(":")});
}

void TfrmCreateTask::show_grids() {
    const WizardInputs& in = model_->inputs();
    const TaskRecord& rec = model_->record();
    const bool nested = rec.workingNestedChainCount > 0;
    const bool resources = rec.header.has_unavailable_resources();
    const bool manual = rec.header.manual_subgraph_numbering();
    Grid2a_->set_cells(in.intervalCounts);
    Grid2b_->set_cells(in.intervals);
    (nested ? StringGrid1__ : StringGrid1_)->set_cells(in.chains);
    if (StringGrid1__->isColumnHidden(3) == manual) {
        StringGrid1__->setColumnHidden(3, !manual);
        StringGrid1__->fit_columns();
    }
    Label33_->setVisible(manual);
    for (QRadioButton* b : {RB1_, RB1__})
        b->setChecked(in.opChangeAtStart);
    for (QRadioButton* b : {RB2_, RB2__})
        b->setChecked(!in.opChangeAtStart);
    Reg2_1_->setChecked(in.conversionMode != 2);
    Reg2_2_->setChecked(in.conversionMode == 2);
    StringGrid2_->set_cells(in.operations);
    show_variant_grid(resources);
    show_review_grid(resources);
    show_threshold_candidates();
    set_box_text(txtDelta_, in.tact);
    set_box_text(txtKoe_, in.scalingCoef);
    set_box_text(txt_C_, in.costThreshold);
    set_box_text(txt_Nd_, in.iterations);
    set_box_text(txt_kup_, in.reduction);
    Order1_->setChecked(in.solveAtOnce);
    Order2_->setChecked(!in.solveAtOnce);
}

// The variant grid has a row for every variant the operation has, empty where none is stored yet.
void TfrmCreateTask::show_variant_grid(bool resources) {
    const TaskRecord& rec = model_->record();
    CellTable variants = model_->inputs().variants;
    const int vc = model_->var_step_chain();
    const int vo = model_->var_step_operation();
    if (vc < static_cast<int>(rec.chains.size()) && vo < static_cast<int>(rec.chains[vc].operations.size())) {
        const std::size_t count = static_cast<std::size_t>(rec.chains[vc].operations[vo].variantCount);
        for (std::size_t r = variants.size(); r < count; ++r)
            variants.push_back({std::to_string(r + 1)});
    }
    (resources ? varA_ : var_).grid->set_cells(variants);
}

// The table of all variants, filled again only when its columns or its size changed or it is the step
// shown.
void TfrmCreateTask::show_review_grid(bool resources) {
    const WizardCaptions c = model_->captions();
    // The number columns under the short words chain, operation, variant: the table fits the window.
    QStringList review = {label(1), text(215), label(2), text(214), label(3), text(439)};
    if (resources)
        review << text(172) << QStringLiteral("*");
    review << qt_text(c.variantTime) << qt_text(c.variantCost);
    ReviewGrid* grid = resources ? Grid_a_ : Grid_;
    if (grid->property("shown").value<QStringList>() != review ||
        grid->rowCount() != int(model_->review_table().size()) ||
        model_->current_step() == WizardStep::Review) {
        grid->set_cells(review, model_->review_table());
        grid->setProperty("shown", review);
    }
}

// The candidate thresholds as a check list: the items made again only when their texts changed, then
// ticked as the model says.
void TfrmCreateTask::show_threshold_candidates() {
    const WizardInputs& in = model_->inputs();
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

void TfrmCreateTask::show_selectors() {
    const TaskRecord& rec = model_->record();
    const int chains = static_cast<int>(rec.chains.size());
    fill_numbers(cb_M_223_, chains, model_->op_step_chain());
    M_2233_->setText(qt_text(model_->shown_chain_name()));
    const int vc = model_->var_step_chain();
    const int ops = vc < chains ? static_cast<int>(rec.chains[vc].operations.size()) : 0;
    for (VariantPanel* p : {&var_, &varA_}) {
        fill_numbers(p->chain, chains, vc);
        fill_numbers(p->operation, ops, model_->var_step_operation());
        p->chainName->setText(qt_text(model_->shown_chain_name()));
        p->operationName->setText(qt_text(model_->shown_operation_name()));
    }
}

void TfrmCreateTask::show_captions() {
    const WizardCaptions c = model_->captions();
    const TaskRecord& rec = model_->record();
    const char sep = separator_;
    Grid2b_->setHorizontalHeaderLabels(
        {text(277), label(26), qt_text(c.intervalStart), qt_text(c.intervalEnd)});
    var_.grid->setHorizontalHeaderLabels(
        {text(517), text(439), qt_text(c.variantTime), qt_text(c.variantCost)});
    varA_.grid->setHorizontalHeaderLabels({text(517), text(439), text(172), QStringLiteral("*"),
                                           qt_text(c.variantTime), qt_text(c.variantCost)});
    for (auto& b : timeBounds_) {
        b[0]->setText(qt_text(c.timeBound));
        b[1]->setText(qt_text(format_shortest(rec.graphTimeMin, sep)));
        b[2]->setText(qt_text(format_shortest(rec.graphTimeMax, sep)));
    }
    for (auto& b : costBounds_) {
        b[0]->setText(qt_text(c.costBound));
        b[1]->setText(qt_text(format_shortest(rec.graphCostMin, sep)));
        b[2]->setText(qt_text(format_shortest(rec.graphCostMax, sep)));
    }
    Label29_->set_caption(qt_text(c.tact));
    Label30_->set_caption(qt_text(c.discretised));
    Label41_->setText(qt_text(c.tactLabel));
    staticDelta_6_->setText(qt_text(format_shortest(rec.header.tact, sep)));
    MaxFaz_->setText(qt_text(model_->phase_states_text()));
    Label45_->setText(qt_text(c.thresholdList));
    Label75_->setText(qt_text(c.costThreshold));

    const bool second = model_->second_level_mode();
    for (QWidget* w :
         std::initializer_list<QWidget*>{thresholdPart_, clFazu_, Label44_, Label45_, Label23_, Resflg_})
        w->setVisible(!second);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label75_, Label77_, Label78_, txt_C_, txt_Nd_, txt_kup_, Decimal6_})
        w->setVisible(second);
}

void TfrmCreateTask::show_summary() {
    const WizardSummary& s = model_->summary();
    const WizardCaptions c = model_->captions();
    auto line = [this](const char* name, const std::string& value, bool shown = true) {
        SummaryLine& l = summaryLines_[name];
        l.value->setText(qt_text(value));
        l.caption->setVisible(shown);
        l.value->setVisible(shown);
    };
    summaryLines_["staticDelta_7"].caption->setText(qt_text(c.tactLabel));
    summaryLines_["L_C_value"].caption->setText(
        text(152) + QStringLiteral(" (") + qt_text(model_->record().header.costUnit) + QStringLiteral(") -"));
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
