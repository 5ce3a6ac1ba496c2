#pragma once
// The task entry wizard as a model: what the user has entered on every step (WizardInputs), the wizard
// state (current step, flags, the chain and operation shown) and the task record. `next` runs the check
// of the step on screen and, when it passes, stores its values and prepares the next step; `prev`
// goes back without checking or discarding anything. Both report what happened in a StepOutcome;
// questions are answered through the context's `ask` callback.
//
// The window owns one Wizard, copies its controls into `inputs()` before calling an operation and shows
// the inputs, state and outcome afterwards. Nothing here touches a window.
#include "shell/open_mode.h"
#include "shell/shell_file.h"
#include "shell/task_register.h"
#include "shell/workspace.h"
#include "task/task_record.h"
#include "wizard/wizard_inputs.h"
#include "wizard/wizard_outcome.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zep {

struct WizardContext {
    ShellTables shell;                     // the loaded language shell
    std::string shellFileName;             // its file name, carried into the solver input file
    char separator = ',';                  // the user's decimal separator
    Workspace workspace;                   // where the task files go
    RegisterStore* taskRegister = nullptr; // the task register; needed by step 1 and the finish
    // Answers a Yes/No question (true = Yes). Without it every question is answered No.
    std::function<bool(const std::string& question)> ask;
};

// The unit lists of the two unit boxes, from the shell, each item trimmed of blanks: cost units texts
// 91, 115, 122, 396; time units texts 114, 468.
std::vector<std::string> cost_unit_list(const ShellTables& shell);
std::vector<std::string> time_unit_list(const ShellTables& shell);

// What step 2 shows, as its radio handlers leave it.
struct GeneralStepView {
    bool resourceQuestion = false;    // Label83 with vnr1 / vnr2 (only when the cost is minimised)
    bool categoryCount = false;       // the category label and txtKat
    bool decompositionGroup = false;  // GroupBox1
    bool decompositionParams = false; // GroupBox5, L_decomp, txtDnp, txtMxns with their labels
};

// The summary panel, as its labels show it.
struct WizardSummary {
    std::string tact;             // staticDelta_7
    std::string phaseStates;      // MaxFaz_7
    std::string scalingCoef;      // prkoe
    std::string rounding;         // static_toc: text 333, 332 or 331
    std::string costUnit;         // Cost
    std::string timeUnit;         // lTime
    bool categoriesShown = false; // Label89, kateg
    std::string categoryCount;
    bool decompositionShown = false; // L_regime, regime
    std::string regime;              // "1" or "0"
    bool numberingShown = false;
    std::string numbering; // regn: text 14 or text 397
    bool allowedShown = false;
    std::string allowedSubgraphs; // prm1
    bool subgraphCountShown = false;
    std::string subgraphCount; // prm11
    bool quantStepsShown = false;
    std::string quantSteps;   // prm2
    bool secondLevel = false; // L_Nd, L_kup, L_C shown and LenNT hidden, or the reverse
    std::string iterations;
    std::string reduction;
    std::string costThreshold;
    std::string thresholdCount; // LenNT
};

// Captions that depend on the task, as the steps that decide them leave them.
struct WizardCaptions {
    std::string intervalStart; // ST1_2b: text 211 (time unit)
    std::string intervalEnd;   // ST2_2b: text 209 (time unit)
    std::string variantTime;   // step 5 time column: text 64, with resources text 483 (time unit)
    std::string variantCost;   // step 5 cost column: text 434 (cost unit)
    std::string timeBound;     // steps 7, 8, summary: text 81 (time unit):
    std::string costBound;     // text 81 (cost unit):
    std::string discretised;   // Label30: text 431 or 494 and " (>=0,01):"
    std::string tact;          // Label29: text 40, the tact's unit word when it has one, text 348
    std::string tactLabel;     // Label13, Label41: text 106, the unit word, " -"
    std::string thresholdList; // Label45
    std::string costThreshold; // Label75: text 46 (cost unit):
    std::string minimised;     // header labels: text 432 (cost) or 62 (time)
    std::string resources;     // header labels: text 495 (with) or 272 (without)
};

