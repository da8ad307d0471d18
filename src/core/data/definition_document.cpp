#include "definition_document.h"

#include "base/text.h"
#include "definition_file.h"

#include <algorithm>

namespace tovalo {

DefinitionDocument::DefinitionDocument() = default;
DefinitionDocument::~DefinitionDocument() = default;

void DefinitionDocument::setModified(bool modified)
{
    const bool was = isModified();
    if (modified == was)
        return;
    cleanAt_ = modified ? -1 : position_;
    markFollows(was);
}

void DefinitionDocument::markFollows(bool wasModified)
{
    const bool now = isModified();
    if (now != wasModified)
        notify([&](DefinitionDocumentObserver& o) { o.modifiedChanged(now); });
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
        items_.push_back(std::make_unique<CDpctData>(std::move(item)));
        index_.insert(items_.back().get());
    }
    notify([](DefinitionDocumentObserver& o) { o.reset(); });
    history_.clear();
    position_ = 0;
    setPath(std::string(path));
    setModified(false);
    notify([](DefinitionDocumentObserver& o) { o.historyChanged(); });
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
    std::vector<CDpctData> one;
    one.push_back(std::move(item));
    return add(std::move(one));
}

int DefinitionDocument::add(std::vector<CDpctData> items)
{
    if (items.empty())
        return -1;
    const int first = size();
    // Allocate everything before telling anyone, so that observers never see a half insertion.
    Owned made;
    made.reserve(items.size());
    for (CDpctData& item : items)
        made.push_back(std::make_unique<CDpctData>(std::move(item)));
    Edit edit;
    edit.kind = EditKind::Add;
    edit.first = first;
    edit.count = static_cast<int>(made.size());
    insertOwned(first, std::move(made));
    record(std::move(edit));
    return first;
}

bool DefinitionDocument::update(int row, const CDpctData& item)
{
    if (!this->item(row))
        return false;
    Edit edit;
    edit.kind = EditKind::Update;
    edit.first = row;
    edit.other = item;
    // The first application takes the whole record, run outcome included (the dialog edited a
    // copy of the item); the swap hands the previous record to the history.
    CDpctData& target = *items_[static_cast<std::size_t>(row)];
    index_.erase(&target);
    std::swap(target, edit.other);
    index_.insert(&target);
    notify([&](DefinitionDocumentObserver& o) { o.rowsChanged(row, row); });
    record(std::move(edit));
    return true;
}

bool DefinitionDocument::update(std::vector<std::pair<int, CDpctData>> changes)
{
    if (changes.empty())
        return false;
    std::sort(changes.begin(), changes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!item(changes[i].first) || (i > 0 && changes[i - 1].first == changes[i].first))
            return false;
    }
    Edit edit;
    edit.kind = EditKind::Update;
    edit.first = changes.front().first;
    edit.parts.reserve(changes.size());
    for (auto& [row, record] : changes) {
        Edit part;
        part.kind = EditKind::Update;
        part.first = row;
        part.other = std::move(record);
        CDpctData& target = *items_[static_cast<std::size_t>(row)];
        // An edit of options leaves the paths alone: the index needs no work then.
        const bool moves = target.path != part.other.path;
        if (moves)
            index_.erase(&target);
        std::swap(target, part.other);
        if (moves)
            index_.insert(&target);
        edit.parts.push_back(std::move(part));
    }
    const int last = edit.parts.back().first;
    notify([&](DefinitionDocumentObserver& o) { o.rowsChanged(edit.first, last); });
    record(std::move(edit));
    return true;
}

bool DefinitionDocument::remove(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() || rows.front() < 0 || rows.back() >= size())
        return false;
    if (rows.size() == 1)
        return remove(rows.front());
    // One part per run of neighbouring rows, removed from the bottom up so that the rows of the
    // parts still to come keep their numbers; undo inserts them again top down.
    Edit edit;
    edit.kind = EditKind::Delete;
    edit.first = rows.front();
    std::size_t end = rows.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] + 1 == rows[begin])
            --begin;
        Edit part;
        part.kind = EditKind::Delete;
        part.first = rows[begin];
        part.count = static_cast<int>(end - begin);
        part.held = removeOwned(part.first, part.count);
        edit.parts.push_back(std::move(part));
        end = begin;
    }
    record(std::move(edit));
    return true;
}

