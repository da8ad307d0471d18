#pragma once
// Context menu 119 of the two console-text windows: Copy, Select all and Clear all.

#include <QFont>
#include <QMenu>

class QPlainTextEdit;

namespace tovalo::gui {

/// The font of both console-text windows: the system's fixed-width font, or, where the platform
/// names none that is fixed-width, the first monospace family installed. Columns and compiler
/// markers under a source line then line up.
QFont fixedWidthLogFont();

/// Builds the menu for `log`: Copy is enabled when the log has a selection; Clear all is enabled
/// when `clearAllEnabled` is true and the log holds text. Clear all calls `onClearAll`.
QMenu* createLogContextMenu(QPlainTextEdit* log, bool clearAllEnabled, QWidget* parent,
                            const std::function<void()>& onClearAll);

} // namespace tovalo::gui
