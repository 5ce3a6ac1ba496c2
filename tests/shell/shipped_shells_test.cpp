// The shells the build ships: complete, every entry non-empty, and the Russian one read with its extra
// label records.
#include "shell/startup.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(ShippedShells, BothLoadCompleteWithEveryEntryWorded) {
    Workspace ws{ZEP_PROGRAM_DIR};
    auto shells = find_shell_files(ws);
    ASSERT_EQ(shells.size(), 2u);
    for (const auto& ref : shells) {
        ShellLoadResult r = load_program_shell(ref);
        ASSERT_TRUE(r) << startup_refusal_text(r.refusal());
        const ShellTables& t = r.value().tables;
        for (std::size_t i = 0; i < t.texts.size(); ++i)
            EXPECT_FALSE(t.texts[i].empty()) << ref.fileName << " text " << i;
        for (std::size_t i = 0; i < t.labels.size(); ++i)
            EXPECT_FALSE(t.labels[i].empty()) << ref.fileName << " label " << i;
        for (std::size_t j = 0; j < t.lists.size(); ++j)
            for (std::size_t i = 0; i < t.lists[j].size(); ++i)
                EXPECT_FALSE(t.lists[j][i].empty()) << ref.fileName << " list " << j << " item " << i;
        EXPECT_EQ(read_shell_display_name(ref.path).substr(0, 3), ref.extension);
    }
}

TEST(ShippedShells, RussianDefaultsOfTheMainMenu) {
    Workspace ws{ZEP_PROGRAM_DIR};
    auto choice = choose_shell(find_shell_files(ws), std::string("rus"), "");
    ASSERT_TRUE(choice);
    ShellLoadResult r = load_program_shell(*choice);
    ASSERT_TRUE(r) << startup_refusal_text(r.refusal());
    const ShellTables& t = r.value().tables;
    EXPECT_EQ(t.text(502), "Ввод");
    EXPECT_EQ(t.text(54), "Ввод новой задачи");
    EXPECT_EQ(t.text(79), "Выход");
    EXPECT_EQ(t.text(4), "Вывод");
    EXPECT_EQ(t.text(503), "Выполнение оптимизации");
}
