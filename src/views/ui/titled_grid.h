#pragma once
// A string grid under a strip of word-wrapping column labels with splitters between them (`Title` and
// `Table`, `TitleSolution` and `sgSolution`, ...). Moving a splitter sets the width of the grid column
// under the label (the first column: the label's width less 1, the others: plus 1) and wraps the label's
// caption again. The strip scrolls with the grid.
#include "views/view_rows.h"

#include <QWidget>
#include <vector>

class QLabel;
class QScrollArea;
class QSplitter;
class QTableWidget;

namespace zep {

struct GridColumn {
    QString labelName; // object name of the label
    QString caption;
    int width = 60; // of the label, in pixels; 1 narrows an empty column to a mark
};

class TitledGrid : public QWidget {
    Q_OBJECT
public:
    TitledGrid(const QString& stripName, const QString& gridName, QWidget* parent = nullptr);
    ~TitledGrid() override;

    void set_columns(const std::vector<GridColumn>& columns);
    void set_rows(const std::vector<GridRow>& rows);
    void clear_rows();

    QTableWidget* grid() const { return grid_; }
    QSplitter* strip() const { return strip_; }
    QLabel* label(int column) const;
    int columnCount() const;
    // The text of a cell; empty outside the grid.
    QString cell(int row, int column) const;

    // Moves the splitter after `column` so that the label gets `width` (as a user drags it).
    void resize_label(int column, int width);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sync_columns();
    void fit_strip_height();

    QScrollArea* stripArea_ = nullptr;
    QSplitter* strip_ = nullptr;
    QTableWidget* grid_ = nullptr;
    std::vector<QLabel*> labels_;
    QList<int> initialSizes_; // the splitter lays its widgets out anew when first shown
    bool shown_ = false;
};

} // namespace zep
