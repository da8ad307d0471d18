#include "definition_file.h"

#include "base/ascii.h"
#include "base/codec.h"
#include "base/file_io.h"
#include "base/path_text.h"
#include "base/text.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace tovalo {

namespace {

bool isLeadingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// Extension of the file-name part of `name`, from its last dot ("" when there is none).
std::string_view extensionOf(std::string_view name)
{
    const auto sep = name.find_last_of("\\/");
    const std::string_view file = sep == std::string_view::npos ? name : name.substr(sep + 1);
    const auto dot = file.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : file.substr(dot);
}

} // namespace

bool isCudaSource(std::string_view name)
{
    const std::string_view ext = extensionOf(name);
    return ext.size() == 3 && ext[0] == '.' && (ext[1] == 'c' || ext[1] == 'C') &&
           (ext[2] == 'u' || ext[2] == 'U');
}

bool isListSource(std::string_view name)
{
    // A compilation database names C and C++ files that nvcc (or -x cu) compiles as CUDA; an
    // import lists them, so a list read back keeps them. Headers (.cuh, .h) and other files
    // are not translation units.
    const std::string_view ext = extensionOf(name);
    for (const std::string_view source : {".cu", ".c", ".cc", ".cp", ".cpp", ".cxx", ".c++"}) {
        if (equalsIgnoringAsciiCase(ext, source))
            return true;
    }
    return false;
}

namespace {

// `line` without its line end and leading white space, including the ideographic space U+3000
// that Japanese editors use for indentation.
void trimLeadingSpace(std::string_view& line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::size_t first = 0;
    for (;;) {
        if (first < line.size() && isLeadingSpace(line[first]))
            ++first;
        else if (line.substr(first).starts_with("\xE3\x80\x80"))
            first += 3;
        else
            break;
    }
    line.remove_prefix(first);
}

// True when `line` (after trimLeadingSpace) is a section line; `name` is then what is between its
// brackets. A section line may end in blanks after its "]": editors leave them, and a section
// line that went unrecognised would read its item's options into the section before.
bool isSectionLine(std::string_view line, std::string_view& name)
{
    if (line.empty() || line.front() != '[')
        return false;
    while (line.size() > 1 && isLeadingSpace(line.back()))
        line.remove_suffix(1);
    if (line.size() < 2 || line.back() != ']')
        return false;
    name = line.substr(1, line.size() - 2);
    return true;
}

// The text a Text option's line "NAME=VALUE" gives: `value` without the quotes around a quoted
// text. False when the line leaves the option alone (a quoted text without a value).
bool lineText(const OptionInfo& o, std::string_view& value)
{
    if (o.fileForm != FileForm::QuotedText)
        return true;
    if (value.empty())
        return false;
    if (value.front() == '"' && value.back() == '"')
        value = value.size() >= 2 ? value.substr(1, value.size() - 2) : std::string_view{};
    return true;
}

// The option texts of the item being read, kept in reused strings until its section ends. The
// item then takes them in the storage of an earlier item with the same texts where there is one:
// the items of a list mostly carry the same folders and settings, and a long list would
// otherwise hold them once per item (and allocate them one by one). A file whose items all
// differ stops adding to the table after kLimit sets.
class ItemTexts
{
public:
    void set(const OptionInfo& o, std::string_view text)
    {
        const auto field = static_cast<std::size_t>(o.field);
        values_[field].assign(text);
        present_.set(field, !text.empty());
    }

