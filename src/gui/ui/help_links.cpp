#include "ui/help_links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace tovalo::gui {
namespace {

DesktopSeam::Opener& opener()
{
    static DesktopSeam::Opener current;
    return current;
}

} // namespace

bool DesktopSeam::openUrl(const QUrl& url)
{
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

void DesktopSeam::setOpener(Opener replacement)
{
    opener() = std::move(replacement);
}

QStringList userGuideCandidates()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.absoluteFilePath(QStringLiteral("user-guide.html")),
            QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/doc/tovalo/user-guide.html")))};
}

QString userGuidePath()
{
    for (const QString& candidate : userGuideCandidates()) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

QUrl dpctDocumentationUrl()
{
    return QUrl(QStringLiteral("https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/"
                               "developer-guide-reference/current/overview.html"));
}

} // namespace tovalo::gui
