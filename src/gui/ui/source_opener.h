#pragma once
// Opening a source file at a line in the user's editor: the platform's default program for the
// file, or the editor command line of the settings with the placeholders {file}, {line} and
// {column}. The command line is split into a program and its arguments here and the program is
// started directly, never through a shell, so a file name can never become a command. The file
// name comes from dpct's output, so it is made absolute first (a name like "+!cmd" or "--eval=..."
// could otherwise be read by the editor as an option of its own) and only a file that exists is
// opened.

#include <functional>

#include <QString>
#include <QStringList>

namespace tovalo::gui {

struct SourceLocation
{
    QString file;
    int line = 0;
    int column = 0;
};

/// Splits `command` at blanks outside double quotes (the quotes are removed; a backslash is an
/// ordinary character, as in Windows paths) and puts the location into each word's
/// placeholders. Without a {file} placeholder the file is the last argument. False with `error`
/// for an empty command, an unclosed quote, or a file that is not an absolute path.
bool editorArguments(const QString& command, const SourceLocation& where, QString& program,
                     QStringList& arguments, QString& error);

/// What opens a location; tests replace it (setSourceOpener) to see what would be started.
using SourceOpenFunction =
    std::function<bool(const SourceLocation& where, const QString& editorCommand, QString& error)>;

/// The file that opening `file` opens: absolute (a relative name taken against the current
/// folder, where dpct ran), cleaned and in native separators. Empty with `error` (for the user)
/// when no regular file is there.
QString sourceFileToOpen(const QString& file, QString& error);

/// Opens `where` with `editorCommand` (empty: the platform's default program for the file). The
/// opener (the real one, or a test's) is given the file of sourceFileToOpen; nothing is opened
/// when there is none.
/// False with `error` (for the user) when nothing could be started.
bool openSourceLocation(const SourceLocation& where, const QString& editorCommand, QString& error);

/// Replaces how locations are opened; an empty function restores the real one.
void setSourceOpener(SourceOpenFunction opener);

} // namespace tovalo::gui
