// A run through the simulated oneAPI toolkit and the real interpreter: the start-up sequence
// and a run as the status bar and the item list show them, the enabling rules in each run
// phase, pause, stop, and closing while a run is under way.

#include "controls/dpct_tree_ctrl.h"
#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/document_window.h"
#include "ui/main_frame.h"
#include "ui/main_status_bar.h"
#include "ui/message_box.h"
#include "ui/output_pane.h"
#include "ui/run_controller.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::Sandbox;

class TestRun : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startUpThenRunOfTheExample();
    void enablingPauseAndStop();
    void closingTheRunsDocumentStopsTheRun();
    void quittingDuringARunIsPromptAndClean();
    void undecidedItemsEndNgWithTheirExitStatus();
    void pausedRowAndStopThatInterruptsDpct();
    void quitAsksEveryQuestionBeforeClosingAnything();
    void runShowsDoneOfTotalThenItsSummary();
    void refusedItemIsReportedInTheInterfaceLanguage();

private:
    QString phasePane() const { return frame_->findChild<QLabel*>(QStringLiteral("statusPhase"))->text(); }
    QProgressBar* progress() const { return frame_->findChild<QProgressBar*>(QStringLiteral("runProgress")); }
    QLabel* summaryPane() const { return frame_->findChild<QLabel*>(QStringLiteral("statusSummary")); }

    QStringList statusTexts_;
};

void TestRun::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestRun::init()
{
    openMainWindow(
        [](Settings& settings) { settings.oneapiRoot = testing_gui::simToolkitRoot().toStdString(); },
        [this](CMainFrame& frame) {
            statusTexts_.clear();
            connect(&frame, &CMainFrame::runStatusChanged, this, [this](int pane, const QString& text) {
                statusTexts_.append(QString::number(pane) + QLatin1Char(':') + text);
            });
        });
}

void TestRun::cleanup()
{
    closeMainWindow();
}

