#include "common/text_join.h"

namespace zep {
namespace {

bool is_closing_mark(char c) {
    return c == '.' || c == ':' || c == ',';
}

} // namespace

std::string join_pieces(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::string_view piece : pieces) {
        if (!out.empty() && out.back() == ' ')
            while (!piece.empty() && piece.front() == ' ')
                piece.remove_prefix(1);
        const std::size_t lead = piece.find_first_not_of(' ');
        if (lead != std::string_view::npos && is_closing_mark(piece[lead]) && !out.empty()) {
            piece.remove_prefix(lead);
            while (!out.empty() && out.back() == ' ')
                out.pop_back();
        }
        out += piece;
    }
    return out;
}

} // namespace zep
