#include "json.h"

#include "base/text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace tovalo {

std::string jsonString(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = decodeUtf8(text, pos);
        switch (cp) {
        case U'"':
            out += "\\\"";
            break;
        case U'\\':
            out += "\\\\";
            break;
        case U'\b':
            out += "\\b";
            break;
        case U'\f':
            out += "\\f";
            break;
        case U'\n':
            out += "\\n";
            break;
        case U'\r':
            out += "\\r";
            break;
        case U'\t':
            out += "\\t";
            break;
        default:
            if (cp < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(cp));
                out += buf;
            } else {
                appendUtf8(out, cp);
            }
        }
    }
    out.push_back('"');
    return out;
}

void JsonWriter::separate()
{
    if (levels_.empty())
        return;
    Level& level = levels_.back();
    if (!level.empty)
        text_ += ',';
    if (level.layout == Layout::Lines)
        text_ += '\n' + std::string(2 * levels_.size(), ' ');
    else if (!level.empty)
        text_ += ' ';
    level.empty = false;
}

void JsonWriter::beforeValue()
{
    if (afterKey_)
        afterKey_ = false;
    else
        separate();
}

JsonWriter& JsonWriter::begin(char bracket, Layout layout)
{
    beforeValue();
    text_ += bracket;
    levels_.push_back({layout});
    return *this;
}

JsonWriter& JsonWriter::end(char bracket)
{
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.layout == Layout::Lines && !level.empty)
        text_ += '\n' + std::string(2 * levels_.size(), ' ');
    text_ += bracket;
    return *this;
}

JsonWriter& JsonWriter::beginObject(Layout layout)
{
    return begin('{', layout);
}

JsonWriter& JsonWriter::endObject()
{
    return end('}');
}

JsonWriter& JsonWriter::beginArray(Layout layout)
{
    return begin('[', layout);
}

