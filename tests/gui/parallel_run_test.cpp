// Runs over several consoles through the simulated oneAPI toolkit and real interpreters, as the
// window shows them: several converting rows at once, pause, stop, an interpreter that dies,
// the tagged output pane, and how every kind of run ends (summary, title) and whose summary the
// status bar shows.

#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "controls/list_colors.h"
#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/main_status_bar.h"
#include "ui/output_pane.h"
#include "ui/run_controller.h"

#include <csignal>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>

using namespace tovalo;
using namespace tovalo::gui;

class TestParallelRun : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void severalRowsConvertAtOnceAndTheListStaysPut();
    void pauseLetsRunningItemsFinish();
    void stopInterruptsEveryConsole();
    void aDyingInterpreterFailsOnlyItsItem();
    void taggedOutputNamesEachLinesItem();
    void everyRunEndsWithItsSummaryShownWithItsList();

private:
    /// A list of `names`, `perRoot` items per out-root, each with dpct-sim's `directives`;
    /// opened in a new document window.
    CChildFrame* openList(const QString& file, const QStringList& names, const QString& directives,
                          int perRoot = 1);
    RunController* run() const { return frame_->runController(); }
    QLabel* label(const char* name) const { return frame_->findChild<QLabel*>(QLatin1String(name)); }
    QString phasePane() const { return label("statusPhase")->text(); }
};

void TestParallelRun::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestParallelRun::init()
{
    openMainWindow([](Settings& settings) {
        settings.oneapiRoot = testing_gui::simToolkitRoot().toStdString();
        settings.parallelConversions = 4;
    });
    openConsole();
}

void TestParallelRun::cleanup()
{
    closeMainWindow();
}

CChildFrame* TestParallelRun::openList(const QString& file, const QStringList& names,
                                       const QString& directives, int perRoot)
{
    QString text = QStringLiteral("[Common]\nVersion=01.00.00.00\n\n");
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString path = sandbox_->file(names[i]);
        QFile cu(path);
        if (!cu.open(QIODevice::WriteOnly))
            return nullptr;
        cu.write(QStringLiteral("// dpct-sim: %1\n__global__ void k() {}\n").arg(directives).toUtf8());
        text += QStringLiteral("[%1]\n--out-root=\"%2\"\n")
                    .arg(path, sandbox_->file(QStringLiteral("out%1").arg(i / perRoot)));
    }
    QFile def(sandbox_->file(file));
    if (!def.open(QIODevice::WriteOnly))
        return nullptr;
    def.write(text.toUtf8());
    def.close();
    return frame_->openDefinition(def.fileName()) ? active() : nullptr;
}

void TestParallelRun::severalRowsConvertAtOnceAndTheListStaysPut()
{
    CChildFrame* doc = openList(QStringLiteral("four.txt"),
                                {QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu"),
                                 QStringLiteral("d.cu"), QStringLiteral("e.cu")},
                                QStringLiteral("result=ok delay-ms=1500"));
    QVERIFY(doc);
    CDpctTreeCtrl* list = doc->list();
    list->selectRow(4);
    Q_EMIT list->selectionMoved(4);
    QTest::keyClick(frame_.get(), Qt::Key_F5);

    // Four rows convert at once (four consoles); the fifth waits; the status bar says so.
    QTRY_COMPARE_WITH_TIMEOUT(run()->runningCount(), 4, 20000);
    int converting = 0;
    for (int row = 0; row < list->count(); ++row)
        converting += list->itemAt(row)->status == ItemStatus::Converting ? 1 : 0;
    QCOMPARE(converting, 4);
    QCOMPARE(list->itemAt(4)->status, ItemStatus::Waiting);
    QVERIFY(label("statusRunning")->isVisible());
    QCOMPARE(label("statusRunning")->text(), MainStatusBar::runningText(4));
    auto* bar = frame_->findChild<QProgressBar*>(QStringLiteral("runProgress"));
    QCOMPARE(bar->text(), QStringLiteral("0 / 5"));
    // The list does not jump: the user's row stays selected and shown.
    QCOMPARE(list->selectedRow(), 4);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("e.cu"));

    QTRY_COMPARE_WITH_TIMEOUT(run()->phase(), RunPhase::Idle, 30000);
    for (CDpctData* item : doc->runItems())
        QCOMPARE(item->status, ItemStatus::ConvertedOk);
    QCOMPARE(run()->summary().ok, 5);
    QVERIFY(label("statusSummary")->isVisible());
    QVERIFY(!label("statusRunning")->isVisible());
    QCOMPARE(list->selectedRow(), 4);
    // Four consoles did it: the fifth item waited for one of them.
    QCOMPARE(run()->scheduler()->runConsoles(), 4);
}

