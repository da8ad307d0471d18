#pragma once
// LogFindBar: the bar under a log that finds a text in it. Ctrl+F shows it (with the log's
// one-line selection as the text to find), F3 and Shift+F3 find the next and the previous match,
// wrapping around once, and Escape closes it. The keys act while the focus is anywhere inside the
// widget that holds the bar and the log.

#include <functional>

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tovalo::gui {

class LogFindBar : public QWidget
{
    Q_OBJECT

public:
    /// `log`: the text searched; `host`: the widget whose keys open and use the bar (the bar's
    /// parent); `beforeSearch`: brings the log up to date before each search (text still queued).
    LogFindBar(QPlainTextEdit* log, QWidget* host, std::function<void()> beforeSearch);

    QLineEdit* edit() const { return edit_; }
    /// Shows the bar with the log's selection (if any, on one line) as the text to find, focused.
    void open();
    /// Selects the next (or previous) match of the text, wrapping around the end (the start)
    /// once. False, and the bar says so, when the text does not occur.
    bool findNext(bool backwards = false);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QPlainTextEdit* log_;
    std::function<void()> beforeSearch_;
    QLineEdit* edit_ = nullptr;
    QLabel* label_ = nullptr;
    QLabel* status_ = nullptr;
    QAction* nextAction_ = nullptr;
    QAction* previousAction_ = nullptr;
    QAction* closeAction_ = nullptr;
};

} // namespace tovalo::gui
