// Reading JSON: parseJson (a whole tree), parseJsonArray (one element at a time) and JsonCursor
// (member by member, without a tree), over one reader.

#include "base/text.h"
#include "json.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace tovalo {

namespace {

constexpr int kMaxDepth = 200;
// How much text a reader goes over between two reports of its progress.
constexpr std::size_t kProgressBytes = std::size_t{8} << 20;

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

    // The parts below are the cursor's too (JsonCursor::Impl).
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
    // A member's name at pos_ (kept in `name` unless it is null), the colon after it and the
    // blanks around that colon.
    bool memberName(std::string* name)
    {
        if (pos_ >= s_.size() || s_[pos_] != '"')
            return fail("expected a member name");
        if (!str(name))
            return false;
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != ':')
            return fail("expected ':'");
        ++pos_;
        skipBlanks();
        return true;
    }
    // A string literal at pos_, appended to `out` (skipped when it is null).
    static void put(std::string* out, char c)
    {
        if (out)
            out->push_back(c);
    }
    bool str(std::string* out)
    {
        ++pos_; // the opening quote
        if (out) {
            // Room for the whole string at once (its text in the file is at least as long as
            // what it stands for): a long string is not copied again and again as it grows.
            std::size_t end = pos_;
            for (;;) {
                const std::size_t stretch = std::min(s_.size(), end + kProgressBytes);
                while (end < stretch && s_[end] != '"')
                    end += s_[end] == '\\' ? 2 : 1;
                if (end >= s_.size() || s_[end] == '"')
                    break;
                if (progress_)
                    progress_(end);
            }
            out->reserve(out->size() + std::min(end, s_.size()) - pos_);
        }
        std::size_t told = pos_;
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
                const std::size_t stretch = std::min(s_.size(), pos_ + kProgressBytes);
                while (end < stretch && s_[end] != '"' && s_[end] != '\\' &&
                       static_cast<unsigned char>(s_[end]) >= 0x20)
                    ++end;
                if (out)
                    out->append(s_.data() + pos_, end - pos_);
                pos_ = end;
                if (progress_ && pos_ >= told + kProgressBytes) {
                    told = pos_;
                    progress_(pos_);
                }
                continue;
            }
            if (++pos_ >= s_.size())
                break;
            const char e = s_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                put(out, e);
                break;
            case 'b':
                put(out, '\b');
                break;
            case 'f':
                put(out, '\f');
                break;
            case 'n':
                put(out, '\n');
                break;
            case 'r':
                put(out, '\r');
                break;
            case 't':
                put(out, '\t');
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
                        if (out)
                            appendUtf8(*out, 0xFFFD);
                        cp = low;
                    }
                }
                if (cp >= 0xD800 && cp < 0xE000)
                    cp = 0xFFFD;
                if (out)
                    appendUtf8(*out, cp);
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
                std::string name;
                if (!memberName(&name))
                    return false;
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
            return str(&v.string);
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

    // Passes over one value, keeping nothing of it.
    bool skipValue(int depth)
    {
        if (depth > kMaxDepth)
            return fail("nested too deeply");
        if (pos_ >= s_.size())
            return fail("unexpected end");
        const char c = s_[pos_];
        if (c == '"')
            return str(nullptr);
        if (c != '{' && c != '[') {
            JsonValue scalar;
            return value(scalar, depth);
        }
        const char close = c == '{' ? '}' : ']';
        ++pos_;
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == close) {
            ++pos_;
            return true;
        }
        for (;;) {
            skipBlanks();
            if (c == '{' && !memberName(nullptr))
                return false;
            if (!skipValue(depth + 1))
                return false;
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == close) {
                ++pos_;
                return true;
            }
            return fail(c == '{' ? "expected ',' or '}'" : "expected ',' or ']'");
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::string error_;
    // Told now and then how far the text has been read (JsonCursor::onProgress).
    std::function<void(std::size_t)> progress_;
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

struct JsonCursor::Impl : JsonReader
{
    explicit Impl(std::string_view text) : JsonReader(text) {}

