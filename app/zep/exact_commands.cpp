// zep exact and zep frontier: the exact optimum of a solved task beside the optimiser's answer, and
// the exact time-cost trade-off curve.
//   zep exact CODE [--variant N] [--time-limit S] [--json]
//   zep frontier CODE [--time-limit S] [--json]
#include "commands.h"

#include "common/json_writer.h"
#include "exact/report_text.h"
#include "optimiser/unit_keys.h"
#include "views/solved_task_files.h"

#include <cmath>
#include <iostream>
#include <limits>
#include <sstream>

namespace zep::cli {
namespace {

const char* kExactUsage = "usage: zep exact CODE [--variant N] [--time-limit S] [--json]\n"
                          "       zep frontier CODE [--time-limit S] [--json]\n";

struct ExactArgs {
    std::string code;
    int variant = 0; // 0: every computed variant
    double timeLimit = 10;
    bool json = false;
};

bool parse_number(const std::string& text, double& out) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    return static_cast<bool>(in >> out) && in.eof() && out > 0;
}

// Whether the command takes `--variant N`.
enum class VariantOption { Taken, Refused };

std::optional<ExactArgs> parse_exact_args(const std::vector<std::string>& args, VariantOption variant) {
    const bool variantAllowed = variant == VariantOption::Taken;
    ExactArgs a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        double n = 0;
        if (s == "--json") {
            a.json = true;
        } else if (s == "--variant" && variantAllowed && i + 1 < args.size()) {
            if (!parse_number(args[++i], n) || n != std::floor(n) || n > 1000)
                return std::nullopt;
            a.variant = static_cast<int>(n);
        } else if (s == "--time-limit" && i + 1 < args.size()) {
            if (!parse_number(args[++i], n))
                return std::nullopt;
            a.timeLimit = n;
        } else if (a.code.empty() && !s.starts_with("--")) {
            a.code = s;
        } else {
            return std::nullopt;
        }
    }
    if (a.code.empty())
        return std::nullopt;
    return a;
}

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

std::string number(double v) {
    if (!std::isfinite(v))
        return "-";
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(10);
    out << v;
    return out.str();
}

std::string plan_text(const exact::Plan& plan) {
    std::string out;
    for (std::size_t c = 0; c < plan.size(); ++c) {
        out += (c ? "; " : "") + std::string("chain ") + std::to_string(c + 1) + ":";
        for (int v : plan[c])
            out += " " + std::to_string(v);
    }
    return out;
}

void json_plan(JsonWriter& w, const exact::Plan& plan) {
    w.begin_array();
    for (const auto& chain : plan) {
        w.begin_array();
        for (int v : chain)
            w.value(v);
        w.end_array();
    }
    w.end_array();
}

using exact::VariantReport;

// Each value after a key naming its unit, "(days)", whatever the unit is called.
void print_variant(const VariantReport& r, const exact::ReportUnits& u) {
    std::cout << "variant " << r.variant << ", " << in_unit("threshold", u.threshold) << ": "
              << number(r.threshold) << "\n";
    if (r.method.present)
        std::cout << "  " << in_unit("method", u.value) << ": " << number(r.method.value)
                  << (r.method.withinThreshold ? ", within the threshold\n"
                                               : ", NOT within the threshold when recomputed\n");
    else
        std::cout << "  method: no solution\n";
    if (r.exact.feasible) {
        std::cout << "  " << in_unit("exact", u.value) << ": " << number(r.exact.value)
                  << (r.exact.proven ? ", proven" : ", not proven") << ", bound " << number(r.exact.bound)
                  << "\n";
        std::cout << "  gap:    " << (r.gap ? number(*r.gap) + " %" : std::string("-")) << "\n";
        std::cout << "  plan:   " << plan_text(r.exact.plan) << "\n";
    } else {
        std::cout << "  exact:  no plan keeps within the threshold"
                  << (r.exact.proven ? " (proven)" : " (not proven)") << "\n";
    }
}

void json_variant(JsonWriter& w, const VariantReport& r) {
    w.begin_object().key("variant").value(r.variant).key("threshold").value(r.threshold);
    w.key("method")
        .begin_object()
        .key("value")
        .value(r.method.present ? r.method.value : kNone)
        .key("withinThreshold")
        .value(r.method.present && r.method.withinThreshold)
        .end_object();
    w.key("exact")
        .begin_object()
        .key("value")
        .value(r.exact.feasible ? r.exact.value : kNone)
        .key("proven")
        .value(r.exact.proven)
        .key("bound")
        .value(r.exact.feasible ? r.exact.bound : kNone)
        .key("choice");
    json_plan(w, r.exact.feasible ? r.exact.plan : exact::Plan{});
    w.end_object();
    w.key("gapPercent").value(r.gap ? *r.gap : kNone);
    w.end_object();
}

