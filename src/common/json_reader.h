#pragma once
// A small JSON reader for the input files of `zep` (RFC 8259): objects keep their keys in order and
// refuse a key given twice; numbers keep the text they were written with as well as their value;
// strings are UTF-8. Nesting deeper than 64 levels is refused.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zep {

// A text that is not JSON: the message says where (line and column from 1) and what is wrong.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string numberText; // the number as written, e.g. "12.50"
    std::string string;
    std::vector<JsonValue> items;   // Array
    std::vector<JsonValue> members; // Object: its members in the order written, each with its `key`
    std::string key;                // the name of a member of an object

    bool is(Kind k) const { return kind == k; }
    // The member named `key`, or nullptr (also when this is not an object).
    const JsonValue* find(std::string_view key) const;
};

// "null", "true", "a number", "a text", "a list", "an object".
const char* json_kind_name(JsonValue::Kind kind);

JsonValue parse_json(std::string_view text);

} // namespace zep
