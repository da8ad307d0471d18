#pragma once
// CColorToolTipCtrl: a tool tip with a light gradient background, an optional bold heading line
// and a word-wrapped body (at most 300 pixels wide). The owner adds tools (widgets with their
// texts); the tip shows when the mouse rests on a tool, also while the dialog is inactive, and
// hides when the mouse leaves it or a key or button is pressed.
//
// Text rule: the part after the last line break is the heading, drawn first in bold; the part
// before it is the body. A text without a line break is all body.

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace tovalo::gui {

class CColorToolTipCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CColorToolTipCtrl(QWidget* owner);

    /// Adds or replaces the tip of `tool`; an empty text removes it.
    void addTool(QWidget* tool, const QString& text);
    QString toolText(const QWidget* tool) const;

    /// Shows the tip of `tool` near the global position `pos` (also used by tests).
    void showTip(QWidget* tool, const QPoint& pos);
    QString currentText() const { return text_; }

    static void splitTip(const QString& text, QString& heading, QString& body);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect headingRect(int width) const;
    QRect bodyRect(int width) const;

    QHash<const QWidget*, QString> texts_;
    QString text_;
    QString heading_;
    QString body_;
    QPointer<QWidget> current_;
    static constexpr int kMaxWidth = 300;
    static constexpr int kMargin = 4;
};

} // namespace tovalo::gui
