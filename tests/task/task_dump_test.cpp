#include "task/task_dump.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "sample_tasks.h"
#include "task/solver_input.h"
#include "task/task_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TEST(TaskDump, RecognisesTheTwoFilesByName) {
    struct Case {
        const char* name;
        bool task, solver;
    } cases[] = {
        {"Data/zep_ABC123.dat", true, false}, {"zep_ABC123_in.dat", false, true},
        {"zep_ABC123_out.dat", false, false}, {"zep_ABC12.dat", false, false},
        {"Protocol.opt", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_task_file(c.name), c.task) << c.name;
        EXPECT_EQ(is_solver_input_file(c.name), c.solver) << c.name;
    }
}

TEST(TaskDump, ShowsEveryRecordByItsFieldNames) {
    test::TempDir dir;
    const TaskRecord rec = test::decomposed_task();
    write_file_atomically(dir / "zep_DEC001.dat", encode_task_file(rec));
    write_file_atomically(dir / "zep_DEC001_in.dat", encode_solver_input(rec, "Shell (ZEP 2.2).rus"));

    const std::string task = dump_task_file_as_json(dir / "zep_DEC001.dat");
    for (const char* piece :
         {"\"taskName\": \"Трубопровод, участок 2\"", "\"maxPhaseStates\": 82", "\"tact\": 0.5",
          "\"fromOp\": 2", "\"essence\": \"бригада\"", "\"time\": 1.3", "\"op\": -1", "\"prefixLength\": 0",
          "\"chainsPerSubgraph\"", "\"sourceOps\"", "\"spanMark\"", "\"marksPresent\": 0", "\"memberCount\""})
        EXPECT_NE(task.find(piece), std::string::npos) << piece;

    const std::string solver = dump_solver_input_as_json(dir / "zep_DEC001_in.dat");
    for (const char* piece :
         {"\"scaledTact\": 1", "\"scaledBaseCostTotal\": 3", "\"discretised\": 4", "\"refCount\": 1",
          "\"elementIndex\": 1", "\"timeLevels\"", "\"shellFileName\": \"Shell (ZEP 2.2).rus\""})
        EXPECT_NE(solver.find(piece), std::string::npos) << piece;

    std::vector<std::uint8_t> image = read_whole_file(dir / "zep_DEC001.dat");
    image.resize(100);
    write_file_atomically(dir / "zep_DEC001.dat", image);
    EXPECT_THROW(dump_task_file_as_json(dir / "zep_DEC001.dat"), FileFormatError);
}

} // namespace
} // namespace zep
