// CDpctTreeCtrl's input: clicks and double-clicks, the keys, the wheel, the context menu, the
// rows' tool tips, and the two drags (the column divider and a row to another place). While a run
// locks the input, clicks, drags and keys are swallowed; the wheel and the context menu are not.

#include "controls/dpct_tree_ctrl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace tovalo::gui {

namespace {

constexpr int kWheelLines = 3;

} // namespace

CDpctTreeCtrl::HitArea CDpctTreeCtrl::HitTest(QPoint viewPos) const
{
    if (dragging_)
        return HitArea::Divider;
    return layout().hitTest(viewPos);
}

void CDpctTreeCtrl::endDrag()
{
    dragging_ = false;
    viewport()->update();
}

bool CDpctTreeCtrl::takesClick(QMouseEvent* event) const
{
    // During a run clicks are swallowed here rather than passed on to the parent window; a
    // double-click would open the item's update dialog, and the items cannot be edited then.
    if (inputLocked_)
        return false;
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return false;
    }
    return true;
}

void CDpctTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    if (!takesClick(event))
        return;
    const QPoint pos = event->position().toPoint();
    if (HitTest(pos) == HitArea::Divider) {
        dragging_ = true;
        viewport()->update();
        return;
    }
    if (const int row = rowAt(pos); row >= 0) {
        setFocus(Qt::MouseFocusReason);
        selectRow(row);
        Q_EMIT selectionChanged(row);
        pressRow_ = row;
        pressPos_ = pos;
        dropGap_ = -1;
    }
}

void CDpctTreeCtrl::endRowDrag()
{
    const bool wasDragging = dropGap_ >= 0;
    pressRow_ = -1;
    dropGap_ = -1;
    if (wasDragging) {
        viewport()->unsetCursor();
        viewport()->update();
    }
}

void CDpctTreeCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (dragging_) {
        setDividerX(pos.x() - ListLayout::kColumnLineOffset);
        return;
    }
    if (pressRow_ >= 0 && !inputLocked_ && (event->buttons() & Qt::LeftButton)) {
        if (dropGap_ < 0 && (pos - pressPos_).manhattanLength() < QApplication::startDragDistance())
            return;
        // Near the top or bottom edge the view scrolls on, so that a row can travel far.
        if (pos.y() < headerHeight() + rowHeight_ / 2)
            scrollBy(-rowHeight_);
        else if (pos.y() > viewport()->height() - rowHeight_ / 2)
            scrollBy(rowHeight_);
        const int gap = layout().dropGapAt(pos.y());
        if (gap != dropGap_) {
            if (dropGap_ < 0)
                viewport()->setCursor(Qt::DragMoveCursor);
            dropGap_ = gap;
            viewport()->update();
        }
        return;
    }
    // The divider cannot be dragged during a run, so it offers no grip then.
    const bool overDivider = !inputLocked_ && HitTest(pos) == HitArea::Divider;
    if (overDivider != (viewport()->cursor().shape() == Qt::SplitHCursor))
        viewport()->setCursor(overDivider ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void CDpctTreeCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!takesClick(event))
        return;
    if (dragging_)
        endDrag();
    const int from = pressRow_;
    const int gap = dropGap_;
    endRowDrag();
    if (from >= 0 && gap >= 0 && hasRow(from)) {
        const int to = gap > from ? gap - 1 : gap;
        if (to != from)
            Q_EMIT rowMoveRequested(from, to);
    }
}

void CDpctTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!takesClick(event))
        return;
    Q_EMIT rowDoubleClicked(rowAt(event->position().toPoint()));
}

void CDpctTreeCtrl::wheelEvent(QWheelEvent* event)
{
    // Three rows per wheel event, in the direction of the turn.
    const int dy = event->angleDelta().y();
    if (dy == 0) {
        event->ignore();
        return;
    }
    scrollBy((dy > 0 ? -kWheelLines : kWheelLines) * rowHeight_);
    event->accept();
}

void CDpctTreeCtrl::keyPressEvent(QKeyEvent* event)
{
    if (inputLocked_) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && dropGap_ >= 0) {
        endRowDrag();
        event->accept();
        return;
    }
    if (scrollPageKey(event))
        return;
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
        if (count() > 0) {
            const int row = event->key() == Qt::Key_Home ? 0 : count() - 1;
            selectRow(row);
            Q_EMIT selectionChanged(row);
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        selectPrevRow();
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        selectNextRow();
        break;
    default:
        CPaintedScrollView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CDpctTreeCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint global = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard && hasRow(selection_)) {
        const QRect r = rowRect(selection_);
        if (r.bottom() >= headerHeight() && r.top() < viewport()->height())
            global = viewport()->mapToGlobal(QPoint(ListLayout::kNameX, r.center().y()));
    }
    Q_EMIT contextMenuRequested(global);
    event->accept();
}

bool CDpctTreeCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = rowAt(help->pos());
        const QString tip =
            row >= 0 ? model_->data(model_->index(row, 0), Qt::ToolTipRole).toString() : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), rowRect(row));
        return true;
    }
    return CPaintedScrollView::viewportEvent(event);
}

} // namespace tovalo::gui
