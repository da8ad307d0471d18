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
#include <QTreeView>

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
    void editorGetsOnlyAbsoluteExistingFiles();
    void diagnosticsViewTakesInOnlyWhatChanged();
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
    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->scheduler()->phase(), RunPhase::Idle, 30000);
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

// dpct's output names the file: a name that an editor would read as an option or a command
// ("+!touch x" for vim, "--eval=..." for emacs) reaches it only as an absolute path of a file that
// exists, and the view says which file the current row opens.
void TestInsight::editorGetsOnlyAbsoluteExistingFiles()
{
    QString program, error;
    QStringList args;
    QVERIFY(!editorArguments(QStringLiteral("vim +{line} {file}"), {QStringLiteral("+!touch PWNED"), 3, 1},
                             program, args, error));
    QVERIFY(error.contains(QStringLiteral("+!touch PWNED")));

    QList<SourceLocation> opened;
    setSourceOpener([&](const SourceLocation& where, const QString&, QString&) {
        opened.append(where);
        return true;
    });
    const QString hostile = QStringLiteral("+!touch PWNED");
    QVERIFY(!openSourceLocation({hostile, 3, 1}, QStringLiteral("vim +{line} {file}"), error));
    QVERIFY(opened.isEmpty()); // it does not exist: nothing is started
    QVERIFY2(error.contains(sandbox_->file(hostile)), qPrintable(error));
    QVERIFY(!openSourceLocation({sandbox_->path(), 3, 1}, QString(), error)); // a folder
    QVERIFY(opened.isEmpty());

    QFile file(sandbox_->file(hostile));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(openSourceLocation({hostile, 3, 1}, QStringLiteral("vim +{line} {file}"), error));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].file, sandbox_->file(hostile));
    QVERIFY(editorArguments(QStringLiteral("vim +{line} {file}"), opened[0], program, args, error));
    QCOMPARE(args, (QStringList{QStringLiteral("+3"), sandbox_->file(hostile)}));

    // The view names the file the current row opens, or says why none will.
    CDpctData item;
    item.path = sandbox_->file(QStringLiteral("a.cu")).toStdString();
    item.elapsedMs = 1;
    item.diagnostics = {{hostile.toStdString(), 3, 1, "warning", "DPCT1000", "m"},
                        {"--eval=(kill-emacs)", 1, 1, "warning", "DPCT1001", "m"}};
    DiagnosticsView view(*settings_);
    view.refresh({&item});
    QTRY_COMPARE(view.pending(), 0);
    QAbstractItemModel* model = view.tree()->model();
    view.tree()->setCurrentIndex(model->index(0, 0));
    QVERIFY2(view.openTarget()->text().contains(sandbox_->file(hostile)),
             qPrintable(view.openTarget()->text()));
    view.tree()->setCurrentIndex(model->index(1, 0));
    QVERIFY2(view.openTarget()->text().contains(sandbox_->file(QStringLiteral("--eval=(kill-emacs)"))),
             qPrintable(view.openTarget()->text()));
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!view.openRow(model->index(1, 0))); // does not exist: said, not started
    QCOMPARE(DialogSeam::last().id, 740);
    QCOMPARE(opened.size(), 1);
}

// Left open during a run, the view takes in only the item that finished: the rows already shown
// stay (with the user's place among them), and the counts grow.
void TestInsight::diagnosticsViewTakesInOnlyWhatChanged()
{
    std::vector<CDpctData> items(3);
    const auto diagnosticsOf = [](const std::string& file, int n, const char* code) {
        std::vector<DpctDiagnostic> ds;
        for (int i = 0; i < n; ++i)
            ds.push_back({file, i + 1, 1, "warning", code, "message"});
        return ds;
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].path = "/s/" + std::to_string(i) + ".cu";
        items[i].elapsedMs = 5;
        items[i].diagnostics = diagnosticsOf(items[i].path, 3, "DPCT1003");
    }
    const std::vector<const CDpctData*> all = {&items[0], &items[1], &items[2]};
    DiagnosticsView view(*settings_);
    view.refresh(all);
    QTRY_COMPARE(view.pending(), 0);
    QAbstractItemModel* model = view.tree()->model();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 1).data().toInt(), 9);
    const QModelIndex place = model->index(4, 0, model->index(0, 0));
    view.tree()->setCurrentIndex(place);
    const QPersistentModelIndex kept(place);
    const QString placeText = place.data().toString();

    // Nothing changed: nothing to take in.
    view.refresh(all);
    QCOMPARE(view.pending(), 0);
    // One item finishes again with other diagnostics: only it is taken in.
    items[2].diagnostics = diagnosticsOf(items[2].path, 5, "DPCT1049");
    items[2].elapsedMs = 7;
    view.refresh(all);
    QCOMPARE(view.pending(), 1);
    QTRY_COMPARE(view.pending(), 0);
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(0, 1).data().toInt(), 6);
    QCOMPARE(model->index(1, 1).data().toInt(), 5);
    QVERIFY(kept.isValid());
    QCOMPARE(kept.data().toString(), placeText);
    QCOMPARE(view.tree()->currentIndex(), QModelIndex(kept));
    // An item no longer listed takes its diagnostics with it; dropped ones are counted.
    items[0].diagnosticsDropped = 12;
    items[0].elapsedMs = 9;
    view.refresh({&items[0], &items[2]});
    QTRY_COMPARE(view.pending(), 0);
    QCOMPARE(model->index(0, 1).data().toInt(), 3);
    auto* summary = view.findChild<QLabel*>(QStringLiteral("diagnosticsSummary"));
    QVERIFY2(summary->text().contains(QStringLiteral("12")), qPrintable(summary->text()));
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
    QTRY_COMPARE(view->pending(), 0);
    QAbstractItemModel* model = view->tree()->model();
    int total = 0;
    QStringList codes;
    for (int i = 0; i < model->rowCount(); ++i) {
        codes.append(model->index(i, 0).data().toString());
        total += model->index(i, 1).data().toInt();
    }
    QCOMPARE(total, 5);
    QVERIFY2(codes == (QStringList{QStringLiteral("DPCT1007"), QStringLiteral("error")}),
             qPrintable(codes.join(u',')));
    QVERIFY(model->index(0, 3).data().toString().contains(QStringLiteral(".cu")));

    QList<QPair<SourceLocation, QString>> opened;
    setSourceOpener([&](const SourceLocation& where, const QString& command, QString&) {
        opened.append({where, command});
        return true;
    });
    view->editorEdit()->setText(QStringLiteral("ed +{line} {file}"));
    const QModelIndex code = model->index(1, 0);
    QVERIFY(code.data().toString() == QStringLiteral("error") && model->rowCount(code) == 1);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
    view->tree()->setFocus();
    view->tree()->setCurrentIndex(model->index(0, 0, code));
    QTest::keyClick(view->tree(), Qt::Key_Return);
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
    QVERIFY(!view->openRow(model->index(0, 0)));
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
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Idle);
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
