#include "controls/dpct_tree_ctrl.h"

#include "controls/definition_model.h"
#include "controls/list_delegate.h"
#include "data/dpct_data.h"

#include <algorithm>

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
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

/// The list's header: one row height and a pixel tall, painted by the list's painter with the
/// list's captions. Its sections follow the divider; the list handles its mouse (the divider
/// drag) through an event filter, so the sections cannot be resized, moved or clicked one by one.
class CDpctTreeCtrl::Header : public QHeaderView
{
public:
    explicit Header(CDpctTreeCtrl* list) : QHeaderView(Qt::Horizontal, list), list_(list)
    {
        setObjectName(QStringLiteral("dpctTreeCtrlHeader"));
        setSectionsClickable(false);
        setSectionsMovable(false);
        setHighlightSections(false);
        setStretchLastSection(false);
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(0);
        viewport()->setMouseTracking(true);
    }

    QSize sizeHint() const override { return {QHeaderView::sizeHint().width(), list_->headerHeight()}; }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter p(viewport());
        const int width = viewport()->width();
        list_->painter_.paintHeader(
            p, list_->look(), viewport()->rect(), list_->divider_.columns(width), list_->divider_.x,
            {CDpctTreeCtrl::tr("File name"), CDpctTreeCtrl::tr("Status"), CDpctTreeCtrl::tr("Diagnostics")});
    }

private:
    CDpctTreeCtrl* list_;
};

CDpctTreeCtrl::CDpctTreeCtrl(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("dpctTreeCtrl"));
    viewport()->setObjectName(QStringLiteral("dpctTreeCtrlViewport"));
    verticalScrollBar()->setObjectName(QStringLiteral("dpctTreeCtrlScrollBar"));
    viewport()->setMouseTracking(true);
    // Every pixel is painted, so Qt need not clear the view first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setUniformRowHeights(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragEnabled(false);
    setAutoScroll(false);

    header_ = new Header(this);
    setHeader(header_);
    header_->viewport()->installEventFilter(this);
    delegate_ = new ListDelegate(
        look_, painter_, [this] { return rowHeight_; }, this);
    setItemDelegate(delegate_);

    setAccessibleName(tr("Conversion items"));
    updateMetrics();
}

CDpctTreeCtrl::~CDpctTreeCtrl() = default;

// Model ----------------------------------------------------------------------------------------

void CDpctTreeCtrl::setModel(QAbstractItemModel* model)
{
    if (model == model_ && model)
        return;
    for (const QMetaObject::Connection& c : std::as_const(modelConnections_))
        disconnect(c);
    modelConnections_.clear();
    model_ = model;
    pressRow_ = -1;
    dropGap_ = -1;
    pendingEnsure_ = QPersistentModelIndex();
    QTreeView::setModel(model);
    if (model) {
        modelConnections_ = {connect(model, &QAbstractItemModel::modelReset, this,
                                     [this] {
                                         endRowDrag();
                                         pendingEnsure_ = QPersistentModelIndex();
                                         verticalScrollBar()->setValue(0);
                                         updateAccessibleDescription();
                                     }),
                             connect(model, &QAbstractItemModel::rowsRemoved, this,
                                     &CDpctTreeCtrl::updateAccessibleDescription),
                             connect(model, &QAbstractItemModel::rowsMoved, this,
                                     [this] {
                                         updateAccessibleDescription();
                                         viewport()->update();
                                     }),
                             connect(model, &QAbstractItemModel::dataChanged, this,
                                     [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                                         const int current = currentIndex().row();
                                         if (current >= topLeft.row() && current <= bottomRight.row())
                                             updateAccessibleDescription();
                                     })};
    }
    if (auto* m = qobject_cast<DefinitionModel*>(model))
        m->setPaused(paused_);
    layoutColumns();
    verticalScrollBar()->setValue(0);
    updateAccessibleDescription();
}

