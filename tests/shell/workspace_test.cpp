#include "shell/shell_file.h"
#include "shell/startup.h"
#include "shell/task_register.h"
#include "shell/workspace.h"
#include "test_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zep;
namespace fs = std::filesystem;

TEST(Workspace, EmptyOrMissingFolderIsSeededFromTheShippedOne) {
    test::TempDir dir;
    for (fs::path requested : {dir / "new", dir / "empty"}) {
        if (requested.filename() == "empty")
            fs::create_directory(requested);
        Workspace ws = open_workspace(requested, ZEP_PROGRAM_DIR);
        EXPECT_TRUE(fs::is_directory(ws.data()));
        EXPECT_TRUE(fs::is_directory(ws.solving()));
        EXPECT_TRUE(fs::exists(ws.info_file()));
        EXPECT_EQ(fs::file_size(ws.register_file()), 48u);
        EXPECT_EQ(find_shell_files(ws).size(), 2u);
    }
}

TEST(Workspace, SeedingFromManyProcessesAtOnceGivesOneWholeWorkspace) {
    test::TempDir dir;
    const fs::path requested = dir / "shared";
    std::vector<pid_t> children;
    for (int i = 0; i < 8; ++i) {
        pid_t child = fork();
        if (child == 0) {
            try {
                Workspace ws = open_workspace(requested, ZEP_PROGRAM_DIR);
                if (find_shell_files(ws).size() != 2 ||
                    load_shell(ws.shells() / shell_file_name("eng"), "eng").missing_entries().size() != 0)
                    _exit(2);
                RegisterStore store = RegisterStore::open(ws.register_file());
                _exit(store.add("SEED0" + std::to_string(i), "seeded") ? 0 : 3);
            } catch (...) {
                _exit(1);
            }
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(read_register(Workspace{requested}.register_file()).entries.size(), 8u);
}

TEST(Workspace, AnEmptyFolderNameIsRefusedInWords) {
    try {
        open_workspace(fs::path(""), ZEP_PROGRAM_DIR);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "The workspace folder is not named: --workspace was given an empty text.");
    }
}

TEST(Workspace, ExistingFolderIsTakenAsItIs) {
    test::TempDir dir;
    std::ofstream(dir / "something") << "x";
    Workspace ws = open_workspace(dir.path(), ZEP_PROGRAM_DIR);
    EXPECT_FALSE(fs::exists(ws.shells()));
}

TEST(Workspace, ShellSearchMatchesExactlyThreeCharacters) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    fs::create_directories(ws.shells());
    for (const char* name : {"Shell (ZEP 2.2).rus", "Shell (ZEP 2.2).рус", "Shell (ZEP 2.2).en",
                             "Shell (ZEP 2.2).engl", "Shell (ZEP 2.1).eng", "shell (ZEP 2.2).eng"})
        std::ofstream(ws.shells() / name) << "x";
    auto found = find_shell_files(ws);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].extension, "rus");
    EXPECT_EQ(found[1].extension, "рус");
}

TEST(Workspace, SolvingInputNeedsTheFullPattern) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    fs::create_directories(ws.solving());
    std::ofstream(ws.solving() / "zep_ABC_in.dat") << "x";
    std::ofstream(ws.solving() / "zep_ABCDEF_out.dat") << "x";
    EXPECT_FALSE(solving_has_input(ws));
    std::ofstream(ws.solving() / "zep_ABCDEF_in.dat") << "x";
    EXPECT_TRUE(solving_has_input(ws));
}

TEST(Workspace, CommandLineShellChoice) {
    std::vector<ShellFileRef> shells = {{"Shell (ZEP 2.2).eng", "eng", {}},
                                        {"Shell (ZEP 2.2).rus", "rus", {}}};
    EXPECT_EQ(choose_shell(shells, std::string("rus"), "en")->extension, "rus");
    EXPECT_FALSE(choose_shell(shells, std::string("deu"), "en").has_value());
    EXPECT_EQ(choose_shell(shells, std::nullopt, "ru")->extension, "rus");
    EXPECT_EQ(choose_shell(shells, std::nullopt, "fr")->extension, "eng");
    EXPECT_FALSE(choose_shell({}, std::nullopt, "ru").has_value());
}

TEST(Startup, ChosenDisplayNameMustNameAnExistingFile) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    fs::create_directories(ws.shells());
    std::ofstream(ws.shells() / "Shell (ZEP 2.2).eng") << "x";
    EXPECT_TRUE(resolve_language_choice(ws, "eng English").ok());
    LanguageChoice c = resolve_language_choice(ws, "English");
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(startup_refusal_text(c.refusal()), missing_chosen_shell_message("Shell (ZEP 2.2).Eng"));
}

TEST(Startup, MissingRegisterIsCreatedEmptyAndSaid) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    RegisterOpenResult r = open_register(ws);
    ASSERT_TRUE(r.store.has_value());
    EXPECT_FALSE(r.note.empty());
    EXPECT_EQ(fs::file_size(ws.register_file()), 48u);
}
