#pragma once
// A record's fields as JSON members, named and ordered as its layout lists them (common/record_fields.h),
// so that a dump names no field of its own: integers and enums as numbers, doubles as the JSON writer
// formats them, texts as strings, a row of texts as an array.
//
// After each field `extras(j, name, field)` may add members that the dump derives from it (a date's text
// beside its serial); `field` is the record's own member, so an extra can tell one field by its address.
#include "common/json_writer.h"
#include "common/record_fields.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace zep {

struct NoFieldExtras {
    template <typename T> void operator()(JsonWriter&, std::string_view, const T&) const {}
};

template <typename Extras = NoFieldExtras> class JsonFields {
public:
    explicit JsonFields(JsonWriter& j, Extras extras = {}) : j_(j), extras_(std::move(extras)) {}

    template <typename T> void i32(std::size_t, std::string_view name, const T& v) {
        j_.key(name).value(static_cast<int>(v));
        extras_(j_, name, v);
    }
    void f64(std::size_t, std::string_view name, const double& v) {
        j_.key(name).value(v);
        extras_(j_, name, v);
    }
    void text(std::size_t, std::string_view name, const std::string& v, std::size_t) {
        j_.key(name).value(v);
        extras_(j_, name, v);
    }
    template <std::size_t N>
    void texts(std::size_t, std::string_view name, const std::string (&v)[N], std::size_t) {
        j_.key(name).begin_array();
        for (const std::string& s : v)
            j_.value(s);
        j_.end_array();
        extras_(j_, name, v);
    }
    void end(std::size_t) {}

private:
    JsonWriter& j_;
    Extras extras_;
};

// The members of one record by its layout, into the object being written.
template <typename Layout, typename Extras = NoFieldExtras>
void write_json_fields(JsonWriter& j, const typename Layout::Record& r, Extras extras = {}) {
    JsonFields<Extras> f(j, std::move(extras));
    Layout::fields(f, r);
}

// The record as an object of its own.
template <typename Layout, typename Extras = NoFieldExtras>
void write_json_record(JsonWriter& j, const typename Layout::Record& r, Extras extras = {}) {
    j.begin_object();
    write_json_fields<Layout>(j, r, std::move(extras));
    j.end_object();
}

} // namespace zep
