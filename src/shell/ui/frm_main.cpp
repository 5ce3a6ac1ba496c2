#include "shell/ui/frm_main.h"

#include "shell/shell_text.h"
#include "shell/ui/frm_sel_lang.h"
#include "shell/ui/menu_keys.h"
#include "shell/ui/shell_language.h"

#include "common/number_text.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <optional>

namespace zep {
namespace {

// The captions of the menus and commands. The Output menu has no text of its own among those the other
// commands use (the Exit command's text would name it "Exit"): it takes text 4, kept for it in the shells.
struct MenuItemDef {
    const char* name;
    const char* parent;            // nullptr: a menu of the menu bar
    std::optional<ShellText> text; // none: separator
    bool isMenu;
};

constexpr MenuItemDef kMenuItems[] = {
    {"mnuIn", nullptr, ShellText::InputMenu, true},
    {"mnuInNewTask", "mnuIn", ShellText::NewTaskCommand, false},
    {"mnuInNewTaskExportData", "mnuIn", ShellText::ImportNewTask, false},
    {"mnuInEditTask", "mnuIn", ShellText::CorrectTaskCommand, false},
    {"N1", "mnuIn", std::nullopt, false},
    {"mnuInExit", "mnuIn", ShellText::ExitCommand, false},
    {"mnuControl", nullptr, ShellText::ControlMenu, true},
    {"mnuOutViewProtocol", "mnuControl", ShellText::ProtocolCommand, false},
    {"mnuSolving", nullptr, ShellText::SolveMenu, true},
    {"Optim", "mnuSolving", ShellText::OptimiseCommand, false},
    {"mnuOut", nullptr, ShellText::OutputMenu, true},
    {"mnuInViewTask", "mnuOut", ShellText::ViewTaskCommand, false},
    {"mnuOutViewSolution", "mnuOut", ShellText::ViewSolutionCommand, false},
    {"N2", "mnuOut", std::nullopt, false},
    {"mnuOutExpInExcel", "mnuOut", ShellText::ExportCommand, false},
    {"mnuOutPrint", "mnuOut", ShellText::PrintCommand, false},
    {"mnuHelp", nullptr, ShellText::HelpMenu, true},
    {"N101", "mnuHelp", ShellText::AboutSystemCommand, false},
    {"N102", "mnuHelp", ShellText::AboutObjectCommand, false},
    {"N103", "mnuHelp", ShellText::AboutDevelopersCommand, false},
};

// What a command that opens a window does first: the open mode it sets (None: left as it is), whether
// it clears the derived-task flag, and the caption text of the selection dialog it opens (none: it opens
// none).
struct CommandDef {
    const char* name;
    WindowKind window;
    OpenMode mode;
    bool clearsDerivedTask;
    std::optional<ShellText> selectionCaption;
};

constexpr CommandDef kCommands[] = {
    {"mnuInNewTask", WindowKind::CreateTask, EntryMode::NewTask, false, std::nullopt},
    {"mnuInNewTaskExportData", WindowKind::CreateTask, EntryMode::ImportTask, false, std::nullopt},
    {"mnuInEditTask", WindowKind::SelectTask, SelectionPurpose::CorrectTask, false, ShellText::TaskList},
    {"mnuOutViewProtocol", WindowKind::ViewProtocol, OpenMode(), false, std::nullopt},
    {"Optim", WindowKind::Optimiser, OpenMode(), false, std::nullopt},
    {"mnuInViewTask", WindowKind::SelectTask, SelectionPurpose::ViewTask, true, ShellText::SelectTaskToView},
    {"mnuOutViewSolution", WindowKind::SelectTask, SelectionPurpose::ViewSolution, false,
     ShellText::SelectSolvedTask},
    {"N101", WindowKind::Help, HelpPage::AboutSystem, false, std::nullopt},
    {"N102", WindowKind::Help, HelpPage::AboutObject, false, std::nullopt},
    {"N103", WindowKind::Help, HelpPage::AboutDevelopers, false, std::nullopt},
};

const CommandDef* command_def(const QString& command) {
    for (const CommandDef& def : kCommands)
        if (command == QLatin1String(def.name))
            return &def;
    return nullptr;
}

// The two Output commands act on the active view rather than opening a window.
bool is_output_command(const QString& command) {
    return command == QLatin1String("mnuOutExpInExcel") || command == QLatin1String("mnuOutPrint");
}

QString caption(const std::string& utf8) {
    // A menu caption shows "&" as it stands.
    return QString::fromStdString(utf8).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

TfrmMain::TfrmMain(Workspace workspace, Notifier& notifier, QWidget* parent)
    : QMainWindow(parent), notifier_(notifier) {
    state_.workspace = std::move(workspace);
    setObjectName(QStringLiteral("TfrmMain"));
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    build_menus();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { update_menus(); });
    endProgram = [] { QTimer::singleShot(0, [] { QCoreApplication::exit(1); }); };
}

// The MDI area reports its children going while the base class closes the window, after the members
// that update_menus reads are gone.
TfrmMain::~TfrmMain() {
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
}

void TfrmMain::build_menus() {
    for (const MenuItemDef& def : kMenuItems) {
        QString name = QString::fromLatin1(def.name);
        QMenu* parentMenu = def.parent ? menus_.at(QString::fromLatin1(def.parent)) : nullptr;
        if (def.isMenu) {
            QMenu* m = menuBar()->addMenu(QString());
            m->setObjectName(name);
            m->menuAction()->setObjectName(name + QStringLiteral("Action"));
            menus_[name] = m;
            continue;
        }
        QAction* a = !def.text ? parentMenu->addSeparator() : parentMenu->addAction(QString());
        a->setObjectName(name);
        actions_[name] = a;
    }
    connect(action(QStringLiteral("mnuInExit")), &QAction::triggered, this, [this] { mnuInExitClick(); });
    for (const CommandDef& def : kCommands) {
        const QString name = QString::fromLatin1(def.name);
        connect(action(name), &QAction::triggered, this, [this, name] { run_command(name); });
    }
    connect(action(QStringLiteral("mnuOutExpInExcel")), &QAction::triggered, this, [this] {
        if (OutputView* view = active_output_view())
            view->export_view();
    });
    connect(action(QStringLiteral("mnuOutPrint")), &QAction::triggered, this, [this] {
        if (OutputView* view = active_output_view())
            view->print_view();
    });
    connect(menu(QStringLiteral("mnuSolving")), &QMenu::aboutToShow, this, [this] { mnuSolvingShow(); });
    connect(menu(QStringLiteral("mnuOut")), &QMenu::aboutToShow, this, [this] { mnuOutShow(); });
    for (const auto& [command, keys] : command_shortcuts())
        action(QLatin1String(command))->setShortcut(keys);
    // A shortcut acts only while its command is enabled: what may have changed since the menus were
    // last shown is looked at again when the focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        mnuSolvingShow();
        mnuOutShow();
    });
    update_menus();
}

