#include "definition_document.h"

#include "base/text.h"
#include "definition_file.h"

#include <algorithm>

namespace tovalo {

DefinitionDocument::DefinitionDocument() = default;
DefinitionDocument::~DefinitionDocument() = default;

void DefinitionDocument::setModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    notify([&](DefinitionDocumentObserver& o) { o.modifiedChanged(modified); });
}

void DefinitionDocument::setPath(std::string path)
{
    if (path == path_)
        return;
    path_ = std::move(path);
    notify([&](DefinitionDocumentObserver& o) { o.pathChanged(path_); });
}

bool DefinitionDocument::load(std::string_view path, Message& error)
{
    ReadResult read = readDefinitionFile(path);
    lastFailure_ = read.failure;
    if (!read.ok) {
        error = read.error;
        return false;
    }
    skippedLines_ = !read.notes.empty();
    encoding_ = read.encoding;
    replacedBytes_ = read.replacedBytes;
    firstReplacedLine_ = read.firstReplacedLine;
    encodingKept_ = read.encodingKeptBySave;
    notify([](DefinitionDocumentObserver& o) { o.aboutToReset(); });
    items_.clear();
    index_.clear();
    items_.reserve(read.items.size());
    index_.reserve(read.items.size());
    for (CDpctData& item : read.items) {
        index_.insert(item.path);
        items_.push_back(std::make_unique<CDpctData>(std::move(item)));
    }
    notify([](DefinitionDocumentObserver& o) { o.reset(); });
    setPath(std::string(path));
    setModified(false);
    return true;
}

bool DefinitionDocument::save(std::string_view path, Message& error)
{
    std::vector<CDpctData> copy;
    copy.reserve(items_.size());
    for (const auto& item : items_)
        copy.push_back(*item);
    if (!writeDefinitionFile(path, copy, error))
        return false;
    skippedLines_ = false;
    encodingKept_ = true;
    replacedBytes_ = 0;
    firstReplacedLine_ = 0;
    setPath(std::string(path));
    setModified(false);
    return true;
}

CDpctData* DefinitionDocument::item(int row)
{
    if (row < 0 || row >= size())
        return nullptr;
    return items_[static_cast<std::size_t>(row)].get();
}

const CDpctData* DefinitionDocument::item(int row) const
{
    if (row < 0 || row >= size())
        return nullptr;
    return items_[static_cast<std::size_t>(row)].get();
}

int DefinitionDocument::indexOf(const CDpctData* item) const
{
    if (!item)
        return -1;
    const auto it =
        std::find_if(items_.begin(), items_.end(), [&](const auto& owned) { return owned.get() == item; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

std::vector<CDpctData*> DefinitionDocument::runItems()
{
    std::vector<CDpctData*> out;
    out.reserve(items_.size());
    for (const auto& item : items_)
        out.push_back(item.get());
    return out;
}

std::vector<std::string> DefinitionDocument::paths() const
{
    std::vector<std::string> out;
    out.reserve(items_.size());
    for (const auto& item : items_)
        out.push_back(item->path);
    return out;
}

bool DefinitionDocument::contains(std::string_view path) const
{
    return index_.contains(path);
}

int DefinitionDocument::add(CDpctData item)
{
    const int row = size();
    notify([&](DefinitionDocumentObserver& o) { o.rowsAboutToBeInserted(row, row); });
    index_.insert(item.path);
    items_.push_back(std::make_unique<CDpctData>(std::move(item)));
    notify([&](DefinitionDocumentObserver& o) { o.rowsInserted(row, row); });
    setModified(true);
    return row;
}

int DefinitionDocument::add(std::vector<CDpctData> items)
{
    if (items.empty())
        return -1;
    const int first = size();
    const int last = first + static_cast<int>(items.size()) - 1;
    // Allocate everything before telling anyone, so that observers never see a half insertion.
    std::vector<std::unique_ptr<CDpctData>> made;
    made.reserve(items.size());
    for (CDpctData& item : items)
        made.push_back(std::make_unique<CDpctData>(std::move(item)));
    items_.reserve(items_.size() + made.size());
    notify([&](DefinitionDocumentObserver& o) { o.rowsAboutToBeInserted(first, last); });
    for (auto& item : made) {
        index_.insert(item->path);
        items_.push_back(std::move(item));
    }
    notify([&](DefinitionDocumentObserver& o) { o.rowsInserted(first, last); });
    setModified(true);
    return first;
}

bool DefinitionDocument::update(int row, const CDpctData& item)
{
    CDpctData* target = this->item(row);
    if (!target)
        return false;
    index_.erase(target->path);
    index_.insert(item.path);
    *target = item;
    notify([&](DefinitionDocumentObserver& o) { o.rowsChanged(row, row); });
    setModified(true);
    return true;
}

bool DefinitionDocument::remove(int row)
{
    if (row < 0 || row >= size())
        return false;
    notify([&](DefinitionDocumentObserver& o) { o.rowsAboutToBeRemoved(row, row); });
    index_.erase(items_[static_cast<std::size_t>(row)]->path);
    items_.erase(items_.begin() + row);
    notify([&](DefinitionDocumentObserver& o) { o.rowsRemoved(row, row); });
    setModified(true);
    return true;
}

void DefinitionDocument::removeAll()
{
    if (!items_.empty()) {
        const int last = size() - 1;
        notify([&](DefinitionDocumentObserver& o) { o.rowsAboutToBeRemoved(0, last); });
        items_.clear();
        index_.clear();
        notify([&](DefinitionDocumentObserver& o) { o.rowsRemoved(0, last); });
    }
    setModified(true);
}

void DefinitionDocument::notifyChanged(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, size() - 1);
    if (first > last)
        return;
    notify([&](DefinitionDocumentObserver& o) { o.rowsChanged(first, last); });
}

void DefinitionDocument::addObserver(DefinitionDocumentObserver* observer)
{
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void DefinitionDocument::removeObserver(DefinitionDocumentObserver* observer)
{
    std::erase(observers_, observer);
}

} // namespace tovalo
