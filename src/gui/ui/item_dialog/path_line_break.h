#pragma once
// Paths with a line break: a definition file holds one path per line, so such a path cannot be
// listed. The item dialog refuses it, the directory scan leaves it out; both name it with the
// breaks shown as a visible mark, since a message box would otherwise break the name apart.

#include <QChar>
#include <QString>

namespace tovalo::gui {

inline bool hasLineBreak(const QString& path)
{
    return path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'));
}

/// `path` with each CR and LF shown as U+21B5 (the downwards arrow with corner leftwards).
inline QString visibleLineBreaks(QString path)
{
    path.replace(QLatin1Char('\r'), QChar(0x21B5));
    path.replace(QLatin1Char('\n'), QChar(0x21B5));
    return path;
}

} // namespace tovalo::gui
