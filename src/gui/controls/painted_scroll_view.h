#pragma once
// CPaintedScrollView: what the program's hand-painted views that scroll vertically (the static
// tree CStaticTreeCtrl) have in common. It sets the area up
// the way they all want it: strong focus, no horizontal scroll bar, a vertical one only when the
// content is higher than the view, and a view painted to its last pixel (Qt need not clear it
// first). Both views draw whether they have the focus, so the view is repainted whenever the
// focus comes or goes, and whenever the palette or the style changes. Page Up and Page Down move
// the view by one page of the scroll bar.
//
// A view tells the base what it holds through setScrollExtent() and learns what changed around
// it through three hooks: fontChanged(), viewResized() and lookChanged() (each does nothing
// unless the view overrides it).

#include <QAbstractScrollArea>

class QKeyEvent;

namespace tovalo::gui {

class CPaintedScrollView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CPaintedScrollView(QWidget* parent = nullptr);
    ~CPaintedScrollView() override;

protected:
    /// Sets the vertical scroll bar for content `contentHeight` pixels high of which
    /// `visibleHeight` show at once: it scrolls from 0 to the part that does not show (0 when
    /// everything does), by `pageStep` a page and `singleStep` a line. Keeps the position where
    /// the new range allows it. Const because views lay out lazily, from const functions too.
    void setScrollExtent(int contentHeight, int visibleHeight, int pageStep, int singleStep) const;
    /// Scrolls by `delta` pixels (down when positive), within the range.
    void scrollBy(int delta);
    /// Page Up and Page Down: one page of the scroll bar up or down, the event accepted. False
    /// (the event untouched) for every other key.
    bool scrollPageKey(QKeyEvent* event);

    /// The font changed: recompute what depends on it. The view is repainted afterwards.
    virtual void fontChanged() {}
    /// The view got another size (after the area has placed its scroll bar).
    virtual void viewResized() {}
    /// The palette or the style changed: drop what was drawn from them. The view is repainted
    /// afterwards.
    virtual void lookChanged() {}

    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace tovalo::gui