void TestParallelRun::pauseLetsRunningItemsFinish()
{
    frame_->runController()->setParallelConversions(2);
    settings_->parallelConversions = 2;
    CChildFrame* doc = openList(QStringLiteral("pause.txt"),
                                {QStringLiteral("p1.cu"), QStringLiteral("p2.cu"), QStringLiteral("p3.cu")},
                                QStringLiteral("result=ok delay-ms=1000"));
    QVERIFY(doc);
    const std::vector<CDpctData*> items = doc->runItems();
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(run()->runningCount(), 2, 20000);

    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QCOMPARE(run()->phase(), RunPhase::Paused);
    QCOMPARE(phasePane(), MainStatusBar::phaseText(RunPhase::Paused));
    // The rows still running say so; the running ones finish, nothing new starts.
    QCOMPARE(doc->list()->rowStatusText(ItemStatus::Converting),
             CDpctTreeCtrl::statusText(ItemStatus::Converting));
    QTRY_VERIFY_WITH_TIMEOUT(
        items[0]->status == ItemStatus::ConvertedOk && items[1]->status == ItemStatus::ConvertedOk, 15000);
    QCOMPARE(run()->runningCount(), 0);
    QCOMPARE(items[2]->status, ItemStatus::Waiting);
    QCOMPARE(run()->phase(), RunPhase::Paused);
    QVERIFY(frame_->action(cmd::PauseResume)->isEnabled());

    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QTRY_COMPARE_WITH_TIMEOUT(run()->phase(), RunPhase::Idle, 20000);
    QCOMPARE(items[2]->status, ItemStatus::ConvertedOk);
    QCOMPARE(run()->summary().ok, 3);
    QVERIFY(!run()->summary().stopped);
}

void TestParallelRun::stopInterruptsEveryConsole()
{
    CChildFrame* doc = openList(QStringLiteral("hours.txt"),
                                {QStringLiteral("h1.cu"), QStringLiteral("h2.cu"), QStringLiteral("h3.cu")},
                                QStringLiteral("result=warnings warnings=1 delay-ms=3600000"));
    QVERIFY(doc);
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(run()->runningCount(), 3, 20000);
    // Every dpct runs (each has printed its warning).
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            frame_->outputPane()->flushAll();
            return frame_->outputPane()->log()->toPlainText().count(QStringLiteral("warning: DPCT")) == 3;
        }(),
        20000);

    QStringList phases;
    connect(frame_.get(), &CMainFrame::runStatusChanged, this, [&phases](int pane, const QString& text) {
        if (pane == 1)
            phases.append(text);
    });
    QTest::keyClick(frame_.get(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY2(phases.contains(MainStatusBar::stoppingText()), qPrintable(phases.join(u'|')));
    QVERIFY(run()->summary().stopped);
    // Every console comes back at its prompt well before an hour is over.
    QTRY_VERIFY_WITH_TIMEOUT(frame_->action(cmd::Start)->isEnabled(), 15000);
    QVERIFY(!run()->isStopping());
    QCOMPARE(phasePane(), MainStatusBar::phaseText(RunPhase::Idle));
    QCOMPARE(run()->runningCount(), 0);
    for (CDpctData* item : doc->runItems())
        QCOMPARE(item->status, ItemStatus::None);
}

namespace {

/// The process id of the interpreter whose dpct converts `source`; 0 when there is none.
int interpreterRunning(const QString& source)
{
    for (const QString& pid :
         QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs)) {
        const QByteArray cmdline = testing_gui::readAll(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.contains("dpct") || !cmdline.contains(source.toUtf8()))
            continue;
        for (const QByteArray& line :
             testing_gui::readAll(QStringLiteral("/proc/%1/status").arg(pid)).split('\n')) {
            if (line.startsWith("PPid:"))
                return line.mid(5).trimmed().toInt();
        }
    }
    return 0;
}

} // namespace

