#include "wizard/ui/wizard_widgets.h"

#include "common/caption_wrap.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace zep {

QString qt_text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string utf8_text(const QString& text) {
    return text.toStdString();
}

char32_t typed_key(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy))
        return kCopyKey;
    if (event->matches(QKeySequence::Paste))
        return kPasteKey;
    if (event->matches(QKeySequence::Cut))
        return kCutKey;
    if (event->key() == Qt::Key_Backspace)
        return kBackspaceKey;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const QList<uint> chars = event->text().toUcs4();
    if (chars.isEmpty() || chars.front() < 0x20 || chars.front() == 0x7F)
        return 0;
    return chars.front();
}

// ---- FilteredBox ------------------------------------------------------------------------------------

FilteredBox::FilteredBox(WizardBox box, char separator, QWidget* parent)
    : QLineEdit(parent), box_(box), separator_(separator) {
    setMaxLength(box_max_length(box));
    setAcceptDrops(false);
    // The context menu's Paste goes through the filter like Ctrl+V.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = createStandardContextMenu();
        if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
            paste->disconnect();
            connect(paste, &QAction::triggered, this,
                    [this] { insert_filtered(QGuiApplication::clipboard()->text()); });
        }
        menu->exec(mapToGlobal(at));
        delete menu;
    });
}

void FilteredBox::keyPressEvent(QKeyEvent* event) {
    const char32_t key = typed_key(event);
    if (key == kPasteKey) {
        insert_filtered(QGuiApplication::clipboard()->text());
        return;
    }
    if (key == 0 || key == kCopyKey || key == kCutKey || key == kBackspaceKey) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString rest = text();
    if (hasSelectedText())
        rest.remove(selectionStart(), selectedText().size());
    const auto taken = filter_box_key(box_, utf8_text(rest), key, separator_);
    if (!taken)
        return;
    if (*taken != key) {
        const char32_t shown = *taken;
        insert(QString::fromUcs4(&shown, 1));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredBox::insert_filtered(const QString& pasted) {
    for (char32_t key : pasted.toUcs4()) {
        QString rest = text();
        if (hasSelectedText())
            rest.remove(selectionStart(), selectedText().size());
        const auto taken = filter_box_key(box_, utf8_text(rest), key, separator_);
        if (!taken || *taken == kBackspaceKey || rest.size() >= maxLength())
            continue;
        const char32_t shown = *taken;
        insert(QString::fromUcs4(&shown, 1));
    }
}

// ---- EntryGrid --------------------------------------------------------------------------------------

namespace {

// The cell editor of an entry grid: drops the keys the column's rule refuses.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(EntryGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setProperty("row", index.row());
        editor->setProperty("column", index.column());
        const auto limit =
            grid_->kind() ? grid_column_limit(*grid_->kind(), index.column(), grid_->context_of(index.row()))
                          : std::nullopt;
        if (limit && *limit > 0)
            editor->setMaxLength(*limit);
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QLineEdit*>(object);
        if (editor && event->type() == QEvent::KeyPress && drops(editor, static_cast<QKeyEvent*>(event)))
            return true;
        // Enter commits the cell and goes on to the next cell that takes keys (staying on the last one).
        if (editor && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                grid_->go_to_next_cell();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    bool drops(QLineEdit* editor, QKeyEvent* event) const {
        if (!grid_->kind())
            return false;
        const WizardGrid kind = *grid_->kind();
        if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)
            return !grid_accepts_shift_insert(kind);
        const char32_t key = typed_key(event);
        if (key == 0)
            return false;
        QString rest = editor->text();
        if (editor->hasSelectedText())
            rest.remove(editor->selectionStart(), editor->selectedText().size());
        const int row = editor->property("row").toInt();
        const int column = editor->property("column").toInt();
        return !grid_accepts_key(kind, column, grid_->context_of(row), utf8_text(rest), key);
    }

    EntryGrid* grid_;
};

} // namespace

EntryGrid::EntryGrid(std::optional<WizardGrid> grid, int firstEditableColumn, QStringList headers,
                     QWidget* parent)
    : QTableWidget(parent), grid_(grid), firstEditableColumn_(firstEditableColumn) {
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setItemDelegate(new CellDelegate(this));
    // A column grows with what is typed into it.
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        const int wanted = fontMetrics().horizontalAdvance(it->text()) + 16;
        if (wanted > columnWidth(it->column()))
            setColumnWidth(it->column(), wanted);
    });
    // No SelectedClicked: Qt opens the editor of a clicked selected cell only after the double-click
    // interval and drops the keys typed meanwhile; mouseReleaseEvent opens it at once instead.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
}