    void giveTo(CDpctData& item)
    {
        if (present_.none())
            return;
        std::size_t hash = 0;
        for (std::size_t field = 0; field < values_.size(); ++field) {
            if (present_[field])
                hash = (hash ^ std::hash<std::string_view>{}(values_[field])) * 0x100000001B3u + field;
        }
        const auto [first, end] = seen_.equal_range(hash);
        const auto same = std::find_if(first, end, [&](const auto& seen) { return sameAs(seen.second); });
        if (same != end) {
            item.takeTextsOf(same->second);
        } else {
            for (const OptionInfo& o : optionTable()) {
                if (o.kind == OptionKind::Text && present_[static_cast<std::size_t>(o.field)])
                    item.setText(o.slot, values_[static_cast<std::size_t>(o.field)]);
            }
            if (seen_.size() < kLimit)
                seen_.emplace(hash, item)->second.path.clear();
        }
        present_.reset();
    }

private:
    bool sameAs(const CDpctData& other) const
    {
        for (const OptionInfo& o : optionTable()) {
            if (o.kind != OptionKind::Text)
                continue;
            const auto field = static_cast<std::size_t>(o.field);
            if (other.text(o.slot) !=
                (present_[field] ? std::string_view(values_[field]) : std::string_view()))
                return false;
        }
        return true;
    }

    static constexpr std::size_t kLimit = 4096;
    std::array<std::string, kTextFieldCount> values_;
    std::bitset<kTextFieldCount> present_;
    std::unordered_multimap<std::size_t, CDpctData> seen_;
};

} // namespace

void applyOptionLine(CDpctData& item, const OptionInfo& o, std::string_view value, int lineNo,
                     std::vector<ReadNote>& notes)
{
    switch (o.kind) {
    case OptionKind::Switch:
        // A switch has no value: "--comments=false" switches it on all the same.
        item.setOn(o.slot, true);
        if (!value.empty())
            notes.push_back(
                {ReadNote::Kind::SwitchValue, lineNo, std::string(o.name) + "=" + std::string(value)});
        return;
    case OptionKind::Choice: {
        if (value.empty()) {
            notes.push_back({ReadNote::Kind::EmptyChoice, lineNo, std::string(o.name)});
            return;
        }
        item.setOn(o.slot, true);
        int index = valueListIndex(o.valueList, value);
        if (index < 0) {
            // "Google" for "google": the entry that differs only in letter case is meant.
            const auto entries = valueListEntries(o.valueList);
            const auto it = std::find_if(entries.begin(), entries.end(), [value](std::string_view e) {
                return equalsIgnoringAsciiCase(e, value);
            });
            if (it != entries.end())
                index = static_cast<int>(it - entries.begin());
        }
        item.setChoiceIndex(o.slot, index);
        if (index < 0)
            notes.push_back(
                {ReadNote::Kind::ChoiceNotInList, lineNo, std::string(o.name) + "=" + std::string(value)});
        return;
    }
    case OptionKind::Text:
        if (!lineText(o, value))
            return;
        item.setOn(o.slot, true);
        item.setText(o.slot, std::string(value));
        return;
    }
}

namespace {

// Reads the lines of a definition file's text one at a time (the text after decoding, without
// line ends) into a ReadResult. The lines given need not outlive the call.
class DefinitionReader
{
public:
    explicit DefinitionReader(ReadResult& result) : result_(result) {}

    void line(std::string_view line)
    {
        ++lineNo_;
        trimLeadingSpace(line);
        if (line.empty() || line.front() == '#')
            return;

        if (std::string_view name; isSectionLine(line, name)) {
            if (state_ == State::Item)
                texts_.giveTo(result_.items.back());
            if (name == "Common") {
                commonSeen_ = true;
                state_ = State::Common;
            } else if (isListSource(name)) {
                CDpctData& item = result_.items.emplace_back();
                result_.itemLines.push_back(lineNo_);
                item.path.assign(name);
                item.setOn(kSlotDirName, true);
                item.setOn(kSlotFileName, true);
                state_ = State::Item;
            } else {
                state_ = State::Ignore;
                inSkippedSection_ = true;
                result_.notes.push_back({ReadNote::Kind::SectionSkipped, lineNo_, std::string(name)});
            }
            return;
        }
        if (line.front() == '[') {
            // Read as a key it would be an unknown key, or nothing at all in [Common] and in a
            // skipped section, and the options under it would go to the section before.
            result_.notes.push_back({ReadNote::Kind::BrokenSection, lineNo_, std::string(line)});
            return;
        }

        // Key line: leading "=" signs are skipped, the key ends at the next "=", and the value
        // is everything after that "=", unchanged.
        std::size_t k = 0;
        while (k < line.size() && line[k] == '=')
            ++k;
        const std::size_t eq = line.find('=', k);
        const std::string_view key =
            line.substr(k, eq == std::string_view::npos ? std::string_view::npos : eq - k);
        const std::string_view value =
            eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);

