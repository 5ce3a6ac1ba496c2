#include "common/json_reader.h"

#include "common/echo_text.h"
#include "common/utf8.h"

#include <charconv>
#include <cmath>
#include <unordered_set>

namespace zep {
namespace {

constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonValue document() {
        // A byte-order mark, as some editors write at the start of a UTF-8 file, is no part of the text.
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            pos_ = 3;
        skip_blanks();
        JsonValue v = value(0);
        skip_blanks();
        if (pos_ != text_.size())
            fail("unexpected text after the end of the document");
        return v;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        int line = 1;
        int column = 1;
        for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else if (!is_utf8_continuation(static_cast<unsigned char>(text_[i]))) {
                ++column;
            }
        }
        throw JsonError("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what);
    }

    bool at_end() const { return pos_ >= text_.size(); }
    char peek() const { return at_end() ? '\0' : text_[pos_]; }

    void skip_blanks() {
        while (!at_end() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++pos_;
    }

    void expect_word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word)
            fail("unexpected character");
        pos_ += word.size();
    }

    JsonValue value(int depth) {
        if (depth > kMaxDepth)
            fail("the document nests deeper than " + std::to_string(kMaxDepth) + " levels");
        JsonValue v;
        switch (peek()) {
        case '{':
            object(v, depth);
            break;
        case '[':
            array(v, depth);
            break;
        case '"':
            v.kind = JsonValue::Kind::String;
            v.string = string();
            break;
        case 't':
            expect_word("true");
            v.kind = JsonValue::Kind::Bool;
            v.boolean = true;
            break;
        case 'f':
            expect_word("false");
            v.kind = JsonValue::Kind::Bool;
            break;
        case 'n':
            expect_word("null");
            break;
        default:
            if (peek() == '-' || (peek() >= '0' && peek() <= '9'))
                number(v);
            else if (at_end())
                fail("the document ends where a value is expected");
            else
                fail("unexpected character");
        }
        return v;
    }

    void object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++pos_;
        skip_blanks();
        if (peek() == '}') {
            ++pos_;
            return;
        }
        std::unordered_set<std::string> keys; // so that an object of many keys is read in linear time
        for (;;) {
            skip_blanks();
            if (peek() != '"')
                fail("a key in double quotes is expected");
            const std::size_t keyPos = pos_;
            std::string key = string();
            if (!keys.insert(key).second) {
                pos_ = keyPos;
                fail("the key " + echoed(key) + " is given twice");
            }
            skip_blanks();
            if (peek() != ':')
                fail("\":\" is expected after a key");
            ++pos_;
            skip_blanks();
            JsonValue member = value(depth + 1);
            member.key = std::move(key);
            v.members.push_back(std::move(member));
            skip_blanks();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() == '}') {
                ++pos_;
                return;
            }
            fail("\",\" or \"}\" is expected");
        }
    }

    void array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++pos_;
        skip_blanks();
        if (peek() == ']') {
            ++pos_;
            return;
        }
        for (;;) {
            skip_blanks();
            v.items.push_back(value(depth + 1));
            skip_blanks();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() == ']') {
                ++pos_;
                return;
            }
            fail("\",\" or \"]\" is expected");
        }
    }

    void number(JsonValue& v) {
        const std::size_t start = pos_;
        auto digits = [this] {
            const std::size_t from = pos_;
            while (peek() >= '0' && peek() <= '9')
                ++pos_;
            return pos_ > from;
        };
        if (peek() == '-')
            ++pos_;
        if (peek() == '0')
            ++pos_;
        else if (!digits())
            fail("a digit is expected");
        if (peek() == '.') {
            ++pos_;
            if (!digits())
                fail("a digit is expected after the decimal point");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-')
                ++pos_;
            if (!digits())
                fail("a digit is expected in the exponent");
        }
        v.kind = JsonValue::Kind::Number;
        v.numberText = std::string(text_.substr(start, pos_ - start));
        auto r = std::from_chars(v.numberText.data(), v.numberText.data() + v.numberText.size(), v.number);
        if (r.ec != std::errc() || !std::isfinite(v.number)) {
            pos_ = start;
            fail("the number " + v.numberText + " is out of range");
        }
    }

    unsigned hex4() {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = peek();
            unsigned d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                fail("four hexadecimal digits are expected after \\u");
            value = value * 16 + d;
            ++pos_;
        }
        return value;
    }

    // A well-formed UTF-8 sequence starting at pos_, copied to `out`.
    void utf8_character(std::string& out) {
        const auto c = decode_utf8_character(text_, pos_);
        if (!c)
            fail("the text is not valid UTF-8");
        out.append(text_.substr(pos_, c->length));
        pos_ += c->length;
    }

    std::string string() {
        ++pos_; // the opening quote
        std::string out;
        for (;;) {
            if (at_end())
                fail("the text ends inside a string");
            const char c = peek();
            if (c == '"') {
                ++pos_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                fail("a control character in a string must be escaped");
            if (static_cast<unsigned char>(c) >= 0x80) {
                utf8_character(out);
                continue;
            }
            if (c != '\\') {
                out.push_back(c);
                ++pos_;
                continue;
            }
            ++pos_;
            const char e = peek();
            ++pos_;
            switch (e) {
            case '"':
                out.push_back('"');
                break;
            case '\\':
                out.push_back('\\');
                break;
            case '/':
                out.push_back('/');
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u': {
                unsigned c1 = hex4();
                if (c1 >= 0xD800 && c1 <= 0xDBFF) {
                    if (text_.substr(pos_, 2) != "\\u")
                        fail("a high surrogate must be followed by a low one");
                    pos_ += 2;
                    const unsigned c2 = hex4();
                    if (c2 < 0xDC00 || c2 > 0xDFFF)
                        fail("a high surrogate must be followed by a low one");
                    c1 = 0x10000 + ((c1 - 0xD800) << 10) + (c2 - 0xDC00);
                } else if (c1 >= 0xDC00 && c1 <= 0xDFFF) {
                    fail("a low surrogate without a high one");
                }
                append_utf8(out, c1);
                break;
            }
            default:
                --pos_;
                fail("unknown escape in a string");
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const JsonValue& m : members)
        if (m.key == key)
            return &m;
    return nullptr;
}

const char* json_kind_name(JsonValue::Kind kind) {
    switch (kind) {
    case JsonValue::Kind::Null:
        return "null";
    case JsonValue::Kind::Bool:
        return "true or false";
    case JsonValue::Kind::Number:
        return "a number";
    case JsonValue::Kind::String:
        return "a text";
    case JsonValue::Kind::Array:
        return "a list";
    case JsonValue::Kind::Object:
        return "an object";
    }
    return "";
}

JsonValue parse_json(std::string_view text) {
    return Parser(text).document();
}

} // namespace zep
