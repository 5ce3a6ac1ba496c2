#include "common/byte_codec.h"

#include "common/cp1251.h"
#include "common/errors.h"

#include <bit>
#include <cstring>

namespace zep {

void ByteWriter::i32(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void ByteWriter::f64(double v) {
    auto u = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void ByteWriter::text(std::string_view utf8, std::size_t capacity) {
    text_bytes(utf8_to_cp1251(utf8), capacity);
}

void ByteWriter::text_bytes(std::string_view cp1251, std::size_t capacity) {
    std::size_t n = std::min(cp1251.size(), capacity);
    bytes_.push_back(static_cast<std::uint8_t>(n));
    bytes_.insert(bytes_.end(), cp1251.begin(), cp1251.begin() + n);
    zeros(capacity - n);
}

ByteReader::ByteReader(std::span<const std::uint8_t> data, std::string source)
    : data_(data), source_(std::move(source)) {}

void ByteReader::fail(const std::string& what) const {
    fail_at(pos_, what);
}

void ByteReader::fail_at(std::size_t offset, const std::string& what) const {
    throw DamagedBytesError(source_ + ": " + what + " (at byte " + std::to_string(offset) + ")", offset);
}

void ByteReader::need(std::size_t n, const char* what) {
    if (n > remaining())
        fail(std::string("the file ends early: ") + what + " needs " + std::to_string(n) + " bytes, " +
             std::to_string(remaining()) + " are left");
}

std::int32_t ByteReader::i32() {
    need(4, "a whole number");
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(data_[pos_ + i]) << (8 * i);
    pos_ += 4;
    return static_cast<std::int32_t>(u);
}

double ByteReader::f64() {
    need(8, "a real number");
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u |= static_cast<std::uint64_t>(data_[pos_ + i]) << (8 * i);
    pos_ += 8;
    return std::bit_cast<double>(u);
}

std::uint8_t ByteReader::u8() {
    need(1, "a byte");
    return data_[pos_++];
}

void ByteReader::skip(std::size_t n) {
    need(n, "a reserved field");
    pos_ += n;
}

std::span<const std::uint8_t> ByteReader::raw(std::size_t n) {
    need(n, "a field");
    auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
}

std::string ByteReader::text_bytes(std::size_t capacity) {
    need(capacity + 1, "a text");
    std::size_t len = data_[pos_];
    if (len > capacity)
        fail("a text claims " + std::to_string(len) + " characters in a field of " +
             std::to_string(capacity));
    std::string s(reinterpret_cast<const char*>(data_.data() + pos_ + 1), len);
    pos_ += capacity + 1;
    return s;
}

std::string ByteReader::text(std::size_t capacity) {
    return cp1251_to_utf8(text_bytes(capacity));
}

} // namespace zep
