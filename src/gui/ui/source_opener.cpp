#include "ui/source_opener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace tovalo::gui {

namespace {

SourceOpenFunction& opener()
{
    static SourceOpenFunction f;
    return f;
}

bool openForReal(const SourceLocation& where, const QString& editorCommand, QString& error)
{
    if (editorCommand.trimmed().isEmpty()) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(where.file)))
            return true;
        error = QCoreApplication::translate("tovalo::gui::SourceOpener", "No program is set up to open %1.")
                    .arg(where.file);
        return false;
    }
    QString program;
    QStringList arguments;
    if (!editorArguments(editorCommand, where, program, arguments, error))
        return false;
    if (QProcess::startDetached(program, arguments))
        return true;
    error = QCoreApplication::translate("tovalo::gui::SourceOpener", "The editor %1 could not be started.")
                .arg(program);
    return false;
}

} // namespace

bool editorArguments(const QString& command, const SourceLocation& where, QString& program,
                     QStringList& arguments, QString& error)
{
    QStringList words;
    QString word;
    bool inWord = false, quoted = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) {
        error = QCoreApplication::translate("tovalo::gui::SourceOpener",
                                            "The editor command has an unclosed double quote.");
        return false;
    }
    if (inWord)
        words.append(word);
    if (words.isEmpty() || words.first().isEmpty()) {
        error = QCoreApplication::translate("tovalo::gui::SourceOpener", "The editor command is empty.");
        return false;
    }
    if (!QDir::isAbsolutePath(where.file)) {
        error = QCoreApplication::translate("tovalo::gui::SourceOpener", "%1 is not an absolute path.")
                    .arg(where.file);
        return false;
    }
    bool fileGiven = false;
    for (QString& w : words) {
        fileGiven = fileGiven || w.contains(QLatin1String("{file}"));
        // The line and column first: a file name may itself hold "{line}".
        w.replace(QLatin1String("{line}"), QString::number(where.line));
        w.replace(QLatin1String("{column}"), QString::number(where.column));
        w.replace(QLatin1String("{file}"), where.file);
    }
    if (!fileGiven)
        words.append(where.file);
    program = words.takeFirst();
    arguments = words;
    return true;
}

QString sourceFileToOpen(const QString& file, QString& error)
{
    const QFileInfo info(QDir::current(), file);
    const QString absolute = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    if (file.isEmpty() || !info.exists()) {
        error =
            QCoreApplication::translate("tovalo::gui::SourceOpener", "The file %1 does not exist (any more).")
                .arg(absolute);
        return {};
    }
    if (!info.isFile()) {
        error = QCoreApplication::translate("tovalo::gui::SourceOpener", "%1 is not a file.").arg(absolute);
        return {};
    }
    return absolute;
}

bool openSourceLocation(const SourceLocation& where, const QString& editorCommand, QString& error)
{
    SourceLocation resolved = where;
    resolved.file = sourceFileToOpen(where.file, error);
    if (resolved.file.isEmpty())
        return false;
    if (opener())
        return opener()(resolved, editorCommand, error);
    return openForReal(resolved, editorCommand, error);
}

void setSourceOpener(SourceOpenFunction f)
{
    opener() = std::move(f);
}

} // namespace tovalo::gui
