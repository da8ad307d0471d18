#include "controls/dpct_tree_ctrl.h"

#include "controls/definition_model.h"
#include "controls/list_icons.h"
#include "data/dpct_data.h"

#include <algorithm>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace tovalo::gui {

using tovalo::CDpctData;
using tovalo::ItemStatus;

namespace {

// Column geometry relative to the divider and the row's left edge.
constexpr int kNameColumnEnd = 16;     // name column ends at divider + 16
constexpr int kStatusColumnStart = 24; // status column starts at divider + 24
constexpr int kColumnLineOffset = 20;  // column line at divider + 20
constexpr int kIconX = 22;
constexpr int kNameX = 42;
constexpr int kStripIconX = 2;
constexpr int kRightMargin = 4;
constexpr int kWheelLines = 3;

// a / b rounded towards +infinity, for b > 0 and any a.
int ceilDiv(int a, int b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// 8x8 two-colour patterns for the hatched strip and the header.
QPixmap makePattern(const QColor& background, const QColor& foreground,
                    std::initializer_list<std::pair<int, int>> points)
{
    QImage img(8, 8, QImage::Format_ARGB32_Premultiplied);
    img.fill(background);
    QPainter p(&img);
    p.setPen(foreground);
    for (const auto& [x, y] : points)
        p.drawPoint(x, y);
    p.end();
    return QPixmap::fromImage(img);
}

QFont enlargedFont(const QFont& base, const QWidget* widget)
{
    // The list's font: the regular UI font four pixels taller, Meiryo UI where it exists.
    QFont f = base;
    int pixels = base.pixelSize();
    if (pixels <= 0)
        pixels = qRound(base.pointSizeF() * widget->logicalDpiY() / 72.0);
    f.setPixelSize(pixels + 4);
    f.setFamilies({QStringLiteral("Meiryo UI"), base.family()});
    return f;
}

} // namespace

CDpctTreeCtrl::CDpctTreeCtrl(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("dpctTreeCtrl"));
    viewport()->setObjectName(QStringLiteral("dpctTreeCtrlViewport"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setObjectName(QStringLiteral("dpctTreeCtrlScrollBar"));
    // Every pixel is painted, so Qt need not clear the view first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setAccessibleName(tr("Conversion items"));
    updateMetrics();
}

CDpctTreeCtrl::~CDpctTreeCtrl() = default;

// Model ----------------------------------------------------------------------------------------

void CDpctTreeCtrl::setModel(QAbstractItemModel* model)
{
    for (QMetaObject::Connection& c : modelConnections_)
        disconnect(c);
    model_ = model;
    if (model) {
        modelConnections_ = {
            connect(model, &QAbstractItemModel::rowsInserted, this,
                    [this](const QModelIndex&, int first, int last) { rowsInserted(first, last); }),
            connect(model, &QAbstractItemModel::rowsRemoved, this,
                    [this](const QModelIndex&, int first, int last) { rowsRemoved(first, last); }),
            connect(model, &QAbstractItemModel::dataChanged, this,
                    [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                        rowsChanged(topLeft.row(), bottomRight.row());
                    }),
            connect(model, &QAbstractItemModel::rowsMoved, this,
                    [this](const QModelIndex&, int first, int, const QModelIndex&, int destination) {
                        rowsMoved(first, destination);
                    }),
            connect(model, &QAbstractItemModel::modelReset, this, &CDpctTreeCtrl::modelReset),
            connect(model, &QAbstractItemModel::layoutChanged, this, &CDpctTreeCtrl::modelReset),
            // A model that goes first leaves an empty list rather than a dangling one.
            connect(model, &QObject::destroyed, this,
                    [this] {
                        model_ = nullptr;
                        modelReset();
                    }),
        };
    }
    modelReset();
}

int CDpctTreeCtrl::count() const
{
    return model_ ? model_->rowCount() : 0;
}

const CDpctData* CDpctTreeCtrl::itemAt(int row) const
{
    if (!hasRow(row))
        return nullptr;
    return model_->data(model_->index(row, 0), DefinitionModel::ItemRole).value<const CDpctData*>();
}

CDpctTreeCtrl::RowData CDpctTreeCtrl::rowData(int row) const
{
    const QModelIndex index = model_->index(row, 0);
    const QVariant count = model_->data(index, DefinitionModel::DiagnosticCountRole);
    return {model_->data(index, DefinitionModel::PathRole).toString(),
            static_cast<ItemStatus>(model_->data(index, DefinitionModel::StatusRole).toInt()),
            model_->data(index, DefinitionModel::MissingRole).toBool(), count.isValid() ? count.toInt() : -1};
}

void CDpctTreeCtrl::rowsMoved(int first, int destination)
{
    // One row moved from `first` to before old row `destination`: the selection goes with it
    // and the rows in between shift by one.
    const int to = destination > first ? destination - 1 : destination;
    const auto renumber = [first, to](int& row) {
        if (row == first)
            row = to;
        else if (first < to && row > first && row <= to)
            --row;
        else if (to < first && row >= to && row < first)
            ++row;
    };
    renumber(selection_);
    renumber(pendingEnsure_);
    viewport()->update();
    updateAccessibleDescription();
}

QString CDpctTreeCtrl::rowCountText(int row) const
{
    if (!hasRow(row))
        return {};
    const int n = rowData(row).diagnostics;
    return n < 0 ? QString() : QString::number(n);
}

void CDpctTreeCtrl::rowsInserted(int first, int last)
{
    const int n = last - first + 1;
    if (selection_ >= first)
        selection_ += n;
    if (pendingEnsure_ >= first)
        pendingEnsure_ += n;
    endRowDrag();
    RecalcScroll(false);
    updateAccessibleDescription();
}

void CDpctTreeCtrl::rowsRemoved(int first, int last)
{
    const auto renumber = [first, last](int& row) {
        if (row > last)
            row -= last - first + 1;
        else if (row >= first)
            row = -1;
    };
    renumber(selection_);
    renumber(pendingEnsure_);
    endRowDrag();
    RecalcScroll(false);
    updateAccessibleDescription();
}

void CDpctTreeCtrl::rowsChanged(int first, int last)
{
    if (!hasRow(first) && !hasRow(last))
        return;
    const QRect top = rowRect(std::max(first, 0));
    const QRect bottom = rowRect(std::min(last, count() - 1));
    viewport()->update(QRect(0, top.top(), viewport()->width(), bottom.bottom() - top.top() + 1));
    if (selection_ >= first && selection_ <= last)
        updateAccessibleDescription();
}

void CDpctTreeCtrl::modelReset()
{
    pressRow_ = -1;
    dropGap_ = -1;
    selection_ = -1;
    pendingEnsure_ = -1;
    RecalcScroll(true);
    updateAccessibleDescription();
}

// Selection ------------------------------------------------------------------------------------

void CDpctTreeCtrl::setSelection(int row)
{
    selection_ = row;
    updateAccessibleDescription();
}

void CDpctTreeCtrl::selectRow(int row)
{
    if (row != -1 && !hasRow(row))
        return;
    setSelection(row);
    if (row >= 0)
        ensureVisible(row);
    else
        viewport()->update();
}

int CDpctTreeCtrl::selectNextRow()
{
    const int before = selection_;
    int next = -1;
    if (before >= 0) {
        next = hasRow(before + 1) ? before + 1 : -1;
    } else {
        const auto [first, last] = visibleRange();
        if (first < last)
            next = first;
    }
    if (next < 0)
        return -1;
    selectRow(next);
    if (next != before)
        Q_EMIT selectionChanged(next);
    return next;
}

int CDpctTreeCtrl::selectPrevRow()
{
    const int before = selection_;
    int prev = -1;
    if (before >= 0) {
        prev = before - 1;
    } else {
        const auto [first, last] = visibleRange();
        if (first < last)
            prev = last - 1;
    }
    if (prev < 0)
        return -1;
    selectRow(prev);
    if (prev != before)
        Q_EMIT selectionChanged(prev);
    return prev;
}

void CDpctTreeCtrl::updateAccessibleDescription()
{
    // The rows are painted, not widgets; a screen reader learns about the current row through
    // the list's description, which changes with the selection.
    QString text;
    if (hasRow(selection_)) {
        const RowData row = rowData(selection_);
        const QString status = rowStatusText(row.status);
        text = tr("Row %1 of %2: %3").arg(selection_ + 1).arg(count()).arg(row.path);
        if (!status.isEmpty())
            text += QStringLiteral(", ") + status;
    }
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
}

// Scrolling ------------------------------------------------------------------------------------

int CDpctTreeCtrl::rowsAreaHeight() const
{
    return viewport()->height() - headerHeight();
}

void CDpctTreeCtrl::RecalcScroll(bool resetToTop)
{
    const int rows = count();
    const int clientHeight = viewport()->height();
    const int contentHeight = rowHeight_ * rows;
    // One page is the whole rows that fit, less the header. A view lower than a row still
    // pages by one row, so that paging never stands still.
    int page = rowHeight_ * (clientHeight / rowHeight_) - headerHeight();
    page = std::max(page, rowHeight_);
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(rowHeight_);
    bar->setPageStep(page);
    if (contentHeight <= page)
        bar->setRange(0, 0);
    else
        bar->setRange(0, contentHeight - page);
    if (resetToTop)
        bar->setValue(0);
    viewport()->update();
}

bool CDpctTreeCtrl::ensureVisible(int row)
{
    if (!hasRow(row))
        return false;
    if (!isVisible()) {
        pendingEnsure_ = row;
        return true;
    }
    pendingEnsure_ = -1;
    scrollIntoView(row);
    return true;
}

void CDpctTreeCtrl::scrollIntoView(int row)
{
    // The range may be stale when the row count changed while the view had no real height.
    if (verticalScrollBar()->maximum() < rowHeight_ * count() - verticalScrollBar()->pageStep())
        RecalcScroll(false);
    const int y = docY(row);
    const int scroll = verticalScrollBar()->value();
    const int clientHeight = viewport()->height();
    const bool visible = scroll + headerHeight() <= y && y < scroll + clientHeight - rowHeight_;
    if (!visible) {
        if (y < scroll + headerHeight())
            verticalScrollBar()->setValue(y - headerHeight());
        else
            verticalScrollBar()->setValue(y - clientHeight + 2 * rowHeight_);
    }
    viewport()->update();
}

void CDpctTreeCtrl::scrollBy(int delta)
{
    verticalScrollBar()->setValue(verticalScrollBar()->value() + delta);
}

std::pair<int, int> CDpctTreeCtrl::laidOutRange() const
{
    // Rows whose document top lies within one row of the view on either side.
    const int scroll = verticalScrollBar()->value();
    const int hh = headerHeight();
    const int first = std::max(0, ceilDiv(scroll - rowHeight_ - hh, rowHeight_));
    const int last = std::min(count(), ceilDiv(scroll + rowsAreaHeight() + rowHeight_ - hh, rowHeight_));
    return {first, std::max(first, last)};
}

std::pair<int, int> CDpctTreeCtrl::visibleRange() const
{
    const int scroll = verticalScrollBar()->value();
    const int first = std::max(0, scroll / rowHeight_);
    const int last = std::min(count(), ceilDiv(scroll + rowsAreaHeight(), rowHeight_));
    return {first, std::max(first, last)};
}

// Run state, looks and geometry -------------------------------------------------------------------

void CDpctTreeCtrl::setInputLocked(bool locked)
{
    if (locked == inputLocked_)
        return;
    inputLocked_ = locked;
    // A drag cannot be finished once the input is locked; end it now.
    if (locked && dragging_)
        endDrag();
    if (locked)
        endRowDrag();
    viewport()->update();
}

void CDpctTreeCtrl::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    updateAccessibleDescription();
    viewport()->update();
}

void CDpctTreeCtrl::setColors(const ListColors& colors)
{
    colors_ = colors;
    viewport()->update();
}

void CDpctTreeCtrl::setDividerX(int x)
{
    // Unlike a free drag, keep the divider's grip (8 pixels wide) inside the view, so that a
    // column dragged shut can always be dragged open again.
    const int maxX = std::max(-kNameColumnEnd, viewport()->width() - kStatusColumnStart);
    dividerX_ = std::clamp(x, -kNameColumnEnd, maxX);
    dividerPlaced_ = true;
    viewport()->update();
}

QRect CDpctTreeCtrl::rowRect(int row) const
{
    if (!hasRow(row))
        return {};
    const int top = docY(row) - verticalScrollBar()->value();
    return QRect(kStripWidth, top, viewport()->width() - kStripWidth, rowHeight_);
}

int CDpctTreeCtrl::rowAt(QPoint viewPos) const
{
    if (viewPos.y() < headerHeight() || viewPos.y() >= viewport()->height() || viewPos.x() < 0 ||
        viewPos.x() >= viewport()->width())
        return -1;
    const int row = (viewPos.y() + verticalScrollBar()->value() - headerHeight()) / rowHeight_;
    return hasRow(row) ? row : -1;
}

CDpctTreeCtrl::HitArea CDpctTreeCtrl::HitTest(QPoint viewPos) const
{
    if (dragging_)
        return HitArea::Divider;
    const bool inHeader = viewPos.y() >= 0 && viewPos.y() < headerHeight() && viewPos.x() >= 0 &&
                          viewPos.x() < viewport()->width();
    if (!inHeader && rowAt(viewPos) < 0)
        return HitArea::Nowhere;
    if (viewPos.x() < dividerX_ + kNameColumnEnd)
        return HitArea::Name;
    if (viewPos.x() > dividerX_ + kStatusColumnStart)
        return HitArea::Status;
    return HitArea::Divider;
}

int CDpctTreeCtrl::rowHeightForTextHeight(int textHeight)
{
    const int h = textHeight + 5;
    return h % 2 == 0 ? h : h + 1;
}

QString CDpctTreeCtrl::rowStatusText(ItemStatus status) const
{
    if (paused_ && status == ItemStatus::Converting)
        return tr("Paused");
    return statusText(status);
}

QString CDpctTreeCtrl::statusText(ItemStatus status)
{
    switch (status) {
    case ItemStatus::Waiting:
        return tr("Waiting");
    case ItemStatus::Converting:
        return tr("Converting");
    case ItemStatus::ConvertedOk:
        return tr("Converted OK");
    case ItemStatus::ConvertedNg:
        return tr("Converted NG");
    case ItemStatus::SyntaxError:
        return tr("Syntax errors");
    case ItemStatus::None:
        break;
    }
    return {};
}

void CDpctTreeCtrl::updateMetrics()
{
    normalFont_ = enlargedFont(font(), this);
    boldFont_ = normalFont_;
    boldFont_.setWeight(QFont::Bold);
    rowHeight_ = rowHeightForTextHeight(QFontMetrics(normalFont_, this).height());
    RecalcScroll(false);
}

void CDpctTreeCtrl::endDrag()
{
    dragging_ = false;
    viewport()->update();
}

// Events ---------------------------------------------------------------------------------------

void CDpctTreeCtrl::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const int width = viewport()->width();
    if (!dividerPlaced_ && width > 0)
        dividerX_ = width * 2 / 3;
    else if (dividerPlaced_ && dividerX_ > width - kStatusColumnStart)
        dividerX_ = std::max(-kNameColumnEnd, width - kStatusColumnStart);
    RecalcScroll(false);
    if (pendingEnsure_ >= 0 && isVisible())
        ensureVisible(pendingEnsure_);
}

