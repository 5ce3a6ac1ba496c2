#pragma once
// The language of the loaded shell for what Qt itself shows: the buttons of its message boxes, its
// print, printer and file dialogs, and the way dates and times are written.
#include <QLocale>
#include <string_view>

namespace zep {

// Installs Qt's own translations for the shell with `extension`: Russian for a Russian shell, none
// (Qt's English) for any other; the ones installed for the shell before are removed. Without Qt's
// translation files installed the texts stay English.
void use_shell_language(std::string_view extension);

// The locale dates and times are written in: the user's own locale when it speaks the shell's
// language (or the shell is not Russian), else the shell's language with the user's country.
QLocale shell_locale();

} // namespace zep
