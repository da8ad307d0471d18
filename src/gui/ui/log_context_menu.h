#pragma once
// Context menu 119 of the two console-text windows: Copy and Clear all.

#include <QMenu>

class QPlainTextEdit;

namespace tovalo::gui {

/// Builds the menu for `log`: Copy is enabled when the log has a selection; Clear all is enabled
/// when `clearAllEnabled` is true and the log holds text. Clear all calls `onClearAll`.
QMenu* createLogContextMenu(QPlainTextEdit* log, bool clearAllEnabled, QWidget* parent,
                            const std::function<void()>& onClearAll);

} // namespace tovalo::gui
