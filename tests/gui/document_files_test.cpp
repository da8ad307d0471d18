// The document window's files in the main frame: save and save as, a failed save, files that are
// not definition files or hold lines Tovalo does not read or another encoding, and the save
// question when a window closes, when the program quits and when the session ends.

#include "controls/commui/color_edit.h"
#include "controls/commui/dialog_seam.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/definition_file.h"
#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/document_files.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"

#include <functional>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::closeSettled;
using testing_gui::Sandbox;
using testing_gui::touch;
using testing_gui::whenModal;

class TestDocumentFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void saveAndSaveAs();
    void failedSaveKeepsTheStar();
    void otherFilesAreRefusedAndSkippedLinesAskBeforeASave();
    void anotherEncodingIsToldAndAsksBeforeASave();
    void closeWithYesNoCancel();
    void quitKeepsWindowWhenItsSaveFails();
    void sessionEndAsksEveryModifiedDocument();

private:
    CChildFrame* active() const { return qobject_cast<CChildFrame*>(frame_->activeDocument()); }
    CChildFrame* openRows(const QStringList& names);
    void addFile(const QString& path);

    std::unique_ptr<Sandbox> sandbox_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<CMainFrame> frame_;
};

void TestDocumentFiles::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestDocumentFiles::init()
{
    sandbox_ = std::make_unique<Sandbox>();
    store_ = sandbox_->store();
    settings_ = std::make_unique<Settings>();
    frame_ = std::make_unique<CMainFrame>(*settings_, *store_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void TestDocumentFiles::cleanup()
{
    // Whatever a test left modified is discarded without questions.
    for (DocumentWindow* doc : frame_->documentWindows()) {
        if (auto* child = qobject_cast<CChildFrame*>(doc); child && child->isModified()) {
            DialogSeam::answerMessage(QMessageBox::No);
            child->queryClose();
        }
    }
    frame_.reset();
    settings_.reset();
    store_.reset();
    sandbox_.reset();
    // Every answer the test queued was taken by a dialog.
    const int unused = DialogSeam::pendingAnswers();
    DialogSeam::clearAnswers();
    QCOMPARE(unused, 0);
}

CChildFrame* TestDocumentFiles::openRows(const QStringList& names)
{
    QList<testing_gui::SourceFile> sources;
    for (const QString& n : names)
        sources.append({n, QStringLiteral("result=ok")});
    const QString def = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("doc.txt"), sources);
    // The items' --out-root, which the item dialog checks.
    QDir(sandbox_->path()).mkpath(QStringLiteral("out"));
    if (!frame_->openDefinition(def))
        return nullptr;
    return active();
}

void TestDocumentFiles::addFile(const QString& path)
{
    whenModal([path](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        dialog->fileEdit()->setText(path);
        dialog->okButton()->click();
    });
    frame_->action(cmd::AddItem)->trigger();
}

void TestDocumentFiles::saveAndSaveAs()
{
    frame_->newDocumentWindow();
    CChildFrame* doc = active();
    const QString a = sandbox_->file(QStringLiteral("a.cu"));
    touch(a);
    addFile(a);
    QCOMPARE(doc->rowCount(), 1);

    // Save without a path is save as: title, filter, then the file, the title and the recent list.
    const QString target = sandbox_->file(QStringLiteral("saved.txt"));
    DialogSeam::answerFile(target);
    // The main window is active again once the dialog has gone.
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    QTest::keyClick(doc->list(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(DialogSeam::last().title, QStringLiteral("名前を付けて保存"));
    QVERIFY(DialogSeam::last().filter.contains(QStringLiteral("*.txt")));
    QCOMPARE(doc->filePath(), target);
    QCOMPARE(doc->windowTitle(), QDir::toNativeSeparators(target));
    QVERIFY(!doc->isModified());
    QVERIFY(!frame_->action(cmd::Save)->isEnabled());
    QCOMPARE(QString::fromStdString(settings_->recent.front()), target);
    ReadResult read = readDefinitionFile(target.toStdString());
    QVERIFY(read.ok);
    QCOMPARE(read.items.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(read.items[0].path), a);

    // Save as under another name; a cancelled chooser changes nothing.
    DialogSeam::answerFile(QString());
    frame_->action(cmd::SaveAs)->trigger();
    QCOMPARE(doc->filePath(), target);
    const QString second = sandbox_->file(QStringLiteral("second.txt"));
    DialogSeam::answerFile(second);
    frame_->action(cmd::SaveAs)->trigger();
    QCOMPARE(doc->filePath(), second);
    QVERIFY(QFile::exists(second));
    QCOMPARE(QString::fromStdString(settings_->recent.front()), second);
    QCOMPARE(settings_->recent.size(), std::size_t(2));
}

void TestDocumentFiles::failedSaveKeepsTheStar()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu")});
    QVERIFY(doc);
    DialogSeam::answerMessage(QMessageBox::Yes);
    frame_->action(cmd::DeleteItem)->trigger();
    const QString a = sandbox_->file(QStringLiteral("a.cu"));
    addFile(a);
    QVERIFY(doc->isModified());
    const int shown = DialogSeam::shownCount();
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("no/such/folder/x.txt")));
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!doc->files()->saveAs());
    QCOMPARE(DialogSeam::shownCount(), shown + 2); // the chooser and the write error
    QVERIFY(DialogSeam::last().text.contains(QStringLiteral("x.txt")));
    QVERIFY(doc->windowTitle().endsWith(QStringLiteral(" *")));
    QCOMPARE(doc->filePath(), sandbox_->file(QStringLiteral("doc.txt")));
}

