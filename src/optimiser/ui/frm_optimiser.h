#pragma once
// The optimisation module's window `TForm1`: the mode (batch or individual), the task code, the four
// parameters, then the run with its report lines, a progress bar over the threshold runs and paths of
// the task (and one over the tasks of a batch) and a Stop button. The run goes on a worker thread; the
// window stays responsive, and closing it during a run asks, then stops the run first.
//
// Opening: the main window's command "Optim" (WindowKind::Optimiser) calls TForm1::open. The main window
// is disabled by the command and enabled again when this window closes.
//
// Immediate solve (the wizard's "сразу"): the wizard, after saving the task, copies its input file to
// Solving and marks it handed over (status 1, unloaded now), sets SessionState::immediateSolve = 1 and
// SessionState::immediateSolveCode = the code, and opens WindowKind::Optimiser through
// main.open_window(). The window then goes through the individual mode with the default parameters on
// its own, runs the task, takes the solution over (Data/zep_<code>_out.dat, status 2, solved now, both
// Solving files removed), resets immediateSolve to 0 and closes itself. A run stopped on this path
// leaves the task in Solving (status 1) and the window open with the message.
#include "optimiser/module_texts.h"
#include "optimiser/run_control.h"
#include "optimiser/ui/optimiser_steps.h"

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace zep {

class RunThread;
class TfrmMain;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(TfrmMain& main);
    ~TForm1() override;

    // The window factory: a separate window centred on the main window, destroyed when it closes.
    static TForm1* open(TfrmMain& main);

    // The handlers of the controls, as the buttons call them.
    void RB1Click();
    void RB2Click();
    void BNext1Click();
    void BNext2Click();
    void BNext3Click();
    void BStartClick();
    void BResetClick();
    void BEndClick();
    void BStopClick();

    bool runInProgress() const { return runActive_; }
    bool batchMode() const { return state_.batch; }
    // The step the window is in and the mode chosen; the controls shown follow from it.
    const OptimiserState& state() const { return state_; }

signals:
    // After every run, stopped or not (tests wait for it).
    void runFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    QWidget* build_step_controls();
    QVBoxLayout* build_report_lines();
    QHBoxLayout* build_progress_bars();
    QHBoxLayout* build_buttons();
    void set_up();
    void place_step_captions();
    void placeParameterEdits();
    // Moves to `step` and shows the controls it shows, hiding the others first.
    void enter_step(OptimiserStep step);
    void show_step_controls();
    // The steps after the mode: the task list or the one task's code, the parameters, the run.
    void choose_task_list();
    void choose_task(const std::string& code);
    bool accept_parameters();
    void start_run();
    void clear_report();
    void start_immediate_solve();
    void run_ended(bool stopped);
    void take_over_immediate_solve();
    void setLabel(QLabel* label, const std::string& text);
    void set_steps_height(int height);
    QLabel* report_label(int line) const;

    TfrmMain& main_;
    ModuleCaptions captions_;
    bool setUpDone_ = false;
    OptimiserState state_;
    bool immediate_ = false;
    bool runActive_ = false;
    bool closeAfterRun_ = false;
    std::vector<std::string> taskFileList_;
    std::string code_;
    IterationParams params_;
    std::array<std::string, 3> infoLines_;
    RunThread* run_ = nullptr;

    QWidget* steps_;
    QLabel* Label0_;
    QLabel* Label0_1_;
    QLabel* Label0_2_;
    QRadioButton* RB1_;
    QRadioButton* RB2_;
    QPushButton* BNext1_;
    QLabel* Label1_;
    QLineEdit* MaskEdit1_3_;
    QPushButton* BNext2_;
    QLabel* LOPRM_;
    std::array<QLabel*, 4> LOPT_;
    std::array<QLineEdit*, 4> ME_;
    QPushButton* BNext3_;
    QLabel* Label_Start_;
    std::array<QLabel*, 7> report_; // Label2 to Label8
    QLabel* Label_End_;
    QProgressBar* ProgressRun_;
    QProgressBar* ProgressTasks_;
    QPushButton* BStart_;
    QPushButton* BReset_;
    QPushButton* BEnd_;
    QPushButton* BStop_;
};

} // namespace zep
