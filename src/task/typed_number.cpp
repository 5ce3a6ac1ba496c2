#include "task/typed_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zep {

std::string_view trim_blanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> parse_typed_integer(std::string_view text) {
    text = trim_blanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    int value = 0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parse_typed_real(std::string_view text, char separator) {
    text = trim_blanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::string plain;
    plain.reserve(text.size());
    for (char c : text) {
        bool digitLike = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (c == separator)
            plain.push_back('.');
        else if (digitLike)
            plain.push_back(c);
        else
            return std::nullopt; // letters (inf, nan), a foreign decimal point, inner blanks
    }
    double value = 0;
    auto r = std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace zep
