// Step 1 of EntryMode::ImportTask: importing another task's data or a workbook.
#include "common/cp1251.h"
#include "task/task_file.h"
#include "task/workbook_import.h"
#include "wizard/wizard.h"
#include "wizard/wizard_text.h"

namespace zep {

// The grids of the later steps hold nothing of a task imported afresh.
void Wizard::clear_step_grids() {
    in_.intervalCounts.clear();
    in_.intervals.clear();
    intervalGridCounts_.clear();
    in_.chains.clear();
    in_.operations.clear();
    in_.variants.clear();
    in_.candidates.clear();
}

ImportOutcome Wizard::import_task_file(int item) {
    if (item <= 0) {
        // "none": nothing imported; a new task starts empty when step 1 is passed.
        importDone_ = false;
        importLabel_ = wizard_text(ctx_.shell, WizardText::NoTaskSelected);
        rec_.workingChainCount = 0;
        rec_.header.chainCount = 0;
        rec_.chains.clear();
        generalStepEntered_ = false;
        return {true, {}};
    }
    if (!ctx_.taskRegister || item > static_cast<int>(ctx_.taskRegister->get().entries.size()))
        return {false, "there is no task " + std::to_string(item) + " in the task register"};
    const RegisterEntry& entry = ctx_.taskRegister->get().entries[item - 1];
    try {
        read_task_file(rec_, ctx_.workspace, entry.code);
    } catch (const std::exception& e) {
        return {false, e.what()};
    }
    importDone_ = true;
    clear_step_grids();
    importLabel_ = item < static_cast<int>(importList_.size()) ? importList_[item] : entry.code;
    rec_.header.taskCode.clear();
    rec_.header.taskName.clear();
    in_.chainCount = std::to_string(rec_.workingChainCount);
    in_.nestedChainCount = std::to_string(rec_.workingNestedChainCount);
    in_.categoryCount = std::to_string(rec_.header.resourceCategoryCount);
    in_.allowedSubgraphs = std::to_string(rec_.header.allowedSubgraphCount);
    in_.quantSteps = std::to_string(rec_.header.maxQuantSteps);
    in_.tact = number_text(rec_.header.tact);
    in_.scalingCoef = number_text(rec_.header.scalingCoef);
    return {true, {}};
}

ImportOutcome Wizard::import_workbook(const std::filesystem::path& path) {
    TaskRecord imported;
    try {
        std::unique_ptr<WorkbookReader> book = open_workbook(path, ctx_.separator);
        imported = read_task_workbook(*book, in_.code, in_.name, ctx_.separator);
    } catch (const WorkbookError& e) {
        return {false, e.what()};
    } catch (const WorkbookCellError& e) {
        return {false, e.what()};
    }
    rec_ = std::move(imported);
    importDone_ = true;
    clear_step_grids();
    in_.code = rec_.header.taskCode;
    in_.name = rec_.header.taskName;
    fill_general_boxes_from_record();
    in_.automaticNumbering = rec_.header.subgraphNumbering == 1;
    in_.tact = number_text(rec_.header.tact);
    in_.scalingCoef = number_text(rec_.header.scalingCoef);
    importLabel_ = wizard_text(ctx_.shell, WizardText::DataImportedFrom) + ": " + path.filename().string();
    return {true, {}};
}

} // namespace zep
