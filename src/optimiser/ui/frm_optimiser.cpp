#include "optimiser/ui/frm_optimiser.h"

#include "shell/user_operations.h"

#include "optimiser/ui/run_thread.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/window_placement.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace zep {
namespace {

// The steps share the top of the window; the report lines, the progress and the buttons lie below.
constexpr int kWindowWidth = 780;
constexpr int kStepsHeight = 220;
// Once the parameters are accepted only their summary stays at the top.
constexpr int kSummaryStepsHeight = 100;
constexpr int kCentreX = kWindowWidth / 2;
// Where the parameter block stands while it is entered, and where its summary goes after the step.
constexpr int kParamX = 64;
constexpr int kParamTop = 72;
constexpr int kParamStep = 26;
constexpr int kEditGap = 15;
constexpr int kSummaryHeadingX = 430;
constexpr int kSummaryX = 560;
constexpr int kSummaryTop = 24;
constexpr int kSummaryStep = 17;

const char* const kReportNames[] = {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"};

void set_colour(QLabel* label, const char* colour) {
    label->setStyleSheet(colour ? QStringLiteral("color: %1;").arg(QLatin1String(colour)) : QString());
}

void place(QWidget* w, int x, int y) {
    w->adjustSize();
    w->move(x, y);
}

void centre_on(QWidget* w, int x, int y) {
    w->adjustSize();
    w->move(x - w->width() / 2, y);
}

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// The parameter boxes ME1 to ME4 hold the parameters in the order of kRunParameters.
void show_parameter_texts(const std::array<QLineEdit*, 4>& edits, const ParameterTexts& texts) {
    for (RunParameterId id : kRunParameterIds)
        edits[id]->setText(qs(texts[id]));
}

ParameterTexts typed_parameter_texts(const std::array<QLineEdit*, 4>& edits) {
    ParameterTexts typed;
    for (RunParameterId id : kRunParameterIds)
        typed[id] = edits[id]->text().toStdString();
    return typed;
}

} // namespace

TForm1* TForm1::open(TfrmMain& main) {
    auto* form = new TForm1(main);
    form->setAttribute(Qt::WA_DeleteOnClose);
    show_centred_on(form, main);
    return form;
}

TForm1::TForm1(TfrmMain& main) : QWidget(nullptr), main_(main) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Модуль оптимизации СТРЕЖ 2.2"));
    run_ = new RunThread(this);
    build_controls();
    connect(run_, &RunThread::taskStarted, this,
            [this](int index, int count, const QString&, const QString& line) {
                clear_report();
                Label_Start_->setText(line);
                ProgressRun_->setRange(0, 1);
                ProgressRun_->setValue(0);
                ProgressTasks_->setRange(0, count);
                ProgressTasks_->setValue(index);
                ProgressTasks_->setFormat(qs(batch_progress_text(main_.state().shell, index + 1, count)));
            });
    connect(run_, &RunThread::reportLine, this, [this](int line, const QString& text) {
        if (QLabel* label = report_label(line))
            label->setText(text);
    });
    connect(run_, &RunThread::errorLine, this, [this](const QString& text) { report_[6]->setText(text); });
    connect(run_, &RunThread::workDone, this, [this](qint64 done, qint64 total) {
        // The bar counts in thousandths: path counts may pass what an int holds.
        ProgressRun_->setRange(0, 1000);
        ProgressRun_->setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 0);
    });
    connect(run_, &RunThread::taskFinished, this, [this](int index, const QString&, const QString& endLine) {
        Label_End_->setText(endLine);
        ProgressTasks_->setValue(index + 1);
    });
    connect(run_, &RunThread::taskStopped, this, [this](int, const QString& code) {
        report_[6]->setText(qs(
            RunTexts{main_.state().shell, code.toStdString(), main_.state().decimalSeparator}.run_stopped()));
    });
    connect(run_, &RunThread::taskFailed, this, [this](int index, const QString&, const QString& message) {
        report_[6]->setText(message);
        ProgressTasks_->setValue(index + 1);
    });
    connect(run_, &RunThread::finished, this, [this](bool stopped) { run_ended(stopped); });
}

