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