// A file that is not a definition file never becomes an empty list that a save would write over;
// one with lines Tovalo does not read says so when it opens and asks before a save drops them.
void TestDocumentFiles::otherFilesAreRefusedAndSkippedLinesAskBeforeASave()
{
    const auto writeBytes = [this](const QString& name, const QByteArray& bytes) {
        QFile f(sandbox_->file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return f.fileName();
    };
    const QString binary =
        writeBytes(QStringLiteral("picture.txt"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    const QString prose = writeBytes(QStringLiteral("notes.txt"), "Shopping list\nmilk\n[eggs]\n");
    const QString empty = writeBytes(QStringLiteral("empty.txt"), QByteArray());
    const int windows = frame_->documentWindows().size();
    for (const QString& path : {binary, prose, empty}) {
        DialogSeam::answerMessage(QMessageBox::Ok);
        QVERIFY(!frame_->openDefinition(path));
        QCOMPARE(DialogSeam::last().icon, QMessageBox::Critical);
        QVERIFY2(DialogSeam::last().text.contains(QStringLiteral("定義ファイルではありません")),
                 qPrintable(DialogSeam::last().text));
    }
    QCOMPARE(frame_->documentWindows().size(), windows);
    QVERIFY(settings_->recent.empty()); // none of them joined the recent list

    // A definition file with a section of another file and an unknown option.
    const QString a = sandbox_->file(QStringLiteral("a.cu"));
    touch(a);
    const QByteArray text = "[Common]\nVersion=01.00.00.00\n[notes]\nkeep=me\n[" + a.toUtf8() +
                            "]\n--no-such-option\n--comments\n";
    const QString mixed = writeBytes(QStringLiteral("mixed.txt"), text);
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(frame_->openDefinition(mixed));
    QCOMPARE(DialogSeam::last().icon, QMessageBox::Information);
    QVERIFY(DialogSeam::last().text.startsWith(QDir::toNativeSeparators(mixed)));
    auto* doc = active();
    QCOMPARE(doc->rowCount(), 1);

    // A choice value outside its list is named after the skipped lines.
    const QString choice = writeBytes(QStringLiteral("choice.txt"),
                                      "[Common]\n[" + a.toUtf8() + "]\n--usm-level=weird\n--comments\n");
    DialogSeam::resetLog();
    DialogSeam::answerMessage(QMessageBox::Ok);
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(frame_->openDefinition(choice));
    QCOMPARE(DialogSeam::shownCount(), 2);
    QVERIFY2(DialogSeam::last().text.contains(QDir::toNativeSeparators(a) + QStringLiteral(": --usm-level")),
             qPrintable(DialogSeam::last().text));
    QVERIFY(frame_->openDefinition(mixed));
    QCOMPARE(active(), doc);

    // Saving over it asks; No writes nothing and keeps the document modified.
    DialogSeam::answerMessage(QMessageBox::Yes);
    frame_->action(cmd::DeleteItem)->trigger();
    QVERIFY(doc->isModified());
    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(!doc->files()->save());
    QCOMPARE(DialogSeam::last().icon, QMessageBox::Question);
    QVERIFY(doc->isModified());
    QFile unchanged(mixed);
    QVERIFY(unchanged.open(QIODevice::ReadOnly));
    QCOMPARE(unchanged.readAll(), text);
    unchanged.close();
    // Saving under another name asks nothing; Yes over the file itself writes it.
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("copy.txt")));
    QVERIFY(doc->files()->saveAs());
    QVERIFY(QFile::exists(sandbox_->file(QStringLiteral("copy.txt"))));
    QVERIFY(!doc->isModified());
}

void TestDocumentFiles::anotherEncodingIsToldAndAsksBeforeASave()
{
    const QString a = sandbox_->file(QStringLiteral("a.cu"));
    touch(a);
    const auto writeBytes = [this](const QString& name, const QByteArray& bytes) {
        QFile f(sandbox_->file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return f.fileName();
    };
    // Windows-1252 (the comment's "é" before a line break is neither UTF-8 nor CP932), and UTF-8
    // with one stray byte in a comment.
    const QByteArray latinText = "[Common]\n[" + a.toUtf8() + "]\n--comments\n# caf\xE9\n";
    const QString latin = writeBytes(QStringLiteral("latin.txt"), latinText);
    const QByteArray strayText = "[Common]\n# \xE5\xA4\x89\xE6\x8F\x9B \xB1\n[" + a.toUtf8() + "]\n";
    const QString stray = writeBytes(QStringLiteral("stray.txt"), strayText);

    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(frame_->openDefinition(stray));
    QCOMPARE(DialogSeam::last().icon, QMessageBox::Information);
    QVERIFY2(DialogSeam::last().text.contains(QStringLiteral("U+FFFD")), qPrintable(DialogSeam::last().text));
    QVERIFY(DialogSeam::last().text.contains(QStringLiteral("2 行目")));
    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(!active()->files()->save());
    QCOMPARE(DialogSeam::last().icon, QMessageBox::Question);
    QFile strayFile(stray);
    QVERIFY(strayFile.open(QIODevice::ReadOnly));
    QCOMPARE(strayFile.readAll(), strayText);
    strayFile.close();

    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(frame_->openDefinition(latin));
    QVERIFY2(DialogSeam::last().text.startsWith(QDir::toNativeSeparators(latin)),
             qPrintable(DialogSeam::last().text));
    QVERIFY(DialogSeam::last().text.contains(QStringLiteral("Windows-1252 として読み込みました")));
    CChildFrame* doc = active();
    // Saving under another name asks nothing; over the file itself it asks, and No writes nothing.
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("latin-copy.txt")));
    QVERIFY(doc->files()->saveAs());
    DialogSeam::answerMessage(QMessageBox::Ok); // the window shows the copy now: opened again, told again
    QVERIFY(frame_->openDefinition(latin));
    doc = active();
    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(!doc->files()->save());
    QFile latinFile(latin);
    QVERIFY(latinFile.open(QIODevice::ReadOnly));
    QCOMPARE(latinFile.readAll(), latinText);
    latinFile.close();
    // Yes writes it in the encoding Tovalo saves in; a second save asks nothing.
    DialogSeam::answerMessage(QMessageBox::Yes);
    QVERIFY(doc->files()->save());
    QVERIFY(doc->files()->save());
    QVERIFY(latinFile.open(QIODevice::ReadOnly));
    QVERIFY(!latinFile.readAll().contains("caf"));
}

