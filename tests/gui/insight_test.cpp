// What a run leaves to look at and act on, through the simulated toolkit and the real
// interpreter: the diagnostics column, the result pane's counts, the diagnostics view and
// opening a location from it, the question before a run that dpct would refuse in part, re-running
// only the failed items, and exporting the results.

#include "controls/dpct_tree_ctrl.h"
#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/core_messages.h"
#include "ui/diagnostics_view.h"
#include "ui/document_files.h"
#include "ui/dpct_result_ctrl.h"
#include "ui/main_frame.h"
#include "ui/run_controller.h"
#include "ui/source_opener.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::Sandbox;

class TestInsight : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void editorCommandLines();
    void diagnosticsInTheListThePaneAndTheView();
    void conflictQuestionThenRunAnyway();
    void rerunFailedKeepsTheOthersResults();
    void exportCsvAndJson();

private:
    void runAndWait(int command);
    CChildFrame* child() const { return qobject_cast<CChildFrame*>(frame_->activeDocument()); }
    QString writeCu(const QString& name, const QString& directives);
};

void TestInsight::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestInsight::init()
{
    openMainWindow(
        [](Settings& settings) { settings.oneapiRoot = testing_gui::simToolkitRoot().toStdString(); });
    // Relative out-roots and dpct's default one lie in the folder the program runs in.
    QDir::setCurrent(sandbox_->path());
}

void TestInsight::cleanup()
{
    setSourceOpener({});
    closeMainWindow();
}

void TestInsight::runAndWait(int command)
{
    QVERIFY(frame_->action(command)->isEnabled());
    frame_->action(command)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->engine()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(frame_->activeDocument()->currentRow(), -1);
}

QString TestInsight::writeCu(const QString& name, const QString& directives)
{
    const QString path = sandbox_->file(name);
    QFile cu(path);
    if (!cu.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    cu.write(QStringLiteral("// dpct-sim: %1\n__global__ void k(float* a)\n{\n    __syncthreads();\n"
                            "    cudaMalloc(&a, 4);\n}\n")
                 .arg(directives)
                 .toUtf8());
    return path;
}

void TestInsight::editorCommandLines()
{
    const SourceLocation where{QStringLiteral("/src/my dir/a;rm x.cu"), 12, 7};
    QString program, error;
    QStringList args;
    QVERIFY(
        editorArguments(QStringLiteral("code --goto {file}:{line}:{column}"), where, program, args, error));
    QCOMPARE(program, QStringLiteral("code"));
    // The file name stays one argument whatever it holds: no shell sees it.
    QCOMPARE(args, (QStringList{QStringLiteral("--goto"), QStringLiteral("/src/my dir/a;rm x.cu:12:7")}));
    QVERIFY(editorArguments(QStringLiteral("\"C:\\Program Files\\Ed\\ed.exe\" -n{line}"), where, program,
                            args, error));
    QCOMPARE(program, QStringLiteral("C:\\Program Files\\Ed\\ed.exe"));
    QCOMPARE(args, (QStringList{QStringLiteral("-n12"), where.file})); // no {file}: the file comes last
    QVERIFY(!editorArguments(QStringLiteral("\"ed"), where, program, args, error));
    QVERIFY(!editorArguments(QStringLiteral("   "), where, program, args, error));
}

void TestInsight::diagnosticsInTheListThePaneAndTheView()
{
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("diag.txt"),
        {{QStringLiteral("warn.cu"), QStringLiteral("result=warnings warnings=4")},
         {QStringLiteral("ok.cu"), QStringLiteral("result=ok")},
         {QStringLiteral("perr.cu"), QStringLiteral("result=parse-error parse-errors=1")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    CChildFrame* doc = child();
    CDpctTreeCtrl* list = doc->list();
    QCOMPARE(list->rowCountText(0), QString()); // not run yet
    // Before any run the view says that nothing has run, not that a run found nothing.
    doc->showDiagnostics();
    const QString before =
        doc->diagnosticsView()->findChild<QLabel*>(QStringLiteral("diagnosticsSummary"))->text();
    QVERIFY2(!before.isEmpty() && before != QCoreApplication::translate("tovalo::gui::DiagnosticsView",
                                                                        "The last run gave no diagnostics."),
             qPrintable(before));
    doc->diagnosticsView()->close();
    runAndWait(cmd::Start);

    // The count column; the judgement is unchanged by the diagnostics.
    QCOMPARE(list->rowCountText(0), QStringLiteral("4"));
    QCOMPARE(list->rowCountText(1), QStringLiteral("0"));
    QCOMPARE(list->rowCountText(2), QStringLiteral("1"));
    QCOMPARE(list->itemAt(0)->status, ItemStatus::ConvertedOk);
    QCOMPARE(list->itemAt(2)->status, ItemStatus::SyntaxError);
    QCOMPARE(list->itemAt(0)->diagnostics.front().file,
             sandbox_->file(QStringLiteral("warn.cu")).toStdString());

    // The result pane names the codes of the shown item.
    list->selectRow(0);
    doc->showItem(list->itemAt(0));
    QVERIFY2(doc->resultCtrl()->diagnosticsText().contains(QStringLiteral("DPCT1007 \u00D74")),
             qPrintable(doc->resultCtrl()->diagnosticsText()));
    doc->showItem(list->itemAt(1));
    QVERIFY(doc->resultCtrl()->diagnosticsText().isEmpty());

    // The view: one row per code, counted over the document, each opening its first location.
    QVERIFY(frame_->action(cmd::Diagnostics)->isEnabled());
    frame_->action(cmd::Diagnostics)->trigger();
    DiagnosticsView* view = doc->diagnosticsView();
    QVERIFY(view && view->isVisible());
    QTreeWidget* tree = view->tree();
    int total = 0;
    QStringList codes;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        codes.append(tree->topLevelItem(i)->text(0));
        total += tree->topLevelItem(i)->text(1).toInt();
    }
    QCOMPARE(total, 5);
    QVERIFY2(codes == (QStringList{QStringLiteral("DPCT1007"), QStringLiteral("error")}),
             qPrintable(codes.join(u',')));
    QVERIFY(tree->topLevelItem(0)->text(3).contains(QStringLiteral(".cu")));

    QList<QPair<SourceLocation, QString>> opened;
    setSourceOpener([&](const SourceLocation& where, const QString& command, QString&) {
        opened.append({where, command});
        return true;
    });
    view->editorEdit()->setText(QStringLiteral("ed +{line} {file}"));
    QTreeWidgetItem* code = tree->findItems(QStringLiteral("error"), Qt::MatchExactly).value(0);
    QVERIFY(code && code->childCount() == 1);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
    tree->setFocus();
    tree->setCurrentItem(code->child(0));
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].first.file, sandbox_->file(QStringLiteral("perr.cu")));
    QVERIFY(opened[0].first.line > 0);
    QCOMPARE(opened[0].second, QStringLiteral("ed +{line} {file}"));
    QCOMPARE(settings_->editorCommand, std::string("ed +{line} {file}"));

    // A location that cannot be opened is said, not swallowed.
    setSourceOpener([](const SourceLocation&, const QString&, QString& error) {
        error = QStringLiteral("no editor");
        return false;
    });
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!view->openRow(tree->topLevelItem(0)));
    QCOMPARE(DialogSeam::last().id, 740);
}

