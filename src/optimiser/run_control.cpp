#include "optimiser/run_control.h"

#include "common/atomic_file.h"
#include "common/cp1251.h"
#include "common/date_time.h"
#include "common/errors.h"
#include "common/file_lock.h"
#include "common/utf8.h"
#include "optimiser/optimiser_text.h"
#include "optimiser/run_checks.h"
#include "optimiser/run_texts.h"
#include "task/typed_number.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zep {

std::string default_parameter_text(RunParameterId id, char separator) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, kRunParameters[id].defaultValue).ptr;
    std::string text(buf, end);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

namespace {

// The edit of each parameter, in the order of kRunParameters.
constexpr std::string ParameterTexts::*kParameterTextMembers[] = {
    &ParameterTexts::relaxationCoef, &ParameterTexts::stopCriterion, &ParameterTexts::stopCheckSparsity,
    &ParameterTexts::iterationLimit};

} // namespace

std::string& ParameterTexts::operator[](RunParameterId id) {
    return this->*kParameterTextMembers[id];
}

const std::string& ParameterTexts::operator[](RunParameterId id) const {
    return this->*kParameterTextMembers[id];
}

ParameterTexts default_parameter_texts(char separator) {
    ParameterTexts t;
    for (RunParameterId id : kRunParameterIds)
        t[id] = default_parameter_text(id, separator);
    return t;
}

namespace {

// A real takes the user's decimal separator; an integer only digits.
std::optional<double> parse_parameter(const RunParameter& rp, const std::string& text, char separator) {
    if (rp.kind == ParameterKind::Real)
        return parse_typed_real(text, separator);
    if (const std::optional<int> n = parse_typed_integer(text))
        return *n;
    return std::nullopt;
}

} // namespace

ParameterEntry enter_parameters(const ParameterTexts& typed, char separator, const ShellTables& shell) {
    ParameterEntry out;
    IterationParams p;
    for (RunParameterId id : kRunParameterIds) {
        const RunParameter& rp = kRunParameters[id];
        const std::optional<double> v = parse_parameter(rp, typed[id], separator);
        if (!v || !rp.entry.admits(*v)) {
            out.field = static_cast<int>(id);
            if (v)
                out.warning = optimiser_text(shell, rp.entryRefusal) + ".";
            return out;
        }
        p.set(id, *v);
    }
    out.params = p;
    return out;
}

std::vector<std::string> find_task_inputs(const Workspace& ws) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(ws.solving(), ec)) {
        const std::string name = entry.path().filename().string();
        if (is_task_file_name(name, TaskFile::SolverInput))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string task_code_of_input(const std::string& fileName) {
    return task_code_of_file_name(fileName);
}

bool task_input_waits(const Workspace& ws, const std::string& code) {
    std::error_code ec;
    return fs::is_regular_file(ws.solving_file(code, TaskFile::SolverInput), ec);
}

namespace {

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// "hh:mm:ss" of a time of day given as a fraction of a day (or of a duration in days).
std::string clock_text(double days) {
    // A whole second given as a fraction of a day may come out a hair below it once multiplied back: a
    // millionth of a second takes it to that second before the fraction is cut off.
    long long seconds = static_cast<long long>(std::floor(days * 86400.0 + 1e-6));
    if (seconds < 0)
        seconds = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buf;
}

std::string date_text(double serial) {
    LocalDateTime t = from_date_serial(serial);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", t.day, t.month, t.year);
    return buf;
}

} // namespace

std::array<std::string, 3> read_info_lines(const Workspace& ws, const ShellTables& shell) {
    std::array<std::string, 3> lines = {"? (" + optimiser_text(shell, OptimiserText::NoFile) +
                                            " System\\info)",
                                        "? (" + optimiser_text(shell, OptimiserText::NoData) + ")",
                                        "? (" + optimiser_text(shell, OptimiserText::NoData) + ")"};
    fs::path file = ws.info_file();
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        file = ws.system() / "Info";
        if (!fs::is_regular_file(file, ec))
            return lines;
    }
    const std::vector<std::uint8_t> bytes = read_whole_file(file);
    std::vector<std::string> fileLines(1);
    for (std::uint8_t b : bytes) {
        if (b == '\n')
            fileLines.emplace_back();
        else
            fileLines.back() += static_cast<char>(b);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t n = 2 * i + 1; // the 2nd, 4th and 6th lines
        const std::string raw = n < fileLines.size() ? fileLines[n] : std::string();
        lines[i] = trimmed(is_utf8(raw) ? raw : cp1251_to_utf8(raw));
    }
    return lines;
}

