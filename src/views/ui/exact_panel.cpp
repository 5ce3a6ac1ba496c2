#include "views/ui/exact_panel.h"

#include "exact/report_text.h"
#include "shell/ui/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QToolButton>
#include <memory>

namespace zep {

struct ExactOptimumPanel::Outcome {
    int run = 0;
    bool unavailable = false;
    bool stopped = false;
    exact::TaskGoal goal = exact::TaskGoal::CostUnderDeadline;
    std::optional<exact::VariantReport> report;
    std::optional<std::vector<exact::FrontierPoint>> curve;
};

ExactOptimumPanel::ExactOptimumPanel(const SessionState& state, TaskRecord task, Solution solution,
                                     QWidget* parent)
    : QWidget(parent), state_(state), task_(std::move(task)), solution_(std::move(solution)),
      reports_(solution_.status.size()) {
    setObjectName(QStringLiteral("ExactPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    button_ = new QToolButton(this);
    button_->setObjectName(QStringLiteral("btnExact"));
    button_->setText(qs(exact::exact_text(state_.shell, exact::ExactText::Button)));
    layout->addWidget(button_, 0, Qt::AlignTop);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pbExact"));
    progress_->setRange(0, 0);
    progress_->setFormat(qs(exact::exact_text(state_.shell, exact::ExactText::Computing)));
    progress_->setTextVisible(true);
    progress_->setMinimumWidth(260);
    progress_->hide();
    layout->addWidget(progress_, 0, Qt::AlignTop);
    stop_ = new QToolButton(this);
    stop_->setObjectName(QStringLiteral("btnExactStop"));
    stop_->setText(qs(exact::exact_text(state_.shell, exact::ExactText::Stop)));
    stop_->hide();
    layout->addWidget(stop_, 0, Qt::AlignTop);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("lblExact"));
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(result_, 1);
    connect(button_, &QToolButton::clicked, this, &ExactOptimumPanel::compute_optimum);
    connect(stop_, &QToolButton::clicked, this, &ExactOptimumPanel::stop_computing);
}

ExactOptimumPanel::~ExactOptimumPanel() {
    if (stopRequested_)
        stopRequested_->store(true);
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

bool ExactOptimumPanel::running() const {
    return thread_ && !thread_->isFinished();
}

const std::optional<exact::VariantReport>& ExactOptimumPanel::report(int run) const {
    static const std::optional<exact::VariantReport> none;
    return run >= 0 && run < static_cast<int>(reports_.size()) ? reports_[static_cast<std::size_t>(run)]
                                                               : none;
}

void ExactOptimumPanel::set_variant(int run) {
    shown_ = run;
    show_result();
}

void ExactOptimumPanel::compute_optimum() {
    if (running() || unavailable_)
        return;
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
    auto outcome = std::make_shared<Outcome>();
    outcome->run = shown_;
    const bool withCurve = !curveComputed_;
    stopRequested_ = std::make_shared<std::atomic<bool>>(false);
    exact::ExactOptions options;
    options.stopRequested = [stop = stopRequested_] { return stop->load(); };
    thread_ = QThread::create([this, outcome, withCurve, options, task = task_, solution = solution_] {
        try {
            const exact::ExactTask exactTask(task, options);
            outcome->goal = exactTask.goal();
            if (outcome->run < exact::reported_variant_count(exactTask, solution))
                outcome->report = exact::variant_report(exactTask, solution, outcome->run);
            if (withCurve)
                outcome->curve = exactTask.frontier();
        } catch (const exact::NetworkError&) {
            outcome->unavailable = true;
        } catch (const exact::SearchStopped&) {
            outcome->stopped = true;
        }
        QMetaObject::invokeMethod(
            this, [this, outcome] { finish(*outcome); }, Qt::QueuedConnection);
    });
    button_->setEnabled(false);
    result_->clear();
    progress_->show();
    stop_->setEnabled(true);
    stop_->show();
    thread_->start();
}

void ExactOptimumPanel::stop_computing() {
    if (!running())
        return;
    stopRequested_->store(true);
    stop_->setEnabled(false);
}

void ExactOptimumPanel::finish(const Outcome& outcome) {
    progress_->hide();
    stop_->hide();
    if (outcome.stopped) {
        button_->setEnabled(true);
        result_->setText(qs(exact::exact_text(state_.shell, exact::ExactText::Stopped)));
        return;
    }
    unavailable_ = outcome.unavailable;
    button_->setEnabled(!unavailable_);
    goal_ = outcome.goal;
    if (outcome.report)
        reports_[static_cast<std::size_t>(outcome.run)] = outcome.report;
    if (outcome.curve) {
        curveComputed_ = true;
        if (onCurve)
            onCurve(*outcome.curve);
    }
    show_result();
    emit computed(outcome.run);
}

void ExactOptimumPanel::show_result() {
    if (running())
        return;
    if (unavailable_) {
        result_->setText(qs(exact::exact_text(state_.shell, exact::ExactText::Unavailable)));
        return;
    }
    const std::optional<exact::VariantReport>& r = report(shown_);
    if (!r || !goal_) {
        result_->clear();
        return;
    }
    QStringList lines;
    for (const std::string& line :
         exact::report_lines(*r, task_, *goal_, state_.shell, state_.decimalSeparator))
        lines << qs(line);
    result_->setText(lines.join(QLatin1Char('\n')));
}

} // namespace zep
