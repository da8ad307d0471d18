#pragma once
// Whole-file reads and atomic whole-file writes.
//
// writeFileAtomically writes to a temporary file in the target's folder, flushes it to disk
// and then replaces the target in one rename. A crash, a full disk or any error leaves the
// previous file untouched; the temporary file is removed on error. Temporary files are named
// ".<name>.tovalo-save-<unique>" so that one left by a killed process is recognisable; the next
// save of the same file removes it.

#include "message.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tovalo {

/// The most readWholeFile reads unless told otherwise.
inline constexpr std::size_t kDefaultReadLimit = std::size_t{1} << 30;

/// Reads the whole file at `path` (UTF-8). On failure returns false and sets `error` to the
/// system's reason (literal text, for example "No such file or directory"), NotRegularFile for
/// anything but a regular file (a FIFO or a device is refused before anything is read from it,
/// so neither can hang or flood the reader), or FileTooLarge when it holds more than `limit`
/// bytes.
bool readWholeFile(std::string_view path, std::string& bytes, Message& error,
                   std::size_t limit = kDefaultReadLimit);

/// A file's bytes, for reading once from the start to the end. On POSIX the file is mapped into
/// memory, and the memory of the part already read can be let go (release), so that a file of
/// hundreds of megabytes is never resident whole; elsewhere it is read whole.
class FileView
{
public:
    FileView() = default;
    ~FileView();
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;

    /// Opens `path` as readWholeFile reads it (the same refusals and reasons).
    bool open(std::string_view path, Message& error, std::size_t limit = kDefaultReadLimit);
    std::string_view bytes() const { return {data_, size_}; }
    /// The bytes before `offset` are not needed for now: their memory may go (they can still be
    /// read; they come back from the file).
    void release(std::size_t offset);
    /// Another program cut the file short while it was read: the bytes past its new end read as
    /// zero bytes (a mapped file's pages beyond its end would otherwise end this process).
    bool changedWhileRead() const;

private:
    const char* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    int guard_ = -1;    ///< the slot that guards the mapping against a file cut short
    std::string whole_; ///< the bytes, where the file is not mapped
};

/// Reads the file at `path` as readWholeFile does (the same refusals and limit), handing its bytes
/// to `piece` in order a piece at a time, so that a large file is never held whole. `size` is set
/// to the file's size when it was opened, before the first piece. Reading stops early, with true
/// returned, when `piece` returns false.
bool readFilePieces(std::string_view path, std::size_t& size,
                    const std::function<bool(std::string_view)>& piece, Message& error,
                    std::size_t limit = kDefaultReadLimit);

/// Writes `bytes` to `path` atomically. On failure returns false and sets `error` to the reason;
/// the previous file, if any, is unchanged. An existing file keeps its permissions, and on POSIX
/// its owner and group where the process may set them. A symbolic link is written through to
/// the file it leads to (the link stays). Anything at `path` that is not a regular file (a
/// folder, FIFO or device) is refused. Other hard links to the file keep the previous text:
/// the new file replaces the name, not the old file's contents.
bool writeFileAtomically(std::string_view path, std::string_view bytes, Message& error);

/// Takes the next bytes of a file being written; false once a write has failed (the producer
/// may stop then: nothing more is written).
using ByteSink = std::function<bool(std::string_view bytes)>;

/// writeFileAtomically of the bytes that `produce` hands to its sink piece by piece, so that a
/// large file is never held whole in memory. The same guarantees: on failure nothing replaces
/// the previous file.
bool writeFileAtomically(std::string_view path, const std::function<void(const ByteSink& sink)>& produce,
                         Message& error);

/// The part of a temporary file's name between the target's name and the unique suffix.
inline constexpr std::string_view kTemporaryInfix = ".tovalo-save-";

/// True when a file or folder exists at `path`.
bool pathExists(std::string_view path);

} // namespace tovalo