std::string no_input_files_message(const ShellTables& shell) {
    return optimiser_text(shell, OptimiserText::NotPossible) + ". " +
           optimiser_text(shell, OptimiserText::NoInputFiles) + ".";
}

std::string missing_input_message(const ShellTables& shell, const std::string& code) {
    return optimiser_text(shell, OptimiserText::NotPossible) + ". " +
           optimiser_text(shell, OptimiserText::NoInputFile) + " \"" +
           task_file_name(code, TaskFile::SolverInput) + "\".";
}

namespace {

// Why a solver input is not optimised: too short for its header, a header the run checks refuse, a
// file that does not decode or a task that cannot be solved; nullopt when it can be. `in` is the
// decoded input.
std::optional<std::string> input_refusal(std::span<const std::uint8_t> bytes, const std::string& source,
                                         const SolverInputHead& head, const RunTexts& texts,
                                         const OptimiserOptions& options, SolverInput& in) {
    const std::string name = fs::path(source).filename().string();
    if (!head.header)
        return texts.input_refused("\"" + name + "\" is shorter than its header.");
    if (auto refusal = run_check_refusal(*head.header, options.params, texts))
        return refusal;
    try {
        in = decode_solver_input(bytes, source);
        if (auto reason = unsolvable_reason(in))
            return texts.input_refused("\"" + name + "\": " + *reason + ".");
    } catch (const FileFormatError& e) {
        return texts.input_refused(e.what());
    }
    return std::nullopt;
}

// Passes every report on and remembers the last error line.
struct LastErrorKept : RunReporter {
    RunReporter* to = nullptr;
    std::string last;
    void report_line(ReportLine line, const std::string& text) override {
        if (to)
            to->report_line(line, text);
    }
    void error_line(const std::string& text) override {
        last = text;
        if (to)
            to->error_line(text);
    }
    void cycle_progress(const RunPosition& at, std::int32_t cycle) override {
        if (to)
            to->cycle_progress(at, cycle);
    }
    bool stop_requested() override { return to && to->stop_requested(); }
    void work_done(std::int64_t done, std::int64_t total) override {
        if (to)
            to->work_done(done, total);
    }
};

} // namespace

SolvedTask solve_input(std::span<const std::uint8_t> bytes, const std::string& source, const RunTexts& texts,
                       const OptimiserOptions& options, RunReporter* reporter) {
    SolvedTask out;
    const SolverInputHead head = read_solver_input_head(bytes);
    SolverInput in;
    out.refusal = input_refusal(bytes, source, head, texts, options, in);
    if (out.refusal) {
        // A refused input still gets a solution of its shape, where the head gives one, with the reason.
        out.shape = refusal_shape(head);
        if (out.shape) {
            out.solution = empty_solution(*out.shape);
            out.solution.message[0] = *out.refusal;
        }
        if (reporter)
            reporter->error_line(*out.refusal);
        return out;
    }
    if (reporter)
        reporter->report_line(ReportLine::Task, report_line1(texts, discretised_is_cost(in),
                                                             in.header.chainCount, in.header.thresholdCount));
    LastErrorKept forward;
    forward.to = reporter;
    TaskOptimisation result = optimise_task(in, texts, options, &forward);
    out.shape = solution_shape(in);
    out.solution = std::move(result.solution);
    out.solution.header.runsPerformed = result.runsPerformed;
    out.solution.header.maxPhaseStates = static_cast<std::int32_t>(result.maxPhaseStates);
    out.lastError = forward.last;
    return out;
}