JsonWriter& JsonWriter::endArray()
{
    return end(']');
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    separate();
    text_ += jsonString(name);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text)
{
    beforeValue();
    text_ += jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::number(std::int64_t value)
{
    beforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value)
{
    beforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonValue* JsonValue::find(std::string_view name)
{
    return const_cast<JsonValue*>(static_cast<const JsonValue*>(this)->find(name));
}

std::string JsonWriter::takeText()
{
    std::string text = std::move(text_);
    text_.clear();
    levels_.clear();
    afterKey_ = false;
    return text;
}

const JsonValue* JsonValue::find(std::string_view name) const
{
    if (type != Type::Object)
        return nullptr;
    const auto it = object.find(name);
    return it == object.end() ? nullptr : &it->second;
}

namespace {

constexpr int kMaxDepth = 200;

class JsonReader
{
public:
    explicit JsonReader(std::string_view text) : s_(text) {}

    bool read(JsonValue& v, JsonError& error)
    {
        skipBlanks();
        if (!value(v, 0) || (skipBlanks(), pos_ != s_.size()))
            return report(error);
        return true;
    }

    JsonArrayRead readArray(const std::function<bool(std::size_t, JsonValue&)>& onElement, JsonError& error)
    {
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != '[') {
            JsonValue whole;
            return read(whole, error) ? JsonArrayRead::NotArray : JsonArrayRead::NotJson;
        }
        ++pos_;
        skipBlanks();
        bool more = pos_ >= s_.size() || s_[pos_] != ']';
        if (!more)
            ++pos_;
        JsonValue element;
        for (std::size_t index = 0; more; ++index) {
            skipBlanks();
            element = JsonValue{};
            if (!value(element, 1)) {
                report(error);
                return JsonArrayRead::NotJson;
            }
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
            } else if (pos_ < s_.size() && s_[pos_] == ']') {
                ++pos_;
                more = false;
            } else {
                fail("expected ',' or ']'");
                report(error);
                return JsonArrayRead::NotJson;
            }
            if (!onElement(index, element))
                return JsonArrayRead::Stopped;
        }
        skipBlanks();
        if (pos_ != s_.size()) {
            report(error);
            return JsonArrayRead::NotJson;
        }
        return JsonArrayRead::Read;
    }

private:
    bool report(JsonError& error)
    {
        error.what = error_.empty() ? "unexpected text" : error_;
        error.offset = std::min(pos_, s_.size());
        const std::string_view before = s_.substr(0, error.offset);
        const std::size_t lineStart = before.rfind('\n') + 1; // 0 when there is none
        error.line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
        error.column = 1;
        for (std::size_t i = lineStart; i < error.offset;) {
            decodeUtf8(before, i);
            ++error.column;
        }
        return false;
    }

    void skipBlanks()
    {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool fail(const char* what)
    {
        error_ = what;
        return false;
    }
    bool literal(std::string_view word)
    {
        if (s_.substr(pos_, word.size()) != word)
            return fail("unexpected text");
        pos_ += word.size();
        return true;
    }
    bool hex4(char32_t& out)
    {
        if (pos_ + 4 > s_.size())
            return fail("short \\u escape");
        unsigned v = 0;
        const auto r = std::from_chars(s_.data() + pos_, s_.data() + pos_ + 4, v, 16);
        if (r.ec != std::errc() || r.ptr != s_.data() + pos_ + 4)
            return fail("bad \\u escape");
        pos_ += 4;
        out = v;
        return true;
    }
    bool str(std::string& out)
    {
        ++pos_; // the opening quote
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("control character in a string");
            if (c != '\\') {
                // A run of plain characters in one append: most strings are nothing else.
                std::size_t end = pos_ + 1;
                while (end < s_.size() && s_[end] != '"' && s_[end] != '\\' &&
                       static_cast<unsigned char>(s_[end]) >= 0x20)
                    ++end;
                out.append(s_.data() + pos_, end - pos_);
                pos_ = end;
                continue;
            }
            if (++pos_ >= s_.size())
                break;
            const char e = s_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                char32_t cp = 0;
                if (!hex4(cp))
                    return false;
                if (cp >= 0xD800 && cp < 0xDC00 && s_.substr(pos_, 2) == "\\u") {
                    pos_ += 2;
                    char32_t low = 0;
                    if (!hex4(low))
                        return false;
                    if (low >= 0xDC00 && low < 0xE000)
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    else {
                        appendUtf8(out, 0xFFFD);
                        cp = low;
                    }
                }
                if (cp >= 0xD800 && cp < 0xE000)
                    cp = 0xFFFD;
                appendUtf8(out, cp);
                break;
            }
            default:
                return fail("bad escape");
            }
        }
        return fail("unterminated string");
    }
    bool num(double& out)
    {
        const std::size_t start = pos_;
        if (pos_ < s_.size() && s_[pos_] == '-')
            ++pos_;
        while (pos_ < s_.size() && ((s_[pos_] >= '0' && s_[pos_] <= '9') || s_[pos_] == '.' ||
                                    s_[pos_] == 'e' || s_[pos_] == 'E' || s_[pos_] == '+' || s_[pos_] == '-'))
            ++pos_;
        const std::string text(s_.substr(start, pos_ - start));
        char* end = nullptr;
        out = std::strtod(text.c_str(), &end);
        if (text.empty() || end != text.c_str() + text.size())
            return fail("bad number");
        return true;
    }
    bool value(JsonValue& v, int depth)
    {
        if (depth > kMaxDepth)
            return fail("nested too deeply");
        if (pos_ >= s_.size())
            return fail("unexpected end");
        const char c = s_[pos_];
        if (c == '{') {
            v.type = JsonValue::Type::Object;
            ++pos_;
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == '}') {
                ++pos_;
                return true;
            }
            for (;;) {
                skipBlanks();
                if (pos_ >= s_.size() || s_[pos_] != '"')
                    return fail("expected a member name");
                std::string name;
                if (!str(name))
                    return false;
                skipBlanks();
                if (pos_ >= s_.size() || s_[pos_] != ':')
                    return fail("expected ':'");
                ++pos_;
                skipBlanks();
                JsonValue member;
                if (!value(member, depth + 1))
                    return false;
                v.object[name] = std::move(member);
                skipBlanks();
                if (pos_ < s_.size() && s_[pos_] == ',') {
                    ++pos_;
                    continue;
                }
                if (pos_ < s_.size() && s_[pos_] == '}') {
                    ++pos_;
                    return true;
                }
                return fail("expected ',' or '}'");
            }
        }
        if (c == '[') {
            v.type = JsonValue::Type::Array;
            ++pos_;
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == ']') {
                ++pos_;
                return true;
            }
            // The elements gather in this depth's scratch list and move into the array at its
            // final size: a large array is neither regrown nor left with slack.
            std::vector<JsonValue>& elements = scratch_[static_cast<std::size_t>(depth)];
            elements.clear();
            for (;;) {
                skipBlanks();
                if (!value(elements.emplace_back(), depth + 1))
                    return false;
                skipBlanks();
                if (pos_ < s_.size() && s_[pos_] == ',') {
                    ++pos_;
                    continue;
                }
                if (pos_ < s_.size() && s_[pos_] == ']') {
                    ++pos_;
                    v.array.assign(std::make_move_iterator(elements.begin()),
                                   std::make_move_iterator(elements.end()));
                    elements.clear();
                    return true;
                }
                return fail("expected ',' or ']'");
            }
        }
        if (c == '"') {
            v.type = JsonValue::Type::String;
            return str(v.string);
        }
        if (c == 't' || c == 'f') {
            v.type = JsonValue::Type::Boolean;
            v.boolean = c == 't';
            return literal(c == 't' ? "true" : "false");
        }
        if (c == 'n') {
            v.type = JsonValue::Type::Null;
            return literal("null");
        }
        if (c != '-' && (c < '0' || c > '9'))
            return fail("unexpected text");
        v.type = JsonValue::Type::Number;
        return num(v.number);
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::string error_;
    std::vector<std::vector<JsonValue>> scratch_ = std::vector<std::vector<JsonValue>>(kMaxDepth + 1);
};

} // namespace

bool parseJson(std::string_view text, JsonValue& value, JsonError& error)
{
    value = JsonValue{};
    error = JsonError{};
    return JsonReader(text).read(value, error);
}

JsonArrayRead parseJsonArray(std::string_view text,
                             const std::function<bool(std::size_t index, JsonValue& element)>& onElement,
                             JsonError& error)
{
    error = JsonError{};
    return JsonReader(text).readArray(onElement, error);
}

bool parseJson(std::string_view text, JsonValue& value, std::string& error)
{
    JsonError why;
    if (parseJson(text, value, why))
        return true;
    error = why.what + " at line " + std::to_string(why.line) + ", column " + std::to_string(why.column);
    return false;
}

} // namespace tovalo
