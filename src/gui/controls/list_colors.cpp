#include "controls/list_colors.h"

#include <algorithm>
#include <cmath>

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

namespace {

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color)
{
    const QColor c = color.toRgb();
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double worstContrast(const QColor& text, const QList<QColor>& backgrounds)
{
    double worst = 21.0;
    for (const QColor& b : backgrounds)
        worst = std::min(worst, contrastRatio(text, b));
    return worst;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const QList<QColor>& backgrounds, double minimum)
{
    if (backgrounds.isEmpty() || worstContrast(text, backgrounds) >= minimum)
        return text;
    // The same hue, darker step by step and lighter step by step; the first that reads wins.
    const QColor hsl = text.toHsl();
    for (int step = 1; step <= 20; ++step) {
        for (const int sign : {-1, 1}) {
            const int lightness = hsl.lightness() + sign * step * 13;
            if (lightness < 0 || lightness > 255)
                continue;
            const QColor candidate =
                QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness, hsl.alpha()).toRgb();
            if (worstContrast(candidate, backgrounds) >= minimum)
                return candidate;
        }
    }
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return worstContrast(black, backgrounds) >= worstContrast(white, backgrounds) ? black : white;
}

QList<QColor> ListBands::selectedFocus()
{
    return {QColor(0xEA, 0xF4, 0xFE), QColor(0xCF, 0xE5, 0xFB), QColor(0xA9, 0xD0, 0xF5)};
}

QList<QColor> ListBands::selectedNoFocus()
{
    return {QColor(0xF4, 0xF4, 0xF4), QColor(0xE2, 0xE2, 0xE2), QColor(0xC8, 0xC8, 0xC8)};
}

QList<QColor> ListBands::converting()
{
    return {QColor(0xFF, 0xEF, 0xD2), QColor(0xFF, 0xD0, 0x8A), QColor(0xFF, 0xAA, 0x40)};
}

QList<QColor> ListBands::header()
{
    return {QColor(0xDC, 0xDC, 0xDC), QColor(0xC0, 0xC0, 0xC0)};
}

} // namespace tovalo::gui