bool EntryGrid::cell_takes_keys(int row, int column) const {
    if (!grid_)
        return column >= firstEditableColumn_;
    const auto limit = grid_column_limit(*grid_, column, context_of(row));
    return !limit || *limit > 0;
}

void EntryGrid::apply_flags(int row, int column) {
    QTableWidgetItem* it = item(row, column);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (cell_takes_keys(row, column))
        flags |= Qt::ItemIsEditable;
    it->setFlags(flags);
    if (column == 0 || !cell_takes_keys(row, column))
        it->setBackground(palette().alternateBase());
    else
        it->setBackground(QBrush());
}

CellTable EntryGrid::cells() {
    commit_edit();
    CellTable table(rowCount(), std::vector<std::string>(columnCount()));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (const QTableWidgetItem* it = item(r, c))
                table[r][c] = utf8_text(it->text());
    return table;
}

void EntryGrid::set_cells(const CellTable& table) {
    CellTable wanted(table.size(), std::vector<std::string>(columnCount()));
    for (std::size_t r = 0; r < table.size(); ++r)
        for (std::size_t c = 0; c < table[r].size() && static_cast<int>(c) < columnCount(); ++c)
            wanted[r][c] = table[r][c];
    if (cells() == wanted) {
        for (int r = 0; r < rowCount(); ++r)
            for (int c = 0; c < columnCount(); ++c)
                apply_flags(r, c);
        return;
    }
    setRowCount(static_cast<int>(wanted.size()));
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (!item(r, c))
                setItem(r, c, new QTableWidgetItem);
            item(r, c)->setText(qt_text(wanted[r][c]));
            apply_flags(r, c);
        }
    }
    if (rowCount() > 0 && columnCount() > 1)
        setCurrentCell(0, 1);
    fit_columns();
}

void EntryGrid::commit_edit() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void EntryGrid::focus_row(int row) {
    setFocus(Qt::OtherFocusReason);
    if (row < 0 || row >= rowCount())
        return;
    setCurrentCell(row, currentColumn() > 0 ? currentColumn() : 1);
    scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

void EntryGrid::fit_columns() {
    resizeColumnsToContents();
    // Columns of names and descriptions get room for a sensible text from the start.
    const int textWidth = fontMetrics().horizontalAdvance(QString(32, QLatin1Char('n')));
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000000"));
    for (int c = 1; c < columnCount(); ++c) {
        const auto limit = grid_ ? grid_column_limit(*grid_, c, context_of(0)) : std::nullopt;
        const bool text = limit && *limit >= 40;
        const int header = horizontalHeader()->sectionSizeHint(c);
        setColumnWidth(c, std::max({columnWidth(c), header, text ? textWidth : numberWidth}));
    }
}

void EntryGrid::keyPressEvent(QKeyEvent* event) {
    const bool up = event->key() == Qt::Key_Up;
    const bool down = event->key() == Qt::Key_Down;
    if ((up || down) &&
        (event->modifiers() == Qt::ShiftModifier || event->modifiers() == Qt::ControlModifier)) {
        commit_edit();
        if (event->modifiers() == Qt::ShiftModifier)
            emit chainStep(up ? -1 : 1);
        else
            emit operationStep(up ? -1 : 1);
        return;
    }
    const int row = currentRow();
    const int column = currentColumn();
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier && grid_ &&
        !grid_accepts_shift_insert(*grid_))
        return;
    if (event->key() == Qt::Key_Space && row >= 0 && item(row, column) && grid_) {
        if (auto toggled = toggle_on_space(*grid_, column, utf8_text(item(row, column)->text()))) {
            item(row, column)->setText(qt_text(*toggled));
            return;
        }
    }
    if (event->key() == Qt::Key_Delete && row >= 0 && state() != QAbstractItemView::EditingState) {
        if ((!grid_ || grid_accepts_delete(*grid_, column, context_of(row))) &&
            cell_takes_keys(row, column) && item(row, column))
            item(row, column)->setText(QString());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void EntryGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    pressedOnCurrent_ = pressed.isValid() && pressed == currentIndex() &&
                        selectionModel()->isSelected(pressed) && state() != QAbstractItemView::EditingState;
    QTableWidget::mousePressEvent(event);
}

void EntryGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    const QModelIndex released = indexAt(event->position().toPoint());
    if (pressedOnCurrent_ && event->button() == Qt::LeftButton && released == currentIndex() &&
        state() != QAbstractItemView::EditingState && (released.flags() & Qt::ItemIsEditable))
        edit(released);
    pressedOnCurrent_ = false;
}

