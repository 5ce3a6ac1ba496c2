#pragma once
// Steps 5 and 6: the variants of every operation, one operation at a time (gbWindow_3, or gbWindow_3a
// with unavailable resources), and the read-only table of all variants (gbWindow_4, gbWindow_4a).
#include "wizard/ui/wizard_page.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zep {

class EntryGrid;
class ReviewGrid;
class SeparatorBox;

class VariantPage : public WizardPage {
    Q_OBJECT
public:
    VariantPage(bool resources, WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

private:
    // Whether this page is the one the task's variants are entered in.
    bool in_use() const;
    void show_variant_grid();
    void place_chosen(int chainIndex, int opIndex);
    void step_chain(int delta);
    void step_operation(int delta);

    bool resources_;
    QComboBox *chain_ = nullptr, *operation_ = nullptr; // cb_M_2, cb_M_3 (cb_M_2a, cb_M_3a)
    QLabel *chainCaption_ = nullptr, *operationCaption_ = nullptr, *chainName_ = nullptr;
    QLabel* nameCaption_ = nullptr;
    QLineEdit* operationName_ = nullptr; // Col_1_1 (Col_1_1a)
    SeparatorBox* separatorBox_ = nullptr;
    EntryGrid* grid_ = nullptr;
    QLabel *chainKeys_ = nullptr, *operationKeys_ = nullptr, *spaceKey_ = nullptr;
};

class ReviewPage : public WizardPage {
    Q_OBJECT
public:
    ReviewPage(bool resources, WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override {}
    void read_controls(WizardInputs&) override {}
    void show_model() override;

private:
    bool resources_;
    ReviewGrid* grid_ = nullptr; // Grid_ (Grid_a)
};

} // namespace zep
