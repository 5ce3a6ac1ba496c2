#pragma once
// The keys of the main window's menus: an Alt+letter for each menu of the menu bar, taken from its
// caption, and the shortcuts of the commands used most.
#include <QKeySequence>
#include <QStringList>
#include <utility>
#include <vector>

class QMenuBar;

namespace zep {

// The captions (plain texts, "&" standing for itself) with a mnemonic each: "&" before the first letter
// no caption before it has taken (letters compared without case); a caption whose letters are all
// taken gets none. Each "&" of a caption is doubled so that it shows as it stands.
QStringList with_mnemonics(const QStringList& captions);

// Gives the menus of `bar` their mnemonics from their current titles (written as menu titles, "&&"
// for "&"). Titles that are empty are left alone.
void give_mnemonics(QMenuBar& bar);

// The shortcut of each command, by the command's object name. (Ctrl+W, closing the active view, is the
// view's own: every MDI child window has it.)
const std::vector<std::pair<const char*, QKeySequence>>& command_shortcuts();

} // namespace zep
