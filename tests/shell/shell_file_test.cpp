#include "common/atomic_file.h"
#include "common/byte_codec.h"
#include "common/errors.h"
#include "shell/shell_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

using namespace zep;

namespace {

ShellSource small_shell() {
    ShellSource s;
    s.displayName = "rus Русский";
    s.tables.labels = {"ОКР", ""};
    s.tables.texts = {" и ", "Ввод", ""};
    s.tables.lists = {{"a", "b"}, {}, {"c"}};
    s.extraLabels = {"note", ""};
    return s;
}

} // namespace

TEST(ShellFile, RussianExtensionRuleIsByteForByte) {
    struct Case {
        const char* ext;
        bool russian;
    } cases[] = {{"rus", true},  {"Rus", true},  {"рус", true},  {"Рус", true},
                 {"RUS", false}, {"rUs", false}, {"РУС", false}, {"eng", false}};
    for (const auto& c : cases)
        EXPECT_EQ(is_russian_extension(c.ext), c.russian) << c.ext;
}

TEST(ShellFile, RoundTripWithAndWithoutTheExtraLabelRecord) {
    test::TempDir dir;
    for (const char* ext : {"rus", "Рус", "eng", "RUS"}) {
        auto path = dir / (std::string("shell.") + ext);
        write_shell(path, small_shell(), ext);
        ShellTables t = load_shell(path, ext);
        EXPECT_EQ(t.labels, small_shell().tables.labels) << ext;
        EXPECT_EQ(t.texts, small_shell().tables.texts) << ext;
        EXPECT_EQ(t.lists, small_shell().tables.lists) << ext;
        EXPECT_EQ(read_shell_display_name(path), "rus Русский");
    }
    // The Russian file carries one more record per label: 4 + 1 + 4 ("note") and 4 + 1 + 0.
    EXPECT_EQ(std::filesystem::file_size(dir / "shell.rus"),
              std::filesystem::file_size(dir / "shell.eng") + 14);
}

TEST(ShellFile, ExactBytesOfHeadCountsAndAnEmptyString) {
    ShellSource s;
    s.displayName = std::string(24, 'e'); // fills the head completely
    s.tables.texts = {""};
    auto bytes = encode_shell(s, "eng");
    std::vector<std::uint8_t> expected(1, 24);
    expected.insert(expected.end(), 24, 'e');
    for (int count : {0, 1, 0})
        for (int i = 0; i < 4; ++i)
            expected.push_back(i == 0 ? count : 0);
    for (int b : {0, 0, 0, 0, 0}) // the empty text: L = 0 and its length byte
        expected.push_back(static_cast<std::uint8_t>(b));
    EXPECT_EQ(bytes, expected);
}

TEST(ShellFile, ReadingAsTheOtherKindFails) {
    // A Russian file read without the extra record (and the other way round) does not parse cleanly.
    test::TempDir dir;
    auto path = dir / "shell";
    write_shell(path, small_shell(), "rus");
    EXPECT_THROW(load_shell(path, "RUS"), FileFormatError);
}

TEST(ShellFile, DamagedFilesAreRefusedWithTheFileName) {
    test::TempDir dir;
    auto good = encode_shell(small_shell(), "eng");
    auto path = dir / "Shell (ZEP 2.2).eng";

    struct Damage {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Damage> cases;
    cases.push_back({"cut short", {good.begin(), good.end() - 1}});
    auto hugeCount = good;
    hugeCount[29] = 0xFF; // NT = 255 texts in a file of a few bytes
    hugeCount[30] = 0xFF;
    cases.push_back({"impossible count", hugeCount});
    auto negative = good;
    negative[28] = 0x80; // NL < 0
    cases.push_back({"negative count", negative});
    auto longName = good;
    longName[0] = 30; // a display name of 30 characters in a field of 24, which every reader refuses
    cases.push_back({"display name over capacity", longName});
    {
        ByteWriter w;
        w.text_bytes("eng", 24);
        w.i32(1);
        w.i32(0);
        w.i32(0);
        w.i32(16); // a label of 16 characters in a slot of 15
        w.u8(16);
        w.zeros(16);
        cases.push_back({"label over capacity", w.take()});
    }
    for (const auto& c : cases) {
        write_file_atomically(path, c.bytes);
        try {
            load_shell(path, "eng");
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const FileFormatError& e) {
            EXPECT_NE(std::string(e.what()).find("Shell (ZEP 2.2).eng"), std::string::npos) << c.what;
        }
    }
}

TEST(ShellFile, MissingEntriesAreNamed) {
    ShellTables t;
    t.texts.resize(500);
    t.labels.resize(33);
    t.lists = {{"a", "b", "c", "d", "e"}};
    auto missing = t.missing_entries();
    ASSERT_FALSE(missing.empty());
    EXPECT_EQ(missing.front(), "texts 500 to 526");
    EXPECT_EQ(missing[1], "list 1 items 0 to 3");
}
