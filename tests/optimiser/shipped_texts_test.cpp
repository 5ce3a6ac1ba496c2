// Every assembled report line and message of a run, in both shipped languages, reads cleanly: no two
// blanks where pieces meet and no blank before a full stop, a colon or a comma.
#include "optimiser/module_texts.h"
#include "optimiser/run_texts.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

std::vector<std::string> every_message(const ShellTables& sh) {
    RunTexts t{sh, "ABC123", ','};
    RunPosition plain{1, 3, false, 0, 2, 0, 0};
    RunPosition nested{0, 4, false, 1, 3, 1, 2};
    RunPosition second{2, 0, true, 1, 2, 0, 0};
    std::vector<std::string> all = {
        t.chain_count_refused(11),
        t.minimised_param_refused(2),
        t.scaled_tact_refused(2e6),
        t.threshold_count_refused(3, 11),
        t.parameter_refused(kRelaxationCoef, 0.05),
        t.parameter_refused(kStopCheckSparsity, 0),
        t.parameter_refused(kIterationLimit, 9),
        t.parameter_refused(kStopCriterion, 0.2),
        t.input_refused("\"zep_ABC123_in.dat\" is shorter than its header."),
        t.trace_broken(0, 1, "", 3),
        t.trace_broken(0, 1, t.subgraph_prefix(1, 2), 3),
        t.no_admissible_variant(4, 1),
        t.second_level_used_up(),
        t.second_level_no_threshold(),
        t.run_stopped(),
        report_line1(t, true, 3, 2),
        report_line1(t, false, 3, 2),
        report_line4_graph(t, 1, 3, 2, false, 123.456, 40),
        report_line4_graph(t, 1, 3, 2, true, 123.456, 40),
        report_line4_subgraph(t, 1, 4, 0, 2),
        report_line6(t, 3),
        end_line(t, "00:00:01"),
    };
    for (int code = 1; code <= 4; ++code) {
        all.push_back(t.path_failed(1, 0, "", code));
        all.push_back(t.path_failed(1, 0, t.subgraph_prefix(0, 2), code));
    }
    for (const RunPosition& at : {plain, nested, second}) {
        all.push_back(report_line2(t, at, 1234));
        all.push_back(report_line3(t, at));
        all.push_back(report_line5(t, at));
    }
    const ModuleCaptions c = module_captions(sh);
    all.insert(all.end(), {c.modeHeading, c.codePrompt, c.paramHeading, c.stopQuestion});
    all.insert(all.end(), c.params.begin(), c.params.end());
    const ParameterSummary s = parameter_summary(sh, IterationParams{}, ',');
    all.push_back(s.heading);
    all.insert(all.end(), s.lines.begin(), s.lines.end());
    all.push_back(task_to_solve_line(sh, "ABC123"));
    all.push_back(batch_progress_text(sh, 2, 3));
    return all;
}

TEST(ShippedTexts, EveryRunMessageReadsCleanlyInBothLanguages) {
    const auto shells = find_shell_files(Workspace{ZEP_PROGRAM_DIR});
    ASSERT_EQ(shells.size(), 2u);
    for (const ShellFileRef& ref : shells) {
        ShellLoadResult loaded = load_program_shell(ref);
        ASSERT_TRUE(loaded) << startup_refusal_text(loaded.refusal());
        for (const std::string& m : every_message(loaded.value().tables)) {
            EXPECT_EQ(m.find("  "), std::string::npos) << ref.extension << ": [" << m << "]";
            for (const char* before : {" .", " :", " ,"})
                EXPECT_EQ(m.find(before), std::string::npos) << ref.extension << ": [" << m << "]";
            EXPECT_NE(m.front(), ' ') << ref.extension << ": [" << m << "]";
        }
    }
}

} // namespace
} // namespace zep
