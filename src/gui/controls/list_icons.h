#pragma once
// The item list's 16-pixel icons, drawn in code so that they stay sharp at any device pixel ratio.
// The numbers are the icon indices the list has always used for its pictures.

#include <QPixmap>

namespace tovalo::gui {

enum class ListIcon : int
{
    Play = 1,                ///< orange play triangle: row being converted
    Pause = 2,               ///< orange pause bars: row being converted, run paused
    Document = 5,            ///< blue document: normal row
    DocumentSelected = 6,    ///< blue document, selected look (no run under way)
    DocumentDone = 9,        ///< grey document: finished row during a run
    DocumentDoneIdle = 10,   ///< light grey document: finished row, no run
    DocumentConverting = 11, ///< pink document: row being converted
    DocumentWaiting = 12,    ///< olive document: row waiting in a run
};

inline constexpr int kListIconSize = 16;

/// Draws the icon for `devicePixelRatio` (callers keep the pixmaps they use often).
QPixmap renderListIcon(ListIcon icon, qreal devicePixelRatio);

} // namespace tovalo::gui
