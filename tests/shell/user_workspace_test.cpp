#include "shell/task_register.h"
#include "shell/user_workspace.h"
#include "test_dir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

using namespace zep;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(UserWorkspace, FolderFollowsXdgDataHomeElseHome) {
    ScopedEnv home("HOME", "/home/planner");
    struct Case {
        const char* xdg;
        const char* folder;
    } cases[] = {
        {"/data/own", "/data/own/lite_kort_zep"},
        {nullptr, "/home/planner/.local/share/lite_kort_zep"},
        {"", "/home/planner/.local/share/lite_kort_zep"},
        {"relative/dir", "/home/planner/.local/share/lite_kort_zep"},
    };
    for (const Case& c : cases) {
        ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(user_workspace_folder(), fs::path(c.folder)) << (c.xdg ? c.xdg : "(unset)");
    }
}

TEST(UserWorkspace, FirstUseSeedsTheShellsAndTheShippedTasks) {
    test::TempDir dir;
    Workspace ws = open_user_workspace(dir / "share/lite_kort_zep", ZEP_PROGRAM_DIR);
    EXPECT_EQ(ws.root, dir / "share/lite_kort_zep");
    EXPECT_EQ(find_shell_files(ws).size(), 2u);
    EXPECT_TRUE(fs::exists(ws.info_file()));
    EXPECT_TRUE(fs::is_directory(ws.solving()));
    const TaskRegister reg = read_register(ws.register_file());
    const RegisterEntry* demo = reg.find("DEMR01");
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(demo->status, TaskStatus::Solved);
    EXPECT_TRUE(fs::exists(ws.data() / "zep_DEMR01_out.dat"));
    ASSERT_NE(reg.find("DEME03"), nullptr);
    EXPECT_FALSE(fs::exists(ws.data() / "zep_DEME03_out.dat"));
}

TEST(UserWorkspace, UsedFolderIsTakenAsItIs) {
    test::TempDir dir;
    Workspace first = open_user_workspace(dir.path(), ZEP_PROGRAM_DIR);
    TaskRegister reg = read_register(first.register_file());
    reg.remove("DEMR01");
    write_register(first.register_file(), reg);
    fs::remove(first.data() / "zep_DEMR01_out.dat");

    Workspace again = open_user_workspace(dir.path(), ZEP_PROGRAM_DIR);
    EXPECT_EQ(read_register(again.register_file()).find("DEMR01"), nullptr);
    EXPECT_FALSE(fs::exists(again.data() / "zep_DEMR01_out.dat"));
}

TEST(UserWorkspace, WritableFolderIsTheWorkspaceItself) {
    test::TempDir dir;
    EXPECT_TRUE(workspace_is_writable(dir.path()));
    EXPECT_EQ(default_workspace(dir.path()).root, dir.path());
}

TEST(UserWorkspace, ReadOnlyFolderIsNotWritable) {
    if (geteuid() == 0)
        GTEST_SKIP() << "every folder is writable to root; the install test runs this as another user";
    test::TempDir dir;
    Workspace ws{dir.path()};
    fs::create_directories(ws.data());
    fs::permissions(ws.data(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(workspace_is_writable(dir.path()));
    fs::permissions(ws.data(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(workspace_is_writable(dir.path()));
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(workspace_is_writable(dir.path())) << "System and Solving cannot be made";
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::add);
}
