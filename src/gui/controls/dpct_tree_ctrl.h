#pragma once
// CDpctTreeCtrl: the item list of a document window, a QTreeView over the window's list model
// (DefinitionModel). One row per conversion item: a status icon and the item's path in the name
// column, its conversion status in the status column and the number of dpct's diagnostics in the
// last column, under a header whose divider between the name and the status column the user can
// drag (in the header or in a row's column gap); once dragged it stays there.
//
// Selection is Qt's extended selection (click, Shift/Ctrl+click, Shift+arrows, Ctrl+A), with a
// current row that the keys move; type-ahead finds a row by its file name. Screen readers read
// the rows and columns through Qt's accessibility of item views (the model's texts).
//
// Rows whose source file is missing (the model's missing role) show their path in the disabled
// text colour and in italics, with the model's tool tip. A row can be dragged with the mouse to
// another place in the list: the list draws where it would land and asks for the move with
// rowMoveRequested (the host moves the item in the document; the list follows the model).
//
// While a conversion run is under way (input locked) the list ignores clicks, double-clicks, drags
// and key presses and highlights the row being converted instead of the selection; the wheel,
// the scroll bar, focus and painting keep working. A paused run shows a pause icon instead of
// the play icon beside the row being converted.
//
// The parts: the view paints the background, the hatched strip and each row's band and lines
// (ListPainter), the item delegate (ListDelegate) paints the cells, the header paints the
// captions, and ListDivider (list_layout.h) places the columns. Rows have one height, so that
// a list of hundreds of thousands of rows lays out and paints as fast as a short one. The input
// handlers (mouse, keys, row and divider drags) live in dpct_tree_ctrl_input.cpp.
//
// The list does not own the model or the items.

#include "controls/list_colors.h"
#include "controls/list_layout.h"
#include "controls/list_painter.h"
#include "data/dpct_data.h"

#include <functional>
#include <vector>

#include <QElapsedTimer>
#include <QFont>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeView>

class QAbstractItemModel;
class QHeaderView;

namespace tovalo::gui {

class ListDelegate;

class CDpctTreeCtrl : public QTreeView
{
    Q_OBJECT

public:
    /// Where a point of the view lies: nothing, the name column, the status column, or the
    /// column divider (the gap between the two columns, in the header or in a row).
    using HitArea = ListHitArea;

    /// Width of the hatched strip at the left edge; rows start at this x.
    static constexpr int kStripWidth = list_geometry::kStripWidth;
    /// Width of the diagnostics column's text at the right edge.

    explicit CDpctTreeCtrl(QWidget* parent = nullptr);
    ~CDpctTreeCtrl() override;

    // Model ------------------------------------------------------------------------------------

    /// Shows the rows of `model` (a DefinitionModel, or any table model with its roles and
    /// columns); null shows none. The list does not own the model; a model destroyed first
    /// leaves the list empty. The selection is cleared and the view scrolled to the top.
    void setModel(QAbstractItemModel* model) override;
    /// Number of rows.
    int count() const;
    /// The conversion item of `row` (the model's item role), or null when there is no such row.
    const tovalo::CDpctData* itemAt(int row) const;

    // Selection --------------------------------------------------------------------------------

    /// The selected row the single-item commands act on: the current row when it is selected,
    /// else the first selected row; -1 for none.
    int selectedRow() const;
    /// Every selected row, ascending.
    std::vector<int> selectedRows() const;
    int selectedCount() const;
    bool isRowSelected(int row) const;
    /// Makes `row` the only selection and the current row (-1 clears the selection) and scrolls it
    /// into view; a row that does not exist is refused. Emits nothing.
    void selectRow(int row);
    /// Selects `rows` (the first becomes the current row) and scrolls it into view. Emits
    /// nothing.
    void selectRows(const std::vector<int>& rows);
    /// Moves the selection one row down / up and emits selectionMoved when it moved. With no
    /// selection, Down takes the first row in the view and Up the last one. Returns the new
    /// selection, or -1 when nothing moved.
    int selectNextRow();
    int selectPrevRow();

    /// Scrolls so that `row` is fully in view. False for a row that does not exist.
    bool ensureVisible(int row);
    /// Where recalcScroll leaves the view: where it was, or at the top.
    enum class ScrollTo
    {
        Keep,
        Top
    };
    /// Lays the rows out again, scrolls back to the top when asked, and repaints.
    void recalcScroll(ScrollTo to = ScrollTo::Keep);

    // Run state and looks -----------------------------------------------------------------------

    /// A run is under way: the input is locked and the row being converted is highlighted
    /// instead of the selection. Locking ends a divider drag. Repaints.
    void setInputLocked(bool locked);
    bool isInputLocked() const { return inputLocked_; }
    /// The run is paused: the row being converted shows the pause icon and reads "Paused".
    void setPaused(bool paused);
    bool isPaused() const { return paused_; }

