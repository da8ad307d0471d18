#pragma once
// ListPainter: paints the item list (CDpctTreeCtrl) from a ListSnapshot, a read-only picture of
// what the list shows at the moment of a paint: its geometry (ListLayout), the rows in and next
// to the view as the list words them, the selection, the run state, the colours, fonts and
// captions. The painter draws the hatched strip at the left, the rows (status icon, path, status
// text in its colour, diagnostics count, the highlight band of the selected or the converting
// row), the bar where a dragged row would land, and the embossed two-column header.
//
// It holds no data of the list; it keeps only the pictures it makes on demand (the icons for the
// current device pixel ratio and the 8x8 patterns of the strip and the header) and knows no
// texts: the list words every status and caption through its own tr().

#include "controls/list_colors.h"
#include "controls/list_icons.h"
#include "controls/list_layout.h"
#include "data/dpct_data.h"

#include <array>
#include <vector>

#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QString>

class QPainter;

namespace tovalo::gui {

/// One row as the list shows it.
struct ListRow
{
    QString path;
    tovalo::ItemStatus status = tovalo::ItemStatus::None;
    QString statusText; ///< as the row shows it; empty: no status text
    bool missing = false;
    int diagnostics = -1; ///< -1: not run
};

/// What one paint of the list shows.
struct ListSnapshot
{
    ListLayout layout;
    /// The rows of layout.laidOutRange(), the first of them being row `firstRow`.
    int firstRow = 0;
    std::vector<ListRow> rows;
    int selection = -1;
    /// Gap a dragged row would land in; -1 when no row is dragged.
    int dropGap = -1;
    /// A run is under way: the converting row is highlighted instead of the selection.
    bool running = false;
    bool paused = false;
    bool focused = false;
    QPalette palette;
    ListColors colors;
    QFont normalFont;
    QFont boldFont;
    QString nameCaption;
    QString statusCaption;
    QString countCaption;
    qreal devicePixelRatio = 1;
};

class ListPainter
{
public:
    /// Paints every pixel of a view of the snapshot's size.
    void paint(QPainter& p, const ListSnapshot& s);
    /// The palette or the style changed: the next paint makes the patterns again.
    void forgetPatterns();

private:
    void paintRow(QPainter& p, const ListSnapshot& s, int row, const ListRow& data, int top);
    void paintHeader(QPainter& p, const ListSnapshot& s) const;
    const QPixmap& icon(ListIcon which, qreal ratio);

    std::array<QPixmap, 13> icons_;
    qreal iconsRatio_ = 0;
    QPixmap stripPattern_;
    QPixmap headerPattern_;
};

} // namespace tovalo::gui
