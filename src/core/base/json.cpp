// Writing JSON (JsonWriter, jsonString) and looking up an object's members; reading is in json_read.cpp.

#include "json.h"

#include "base/text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace tovalo {

namespace {

// The text a writer with a sink gathers before handing it over.
constexpr std::size_t kPieceBytes = std::size_t{1} << 18;

// Appends `text` as a JSON string literal to `out`; `handOver` is called between runs of
// characters whenever `out` has reached a piece's size.
template <typename HandOver>
void appendJsonString(std::string& out, std::string_view text, HandOver&& handOver)
{
    out.push_back('"');
    std::size_t pos = 0;
    while (pos < text.size()) {
        // A run of characters that need no escape, in one append (bounded, so that a long text
        // is handed over piece by piece).
        std::size_t end = pos;
        const std::size_t most = std::min(text.size(), pos + kPieceBytes);
        while (end < most) {
            const auto c = static_cast<unsigned char>(text[end]);
            if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\')
                break;
            ++end;
        }
        if (end > pos) {
            out.append(text.data() + pos, end - pos);
            pos = end;
            if (out.size() >= kPieceBytes)
                handOver();
            continue;
        }
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
        if (out.size() >= kPieceBytes)
            handOver();
    }
    out.push_back('"');
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    appendJsonString(out, text, [] {});
    return out;
}

void JsonWriter::appendString(std::string_view text)
{
    if (sink_)
        appendJsonString(text_, text, [this] { handOver(); });
    else
        appendJsonString(text_, text, [] {});
}

void JsonWriter::handOver()
{
    if (sink_ && text_.size() >= kPieceBytes) {
        sink_(text_);
        text_.clear();
    }
}

void JsonWriter::flush()
{
    if (sink_ && !text_.empty()) {
        sink_(text_);
        text_.clear();
    }
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
    appendString(name);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text)
{
    beforeValue();
    appendString(text);
    handOver();
    return *this;
}

JsonWriter& JsonWriter::number(std::int64_t value)
{
    beforeValue();
    text_ += std::to_string(value);
    handOver();
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

} // namespace tovalo
