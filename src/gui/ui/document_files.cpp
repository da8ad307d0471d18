#include "ui/document_files.h"

#include "app/app_settings.h"
#include "base/codec.h"
#include "base/file_io.h"
#include "base/path_text.h"
#include "controls/commui/dialog_seam.h"
#include "data/command_line.h"
#include "data/definition_document.h"
#include "data/definition_file.h"
#include "data/option_table.h"
#include "data/run_results.h"
#include "settings/settings.h"
#include "ui/core_messages.h"
#include "ui/message_box.h"
#include "ui/wait_cursor.h"

#include <QDir>
#include <QFileInfo>

namespace tovalo::gui {

DocumentFiles::DocumentFiles(DefinitionDocument& document, Settings& settings, QWidget* window)
    : document_(document), settings_(settings), window_(window)
{}

bool DocumentFiles::load(const QString& path, QString& error)
{
    WaitCursor wait;
    Message reason;
    if (!document_.load(path.toStdString(), reason)) {
        switch (document_.lastReadFailure()) {
        case ReadFailure::Binary:
            error = tr("This is not a definition file: it holds binary data.");
            break;
        case ReadFailure::NotDefinition:
            error = tr("This is not a definition file: it has neither a [Common] section nor a section of "
                       "a .cu file.");
            break;
        default:
            error = wordMessage(reason);
            break;
        }
        return false;
    }
    if (!document_.loadedEncodingKeptBySave()) {
        const QString shown = QDir::toNativeSeparators(path);
        if (document_.loadedReplacedBytes() > 0)
            MessageBox::inform(window_,
                               tr("%1\nThis file has byte sequences that are not UTF-8 (%2, the first on "
                                  "line %3); they are shown as U+FFFD. Saving over the file writes "
                                  "U+FFFD in their place; Tovalo asks before it does.")
                                   .arg(shown)
                                   .arg(static_cast<qulonglong>(document_.loadedReplacedBytes()))
                                   .arg(document_.loadedFirstReplacedLine()));
        else
            MessageBox::inform(window_,
                               tr("%1\nThis file was read as %2; Tovalo saves in %3. Saving over the "
                                  "file changes its encoding; Tovalo asks before it does.")
                                   .arg(shown, QString::fromStdString(document_.loadedEncoding()),
                                        QString::fromStdString(fileCodeSet())));
    }
    if (document_.loadedWithSkippedLines()) {
        MessageBox::inform(window_, tr("%1\nThis file has lines that Tovalo does not read (sections of other "
                                       "files, unknown options or values). Saving over the file drops them; "
                                       "Tovalo asks before it does.")
                                        .arg(QDir::toNativeSeparators(path)));
    }
    reportChoicesWithoutEntry(path);
    return true;
}

void DocumentFiles::reportChoicesWithoutEntry(const QString& path)
{
    // Name the first few; a list of thousands would not fit a message box.
    constexpr int kNamed = 8;
    QStringList named;
    int count = 0;
    for (int row = 0; row < document_.size(); ++row) {
        const CDpctData& item = *document_.item(row);
        for (const OptionInfo& o : optionTable()) {
            if (!choiceWithoutEntry(item, o.slot))
                continue;
            if (++count <= kNamed)
                named << QStringLiteral("%1: %2").arg(
                    QDir::toNativeSeparators(QString::fromStdString(item.path)),
                    QString::fromUtf8(o.name.data(), static_cast<qsizetype>(o.name.size())));
        }
    }
    if (count == 0)
        return;
    if (count > kNamed)
        named << QStringLiteral("\u2026");
    MessageBox::inform(window_,
                       tr("%1\n%n option value(s) are not in the option's list. Such an option is left out "
                          "of the dpct command line until you pick a value in the item dialog:\n%2",
                          nullptr, count)
                           .arg(QDir::toNativeSeparators(path), named.join(QLatin1Char('\n'))));
}

bool DocumentFiles::write(const QString& path)
{
    const bool overTheFile = samePathText(path.toStdString(), document_.path());
    if (overTheFile && !document_.loadedEncodingKeptBySave()) {
        const QString shown = QDir::toNativeSeparators(path);
        const QString question = document_.loadedReplacedBytes() > 0
                                     ? tr("%1\nThe file has byte sequences that are not UTF-8; saving writes "
                                          "U+FFFD in their place. "
                                          "Save anyway?")
                                           .arg(shown)
                                     : tr("%1\nThe file was read as %2; saving writes %3. Save anyway?")
                                           .arg(shown, QString::fromStdString(document_.loadedEncoding()),
                                                QString::fromStdString(fileCodeSet()));
        if (MessageBox::askYesNo(window_, question) != QMessageBox::Yes)
            return false;
    }
    if (document_.loadedWithSkippedLines() && samePathText(path.toStdString(), document_.path()) &&
        MessageBox::askYesNo(window_,
                             tr("%1\nSaving replaces the file and drops the lines that Tovalo did not "
                                "read. Save anyway?")
                                 .arg(QDir::toNativeSeparators(path))) != QMessageBox::Yes)
        return false;
    Message error;
    bool ok = false;
    {
        WaitCursor wait;
        ok = document_.save(path.toStdString(), error);
    }
    if (!ok) {
        MessageBox::error(window_, tr("%1\n%2").arg(QDir::toNativeSeparators(path), wordMessage(error)));
        return false;
    }
    // The document took the path and cleared its mark.
    settings_.addRecent(path.toStdString());
    Q_EMIT saved();
    return true;
}

bool DocumentFiles::save()
{
    const QString path = QString::fromStdString(document_.path());
    if (path.isEmpty())
        return saveAs();
    return write(path);
}

bool DocumentFiles::saveAs()
{
    // Beside the file itself, else in the folder last saved to, never in the program's folder.
    QString start = QString::fromStdString(document_.path());
    if (start.isEmpty())
        start = chooserStartFolder(QString::fromStdString(settings_.folders[kDirTextSave]),
                                   QString::fromStdString(settings_.folders[kDirTextOpen]));
    const QString chosen = DialogSeam::saveFileName(
        window_, tr("Save As"), start, tr("Definition file (*.txt);;All Files (*)"), QStringLiteral("txt"));
    if (chosen.isEmpty())
        return false;
    const QString absolute = QFileInfo(chosen).absoluteFilePath();
    settings_.folders[kDirTextSave] =
        QDir::toNativeSeparators(QFileInfo(absolute).absolutePath()).toStdString();
    return write(absolute);
}

bool DocumentFiles::queryClose()
{
    if (!document_.isModified())
        return true;
    const QString path = QString::fromStdString(document_.path());
    const QString question = path.isEmpty()
                                 ? tr("Do you want to save (%1)?").arg(tr("Untitled"))
                                 : tr("Do you want to save %1?").arg(QDir::toNativeSeparators(path));
    switch (MessageBox::askYesNoCancel(window_, question)) {
    case QMessageBox::Yes:
        // A save that was cancelled or failed keeps the window open, so nothing is lost.
        return save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool DocumentFiles::exportResults(bool json)
{
    const QString base = document_.path().empty()
                             ? tr("results")
                             : QFileInfo(QString::fromStdString(document_.path())).completeBaseName();
    const QString suffix = json ? QStringLiteral("json") : QStringLiteral("csv");
    const QString start = QDir(QString::fromStdString(settings_.folders[kDirTextSave]))
                              .filePath(base + QLatin1Char('.') + suffix);
    const QString path = DialogSeam::saveFileName(
        window_, json ? tr("Export Results as JSON") : tr("Export Results as CSV"), start,
        json ? tr("JSON files (*.json);;All files (*)") : tr("CSV files (*.csv);;All files (*)"), suffix);
    if (path.isEmpty())
        return false;
    const std::vector<CDpctData*> items = document_.runItems();
    const std::vector<const CDpctData*> list(items.begin(), items.end());
    const std::string text =
        json ? resultsJson(list, ResultsHeader{settings_.dpctVersion, settings_.dpctCodebase, {}},
                           OutputInResults::LeftOut, ResultsLayout::LinePerItem)
             : resultsCsv(list);
    Message error;
    if (!writeFileAtomically(QDir::toNativeSeparators(path).toStdString(), text, error)) {
        DialogSeam::message(window_, 742, QMessageBox::Warning,
                            tr("The results could not be saved to %1.\n%2").arg(path, wordMessage(error)));
        return false;
    }
    return true;
}

} // namespace tovalo::gui
