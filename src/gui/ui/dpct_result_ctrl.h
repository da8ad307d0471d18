#pragma once
// CDpctResultCtrl: the read-only view of the dpct output captured for one conversion item.

#include <cstdint>
#include <string_view>
#include <vector>

#include <QWidget>

class QLabel;
class QPlainTextEdit;

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

    /// Replaces the whole text with `utf8` and puts the caret at the start.
    void setText(std::string_view utf8);
    QString text() const;
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

    QPlainTextEdit* log_ = nullptr;
    QLabel* counts_ = nullptr;
};

} // namespace tovalo::gui