        switch (state_) {
        case State::Common:
            // "Version" and "LastUpdate" are informational; a file of any version is read.
            break;
        case State::Item:
            if (const OptionInfo* o = findOption(key); o && o->kind == OptionKind::Text) {
                // As applyOptionLine does, with the text kept aside until the section ends.
                if (std::string_view text = value; lineText(*o, text)) {
                    result_.items.back().setOn(o->slot, true);
                    texts_.set(*o, text);
                }
            } else if (o) {
                applyOptionLine(result_.items.back(), *o, value, lineNo_, result_.notes);
            } else
                result_.notes.push_back({ReadNote::Kind::UnknownKey, lineNo_, std::string(key)});
            break;
        case State::Ignore:
            // The lines of a skipped section go with its one note.
            if (!inSkippedSection_)
                result_.notes.push_back({ReadNote::Kind::OutsideSection, lineNo_, std::string(key)});
            break;
        }
    }

    /// After the last line: whether the text was a definition file at all.
    void finish()
    {
        if (state_ == State::Item)
            texts_.giveTo(result_.items.back());
        state_ = State::Ignore;
        if (!commonSeen_ && result_.items.empty()) {
            // Every file Tovalo writes has a [Common] section; a text with neither it nor an item
            // section is something else (or empty), and must not become an empty list.
            result_.items.clear();
            result_.itemLines.clear();
            result_.notes.clear();
            result_.failure = ReadFailure::NotDefinition;
            result_.error = MessageId::NotDefinitionNoSection;
            return;
        }
        result_.ok = true;
    }

private:
    enum class State
    {
        Ignore,
        Common,
        Item
    };

    ReadResult& result_;
    State state_ = State::Ignore; // Item: the last item of result_ is the one being read
    bool commonSeen_ = false;
    bool inSkippedSection_ = false; // State::Ignore after a section line, not before any
    ItemTexts texts_;
    int lineNo_ = 0;
};

// Each line of `text` (ended by "\n" or by the end of the text) without its line end to `take`.
template <class F> void forEachLine(std::string_view text, F&& take)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        take(text.substr(pos, end - pos));
        pos = end + 1;
    }
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

} // namespace

ReadResult parseDefinitionText(std::string_view bytes)
{
    ReadResult result;
    // A definition file is text: a NUL byte means some other file was picked, and reading it
    // as an empty list would let a later save overwrite it.
    if (bytes.find('\0') != std::string_view::npos) {
        result.failure = ReadFailure::Binary;
        result.error = MessageId::NotDefinitionBinary;
        return result;
    }
    // Text that is UTF-8 already is read where it lies, where files are written as UTF-8 (there
    // a valid UTF-8 reading always wins); other encodings are decoded into a copy.
    DecodedText decoded;
    std::string_view text;
    const std::string_view unmarked = bytes.starts_with(kBom) ? bytes.substr(kBom.size()) : bytes;
    if (isValidUtf8(unmarked) && fileCodeSet() == "UTF-8") {
        text = unmarked;
        result.encoding = unmarked.size() == bytes.size() ? "UTF-8" : "UTF-8 with BOM";
        result.encodingKeptBySave = true;
    } else {
        decoded = decodeFileText(bytes);
        result.encoding = decoded.encoding;
        result.lastResortEncoding = decoded.lastResort;
        result.replacedBytes = decoded.replaced;
        if (decoded.replaced > 0)
            result.firstReplacedLine =
                1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + decoded.firstReplaced, '\n'));
        result.encodingKeptBySave = decoded.keptBySave();
        text = decoded.utf8;
    }

    // The items are counted first, so that a long list is stored without the slack and the
    // copying of a growing vector.
    std::size_t itemCount = 0;
    forEachLine(text, [&](std::string_view line) {
        trimLeadingSpace(line);
        if (std::string_view name; isSectionLine(line, name) && isListSource(name))
            ++itemCount;
    });
    result.items.reserve(itemCount);
    result.itemLines.reserve(itemCount);

    DefinitionReader reader(result);
    forEachLine(text, [&](std::string_view line) { reader.line(line); });
    reader.finish();
    return result;
}

