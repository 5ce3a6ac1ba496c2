// Workbook files: .xlsx (written here with libxlsxwriter), .ods and .xls (committed fixtures written by
// tests/fixtures/make_workbooks.py), all from the same cell descriptions; and the tasks they describe,
// imported and entered, compared with the same tasks typed in from their JSON descriptions.
#include "common/atomic_file.h"
#include "common/json_reader.h"
#include "task/task_file.h"
#include "task/workbook_reader.h"
#include "wizard_fixture.h"

#include <xlsxwriter.h>

#include <fstream>

namespace zep {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(ZEP_SOURCE_DIR) / "tests/fixtures/workbooks";

std::string read_text(const std::filesystem::path& p) {
    std::vector<std::uint8_t> bytes = read_whole_file(p);
    return std::string(bytes.begin(), bytes.end());
}

JsonValue sheets_of(const std::string& name) {
    return *parse_json(read_text(kFixtures / (name + ".sheets.json"))).find("sheets");
}

// The .xlsx twin of a cell description.
void write_xlsx(const std::filesystem::path& path, const JsonValue& sheets) {
    lxw_workbook* book = workbook_new(path.string().c_str());
    ASSERT_NE(book, nullptr);
    for (const JsonValue& sheet : sheets.items) {
        lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
        for (std::size_t r = 0; r < sheet.items.size(); ++r) {
            for (std::size_t c = 0; c < sheet.items[r].items.size(); ++c) {
                const JsonValue& v = sheet.items[r].items[c];
                if (v.is(JsonValue::Kind::Number))
                    worksheet_write_number(ws, r, c, v.number, nullptr);
                else if (v.is(JsonValue::Kind::String))
                    worksheet_write_string(ws, r, c, v.string.c_str(), nullptr);
            }
        }
    }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
}

// What the reader must give for a described cell: texts as they are, numbers as shortest decimal text
// with ",".
std::string expected_text(const JsonValue& v) {
    if (v.is(JsonValue::Kind::String))
        return v.string;
    if (!v.is(JsonValue::Kind::Number))
        return {};
    std::string t = v.numberText;
    for (char& c : t)
        if (c == '.')
            c = ',';
    return t;
}

TEST(WorkbookFiles, EveryFormatReadsTheDescribedCells) {
    test::TempDir dir;
    for (const std::string name : {"plain", "resources", "decomposed"}) {
        const JsonValue sheets = sheets_of(name);
        write_xlsx(dir / (name + ".xlsx"), sheets);
        for (const std::filesystem::path& file :
             {dir / (name + ".xlsx"), kFixtures / (name + ".ods"), kFixtures / (name + ".xls")}) {
            auto book = open_workbook(file, ',');
            ASSERT_EQ(book->sheet_count(), static_cast<int>(sheets.items.size())) << file;
            for (std::size_t s = 0; s < sheets.items.size(); ++s) {
                const JsonValue& rows = sheets.items[s];
                for (std::size_t r = 0; r < rows.items.size(); ++r)
                    for (std::size_t c = 0; c < 10; ++c) {
                        const JsonValue none;
                        const JsonValue& v = c < rows.items[r].items.size() ? rows.items[r].items[c] : none;
                        EXPECT_EQ(book->cell_text(s, r, c), expected_text(v))
                            << file.filename() << " sheet " << s + 1 << " " << cell_name(r, c);
                    }
            }
            EXPECT_EQ(book->cell_text(0, 500, 0), "");
            EXPECT_EQ(book->cell_text(9, 0, 0), "");
        }
    }
}

TEST(WorkbookFiles, AFileThatIsNotAWorkbookIsRefusedNamingIt) {
    test::TempDir dir;
    const std::filesystem::path text = dir / "notes.xlsx";
    std::ofstream(text) << "not a workbook";
    const std::filesystem::path fake = dir / "fake.xls";
    std::ofstream(fake, std::ios::binary)
        << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) << std::string(600, 'x');
    for (const auto& p : {text, fake, dir / "missing.ods"}) {
        try {
            open_workbook(p, ',');
            ADD_FAILURE() << p << " was read";
        } catch (const WorkbookError& e) {
            EXPECT_NE(std::string(e.what()).find(p.filename().string()), std::string::npos) << e.what();
        }
    }
}

// The real Russian shell: its unit lists hold the units the fixtures use.
WizardContext russian(test::WizardFixture& f) {
    WizardContext ctx = f.context();
    const auto shell = std::filesystem::path(ZEP_PROGRAM_DIR) / "Shells" / "Shell (ZEP 2.2).rus";
    ctx.shell = load_shell(shell, "rus");
    return ctx;
}

std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>> task_files(const Workspace& ws,
                                                                           const std::string& code) {
    return {read_whole_file(task_file_path(ws, code)), read_whole_file(solver_input_path(ws, code))};
}

