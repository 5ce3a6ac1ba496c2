// zep show: what the solution view (or, with --task, the task view) shows, as aligned text or JSON.
//   zep show CODE [--variant N] [--json]
//   zep show --task CODE [--json]
#include "commands.h"

#include "common/json_writer.h"
#include "common/number_text.h"
#include "common/utf8.h"
#include "views/solution_view.h"
#include "views/solved_task_files.h"
#include "views/task_view.h"

#include <algorithm>
#include <iostream>

namespace zep::cli {
namespace {

const char* kShowUsage = "usage: zep show CODE [--variant N] [--json]\n"
                         "       zep show --task CODE [--json]\n";

// A rule row begins a section of the list: a blank line, as between the other sections of the output.
void print_list(const std::vector<ListRow>& rows) {
    std::size_t width = 0;
    for (const ListRow& r : rows)
        if (!r.rule)
            width = std::max(width, utf8_length(r.key));
    // A continuation key stands under the first key's end, as the window aligns it.
    const std::size_t firstKey = rows.empty() ? 0 : utf8_length(rows.front().key);
    for (const ListRow& r : rows) {
        if (r.rule) {
            std::cout << "\n";
            continue;
        }
        std::string key = r.key;
        if (r.alignedUnderFirstKey && utf8_length(key) < firstKey)
            key = std::string(firstKey - utf8_length(key), ' ') + key;
        if (r.value.empty()) { // a heading of the rows under it: no blanks after it
            std::cout << key << "\n";
            continue;
        }
        std::cout << key << std::string(width + 2 > utf8_length(key) ? width + 2 - utf8_length(key) : 2, ' ')
                  << r.value << "\n";
    }
}

void print_grid(const std::vector<std::string>& labels, const std::vector<GridRow>& rows) {
    std::vector<std::size_t> widths(labels.size(), 0);
    for (std::size_t i = 0; i < labels.size(); ++i)
        widths[i] = utf8_length(labels[i]);
    for (const GridRow& r : rows)
        if (r.kind != GridRowKind::Separator)
            for (std::size_t i = 0; i < r.cells.size() && i < widths.size(); ++i)
                widths[i] = std::max(widths[i], utf8_length(r.cells[i]));
    auto line = [&](const std::vector<std::string>& cells) {
        std::string out;
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const std::string cell = i < cells.size() ? cells[i] : "";
            out += cell + std::string(widths[i] - std::min(widths[i], utf8_length(cell)), ' ');
            if (i + 1 < widths.size())
                out += " | ";
        }
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        std::cout << out << "\n";
    };
    line(labels);
    for (const GridRow& r : rows) {
        if (r.kind == GridRowKind::Separator) {
            std::vector<std::string> dashes;
            for (std::size_t w : widths)
                dashes.push_back(std::string(w, '-'));
            line(dashes);
        } else {
            line(r.cells);
        }
    }
}

void json_list(JsonWriter& w, const char* name, const std::vector<ListRow>& rows) {
    w.key(name).begin_array();
    for (const ListRow& r : rows) {
        w.begin_object().key("key").value(r.key).key("value").value(r.value);
        if (r.alignedUnderFirstKey)
            w.key("alignedUnderFirstKey").value(true);
        if (r.rule)
            w.key("rule").value(true);
        w.end_object();
    }
    w.end_array();
}

const char* kind_name(GridRowKind k) {
    switch (k) {
    case GridRowKind::Operation:
        return "operation";
    case GridRowKind::Position:
        return "position";
    case GridRowKind::Separator:
        return "separator";
    }
    return "";
}

void json_grid(JsonWriter& w, const char* name, const std::vector<std::string>& labels,
               const std::vector<GridRow>& rows) {
    w.key(std::string(name) + "Labels").begin_array();
    for (const std::string& l : labels)
        w.value(l);
    w.end_array();
    w.key(name).begin_array();
    for (const GridRow& r : rows) {
        w.begin_object().key("kind").value(kind_name(r.kind)).key("chain").value(r.chain);
        if (r.op)
            w.key("operation").value(r.op);
        w.key("cells").begin_array();
        for (const std::string& c : r.cells)
            w.value(c);
        w.end_array().end_object();
    }
    w.end_array();
}

void json_schedule(JsonWriter& w, const Schedule& s) {
    w.key("schedule").begin_object();
    w.key("graphTime")
        .value(s.graphTime)
        .key("totalCost")
        .value(s.totalCost)
        .key("slackStep")
        .value(s.slackStep);
    w.key("chains").begin_array();
    for (const ChainSchedule& ch : s.chains) {
        w.begin_object().key("finish").value(ch.finish).key("cost").value(ch.cost).key("cycles").value(
            ch.cycles);
        w.key("operations").begin_array();
        for (const OperationSchedule& op : ch.operations)
            w.begin_object()
                .key("variant")
                .value(op.variant)
                .key("start")
                .value(op.start)
                .key("latestStart")
                .value(op.latestStart)
                .key("slack")
                .value(op.slack)
                .key("actualDuration")
                .value(op.duration)
                .key("time")
                .value(op.netTime)
                .key("cost")
                .value(op.cost)
                .end_object();
        w.end_array().end_object();
    }
    w.end_array().end_object();
}

int show_task(const ViewArgs& a, const TaskRecord& rec, const ShellTables& shell, char sep) {
    const TaskViewContent v = task_view(rec, shell, sep);
    if (a.json) {
        JsonWriter w;
        w.begin_object().key("caption").value(v.caption);
        json_list(w, "taskParameters", v.taskRows);
        if (!v.intervals.empty() || rec.header.has_unavailable_resources())
            json_grid(w, "intervals", v.intervalLabels, v.intervals);
        json_grid(w, "operations", v.columnLabels, v.operations);
        w.end_object();
        std::cout << w.str() << "\n";
        return 0;
    }
    std::cout << v.caption << "\n\n";
    print_list(v.taskRows);
    if (rec.header.has_unavailable_resources()) {
        std::cout << "\n";
        print_grid(v.intervalLabels, v.intervals);
    }
    std::cout << "\n";
    print_grid(v.columnLabels, v.operations);
    return 0;
}

int show_solution(const ViewArgs& a, const SolvedTaskFiles& f, const ShellTables& shell, char sep) {
    const int runs = static_cast<int>(f.solution.status.size());
    if (a.variant < 1 || a.variant > runs) {
        std::cerr << "zep show: the task has computation variants 1 to " << runs << "\n";
        return 2;
    }
    const SolutionViewContent v = solution_view(f.task, f.solution, a.variant - 1, shell, sep);
    if (a.json) {
        JsonWriter w;
        w.begin_object().key("caption").value(v.caption).key("variant").value(a.variant);
        w.key("tabs").begin_array();
        for (const std::string& t : v.tabs)
            w.value(t);
        w.end_array();
        w.key("status").value(v.status);
        json_list(w, "taskParameters", v.taskRows);
        json_list(w, "variantParameters", v.variantRows);
        json_grid(w, "grid", v.columnLabels, v.grid);
        if (v.schedule)
            json_schedule(w, *v.schedule);
        w.end_object();
        std::cout << w.str() << "\n";
        return 0;
    }
    std::cout << v.caption << "\n\n";
    print_list(v.taskRows);
    std::cout << "\n";
    print_list(v.variantRows);
    if (!v.grid.empty()) {
        std::cout << "\n";
        print_grid(v.columnLabels, v.grid);
    }
    return 0;
}

} // namespace

