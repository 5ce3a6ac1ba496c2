// Screenshots of the protocol window and the task selection dialog (not a test): PROGRAM --out DIR
// --lang rus|eng saves one PNG per state into DIR.
#include "screenshot_args.h"
#include "shell/ui/frm_select_task.h"
#include "shell/ui/frm_view_protocol.h"
#include "shell/user_operations.h"
#include "task/sample_tasks.h"
#include "ui_workspace.h"

#include <QComboBox>

using namespace zep;

namespace {

// Four tasks at every stage of their road: entered, handed over, results waiting, solved.
void fill(test::UiWorkspace& u, bool russian) {
    const char* names[][2] = {
        {"Строительство склада готовой продукции", "Finished goods warehouse construction"},
        {"Ремонт кровли главного корпуса", "Main building roof repair"},
        {"Перенос серверной на второй этаж", "Server room move to the second floor"},
        {"Реконструкция котельной", "Boiler house reconstruction"}};
    const char* codes[] = {"SKL001", "KRV002", "SRV003", "DEMR03"};
    for (int i = 0; i < 4; ++i) {
        TaskRecord rec = test::decomposed_task();
        rec.header.taskCode = codes[i];
        rec.header.taskName = names[i][russian ? 0 : 1];
        u.enter(rec);
    }
    for (const char* code : {"KRV002", "SRV003", "DEMR03"})
        hand_over_input(u.ws, u.reg(), code);
    for (const char* code : {"SRV003", "DEMR03"})
        write_file_atomically(u.solving(code, "_out.dat"), std::vector<std::uint8_t>{0});
    // Taken over as far as the register window shows it (the stand-in solution would not be taken over).
    u.reg().take_over("DEMR03");
    std::filesystem::remove(u.solving("DEMR03", "_in.dat"));
    std::filesystem::remove(u.solving("DEMR03", "_out.dat"));
}

int take_screenshots(const test::ScreenshotArgs& args) {
    const QString& out = args.out;
    const std::string& lang = args.lang;

    {
        test::UiWorkspace u(lang.c_str());
        fill(u, lang == "rus");
        u.main->setEnabled(false);
        auto* protocol = TfrmViewProtocol::open(*u.main);
        auto* list = test::child<QComboBox>(protocol, "TaskList");
        const char* shots[] = {"TfrmViewProtocol-1-entered", "TfrmViewProtocol-2-handed-over",
                               "TfrmViewProtocol-3-results-waiting", "TfrmViewProtocol-4-solved-demo"};
        for (int i = 0; i < 4; ++i) {
            list->setCurrentIndex(i);
            test::save_shot(protocol, out, shots[i]);
        }
        list->showPopup();
        test::save_shot(protocol, out, "TfrmViewProtocol-5-list");
        list->hidePopup();
        protocol->close();

        struct Selection {
            SelectionPurpose purpose;
            int caption;
            const char* name;
        };
        const Selection selections[] = {
            {SelectionPurpose::ViewTask, 426, "TfrmSelectTask-1-view-task"},
            {SelectionPurpose::ViewSolution, 428, "TfrmSelectTask-2-view-solution"},
            {SelectionPurpose::CorrectTask, 427, "TfrmSelectTask-3-correct"}};
        for (const Selection& s : selections) {
            u.state().openMode = s.purpose;
            u.main->setEnabled(false);
            auto* dialog = TfrmSelectTask::open(*u.main);
            dialog->setWindowTitle(QString::fromStdString(u.state().text(s.caption)));
            test::save_shot(dialog, out, s.name);
            dialog->close();
        }
    }
    {
        test::UiWorkspace u(lang.c_str());
        u.main->setEnabled(false);
        auto* protocol = TfrmViewProtocol::open(*u.main);
        test::save_shot(protocol, out, "TfrmViewProtocol-6-empty");
        protocol->close();
        u.state().openMode = SelectionPurpose::ViewSolution;
        auto* dialog = TfrmSelectTask::open(*u.main);
        test::save_shot(dialog, out, "TfrmSelectTask-4-empty");
        dialog->close();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return test::run_screenshots(argc, argv, take_screenshots);
}
