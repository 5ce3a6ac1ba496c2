#pragma once
// The main window: an MDI frame whose menu opens every other window, and the holder of the state that
// all windows share.
#include "shell/session_state.h"
#include "shell/startup.h"
#include "shell/ui/notifier.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

class QAction;
class QMdiArea;
class QMenu;

namespace zep {

class TfrmSelLang;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(Workspace workspace, Notifier& notifier, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Runs the start-up in its fixed order. False when the program must end (the message was shown).
    bool startUp();

    SessionState& state() { return state_; }
    Notifier& notifier() { return notifier_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QAction* action(const QString& objectName) const;
    QMenu* menu(const QString& objectName) const;
    TfrmSelLang* languageDialog() const { return langDialog_; }

    // What ending the program does; by default it leaves the event loop with exit code 1. Tests replace it.
    std::function<void()> endProgram;
    bool ended() const { return ended_; }

    // Ends the program after a fatal start-up failure: the register is not written.
    void abortRun(const QString& message);

    // Loads the shell chosen in the language dialog, applies the captions, writes the register and
    // enables the window. False when the program had to end.
    bool acceptLanguage(const ShellFileRef& file);

    // Sets every caption from the loaded texts; with empty tables every caption is empty.
    void applyCaptions();
    // Enables each command by its rule; called whenever a menu opens or the active child changes.
    void updateMenus();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void mnuSolvingShow();
    void mnuOutShow();
    void mnuInExitClick();

    SessionState state_;
    Notifier& notifier_;
    QMdiArea* mdi_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    QPointer<TfrmSelLang> langDialog_;
    bool ended_ = false;
    bool registerWritable_ = false;
};

} // namespace zep
