#include "ui/core_messages.h"

#include <array>

#include <QCoreApplication>
#include <QStringList>

namespace tovalo::gui {

namespace {

using tovalo::MessageId;

struct Source
{
    MessageId id;
    const char* text;
};

// The same English templates as the core's (a test compares them), listed here so that lupdate
// finds them.
constexpr std::array kSources = {
    Source{MessageId::NoVersionLine,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "dpct printed no version line: it is not installed or not on the path that the "
                             "environment script sets. Conversion is not possible.")},
    Source{MessageId::CommandNotWritten,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "The command could not be written to the command interpreter: %1")},
    Source{MessageId::NotConverted, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "Not converted: %1.")},
    Source{MessageId::LineTooLong,
           QT_TRANSLATE_NOOP(
               "tovalo::gui::CoreMessages",
               "the command line is %1 characters long, and the command interpreter accepts at most %2")},
    Source{MessageId::InterpreterEnded,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "The command interpreter has ended (%1).")},
    Source{MessageId::EndedDuringConversion,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "The command interpreter ended during this conversion.")},
    Source{MessageId::InterpreterKeepsEnding,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "The command interpreter keeps ending; it is not started again.")},
    Source{
        MessageId::InterpreterNotRestarted,
        QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "A new command interpreter could not be started: %1")},
    Source{MessageId::InterpreterRestarted,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "A new command interpreter has been started.")},

    Source{
        MessageId::OptionSetRefused,
        QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                          "dpct refused this item because an earlier migration into the same out-root folde"
                          "r used another set of options (dpct keeps them in MainSourceFiles.yaml there, an"
                          "d exits with -37). Give every item that writes into this out-root the same optio"
                          "ns that dpct compares, give this item another --out-root, or switch on --no-incr"
                          "emental-migration.")},
    Source{MessageId::ExitStatus, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "exit status %1")},
    Source{MessageId::KilledBySignal, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "killed by signal %1")},
    Source{MessageId::KilledBySignalNamed,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "killed by signal %1 (%2)")},
    Source{MessageId::OtherStatus, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "status %1")},
    Source{MessageId::OutputClosed, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "output closed")},
    Source{MessageId::ConsoleReadFailed,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the console could not be read: %1")},
    Source{MessageId::ConsolePipesFailed,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "cannot create the console pipes: %1")},
    Source{MessageId::InterpreterStartFailed,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "cannot start %1: %2")},
    Source{MessageId::InterpreterNotRunning,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the command interpreter is not running")},
    Source{MessageId::InterpreterGone,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the command interpreter has ended")},
    Source{MessageId::CommandNotSingleLine,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "a command must be a single line")},
    Source{
        MessageId::CommandNotInCodePage,
        QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                          "the command holds characters that the console's code page %1 cannot represent")},

    Source{MessageId::ValueRefused, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 %2")},
    Source{MessageId::SubjectOptionValue, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the value of %1")},
    Source{MessageId::SubjectSourcePath, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the source path")},
    Source{MessageId::SubjectListFolder,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the folder of the list")},
    Source{MessageId::SubjectCommandLine, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the command line")},
    Source{MessageId::QuoteNotClosed,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "has a double quote that is not closed")},
    Source{MessageId::SingleQuoteNotClosed,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "has a single quote that is not closed")},
    Source{
        MessageId::TwoQuotesInRow,
        QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                          "has two double quotes in a row inside quotes, which programs read differently")},
    Source{MessageId::QuoteReadAsText,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "has a double quote that programs read as text (after "
                             "a backslash), so its quotes do not pair up")},
    Source{MessageId::HasLineBreak, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "contains a line break")},
    Source{MessageId::HasControlCharacter,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "contains a control character")},
    Source{MessageId::QuoteEndsQuotes,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "contains a double quote, which would end its quotes on the command line")},
    Source{MessageId::VariableEdit,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "contains a %NAME:...% edit of a variable, which the command interpreter would "
                             "expand before it reads quotes")},

    Source{MessageId::NotDefinitionBinary,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "not a definition file (it holds binary data)")},
    Source{MessageId::NotDefinitionNoSection,
           QT_TRANSLATE_NOOP(
               "tovalo::gui::CoreMessages",
               "not a definition file (it has neither a [Common] section nor a section of a .cu file)")},
    Source{MessageId::PathHasLineBreak,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the path \"%1\" contains a line break")},
    Source{MessageId::OptionValueHasLineBreak,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the value of %1 of \"%2\" contains a line break")},
    Source{MessageId::CharacterNotInCodePage,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "the character \"%1\" (%2) cannot be stored in code page %3")},
    Source{MessageId::TextNotInCodePage,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "the text cannot be stored in code page %1")},
    Source{MessageId::NotRegularFile, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "not a regular file")},
    Source{MessageId::FileTooLarge,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "larger than %1 MiB, the most that is read")},

    Source{MessageId::ImportSummary,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "Imported %1 (%2, %3, %4)")},
    Source{MessageId::CudaFiles, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 CUDA files")},
    Source{MessageId::CudaFile, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 CUDA file")},
    Source{MessageId::SourceFiles, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 source files")},
    Source{MessageId::SourceFile, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 source file")},
    Source{MessageId::DuplicatesMerged,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 duplicates merged")},
    Source{MessageId::DuplicateMerged, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 duplicate merged")},
    Source{MessageId::EntriesSkipped,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 other entries skipped")},
    Source{MessageId::EntrySkipped, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 other entry skipped")},
    Source{MessageId::FilesMissing, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 files missing")},
    Source{MessageId::FileMissing, QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "%1 file missing")},
    Source{MessageId::DatabaseNotJson,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "not valid JSON: %1 at line %2, column %3")},
    Source{MessageId::DatabaseNotArray,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "not a compilation database: the JSON text is not an array of entries")},
    Source{MessageId::DatabaseEntryNotObject,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "entry %1 of the compilation database is not an object")},
    Source{
        MessageId::DatabaseEntryLacks,
        QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages", "entry %1 of the compilation database has no \"%2\"")},
    Source{MessageId::DatabaseEntryNotText,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "entry %1 of the compilation database: \"%2\" is not a string")},
    Source{MessageId::DatabaseEntryNotList,
           QT_TRANSLATE_NOOP("tovalo::gui::CoreMessages",
                             "entry %1 of the compilation database: \"%2\" is not an array of strings")},
};

static_assert(kSources.size() + 1 == static_cast<std::size_t>(MessageId::Count),
              "every message identifier but Text needs a translation source here");

// %1 to %9 replaced in one pass, so that an argument holding "%2" stays as it is.
QString fill(const QString& pattern, const QStringList& args)
{
    QString out;
    out.reserve(pattern.size() + 32);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'%' && i + 1 < pattern.size()) {
            const char16_t d = pattern.at(i + 1).unicode();
            if (d >= u'1' && d <= u'9' && static_cast<qsizetype>(d - u'1') < args.size()) {
                out += args.at(static_cast<qsizetype>(d - u'1'));
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace

const char* coreMessageSource(MessageId id)
{
    for (const Source& s : kSources)
        if (s.id == id)
            return s.text;
    return "";
}

QString wordMessage(const tovalo::Message& message)
{
    if (message.id == MessageId::Text)
        return QString::fromStdString(message.text);
    QStringList args;
    args.reserve(static_cast<qsizetype>(message.args.size()));
    for (const tovalo::Message& a : message.args)
        args.append(wordMessage(a));
    const char* source = coreMessageSource(message.id);
    if (*source == '\0') // an identifier this GUI does not know: its English wording
        return QString::fromStdString(tovalo::englishText(message));
    return fill(QCoreApplication::translate(kCoreMessagesContext, source), args);
}

} // namespace tovalo::gui
