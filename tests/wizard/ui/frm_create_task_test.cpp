#include "common/atomic_file.h"
#include "window_typist.h"
#include "wizard_window_harness.h"

#include <QTest>

using namespace zep;
using namespace zep::test;

namespace {

TaskScript script_of(const std::filesystem::path& json) {
    const auto bytes = read_whole_file(json);
    return parse_task_script(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// Types the task of `json` into a new wizard and compares what it saved with zep build's files.
void expect_typed_like_zep_build(const std::filesystem::path& json) {
    WizardWindowHarness h;
    const TaskScript script = script_of(json);
    TfrmCreateTask* w = h.open();
    ASSERT_NE(w, nullptr);
    WindowTypist typist(*w, script, ',');
    ASSERT_TRUE(typist.run()) << json << ": stays on step" << step_label(typist.stuckOn) << "\n"
                              << h.warnings();
    h.expect_same_files(h.zep_build("'" + json.string() + "'"), *script.code);
    EXPECT_NE(h.main->state().taskRegister->get().find(*script.code), nullptr);
    EXPECT_TRUE(h.main->isEnabled());
}

} // namespace

TEST(TfrmCreateTask, TasksTypedInGiveTheFilesOfZepBuild) {
    for (const char* name : {"plain.task.json", "resources.task.json", "decomposed.task.json"}) {
        SCOPED_TRACE(name);
        expect_typed_like_zep_build(fixture(name));
    }
}

// Time minimised on two chains side by side: step 8 asks for the second-level parameters.
TEST(TfrmCreateTask, SecondLevelTaskTypedInGivesTheFilesOfZepBuild) {
    test::TempDir dir;
    const std::filesystem::path json = dir / "second.task.json";
    write_text(json, R"({
  "code": "SECLV1", "name": "Второй уровень", "minimise": "time", "costUnit": "рубли", "timeUnit": "дни",
  "chains": [
    { "name": "A", "operations": [
        { "name": "a1", "variants": [ { "essence": "x", "time": 2, "cost": 5 }, { "essence": "y", "time": 4, "cost": 3 } ] },
        { "name": "a2", "variants": [ { "essence": "x", "time": 1.5, "cost": 2 } ] } ] },
    { "name": "B", "operations": [
        { "name": "b1", "variants": [ { "essence": "x", "time": 3, "cost": 4 }, { "essence": "y", "time": 5, "cost": 2 } ] } ] } ],
  "rounding": "max", "tact": 0.5, "scaling": 2,
  "secondLevel": { "costThreshold": 8.5, "iterations": 12, "reduction": 3 } })");
    expect_typed_like_zep_build(json);
}

// The workbook chosen in the import panel gives what zep build gives for the same workbook.
TEST(TfrmCreateTask, WorkbookImportedThroughThePanelGivesTheFilesOfZepBuild) {
    for (const char* name : {"plain.ods", "resources.xls", "decomposed.ods"}) {
        SCOPED_TRACE(name);
        WizardWindowHarness h;
        TfrmCreateTask* w = h.open("mnuInNewTaskExportData");
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(control<QWidget>(w, "pnlExport")->isVisible());
        EXPECT_FALSE(control<QWidget>(w, "Button1")->isEnabled());
        click(w, "RB_2");
        EXPECT_TRUE(control<QWidget>(w, "Button1")->isEnabled());
        EXPECT_FALSE(control<QWidget>(w, "cbExport")->isEnabled());
        w->chooseWorkbook = [name] { return QString::fromStdString(fixture(name).string()); };
        click(w, "Button1");
        EXPECT_EQ(control<QLabel>(w, "Label_ex2")->text(), QString::fromLatin1(name));
        const std::string code = w->model().inputs().code;
        EXPECT_EQ(control<QLineEdit>(w, "txtShifr")->text().toStdString(), code);
        const TaskScript nothing;
        WindowTypist typist(*w, nothing, ',');
        ASSERT_TRUE(typist.run()) << "stays on step" << step_label(typist.stuckOn) << "\n" << h.warnings();
        h.expect_same_files(h.zep_build("'" + fixture(name).string() + "'"), code);
    }
}
