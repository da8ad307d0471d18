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

/// True when `folder` is the folder the program runs from.
bool isProgramFolder(const QString& folder);

/// Where a file or folder chooser starts: `first` when it is set and is not the program's own
/// folder, else `second` on the same terms, else the home folder. Never the folder the
/// program runs from (the folders remembered for choosers start out as that folder).
QString chooserStartFolder(const QString& first, const QString& second = QString());

/// The recent list as Qt strings, most recent first.
QStringList recentFiles(const Settings& settings);

} // namespace tovalo::gui
