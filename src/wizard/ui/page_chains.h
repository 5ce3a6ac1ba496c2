#pragma once
// Steps 3 and 4: the chains of the graph (gbWindow_22, or gbWindow_22_ with nested chains) and the
// operations of every chain, one chain at a time (gbWindow_223).
#include "wizard/ui/wizard_page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace zep {

class EntryGrid;
class WrappedLabel;

class ChainPage : public WizardPage {
    Q_OBJECT
public:
    ChainPage(bool nested, WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

private:
    // Whether this page is the one the task's chains are entered in.
    bool in_use() const;

    bool nested_;
    EntryGrid* StringGrid1_ = nullptr; // StringGrid1 / StringGrid1_
    QRadioButton *RB1_ = nullptr, *RB2_ = nullptr;
    QGroupBox* gbPlace_ = nullptr;
    // Only with nested chains:
    WrappedLabel* Label33_ = nullptr;
    QGroupBox* gbConversion_ = nullptr;
    QRadioButton *Reg2_1_ = nullptr, *Reg2_2_ = nullptr;
};

class OperationPage : public WizardPage {
    Q_OBJECT
public:
    explicit OperationPage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;
    // The note that the subgraphs are being numbered, shown while Next searches.
    void show_search_note(bool shown);

private:
    void chain_chosen(int chainIndex);

    QComboBox* cb_M_223_ = nullptr;
    QLabel *lblChain223_ = nullptr, *M_2233_ = nullptr, *Label12_ = nullptr, *keys223_ = nullptr;
    EntryGrid* StringGrid2_ = nullptr;
};

} // namespace zep
