// The task file and solver input images of the hand-built sample tasks stay byte for byte what they
// were when they were recorded in tests/fixtures/golden (with ZEP_RECORD_GOLDEN=1 in the environment
// the test writes them there instead; do that only on a tree whose output is known to be right).
#include "task/sample_tasks.h"
#include "task/solver_input.h"
#include "task/task_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace zep {
namespace {

const std::filesystem::path kGolden = std::filesystem::path(ZEP_SOURCE_DIR) / "tests/fixtures/golden";

void expect_recorded(const std::vector<std::uint8_t>& image, const std::string& name) {
    const std::filesystem::path file = kGolden / name;
    if (const char* record = std::getenv("ZEP_RECORD_GOLDEN"); record && std::string(record) == "1") {
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        return;
    }
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << "no recorded " << file;
    const std::vector<std::uint8_t> recorded((std::istreambuf_iterator<char>(in)),
                                             std::istreambuf_iterator<char>());
    EXPECT_TRUE(image == recorded) << name << " differs from the recorded " << file;
}

TEST(GoldenImages, SampleTasksWriteTheRecordedBytes) {
    for (const TaskRecord& rec : {test::decomposed_task(), test::resource_task()}) {
        const std::string& code = rec.header.taskCode;
        expect_recorded(encode_task_file(rec), "sample_" + code + ".dat");
        expect_recorded(encode_solver_input(rec, "Shell (ZEP 2.2).rus"), "sample_" + code + "_in.dat");
    }
}

} // namespace
} // namespace zep
