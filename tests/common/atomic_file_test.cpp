#include "common/atomic_file.h"
#include "common/errors.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <thread>

using namespace zep;

namespace {

std::size_t files_in(const std::filesystem::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

} // namespace

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporary) {
    test::TempDir dir;
    auto path = dir / "Protocol.opt";
    std::vector<std::uint8_t> first(100, 1), second = {2, 3};
    write_file_atomically(path, first);
    write_file_atomically(path, second);
    EXPECT_EQ(read_whole_file(path), second);
    EXPECT_EQ(files_in(dir.path()), 1u);
}

TEST(AtomicFile, WritersAtOnceNeverShareATemporaryAndLeaveOneWholeFile) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    const std::vector<std::uint8_t> a(5000, 'a'), b(3000, 'b');
    std::vector<std::thread> writers;
    for (const auto* bytes : {&a, &b, &a, &b})
        writers.emplace_back([&, bytes] {
            for (int i = 0; i < 50; ++i)
                write_file_atomically(path, *bytes);
        });
    for (auto& t : writers)
        t.join();
    const auto last = read_whole_file(path);
    EXPECT_TRUE(last == a || last == b);
    EXPECT_EQ(files_in(dir.path()), 1u);
}

TEST(AtomicFile, MissingFolderIsAnAccessErrorAndNoFileAppears) {
    test::TempDir dir;
    std::vector<std::uint8_t> data = {1};
    EXPECT_THROW(write_file_atomically(dir / "no/such/file", data), FileAccessError);
    EXPECT_THROW(read_whole_file(dir / "missing"), FileAccessError);
}

TEST(AtomicFile, ADirectoryInPlaceOfTheFileIsSaidWithItsPath) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "zep_A_out.dat");
    const std::string expected = "\"" + (dir / "zep_A_out.dat").string() + "\" is a directory, not a file.";
    try {
        read_whole_file(dir / "zep_A_out.dat");
        FAIL();
    } catch (const FileAccessError& e) {
        EXPECT_EQ(e.what(), expected);
    }
    try {
        write_file_atomically(dir / "zep_A_out.dat", std::vector<std::uint8_t>{1});
        FAIL();
    } catch (const FileAccessError& e) {
        EXPECT_EQ(e.what(), expected);
    }
}
