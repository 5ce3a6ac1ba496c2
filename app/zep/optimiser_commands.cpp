// zep solve, zep hand-over, zep take-over, zep delete: the optimisation module's run and the protocol
// window's unload, load and delete commands, without windows.
#include "commands.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "optimiser/module_texts.h"
#include "optimiser/run_control.h"
#include "optimiser/run_texts.h"
#include "shell/register_texts.h"
#include "shell/register_views.h"
#include "shell/user_operations.h"

#include <chrono>
#include <iostream>
#include <map>

namespace zep::cli {
namespace {

// Prints what the module's labels show, as it changes; the cycle number at most four times a second.
class Printer : public RunListener {
public:
    void task_started(const std::string&, const std::string& line) override { std::cout << line << "\n"; }
    void task_finished(const std::string&, const std::string& line) override {
        std::cout << line << "\n" << std::flush;
    }
    void report_line(ReportLine, const std::string& text) override {
        if (!text.empty())
            std::cout << text << "\n" << std::flush;
    }
    void error_line(const std::string& text) override { std::cout << "! " << text << "\n" << std::flush; }
    void cycle_progress(const RunPosition&, std::int32_t cycle) override {
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(250))
            return;
        last_ = now;
        std::cout << report_line4_cycles(cycle) << "\n" << std::flush;
    }

private:
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

// A number typed on the command line may use "." or the user's separator.
std::string with_separator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.' || c == ',')
            c = separator;
    return text;
}

bool is_parameter_option(const std::string& a) {
    for (const RunParameter& rp : kRunParameters)
        if (a == rp.option)
            return true;
    return false;
}

// " [--okr 0.9]": a parameter's option with its default, as the usage shows it.
std::string parameter_usage(RunParameterId id) {
    return " [" + std::string(kRunParameters[id].option) + " " + default_parameter_text(id, '.') + "]";
}

// The options of zep solve by name, each with the text after it; false after printing the usage for
// anything else.
bool parse_solve_options(const std::vector<std::string>& args, std::map<std::string, std::string>& given) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--code" || is_parameter_option(a) || a == "--threads") && i + 1 < args.size()) {
            given[a] = args[++i];
        } else {
            // The usage breaks its line before the last parameter.
            std::string usage = "usage: zep solve [--workspace DIR] [--code CODE]";
            for (RunParameterId id : kRunParameterIds)
                usage += (id == kIterationLimit ? "\n                " : "") + parameter_usage(id);
            std::cerr << usage << " [--threads N] [--lang EXT]\n";
            return false;
        }
    }
    return true;
}

// The four parameters of the module as its boxes take them, the defaults where an option is not given;
// nullopt after saying which one is refused.
std::optional<IterationParams> solve_parameters(std::map<std::string, std::string>& given, char separator,
                                                const ShellTables& sh) {
    ParameterTexts typed = default_parameter_texts(separator);
    for (RunParameterId id : kRunParameterIds) {
        const RunParameter& rp = kRunParameters[id];
        const auto option = given.find(std::string(rp.option));
        if (option != given.end())
            typed[id] =
                rp.kind == ParameterKind::Real ? with_separator(option->second, separator) : option->second;
    }
    ParameterEntry entry = enter_parameters(typed, separator, sh);
    if (!entry.params) {
        const std::string option(kRunParameters[static_cast<std::size_t>(entry.field)].option);
        std::cerr << "zep: " << option << ": "
                  << (entry.warning.empty() ? "\"" + given[option] + "\" is not a number" : entry.warning)
                  << "\n";
    }
    return entry.params;
}

// --threads N (0, one per core, when not given); false after saying it is not a number.
bool solve_threads(std::map<std::string, std::string>& given, unsigned& threads) {
    threads = 0;
    if (!given.count("--threads"))
        return true;
    try {
        threads = static_cast<unsigned>(std::stoul(given["--threads"]));
        return true;
    } catch (const std::exception&) {
        std::cerr << "zep: --threads: \"" << given["--threads"] << "\" is not a number\n";
        return false;
    }
}

// The codes of the tasks to solve: the one of --code (its input must wait in Solving), else every task
// whose input waits there; none after saying why.
std::vector<std::string> codes_to_solve(std::map<std::string, std::string>& given, const Workspace& ws,
                                        const ShellTables& sh) {
    std::vector<std::string> codes;
    if (given.count("--code")) {
        std::string code = given["--code"];
        for (char& c : code)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!task_input_waits(ws, code)) {
            std::cerr << "zep: " << missing_input_message(sh, code) << "\n";
            return {};
        }
        codes.push_back(code);
    } else {
        for (const std::string& name : find_task_inputs(ws))
            codes.push_back(task_code_of_input(name));
        if (codes.empty())
            std::cerr << "zep: " << no_input_files_message(sh) << "\n";
    }
    return codes;
}