void TestRun::startUpThenRunOfTheExample()
{
    // The example's paths are relative to its own folder, whatever folder the program runs in.
    QDir examples(QStringLiteral(TOVALO_EXAMPLES_DIR));
    QDir(sandbox_->path()).mkpath(QStringLiteral("examples/cuda"));
    for (const QString& name :
         QDir(examples.filePath(QStringLiteral("cuda"))).entryList({QStringLiteral("*.cu")}))
        QVERIFY(QFile::copy(examples.filePath(QStringLiteral("cuda/") + name),
                            sandbox_->file(QStringLiteral("examples/cuda/") + name)));
    QVERIFY(QFile::copy(examples.filePath(QStringLiteral("vector-add.txt")),
                        sandbox_->file(QStringLiteral("examples/vector-add.txt"))));
    QDir(sandbox_->path()).mkpath(QStringLiteral("elsewhere"));
    QDir::setCurrent(sandbox_->file(QStringLiteral("elsewhere")));

    // During the start-up sequence nothing that needs the idle phase is enabled.
    QVERIFY(frame_->openDefinition(sandbox_->file(QStringLiteral("examples/vector-add.txt"))));
    QString error;
    QVERIFY2(frame_->openConsole(error), qPrintable(error));
    QVERIFY(frame_->runController()->scheduler()->phase() != RunPhase::Idle);
    for (int id : {cmd::Start, cmd::Stop, cmd::PauseResume, cmd::Open, cmd::New, cmd::Options})
        QVERIFY2(!frame_->action(id)->isEnabled(), qPrintable(QString::number(id)));
    QTRY_VERIFY_WITH_TIMEOUT(frame_->runController()->scheduler()->startUpDone(), 30000);
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Idle);
    QVERIFY(frame_->action(cmd::Open)->isEnabled());
    QCOMPARE(statusTexts_.mid(0, 4),
             (QStringList{QStringLiteral("1:setvars 起動開始"), QStringLiteral("1:setvars 実行中..."),
                          QStringLiteral("1:dpctバージョン取得開始"),
                          QStringLiteral("1:dpctバージョン取得中...")}));
    QVERIFY2(statusTexts_.contains(QStringLiteral("2:dpct ver: 2024.2.0")),
             qPrintable(statusTexts_.join(u'|')));
    QCOMPARE(statusTexts_.last(), QStringLiteral("1: "));
    // The interpreter's prompt reached the output pane.
    frame_->outputPane()->flushAll();
    QVERIFY(frame_->outputPane()->log()->toPlainText().contains(QStringLiteral("tovalo> ")));

    DocumentWindow* doc = frame_->activeDocument();
    QCOMPARE(doc->rowCount(), 3);
    QVERIFY(frame_->action(cmd::Start)->isEnabled());
    statusTexts_.clear();
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QVERIFY(isRunPhase(frame_->runController()->scheduler()->phase()));
    QCOMPARE(doc->currentRow(), 0);
    QVERIFY(progress()->isVisible());
    QCOMPARE(progress()->maximum(), 3);

    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->scheduler()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(doc->currentRow(), -1);
    QCOMPARE(statusTexts_.first(), QStringLiteral("1:dpct変換開始"));
    QCOMPARE(statusTexts_.count(QStringLiteral("1:dpct変換中...")), 3);
    QCOMPARE(statusTexts_.last(), QStringLiteral("1: "));
    // Once idle the bar does not stay full: the run's summary takes its place.
    QVERIFY(!progress()->isVisible());
    QVERIFY(summaryPane()->isVisible());

    const std::vector<CDpctData*> items = doc->runItems();
    QCOMPARE(items[0]->status, ItemStatus::ConvertedOk); // result=ok
    QCOMPARE(items[1]->status, ItemStatus::ConvertedOk); // warnings only
    QVERIFY(items[2]->status == ItemStatus::SyntaxError || items[2]->status == ItemStatus::ConvertedOk);
    QVERIFY(QString::fromStdString(items[0]->resultText).contains(QStringLiteral("vector_add.cu")));
    QVERIFY(!QString::fromStdString(items[0]->resultText).contains(QStringLiteral("tovalo> ")));

    // The console text reached the output pane, and the list shows the statuses.
    frame_->outputPane()->flushAll();
    const QString output = frame_->outputPane()->log()->toPlainText();
    QVERIFY(output.contains(QStringLiteral("matrix_mul.cu")));
    auto* list = doc->findChild<CDpctTreeCtrl*>();
    QCOMPARE(list->itemAt(0)->status, ItemStatus::ConvertedOk);
    QVERIFY(!list->isInputLocked());
    QVERIFY(frame_->action(cmd::Start)->isEnabled());
    // dpct ran in the list's folder: the out-root "out" is beside the list, nothing elsewhere.
    QVERIFY(QFile::exists(sandbox_->file(QStringLiteral("examples/out/vector_add.dp.cpp"))));
    QVERIFY(QDir(sandbox_->file(QStringLiteral("elsewhere"))).isEmpty());
}