TEST(WorkbookFiles, AWorkbookGivesTheSameFilesAsTheTaskTypedIn) {
    struct Case {
        const char* name;
        const char* code;
    } cases[] = {{"plain", "WBPLN1"}, {"resources", "WBRES1"}, {"decomposed", "WBDEC1"}};
    test::TempDir dir;
    for (const auto& c : cases) {
        test::WizardFixture typed;
        Wizard w(russian(typed), EntryMode::NewTask);
        ScriptRun run = run_task_script(
            w, parse_task_script(read_text(kFixtures / (std::string(c.name) + ".task.json"))));
        ASSERT_TRUE(run.saved) << c.name << ": " << (run.refusal ? run.refusal->text : run.stopReason);
        const auto expected = task_files(typed.ws, c.code);

        write_xlsx(dir / (std::string(c.name) + ".xlsx"), sheets_of(c.name));
        for (const std::filesystem::path& book :
             {dir / (std::string(c.name) + ".xlsx"), kFixtures / (std::string(c.name) + ".ods"),
              kFixtures / (std::string(c.name) + ".xls")}) {
            test::WizardFixture imported;
            Wizard wb(russian(imported), EntryMode::ImportTask);
            ImportOutcome in = wb.import_workbook(book);
            ASSERT_TRUE(in.ok) << book << ": " << in.message;
            EXPECT_TRUE(wb.import_done());
            ScriptRun r = run_task_script(wb, TaskScript{});
            ASSERT_TRUE(r.saved) << book << ": " << (r.refusal ? r.refusal->text : r.stopReason);
            const auto got = task_files(imported.ws, c.code);
            EXPECT_TRUE(got.first == expected.first) << book << ": the task files differ";
            EXPECT_TRUE(got.second == expected.second) << book << ": the solver input files differ";
            ASSERT_EQ(imported.reg->get().entries.size(), 1u);
            EXPECT_EQ(imported.reg->get().entries[0].code, c.code);
        }
    }
}

TEST(WorkbookFiles, AFailedImportChangesNothing) {
    test::TempDir dir;
    JsonValue sheets = sheets_of("plain");
    write_xlsx(dir / "good.xlsx", sheets);
    sheets.items[3].items[2].items[5].kind = JsonValue::Kind::String; // the time of Dig's second variant
    sheets.items[3].items[2].items[5].string = "seven";
    write_xlsx(dir / "bad.xlsx", sheets);

    test::WizardFixture f;
    Wizard w(russian(f), EntryMode::ImportTask);
    ASSERT_TRUE(w.import_workbook(dir / "good.xlsx").ok);
    w.inputs().name = "Kept name";
    ImportOutcome bad = w.import_workbook(dir / "bad.xlsx");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message, "Sheet 4, cell F3: \"seven\" is not a number.");
    ImportOutcome missing = w.import_workbook(dir / "missing.xlsx");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(w.import_done());
    EXPECT_EQ(w.record().header.taskCode, "WBPLN1");
    EXPECT_EQ(w.record().chains[0].operations[0].variants[1].time, 7);
    EXPECT_EQ(w.inputs().name, "Kept name");
}

// Another task's data: the graph, thresholds, decomposition and marks come along; code and name do not.
TEST(TaskFileImport, KeepsTheTaskButNotItsCodeAndName) {
    test::TempDir dir;
    JsonValue sheets = sheets_of("decomposed");
    // Marks on every operation: the first variant of each marked 1, i1's second variant marked 2.
    for (std::size_t r : {1u, 2u, 4u, 6u, 9u}) {
        auto& row = sheets.items[3].items[r].items;
        row.resize(8);
        row[7].kind = JsonValue::Kind::Number;
        row[7].number = r == 9 ? 2 : 1;
    }
    write_xlsx(dir / "marked.xlsx", sheets);

    test::WizardFixture f;
    {
        Wizard w(russian(f), EntryMode::ImportTask);
        ASSERT_TRUE(w.import_workbook(dir / "marked.xlsx").ok);
        ScriptRun r = run_task_script(w, TaskScript{});
        ASSERT_TRUE(r.saved) << (r.refusal ? r.refusal->text : r.stopReason);
    }
    Wizard w(russian(f), EntryMode::ImportTask);
    ASSERT_EQ(w.import_list().size(), 2u);
    EXPECT_EQ(w.import_list()[0], "none");
    EXPECT_EQ(w.import_list()[1], "[WBDEC1] - Decomposed, time minimised");
    ImportOutcome in = w.import_task_file(1);
    ASSERT_TRUE(in.ok) << in.message;
    const TaskRecord& rec = w.record();
    EXPECT_EQ(rec.header.taskCode, "");
    EXPECT_EQ(rec.header.taskName, "");
    EXPECT_EQ(rec.header.decompositionMode, 1);
    EXPECT_EQ(rec.header.subgraphCount, 1);
    EXPECT_EQ(rec.thresholds, (std::vector<int>{19, 21}));
    EXPECT_EQ(rec.chains[1].subgraphNo, 1);
    EXPECT_EQ(rec.chains[1].fromOp, 2);
    EXPECT_EQ(rec.marksPresent, 1);
    EXPECT_EQ(rec.chains[1].operations[0].mark.markCode, 2);
    EXPECT_EQ(rec.chains[1].operations[0].variants.size(), 1u);
    EXPECT_EQ(rec.chains[1].operations[0].variants[0].essence, "b");
    EXPECT_EQ(w.inputs().chainCount, "2");
    EXPECT_EQ(w.inputs().nestedChainCount, "1");
    EXPECT_EQ(w.inputs().allowedSubgraphs, "1");
    EXPECT_EQ(w.inputs().quantSteps, "5");

    // "none" takes the import back.
    ASSERT_TRUE(w.import_task_file(0).ok);
    EXPECT_FALSE(w.import_done());
    EXPECT_TRUE(w.record().chains.empty());
    EXPECT_EQ(w.import_label(), w.context().shell.text(224));
}

} // namespace
} // namespace zep
