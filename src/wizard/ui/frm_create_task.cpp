#include "wizard/ui/frm_create_task.h"

#include "common/number_text.h"
#include "wizard/ui/task_header.h"
#include "wizard/ui/wizard_widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zep {

TfrmCreateTask::TfrmCreateTask(WizardContext ctx, EntryMode mode, const std::string& currentTaskCode,
                               Notifier& notifier, QWidget* parent)
    : QWidget(parent, Qt::Window), notifier_(notifier), separator_(ctx.separator) {
    setObjectName(QStringLiteral("TfrmCreateTask"));
    ctx.ask = [this](const std::string& question) { return notifier_.question(this, qt_text(question)); };
    model_ = std::make_unique<Wizard>(std::move(ctx), mode, currentTaskCode);

    auto* layout = new QVBoxLayout(this);
    stepTitle_ = new QLabel(this);
    stepTitle_->setObjectName(QStringLiteral("lblStepTitle"));
    QFont titleFont = stepTitle_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    stepTitle_->setFont(titleFont);
    layout->addWidget(stepTitle_);
    stack_ = new QStackedWidget(this);
    layout->addWidget(stack_, 1);
    stack_->addWidget(build_code_panel());
    stack_->addWidget(build_general_panel());
    stack_->addWidget(build_interval_count_panel());
    stack_->addWidget(build_interval_panel());
    stack_->addWidget(build_chain_panel(false));
    stack_->addWidget(build_chain_panel(true));
    stack_->addWidget(build_operation_panel());
    stack_->addWidget(build_variant_panel(false));
    stack_->addWidget(build_variant_panel(true));
    stack_->addWidget(build_review_panel(false));
    stack_->addWidget(build_review_panel(true));
    stack_->addWidget(build_rounding_panel());
    stack_->addWidget(build_threshold_panel());
    stack_->addWidget(build_summary_panel());
    build_buttons();
    apply_static_captions();
    resize(1220, 740);

    show_model();
    apply_focus({mode == EntryMode::CorrectTask ? WizardControl::Name : WizardControl::Code});
}

TfrmCreateTask::~TfrmCreateTask() = default;

QString TfrmCreateTask::text(int n) const {
    return qt_text(model_->context().shell.text(n));
}

QString TfrmCreateTask::label(int k) const {
    return qt_text(model_->context().shell.label(k));
}

