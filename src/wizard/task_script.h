#pragma once
// The input of `zep build`: a task described in JSON, checked against its schema before anything is
// typed. Every key is optional here; what a new task must give is checked by the driver, which knows
// the open mode. Numbers keep the text they were written with, so that they are typed as written.
#include "common/json_reader.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zep {

// A schema violation or an input the wizard's controls cannot take. The message names the key, as a
// path: "chains[1].operations[0].variants[2].time".
class TaskScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A number as written in the JSON text ("12.5", "-3", "1e3").
struct ScriptNumber {
    std::string text;
    double value = 0;
};

struct ScriptInterval {
    ScriptNumber start;
    std::optional<ScriptNumber> end; // null: unbounded
};

struct ScriptVariant {
    std::string essence;
    ScriptNumber time;
    ScriptNumber cost;
    std::optional<int> category; // with unavailable resources
    bool noSuspend = false;
    std::string path; // "chains[0].operations[1].variants[2]"
};

struct ScriptOperation {
    std::string name;
    std::vector<ScriptVariant> variants;
    std::string path;
};

struct ScriptChain {
    std::string name;
    bool nested = false;
    int fromChain = 0, fromOp = 0, toChain = 0, toOp = 0;
    std::optional<int> subgraph;
    std::vector<ScriptOperation> operations;
    std::string path;
};

struct ScriptDecomposition {
    int allowed = 0;
    int quantSteps = 0;
    bool automatic = false;
};

struct ScriptSecondLevel {
    ScriptNumber costThreshold;
    int iterations = 10;
    int reduction = 2;
};

struct TaskScript {
    std::optional<std::string> code;
    std::optional<std::string> name;
    std::optional<int> minimise; // 0 cost, 1 time
    std::optional<std::string> costUnit;
    std::optional<std::string> timeUnit;
    std::optional<std::vector<std::vector<ScriptInterval>>> resources; // empty: none
    std::optional<ScriptDecomposition> decomposition;
    bool decompositionGiven = false; // "decomposition" present (null: none)
    std::optional<int> conversion;   // 1 minimal times, 2 minimal costs
    std::optional<bool> changeAtStart;
    std::optional<std::vector<ScriptChain>> chains;
    std::optional<int> rounding; // 0 mean, 1 min, 2 max
    std::optional<ScriptNumber> tact;
    std::optional<ScriptNumber> scaling;
    std::optional<std::vector<ScriptNumber>> thresholds;
    std::optional<ScriptSecondLevel> secondLevel;
    std::optional<bool> solveAtOnce;
};

// Reads and checks a task description. Throws JsonError for a text that is not JSON and
// TaskScriptError for an unknown key, a value of the wrong type or out of its set, and nested chains
// listed before ordinary ones.
TaskScript parse_task_script(std::string_view json);

} // namespace zep