// A run still going when the window goes (the program ends) is stopped at its next path boundary and
// waited for while the window can still take its last reports.
TForm1::~TForm1() {
    run_->requestStop();
    delete run_;
}

void TForm1::build_controls() {
    QWidget* steps = build_step_controls();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->setSpacing(4);
    layout->addWidget(steps);
    layout->addLayout(build_report_lines());
    layout->addLayout(build_progress_bars());
    layout->addLayout(build_buttons());
    setFixedWidth(kWindowWidth);
}

// The three steps above the report: the tasks to solve (all or one by its code) and the parameters.
QWidget* TForm1::build_step_controls() {
    auto* steps = new QWidget(this);
    steps->setObjectName(QStringLiteral("Steps"));
    steps->setFixedSize(kWindowWidth, kStepsHeight);
    steps_ = steps;

    Label0_ = named(new QLabel(steps), "Label0");
    Label0_1_ = named(new QLabel(steps), "Label0_1");
    Label0_2_ = named(new QLabel(steps), "Label0_2");
    RB1_ = named(new QRadioButton(steps), "RB1");
    RB2_ = named(new QRadioButton(steps), "RB2");
    BNext1_ = named(new QPushButton(steps), "BNext1");
    Label1_ = named(new QLabel(steps), "Label1");
    MaskEdit1_3_ = named(new QLineEdit(steps), "MaskEdit1_3");
    MaskEdit1_3_->setMaxLength(kModuleCodeLength);
    MaskEdit1_3_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,%1}").arg(kModuleCodeLength)), MaskEdit1_3_));
    MaskEdit1_3_->setFixedWidth(MaskEdit1_3_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW")) +
                                12);
    MaskEdit1_3_->installEventFilter(this);
    BNext2_ = named(new QPushButton(steps), "BNext2");
    LOPRM_ = named(new QLabel(steps), "LOPRM");
    const char* const lopt[] = {"LOPT1", "LOPT2", "LOPT3", "LOPT4"};
    const char* const me[] = {"ME1", "ME2", "ME3", "ME4"};
    for (int i = 0; i < 4; ++i) {
        LOPT_[i] = named(new QLabel(steps), lopt[i]);
        ME_[i] = named(new QLineEdit(steps), me[i]);
        ME_[i]->setFixedWidth(80);
        ME_[i]->installEventFilter(this);
    }
    BNext3_ = named(new QPushButton(steps), "BNext3");
    RB1_->setChecked(true);

    connect(RB1_, &QRadioButton::clicked, this, [this] { RB1Click(); });
    connect(RB2_, &QRadioButton::clicked, this, [this] { RB2Click(); });
    connect(BNext1_, &QPushButton::clicked, this, [this] { BNext1Click(); });
    connect(BNext2_, &QPushButton::clicked, this, [this] { BNext2Click(); });
    connect(BNext3_, &QPushButton::clicked, this, [this] { BNext3Click(); });
    connect(MaskEdit1_3_, &QLineEdit::returnPressed, this, [this] { BNext2Click(); });
    return steps;
}

