#pragma once
// CDpctTreeCtrl: the custom-painted item list of a document window. One row per conversion item:
// a status icon, the item's path in the file-name column and its conversion status in the status
// column, under a two-column header whose divider the user can drag.
//
// Ownership: the list owns its rows and, through them, the conversion items. Deleting a row
// deletes its item; the run engine only ever references items that a list holds.
//
// While a conversion run is under way (run phase 6 to 9) the list ignores clicks, double-clicks
// and key presses and highlights the row being converted instead of the selection; the wheel,
// the scroll bar, focus and painting keep working.
//
// Painting lays out only the rows in and next to the view, so the cost of a repaint does not
// grow with the number of rows.

#include "controls/list_colors.h"
#include "data/dpct_data.h"

#include <array>
#include <memory>
#include <vector>

#include <QAbstractScrollArea>
#include <QFont>
#include <QPixmap>


namespace tovalo::gui {

class CDpctTreeCtrl;

/// One row of the list. Rows are made by CDpctTreeCtrl::AddItem and live until they are deleted
/// through the list; a row pointer stays valid until then.
class CDpctTreeItem
{
public:
    /// The conversion item shown in the row (never null for a row made by AddItem).
    tovalo::CDpctData* data() const { return data_.get(); }
    bool isSelected() const { return selected_; }

private:
    friend class CDpctTreeCtrl;
    std::unique_ptr<tovalo::CDpctData> data_;
    int index_ = 0; // position in list order, kept current by the list
    bool selected_ = false;
};

class CDpctTreeCtrl : public QAbstractScrollArea
{
    Q_OBJECT

public:
    /// Where a point of the view lies: nothing, the name column, the status column, or the
    /// column divider (the gap between the two columns, in the header or in a row).
    enum class HitArea
    {
        Nowhere = 0,
        Name = 1,
        Status = 2,
        Divider = 3
    };

    /// Run phases from which on a run is under way, and the paused phase.
    static constexpr int kFirstRunPhase = 6;
    static constexpr int kPausedPhase = 9;

    /// Width of the hatched strip at the left edge; rows start at this x.
    static constexpr int kStripWidth = 20;

    explicit CDpctTreeCtrl(QWidget* parent = nullptr);
    ~CDpctTreeCtrl() override;

    // Rows -------------------------------------------------------------------------------------

    /// Appends a row that takes ownership of `item`. Does not repaint or update the scroll bar
    /// (call RecalcScroll after a batch of additions). Returns null for a null item.
    CDpctTreeItem* AddItem(std::unique_ptr<tovalo::CDpctData> item);
    /// Deletes `row` with its item. A deleted selected row leaves no selection. With `recalc`
    /// the scroll bar is updated and the list repainted.
    void DeleteItem(CDpctTreeItem* row, bool recalc = true);
    /// Deletes every row with its item.
    void DeleteAllItems(bool recalc = true);

    CDpctTreeItem* GetFirstItem() const;
    CDpctTreeItem* GetLastItem() const;
    /// The row after / before `row` in list order, or null.
    CDpctTreeItem* GetNextItem(const CDpctTreeItem* row) const;
    CDpctTreeItem* GetPrevItem(const CDpctTreeItem* row) const;
    CDpctTreeItem* GetSelectedItem() const { return selection_; }
    int GetCount() const { return static_cast<int>(rows_.size()); }
    /// Position of `row` in list order, -1 for null.
    int IndexOf(const CDpctTreeItem* row) const;
    CDpctTreeItem* ItemAt(int index) const;

    /// Makes `row` the selection (null clears it) and scrolls it into view. Emits nothing.
    void SelectItem(CDpctTreeItem* row);
    /// Moves the selection one row down / up and emits selectionChanged when it moved. With no
    /// selection, Down takes the first row in the view and Up the last one. Returns the new
    /// selection, or null when nothing moved.
    CDpctTreeItem* SelectNextItem();
    CDpctTreeItem* SelectPrevItem();

