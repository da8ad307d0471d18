#include "app/app_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

bool isProgramFolder(const QString& folder)
{
    const QFileInfo program(QCoreApplication::applicationDirPath());
    const QFileInfo info(folder);
    if (info.exists() && program.exists())
        return info.canonicalFilePath() == program.canonicalFilePath();
    return QDir::cleanPath(info.absoluteFilePath()) == QDir::cleanPath(program.absoluteFilePath());
}

QString chooserStartFolder(const QString& first, const QString& second)
{
    for (const QString& candidate : {first, second}) {
        if (candidate.isEmpty())
            continue;
        const QFileInfo info(candidate);
        // A remembered folder that is gone is still offered: the chooser itself starts at the
        // nearest folder that exists.
        if (!isProgramFolder(candidate))
            return QDir::toNativeSeparators(info.absoluteFilePath());
    }
    return QDir::toNativeSeparators(QDir::homePath());
}

QStringList recentFiles(const Settings& settings)
{
    QStringList out;
    for (const std::string& path : settings.recent)
        out.append(QString::fromStdString(path));
    return out;
}

} // namespace tovalo::gui
