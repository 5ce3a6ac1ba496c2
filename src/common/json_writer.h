#pragma once
// A small streaming JSON writer for `zep` output: objects, arrays, strings (UTF-8), numbers and
// booleans, pretty-printed with two-space indentation.
#include <string>
#include <string_view>
#include <vector>

namespace zep {

class JsonWriter {
public:
    JsonWriter& begin_object();
    JsonWriter& end_object();
    JsonWriter& begin_array();
    JsonWriter& end_array();
    JsonWriter& key(std::string_view k);
    JsonWriter& value(std::string_view s);
    JsonWriter& value(const char* s) { return value(std::string_view(s)); }
    JsonWriter& value(long long v);
    JsonWriter& value(int v) { return value(static_cast<long long>(v)); }
    JsonWriter& value(double v);
    JsonWriter& value(bool v);

    const std::string& str() const { return out_; }

private:
    void before_value();
    void newline();

    std::string out_;
    struct Level {
        bool isObject;
        bool empty;
    };
    std::vector<Level> stack_;
    bool afterKey_ = false;
};

std::string json_escape(std::string_view s);

} // namespace zep