// What an import on step 1 did.
struct ImportOutcome {
    bool ok = false;
    std::string message; // why nothing was imported (a file error, a cell that does not convert)
};

class Wizard {
public:
    // `FormCreate`. In EntryMode::CorrectTask the task `currentTaskCode` is read (read_task_file; its errors
    // propagate); an empty code closes the wizard at once (closed() is true).
    Wizard(WizardContext ctx, EntryMode mode, std::string currentTaskCode = {});

    WizardInputs& inputs() { return in_; }
    const WizardInputs& inputs() const { return in_; }
    const TaskRecord& record() const { return rec_; }
    EntryMode entry_mode() const { return mode_; }
    const WizardContext& context() const { return ctx_; }

    // ---- Wizard state ---------------------------------------------------------------------------------
    WizardStep current_step() const { return step_; }
    bool closed() const { return closed_; }
    bool prev_enabled() const { return prevEnabled_; }
    bool chain_counts_edited() const { return chainCountsEdited_; }
    bool import_done() const { return importDone_; }
    int op_step_chain() const { return opStepChain_; }           // 0-based chain shown on step 4
    int var_step_chain() const { return varStepChain_; }         // 0-based chain shown on step 5
    int var_step_operation() const { return varStepOperation_; } // 0-based operation shown on step 5
    int converted_operation_count() const { return convertedCount_; }
    // The window caption: base title, " (", step word, the step label, of-word, " 8)"; the base title
    // alone on the summary.
    std::string step_title() const;
    // Caption of Next: text 58, or text 90 on the summary.
    std::string next_caption() const;

    // ---- Step 1: the import panel (EntryMode::ImportTask) -------------------------------------------------
    // cbExport: "none", then "[code] - name" per register entry, each cut to 81 characters.
    const std::vector<std::string>& import_list() const { return importList_; }
    // staticTask / Label_ex2: what was imported.
    const std::string& import_label() const { return importLabel_; }
    // `btnExportClick`: item 0 clears the import; item i >= 1 reads the task file of register entry
    // i - 1, clears code and name and fills the step 2 boxes. A file that cannot be read leaves the
    // record as it was and reports why.
    ImportOutcome import_task_file(int item);
    // `Button1Click`: the workbook at `path` in the layout of the spreadsheet import. A workbook that
    // cannot be read, or a cell that does not convert, changes nothing and reports why (naming the
    // sheet, the cell and the text found).
    ImportOutcome import_workbook(const std::filesystem::path& path);
    // The workbook file dialog cancelled: `importDone` := 0, nothing else.
    void cancel_workbook_import() { importDone_ = false; }

    // ---- Step 2: the radio handlers and the chain count boxes -----------------------------------------
    // rbPrmp_0 / rbPrmp_1: choosing the time as minimised parameter answers the resource question "нет".
    void choose_minimised(int param);
    // Typing into txtNch / txtnc2 sets the box and marks the chain counts as edited.
    void type_chain_count(std::string text);
    void type_nested_chain_count(std::string text);
    GeneralStepView general_step_view() const;

    // ---- Step 4 / step 5: moving between chains and operations -----------------------------------------
    // The chain selector of step 4 (and Shift+Up / Shift+Down): stores the chain shown with
    // `store_operations` and, when that passes, shows chain `chainIndex`. A refusal keeps the chain.
    StepOutcome show_operations_of_chain(int chainIndex);
    // The selectors of step 5 (and Ctrl/Shift + arrows): stores the operation shown with `store_variants`
    // and, when that passes, shows operation `opIndex` of chain `chainIndex` with `load_variant_grid`.
    StepOutcome show_variants_of(int chainIndex, int opIndex);
    const std::string& shown_chain_name() const { return shownChainName_; }         // M_2233 / above the grid
    const std::string& shown_operation_name() const { return shownOperationName_; } // Col_1_1

