#include "wizard/ui/page_parts.h"

#include "common/number_text.h"
#include "wizard/ui/wizard_widgets.h"
#include "wizard/wizard.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace zep {

QRadioButton* radio(const char* name, QWidget* parent) {
    auto* b = new QRadioButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* named_label(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLabel* value_label(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

void size_box(QLineEdit* box, int chars) {
    const int width = box->fontMetrics().horizontalAdvance(QString(std::max(chars, 4) + 2, QLatin1Char('0')));
    box->setMaximumWidth(width + 16);
}

FilteredBox* decimal_box(WizardBox box, char separator, int chars, QWidget* parent) {
    auto* b = new FilteredBox(box, separator, parent);
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QString(chars + 2, QLatin1Char('0'))) + 16);
    return b;
}

void set_box_text(QLineEdit* box, const std::string& text) {
    const QString t = qt_text(text);
    if (box->text() != t)
        box->setText(t);
}

void fill_numbers(QComboBox* box, int count, int current) {
    if (box->count() != count) {
        box->clear();
        for (int i = 1; i <= count; ++i)
            box->addItem(QString::number(i));
    }
    box->setCurrentIndex(current < count ? current : -1);
}

QString key_hint(const char* modifier, const QString& down, const QString& up) {
    return QStringLiteral("<%1>+<ArrowDown> - %2    <%1>+<ArrowUp> - %3")
        .arg(QLatin1String(modifier), down, up);
}

SeparatorBox::SeparatorBox(const char* name, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    caption_ = new QLabel(this);
    value_ = new QLabel(this);
    value_->setObjectName(QLatin1String(name));
    row->addWidget(caption_);
    row->addWidget(value_);
}

void SeparatorBox::apply_caption(const QString& caption, char separator) {
    caption_->setText(caption);
    value_->setText(QString(QChar::fromLatin1(separator)));
    value_->setFrameShape(QFrame::Box);
    value_->setAlignment(Qt::AlignCenter);
    value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8);
}

BoundsBox::BoundsBox(const QString& suffix, QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("gbBounds_") + suffix);
    auto* grid = new QGridLayout(this);
    const QString names[2][2] = {{QStringLiteral("T1_"), QStringLiteral("T2_")},
                                 {QStringLiteral("C1_"), QStringLiteral("C2_")}};
    for (int r = 0; r < 2; ++r) {
        std::array<QLabel*, 3> labels{new QLabel(this), value_label(names[r][0] + suffix, this),
                                      value_label(names[r][1] + suffix, this)};
        grid->addWidget(labels[0], r, 0);
        grid->addWidget(labels[1], r, 1);
        grid->addWidget(new QLabel(QStringLiteral("–"), this), r, 2);
        grid->addWidget(labels[2], r, 3);
        (r == 0 ? time_ : cost_) = labels;
    }
    grid->setColumnStretch(4, 1);
}

void BoundsBox::show_bounds(const WizardCaptions& c, const TaskRecord& rec, char sep) {
    time_[0]->setText(qt_text(c.timeBound));
    time_[1]->setText(qt_text(format_shortest(rec.graphTimeMin, sep)));
    time_[2]->setText(qt_text(format_shortest(rec.graphTimeMax, sep)));
    cost_[0]->setText(qt_text(c.costBound));
    cost_[1]->setText(qt_text(format_shortest(rec.graphCostMin, sep)));
    cost_[2]->setText(qt_text(format_shortest(rec.graphCostMax, sep)));
}

} // namespace zep
