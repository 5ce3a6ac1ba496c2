// The road of a task entered with "solve at once": the wizard saves and hands it over, the
// optimisation module solves it with the default parameters and takes the solution over.
#include "optimiser/ui/frm_optimiser.h"
#include "window_typist.h"
#include "wizard_window_harness.h"

#include <QTest>

using namespace zep;
using namespace zep::test;

TEST(SolveAtOnce, ATaskEnteredToSolveAtOnceEndsSolvedWithNothingLeftInSolving) {
    WizardWindowHarness h;
    h.main->register_window(WindowKind::Optimiser, [](TfrmMain& m) { return TForm1::open(m); });
    const auto bytes = read_whole_file(fixture("plain.task.json"));
    TaskScript script =
        parse_task_script(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    script.solveAtOnce = true;
    TfrmCreateTask* w = h.open();
    ASSERT_NE(w, nullptr);
    WindowTypist typist(*w, script, ',');
    ASSERT_TRUE(typist.run()) << "stays on step" << step_label(typist.stuckOn) << "\n" << h.warnings();
    const std::string code = *script.code;
    const Workspace& ws = h.main->state().workspace;
    auto solved = [&] {
        const RegisterEntry* e = h.main->state().taskRegister->get().find(code);
        return e && e->status == TaskStatus::Solved;
    };
    for (int i = 0; i < 3000 && !(solved() && h.main->isEnabled()); ++i)
        QTest::qWait(10);
    ASSERT_TRUE(solved()) << h.warnings();
    EXPECT_TRUE(std::filesystem::is_empty(ws.solving()));
    EXPECT_TRUE(std::filesystem::exists(ws.data() / ("zep_" + code + "_out.dat")));
    EXPECT_EQ(read_register(ws.register_file()).find(code)->status, TaskStatus::Solved);
    EXPECT_EQ(h.main->state().immediateSolve, 0);
    EXPECT_TRUE(h.main->isEnabled());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<TForm1*>(top) && top->isVisible()) << "the module closes itself";
}