    // ---- Step 6 / 7 / 8 -------------------------------------------------------------------------------
    // The read-only table of all variants (Grid / Grid_a), built when step 5 is passed.
    const CellTable& review_table() const { return reviewTable_; }
    // The second-level mode: the time is minimised and the top-level graph has more than one path.
    bool second_level_mode() const;
    // MaxFaz: the phase-state estimate shown on step 8.
    std::string phase_states_text() const;

    // Captions that depend on the task (units, the discretised parameter, the chain count).
    WizardCaptions captions() const;

    // ---- Summary --------------------------------------------------------------------------------------
    const WizardSummary& summary() const { return summary_; }

    // ---- The buttons ----------------------------------------------------------------------------------
    StepOutcome next();
    StepOutcome prev();
    // Cancel (or closing the window): nothing is written.
    void cancel() { closed_ = true; }

private:
    // Step checks; each returns the outcome of Next on its step.
    StepOutcome check_code_step();
    StepOutcome check_general_step();
    StepOutcome check_interval_counts_step();
    StepOutcome check_intervals_step();
    StepOutcome check_chains_step();
    StepOutcome check_operations_step();
    StepOutcome check_variants_step();
    StepOutcome check_review_step();
    StepOutcome check_rounding_step();
    StepOutcome check_thresholds_step();
    StepOutcome finish();

    // Helpers shared by the steps (wizard.cpp).
    StepOutcome refuse(std::string message, WizardFocus focus, std::vector<WizardMessage> notes = {}) const;
    StepOutcome stay(WizardFocus focus, std::vector<WizardMessage> notes = {}) const;
    StepOutcome enter(WizardStep step, WizardFocus focus, std::vector<WizardMessage> notes = {});
    bool ask(const std::string& question, std::vector<WizardMessage>& notes) const;
    std::string number_text(double v) const;
    bool has_nested_chains() const { return rec_.workingNestedChainCount > 0; }
    bool has_resources() const { return rec_.header.has_unavailable_resources(); }
    bool manual_subgraph_numbers() const;
    WizardControl chain_grid() const;
    WizardControl variant_grid() const;

    // Step 1 imports (wizard_imports.cpp).
    void clear_step_grids();

    // Steps 1 and 2 (step_general.cpp).
    void fill_general_boxes_from_record();
    void reset_general_boxes();
    void prepare_chain_grid();
    void relayout_chains(int oldOrdinary, int oldNested, int newOrdinary, int newNested);

    // Steps 2a and 2b (step_resources.cpp).
    void prepare_interval_grid(const std::vector<int>& counts);
    void store_resource_intervals();

    // Step 3 (step_chains.cpp).
    void show_chain_grid_from_record();
    void show_operations_grid(int chainIndex);

    // Step 5 (step_variants.cpp).
    void show_variants_grid(int chainIndex, int opIndex);
    StepOutcome refuse_at_variant(std::string message, int chainIndex, int opIndex, int row);
    void build_review_table();

    // Step 8 and summary (step_thresholds.cpp).
    void build_summary();

    WizardContext ctx_;
    EntryMode mode_;
    WizardInputs in_;
    TaskRecord rec_;

    WizardStep step_ = WizardStep::Code;
    bool closed_ = false;
    bool prevEnabled_ = false;
    bool chainCountsEdited_ = false;
    bool importDone_ = false;
    bool generalStepEntered_ = false; // step 2 has been entered once (see check_code_step)
    int opStepChain_ = 0;
    int varStepChain_ = 0;
    int varStepOperation_ = 0;
    int convertedCount_ = 0;
    std::vector<int> intervalGridCounts_; // the interval counts Grid2b was laid out for
    std::vector<std::string> importList_;
    std::string importLabel_;
    std::string shownChainName_;
    std::string shownOperationName_;
    CellTable reviewTable_;
    WizardSummary summary_;
};

} // namespace zep