void TestInsight::conflictQuestionThenRunAnyway()
{
    const QString a = writeCu(QStringLiteral("a.cu"), QStringLiteral("result=ok"));
    const QString b = writeCu(QStringLiteral("b.cu"), QStringLiteral("result=ok"));
    // The same folder written two ways: relative to the current folder, and absolute with a
    // trailing separator.
    const QString def = sandbox_->file(QStringLiteral("conflict.txt"));
    QFile f(def);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[Common]\nVersion=01.00.00.00\n\n[%1]\n--out-root=\"out\"\n[%2]\n--comments\n"
                           "--out-root=\"%3/\"\n")
                .arg(a, b, sandbox_->file(QStringLiteral("out")))
                .toUtf8());
    f.close();
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    CDpctTreeCtrl* list = child()->list();

    // Cancel: nothing runs.
    DialogSeam::answerMessage(QMessageBox::Cancel);
    frame_->action(cmd::Start)->trigger();
    QCOMPARE(DialogSeam::last().id, 741);
    QVERIFY(DialogSeam::last().text.contains(QStringLiteral("--comments")));
    QVERIFY(DialogSeam::last().text.contains(b));
    QCOMPARE(frame_->runController()->engine()->phase(), RunPhase::Idle);
    QCOMPARE(list->itemAt(0)->status, ItemStatus::None);

    // Run anyway: dpct refuses the second item, whose output says why.
    DialogSeam::answerMessage(QMessageBox::Yes);
    runAndWait(cmd::Start);
    QCOMPARE(list->itemAt(0)->status, ItemStatus::ConvertedOk);
    QCOMPARE(list->itemAt(1)->status, ItemStatus::ConvertedNg);
    QCOMPARE(list->itemAt(1)->exitCode, -37);
    // The cause is named in the interface language.
    const QString cause = wordMessage(tovalo::Message(tovalo::MessageId::OptionSetRefused));
    QVERIFY(!cause.isEmpty());
    QVERIFY2(
        QString::fromStdString(list->itemAt(1)->resultText).contains(QStringLiteral("[Tovalo] ") + cause),
        list->itemAt(1)->resultText.c_str());
}

