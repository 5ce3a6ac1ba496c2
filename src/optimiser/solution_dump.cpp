#include "optimiser/solution_dump.h"

#include "common/atomic_file.h"
#include "common/date_time.h"
#include "common/errors.h"
#include "common/json_fields.h"
#include "common/json_writer.h"
#include "common/workspace_layout.h"
#include "optimiser/task_optimiser.h"
#include "task/solver_input.h"
#include "task/task_file.h"

namespace fs = std::filesystem;

namespace zep {

bool is_solution_file(const fs::path& path) {
    return is_task_file_name(path.filename().string(), TaskFile::Solution);
}

SolutionShape solution_shape_beside(const fs::path& solutionFile) {
    const std::string code = task_code_of_file_name(solutionFile.filename().string());
    const fs::path folder = solutionFile.parent_path();
    const fs::path input = folder / task_file_name(code, TaskFile::SolverInput);
    const fs::path task = folder / task_file_name(code, TaskFile::Task);
    std::error_code ec;
    if (fs::is_regular_file(input, ec))
        return solution_shape(decode_solver_input(read_whole_file(input), input.string()));
    if (fs::is_regular_file(task, ec))
        return solution_shape_of(decode_task_file(read_whole_file(task), task.string()));
    throw FileAccessError("\"" + solutionFile.string() + "\": its task is needed to read it, and neither \"" +
                          input.string() + "\" nor \"" + task.string() + "\" is there");
}

std::string dump_solution_as_json(const fs::path& path) {
    const SolutionShape shape = solution_shape_beside(path);
    const Solution s = read_solution_file(path, shape);
    const SolutionHeader& h = s.header;
    JsonWriter j;
    j.begin_object();
    j.key("file").value("solution");
    j.key("header").begin_object();
    // "endText": the end of the run as date and time, after its date.
    write_json_fields<SolutionHeaderImage>(j, h, [&h](JsonWriter& out, std::string_view, const auto& field) {
        if (static_cast<const void*>(&field) == &h.endDate)
            out.key("endText").value(format_date_serial(h.endDate + h.endTime));
    });
    j.end_object();
    j.key("runs").begin_array();
    for (std::size_t k = 0; k < s.status.size(); ++k) {
        j.begin_object();
        j.key("solutionStatus").value(s.status[k]);
        j.key("solutionMessage").value(s.message[k]);
        j.key("pathCycleCounts").begin_array();
        for (std::int32_t v : s.cycleCounts[k])
            j.value(v);
        j.end_array();
        j.key("variantChoice").begin_array();
        for (const auto& chain : s.variantChoice[k]) {
            j.begin_array();
            for (std::int32_t v : chain)
                j.value(v);
            j.end_array();
        }
        j.end_array();
        if (!shape.hasUnavailableResources) {
            j.key("chainTimes").begin_array();
            for (double v : s.chainTimes[k])
                j.value(v);
            j.end_array();
            j.key("graphTime").value(s.graphTimes[k]);
        }
        j.end_object();
    }
    j.end_array();
    j.end_object();
    return j.str();
}

} // namespace zep