void TestRun::enablingPauseAndStop()
{
    const QString def =
        testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("slow.txt"),
                                     {{QStringLiteral("s1.cu"), QStringLiteral("result=ok delay-ms=1500")},
                                      {QStringLiteral("s2.cu"), QStringLiteral("result=ok delay-ms=1500")},
                                      {QStringLiteral("s3.cu"), QStringLiteral("result=ok delay-ms=1500")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    DocumentWindow* doc = frame_->activeDocument();
    QVERIFY(frame_->action(cmd::Start)->isEnabled());
    QVERIFY(!frame_->action(cmd::Stop)->isEnabled());
    QVERIFY(!frame_->action(cmd::PauseResume)->isEnabled());

    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);
    for (int id : {cmd::Start, cmd::Open, cmd::New, cmd::Options})
        QVERIFY2(!frame_->action(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(frame_->action(cmd::Stop)->isEnabled());
    QVERIFY(frame_->action(cmd::PauseResume)->isEnabled());
    Q_EMIT frame_->findChild<QMenu*>(QStringLiteral("menuFile"))->aboutToShow();
    for (QAction* recent : frame_->findChild<QMenu*>(QStringLiteral("menuRecent"))->actions())
        QVERIFY(!recent->isEnabled());

    // A second document has no current row: the run commands are off there.
    frame_->newDocumentWindow();
    QVERIFY(!frame_->action(cmd::Stop)->isEnabled());
    QVERIFY(!frame_->action(cmd::Start)->isEnabled());
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(doc->parentWidget()));
    QCOMPARE(frame_->activeDocument(), doc);

    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Paused);
    QCOMPARE(phasePane(), QStringLiteral("dpct実行一時停止中"));
    QVERIFY(frame_->action(cmd::PauseResume)->isChecked());
    QVERIFY(frame_->action(cmd::Stop)->isEnabled());
    // The running item goes on to its end and is judged; nothing new starts until resumed.
    const std::vector<CDpctData*> items = doc->runItems();
    QTRY_COMPARE_WITH_TIMEOUT(items[0]->status, ItemStatus::ConvertedOk, 15000);
    QVERIFY(QFile::exists(sandbox_->file(QStringLiteral("out/s1.dp.cpp"))));
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Paused);
    QCOMPARE(frame_->runController()->runningCount(), 0);
    QCOMPARE(items[1]->status, ItemStatus::Waiting);
    QVERIFY(frame_->action(cmd::PauseResume)->isEnabled());
    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QVERIFY(isRunPhase(frame_->runController()->scheduler()->phase()));
    QVERIFY(frame_->runController()->scheduler()->phase() != RunPhase::Paused);
    QVERIFY(!frame_->action(cmd::PauseResume)->isChecked());

    // Stop while paused: the run ends, unfinished items lose their status, the bar goes.
    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QTest::keyClick(frame_.get(), Qt::Key_F5, Qt::ShiftModifier);
    QCOMPARE(doc->currentRow(), -1);
    QVERIFY(!progress()->isVisible());
    QTRY_COMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Idle);
    for (CDpctData* item : doc->runItems())
        QVERIFY(item->status == ItemStatus::None || item->status == ItemStatus::ConvertedOk);
    QVERIFY(!frame_->action(cmd::Stop)->isEnabled());
    // Start comes back once the stopped command has finished in the console.
    QTRY_VERIFY_WITH_TIMEOUT(frame_->action(cmd::Start)->isEnabled(), 10000);
    QVERIFY(!frame_->runController()->scheduler()->stoppedCommandRunning());
}

void TestRun::closingTheRunsDocumentStopsTheRun()
{
    const QString def =
        testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("close.txt"),
                                     {{QStringLiteral("c1.cu"), QStringLiteral("result=ok delay-ms=1000")},
                                      {QStringLiteral("c2.cu"), QStringLiteral("result=ok delay-ms=1000")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);
    // The close box does nothing during a run ...
    frame_->mdiArea()->closeActiveSubWindow();
    testing_gui::closeSettled();
    QCOMPARE(frame_->documentWindows().size(), 1);
    QVERIFY(!frame_->action(cmd::Close)->isEnabled());
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);
    // ... but quitting closes the window, and its run is stopped before the items go.
    DialogSeam::answerMessage(QMessageBox::Yes);
    QVERIFY(frame_->close());
    QTRY_COMPARE(frame_->documentWindows().size(), 0);
    // The console is closed and its interpreter ended and reaped: nothing is left that could
    // still report on the freed items.
    QVERIFY(!frame_->runController()->isOpen());
    QCOMPARE(frame_->runController()->runDocument(), nullptr);
    QTRY_COMPARE(testing_gui::childProcessCount(), 0);
}