// Runs the tasks one after the other as the module's window does, printing what it shows; returns the
// number of tasks refused or not read.
int run_tasks(const RunSetup& setup, const std::vector<std::string>& codes) {
    Printer printer;
    int failed = 0;
    for (const std::string& code : codes) {
        try {
            TaskRunOutcome out = run_task(setup, code, &printer);
            if (out.skipped)
                std::cout << "zep: " << out.message << "\n" << std::flush;
            else if (!out.solutionFile.empty())
                std::cout << "=> " << out.solutionFile.string() << "\n" << std::flush;
            else
                std::cerr << "zep: " << out.message
                          << " (no solution file: the input is too damaged to lay one out)\n";
            failed += out.refused;
        } catch (const FileAccessError& e) {
            std::cerr << "zep: " << e.what() << "\n";
            ++failed;
        }
    }
    return failed;
}

} // namespace

std::string solve_parameter_usage() {
    std::string usage;
    for (RunParameterId id : kRunParameterIds)
        usage += parameter_usage(id);
    return usage;
}

int cmd_solve(const Options& o) {
    std::map<std::string, std::string> given;
    if (!parse_solve_options(o.args, given))
        return 2;
    Workspace ws = cli_workspace(o);
    LoadedShell shell = cli_shell(o, ws);
    const ShellTables& sh = shell.tables;
    const char separator = user_decimal_separator();
    const std::optional<IterationParams> params = solve_parameters(given, separator, sh);
    unsigned threads = 0;
    if (!params || !solve_threads(given, threads))
        return 2;
    const std::vector<std::string> codes = codes_to_solve(given, ws, sh);
    if (codes.empty())
        return 1;

    RunSetup setup;
    setup.workspace = ws;
    setup.shell = &sh;
    setup.separator = separator;
    setup.params = *params;
    setup.infoLines = read_info_lines(ws, sh);
    setup.threads = threads;
    const ParameterSummary summary = parameter_summary(sh, setup.params, separator);
    std::cout << summary.heading << "\n";
    for (const std::string& line : summary.lines)
        std::cout << "  " << line << "\n";
    setup.solutionsAtStart = solution_stamps(ws);
    return run_tasks(setup, codes) == 0 ? 0 : 1;
}

namespace {

enum class RegisterMove { HandOver, TakeOver };

int register_move(const Options& o, RegisterMove kind) {
    const bool takeOver = kind == RegisterMove::TakeOver;
    if (o.args.size() != 1) {
        std::cerr << "usage: zep " << (takeOver ? "take-over" : "hand-over") << " CODE [--workspace DIR]\n";
        return 2;
    }
    const std::string code = o.args[0];
    Workspace ws = cli_workspace(o);
    const LoadedShell shell = cli_shell(o, ws);
    RegisterStore store = RegisterStore::open(ws.register_file(), &shell.tables);
    const TaskMove move = takeOver ? take_over_solution(ws, store, code) : hand_over_input(ws, store, code);
    if (!move) {
        std::cerr << "zep: " << move_refusal_text(store.shell(), move.refusal()) << "\n";
        return 1;
    }
    std::cout << (takeOver ? "taken over: " : "handed over: ") << code << "\n";
    return 0;
}

} // namespace

int cmd_hand_over(const Options& o) {
    return register_move(o, RegisterMove::HandOver);
}
int cmd_take_over(const Options& o) {
    return register_move(o, RegisterMove::TakeOver);
}

int cmd_delete(const Options& o) {
    if (o.args.size() != 1) {
        std::cerr << "usage: zep delete CODE [--workspace DIR]\n";
        return 2;
    }
    const std::string code = o.args[0];
    if (is_demo_task(code)) {
        std::cerr << "zep: \"" << code << "\" is a demo task; demo tasks cannot be deleted\n";
        return 1;
    }
    Workspace ws = cli_workspace(o);
    const LoadedShell shell = cli_shell(o, ws);
    RegisterStore store = RegisterStore::open(ws.register_file(), &shell.tables);
    if (!store.get().find(code)) {
        std::cerr << "zep: " << unregistered_task_message(&shell.tables, code) << "\n";
        return 1;
    }
    delete_task(ws, store, code);
    std::cout << "deleted: " << code << "\n";
    return 0;
}

} // namespace zep::cli
