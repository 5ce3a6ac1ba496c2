#pragma once
// Steps 2a and 2b (gbWindow_2a, gbWindow_2b): how many availability intervals each category of
// unavailable resources has, and the intervals themselves.
#include "wizard/ui/wizard_page.h"

class QLabel;

namespace zep {

class EntryGrid;

class IntervalCountPage : public WizardPage {
    Q_OBJECT
public:
    explicit IntervalCountPage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

private:
    EntryGrid* Grid2a_ = nullptr;
};

class IntervalPage : public WizardPage {
    Q_OBJECT
public:
    explicit IntervalPage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

private:
    EntryGrid* Grid2b_ = nullptr;
    QLabel* Label21_ = nullptr;
};

} // namespace zep
