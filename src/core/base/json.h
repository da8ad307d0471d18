#pragma once
// Minimal JSON: output value by value (JsonWriter) and a small reader (parseJson) for the
// results files tovalo-cli and the GUI write, and for compilation databases (parseJsonArray,
// element by element).

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

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

    JsonWriter() = default;
    /// A writer that hands its text to `sink` piece by piece as it goes (a long string too), so
    /// that a large document is never held whole; flush() hands over the rest.
    explicit JsonWriter(std::function<void(std::string_view text)> sink) : sink_(std::move(sink)) {}

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
    /// Hands over what was written without copying it; the writer starts afresh.
    std::string takeText();
    /// Room for `bytes` of text, so that a large document is not copied as it grows.
    void reserve(std::size_t bytes) { text_.reserve(bytes); }
    /// With a sink: hands what is not yet handed over to it.
    void flush();

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
    void appendString(std::string_view text);
    void handOver(); // with a sink: hands the text over once a piece is full

    std::function<void(std::string_view text)> sink_;
    std::string text_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

/// A JSON value as read by parseJson. Numbers are kept as double; object members by name (a
/// name given twice keeps its last value).
struct JsonValue
{
    enum class Type
    {
        Null,
        Boolean,
        Number,
        String,
        Array,
        Object
    };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<JsonValue> array;
    std::map<std::string, JsonValue, std::less<>> object;

    /// The member `name` of an object; nullptr when this is no object or has no such member.
    const JsonValue* find(std::string_view name) const;
    JsonValue* find(std::string_view name);
};

/// Why and where parseJson stopped. `line` and `column` are 1-based; a column counts characters
/// (UTF-8 sequences), a tab being one, as editors show them.
struct JsonError
{
    std::string what; ///< "expected ',' or '}'", "unterminated string", ...
    std::size_t offset = 0;
    std::size_t line = 0;
    std::size_t column = 0;
};

/// Reads one JSON text (RFC 8259; white space around it allowed). Returns false with `error`
/// for text that is not JSON or nests deeper than 200 levels.
bool parseJson(std::string_view text, JsonValue& value, JsonError& error);
enum class JsonArrayRead
{
    Read,     ///< every element was handed over
    NotJson,  ///< the text is not JSON: `error` says why and where
    NotArray, ///< the text is JSON, but its value is no array
    Stopped,  ///< the callback returned false
};

/// Reads a JSON text whose value is an array, handing each element to `onElement` with its
/// index (from 0) as soon as it is read, so that a large array is never held whole. The element
/// may be taken apart (moved from). Elements before an error in the text have been handed over.
JsonArrayRead parseJsonArray(std::string_view text,
                             const std::function<bool(std::size_t index, JsonValue& element)>& onElement,
                             JsonError& error);

/// The same with the error as one text: "expected ':' at line 3, column 14".
bool parseJson(std::string_view text, JsonValue& value, std::string& error);

/// Reads a JSON text value by value, in text order, without building a tree: a reader takes
/// what it wants where it is (a long string straight into its place) and skips the rest. Every
/// call after an error fails; error() then says why and where, as parseJson does.
class JsonCursor
{
public:
    explicit JsonCursor(std::string_view text);
    ~JsonCursor();
    JsonCursor(const JsonCursor&) = delete;
    JsonCursor& operator=(const JsonCursor&) = delete;

    /// The type of the next value (white space skipped); Null also at the end or after an error.
    JsonValue::Type peek();
    /// Enters the object that comes next; false when none comes.
    bool beginObject();
    /// The next member of the object entered last: true with its `name` (its value comes next);
    /// false at the object's end (it is left) or on an error.
    bool nextMember(std::string& name);
    /// Enters the array that comes next; false when none comes.
    bool beginArray();
    /// True when another element of the array entered last comes next; false at the array's end
    /// (it is left) or on an error.
    bool nextElement();
    /// The string that comes next, into `text` (replacing what it held).
    bool string(std::string& text);
    /// The next value whatever it is, as a tree.
    bool value(JsonValue& value);
    /// Passes over the next value whatever it is, keeping nothing of it.
    bool skip();
    /// True when nothing but white space is left.
    bool atEnd();
    bool failed() const;
    /// "expected ':' at line 3, column 14".
    std::string error() const;
    /// `progress` is told now and then (every few megabytes, also within a long string) the
    /// offset up to which the text has been read. The memory of the text before it may be let
    /// go: it is looked at again only shortly (a long string is gone over twice, first to
    /// measure it) or to place an error.
    void onProgress(std::function<void(std::size_t offset)> progress);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tovalo