namespace {

// The identity and time of change of a file, empty when there is none.
std::string file_stamp(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
           std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + ":" +
           std::to_string(st.st_size);
}

fs::path input_path(const RunSetup& setup, const std::string& code) {
    return setup.workspace.solving_file(code, TaskFile::SolverInput);
}
fs::path output_path(const RunSetup& setup, const std::string& code) {
    return setup.workspace.solving_file(code, TaskFile::Solution);
}

// The claim of a task's input: held while the task is solved. Nothing when another run holds it, or the
// file was replaced or removed since the claim was asked for (`why` says which).
std::optional<FileLock> claim_input(const RunSetup& setup, const RunTexts& texts, std::string& why) {
    using Skip = RunTexts::Skip;
    const fs::path input = input_path(setup, texts.code);
    std::error_code ec;
    if (!fs::exists(input, ec)) {
        if (!setup.solutionsAtStart)
            throw FileAccessError("Cannot open the file \"" + input.string() + "\" for reading.");
        why = texts.skipped(Skip::GoneFromSolving);
        return std::nullopt;
    }
    std::optional<FileLock> claim = FileLock::try_acquire_existing(input);
    struct stat held {
    }, now{};
    if (!claim)
        why = texts.skipped(Skip::ClaimedByAnotherRun);
    else if (::fstat(claim->fd(), &held) != 0 || ::stat(input.c_str(), &now) != 0 ||
             held.st_ino != now.st_ino || held.st_dev != now.st_dev)
        why = texts.skipped(Skip::MovedMeanwhile);
    else if (setup.solutionsAtStart) {
        auto it = setup.solutionsAtStart->find(texts.code);
        const std::string before = it == setup.solutionsAtStart->end() ? std::string() : it->second;
        if (file_stamp(output_path(setup, texts.code)) != before)
            why = texts.skipped(Skip::SolvedMeanwhile);
    }
    if (!why.empty())
        claim.reset();
    return claim;
}

std::vector<std::uint8_t> read_claimed(const FileLock& claim, const fs::path& input) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t buf[65536];
    for (;;) {
        const ssize_t n = ::pread(claim.fd(), buf, sizeof buf, static_cast<off_t>(bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw FileAccessError("Cannot read the file \"" + input.string() + "\".");
        if (n == 0)
            return bytes;
        bytes.insert(bytes.end(), buf, buf + n);
    }
}

} // namespace

SolutionStamps solution_stamps(const Workspace& ws) {
    SolutionStamps stamps;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(ws.solving(), ec)) {
        const std::string name = entry.path().filename().string();
        if (is_task_file_name(name, TaskFile::Solution))
            stamps[task_code_of_file_name(name)] = file_stamp(entry.path());
    }
    return stamps;
}

TaskRunOutcome run_task(const RunSetup& setup, const std::string& code, RunListener* listener) {
    const ShellTables& shell = *setup.shell;
    RunTexts texts{shell, code, setup.separator};
    TaskRunOutcome outcome;
    outcome.code = code;
    std::optional<FileLock> claim = claim_input(setup, texts, outcome.message);
    if (!claim) {
        outcome.skipped = true;
        return outcome;
    }
    const double started = now_date_serial();
    if (listener)
        listener->task_started(
            code, start_line(texts, clock_text(started - std::floor(started)), date_text(started)));

    const fs::path input = input_path(setup, code);
    const std::vector<std::uint8_t> bytes = read_claimed(*claim, input);
    OptimiserOptions options{setup.params, setup.threads};
    SolvedTask solved = solve_input(bytes, input.string(), texts, options, listener);
    Solution& solution = solved.solution;
    outcome.refused = solved.refusal.has_value();
    outcome.message = solved.refusal ? *solved.refusal : solved.lastError;

    const double finished = now_date_serial();
    SolutionHeader& h = solution.header;
    h.infoLines[0] = setup.infoLines[0];
    h.infoLines[1] = setup.infoLines[1];
    h.infoLines[2] = setup.infoLines[2];
    // The difference of the two moments, so that a run across midnight keeps its length.
    const std::string elapsed = clock_text(finished - started);
    h.elapsed = elapsed;
    h.stopCheckSparsity = setup.params.stopCheckSparsity;
    h.iterationLimit = setup.params.iterationLimit;
    h.endDate = std::floor(finished);
    h.endTime = finished - h.endDate;
    h.relaxationCoef = setup.params.relaxationCoef;
    h.stopCriterion = setup.params.stopCriterion;
    if (solved.shape) {
        outcome.solutionFile = output_path(setup, code);
        write_solution_file(outcome.solutionFile, solution, *solved.shape);
    }

    if (listener) {
        listener->report_line(ReportLine::RunsPerformed,
                              report_line6(texts, solved.shape ? solved.shape->runs : 0));
        listener->task_finished(code, end_line(texts, elapsed));
    }
    return outcome;
}

} // namespace zep
