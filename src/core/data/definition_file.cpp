#include "definition_file.h"

#include "base/ascii.h"
#include "base/codec.h"
#include "base/file_io.h"
#include "base/path_text.h"
#include "base/text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

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

// The next line of `text` from `pos` (advanced past it) without its line end and leading white
// space, including the ideographic space U+3000 that Japanese editors use for indentation.
std::string_view nextLine(std::string_view text, std::size_t& pos)
{
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos)
        end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
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
    return line.substr(first);
}

// True when `line` (from nextLine) is a section line; `name` is then what is between its
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
        if (o.fileForm == FileForm::QuotedText) {
            if (value.empty())
                return;
            item.setOn(o.slot, true);
            if (value.front() == '"' && value.back() == '"')
                value = value.size() >= 2 ? value.substr(1, value.size() - 2) : std::string_view{};
            item.setText(o.slot, std::string(value));
        } else {
            item.setOn(o.slot, true);
            item.setText(o.slot, std::string(value));
        }
        return;
    }
}

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
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
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
    for (std::size_t pos = 0; pos < text.size();) {
        std::string_view name;
        if (isSectionLine(nextLine(text, pos), name) && isListSource(name))
            ++itemCount;
    }
    result.items.reserve(itemCount);
    result.itemLines.reserve(itemCount);

    enum class State
    {
        Ignore,
        Common,
        Item
    } state = State::Ignore;
    bool commonSeen = false;
    bool inSkippedSection = false; // State::Ignore after a section line, not before any
    CDpctData* current = nullptr;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view line = nextLine(text, pos);
        ++lineNo;
        if (line.empty() || line.front() == '#')
            continue;

        if (std::string_view name; isSectionLine(line, name)) {
            if (name == "Common") {
                commonSeen = true;
                state = State::Common;
                current = nullptr;
            } else if (isListSource(name)) {
                CDpctData& item = result.items.emplace_back();
                result.itemLines.push_back(lineNo);
                item.path.assign(name);
                item.setOn(kSlotDirName, true);
                item.setOn(kSlotFileName, true);
                current = &item;
                state = State::Item;
            } else {
                state = State::Ignore;
                inSkippedSection = true;
                current = nullptr;
                result.notes.push_back({ReadNote::Kind::SectionSkipped, lineNo, std::string(name)});
            }
            continue;
        }
        if (line.front() == '[') {
            // Read as a key it would be an unknown key, or nothing at all in [Common] and in a
            // skipped section, and the options under it would go to the section before.
            result.notes.push_back({ReadNote::Kind::BrokenSection, lineNo, std::string(line)});
            continue;
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

        switch (state) {
        case State::Common:
            // "Version" and "LastUpdate" are informational; a file of any version is read.
            break;
        case State::Item:
            if (const OptionInfo* o = findOption(key))
                applyOptionLine(*current, *o, value, lineNo, result.notes);
            else
                result.notes.push_back({ReadNote::Kind::UnknownKey, lineNo, std::string(key)});
            break;
        case State::Ignore:
            // The lines of a skipped section go with its one note.
            if (!inSkippedSection)
                result.notes.push_back({ReadNote::Kind::OutsideSection, lineNo, std::string(key)});
            break;
        }
    }
    if (!commonSeen && result.items.empty()) {
        // Every file Tovalo writes has a [Common] section; a text with neither it nor an item
        // section is something else (or empty), and must not become an empty list.
        result.items.clear();
        result.itemLines.clear();
        result.notes.clear();
        result.failure = ReadFailure::NotDefinition;
        result.error = MessageId::NotDefinitionNoSection;
        return result;
    }
    result.ok = true;
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
    std::string bytes;
    Message error;
    if (!readWholeFile(path, bytes, error)) {
        ReadResult failed;
        failed.failure = ReadFailure::Unreadable;
        failed.error = std::move(error);
        return failed;
    }
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
