#pragma once
// A wizard over a fresh workspace and register, speaking the numbered test shell (text N reads "tN";
// the unit lists are "t91", "t115", ... and "t114", "t468"), with "," as the decimal separator.
// Small tasks are typed in by script (the same driver as `zep build`) up to the step a test examines.
#include "shell/naming_shell.h"
#include "test_dir.h"
#include "wizard/script_driver.h"
#include "wizard/wizard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zep::test {

class WizardFixture {
public:
    WizardFixture() {
        ws.root = dir.path();
        for (const auto& p : {ws.data(), ws.solving(), ws.system()})
            std::filesystem::create_directories(p);
        reg.emplace(ws.register_file(), TaskRegister{});
        reg->save();
    }

    WizardContext context() {
        WizardContext ctx;
        ctx.shell = testing::numbered_texts();
        ctx.shellFileName = "Shell (ZEP 2.2).rus";
        ctx.separator = ',';
        ctx.workspace = ws;
        ctx.taskRegister = &*reg;
        ctx.ask = [this](const std::string& q) {
            questions.push_back(q);
            return answerYes;
        };
        return ctx;
    }

    std::unique_ptr<Wizard> make(EntryMode mode = EntryMode::NewTask, const std::string& code = {}) {
        return std::make_unique<Wizard>(context(), mode, code);
    }

    // A wizard of a new task brought to `step` by `json` (filled there, Next not pressed).
    std::unique_ptr<Wizard> at(WizardStep step, const std::string& json) {
        auto w = make();
        ScriptRun run = run_task_script(*w, parse_task_script(json), step);
        EXPECT_FALSE(run.refusal) << run.refusal->text;
        EXPECT_EQ(w->current_step(), step) << run.stopReason;
        return w;
    }

    // Enters `json` as a new task to the finish.
    ScriptRun save(const std::string& json, EntryMode mode = EntryMode::NewTask) {
        auto w = make(mode);
        return run_task_script(*w, parse_task_script(json));
    }

    TempDir dir;
    Workspace ws;
    std::optional<RegisterStore> reg;
    bool answerYes = false;
    std::vector<std::string> questions;
};

// Two ordinary chains; the cost is minimised, times are discretised: bounds 8 to 10.
inline const char* kPlainTask = R"({
  "code": "PLAIN1", "name": "Plain task", "minimise": "cost", "costUnit": "t396", "timeUnit": "t114",
  "chains": [
    { "name": "Main", "operations": [
        { "name": "Dig", "variants": [ { "essence": "own", "time": 5, "cost": 10 },
                                       { "essence": "hired", "time": 7, "cost": 8 } ] },
        { "name": "Build", "variants": [ { "essence": "fast", "time": 3, "cost": 9 } ] } ] },
    { "name": "Side", "operations": [
        { "name": "Paint", "variants": [ { "essence": "a", "time": 4, "cost": 2 } ] } ] } ],
  "tact": 1, "scaling": 1, "thresholds": [9, 10] })";

// One ordinary chain of five operations and a nested chain from the start of its operation 2 to the
// end of its operation 4.
inline const char* kNestedTask = R"({
  "code": "NEST01", "name": "Nested task", "minimise": "cost", "costUnit": "t396", "timeUnit": "t114",
  "chains": [
    { "name": "Base", "operations": [
        { "name": "o1", "variants": [ { "essence": "a", "time": 1, "cost": 5 } ] },
        { "name": "o2", "variants": [ { "essence": "a", "time": 2, "cost": 5 }, { "essence": "b", "time": 3, "cost": 4 } ] },
        { "name": "o3", "variants": [ { "essence": "a", "time": 2, "cost": 5 }, { "essence": "b", "time": 3, "cost": 4 } ] },
        { "name": "o4", "variants": [ { "essence": "a", "time": 2, "cost": 5 } ] },
        { "name": "o5", "variants": [ { "essence": "a", "time": 1, "cost": 5 } ] } ] },
    { "name": "Bypass", "from": [1, 2], "to": [1, 4], "operations": [
        { "name": "n1", "variants": [ { "essence": "a", "time": 4, "cost": 1 }, { "essence": "b", "time": 5, "cost": 0.5 } ] } ] } ],
  "tact": 1, "scaling": 1 })";

// The cost is minimised with one resource category available 0-10 and from 12 on.
inline const char* kResourceTask = R"({
  "code": "RES001", "name": "Resources", "minimise": "cost", "costUnit": "t396", "timeUnit": "t114",
  "resources": [ [ [0, 10], [12, null] ] ],
  "chains": [
    { "name": "Main", "operations": [
        { "name": "Dig", "variants": [ { "essence": "own", "time": 5, "cost": 10, "category": 1 },
                                       { "essence": "hired", "time": 7, "cost": 8, "category": 1, "noSuspend": true } ] } ] } ],
  "tact": 1, "scaling": 1 })";

} // namespace zep::test