QAction* TfrmMain::action(const QString& objectName) const {
    auto it = actions_.find(objectName);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* TfrmMain::menu(const QString& objectName) const {
    auto it = menus_.find(objectName);
    return it == menus_.end() ? nullptr : it->second;
}

void TfrmMain::apply_captions() {
    setWindowTitle(QString::fromStdString(shell_text(state_.shell, ShellText::MainWindowCaption)));
    for (const MenuItemDef& def : kMenuItems) {
        if (!def.text)
            continue;
        QString name = QString::fromLatin1(def.name);
        QString text = caption(shell_text(state_.shell, *def.text));
        if (def.isMenu)
            menu(name)->setTitle(text);
        else
            action(name)->setText(text);
    }
    give_mnemonics(*menuBar());
}

void TfrmMain::register_window(WindowKind kind, WindowFactory factory) {
    factories_[kind] = std::move(factory);
    update_menus();
}

bool TfrmMain::has_window(WindowKind kind) const {
    return factories_.count(kind) != 0;
}

QWidget* TfrmMain::open_window(WindowKind kind) {
    auto it = factories_.find(kind);
    return it == factories_.end() ? nullptr : it->second(*this);
}

OutputView* TfrmMain::active_output_view() const {
    QMdiSubWindow* child = mdi_->activeSubWindow();
    return child ? dynamic_cast<OutputView*>(child->widget()) : nullptr;
}

// A command is enabled exactly when the window it opens exists in this program (Exit always is); the
// Output commands follow their menu's rule alone.
bool TfrmMain::command_available(const QString& command) const {
    if (command == QLatin1String("mnuInExit") || is_output_command(command))
        return true;
    const CommandDef* def = command_def(command);
    return def && has_window(def->window);
}

void TfrmMain::run_command(const QString& command) {
    const CommandDef* def = command_def(command);
    if (!def || !has_window(def->window))
        return;
    if (def->clearsDerivedTask)
        state_.derivedTask = 0;
    if (def->mode.is_set())
        state_.openMode = def->mode;
    setEnabled(false);
    QWidget* window = open_window(def->window);
    if (!window) {
        setEnabled(true);
        return;
    }
    if (def->selectionCaption)
        window->setWindowTitle(QString::fromStdString(shell_text(state_.shell, *def->selectionCaption)));
}

void TfrmMain::update_menus() {
    for (const MenuItemDef& def : kMenuItems)
        if (!def.isMenu && def.text)
            action(QString::fromLatin1(def.name))
                ->setEnabled(command_available(QString::fromLatin1(def.name)));
    mnuSolvingShow();
    mnuOutShow();
}

void TfrmMain::mnuSolvingShow() {
    const bool inputWaits = solving_has_input(state_.workspace);
    action(QStringLiteral("Optim"))->setEnabled(inputWaits && command_available(QStringLiteral("Optim")));
}

// The only MDI children are the two views, and both have the Output side.
void TfrmMain::mnuOutShow() {
    const bool view = active_output_view() != nullptr;
    action(QStringLiteral("mnuOutExpInExcel"))->setEnabled(view);
    action(QStringLiteral("mnuOutPrint"))->setEnabled(view);
}

void TfrmMain::mnuInExitClick() {
    close();
}

bool TfrmMain::start_up() {
    state_.derivedTask = 0;
    state_.immediateSolve = 0;
    state_.shell = {};
    apply_captions();

    const std::vector<ShellFileRef> shells = find_shell_files(state_.workspace);
    if (shells.empty()) {
        abort_run(QString::fromStdString(no_shells_message()));
        return false;
    }
    if (shells.size() == 1) {
        if (!load_shell_file(shells.front()))
            return false;
    } else {
        setEnabled(false);
        langDialog_ = new TfrmSelLang(this, state_.workspace, notifier_,
                                      {[this](const ShellFileRef& file) { return accept_language(file); },
                                       [this](const QString& message) { abort_run(message); },
                                       [this] { return ended(); }});
    }

    // With several shells the language is chosen later: until then the register speaks fixed English.
    RegisterOpenResult reg = open_register(state_.workspace, &state_.shell);
    if (!reg.store) {
        abort_run(QString::fromStdString(reg.error));
        return false;
    }
    state_.taskRegister = std::move(reg.store);
    registerWritable_ = true;
    if (!reg.note.empty())
        notifier_.information(this, QString::fromStdString(reg.note));

    state_.openMode = OpenMode();
    state_.decimalSeparator = user_decimal_separator();
    return true;
}

bool TfrmMain::load_shell_file(const ShellFileRef& file) {
    ShellLoadResult loaded = load_program_shell(file);
    if (!loaded) {
        abort_run(QString::fromStdString(startup_refusal_text(loaded.refusal())));
        return false;
    }
    state_.shellFileName = loaded.value().fileName;
    state_.shell = std::move(loaded.value().tables);
    use_shell_language(file.extension);
    apply_captions();
    return true;
}

bool TfrmMain::accept_language(const ShellFileRef& file) {
    if (!load_shell_file(file))
        return false;
    try {
        if (state_.taskRegister) {
            state_.taskRegister->speak(state_.shell);
            state_.taskRegister->save();
        }
    } catch (const std::exception& e) {
        notifier_.warning(this, QString::fromUtf8(e.what()));
    }
    setEnabled(true);
    return true;
}

void TfrmMain::abort_run(const QString& message) {
    registerWritable_ = false;
    ended_ = true;
    if (langDialog_)
        langDialog_->hide();
    notifier_.warning(this, message);
    endProgram();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (registerWritable_ && state_.taskRegister) {
        try {
            state_.taskRegister->save();
        } catch (const std::exception& e) {
            notifier_.warning(this, QString::fromUtf8(e.what()));
        }
    }
    if (langDialog_) {
        langDialog_->hide();
        langDialog_->deleteLater();
        langDialog_ = nullptr;
    }
    event->accept();
}

} // namespace zep
