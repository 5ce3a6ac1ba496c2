#include "common/atomic_file.h"
#include "shell/shipped_tasks.h"
#include "shell/task_register.h"
#include "test_dir.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace zep;
namespace fs = std::filesystem;

namespace {

Workspace make_workspace(const fs::path& root, const TaskRegister& reg) {
    Workspace ws{root};
    fs::create_directories(ws.system());
    fs::create_directories(ws.data());
    fs::create_directories(ws.solving());
    write_register(ws.register_file(), reg);
    return ws;
}

void put(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::string text_of(const fs::path& file) {
    auto bytes = read_whole_file(file);
    return std::string(bytes.begin(), bytes.end());
}

RegisterEntry entry(const std::string& code, TaskStatus status, double created) {
    RegisterEntry e;
    e.code = code;
    e.name = "Задача " + code;
    e.status = status;
    e.created = e.modified = created;
    return e;
}

// A shipped workspace with a solved demo task and an entered one.
struct Shipped {
    test::TempDir dir;
    Workspace ws;
    Shipped() {
        TaskRegister reg;
        reg.entries = {entry("DEMR01", TaskStatus::Solved, 200), entry("DEME03", TaskStatus::Entered, 200)};
        ws = make_workspace(dir.path(), reg);
        for (const char* f : {"zep_DEMR01.dat", "zep_DEMR01_in.dat", "zep_DEMR01_out.dat", "zep_DEME03.dat",
                              "zep_DEME03_in.dat"})
            put(ws.data() / f, std::string("shipped ") + f);
    }
};

} // namespace

TEST(ShippedTasks, MissingTasksComeWithTheirFilesAndOwnTasksStay) {
    Shipped shipped;
    test::TempDir dir;
    TaskRegister own;
    own.entries = {entry("HOUSE1", TaskStatus::Entered, 100)};
    Workspace ws = make_workspace(dir.path(), own);
    put(ws.data() / "zep_HOUSE1.dat", "mine");

    EXPECT_EQ(bring_in_shipped_tasks(ws, shipped.ws), (std::vector<std::string>{"DEMR01", "DEME03"}));
    TaskRegister reg = read_register(ws.register_file());
    ASSERT_EQ(reg.entries.size(), 3u);
    EXPECT_EQ(reg.entries[0].code, "HOUSE1");
    EXPECT_EQ(reg.entries[1].status, TaskStatus::Solved);
    EXPECT_EQ(reg.entries[1].name, "Задача DEMR01");
    EXPECT_EQ(text_of(ws.data() / "zep_DEMR01_out.dat"), "shipped zep_DEMR01_out.dat");
    EXPECT_EQ(text_of(ws.data() / "zep_HOUSE1.dat"), "mine");
    EXPECT_FALSE(fs::exists(ws.data() / "zep_DEME03_out.dat"));
}

TEST(ShippedTasks, OlderCopyIsReplacedAndItsStrayFilesRemoved) {
    Shipped shipped;
    test::TempDir dir;
    TaskRegister own;
    RegisterEntry handedOver = entry("DEME03", TaskStatus::HandedOver, 150);
    handedOver.unloaded = 160;
    own.entries = {handedOver};
    Workspace ws = make_workspace(dir.path(), own);
    put(ws.data() / "zep_DEME03.dat", "old");
    put(ws.data() / "zep_DEME03_out.dat", "old solution");
    put(ws.solving() / "zep_DEME03_in.dat", "old input");

    bring_in_shipped_tasks(ws, shipped.ws);
    const TaskRegister reg = read_register(ws.register_file());
    const RegisterEntry* e = reg.find("DEME03");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->status, TaskStatus::Entered);
    EXPECT_EQ(e->created, 200);
    EXPECT_EQ(text_of(ws.data() / "zep_DEME03.dat"), "shipped zep_DEME03.dat");
    EXPECT_FALSE(fs::exists(ws.data() / "zep_DEME03_out.dat"));
    EXPECT_FALSE(fs::exists(ws.solving() / "zep_DEME03_in.dat"));
}

TEST(ShippedTasks, SameOrNewerCopyKeepsTheProgressMadeOnIt) {
    Shipped shipped;
    test::TempDir dir;
    TaskRegister own;
    own.entries = {entry("DEMR01", TaskStatus::Solved, 200), entry("DEME03", TaskStatus::HandedOver, 300)};
    Workspace ws = make_workspace(dir.path(), own);
    put(ws.solving() / "zep_DEME03_in.dat", "waiting");
    const auto before = read_whole_file(ws.register_file());

    EXPECT_TRUE(bring_in_shipped_tasks(ws, shipped.ws).empty());
    EXPECT_EQ(read_whole_file(ws.register_file()), before);
    EXPECT_EQ(text_of(ws.solving() / "zep_DEME03_in.dat"), "waiting");
    EXPECT_FALSE(fs::exists(ws.data() / "zep_DEMR01.dat"));
}
