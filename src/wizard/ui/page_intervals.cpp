#include "wizard/ui/page_intervals.h"

#include "wizard/ui/page_parts.h"
#include "wizard/ui/wizard_widgets.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zep {

IntervalCountPage::IntervalCountPage(WizardPageHost& host)
    : WizardPage("gbWindow_2a", PanelHeader::Task, host) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    Grid2a_ = new EntryGrid(std::nullopt, 1, {QString(), QString()}, content);
    host_.register_control(WizardControl::IntervalCountGrid, Grid2a_);
    layout->addWidget(Grid2a_);
    set_content(content);
}

bool IntervalCountPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::IntervalCounts;
}

void IntervalCountPage::apply_captions() {
    Grid2a_->setHorizontalHeaderLabels(
        {text(WizardText::CategoryNumberColumn),
         text(WizardText::AvailabilityIntervalCount) + QStringLiteral(" (<=10)")});
}

void IntervalCountPage::read_controls(WizardInputs& in) {
    in.intervalCounts = Grid2a_->cells();
}

void IntervalCountPage::show_model() {
    Grid2a_->set_cells(model().inputs().intervalCounts);
}

IntervalPage::IntervalPage(WizardPageHost& host) : WizardPage("gbWindow_2b", PanelHeader::Task, host) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    Grid2b_ = new EntryGrid(std::nullopt, 2, {QString(), QString(), QString(), QString()}, content);
    host_.register_control(WizardControl::IntervalGrid, Grid2b_);
    Label21_ = named_label("Label21", content);
    Label21_->setWordWrap(true);
    layout->addWidget(Grid2b_, 1);
    layout->addWidget(Label21_);
    set_content(content);
}

bool IntervalPage::shows_step(WizardStep step, const TaskRecord&) const {
    return step == WizardStep::Intervals;
}

void IntervalPage::apply_captions() {
    Label21_->setText(text(WizardText::EmptyEndOnlyLastInterval));
}

void IntervalPage::read_controls(WizardInputs& in) {
    in.intervals = Grid2b_->cells();
}

void IntervalPage::show_model() {
    const WizardCaptions c = model().captions();
    Grid2b_->set_cells(model().inputs().intervals);
    Grid2b_->setHorizontalHeaderLabels({text(WizardText::CategoryNumberColumn), label(26),
                                        qt_text(c.intervalStart), qt_text(c.intervalEnd)});
}

} // namespace zep