QModelIndex EntryGrid::editable_cell_after(const QModelIndex& from, bool forward) const {
    const int columns = columnCount();
    const int cellCount = rowCount() * columns;
    int at = from.isValid() ? from.row() * columns + from.column() : (forward ? -1 : cellCount);
    for (at += forward ? 1 : -1; at >= 0 && at < cellCount; at += forward ? 1 : -1) {
        const int row = at / columns;
        const int column = at % columns;
        const QTableWidgetItem* it = item(row, column);
        if (!isRowHidden(row) && !isColumnHidden(column) && it && (it->flags() & Qt::ItemIsEditable))
            return model()->index(row, column);
    }
    return {};
}

void EntryGrid::go_to_next_cell() {
    if (const QModelIndex next = editable_cell_after(currentIndex(), true); next.isValid())
        setCurrentIndex(next);
}

QModelIndex EntryGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveNext || action == MovePrevious)
        return editable_cell_after(currentIndex(), action == MoveNext);
    return QTableWidget::moveCursor(action, modifiers);
}

void EntryGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool onward = hint == QAbstractItemDelegate::EditNextItem;
    const bool back = hint == QAbstractItemDelegate::EditPreviousItem;
    if ((onward || back) && !editable_cell_after(currentIndex(), onward).isValid()) {
        // Past the last (first) cell that takes keys the focus leaves the grid.
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(onward);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

// ---- ReviewGrid -------------------------------------------------------------------------------------

ReviewGrid::ReviewGrid(QWidget* parent) : QTableWidget(parent) {
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
}

void ReviewGrid::set_cells(const QStringList& headers, const CellTable& table) {
    clear();
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeaderLabels(headers);
    setRowCount(static_cast<int>(table.size()));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c,
                    new QTableWidgetItem(c < static_cast<int>(table[r].size()) ? qt_text(table[r][c])
                                                                               : QString()));
    resizeColumnsToContents();
}

// ---- WrappedLabel -----------------------------------------------------------------------------------

WrappedLabel::WrappedLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

void WrappedLabel::set_caption(const QString& caption) {
    caption_ = caption;
    rewrap();
}

void WrappedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    rewrap();
}

void WrappedLabel::rewrap() {
    const QFontMetrics metrics(font());
    const auto measure = [&metrics](const std::u32string& s) {
        return metrics.horizontalAdvance(QString::fromStdU32String(s));
    };
    const QString wrapped =
        QString::fromStdU32String(wrap_caption(caption_.toStdU32String(), width() - 2, measure));
    if (wrapped != text())
        setText(wrapped);
}

} // namespace zep