std::string describeEncoding(const ReadResult& result)
{
    if (result.encodingKeptBySave)
        return {};
    const std::string written = fileCodeSet();
    if (result.replacedBytes > 0)
        return std::to_string(result.replacedBytes) +
               (result.replacedBytes == 1 ? " byte sequence is" : " byte sequences are") +
               " not UTF-8 (the first on line " + std::to_string(result.firstReplacedLine) +
               ") and read as U+FFFD; the rest is read as " + result.encoding +
               "; saving writes U+FFFD in their place";
    if (result.lastResortEncoding)
        return "not valid UTF-8 nor a known code page; read as Windows-1252; saving writes " + written;
    return "read as " + result.encoding + "; saving writes " + written;
}

ReadResult readDefinitionFile(std::string_view path)
{
    const auto unreadable = [](Message error) {
        ReadResult failed;
        failed.failure = ReadFailure::Unreadable;
        failed.error = std::move(error);
        return failed;
    };
    Message error;
    if (fileCodeSet() == "UTF-8") {
        // Read piece by piece, so that a long list never holds the whole file besides its items:
        // the lines of each piece are read as soon as they are complete. A line end is never
        // inside a UTF-8 sequence, so the whole text is valid UTF-8 exactly when each piece of
        // whole lines is. Any other file (not UTF-8, or with a NUL byte) is read whole below, as
        // parseDefinitionText reads it.
        ReadResult result;
        DefinitionReader reader(result);
        std::string pending; // the start of a line whose end is in a later piece
        bool started = false;
        bool plain = true; // UTF-8 without NUL so far
        // Once some items are read, room for as many as the file's size suggests, so that a long
        // list is not copied each time the vector grows (too little room only means growing).
        std::size_t fileSize = 0; // set by readFilePieces before the first piece
        std::size_t taken = 0;
        bool estimated = false;
        const auto takeLines = [&](std::string_view lines) {
            if (!isValidUtf8(lines))
                return false;
            forEachLine(lines, [&](std::string_view line) { reader.line(line); });
            taken += lines.size();
            if (!estimated && result.items.size() >= 64) {
                estimated = true;
                const double perItem = static_cast<double>(taken) / static_cast<double>(result.items.size());
                // Capped: a file of a few short items followed by long comments must not ask for
                // room for millions.
                const auto expected = std::min<std::size_t>(
                    static_cast<std::size_t>(static_cast<double>(fileSize) / perItem * 1.1),
                    std::size_t{1} << 20);
                result.items.reserve(expected);
                result.itemLines.reserve(expected);
            }
            return true;
        };
        const bool read = readFilePieces(
            path, fileSize,
            [&](std::string_view piece) {
                if (piece.find('\0') != std::string_view::npos)
                    return plain = false;
                pending.append(piece);
                std::string_view text = pending;
                if (!started) {
                    if (text.size() < kBom.size() && kBom.starts_with(text))
                        return true; // perhaps the start of a byte order mark
                    started = true;
                    result.encoding = text.starts_with(kBom) ? "UTF-8 with BOM" : "UTF-8";
                    if (text.starts_with(kBom))
                        text.remove_prefix(kBom.size());
                }
                const std::size_t end = text.rfind('\n');
                if (end == std::string_view::npos) {
                    pending.erase(0, pending.size() - text.size());
                    return true;
                }
                if (!takeLines(text.substr(0, end + 1)))
                    return plain = false;
                pending.erase(0, pending.size() - text.size() + end + 1);
                return true;
            },
            error);
        if (!read)
            return unreadable(std::move(error));
        if (plain) {
            std::string_view rest = pending;
            if (!started) {
                result.encoding = rest.starts_with(kBom) ? "UTF-8 with BOM" : "UTF-8";
                if (rest.starts_with(kBom))
                    rest.remove_prefix(kBom.size());
            }
            if (takeLines(rest)) {
                result.encodingKeptBySave = true;
                reader.finish();
                return result;
            }
        }
    }
    std::string bytes;
    if (!readWholeFile(path, bytes, error))
        return unreadable(std::move(error));
    return parseDefinitionText(bytes);
}