void CDpctTreeCtrl::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (pendingEnsure_ >= 0)
        ensureVisible(pendingEnsure_);
}

void CDpctTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    // During a run clicks are swallowed here rather than passed on to the parent window.
    if (inputLocked_)
        return;
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
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

int CDpctTreeCtrl::dropGapAt(int y) const
{
    const int docPos = y + verticalScrollBar()->value() - headerHeight();
    const int gap = (docPos + rowHeight_ / 2) / std::max(rowHeight_, 1);
    return std::clamp(gap, 0, count());
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
        setDividerX(pos.x() - kColumnLineOffset);
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
        const int gap = dropGapAt(pos.y());
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
    if (inputLocked_)
        return;
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
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
    // During a run the items cannot be edited, so a double-click (which opens the item's
    // update dialog) is swallowed like every other click.
    if (inputLocked_)
        return;
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
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
    switch (event->key()) {
    case Qt::Key_PageUp:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
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
        QAbstractScrollArea::keyPressEvent(event);
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
            global = viewport()->mapToGlobal(QPoint(kNameX, r.center().y()));
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
    return QAbstractScrollArea::viewportEvent(event);
}

void CDpctTreeCtrl::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CDpctTreeCtrl::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CDpctTreeCtrl::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        updateMetrics();
        break;
    case QEvent::LanguageChange:
        setAccessibleName(tr("Conversion items"));
        updateAccessibleDescription();
        viewport()->update();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        stripPattern_ = QPixmap();
        headerPattern_ = QPixmap();
        viewport()->update();
        break;
    default:
        break;
    }
}

