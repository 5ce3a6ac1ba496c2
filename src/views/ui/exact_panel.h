#pragma once
// The exact optimum of the shown variant above the time-cost chart: a button that computes it on a
// worker thread (with the exact time-cost curve, the first time), a progress bar and a stop button while
// it runs, and the optimum, the gap and whether the method's plan keeps within the variant's threshold.
#include "exact/variant_report.h"
#include "shell/session_state.h"

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QProgressBar;
class QThread;
class QToolButton;

namespace zep {

class ExactOptimumPanel : public QWidget {
    Q_OBJECT
public:
    ExactOptimumPanel(const SessionState& state, TaskRecord task, Solution solution, QWidget* parent);
    ~ExactOptimumPanel() override; // stops a run in progress and waits for it

    // The variant (0-based) whose result the panel shows.
    void set_variant(int run);
    // The button's click: the exact optimum of the shown variant.
    void compute_optimum();
    // The stop button's click: the run ends at the solver's next chance, its results dropped.
    void stop_computing();
    bool running() const;

    // Called on the window's thread with the exact curve once it is computed.
    std::function<void(std::vector<exact::FrontierPoint>)> onCurve;

    QToolButton* button() const { return button_; }
    QToolButton* stop_button() const { return stop_; }
    QLabel* result() const { return result_; }
    QProgressBar* progress() const { return progress_; }
    // The report of a variant computed so far.
    const std::optional<exact::VariantReport>& report(int run) const;

signals:
    void computed(int run);

private:
    struct Outcome;
    void finish(const Outcome& outcome);
    void show_result();

    const SessionState& state_;
    TaskRecord task_;
    Solution solution_;
    int shown_ = 0;
    bool unavailable_ = false;
    bool curveComputed_ = false;
    std::optional<exact::TaskGoal> goal_;
    std::vector<std::optional<exact::VariantReport>> reports_;
    QThread* thread_ = nullptr;
    std::shared_ptr<std::atomic<bool>> stopRequested_; // of the run in progress

    QToolButton* button_ = nullptr;
    QToolButton* stop_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* result_ = nullptr;
};

} // namespace zep
