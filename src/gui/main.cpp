// Tovalo: the desktop program.

#include "app/tovalo_app.h"
#include "ui/message_box.h"

#include <cstdio>
#include <cstring>

#include <QApplication>

namespace {

void describeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tovalo"));
    QCoreApplication::setOrganizationName(QStringLiteral("mossbank"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVALO_VERSION));
}

/// --help and --version are answered without a display: they must work on a console, in a
/// package check or over ssh.
bool asksForHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"--help", "-h", "-?", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[i], flag) == 0)
                return true;
        }
        if (std::strcmp(argv[i], "--") == 0)
            break;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    describeProgram();
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication core(argc, argv);
        tovalo::gui::StartOptions options;
        QString error;
        if (!tovalo::gui::parseCommandLine(QCoreApplication::arguments(), options, error)) {
            std::fprintf(stderr, "tovalo: %s\n", qPrintable(error));
            return 2;
        }
        if (options.helpRequested)
            std::fputs(qPrintable(options.helpText), stdout);
        else
            std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                        qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }

    QApplication app(argc, argv);
    describeProgram();
    QApplication::setApplicationDisplayName(QStringLiteral("Tovalo"));
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
