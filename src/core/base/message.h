#pragma once
// Message: a text Tovalo makes for the user, kept as an identifier with arguments until it is
// shown, so that each front end words it in its own way: tovalo-cli (and logs) in English with
// englishText(), the GUI in the interface language through its translation catalog.
//
// An argument is itself a Message: either literal text that is shown as it is (a path, a number,
// an option name, a reason the operating system gave) or another message worded in the same
// language (a refusal inside "Not converted: %1."). A Message converts implicitly from a string,
// which makes it literal text.
//
// Templates use %1 to %9 for the arguments; a placeholder without an argument is left as it is.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

enum class MessageId : int
{
    Text = 0, ///< literal text: `text`, shown as it is

    // Run engine notices and item results
    NoVersionLine,
    CommandNotWritten, ///< %1 why
    NotConverted,      ///< %1 refusal
    LineTooLong,       ///< %1 length, %2 longest accepted
    InterpreterEnded,  ///< %1 how it ended
    EndedDuringConversion,
    InterpreterKeepsEnding,
    InterpreterNotRestarted, ///< %1 why
    InterpreterRestarted,
    OptionSetRefused, ///< dpct's -37: another option set into the same out-root

    // Console: how the interpreter ended, why it could not start or take a command
    ExitStatus,          ///< %1 status
    KilledBySignal,      ///< %1 signal number
    KilledBySignalNamed, ///< %1 signal number, %2 its name
    OtherStatus,         ///< %1 status word of the system
    OutputClosed,
    ConsoleReadFailed,      ///< %1 system reason
    ConsolePipesFailed,     ///< %1 system reason
    InterpreterStartFailed, ///< %1 program, %2 system reason
    InterpreterNotRunning,
    InterpreterGone,
    CommandNotSingleLine,
    CommandNotInCodePage, ///< %1 code page number

    // Command-line refusals: "%1 %2" with a subject and a reason
    ValueRefused,       ///< %1 subject, %2 reason
    SubjectOptionValue, ///< %1 option name
    SubjectSourcePath,
    SubjectListFolder, ///< the folder of the list, where dpct runs
    SubjectCommandLine,
    QuoteNotClosed,
    SingleQuoteNotClosed,
    TwoQuotesInRow,
    QuoteReadAsText,
    HasLineBreak,
    HasControlCharacter,
    QuoteEndsQuotes,
    VariableEdit,

    // Definition files and file writes
    NotDefinitionBinary,
    NotDefinitionNoSection,
    PathHasLineBreak,        ///< %1 path
    OptionValueHasLineBreak, ///< %1 option name, %2 path
    CharacterNotInCodePage,  ///< %1 character, %2 its code point (U+XXXX), %3 code page number
    TextNotInCodePage,       ///< %1 code page number
    NotRegularFile,
    FileTooLarge, ///< %1 the most that is read, in MiB

    // Compilation-database imports: "Imported %1 (%2, %3, %4)" with a count phrase each (the
    // singular forms are for a count of 1), and why a database could not be read
    ImportSummary,          ///< %1 files imported, %2 duplicates, %3 entries skipped, %4 missing
    CudaFiles,              ///< %1 count
    CudaFile,               ///< %1 count (1)
    SourceFiles,            ///< %1 count (an import of every entry)
    SourceFile,             ///< %1 count (1)
    DuplicatesMerged,       ///< %1 count
    DuplicateMerged,        ///< %1 count (1)
    EntriesSkipped,         ///< %1 count
    EntrySkipped,           ///< %1 count (1)
    FilesMissing,           ///< %1 count
    FileMissing,            ///< %1 count (1)
    DatabaseNotJson,        ///< %1 the JSON reader's reason, %2 line, %3 column
    DatabaseNotArray,       ///< the JSON text is no array
    DatabaseEntryNotObject, ///< %1 entry number (from 1)
    DatabaseEntryLacks,     ///< %1 entry number, %2 member name
    DatabaseEntryNotText,   ///< %1 entry number, %2 member name
    DatabaseEntryNotList,   ///< %1 entry number, %2 member name

    Count ///< number of identifiers; not a message
};

struct Message
{
    MessageId id = MessageId::Text;
    std::string text;          ///< the literal text when id is Text
    std::vector<Message> args; ///< %1, %2, ... in order

    Message() = default;
    Message(std::string literal) : text(std::move(literal)) {}
    Message(const char* literal) : text(literal) {}
    Message(std::string_view literal) : text(literal) {}
    Message(MessageId i, std::vector<Message> a = {}) : id(i), args(std::move(a)) {}

    /// No message: literal text that is empty.
    bool empty() const { return id == MessageId::Text && text.empty(); }
    void clear() { *this = Message(); }
    bool operator==(const Message&) const = default;
};

/// The English template of `id` (empty for Text and out-of-range values).
std::string_view englishTemplate(MessageId id);

/// `message` worded in English, its arguments worded the same way.
std::string englishText(const Message& message);

/// `pattern` with %1 to %9 replaced by the arguments, in one pass (an argument's own "%2" stays).
std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& args);

/// Writes englishText(message) (for test failure output and logs).
std::ostream& operator<<(std::ostream& out, const Message& message);

} // namespace tovalo
