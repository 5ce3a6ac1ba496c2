#include "optimiser/ui/frm_optimiser.h"

#include "optimiser/take_over.h"

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

void set_visible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets)
        w->setVisible(visible);
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
    buildControls();
    connect(run_, &RunThread::taskStarted, this,
            [this](int index, int count, const QString&, const QString& line) {
                clearReport();
                Label_Start_->setText(line);
                ProgressRun_->setRange(0, 1);
                ProgressRun_->setValue(0);
                ProgressTasks_->setRange(0, count);
                ProgressTasks_->setValue(index);
                ProgressTasks_->setFormat(qs(batch_progress_text(main_.state().shell, index + 1, count)));
            });
    connect(run_, &RunThread::reportLine, this, [this](int line, const QString& text) {
        if (QLabel* label = reportLabel(line))
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
    connect(run_, &RunThread::finished, this, [this](bool stopped) { runEnded(stopped); });
}

// A run still going when the window goes (the program ends) is stopped at its next path boundary and
// waited for while the window can still take its last reports.
TForm1::~TForm1() {
    run_->requestStop();
    delete run_;
}

void TForm1::buildControls() {
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

void TForm1::setStepsHeight(int height) {
    steps_->setFixedHeight(height);
    layout()->activate();
    adjustSize();
}

QLabel* TForm1::reportLabel(int line) const {
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
    setUp();
    if (main_.state().immediateSolve == 1)
        QTimer::singleShot(0, this, [this] { startImmediateSolve(); });
}

void TForm1::setUp() {
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
    const ParameterTexts defaults = default_parameter_texts(st.decimalSeparator);
    ME_[0]->setText(qs(defaults.relaxationCoef));
    ME_[1]->setText(qs(defaults.stopCriterion));
    ME_[2]->setText(qs(defaults.stopCheckSparsity));
    ME_[3]->setText(qs(defaults.iterationLimit));

    batch_ = true;
    RB1_->setChecked(true);
    set_visible({MaskEdit1_3_, Label1_, BStart_, BReset_, BEnd_, BStop_, BNext2_, BNext3_, ProgressRun_,
                 ProgressTasks_},
                false);
    set_visible({Label0_, Label0_1_, Label0_2_, RB1_, RB2_, BNext1_}, true);
}

// The captions of the three steps, each placed where its step shows it: the parameters with their
// edits, the choice between all tasks and one, the code prompt and the Next buttons.
void TForm1::place_step_captions() {
    showParameterBlock(false);
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

void TForm1::showParameterBlock(bool shown) {
    LOPRM_->setVisible(shown);
    for (int i = 0; i < 4; ++i) {
        LOPT_[i]->setVisible(shown);
        ME_[i]->setVisible(shown);
    }
}

void TForm1::showParameterEntry() {
    showParameterBlock(true);
    BNext3_->show();
    ME_[0]->setFocus();
}

void TForm1::clearReport() {
    for (QLabel* l : report_)
        l->clear();
    Label_End_->clear();
}

void TForm1::RB1Click() {
    RB1_->setChecked(true);
    RB2_->setChecked(false);
    batch_ = true;
}

void TForm1::RB2Click() {
    RB2_->setChecked(true);
    RB1_->setChecked(false);
    batch_ = false;
}

void TForm1::BNext1Click() {
    set_visible({BNext1_, Label0_, Label0_1_, Label0_2_, RB1_, RB2_}, false);
    if (!batch_) {
        taskFileList_.clear();
        MaskEdit1_3_->show();
        Label1_->show();
        BNext2_->show();
        MaskEdit1_3_->setFocus();
        return;
    }
    MaskEdit1_3_->hide();
    Label1_->hide();
    BNext2_->hide();
    taskFileList_ = find_task_inputs(main_.state().workspace);
    if (taskFileList_.empty()) {
        report_[6]->setText(qs(no_input_files_message(main_.state().shell)));
        BEnd_->show();
        return;
    }
    showParameterEntry();
}

void TForm1::BNext2Click() {
    const SessionState& st = main_.state();
    std::string code = immediate_ ? st.immediateSolveCode : MaskEdit1_3_->text().toUpper().toStdString();
    if (!immediate_ && code.size() != static_cast<std::size_t>(kModuleCodeLength)) {
        MaskEdit1_3_->setFocus(); // the masked edit wants all six characters
        return;
    }
    code_ = code;
    MaskEdit1_3_->hide();
    setLabel(Label1_, task_to_solve_line(st.shell, code_));
    set_colour(Label1_, "#008000");
    Label1_->move(10, 16);
    BNext2_->hide();
    if (task_input_waits(st.workspace, code_)) {
        showParameterEntry();
        return;
    }
    report_[6]->setText(qs(missing_input_message(st.shell, code_)));
    BEnd_->show();
}

void TForm1::BNext3Click() {
    const SessionState& st = main_.state();
    ParameterTexts typed;
    typed.relaxationCoef = ME_[0]->text().toStdString();
    typed.stopCriterion = ME_[1]->text().toStdString();
    typed.stopCheckSparsity = ME_[2]->text().toStdString();
    typed.iterationLimit = ME_[3]->text().toStdString();
    const ParameterEntry entry = enter_parameters(typed, st.decimalSeparator, st.shell);
    if (!entry.params) {
        if (!entry.warning.empty())
            main_.notifier().warning(this, qs(entry.warning));
        ME_[static_cast<std::size_t>(entry.field)]->setFocus();
        return;
    }
    params_ = *entry.params;
    for (QLineEdit* e : ME_)
        e->hide();
    BNext3_->hide();
    const ParameterSummary summary = parameter_summary(st.shell, params_, st.decimalSeparator);
    setLabel(LOPRM_, summary.heading);
    set_colour(LOPRM_, "#0000ff");
    LOPRM_->move(kSummaryHeadingX, 6);
    for (int i = 0; i < 4; ++i) {
        setLabel(LOPT_[i], summary.lines[i]);
        set_colour(LOPT_[i], "#0000ff");
        LOPT_[i]->move(kSummaryX, kSummaryTop + kSummaryStep * i);
    }
    setStepsHeight(kSummaryStepsHeight);
    BStart_->show();
    BEnd_->show();
    BReset_->setVisible(!batch_);
    BStart_->setFocus();
}

void TForm1::BResetClick() {
    if (runActive_)
        return;
    const SessionState& st = main_.state();
    setStepsHeight(kStepsHeight);
    setLabel(Label1_, captions_.codePrompt);
    set_colour(Label1_, nullptr);
    place(Label1_, 128, 90);
    MaskEdit1_3_->move(Label1_->x() + Label1_->width() + 16, 86);
    MaskEdit1_3_->show();
    MaskEdit1_3_->setFocus();
    BNext2_->show();
    showParameterBlock(false);
    clearReport();
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
    set_visible({BStart_, BReset_, BEnd_, ProgressRun_, ProgressTasks_}, false);
    BStart_->setText(qs(captions_.start));
}

void TForm1::BStartClick() {
    if (runActive_)
        return;
    const SessionState& st = main_.state();
    std::vector<std::string> codes;
    if (batch_)
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
    BStop_->show();
    clearReport();
    ProgressRun_->setRange(0, 1);
    ProgressRun_->setValue(0);
    ProgressRun_->show();
    ProgressTasks_->setVisible(batch_);
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

void TForm1::runEnded(bool stopped) {
    runActive_ = false;
    BStart_->setText(qs(captions_.start));
    BStart_->setEnabled(true);
    BReset_->setEnabled(true);
    BStop_->hide();
    if (immediate_) {
        immediate_ = false;
        if (!stopped)
            takeOverImmediateSolve();
        RB1Click();
        main_.state().immediateSolve = 0;
        if (!stopped)
            closeAfterRun_ = true;
    }
    emit runFinished();
    if (closeAfterRun_)
        close();
}

void TForm1::startImmediateSolve() {
    immediate_ = true;
    RB2Click();
    BNext1Click();
    BNext2Click();
    if (!BNext3_->isVisible()) { // the input file is not there: the message shows
        immediate_ = false;
        main_.state().immediateSolve = 0;
        return;
    }
    const ParameterTexts defaults = default_parameter_texts(main_.state().decimalSeparator);
    ME_[0]->setText(qs(defaults.relaxationCoef));
    ME_[1]->setText(qs(defaults.stopCriterion));
    ME_[2]->setText(qs(defaults.stopCheckSparsity));
    ME_[3]->setText(qs(defaults.iterationLimit));
    BNext3Click();
    BStartClick();
}

// The solution of the task the wizard handed over goes to Data and the task is marked solved.
void TForm1::takeOverImmediateSolve() {
    SessionState& st = main_.state();
    const std::string code = st.immediateSolveCode;
    try {
        if (!st.taskRegister)
            return;
        const TaskMove move = take_over_solution(st.workspace, *st.taskRegister, code);
        if (!move.done)
            main_.notifier().warning(this, QString::fromStdString(move.refusal));
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
