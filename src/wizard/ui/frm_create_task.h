#pragma once
// `TfrmCreateTask`: the task entry wizard's window. It holds the step panels and their controls and
// drives the wizard model: before every Next, Prev, selector or radio handler it copies its controls into
// the model's inputs, and afterwards it shows the model's inputs, state, captions and messages again.
// It holds no check of its own.
#include "shell/ui/notifier.h"
#include "wizard/wizard.h"

#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace zep {

class EntryGrid;
class FilteredBox;
class ReviewGrid;
class TaskHeaderPanel;
class WrappedLabel;

class TfrmCreateTask : public QWidget {
    Q_OBJECT
public:
    // `FormCreate`. In correction mode the task `currentTaskCode` is read; its file errors propagate.
    TfrmCreateTask(WizardContext ctx, EntryMode mode, const std::string& currentTaskCode, Notifier& notifier,
                   QWidget* parent = nullptr);
    ~TfrmCreateTask() override;

    Wizard& model() { return *model_; }

    // After the finish has written the task: its code and whether it is to be solved at once.
    std::function<void(const std::string& code, bool solveAtOnce)> onFinished;
    // When the window closes, however it closes.
    std::function<void()> onClosed;

    void btnNextClick();
    void btnPrevClick();
    void btnCloseClick();
    // The import panel's buttons; the workbook button asks for a file through `chooseWorkbook`.
    void btnExportClick();
    void Button1Click();
    std::function<QString()> chooseWorkbook;
    void ResflgClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the panels (one file per group of steps).
    void build_buttons();
    QWidget* build_code_panel();
    QGroupBox* build_import_group(QWidget* content);
    QWidget* build_general_panel();
    QGroupBox* build_minimised_group(QWidget* content);
    QGridLayout* build_general_counts(QWidget* content);
    QGroupBox* build_decomposition_group(QWidget* content);
    QWidget* build_interval_count_panel();
    QWidget* build_interval_panel();
    QWidget* build_chain_panel(bool nested);
    QWidget* build_operation_panel();
    QWidget* build_variant_panel(bool resources);
    QWidget* build_review_panel(bool resources);
    QWidget* build_rounding_panel();
    QWidget* build_threshold_panel();
    QGridLayout* build_threshold_facts(QWidget* content);
    QWidget* build_threshold_list(QWidget* content);
    QGridLayout* build_second_level_boxes(QWidget* content);
    QWidget* build_summary_panel();
    // A step's page; the pages of the steps after the first show the task's code and name above.
    enum class PanelHeader { None, Task };
    QWidget* panel(const char* name, QWidget* content, PanelHeader header);
    QWidget* bounds_box(const QString& suffix, QWidget* parent);
    // The decimal separator `name` (Decimal3, Decimal5, ...) after its caption.
    QWidget* separator_box(const char* name, QWidget* parent);
    // The captions that do not change while the wizard runs, step by step.
    void apply_static_captions();
    void apply_code_step_captions();
    void apply_general_step_captions();
    void apply_chain_step_captions();
    void apply_operation_and_variant_captions();
    void apply_final_step_captions();
    void apply_summary_captions();

    // The two directions between the controls and the model.
    void read_controls();
    void show_model();
    void show_code_step();
    void show_general_step();
    void show_grids();
    void show_variant_grid(bool resources);
    void show_review_grid(bool resources);
    void show_threshold_candidates();
    void show_selectors();
    void show_captions();
    void show_summary();
    QWidget* panel_of(WizardStep step) const;

    // Shows the notes and the refusal of an outcome, the model, and puts the focus where it says.
    void show_outcome(const StepOutcome& outcome);
    void show_notes(const std::vector<WizardMessage>& notes);
    void apply_focus(const WizardFocus& focus);
    void register_control(WizardControl control, QWidget* widget);

    // Handlers of the radio choices and selectors.
    void general_choice_changed(QWidget* clicked);
    void operation_chain_chosen(int chainIndex);
    void variant_place_chosen(int chainIndex, int opIndex);
    void step_chain(int delta);
    void step_operation(int delta);

    QString text(int n) const;
    QString label(int k) const;

