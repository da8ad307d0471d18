// tovalo-shot: brings the real main window into a chosen state for screenshots, then says
// "ready" on stdout and waits to be ended (screenshots.sh), or measures (measure.sh):
//
//   tovalo-shot --look 212 [--run] FILE     screenshot states
//   tovalo-shot --measure-startup           time from main() to the first painted main window
//   tovalo-shot --burst BYTES               one item whose dpct prints BYTES of output: longest
//                                           stall of the event loop and total time to show it

#include "app/language_pack.h"
#include "app/tovalo_app.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/output_pane.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

/// Reports the first paint of any widget of the main window.
class FirstPaint : public QObject
{
public:
    QElapsedTimer clock;
    QWidget* window = nullptr;
    bool seen = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen && window && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window) {
            seen = true;
            std::printf("first-paint-ms %lld\nfirst-paint-epoch-ms %lld\n", static_cast<long long>(clock.elapsed()),
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

using namespace tovalo;
using namespace tovalo::gui;

int main(int argc, char** argv)
{
    FirstPaint firstPaint;
    firstPaint.clock.start();
    QApplication qapp(argc, argv);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    int look = 214;
    bool run = false;
    bool measureStartup = false;
    qint64 burst = 0;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--look") && i + 1 < args.size())
            look = args[++i].toInt();
        else if (args[i] == QStringLiteral("--run"))
            run = true;
        else if (args[i] == QStringLiteral("--measure-startup"))
            measureStartup = true;
        else if (args[i] == QStringLiteral("--burst") && i + 1 < args.size())
            burst = args[++i].toLongLong();
        else
            files.append(args[i]);
    }
    QTemporaryDir work;
    if (burst > 0) {
        const QString cu = work.filePath(QStringLiteral("burst.cu"));
        QFile source(cu);
        if (!source.open(QIODevice::WriteOnly))
            return 2;
        source.write(QStringLiteral("// dpct-sim: result=warnings output-bytes=%1\n").arg(burst).toUtf8());
        source.close();
        QFile def(work.filePath(QStringLiteral("burst.txt")));
        if (!def.open(QIODevice::WriteOnly))
            return 2;
        def.write(QStringLiteral("[Common]\nVersion=01.00.00.00\n\n[%1]\n--out-root=\"%2\"\n")
                      .arg(cu, work.filePath(QStringLiteral("out")))
                      .toUtf8());
        def.close();
        files = {def.fileName()};
        run = true;
    }
    if (measureStartup)
        qapp.installEventFilter(&firstPaint);
    LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
    CTovaloApp app;
    StartOptions options;
    options.files = files;
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    options.instanceKey = QStringLiteral("tovalo-shot");
    if (!app.initInstance(options))
        return 1;
    CMainFrame* frame = app.mainFrame();
    firstPaint.window = frame;
    frame->setGeometry(QApplication::primaryScreen()->availableGeometry());
    frame->applyLook(look);

    // Burst: the event loop's longest gap while the output arrives, and the time until all of it
    // is in the output pane.
    QElapsedTimer burstClock, tickClock;
    qint64 longestGap = 0;
    auto ticker = new QTimer(&qapp);
    ticker->setInterval(5);
    QObject::connect(ticker, &QTimer::timeout, &qapp, [&] {
        longestGap = std::max(longestGap, tickClock.restart());
        RunEngine* engine = frame->engine();
        if (engine->phase() == RunPhase::Idle && engine->doneCount() == 1 && !frame->outputPane()->hasPendingText()) {
            ticker->stop();
            std::printf("burst-bytes %lld\ntotal-ms %lld\nlongest-stall-ms %lld\nlongest-batch-ms %lld\n"
                        "dropped-chars %lld\n",
                        static_cast<long long>(burst), static_cast<long long>(burstClock.elapsed()),
                        static_cast<long long>(longestGap), static_cast<long long>(frame->outputPane()->longestBatchMs()),
                        static_cast<long long>(frame->outputPane()->droppedText()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });

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
            if (burst > 0) {
                said = true;
                burstClock.start();
                tickClock.start();
                ticker->start();
                return;
            }
            return;
        } else if (engine->phase() == RunPhase::ItemRunning && engine->doneCount() >= 1) {
            said = true;
        }
        if (said) {
            poll->stop();
            std::printf("ready\n");
            std::fflush(stdout);
        }
    });
    poll->start(20);
    const int code = QApplication::exec();
    app.exitInstance();
    return code;
}