bool formatDefinitionText(std::span<const CDpctData> items, const std::tm& date, std::string_view eol,
                          std::string& text, Message& error)
{
    text.clear();
    text.reserve(64 + items.size() * 160);
    char head[160];
    const int n = std::snprintf(
        head, sizeof head, "[%s]%.*s%s=%02X.%02X.%02X.%02X%.*s%s=%04d/%02d/%02d%.*s%.*s", "Common",
        static_cast<int>(eol.size()), eol.data(), "Version", (kDefinitionFileVersion >> 24) & 0xFFu,
        (kDefinitionFileVersion >> 16) & 0xFFu, (kDefinitionFileVersion >> 8) & 0xFFu,
        kDefinitionFileVersion & 0xFFu, static_cast<int>(eol.size()), eol.data(), "LastUpdate",
        date.tm_year + 1900, date.tm_mon + 1, date.tm_mday, static_cast<int>(eol.size()), eol.data(),
        static_cast<int>(eol.size()), eol.data());
    text.append(head, static_cast<std::size_t>(n));

    auto lineBreakIn = [](std::string_view v) {
        return v.find_first_of("\r\n") != std::string_view::npos;
    };
    for (const CDpctData& item : items) {
        if (lineBreakIn(item.path)) {
            error = Message(MessageId::PathHasLineBreak, {item.path});
            return false;
        }
        text += '[';
        text += item.path;
        text += ']';
        text += eol;
        bool groupDone = false;
        for (const OptionInfo& o : optionTable()) {
            if (!item.isOn(o.slot))
                continue;
            // A choice without an entry (a value that was not in the list) is left out, as a
            // later read would leave out the empty value; so writing what was read is stable.
            if (o.fileForm == FileForm::NameEntry && item.choiceEntry(o.slot).empty())
                continue;
            if (o.slot == kNoDryPattern || o.slot == kNoIncrementalMigration ||
                o.slot == kOptimizeMigration) {
                if (groupDone)
                    continue;
                groupDone = true;
            }
            text += o.name;
            switch (o.fileForm) {
            case FileForm::NameOnly:
                break;
            case FileForm::NameEntry:
                text += '=';
                text += item.choiceEntry(o.slot);
                break;
            case FileForm::QuotedText:
            case FileForm::PlainText: {
                const std::string& v = item.text(o.slot);
                if (lineBreakIn(v)) {
                    error = Message(MessageId::OptionValueHasLineBreak, {o.name, item.path});
                    return false;
                }
                text += '=';
                if (o.fileForm == FileForm::QuotedText) {
                    text += '"';
                    text += v;
                    text += '"';
                } else {
                    text += v;
                }
                break;
            }
            }
            text += eol;
        }
    }
    return true;
}

std::string_view nativeEol()
{
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

std::tm dateOfSaving()
{
    std::tm tm{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        const std::time_t t = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
#ifdef _WIN32
        gmtime_s(&tm, &t);
#else
        gmtime_r(&t, &tm);
#endif
        return tm;
    }
    const std::time_t now = std::time(nullptr);
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return tm;
}

bool writeDefinitionFile(std::string_view path, std::span<const CDpctData> items, Message& error)
{
    std::string text;
    if (!formatDefinitionText(items, dateOfSaving(), nativeEol(), text, error))
        return false;
    std::string bytes;
    if (!encodeForFile(text, bytes, error))
        return false;
    return writeFileAtomically(path, bytes, error);
}

void pushRecent(std::vector<std::string>& list, std::string_view path, std::size_t limit)
{
    std::erase_if(list, [&](const std::string& entry) { return samePathText(entry, path); });
    list.insert(list.begin(), std::string(path));
    if (list.size() > limit)
        list.resize(limit);
}

} // namespace tovalo