    Notifier& notifier_;
    std::unique_ptr<Wizard> model_;
    char separator_;
    bool syncing_ = false;
    bool generalPassed_ = false;
    QString workbookName_;
    std::map<WizardControl, QWidget*> controls_;
    std::vector<TaskHeaderPanel*> headers_;
    std::vector<QLabel*> separatorLabels_, separatorCaptions_;
    QLabel* stepTitle_ = nullptr;
    std::vector<std::array<QLabel*, 3>> timeBounds_, costBounds_; // caption, minimum, maximum

    QStackedWidget* stack_ = nullptr;
    QPushButton *btnPrev_ = nullptr, *btnNext_ = nullptr, *btnClose_ = nullptr;

    // Step 1 and the import panel.
    QLabel *lblShifr_ = nullptr, *lblName_ = nullptr;
    FilteredBox *txtShifr_ = nullptr, *txtName_ = nullptr;
    QGroupBox* pnlExport_ = nullptr;
    QRadioButton *RB_1_ = nullptr, *RB_2_ = nullptr;
    QLabel *Label18_ = nullptr, *staticTask_ = nullptr, *StaticText1_ = nullptr;
    QComboBox* cbExport_ = nullptr;
    QPushButton *btnExport_ = nullptr, *Button1_ = nullptr;
    QLabel *Label_ex1_ = nullptr, *Label_ex2_ = nullptr;

    // Step 2.
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

    // Steps 2a and 2b.
    EntryGrid *Grid2a_ = nullptr, *Grid2b_ = nullptr;
    QLabel* Label21_ = nullptr;

    // Step 3.
    EntryGrid *StringGrid1_ = nullptr, *StringGrid1__ = nullptr;
    QRadioButton *RB1_ = nullptr, *RB2_ = nullptr, *RB1__ = nullptr, *RB2__ = nullptr;
    QGroupBox *gbPlace_ = nullptr, *gbPlace__ = nullptr, *gbConversion_ = nullptr;
    QRadioButton *Reg2_1_ = nullptr, *Reg2_2_ = nullptr;
    WrappedLabel* Label33_ = nullptr;

    // Step 4.
    QComboBox* cb_M_223_ = nullptr;
    QLabel *lblChain223_ = nullptr, *M_2233_ = nullptr, *Label12_ = nullptr, *keys223_ = nullptr;
    EntryGrid* StringGrid2_ = nullptr;

    // Step 5 (without and with unavailable resources).
    struct VariantPanel {
        QComboBox *chain = nullptr, *operation = nullptr;
        QLabel *chainCaption = nullptr, *operationCaption = nullptr, *chainName = nullptr;
        QLabel* nameCaption = nullptr;
        QLineEdit* operationName = nullptr; // Col_1_1 / Col_1_1a
        EntryGrid* grid = nullptr;
        QLabel *chainKeys = nullptr, *operationKeys = nullptr, *spaceKey = nullptr;
    } var_, varA_;

    // Step 6.
    ReviewGrid *Grid_ = nullptr, *Grid_a_ = nullptr;

    // Step 7.
    QGroupBox* gbRounding_ = nullptr;
    QRadioButton *toc_0_ = nullptr, *toc_1_ = nullptr, *toc_2_ = nullptr;
    WrappedLabel *Label29_ = nullptr, *Label30_ = nullptr;
    QLabel* lblKoe_ = nullptr;
    FilteredBox *txtDelta_ = nullptr, *txtKoe_ = nullptr;

    // Step 8.
    QLabel *Label41_ = nullptr, *staticDelta_6_ = nullptr, *lblMaxFaz_ = nullptr, *MaxFaz_ = nullptr;
    QLabel *Label44_ = nullptr, *Label45_ = nullptr, *Label23_ = nullptr;
    QListWidget* clFazu_ = nullptr;
    QPushButton* Resflg_ = nullptr;
    QWidget* thresholdPart_ = nullptr;
    QLabel *Label75_ = nullptr, *Label77_ = nullptr, *Label78_ = nullptr;
    QWidget* Decimal6_ = nullptr;
    FilteredBox *txt_C_ = nullptr, *txt_Nd_ = nullptr, *txt_kup_ = nullptr;

    // Summary.
    struct SummaryLine {
        QLabel* caption = nullptr;
        QLabel* value = nullptr;
    };
    std::map<std::string, SummaryLine> summaryLines_;
    QRadioButton *Order1_ = nullptr, *Order2_ = nullptr;
    WrappedLabel *lblOrder1_ = nullptr, *lblOrder2_ = nullptr;
};

} // namespace zep
