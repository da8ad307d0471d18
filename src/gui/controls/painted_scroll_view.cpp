#include "controls/painted_scroll_view.h"

#include <algorithm>

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace tovalo::gui {

CPaintedScrollView::CPaintedScrollView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Every pixel is painted, so Qt need not clear the view first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

CPaintedScrollView::~CPaintedScrollView() = default;

void CPaintedScrollView::setScrollExtent(int contentHeight, int visibleHeight, int pageStep,
                                         int singleStep) const
{
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(singleStep);
    bar->setPageStep(pageStep);
    bar->setRange(0, std::max(0, contentHeight - visibleHeight));
}

void CPaintedScrollView::scrollBy(int delta)
{
    verticalScrollBar()->setValue(verticalScrollBar()->value() + delta);
}

bool CPaintedScrollView::scrollPageKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}

void CPaintedScrollView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    viewResized();
}

void CPaintedScrollView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CPaintedScrollView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CPaintedScrollView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        fontChanged();
        viewport()->update();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        lookChanged();
        viewport()->update();
        break;
    default:
        break;
    }
}

} // namespace tovalo::gui