void TfrmCreateTask::build_buttons() {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    btnPrev_ = new QPushButton(this);
    btnPrev_->setObjectName(QStringLiteral("btnPrev"));
    btnNext_ = new QPushButton(this);
    btnClose_ = new QPushButton(this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    register_control(WizardControl::NextButton, btnNext_);
    btnNext_->setDefault(true);
    btnNext_->setAutoDefault(true);
    for (QPushButton* b : {btnPrev_, btnNext_, btnClose_}) {
        b->setMinimumWidth(110);
        row->addWidget(b);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(btnPrev_, &QPushButton::clicked, this, [this] { btnPrevClick(); });
    connect(btnNext_, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnClose_, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

QWidget* TfrmCreateTask::panel(const char* name, QWidget* content, PanelHeader header) {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    if (header == PanelHeader::Task) {
        const QString suffix = QLatin1String(name).mid(QStringLiteral("gbWindow_").size());
        auto* header = new TaskHeaderPanel(suffix, page);
        headers_.push_back(header);
        layout->addWidget(header);
    }
    layout->addWidget(content, 1);
    return page;
}

QWidget* TfrmCreateTask::separator_box(const char* name, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(box);
    auto* value = new QLabel(box);
    value->setObjectName(QLatin1String(name));
    row->addWidget(caption);
    row->addWidget(value);
    separatorCaptions_.push_back(caption);
    separatorLabels_.push_back(value);
    return box;
}

void TfrmCreateTask::register_control(WizardControl control, QWidget* widget) {
    widget->setObjectName(QLatin1String(control_name(control)));
    controls_[control] = widget;
}

QWidget* TfrmCreateTask::panel_of(WizardStep step) const {
    const TaskRecord& rec = model_->record();
    const bool nested = rec.workingNestedChainCount > 0;
    const bool resources = rec.header.has_unavailable_resources();
    const char* name = "gbWindow_1";
    switch (step) {
    case WizardStep::Code:
        name = "gbWindow_1";
        break;
    case WizardStep::General:
        name = "gbWindow_2";
        break;
    case WizardStep::IntervalCounts:
        name = "gbWindow_2a";
        break;
    case WizardStep::Intervals:
        name = "gbWindow_2b";
        break;
    case WizardStep::Chains:
        name = nested ? "gbWindow_22_" : "gbWindow_22";
        break;
    case WizardStep::Operations:
        name = "gbWindow_223";
        break;
    case WizardStep::Variants:
        name = resources ? "gbWindow_3a" : "gbWindow_3";
        break;
    case WizardStep::Review:
        name = resources ? "gbWindow_4a" : "gbWindow_4";
        break;
    case WizardStep::Rounding:
        name = "gbWindow_5";
        break;
    case WizardStep::Thresholds:
        name = "gbWindow_6";
        break;
    case WizardStep::Summary:
        name = "gbWindow_7";
        break;
    }
    return stack_->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

// ---- The buttons ------------------------------------------------------------------------------------

void TfrmCreateTask::btnNextClick() {
    read_controls();
    const WizardStep step = model_->current_step();
    const bool searching =
        step == WizardStep::Operations && model_->record().header.automatic_subgraph_numbering();
    if (searching) {
        Label12_->show();
        Label12_->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    StepOutcome outcome = model_->next();
    if (searching) {
        QApplication::restoreOverrideCursor();
        Label12_->hide();
    }
    if (step == WizardStep::General && outcome.moved)
        generalPassed_ = true;
    if (outcome.finished) {
        const std::string code = model_->inputs().code;
        const bool atOnce = model_->inputs().solveAtOnce;
        show_notes(outcome.notes);
        close();
        if (onFinished)
            onFinished(code, atOnce);
        return;
    }
    show_outcome(outcome);
}

void TfrmCreateTask::btnPrevClick() {
    read_controls();
    show_outcome(model_->prev());
}

void TfrmCreateTask::btnCloseClick() {
    close();
}

void TfrmCreateTask::closeEvent(QCloseEvent* event) {
    model_->cancel();
    if (onClosed) {
        auto closed = std::move(onClosed);
        onClosed = nullptr;
        closed();
    }
    event->accept();
}

// ---- Outcomes and focus -----------------------------------------------------------------------------

void TfrmCreateTask::show_notes(const std::vector<WizardMessage>& notes) {
    for (const WizardMessage& m : notes) {
        if (m.kind == MessageKind::Information)
            notifier_.information(this, qt_text(m.text));
        else if (m.kind == MessageKind::Warning)
            notifier_.warning(this, qt_text(m.text));
    }
}

void TfrmCreateTask::show_outcome(const StepOutcome& outcome) {
    show_model();
    show_notes(outcome.notes);
    if (outcome.refusal)
        notifier_.warning(this, qt_text(outcome.refusal->text));
    apply_focus(outcome.focus);
}

void TfrmCreateTask::apply_focus(const WizardFocus& focus) {
    auto it = controls_.find(focus.control);
    if (it == controls_.end())
        return;
    if (auto* grid = qobject_cast<EntryGrid*>(it->second)) {
        grid->focus_row(focus.row);
        return;
    }
    it->second->setFocus(Qt::OtherFocusReason);
    if (auto* list = qobject_cast<QListWidget*>(it->second);
        list && list->count() > 0 && list->currentRow() < 0)
        list->setCurrentRow(0);
}

// ---- Controls to the model --------------------------------------------------------------------------

void TfrmCreateTask::read_controls() {
    WizardInputs& in = model_->inputs();
    const TaskRecord& rec = model_->record();
    in.code = utf8_text(txtShifr_->text());
    in.name = utf8_text(txtName_->text());
    in.importSource = RB_2_->isChecked() ? ImportSource::Workbook : ImportSource::TaskFile;

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

    in.intervalCounts = Grid2a_->cells();
    in.intervals = Grid2b_->cells();
    const bool nested = rec.workingNestedChainCount > 0;
    in.chains = (nested ? StringGrid1__ : StringGrid1_)->cells();
    in.opChangeAtStart = nested ? RB1__->isChecked() : RB1_->isChecked();
    in.conversionMode = Reg2_2_->isChecked() ? 2 : 1;
    in.operations = StringGrid2_->cells();
    in.variants = (rec.header.has_unavailable_resources() ? varA_ : var_).grid->cells();

    in.roundingType = toc_1_->isChecked() ? 1 : toc_2_->isChecked() ? 2 : 0;
    in.tact = utf8_text(txtDelta_->text());
    in.scalingCoef = utf8_text(txtKoe_->text());
    for (int i = 0; i < clFazu_->count() && i < static_cast<int>(in.candidates.size()); ++i)
        in.candidates[i].ticked = clFazu_->item(i)->checkState() == Qt::Checked;
    in.costThreshold = utf8_text(txt_C_->text());
    in.iterations = utf8_text(txt_Nd_->text());
    in.reduction = utf8_text(txt_kup_->text());
    in.solveAtOnce = Order1_->isChecked();
}

// ---- The model to the controls ----------------------------------------------------------------------

void TfrmCreateTask::show_model() {
    syncing_ = true;
    if (QWidget* p = panel_of(model_->current_step()))
        stack_->setCurrentWidget(p);
    setWindowTitle(qt_text(model_->step_title()));
    stepTitle_->setText(windowTitle());
    btnPrev_->setEnabled(model_->prev_enabled());
    btnNext_->setText(qt_text(model_->next_caption()));

    const TaskRecord& rec = model_->record();
    const WizardCaptions captions = model_->captions();
    HeaderValues header;
    header.code = qt_text(rec.header.taskCode);
    header.name = qt_text(rec.header.taskName);
    if (generalPassed_) {
        header.minimised = qt_text(captions.minimised);
        header.resources = qt_text(captions.resources);
        header.chains = QString::number(rec.workingChainCount);
        header.nestedChains = QString::number(rec.workingNestedChainCount);
    }
    for (TaskHeaderPanel* h : headers_)
        h->set_values(header, generalPassed_);

    show_code_step();
    show_general_step();
    show_grids();
    show_selectors();
    show_captions();
    show_summary();
    syncing_ = false;
}

} // namespace zep
