#pragma once
// CompileDbImporter: File > Import Compilation Database. It asks what to import
// (ImportDbDialog), reads and imports the database on a worker thread (the core's
// importCompileDb), and then either opens the items as a new list or adds them to the list that
// was active (the list's duplicate rule: a source listed already is counted as a duplicate),
// and tells the summary line in a message. A database that cannot be read is told in an error
// message that says where it went wrong (line and column of malformed JSON); nothing is added
// then.
//
// The main frame owns it; the settings record (the folder the chooser starts in) outlives it.

#include <functional>

#include <QObject>
#include <QPointer>
#include <QString>

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class DocumentWindow;

class CompileDbImporter : public QObject
{
    Q_OBJECT
public:
    /// `newList` makes a new, empty document window (activated); `activeList` gives the window
    /// the items may join, or null when none may (no list, or a run under way).
    CompileDbImporter(Settings& settings, QWidget* window, std::function<DocumentWindow*()> newList,
                      std::function<DocumentWindow*()> activeList);

    /// Asks, then starts the import. Does nothing while an import is under way.
    void start();
    /// An import is being read.
    bool isBusy() const { return busy_; }

Q_SIGNALS:
    /// isBusy() changed.
    void busyChanged(bool busy);
    /// The import has ended (added, failed or found nothing); for tests and screenshots.
    void finished();

private:
    Settings& settings_;
    QWidget* window_;
    std::function<DocumentWindow*()> newList_;
    std::function<DocumentWindow*()> activeList_;
    bool busy_ = false;
};

} // namespace tovalo::gui
