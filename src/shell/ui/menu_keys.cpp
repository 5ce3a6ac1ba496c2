#include "shell/ui/menu_keys.h"

#include <QAction>
#include <QMenuBar>
#include <QSet>

namespace zep {

QStringList with_mnemonics(const QStringList& captions) {
    QSet<QChar> taken;
    QStringList marked;
    for (const QString& plain : captions) {
        QString text;
        bool marks = false;
        for (const QChar c : plain) {
            if (!marks && c.isLetter() && !taken.contains(c.toLower())) {
                taken.insert(c.toLower());
                text += QLatin1Char('&');
                marks = true;
            }
            text += c == QLatin1Char('&') ? QStringLiteral("&&") : QString(c);
        }
        marked.push_back(text);
    }
    return marked;
}

void give_mnemonics(QMenuBar& bar) {
    QStringList plain;
    const QList<QAction*> menus = bar.actions();
    for (const QAction* menu : menus) {
        QString title = menu->text();
        title.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        plain.push_back(title.replace(QLatin1Char('\x01'), QLatin1Char('&')));
    }
    const QStringList marked = with_mnemonics(plain);
    for (int i = 0; i < menus.size(); ++i)
        if (!plain[i].isEmpty())
            menus[i]->setText(marked[i]);
}

const std::vector<std::pair<const char*, QKeySequence>>& command_shortcuts() {
    static const std::vector<std::pair<const char*, QKeySequence>> shortcuts = {
        {"N101", QKeySequence(Qt::Key_F1)},
        {"mnuInNewTask", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"mnuOutPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuOutExpInExcel", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"Optim", QKeySequence(Qt::Key_F5)},
    };
    return shortcuts;
}

} // namespace zep