int CDpctTreeCtrl::count() const
{
    return model_ ? model_->rowCount() : 0;
}

QModelIndex CDpctTreeCtrl::indexOf(int row) const
{
    return hasRow(row) ? model_->index(row, 0) : QModelIndex();
}

const CDpctData* CDpctTreeCtrl::itemAt(int row) const
{
    if (!hasRow(row))
        return nullptr;
    return indexOf(row).data(DefinitionModel::ItemRole).value<const CDpctData*>();
}

QString CDpctTreeCtrl::rowCountText(int row) const
{
    if (!hasRow(row))
        return {};
    return model_->index(row, DefinitionModel::DiagnosticsColumn).data().toString();
}

void CDpctTreeCtrl::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QTreeView::rowsInserted(parent, start, end);
    endRowDrag();
    updateAccessibleDescription();
}

void CDpctTreeCtrl::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                const QList<int>& roles)
{
    // A run tells of every row after each item, and a list may hold hundreds of thousands: rows
    // have one height, so a wide change needs no walk over the rows, only a repaint (and a word
    // to screen readers).
    if (bottomRight.row() - topLeft.row() < 64) {
        QTreeView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(topLeft.row());
        event.setLastRow(bottomRight.row());
        event.setFirstColumn(topLeft.column());
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
}

void CDpctTreeCtrl::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    QTreeView::rowsAboutToBeRemoved(parent, start, end);
    endRowDrag();
}

// Scrolling ------------------------------------------------------------------------------------

void CDpctTreeCtrl::recalcScroll(ScrollTo to)
{
    updateGeometries();
    if (to == ScrollTo::Top)
        verticalScrollBar()->setValue(0);
    viewport()->update();
}

bool CDpctTreeCtrl::ensureVisible(int row)
{
    if (!hasRow(row))
        return false;
    if (!isVisible()) {
        pendingEnsure_ = indexOf(row);
        return true;
    }
    pendingEnsure_ = QPersistentModelIndex();
    // Rows inserted a moment ago are laid out later; the scroll range must know them now.
    executeDelayedItemsLayout();
    updateGeometries();
    // The row's last pixel inside the view too (Qt's own scrollTo leaves it one pixel below).
    const QRect r = rowRect(row);
    QScrollBar* bar = verticalScrollBar();
    if (r.top() < 0)
        bar->setValue(bar->value() + r.top());
    else if (r.bottom() >= viewport()->height())
        bar->setValue(bar->value() + r.bottom() - viewport()->height() + 1);
    viewport()->update();
    return true;
}

void CDpctTreeCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    divider_.fit(viewport()->width());
    layoutColumns();
    if (pendingEnsure_.isValid() && isVisible())
        ensureVisible(pendingEnsure_.row());
}

void CDpctTreeCtrl::showEvent(QShowEvent* event)
{
    QTreeView::showEvent(event);
    if (pendingEnsure_.isValid())
        ensureVisible(pendingEnsure_.row());
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
    if (auto* m = qobject_cast<DefinitionModel*>(model_.data()))
        m->setPaused(paused);
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
    layoutColumns();
}

void CDpctTreeCtrl::layoutColumns()
{
    const ListColumns c = divider_.columns(viewport()->width());
    if (header_->count() >= 3) {
        header_->resizeSection(0, c.name);
        header_->resizeSection(1, c.status);
        header_->resizeSection(2, c.count);
    }
    header_->viewport()->update();
    viewport()->update();
}

QRect CDpctTreeCtrl::rowRect(int row) const
{
    if (!hasRow(row))
        return {};
    const QRect r = visualRect(indexOf(row));
    return QRect(kStripWidth, r.top(), viewport()->width() - kStripWidth, rowHeight_);
}

