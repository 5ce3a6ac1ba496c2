#pragma once
// The one bridge from the core's texts to the windows': the core keeps every text as UTF-8 in a
// std::string, Qt as a QString.
#include <QString>

#include <string>

namespace zep {

inline QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace zep
