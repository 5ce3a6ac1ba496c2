// Writes the task files and solver input files of the sample tasks into DIR/task and DIR/solver, the
// seed corpora of the fuzz targets.
#include "common/atomic_file.h"
#include "sample_tasks.h"
#include "task/solver_input.h"
#include "task/task_file.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir / "task");
    std::filesystem::create_directories(dir / "solver");
    for (const zep::TaskRecord& rec : {zep::test::decomposed_task(), zep::test::resource_task()}) {
        const std::string code = rec.header.taskCode;
        zep::write_file_atomically(dir / "task" / ("zep_" + code + ".dat"), zep::encode_task_file(rec));
        zep::write_file_atomically(dir / "solver" / ("zep_" + code + "_in.dat"),
                                   zep::encode_solver_input(rec, "Shell (ZEP 2.2).rus"));
    }
    return 0;
}
