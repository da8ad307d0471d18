#include "compile_db.h"

#include "base/command_words.h"
#include "base/file_io.h"
#include "base/json.h"
#include "base/text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tovalo {

namespace {

namespace fs = std::filesystem;

// True when `path` is absolute and lexically normal in POSIX form already ("/w/src/a.cu": no
// empty, "." or ".." name, no trailing separator): most paths in a database are, and they then
// need no round trip through std::filesystem.
bool isNormalPosixPath(std::string_view path)
{
    if (fs::path::preferred_separator != '/' || path.size() < 2 || path[0] != '/')
        return false;
    for (std::size_t start = 1; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name.empty() || name == "." || name == "..")
            return false;
        start = end + 1;
    }
    return true;
}

std::string normal(const fs::path& p)
{
    fs::path n = p.lexically_normal();
    // "/a/b/" names the folder /a/b; lexically_normal keeps the separator as an empty name.
    if (!n.has_filename() && n.has_relative_path())
        n = n.parent_path();
    return utf8FromPath(n);
}

Message entryProblem(MessageId id, std::size_t index, std::string_view member = {})
{
    Message m(id, {std::to_string(index + 1)});
    if (!member.empty())
        m.args.emplace_back(member);
    return m;
}

// The string member `name` of entry `index`, moved out of it; false with `error` when there is
// none or it is not a string.
bool takeString(JsonValue& entry, std::size_t index, std::string_view name, std::string& out, Message& error)
{
    const auto it = entry.object.find(name);
    if (it == entry.object.end()) {
        error = entryProblem(MessageId::DatabaseEntryLacks, index, name);
        return false;
    }
    if (it->second.type != JsonValue::Type::String) {
        error = entryProblem(MessageId::DatabaseEntryNotText, index, name);
        return false;
    }
    out = std::move(it->second.string);
    return true;
}

} // namespace

std::string normalFolderOrFile(std::string_view path, std::string_view base)
{
    if (isNormalPosixPath(path))
        return std::string(path);
    const fs::path p = pathFromUtf8(path);
    return normal(p.is_absolute() ? p : pathFromUtf8(base) / p);
}

bool forEachCompileDbEntry(std::string_view text, std::string_view folder,
                           const std::function<void(CompileDbEntry& entry)>& onEntry, Message& error)
{
    const std::string base = normalFolderOrFile(folder, folder);
    std::string lastDirectory;
    std::string lastNormalDirectory = normalFolderOrFile(lastDirectory, base);
    CompileDbEntry entry;
    const auto take = [&](std::size_t i, JsonValue& value) {
        if (value.type != JsonValue::Type::Object) {
            error = entryProblem(MessageId::DatabaseEntryNotObject, i);
            return false;
        }
        std::string directory;
        std::string file;
        if (!takeString(value, i, "directory", directory, error) ||
            !takeString(value, i, "file", file, error))
            return false;
        // Entries mostly share their folder: normalise each folder once.
        if (directory != lastDirectory) {
            lastDirectory = std::move(directory);
            lastNormalDirectory = normalFolderOrFile(lastDirectory, base);
        }
        entry.directory = lastNormalDirectory;
        entry.file = normalFolderOrFile(file, entry.directory);
        entry.arguments.clear();
        if (const auto it = value.object.find("arguments"); it != value.object.end()) {
            if (it->second.type != JsonValue::Type::Array) {
                error = entryProblem(MessageId::DatabaseEntryNotList, i, "arguments");
                return false;
            }
            entry.arguments.reserve(it->second.array.size());
            for (JsonValue& word : it->second.array) {
                if (word.type != JsonValue::Type::String) {
                    error = entryProblem(MessageId::DatabaseEntryNotList, i, "arguments");
                    return false;
                }
                entry.arguments.push_back(std::move(word.string));
            }
        } else if (const auto command = value.object.find("command"); command != value.object.end()) {
            if (command->second.type != JsonValue::Type::String) {
                error = entryProblem(MessageId::DatabaseEntryNotText, i, "command");
                return false;
            }
            entry.arguments = splitCommand(command->second.string);
        }
        onEntry(entry);
        return true;
    };
    JsonError why;
    switch (parseJsonArray(text, take, why)) {
    case JsonArrayRead::Read:
        return true;
    case JsonArrayRead::NotJson:
        error = Message(MessageId::DatabaseNotJson,
                        {why.what, std::to_string(why.line), std::to_string(why.column)});
        return false;
    case JsonArrayRead::NotArray:
        error = MessageId::DatabaseNotArray;
        return false;
    case JsonArrayRead::Stopped:
        break; // `error` says why
    }
    return false;
}

bool parseCompileDb(std::string_view text, std::string_view folder, CompileDb& db, Message& error)
{
    db = CompileDb{};
    db.folder = normalFolderOrFile(folder, folder);
    return forEachCompileDbEntry(
        text, db.folder, [&db](CompileDbEntry& entry) { db.entries.push_back(std::move(entry)); }, error);
}

bool readCompileDbFile(std::string_view path, std::string& text, std::string& folder, Message& error)
{
    // dpct's -p names the folder that holds the database; so may the user.
    std::error_code ec;
    fs::path file = pathFromUtf8(path);
    if (fs::is_directory(file, ec))
        file /= "compile_commands.json";
    if (!readWholeFile(utf8FromPath(file), text, error))
        return false;
    const fs::path absolute = fs::absolute(file, ec);
    folder = normal((ec ? file : absolute).parent_path());
    // A UTF-8 byte-order mark is not JSON, but editors on Windows write one.
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (std::string_view(text).starts_with(kBom))
        text.erase(0, kBom.size());
    return true;
}

bool readCompileDb(std::string_view path, CompileDb& db, Message& error)
{
    std::string text;
    std::string folder;
    return readCompileDbFile(path, text, folder, error) && parseCompileDb(text, folder, db, error);
}

} // namespace tovalo