bool DefinitionDocument::remove(int row)
{
    if (row < 0 || row >= size())
        return false;
    Edit edit;
    edit.kind = EditKind::Delete;
    edit.first = row;
    edit.count = 1;
    edit.held = removeOwned(row, 1);
    record(std::move(edit));
    return true;
}

void DefinitionDocument::removeAll()
{
    if (items_.empty()) {
        setModified(true);
        return;
    }
    Edit edit;
    edit.kind = EditKind::DeleteAll;
    edit.first = 0;
    edit.count = size();
    edit.held = removeOwned(0, size());
    record(std::move(edit));
}

bool DefinitionDocument::move(int from, int to)
{
    if (from < 0 || from >= size() || to < 0 || to >= size() || from == to)
        return false;
    Edit edit;
    edit.kind = EditKind::Move;
    edit.first = from;
    edit.to = to;
    moveRow(from, to);
    record(std::move(edit));
    return true;
}

// Row primitives --------------------------------------------------------------------------------

void DefinitionDocument::insertOwned(int first, Owned items)
{
    if (items.empty())
        return;
    const int last = first + static_cast<int>(items.size()) - 1;
    items_.reserve(items_.size() + items.size());
    notify([&](DefinitionDocumentObserver& o) { o.rowsAboutToBeInserted(first, last); });
    index_.reserve(items_.size() + items.size());
    for (const auto& item : items)
        index_.insert(item.get());
    items_.insert(items_.begin() + first, std::make_move_iterator(items.begin()),
                  std::make_move_iterator(items.end()));
    notify([&](DefinitionDocumentObserver& o) { o.rowsInserted(first, last); });
}

DefinitionDocument::Owned DefinitionDocument::removeOwned(int first, int count)
{
    Owned out;
    if (count <= 0)
        return out;
    const int last = first + count - 1;
    notify([&](DefinitionDocumentObserver& o) { o.rowsAboutToBeRemoved(first, last); });
    const auto begin = items_.begin() + first;
    const auto end = begin + count;
    out.reserve(static_cast<std::size_t>(count));
    for (auto it = begin; it != end; ++it) {
        index_.erase(it->get());
        out.push_back(std::move(*it));
    }
    items_.erase(begin, end);
    notify([&](DefinitionDocumentObserver& o) { o.rowsRemoved(first, last); });
    return out;
}

void DefinitionDocument::swapItem(int row, CDpctData& other, bool notifyRow)
{
    CDpctData& target = *items_[static_cast<std::size_t>(row)];
    // The options go back and forth; the outcome of the last conversion stays with the row.
    std::swap(other.status, target.status);
    std::swap(other.exitCode, target.exitCode);
    std::swap(other.resultText, target.resultText);
    const bool moves = target.path != other.path;
    if (moves)
        index_.erase(&target);
    std::swap(target, other);
    if (moves)
        index_.insert(&target);
    if (notifyRow)
        notify([&](DefinitionDocumentObserver& o) { o.rowsChanged(row, row); });
}

void DefinitionDocument::moveRow(int from, int to)
{
    notify([&](DefinitionDocumentObserver& o) { o.rowAboutToBeMoved(from, to); });
    const auto at = items_.begin();
    if (from < to)
        std::rotate(at + from, at + from + 1, at + to + 1);
    else
        std::rotate(at + to, at + from, at + from + 1);
    notify([&](DefinitionDocumentObserver& o) { o.rowMoved(from, to); });
}

// History -----------------------------------------------------------------------------------------

int DefinitionDocument::apply(Edit& edit, bool forward)
{
    if (!edit.parts.empty()) {
        if (edit.kind == EditKind::Update) {
            // Several rows changed in place: one notification for their whole range.
            for (Edit& part : edit.parts)
                swapItem(part.first, part.other, false);
            const int last = edit.parts.back().first;
            notify([&](DefinitionDocumentObserver& o) { o.rowsChanged(edit.first, last); });
            return edit.first;
        }
        if (forward) {
            for (Edit& part : edit.parts)
                apply(part, true);
        } else {
            for (auto it = edit.parts.rbegin(); it != edit.parts.rend(); ++it)
                apply(*it, false);
        }
        return edit.first < size() ? edit.first : size() - 1;
    }
    switch (edit.kind) {
    case EditKind::Add:
    case EditKind::Delete:
    case EditKind::DeleteAll: {
        const bool inserts = (edit.kind == EditKind::Add) == forward;
        if (inserts) {
            insertOwned(edit.first, std::move(edit.held));
            edit.held.clear();
            return edit.first;
        }
        edit.held = removeOwned(edit.first, edit.count);
        return edit.first < size() ? edit.first : size() - 1;
    }
    case EditKind::Update:
        swapItem(edit.first, edit.other);
        return edit.first;
    case EditKind::Move:
        if (forward) {
            moveRow(edit.first, edit.to);
            return edit.to;
        }
        moveRow(edit.to, edit.first);
        return edit.first;
    case EditKind::None:
        break;
    }
    return -1;
}

