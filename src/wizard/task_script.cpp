#include "wizard/task_script.h"

#include "common/echo_text.h"

#include <cmath>
#include <initializer_list>
#include <tuple>

namespace zep {
namespace {

using Kind = JsonValue::Kind;

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw TaskScriptError("key " + echoed(path) + ": " + what);
}

std::string member_path(const std::string& parent, const std::string& key) {
    return parent.empty() ? key : parent + "." + key;
}

std::string item_path(const std::string& parent, std::size_t i) {
    return parent + "[" + std::to_string(i) + "]";
}

void expect(const JsonValue& v, Kind kind, const std::string& path) {
    if (!v.is(kind))
        fail(path, std::string(json_kind_name(kind)) + " is expected, not " + json_kind_name(v.kind));
}

void only_keys(const JsonValue& object, std::initializer_list<const char*> known, const std::string& path) {
    for (const JsonValue& member : object.members) {
        bool found = false;
        for (const char* k : known)
            found = found || member.key == k;
        if (!found)
            fail(member_path(path, member.key), "unknown key");
    }
}

// Codes, names, units and essences: a control character (a NUL, a line break, an escape) is no part of
// any of them.
std::string text(const JsonValue& v, const std::string& path) {
    expect(v, Kind::String, path);
    if (auto c = first_control_character(v.string))
        fail(path, "the text holds the control character " + code_point_name(c->code) + " at character " +
                       std::to_string(c->position));
    return v.string;
}

ScriptNumber number(const JsonValue& v, const std::string& path) {
    expect(v, Kind::Number, path);
    return {v.numberText, v.number};
}

int integer(const JsonValue& v, const std::string& path) {
    expect(v, Kind::Number, path);
    if (v.number != std::floor(v.number) || std::fabs(v.number) > 2147483647.0)
        fail(path, "a whole number is expected, not " + v.numberText);
    return static_cast<int>(v.number);
}

bool boolean(const JsonValue& v, const std::string& path) {
    expect(v, Kind::Bool, path);
    return v.boolean;
}

int choice(const JsonValue& v, const std::string& path, std::initializer_list<const char*> words) {
    const std::string t = text(v, path);
    int i = 0;
    std::string list;
    for (const char* w : words) {
        if (t == w)
            return i;
        list += (i ? ", \"" : "\"") + std::string(w) + "\"";
        ++i;
    }
    fail(path, echoed(t) + " is none of " + list);
}

const JsonValue& required(const JsonValue& object, const char* key, const std::string& path) {
    const JsonValue* v = object.find(key);
    if (!v)
        fail(member_path(path, key), "the key is missing");
    return *v;
}

// The value of the member `key`, read by `read` under the member's own path; a missing key is refused.
template <typename Read>
auto required_member(const JsonValue& object, const char* key, const std::string& path, Read read) {
    return read(required(object, key, path), member_path(path, key));
}

// An object whose keys are all among `known`.
void expect_object(const JsonValue& v, std::initializer_list<const char*> known, const std::string& path) {
    expect(v, Kind::Object, path);
    only_keys(v, known, path);
}

std::pair<int, int> coordinate(const JsonValue& v, const std::string& path) {
    expect(v, Kind::Array, path);
    if (v.items.size() != 2)
        fail(path, "a list of two whole numbers [chain, operation] is expected");
    return {integer(v.items[0], item_path(path, 0)), integer(v.items[1], item_path(path, 1))};
}

ScriptVariant variant(const JsonValue& v, const std::string& path) {
    expect_object(v, {"essence", "time", "cost", "category", "noSuspend"}, path);
    ScriptVariant out;
    out.path = path;
    out.essence = required_member(v, "essence", path, text);
    out.time = required_member(v, "time", path, number);
    out.cost = required_member(v, "cost", path, number);
    if (const JsonValue* c = v.find("category"))
        out.category = integer(*c, member_path(path, "category"));
    if (const JsonValue* n = v.find("noSuspend"))
        out.noSuspend = boolean(*n, member_path(path, "noSuspend"));
    return out;
}

ScriptOperation operation(const JsonValue& v, const std::string& path) {
    expect_object(v, {"name", "variants"}, path);
    ScriptOperation out;
    out.path = path;
    out.name = required_member(v, "name", path, text);
    const std::string vp = member_path(path, "variants");
    const JsonValue& variants = required(v, "variants", path);
    expect(variants, Kind::Array, vp);
    for (std::size_t i = 0; i < variants.items.size(); ++i)
        out.variants.push_back(variant(variants.items[i], item_path(vp, i)));
    return out;
}

ScriptChain chain(const JsonValue& v, const std::string& path) {
    expect_object(v, {"name", "operations", "from", "to", "subgraph"}, path);
    ScriptChain out;
    out.path = path;
    out.name = required_member(v, "name", path, text);
    const JsonValue* from = v.find("from");
    const JsonValue* to = v.find("to");
    if (bool(from) != bool(to))
        fail(member_path(path, from ? "to" : "from"), "a nested chain needs both \"from\" and \"to\"");
    if (from) {
        out.nested = true;
        std::tie(out.fromChain, out.fromOp) = coordinate(*from, member_path(path, "from"));
        std::tie(out.toChain, out.toOp) = coordinate(*to, member_path(path, "to"));
    }
    if (const JsonValue* s = v.find("subgraph")) {
        if (!from)
            fail(member_path(path, "subgraph"), "only a nested chain belongs to a subgraph");
        out.subgraph = integer(*s, member_path(path, "subgraph"));
    }
    const std::string op = member_path(path, "operations");
    const JsonValue& ops = required(v, "operations", path);
    expect(ops, Kind::Array, op);
    for (std::size_t i = 0; i < ops.items.size(); ++i)
        out.operations.push_back(operation(ops.items[i], item_path(op, i)));
    return out;
}

std::vector<std::vector<ScriptInterval>> resources(const JsonValue& v, const std::string& path) {
    std::vector<std::vector<ScriptInterval>> out;
    if (v.is(Kind::Null))
        return out;
    expect(v, Kind::Array, path);
    for (std::size_t c = 0; c < v.items.size(); ++c) {
        const std::string cp = item_path(path, c);
        expect(v.items[c], Kind::Array, cp);
        std::vector<ScriptInterval> intervals;
        for (std::size_t i = 0; i < v.items[c].items.size(); ++i) {
            const std::string ip = item_path(cp, i);
            const JsonValue& pair = v.items[c].items[i];
            expect(pair, Kind::Array, ip);
            if (pair.items.size() != 2)
                fail(ip, "an interval [start, end] is expected (end null when unbounded)");
            ScriptInterval iv;
            iv.start = number(pair.items[0], item_path(ip, 0));
            if (!pair.items[1].is(Kind::Null))
                iv.end = number(pair.items[1], item_path(ip, 1));
            intervals.push_back(std::move(iv));
        }
        out.push_back(std::move(intervals));
    }
    return out;
}

// "decomposition": null for none, or the admissible number of subgraphs, the quantisation steps and
// the numbering.
std::optional<ScriptDecomposition> decomposition(const JsonValue& v) {
    if (v.is(Kind::Null))
        return std::nullopt;
    expect_object(v, {"allowed", "quantSteps", "numbering"}, "decomposition");
    ScriptDecomposition d;
    d.allowed = required_member(v, "allowed", "decomposition", integer);
    d.quantSteps = required_member(v, "quantSteps", "decomposition", integer);
    if (const JsonValue* n = v.find("numbering"))
        d.automatic = choice(*n, "decomposition.numbering", {"manual", "automatic"}) == 1;
    return d;
}

// "chains": the ordinary chains first, then the nested ones.
std::vector<ScriptChain> chain_list(const JsonValue& v) {
    expect(v, Kind::Array, "chains");
    std::vector<ScriptChain> chains;
    for (std::size_t i = 0; i < v.items.size(); ++i) {
        chains.push_back(chain(v.items[i], item_path("chains", i)));
        if (i > 0 && chains[i - 1].nested && !chains[i].nested)
            fail(item_path("chains", i), "ordinary chains come first, then the nested ones");
    }
    return chains;
}

std::vector<ScriptNumber> threshold_list(const JsonValue& v) {
    expect(v, Kind::Array, "thresholds");
    std::vector<ScriptNumber> values;
    for (std::size_t i = 0; i < v.items.size(); ++i)
        values.push_back(number(v.items[i], item_path("thresholds", i)));
    return values;
}

// "secondLevel": the cost threshold, and the iterations and reduction where they are given.
ScriptSecondLevel second_level(const JsonValue& v) {
    expect_object(v, {"costThreshold", "iterations", "reduction"}, "secondLevel");
    ScriptSecondLevel sl;
    sl.costThreshold = required_member(v, "costThreshold", "secondLevel", number);
    if (const JsonValue* n = v.find("iterations"))
        sl.iterations = integer(*n, "secondLevel.iterations");
    if (const JsonValue* n = v.find("reduction"))
        sl.reduction = integer(*n, "secondLevel.reduction");
    return sl;
}

} // namespace

