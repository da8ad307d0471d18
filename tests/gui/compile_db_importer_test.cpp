// File > Import Compilation Database: the dialog, a new list or the active one (with its
// duplicate rule), the summary message, and a database that cannot be read.

#include "controls/commui/dialog_seam.h"
#include "data/compile_db_import.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/compile_db_importer.h"
#include "ui/core_messages.h"
#include "ui/import_db_dialog.h"
#include "ui/main_frame.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::whenModal;

class TestCompileDbImporter : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void importOpensANewListAndTellsTheSummary();
    void importJoinsTheActiveListOnce();
    void malformedDatabaseSaysWhereAndAddsNothing();
    void browseButtonsSayWhatTheyChoose();

private:
    /// A database in the sandbox: a.cu twice (other flags), b.cu, a C++ file and a missing c.cu.
    QString writeDatabase();
    /// Runs the command, fills the dialog with `database` and `join`, and waits for the end.
    void import(const QString& database, bool join);
    QStringList paths(DocumentWindow* doc) const;
};

void TestCompileDbImporter::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestCompileDbImporter::init()
{
    openMainWindow();
}

void TestCompileDbImporter::cleanup()
{
    closeMainWindow();
}

QString TestCompileDbImporter::writeDatabase()
{
    const QDir dir(sandbox_->path());
    dir.mkpath(QStringLiteral("src"));
    for (const char* name : {"src/a.cu", "src/b.cu", "src/main.cpp"})
        QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    const QString root = dir.absolutePath();
    const QString text = QStringLiteral(R"([
  {"directory": "%1", "file": "src/a.cu", "arguments": ["nvcc", "-c", "src/a.cu"]},
  {"directory": "%1", "file": "src/a.cu", "arguments": ["nvcc", "-DX", "-c", "src/a.cu"]},
  {"directory": "%1", "file": "src/b.cu", "command": "nvcc -c src/b.cu"},
  {"directory": "%1", "file": "src/main.cpp", "command": "c++ -c src/main.cpp"},
  {"directory": "%1", "file": "src/c.cu", "command": "nvcc -c src/c.cu"}
])")
                             .arg(root);
    const QString path = dir.filePath(QStringLiteral("compile_commands.json"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    return path;
}

void TestCompileDbImporter::import(const QString& database, bool join)
{
    QSignalSpy finished(frame_->importer(), &CompileDbImporter::finished);
    whenModal([&](QDialog* dialog) {
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled()); // nothing to import yet
        dialog->findChild<QLineEdit*>(QStringLiteral("editDatabase"))->setText(database);
        QVERIFY(ok->isEnabled());
        auto* joinButton = dialog->findChild<QRadioButton*>(QStringLiteral("radioActiveList"));
        QCOMPARE(joinButton->isEnabled(), frame_->activeDocument() != nullptr);
        if (join)
            joinButton->setChecked(true);
        ok->click();
    });
    DialogSeam::answerMessage(QMessageBox::Ok);
    frame_->action(cmd::ImportCompileDb)->trigger();
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(frame_->action(cmd::ImportCompileDb)->isEnabled());
}

QStringList TestCompileDbImporter::paths(DocumentWindow* doc) const
{
    QStringList out;
    for (const CDpctData* item : doc->runItems())
        out << QDir::fromNativeSeparators(QString::fromStdString(item->path))
                   .mid(sandbox_->path().size() + 1);
    return out;
}

void TestCompileDbImporter::importOpensANewListAndTellsTheSummary()
{
    import(writeDatabase(), false);
    QCOMPARE(frame_->documentWindows().size(), 1);
    DocumentWindow* doc = frame_->activeDocument();
    QCOMPARE(paths(doc), (QStringList{QStringLiteral("src/a.cu"), QStringLiteral("src/b.cu"),
                                      QStringLiteral("src/c.cu")}));
    QVERIFY(doc->isModified());
    // Each item converts as the build compiles it: -p is the database's folder.
    QCOMPARE(QString::fromStdString(doc->runItems().front()->text(kCompilationDatabase)),
             QDir::toNativeSeparators(sandbox_->path()));
    QCOMPARE(DialogSeam::last().icon, QMessageBox::Information);
    const QString summary = wordMessage(importSummary(ImportCounts{3, 1, 1, 1}));
    QVERIFY2(DialogSeam::last().text.endsWith(summary), qPrintable(DialogSeam::last().text));
    QVERIFY(summary.contains(QLatin1Char('3')));
    QCOMPARE(settings_->folders[kDirP], QDir::toNativeSeparators(sandbox_->path()).toStdString());
}

void TestCompileDbImporter::importJoinsTheActiveListOnce()
{
    CChildFrame* doc = openRows({QStringLiteral("other.cu")});
    QVERIFY(doc);
    const QString database = writeDatabase();
    // a.cu is listed already: it counts as a duplicate, and the list keeps one item for it.
    std::vector<CDpctData> listed(1);
    listed[0].path = QDir::toNativeSeparators(sandbox_->file(QStringLiteral("src/a.cu"))).toStdString();
    QCOMPARE(doc->addItems(listed), 1);
    import(database, true);
    QCOMPARE(frame_->documentWindows().size(), 1);
    QCOMPARE(paths(doc), (QStringList{QStringLiteral("other.cu"), QStringLiteral("src/a.cu"),
                                      QStringLiteral("src/b.cu"), QStringLiteral("src/c.cu")}));
    QVERIFY2(DialogSeam::last().text.endsWith(wordMessage(importSummary(ImportCounts{2, 2, 1, 1}))),
             qPrintable(DialogSeam::last().text));
    // One undo takes the whole import back.
    doc->runCommand(cmd::Undo);
    QCOMPARE(doc->rowCount(), 2);
}

void TestCompileDbImporter::malformedDatabaseSaysWhereAndAddsNothing()
{
    const QString path = sandbox_->file(QStringLiteral("broken.json"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[\n  {\"directory\": \"/w\",\n   \"file\" \"a.cu\"}\n]\n");
    f.close();
    import(path, false);
    QCOMPARE(DialogSeam::last().icon, QMessageBox::Critical);
    const QString text = DialogSeam::last().text;
    QVERIFY2(text.startsWith(QDir::toNativeSeparators(path)), qPrintable(text));
    // Line 3, column 11: where the colon is missing.
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("(^|\\D)3\\D+11(\\D|$)"))), qPrintable(text));
    QCOMPARE(frame_->documentWindows().size(), 0);
}

void TestCompileDbImporter::browseButtonsSayWhatTheyChoose()
{
    // The "..." buttons: a screen reader and the tool tip name what each one chooses.
    ImportDbDialog dialog{QString(), QString()};
    QStringList names;
    for (const char* id : {"browseDatabase", "browseInRoot", "browseOutRoot"}) {
        auto* button = dialog.findChild<QPushButton*>(QLatin1String(id));
        QVERIFY(button);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QVERIFY(a);
        const QString name = a->text(QAccessible::Name);
        QVERIFY2(name.size() > 3 && !name.contains(QLatin1String("...")), qPrintable(name));
        QCOMPARE(button->toolTip(), name);
        names << name;
    }
    names.removeDuplicates();
    QCOMPARE(names.size(), 3);
}

QTEST_MAIN(TestCompileDbImporter)
#include "compile_db_importer_test.moc"
