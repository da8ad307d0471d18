// The run controller on its own, through the simulated oneAPI toolkit and the real interpreter,
// with a document window that only records what it is told: the order in which the run's
// document hears of a run, the signals the windows rely on, and closing the run's document
// while dpct still converts one of its items.

#include "app/language_pack.h"
#include "data/definition_file.h"
#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "ui/document_window.h"
#include "ui/main_status_bar.h"
#include "ui/run_controller.h"

#include <memory>
#include <vector>

#include <QSignalSpy>
#include <QTest>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::Sandbox;

namespace {

/// A document window that holds items and writes down every call the controller makes.
class RecordingDocument : public DocumentWindow
{
public:
    explicit RecordingDocument(std::vector<CDpctData> items)
    {
        for (CDpctData& item : items)
            items_.push_back(std::make_unique<CDpctData>(std::move(item)));
    }

    QString filePath() const override { return {}; }
    bool loadDefinition(const QString&, QString&) override { return false; }
    bool hasList() const override { return true; }
    int rowCount() const override { return static_cast<int>(items_.size()); }
    std::vector<CDpctData*> runItems() override
    {
        std::vector<CDpctData*> out;
        for (auto& item : items_)
            out.push_back(item.get());
        return out;
    }
    int currentRow() const override { return current_; }
    void runStarted() override
    {
        current_ = 0;
        calls.append(QStringLiteral("started"));
    }
    void runAdvance(bool next) override
    {
        current_ = next ? current_ + 1 : -1;
        calls.append(next ? QStringLiteral("next") : QStringLiteral("end"));
    }
    void itemsChanged() override { ++changes; }
    bool queryClose() override { return true; }
    void applyColors(const Settings&) override {}
    void setRunPhase(RunPhase phase) override { phases.append(phase); }

    QStringList calls;
    QList<RunPhase> phases;
    int changes = 0;

private:
    std::vector<std::unique_ptr<CDpctData>> items_;
    int current_ = -1;
};

} // namespace

class TestRunController : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }
    void init();
    void cleanup();
    void runTellsTheDocumentAndTheWindowsInOrder();
    void closingTheRunsDocumentStopsTheRunAtOnce();
    void withoutOneApiNothingStarts();
    void summaryCountsUsePluralForms();

private:
    std::unique_ptr<RecordingDocument> documentOf(const QList<testing_gui::SourceFile>& sources);
    void openAndWaitForStartUp();

    std::unique_ptr<Sandbox> sandbox_;
    std::unique_ptr<RunController> run_;
};

void TestRunController::init()
{
    sandbox_ = std::make_unique<Sandbox>();
    run_ = std::make_unique<RunController>();
}

void TestRunController::cleanup()
{
    run_.reset();
    QTRY_COMPARE(testing_gui::childProcessCount(), 0);
    sandbox_.reset();
}

std::unique_ptr<RecordingDocument>
TestRunController::documentOf(const QList<testing_gui::SourceFile>& sources)
{
    const QString def = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("run.txt"), sources);
    ReadResult read = readDefinitionFile(def.toStdString());
    if (!read.ok)
        return nullptr;
    return std::make_unique<RecordingDocument>(std::move(read.items));
}

void TestRunController::openAndWaitForStartUp()
{
    QSignalSpy version(run_.get(), &RunController::dpctVersionKnown);
    QString error;
    QVERIFY2(run_->open(testing_gui::simToolkitRoot().toStdString(), error), qPrintable(error));
    QVERIFY(!run_->isIdle()); // the start-up sequence runs
    QVERIFY(!run_->canStart());
    QTRY_VERIFY_WITH_TIMEOUT(run_->canStart(), 30000);
    QCOMPARE(version.count(), 1);
    QCOMPARE(version.at(0).at(0).toString(), QStringLiteral("2024.2.0"));
    QCOMPARE(run_->dpctVersion(), QStringLiteral("2024.2.0"));
}

