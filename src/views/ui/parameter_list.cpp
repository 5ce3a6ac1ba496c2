#include "views/ui/parameter_list.h"

#include <QFontMetrics>
#include <QHeaderView>

namespace zep {
namespace {

// Marks the key of a rule row (ListRow::rule).
constexpr int kRuleRole = Qt::UserRole + 1;

QTableWidgetItem* read_only_item(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString aligned_key(const QFontMetrics& metrics, const QString& firstKey, const QString& key) {
    const int target = metrics.horizontalAdvance(firstKey) - 10;
    QString padded = key;
    while (metrics.horizontalAdvance(padded) < target)
        padded.prepend(QLatin1Char(' '));
    return padded;
}

} // namespace

ParameterList::ParameterList(const QString& objectName, QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(objectName);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ParameterList::set_titles(const QString& key, const QString& value) {
    setHorizontalHeaderLabels({key, value});
}

void ParameterList::set_rows(const std::vector<ListRow>& rows) {
    setRowCount(0);
    setRowCount(static_cast<int>(rows.size()));
    const QFontMetrics metrics(font());
    const QString firstKey = rows.empty() ? QString() : QString::fromStdString(rows.front().key);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        QString key = QString::fromStdString(rows[r].key);
        if (rows[r].alignedUnderFirstKey)
            key = aligned_key(metrics, firstKey, key);
        setItem(r, 0, read_only_item(key));
        item(r, 0)->setData(kRuleRole, rows[r].rule);
        setItem(r, 1, read_only_item(QString::fromStdString(rows[r].value)));
    }
    fit_key_column();
}

// The keys are shown whole unless they would take more than two thirds of the list; a rule row does not
// widen them.
void ParameterList::fit_key_column() {
    int keys = 0;
    for (int r = 0; r < rowCount(); ++r)
        if (const QTableWidgetItem* it = item(r, 0); it && !it->data(kRuleRole).toBool())
            keys = std::max(keys, fontMetrics().horizontalAdvance(it->text()));
    keys = std::max(keys, horizontalHeader()->sectionSizeHint(0));
    setColumnWidth(0, std::min(keys + 16, std::max(120, viewport()->width() * 2 / 3)));
}

void ParameterList::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    fit_key_column();
}

QString ParameterList::key(int row) const {
    const QTableWidgetItem* it = item(row, 0);
    return it ? it->text() : QString();
}

QString ParameterList::value(int row) const {
    const QTableWidgetItem* it = item(row, 1);
    return it ? it->text() : QString();
}

} // namespace zep
