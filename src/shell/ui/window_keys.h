#pragma once
// The keys a person expects of a window with buttons: Escape for its Cancel or Close, Enter for its OK.
class QAbstractButton;
class QWidget;

namespace zep {

// Escape anywhere in `window` clicks `button` (its Cancel or Close). A control that takes Escape
// itself (an open cell editor, an open drop-down list) keeps it.
void click_on_escape(QWidget* window, QAbstractButton* button);

// Enter and Return in `widget` (with the focus on it) click `button` (the window's OK).
void click_on_enter(QWidget* widget, QAbstractButton* button);

} // namespace zep
