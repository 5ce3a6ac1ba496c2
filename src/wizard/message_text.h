#pragma once
// Messages assembled piece by piece from shell texts, fixed punctuation and numbers, the way every
// refusal of the wizard is written:
//     compose(shell, Text{412}, " (> 10 ", Text{110}, ").")
#include "shell/shell_file.h"

#include <string>
#include <string_view>
#include <type_traits>

namespace zep {

// Text N of the shell.
struct Text {
    int n;
};

// The column mention of a grid message: a blank, a double quotation mark, text N, " ...", a double
// quotation mark and a blank.
struct ColumnMention {
    int n;
};

namespace detail {

inline void append_piece(std::string& out, const ShellTables& shell, Text t) {
    out += shell.text(t.n);
}
inline void append_piece(std::string& out, const ShellTables& shell, ColumnMention c) {
    out += " \"";
    out += shell.text(c.n);
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