    /// Scrolls so that `row` is fully in view (a row below the view ends one row above the
    /// bottom edge). False for null.
    bool EnsureVisible(const CDpctTreeItem* row);
    /// Recomputes the scroll range from the row count and the view height, optionally scrolls
    /// back to the top, and repaints.
    void RecalcScroll(bool resetToTop = false);

    /// Repaints one row, e.g. after its item's status changed.
    void UpdateItem(const CDpctTreeItem* row);

    // Run state and looks -----------------------------------------------------------------------

    /// The application's run phase, 0 to 9. Phases 6 to 9 lock the input; 9 shows the pause
    /// icon on the row being converted. Repaints.
    void setRunPhase(int phase);
    int runPhase() const { return runPhase_; }
    bool isRunning() const { return runPhase_ >= kFirstRunPhase; }

    /// The display colours (only the first six slots concern the list). Repaints.
    void setColors(const ListColors& colors);
    const ListColors& colors() const { return colors_; }

    // Geometry, for the window that hosts the list and for tests -----------------------------------

    int rowHeight() const { return rowHeight_; }
    int headerHeight() const { return rowHeight_ + 1; }
    /// x of the column divider: the name column ends at dividerX() + 16, the status column
    /// starts at dividerX() + 24.
    int dividerX() const { return dividerX_; }
    void setDividerX(int x);
    /// The row's rectangle in view coordinates (it may lie outside the view).
    QRect rowRect(const CDpctTreeItem* row) const;
    /// The row under a point of the view, or null (the header hides the rows beneath it).
    CDpctTreeItem* rowAt(QPoint viewPos) const;
    HitArea HitTest(QPoint viewPos) const;

    /// The row height for a font whose "Xy" is `textHeight` pixels high: text height + 5,
    /// rounded up to an even number.
    static int rowHeightForTextHeight(int textHeight);
    /// The list text of a status (empty for "none" and unknown values).
    static QString statusText(tovalo::ItemStatus status);

    QFont normalFont() const { return normalFont_; }
    QFont boldFont() const { return boldFont_; }

Q_SIGNALS:
    /// The selection moved to `row` through a click, a key or SelectNextItem/SelectPrevItem.
    void selectionChanged(CDpctTreeItem* row);
    /// A left double-click in the view; `row` is null over empty space. Never during a run.
    void rowDoubleClicked(CDpctTreeItem* row);
    /// A context menu was asked for (right click or the menu key), at `globalPos`.
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Highlight
    {
        SelectedFocus,
        SelectedNoFocus,
        Converting
    };

    void updateMetrics();
    void scrollIntoView(int index);
    void renumberFrom(int index);
    void setSelection(CDpctTreeItem* row);
    void emitSelectionChanged(CDpctTreeItem* row);
    void updateAccessibleDescription();
    void endDrag();
    void scrollBy(int delta);
    int docY(int index) const { return headerHeight() + index * rowHeight_; }
    int rowsAreaHeight() const;
    /// First and one-past-last row index that a paint at the current scroll position lays out.
    std::pair<int, int> laidOutRange() const;
    /// First and one-past-last row index that intersect the rows area.
    std::pair<int, int> visibleRange() const;

    void paintRow(QPainter& p, const CDpctTreeItem& row, int top);
    void paintHeader(QPainter& p);
    QPixmap icon(int index) const;
    void paintHighlight(QPainter& p, const QRect& rect, Highlight look) const;

    std::vector<std::unique_ptr<CDpctTreeItem>> rows_;
    CDpctTreeItem* selection_ = nullptr;
    ListColors colors_;
    QFont normalFont_;
    QFont boldFont_;
    int rowHeight_ = 20;
    int dividerX_ = 0;
    bool dividerPlaced_ = false; // divider set by the user or the host; no automatic placement
    bool dragging_ = false;
    // A row to scroll to once the list is shown: before that the view has no real height.
    const CDpctTreeItem* pendingEnsure_ = nullptr;
    int runPhase_ = 0;

    // Pictures, made on demand (icons for the current device pixel ratio).
    mutable std::array<QPixmap, 13> icons_;
    mutable qreal iconsRatio_ = 0;
    mutable QPixmap stripPattern_;
    mutable QPixmap headerPattern_;
};

} // namespace tovalo::gui
