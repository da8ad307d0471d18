// tovalo-shot: brings the real main window into a chosen state for screenshots, then says
// "ready" on stdout and waits to be ended (screenshots.sh), or measures (measure.sh):
//
//   tovalo-shot --look 212 [--run] FILE     screenshot states
//   tovalo-shot --measure-startup           time from main() to the first painted main window
//   tovalo-shot --burst BYTES               one item whose dpct prints BYTES of output: longest
//                                           stall of the event loop and total time to show it
//   tovalo-shot --after-run FILE            screenshot state once the whole run has ended
//   tovalo-shot --measure-open N            open a definition file of N items: time until the
//                                           document window's list is painted; then the time of
//                                           one repaint after each page of scrolling

#include "app/language_pack.h"
#include "app/tovalo_app.h"
#include "controls/dpct_tree_ctrl.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/diagnostics_view.h"
#include "ui/main_frame.h"
#include "ui/output_pane.h"
#include "ui/run_controller.h"

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

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
            std::printf("first-paint-ms %lld\nfirst-paint-epoch-ms %lld\n",
                        static_cast<long long>(clock.elapsed()),
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
    bool afterRun = false;
    bool diagnostics = false; // after the run, the diagnostics view
    bool conflict = false;    // the question before a run that dpct would refuse in part
    int measureOpen = 0;
    qint64 burst = 0;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--look") && i + 1 < args.size())
            look = args[++i].toInt();
        else if (args[i] == QStringLiteral("--run"))
            run = true;
        else if (args[i] == QStringLiteral("--after-run"))
            run = afterRun = true;
        else if (args[i] == QStringLiteral("--diagnostics"))
            run = afterRun = diagnostics = true;
        else if (args[i] == QStringLiteral("--conflict"))
            conflict = true;
        else if (args[i] == QStringLiteral("--measure-open") && i + 1 < args.size())
            measureOpen = args[++i].toInt();
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
        const RunEngine* engine = frame->runController()->engine();
        if (engine->phase() == RunPhase::Idle && engine->doneCount() == 1 &&
            !frame->outputPane()->hasPendingText()) {
            ticker->stop();
            std::printf("burst-bytes %lld\ntotal-ms %lld\nlongest-stall-ms %lld\nlongest-batch-ms %lld\n"
                        "dropped-chars %lld\n",
                        static_cast<long long>(burst), static_cast<long long>(burstClock.elapsed()),
                        static_cast<long long>(longestGap),
                        static_cast<long long>(frame->outputPane()->longestBatchMs()),
                        static_cast<long long>(frame->outputPane()->droppedText()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });

    if (measureOpen > 0) {
        // A definition file of N items (the sources need not exist to be listed).
        QFile def(work.filePath(QStringLiteral("many.txt")));
        if (!def.open(QIODevice::WriteOnly))
            return 2;
        QByteArray text = "[Common]\nVersion=01.00.00.00\nLastUpdate=2026/12/07\n\n";
        for (int i = 0; i < measureOpen; ++i)
            text += QStringLiteral(
                        "[/work/src/module%1/kernel_%2.cu]\n--out-root=\"/work/out\"\n--extra-arg=-DN=%2\n")
                        .arg(i / 100)
                        .arg(i)
                        .toUtf8();
        def.write(text);
        def.close();
        QTimer::singleShot(300, &qapp, [frame, defPath = def.fileName()] {
            QElapsedTimer clock;
            clock.start();
            struct ListPaint : QObject
            {
                QWidget* viewport = nullptr;
                bool seen = false;
                bool eventFilter(QObject* watched, QEvent* event) override
                {
                    if (watched == viewport && event->type() == QEvent::Paint)
                        seen = true;
                    return false;
                }
            } paint;
            if (!frame->openDefinition(defPath))
                QCoreApplication::exit(3);
            auto* doc = qobject_cast<CChildFrame*>(frame->activeDocument());
            paint.viewport = doc->list()->viewport();
            paint.viewport->installEventFilter(&paint);
            const qint64 opened = clock.elapsed();
            while (!paint.seen)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            std::printf("items %d\nopen-read-ms %lld\nopen-until-painted-ms %lld\n", doc->rowCount(),
                        static_cast<long long>(opened), static_cast<long long>(clock.elapsed()));
            // One page of scrolling at a time, each followed by one synchronous repaint.
            CDpctTreeCtrl* list = doc->list();
            QScrollBar* bar = list->verticalScrollBar();
            qint64 worstUs = 0, totalUs = 0;
            int pages = 0;
            QElapsedTimer page;
            while (bar->value() < bar->maximum() && pages < 200) {
                page.start();
                bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
                list->viewport()->repaint();
                const qint64 us = page.nsecsElapsed() / 1000;
                worstUs = std::max(worstUs, us);
                totalUs += us;
                ++pages;
            }
            std::printf("page-scrolls %d\npage-repaint-mean-us %lld\npage-repaint-worst-us %lld\n", pages,
                        static_cast<long long>(pages ? totalUs / pages : 0), static_cast<long long>(worstUs));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

    bool said = false;
    auto poll = new QTimer(&qapp);
    QObject::connect(poll, &QTimer::timeout, &qapp, [&] {
        const RunEngine* engine = frame->runController()->engine();
        if (said || !engine || !engine->startUpDone())
            return;
        if (conflict) {
            // The question before the run is modal: "ready" once it is on the screen.
            said = true;
            poll->stop();
            QTimer::singleShot(800, &qapp, [] {
                std::printf("ready\n");
                std::fflush(stdout);
            });
            frame->action(gui::cmd::Start)->trigger();
            return;
        }
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
        } else if (!afterRun && engine->phase() == RunPhase::ItemRunning && engine->doneCount() >= 1) {
            said = true;
        } else if (afterRun && engine->phase() == RunPhase::Idle && engine->doneCount() > 0) {
            said = true;
        }
        if (said && diagnostics) {
            frame->action(gui::cmd::Diagnostics)->trigger();
            if (auto* view = frame->findChild<gui::CDiagnosticsView*>()) {
                view->move(frame->geometry().center() - view->rect().center());
                if (QTreeWidgetItem* first = view->tree()->topLevelItem(0))
                    first->setExpanded(true);
            }
        }
        if (said) {
            poll->stop();
            std::printf("ready\n");
            std::fflush(stdout);
        }
    });
    if (measureOpen == 0)
        poll->start(20);
    const int code = QApplication::exec();
    app.exitInstance();
    return code;
}
