#pragma once
// Minimal JSON output for tovalo-cli.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo::cli {

/// `text` as a JSON string literal, quotes included. Quotes, backslashes and control characters
/// are escaped; other characters stay UTF-8. Bytes that are not valid UTF-8 (a file name on a
/// POSIX system can hold any bytes) become U+FFFD, so the output is always valid JSON.
std::string jsonString(std::string_view text);

/// Writes JSON text value by value and puts in the separators. An object or array is laid out
/// on one line ({"a": 1, "b": [1, 2]}) or with one member per line, indented by two blanks a
/// level, the closing bracket on a line of its own (an empty one stays {} or []).
class JsonWriter
{
public:
    enum class Layout
    {
        Inline,
        Lines
    };

    JsonWriter& beginObject(Layout layout = Layout::Inline);
    JsonWriter& endObject();
    JsonWriter& beginArray(Layout layout = Layout::Inline);
    JsonWriter& endArray();
    /// The name of the object member whose value comes next.
    JsonWriter& key(std::string_view name);
    JsonWriter& string(std::string_view text);
    JsonWriter& number(std::int64_t value);
    JsonWriter& boolean(bool value);

    /// What was written so far.
    const std::string& text() const { return text_; }

private:
    struct Level
    {
        Layout layout;
        bool empty = true;
    };
    void separate(); // before a member or element of the innermost container
    void beforeValue();
    JsonWriter& begin(char bracket, Layout layout);
    JsonWriter& end(char bracket);

    std::string text_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

} // namespace tovalo::cli
