#include "common/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zep {

std::string json_escape(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(stack_.size() * 2, ' ');
}

void JsonWriter::before_value() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!stack_.empty()) {
        if (!stack_.back().empty)
            out_ += ',';
        stack_.back().empty = false;
        newline();
    }
}

JsonWriter& JsonWriter::begin_object() {
    before_value();
    out_ += '{';
    stack_.push_back({true, true});
    return *this;
}

JsonWriter& JsonWriter::end_object() {
    bool empty = stack_.back().empty;
    stack_.pop_back();
    if (!empty)
        newline();
    out_ += '}';
    if (stack_.empty())
        out_ += '\n';
    return *this;
}

JsonWriter& JsonWriter::begin_array() {
    before_value();
    out_ += '[';
    stack_.push_back({false, true});
    return *this;
}

JsonWriter& JsonWriter::end_array() {
    bool empty = stack_.back().empty;
    stack_.pop_back();
    if (!empty)
        newline();
    out_ += ']';
    if (stack_.empty())
        out_ += '\n';
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view k) {
    before_value();
    out_ += json_escape(k);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view s) {
    before_value();
    out_ += json_escape(s);
    return *this;
}

JsonWriter& JsonWriter::value(long long v) {
    before_value();
    out_ += std::to_string(v);
    return *this;
}

JsonWriter& JsonWriter::value(double v) {
    before_value();
    if (!std::isfinite(v)) {
        out_ += "null";
        return *this;
    }
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v); // shortest round-trip text
    out_.append(buf, r.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(bool v) {
    before_value();
    out_ += v ? "true" : "false";
    return *this;
}

} // namespace zep
