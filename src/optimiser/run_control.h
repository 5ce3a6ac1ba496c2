#pragma once
// The optimisation module's run without its window: the four parameters as typed, the tasks of a run
// (every input file waiting in Solving, or one task by its code), the information lines, and the run of
// each task from its input file to its solution file with report lines 1 to 6 on the way.
//
// The window drives the same code on a worker thread and shows what the RunListener receives; the
// command line prints it.
#include "common/shell_tables.h"
#include "common/workspace_layout.h"
#include "optimiser/path_problem.h"
#include "optimiser/run_texts.h"
#include "optimiser/task_optimiser.h"

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zep {

// ---- Parameters ----------------------------------------------------------------------------------
// The default of a parameter as its box first shows it: "0" + separator + "9", "3000".
std::string default_parameter_text(RunParameterId id, char separator);

// The four edits as typed, in the order of kRunParameters: ОКР, КО, КР, ЛЧИ (the defaults with ",").
struct ParameterTexts {
    std::string relaxationCoef = default_parameter_text(kRelaxationCoef, ',');
    std::string stopCriterion = default_parameter_text(kStopCriterion, ',');
    std::string stopCheckSparsity = default_parameter_text(kStopCheckSparsity, ',');
    std::string iterationLimit = default_parameter_text(kIterationLimit, ',');

    std::string& operator[](RunParameterId id);
    const std::string& operator[](RunParameterId id) const;
};
ParameterTexts default_parameter_texts(char separator);

// The parameter step: the values are taken in order and the first failure ends it. A refused value
// names its edit (0 to 3) and the warning (text N + "."), or no warning when the text does not convert.
struct ParameterEntry {
    std::optional<IterationParams> params;
    int field = -1;
    std::string warning; // empty: the text did not convert; only the focus returns
};
ParameterEntry enter_parameters(const ParameterTexts& typed, char separator, const ShellTables& shell);

// ---- Tasks and information lines ------------------------------------------------------------------
// Names of the files "zep_??????_in.dat" in Solving (`taskFileList`), in name order.
std::vector<std::string> find_task_inputs(const Workspace& ws);
// Characters 5 to 10 of such a name.
std::string task_code_of_input(const std::string& fileName);
// True when Solving/zep_<code>_in.dat exists (the code step of individual mode).
bool task_input_waits(const Workspace& ws, const std::string& code);

// The three information lines: "? (" + text 507 + " System\info)" and twice "? (" + text 508 + ")",
// replaced by the 2nd, 4th and 6th lines of System/Info. (or System/Info) when the file exists, trimmed
// of blanks. The file is Windows-1251 unless its bytes read as UTF-8.
std::array<std::string, 3> read_info_lines(const Workspace& ws, const ShellTables& shell);

// The refusals of the mode and code steps: batch mode without input files, a code without its file.
std::string no_input_files_message(const ShellTables& shell);
std::string missing_input_message(const ShellTables& shell, const std::string& code);

// ---- The run --------------------------------------------------------------------------------------
class RunListener : public RunReporter {
public:
    virtual void task_started(const std::string& code, const std::string& startLine) {}
    virtual void task_finished(const std::string& code, const std::string& endLine) {}
};

// The solution files in Solving as a run found them at its start (file identity and time of change). A
// task whose solution file changed since was solved by another run meanwhile: it is not solved again.
using SolutionStamps = std::map<std::string, std::string>;
SolutionStamps solution_stamps(const Workspace& ws);

struct RunSetup {
    Workspace workspace;
    const ShellTables* shell = nullptr;
    char separator = '.';
    IterationParams params;
    std::array<std::string, 3> infoLines;
    unsigned threads = 0;                           // threshold runs side by side; 0: one per core
    std::optional<SolutionStamps> solutionsAtStart; // a run over several tasks: solution_stamps at start
};

struct TaskRunOutcome {
    std::string code;
    bool refused = false; // a check or the input refused the task (its file holds the message, if any)
    bool skipped = false; // another run is solving the task, or solved it meanwhile (`message` says so)
    std::string message;  // the refusal, the skip, or the last error line of the run
    std::filesystem::path solutionFile; // empty when no solution file was written
};

// The work of one task on the bytes of its input file: the run checks, the reading, the optimisation.
// Never throws for what the bytes hold: a refused task gets the prepared empty solution with the
// refusal as the first message. Throws RunStopped when the reporter asked to stop. The header's timing and
// information fields are left to the caller.
struct SolvedTask {
    Solution solution;
    std::optional<SolutionShape> shape; // none: the input is too damaged to lay out a solution
    std::optional<std::string> refusal;
    std::string lastError; // the last error line of the optimisation
};
SolvedTask solve_input(std::span<const std::uint8_t> bytes, const std::string& source, const RunTexts& texts,
                       const OptimiserOptions& options, RunReporter* reporter = nullptr);

// One task: claims Solving/zep_<code>_in.dat (an exclusive lock on the input for the whole run, so that
// runs in other processes skip it and take-over waits), reads it, checks it, optimises it and writes
// Solving/zep_<code>_out.dat, also when the task was refused. A task claimed by another run, or solved by
// one since `solutionsAtStart`, is skipped, and so is, in a run with `solutionsAtStart`, a task whose
// input left Solving since the run listed it. An input too damaged to give the layout of its task's
// solution gets no solution file: the refusal is only in the outcome. Throws FileAccessError when the
// input cannot be read or the solution cannot be written, and RunStopped when the listener asked to stop:
// then nothing is written and the input stays where it is.
TaskRunOutcome run_task(const RunSetup& setup, const std::string& code, RunListener* listener = nullptr);

} // namespace zep