void TestInsight::rerunFailedKeepsTheOthersResults()
{
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("rerun.txt"),
        {{QStringLiteral("ok.cu"), QStringLiteral("result=warnings warnings=2")},
         {QStringLiteral("bad.cu"), QStringLiteral("result=exit-code exit-code=-3")},
         {QStringLiteral("perr.cu"), QStringLiteral("result=parse-error")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    CDpctTreeCtrl* list = child()->list();
    QVERIFY(!frame_->action(cmd::RerunFailed)->isEnabled()); // nothing has failed yet
    runAndWait(cmd::Start);
    QCOMPARE(list->itemAt(1)->status, ItemStatus::ConvertedNg);
    const CDpctData okBefore = *list->itemAt(0);

    // The failed items are mended; only they run again.
    writeCu(QStringLiteral("bad.cu"), QStringLiteral("result=ok"));
    writeCu(QStringLiteral("perr.cu"), QStringLiteral("result=ok"));
    QVERIFY(frame_->action(cmd::RerunFailed)->isEnabled());
    runAndWait(cmd::RerunFailed);
    QCOMPARE(list->itemAt(1)->status, ItemStatus::ConvertedOk);
    QCOMPARE(list->itemAt(2)->status, ItemStatus::ConvertedOk);
    QCOMPARE(*list->itemAt(0), okBefore); // same output, diagnostics and elapsed time
    QVERIFY(!frame_->action(cmd::RerunFailed)->isEnabled());
}

void TestInsight::exportCsvAndJson()
{
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("export.txt"),
        {{QStringLiteral("warn.cu"), QStringLiteral("result=warnings warnings=3")},
         {QStringLiteral("bad.cu"), QStringLiteral("result=exit-code exit-code=-3")}});
    openConsole();
    QVERIFY(frame_->openDefinition(def));
    runAndWait(cmd::Start);

    const QString csv = sandbox_->file(QStringLiteral("results.csv"));
    DialogSeam::answerFile(csv);
    QVERIFY(frame_->action(cmd::ExportCsv)->isEnabled());
    frame_->action(cmd::ExportCsv)->trigger();
    QFile c(csv);
    QVERIFY(c.open(QIODevice::ReadOnly));
    const QByteArray bytes = c.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF")); // the byte-order mark spreadsheet programs look for
    const QStringList lines =
        QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(QStringLiteral("path,status,exitCode,elapsedMs,diagnostics,DPCT")),
             qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(QStringLiteral("warn.cu,ok,0,")), qPrintable(lines[1]));
    QVERIFY2(lines[2].contains(QStringLiteral("bad.cu,ng,-3,")), qPrintable(lines[2]));

    const QString json = sandbox_->file(QStringLiteral("results.json"));
    DialogSeam::answerFile(json);
    frame_->action(cmd::ExportJson)->trigger();
    QFile j(json);
    QVERIFY(j.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(j.readAll()).object();
    QCOMPARE(root.value(QStringLiteral("dpctVersion")).toString(), QStringLiteral("2024.2.0"));
    const QJsonArray items = root.value(QStringLiteral("items")).toArray();
    QCOMPARE(items.size(), 2);
    const QJsonObject warn = items[0].toObject();
    QCOMPARE(warn.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
    QVERIFY(warn.value(QStringLiteral("elapsedMs")).toInt() >= 0);
    QCOMPARE(warn.value(QStringLiteral("diagnostics")).toArray().size(), 3);
    int counted = 0;
    for (const QJsonValue v : warn.value(QStringLiteral("diagnosticCounts")).toObject())
        counted += v.toInt();
    QCOMPARE(counted, 3);
    QCOMPARE(items[1].toObject().value(QStringLiteral("exitCode")).toInt(), -3);

    // A place that cannot be written is said; nothing is left behind.
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("no/such/folder/r.csv")));
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!child()->files()->exportResults(false));
    QCOMPARE(DialogSeam::last().id, 742);
    // A folder in the file's place: the reason is worded in the interface language too.
    QVERIFY(QDir(sandbox_->path()).mkpath(QStringLiteral("taken.csv")));
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("taken.csv")));
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!child()->files()->exportResults(false));
    const QString reason = wordMessage(tovalo::Message(tovalo::MessageId::NotRegularFile));
    QVERIFY(reason != QLatin1String("not a regular file"));
    QVERIFY2(DialogSeam::last().text.endsWith(reason), qPrintable(DialogSeam::last().text));
}

QTEST_MAIN(TestInsight)
#include "insight_test.moc"