// Painting -------------------------------------------------------------------------------------

QPixmap CDpctTreeCtrl::icon(int index) const
{
    const qreal ratio = viewport()->devicePixelRatioF();
    if (ratio != iconsRatio_) {
        icons_.fill(QPixmap());
        iconsRatio_ = ratio;
    }
    QPixmap& pm = icons_[static_cast<std::size_t>(index)];
    if (pm.isNull())
        pm = renderListIcon(static_cast<ListIcon>(index), ratio);
    return pm;
}

QColor CDpctTreeCtrl::inkOn(int slot, const QList<QColor>& under) const
{
    // A colour the user chose is drawn as chosen; an automatic one is made readable on what
    // lies under it (the design's red and olive are too light on white, every dark look needs
    // lighter status colours, and the selection band is light whatever the look).
    const auto s = static_cast<ListColors::Slot>(slot);
    const QColor color = colors_.resolve(s, palette());
    return colors_.isAutomatic(s) ? readableOn(color, under) : color;
}

QList<QColor> CDpctTreeCtrl::bandColors(Highlight look)
{
    switch (look) {
    case Highlight::SelectedFocus:
        return ListBands::selectedFocus();
    case Highlight::SelectedNoFocus:
        return ListBands::selectedNoFocus();
    case Highlight::Converting:
        return ListBands::converting();
    }
    return {};
}

