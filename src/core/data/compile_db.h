#pragma once
// Compilation databases (compile_commands.json): the JSON array that CMake
// (CMAKE_EXPORT_COMPILE_COMMANDS), Bear and intercept-build write, one entry per compilation of a
// source file, with the compiler's working folder and its arguments. dpct reads the same file
// through its -p option.

#include "base/message.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

struct CompileDbEntry
{
    /// The source, absolute and lexically normal ("file" taken against "directory").
    std::string file;
    /// The compiler's working folder, absolute and lexically normal ("directory" taken against
    /// the database's folder when it is relative, which the format does not allow but some
    /// generators write).
    std::string directory;
    /// The compiler's arguments, the program first: "arguments", or "command" split into words
    /// by the rules of this platform's shell (splitCommand). Empty when the entry has neither.
    std::vector<std::string> arguments;
};

struct CompileDb
{
    std::string folder; ///< the database's folder, absolute and lexically normal
    std::vector<CompileDbEntry> entries;
};

/// Reads the database at `path` (UTF-8; a relative path is taken against the current folder; a
/// folder stands for the compile_commands.json in it, as for dpct's -p).
/// Returns false with `error` when the file cannot be read (the system's reason), is not JSON
/// (the reader's reason with line and column), is not an array, or has an entry that is no
/// object or lacks a "file" or "directory" string (the entry's number, from 1).
bool readCompileDb(std::string_view path, CompileDb& db, Message& error);

/// The same for the text of a database that lies in `folder` (absolute).
bool parseCompileDb(std::string_view text, std::string_view folder, CompileDb& db, Message& error);

/// Reads the text of a database as readCompileDb does, handing each entry to `onEntry` as soon
/// as it is read, so that a large database is never held whole; `onEntry` may take the entry
/// apart. On an error the entries before it have been handed over.
bool forEachCompileDbEntry(std::string_view text, std::string_view folder,
                           const std::function<void(CompileDbEntry& entry)>& onEntry, Message& error);

/// The text of the database at `path` (see readCompileDb; a UTF-8 byte-order mark removed) and
/// its folder, absolute and lexically normal. False with the system's reason in `error`.
bool readCompileDbFile(std::string_view path, std::string& text, std::string& folder, Message& error);

/// `path` lexically normal and absolute: a relative path is taken against `base`. Separators
/// are the platform's; a folder keeps no trailing separator but the root's.
std::string normalFolderOrFile(std::string_view path, std::string_view base);

} // namespace tovalo
