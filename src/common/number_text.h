#pragma once
// Numbers shown to the user, with the user's decimal separator. Formatting never depends on the C
// library's locale: the digits are made locale-free and the separator is put in afterwards.
#include <string>

namespace zep {

// The first character of the decimal symbol of the user's regional settings (LC_NUMERIC, as the
// environment sets it); "." when the locale names none.
char user_decimal_separator();

// "%-.<digits>f" with the given separator: fixed, `digits` decimals, rounded from the exact binary value.
std::string format_fixed(double value, int digits, char separator);

// The shortest decimal text of a value at 15 significant digits: 0.1 + 0.2 shows as "0.3", 2.0 as "2",
// 1e-5 as "1E-5".
std::string format_shortest(double value, char separator);

} // namespace zep
