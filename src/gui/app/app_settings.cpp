#include "app/app_settings.h"

namespace tovalo::gui {

QColor slotColor(const Settings& settings, int index, const QColor& automatic)
{
    if (index < 0 || index >= kColorCount)
        return automatic;
    const std::uint32_t value = settings.colors[static_cast<std::size_t>(index)];
    if (value == kAutomaticColor)
        return automatic;
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QStringList recentFiles(const Settings& settings)
{
    QStringList out;
    for (const std::string& path : settings.recent)
        out.append(QString::fromStdString(path));
    return out;
}

} // namespace tovalo::gui
