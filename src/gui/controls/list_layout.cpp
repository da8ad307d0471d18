#include "controls/list_layout.h"

#include <algorithm>

namespace tovalo::gui {

namespace {

// a / b rounded towards +infinity, for b > 0 and any a.
int ceilDiv(int a, int b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

} // namespace

// ListLayout -------------------------------------------------------------------------------------

QRect ListLayout::rowRect(int row) const
{
    if (!hasRow(row))
        return {};
    return QRect(kStripWidth, docY(row) - scroll, width - kStripWidth, rowHeight);
}

int ListLayout::rowAt(QPoint pos) const
{
    if (pos.y() < headerHeight() || pos.y() >= height || pos.x() < 0 || pos.x() >= width)
        return -1;
    const int row = (pos.y() + scroll - headerHeight()) / rowHeight;
    return hasRow(row) ? row : -1;
}

std::pair<int, int> ListLayout::laidOutRange() const
{
    const int hh = headerHeight();
    const int first = std::max(0, ceilDiv(scroll - rowHeight - hh, rowHeight));
    const int last = std::min(rows, ceilDiv(scroll + rowsAreaHeight() + rowHeight - hh, rowHeight));
    return {first, std::max(first, last)};
}

std::pair<int, int> ListLayout::visibleRange() const
{
    const int first = std::max(0, scroll / rowHeight);
    const int last = std::min(rows, ceilDiv(scroll + rowsAreaHeight(), rowHeight));
    return {first, std::max(first, last)};
}

int ListLayout::dropGapAt(int y) const
{
    const int docPos = y + scroll - headerHeight();
    const int gap = (docPos + rowHeight / 2) / std::max(rowHeight, 1);
    return std::clamp(gap, 0, rows);
}

ListHitArea ListLayout::hitTest(QPoint pos) const
{
    const bool inHeader = pos.y() >= 0 && pos.y() < headerHeight() && pos.x() >= 0 && pos.x() < width;
    if (!inHeader && rowAt(pos) < 0)
        return ListHitArea::Nowhere;
    if (pos.x() < dividerX + kNameColumnEnd)
        return ListHitArea::Name;
    if (pos.x() > dividerX + kStatusColumnStart)
        return ListHitArea::Status;
    return ListHitArea::Divider;
}

int ListLayout::pageStep() const
{
    return std::max(rowHeight * (height / rowHeight) - headerHeight(), rowHeight);
}

int ListLayout::scrollToShow(int row) const
{
    const int y = docY(row);
    const bool visible = scroll + headerHeight() <= y && y < scroll + height - rowHeight;
    if (visible)
        return scroll;
    if (y < scroll + headerHeight())
        return y - headerHeight();
    return y - height + 2 * rowHeight;
}

// ListDivider ------------------------------------------------------------------------------------

void ListDivider::place(int newX, int viewWidth)
{
    const int maxX = std::max(-ListLayout::kNameColumnEnd, viewWidth - ListLayout::kStatusColumnStart);
    x = std::clamp(newX, -ListLayout::kNameColumnEnd, maxX);
    placed = true;
}

void ListDivider::fit(int viewWidth)
{
    if (!placed && viewWidth > 0)
        x = viewWidth * 2 / 3;
    else if (placed && x > viewWidth - ListLayout::kStatusColumnStart)
        x = std::max(-ListLayout::kNameColumnEnd, viewWidth - ListLayout::kStatusColumnStart);
}

} // namespace tovalo::gui