std::optional<ViewArgs> parse_view_args(const std::vector<std::string>& args, ViewArgsAllowed allowed) {
    ViewArgs s;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json" && allowed.json) {
            s.json = true;
        } else if (a == "--derived" && allowed.derived) {
            s.derived = true;
        } else if (a == "--task") {
            s.task = true;
        } else if (a == "--variant" && i + 1 < args.size()) {
            const std::string& n = args[++i];
            if (n.empty() || n.size() > 4 || !std::all_of(n.begin(), n.end(), ::isdigit))
                return std::nullopt;
            s.variant = std::stoi(n);
        } else if (s.code.empty() && !a.starts_with("--")) {
            s.code = a;
        } else if (allowed.output && s.output.empty() && !a.starts_with("--")) {
            s.output = a;
        } else {
            return std::nullopt;
        }
    }
    if (s.code.empty() || (allowed.output && s.output.empty()))
        return std::nullopt;
    return s;
}

int cmd_show(const Options& o) {
    const std::optional<ViewArgs> a = parse_view_args(o.args, {.json = true});
    if (!a) {
        std::cerr << kShowUsage;
        return 2;
    }
    const Workspace ws = cli_workspace(o);
    const LoadedShell shell = cli_shell(o, ws);
    const char sep = user_decimal_separator();
    try {
        if (a->task)
            return show_task(*a, read_task_for_view(ws, a->code, shell.tables), shell.tables, sep);
        return show_solution(*a, read_solved_task(ws, a->code, shell.tables), shell.tables, sep);
    } catch (const ViewFilesError& e) {
        std::cerr << "zep: " << e.what() << " (" << e.detail << ")\n";
        return 1;
    }
}

} // namespace zep::cli
