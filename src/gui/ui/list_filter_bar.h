#pragma once
// ListFilterBar: the filter box above a document window's item list: its label, the text box
// (Esc empties it; Enter and Down go on to the list rather than to the item commands, Enter being
// the update command's key) and, while a filter is set, how many of the items the list shows.
// It only takes the text; the window narrows the list.

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tovalo::gui {

class ListFilterBar : public QWidget
{
    Q_OBJECT
public:
    explicit ListFilterBar(QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }
    QLabel* count() const { return count_; }
    /// Shows "`shown` of `total`" while `filtered`, else nothing.
    void showCount(bool filtered, int shown, int total);

Q_SIGNALS:
    void textChanged(const QString& text);
    /// Enter or Down was pressed in the box: the focus goes on to the list.
    void toList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QLabel* count_ = nullptr;
    bool filtered_ = false;
    int shown_ = 0;
    int total_ = 0;
};

} // namespace tovalo::gui
