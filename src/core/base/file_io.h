#pragma once
// Whole-file reads and atomic whole-file writes.
//
// writeFileAtomically writes to a temporary file in the target's folder, flushes it to disk
// and then replaces the target in one rename. A crash, a full disk or any error leaves the
// previous file untouched; the temporary file is removed on error.

#include <string>
#include <string_view>

namespace tovalo {

/// Reads the whole file at `path` (UTF-8). On failure returns false and sets `error` to the
/// system's reason (for example "No such file or directory").
bool readWholeFile(std::string_view path, std::string& bytes, std::string& error);

/// Writes `bytes` to `path` atomically. On failure returns false and sets `error` to the reason;
/// the previous file, if any, is unchanged. An existing file keeps its permissions.
bool writeFileAtomically(std::string_view path, std::string_view bytes, std::string& error);

/// True when a file or folder exists at `path`.
bool pathExists(std::string_view path);

} // namespace tovalo
