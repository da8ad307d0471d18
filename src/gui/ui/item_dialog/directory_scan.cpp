#include "ui/item_dialog/directory_scan.h"

#include "base/path_text.h"
#include "base/text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unordered_map>

namespace fs = std::filesystem;

namespace tovalo::gui {

namespace {

bool isSeparator(char c)
{
    return c == '/' || (fs::path::preferred_separator == '\\' && c == '\\');
}

std::string withSeparator(std::string dir)
{
    if (dir.empty() || !isSeparator(dir.back()))
        dir.push_back(static_cast<char>(fs::path::preferred_separator));
    return dir;
}

struct Entry
{
    std::string name;
    bool isDir = false;
};

class Scanner
{
public:
    Scanner(const ScanRequest& request, std::vector<std::string>& found) : request_(request), found_(found)
    {
        for (const std::string& path : request.existingPaths)
            index_.insert(path);
    }

    bool cancelled() const { return request_.cancel && request_.cancel->load(std::memory_order_relaxed); }

    /// Reads the entries of `dir` (UTF-8, ending with a separator) whose names begin with
    /// `prefix`; false when the folder cannot be read.
    bool list(const std::string& dir, std::string_view prefix, std::vector<Entry>& entries)
    {
        std::error_code ec;
        fs::directory_iterator it(pathFromUtf8(dir), ec);
        if (ec)
            return false;
        for (; it != fs::directory_iterator(); it.increment(ec)) {
            if (ec)
                break;
            Entry e;
            e.name = utf8FromPath(it->path().filename());
            if (!prefix.empty() && e.name.compare(0, prefix.size(), prefix) != 0)
                continue;
            std::error_code sec;
            const fs::file_status ls = it->symlink_status(sec);
            if (sec)
                continue;
            if (fs::is_symlink(ls)) {
                // A link to a file counts as the file; a link to a folder is not entered.
                const fs::file_status ts = it->status(sec);
                if (sec || fs::is_directory(ts)) {
                    if (!sec && request_.includeSubdirs)
                        ++progress_.linkedFolders;
                    continue;
                }
            } else {
                e.isDir = fs::is_directory(ls);
            }
            entries.push_back(std::move(e));
        }
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.name < b.name; });
        return true;
    }

    void take(const std::string& dir, std::vector<Entry>& entries)
    {
        ++progress_.foldersEntered;
        for (Entry& e : entries) {
            if (cancelled())
                return;
            ++progress_.entriesSeen;
            if (request_.progress && request_.progressEvery &&
                progress_.entriesSeen % request_.progressEvery == 0)
                request_.progress(progress_);
            std::string full = dir + e.name;
            if (e.isDir) {
                if (!request_.includeSubdirs)
                    continue;
                const std::string sub = withSeparator(std::move(full));
                std::vector<Entry> children;
                if (list(sub, {}, children))
                    take(sub, children);
                else
                    ++progress_.unreadableFolders;
            } else if (hasCudaExtension(e.name) && full.find_first_of("\r\n") != std::string::npos) {
                if (request_.withLineBreak)
                    request_.withLineBreak->push_back(std::move(full));
            } else if (hasCudaExtension(e.name)) {
                if (index_.contains(full)) {
                    ++progress_.alreadyListed;
                } else {
                    index_.insert(full);
                    found_.push_back(std::move(full));
                    ++progress_.filesFound;
                }
            }
        }
    }

    void finish()
    {
        if (request_.totals)
            *request_.totals = progress_;
        if (request_.progress)
            request_.progress(progress_);
    }

private:
    const ScanRequest& request_;
    std::vector<std::string>& found_;
    PathIndex index_;
    ScanProgress progress_;
};

} // namespace

bool hasCudaExtension(std::string_view name)
{
    if (name.size() < 3)
        return false;
    const std::string_view ext = name.substr(name.size() - 3);
    return ext[0] == '.' && (ext[1] == 'c' || ext[1] == 'C') && (ext[2] == 'u' || ext[2] == 'U');
}

ScanOutcome scanCudaDirectory(const ScanRequest& request, std::vector<std::string>& found)
{
    const std::string& text = request.directory;
    if (text.empty())
        return ScanOutcome::NotFound;
    Scanner scanner(request, found);
    std::vector<Entry> entries;
    std::string dir;
    if (text.back() == '*') {
        // An explicit pattern: entries of the parent folder whose names begin with the rest.
        const std::string stem = text.substr(0, text.size() - 1);
        std::size_t cut = stem.size();
        while (cut > 0 && !isSeparator(stem[cut - 1]))
            --cut;
        dir = cut == 0 ? withSeparator(".") : stem.substr(0, cut);
        if (!scanner.list(dir, std::string_view(stem).substr(cut), entries) || entries.empty())
            return ScanOutcome::NotFound;
        if (cut == 0)
            dir.clear(); // a bare pattern names entries of the working folder by their names
    } else {
        dir = withSeparator(text);
        std::error_code ec;
        if (!fs::is_directory(pathFromUtf8(dir), ec) || !scanner.list(dir, {}, entries))
            return ScanOutcome::NotFound;
    }
    scanner.take(dir, entries);
    scanner.finish();
    return scanner.cancelled() ? ScanOutcome::Cancelled : ScanOutcome::Done;
}

} // namespace tovalo::gui
