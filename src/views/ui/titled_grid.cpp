#include "views/ui/titled_grid.h"

#include "shell/ui/wrapped_caption.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zep {
namespace {

constexpr int kHandleWidth = 1;

int grid_column_width(int column, int labelWidth) {
    return column == 0 ? labelWidth - 1 : labelWidth + 1;
}

} // namespace

TitledGrid::TitledGrid(const QString& stripName, const QString& gridName, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    stripArea_ = new QScrollArea(this);
    stripArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stripArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stripArea_->setFrameShape(QFrame::NoFrame);
    stripArea_->setWidgetResizable(false);
    strip_ = new QSplitter(Qt::Horizontal);
    strip_->setObjectName(stripName);
    strip_->setChildrenCollapsible(false);
    strip_->setHandleWidth(kHandleWidth);
    stripArea_->setWidget(strip_);
    layout->addWidget(stripArea_);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(gridName);
    grid_->horizontalHeader()->hide();
    grid_->horizontalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    layout->addWidget(grid_, 1);

    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, stripArea_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(strip_, &QSplitter::splitterMoved, this, [this](int, int index) {
        // The handle `index` lies between labels index - 1 and index: both changed their widths.
        const QList<int> sizes = strip_->sizes();
        for (int c : {index - 1, index})
            if (c >= 0 && c < static_cast<int>(labels_.size()) && c < sizes.size())
                rewrap_caption(labels_[c], sizes[c]);
        sync_columns();
        fit_strip_height();
    });
}

TitledGrid::~TitledGrid() {
    strip_->blockSignals(true);
}

void TitledGrid::set_columns(const std::vector<GridColumn>& columns) {
    for (QLabel* l : labels_)
        delete l;
    labels_.clear();
    QList<int> sizes;
    int total = 0;
    for (const GridColumn& c : columns) {
        auto* label = new QLabel(strip_);
        label->setObjectName(c.labelName);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Raised);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(1);
        label->resize(c.width, label->height());
        strip_->addWidget(label);
        labels_.push_back(label);
        sizes.push_back(c.width);
        total += c.width + kHandleWidth;
        set_wrapped_caption(label, c.caption, c.width);
    }
    strip_->resize(total, strip_->height());
    strip_->setSizes(sizes);
    initialSizes_ = sizes;
    shown_ = false;
    grid_->setColumnCount(static_cast<int>(columns.size()));
    sync_columns();
    fit_strip_height();
}

void TitledGrid::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    strip_->setSizes(initialSizes_);
    sync_columns();
    fit_strip_height();
}

void TitledGrid::sync_columns() {
    const QList<int> sizes = strip_->sizes();
    for (int c = 0; c < static_cast<int>(labels_.size()) && c < sizes.size(); ++c)
        grid_->setColumnWidth(c, std::max(1, grid_column_width(c, sizes[c])));
}

void TitledGrid::fit_strip_height() {
    int height = 0;
    const QList<int> sizes = strip_->sizes();
    for (int c = 0; c < static_cast<int>(labels_.size()) && c < sizes.size(); ++c)
        height = std::max(height, labels_[c]->heightForWidth(std::max(1, sizes[c])));
    height += 6;
    strip_->resize(strip_->width(), height);
    stripArea_->setFixedHeight(height);
}

void TitledGrid::resize_label(int column, int width) {
    if (column < 0 || column + 1 >= static_cast<int>(labels_.size()))
        return;
    int pos = 0;
    const QList<int> sizes = strip_->sizes();
    for (int c = 0; c < column; ++c)
        pos += sizes[c] + kHandleWidth;
    // QSplitter::moveSplitter is protected; the handle's own drag does the same through this signal.
    QList<int> next = sizes;
    const int delta = width - sizes[column];
    next[column] = width;
    next[column + 1] = std::max(1, sizes[column + 1] - delta);
    strip_->setSizes(next);
    emit strip_->splitterMoved(pos + width, column + 1);
}

QLabel* TitledGrid::label(int column) const {
    return column >= 0 && column < static_cast<int>(labels_.size()) ? labels_[column] : nullptr;
}

int TitledGrid::columnCount() const {
    return static_cast<int>(labels_.size());
}

void TitledGrid::clear_rows() {
    grid_->setRowCount(0);
}

void TitledGrid::set_rows(const std::vector<GridRow>& rows) {
    grid_->setRowCount(0);
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].cells.size()) && c < grid_->columnCount(); ++c)
            if (!rows[r].cells[c].empty()) {
                auto* item = new QTableWidgetItem(QString::fromStdString(rows[r].cells[c]));
                // A text cut off by its column can still be read whole.
                if (rows[r].kind != GridRowKind::Separator)
                    item->setToolTip(item->text());
                grid_->setItem(r, c, item);
            }
}

QString TitledGrid::cell(int row, int column) const {
    const QTableWidgetItem* it = grid_->item(row, column);
    return it ? it->text() : QString();
}

} // namespace zep