TaskScript parse_task_script(std::string_view json) {
    const JsonValue root = parse_json(json);
    expect(root, Kind::Object, "(document)");
    only_keys(root,
              {"code", "name", "minimise", "costUnit", "timeUnit", "resources", "decomposition", "conversion",
               "changeAt", "chains", "rounding", "tact", "scaling", "thresholds", "secondLevel",
               "solveAtOnce"},
              "");
    TaskScript s;
    if (const JsonValue* v = root.find("code"))
        s.code = text(*v, "code");
    if (const JsonValue* v = root.find("name"))
        s.name = text(*v, "name");
    if (const JsonValue* v = root.find("minimise"))
        s.minimise = choice(*v, "minimise", {"cost", "time"});
    if (const JsonValue* v = root.find("costUnit"))
        s.costUnit = text(*v, "costUnit");
    if (const JsonValue* v = root.find("timeUnit"))
        s.timeUnit = text(*v, "timeUnit");
    if (const JsonValue* v = root.find("resources"))
        s.resources = resources(*v, "resources");
    if (const JsonValue* v = root.find("decomposition")) {
        s.decompositionGiven = true;
        s.decomposition = decomposition(*v);
    }
    if (const JsonValue* v = root.find("conversion"))
        s.conversion = choice(*v, "conversion", {"time", "cost"}) + 1;
    if (const JsonValue* v = root.find("changeAt"))
        s.changeAtStart = choice(*v, "changeAt", {"end", "start"}) == 1;
    if (const JsonValue* v = root.find("chains"))
        s.chains = chain_list(*v);
    if (const JsonValue* v = root.find("rounding"))
        s.rounding = choice(*v, "rounding", {"mean", "min", "max"});
    if (const JsonValue* v = root.find("tact"))
        s.tact = number(*v, "tact");
    if (const JsonValue* v = root.find("scaling"))
        s.scaling = number(*v, "scaling");
    if (const JsonValue* v = root.find("thresholds"))
        s.thresholds = threshold_list(*v);
    if (const JsonValue* v = root.find("secondLevel"))
        s.secondLevel = second_level(*v);
    if (const JsonValue* v = root.find("solveAtOnce"))
        s.solveAtOnce = boolean(*v, "solveAtOnce");
    return s;
}

} // namespace zep
