#pragma once
// Which shell the language dialog offers first: the language chosen at the last start, kept in the
// user's settings (outside the program folder), else the language of the user's locale.
#include <QLocale>
#include <QString>
#include <QStringList>

namespace zep {

// The index in `displayNames` of the shell offered first: `lastChosen` when it is listed, else the first
// shell whose extension (the first three characters of its display name) names the language of `user`
// (its ISO 639-2 code, "rus" or "eng"; any Russian extension for Russian); -1 when none fits.
int first_offered_language(const QStringList& displayNames, const QString& lastChosen, const QLocale& user);

// The display name chosen at the last start; empty when none was.
QString last_chosen_language();
void remember_chosen_language(const QString& displayName);

} // namespace zep
