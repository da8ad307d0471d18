// tovalo-shot: brings the real main window into a chosen state for screenshots, then says
// "ready" on stdout and waits to be ended (screenshots.sh), or measures (measure.sh):
//
//   tovalo-shot --look 212 [--run] FILE     screenshot states
//   tovalo-shot --lang 2 ...                the interface language (0 ja, 1 en, 2 zh-CN,
//                                           3 zh-TW, 4 ko; default 0), stored before the start
//                                           so that no language question is asked
//   tovalo-shot --options general|looks|colors|palette
//                                           the options sheet on its Common page (with the look
//                                           list dropped down), on its colour page, or there
//                                           with the colour palette dropped down
//   tovalo-shot --tabs STYLE [--tab-colors] three document windows as tabs of style 0 to 5,
//                                           optionally each tab in a colour of its own
//   tovalo-shot --measure-startup           time from main() to the first painted main window
//   tovalo-shot --burst BYTES [--diagnostics]
//                                           one item whose dpct prints BYTES of output: longest
//                                           stall of the event loop and total time to show it;
//                                           then the diagnostics view until it is filled
//   tovalo-shot --measure-view N D [--no-view]
//                                           a run of N items whose dpct prints D warnings each,
//                                           with the diagnostics view open from the start (or
//                                           never opened): total time until the view holds
//                                           every diagnostic, and the event loop's longest stall
//   tovalo-shot --consoles K ...            parallel conversions K (stored before the start);
//                                           with --burst, K items in K out-roots, each printing
//                                           BYTES at once on its own console
//   tovalo-shot --parallel-demo             with --consoles: a run of twelve items in six
//                                           out-roots, shown while four of them convert
//   tovalo-shot --after-run FILE            screenshot state once the whole run has ended
//   tovalo-shot --after-run --find TEXT FILE  ... with the output pane's find bar on TEXT
//   tovalo-shot --measure-open N            open a definition file of N items: time until the
//                                           document window's list is painted; then the time of
//                                           one repaint after each page of scrolling
//   tovalo-shot --missing-demo [--filter TEXT] [--tip-missing]
//                                           a list of ten sources of which three do not exist,
//                                           optionally narrowed by the filter box, optionally
//                                           with the tool tip of a missing row shown
//   tovalo-shot --missing-demo --select 1,3,4 [--edit-many]
//                                           ... with those rows selected (the items' options made
//                                           to differ in part), optionally with the item dialog
//                                           open for all of them
//   tovalo-shot --about HH:MM [--ripple]    the about box as at that local time (still, or
//                                           rippling under a drag across its picture)
//   tovalo-shot --about HH:MM --about-oneapi DIR   the about box naming DIR as the oneAPI folder
//   tovalo-shot --tile                      three lists without tabs, tiled
//   tovalo-shot --import DB                 File > Import Compilation Database of DB, its summary
//   tovalo-shot --measure-about-idle        CPU of the program idle for 10 s without, then with
//                                           the about box open and untouched; the time the water
//                                           takes to come to rest after one press

#include "app/language_pack.h"
#include "app/tovalo_app.h"
#include "controls/color_picker.h"
#include "controls/color_popup.h"
#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"
#include "controls/static_tree_ctrl.h"
#include "controls/water_drop_ctrl.h"
#include "ui/about_dlg.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/diagnostics_view.h"
#include "ui/main_frame.h"
#include "ui/output_pane.h"
#include "ui/run_controller.h"
#include "ui/tool_option_page_color.h"
#include "ui/tool_option_page_general.h"
#include "ui/tool_option_prop.h"

