#pragma once
// The columns of the item list (CDpctTreeCtrl), apart from the widget so that the painting, the
// header, the input handling and the tests agree on one set of rules.
//
// From the left: the hatched strip, the name column, the status column and the diagnostics
// column. The divider is the gap between the name and the status column; the header sections
// follow it: section 0 holds the strip and the name column and ends at the line between the two
// columns, section 1 the status column, section 2 the diagnostics column up to the right edge.
//
// ListDivider: where the divider stands, and whether it is held there. Until the user or the host
// places it, it follows the view at two thirds of its width; once placed it stays. Either way the
// status column keeps the width of its longest text while the name column has room to give: in a
// narrow window the name column shrinks first, then the diagnostics column, the status column
// last.

#include <QPoint>

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

namespace list_geometry {
/// Width of the hatched strip at the left edge; rows start at this x.
inline constexpr int kStripWidth = 20;
/// Width of the diagnostics column's numbers; the column is at least kCountSection wide.
inline constexpr int kCountColumnWidth = 84;
inline constexpr int kCountSection = kCountColumnWidth + 6;
/// The name column ends this far right of the divider.
inline constexpr int kNameColumnEnd = 16;
/// The status column starts this far right of the divider.
inline constexpr int kStatusColumnStart = 24;
/// The line between the two columns stands this far right of the divider.
inline constexpr int kColumnLineOffset = 20;
inline constexpr int kIconX = 22;     ///< a row's icon
inline constexpr int kNameX = 42;     ///< a row's path
inline constexpr int kStripIconX = 2; ///< the play or pause icon in the strip
inline constexpr int kRightMargin = 4;
} // namespace list_geometry

/// The widths of the three header sections for one view width.
struct ListColumns
{
    int name = 0;   ///< strip and name column: divider x + kColumnLineOffset
    int status = 0; ///< the status column
    int count = 0;  ///< the diagnostics column
};

struct ListDivider
{
    int x = 0;
    /// Set by the user or the host: no automatic placement any more.
    bool placed = false;
    /// Width the status column keeps while the name column can give way (its longest text).
    int statusMin = 0;
    /// Width of the diagnostics column while there is room: its numbers or its caption in the
    /// interface language, whichever is wider.
    int countWidth = list_geometry::kCountSection;

    /// The furthest right the divider may stand in a view `viewWidth` wide.
    int maxX(int viewWidth) const;
    /// Places the divider at `newX` and holds it there, within [0, maxX()], so that its grip
    /// stays in the view and the status column keeps its width.
    void place(int newX, int viewWidth);
    /// Follows a new view width: at two thirds of it until placed; within maxX() either way.
    void fit(int viewWidth);
    /// The section widths for a view `viewWidth` wide.
    ListColumns columns(int viewWidth) const;
    /// The column of a point of a row or the header at x `x`.
    ListHitArea hitTest(int x) const;
};

} // namespace tovalo::gui