void CDpctTreeCtrl::paintHighlight(QPainter& p, const QRect& rect, Highlight look) const
{
    // Soft vertical gradients with a brighter upper half, like a lit band.
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    const QList<QColor> stops = bandColors(look);
    for (qsizetype i = 0; i < stops.size(); ++i)
        g.setColorAt(static_cast<qreal>(i) / static_cast<qreal>(std::max<qsizetype>(stops.size() - 1, 1)),
                     stops[i]);
    p.fillRect(rect, g);
}

void CDpctTreeCtrl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(viewport());
    const QPalette& pal = palette();
    const int width = viewport()->width();
    const int height = viewport()->height();

    p.fillRect(QRect(0, 0, width, height), colors_.resolve(ListColors::RowBackground, pal));

    if (stripPattern_.isNull()) {
        QColor ink = pal.color(QPalette::Shadow);
        ink.setAlpha(0x40);
        QColor paper = pal.color(QPalette::Button);
        // Blend the translucent ink onto the opaque face once, into the pattern itself.
        QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
        probe.fill(paper);
        QPainter bp(&probe);
        bp.fillRect(0, 0, 1, 1, ink);
        bp.end();
        stripPattern_ =
            makePattern(paper, probe.pixelColor(0, 0), {{1, 0}, {2, 1}, {1, 2}, {5, 4}, {6, 5}, {5, 6}});
        const QList<QColor> header = ListBands::header();
        headerPattern_ = makePattern(header.at(0), header.at(1),
                                     {{0, 0}, {4, 1}, {1, 3}, {6, 3}, {3, 5}, {7, 6}, {2, 7}, {5, 7}});
    }
    p.fillRect(QRect(0, 0, kStripWidth, height), QBrush(stripPattern_));

    const int scroll = verticalScrollBar()->value();
    const auto [first, last] = laidOutRange();
    p.setFont(normalFont_);
    for (int i = first; i < last; ++i) {
        paintRow(p, i, docY(i) - scroll);
    }

    if (dropGap_ >= 0) {
        // Where the dragged row would land: a bar across the rows at the gap.
        const int y = std::clamp(docY(dropGap_) - scroll, headerHeight(), height - 2);
        p.fillRect(QRect(kStripWidth, y - 1, width - kStripWidth, 3), pal.color(QPalette::Highlight));
    }

    paintHeader(p);

    p.setPen(pal.color(QPalette::Button));
    p.drawLine(kStripWidth - 1, headerHeight(), kStripWidth - 1, height - 1);
}

