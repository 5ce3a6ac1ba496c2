#pragma once
// The main window: an MDI frame whose menu opens every other window, and the holder of the state that
// all windows share.
#include "shell/session_state.h"
#include "shell/startup.h"
#include "shell/ui/frm_sel_lang.h"
#include "shell/ui/notifier.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

class QAction;
class QMdiArea;
class QMenu;

namespace zep {

class TfrmMain;

// The windows that the main window's commands open. Each lives in the library of its subsystem, which
// depends on this one; the program registers a factory for each, so the main window knows none of them.
enum class WindowKind { CreateTask, SelectTask, ViewProtocol, Optimiser, ViewTask, ViewSolution, Help };

// Creates and shows the window of its kind (an MDI child for the two views, a separate window centred on
// the main window otherwise, destroyed when it closes) and returns it. The open mode and the other shared
// state the window reads are set before the call. A separate window enables the main window again when it
// closes, except where it hands over to another window that does so (the selection dialog).
using WindowFactory = std::function<QWidget*(TfrmMain&)>;

// The active MDI child's side of the Output menu: the task view and the solution view implement it.
class OutputView {
public:
    virtual ~OutputView() = default;
    virtual void print_view() = 0;
    virtual void export_view() = 0;
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(Workspace workspace, Notifier& notifier, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Runs the start-up in its fixed order. False when the program must end (the message was shown).
    bool start_up();

    SessionState& state() { return state_; }
    Notifier& notifier() { return notifier_; }
    QMdiArea* mdi_area() const { return mdi_; }
    QAction* action(const QString& objectName) const;
    QMenu* menu(const QString& objectName) const;
    TfrmSelLang* language_dialog() const { return langDialog_; }

    // What ending the program does; by default it leaves the event loop with exit code 1. Tests replace it.
    std::function<void()> endProgram;
    bool ended() const { return ended_; }

    // Ends the program after a fatal start-up failure: the register is not written.
    void abort_run(const QString& message);

    // Loads the shell chosen in the language dialog, applies the captions, writes the register and
    // enables the window. False when the program had to end.
    bool accept_language(const ShellFileRef& file);

    // Registers the window of a kind; the commands that open it are enabled from then on.
    void register_window(WindowKind kind, WindowFactory factory);
    bool has_window(WindowKind kind) const;
    // Opens the window of a kind through its factory; nullptr when none is registered.
    QWidget* open_window(WindowKind kind);
    // The output side of the active MDI child, nullptr when there is none or it has no output.
    OutputView* active_output_view() const;

    // Sets every caption from the loaded texts; with empty tables every caption is empty.
    void apply_captions();
    // Enables each command by its rule; called whenever a menu opens or the active child changes.
    void update_menus();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Loads a shell and applies its captions; false (the program ending) when it does not load.
    bool load_shell_file(const ShellFileRef& file);
    void build_menus();
    void mnuSolvingShow();
    void mnuOutShow();
    void mnuInExitClick();
    void run_command(const QString& command);
    bool command_available(const QString& command) const;

    SessionState state_;
    Notifier& notifier_;
    QMdiArea* mdi_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    std::map<WindowKind, WindowFactory> factories_;
    QPointer<TfrmSelLang> langDialog_;
    bool ended_ = false;
    bool registerWritable_ = false;
};

} // namespace zep
