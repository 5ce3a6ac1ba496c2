#include "shell/user_operations.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "file_size_limit.h"
#include "task/sample_tasks.h"
#include "task/solver_input.h"
#include "task/task_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

const std::string kShell = "Shell (ZEP 2.2).rus";

struct SavingFixture : ::testing::Test {
    test::TempDir dir;
    Workspace ws{dir.path()};
    std::optional<RegisterStore> reg;

    void SetUp() override {
        std::filesystem::create_directories(ws.data());
        std::filesystem::create_directories(ws.system());
        reg.emplace(ws.register_file(), TaskRegister{});
        reg->save();
    }
    std::size_t entries_on_disk() const { return read_register(ws.register_file()).entries.size(); }
};

TEST_F(SavingFixture, NewTaskWritesBothFilesAndAddsItsEntry) {
    for (EntryMode mode : {EntryMode::NewTask, EntryMode::ImportTask}) {
        TaskRecord rec = test::decomposed_task();
        rec.header.taskCode = mode == EntryMode::NewTask ? "NEW001" : "NEW002";
        rec.header.chainCount = 0; // the working counts are what is saved
        save_task(rec, ws, mode, *reg, kShell);

        EXPECT_EQ(rec.header.chainCount, 3);
        TaskRecord back;
        read_task_file(back, ws, rec.header.taskCode);
        EXPECT_EQ(back.chains, rec.chains);
        EXPECT_EQ(read_whole_file(solver_input_path(ws, rec.header.taskCode)),
                  encode_solver_input(rec, kShell));
        const TaskRegister onDisk = read_register(ws.register_file());
        const RegisterEntry* e = onDisk.find(rec.header.taskCode);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->name, rec.header.taskName);
        EXPECT_EQ(e->status, TaskStatus::Entered);
        EXPECT_EQ(e->created, e->modified);
    }
    EXPECT_EQ(entries_on_disk(), 2u);
}

TEST_F(SavingFixture, CorrectionUpdatesTheEntryAndNeverAddsASecond) {
    TaskRecord rec = test::decomposed_task();
    save_task(rec, ws, EntryMode::NewTask, *reg, kShell);
    reg->hand_over("DEC001");
    reg->take_over("DEC001");

    rec.header.taskName = "Renamed";
    save_task(rec, ws, EntryMode::CorrectTask, *reg, kShell);
    TaskRegister onDisk = read_register(ws.register_file());
    ASSERT_EQ(onDisk.entries.size(), 1u);
    EXPECT_EQ(onDisk.entries[0].name, "Renamed");
    EXPECT_EQ(onDisk.entries[0].status, TaskStatus::Entered);

    // A "new" task under a code registered meanwhile (by another process) is not saved: the entry
    // and the files stay the other task's.
    const auto theirs = read_whole_file(task_file_path(ws, "DEC001"));
    rec.header.taskName = "Another";
    rec.chains[0].operations[0].variants[0].cost += 1;
    EXPECT_FALSE(save_task(rec, ws, EntryMode::NewTask, *reg, kShell));
    EXPECT_EQ(entries_on_disk(), 1u);
    EXPECT_EQ(read_register(ws.register_file()).entries[0].name, "Renamed");
    EXPECT_EQ(read_whole_file(task_file_path(ws, "DEC001")), theirs);
}

TEST_F(SavingFixture, CorrectedTaskWithoutEntryIsRegisteredAgain) {
    TaskRecord rec = test::resource_task();
    save_task(rec, ws, EntryMode::CorrectTask, *reg, kShell);
    EXPECT_NE(read_register(ws.register_file()).find("RES002"), nullptr);
}

TEST_F(SavingFixture, UnfitRecordLeavesFilesAndRegisterUntouched) {
    TaskRecord good = test::decomposed_task();
    save_task(good, ws, EntryMode::NewTask, *reg, kShell);
    const auto before = read_whole_file(task_file_path(ws, "DEC001"));

    TaskRecord bad = test::decomposed_task();
    bad.header.taskName = "Changed";
    bad.chains[0].operations[0].variants.clear();
    EXPECT_THROW(save_task(bad, ws, EntryMode::CorrectTask, *reg, kShell), std::invalid_argument);
    TaskRecord unencodable = test::decomposed_task();
    unencodable.chains[0].name = "漢字";
    EXPECT_THROW(save_task(unencodable, ws, EntryMode::CorrectTask, *reg, kShell), TextEncodingError);

    EXPECT_EQ(read_whole_file(task_file_path(ws, "DEC001")), before);
    EXPECT_EQ(read_register(ws.register_file()).entries[0].name, good.header.taskName);
}

TEST_F(SavingFixture, ARegisterThatCannotBeWrittenLeavesTheFilesAsTheyWere) {
    TaskRecord rec = test::decomposed_task();
    const std::size_t largest =
        std::max(encode_task_file(rec).size(), encode_solver_input(rec, kShell).size());
    for (int i = 0; read_whole_file(ws.register_file()).size() <= largest + 300; ++i)
        reg->add("FILL" + std::to_string(10 + i), "filler");
    const std::size_t before = entries_on_disk();
    // A new task: no file of it stays behind.
    ASSERT_TRUE(test::fails_to_write_under_limit(
        largest + 100, [&] { save_task(rec, ws, EntryMode::NewTask, *reg, kShell); }));
    EXPECT_FALSE(std::filesystem::exists(task_file_path(ws, "DEC001")));
    EXPECT_FALSE(std::filesystem::exists(solver_input_path(ws, "DEC001")));
    EXPECT_EQ(entries_on_disk(), before);
    // A correction: the files keep what the register's entry stands for.
    save_task(rec, ws, EntryMode::NewTask, *reg, kShell);
    const auto taskFile = read_whole_file(task_file_path(ws, "DEC001"));
    rec.header.taskName = "Renamed";
    rec.chains[0].operations[0].variants[0].cost += 1;
    ASSERT_TRUE(test::fails_to_write_under_limit(
        largest + 100, [&] { save_task(rec, ws, EntryMode::CorrectTask, *reg, kShell); }));
    EXPECT_EQ(read_whole_file(task_file_path(ws, "DEC001")), taskFile);
    EXPECT_NE(read_register(ws.register_file()).find("DEC001")->name, "Renamed");
}

} // namespace
} // namespace zep
