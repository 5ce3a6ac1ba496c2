#pragma once
// The widgets the wizard window is made of: edit boxes and grid cells that apply the model's key
// filters, entry grids with the keys that move between chains and operations, and labels that fit
// their captions by the caption wrapping.
#include "task/grid_transfer.h"
#include "wizard/key_filters.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <functional>
#include <optional>

namespace zep {

// An edit box that drops what its filter refuses. Backspace, the cursor keys and the clipboard
// shortcuts pass; pasted text goes in character by character through the same filter.
class FilteredBox : public QLineEdit {
    Q_OBJECT
public:
    FilteredBox(WizardBox box, char separator, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void insert_filtered(const QString& text);

    WizardBox box_;
    char separator_;
};

// An entry grid of the wizard: column 0 holds the row number, the other columns take keys as the
// model's grid rules say (per row, through `rowContext`); a grid the model has no key rules for takes any
// key from `firstEditableColumn` on. Shift+Up/Down and Ctrl+Up/Down are reported
// as moves to the previous or next chain or operation; the space bar toggles the no-suspend mark.
// A click on the current cell opens its editor at once and the first key typed on a cell opens it, so
// no key is lost however fast or slowly it is typed. Tab and Shift+Tab (and Enter from an editor) move
// through the cells that take keys, row by row, and leave the grid after its last (first) one.
class EntryGrid : public QTableWidget {
    Q_OBJECT
public:
    EntryGrid(std::optional<WizardGrid> grid, int firstEditableColumn, QStringList headers,
              QWidget* parent = nullptr);

    std::optional<WizardGrid> kind() const { return grid_; }
    std::function<GridCellContext(int row)> rowContext = [](int) { return GridCellContext{}; };
    GridCellContext context_of(int row) const { return rowContext(row); }

    // The cells as a table of texts (an open editor is committed first) and back; setting keeps the
    // current cell when the texts did not change.
    CellTable cells();
    void set_cells(const CellTable& table);
    // Commits the text of an open cell editor.
    void commit_edit();
    // Puts the focus on the grid with `row` (0-based, -1: as it is) at the top.
    void focus_row(int row);
    // Makes the next cell that takes keys the current one; stays on the last one.
    void go_to_next_cell();
    // Widths of the columns from their contents, the last one taking what is left.
    void fit_columns();

signals:
    void chainStep(int delta);     // Shift+Up (-1) / Shift+Down (+1)
    void operationStep(int delta); // Ctrl+Up (-1) / Ctrl+Down (+1)

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

protected slots:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // The next (`forward`) or previous cell after `from` that takes keys, in row order; invalid past the
    // last (first) one.
    QModelIndex editable_cell_after(const QModelIndex& from, bool forward) const;
    bool cell_takes_keys(int row, int column) const;
    void apply_flags(int row, int column);

    std::optional<WizardGrid> grid_;
    int firstEditableColumn_;
    bool pressedOnCurrent_ = false;
};

// A read-only grid (the review table of step 6).
class ReviewGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ReviewGrid(QWidget* parent = nullptr);
    void set_cells(const QStringList& headers, const CellTable& table);
};

// A word-wrapping label whose caption is rebuilt by the caption wrapping whenever its width changes.
class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappedLabel(QWidget* parent = nullptr);
    void set_caption(const QString& caption);
    const QString& caption() const { return caption_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rewrap();
    QString caption_;
};

// The key of a key event as the model's filters take it: the character typed, backspace (8), copy,
// paste and cut (3, 22, 24); 0 for keys that type nothing (cursor keys, function keys, ...).
char32_t typed_key(const QKeyEvent* event);

QString qt_text(const std::string& utf8);
std::string utf8_text(const QString& text);

} // namespace zep
