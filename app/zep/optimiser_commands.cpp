// zep solve, zep hand-over, zep take-over, zep delete: the optimisation module's run and the protocol
// window's unload, load and delete commands, without windows.
#include "commands.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "optimiser/module_texts.h"
#include "optimiser/run_control.h"
#include "optimiser/run_texts.h"
#include "optimiser/take_over.h"
#include "shell/register_views.h"

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

} // namespace

int cmd_solve(const Options& o) {
    std::map<std::string, std::string> given;
    for (std::size_t i = 0; i < o.args.size(); ++i) {
        const std::string& a = o.args[i];
        if ((a == "--code" || a == "--okr" || a == "--ko" || a == "--kr" || a == "--lchi" ||
             a == "--threads") &&
            i + 1 < o.args.size()) {
            given[a] = o.args[++i];
        } else {
            std::cerr
                << "usage: zep solve [--workspace DIR] [--code CODE] [--okr 0.9] [--ko 0.005] [--kr 5]\n"
                   "                 [--lchi 3000] [--threads N] [--lang EXT]\n";
            return 2;
        }
    }
    Workspace ws = cli_workspace(o);
    LoadedShell shell = cli_shell(o, ws);
    const ShellTables& sh = shell.tables;
    const char separator = user_decimal_separator();

    ParameterTexts typed = default_parameter_texts(separator);
    if (given.count("--okr"))
        typed.relaxationCoef = with_separator(given["--okr"], separator);
    if (given.count("--ko"))
        typed.stopCriterion = with_separator(given["--ko"], separator);
    if (given.count("--kr"))
        typed.stopCheckSparsity = given["--kr"];
    if (given.count("--lchi"))
        typed.iterationLimit = given["--lchi"];
    ParameterEntry entry = enter_parameters(typed, separator, sh);
    if (!entry.params) {
        static const char* names[] = {"--okr", "--ko", "--kr", "--lchi"};
        std::cerr << "zep: " << names[entry.field] << ": "
                  << (entry.warning.empty() ? "\"" + given[names[entry.field]] + "\" is not a number"
                                            : entry.warning)
                  << "\n";
        return 2;
    }
    unsigned threads = 0;
    if (given.count("--threads")) {
        try {
            threads = static_cast<unsigned>(std::stoul(given["--threads"]));
        } catch (const std::exception&) {
            std::cerr << "zep: --threads: \"" << given["--threads"] << "\" is not a number\n";
            return 2;
        }
    }

    std::vector<std::string> codes;
    if (given.count("--code")) {
        std::string code = given["--code"];
        for (char& c : code)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!task_input_waits(ws, code)) {
            std::cerr << "zep: " << missing_input_message(sh, code) << "\n";
            return 1;
        }
        codes.push_back(code);
    } else {
        for (const std::string& name : find_task_inputs(ws))
            codes.push_back(task_code_of_input(name));
        if (codes.empty()) {
            std::cerr << "zep: " << no_input_files_message(sh) << "\n";
            return 1;
        }
    }

    RunSetup setup;
    setup.workspace = ws;
    setup.shell = &sh;
    setup.separator = separator;
    setup.params = *entry.params;
    setup.infoLines = read_info_lines(ws, sh);
    setup.threads = threads;
    const ParameterSummary summary = parameter_summary(sh, setup.params, separator);
    std::cout << summary.heading << "\n";
    for (const std::string& line : summary.lines)
        std::cout << "  " << line << "\n";
    setup.solutionsAtStart = solution_stamps(ws);
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
    return failed == 0 ? 0 : 1;
}

namespace {

int register_move(const Options& o, bool takeOver) {
    if (o.args.size() != 1) {
        std::cerr << "usage: zep " << (takeOver ? "take-over" : "hand-over") << " CODE [--workspace DIR]\n";
        return 2;
    }
    const std::string code = o.args[0];
    Workspace ws = cli_workspace(o);
    RegisterStore store = RegisterStore::open(ws.register_file());
    const TaskMove move = takeOver ? take_over_solution(ws, store, code) : hand_over_input(ws, store, code);
    if (!move.done) {
        std::cerr << "zep: " << move.refusal << "\n";
        return 1;
    }
    std::cout << (takeOver ? "taken over: " : "handed over: ") << code << "\n";
    return 0;
}

} // namespace

int cmd_hand_over(const Options& o) {
    return register_move(o, false);
}
int cmd_take_over(const Options& o) {
    return register_move(o, true);
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
    RegisterStore store = RegisterStore::open(ws.register_file());
    if (!store.get().find(code)) {
        std::cerr << "zep: the task register has no task \"" << code << "\"; nothing was done\n";
        return 1;
    }
    delete_task(ws, store, code);
    std::cout << "deleted: " << code << "\n";
    return 0;
}

} // namespace zep::cli