#include <cstdio>
#include <memory>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
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
    // Started on its own (not from screenshots.sh or measure.sh, which give a settings folder for
    // all their calls), the tool keeps its settings in a folder of its own, so that tools running
    // at the same time never read each other's.
    std::unique_ptr<QTemporaryDir> ownConfig;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        ownConfig = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", ownConfig->path().toLocal8Bit());
    }
    QApplication qapp(argc, argv);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    int look = 214;
    int language = 0;
    bool run = false;
    bool measureStartup = false;
    bool afterRun = false;
    bool diagnostics = false; // after the run, the diagnostics view
    bool conflict = false;    // the question before a run that dpct would refuse in part
    int measureOpen = 0;
    qint64 burst = 0;
    int viewItems = 0;    // --measure-view: items
    int viewWarnings = 0; // --measure-view: warnings per item
    bool noView = false;
    int consoles = 0;
    bool parallelDemo = false;
    QString options;
    int tabStyle = -1;
    bool tabColors = false; // with --tabs: a colour per tab
    QString find;
    bool missingDemo = false;
    bool tipMissing = false;
    QList<int> selectRows;
    bool editMany = false;
    QString filter;
    QString aboutTime;
    bool ripple = false;
    bool measureAbout = false;
    QString aboutOneApi; // the oneAPI folder the about box names
    bool tile = false;   // three lists, no tabs, tiled
    QString importDb;    // File > Import Compilation Database of this database
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--look") && i + 1 < args.size())
            look = args[++i].toInt();
        else if (args[i] == QStringLiteral("--lang") && i + 1 < args.size())
            language = args[++i].toInt();
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
        else if (args[i] == QStringLiteral("--options") && i + 1 < args.size())
            options = args[++i];
        else if (args[i] == QStringLiteral("--tabs") && i + 1 < args.size())
            tabStyle = args[++i].toInt();
        else if (args[i] == QStringLiteral("--tab-colors"))
            tabColors = true;
        else if (args[i] == QStringLiteral("--measure-startup"))
            measureStartup = true;
        else if (args[i] == QStringLiteral("--find") && i + 1 < args.size())
            find = args[++i];
        else if (args[i] == QStringLiteral("--burst") && i + 1 < args.size())
            burst = args[++i].toLongLong();
        else if (args[i] == QStringLiteral("--measure-view") && i + 2 < args.size()) {
            viewItems = args[++i].toInt();
            viewWarnings = args[++i].toInt();
        } else if (args[i] == QStringLiteral("--no-view"))
            noView = true;
        else if (args[i] == QStringLiteral("--consoles") && i + 1 < args.size())
            consoles = args[++i].toInt();
        else if (args[i] == QStringLiteral("--parallel-demo"))
            parallelDemo = true;
        else if (args[i] == QStringLiteral("--missing-demo"))
            missingDemo = true;
        else if (args[i] == QStringLiteral("--filter") && i + 1 < args.size())
            filter = args[++i];
        else if (args[i] == QStringLiteral("--tip-missing"))
            tipMissing = true;
        else if (args[i] == QStringLiteral("--select") && i + 1 < args.size()) {
            for (const QString& r : args[++i].split(QLatin1Char(',')))
                selectRows.append(r.toInt());
        } else if (args[i] == QStringLiteral("--edit-many"))
            editMany = true;
        else if (args[i] == QStringLiteral("--about") && i + 1 < args.size())
            aboutTime = args[++i];
        else if (args[i] == QStringLiteral("--ripple"))
            ripple = true;
        else if (args[i] == QStringLiteral("--measure-about-idle"))
            measureAbout = true;
        else if (args[i] == QStringLiteral("--about-oneapi") && i + 1 < args.size())
            aboutOneApi = args[++i];
        else if (args[i] == QStringLiteral("--tile"))
            tile = true;
        else if (args[i] == QStringLiteral("--import") && i + 1 < args.size())
            importDb = args[++i];
        else
            files.append(args[i]);
    }
    QTemporaryDir work;
    // Items of `count` sources with dpct-sim's `directives`, `perRoot` of them per out-root.
    const auto writeItems = [&work](const QString& name, const QStringList& sources,
                                    const QString& directives, int perRoot) {
        QByteArray text = "[Common]\nVersion=01.00.00.00\n\n";
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const QString cu = work.filePath(sources[i]);
            QFile source(cu);
            if (!source.open(QIODevice::WriteOnly))
                return QString();
            source.write(
                QStringLiteral("// dpct-sim: %1\n__global__ void k() {}\n").arg(directives).toUtf8());
            text += QStringLiteral("[%1]\n--out-root=\"%2\"\n")
                        .arg(cu, work.filePath(QStringLiteral("out%1").arg(i / perRoot)))
                        .toUtf8();
        }
        QFile def(work.filePath(name));
        if (!def.open(QIODevice::WriteOnly))
            return QString();
        def.write(text);
        return def.fileName();
    };
    const int burstItems = std::max(consoles, 1);
    if (burst > 0) {
        QStringList sources;
        for (int i = 0; i < burstItems; ++i)
            sources.append(QStringLiteral("burst%1.cu").arg(i + 1));
        const QString def = writeItems(QStringLiteral("burst.txt"), sources,
                                       QStringLiteral("result=warnings output-bytes=%1").arg(burst), 1);
        if (def.isEmpty())
            return 2;
        files = {def};
        run = true;
    }
    if (viewItems > 0) {
        QStringList sources;
        for (int i = 0; i < viewItems; ++i)
            sources.append(QStringLiteral("view%1.cu").arg(i + 1));
        const QString def = writeItems(QStringLiteral("view.txt"), sources,
                                       QStringLiteral("result=warnings warnings=%1").arg(viewWarnings), 1);
        if (def.isEmpty())
            return 2;
        files = {def};
        run = true;
    }
    if (parallelDemo) {
        const QStringList sources = {
            QStringLiteral("blur.cu"),   QStringLiteral("sobel.cu"),   QStringLiteral("resize.cu"),
            QStringLiteral("reduce.cu"), QStringLiteral("scan.cu"),    QStringLiteral("matrix_mul.cu"),
            QStringLiteral("nbody.cu"),  QStringLiteral("stencil.cu"), QStringLiteral("histogram.cu"),
            QStringLiteral("sort.cu"),   QStringLiteral("fft.cu"),     QStringLiteral("conv2d.cu")};
        const QString def = writeItems(QStringLiteral("parallel.txt"), sources,
                                       QStringLiteral("result=warnings warnings=3 delay-ms=60000"), 2);
        if (def.isEmpty())
            return 2;
        files = {def};
        run = true;
    }
    if (missingDemo) {
        // Ten sources in four folders; three of them are not written.
        const QStringList names = {QStringLiteral("image/blur.cu"),     QStringLiteral("image/sobel.cu"),
                                   QStringLiteral("image/resize.cu"),   QStringLiteral("math/reduce.cu"),
                                   QStringLiteral("math/scan.cu"),      QStringLiteral("math/matrix_mul.cu"),
                                   QStringLiteral("sim/nbody.cu"),      QStringLiteral("sim/stencil.cu"),
                                   QStringLiteral("util/histogram.cu"), QStringLiteral("util/sort.cu")};
        const QStringList missing = {QStringLiteral("image/resize.cu"), QStringLiteral("math/matrix_mul.cu"),
                                     QStringLiteral("sim/stencil.cu")};
        QByteArray text = "[Common]\nVersion=01.00.00.00\nLastUpdate=2026/12/07\n\n";
        for (const QString& name : names) {
            const QString path = work.filePath(QStringLiteral("src/") + name);
            if (!missing.contains(name)) {
                QDir().mkpath(QFileInfo(path).absolutePath());
                QFile source(path);
                if (!source.open(QIODevice::WriteOnly))
                    return 2;
                source.write("__global__ void k() {}\n");
            }
            text += QStringLiteral("[%1]\n--out-root=\"%2\"\n")
                        .arg(path, work.filePath(QStringLiteral("out")))
                        .toUtf8();
        }
        QFile def(work.filePath(QStringLiteral("sources.txt")));
        if (!def.open(QIODevice::WriteOnly))
            return 2;
        def.write(text);
        def.close();
        files = {def.fileName()};
    }
    if (measureStartup)
        qapp.installEventFilter(&firstPaint);
    LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
    CTovaloApp app;
    {
        Settings stored;
        std::string error;
        loadSettings(app.store(), stored, error);
        stored.language = language;
        stored.parallelConversions = consoles;
        saveSettings(app.store(), stored, kSaveLanguage | kSaveParallel, error);
    }
    StartOptions startOptions;
    startOptions.files = files;
    startOptions.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    startOptions.instanceKey = QStringLiteral("tovalo-shot-%1").arg(QCoreApplication::applicationPid());
    if (!app.initInstance(startOptions))
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
        const RunScheduler* engine = frame->runController()->scheduler();
        if (engine->phase() == RunPhase::Idle && engine->doneCount() == burstItems &&
            !frame->outputPane()->hasPendingText()) {
            ticker->stop();
            std::printf("consoles %d\nburst-bytes-each %lld\ntotal-ms %lld\nlongest-stall-ms "
                        "%lld\nlongest-batch-ms %lld\n"
                        "dropped-chars %lld\n",
                        burstItems, static_cast<long long>(burst),
                        static_cast<long long>(burstClock.elapsed()), static_cast<long long>(longestGap),
                        static_cast<long long>(frame->outputPane()->longestBatchMs()),
                        static_cast<long long>(frame->outputPane()->droppedText()));
            std::fflush(stdout);
            if (!diagnostics) {
                QCoreApplication::exit(0);
                return;
            }
            // --diagnostics: then the diagnostics view, until it has taken in every item.
            frame->action(gui::cmd::Diagnostics)->trigger();
            auto* doc = qobject_cast<CChildFrame*>(frame->activeDocument());
            DiagnosticsView* view = doc ? doc->diagnosticsView() : nullptr;
            QElapsedTimer opened;
            opened.start();
            while (view && view->pending() > 0)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            std::printf("diagnostics-view-filled-ms %lld\n", static_cast<long long>(opened.elapsed()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });

    // A run with the diagnostics view open: the event loop's longest gap, and the time until
    // the run has ended and the view has taken in every item.
    auto viewTicker = new QTimer(&qapp);
    viewTicker->setInterval(5);
    QObject::connect(viewTicker, &QTimer::timeout, &qapp, [&] {
        longestGap = std::max(longestGap, tickClock.restart());
        const RunScheduler* engine = frame->runController()->scheduler();
        auto* doc = qobject_cast<CChildFrame*>(frame->activeDocument());
        DiagnosticsView* view = doc ? doc->diagnosticsView() : nullptr;
        if (engine->phase() != RunPhase::Idle || engine->doneCount() != viewItems ||
            (view && view->pending() > 0))
            return;
        viewTicker->stop();
        long long shown = 0;
        if (view) {
            const QAbstractItemModel* model = view->tree()->model();
            for (int row = 0; row < model->rowCount(); ++row)
                shown += model->rowCount(model->index(row, 0));
        }
        std::printf("items %d\nwarnings-each %d\nview-open %s\ndiagnostics-shown %lld\ntotal-ms %lld\n"
                    "longest-stall-ms %lld\nview-longest-step-ms %lld\n",
                    viewItems, viewWarnings, view ? "yes" : "no", shown,
                    static_cast<long long>(burstClock.elapsed()), static_cast<long long>(longestGap),
                    static_cast<long long>(view ? view->longestStepMs() : 0));
        std::fflush(stdout);
        QCoreApplication::exit(0);
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

    // The about box, as the about command shows it but at a chosen time and without blocking.
    QPointer<CAboutDlg> about;
    const auto openAbout = [&](QTime time) {
        AboutInfo info = AboutInfo::current(app.settings(), frame->runController());
        info.localTime = time;
        if (!aboutOneApi.isEmpty())
            info.oneapiRoot = aboutOneApi;
        about = new CAboutDlg(info, frame);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
    };
    const auto press = [](QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    // CPU seconds of this process so far (all its threads).
    const auto cpuSeconds = [] {
        QFile stat(QStringLiteral("/proc/self/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return -1.0;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        // After the command name: state is field 3, utime field 14, stime field 15.
        return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
    };

    bool said = false;
    auto poll = new QTimer(&qapp);
    QObject::connect(poll, &QTimer::timeout, &qapp, [&] {
        const RunScheduler* engine = frame->runController()->scheduler();
        if (said || !engine || !engine->startUpDone())
            return;
        if (!options.isEmpty()) {
            // The sheet runs modally from the command; it is posed once it is up.
            poll->stop();
            said = true;
            if (options != QStringLiteral("general") && options != QStringLiteral("looks")) {
                app.settings().colors[2] = 0x00008000; // "converting" text: a green of its own
                app.settings().colors[9] = 0x00402010;
            }
            QTimer::singleShot(0, &qapp, [frame] { frame->action(gui::cmd::Options)->trigger(); });
            QTimer::singleShot(500, &qapp, [options] {
                auto* sheet = qobject_cast<CToolOptionProp*>(QApplication::activeModalWidget());
                if (!sheet)
                    return;
                if (options == QStringLiteral("looks")) {
                    sheet->generalPage()->lookCombo()->showPopup();
                } else if (options != QStringLiteral("general")) {
                    sheet->tabs()->setCurrentIndex(CToolOptionProp::kColorPage);
                    CToolOptionPageColor* page = sheet->colorPage();
                    CStaticTreeCtrl* tree = page->tree();
                    const QPoint at = tree->visualRect(page->line(2)).center();
                    QMouseEvent press(QEvent::MouseButtonPress, at, tree->viewport()->mapToGlobal(at),
                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(tree->viewport(), &press);
                    if (options == QStringLiteral("palette")) {
                        page->picker()->showPopup();
                        if (CColorPopup* popup = page->picker()->popup())
                            popup->setHot(21);
                    }
                }
                QTimer::singleShot(300, qApp, [] {
                    std::printf("ready\n");
                    std::fflush(stdout);
                });
            });
            return;
        }
        if (measureAbout) {
            said = true;
            poll->stop();
            QTimer::singleShot(1000, &qapp, [&] {
                const double before = cpuSeconds();
                QTimer::singleShot(10000, &qapp, [&, before] {
                    const double idle = cpuSeconds() - before;
                    std::printf("idle-10s-without-about-cpu-percent %.2f\n", idle * 10.0);
                    openAbout(QTime(12, 0));
                    // One press on the picture, then the time until the water is at rest.
                    QTimer::singleShot(500, &qapp, [&, idle] {
                        CWaterDropCtrl* water = about->pictureCtrl();
                        auto* clock = new QElapsedTimer;
                        clock->start();
                        const int frames = water->frameCount();
                        const double pressed = cpuSeconds();
                        press(water, QEvent::MouseButtonPress, QPoint(192, 80), Qt::LeftButton);
                        press(water, QEvent::MouseButtonRelease, QPoint(192, 80), Qt::NoButton);
                        auto* wait = new QTimer(&qapp);
                        QObject::connect(
                            wait, &QTimer::timeout, &qapp, [&, wait, clock, frames, water, idle, pressed] {
                                if (water->isFrameTimerActive())
                                    return;
                                wait->stop();
                                std::printf("rest-after-one-press-ms %lld\nrest-after-one-press-frames %d\n"
                                            "cpu-percent-while-rippling %.2f\n",
                                            static_cast<long long>(clock->elapsed()),
                                            water->frameCount() - frames,
                                            (cpuSeconds() - pressed) * 100000.0 / double(clock->elapsed()));
                                delete clock;
                                const double start = cpuSeconds();
                                QTimer::singleShot(10000, &qapp, [&, start, idle] {
                                    const double open = cpuSeconds() - start;
                                    std::printf("idle-10s-with-about-cpu-percent %.2f\n"
                                                "about-box-extra-cpu-percent %.2f\n",
                                                open * 10.0, (open - idle) * 10.0);
                                    std::fflush(stdout);
                                    QCoreApplication::exit(0);
                                });
                            });
                        wait->start(50);
                    });
                });
            });
            return;
        }
        if (!aboutTime.isEmpty()) {
            said = true;
            poll->stop();
            openAbout(QTime::fromString(aboutTime, QStringLiteral("H:mm")));
            QTimer::singleShot(300, &qapp, [&] {
                if (ripple) {
                    // A drag across the picture, then a few frames of rippling.
                    CWaterDropCtrl* water = about->pictureCtrl();
                    press(water, QEvent::MouseButtonPress, QPoint(90, 60), Qt::LeftButton);
                    for (int x = 90; x <= 300; x += 30)
                        press(water, QEvent::MouseMove, QPoint(x, 60 + (x % 60)), Qt::LeftButton);
                    press(water, QEvent::MouseButtonRelease, QPoint(300, 60), Qt::NoButton);
                }
                QTimer::singleShot(ripple ? 400 : 100, &qapp, [] {
                    std::printf("ready\n");
                    std::fflush(stdout);
                });
            });
            return;
        }
        if (tile) {
            poll->stop();
            said = true;
            app.settings().tabMode[kTabMdiOn] = 0;
            frame->applyTabSettings();
            frame->newDocumentWindow();
            frame->newDocumentWindow();
            frame->action(gui::cmd::WindowTile)->trigger();
            QTimer::singleShot(300, &qapp, [] {
                std::printf("ready\n");
                std::fflush(stdout);
            });
            return;
        }
        if (!importDb.isEmpty()) {
            // The import's dialog filled in, then its summary on the screen over the new list.
            poll->stop();
            said = true;
            QTimer::singleShot(300, &qapp, [importDb] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    dialog->findChild<QLineEdit*>(QStringLiteral("editDatabase"))->setText(importDb);
                    dialog->accept();
                }
            });
            QTimer::singleShot(1500, &qapp, [] {
                std::printf("ready\n");
                std::fflush(stdout);
            });
            frame->action(gui::cmd::ImportCompileDb)->trigger();
            return;
        }
        if (tabStyle >= 0) {
            poll->stop();
            said = true;
            frame->newDocumentWindow();
            frame->newDocumentWindow();
            app.settings().tabMode[kTabMdiOn] = 1;
            app.settings().tabMode[kTabStyle] = tabStyle;
            app.settings().tabMode[kTabActiveCloseButton] = 1;
            app.settings().tabMode[kTabAutoColor] = tabColors ? 1 : 0;
            frame->applyTabSettings();
            std::printf("ready\n");
            std::fflush(stdout);
            return;
        }
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
            auto* doc = qobject_cast<CChildFrame*>(frame->activeDocument());
            if (missingDemo && doc) {
                // Wait for the existence marks, then apply what was asked for.
                if (doc->model()->isCheckingFiles())
                    return;
                if (!filter.isEmpty() && doc->filterEdit()->text() != filter) {
                    doc->filterEdit()->setFocus();
                    doc->filterEdit()->setText(filter);
                }
                if (!selectRows.isEmpty()) {
                    // Options that the selected items share in part: --comments on in every
                    // other item, --usm-level in two values.
                    DefinitionDocument& document = doc->document();
                    for (int r = 0; r < document.size(); ++r) {
                        CDpctData* item = document.item(r);
                        item->setOn(kComments, r % 2 == 1);
                        item->setOn(kUsmLevel, true);
                        item->setChoiceIndex(kUsmLevel, r % 3 == 0 ? 1 : 0);
                        item->setOn(kSuppressWarningsAll, true);
                    }
                    document.notifyChanged(0, document.size() - 1);
                    CDpctTreeCtrl* list = doc->list();
                    list->setFocus();
                    list->selectRows(std::vector<int>(selectRows.begin(), selectRows.end()));
                    Q_EMIT list->selectionMoved(selectRows.front());
                    if (editMany) {
                        said = true;
                        poll->stop();
                        QTimer::singleShot(900, &qapp, [] {
                            std::printf("ready\n");
                            std::fflush(stdout);
                        });
                        QTimer::singleShot(0, frame,
                                           [frame] { frame->action(gui::cmd::UpdateItem)->trigger(); });
                        return;
                    }
                }
                if (tipMissing) {
                    CDpctTreeCtrl* list = doc->list();
                    for (int row = 0; row < list->count(); ++row) {
                        const QModelIndex index = doc->model()->index(row);
                        if (doc->model()->data(index, DefinitionModel::MissingRole).toBool()) {
                            const QPoint at =
                                list->rowRect(row).topLeft() + QPoint(120, list->rowHeight() / 2);
                            QToolTip::showText(list->viewport()->mapToGlobal(at),
                                               doc->model()->data(index, Qt::ToolTipRole).toString(),
                                               list->viewport());
                            break;
                        }
                    }
                }
            }
            said = true;
        } else if (engine->phase() == RunPhase::Idle && engine->doneCount() == 0) {
            frame->action(gui::cmd::Start)->trigger();
            if (viewItems > 0) {
                said = true;
                if (!noView)
                    frame->action(gui::cmd::Diagnostics)->trigger();
                burstClock.start();
                tickClock.start();
                viewTicker->start();
                return;
            }
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
        } else if (parallelDemo && frame->runController()->runningCount() >= std::min(consoles, 6)) {
            // Every console has printed its item's warnings.
            frame->outputPane()->flushAll();
            said = frame->outputPane()->log()->toPlainText().count(QStringLiteral("warning: DPCT")) >=
                   3 * std::min(consoles, 6);
        } else if (afterRun && engine->phase() == RunPhase::Idle && engine->doneCount() > 0) {
            said = true;
        }
        if (said && afterRun) {
            // A selected row, so that the selection's colours show in every look.
            if (auto* doc = qobject_cast<CChildFrame*>(frame->activeDocument())) {
                doc->list()->setFocus();
                doc->list()->selectRow(1);
            }
        }
        if (said && !find.isEmpty()) {
            // The output pane's find bar on its first match.
            frame->outputPane()->showFindBar();
            frame->outputPane()->findEdit()->setText(find);
            frame->outputPane()->findNext();
        }
        if (said && diagnostics) {
            frame->action(gui::cmd::Diagnostics)->trigger();
            if (auto* view = frame->findChild<gui::DiagnosticsView*>()) {
                view->move(frame->geometry().center() - view->rect().center());
                // The view takes the diagnostics in on the event loop: the first code row is
                // opened once it is there.
                QTimer::singleShot(200, view,
                                   [view] { view->tree()->expand(view->tree()->model()->index(0, 0)); });
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
