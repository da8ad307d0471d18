#pragma once
// CDpctResultCtrl: the read-only view of the dpct output captured for one conversion item.

#include <cstdint>
#include <string_view>
#include <vector>

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTimer;

namespace tovalo {
struct DpctDiagnostic;
struct Settings;
} // namespace tovalo

namespace tovalo::gui {

class CDpctResultCtrl : public QWidget
{
    Q_OBJECT
public:
    explicit CDpctResultCtrl(QWidget* parent = nullptr);

    /// Most bytes shown; of a longer output only the end is shown, after a marker line.
    static constexpr std::size_t kMaxShown = 1024 * 1024;

    /// Of a longer text, the first this many characters are shown at once and the rest follows
    /// in pieces of this size from the event loop, so that no single step holds the window long.
    static constexpr qsizetype kPieceChars = 64 * 1024;

    /// Replaces the whole text with `utf8` and puts the caret at the start.
    void setText(std::string_view utf8);
    /// The whole text (pieces still to come are added first).
    QString text();
    /// Characters still to be added to the pane; 0 once the whole text is shown.
    qsizetype pendingChars() const { return pending_.size() - pendingFrom_; }
    /// Shows the codes of `diagnostics` with their counts above the output ("DPCT1003 ×2,
    /// DPCT1049 ×1"), and how many more were `dropped` (printed beyond what an item keeps); the
    /// line is hidden for an item with none.
    void setDiagnostics(const std::vector<tovalo::DpctDiagnostic>& diagnostics, std::int64_t dropped);
    /// The text of that line; empty while it is hidden.
    QString diagnosticsText() const;
    /// Text colour slot 7, background slot 8 (black on white when automatic).
    void applyColors(const Settings& settings);

    QPlainTextEdit* log() const { return log_; }

private:
    void showContextMenu(const QPoint& pos);
    /// Adds the next piece of pending_ (all of it with `all`) at the end of the text.
    void addPending(bool all);

    QPlainTextEdit* log_ = nullptr;
    QLabel* counts_ = nullptr;
    QTimer* feed_ = nullptr; ///< adds the next piece of pending_
    QString pending_;        ///< text set but not yet in the pane, from pendingFrom_ on
    qsizetype pendingFrom_ = 0;
};

} // namespace tovalo::gui
