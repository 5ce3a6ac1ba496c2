#pragma once
// One description per fixed record, every use derived from it. A record's layout is written once, as
// a function template over a field codec that gives every field its offset, its name and its type:
//
//     template <typename Fields, typename Chain> void chain_fields(Fields& f, Chain& c) {
//         f.text(0, "name", c.name, kChainNameCapacity);
//         f.i32(104, "opCount", c.opCount);
//         f.end(128);
//     }
//
// FieldWriter (over a const record) writes the fields, padding with zeros up to each offset and
// refusing to go back, so a field listed at the wrong place fails loudly; FieldReader (over a record to
// fill) reads them, skipping the padding; JsonFields (common/json_fields.h) writes them as JSON members
// by their names. Offsets count from where the record starts; fields without an offset (and without a
// name) follow the previous one, for a file laid out entirely by counts known beforehand. A text of
// capacity n takes n + 1 bytes, so `texts` lays out N of them one after the other.
#include "common/byte_codec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace zep {

class FieldWriter {
public:
    explicit FieldWriter(ByteWriter& w) : w_(w), base_(w.size()) {}

    // int32 fields, and enums stored as int32.
    template <typename T> void i32(std::size_t offset, std::string_view, const T& v) {
        at(offset).i32(static_cast<std::int32_t>(v));
    }
    void f64(std::size_t offset, std::string_view, double v) { at(offset).f64(v); }
    void text(std::size_t offset, std::string_view, const std::string& v, std::size_t capacity) {
        at(offset).text(v, capacity);
    }
    template <std::size_t N>
    void texts(std::size_t offset, std::string_view name, const std::string (&v)[N], std::size_t capacity) {
        for (std::size_t i = 0; i < N; ++i)
            text(offset + i * (capacity + 1), name, v[i], capacity);
    }
    template <typename T> void i32(const T& v) { w_.i32(static_cast<std::int32_t>(v)); }
    void f64(double v) { w_.f64(v); }
    void text(const std::string& v, std::size_t capacity) { w_.text(v, capacity); }
    // The record ends at `size`: what is left of it is padding.
    void end(std::size_t size) { at(size); }

private:
    ByteWriter& at(std::size_t offset);

    ByteWriter& w_;
    std::size_t base_;
};

class FieldReader {
public:
    explicit FieldReader(ByteReader& r) : r_(r), base_(r.offset()) {}

    template <typename T> void i32(std::size_t offset, std::string_view, T& v) {
        v = static_cast<T>(at(offset).i32());
    }
    void f64(std::size_t offset, std::string_view, double& v) { v = at(offset).f64(); }
    void text(std::size_t offset, std::string_view, std::string& v, std::size_t capacity) {
        v = at(offset).text(capacity);
    }
    template <std::size_t N>
    void texts(std::size_t offset, std::string_view name, std::string (&v)[N], std::size_t capacity) {
        for (std::size_t i = 0; i < N; ++i)
            text(offset + i * (capacity + 1), name, v[i], capacity);
    }
    template <typename T> void i32(T& v) { v = static_cast<T>(r_.i32()); }
    void f64(double& v) { v = r_.f64(); }
    void text(std::string& v, std::size_t capacity) { v = r_.text(capacity); }
    void end(std::size_t size) { at(size); }

private:
    ByteReader& at(std::size_t offset);

    ByteReader& r_;
    std::size_t base_;
};

// A record image by its layout: a struct with the record type `Record`, its `size` and the field list
// `template <typename Fields, typename R> static void fields(Fields&, R&)`.
template <typename Layout> void write_record(ByteWriter& w, const typename Layout::Record& r) {
    FieldWriter f(w);
    Layout::fields(f, r);
}

// A record read by its layout.
template <typename Layout> typename Layout::Record read_record(ByteReader& r) {
    typename Layout::Record rec{};
    FieldReader f(r);
    Layout::fields(f, rec);
    return rec;
}

} // namespace zep
