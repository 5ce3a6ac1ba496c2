#pragma once
// The one little-endian codec behind every file record: int32, IEEE doubles and "texts of capacity n"
// (a length byte, then n single-byte Windows-1251 characters of which the first `length` count).
//
// Records are described by their offsets; writers append in offset order and readers check bounds on
// every read, so a short or damaged file is reported with its name instead of being read past its end.
#include "common/errors.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zep {

// A damaged record: FileFormatError that also says at which byte the damage was found.
class DamagedBytesError : public FileFormatError {
public:
    DamagedBytesError(const std::string& message, std::size_t offset)
        : FileFormatError(message), offset_(offset) {}
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};

class ByteWriter {
public:
    void i32(std::int32_t v);
    void f64(double v);
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void raw(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
    // A text of capacity n from UTF-8: converted to Windows-1251 and cut to n characters; unused slot
    // bytes are zero. Throws TextEncodingError for a character outside the code page.
    void text(std::string_view utf8, std::size_t capacity);
    // The same for a text already in single-byte form.
    void text_bytes(std::string_view cp1251, std::size_t capacity);

    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

class ByteReader {
public:
    // `source` names the file in error messages.
    ByteReader(std::span<const std::uint8_t> data, std::string source);

    std::int32_t i32();
    double f64();
    std::uint8_t u8();
    void skip(std::size_t n);
    std::span<const std::uint8_t> raw(std::size_t n);
    // A text of capacity n as UTF-8; a length byte above n is a damaged file.
    std::string text(std::size_t capacity);
    std::string text_bytes(std::size_t capacity);

    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool at_end() const { return pos_ == data_.size(); }
    const std::string& source() const { return source_; }

    // Throws DamagedBytesError: "<source>: <what> (at byte <offset>)".
    [[noreturn]] void fail(const std::string& what) const;
    // The same for what was found at an earlier `offset`.
    [[noreturn]] void fail_at(std::size_t offset, const std::string& what) const;

private:
    void need(std::size_t n, const char* what);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    std::string source_;
};

} // namespace zep
