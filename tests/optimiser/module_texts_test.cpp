// The parameter captions, the summary of the accepted parameters and the key filters of the boxes, as
// the table of the run parameters gives them.
#include "optimiser/module_texts.h"
#include "optimiser/run_control.h"

#include "shell/naming_shell.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TEST(ModuleTexts, TheCaptionsShowTheRangesOfTheRunChecks) {
    ShellTables sh = testing::naming_shell();
    sh.texts[0] = " and "; // the joining word is trimmed
    const ModuleCaptions c = module_captions(sh);
    EXPECT_EQ(c.params[0], "T297 (>=0,1 and <1,0)");
    EXPECT_EQ(c.params[1], "T173 (>=0,001 and <=0,1)");
    EXPECT_EQ(c.params[2], "T185 (>=1)");
    EXPECT_EQ(c.params[3], "T187 (>=10)");
}

TEST(ModuleTexts, TheSummaryRoundsTheRealsToTheirDecimals) {
    IterationParams p;
    p.relaxationCoef = 0.555;
    p.stopCriterion = 0.0125;
    p.stopCheckSparsity = 7;
    p.iterationLimit = 12345;
    const ParameterSummary s = parameter_summary(testing::naming_shell(), p, ';');
    EXPECT_EQ(s.heading, "T322:");
    EXPECT_EQ(s.lines, (std::array<std::string, 4>{"L32 = 0;56", "L15 = 0;013", "L14 = 7", "L17 = 12345"}));
}

TEST(ModuleTexts, OnlyTheRealBoxesTakeTheSeparator) {
    for (int field = 0; field < 4; ++field) {
        EXPECT_TRUE(parameter_key_accepted(field, U'7', ','));
        EXPECT_TRUE(parameter_key_accepted(field, 8, ',')); // backspace
        EXPECT_EQ(parameter_key_accepted(field, U',', ','), field <= 1) << field;
        EXPECT_FALSE(parameter_key_accepted(field, U'.', ',')) << field;
        EXPECT_FALSE(parameter_key_accepted(field, U'e', ',')) << field;
    }
}

TEST(ModuleTexts, TheDefaultsShowTheUsersSeparator) {
    const ParameterTexts t = default_parameter_texts(';');
    EXPECT_EQ(t.relaxationCoef, "0;9");
    EXPECT_EQ(t.stopCriterion, "0;005");
    EXPECT_EQ(t.stopCheckSparsity, "5");
    EXPECT_EQ(t.iterationLimit, "3000");
    const ParameterTexts plain;
    EXPECT_EQ(plain.relaxationCoef, "0,9");
    EXPECT_EQ(plain.stopCriterion, "0,005");
}

} // namespace
} // namespace zep
