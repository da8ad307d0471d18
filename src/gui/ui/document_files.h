#pragma once
// DocumentFiles: the files of one document window: reading a definition file into its document
// (and telling what a save would change: another encoding, bytes that are not UTF-8, lines that
// Tovalo does not read), saving and saving under another name (asking first when a save over the
// file would change it that way), the save question before the window closes, and exporting the
// last run's results as CSV or JSON. Failures are told in message boxes; the functions return
// whether the file was read or written.
//
// The window owns it and the document; the settings record (remembered folders, the recent list,
// the dpct version of exported results) belongs to the window's owner and outlives it.

#include <QObject>
#include <QString>

class QWidget;

namespace tovalo {
class DefinitionDocument;
struct Settings;
} // namespace tovalo

namespace tovalo::gui {

class DocumentFiles : public QObject
{
    Q_OBJECT
public:
    /// `window` is the parent of the choosers and message boxes.
    DocumentFiles(DefinitionDocument& document, Settings& settings, QWidget* window);

    /// Reads `path` into the document. On failure returns false with `error`, the reason worded
    /// for the user.
    bool load(const QString& path, QString& error);
    /// Saves to the file path, or asks for one when there is none. True when written.
    bool save();
    /// Asks for a file name and writes to it. True when written.
    bool saveAs();
    /// Asks the save question when the document is modified. False when the user cancelled, or
    /// chose to save and the save did not happen.
    bool queryClose();
    /// Asks for a file name and saves the last run's results there as CSV or JSON. True when
    /// written.
    bool exportResults(bool json);

Q_SIGNALS:
    /// The document was written to a file (its path and modified mark follow the save).
    void saved();

private:
    bool write(const QString& path);
    /// Tells the user which items hold a choice value that is not in its option's list.
    void reportChoicesWithoutEntry(const QString& path);

    DefinitionDocument& document_;
    Settings& settings_;
    QWidget* window_;
};

} // namespace tovalo::gui
