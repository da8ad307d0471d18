#pragma once
// ListColors: the ten display colours of the settings ("Color01" to "Color10") as the controls
// use them. Each slot holds a COLORREF-style value 0x00BBGGRR, or kAutomatic, in which case the
// user of the slot draws with the slot's automatic colour taken from the widget palette.

#include <array>
#include <cstdint>

#include <QColor>
#include <QList>

class QPalette;

namespace tovalo::gui {

struct ListColors
{
    /// Slot order of the settings store.
    enum Slot : int
    {
        RowText = 0,      ///< item list: row text (automatic: palette text)
        RowBackground,    ///< item list: row background (automatic: palette base)
        ConvertingText,   ///< item list: "waiting" and "converting" status text
        SyntaxErrorText,  ///< item list: "syntax error" status text
        ConvertedOkText,  ///< item list: "converted OK" status text
        ConvertedNgText,  ///< item list: "converted NG" status text
        ResultText,       ///< conversion result window: text
        ResultBackground, ///< conversion result window: background
        OutputText,       ///< output window: text
        OutputBackground, ///< output window: background
        SlotCount
    };

    static constexpr std::uint32_t kAutomatic = 0xFF000000u;

    /// Every slot automatic.
    ListColors() { values.fill(kAutomatic); }

    std::array<std::uint32_t, SlotCount> values;

    bool operator==(const ListColors&) const = default;

    void set(Slot slot, std::uint32_t colorRef) { values[static_cast<std::size_t>(slot)] = colorRef; }
    void set(Slot slot, const QColor& color) { set(slot, toColorRef(color)); }
    std::uint32_t value(Slot slot) const { return values[static_cast<std::size_t>(slot)]; }
    bool isAutomatic(Slot slot) const { return value(slot) == kAutomatic; }

    /// The colour to draw with: the slot's own colour, or its automatic colour.
    QColor resolve(Slot slot, const QPalette& palette) const;

    /// The automatic colour of a slot. Theme-dependent slots come from `palette`.
    static QColor automaticColor(Slot slot, const QPalette& palette);

    /// 0x00BBGGRR <-> QColor (only the low 24 bits are a colour).
    static QColor fromColorRef(std::uint32_t colorRef);
    static std::uint32_t toColorRef(const QColor& color);
};

/// The WCAG 2 contrast ratio of two colours, from 1 (same luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

/// Text that can be read on every colour of `backgrounds` (a band may be a gradient): `text`
/// itself when its contrast with each is at least `minimum`; else `text` made darker or lighter,
/// whichever reaches the minimum first; black or white, whichever is better, when neither does.
QColor readableOn(const QColor& text, const QList<QColor>& backgrounds, double minimum = 4.5);

/// The colours the item list paints under its text, so that its text colours can be chosen
/// (and checked) against them.
struct ListBands
{
    static QList<QColor> selectedFocus();   ///< the selected row while the list has the focus
    static QList<QColor> selectedNoFocus(); ///< the selected row otherwise
    static QList<QColor> converting();      ///< the row being converted
    static QList<QColor> header();          ///< the two colours of the header's pattern
};

} // namespace tovalo::gui
