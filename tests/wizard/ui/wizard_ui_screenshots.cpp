// Screenshots of the task entry wizard (not a test): PROGRAM --out DIR --lang rus|eng saves every step of
// four tasks (plain, with unavailable resources, with nested chains in subgraphs, time minimised in the
// second-level mode) and the import panel into DIR.
#include "screenshot_args.h"
#include "window_typist.h"
#include "wizard_window_harness.h"

using namespace zep;
using namespace zep::test;

namespace {

struct ShotTask {
    const char* name;
    const char* json;
    std::vector<WizardStep> steps;
};

const std::vector<WizardStep> kEveryStep = {
    WizardStep::Code,       WizardStep::General,    WizardStep::Chains,
    WizardStep::Operations, WizardStep::Variants,   WizardStep::Review,
    WizardStep::Rounding,   WizardStep::Thresholds, WizardStep::Summary};

const ShotTask kTasks[] = {
    {"plain", R"({ "code": "SKL001", "name": "Строительство склада готовой продукции", "minimise": "cost",
      "chains": [
        { "name": "Земляные работы и фундамент", "operations": [
            { "name": "Разработка котлована", "variants": [ { "essence": "собственными силами", "time": 5, "cost": 10 },
                                                            { "essence": "подрядчиком", "time": 7, "cost": 8.5 } ] },
            { "name": "Бетонирование", "variants": [ { "essence": "готовый бетон", "time": 3, "cost": 9 } ] } ] },
        { "name": "Инженерные сети", "operations": [
            { "name": "Прокладка кабеля", "variants": [ { "essence": "открыто", "time": 4.5, "cost": 2 } ] } ] } ],
      "tact": 1, "scaling": 1, "thresholds": [9, 10] })",
     kEveryStep},
    {"resources",
     R"({ "code": "RES001", "name": "Ремонт кровли главного корпуса", "minimise": "cost",
      "resources": [ [ [0, 10], [12, null] ], [ [0, 100] ] ],
      "chains": [
        { "name": "Кровля", "operations": [
            { "name": "Демонтаж", "variants": [ { "essence": "кран", "time": 1, "cost": 5, "category": 1 } ] },
            { "name": "Укладка", "variants": [ { "essence": "бригада А", "time": 2, "cost": 5, "category": 2 },
                                               { "essence": "бригада Б", "time": 3, "cost": 4, "category": 1, "noSuspend": true } ] } ] } ],
      "tact": 1, "scaling": 1 })",
     {WizardStep::General, WizardStep::IntervalCounts, WizardStep::Intervals, WizardStep::Chains,
      WizardStep::Variants, WizardStep::Review, WizardStep::Thresholds, WizardStep::Summary}},
    {"nested",
     R"({ "code": "WBDEC1", "name": "Перенос серверной", "minimise": "time",
      "decomposition": { "allowed": 1, "quantSteps": 5, "numbering": "manual" },
      "chains": [
        { "name": "Основная", "operations": [
            { "name": "b1", "variants": [ { "essence": "a", "time": 1, "cost": 5 } ] },
            { "name": "b2", "variants": [ { "essence": "a", "time": 2, "cost": 5 }, { "essence": "b", "time": 4, "cost": 3 } ] },
            { "name": "b3", "variants": [ { "essence": "a", "time": 2, "cost": 6 }, { "essence": "b", "time": 3, "cost": 4 } ] },
            { "name": "b4", "variants": [ { "essence": "a", "time": 1, "cost": 5 } ] } ] },
        { "name": "Обход", "from": [1, 2], "to": [1, 3], "subgraph": 1, "operations": [
            { "name": "i1", "variants": [ { "essence": "a", "time": 3, "cost": 2 }, { "essence": "b", "time": 5, "cost": 1 } ] } ] } ],
      "rounding": "min", "tact": 1, "scaling": 1, "thresholds": [19, 21] })",
     {WizardStep::General, WizardStep::Chains, WizardStep::Rounding, WizardStep::Thresholds,
      WizardStep::Summary}},
    {"second-level",
     R"({ "code": "SECLV1", "name": "Второй уровень", "minimise": "time",
      "chains": [
        { "name": "A", "operations": [ { "name": "a1", "variants": [ { "essence": "x", "time": 2, "cost": 5 }, { "essence": "y", "time": 4, "cost": 3 } ] } ] },
        { "name": "B", "operations": [ { "name": "b1", "variants": [ { "essence": "x", "time": 3, "cost": 4 }, { "essence": "y", "time": 5, "cost": 2 } ] } ] } ],
      "tact": 1, "scaling": 1, "secondLevel": { "costThreshold": 8, "iterations": 10, "reduction": 2 } })",
     {WizardStep::Rounding, WizardStep::Thresholds, WizardStep::Summary}},
};

QString shot_name(const char* task, WizardStep step) {
    return QStringLiteral("TfrmCreateTask-%1-%2-%3")
        .arg(QLatin1String(task))
        .arg(static_cast<int>(step), 2, 10, QLatin1Char('0'))
        .arg(QString::fromLatin1(step_label(step)).trimmed().isEmpty()
                 ? QStringLiteral("summary")
                 : QString::fromLatin1(step_label(step)).trimmed());
}

void shoot_task(const ShotTask& task, const ScreenshotArgs& args) {
    WizardWindowHarness h(args.lang.c_str());
    TaskScript script = parse_task_script(task.json);
    const ShellTables& shell = h.main->state().shell;
    script.costUnit = cost_unit_list(shell)[3];
    script.timeUnit = time_unit_list(shell)[0];
    TfrmCreateTask* w = h.open();
    WindowTypist typist(*w, script, ',');
    for (WizardStep step : task.steps) {
        if (!typist.run_to(step)) {
            std::cerr << task.name << ": stays on step" << step_label(typist.stuckOn) << ": " << h.warnings();
            return;
        }
        if (step == WizardStep::Thresholds && !script.thresholds && !script.secondLevel) {
            // The first candidate ticked, as a user would.
            auto* list = control<QListWidget>(w, "clFazu");
            list->setCurrentRow(0);
            QTest::keyClick(list, Qt::Key_Space);
        }
        save_shot(w, args.out, shot_name(task.name, step).toLatin1().constData());
        if (step != WizardStep::Summary)
            click(w, "btnNext");
    }
}

void shoot_import_panel(const ScreenshotArgs& args) {
    WizardWindowHarness h(args.lang.c_str());
    TfrmCreateTask* w = h.open();
    TaskScript script = parse_task_script(kTasks[0].json);
    script.costUnit = cost_unit_list(h.main->state().shell)[3];
    script.timeUnit = time_unit_list(h.main->state().shell)[0];
    WindowTypist(*w, script, ',').run();
    w = h.open("mnuInNewTaskExportData");
    save_shot(w, args.out, "TfrmCreateTask-import-1-dat");
    click(w, "RB_2");
    w->chooseWorkbook = [] { return QString::fromStdString(fixture("plain.ods").string()); };
    click(w, "Button1");
    save_shot(w, args.out, "TfrmCreateTask-import-2-workbook");
}

} // namespace

int main(int argc, char** argv) {
    return run_screenshots(argc, argv, [](const ScreenshotArgs& args) {
        for (const ShotTask& task : kTasks)
            shoot_task(task, args);
        shoot_import_panel(args);
        return 0;
    });
}