exact::ExactOptions options_of(const ExactArgs& a) {
    exact::ExactOptions o;
    o.timeLimitSeconds = a.timeLimit;
    return o;
}

int run_exact(const ExactArgs& a, const SolvedTaskFiles& f) {
    const exact::ExactTask task(f.task, options_of(a));
    const int runs = exact::reported_variant_count(task, f.solution);
    if (a.variant > runs) {
        std::cerr << "zep exact: the task has computation variants 1 to " << runs << "\n";
        return 2;
    }
    std::vector<VariantReport> reports;
    for (int k = a.variant ? a.variant - 1 : 0; k < (a.variant ? a.variant : runs); ++k)
        reports.push_back(exact::variant_report(task, f.solution, k));
    if (a.json) {
        JsonWriter w;
        w.begin_array();
        for (const VariantReport& r : reports)
            json_variant(w, r);
        w.end_array();
        std::cout << w.str() << "\n";
        return 0;
    }
    const exact::ReportUnits u = exact::report_units(f.task, task.goal());
    std::cout << "task " << a.code
              << (task.reduces() ? ": series-parallel, solved by reduction\n"
                                 : ": not series-parallel, solved by the MIP\n");
    for (const VariantReport& r : reports)
        print_variant(r, u);
    return 0;
}

using exact::MethodPoint;

int run_frontier(const ExactArgs& a, const TaskRecord& rec, const Solution* solution) {
    const exact::ExactTask task(rec, options_of(a));
    const std::vector<exact::FrontierPoint> points = task.frontier();
    const std::vector<MethodPoint> method =
        solution ? exact::method_points(task, *solution) : std::vector<MethodPoint>{};
    if (a.json) {
        JsonWriter w;
        w.begin_object().key("points").begin_array();
        for (const exact::FrontierPoint& p : points)
            w.begin_object()
                .key("time")
                .value(p.time)
                .key("cost")
                .value(p.cost)
                .key("proven")
                .value(p.proven)
                .end_object();
        w.end_array().key("method").begin_array();
        for (const MethodPoint& m : method)
            w.begin_object()
                .key("variant")
                .value(m.variant)
                .key("time")
                .value(m.time)
                .key("cost")
                .value(m.cost)
                .end_object();
        w.end_array().end_object();
        std::cout << w.str() << "\n";
        return 0;
    }
    std::cout << "exact time-cost curve of task " << a.code << " (" << rec.header.timeUnit << ", "
              << rec.header.costUnit << ")\n";
    for (const exact::FrontierPoint& p : points)
        std::cout << "  " << number(p.time) << "  " << number(p.cost) << (p.proven ? "" : "  not proven")
                  << "\n";
    if (!method.empty())
        std::cout << "method's variants\n";
    for (const MethodPoint& m : method)
        std::cout << "  variant " << m.variant << ": " << number(m.time) << "  " << number(m.cost) << "\n";
    return 0;
}

template <typename Run> int guarded(const char* name, Run run) {
    try {
        return run();
    } catch (const ViewFilesError& e) {
        std::cerr << "zep: " << e.what() << " (" << e.detail << ")\n";
    } catch (const exact::NetworkError& e) {
        std::cerr << "zep " << name << ": " << e.what() << "\n";
    }
    return 1;
}

} // namespace

int cmd_exact(const Options& o) {
    const std::optional<ExactArgs> a = parse_exact_args(o.args, VariantOption::Taken);
    if (!a) {
        std::cerr << kExactUsage;
        return 2;
    }
    const Workspace ws = cli_workspace(o);
    const LoadedShell shell = cli_shell(o, ws);
    return guarded("exact", [&] { return run_exact(*a, read_solved_task(ws, a->code, shell.tables)); });
}

int cmd_frontier(const Options& o) {
    const std::optional<ExactArgs> a = parse_exact_args(o.args, VariantOption::Refused);
    if (!a) {
        std::cerr << kExactUsage;
        return 2;
    }
    const Workspace ws = cli_workspace(o);
    const LoadedShell shell = cli_shell(o, ws);
    return guarded("frontier", [&] {
        // The method's variants are listed when the task is solved; the curve needs only the task.
        try {
            const SolvedTaskFiles f = read_solved_task(ws, a->code, shell.tables);
            return run_frontier(*a, f.task, &f.solution);
        } catch (const ViewFilesError&) {
            return run_frontier(*a, read_task_for_view(ws, a->code, shell.tables), nullptr);
        }
    });
}

} // namespace zep::cli
