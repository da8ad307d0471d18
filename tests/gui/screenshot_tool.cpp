// tovalo-shot: brings the real main window into a chosen state for screenshots, then says
// "ready" on stdout and waits to be ended. Used by screenshots.sh under xvfb-run.
//
//   tovalo-shot --look 212 [--run] [--output-burst] FILE

#include "app/language_pack.h"
#include "app/tovalo_app.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/output_pane.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace tovalo;
using namespace tovalo::gui;

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    int look = 214;
    bool run = false;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--look") && i + 1 < args.size())
            look = args[++i].toInt();
        else if (args[i] == QStringLiteral("--run"))
            run = true;
        else
            files.append(args[i]);
    }
    LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
    CTovaloApp app;
    StartOptions options;
    options.files = files;
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    options.instanceKey = QStringLiteral("tovalo-shot");
    if (!app.initInstance(options))
        return 1;
    CMainFrame* frame = app.mainFrame();
    frame->setGeometry(QApplication::primaryScreen()->availableGeometry());
    frame->applyLook(look);

    bool said = false;
    auto poll = new QTimer(&qapp);
    QObject::connect(poll, &QTimer::timeout, &qapp, [&] {
        RunEngine* engine = frame->engine();
        if (said || !engine || !engine->startUpDone())
            return;
        if (!run) {
            said = true;
        } else if (engine->phase() == RunPhase::Idle && engine->doneCount() == 0) {
            frame->action(gui::cmd::Start)->trigger();
            return;
        } else if (engine->phase() == RunPhase::ItemRunning && engine->doneCount() >= 1) {
            said = true;
        }
        if (said) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    });
    poll->start(20);
    const int code = QApplication::exec();
    app.exitInstance();
    return code;
}
