#include "controls/list_colors.h"

#include <QPalette>

namespace tovalo::gui {

QColor ListColors::resolve(Slot slot, const QPalette& palette) const
{
    const std::uint32_t v = value(slot);
    return v == kAutomatic ? automaticColor(slot, palette) : fromColorRef(v);
}

QColor ListColors::automaticColor(Slot slot, const QPalette& palette)
{
    switch (slot) {
    case RowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case RowBackground:
        return palette.color(QPalette::Active, QPalette::Base);
    case ConvertingText:
        return QColor(0, 100, 0);
    case SyntaxErrorText:
        return QColor(139, 139, 0);
    case ConvertedOkText:
        return QColor(0, 0, 255);
    case ConvertedNgText:
        return QColor(255, 0, 0);
    case ResultText:
        return QColor(0, 0, 0);
    case ResultBackground:
        return QColor(255, 255, 255);
    case OutputText:
        return QColor(255, 255, 255);
    case OutputBackground:
        return QColor(0, 0, 0);
    case SlotCount:
        break;
    }
    return QColor(0, 0, 0);
}

QColor ListColors::fromColorRef(std::uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFFu), static_cast<int>((colorRef >> 8) & 0xFFu),
                  static_cast<int>((colorRef >> 16) & 0xFFu));
}

std::uint32_t ListColors::toColorRef(const QColor& color)
{
    const QColor c = color.toRgb();
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

} // namespace tovalo::gui
