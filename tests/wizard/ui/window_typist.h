#pragma once
// Types a task description into the wizard window as a user does: key clicks into the boxes and grid
// cells, mouse clicks on the choices, the selectors' keys between chains and operations, and Next.
#include "wizard/script_driver.h"
#include "wizard/ui/frm_create_task.h"
#include "wizard/ui/wizard_widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zep::test {

template <typename W> W* control(QWidget* window, const char* name) {
    W* w = window->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Key clicks of every character of `text` (QTest's own keyClicks takes Latin-1 only).
inline void type_text(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces the text of a box by typing: select all, then the keys.
inline void type_box(QWidget* window, const char* name, const QString& text) {
    auto* box = control<QLineEdit>(window, name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        type_text(box, text);
}

// Types into a cell: the first key opens the cell's editor over its text, the others go to the editor,
// Return commits.
inline void type_cell(EntryGrid* grid, int row, int column, const QString& text) {
    grid->setFocus();
    grid->setCurrentCell(row, column);
    if (text.isEmpty())
        return;
    type_text(grid, text.left(1));
    QWidget* editor = grid->indexWidget(grid->model()->index(row, column));
    ASSERT_NE(editor, nullptr) << "no editor at " << row << "," << column << " ("
                               << grid->objectName().toStdString() << ", " << grid->rowCount()
                               << " rows, hidden " << grid->isColumnHidden(column) << ", flags "
                               << int(grid->item(row, column) ? grid->item(row, column)->flags()
                                                              : Qt::NoItemFlags)
                               << ", current " << grid->currentRow() << "," << grid->currentColumn() << ")";
    type_text(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits Return after the key
}

inline void click(QWidget* window, const char* name) {
    auto* b = control<QAbstractButton>(window, name);
    // A choice takes clicks on its mark and caption only, which start at its left edge.
    const bool choice = qobject_cast<QRadioButton*>(b) != nullptr;
    QTest::mouseClick(b, Qt::LeftButton, {}, choice ? QPoint(b->height() / 2, b->height() / 2) : QPoint());
}

class WindowTypist {
public:
    WindowTypist(TfrmCreateTask& w, const TaskScript& s, char separator) : w_(w), s_(s), sep_(separator) {}

    // Fills every step from the script and presses Next until the window finishes; false (with the
    // step) when it stays on a step.
    bool run() {
        for (int presses = 0; presses < 40; ++presses) {
            const WizardStep step = w_.model().current_step();
            fill(step);
            QTest::mouseClick(control<QPushButton>(&w_, "btnNext"), Qt::LeftButton);
            if (w_.model().closed())
                return true;
            if (w_.model().current_step() == step) {
                stuckOn = step;
                return false;
            }
        }
        return false;
    }

    // Fills every step up to `target` and leaves it filled without pressing Next.
    bool run_to(WizardStep target) {
        for (int presses = 0; presses < 40; ++presses) {
            const WizardStep step = w_.model().current_step();
            fill(step);
            if (step == target)
                return true;
            QTest::mouseClick(control<QPushButton>(&w_, "btnNext"), Qt::LeftButton);
            if (w_.model().current_step() == step) {
                stuckOn = step;
                return false;
            }
        }
        return false;
    }

    WizardStep stuckOn = WizardStep::Code;

private:
    QString number(const ScriptNumber& n) const {
        QString t = q(n.text);
        t.replace(QLatin1Char('.'), QLatin1Char(sep_));
        return t;
    }

    void fill(WizardStep step) {
        switch (step) {
        case WizardStep::Code:
            if (s_.code)
                type_box(&w_, "txtShifr", q(*s_.code));
            if (s_.name)
                type_box(&w_, "txtName", q(*s_.name));
            break;
        case WizardStep::General:
            fill_general();
            break;
        case WizardStep::IntervalCounts:
            for (std::size_t c = 0; s_.resources && c < s_.resources->size(); ++c)
                type_cell(control<EntryGrid>(&w_, "Grid2a"), int(c), 1,
                          QString::number((*s_.resources)[c].size()));
            break;
        case WizardStep::Intervals:
            fill_intervals();
            break;
        case WizardStep::Chains:
            fill_chains();
            break;
        case WizardStep::Operations:
            fill_operations();
            break;
        case WizardStep::Variants:
            fill_variants();
            break;
        case WizardStep::Review:
            break;
        case WizardStep::Rounding:
            if (s_.rounding == 1)
                click(&w_, "toc_1");
            if (s_.rounding == 2)
                click(&w_, "toc_2");
            if (s_.tact)
                type_box(&w_, "txtDelta", number(*s_.tact));
            if (s_.scaling)
                type_box(&w_, "txtKoe", number(*s_.scaling));
            break;
        case WizardStep::Thresholds:
            fill_thresholds();
            break;
        case WizardStep::Summary:
            if (s_.solveAtOnce && *s_.solveAtOnce)
                click(&w_, "Order1");
            break;
        }
    }

    void fill_general() {
        if (s_.minimise == 1)
            click(&w_, "rbPrmp_1");
        if (s_.chains) {
            int nested = 0;
            for (const ScriptChain& c : *s_.chains)
                nested += c.nested ? 1 : 0;
            type_box(&w_, "txtNch", QString::number(s_.chains->size()));
            type_box(&w_, "txtnc2", QString::number(nested));
        }
        if (s_.costUnit) {
            auto* box = control<QComboBox>(&w_, "UnitOfMeasurement_0");
            box->setCurrentIndex(box->findText(q(*s_.costUnit)));
        }
        if (s_.timeUnit) {
            auto* box = control<QComboBox>(&w_, "UnitOfMeasurement_1");
            box->setCurrentIndex(box->findText(q(*s_.timeUnit)));
        }
        if (s_.resources && !s_.resources->empty()) {
            click(&w_, "vnr1");
            type_box(&w_, "txtKat", QString::number(s_.resources->size()));
        }
        if (s_.decomposition) {
            click(&w_, "Reg_1");
            type_box(&w_, "txtDnp", QString::number(s_.decomposition->allowed));
            type_box(&w_, "txtMxns", QString::number(s_.decomposition->quantSteps));
            click(&w_, s_.decomposition->automatic ? "Reg1_1" : "Reg1_0");
        }
    }

    void fill_intervals() {
        auto* grid = control<EntryGrid>(&w_, "Grid2b");
        int row = 0;
        for (const auto& category : *s_.resources)
            for (const ScriptInterval& iv : category) {
                type_cell(grid, row, 2, number(iv.start));
                if (iv.end)
                    type_cell(grid, row, 3, number(*iv.end));
                ++row;
            }
    }

    void fill_chains() {
        if (s_.conversion == 2)
            click(&w_, "Reg2_2");
        bool nested = false;
        for (const ScriptChain& c : *s_.chains)
            nested = nested || c.nested;
        if (s_.changeAtStart && *s_.changeAtStart)
            click(&w_, nested ? "RB1_" : "RB1");
        auto* grid = control<EntryGrid>(&w_, nested ? "StringGrid1_" : "StringGrid1");
        for (std::size_t r = 0; r < s_.chains->size(); ++r) {
            const ScriptChain& c = (*s_.chains)[r];
            type_cell(grid, int(r), 1, q(c.name));
            type_cell(grid, int(r), 2, QString::number(c.operations.size()));
            if (!c.nested)
                continue;
            if (c.subgraph)
                type_cell(grid, int(r), 3, QString::number(*c.subgraph));
            const int coords[] = {c.fromChain, c.fromOp, c.toChain, c.toOp};
            for (int i = 0; i < 4; ++i)
                type_cell(grid, int(r), 4 + i, QString::number(coords[i]));
        }
    }

    void fill_operations() {
        auto* grid = control<EntryGrid>(&w_, "StringGrid2");
        for (std::size_t c = 0; c < s_.chains->size(); ++c) {
            if (c > 0)
                QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
            const ScriptChain& chain = (*s_.chains)[c];
            for (std::size_t o = 0; o < chain.operations.size(); ++o) {
                type_cell(grid, int(o), 1, q(chain.operations[o].name));
                type_cell(grid, int(o), 2, QString::number(chain.operations[o].variants.size()));
            }
        }
    }

    void fill_variants() {
        const bool resources = s_.resources && !s_.resources->empty();
        auto* grid = control<EntryGrid>(&w_, resources ? "StringGrid_a" : "StringGrid");
        for (std::size_t c = 0; c < s_.chains->size(); ++c) {
            if (c > 0)
                QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
            const ScriptChain& chain = (*s_.chains)[c];
            for (std::size_t o = 0; o < chain.operations.size(); ++o) {
                if (o > 0)
                    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
                int r = 0;
                for (const ScriptVariant* v :
                     variants_to_type(chain.operations[o], grid->rowCount(), s_.conversion.value_or(1))) {
                    type_cell(grid, r, 1, q(v->essence));
                    if (resources) {
                        if (v->category)
                            type_cell(grid, r, 2, QString::number(*v->category));
                        if (v->noSuspend) {
                            grid->setCurrentCell(r, 3);
                            QTest::keyClick(grid, Qt::Key_Space);
                        }
                    }
                    type_cell(grid, r, resources ? 4 : 2, number(v->time));
                    type_cell(grid, r, resources ? 5 : 3, number(v->cost));
                    ++r;
                }
            }
        }
    }

    void fill_thresholds() {
        if (s_.secondLevel) {
            type_box(&w_, "txt_C", number(s_.secondLevel->costThreshold));
            type_box(&w_, "txt_Nd", QString::number(s_.secondLevel->iterations));
            type_box(&w_, "txt_kup", QString::number(s_.secondLevel->reduction));
            return;
        }
        if (!s_.thresholds)
            return;
        click(&w_, "Resflg");
        auto* list = control<QListWidget>(&w_, "clFazu");
        for (const ScriptNumber& t : *s_.thresholds) {
            const QList<QListWidgetItem*> found = list->findItems(number(t), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << t.text << " is not among the candidates";
            list->setFocus();
            list->setCurrentItem(found.front());
            QTest::keyClick(list, Qt::Key_Space);
        }
    }

    TfrmCreateTask& w_;
    const TaskScript& s_;
    char sep_;
};

} // namespace zep::test
