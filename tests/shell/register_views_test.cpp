#include "shell/register_views.h"

#include "common/atomic_file.h"
#include "shell/naming_shell.h"
#include "shell/task_files.h"
#include "shell/user_operations.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TaskRegister register_of(std::initializer_list<std::pair<const char*, TaskStatus>> tasks) {
    TaskRegister reg;
    for (auto [code, status] : tasks) {
        reg.add(code, std::string("name ") + code, 45000.5);
        reg.find(code)->status = status;
    }
    return reg;
}

TEST(RegisterViews, EachSelectionOffersTheTasksItsPurposeAllows) {
    const TaskRegister reg = register_of({{"A00001", TaskStatus::Entered},
                                          {"A00002", TaskStatus::HandedOver},
                                          {"A00003", TaskStatus::Solved},
                                          {"A00004", TaskStatus::Entered}});
    EXPECT_EQ(offered_entries(reg, SelectionPurpose::ViewTask), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(offered_entries(reg, SelectionPurpose::ViewSolution), (std::vector<std::size_t>{2}));
    EXPECT_EQ(offered_entries(reg, SelectionPurpose::CorrectTask), (std::vector<std::size_t>{0, 3}));
    EXPECT_TRUE(offered_entries(TaskRegister{}, SelectionPurpose::ViewTask).empty());
    EXPECT_EQ(task_line(reg.entries[0]), "[A00001] name A00001");
}

TEST(RegisterViews, RowsGrowWithTheStatus) {
    const ShellTables sh = testing::naming_shell("T", kRequiredTexts);
    TaskRegister reg = register_of({{"A00001", TaskStatus::Entered}});
    RegisterEntry& e = reg.entries[0];
    auto keys = [&] {
        std::vector<std::string> k;
        for (const ProtocolRow& r : protocol_rows(e, sh))
            k.push_back(r.key + (r.isDate ? "@" : "=" + r.text));
        return k;
    };
    EXPECT_EQ(keys(),
              (std::vector<std::string>{"T486=A00001", "T213=name A00001", "T424=T490", "T98@", "T97@"}));
    e.status = TaskStatus::HandedOver;
    EXPECT_EQ(keys().size(), 6u);
    EXPECT_EQ(keys()[2], "T424=T296");
    e.status = TaskStatus::Solved;
    EXPECT_EQ(keys().back(), "T96@");
    EXPECT_EQ(keys()[2], "T424=T145");
}

TEST(RegisterViews, CommandsFollowStatusFilesAndDemoCodes) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    std::filesystem::create_directories(ws.solving());
    TaskRegister reg = register_of({{"A00001", TaskStatus::Entered}, {"XDEMR1", TaskStatus::HandedOver}});
    ProtocolCommands entered = protocol_commands(reg.entries[0], ws);
    EXPECT_TRUE(entered.canDelete && entered.canUnload && !entered.canLoad);
    ProtocolCommands demo = protocol_commands(reg.entries[1], ws);
    EXPECT_FALSE(demo.canDelete || demo.canUnload || demo.canLoad);
    write_file_atomically(ws.solving() / "zep_XDEMR1_out.dat", std::vector<std::uint8_t>{1});
    EXPECT_TRUE(protocol_commands(reg.entries[1], ws).canLoad);
    EXPECT_TRUE(is_demo_task("DEME01"));
    EXPECT_FALSE(is_demo_task("DEMX01"));
}

TEST(RegisterViews, TheQuestionNamesFiftyCharactersAndTheSelectionMovesUp) {
    ShellTables sh;
    sh.texts.assign(100, "");
    sh.texts[67] = "Удалить задачу";
    const std::string name(60, 'x');
    EXPECT_EQ(delete_question(sh, "Склад № 5"), "Удалить задачу \"Склад № 5\"?");
    EXPECT_EQ(delete_question(sh, std::string(60, 'x')), "Удалить задачу \"" + std::string(50, 'x') + "\"?");
    std::string cyr;
    for (int i = 0; i < 55; ++i)
        cyr += "ж";
    EXPECT_EQ(delete_question(sh, cyr).size(), std::string("Удалить задачу \"\"?").size() + 100);
    EXPECT_EQ(selection_after_delete(0, 2), 0);
    EXPECT_EQ(selection_after_delete(2, 2), 1); // the last line went: the new last line
    EXPECT_EQ(selection_after_delete(0, 0), -1);
}

TEST(TaskFiles, DeleteRemovesEveryFileThatExistsThenTheEntry) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    std::filesystem::create_directories(ws.data());
    std::filesystem::create_directories(ws.solving());
    const auto files = task_files(ws, "A00001");
    ASSERT_EQ(files.size(), 5u);
    for (std::size_t i = 0; i < files.size(); i += 2)
        write_file_atomically(files[i], std::vector<std::uint8_t>{7});
    write_file_atomically(ws.data() / "zep_A00002.dat", std::vector<std::uint8_t>{7});
    std::filesystem::create_directories(ws.system());
    RegisterStore reg(ws.register_file(), TaskRegister{});
    reg.add("A00001", "one");
    reg.add("A00002", "two");
    delete_task(ws, reg, "A00001");
    EXPECT_EQ(read_register(ws.register_file()).entries.size(), 1u);
    EXPECT_EQ(reg.get().entries.size(), 1u);
    for (const auto& f : files)
        EXPECT_FALSE(std::filesystem::exists(f)) << f;
    EXPECT_TRUE(std::filesystem::exists(ws.data() / "zep_A00002.dat"));
}

} // namespace
} // namespace zep
