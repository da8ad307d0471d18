#pragma once
// ListPainter: the drawing of the item list (CDpctTreeCtrl), in pieces for the parts that paint
// it: the list's view paints the background, the hatched strip with the play or pause icon, the
// highlight band of a row and the lines between rows and columns; its item delegate (ListDelegate)
// paints the cells (icon and path, status text in its colour, diagnostics count); its header
// (ListHeader) the embossed captions on their pattern. Each piece draws from a ListLook, what the
// list looks like at the moment of a paint.
//
// The painter holds no data of the list; it keeps only the pictures it makes on demand (the icons
// for the current device pixel ratio and the 8x8 patterns of the strip and the header) and knows
// no texts: the list and its model word every status and caption.

#include "controls/list_colors.h"
#include "controls/list_icons.h"
#include "controls/list_layout.h"
#include "data/dpct_data.h"

#include <array>

#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace tovalo::gui {

/// What the list looks like at the moment of a paint.
struct ListLook
{
    /// A run is under way: the converting row is highlighted instead of the selection.
    bool running = false;
    bool paused = false;
    bool focused = false;
    QPalette palette;
    ListColors colors;
    QFont normalFont;
    QFont boldFont;
    qreal devicePixelRatio = 1;
};

/// The highlight band under a row.
enum class ListBand
{
    None,
    SelectedFocus,
    SelectedNoFocus,
    Converting
};

class ListPainter
{
public:
    /// The band of a row: during a run the converting row's, otherwise the selected rows'.
    static ListBand bandFor(const ListLook& look, tovalo::ItemStatus status, bool selected);
    /// The colours under a row's text with `band`.
    static QList<QColor> under(const ListLook& look, ListBand band);

    /// The row background over `rect` and the hatched strip at its left edge, full height.
    void paintBackground(QPainter& p, const ListLook& look, const QRect& rect);
    /// A row at `top`, `width` wide: the play or pause icon in the strip, the band, and the lines
    /// (between the columns and under the row). `columns` are the header's sections.
    void paintRow(QPainter& p, const ListLook& look, int top, int rowHeight, int width,
                  const ListColumns& columns, tovalo::ItemStatus status, ListBand band);
    /// The thin frame of the current row while several rows are selected.
    static void paintCurrentFrame(QPainter& p, const ListLook& look, const QRect& row);
    /// The line at the strip's edge, full height.
    static void paintStripEdge(QPainter& p, const ListLook& look, int height);
    /// Where a dragged row would land: a bar across the rows at `y`.
    static void paintDropBar(QPainter& p, const ListLook& look, int y, int width);

    /// The cells. `cell` is the header section's rectangle in the row.
    void paintNameCell(QPainter& p, const ListLook& look, const QRect& cell, tovalo::ItemStatus status,
                       bool selected, ListBand band, const QString& path, bool missing);
    static void paintStatusCell(QPainter& p, const ListLook& look, const QRect& cell,
                                tovalo::ItemStatus status, ListBand band, const QString& text);
    static void paintCountCell(QPainter& p, const ListLook& look, const QRect& cell, const QString& count);

    /// The header over `rect` with the captions of the three sections.
    void paintHeader(QPainter& p, const ListLook& look, const QRect& rect, const ListColumns& columns,
                     int dividerX, const std::array<QString, 3>& captions);

    /// The palette or the style changed: the next paint makes the patterns again.
    void forgetPatterns();

private:
    void makePatterns(const QPalette& pal);
    const QPixmap& icon(ListIcon which, qreal ratio);

    std::array<QPixmap, 13> icons_;
    qreal iconsRatio_ = 0;
    QPixmap stripPattern_;
    QPixmap headerPattern_;
};

} // namespace tovalo::gui
