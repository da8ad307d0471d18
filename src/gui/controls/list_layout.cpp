#include "controls/list_layout.h"

#include <algorithm>

namespace tovalo::gui {

using namespace list_geometry;

int ListDivider::maxX(int viewWidth) const
{
    return std::max(0, viewWidth - kColumnLineOffset - countWidth - statusMin);
}

void ListDivider::place(int newX, int viewWidth)
{
    x = std::clamp(newX, 0, maxX(viewWidth));
    placed = true;
}

void ListDivider::fit(int viewWidth)
{
    if (viewWidth <= 0)
        return;
    if (!placed)
        x = viewWidth * 2 / 3;
    x = std::clamp(x, 0, maxX(viewWidth));
}

ListColumns ListDivider::columns(int viewWidth) const
{
    ListColumns c;
    c.name = x + kColumnLineOffset;
    const int rest = std::max(0, viewWidth - c.name);
    // The diagnostics column gives way before the status column does.
    c.count = std::clamp(rest - statusMin, 0, countWidth);
    c.status = rest - c.count;
    return c;
}

ListHitArea ListDivider::hitTest(int px) const
{
    if (px < x + kNameColumnEnd)
        return ListHitArea::Name;
    if (px > x + kStatusColumnStart)
        return ListHitArea::Status;
    return ListHitArea::Divider;
}

} // namespace tovalo::gui
