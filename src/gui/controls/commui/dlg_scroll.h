#pragma once
// CDlgScroll: a container that hosts one child page taller than itself and scrolls it
// vertically. The container shows a frame and a scroll bar only while the page does not fit.
// Whenever a control inside the page receives the focus (Tab, a click, or a program moving the
// focus after a failed check), the page scrolls so that the control is visible. Focus given to
// the container itself goes on to the page. Scrolling uses the platform's usual steps for the
// scroll-bar arrows and the mouse wheel.

#include <QScrollArea>

namespace tovalo::gui {

class CDlgScroll : public QScrollArea
{
    Q_OBJECT

public:
    explicit CDlgScroll(QWidget* parent = nullptr);
    /// Drops the focus-change connection first: the focus moves while the base classes destroy
    /// the children, when this is no longer a CDlgScroll.
    ~CDlgScroll() override;

    /// Hosts `child` (the container takes ownership); null removes the current child.
    void setChild(QWidget* child);
    QWidget* child() const { return widget(); }

    /// True while the page is taller than the container, so that the bar is shown.
    bool canScroll() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFocusChanged(QWidget* old, QWidget* now);
    void updateFrame();
};

} // namespace tovalo::gui
