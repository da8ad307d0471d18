#pragma once
// DefinitionDocument: one open definition file as the program edits it. It owns the conversion
// items in list order, the file path (UTF-8, empty for a new document) and the modified mark,
// reads and writes the file, and applies the editing operations of the document window (add,
// update, remove, remove all, move, and update or remove several rows at once) together with the
// rule that a path is listed only once.
//
// Undo: every edit is recorded in a bounded history (kHistoryLimit steps) that undo() and redo()
// walk. Items taken out by an edit (or by undoing an add) are kept by the history, so undoing a
// removal brings back the very same item at its old row. The modified mark follows the history:
// it is clear exactly when the history stands where the file was last loaded or saved. Loading
// clears the history. Undoing an update restores the item's options but keeps the outcome of its
// last conversion (status, exit code, output), which belongs to the run, not to the edit.
//
// Ownership: every item lives in its own heap block, so an item's address stays the same from
// its insertion to its removal whatever else is added or removed. The run engine relies on this:
// it converts the items through the pointers of runItems() while a run is under way (and the
// window keeps the list from being edited meanwhile).
//
// Observers (a list model, a window) learn of every change through DefinitionDocumentObserver,
// with a call before and after each change of the row set, so that a model can bracket it.
// Observers are not owned and must be removed before they are destroyed; they must not add or
// remove observers from inside a notification.

#include "base/path_text.h"
#include "definition_file.h"
#include "dpct_data.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tovalo {

/// Receives the changes of a DefinitionDocument. Row ranges are inclusive [first, last] in the
/// numbering of the moment: for an insertion the new rows' positions, for a removal the old
/// ones. Every function does nothing unless overridden.
class DefinitionDocumentObserver
{
public:
    virtual ~DefinitionDocumentObserver() = default;

    virtual void rowsAboutToBeInserted(int /*first*/, int /*last*/) {}
    virtual void rowsInserted(int /*first*/, int /*last*/) {}
    virtual void rowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
    virtual void rowsRemoved(int /*first*/, int /*last*/) {}
    /// The items of rows [first, last] changed in place (an update, or a run's progress).
    virtual void rowsChanged(int /*first*/, int /*last*/) {}
    /// The whole row set is about to be replaced (a load), and has been.
    virtual void aboutToReset() {}
    virtual void reset() {}
    /// The modified mark flipped.
    virtual void modifiedChanged(bool /*modified*/) {}
    /// The file path changed (a load, or a save under another name).
    virtual void pathChanged(const std::string& /*path*/) {}
    /// Row `from` is about to move to row `to` (its row afterwards), and has moved. The rows in
    /// between shift by one towards `from`.
    virtual void rowAboutToBeMoved(int /*from*/, int /*to*/) {}
    virtual void rowMoved(int /*from*/, int /*to*/) {}
    /// What undo() and redo() would do changed (an edit, an undo, a redo, a load).
    virtual void historyChanged() {}
};

/// What an edit did, for naming the undo and redo commands.
enum class EditKind
{
    None,
    Add,
    Update,
    Delete,
    DeleteAll,
    Move,
};

class DefinitionDocument
{
public:
    DefinitionDocument();
    ~DefinitionDocument();
    DefinitionDocument(const DefinitionDocument&) = delete;
    DefinitionDocument& operator=(const DefinitionDocument&) = delete;

    // File ------------------------------------------------------------------------------------

    /// Path of the definition file (UTF-8); empty for a document never loaded or saved.
    const std::string& path() const { return path_; }
    bool isModified() const { return position_ != cleanAt_; }
    /// Sets or clears the modified mark (the window marks a finished add command even when it
    /// added nothing). Clearing makes the present point of the history the clean one; setting it
    /// without an edit keeps the mark until the next save, whatever is undone. Notifies only
    /// when the mark flips.
    void setModified(bool modified);

    /// Replaces the items with those of the file at `path` and takes `path` as the document's
    /// path; the document is then unmodified. On failure returns false with `error` set (the
    /// reader's message) and the document is unchanged.
    bool load(std::string_view path, Message& error);
    /// Why the last load() failed (None after a successful one).
    ReadFailure lastReadFailure() const { return lastFailure_; }
    /// The file last loaded had lines the reader skipped or did not understand (a section of
    /// another file, an unknown option, a value outside a list); saving over it drops them.
    /// Cleared by a save.
    bool loadedWithSkippedLines() const { return skippedLines_; }
    /// How the file last loaded was decoded (ReadResult's encoding, replacedBytes,
    /// firstReplacedLine and encodingKeptBySave). When the encoding is not kept, saving over the
    /// file changes its encoding or writes U+FFFD for bytes that were not UTF-8, and needs the
    /// user's consent. Reset to "kept" by a save.
    const std::string& loadedEncoding() const { return encoding_; }
    std::size_t loadedReplacedBytes() const { return replacedBytes_; }
    int loadedFirstReplacedLine() const { return firstReplacedLine_; }
    bool loadedEncodingKeptBySave() const { return encodingKept_; }
    /// Writes the items to `path` (atomically). On success the path becomes `path` and the
    /// modified mark is cleared; on failure returns false with `error` set (the operating
    /// system's reason or the writer's refusal) and the document is unchanged.
    bool save(std::string_view path, Message& error);

    // Items -----------------------------------------------------------------------------------

