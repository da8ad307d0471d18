#pragma once
// CDpctData, the conversion item: one CUDA source path, the on/off switch and value of every
// dpct option, and the outcome of its last conversion.

#include "diagnostic.h"
#include "option_table.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// Conversion status of an item; the values are stable (the run engine and the list use them).
enum class ItemStatus : std::int32_t
{
    None = 0,
    Waiting = 1,
    Converting = 2,
    ConvertedOk = 3,
    ConvertedNg = 4,
    SyntaxError = 5,
};

/// The status as one lower-case word: "none", "waiting", "converting", "ok", "ng", "syntax-error"
/// (the names tovalo-cli prints and its JSON uses).
std::string_view itemStatusName(ItemStatus status);

/// What an item's path names. Only the item dialog's working record names a directory (to be
/// scanned for .cu files); listed items are files.
enum class ItemKind
{
    File,
    Directory,
};

/// One flag per slot (0..kSlotCount-1).
using SlotFlags = std::bitset<kSlotCount>;

class CDpctData
{
public:
    CDpctData();

    /// Every field back to its default: the same values as a new record.
    void reset();

    bool operator==(const CDpctData&) const = default;

    // Fields, in the order the item is described.
    ItemKind kind = ItemKind::File;
    std::string path; ///< UTF-8; the item's identity
    bool includeSubdirs = true;
    SlotFlags enabled; ///< the slots switched on
    ItemStatus status = ItemStatus::None;
    std::int32_t exitCode = 0;
    std::string resultText;
    SlotFlags changed; ///< the slots whose state or value the item's last edit changed (shown bold)
    // Results of the last run that only this session knows: they are not written to definition
    // files (neither are status, exitCode and resultText).
    std::vector<DpctDiagnostic> diagnostics; ///< dpct's diagnostics in the order printed (the first
                                             ///< kMaxKeptDiagnostics of them)
    std::int64_t diagnosticsDropped = 0;     ///< those printed after the first kMaxKeptDiagnostics
    std::int64_t elapsedMs = -1;             ///< how long the dpct command took; -1 = not run

    /// The most diagnostics one item keeps: a runaway output (a million warnings) is counted, not
    /// held. Far more than anyone reads of one item.
    static constexpr std::size_t kMaxKeptDiagnostics = 20000;
    /// All diagnostics dpct printed: those kept and those dropped.
    std::int64_t diagnosticCount() const
    {
        return static_cast<std::int64_t>(diagnostics.size()) + diagnosticsDropped;
    }

    bool isOn(int slot) const { return enabled[static_cast<std::size_t>(slot)]; }
    void setOn(int slot, bool on) { enabled[static_cast<std::size_t>(slot)] = on; }
    bool isChanged(int slot) const { return changed[static_cast<std::size_t>(slot)]; }
    void setChanged(int slot, bool on) { changed[static_cast<std::size_t>(slot)] = on; }

    /// Value-list index of a Choice option.
    std::int32_t choiceIndex(int slot) const;
    void setChoiceIndex(int slot, std::int32_t index);
    /// The value-list entry at the option's index; empty when the index is outside the list.
    std::string_view choiceEntry(int slot) const;

    /// Text of a Text option (UTF-8). The reference is valid until the next setText or reset.
    const std::string& text(int slot) const;
    void setText(int slot, std::string value);

    /// Gives this record the option texts of `other`, in the same storage: records read from one
    /// file share equal texts. Copies share the storage too, until one of them sets a text.
    void takeTextsOf(const CDpctData& other);

    /// Copies the default-item rule after a successful add: options of `added` kept, the rest
    /// (kind, path, includeSubdirs, status, exitCode, resultText, diagnostics, elapsedMs) set for
    /// the next add.
    void takeOptionsForNextAdd(const CDpctData& added);

    /// Copies what the item is (kind, path, includeSubdirs, options and their changed marks) from
    /// `from` and clears the results of a run: an item's output can be tens of megabytes that a
    /// view of its options has no use for.
    void copyOptionsOf(const CDpctData& from);

private:
    // Only the texts that are not empty, in field order. A list may hold hundreds of thousands of
    // items whose texts are mostly the same (the folders of one project), and an edit of many
    // items copies each of them: the texts are shared between records, copied on the first write
    // to a shared set, and compared by value.
    struct TextValue
    {
        std::int32_t field = 0;
        std::string value;
        bool operator==(const TextValue&) const = default;
    };
    class Texts
    {
    public:
        const std::string* find(std::int32_t field) const;
        void set(std::int32_t field, std::string value);
        void clear() { values_.reset(); }
        bool operator==(const Texts& other) const;

    private:
        // Null when there is no text; never points to an empty vector.
        std::shared_ptr<std::vector<TextValue>> values_;
    };

    std::array<std::int32_t, kChoiceFieldCount> choices_{};
    Texts texts_;
};

/// A readable dump of every field, for test failure messages and debugging.
std::string describe(const CDpctData& item);
inline void PrintTo(const CDpctData& item, std::ostream* os)
{
    *os << describe(item);
}

/// True when some item's path names the same file as `path` (see samePathText).
bool findByPath(const std::vector<CDpctData>& items, std::string_view path);

} // namespace tovalo
