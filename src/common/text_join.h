#pragma once
// Messages joined from pieces (shell texts, fixed punctuation, numbers). Shell texts that are joined
// straight to a number carry a blank of their own at one end (" из", " Path"); joined after a fixed
// blank they would double it. The join keeps one blank where two meet and none before a full stop, a
// colon or a comma; blanks inside a piece stay as they are.
#include <initializer_list>
#include <string>
#include <string_view>

namespace zep {

std::string join_pieces(std::initializer_list<std::string_view> pieces);

} // namespace zep
