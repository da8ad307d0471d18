// CDpctTreeCtrl's input: clicks and double-clicks, the keys, type-ahead, the wheel, the context
// menu, the rows' tool tips, and the two drags (the column divider, in the header or in a row's
// column gap, and a row to another place). Selection by mouse and keys is Qt's; the list adds its
// own rules around it. While a run locks the input, clicks, drags and keys are swallowed; the
// wheel and the context menu are not.

#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"

#include <algorithm>

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace tovalo::gui {

namespace {

constexpr int kWheelLines = 3;

QString fileNameOf(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

} // namespace

CDpctTreeCtrl::HitArea CDpctTreeCtrl::HitTest(QPoint viewPos) const
{
    if (dragging_)
        return HitArea::Divider;
    if (rowAt(viewPos) < 0)
        return HitArea::Nowhere;
    return divider_.hitTest(viewPos.x());
}

CDpctTreeCtrl::HitArea CDpctTreeCtrl::headerHitTest(QPoint headerPos) const
{
    if (dragging_)
        return HitArea::Divider;
    if (headerPos.y() < 0 || headerPos.y() >= headerHeight() || headerPos.x() < 0 ||
        headerPos.x() >= viewport()->width())
        return HitArea::Nowhere;
    return divider_.hitTest(headerPos.x());
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

bool CDpctTreeCtrl::headerMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!inputLocked_ && mouse->button() == Qt::LeftButton && headerHitTest(pos) == HitArea::Divider) {
            dragging_ = true;
            header_->viewport()->update();
        }
        return true;
    case QEvent::MouseMove:
        if (dragging_) {
            setDividerX(pos.x() - list_geometry::kColumnLineOffset);
        } else {
            // The divider cannot be dragged during a run, so it offers no grip then.
            const bool over = !inputLocked_ && headerHitTest(pos) == HitArea::Divider;
            header_->viewport()->setCursor(over ? Qt::SplitHCursor : Qt::ArrowCursor);
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (dragging_)
            endDrag();
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

bool CDpctTreeCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (header_ && watched == header_->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return headerMouse(event);
        default:
            break;
        }
    }
    return QTreeView::eventFilter(watched, event);
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
    // Empty space below the rows keeps the selection.
    if (const int row = rowAt(pos); row >= 0) {
        setFocus(Qt::MouseFocusReason);
        signalling([&] { QTreeView::mousePressEvent(event); });
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
        setDividerX(pos.x() - list_geometry::kColumnLineOffset);
        return;
    }
    if (pressRow_ >= 0 && !inputLocked_ && (event->buttons() & Qt::LeftButton)) {
        // A pressed row moves the row, it does not stretch the selection: Shift+click does that.
        if (dropGap_ < 0 && (pos - pressPos_).manhattanLength() < QApplication::startDragDistance())
            return;
        // Near the top or bottom edge the view scrolls on, so that a row can travel far.
        QScrollBar* bar = verticalScrollBar();
        if (pos.y() < rowHeight_ / 2)
            bar->setValue(bar->value() - rowHeight_);
        else if (pos.y() > viewport()->height() - rowHeight_ / 2)
            bar->setValue(bar->value() + rowHeight_);
        const int docY = pos.y() + verticalOffset();
        const int gap = std::clamp((docY + rowHeight_ / 2) / std::max(rowHeight_, 1), 0, count());
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
    if (!(event->buttons() & Qt::LeftButton))
        QTreeView::mouseMoveEvent(event);
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
        return;
    }
    signalling([&] { QTreeView::mouseReleaseEvent(event); });
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
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (dy > 0 ? -kWheelLines : kWheelLines) * rowHeight_);
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
    if (selectedCount() == 0 && count() > 0 && event->modifiers() == Qt::NoModifier) {
        // Without a selection (a current row alone does not count) the keys start from the
        // view: Down takes its first row, Up its last; Home and End the list's ends.
        switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Left: {
            const bool down = event->key() == Qt::Key_Down || event->key() == Qt::Key_Right;
            stepSelection(down ? 1 : -1);
            event->accept();
            return;
        }
        case Qt::Key_Home:
        case Qt::Key_End: {
            const int row = event->key() == Qt::Key_Home ? 0 : count() - 1;
            selectRow(row);
            Q_EMIT selectionMoved(row);
            event->accept();
            return;
        }
        default:
            break;
        }
    }
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The page keys scroll; the selection stays where it is.
        verticalScrollBar()->triggerAction(event->key() == Qt::Key_PageUp
                                               ? QAbstractSlider::SliderPageStepSub
                                               : QAbstractSlider::SliderPageStepAdd);
        event->accept();
        return;
    default:
        signalling([&] { QTreeView::keyPressEvent(event); });
        return;
    }
}

QModelIndex CDpctTreeCtrl::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Left and Right step through the rows like Up and Down: the list has no levels to walk.
    if (cursorAction == MoveLeft)
        cursorAction = MoveUp;
    else if (cursorAction == MoveRight)
        cursorAction = MoveDown;
    return QTreeView::moveCursor(cursorAction, modifiers);
}

void CDpctTreeCtrl::keyboardSearch(const QString& search)
{
    // Type-ahead by file name: the paths of a list mostly share their folders.
    if (search.isEmpty() || count() == 0)
        return;
    if (typedTimer_.isValid() && typedTimer_.elapsed() < QApplication::keyboardInputInterval())
        typed_ += search;
    else
        typed_ = search;
    typedTimer_.restart();
    const int n = count();
    const int current = std::max(currentIndex().row(), 0);
    // A new search starts after the current row, so that the same letter walks the matches.
    const int start = typed_.size() == 1 ? current + 1 : current;
    for (int i = 0; i < n; ++i) {
        const int row = (start + i) % n;
        const QString name = fileNameOf(indexOf(row).data(DefinitionModel::PathRole).toString());
        if (name.startsWith(typed_, Qt::CaseInsensitive)) {
            selectRow(row);
            return;
        }
    }
}

void CDpctTreeCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint global = event->globalPos();
    const int row = selectedRow();
    if (event->reason() == QContextMenuEvent::Keyboard && hasRow(row)) {
        const QRect r = rowRect(row);
        if (r.bottom() >= 0 && r.top() < viewport()->height())
            global = viewport()->mapToGlobal(QPoint(list_geometry::kNameX, r.center().y()));
    }
    Q_EMIT contextMenuRequested(global);
    event->accept();
}

bool CDpctTreeCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        // The row's tip (a missing file) wherever the pointer is in the row.
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = rowAt(help->pos());
        const QString tip = row >= 0 ? indexOf(row).data(Qt::ToolTipRole).toString() : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), rowRect(row));
        return true;
    }
    return QTreeView::viewportEvent(event);
}

} // namespace tovalo::gui