void TestRun::quittingDuringARunIsPromptAndClean()
{
    const QString def =
        testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("long.txt"),
                                     {{QStringLiteral("l1.cu"), QStringLiteral("result=ok delay-ms=60000")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);

    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(!frame_->close());
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);

    DialogSeam::answerMessage(QMessageBox::Yes);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(frame_->close());
    // Closing must not wait for the one-minute dpct command (nor sit out a long grace period).
    qInfo("closing during a run took %lld ms", static_cast<long long>(clock.elapsed()));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    // Closed for real: the interpreter is gone too (and the one-minute dpct with it).
    QVERIFY(!frame_->runController()->isOpen());
    QCOMPARE(testing_gui::childProcessCount(), 0);
}

void TestRun::undecidedItemsEndNgWithTheirExitStatus()
{
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("undecided.txt"),
        {{QStringLiteral("crash.cu"), QStringLiteral("result=crash")},
         {QStringLiteral("quiet.cu"), QStringLiteral("result=silent exit-code=3")},
         {QStringLiteral("ok.cu"), QStringLiteral("result=ok")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    DocumentWindow* doc = frame_->activeDocument();
    auto* list = doc->findChild<CDpctTreeCtrl*>();
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->scheduler()->phase(), RunPhase::Idle, 30000);
    // No row is left converting: no current row, no locked list, and each row's own status.
    QCOMPARE(doc->currentRow(), -1);
    QVERIFY(!list->isInputLocked());
    QCOMPARE(list->itemAt(0)->status, ItemStatus::ConvertedNg);
    QCOMPARE(list->itemAt(0)->exitCode, 139);
    QCOMPARE(list->itemAt(1)->status, ItemStatus::ConvertedNg);
    QCOMPARE(list->itemAt(1)->exitCode, 3);
    QCOMPARE(list->itemAt(2)->status, ItemStatus::ConvertedOk);
    list->selectRow(0);
    QVERIFY2(list->accessibleDescription().endsWith(CDpctTreeCtrl::statusText(ItemStatus::ConvertedNg)),
             qPrintable(list->accessibleDescription()));
    QVERIFY(frame_->action(cmd::Start)->isEnabled());
}

void TestRun::pausedRowAndStopThatInterruptsDpct()
{
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("hour.txt"),
        {{QStringLiteral("hour.cu"), QStringLiteral("result=warnings warnings=2 delay-ms=3600000")},
         {QStringLiteral("next.cu"), QStringLiteral("result=ok")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    DocumentWindow* doc = frame_->activeDocument();
    auto* list = doc->findChild<CDpctTreeCtrl*>();
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    // Both warnings are out: dpct itself runs, and would for an hour.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            frame_->outputPane()->flushAll();
            return frame_->outputPane()->log()->toPlainText().count(QStringLiteral("warning: DPCT")) == 2;
        }(),
        20000);

    // Paused, nothing new starts, but the running item goes on: its row still says
    // "converting", and the status bar says the run is paused with one item running.
    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Paused);
    QCOMPARE(phasePane(), QStringLiteral("dpct実行一時停止中"));
    auto* running = frame_->findChild<QLabel*>(QStringLiteral("statusRunning"));
    QVERIFY(running->isVisible());
    QCOMPARE(running->text(), MainStatusBar::runningText(1));
    list->selectRow(0);
    QCOMPARE(list->rowStatusText(ItemStatus::Converting), CDpctTreeCtrl::statusText(ItemStatus::Converting));
    QVERIFY2(list->accessibleDescription().endsWith(CDpctTreeCtrl::statusText(ItemStatus::Converting)),
             qPrintable(list->accessibleDescription()));
    QCOMPARE(doc->runItems()[1]->status, ItemStatus::Waiting);
    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QVERIFY(frame_->runController()->scheduler()->phase() != RunPhase::Paused);

    // Stop interrupts dpct; the status bar says so until its prompt is back.
    statusTexts_.clear();
    QTest::keyClick(frame_.get(), Qt::Key_F5, Qt::ShiftModifier);
    QCOMPARE(MainStatusBar::stoppingText(), QStringLiteral("停止中..."));
    QVERIFY2(statusTexts_.contains(QStringLiteral("1:") + MainStatusBar::stoppingText()),
             qPrintable(statusTexts_.join(u'|')));
    QTRY_VERIFY_WITH_TIMEOUT(frame_->action(cmd::Start)->isEnabled(), 10000);
    QCOMPARE(phasePane(), QStringLiteral(" "));
    QCOMPARE(statusTexts_.last(), QStringLiteral("1: "));
    for (CDpctData* item : doc->runItems())
        QCOMPARE(item->status, ItemStatus::None);
    QCOMPARE(doc->currentRow(), -1);
}