    /// The display colours (only the first six slots concern the list). Repaints.
    void setColors(const ListColors& colors);
    const ListColors& colors() const { return colors_; }

    // Geometry, for the window that hosts the list and for tests -----------------------------------

    int rowHeight() const { return rowHeight_; }
    int headerHeight() const { return rowHeight_ + 1; }
    /// x of the column divider: the name column ends at dividerX() + 16, the status column
    /// starts at dividerX() + 24.
    int dividerX() const { return divider_.x; }
    void setDividerX(int x);
    /// Width the status column keeps while the name column can give way.
    int statusMinWidth() const { return divider_.statusMin; }
    /// The row's rectangle in view coordinates, from the strip's edge to the right edge (it may
    /// lie outside the view); empty for a row that does not exist.
    QRect rowRect(int row) const;
    /// The row under a point of the view, or -1.
    int rowAt(QPoint viewPos) const;
    /// The column under a point of the view (the list's viewport), or of the header.
    HitArea HitTest(QPoint viewPos) const;
    HitArea headerHitTest(QPoint headerPos) const;

    /// The row height for a font whose "Xy" is `textHeight` pixels high: text height + 5,
    /// rounded up to an even number.
    static int rowHeightForTextHeight(int textHeight);
    /// The list text of a status (empty for "none" and unknown values).
    static QString statusText(tovalo::ItemStatus status);
    /// The text of the diagnostics column of `row`: the number of dpct's diagnostics of the
    /// item's last run; empty before it has run.
    QString rowCountText(int row) const;
    /// The status text a row shows: as statusText(), but "Paused" for the row being converted
    /// while the run is paused.
    QString rowStatusText(tovalo::ItemStatus status) const;

    QFont normalFont() const { return normalFont_; }
    QFont boldFont() const { return boldFont_; }

    void keyboardSearch(const QString& search) override;

Q_SIGNALS:
    /// The user moved the current row or changed the selection (a click, a key, Ctrl+A, or
    /// selectNextRow/selectPrevRow); `row` is the current row.
    void selectionMoved(int row);
    /// A left double-click in the view; `row` is -1 over empty space. Never during a run.
    void rowDoubleClicked(int row);
    /// A context menu was asked for (right click or the menu key), at `globalPos`.
    void contextMenuRequested(const QPoint& globalPos);
    /// A row was dragged: the item of row `from` should become row `to` (its row afterwards).
    /// Never during a run.
    void rowMoveRequested(int from, int to);

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    class Header;

    bool hasRow(int row) const { return row >= 0 && row < count(); }
    QModelIndex indexOf(int row) const;
    ListLook look() const;
    /// The header's sections follow the divider and the view's width.
    void layoutColumns();
    void updateMetrics();
    /// selectNextRow (step 1) and selectPrevRow (step -1).
    int stepSelection(int step);
    void updateAccessibleDescription();
    /// Runs `action` (an input handler of the base) and emits selectionMoved once when it
    /// moved the current row or changed the selection.
    void signalling(const std::function<void()>& action);

    // Input (dpct_tree_ctrl_input.cpp).
    /// Whether a mouse button event is the list's to act on: not during a run (the event is
    /// swallowed), not for buttons other than the left one (the event is ignored).
    bool takesClick(QMouseEvent* event) const;
    void endDrag();
    void endRowDrag();
    /// Mouse events of the header: the divider drag and its cursor. True when handled.
    bool headerMouse(QEvent* event);

    QPointer<QAbstractItemModel> model_;
    QList<QMetaObject::Connection> modelConnections_;
    QHeaderView* header_ = nullptr; ///< a Header
    ListDelegate* delegate_ = nullptr;
    ListColors colors_;
    QFont normalFont_;
    QFont boldFont_;
    int rowHeight_ = 20;
    ListDivider divider_;
    mutable ListPainter painter_;
    ListLook look_; ///< the look of the paint under way, read by the delegate
    // Dragging the divider.
    bool dragging_ = false;
    // Dragging a row: the row pressed, where the press was, and the gap it would land in (-1
    // until the mouse has moved far enough to start the drag).
    int pressRow_ = -1;
    QPoint pressPos_;
    int dropGap_ = -1;
    // A row to scroll to once the list is shown: before that the view has no real height.
    QPersistentModelIndex pendingEnsure_;
    // Changes of the selection seen so far; compared around input to signal user changes.
    quint64 selectionSerial_ = 0;
    bool multiSelection_ = false; ///< more than one row selected
    // Type-ahead: what was typed so far, and when the last key came.
    QString typed_;
    QElapsedTimer typedTimer_;
    bool inputLocked_ = false;
    bool paused_ = false;
};

} // namespace tovalo::gui
