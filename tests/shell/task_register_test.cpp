#include "common/atomic_file.h"
#include "common/errors.h"
#include "shell/task_register.h"
#include "test_dir.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zep;

namespace {

std::vector<std::uint8_t> empty_register_bytes() {
    std::vector<std::uint8_t> b = {27};
    for (char c : std::string("ZephyrPlanningWorkbenchTool"))
        b.push_back(static_cast<std::uint8_t>(c));
    b.insert(b.end(), 3, 0);
    b.push_back(8);
    for (char c : std::string("1.12.241"))
        b.push_back(static_cast<std::uint8_t>(c));
    b.insert(b.end(), 8, 0); // 4 unused, N = 0
    return b;
}

} // namespace

TEST(TaskRegister, EmptyRegisterIsTheBare48ByteHeader) {
    EXPECT_EQ(encode_register(TaskRegister{}), empty_register_bytes());
    TaskRegister back = decode_register(empty_register_bytes(), "fixture");
    EXPECT_TRUE(back.entries.empty());
}

TEST(TaskRegister, EntryImageHasTheFieldsAtTheirOffsets) {
    TaskRegister reg;
    reg.add("PLAN01", "Переезд", 46366.5);
    reg.hand_over("PLAN01", 46367.0);
    auto bytes = encode_register(reg);
    ASSERT_EQ(bytes.size(), 48u + 120u);
    const std::uint8_t* e = bytes.data() + 48;
    EXPECT_EQ(e[0], 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(e + 1), 6), "PLAN01");
    EXPECT_EQ(e[7], 7);    // name length
    EXPECT_EQ(e[8], 0xCF); // "П" in Windows-1251
    EXPECT_EQ(e[80], 1);   // status
    double created, unloaded, solved;
    std::memcpy(&created, e + 88, 8);
    std::memcpy(&unloaded, e + 104, 8);
    std::memcpy(&solved, e + 112, 8);
    EXPECT_EQ(created, 46366.5);
    EXPECT_EQ(unloaded, 46367.0);
    EXPECT_EQ(solved, 0.0);
}

TEST(TaskRegister, NameOf71CharactersIsCutTo70) {
    TaskRegister reg;
    reg.add("ABCDEF", std::string(60, 'x') + std::string(11, 'y'), 1.0);
    TaskRegister back = decode_register(encode_register(reg), "fixture");
    EXPECT_EQ(back.entries[0].name, std::string(60, 'x') + std::string(10, 'y'));
}

TEST(TaskRegister, LifeOfAnEntry) {
    TaskRegister reg;
    ASSERT_TRUE(reg.add("AAAAAA", "first", 10.0));
    ASSERT_TRUE(reg.add("BBBBBB", "second", 11.0));
    EXPECT_FALSE(reg.add("AAAAAA", "again", 12.0)); // codes are unique
    ASSERT_TRUE(reg.update_after_correction("AAAAAA", "renamed", 13.0));
    ASSERT_TRUE(reg.hand_over("BBBBBB", 14.0));
    ASSERT_TRUE(reg.take_over("BBBBBB", 15.0));
    const RegisterEntry* a = reg.find("AAAAAA");
    EXPECT_EQ(a->name, "renamed");
    EXPECT_EQ(a->created, 10.0);
    EXPECT_EQ(a->modified, 13.0);
    const RegisterEntry* b = reg.find("BBBBBB");
    EXPECT_EQ(b->status, TaskStatus::Solved);
    EXPECT_EQ(b->unloaded, 14.0);
    EXPECT_EQ(b->solved, 15.0);
    ASSERT_TRUE(reg.remove("AAAAAA"));
    ASSERT_EQ(reg.entries.size(), 1u);
    EXPECT_EQ(reg.entries[0].code, "BBBBBB");
    EXPECT_FALSE(reg.hand_over("ZZZZZZ", 1.0));
    ASSERT_TRUE(reg.remove("BBBBBB"));
    EXPECT_EQ(encode_register(reg).size(), 48u);
}

TEST(TaskRegister, UnusedHeaderBytesAreWrittenBackAsRead) {
    auto bytes = empty_register_bytes();
    bytes[29] = 0x55;
    bytes[43] = 0x77;
    EXPECT_EQ(encode_register(decode_register(bytes, "fixture")), bytes);
}

TEST(TaskRegister, AnotherVersionIsNamedByItsNumberAndADamagedOneByItsBytes) {
    auto message = [](std::size_t offset, std::uint8_t value) {
        auto bytes = empty_register_bytes();
        bytes[offset] = value;
        try {
            decode_register(bytes, "R");
        } catch (const RegisterMismatch& e) {
            return std::string(e.what());
        }
        return std::string("(taken)");
    };
    EXPECT_EQ(message(39, '0'),
              "R belongs to another version of the program (version 1.12.240, expected 1.12.241).");
    EXPECT_EQ(message(33, 0x1B),
              "R belongs to another version of the program (version of bytes 8, 49, 27, 49, "
              "50, 46, 50, 52, 49, expected 1.12.241).");
}