void CDpctTreeCtrl::paintRow(QPainter& p, int row, int top)
{
    const QPalette& pal = palette();
    const int width = viewport()->width();
    const int rh = rowHeight_;
    const int iconTop = top + (rh - kListIconSize) / 2;
    const RowData data = rowData(row);
    const ItemStatus status = data.status;
    const bool running = inputLocked_;
    const bool selected = isRowSelected(row);
    const bool finished = status == ItemStatus::ConvertedOk || status == ItemStatus::ConvertedNg ||
                          status == ItemStatus::SyntaxError;

    if (status == ItemStatus::Converting) {
        const ListIcon stripIcon = paused_ ? ListIcon::Pause : ListIcon::Play;
        p.drawPixmap(kStripIconX, iconTop, icon(static_cast<int>(stripIcon)));
    }

    const QRect band(kStripWidth, top + 1, width - kStripWidth, rh - 1);
    // Text is drawn in colours that read on what lies under it: the band, or the background.
    QList<QColor> under{colors_.resolve(ListColors::RowBackground, pal)};
    if (running) {
        if (status == ItemStatus::Converting) {
            paintHighlight(p, band, Highlight::Converting);
            under = bandColors(Highlight::Converting);
        }
    } else if (selected) {
        const Highlight look = hasFocus() ? Highlight::SelectedFocus : Highlight::SelectedNoFocus;
        paintHighlight(p, band, look);
        under = bandColors(look);
    }

    ListIcon rowIcon = ListIcon::Document;
    if (running) {
        if (status == ItemStatus::Waiting)
            rowIcon = ListIcon::DocumentWaiting;
        else if (status == ItemStatus::Converting)
            rowIcon = ListIcon::DocumentConverting;
        else if (finished)
            rowIcon = ListIcon::DocumentDone;
    } else if (selected) {
        rowIcon = ListIcon::DocumentSelected;
    } else if (finished) {
        rowIcon = ListIcon::DocumentDoneIdle;
    }
    p.drawPixmap(kIconX, iconTop, icon(static_cast<int>(rowIcon)));

    const int nameWidth = dividerX_ + kNameColumnEnd - kNameX;
    if (nameWidth > 0) {
        if (data.missing) {
            // A file that is not there: greyed and slanted, so that it reads without colour.
            QFont slanted = normalFont_;
            slanted.setItalic(true);
            p.setFont(slanted);
            p.setPen(pal.color(QPalette::Disabled, QPalette::Text));
        } else {
            p.setFont(normalFont_);
            p.setPen(inkOn(ListColors::RowText, under));
        }
        p.drawText(QRect(kNameX, top, nameWidth, rh), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   p.fontMetrics().elidedText(data.path, Qt::ElideRight, nameWidth));
    }

    const int countX = width - kRightMargin - kCountColumnWidth;
    const int statusX = dividerX_ + kStatusColumnStart;
    const int statusWidth = countX - 4 - statusX;
    const QString text = rowStatusText(status);
    if (statusWidth > 0 && !text.isEmpty()) {
        ListColors::Slot slot = ListColors::RowText;
        switch (status) {
        case ItemStatus::Waiting:
        case ItemStatus::Converting:
            slot = ListColors::ConvertingText;
            break;
        case ItemStatus::ConvertedOk:
            slot = ListColors::ConvertedOkText;
            break;
        case ItemStatus::ConvertedNg:
            slot = ListColors::ConvertedNgText;
            break;
        case ItemStatus::SyntaxError:
            slot = ListColors::SyntaxErrorText;
            break;
        case ItemStatus::None:
            break;
        }
        p.setFont(status == ItemStatus::Waiting ? normalFont_ : boldFont_);
        p.setPen(inkOn(slot, under));
        p.drawText(QRect(statusX, top, statusWidth, rh),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   p.fontMetrics().elidedText(text, Qt::ElideRight, statusWidth));
    }

    if (data.diagnostics >= 0 && countX > statusX) {
        // Right-aligned, so that counts of different lengths line up.
        p.setFont(data.diagnostics > 0 ? boldFont_ : normalFont_);
        p.setPen(colors_.resolve(ListColors::RowText, pal));
        p.drawText(QRect(countX, top, kCountColumnWidth - 4, rh),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, QString::number(data.diagnostics));
    }

    p.setPen(pal.color(QPalette::Button));
    const int bottom = top + rh - 1;
    p.drawLine(dividerX_ + kColumnLineOffset, top, dividerX_ + kColumnLineOffset, bottom);
    if (countX > statusX)
        p.drawLine(countX - 2, top, countX - 2, bottom);
    p.drawLine(kStripWidth, bottom, width - 1, bottom);
}

