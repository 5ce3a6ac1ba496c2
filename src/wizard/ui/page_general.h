#pragma once
// Step 2 (gbWindow_2): the minimised parameter, the chain counts, the units, the unavailable resources
// with their category count, and the decomposition with its numbering and its two parameters.
#include "wizard/ui/wizard_page.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace zep {

class FilteredBox;

class GeneralPage : public WizardPage {
    Q_OBJECT
public:
    explicit GeneralPage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

private:
    QGroupBox* build_minimised_group(QWidget* content);
    QGridLayout* build_general_counts(QWidget* content);
    QGroupBox* build_decomposition_group(QWidget* content);
    void choice_changed(QRadioButton* clicked);

    QGroupBox* gbMinimised_ = nullptr;
    QRadioButton *rbPrmp_0_ = nullptr, *rbPrmp_1_ = nullptr;
    QLabel *lblNch_ = nullptr, *lblnc2_ = nullptr, *lblCostUnit_ = nullptr, *lblTimeUnit_ = nullptr;
    FilteredBox *txtNch_ = nullptr, *txtnc2_ = nullptr, *txtKat_ = nullptr, *txtDnp_ = nullptr,
                *txtMxns_ = nullptr;
    QComboBox *UnitOfMeasurement_0_ = nullptr, *UnitOfMeasurement_1_ = nullptr;
    QLabel *Label83_ = nullptr, *L_Kat_ = nullptr;
    QRadioButton *vnr1_ = nullptr, *vnr2_ = nullptr;
    QGroupBox *GroupBox1_ = nullptr, *GroupBox5_ = nullptr;
    QRadioButton *Reg_0_ = nullptr, *Reg_1_ = nullptr, *Reg1_0_ = nullptr, *Reg1_1_ = nullptr;
    QLabel *L_decomp_ = nullptr, *L_Dnp_ = nullptr, *L_Mxns_ = nullptr;
};

} // namespace zep