TEST(TaskRegister, ForeignSignatureOrVersionIsRefusedAndTheFileLeftUntouched) {
    struct Case {
        const char* what;
        std::size_t offset;
        std::uint8_t value;
    } cases[] = {
        {"signature length byte", 0, 26},
        {"signature character", 5, 'X'},
        {"version length byte", 31, 7},
        {"version character", 39, '2'},
    };
    test::TempDir dir;
    auto path = dir / "Protocol.opt";
    for (const auto& c : cases) {
        auto bytes = empty_register_bytes();
        bytes[c.offset] = c.value;
        write_file_atomically(path, bytes);
        EXPECT_THROW(read_register(path), RegisterMismatch) << c.what;
        EXPECT_EQ(read_whole_file(path), bytes) << c.what;
    }
}

TEST(TaskRegister, CountThatDisagreesWithTheFileIsADamagedFile) {
    auto bytes = empty_register_bytes();
    bytes[44] = 3; // three entries announced, none present
    EXPECT_THROW(decode_register(bytes, "fixture"), FileFormatError);
}

TEST(RegisterStore, EveryChangeIsOnDiskAtOnce) {
    test::TempDir dir;
    auto path = dir / "Protocol.opt";
    write_register(path, TaskRegister{});
    RegisterStore store = RegisterStore::open(path);
    ASSERT_TRUE(store.add("PLAN01", "one"));
    EXPECT_EQ(read_register(path).entries.size(), 1u);
    ASSERT_TRUE(store.hand_over("PLAN01"));
    EXPECT_EQ(read_register(path).entries[0].status, TaskStatus::HandedOver);
    ASSERT_TRUE(store.remove("PLAN01"));
    EXPECT_EQ(std::filesystem::file_size(path), 48u);
}

TEST(RegisterStore, SurvivesACrashRightAfterAChange) {
    test::TempDir dir;
    auto path = dir / "Protocol.opt";
    write_register(path, TaskRegister{});
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RegisterStore store = RegisterStore::open(path);
        store.add("CRASH1", "entered just before the crash");
        std::abort(); // no orderly close, no destructor
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    TaskRegister after = read_register(path);
    ASSERT_EQ(after.entries.size(), 1u);
    EXPECT_EQ(after.entries[0].code, "CRASH1");
}

namespace {

// Runs `work` in `n` child processes at once and returns how many of them exited 0.
int in_processes(int n, const std::function<void(int)>& work) {
    std::vector<pid_t> children;
    for (int i = 0; i < n; ++i) {
        pid_t child = fork();
        if (child == 0) {
            try {
                work(i);
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    int ok = 0;
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ok += WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return ok;
}

} // namespace

TEST(RegisterStore, ChangesOfManyProcessesAtOnceAreAllKept) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    write_register(path, TaskRegister{});
    ASSERT_EQ(in_processes(8,
                           [&](int p) {
                               RegisterStore store = RegisterStore::open(path);
                               for (int k = 0; k < 10; ++k) {
                                   const std::string code = "P" + std::to_string(p) + "K" + std::to_string(k);
                                   if (!store.add(code, "task") || !store.hand_over(code))
                                       throw std::runtime_error("not changed");
                               }
                           }),
              8);
    const TaskRegister reg = read_register(path);
    ASSERT_EQ(reg.entries.size(), 80u);
    for (const RegisterEntry& e : reg.entries)
        EXPECT_EQ(e.status, TaskStatus::HandedOver) << e.code;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "register and lock";
}

TEST(RegisterStore, AChangeActsOnWhatOthersWroteMeanwhile) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    write_register(path, TaskRegister{});
    RegisterStore window = RegisterStore::open(path);
    RegisterStore other = RegisterStore::open(path);
    ASSERT_TRUE(other.add("OTHER1", "entered elsewhere"));
    EXPECT_FALSE(window.add("OTHER1", "same code")) << "the code is taken on disk";
    ASSERT_TRUE(window.add("MINE01", "mine"));
    EXPECT_EQ(window.get().entries.size(), 2u);
    window.save();
    EXPECT_EQ(read_register(path).entries.size(), 2u);
}

TEST(RegisterStore, AHeldLockIsWaitedForAndThenRefusedInWords) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    write_register(path, TaskRegister{});
    FileLock held = FileLock::acquire(register_lock_path(path), std::chrono::milliseconds(0), "");
    try {
        change_register(
            path, [](TaskRegister& r) { return r.add("LATE01", "", 0); }, std::chrono::milliseconds(200));
        FAIL() << "changed while locked";
    } catch (const RegisterBusy& e) {
        EXPECT_NE(std::string(e.what()).find("is being changed by another program"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("200 ms"), std::string::npos);
    }
    EXPECT_TRUE(read_register(path).entries.empty());
}

TEST(RegisterStore, AChangeThatThrowsWritesNothing) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    write_register(path, TaskRegister{});
    EXPECT_THROW(change_register(path,
                                 [](TaskRegister& r) -> bool {
                                     r.add("HALF01", "", 0);
                                     throw FileAccessError("copy failed");
                                 }),
                 FileAccessError);
    EXPECT_TRUE(read_register(path).entries.empty());
}
