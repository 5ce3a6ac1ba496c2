// The JSON description of a task and the typing of it into the wizard (`zep build`).
#include "task/task_file.h"
#include "wizard_fixture.h"

namespace zep {
namespace {

using test::WizardFixture;

std::string error_of(const std::string& json) {
    try {
        parse_task_script(json);
    } catch (const TaskScriptError& e) {
        return e.what();
    } catch (const JsonError& e) {
        return std::string("json: ") + e.what();
    }
    return "(taken)";
}

TEST(TaskScript, RefusesUnknownKeysAndWrongTypesNamingTheKey) {
    struct Case {
        std::string json;
        std::string message;
    } cases[] = {
        {R"({"colour": "red"})", "key \"colour\": unknown key"},
        {R"({"tact": "1"})", "key \"tact\": a number is expected, not a text"},
        {R"({"minimise": "speed"})", "key \"minimise\": \"speed\" is none of \"cost\", \"time\""},
        {R"({"solveAtOnce": 1})", "key \"solveAtOnce\": true or false is expected, not a number"},
        {R"({"chains": [{"name": "A", "operations": [{"name": "o", "variants": [{"essence": "e", "time": 1, "cost": 1, "colour": 2}]}]}]})",
         "key \"chains[0].operations[0].variants[0].colour\": unknown key"},
        {R"({"chains": [{"name": "A", "operations": [{"name": "o", "variants": [{"essence": "e", "time": 1}]}]}]})",
         "key \"chains[0].operations[0].variants[0].cost\": the key is missing"},
        {R"({"chains": [{"name": "A", "operations": [], "from": [1, 1]}]})",
         "key \"chains[0].to\": a nested chain needs both \"from\" and \"to\""},
        {R"({"chains": [{"name": "A", "operations": [], "from": [1, 1, 1], "to": [1, 1]}]})",
         "key \"chains[0].from\": a list of two whole numbers [chain, operation] is expected"},
        {R"({"chains": [{"name": "N", "operations": [], "from": [1, 1], "to": [1, 1]}, {"name": "A", "operations": []}]})",
         "key \"chains[1]\": ordinary chains come first, then the nested ones"},
        {R"({"chains": [{"name": "A", "operations": [], "subgraph": 1}]})",
         "key \"chains[0].subgraph\": only a nested chain belongs to a subgraph"},
        {R"({"decomposition": {"quantSteps": 5}})", "key \"decomposition.allowed\": the key is missing"},
        {R"({"decomposition": {"allowed": 1.5, "quantSteps": 5}})",
         "key \"decomposition.allowed\": a whole number is expected, not 1.5"},
        {R"({"resources": [[[0]]]})",
         "key \"resources[0][0]\": an interval [start, end] is expected (end null when unbounded)"},
        {R"([1])", "key \"(document)\": an object is expected, not a list"},
        {R"({"code": "A", "code": "B"})", "json: line 1, column 15: the key \"code\" is given twice"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_of(c.json), c.message) << c.json;
}

TEST(TaskScript, ControlCharactersAndLongValuesAreNamedAndShownReadably) {
    const std::string longWord(100, 'x');
    struct Case {
        std::string json;
        std::string message;
    } cases[] = {
        {R"({"name": "Pl\u0001an"})",
         "key \"name\": the text holds the control character U+0001 at character 3"},
        {R"({"code": "P\u0000X"})",
         "key \"code\": the text holds the control character U+0000 at character 2"},
        {R"({"costUnit": "дни\n"})",
         "key \"costUnit\": the text holds the control character U+000A at character 4"},
        {R"({"col\u0000our": 1})", "key \"colU+0000our\": unknown key"},
        {R"({"minimise": ")" + longWord + R"("})",
         "key \"minimise\": \"" + std::string(80, 'x') + "…\" is none of \"cost\", \"time\""},
        {"\xEF\xBB\xBF{\"code\": \"A\"}", "(taken)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_of(c.json), c.message) << c.json;
}

std::string driver_error(const std::string& json) {
    WizardFixture f;
    auto w = f.make();
    try {
        run_task_script(*w, parse_task_script(json));
    } catch (const TaskScriptError& e) {
        return e.what();
    }
    return "(taken)";
}

std::string with(std::string json, const std::string& from, const std::string& to) {
    json.replace(json.find(from), from.size(), to);
    return json;
}

TEST(TaskScript, WhatTheControlsCannotTakeIsRefusedNamingTheKey) {
    const std::string plain = test::kPlainTask;
    struct Case {
        std::string json;
        std::string message;
    } cases[] = {
        {with(plain, "\"PLAIN1\"", "\"PL/N01\""), "key \"code\": \"PL/N01\" cannot be typed into its box (it "
                                                  "takes at most 6 characters, and only those its "
                                                  "key filter lets in)"},
        {with(plain, "\"Plain task\"", "\"" + std::string(71, 'n') + "\""),
         "key \"name\": \"" + std::string(71, 'n') +
             "\" cannot be typed into its box (it takes at most 70 characters, and only those its key filter "
             "lets in)"},
        {with(plain, "\"t396\"", "\"pesos\""),
         "key \"costUnit\": \"pesos\" is not in the unit list: \"t91\", \"t115\", \"t122\", \"t396\""},
        {with(plain, "\"thresholds\": [9, 10]", "\"thresholds\": [9, 12]"),
         "key \"thresholds[1]\": 12 is not among the candidates: 8, 9, 10"},
        {with(plain, "\"tact\": 1", "\"tact\": -1"), "key \"tact\": \"-1\" cannot be typed into its box (it "
                                                     "takes at most 5 characters, and only those its key "
                                                     "filter lets in)"},
        {with(plain, "\"essence\": \"own\"", "\"essence\": \"" + std::string(41, 'e') + "\""),
         "key \"chains[0].operations[0].variants[0].essence\": the cell takes at most 40 characters"},
        {with(plain, "\"essence\": \"own\"", "\"essence\": \"own\", \"category\": 1"),
         "key \"chains[0].operations[0].variants[0].category\": only a task with unavailable resources has "
         "it"},
        {with(plain, "\"thresholds\": [9, 10]", "\"secondLevel\": {\"costThreshold\": 20}"),
         "key \"secondLevel\": the task has threshold values, not the second-level mode: give "
         "\"thresholds\""},
        {with(test::kResourceTask, "\"minimise\": \"cost\"", "\"minimise\": \"time\""),
         "key \"resources\": unavailable resources are offered only when the cost is minimised"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(driver_error(c.json), c.message);
}

TEST(TaskScript, AChainWithoutOperationsIsRefusedAsAnUnsetOperationCount) {
    WizardFixture f;
    auto w = f.make();
    const std::string json = with(test::kPlainTask, "{ \"name\": \"Side\"",
                                  "{ \"name\": \"Side\", \"operations\": [] }, { \"name\": \"Side\"");
    ScriptRun run = run_task_script(*w, parse_task_script(json));
    EXPECT_FALSE(run.saved);
    ASSERT_TRUE(run.refusal);
    EXPECT_EQ(run.refusal->text, "t222 2.");
    EXPECT_EQ(run.step, WizardStep::Chains);
}

TEST(TaskScript, ARefusalStopsTheEntryAndNothingIsWritten) {
    WizardFixture f;
    ASSERT_TRUE(f.save(test::kPlainTask).saved);
    auto w = f.make();
    ScriptRun run = run_task_script(*w, parse_task_script(test::kPlainTask));
    EXPECT_FALSE(run.saved);
    ASSERT_TRUE(run.refusal);
    EXPECT_EQ(run.refusal->text, "t453.");
    EXPECT_EQ(run.step, WizardStep::Code);
    EXPECT_EQ(run.focus, WizardFocus{WizardControl::Code});

    auto w2 = f.make();
    run = run_task_script(*w2, parse_task_script(with(test::kPlainTask, "\"PLAIN1\"", "\"PLAIN2\"")));
    ASSERT_TRUE(run.saved);
    auto w3 = f.make();
    run = run_task_script(
        *w3, parse_task_script(with(with(test::kPlainTask, "\"PLAIN1\"", "\"PLAIN3\""), "\"time\": 3",
                                    "\"time\": 3, \"cost\": 9}, {\"essence\": \"x\", \"time\": 4")));
    ASSERT_TRUE(run.refusal);
    EXPECT_EQ(run.step, WizardStep::Variants);
    EXPECT_FALSE(std::filesystem::exists(task_file_path(f.ws, "PLAIN3")));
    EXPECT_EQ(RegisterStore::open(f.ws.register_file()).get().entries.size(), 2u);
}

TEST(TaskScript, AnOperationMadeCriticalGetsTheVariantTheConversionKeeps) {
    // The nested chain leaves at operation 2 and enters at it: operations 1 and 3 are shared, and with
    // conversion by times each keeps its fastest variant.
    const char* json = R"({"code": "CRIT02", "name": "C", "costUnit": "t91", "timeUnit": "t114",
      "chains": [ {"name": "A", "operations": [
          {"name": "o1", "variants": [{"essence": "slow", "time": 3, "cost": 1}, {"essence": "fast", "time": 1, "cost": 4}]},
          {"name": "o2", "variants": [{"essence": "a", "time": 2, "cost": 1}]},
          {"name": "o3", "variants": [{"essence": "a", "time": 2, "cost": 1}]} ]},
        {"name": "N", "from": [1, 2], "to": [1, 2], "operations": [{"name": "n", "variants": [{"essence": "a", "time": 2, "cost": 1}]}]} ],
      "tact": 1, "scaling": 1, "thresholds": [5]})";
    WizardFixture f;
    auto w = f.make();
    ScriptRun run = run_task_script(*w, parse_task_script(json));
    ASSERT_TRUE(run.saved) << (run.refusal ? run.refusal->text : run.stopReason);
    ASSERT_EQ(run.notes.size(), 1u);
    EXPECT_EQ(run.notes[0].step, WizardStep::Operations);
    EXPECT_EQ(run.notes[0].message.text, "t30, t17.");
    TaskRecord rec;
    read_task_file(rec, f.ws, "CRIT02");
    ASSERT_EQ(rec.chains[0].operations[0].variants.size(), 1u);
    EXPECT_EQ(rec.chains[0].operations[0].variants[0].essence, "fast");
}

} // namespace
} // namespace zep
