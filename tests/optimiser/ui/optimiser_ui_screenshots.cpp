// Screenshots of the optimisation module's window (not a test): PROGRAM --out DIR --lang rus|eng saves
// one PNG per state into DIR, among them the window in the middle of a batch run.
#include "optimiser/slow_task.h"
#include "optimiser/ui/frm_optimiser.h"
#include "screenshot_args.h"
#include "task/sample_tasks.h"
#include "ui_workspace.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace zep;

namespace {

void click(QWidget* form, const char* button) {
    QTest::mouseClick(test::child<QPushButton>(form, button), Qt::LeftButton);
}

TForm1* open_module(test::UiWorkspace& u) {
    u.main->setEnabled(false);
    return static_cast<TForm1*>(u.main->open_window(WindowKind::Optimiser));
}

void register_module(test::UiWorkspace& u) {
    u.main->register_window(WindowKind::Optimiser, [](TfrmMain& m) { return TForm1::open(m); });
}

int take_screenshots(const test::ScreenshotArgs& args) {
    const QString& out = args.out;
    const std::string& lang = args.lang;

    {
        test::UiWorkspace u(lang.c_str());
        register_module(u);
        u.enter(test::decomposed_task());
        hand_over_input(u.ws, u.reg(), "DEC001");
        TForm1* form = open_module(u);
        test::save_shot(form, out, "TForm1-1-mode");
        form->RB2Click();
        click(form, "BNext1");
        QTest::keyClicks(test::child<QLineEdit>(form, "MaskEdit1_3"), "dec001");
        test::save_shot(form, out, "TForm1-2-code");
        click(form, "BNext2");
        test::save_shot(form, out, "TForm1-3-parameters");
        click(form, "BNext3");
        test::save_shot(form, out, "TForm1-4-ready");
        QSignalSpy finished(form, &TForm1::runFinished);
        click(form, "BStart");
        finished.wait(60000);
        test::save_shot(form, out, "TForm1-5-solved");
        form->close();
    }
    {
        test::UiWorkspace u(lang.c_str());
        register_module(u);
        for (const char* code : {"SLOW01", "SLOW02", "SLOW03"})
            write_file_atomically(u.solving(code, "_in.dat"), testing::slow_input());
        TForm1* form = open_module(u);
        click(form, "BNext1");
        click(form, "BNext3");
        click(form, "BStart");
        auto* start = test::child<QLabel>(form, "Label_Start");
        test::wait_until(
            [&] {
                return start->text().contains(QStringLiteral("SLOW02")) &&
                       !test::child<QLabel>(form, "Label6")->text().isEmpty();
            },
            60000);
        test::save_shot(form, out, "TForm1-6-batch-running");
        click(form, "BStop");
        QSignalSpy finished(form, &TForm1::runFinished);
        finished.wait(60000);
        test::save_shot(form, out, "TForm1-7-batch-stopped");
        form->close();
    }
    {
        test::UiWorkspace u(lang.c_str());
        register_module(u);
        TForm1* form = open_module(u);
        click(form, "BNext1");
        test::save_shot(form, out, "TForm1-8-no-inputs");
        form->close();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return test::run_screenshots(argc, argv, take_screenshots);
}
