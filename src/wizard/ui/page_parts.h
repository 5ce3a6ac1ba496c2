#pragma once
// The small parts the wizard's pages are built of: named controls, the decimal separator shown beside
// the boxes that take it, and the graph's time and cost bounds shown on steps 7, 8 and the summary.
#include "wizard/key_filters.h"

#include <QGroupBox>
#include <QWidget>
#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zep {

class FilteredBox;
struct TaskRecord;
struct WizardCaptions;

QRadioButton* radio(const char* name, QWidget* parent);
QLabel* named_label(const char* name, QWidget* parent);
// A bold, selectable label for a value.
QLabel* value_label(const QString& name, QWidget* parent);
// A box that takes at most `chars` characters, sized for them.
void size_box(QLineEdit* box, int chars);
FilteredBox* decimal_box(WizardBox box, char separator, int chars, QWidget* parent);
// Sets the text only when it differs, so that the cursor stays where the user left it.
void set_box_text(QLineEdit* box, const std::string& text);
// The numbers 1 to `count` as items (made again only when their count changed), `current` chosen.
void fill_numbers(QComboBox* box, int count, int current);
QString key_hint(const char* modifier, const QString& down, const QString& up);

// The decimal separator `name` (Decimal3, Decimal5, ...) after its caption.
class SeparatorBox : public QWidget {
    Q_OBJECT
public:
    SeparatorBox(const char* name, QWidget* parent);
    void apply_caption(const QString& caption, char separator);

private:
    QLabel* caption_;
    QLabel* value_;
};

// The graph's minimal and maximal time and cost (gbBounds_<suffix>: T1_, T2_, C1_, C2_ <suffix>).
class BoundsBox : public QGroupBox {
    Q_OBJECT
public:
    BoundsBox(const QString& suffix, QWidget* parent);
    void show_bounds(const WizardCaptions& captions, const TaskRecord& rec, char separator);

private:
    std::array<QLabel*, 3> time_{}, cost_{}; // caption, minimum, maximum
};

} // namespace zep
