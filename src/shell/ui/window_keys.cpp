#include "shell/ui/window_keys.h"

#include <QAbstractButton>
#include <QShortcut>

namespace zep {

void click_on_escape(QWidget* window, QAbstractButton* button) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->click();
    });
}

void click_on_enter(QWidget* widget, QAbstractButton* button) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), widget);
        enter->setContext(Qt::WidgetShortcut);
        QObject::connect(enter, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }
}

} // namespace zep