// The report lines between the start and the end line; line 6 and the error line in their colours.
QVBoxLayout* TForm1::build_report_lines() {
    auto* report = new QVBoxLayout;
    report->setContentsMargins(16, 0, 16, 0);
    enum class Weight { Normal, Bold };
    auto line = [&](const char* name, Weight weight) {
        auto* l = named(new QLabel(this), name);
        l->setWordWrap(true);
        l->setMinimumHeight(2 * l->fontMetrics().height() + 2);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (weight == Weight::Bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        report->addWidget(l);
        return l;
    };
    Label_Start_ = line("Label_Start", Weight::Bold);
    for (int i = 0; i < 7; ++i)
        report_[i] = line(kReportNames[i], Weight::Normal);
    set_colour(report_[5], "#800000"); // Label7, report line 6
    set_colour(report_[6], "#ff0000"); // Label8, the error line
    Label_End_ = line("Label_End", Weight::Bold);
    return report;
}

// The progress of the run and of the tasks.
QHBoxLayout* TForm1::build_progress_bars() {
    auto* progress = new QHBoxLayout;
    progress->setContentsMargins(16, 4, 16, 4);
    ProgressRun_ = named(new QProgressBar(this), "ProgressRun");
    ProgressTasks_ = named(new QProgressBar(this), "ProgressTasks");
    ProgressTasks_->setTextVisible(true);
    progress->addWidget(ProgressRun_, 3);
    progress->addWidget(ProgressTasks_, 2);
    return progress;
}

QHBoxLayout* TForm1::build_buttons() {
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    BStart_ = named(new QPushButton(this), "BStart");
    BReset_ = named(new QPushButton(this), "BReset");
    BStop_ = named(new QPushButton(this), "BStop");
    BEnd_ = named(new QPushButton(this), "BEnd");
    buttons->addStretch();
    for (QPushButton* b : {BStart_, BReset_, BStop_, BEnd_}) {
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    connect(BStart_, &QPushButton::clicked, this, [this] { BStartClick(); });
    connect(BReset_, &QPushButton::clicked, this, [this] { BResetClick(); });
    connect(BStop_, &QPushButton::clicked, this, [this] { BStopClick(); });
    connect(BEnd_, &QPushButton::clicked, this, [this] { BEndClick(); });
    return buttons;
}

void TForm1::set_steps_height(int height) {
    steps_->setFixedHeight(height);
    layout()->activate();
    adjustSize();
}

QLabel* TForm1::report_label(int line) const {
    return line >= 1 && line <= 6 ? report_[static_cast<std::size_t>(line - 1)] : nullptr;
}

void TForm1::setLabel(QLabel* label, const std::string& text) {
    label->setText(qs(text));
    label->adjustSize();
}

// The set-up runs once, when the window is first shown.
void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (setUpDone_)
        return;
    setUpDone_ = true;
    set_up();
    if (main_.state().immediateSolve == 1)
        QTimer::singleShot(0, this, [this] { start_immediate_solve(); });
}

void TForm1::set_up() {
    const SessionState& st = main_.state();
    captions_ = module_captions(st.shell);
    setWindowTitle(qs(captions_.window));
    place_step_captions();
    BStart_->setText(qs(captions_.start));
    BReset_->setText(qs(captions_.reset));
    BEnd_->setText(qs(captions_.exit));
    BStop_->setText(qs(captions_.stop));

    try {
        infoLines_ = read_info_lines(st.workspace, st.shell);
    } catch (const std::exception& e) {
        main_.notifier().warning(this, QString::fromUtf8(e.what()));
    }
    show_parameter_texts(ME_, default_parameter_texts(st.decimalSeparator));

    state_.batch = true;
    RB1_->setChecked(true);
    enter_step(OptimiserStep::ChooseMode);
}

// The captions of the three steps, each placed where its step shows it: the parameters with their
// edits, the choice between all tasks and one, the code prompt and the Next buttons.
void TForm1::place_step_captions() {
    for (int i = 0; i < 4; ++i) {
        setLabel(LOPT_[i], captions_.params[i]);
        set_colour(LOPT_[i], nullptr);
        place(LOPT_[i], kParamX, kParamTop + kParamStep * i);
    }
    setLabel(LOPRM_, captions_.paramHeading);
    set_colour(LOPRM_, nullptr);
    centre_on(LOPRM_, kCentreX, 44);
    placeParameterEdits();

    setLabel(Label0_, captions_.modeHeading);
    centre_on(Label0_, kCentreX, 36);
    setLabel(Label0_1_, captions_.batch);
    centre_on(Label0_1_, kCentreX - 80, 76);
    setLabel(Label0_2_, captions_.individual);
    centre_on(Label0_2_, kCentreX + 80, 76);
    RB1_->adjustSize();
    RB2_->adjustSize();
    RB1_->move(kCentreX - 80 - RB1_->width() / 2, 100);
    RB2_->move(kCentreX + 80 - RB2_->width() / 2, 100);
    for (QPushButton* next : {BNext1_, BNext2_, BNext3_}) {
        next->setText(qs(captions_.next));
        next->setMinimumWidth(110);
        next->adjustSize();
    }
    centre_on(BNext1_, kCentreX, 146);
    centre_on(BNext3_, kCentreX, kParamTop + kParamStep * 4 + 10);
    setLabel(Label1_, captions_.codePrompt);
    set_colour(Label1_, nullptr);
    place(Label1_, 128, 90);
    MaskEdit1_3_->move(Label1_->x() + Label1_->width() + 16, 86);
    centre_on(BNext2_, kCentreX, 146);
}

// Each edit stands right of its own caption.
void TForm1::placeParameterEdits() {
    for (int i = 0; i < 4; ++i)
        ME_[i]->move(LOPT_[i]->x() + LOPT_[i]->width() + kEditGap, LOPT_[i]->y() - 3);
}

void TForm1::enter_step(OptimiserStep step) {
    state_.step = step;
    show_step_controls();
}

// The controls the step hides go first: a hidden control with the focus hands it on to one still shown.
void TForm1::show_step_controls() {
    const OptimiserControls c = controls_of(state_);
    // The window is sized when the steps' area changes height, to the controls shown at that moment:
    // growing back to the code, it keeps the room of the run's buttons and bars; shrinking to the
    // summary, it is sized after the entry's controls went and grows for the buttons then shown.
    const int height = c.summaryHeight ? kSummaryStepsHeight : kStepsHeight;
    const bool resized = steps_->minimumHeight() != height;
    if (resized && !c.summaryHeight)
        set_steps_height(height);
    const std::pair<std::vector<QWidget*>, bool> groups[] = {
        {{Label0_, Label0_1_, Label0_2_, RB1_, RB2_, BNext1_}, c.modeChoice},
        {{MaskEdit1_3_, BNext2_}, c.codeEntry},
        {{Label1_}, c.taskLine},
        {{LOPRM_, LOPT_[0], LOPT_[1], LOPT_[2], LOPT_[3]}, c.parameters},
        {{ME_[0], ME_[1], ME_[2], ME_[3], BNext3_}, c.parameterEntry},
        {{BStart_}, c.start},
        {{BReset_}, c.reset},
        {{BStop_}, c.stop},
        {{BEnd_}, c.exit},
        {{ProgressRun_}, c.runProgress},
        {{ProgressTasks_}, c.taskProgress},
    };
    for (const bool shown : {false, true}) {
        if (shown && resized && c.summaryHeight)
            set_steps_height(height);
        for (const auto& [widgets, visible] : groups)
            if (visible == shown)
                for (QWidget* w : widgets)
                    w->setVisible(shown);
    }
}

void TForm1::clear_report() {
    for (QLabel* l : report_)
        l->clear();
    Label_End_->clear();
}

void TForm1::RB1Click() {
    RB1_->setChecked(true);
    RB2_->setChecked(false);
    state_.batch = true;
}

void TForm1::RB2Click() {
    RB2_->setChecked(true);
    RB1_->setChecked(false);
    state_.batch = false;
}

void TForm1::BNext1Click() {
    if (!state_.batch) {
        taskFileList_.clear();
        enter_step(OptimiserStep::EnterCode);
        MaskEdit1_3_->setFocus();
        return;
    }
    choose_task_list();
}

// The batch mode: every task waiting in Solving.
void TForm1::choose_task_list() {
    taskFileList_ = find_task_inputs(main_.state().workspace);
    if (taskFileList_.empty()) {
        report_[6]->setText(qs(no_input_files_message(main_.state().shell)));
        enter_step(OptimiserStep::NoInput);
        return;
    }
    enter_step(OptimiserStep::EnterParameters);
    ME_[0]->setFocus();
}

void TForm1::BNext2Click() {
    const std::string code = MaskEdit1_3_->text().toUpper().toStdString();
    if (code.size() != static_cast<std::size_t>(kModuleCodeLength)) {
        MaskEdit1_3_->setFocus(); // the masked edit wants all six characters
        return;
    }
    choose_task(code);
}

// The individual mode: the one task `code`, if its input waits in Solving.
void TForm1::choose_task(const std::string& code) {
    const SessionState& st = main_.state();
    code_ = code;
    setLabel(Label1_, task_to_solve_line(st.shell, code_));
    set_colour(Label1_, "#008000");
    Label1_->move(10, 16);
    if (task_input_waits(st.workspace, code_)) {
        enter_step(OptimiserStep::EnterParameters);
        ME_[0]->setFocus();
        return;
    }
    report_[6]->setText(qs(missing_input_message(st.shell, code_)));
    enter_step(OptimiserStep::NoInput);
}

void TForm1::BNext3Click() {
    accept_parameters();
}

// The parameters as typed, refused with the warning and the focus on the first wrong one.
bool TForm1::accept_parameters() {
    const SessionState& st = main_.state();
    const ParameterEntry entry = enter_parameters(typed_parameter_texts(ME_), st.decimalSeparator, st.shell);
    if (!entry.params) {
        if (!entry.warning.empty())
            main_.notifier().warning(this, qs(entry.warning));
        ME_[static_cast<std::size_t>(entry.field)]->setFocus();
        return false;
    }
    params_ = *entry.params;
    const ParameterSummary summary = parameter_summary(st.shell, params_, st.decimalSeparator);
    setLabel(LOPRM_, summary.heading);
    set_colour(LOPRM_, "#0000ff");
    LOPRM_->move(kSummaryHeadingX, 6);
    for (int i = 0; i < 4; ++i) {
        setLabel(LOPT_[i], summary.lines[i]);
        set_colour(LOPT_[i], "#0000ff");
        LOPT_[i]->move(kSummaryX, kSummaryTop + kSummaryStep * i);
    }
    enter_step(OptimiserStep::Ready);
    BStart_->setFocus();
    return true;
}

void TForm1::BResetClick() {
    if (runActive_)
        return;
    const SessionState& st = main_.state();
    enter_step(OptimiserStep::EnterCode);
    setLabel(Label1_, captions_.codePrompt);
    set_colour(Label1_, nullptr);
    place(Label1_, 128, 90);
    MaskEdit1_3_->move(Label1_->x() + Label1_->width() + 16, 86);
    MaskEdit1_3_->setFocus();
    clear_report();
    Label_Start_->clear();
    for (int i = 0; i < 4; ++i) {
        setLabel(LOPT_[i], captions_.params[i]);
        set_colour(LOPT_[i], nullptr);
        place(LOPT_[i], kParamX, kParamTop + kParamStep * i);
    }
    setLabel(LOPRM_, module_captions(st.shell).paramHeading);
    set_colour(LOPRM_, nullptr);
    centre_on(LOPRM_, kCentreX, 44);
    placeParameterEdits();
    BStart_->setText(qs(captions_.start));
}

void TForm1::BStartClick() {
    if (runActive_)
        return;
    start_run();
}

void TForm1::start_run() {
    const SessionState& st = main_.state();
    std::vector<std::string> codes;
    if (state_.batch)
        for (const std::string& name : taskFileList_)
            codes.push_back(task_code_of_input(name));
    else
        codes.push_back(code_);
    RunSetup setup;
    setup.workspace = st.workspace;
    setup.shell = &st.shell;
    setup.separator = st.decimalSeparator;
    setup.params = params_;
    setup.infoLines = infoLines_;
    // Tasks that another run claims, or solves after this run started, are skipped.
    setup.solutionsAtStart = solution_stamps(st.workspace);
    runActive_ = true;
    BStart_->setText(qs(captions_.running));
    BStart_->setEnabled(false);
    BReset_->setEnabled(false);
    BStop_->setEnabled(true);
    clear_report();
    ProgressRun_->setRange(0, 1);
    ProgressRun_->setValue(0);
    enter_step(OptimiserStep::Running);
    run_->start(std::move(setup), std::move(codes));
}

void TForm1::BStopClick() {
    if (!runActive_)
        return;
    run_->requestStop();
    BStop_->setEnabled(false);
}

void TForm1::BEndClick() {
    close();
}

void TForm1::run_ended(bool stopped) {
    runActive_ = false;
    BStart_->setText(qs(captions_.start));
    BStart_->setEnabled(true);
    BReset_->setEnabled(true);
    enter_step(OptimiserStep::Finished);
    if (immediate_) {
        immediate_ = false;
        if (!stopped)
            take_over_immediate_solve();
        RB1Click();
        main_.state().immediateSolve = 0;
        if (!stopped)
            closeAfterRun_ = true;
    }
    emit runFinished();
    if (closeAfterRun_)
        close();
}

// The individual mode with the handed-over task and the default parameters, step by step as the user
// would go, to the run.
void TForm1::start_immediate_solve() {
    immediate_ = true;
    RB2Click();
    taskFileList_.clear();
    choose_task(main_.state().immediateSolveCode);
    if (state_.step != OptimiserStep::EnterParameters) { // the input file is not there: the message shows
        immediate_ = false;
        main_.state().immediateSolve = 0;
        return;
    }
    show_parameter_texts(ME_, default_parameter_texts(main_.state().decimalSeparator));
    if (!accept_parameters()) { // the defaults pass; were one refused, its warning shows
        immediate_ = false;
        main_.state().immediateSolve = 0;
        return;
    }
    start_run();
}

// The solution of the task the wizard handed over goes to Data and the task is marked solved.
void TForm1::take_over_immediate_solve() {
    SessionState& st = main_.state();
    const std::string code = st.immediateSolveCode;
    try {
        if (!st.taskRegister)
            return;
        const TaskMove move = take_over_solution(st.workspace, *st.taskRegister, code);
        if (!move)
            main_.notifier().warning(
                this, QString::fromStdString(move_refusal_text(st.taskRegister->shell(), move.refusal())));
    } catch (const std::exception& e) {
        main_.notifier().warning(this, QString::fromUtf8(e.what()));
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (runActive_) {
        event->ignore();
        if (closeAfterRun_ || main_.notifier().question(this, qs(captions_.stopQuestion))) {
            closeAfterRun_ = true;
            BStopClick();
        }
        return;
    }
    main_.setEnabled(true);
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == MaskEdit1_3_ && key->matches(QKeySequence::Paste)) {
        // Pasted letters go upper case as typed ones do; the validator still refuses other characters.
        MaskEdit1_3_->insert(QGuiApplication::clipboard()->text().toUpper());
        return true;
    }
    // Ctrl with a letter is the line edit's shortcut (select all, copy, cut, undo...), not a typed
    // character; Ctrl+Alt stays typing, as AltGr reports itself so on some systems.
    const Qt::KeyboardModifiers mods = key->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false; // navigation and editing keys, backspace
    const char32_t c = text.at(0).unicode();
    if (watched == MaskEdit1_3_) {
        if (!module_code_key_accepted(c))
            return true;
        if (text.at(0).isLower()) {
            MaskEdit1_3_->insert(text.toUpper());
            return true;
        }
        return false;
    }
    for (int i = 0; i < 4; ++i)
        if (watched == ME_[i])
            return !parameter_key_accepted(i, c, main_.state().decimalSeparator);
    return false;
}

} // namespace zep