    // The containers entered, innermost last: its closing bracket, and whether an element or
    // member has been read from it yet.
    struct Open
    {
        char close;
        bool any = false;
    };
    std::vector<Open> open;
    bool broken = false;
    JsonError why;

    bool stop()
    {
        if (!broken) {
            broken = true;
            report(why);
        }
        return false;
    }
    bool enter(char bracket)
    {
        if (broken)
            return false;
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != bracket)
            return false;
        if (open.size() >= static_cast<std::size_t>(kMaxDepth)) {
            fail("nested too deeply");
            return stop();
        }
        ++pos_;
        open.push_back({bracket == '{' ? '}' : ']'});
        return true;
    }
    // Before the next element or member of the innermost container: false at its end.
    bool next()
    {
        if (broken || open.empty())
            return false;
        Open& o = open.back();
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == o.close) {
            ++pos_;
            open.pop_back();
            return false;
        }
        if (o.any) {
            if (pos_ >= s_.size() || s_[pos_] != ',') {
                fail(o.close == '}' ? "expected ',' or '}'" : "expected ',' or ']'");
                return stop();
            }
            ++pos_;
            skipBlanks();
        }
        o.any = true;
        if (progress_ && pos_ >= told + kProgressBytes) {
            told = pos_;
            progress_(pos_);
        }
        return true;
    }
    std::size_t told = 0;
};

JsonCursor::JsonCursor(std::string_view text) : impl_(std::make_unique<Impl>(text)) {}

JsonCursor::~JsonCursor() = default;

JsonValue::Type JsonCursor::peek()
{
    Impl& r = *impl_;
    if (r.broken)
        return JsonValue::Type::Null;
    r.skipBlanks();
    if (r.pos_ >= r.s_.size())
        return JsonValue::Type::Null;
    switch (r.s_[r.pos_]) {
    case '{':
        return JsonValue::Type::Object;
    case '[':
        return JsonValue::Type::Array;
    case '"':
        return JsonValue::Type::String;
    case 't':
    case 'f':
        return JsonValue::Type::Boolean;
    case 'n':
        return JsonValue::Type::Null;
    default:
        return JsonValue::Type::Number;
    }
}

bool JsonCursor::beginObject()
{
    return impl_->enter('{');
}

bool JsonCursor::nextMember(std::string& name)
{
    Impl& r = *impl_;
    if (r.open.empty() || r.open.back().close != '}' || !r.next())
        return false;
    name.clear();
    return r.memberName(&name) || r.stop();
}

bool JsonCursor::beginArray()
{
    return impl_->enter('[');
}

bool JsonCursor::nextElement()
{
    Impl& r = *impl_;
    return !r.open.empty() && r.open.back().close == ']' && r.next();
}

bool JsonCursor::string(std::string& text)
{
    Impl& r = *impl_;
    if (peek() != JsonValue::Type::String)
        return false;
    text.clear();
    return r.str(&text) || r.stop();
}

bool JsonCursor::value(JsonValue& value)
{
    Impl& r = *impl_;
    if (r.broken)
        return false;
    r.skipBlanks();
    value = JsonValue{};
    return r.value(value, static_cast<int>(r.open.size())) || r.stop();
}

bool JsonCursor::skip()
{
    Impl& r = *impl_;
    if (r.broken)
        return false;
    r.skipBlanks();
    return r.skipValue(static_cast<int>(r.open.size())) || r.stop();
}

bool JsonCursor::atEnd()
{
    Impl& r = *impl_;
    if (r.broken)
        return false;
    r.skipBlanks();
    if (r.pos_ == r.s_.size())
        return true;
    r.fail("unexpected text");
    return r.stop();
}

void JsonCursor::onProgress(std::function<void(std::size_t offset)> progress)
{
    impl_->progress_ = std::move(progress);
}

bool JsonCursor::failed() const
{
    return impl_->broken;
}

std::string JsonCursor::error() const
{
    const JsonError& why = impl_->why;
    return why.what + " at line " + std::to_string(why.line) + ", column " + std::to_string(why.column);
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