int CDpctTreeCtrl::rowAt(QPoint viewPos) const
{
    if (viewPos.x() < 0 || viewPos.x() >= viewport()->width() || viewPos.y() < 0)
        return -1;
    const QModelIndex index = indexAt(viewPos);
    return index.isValid() ? index.row() : -1;
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
    // The status column keeps room for its longest text (and its caption).
    const QFontMetrics bold(boldFont_, this);
    int widest = bold.horizontalAdvance(tr("Status"));
    for (const ItemStatus s : {ItemStatus::Waiting, ItemStatus::Converting, ItemStatus::ConvertedOk,
                               ItemStatus::ConvertedNg, ItemStatus::SyntaxError})
        widest = std::max(widest, bold.horizontalAdvance(statusText(s)));
    widest = std::max(widest, bold.horizontalAdvance(tr("Paused")));
    divider_.statusMin = widest + list_geometry::kStatusColumnStart - list_geometry::kColumnLineOffset + 6;
    // The diagnostics caption stands between the column's dividing line and the right margin.
    divider_.countWidth = std::max(list_geometry::kCountSection, bold.horizontalAdvance(tr("Diagnostics")) +
                                                                     2 + list_geometry::kRightMargin + 4);
    divider_.fit(viewport()->width());
    header_->setFont(boldFont_);
    updateGeometries();
    layoutColumns();
    scheduleDelayedItemsLayout();
}

void CDpctTreeCtrl::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    switch (event->type()) {
    case QEvent::LanguageChange:
        setAccessibleName(tr("Conversion items"));
        updateMetrics();
        updateAccessibleDescription();
        break;
    case QEvent::FontChange:
        updateMetrics();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        painter_.forgetPatterns();
        header_->viewport()->update();
        viewport()->update();
        break;
    default:
        break;
    }
}

// Painting -------------------------------------------------------------------------------------

ListLook CDpctTreeCtrl::look() const
{
    return {.running = inputLocked_,
            .paused = paused_,
            .focused = hasFocus(),
            .palette = palette(),
            .colors = colors_,
            .normalFont = normalFont_,
            .boldFont = boldFont_,
            .devicePixelRatio = viewport()->devicePixelRatioF()};
}

void CDpctTreeCtrl::paintEvent(QPaintEvent* event)
{
    look_ = look();
    {
        QPainter p(viewport());
        painter_.paintBackground(p, look_, viewport()->rect());
    }
    QTreeView::paintEvent(event);
    QPainter p(viewport());
    if (dropGap_ >= 0) {
        const int y = dropGap_ < count() ? rowRect(dropGap_).top() : rowRect(count() - 1).bottom() + 1;
        ListPainter::paintDropBar(p, look_, std::clamp(y, 1, viewport()->height() - 2), viewport()->width());
    }
    ListPainter::paintStripEdge(p, look_, viewport()->height());
}

void CDpctTreeCtrl::drawRow(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int row = index.row();
    const int top = option.rect.top();
    const int width = viewport()->width();
    const auto status = static_cast<ItemStatus>(index.data(DefinitionModel::StatusRole).toInt());
    const bool selected = selectionModel() && selectionModel()->isRowSelected(row, index.parent());
    const ListColumns columns = divider_.columns(width);
    painter_.paintRow(*p, look_, top, rowHeight_, width, columns, status,
                      ListPainter::bandFor(look_, status, selected));
    QStyleOptionViewItem cell = option;
    cell.state.setFlag(QStyle::State_Selected, selected);
    const int widths[] = {columns.name, columns.status, columns.count};
    int x = 0;
    for (int column = 0; column < 3; ++column) {
        cell.rect = QRect(x, top, widths[column], rowHeight_);
        x += widths[column];
        if (cell.rect.width() > 0)
            delegate_->paint(p, cell, index.siblingAtColumn(column));
    }
    // With several rows selected, the row the keys act on shows a thin frame.
    if (!look_.running && look_.focused && multiSelection_ && currentIndex().row() == row)
        ListPainter::paintCurrentFrame(*p, look_,
                                       QRect(kStripWidth, top, width - kStripWidth, rowHeight_ - 1));
}

} // namespace tovalo::gui