void TestRun::quitAsksEveryQuestionBeforeClosingAnything()
{
    const QString def =
        testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("long.txt"),
                                     {{QStringLiteral("l1.cu"), QStringLiteral("result=ok delay-ms=60000")}});
    openConsole();
    // The modified document comes first: windows close last to first, so closing before asking
    // would take the run's window (and the run) before the save question.
    auto* modified = static_cast<CChildFrame*>(frame_->newDocumentWindow());
    CDpctData added;
    added.path = sandbox_->file(QStringLiteral("added.cu")).toStdString();
    modified->document().add(added);
    QVERIFY(modified->isModified());
    QVERIFY(frame_->openDefinition(def));
    DocumentWindow* running = frame_->activeDocument();
    QVERIFY(running != modified);
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_COMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);

    // The run's question, then the save question; Cancel on the last keeps every window and the run.
    DialogSeam::resetLog();
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerMessage(QMessageBox::Cancel);
    QVERIFY(!frame_->close());
    QCOMPARE(DialogSeam::shownCount(), 2);
    QVERIFY(DialogSeam::last().text.contains(QStringLiteral("保存")));
    QCOMPARE(frame_->documentWindows().size(), 2);
    QVERIFY(modified->isModified());
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);
    QCOMPARE(frame_->runController()->runDocument(), running);

    // "No" to the run's question asks nothing more and changes nothing.
    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(!frame_->close());
    QCOMPARE(DialogSeam::shownCount(), 3);
    QCOMPARE(frame_->documentWindows().size(), 2);
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);

    // With nothing running and nothing modified, quitting asks nothing.
    frame_->runController()->stop();
    QTRY_VERIFY_WITH_TIMEOUT(frame_->action(cmd::Start)->isEnabled() || frame_->runController()->canStart(),
                             10000);
    modified->document().setModified(false);
    QVERIFY(frame_->close());
    QCOMPARE(DialogSeam::shownCount(), 3);
    QCOMPARE(frame_->documentWindows().size(), 0);
    QCOMPARE(testing_gui::childProcessCount(), 0);
}