void TestDocumentFiles::closeWithYesNoCancel()
{
    const QString a = sandbox_->file(QStringLiteral("a.cu"));
    touch(a);
    const auto modifiedNewDocument = [this, a] {
        frame_->newDocumentWindow();
        addFile(a);
        return active();
    };

    // Cancel: the window stays.
    CChildFrame* doc = modifiedNewDocument();
    DialogSeam::answerMessage(QMessageBox::Cancel);
    frame_->action(cmd::Close)->trigger();
    QCOMPARE(DialogSeam::last().text, QStringLiteral("(無題) を保存しますか？"));
    closeSettled();
    QCOMPARE(frame_->documentWindows().size(), 1);

    // Yes and a cancelled save-as dialog: the window stays too (the changes are not lost).
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerFile(QString());
    frame_->action(cmd::Close)->trigger();
    closeSettled();
    QCOMPARE(frame_->documentWindows().size(), 1);
    QVERIFY(doc->isModified());

    // Yes and a failing write: stays.
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("missing/dir/d.txt")));
    DialogSeam::answerMessage(QMessageBox::Ok);
    frame_->action(cmd::Close)->trigger();
    closeSettled();
    QCOMPARE(frame_->documentWindows().size(), 1);

    // Yes and a good save: written, closed.
    const QString target = sandbox_->file(QStringLiteral("closed.txt"));
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerFile(target);
    frame_->action(cmd::Close)->trigger();
    QTRY_COMPARE(frame_->documentWindows().size(), 0);
    QVERIFY(QFile::exists(target));

    // A document with a path asks with its path; No closes without writing.
    QVERIFY(frame_->openDefinition(target));
    doc = active();
    const QString b = sandbox_->file(QStringLiteral("b.cu"));
    touch(b);
    addFile(b);
    QCOMPARE(doc->rowCount(), 2);
    DialogSeam::answerMessage(QMessageBox::No);
    frame_->action(cmd::Close)->trigger();
    QCOMPARE(DialogSeam::last().text, QDir::toNativeSeparators(target) + QStringLiteral(" を保存しますか？"));
    QTRY_COMPARE(frame_->documentWindows().size(), 0);
    QCOMPARE(readDefinitionFile(target.toStdString()).items.size(), std::size_t(1));
}

