#pragma once
// The geometry of the item list (CDpctTreeCtrl), apart from the widget so that the painter, the
// input handling and the scrolling of the list agree on one set of rules:
//
// ListDivider: where the divider between the name and the status column stands, and whether it
//   is held there. Until the user or the host places it, it follows the view at two thirds of
//   its width; once placed it stays, moved only as far as needed to keep its grip in the view.
// ListLayout: where everything stands at one moment: the header, the rows, the columns, what a
//   point hits, which rows a paint lays out, how far a page scrolls. A value made from plain
//   numbers (row height, divider, view size, scroll position, row count); it owns nothing.
//
// Coordinates are those of the view (the scroll area's viewport) unless a name says "document":
// the document is the header followed by every row, the view shows it from the scroll position.

#include <utility>

#include <QPoint>
#include <QRect>

namespace tovalo::gui {

/// Where a point of the view lies: nothing, the name column, the status column, or the column
/// divider (the gap between the two columns, in the header or in a row).
enum class ListHitArea
{
    Nowhere = 0,
    Name = 1,
    Status = 2,
    Divider = 3
};

struct ListLayout
{
    /// Width of the hatched strip at the left edge; rows start at this x.
    static constexpr int kStripWidth = 20;
    /// Width of the diagnostics column at the right edge.
    static constexpr int kCountColumnWidth = 84;
    /// The name column ends this far right of the divider.
    static constexpr int kNameColumnEnd = 16;
    /// The status column starts this far right of the divider.
    static constexpr int kStatusColumnStart = 24;
    /// The line between the two columns stands this far right of the divider.
    static constexpr int kColumnLineOffset = 20;
    static constexpr int kIconX = 22;     ///< a row's icon
    static constexpr int kNameX = 42;     ///< a row's path
    static constexpr int kStripIconX = 2; ///< the play or pause icon in the strip
    static constexpr int kRightMargin = 4;

    int rowHeight = 20;
    int dividerX = 0;
    int width = 0;  ///< of the view
    int height = 0; ///< of the view
    int scroll = 0; ///< the scroll position: the document y at the top of the view
    int rows = 0;

    int headerHeight() const { return rowHeight + 1; }
    bool hasRow(int row) const { return row >= 0 && row < rows; }
    /// The document y of a row's top.
    int docY(int row) const { return headerHeight() + row * rowHeight; }
    /// Height of the view below the header.
    int rowsAreaHeight() const { return height - headerHeight(); }

    // Rows ---------------------------------------------------------------------------------------

    /// The row's rectangle (it may lie outside the view); empty for a row that does not exist.
    QRect rowRect(int row) const;
    /// The row under a point, or -1 (the header hides the rows beneath it).
    int rowAt(QPoint pos) const;
    /// First and one-past-last row whose top lies within one row of the view: the rows a paint
    /// lays out, so that its cost does not grow with the number of rows.
    std::pair<int, int> laidOutRange() const;
    /// First and one-past-last row that intersect the rows area.
    std::pair<int, int> visibleRange() const;
    /// Gap (0..rows) a row dragged to `y` would land in: the row boundary nearest to it.
    int dropGapAt(int y) const;

    // Columns ------------------------------------------------------------------------------------

    /// The column of a point, or the divider between them; Nowhere outside the header and rows.
    ListHitArea hitTest(QPoint pos) const;
    int nameWidth() const { return dividerX + kNameColumnEnd - kNameX; }
    int statusX() const { return dividerX + kStatusColumnStart; }
    /// Left edge of the diagnostics column.
    int countX() const { return width - kRightMargin - kCountColumnWidth; }
    int statusWidth() const { return countX() - 4 - statusX(); }
    int columnLineX() const { return dividerX + kColumnLineOffset; }

    // Scrolling ----------------------------------------------------------------------------------

    /// Height of all rows (the header is not scrolled away).
    int contentHeight() const { return rowHeight * rows; }
    /// One page: the whole rows that fit, less the header. A view lower than a row still pages by
    /// one row, so that paging never stands still.
    int pageStep() const;
    /// The scroll position that brings `row` fully into view: the current one when the row is;
    /// else the row ends up right under the header (coming from below the top) or one row above
    /// the bottom edge (coming from below).
    int scrollToShow(int row) const;
};

struct ListDivider
{
    int x = 0;
    /// Set by the user or the host: no automatic placement any more.
    bool placed = false;

    /// Places the divider at `x` and holds it there. Unlike a free drag, keeps its grip (8 pixels
    /// wide) inside a view `viewWidth` wide, so that a column dragged shut can always be dragged
    /// open again.
    void place(int newX, int viewWidth);
    /// Follows a new view width: at two thirds of it until placed; once placed, moved left only
    /// as far as needed to keep the status column's start in the view.
    void fit(int viewWidth);
};

} // namespace tovalo::gui
