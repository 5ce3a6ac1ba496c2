#pragma once
// The solution file Solving/zep_<code>_out.dat (copied byte for byte to Data/ when the results are
// taken over): a 216-byte header with the run parameters and timing, then one solution per threshold
// run of the whole graph.
//
//   SolutionHeader (216 bytes)           1 solutionStatus: M int32
//                                        2 solutionMessage: M slots of 255 bytes (text of capacity 254)
//                                        3 path cycle counts: per run, NC int32
//                                        4 variantChoice: per run, per chain, opCount int32
//                                        5 without unavailable resources: chain times, per run NC doubles
//                                        6 without unavailable resources: graph times, M doubles
//
// The file carries no counts of its own: M, NC, the opCounts and whether the task has unavailable
// resources come from the task (SolutionShape).
#include "common/record_fields.h"
#include "task/task_record.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zep {

inline constexpr std::size_t kInfoLineCapacity = 40;
inline constexpr std::size_t kElapsedCapacity = 40;
inline constexpr std::size_t kSolutionMessageCapacity = 254;

struct SolutionHeader {
    std::string infoLines[3];           // UTF-8; cut to 40 characters when written
    std::string elapsed;                // "hh:mm:ss"; cut to 40 characters
    std::int32_t stopCheckSparsity = 0; // КР
    std::int32_t iterationLimit = 0;    // ЛЧИ
    double endTime = 0;                 // time of day as a fraction of a day
    double endDate = 0;                 // whole days since 30 December 1899
    double relaxationCoef = 0;          // ОКР
    double stopCriterion = 0;           // КО
    std::int32_t runsPerformed = 0;     // M, the probes of a second-level search, or 0 when refused
    std::int32_t maxPhaseStates = 0;    // largest L of any path; 0 when refused
};

// The header's layout (see common/record_fields.h).
struct SolutionHeaderImage {
    using Record = SolutionHeader;
    static constexpr std::size_t size = 216;
    // Named for what compares solution files apart from their time stamps (elapsed .. end date).
    static constexpr std::size_t elapsed = 123, stopCheckSparsity = 164, endTime = 176, relaxationCoef = 192;
    template <typename F, typename H> static void fields(F& f, H& h) {
        f.texts(0, "infoLines", h.infoLines, kInfoLineCapacity);
        f.text(elapsed, "elapsed", h.elapsed, kElapsedCapacity);
        f.i32(stopCheckSparsity, "stopCheckSparsity", h.stopCheckSparsity);
        f.i32(168, "iterationLimit", h.iterationLimit);
        f.f64(endTime, "endTime", h.endTime);
        f.f64(184, "endDate", h.endDate);
        f.f64(relaxationCoef, "relaxationCoef", h.relaxationCoef);
        f.f64(200, "stopCriterion", h.stopCriterion);
        f.i32(208, "runsPerformed", h.runsPerformed);
        f.i32(212, "maxPhaseStates", h.maxPhaseStates);
        f.end(size);
    }
};

// The counts the layout follows, all from the task.
struct SolutionShape {
    std::int32_t runs = 0;                // M: thresholdCount
    std::vector<std::int32_t> opCounts;   // per chain: NC = opCounts.size()
    bool hasUnavailableResources = false; // V = 1: no sections 5 and 6

    std::size_t file_size() const;
};

struct Solution {
    SolutionHeader header;
    std::vector<std::int32_t> status; // per run: 0 none, 1 solved, -1 second-level limit used up
    std::vector<std::string> message; // per run, UTF-8; cut to 254 characters when written
    std::vector<std::vector<std::int32_t>> cycleCounts;                // [run][chain]
    std::vector<std::vector<std::vector<std::int32_t>>> variantChoice; // [run][chain][op], 1-based, 0 none
    std::vector<std::vector<double>> chainTimes;                       // [run][chain], scaled time units
    std::vector<double> graphTimes;                                    // [run]
};

// The outcome of a run, as its `solutionStatus` stores it.
enum class RunStatus : std::int32_t {
    NotSolved = 0,    // no plan; the run's message says why
    Solved = 1,       // the plan keeps within the run's threshold
    LimitUsedUp = -1, // the second-level search used its iterations up: the last probe's plan, a message
};

// The one reading of a run's `solutionStatus`: 0 is no plan, a positive value a solved run, a negative one
// a plan with a message (the file's reader takes any value; the optimiser writes only the three above).
inline RunStatus run_status(const Solution& s, std::size_t run) {
    const std::int32_t stored = s.status.at(run);
    return stored == 0 ? RunStatus::NotSolved : stored > 0 ? RunStatus::Solved : RunStatus::LimitUsedUp;
}

// A solution of the shape with every status, count, choice and time 0 and every message empty.
Solution empty_solution(const SolutionShape& shape);

// A text cut to `capacity` Windows-1251 characters; a character the code page lacks becomes "?" so that
// a message or an information line is never lost for one character.
std::string fit_single_byte_text(const std::string& utf8, std::size_t capacity);

// Throws std::invalid_argument when the solution does not have the shape.
std::vector<std::uint8_t> encode_solution(const Solution& s, const SolutionShape& shape);
// `source` names the file in errors; a file shorter or longer than the shape gives FileFormatError.
Solution decode_solution(std::span<const std::uint8_t> data, const SolutionShape& shape,
                         const std::string& source);

void write_solution_file(const std::filesystem::path& path, const Solution& s, const SolutionShape& shape);
Solution read_solution_file(const std::filesystem::path& path, const SolutionShape& shape);

// The layout a task's solution file has by its task file: M, the chains' operation counts, and whether
// the task has unavailable resources.
SolutionShape solution_shape_of(const TaskRecord& rec);
// A task's solution file read as the solution view reads it, laid out by the task (take-over checks a
// solution with it before it takes it over).
Solution read_solution_of_task(const std::filesystem::path& path, const TaskRecord& task);

} // namespace zep
