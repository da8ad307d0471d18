#pragma once
// COutputPane: the dockable pane that shows everything the console prints.
//
// Text is queued by append() and written into the view in batches on a short timer, cut at line
// ends, with the batch size adapted to the time a batch took, so a burst of output never freezes
// the window. The view follows new text only while it is scrolled to the bottom. The pane holds
// at most capacity() characters: when more arrive, the oldest text is dropped and a marker line
// says so (every conversion item keeps its own output, so nothing that matters is lost).
//
// Tagged text (appendTagged: whole lines of one of several consoles) keeps its tag per line: a
// margin left of the text draws each line's tag (the item's file name) in its console's colour,
// chosen to be readable on the log's background. The tags are drawn, not written into the text,
// so dpct's lines stay as dpct printed them; Save As writes them in front of their lines.

#include <string>
#include <string_view>
#include <vector>

#include <QDockWidget>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

class QLineEdit;
class QPlainTextEdit;

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class LogFindBar;
class OutputLog;

class COutputPane : public QDockWidget
{
    Q_OBJECT
public:
    explicit COutputPane(QWidget* parent = nullptr);

    /// Queues console text; it appears at the end of the log within one batch interval.
    void append(const QString& text);
    /// The same for UTF-8 text, which is only copied here and decoded batch by batch.
    void appendUtf8(std::string_view utf8);
    /// Queues whole lines (each ending with "\n") of console `console`, each tagged with `tag`.
    void appendTagged(int console, const QString& tag, std::string_view lines);
    /// The tag of line (block) `line` of the log, empty for an untagged line.
    QString lineTag(int line) const;
    /// The console whose colour line `line`'s tag has; -1 for an untagged line.
    int lineConsole(int line) const;
    /// The colour of console `console`'s tags on the log's background.
    QColor tagColor(int console) const;
    /// The whole log as Save As writes it: tagged lines as "[tag] line".
    QString taggedText();
    /// Writes everything queued now (tests and shutdown).
    void flushAll();
    /// Empties the log and the queue.
    void clearAll();
    /// Text colour slot 9, background slot 10 (white on black when automatic).
    void applyColors(const Settings& settings);

    QPlainTextEdit* log() const;
    /// About how much text the pane holds at most (characters in the view, bytes in the queue).
    qsizetype capacity() const { return capacity_; }
    void setCapacity(qsizetype characters);
    /// Text dropped from the front since the program started (characters of the view plus
    /// UTF-8 bytes of the queue).
    qint64 droppedText() const { return dropped_; }
    /// Longest time one batch took, in milliseconds (for measurements).
    qint64 longestBatchMs() const { return longestBatchMs_; }
    bool hasPendingText() const { return head_ < pending_.size(); }

    static QString droppedMarker();

    /// The find bar: shown by Ctrl+F (or the context menu), closed by Escape.
    QWidget* findBar() const;
    QLineEdit* findEdit() const;
    /// Shows the find bar with the log's selection (if any) as the text to find, focused.
    void showFindBar();
    /// Selects the next (or previous) match of the find text, wrapping around the end (the
    /// start). False, and the find bar says so, when the text does not occur.
    bool findNext(bool backwards = false);
    /// Asks for a file and writes the whole log into it (UTF-8, atomically). False when the user
    /// cancelled or the write failed (the error has been shown).
    bool saveAs();

protected:
    void changeEvent(QEvent* event) override;

private:
    friend class OutputLog;
    struct Tag
    {
        QString text;
        int console = 0;
    };
    /// Queued text from the previous segment's end up to `end` (an offset into pending_) has
    /// the tag `tag` (-1: none).
    struct Segment
    {
        std::size_t end = 0;
        int tag = -1;
    };
    void enqueue(std::string_view utf8, int tag);
    /// Gives the lines of a batch just inserted from block `firstBlock` on their tags.
    void dropQueuedBefore(std::size_t from);
    void compactQueue();
    void tagBlocks(int firstBlock, std::size_t from, std::size_t to);
    void flushBatch();
    void trimFront();
    void showContextMenu(const QPoint& pos);
    void retranslate();

    OutputLog* log_ = nullptr;
    LogFindBar* findBar_ = nullptr;
    QTimer timer_;
    std::string pending_;    ///< queued UTF-8 text, from head_ on
    std::size_t head_ = 0;   ///< start of the text not yet shown
    bool followTail_ = true; ///< the view stays at the end until the user scrolls away
    bool adjusting_ = false; ///< scroll changes come from our own appends, not the user
    bool restart_ = false;   ///< the queue alone overflowed: the view starts anew with a marker
    // About 50,000 lines of dpct's output. Text removed from the front of a text document stays
    // in its buffer until the document copies what is left into a new one, so each trim costs a
    // copy of everything kept: the cap keeps that copy within a few milliseconds.
    qsizetype capacity_ = 4 * 1024 * 1024;
    qsizetype chunk_ = 256 * 1024;
    qint64 dropped_ = 0;
    qint64 longestBatchMs_ = 0;
    std::vector<Segment> segments_; ///< tags of the queued text, from head_ on
    std::vector<Tag> tags_;         ///< every tag in use; a line's block state is its index
    std::vector<int> consoleTag_;   ///< per console: its latest tag
};

} // namespace tovalo::gui
