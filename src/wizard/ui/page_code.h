#pragma once
// Step 1 (gbWindow_1): the task's code and name, and in the import mode the import panel: another
// task's file (DAT) or a workbook (XLS).
#include "wizard/ui/wizard_page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zep {

class FilteredBox;

class CodePage : public WizardPage {
    Q_OBJECT
public:
    explicit CodePage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

    void btnExportClick();
    void Button1Click();

private:
    QGroupBox* build_import_group(QWidget* content);
    void source_chosen();

    QString workbookName_;
    QLabel *lblShifr_ = nullptr, *lblName_ = nullptr;
    FilteredBox *txtShifr_ = nullptr, *txtName_ = nullptr;
    QGroupBox* pnlExport_ = nullptr;
    QRadioButton *RB_1_ = nullptr, *RB_2_ = nullptr;
    QLabel *Label18_ = nullptr, *staticTask_ = nullptr, *StaticText1_ = nullptr;
    QComboBox* cbExport_ = nullptr;
    QPushButton *btnExport_ = nullptr, *Button1_ = nullptr;
    QLabel *Label_ex1_ = nullptr, *Label_ex2_ = nullptr;
};

} // namespace zep
