#pragma once
// Opening a source file at a line in the user's editor: the platform's default program for the
// file, or the editor command line of the settings with the placeholders {file}, {line} and
// {column}. The command line is split into a program and its arguments here and the program is
// started directly, never through a shell, so a file name can never become a command.

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
/// for an empty command or an unclosed quote.
bool editorArguments(const QString& command, const SourceLocation& where, QString& program,
                     QStringList& arguments, QString& error);

/// What opens a location; tests replace it (setSourceOpener) to see what would be started.
using SourceOpenFunction =
    std::function<bool(const SourceLocation& where, const QString& editorCommand, QString& error)>;

/// Opens `where` with `editorCommand` (empty: the platform's default program for the file).
/// False with `error` (for the user) when nothing could be started.
bool openSourceLocation(const SourceLocation& where, const QString& editorCommand, QString& error);

/// Replaces how locations are opened; an empty function restores the real one.
void setSourceOpener(SourceOpenFunction opener);

} // namespace tovalo::gui
