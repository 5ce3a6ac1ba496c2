#pragma once
// The report lines and messages of an optimisation run, assembled from shell texts exactly as the
// module shows them. A number joined straight to a text has no blank between them ("3" + text 87).
//
// Where the module's own lines carry a fixed Russian word ("из" before the number of runs, "или"
// between two bounds), the shell's word is taken instead (text 159, text 1), so that every language
// reads its own.
#include "common/shell_tables.h"
#include "optimiser/optimiser_text.h"
#include "optimiser/run_parameters.h"

#include <cstdint>
#include <string>

namespace zep {

struct RunTexts {
    const ShellTables& shell;
    std::string code;     // the task code
    char separator = '.'; // the user's decimal separator

    // text 143 + " \"" + code + "\". "
    std::string task_prefix() const;
    // task_prefix() + text 10 + ". ": the start of every refusal
    std::string refusal_prefix() const;

    // The run checks (1 to 8 in the module's order), with their values.
    std::string chain_count_refused(std::int32_t chainCount) const;
    std::string minimised_param_refused(std::int32_t minimisedParam) const;
    std::string scaled_tact_refused(double scaledTact) const;
    std::string threshold_count_refused(std::int32_t chainCount, std::int32_t thresholdCount) const;
    // Checks 5 to 8: a parameter outside the range of its run check, with text `runRefusal` of its
    // record, the value (a real with three decimals) and the range it left: " (< 0,1 " + text 1 +
    // " >= 1,0)".
    std::string parameter_refused(RunParameterId id, double value) const;
    // An input that cannot be solved as it stands (damaged counts or values); `what` says why.
    std::string input_refused(const std::string& what) const;

    // Failure of a path of the whole graph in run k (0-based), path p (0-based), codes 1 to 4.
    std::string path_failed(std::int32_t k, std::int32_t p, const std::string& prefix,
                            std::int32_t code) const;
    // Trace broken at a state whose chosen option o is not an arc (code 1).
    std::string trace_broken(std::int32_t k, std::int32_t p, const std::string& prefix,
                             std::int32_t option) const;
    // The trace met a state without admissible variant at `element` (code 2).
    std::string no_admissible_variant(std::int32_t element, std::int32_t k) const;
    // The second-level search used up its probes.
    std::string second_level_used_up() const;
    // The run was stopped during this task: task_prefix() + text 309 + ". " + text 528 + ".".
    std::string run_stopped() const;
    // The second-level search found no time threshold, up to the graph's longest time, whose cost keeps
    // within the cost threshold.
    std::string second_level_no_threshold() const;

    // Why a run skips the task: text 143 + " \"" + code + "\" " + text 593 to 596 + ".".
    enum class Skip {
        // another run holds the claim of its input
        ClaimedByAnotherRun = static_cast<int>(OptimiserText::ClaimedByAnotherRun),
        // its solution file changed since the run started
        SolvedMeanwhile = static_cast<int>(OptimiserText::SolvedMeanwhile),
        // its input was replaced since the run asked for it
        MovedMeanwhile = static_cast<int>(OptimiserText::MovedMeanwhile),
        // its input left Solving since the run listed it
        GoneFromSolving = static_cast<int>(OptimiserText::GoneFromSolving),
    };
    std::string skipped(Skip why) const;

    // Message prefix of (sub)graph s when the task has nested subgraphs: (s + 1) + text 509 + " ".
    std::string subgraph_prefix(std::int32_t s, std::int32_t subgraphCount) const;
};

// Where the optimisation stands, for report lines 2, 3 and 5.
struct RunPosition {
    std::int32_t run = 0;      // k, 0-based
    std::int32_t runs = 0;     // R(s)
    bool secondLevel = false;  // the whole graph in the second-level search
    std::int32_t path = 0;     // p, 0-based
    std::int32_t paths = 0;    // P
    std::int32_t subgraph = 0; // s, 0-based; the whole graph is subgraphCount
    std::int32_t subgraphCount = 0;
};

std::string report_line1(const RunTexts& t, bool discretisedIsCost, std::int32_t chainCount,
                         std::int32_t thresholdCount);
std::string report_line2(const RunTexts& t, const RunPosition& at, std::int64_t phaseStates);
std::string report_line3(const RunTexts& t, const RunPosition& at);
std::string report_line4_graph(const RunTexts& t, std::int32_t k, std::int32_t thresholdCount,
                               std::int32_t chainCount, bool discretisedIsCost, double total,
                               double scaledThreshold);
std::string report_line4_subgraph(const RunTexts& t, std::int32_t k, std::int32_t runs, std::int32_t s,
                                  std::int32_t subgraphCount);
// Line 4 while the cycles of a path go on: "4. " + the cycle count (shown at most a few times a second).
std::string report_line4_cycles(std::int32_t cycle);
std::string report_line5(const RunTexts& t, const RunPosition& at);
std::string report_line6(const RunTexts& t, std::int32_t runs);

// Label_Start and Label_End of a task.
std::string start_line(const RunTexts& t, const std::string& time, const std::string& date);
std::string end_line(const RunTexts& t, const std::string& elapsed);

} // namespace zep
