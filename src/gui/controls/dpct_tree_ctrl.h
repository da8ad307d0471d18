#pragma once
// CDpctTreeCtrl: the custom-painted item list of a document window. One row per conversion item:
// a status icon, the item's path in the file-name column and its conversion status in the status
// column, under a two-column header whose divider the user can drag.
//
// The list is a view: the rows are those of a list model (DefinitionModel, over the window's
// DefinitionDocument), which it reads through the model's path and status roles. It owns
// neither the model nor the items. It keeps the selection as a row number and follows the
// model's changes: inserted and removed rows renumber the selection (a removed selected row
// leaves none, silently), a reset clears it and scrolls back to the top, changed items are
// repainted. Every change updates the scroll range.
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
// Painting lays out only the rows in and next to the view, so the cost of a repaint does not
// grow with the number of rows.
//
// The list's parts: ListLayout and ListDivider (list_layout.h) say where everything stands,
// ListPainter (list_painter.h) draws a ListSnapshot the list makes for each paint, and the input
// handlers (mouse, keys, row and divider drags) live in dpct_tree_ctrl_input.cpp. Scrolling,
// focus and look changes come from CPaintedScrollView.

#include "controls/list_colors.h"
#include "controls/list_layout.h"
#include "controls/list_painter.h"
#include "controls/painted_scroll_view.h"
#include "data/dpct_data.h"

#include <array>

#include <QAbstractItemModel>
#include <QFont>
#include <QMetaObject>
#include <QPointer>

namespace tovalo::gui {

class CDpctTreeCtrl : public CPaintedScrollView
{
    Q_OBJECT

public:
    /// Where a point of the view lies: nothing, the name column, the status column, or the
    /// column divider (the gap between the two columns, in the header or in a row).
    using HitArea = ListHitArea;

    /// Width of the hatched strip at the left edge; rows start at this x.
    static constexpr int kStripWidth = ListLayout::kStripWidth;

    explicit CDpctTreeCtrl(QWidget* parent = nullptr);
    ~CDpctTreeCtrl() override;

    // Model ------------------------------------------------------------------------------------

    /// Shows the rows of `model` (a DefinitionModel, or any list model with its roles); null
    /// shows none. The list does not own the model; a model destroyed first leaves the list
    /// empty. The selection is cleared and the view scrolled to the top.
    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const { return model_; }
    /// Number of rows.
    int count() const;
    /// The conversion item of `row` (the model's item role), or null when there is no such row.
    const tovalo::CDpctData* itemAt(int row) const;

    // Selection --------------------------------------------------------------------------------

    /// The selected row, -1 for none.
    int selectedRow() const { return selection_; }
    bool isRowSelected(int row) const { return row >= 0 && row == selection_; }
    /// Makes `row` the selection (-1 clears it) and scrolls it into view; a row that does not
    /// exist is refused. Emits nothing.
    void selectRow(int row);
    /// Moves the selection one row down / up and emits selectionChanged when it moved. With no
    /// selection, Down takes the first row in the view and Up the last one. Returns the new
    /// selection, or -1 when nothing moved.
    int selectNextRow();
    int selectPrevRow();

    /// Scrolls so that `row` is fully in view (a row below the view ends one row above the
    /// bottom edge). False for a row that does not exist.
    bool ensureVisible(int row);
    /// Where recalcScroll leaves the view: where it was, or at the top.
    enum class ScrollTo
    {
        Keep,
        Top
    };
    /// Recomputes the scroll range from the row count and the view height, scrolls back to the
    /// top when asked, and repaints.
    void recalcScroll(ScrollTo to = ScrollTo::Keep);

    // Run state and looks -----------------------------------------------------------------------

    /// A run is under way: the input is locked and the row being converted is highlighted
    /// instead of the selection. Locking ends a divider drag. Repaints.
    void setInputLocked(bool locked);
    bool isInputLocked() const { return inputLocked_; }
    /// The run is paused: the row being converted shows the pause icon. Repaints.
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
    /// The row's rectangle in view coordinates (it may lie outside the view); empty for a row
    /// that does not exist.
    QRect rowRect(int row) const;
    /// The row under a point of the view, or -1 (the header hides the rows beneath it).
    int rowAt(QPoint viewPos) const;
    HitArea HitTest(QPoint viewPos) const;

    /// The row height for a font whose "Xy" is `textHeight` pixels high: text height + 5,
    /// rounded up to an even number.
    static int rowHeightForTextHeight(int textHeight);
    /// The list text of a status (empty for "none" and unknown values).
    static QString statusText(tovalo::ItemStatus status);
    /// The text of the diagnostics column of `row`: the number of dpct's diagnostics of the
    /// item's last run; empty before it has run.
    QString rowCountText(int row) const;
    /// Width of the diagnostics column at the right edge.
    static constexpr int kCountColumnWidth = ListLayout::kCountColumnWidth;

    /// The status text a row shows: as statusText(), but "Paused" for the row being converted
    /// while the run is paused.
    QString rowStatusText(tovalo::ItemStatus status) const;

    QFont normalFont() const { return normalFont_; }
    QFont boldFont() const { return boldFont_; }

Q_SIGNALS:
    /// The selection moved to `row` through a click, a key or selectNextRow/selectPrevRow.
    void selectionChanged(int row);
    /// A left double-click in the view; `row` is -1 over empty space. Never during a run.
    void rowDoubleClicked(int row);
    /// A context menu was asked for (right click or the menu key), at `globalPos`.
    void contextMenuRequested(const QPoint& globalPos);
    /// A row was dragged: the item of row `from` should become row `to` (its row afterwards).
    /// Never during a run.
    void rowMoveRequested(int from, int to);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void fontChanged() override;
    void viewResized() override;
    void lookChanged() override;

private:
    bool hasRow(int row) const { return row >= 0 && row < count(); }
    /// Where everything stands now.
    ListLayout layout() const;
    /// The row as the list shows it, read from the model.
    ListRow rowData(int row) const;
    /// What a paint now shows.
    ListSnapshot snapshot() const;

    // Following the model.
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void rowsChanged(int first, int last);
    void rowsMoved(int first, int destination);
    void modelReset();

    void updateMetrics();
    void scrollIntoView(int row);
    void setSelection(int row);
    /// selectNextRow (step 1) and selectPrevRow (step -1).
    int stepSelection(int step);
    void updateAccessibleDescription();

    // Input (dpct_tree_ctrl_input.cpp).
    /// Whether a mouse button event is the list's to act on: not during a run (the event is
    /// swallowed), not for buttons other than the left one (the event is ignored).
    bool takesClick(QMouseEvent* event) const;
    void endDrag();
    void endRowDrag();

    QPointer<QAbstractItemModel> model_;
    std::array<QMetaObject::Connection, 7> modelConnections_;
    int selection_ = -1;
    ListColors colors_;
    QFont normalFont_;
    QFont boldFont_;
    int rowHeight_ = 20;
    ListDivider divider_;
    ListPainter painter_;
    // Dragging the divider.
    bool dragging_ = false;
    // Dragging a row: the row pressed, where the press was, and the gap it would land in (-1
    // until the mouse has moved far enough to start the drag).
    int pressRow_ = -1;
    QPoint pressPos_;
    int dropGap_ = -1;
    // A row to scroll to once the list is shown: before that the view has no real height.
    int pendingEnsure_ = -1;
    bool inputLocked_ = false;
    bool paused_ = false;
};

} // namespace tovalo::gui
