#pragma once
// A step panel of the wizard window (gbWindow_1 to gbWindow_7): it owns its controls, shows the model
// in them and copies them back into the model's inputs. What a page does beyond its controls (moving
// to another chain, importing a task, ...) it asks of its host, the window, which copies every page
// into the model first and shows the model and the outcome afterwards.
#include "common/task_texts.h"
#include "shell/shell_text.h"
#include "shell/ui/notifier.h"
#include "wizard/wizard.h"
#include "wizard/wizard_text.h"

#include <QWidget>

namespace zep {

class TaskHeaderPanel;
struct HeaderValues;

class WizardPageHost {
public:
    virtual Wizard& model() = 0;
    virtual Notifier& notifier() = 0;
    // Names the control as the model's focus names it and lets the focus find it.
    virtual void register_control(WizardControl control, QWidget* widget) = 0;
    // All pages' controls into the model's inputs, the model into all pages.
    virtual void read_controls() = 0;
    virtual void show_model() = 0;
    // The model, then the notes and the refusal of `outcome`, then the focus it names.
    virtual void show_outcome(const StepOutcome& outcome) = 0;
    // True while the model is being shown: the controls' signals are then not the user's.
    virtual bool syncing() const = 0;
    // The workbook to import, asked of the user; empty when none was chosen.
    virtual QString choose_workbook() = 0;

protected:
    ~WizardPageHost() = default;
};

// The pages of the steps after the first show the task's code and name (and, once step 2 has been
// passed, its parameters) above their controls.
enum class PanelHeader { None, Task };

class WizardPage : public QWidget {
    Q_OBJECT
public:
    WizardPage(const char* name, PanelHeader header, WizardPageHost& host);

    // Whether this page is the panel of `step` for the task as it stands.
    virtual bool shows_step(WizardStep step, const TaskRecord& rec) const = 0;
    // The captions that do not change while the wizard runs.
    virtual void apply_captions() = 0;
    // This page's controls into the model's inputs.
    virtual void read_controls(WizardInputs& in) = 0;
    // The model into this page's controls.
    virtual void show_model() = 0;

    void apply_header_captions(const QStringList& captions);
    void show_header(const HeaderValues& values, bool parametersShown);

protected:
    // The page's controls below the header.
    void set_content(QWidget* content);
    Wizard& model() const { return host_.model(); }
    char separator() const { return host_.model().context().separator; }
    QString text(WizardText which) const;
    QString text(TaskText which) const;
    QString text(ShellText which) const;
    QString label(int k) const;

    WizardPageHost& host_;

private:
    TaskHeaderPanel* header_ = nullptr;
};

} // namespace zep
