#include "controls/dpct_tree_ctrl.h"

#include "controls/definition_model.h"
#include "data/dpct_data.h"

#include <algorithm>

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

namespace tovalo::gui {

using tovalo::CDpctData;
using tovalo::ItemStatus;

namespace {

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

CDpctTreeCtrl::CDpctTreeCtrl(QWidget* parent) : CPaintedScrollView(parent)
{
    setObjectName(QStringLiteral("dpctTreeCtrl"));
    viewport()->setObjectName(QStringLiteral("dpctTreeCtrlViewport"));
    verticalScrollBar()->setObjectName(QStringLiteral("dpctTreeCtrlScrollBar"));
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

ListRow CDpctTreeCtrl::rowData(int row) const
{
    const QModelIndex index = model_->index(row, 0);
    const QVariant count = model_->data(index, DefinitionModel::DiagnosticCountRole);
    const auto status = static_cast<ItemStatus>(model_->data(index, DefinitionModel::StatusRole).toInt());
    return {model_->data(index, DefinitionModel::PathRole).toString(), status, rowStatusText(status),
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
    recalcScroll();
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
    recalcScroll();
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
    recalcScroll(ScrollTo::Top);
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
    return stepSelection(1);
}

int CDpctTreeCtrl::selectPrevRow()
{
    return stepSelection(-1);
}

int CDpctTreeCtrl::stepSelection(int step)
{
    const int before = selection_;
    int target = -1;
    if (before >= 0) {
        target = hasRow(before + step) ? before + step : -1;
    } else {
        // No selection: the first row in view going down, the last one going up.
        const auto [first, last] = layout().visibleRange();
        if (first < last)
            target = step > 0 ? first : last - 1;
    }
    if (target < 0)
        return -1;
    selectRow(target);
    if (target != before)
        Q_EMIT selectionChanged(target);
    return target;
}

void CDpctTreeCtrl::updateAccessibleDescription()
{
    // The rows are painted, not widgets; a screen reader learns about the current row through
    // the list's description, which changes with the selection.
    QString text;
    if (hasRow(selection_)) {
        const ListRow row = rowData(selection_);
        text = tr("Row %1 of %2: %3").arg(selection_ + 1).arg(count()).arg(row.path);
        if (!row.statusText.isEmpty())
            text += QStringLiteral(", ") + row.statusText;
    }
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
}

// Scrolling ------------------------------------------------------------------------------------

ListLayout CDpctTreeCtrl::layout() const
{
    return {.rowHeight = rowHeight_,
            .dividerX = divider_.x,
            .width = viewport()->width(),
            .height = viewport()->height(),
            .scroll = verticalScrollBar()->value(),
            .rows = count()};
}

void CDpctTreeCtrl::recalcScroll(ScrollTo to)
{
    const ListLayout l = layout();
    setScrollExtent(l.contentHeight(), l.pageStep(), l.pageStep(), rowHeight_);
    if (to == ScrollTo::Top)
        verticalScrollBar()->setValue(0);
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
        recalcScroll();
    verticalScrollBar()->setValue(layout().scrollToShow(row));
    viewport()->update();
}

void CDpctTreeCtrl::viewResized()
{
    divider_.fit(viewport()->width());
    recalcScroll();
    if (pendingEnsure_ >= 0 && isVisible())
        ensureVisible(pendingEnsure_);
}

void CDpctTreeCtrl::showEvent(QShowEvent* event)
{
    CPaintedScrollView::showEvent(event);
    if (pendingEnsure_ >= 0)
        ensureVisible(pendingEnsure_);
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
    divider_.place(x, viewport()->width());
    viewport()->update();
}

QRect CDpctTreeCtrl::rowRect(int row) const
{
    return layout().rowRect(row);
}

int CDpctTreeCtrl::rowAt(QPoint viewPos) const
{
    return layout().rowAt(viewPos);
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
    recalcScroll();
}

void CDpctTreeCtrl::fontChanged()
{
    updateMetrics();
}

void CDpctTreeCtrl::lookChanged()
{
    painter_.forgetPatterns();
}

void CDpctTreeCtrl::changeEvent(QEvent* event)
{
    CPaintedScrollView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Conversion items"));
        updateAccessibleDescription();
        viewport()->update();
    }
}

// Painting -------------------------------------------------------------------------------------

ListSnapshot CDpctTreeCtrl::snapshot() const
{
    ListSnapshot s{.layout = layout(),
                   .firstRow = 0,
                   .rows = {},
                   .selection = selection_,
                   .dropGap = dropGap_,
                   .running = inputLocked_,
                   .paused = paused_,
                   .focused = hasFocus(),
                   .palette = palette(),
                   .colors = colors_,
                   .normalFont = normalFont_,
                   .boldFont = boldFont_,
                   .nameCaption = tr("File name"),
                   .statusCaption = tr("Status"),
                   .countCaption = tr("Diagnostics"),
                   .devicePixelRatio = viewport()->devicePixelRatioF()};
    const auto [first, last] = s.layout.laidOutRange();
    s.firstRow = first;
    s.rows.reserve(static_cast<std::size_t>(last - first));
    for (int i = first; i < last; ++i)
        s.rows.push_back(rowData(i));
    return s;
}

void CDpctTreeCtrl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(viewport());
    painter_.paint(p, snapshot());
}

} // namespace tovalo::gui