void TestParallelRun::aDyingInterpreterFailsOnlyItsItem()
{
    CChildFrame* doc =
        openList(QStringLiteral("die.txt"),
                 {QStringLiteral("victim.cu"), QStringLiteral("other.cu"), QStringLiteral("later.cu")},
                 QStringLiteral("result=ok delay-ms=2500"));
    QVERIFY(doc);
    const std::vector<CDpctData*> items = doc->runItems();
    frame_->runController()->setParallelConversions(2);
    settings_->parallelConversions = 2;
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(run()->runningCount(), 2, 20000);
    int shell = 0;
    QTRY_VERIFY_WITH_TIMEOUT((shell = interpreterRunning(QStringLiteral("victim.cu"))) > 0, 10000);
    QVERIFY(::kill(shell, SIGKILL) == 0);

    QTRY_COMPARE_WITH_TIMEOUT(run()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(items[0]->status, ItemStatus::ConvertedNg);
    QCOMPARE(items[1]->status, ItemStatus::ConvertedOk);
    QCOMPARE(items[2]->status, ItemStatus::ConvertedOk);
    QCOMPARE(run()->summary().ng, 1);
    QCOMPARE(run()->summary().ok, 2);
    // The console was replaced: the next run starts.
    QTRY_VERIFY_WITH_TIMEOUT(frame_->action(cmd::Start)->isEnabled(), 20000);
}

void TestParallelRun::taggedOutputNamesEachLinesItem()
{
    CChildFrame* doc =
        openList(QStringLiteral("tags.txt"), {QStringLiteral("left.cu"), QStringLiteral("right.cu")},
                 QStringLiteral("result=warnings warnings=3 delay-ms=300"));
    QVERIFY(doc);
    COutputPane* pane = frame_->outputPane();
    pane->flushAll();
    const int before = pane->log()->document()->blockCount();
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(run()->phase(), RunPhase::Idle, 30000);
    pane->flushAll();

    // Each line of dpct's output carries the tag of its own item, whole (never two consoles'
    // text in one line), and the two consoles have tags of different colours.
    QSet<int> consoles;
    int warnings = 0;
    for (int line = before; line < pane->log()->document()->blockCount(); ++line) {
        const QString text = pane->log()->document()->findBlockByNumber(line).text();
        if (!text.contains(QStringLiteral("warning: DPCT")))
            continue;
        ++warnings;
        const QString mine =
            text.contains(QStringLiteral("left.cu")) ? QStringLiteral("left.cu") : QStringLiteral("right.cu");
        QVERIFY2(!text.contains(mine == QStringLiteral("left.cu") ? QStringLiteral("right.cu")
                                                                  : QStringLiteral("left.cu")),
                 qPrintable(text));
        QCOMPARE(pane->lineTag(line), mine);
        consoles.insert(pane->lineConsole(line));
    }
    QCOMPARE(warnings, 6);
    QCOMPARE(consoles.size(), 2);
    QVERIFY(pane->tagColor(*consoles.begin()) != pane->tagColor(*std::next(consoles.begin())));
    // Tag colours read on the log's background in every colour setting.
    for (const std::uint32_t background : {0x00000000u, 0x00FFFFFFu, 0x00808080u, 0x00402010u}) {
        settings_->colors[9] = background;
        pane->applyColors(*settings_);
        const QColor base = pane->log()->palette().color(QPalette::Base);
        for (int console = 0; console < 8; ++console)
            QVERIFY2(contrastRatio(pane->tagColor(console), base) >= 4.5,
                     qPrintable(QStringLiteral("console %1 on %2").arg(console).arg(base.name())));
    }
    // The saved log keeps the tags; the prompt shows without its random marker.
    const QString saved = pane->taggedText();
    QVERIFY(saved.contains(QStringLiteral("[left.cu] ")));
    QVERIFY(saved.contains(QStringLiteral("[right.cu] ")));
    QVERIFY(saved.contains(QStringLiteral("tovalo> ")));
    const QRegularExpression marker(QStringLiteral("\\[[0-9a-f]+ \\d+\\] tovalo> "));
    QVERIFY2(!saved.contains(marker), qPrintable(marker.match(saved).captured()));
}

void TestParallelRun::everyRunEndsWithItsSummaryShownWithItsList()
{
    CChildFrame* doc =
        openList(QStringLiteral("mixed.txt"), {QStringLiteral("good.cu"), QStringLiteral("bad.cu")},
                 QStringLiteral("result=ok"));
    QVERIFY(doc);
    QFile bad(sandbox_->file(QStringLiteral("bad.cu")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("// dpct-sim: result=exit-code exit-code=2\n");
    bad.close();
    QLabel* summary = label("statusSummary");
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(run()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(run()->summary().ng, 1);

    // Re-run Failed Items ends as any run does: its own summary, no progress left in the title.
    QVERIFY(frame_->action(cmd::RerunFailed)->isEnabled());
    frame_->action(cmd::RerunFailed)->trigger();
    QTRY_VERIFY2(frame_->windowTitle().startsWith(QStringLiteral("[0/1] ")) || !isRunPhase(run()->phase()),
                 qPrintable(frame_->windowTitle()));
    QTRY_COMPARE_WITH_TIMEOUT(run()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(run()->summary().total, 1);
    QCOMPARE(run()->summary().ng, 1);
    QVERIFY(summary->isVisible());
    QCOMPARE(summary->text(), MainStatusBar::summaryText(run()->summary()));
    QVERIFY(!frame_->findChild<QProgressBar*>(QStringLiteral("runProgress"))->isVisible());
    QTRY_VERIFY2(!frame_->windowTitle().startsWith(QLatin1Char('[')), qPrintable(frame_->windowTitle()));

    // Another list: the summary is not its own; back to the run's list, it is shown again.
    frame_->newDocumentWindow();
    QVERIFY(!summary->isVisible());
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(doc->parentWidget()));
    QVERIFY(summary->isVisible());
}

QTEST_MAIN(TestParallelRun)
#include "parallel_run_test.moc"
