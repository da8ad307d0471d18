#include "compile_db.h"

#include "base/command_words.h"
#include "base/file_io.h"
#include "base/json.h"
#include "base/text.h"

#include <filesystem>
#include <system_error>

namespace tovalo {

namespace {

namespace fs = std::filesystem;

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
    const fs::path p = pathFromUtf8(path);
    return normal(p.is_absolute() ? p : pathFromUtf8(base) / p);
}

bool parseCompileDb(std::string_view text, std::string_view folder, CompileDb& db, Message& error)
{
    db = CompileDb{};
    db.folder = normalFolderOrFile(folder, folder);
    JsonValue root;
    JsonError why;
    if (!parseJson(text, root, why)) {
        error = Message(MessageId::DatabaseNotJson,
                        {why.what, std::to_string(why.line), std::to_string(why.column)});
        return false;
    }
    if (root.type != JsonValue::Type::Array) {
        error = MessageId::DatabaseNotArray;
        return false;
    }
    db.entries.resize(root.array.size());
    for (std::size_t i = 0; i < root.array.size(); ++i) {
        JsonValue& value = root.array[i];
        CompileDbEntry& entry = db.entries[i];
        if (value.type != JsonValue::Type::Object) {
            error = entryProblem(MessageId::DatabaseEntryNotObject, i);
            return false;
        }
        std::string directory;
        std::string file;
        if (!takeString(value, i, "directory", directory, error) ||
            !takeString(value, i, "file", file, error))
            return false;
        entry.directory = normalFolderOrFile(directory, db.folder);
        entry.file = normalFolderOrFile(file, entry.directory);
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
    }
    return true;
}

bool readCompileDb(std::string_view path, CompileDb& db, Message& error)
{
    // dpct's -p names the folder that holds the database; so may the user.
    std::error_code ec;
    fs::path file = pathFromUtf8(path);
    if (fs::is_directory(file, ec))
        file /= "compile_commands.json";
    std::string bytes;
    if (!readWholeFile(utf8FromPath(file), bytes, error))
        return false;
    const fs::path absolute = fs::absolute(file, ec);
    const std::string folder = utf8FromPath((ec ? file : absolute).parent_path());
    // A UTF-8 byte-order mark is not JSON, but editors on Windows write one.
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::string_view text = bytes;
    if (text.starts_with(kBom))
        text.remove_prefix(kBom.size());
    return parseCompileDb(text, folder, db, error);
}

} // namespace tovalo