void TestRun::runShowsDoneOfTotalThenItsSummary()
{
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("mixed.txt"),
        {{QStringLiteral("ok.cu"), QStringLiteral("result=ok delay-ms=400")},
         {QStringLiteral("bad.cu"), QStringLiteral("result=exit-code exit-code=2 message=\"Error: bad\"")},
         {QStringLiteral("parse.cu"), QStringLiteral("result=parse-error")},
         {QStringLiteral("ok2.cu"), QStringLiteral("result=ok")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    DocumentWindow* doc = frame_->activeDocument();
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    // During the run: "done / total" on the bar and the same progress in the title.
    QTRY_COMPARE(frame_->runController()->scheduler()->phase(), RunPhase::ItemRunning);
    QCOMPARE(progress()->text(), QStringLiteral("0 / 4"));
    QTRY_VERIFY2(frame_->windowTitle().startsWith(QStringLiteral("[0/4] ")),
                 qPrintable(frame_->windowTitle()));
    QVERIFY(!summaryPane()->isVisible());

    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->scheduler()->phase(), RunPhase::Idle, 30000);
    const RunSummary& summary = frame_->runController()->summary();
    QCOMPARE(summary.total, 4);
    QCOMPARE(summary.ok, 2);
    QCOMPARE(summary.ng, 1);
    QCOMPARE(summary.syntaxErrors, 1);
    QVERIFY(!summary.stopped);
    QVERIFY(summary.elapsedMs >= 400);
    // The counts agree with the list.
    int syntax = 0;
    for (CDpctData* item : doc->runItems())
        syntax += item->status == ItemStatus::SyntaxError ? 1 : 0;
    QCOMPARE(syntax, 1);

    // Idle: no stale bar, a summary in the interface language, no progress in the title.
    QVERIFY(!progress()->isVisible());
    QVERIFY(summaryPane()->isVisible());
    QCOMPARE(summaryPane()->text(), MainStatusBar::summaryText(summary));
    QVERIFY(summaryPane()->text().contains(MainStatusBar::elapsedText(summary.elapsedMs)));
    QTRY_VERIFY2(!frame_->windowTitle().startsWith(QLatin1Char('[')), qPrintable(frame_->windowTitle()));

    // A stopped run says how far it got; the next run's bar replaces the summary.
    const QString slow =
        testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("slow.txt"),
                                     {{QStringLiteral("s1.cu"), QStringLiteral("result=ok")},
                                      {QStringLiteral("s2.cu"), QStringLiteral("result=ok delay-ms=60000")},
                                      {QStringLiteral("s3.cu"), QStringLiteral("result=ok")}});
    QVERIFY(frame_->openDefinition(slow));
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QVERIFY(progress()->isVisible());
    QVERIFY(!summaryPane()->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->scheduler()->doneCount(), 1, 20000);
    QTRY_VERIFY(progress()->text() == QStringLiteral("1 / 3"));
    QTest::keyClick(frame_.get(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(frame_->runController()->summary().stopped);
    QCOMPARE(frame_->runController()->summary().finished(), 1);
    QVERIFY(summaryPane()->isVisible());
    QVERIFY(!progress()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(frame_->action(cmd::Start)->isEnabled(), 10000);

    // Elapsed times read as minutes and seconds, hours from an hour on.
    QCOMPARE(MainStatusBar::elapsedText(0), QStringLiteral("0:00"));
    QCOMPARE(MainStatusBar::elapsedText(65'400), QStringLiteral("1:05"));
    QCOMPARE(MainStatusBar::elapsedText(3'725'000), QStringLiteral("1:02:05"));
}

void TestRun::refusedItemIsReportedInTheInterfaceLanguage()
{
    // The engine's refusal reaches the item's result and the output pane in Japanese.
    openConsole();
    auto* doc = static_cast<CChildFrame*>(frame_->newDocumentWindow());
    CDpctData refused;
    refused.path = sandbox_->file(QStringLiteral("bad\nname.cu")).toStdString();
    doc->document().add(refused);
    doc->document().setModified(false);
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QTRY_VERIFY_WITH_TIMEOUT(frame_->action(cmd::Start)->isEnabled(), 10000);
    const std::vector<CDpctData*> items = doc->runItems();
    QCOMPARE(items.size(), std::size_t(1));
    QCOMPARE(items[0]->status, ItemStatus::ConvertedNg);
    const QString expected =
        QStringLiteral("[Tovalo] 変換しませんでした：ソースのパスに改行が含まれています。\n");
    QCOMPARE(QString::fromStdString(items[0]->resultText), expected);
    frame_->outputPane()->flushAll();
    QVERIFY2(frame_->outputPane()->log()->toPlainText().contains(expected.trimmed()),
             qPrintable(frame_->outputPane()->log()->toPlainText()));
}

QTEST_MAIN(TestRun)
#include "run_test.moc"
