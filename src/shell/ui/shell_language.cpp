#include "shell/ui/shell_language.h"

#include "shell/shell_file.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zep {
namespace {

QLocale::Language shellLanguage = QLocale::English;

QTranslator*& installed_translator() {
    static QTranslator* translator = nullptr;
    return translator;
}

} // namespace

void use_shell_language(std::string_view extension) {
    shellLanguage = is_russian_extension(extension) ? QLocale::Russian : QLocale::English;
    QTranslator*& translator = installed_translator();
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (shellLanguage == QLocale::English)
        return;
    auto* loaded = new QTranslator;
    if (!loaded->load(QLocale(shellLanguage), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete loaded;
        return;
    }
    QCoreApplication::installTranslator(loaded);
    translator = loaded;
}

QLocale shell_locale() {
    const QLocale user = QLocale::system();
    if (shellLanguage == QLocale::English || user.language() == shellLanguage)
        return user;
    return QLocale(shellLanguage, user.territory());
}

} // namespace zep