void TestRunController::runTellsTheDocumentAndTheWindowsInOrder()
{
    auto doc = documentOf({{QStringLiteral("a.cu"), QStringLiteral("result=ok")},
                           {QStringLiteral("b.cu"), QStringLiteral("result=exit-code")},
                           {QStringLiteral("c.cu"), QStringLiteral("result=ok")}});
    QVERIFY(doc);
    openAndWaitForStartUp();

    QSignalSpy phases(run_.get(), &RunController::runPhaseChanged);
    QSignalSpy progress(run_.get(), &RunController::progressChanged);
    QSignalSpy items(run_.get(), &RunController::itemChanged);
    QSignalSpy advanced(run_.get(), &RunController::runAdvanced);
    QByteArray output;
    connect(run_.get(), &RunController::outputArrived, this, [&output](std::string_view utf8) {
        output.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
    });

    QVERIFY(run_->start(doc.get()));
    QCOMPARE(run_->runDocument(), doc.get());
    QVERIFY(!run_->start(doc.get())); // one run at a time
    QTRY_VERIFY_WITH_TIMEOUT(run_->isIdle() && doc->currentRow() == -1, 30000);

    QCOMPARE(doc->calls, (QStringList{QStringLiteral("started"), QStringLiteral("next"),
                                      QStringLiteral("next"), QStringLiteral("end")}));
    QCOMPARE(advanced.count(), 3);
    QVERIFY(doc->changes >= 3);
    QVERIFY(items.count() >= 3);
    const std::vector<CDpctData*> converted = doc->runItems();
    QCOMPARE(converted[0]->status, ItemStatus::ConvertedOk);
    QCOMPARE(converted[1]->status, ItemStatus::ConvertedNg);
    QCOMPARE(converted[2]->status, ItemStatus::ConvertedOk);
    // The phases go through the item steps and back to idle; the last progress is complete.
    QList<RunPhase> seen;
    for (const QList<QVariant>& args : phases)
        seen.append(args.at(0).value<RunPhase>());
    QVERIFY(seen.contains(RunPhase::ItemRunning));
    QCOMPARE(seen.last(), RunPhase::Idle);
    QCOMPARE(progress.last().at(0).toInt(), 3);
    QCOMPARE(progress.last().at(1).toInt(), 3);
    QVERIFY(output.contains("c.cu"));
    // The controller leaves the input lock of documents to the window that shows them.
    QVERIFY(doc->phases.isEmpty());
    QVERIFY(run_->canStart());
}

void TestRunController::closingTheRunsDocumentStopsTheRunAtOnce()
{
    auto doc = documentOf({{QStringLiteral("slow1.cu"), QStringLiteral("result=ok delay-ms=1500")},
                           {QStringLiteral("slow2.cu"), QStringLiteral("result=ok")}});
    QVERIFY(doc);
    openAndWaitForStartUp();
    QVERIFY(run_->start(doc.get()));
    QTRY_COMPARE_WITH_TIMEOUT(run_->phase(), RunPhase::ItemRunning, 30000);

    // Another document's closing does not touch the run.
    RecordingDocument other({});
    run_->documentClosing(&other);
    QCOMPARE(run_->phase(), RunPhase::ItemRunning);

    run_->documentClosing(doc.get());
    QCOMPARE(run_->runDocument(), nullptr);
    QVERIFY(!isRunPhase(run_->phase()));
    for (CDpctData* item : doc->runItems())
        QCOMPARE(item->status, ItemStatus::None);
    // The items can go now: the engine keeps no pointer to them. The stopped command's output
    // and prompt still arrive and must not reach them (the address sanitizer would report it).
    QCOMPARE(doc->calls.first(), QStringLiteral("started"));
    doc.reset();
    QVERIFY(!run_->canPauseOrStop());
    QVERIFY(!run_->canStart()); // until the stopped command's prompt is back
    QTRY_VERIFY_WITH_TIMEOUT(run_->canStart(), 15000);
    run_->close();
    QVERIFY(!run_->isOpen());
    QCOMPARE(run_->phase(), RunPhase::Idle);
}

void TestRunController::withoutOneApiNothingStarts()
{
    auto doc = documentOf({{QStringLiteral("a.cu"), QStringLiteral("result=ok")}});
    QVERIFY(doc);
    QString error;
    QVERIFY2(run_->open(std::string(), error), qPrintable(error));
    QVERIFY(run_->isIdle());
    QVERIFY(!run_->canStart());
    QVERIFY(!run_->start(doc.get()));
    QCOMPARE(doc->calls, QStringList());
    QCOMPARE(run_->runDocument(), nullptr);
    run_->stop(); // nothing to stop: no effect
    QCOMPARE(doc->calls, QStringList());
}

void TestRunController::summaryCountsUsePluralForms()
{
    LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
    LanguagePack english;
    QVERIFY(english.load(1));
    RunSummary summary;
    summary.total = summary.syntaxErrors = 1;
    const QString one = MainStatusBar::summaryText(summary);
    QVERIFY2(one.contains(QLatin1String("Finished 1 item:")) &&
                 one.contains(QLatin1String("1 with syntax errors")),
             qPrintable(one));
    summary.total = summary.syntaxErrors = 2;
    QVERIFY(MainStatusBar::summaryText(summary).contains(QLatin1String("Finished 2 items:")));
}

QTEST_MAIN(TestRunController)
#include "run_controller_test.moc"