void CDpctTreeCtrl::paintHeader(QPainter& p)
{
    const QPalette& pal = palette();
    const int width = viewport()->width();
    const int hh = headerHeight();
    p.fillRect(QRect(0, 0, width, hh), QBrush(headerPattern_));

    const int countX = width - kRightMargin - kCountColumnWidth;
    for (const int x : {kStripWidth - 1, dividerX_ + kColumnLineOffset - 1, countX - 3}) {
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(x, 0, x, hh - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(x + 1, 0, x + 1, hh - 1);
    }

    p.setFont(boldFont_);
    const auto caption = [&](int left, int right, const QString& text) {
        if (right <= left)
            return;
        const QString shown = p.fontMetrics().elidedText(text, Qt::ElideRight, right - left);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        // An embossed caption: a light copy one pixel down and right, the text on top.
        const QColor ink = readableOn(pal.color(QPalette::WindowText), ListBands::header());
        p.setPen(contrastRatio(ink, Qt::white) > contrastRatio(ink, Qt::black) ? QColor(Qt::white)
                                                                               : QColor(Qt::black));
        p.drawText(QRect(left + 1, 1, right - left, hh), flags, shown);
        p.setPen(ink);
        p.drawText(QRect(left, 0, right - left, hh), flags, shown);
    };
    caption(kStripWidth + 4, dividerX_ + kNameColumnEnd, tr("File name"));
    caption(dividerX_ + kStatusColumnStart, countX - 4, tr("Status"));
    caption(countX, width - kRightMargin, tr("Diagnostics"));
}

} // namespace tovalo::gui
