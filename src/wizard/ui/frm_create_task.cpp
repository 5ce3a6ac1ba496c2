#include "wizard/ui/frm_create_task.h"

#include "shell/ui/window_keys.h"

#include "wizard/ui/page_chains.h"
#include "wizard/ui/page_code.h"
#include "wizard/ui/page_final.h"
#include "wizard/ui/page_general.h"
#include "wizard/ui/page_intervals.h"
#include "wizard/ui/page_variants.h"
#include "wizard/ui/task_header.h"
#include "wizard/ui/wizard_widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zep {

TfrmCreateTask::TfrmCreateTask(WizardContext ctx, EntryMode mode, const std::string& currentTaskCode,
                               Notifier& notifier, QWidget* parent)
    : QWidget(parent, Qt::Window), notifier_(notifier) {
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
    build_pages();
    build_buttons();
    apply_static_captions();
    resize(1220, 740);

    show_model();
    apply_focus({mode == EntryMode::CorrectTask ? WizardControl::Name : WizardControl::Code});
}

TfrmCreateTask::~TfrmCreateTask() = default;

QString TfrmCreateTask::text(WizardText which) const {
    return qt_text(wizard_text(model_->context().shell, which));
}

QString TfrmCreateTask::text(ShellText which) const {
    return qt_text(shell_text(model_->context().shell, which));
}

QString TfrmCreateTask::text(TaskText which) const {
    return qt_text(task_text(model_->context().shell, which));
}

QString TfrmCreateTask::label(int k) const {
    return qt_text(model_->context().shell.label(k));
}

// The pages in the order of the steps; a step with two pages (nested chains, unavailable resources)
// shows the one its task needs.
void TfrmCreateTask::build_pages() {
    add_page(new CodePage(*this));
    add_page(new GeneralPage(*this));
    add_page(new IntervalCountPage(*this));
    add_page(new IntervalPage(*this));
    add_page(new ChainPage(false, *this));
    add_page(new ChainPage(true, *this));
    operations_ = new OperationPage(*this);
    add_page(operations_);
    add_page(new VariantPage(false, *this));
    add_page(new VariantPage(true, *this));
    add_page(new ReviewPage(false, *this));
    add_page(new ReviewPage(true, *this));
    add_page(new RoundingPage(*this));
    add_page(new ThresholdPage(*this));
    add_page(new SummaryPage(*this));
}

void TfrmCreateTask::add_page(WizardPage* page) {
    stack_->addWidget(page);
    pages_.push_back(page);
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
    click_on_escape(this, btnClose_);
}

void TfrmCreateTask::apply_static_captions() {
    btnPrev_->setText(text(WizardText::Back));
    btnClose_->setText(text(ShellText::Cancel));
    const QStringList headerCaptions = {text(TaskText::TaskCode) + QStringLiteral(":"),
                                        text(TaskText::TaskName) + QStringLiteral(":"),
                                        text(TaskText::MinimisedParameter) + QStringLiteral(":"),
                                        label(11) + QStringLiteral(":"),
                                        label(1) + QStringLiteral(", ") + label(28) + QStringLiteral(":"),
                                        text(WizardText::NestedChains) + QStringLiteral(":")};
    for (WizardPage* p : pages_) {
        p->apply_captions();
        p->apply_header_captions(headerCaptions);
    }
}

void TfrmCreateTask::register_control(WizardControl control, QWidget* widget) {
    widget->setObjectName(QLatin1String(control_name(control)));
    controls_[control] = widget;
}

WizardPage* TfrmCreateTask::page_of(WizardStep step) const {
    for (WizardPage* p : pages_)
        if (p->shows_step(step, model_->record()))
            return p;
    return nullptr;
}

QString TfrmCreateTask::choose_workbook() {
    return chooseWorkbook ? chooseWorkbook() : QString();
}

// ---- The buttons ------------------------------------------------------------------------------------

void TfrmCreateTask::btnNextClick() {
    read_controls();
    const WizardStep step = model_->current_step();
    const bool searching =
        step == WizardStep::Operations && model_->record().header.automatic_subgraph_numbering();
    if (searching) {
        operations_->show_search_note(true);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    StepOutcome outcome = model_->next();
    if (searching) {
        QApplication::restoreOverrideCursor();
        operations_->show_search_note(false);
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

// ---- Between the pages and the model ----------------------------------------------------------------

// Every page, not only the step's: a page the user has left still hands back what the model showed in
// it (the rows added for the variants, the ticks of the thresholds), as the model expects.
void TfrmCreateTask::read_controls() {
    WizardInputs& in = model_->inputs();
    for (WizardPage* p : pages_)
        p->read_controls(in);
}

void TfrmCreateTask::show_model() {
    syncing_ = true;
    if (WizardPage* p = page_of(model_->current_step()))
        stack_->setCurrentWidget(p);
    setWindowTitle(qt_text(model_->step_title()));
    stepTitle_->setText(windowTitle());
    btnPrev_->setEnabled(model_->prev_enabled());
    btnNext_->setText(qt_text(model_->next_caption()));
    const HeaderValues header = header_values();
    for (WizardPage* p : pages_)
        p->show_header(header, generalPassed_);
    for (WizardPage* p : pages_)
        p->show_model();
    syncing_ = false;
}

// The task's code and name above the pages; its parameters once step 2 has been passed.
HeaderValues TfrmCreateTask::header_values() const {
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
    return header;
}

} // namespace zep
