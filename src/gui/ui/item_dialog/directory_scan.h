#pragma once
// The directory scan of the add command: collects the CUDA sources (extension ".cu" in any
// letter case) of a folder, optionally of all its sub-folders to any depth, and leaves out
// paths that the list already holds (compared as the platform compares file names, samePathText).
// Standard library only, so it runs on any thread; the caller may cancel it through an atomic
// flag and receives progress through a callback (called on the scanning thread).
//
// Which folder is scanned: exactly the folder named by the text, with or without a trailing
// separator. A text ending in "*" is an explicit name pattern: the entries of its parent folder
// whose names begin with the part before the "*" (files are taken, folders are entered like
// sub-folders when sub-folders are wanted).
//
// Within one folder the entries are taken in name order (byte order of their UTF-8 names).
// Symbolic links to folders are not followed, so a link loop cannot make the scan endless;
// folders that cannot be read are skipped.

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo::gui {

enum class ScanOutcome
{
    Done,      ///< the text named a folder (or the pattern matched); `found` may still be empty
    NotFound,  ///< nothing at all matched the text
    Cancelled, ///< stopped through the cancel flag; `found` holds what was collected so far
};

struct ScanProgress
{
    std::size_t entriesSeen = 0;
    std::size_t filesFound = 0;
    std::size_t foldersEntered = 0;
    std::size_t alreadyListed = 0;     ///< .cu files left out because the list holds them
    std::size_t unreadableFolders = 0; ///< sub-folders that could not be read (skipped)
    std::size_t linkedFolders = 0;     ///< links to folders, not entered (sub-folder scans only)
};

struct ScanRequest
{
    std::string directory; ///< UTF-8 folder text as the user gave it
    bool includeSubdirs = false;
    /// Paths the list already holds; matching files are skipped silently.
    std::vector<std::string> existingPaths;
    const std::atomic<bool>* cancel = nullptr;
    /// Called every `progressEvery` entries and once at the end.
    std::function<void(const ScanProgress&)> progress;
    std::size_t progressEvery = 512;
    /// Receives, in scan order, the .cu files left out because their path holds a line break
    /// (a definition file has one path per line and cannot hold them); may be null.
    std::vector<std::string>* withLineBreak = nullptr;
    /// Receives the final counts when the scan ends (also when cancelled); may be null.
    ScanProgress* totals = nullptr;
};

/// Scans as described above and appends the full paths of the new files to `found`, in the
/// order of the scan, each path once.
ScanOutcome scanCudaDirectory(const ScanRequest& request, std::vector<std::string>& found);

/// True when `name` ends with ".cu" with case ignored.
bool hasCudaExtension(std::string_view name);

} // namespace tovalo::gui
