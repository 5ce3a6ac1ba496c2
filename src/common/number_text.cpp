#include "common/number_text.h"

#include <charconv>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace zep {

char user_decimal_separator() {
    // Read the user's LC_NUMERIC without touching the process locale.
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0))
        return '.';
    const char* point = nl_langinfo_l(RADIXCHAR, loc);
    char sep = (point && point[0] && static_cast<unsigned char>(point[0]) < 0x80) ? point[0] : '.';
    freelocale(loc);
    return sep;
}

namespace {
std::string with_separator(std::string s, char separator) {
    for (char& c : s)
        if (c == '.')
            c = separator;
    return s;
}
} // namespace

std::string format_fixed(double value, int digits, char separator) {
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, digits);
    return with_separator(std::string(buf, r.ptr), separator);
}

std::string format_shortest(double value, char separator) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    // Exponents as "E-5", "E20": no '+' and no leading zeros.
    auto e = s.find('e');
    if (e != std::string::npos) {
        std::string mant = s.substr(0, e);
        std::string exp = s.substr(e + 1);
        bool neg = !exp.empty() && exp[0] == '-';
        if (!exp.empty() && (exp[0] == '-' || exp[0] == '+'))
            exp.erase(0, 1);
        exp.erase(0, std::min(exp.find_first_not_of('0'), exp.size() - 1));
        s = mant + "E" + (neg ? "-" : "") + exp;
    }
    return with_separator(s, separator);
}

} // namespace zep
