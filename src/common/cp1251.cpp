#include "common/cp1251.h"

#include "common/errors.h"
#include "common/utf8.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace zep {
namespace {

// One converter per direction and call: iconv descriptors keep shift state and are not thread-safe.
struct IconvHandle {
    iconv_t cd;
    IconvHandle(const char* to, const char* from) : cd(iconv_open(to, from)) {
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~IconvHandle() { iconv_close(cd); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
};

} // namespace

std::string utf8_to_cp1251(std::string_view utf8) {
    if (utf8.empty())
        return {};
    IconvHandle h("CP1251", "UTF-8");
    std::string out(utf8.size(), '\0'); // never longer than the UTF-8 input
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    if (iconv(h.cd, &in, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) {
        std::size_t at = utf8.size() - inLeft;
        std::size_t len = 1;
        while (at + len < utf8.size() && is_utf8_continuation(static_cast<unsigned char>(utf8[at + len])))
            ++len;
        throw TextEncodingError("the character \"" + std::string(utf8.substr(at, len)) +
                                "\" cannot be stored in a Windows-1251 text");
    }
    out.resize(out.size() - outLeft);
    return out;
}

// The 256 characters of the code page, decoded once.
static const std::array<std::string, 256>& cp1251_table() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        IconvHandle h("UTF-8", "CP1251");
        for (int b = 0; b < 256; ++b) {
            char c = static_cast<char>(b);
            char buf[8];
            char* in = &c;
            std::size_t inLeft = 1;
            char* dst = buf;
            std::size_t outLeft = sizeof buf;
            if (iconv(h.cd, &in, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) {
                t[b] = "\xEF\xBF\xBD";
                iconv(h.cd, nullptr, nullptr, nullptr, nullptr);
            } else {
                t[b].assign(buf, sizeof buf - outLeft);
            }
        }
        return t;
    }();
    return table;
}

std::string cp1251_to_utf8(std::string_view bytes) {
    const auto& table = cp1251_table();
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        out += table[static_cast<unsigned char>(c)];
    return out;
}

} // namespace zep
