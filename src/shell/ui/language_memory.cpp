#include "shell/ui/language_memory.h"

#include "shell/shell_file.h"

#include <QSettings>

namespace zep {
namespace {

const QString kLastLanguageKey = QStringLiteral("language/lastChosenShell");

QSettings user_settings() {
    return QSettings(QStringLiteral("Lite_KORT_ZEP"), QStringLiteral("Lite_KORT_ZEP"));
}

bool speaks(const QString& displayName, const QLocale& user) {
    const QString extension = displayName.left(3);
    if (user.language() == QLocale::Russian && is_russian_extension(extension.toStdString()))
        return true;
    const QString code = QLocale::languageToCode(user.language(), QLocale::ISO639Part2);
    return !code.isEmpty() && extension.compare(code, Qt::CaseInsensitive) == 0;
}

} // namespace

int first_offered_language(const QStringList& displayNames, const QString& lastChosen, const QLocale& user) {
    if (!lastChosen.isEmpty())
        if (const auto at = displayNames.indexOf(lastChosen); at >= 0)
            return static_cast<int>(at);
    for (int i = 0; i < displayNames.size(); ++i)
        if (speaks(displayNames[i], user))
            return i;
    return -1;
}

QString last_chosen_language() {
    return user_settings().value(kLastLanguageKey).toString();
}

void remember_chosen_language(const QString& displayName) {
    QSettings settings = user_settings();
    settings.setValue(kLastLanguageKey, displayName);
}

} // namespace zep