    int size() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    /// The item of row `row`, or null when there is no such row.
    CDpctData* item(int row);
    const CDpctData* item(int row) const;
    /// Row of the item at `item`, or -1 when the document does not hold it.
    int indexOf(const CDpctData* item) const;
    /// Every item in list order (the run queue is built from this).
    std::vector<CDpctData*> runItems();
    /// Every item's path in list order.
    std::vector<std::string> paths() const;

    /// True when some item's path names the same file as `path` (samePathText: letter case
    /// counts on Linux, not on Windows and macOS): such a path is not added a second time.
    /// Constant time on average.
    bool contains(std::string_view path) const;

    // Editing (each marks the document modified) ------------------------------------------------

    /// Appends one item; returns its row.
    int add(CDpctData item);
    /// Appends `items` in their order as one insertion; returns the row of the first, or -1
    /// when `items` is empty (nothing is inserted, the mark is left alone).
    int add(std::vector<CDpctData> items);
    /// Replaces the item of row `row` in place (its address stays). False for a bad row.
    bool update(int row, const CDpctData& item);
    /// Replaces the items of several rows in place as one step of the history: each entry a row
    /// and its new record (taken whole on the first application, like update()). The observers
    /// hear of one changed range from the first to the last row. False, and nothing changed, when
    /// a row is bad or named twice, or `changes` is empty.
    bool update(std::vector<std::pair<int, CDpctData>> changes);
    /// Removes row `row` with its item. False for a bad row.
    bool remove(int row);
    /// Removes the rows `rows` (any order) with their items as one step of the history; undo
    /// brings every one back at its old row. False, and nothing removed, when a row is bad or
    /// `rows` is empty. Duplicates count once.
    bool remove(std::vector<int> rows);
    /// Removes every row. Marks the document modified even when it was empty.
    void removeAll();
    /// Moves the item of row `from` to row `to` (its row afterwards); the rows in between shift
    /// by one. The item keeps its address. False for a bad row or when `from` equals `to`.
    bool move(int from, int to);

    // Undo history ---------------------------------------------------------------------------

    /// Steps kept; the oldest is dropped beyond this.
    static constexpr std::size_t kHistoryLimit = 100;
    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < static_cast<int>(history_.size()); }
    /// The edit undo() / redo() would take back or apply again; None when there is none.
    EditKind undoKind() const;
    EditKind redoKind() const;
    /// Takes back the latest edit / applies again the latest one taken back. The observers see
    /// the same notifications as for the edit itself. Return the row the step concerns (the
    /// first one for several), -1 when there was nothing to do or no row remains.
    int undo();
    int redo();

    /// Tells the observers that the items of rows [first, last] changed in place without an
    /// edit (a run's statuses and outputs); the modified mark is left alone. Clamped to the rows.
    void notifyChanged(int first, int last);

    // Observers ---------------------------------------------------------------------------------

    void addObserver(DefinitionDocumentObserver* observer);
    void removeObserver(DefinitionDocumentObserver* observer);

private:
    using Owned = std::vector<std::unique_ptr<CDpctData>>;

    /// One step of the history. Add, Delete and DeleteAll insert or remove the rows
    /// [first, first + count); the items out of the document meanwhile are in `held`. Update
    /// swaps the item of row `first` with `other`; Move moves row `first` to row `to`. A step
    /// made of several (`parts`, of the same kind) applies them in order and takes them back in
    /// reverse order.
    struct Edit
    {
        EditKind kind = EditKind::None;
        int first = 0;
        int count = 0;
        int to = 0;
        Owned held;
        CDpctData other;
        std::vector<Edit> parts;
    };

    template <class F> void notify(F&& f)
    {
        for (DefinitionDocumentObserver* o : observers_)
            f(*o);
    }
    void setPath(std::string path);
    /// Row primitives: no history, no mark; they notify the observers.
    void insertOwned(int first, Owned items);
    Owned removeOwned(int first, int count);
    void swapItem(int row, CDpctData& other, bool notifyRow = true);
    void moveRow(int from, int to);
    /// Applies (`forward`) or takes back a step.
    int apply(Edit& edit, bool forward);
    /// Records a step that has just been applied.
    void record(Edit edit);
    /// Notifies a flip of the mark, given the mark before a change.
    void markFollows(bool wasModified);

    /// The items by the hash of their paths, for contains(): an open-addressing table of item
    /// pointers (linear probing) that copies no path, so that a list of hundreds of thousands of
    /// items is indexed in one allocation. An item's path must not change while it is in the
    /// table: it is taken out before and put back after.
    class PathTable
    {
    public:
        void clear();
        void reserve(std::size_t count);
        void insert(const CDpctData* item);
        void erase(const CDpctData* item);
        bool contains(std::string_view path) const;

    private:
        struct Slot
        {
            std::size_t hash = 0;
            const CDpctData* item = nullptr; ///< null: free
        };
        std::size_t mask() const { return slots_.size() - 1; }
        void place(Slot slot);
        std::vector<Slot> slots_; ///< a power of two long, at most half full
        std::size_t count_ = 0;
    };

    std::vector<std::unique_ptr<CDpctData>> items_;
    PathTable index_; ///< the items' paths, for contains()
    std::string path_;
    std::vector<Edit> history_;
    int position_ = 0; ///< steps of history_ applied
    int cleanAt_ = 0;  ///< position_ of the file on disk; -1 when no position is
    ReadFailure lastFailure_ = ReadFailure::None;
    bool skippedLines_ = false;
    std::string encoding_;
    std::size_t replacedBytes_ = 0;
    int firstReplacedLine_ = 0;
    bool encodingKept_ = true;
    std::vector<DefinitionDocumentObserver*> observers_;
};

} // namespace tovalo
