// Tovalo: the desktop program.

#include "app/tovalo_app.h"
#include "ui/message_box.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include <QApplication>
#include <QStringList>

namespace {

void describeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tovalo"));
    QCoreApplication::setOrganizationName(QStringLiteral("mossbank"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVALO_VERSION));
}

/// The arguments as the program reads them, without those the window system takes for itself
/// ("-platform offscreen", "-style fusion", ...), which QApplication removes once it starts.
QStringList ownArguments(int argc, char** argv)
{
    static const char* const withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
        "style",       "stylesheet",         "qmljsdebugger"};
    static const char* const alone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList result;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (i > 0 && arg == QLatin1String("--")) {
            for (; i < argc; ++i)
                result.append(QString::fromLocal8Bit(argv[i]));
            break;
        }
        QString name = arg.startsWith(QLatin1String("--")) ? arg.mid(2) : arg.mid(1);
        const bool joined = name.contains(QLatin1Char('='));
        name = name.section(QLatin1Char('='), 0, 0);
        const auto is = [&name](const char* known) {
            return name == QLatin1String(known);
        };
        if (i > 0 && arg.startsWith(QLatin1Char('-')) && std::any_of(std::begin(alone), std::end(alone), is))
            continue;
        if (i > 0 && arg.startsWith(QLatin1Char('-')) &&
            std::any_of(std::begin(withValue), std::end(withValue), is)) {
            i += joined ? 0 : 1;
            continue;
        }
        result.append(arg);
    }
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    describeProgram();
    {
        // The arguments are read before the window system starts: a wrong one, --help and
        // --version answer on a console without a display (in a package check, over ssh).
        tovalo::gui::StartOptions options;
        QString error;
        if (!tovalo::gui::parseCommandLine(ownArguments(argc, argv), options, error)) {
            std::fprintf(stderr, "tovalo: %s\n", qPrintable(error));
            return 2;
        }
        if (options.helpRequested || options.versionRequested) {
            QCoreApplication core(argc, argv);
            // The help text names the program as the running application calls it.
            tovalo::gui::parseCommandLine(ownArguments(argc, argv), options, error);
            if (options.helpRequested)
                std::fputs(qPrintable(options.helpText), stdout);
            else
                std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                            qPrintable(QCoreApplication::applicationVersion()));
            return 0;
        }
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
