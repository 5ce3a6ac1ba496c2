#include "wizard/ui/task_header.h"

#include <QGridLayout>
#include <QLabel>

namespace zep {

TaskHeaderPanel::TaskHeaderPanel(const QString& suffix, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const char* names[] = {"Shifr_", "Name_", "MinParam_", "nal_", "M_", "Mvl_"};
    // Code and name on the first line, the four parameters on the second.
    const int rows[] = {0, 0, 1, 1, 1, 1};
    const int cols[] = {0, 2, 0, 2, 4, 6};
    for (int i = 0; i < 6; ++i) {
        auto* caption = new QLabel(this);
        auto* value = new QLabel(this);
        value->setObjectName(QLatin1String(names[i]) + suffix);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        grid->addWidget(caption, rows[i], cols[i]);
        grid->addWidget(value, rows[i], cols[i] + 1, 1, i == 1 ? 5 : 1);
        captions_.push_back(caption);
        values_.push_back(value);
    }
    grid->setColumnStretch(7, 1);
}

void TaskHeaderPanel::set_captions(const QStringList& captions) {
    for (std::size_t i = 0; i < captions_.size() && i < static_cast<std::size_t>(captions.size()); ++i)
        captions_[i]->setText(captions[static_cast<int>(i)]);
}

void TaskHeaderPanel::set_values(const HeaderValues& v) {
    const QString texts[] = {v.code, v.name, v.minimised, v.resources, v.chains, v.nestedChains};
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(texts[i]);
}

} // namespace zep
