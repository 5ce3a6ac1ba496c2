// Keys in the wizard's entry grids as a person types them into the shown window: the first key on a
// cell opens its editor and arrives in it at any typing speed, however the cell was reached (a click on
// the selected cell, arrow keys, Tab, Enter); Tab and Shift+Tab walk the cells that take keys.
#include "window_typist.h"
#include "wizard_window_harness.h"

#include "wizard/wizard.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>

using namespace zep;
using namespace zep::test;

namespace {

const char* kTask =
    R"({ "code": "KEYS01", "name": "Keys", "minimise": "cost",
  "chains": [
    { "name": "Main", "operations": [
        { "name": "Dig", "variants": [ { "essence": "own", "time": 5, "cost": 10 } ] },
        { "name": "Build", "variants": [ { "essence": "fast", "time": 3, "cost": 9 }, { "essence": "slow", "time": 7, "cost": 8 } ] } ] } ],
  "tact": 1, "scaling": 1, "thresholds": [9, 10] })";

const QString kText = QStringLiteral("Clear the site");

struct GridStep {
    const char* lang;
    WizardStep step;
    const char* grid;
};

// The operations and the variants grids under both shells.
const GridStep kGrids[] = {{"rus", WizardStep::Operations, "StringGrid2"},
                           {"eng", WizardStep::Operations, "StringGrid2"},
                           {"rus", WizardStep::Variants, "StringGrid"},
                           {"eng", WizardStep::Variants, "StringGrid"}};

class GridKeys : public ::testing::TestWithParam<GridStep> {
protected:
    // The wizard shown with the task typed up to the grid's step; the grid with the focus.
    EntryGrid* shown_grid() {
        h = std::make_unique<WizardWindowHarness>(GetParam().lang);
        TaskScript script = parse_task_script(kTask);
        const ShellTables& shell = h->main->state().shell;
        script.costUnit = cost_unit_list(shell)[0];
        script.timeUnit = time_unit_list(shell)[0];
        TfrmCreateTask* w = h->open();
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(WindowTypist(*w, script, ',').run_to(GetParam().step)) << h->warnings();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        auto* grid = control<EntryGrid>(w, GetParam().grid);
        grid->setFocus();
        QTest::qWait(20);
        return grid;
    }

    static void click_cell(EntryGrid* grid, int row, int column) {
        const QRect rect = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::qWait(20);
    }

    // Types `text` into whatever has the focus, one key at a time with the event loop running
    // `pause` ms between the keys (0: QTest::keyClicks at once).
    static void type_slowly(const QString& text, int pause) {
        if (pause == 0) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            return;
        }
        for (QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QTest::qWait(pause);
        }
    }

    static void commit(EntryGrid* grid) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(20);
        grid->commit_edit();
    }

    static QString text_at(EntryGrid* grid, int row, int column) {
        return grid->item(row, column) ? grid->item(row, column)->text() : QString();
    }

    std::unique_ptr<WizardWindowHarness> h;
};

TEST_P(GridKeys, AClickOnTheSelectedCellThenTypingKeepsEveryKey) {
    for (int pause : {0, 150}) {
        EntryGrid* grid = shown_grid();
        click_cell(grid, 0, 1);
        click_cell(grid, 0, 1); // now the selected cell
        type_slowly(kText, pause);
        commit(grid);
        EXPECT_EQ(text_at(grid, 0, 1), kText) << "pause " << pause;
    }
}

TEST_P(GridKeys, TypingAfterArrowKeysTabAndEnterKeepsEveryKey) {
    EntryGrid* grid = shown_grid();
    click_cell(grid, 0, 1);
    // Arrow keys to the row below.
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::qWait(20);
    ASSERT_EQ(grid->currentRow(), 1) << grid->rowCount() << " rows, focus "
                                     << (QApplication::focusWidget()
                                             ? QApplication::focusWidget()->metaObject()->className()
                                             : "none");
    type_slowly(kText, 150);
    commit(grid);
    EXPECT_EQ(text_at(grid, 1, 1), kText);

    // Tab from the first row's name to the next cell.
    click_cell(grid, 0, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::qWait(20);
    ASSERT_EQ(grid->currentColumn(), 2);
    type_slowly(QStringLiteral("7"), 150);
    commit(grid);
    EXPECT_EQ(text_at(grid, 0, 2), QStringLiteral("7"));

    // Enter from an editor goes on to the next cell, where typing goes on.
    click_cell(grid, 1, 1);
    type_slowly(QStringLiteral("Lay"), 150);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(text_at(grid, 1, 1), QStringLiteral("Lay"));
    ASSERT_EQ(grid->currentRow(), 1);
    ASSERT_EQ(grid->currentColumn(), 2);
    type_slowly(QStringLiteral("5"), 150);
    commit(grid);
    EXPECT_EQ(text_at(grid, 1, 2), QStringLiteral("5"));
}

// The cells that take keys in row order, as (row, column).
std::vector<std::pair<int, int>> editable_cells(const EntryGrid* grid) {
    std::vector<std::pair<int, int>> cells;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (!grid->isColumnHidden(c) && grid->item(r, c) &&
                (grid->item(r, c)->flags() & Qt::ItemIsEditable))
                cells.emplace_back(r, c);
    return cells;
}

TEST_P(GridKeys, TabWalksTheCellsThatTakeKeysAndLeavesAfterTheLast) {
    EntryGrid* grid = shown_grid();
    const auto cells = editable_cells(grid);
    ASSERT_GE(cells.size(), 3u);
    EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable) << "the row number is read-only";
    for (bool editing : {false, true}) {
        click_cell(grid, cells.front().first, cells.front().second);
        for (std::size_t i = 1; i < cells.size(); ++i) {
            if (editing)
                type_slowly(QStringLiteral("1"), 0);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::qWait(10);
            ASSERT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), cells[i]) << "tab " << i;
            EXPECT_TRUE(grid->hasFocus() || grid->isAncestorOf(QApplication::focusWidget()));
        }
        // Backwards with Shift+Tab.
        for (std::size_t i = cells.size() - 1; i > 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QTest::qWait(10);
            ASSERT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), cells[i - 1])
                << "back " << i;
        }
        // Past the last cell the focus leaves the grid.
        click_cell(grid, cells.back().first, cells.back().second);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::qWait(10);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus != grid && !grid->isAncestorOf(focus));
    }
}

// Escape in an open cell editor drops what it was typing and keeps the window; Escape then closes the
// window as its Close button does.
TEST(WizardKeys, EscapeCancelsACellEditThenClosesTheWindow) {
    WizardWindowHarness h;
    TaskScript script = parse_task_script(kTask);
    script.costUnit = cost_unit_list(h.main->state().shell)[0];
    script.timeUnit = time_unit_list(h.main->state().shell)[0];
    TfrmCreateTask* w = h.open();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(WindowTypist(*w, script, ',').run_to(WizardStep::Operations)) << h.warnings();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto* grid = control<EntryGrid>(w, "StringGrid2");
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    QTest::keyClicks(grid, QStringLiteral("Lay"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::qWait(20);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Dig"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::qWait(20);
    EXPECT_EQ(WizardWindowHarness::window(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(WizardGrids, GridKeys, ::testing::ValuesIn(kGrids), [](const auto& info) {
    return std::string(info.param.grid) + "_" + info.param.lang;
});

} // namespace
