#pragma once
// Helpers for the settings record on the window side.

#include "settings/settings.h"

#include <QColor>
#include <QString>
#include <QStringList>

namespace tovalo::gui {

/// Colour of slot `index` (0-based): the stored COLORREF (0x00BBGGRR), or `automatic` when the
/// slot holds the automatic value.
QColor slotColor(const Settings& settings, int index, const QColor& automatic);

/// The recent list as Qt strings, most recent first.
QStringList recentFiles(const Settings& settings);

} // namespace tovalo::gui
