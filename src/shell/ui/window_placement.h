#pragma once
// Separate windows (not MDI children) have no Qt parent, so that the main window, disabled while they
// are open, does not disable them too. They are shown centred on the main window.
#include <QLayout>
#include <QWidget>

namespace zep {

inline void show_centred_on(QWidget* window, const QWidget& main) {
    if (window->layout())
        window->layout()->activate();
    window->adjustSize();
    const QRect frame = main.frameGeometry();
    window->move(frame.center() - QPoint(window->width() / 2, window->height() / 2));
    window->show();
}

} // namespace zep
