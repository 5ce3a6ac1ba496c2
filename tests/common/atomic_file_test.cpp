#include "common/atomic_file.h"
#include "common/errors.h"
#include "test_dir.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporary) {
    test::TempDir dir;
    auto path = dir / "Protocol.opt";
    std::vector<std::uint8_t> first(100, 1), second = {2, 3};
    write_file_atomically(path, first);
    write_file_atomically(path, second);
    EXPECT_EQ(read_whole_file(path), second);
    EXPECT_FALSE(std::filesystem::exists(dir / "Protocol.opt.tmp"));
}

TEST(AtomicFile, MissingFolderIsAnAccessErrorAndNoFileAppears) {
    test::TempDir dir;
    std::vector<std::uint8_t> data = {1};
    EXPECT_THROW(write_file_atomically(dir / "no/such/file", data), FileAccessError);
    EXPECT_THROW(read_whole_file(dir / "missing"), FileAccessError);
}