void DefinitionDocument::record(Edit edit)
{
    const bool was = isModified();
    // An edit after undo drops the steps that were taken back; the clean point may go with them.
    if (cleanAt_ > position_)
        cleanAt_ = -1;
    history_.erase(history_.begin() + position_, history_.end());
    history_.push_back(std::move(edit));
    ++position_;
    if (history_.size() > kHistoryLimit) {
        history_.erase(history_.begin());
        --position_;
        cleanAt_ = cleanAt_ > 0 ? cleanAt_ - 1 : -1;
    }
    markFollows(was);
    notify([](DefinitionDocumentObserver& o) { o.historyChanged(); });
}

EditKind DefinitionDocument::undoKind() const
{
    return canUndo() ? history_[static_cast<std::size_t>(position_ - 1)].kind : EditKind::None;
}

EditKind DefinitionDocument::redoKind() const
{
    return canRedo() ? history_[static_cast<std::size_t>(position_)].kind : EditKind::None;
}

int DefinitionDocument::undo()
{
    if (!canUndo())
        return -1;
    const bool was = isModified();
    --position_;
    const int row = apply(history_[static_cast<std::size_t>(position_)], false);
    markFollows(was);
    notify([](DefinitionDocumentObserver& o) { o.historyChanged(); });
    return row;
}

int DefinitionDocument::redo()
{
    if (!canRedo())
        return -1;
    const bool was = isModified();
    const int row = apply(history_[static_cast<std::size_t>(position_)], true);
    ++position_;
    markFollows(was);
    notify([](DefinitionDocumentObserver& o) { o.historyChanged(); });
    return row;
}

void DefinitionDocument::notifyChanged(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, size() - 1);
    if (first > last)
        return;
    notify([&](DefinitionDocumentObserver& o) { o.rowsChanged(first, last); });
}

// Path table --------------------------------------------------------------------------------------

void DefinitionDocument::PathTable::clear()
{
    slots_.clear();
    count_ = 0;
}

void DefinitionDocument::PathTable::reserve(std::size_t count)
{
    std::size_t size = 16;
    while (size < 2 * count)
        size *= 2;
    if (size <= slots_.size())
        return;
    std::vector<Slot> old(size);
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.item)
            place(slot);
    }
}

void DefinitionDocument::PathTable::place(Slot slot)
{
    std::size_t at = slot.hash & mask();
    while (slots_[at].item)
        at = (at + 1) & mask();
    slots_[at] = slot;
}

void DefinitionDocument::PathTable::insert(const CDpctData* item)
{
    if (2 * (count_ + 1) > slots_.size())
        reserve(count_ + 1);
    place(Slot{pathHash(item->path), item});
    ++count_;
}

void DefinitionDocument::PathTable::erase(const CDpctData* item)
{
    if (slots_.empty())
        return;
    std::size_t at = pathHash(item->path) & mask();
    while (slots_[at].item != item) {
        if (!slots_[at].item)
            return;
        at = (at + 1) & mask();
    }
    // Backward-shift deletion: the entries after the freed slot that would be found from an
    // earlier position move into it, so that no probe sequence has a hole.
    std::size_t hole = at;
    for (std::size_t next = (hole + 1) & mask(); slots_[next].item; next = (next + 1) & mask()) {
        const std::size_t home = slots_[next].hash & mask();
        // The entry may fill the hole when its home is not in (hole, next], cyclically.
        const bool stays = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
        if (!stays) {
            slots_[hole] = slots_[next];
            hole = next;
        }
    }
    slots_[hole] = Slot{};
    --count_;
}

bool DefinitionDocument::PathTable::contains(std::string_view path) const
{
    if (slots_.empty())
        return false;
    const std::size_t hash = pathHash(path);
    for (std::size_t at = hash & mask(); slots_[at].item; at = (at + 1) & mask()) {
        if (slots_[at].hash == hash && samePathText(slots_[at].item->path, path))
            return true;
    }
    return false;
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
