// Tovalo: the desktop program.

#include "app/tovalo_app.h"
#include "ui/message_box.h"

#include <cstdio>

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovalo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tovalo"));
    QApplication::setOrganizationName(QStringLiteral("mossbank"));
    QApplication::setApplicationVersion(QStringLiteral(TOVALO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tovalo"));

    tovalo::gui::StartOptions options;
    QString error;
    if (!tovalo::gui::parseCommandLine(QApplication::arguments(), options, error)) {
        std::fprintf(stderr, "tovalo: %s\n", qPrintable(error));
        return 2;
    }
    tovalo::gui::CTovaloApp tovaloApp;
    if (!tovaloApp.initInstance(options)) {
        tovaloApp.exitInstance();
        return tovaloApp.startFailed() ? 1 : 0;
    }
    const int code = QApplication::exec();
    tovaloApp.exitInstance();
    return code;
}
