#include "json.h"

#include "base/text.h"

#include <cstdio>

namespace tovalo::cli {

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

} // namespace tovalo::cli
