#include "views/derived_task.h"

#include "common/utf8.h"
#include "views/view_rows.h"

#include <cctype>

namespace zep {

std::string derived_task_code(const std::string& code) {
    const std::size_t dot = code.find('.');
    if (dot == std::string::npos)
        return (code.size() > 2 ? code.substr(2) : std::string()) + ".1";
    // The digits after the "." as a number; anything else there counts as 0.
    const std::string digits = code.substr(dot + 1);
    long long k = 0;
    bool number = !digits.empty() && digits.size() <= 9;
    for (char c : digits)
        number = number && std::isdigit(static_cast<unsigned char>(c));
    if (number)
        k = std::stoll(digits);
    std::string derived = code.substr(0, dot + 1) + std::to_string(k + 1);
    if (derived.size() > 6)
        derived = derived.substr(derived.size() - 6);
    return derived;
}

std::string derived_task_name(const std::string& code, int variant, const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    const std::string trimmed = first == std::string::npos
                                    ? std::string()
                                    : name.substr(first, name.find_last_not_of(' ') - first + 1);
    std::string derived = code + " Var." + std::to_string(variant) + ". " + trimmed;
    if (utf8_length(derived) > 70)
        derived = utf8_substr(derived, 0, 67) + "...";
    return derived;
}

} // namespace zep