// At the end of the session every modified document gets its save question and nothing closes;
// the first answer that keeps a document (here a failed save) makes the session end refused.
void TestDocumentFiles::sessionEndAsksEveryModifiedDocument()
{
    const QString a = sandbox_->file(QStringLiteral("a.cu"));
    touch(a);
    frame_->newDocumentWindow();
    addFile(a);
    frame_->newDocumentWindow();
    addFile(a);
    QCOMPARE(frame_->documentWindows().size(), 2);

    // No for both: the session may end; both windows are still there, still modified.
    const int before = DialogSeam::shownCount();
    DialogSeam::answerMessage(QMessageBox::No);
    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(frame_->querySaveAll());
    QCOMPARE(DialogSeam::shownCount(), before + 2);
    QCOMPARE(frame_->documentWindows().size(), 2);

    // Yes and a failing write for the first: refused, and the second is not asked.
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("missing/s.txt")));
    DialogSeam::answerMessage(QMessageBox::Ok);
    const int asked = DialogSeam::shownCount();
    QVERIFY(!frame_->querySaveAll());
    QCOMPARE(DialogSeam::shownCount(), asked + 3); // the question, the chooser and the write error
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
    for (DocumentWindow* doc : frame_->documentWindows())
        QVERIFY(static_cast<CChildFrame*>(doc)->isModified());
}

void TestDocumentFiles::quitKeepsWindowWhenItsSaveFails()
{
    frame_->newDocumentWindow();
    const QString a = sandbox_->file(QStringLiteral("a.cu"));
    touch(a);
    addFile(a);
    // Quit: yes; save: yes; the chooser gives a folder that does not exist; the error: OK.
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerFile(sandbox_->file(QStringLiteral("missing/q.txt")));
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!frame_->close());
    QCOMPARE(frame_->documentWindows().size(), 1);
    QVERIFY(active()->isModified());
}

QTEST_MAIN(TestDocumentFiles)
#include "document_files_test.moc"
