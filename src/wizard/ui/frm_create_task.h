#pragma once
// `TfrmCreateTask`: the task entry wizard's window. It holds one page per step panel (each owning its
// controls) and drives the wizard model: before every Next, Prev, selector or radio handler it copies
// every page's controls into the model's inputs, and afterwards it shows the model's inputs, state,
// captions and messages in every page again. It keeps the navigation, the step title, the buttons and
// the messages, and holds no check of its own.
#include "common/task_texts.h"
#include "shell/shell_text.h"
#include "shell/ui/notifier.h"
#include "wizard/ui/wizard_page.h"
#include "wizard/wizard.h"
#include "wizard/wizard_text.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace zep {

class OperationPage;
struct HeaderValues;

class TfrmCreateTask : public QWidget, private WizardPageHost {
    Q_OBJECT
public:
    // `FormCreate`. In correction mode the task `currentTaskCode` is read; its file errors propagate.
    TfrmCreateTask(WizardContext ctx, EntryMode mode, const std::string& currentTaskCode, Notifier& notifier,
                   QWidget* parent = nullptr);
    ~TfrmCreateTask() override;

    Wizard& model() override { return *model_; }

    // After the finish has written the task: its code and whether it is to be solved at once.
    std::function<void(const std::string& code, bool solveAtOnce)> onFinished;
    // When the window closes, however it closes.
    std::function<void()> onClosed;
    // The import panel's workbook button asks for the file through this.
    std::function<QString()> chooseWorkbook;

    void btnNextClick();
    void btnPrevClick();
    void btnCloseClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_pages();
    void build_buttons();
    void add_page(WizardPage* page);
    // The captions that do not change while the wizard runs.
    void apply_static_captions();
    WizardPage* page_of(WizardStep step) const;
    HeaderValues header_values() const;
    void show_notes(const std::vector<WizardMessage>& notes);
    void apply_focus(const WizardFocus& focus);
    QString text(WizardText which) const;
    QString text(TaskText which) const;
    QString text(ShellText which) const;
    QString label(int k) const;

    // What the pages ask of the window.
    Notifier& notifier() override { return notifier_; }
    void register_control(WizardControl control, QWidget* widget) override;
    void read_controls() override;
    void show_model() override;
    void show_outcome(const StepOutcome& outcome) override;
    bool syncing() const override { return syncing_; }
    QString choose_workbook() override;

    Notifier& notifier_;
    std::unique_ptr<Wizard> model_;
    bool syncing_ = false;
    bool generalPassed_ = false;
    std::map<WizardControl, QWidget*> controls_;
    std::vector<WizardPage*> pages_; // in the order of the steps
    OperationPage* operations_ = nullptr;
    QLabel* stepTitle_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QPushButton *btnPrev_ = nullptr, *btnNext_ = nullptr, *btnClose_ = nullptr;
};

} // namespace zep
