#pragma once
// Definition files: a [Common] section, then one section per conversion item named by its path,
// with one line per switched-on option. Conversion status and output are never stored.

#include "base/message.h"
#include "dpct_data.h"

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// The definition-file version, written as "Version=01.00.00.00".
inline constexpr std::uint32_t kDefinitionFileVersion = 0x01000000;

/// Something the reader skipped or could not take as written; the items are read regardless.
struct ReadNote
{
    enum class Kind
    {
        OutsideSection,  ///< a key line before any section, or in a skipped section
        SectionSkipped,  ///< a section that is neither "Common" nor a source file (isListSource)
        UnknownKey,      ///< a key in an item section that matches no option name
        ChoiceNotInList, ///< a choice value that is not an entry of the option's list
        EmptyChoice,     ///< a choice option with an empty value, left off
        SwitchValue,     ///< a value after a switch ("--comments=false"); the switch is on
        BrokenSection,   ///< a line that opens like a section ("[/w/a.cu") but has no "]"
    };
    Kind kind;
    int line;         ///< 1-based line number
    std::string text; ///< the key, section name or value concerned
};

/// Why a definition file was not read.
enum class ReadFailure
{
    None,
    Unreadable,    ///< the file could not be read (the system's reason is in `error`)
    Binary,        ///< it holds NUL bytes: not a text file
    NotDefinition, ///< neither a [Common] section nor a section of a .cu file
};

struct ReadResult
{
    bool ok = false;
    ReadFailure failure = ReadFailure::None;
    Message error; ///< why the file could not be read (when !ok)
    std::vector<CDpctData> items;
    std::vector<int> itemLines; ///< 1-based line of each item's section line
    std::vector<ReadNote> notes;
    std::string encoding; ///< what the bytes were read as
    bool lastResortEncoding = false;
    std::size_t replacedBytes = 0; ///< sequences that were not UTF-8 in a UTF-8 reading, now U+FFFD
    int firstReplacedLine = 0;     ///< 1-based line of the first of them (0 when there is none)
    /// Saving the items over the file keeps its encoding and loses no byte (see
    /// DecodedText::keptBySave). When false, a save over the file needs the user's consent.
    bool encodingKeptBySave = true;
};

/// One line for the user about how the file was decoded, when saving over it would change its
/// encoding or lose bytes: "read as CP932, not UTF-8; saving writes UTF-8", ... Empty otherwise.
std::string describeEncoding(const ReadResult& result);

/// True when the file name in `path` ends in ".cu", in any letter case.
bool isCudaSource(std::string_view path);

/// True when a section named `path` is an item: a CUDA, C or C++ source file (".cu", ".c",
/// ".cc", ".cp", ".cpp", ".cxx", ".c++", in any letter case). Other sections are skipped.
bool isListSource(std::string_view path);

/// Applies the value of an item's option line "NAME=VALUE" (`value` as it follows the "=",
/// empty when there is none) to `item` as the reader does: a switch is switched on whatever the
/// value; a choice takes the entry equal to the value (or equal but for ASCII letter case) and
/// stays off when the value is empty; a quoted text loses its surrounding quotes. What could not
/// be taken as written is added to `notes` with `lineNo`.
void applyOptionLine(CDpctData& item, const OptionInfo& option, std::string_view value, int lineNo,
                     std::vector<ReadNote>& notes);

/// Parses the bytes of a definition file (decoding them first, see codec.h).
ReadResult parseDefinitionText(std::string_view bytes);

/// Reads the definition file at `path` (UTF-8 path).
ReadResult readDefinitionFile(std::string_view path);

/// The text of a definition file for `items`, dated `date` (local date of saving), lines ended
/// with `eol`. Returns false with `error` set when a path or value holds a line break.
bool formatDefinitionText(std::span<const CDpctData> items, const std::tm& date, std::string_view eol,
                          std::string& text, Message& error);

/// The platform's line end for text files: "\r\n" on Windows, "\n" elsewhere.
std::string_view nativeEol();

/// Today's local date; with SOURCE_DATE_EPOCH set, that moment's UTC date (reproducible output).
std::tm dateOfSaving();

/// Writes `items` to `path` atomically in the platform's file code page and line end. On failure
/// returns false with `error` set; the previous file is then unchanged.
bool writeDefinitionFile(std::string_view path, std::span<const CDpctData> items, Message& error);

/// Puts `path` at the front of a recently-used list: an entry naming the same file
/// (samePathText) is removed first, and the list is cut to `limit` entries.
void pushRecent(std::vector<std::string>& list, std::string_view path, std::size_t limit = 16);

} // namespace tovalo
