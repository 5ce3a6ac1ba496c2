#include "shell/ui/notifier.h"

#include <QApplication>
#include <QMessageBox>

namespace zep {

void MessageBoxNotifier::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QApplication::applicationName(), text, QMessageBox::Ok);
}

void MessageBoxNotifier::information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationName(), text, QMessageBox::Ok);
}

bool MessageBoxNotifier::question(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace zep
