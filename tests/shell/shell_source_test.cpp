#include "shell/shell_source.h"
#include "test_dir.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace zep;

namespace {

std::filesystem::path write(const test::TempDir& dir, const std::string& name, const std::string& body) {
    auto p = dir / name;
    std::ofstream(p) << body;
    return p;
}

} // namespace

TEST(ShellSource, QuotedValuesKeepTheirBlanksAndEntriesLandInPlace) {
    test::TempDir dir;
    auto a = write(dir, "a.txt", "# comment\nname = rus - Русский\ntext 0 = \" и \"\ntext 2 =  Ввод  \n");
    auto b = write(dir, "b.txt", "label 1 = ОКР\nextra 1 = note\nlist 1.0 = item\ntext 1 = \"x \"\n");
    ShellSource s = compile_shell_sources({a, b}, "rus", ShellCompleteness::Partial);
    EXPECT_EQ(s.displayName, "rus - Русский");
    ASSERT_EQ(s.tables.texts.size(), 3u);
    EXPECT_EQ(s.tables.texts[0], " и ");
    EXPECT_EQ(s.tables.texts[2], "Ввод");
    EXPECT_EQ(s.tables.labels[1], "ОКР");
    EXPECT_EQ(s.extraLabels[1], "note");
    EXPECT_EQ(s.tables.lists[1][0], "item");
}

TEST(ShellSource, EveryProblemIsReportedWithFileAndLine) {
    test::TempDir dir;
    auto f = write(dir, "bad.txt",
                   "name = eng English\n"
                   "text 1 = one\n"
                   "text 1 = again\n"                  // line 3: twice
                   "label 0 = much too long a label\n" // line 4: over 15
                   "text 2 = ✓\n"                      // line 5: outside the code page
                   "extra 0 = x\n"                     // line 6: not a Russian shell
                   "bogus 3 = y\n");                   // line 7
    try {
        compile_shell_sources({f}, "eng", ShellCompleteness::Complete);
        FAIL();
    } catch (const ShellSourceError& e) {
        std::string m = e.what();
        for (const char* where : {"bad.txt:3:", "bad.txt:4:", "bad.txt:5:", "bad.txt:6:", "bad.txt:7:"})
            EXPECT_NE(m.find(where), std::string::npos) << where << " in\n" << m;
        EXPECT_NE(m.find("missing texts: 0, 3"), std::string::npos) << m;
    }
}

TEST(ShellSource, DisplayNameMustBeginWithTheExtension) {
    test::TempDir dir;
    auto f = write(dir, "n.txt", "name = English\ntext 0 = x\n");
    EXPECT_THROW(compile_shell_sources({f}, "eng", ShellCompleteness::Partial), ShellSourceError);
}
