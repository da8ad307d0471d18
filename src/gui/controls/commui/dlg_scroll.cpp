#include "controls/commui/dlg_scroll.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QScrollBar>

namespace tovalo::gui {

CDlgScroll::~CDlgScroll()
{
    disconnect(qApp, &QApplication::focusChanged, this, &CDlgScroll::onFocusChanged);
}

CDlgScroll::CDlgScroll(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("dlgScroll"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    connect(qApp, &QApplication::focusChanged, this, &CDlgScroll::onFocusChanged);
}

void CDlgScroll::setChild(QWidget* child)
{
    if (QWidget* old = takeWidget())
        old->deleteLater();
    if (child) {
        setWidget(child);
        child->installEventFilter(this);
    }
    updateFrame();
}

bool CDlgScroll::canScroll() const
{
    return verticalScrollBar()->maximum() > 0;
}

void CDlgScroll::focusInEvent(QFocusEvent* event)
{
    QScrollArea::focusInEvent(event);
    if (QWidget* page = widget()) {
        // Pass the focus on to the page, to its first control in the Tab chain.
        QWidget* first = page->focusWidget() ? page->focusWidget() : page->nextInFocusChain();
        if (first && page->isAncestorOf(first))
            first->setFocus(event->reason());
    }
}

void CDlgScroll::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    updateFrame();
}

bool CDlgScroll::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        updateFrame();
    return QScrollArea::eventFilter(watched, event);
}

void CDlgScroll::onFocusChanged(QWidget*, QWidget* now)
{
    QWidget* page = widget();
    if (now && page && page->isAncestorOf(now))
        ensureWidgetVisible(now, 0, 8);
}

void CDlgScroll::updateFrame()
{
    // A frame marks the container only while there is something to scroll.
    const QWidget* page = widget();
    const bool taller = page && page->sizeHint().height() > viewport()->height() + 2 * frameWidth();
    const QFrame::Shape shape = taller ? QFrame::StyledPanel : QFrame::NoFrame;
    if (frameShape() != shape)
        setFrameShape(shape);
}

} // namespace tovalo::gui
