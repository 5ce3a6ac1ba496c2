#pragma once
// Steps 7 and 8 and the summary: the rounding, the tact and the scaling coefficient (gbWindow_5); the
// threshold values or the second-level parameters (gbWindow_6); what is about to be saved, and when
// it is solved (gbWindow_7).
#include "wizard/ui/wizard_page.h"

#include <map>

class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zep {

class BoundsBox;
class FilteredBox;
class SeparatorBox;
class WrappedLabel;

class RoundingPage : public WizardPage {
    Q_OBJECT
public:
    explicit RoundingPage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

private:
    QGroupBox* gbRounding_ = nullptr;
    QRadioButton *toc_0_ = nullptr, *toc_1_ = nullptr, *toc_2_ = nullptr;
    WrappedLabel *Label29_ = nullptr, *Label30_ = nullptr;
    QLabel* lblKoe_ = nullptr;
    FilteredBox *txtDelta_ = nullptr, *txtKoe_ = nullptr;
    SeparatorBox* Decimal5_ = nullptr;
    BoundsBox* bounds_ = nullptr;
};

class ThresholdPage : public WizardPage {
    Q_OBJECT
public:
    explicit ThresholdPage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

    void ResflgClick();

private:
    QGridLayout* build_threshold_facts(QWidget* content);
    QWidget* build_threshold_list(QWidget* content);
    QGridLayout* build_second_level_boxes(QWidget* content);
    void show_threshold_candidates();

    QLabel *Label41_ = nullptr, *staticDelta_6_ = nullptr, *lblMaxFaz_ = nullptr, *MaxFaz_ = nullptr;
    QLabel *Label44_ = nullptr, *Label45_ = nullptr, *Label23_ = nullptr;
    BoundsBox* bounds_ = nullptr;
    QListWidget* clFazu_ = nullptr;
    QPushButton* Resflg_ = nullptr;
    QWidget* thresholdPart_ = nullptr;
    QLabel *Label75_ = nullptr, *Label77_ = nullptr, *Label78_ = nullptr;
    SeparatorBox* Decimal6_ = nullptr;
    FilteredBox *txt_C_ = nullptr, *txt_Nd_ = nullptr, *txt_kup_ = nullptr;
};

class SummaryPage : public WizardPage {
    Q_OBJECT
public:
    explicit SummaryPage(WizardPageHost& host);

    bool shows_step(WizardStep step, const TaskRecord& rec) const override;
    void apply_captions() override;
    void read_controls(WizardInputs& in) override;
    void show_model() override;

private:
    struct SummaryLine {
        QLabel* caption = nullptr;
        QLabel* value = nullptr;
    };
    std::map<std::string, SummaryLine> summaryLines_;
    QGroupBox *facts_ = nullptr, *gbOrder_ = nullptr;
    BoundsBox* bounds_ = nullptr;
    QRadioButton *Order1_ = nullptr, *Order2_ = nullptr;
    WrappedLabel *lblOrder1_ = nullptr, *lblOrder2_ = nullptr;
};

} // namespace zep
