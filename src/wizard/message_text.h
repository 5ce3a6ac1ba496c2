#pragma once
// Messages assembled piece by piece from named shell texts, fixed punctuation and numbers, the way
// every refusal of the wizard is written:
//     compose(shell, WizardText::TooManyChains, " (> 10 ", WizardText::InThisVersion, ").")
#include "common/task_texts.h"
#include "shell/shell_file.h"
#include "wizard/wizard_text.h"

#include <string>
#include <string_view>
#include <type_traits>

namespace zep {

// The column mention of a grid message: a blank, a double quotation mark, the column's text, " ...", a
// double quotation mark and a blank.
struct ColumnMention {
    WizardText column;
};

namespace detail {

inline void append_piece(std::string& out, const ShellTables& shell, WizardText t) {
    out += wizard_text(shell, t);
}
inline void append_piece(std::string& out, const ShellTables& shell, TaskText t) {
    out += task_text(shell, t);
}
inline void append_piece(std::string& out, const ShellTables& shell, ColumnMention c) {
    out += " \"";
    out += wizard_text(shell, c.column);
    out += " ...\" ";
}
inline void append_piece(std::string& out, const ShellTables&, std::string_view piece) {
    out += piece;
}
template <class Integer, class = std::enable_if_t<std::is_integral_v<Integer>>>
void append_piece(std::string& out, const ShellTables&, Integer value) {
    out += std::to_string(value);
}

} // namespace detail

template <class... Pieces> std::string compose(const ShellTables& shell, const Pieces&... pieces) {
    std::string out;
    (detail::append_piece(out, shell, pieces), ...);
    return out;
}

} // namespace zep
