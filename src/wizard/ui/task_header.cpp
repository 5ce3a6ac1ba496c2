#include "wizard/ui/task_header.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zep {

TaskHeaderPanel::TaskHeaderPanel(const QString& suffix, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    const char* names[] = {"Shifr_", "Name_", "MinParam_", "nal_", "M_", "Mvl_"};
    // The code and the name on the first line, the four parameters on the second.
    QHBoxLayout* line = nullptr;
    for (int i = 0; i < 6; ++i) {
        if (i == 0 || i == 2) {
            auto* row = new QWidget(this);
            line = new QHBoxLayout(row);
            line->setContentsMargins(0, 0, 0, 0);
            line->setSpacing(6);
            layout->addWidget(row);
            rows_.push_back(row);
        }
        auto* caption = new QLabel(this);
        auto* value = new QLabel(this);
        value->setObjectName(QLatin1String(names[i]) + suffix);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        line->addWidget(caption);
        line->addWidget(value);
        line->addSpacing(18);
        captions_.push_back(caption);
        values_.push_back(value);
        if (i == 1 || i == 5)
            line->addStretch(1);
    }
}

void TaskHeaderPanel::set_captions(const QStringList& captions) {
    for (std::size_t i = 0; i < captions_.size() && i < static_cast<std::size_t>(captions.size()); ++i)
        captions_[i]->setText(captions[static_cast<int>(i)]);
}

void TaskHeaderPanel::set_values(const HeaderValues& v, bool parametersShown) {
    const QString texts[] = {v.code, v.name, v.minimised, v.resources, v.chains, v.nestedChains};
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(texts[i]);
    rows_[1]->setVisible(parametersShown);
}

} // namespace zep
