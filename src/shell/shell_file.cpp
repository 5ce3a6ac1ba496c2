#include "shell/shell_file.h"

#include "common/atomic_file.h"
#include "common/byte_codec.h"
#include "common/cp1251.h"
#include "common/errors.h"

namespace zep {
namespace {

// A count larger than the rest of the file can hold (every element takes at least `minBytes`) is a
// damaged file, found before anything is sized from it.
std::size_t checked_count(ByteReader& in, const std::string& what, std::size_t minBytes = 5) {
    std::int32_t n = in.i32();
    if (n < 0)
        in.fail("the number of " + what + " is negative (" + std::to_string(n) + ")");
    if (static_cast<std::size_t>(n) > in.remaining() / minBytes)
        in.fail("the file announces " + std::to_string(n) + " " + what + " but is too short to hold them");
    return static_cast<std::size_t>(n);
}

std::string read_record(ByteReader& in, std::size_t capacity, const std::string& what) {
    std::int32_t len = in.i32();
    if (len < 0 || static_cast<std::size_t>(len) > capacity)
        in.fail(what + " has the length " + std::to_string(len) + ", more than its " +
                std::to_string(capacity) + " characters");
    std::uint8_t lenByte = in.u8();
    if (lenByte != len)
        in.fail(what + " has two different lengths (" + std::to_string(len) + " and " +
                std::to_string(lenByte) + ")");
    auto chars = in.raw(static_cast<std::size_t>(len));
    return cp1251_to_utf8(std::string_view(reinterpret_cast<const char*>(chars.data()), chars.size()));
}

void write_record(ByteWriter& out, std::string_view utf8, std::size_t capacity, const std::string& what) {
    std::string bytes = utf8_to_cp1251(utf8);
    if (bytes.size() > capacity)
        throw TextEncodingError(what + " has " + std::to_string(bytes.size()) +
                                " characters, more than its " + std::to_string(capacity));
    out.i32(static_cast<std::int32_t>(bytes.size()));
    out.u8(static_cast<std::uint8_t>(bytes.size()));
    out.raw(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

} // namespace

bool is_russian_extension(std::string_view extension) {
    std::string bytes;
    try {
        bytes = utf8_to_cp1251(extension);
    } catch (const TextEncodingError&) {
        return false;
    }
    return bytes == "rus" || bytes == "Rus" || bytes == "\xF0\xF3\xF1" || bytes == "\xD0\xF3\xF1";
}

std::string shell_file_name(std::string_view extension) {
    return "Shell (ZEP 2.2)." + std::string(extension);
}

ShellTables load_shell(const std::filesystem::path& path, std::string_view extension) {
    const auto data = read_whole_file(path);
    ByteReader in(data, "Language shell file \"" + path.string() + "\"");
    const bool russian = is_russian_extension(extension);

    in.text(kShellNameCapacity); // the display name, checked as every reader of the file checks it
    std::size_t nl = checked_count(in, "labels");
    std::size_t nt = checked_count(in, "texts");
    std::size_t ns = checked_count(in, "lists", 4);

    ShellTables t;
    t.labels.reserve(nl);
    for (std::size_t k = 0; k < nl; ++k) {
        if (russian)
            read_record(in, kExtraLabelCapacity, "the extra field of label " + std::to_string(k));
        t.labels.push_back(read_record(in, kLabelCapacity, "label " + std::to_string(k)));
    }
    t.texts.reserve(nt);
    for (std::size_t n = 0; n < nt; ++n)
        t.texts.push_back(read_record(in, kTextCapacity, "text " + std::to_string(n)));
    std::vector<std::size_t> counts(ns);
    for (std::size_t j = 0; j < ns; ++j)
        counts[j] = checked_count(in, "items of list " + std::to_string(j));
    t.lists.resize(ns);
    for (std::size_t j = 0; j < ns; ++j) {
        t.lists[j].reserve(counts[j]);
        for (std::size_t i = 0; i < counts[j]; ++i)
            t.lists[j].push_back(read_record(in, kTextCapacity,
                                             "item " + std::to_string(i) + " of list " + std::to_string(j)));
    }
    return t;
}

std::string read_shell_display_name(const std::filesystem::path& path) {
    const auto data = read_whole_file(path);
    ByteReader in(data, "Language shell file \"" + path.string() + "\"");
    return in.text(kShellNameCapacity);
}

std::vector<std::uint8_t> encode_shell(const ShellSource& shell, std::string_view extension) {
    const bool russian = is_russian_extension(extension);
    const ShellTables& t = shell.tables;
    ByteWriter out;
    std::string name = utf8_to_cp1251(shell.displayName);
    if (name.size() > kShellNameCapacity)
        throw TextEncodingError("the display name \"" + shell.displayName +
                                "\" is longer than 24 characters");
    out.text_bytes(name, kShellNameCapacity);
    out.i32(static_cast<std::int32_t>(t.labels.size()));
    out.i32(static_cast<std::int32_t>(t.texts.size()));
    out.i32(static_cast<std::int32_t>(t.lists.size()));
    for (std::size_t k = 0; k < t.labels.size(); ++k) {
        if (russian)
            write_record(out, k < shell.extraLabels.size() ? shell.extraLabels[k] : std::string(),
                         kExtraLabelCapacity, "the extra field of label " + std::to_string(k));
        write_record(out, t.labels[k], kLabelCapacity, "label " + std::to_string(k));
    }
    for (std::size_t n = 0; n < t.texts.size(); ++n)
        write_record(out, t.texts[n], kTextCapacity, "text " + std::to_string(n));
    for (const auto& list : t.lists)
        out.i32(static_cast<std::int32_t>(list.size()));
    for (std::size_t j = 0; j < t.lists.size(); ++j)
        for (std::size_t i = 0; i < t.lists[j].size(); ++i)
            write_record(out, t.lists[j][i], kTextCapacity,
                         "item " + std::to_string(i) + " of list " + std::to_string(j));
    return out.take();
}

void write_shell(const std::filesystem::path& path, const ShellSource& shell, std::string_view extension) {
    write_file_atomically(path, encode_shell(shell, extension));
}

} // namespace zep
