// The document window in the main frame: adding through the real item dialog (file and
// directory), updating, deleting, the title, the panes, the enabling rules and the context menu,
// keyboard and mouse reaching the list, and a full run through the simulated toolkit. Saving and
// closing are in tst_document_files.

#include "controls/commui/color_edit.h"
#include "controls/commui/dialog_seam.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "controls/list_colors.h"
#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/dpct_result_ctrl.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/run_controller.h"

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTimer>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::closeSettled;
using testing_gui::rowPoint;
using testing_gui::Sandbox;
using testing_gui::touch;
using testing_gui::whenModal;

class TestChildFrame : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newWindowTitleAndIdleEnabling();
    void panesInTwoThirdsProportions();
    void addFileThroughTheItemDialog();
    void addDirectoryScansAndReportsNothingNew();
    void updateAndDoubleClick();
    void deleteLastThenOnlyRow();
    void deleteAllAsksFirst();
    void keyboardAndMouseReachTheList();
    void contextMenuFollowsTheRules();
    void foldersAndColoursComeFromTheSettings();
    void fullRunKeepsTheUsersRow();

private:
    void addFile(const QString& path);
};

void TestChildFrame::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestChildFrame::init()
{
    openMainWindow();
}

void TestChildFrame::cleanup()
{
    // Whatever a test left modified is discarded without questions.
    discardModifiedDocuments();
    closeMainWindow();
}

void TestChildFrame::addFile(const QString& path)
{
    whenModal([path](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        dialog->fileEdit()->setText(path);
        dialog->okButton()->click();
    });
    frame_->action(cmd::AddItem)->trigger();
}

void TestChildFrame::newWindowTitleAndIdleEnabling()
{
    frame_->action(cmd::New)->trigger();
    frame_->action(cmd::NewWindow)->trigger();
    QCOMPARE(frame_->documentWindows().size(), 2);
    CChildFrame* doc = active();
    QVERIFY(doc);
    // The second untitled window is numbered, so the two are told apart.
    QCOMPARE(doc->windowTitle(), QStringLiteral("無題 2"));
    QCOMPARE(qobject_cast<QMdiSubWindow*>(doc->parentWidget())->windowTitle(), QStringLiteral("無題 2"));
    QCOMPARE(frame_->documentWindows().constFirst()->windowTitle(), QStringLiteral("無題"));
    // A new, unchanged document: only add and close; closing asks nothing.
    QVERIFY(frame_->action(cmd::AddItem)->isEnabled());
    QVERIFY(frame_->action(cmd::Close)->isEnabled());
    for (int id : {cmd::Save, cmd::SaveAs, cmd::UpdateItem, cmd::DeleteItem, cmd::DeleteAll})
        QVERIFY2(!frame_->action(id)->isEnabled(), qPrintable(QString::number(id)));
    const int asked = DialogSeam::shownCount();
    frame_->action(cmd::Close)->trigger();
    QTRY_COMPARE(frame_->documentWindows().size(), 1);
    QCOMPARE(DialogSeam::shownCount(), asked);
}

void TestChildFrame::panesInTwoThirdsProportions()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu")});
    QVERIFY(doc);
    // The window gets its real size from the main frame's layout.
    QTRY_VERIFY(doc->outerSplitter()->width() > 300 && doc->innerSplitter()->height() > 200);
    doc->setProportions();
    QList<int> outer = doc->outerSplitter()->sizes();
    const QList<int> inner = doc->innerSplitter()->sizes();
    int w = outer[0] + outer[1];
    const int h = inner[0] + inner[1];
    QVERIFY(w > 300 && h > 200);
    // The splitter handles take a few pixels. The list takes 2/3 of the width, less (down to
    // half) where the option grid needs more to show its names whole and room for values.
    const QString split = QStringLiteral("%1 of %2").arg(outer[0]).arg(w);
    QVERIFY2(outer[0] <= w * 2 / 3 + 6 && outer[0] >= w / 2 - 6, qPrintable(split));
    QVERIFY2(outer[1] >= doc->propCtrl()->preferredWidth() - 6 || outer[0] <= w / 2 + 6, qPrintable(split));
    QVERIFY2(std::abs(inner[0] - h * 2 / 3) <= 6,
             qPrintable(QStringLiteral("%1 of %2").arg(inner[0]).arg(h)));
    // In a wide window the grid has room at a third.
    frame_->resize(2400, 800);
    QTRY_VERIFY(doc->outerSplitter()->width() > 1800);
    doc->setProportions();
    outer = doc->outerSplitter()->sizes();
    w = outer[0] + outer[1];
    QVERIFY2(std::abs(outer[0] - w * 2 / 3) <= 6,
             qPrintable(QStringLiteral("%1 of %2").arg(outer[0]).arg(w)));
    // The list sits under its filter box in the upper pane.
    QVERIFY(doc->innerSplitter()->widget(0)->isAncestorOf(doc->list()));
    QVERIFY(doc->innerSplitter()->widget(0)->isAncestorOf(doc->filterEdit()));
    QCOMPARE(doc->innerSplitter()->widget(1), doc->resultCtrl());
    QCOMPARE(doc->outerSplitter()->widget(1), doc->propCtrl());
}

void TestChildFrame::addFileThroughTheItemDialog()
{
    frame_->newDocumentWindow();
    CChildFrame* doc = active();
    const QString a = sandbox_->file(QStringLiteral("src/a.cu"));
    const QString b = sandbox_->file(QStringLiteral("src/b.cu"));
    touch(a);
    touch(b);

    // The first add: the dialog in add mode; the option set there becomes the next default.
    whenModal([a](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        QCOMPARE(dialog->mode(), CDpctDataDlg::Mode::Add);
        dialog->fileEdit()->setText(a);
        dialog->checkAllButton()->click(); // every option on
        dialog->okButton()->click();
    });
    DialogSeam::answerMessage(QMessageBox::Ok);
    QTest::keyClick(doc->list(), Qt::Key_Insert);
    if (doc->rowCount() == 0) {
        // The page refused a value of "check all" (a path option without a path, say); add
        // plainly then: the remaining checks still hold.
        addFile(a);
    }
    QCOMPARE(doc->rowCount(), 1);
    QCOMPARE(QString::fromStdString(doc->list()->itemAt(doc->list()->selectedRow())->path), a);
    QCOMPARE(doc->windowTitle(), QStringLiteral("無題 *"));
    QVERIFY(doc->isModified());
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("a.cu"));
    QVERIFY(frame_->action(cmd::Save)->isEnabled());
    QVERIFY(frame_->action(cmd::SaveAs)->isEnabled());
    QVERIFY(settings_->defaultItem.path.empty());
    const auto optionsOn = settings_->defaultItem.enabled;

    // The second add starts from the default item; the same file again is refused (729).
    whenModal([a, b, optionsOn](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        QVERIFY(dialog->workingRecord().enabled == optionsOn);
        DialogSeam::resetLog();
        DialogSeam::answerMessage();
        dialog->fileEdit()->setText(a);
        dialog->okButton()->click();
        QCOMPARE(DialogSeam::last().id, 729);
        QVERIFY(dialog->isVisible());
        dialog->fileEdit()->setText(b);
        dialog->okButton()->click();
    });
    frame_->action(cmd::AddItem)->trigger();
    QCOMPARE(doc->rowCount(), 2);
    QCOMPARE(doc->list()->selectedRow(), 1);
    QVERIFY(doc->document().item(1)->enabled == optionsOn);

    // A cancelled add changes nothing.
    whenModal([](QDialog* d) { d->reject(); });
    frame_->action(cmd::AddItem)->trigger();
    QCOMPARE(doc->rowCount(), 2);
}

void TestChildFrame::addDirectoryScansAndReportsNothingNew()
{
    frame_->newDocumentWindow();
    CChildFrame* doc = active();
    const QString dir = sandbox_->file(QStringLiteral("tree"));
    for (const char* name : {"a.cu", "b.CU", "c.cuh", "sub/d.cu"})
        touch(dir + QLatin1Char('/') + QLatin1String(name));
    const auto addDirectory = [this, dir](bool subdirs) {
        whenModal([dir, subdirs](QDialog* d) {
            auto* dialog = qobject_cast<CDpctDataDlg*>(d);
            QVERIFY(dialog);
            dialog->dirRadio()->click();
            dialog->dirEdit()->setText(dir + QLatin1Char('/'));
            dialog->subdirCheck()->setChecked(subdirs);
            dialog->okButton()->click();
        });
        frame_->action(cmd::AddItem)->trigger();
    };
    addDirectory(false);
    QCOMPARE(doc->rowCount(), 2);
    QVERIFY(doc->isModified());
    QCOMPARE(doc->list()->selectedRow(), 0);
    QStringList names;
    for (CDpctData* item : doc->runItems())
        names.append(QFileInfo(QString::fromStdString(item->path)).fileName());
    QCOMPARE(names, (QStringList{QStringLiteral("a.cu"), QStringLiteral("b.CU")}));

    // With sub-directories only d.cu is new; the listed files are skipped silently.
    addDirectory(true);
    QCOMPARE(doc->rowCount(), 3);
    QCOMPARE(QFileInfo(QString::fromStdString(doc->runItems()[2]->path)).fileName(), QStringLiteral("d.cu"));

    // Nothing new: message 732.
    DialogSeam::resetLog();
    DialogSeam::answerMessage(QMessageBox::Ok);
    addDirectory(true);
    QCOMPARE(doc->rowCount(), 3);
    QCOMPARE(DialogSeam::last().id, 732);
}

void TestChildFrame::updateAndDoubleClick()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu"), QStringLiteral("b.cu")});
    QVERIFY(doc);
    const QString other = sandbox_->file(QStringLiteral("other.cu"));
    touch(other);
    QCOMPARE(doc->windowTitle(), QDir::toNativeSeparators(sandbox_->file(QStringLiteral("doc.txt"))));

    // Enter on the selected row opens the dialog in update mode on that item.
    whenModal([other](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        QCOMPARE(dialog->mode(), CDpctDataDlg::Mode::Update);
        QVERIFY(!dialog->dirRadio()->isEnabled());
        QVERIFY(dialog->fileEdit()->text().endsWith(QStringLiteral("a.cu")));
        dialog->fileEdit()->setText(other);
        dialog->okButton()->click();
    });
    doc->list()->setFocus();
    QTest::keyClick(doc->list(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(doc->runItems()[0]->path), other);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("other.cu"));
    QVERIFY(doc->windowTitle().endsWith(QStringLiteral(" *")));

    // A double-click on a row selects it and opens the update dialog for it.
    bool opened = false;
    whenModal([&opened](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        opened = dialog && dialog->fileEdit()->text().endsWith(QStringLiteral("b.cu"));
        d->reject();
    });
    QTest::mouseClick(doc->list()->viewport(), Qt::LeftButton, {}, rowPoint(doc->list(), 1));
    QTest::mouseDClick(doc->list()->viewport(), Qt::LeftButton, {}, rowPoint(doc->list(), 1));
    QVERIFY(opened);
    QCOMPARE(QString::fromStdString(doc->runItems()[1]->path).endsWith(QStringLiteral("b.cu")), true);
}

void TestChildFrame::deleteLastThenOnlyRow()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu")});
    QVERIFY(doc);
    CDpctTreeCtrl* list = doc->list();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->selectedRow(), 2);

    // No keeps the row. The question names the file.
    DialogSeam::answerMessage(QMessageBox::No);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(DialogSeam::last().text,
             QCoreApplication::translate("tovalo::gui::ListEditor",
                                         "Are you sure you want to delete %1 from the list?")
                 .arg(QDir::toNativeSeparators(QString::fromStdString(doc->document().item(2)->path))));
    QCOMPARE(doc->rowCount(), 3);
    QVERIFY(!doc->isModified());

    // Deleting the last row selects the one before it.
    DialogSeam::answerMessage(QMessageBox::Yes);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(doc->rowCount(), 2);
    QCOMPARE(list->selectedRow(), 1);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("b.cu"));
    QVERIFY(doc->windowTitle().endsWith(QStringLiteral(" *")));

    // A middle row: the next row takes the selection.
    QTest::keyClick(list, Qt::Key_Home);
    DialogSeam::answerMessage(QMessageBox::Yes);
    frame_->action(cmd::DeleteItem)->trigger();
    QCOMPARE(doc->rowCount(), 1);
    QCOMPARE(QFileInfo(QString::fromStdString(list->itemAt(list->selectedRow())->path)).fileName(),
             QStringLiteral("b.cu"));

    // The only row: no selection, an empty grid and result pane, update and delete off.
    doc->document().item(list->selectedRow())->resultText = "some output";
    doc->showItem(doc->document().item(list->selectedRow()));
    QVERIFY(!doc->resultCtrl()->text().isEmpty());
    DialogSeam::answerMessage(QMessageBox::Yes);
    frame_->action(cmd::DeleteItem)->trigger();
    QCOMPARE(doc->rowCount(), 0);
    QCOMPARE(list->selectedRow(), -1);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("-"));
    QCOMPARE(doc->propCtrl()->valueText(kSlotDirName), QStringLiteral("-"));
    QVERIFY(doc->resultCtrl()->text().isEmpty());
    for (int id : {cmd::UpdateItem, cmd::DeleteItem, cmd::DeleteAll, cmd::Save, cmd::SaveAs})
        QVERIFY2(!frame_->action(id)->isEnabled(), qPrintable(QString::number(id)));
}

void TestChildFrame::deleteAllAsksFirst()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu"), QStringLiteral("b.cu")});
    QVERIFY(doc);
    DialogSeam::answerMessage(QMessageBox::No);
    QTest::keyClick(doc->list(), Qt::Key_Delete, Qt::ControlModifier);
    // The question gives the count and the first names.
    const auto native = [doc](int row) {
        return QDir::toNativeSeparators(QString::fromStdString(doc->document().item(row)->path));
    };
    QCOMPARE(DialogSeam::last().text,
             QCoreApplication::translate("tovalo::gui::ListEditor",
                                         "Are you sure you want to delete all %n item(s) from the list?",
                                         nullptr, 2) +
                 QLatin1Char('\n') + native(0) + QLatin1Char('\n') + native(1));
    QCOMPARE(doc->rowCount(), 2);
    DialogSeam::answerMessage(QMessageBox::Yes);
    frame_->action(cmd::DeleteAll)->trigger();
    QCOMPARE(doc->rowCount(), 0);
    QCOMPARE(doc->list()->selectedRow(), -1);
    QVERIFY(doc->isModified());
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("-"));
    QCOMPARE(doc->list()->verticalScrollBar()->maximum(), 0);
}

void TestChildFrame::keyboardAndMouseReachTheList()
{
    QStringList names;
    for (int i = 0; i < 60; ++i)
        names.append(QStringLiteral("k%1.cu").arg(i, 2, 10, QLatin1Char('0')));
    CChildFrame* doc = openRows(names);
    QVERIFY(doc);
    CDpctTreeCtrl* list = doc->list();
    // The focus given to the window goes to the list.
    doc->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(list->selectedRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedRow(), 2);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("k02.cu"));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("k01.cu"));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->selectedRow(), 59);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("k59.cu"));
    QVERIFY(list->verticalScrollBar()->value() > 0);
    QVERIFY(list->rowRect(59).bottom() <= list->viewport()->height());
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->selectedRow(), 0);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QTest::keyClick(list, Qt::Key_PageDown);
    QVERIFY(list->verticalScrollBar()->value() > 0);
    QTest::keyClick(list, Qt::Key_PageUp);
    QCOMPARE(list->verticalScrollBar()->value(), 0);

    // A click selects and shows; the state of the commands follows.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 3));
    QCOMPARE(list->selectedRow(), 3);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("k03.cu"));
    QVERIFY(frame_->action(cmd::UpdateItem)->isEnabled());

    // The header divider drags inside the window.
    const int before = list->dividerX();
    const int y = list->headerHeight() / 2;
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, QPoint(before + 20, y));
    QTest::mouseMove(list->viewport(), QPoint(before - 60, y));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, QPoint(before - 60, y));
    QCOMPARE(list->dividerX(), before - 80);
}

void TestChildFrame::contextMenuFollowsTheRules()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu")});
    QVERIFY(doc);
    Q_EMIT doc->list()->contextMenuRequested(doc->list()->mapToGlobal(QPoint(40, 40)));
    QMenu* menu = doc->contextMenu();
    QVERIFY(menu);
    QStringList texts;
    for (QAction* a : menu->actions())
        texts.append(a->isSeparator() ? QStringLiteral("|") : a->text());
    QCOMPARE(texts.mid(0, 5), (QStringList{QStringLiteral("CUDA ファイルを追加(&A)...\tIns"),
                                           QStringLiteral("選択した項目を編集(&E)...\tEnter"),
                                           QStringLiteral("選択した項目を削除(&D)\tDel"), QStringLiteral("|"),
                                           QStringLiteral("すべての項目を削除(&L)...\tCtrl+Del")}));
    for (QAction* a : menu->actions().mid(0, 5))
        QVERIFY(a->isSeparator() || a->isEnabled());
    // Then moving and undo, each enabled only when it can act: one row cannot move, and nothing
    // has been edited yet.
    QStringList names;
    for (QAction* a : menu->actions().mid(5))
        names.append(a->isSeparator() ? QStringLiteral("|") : a->objectName());
    QCOMPARE(names, (QStringList{QStringLiteral("|"), QStringLiteral("contextMoveUp"),
                                 QStringLiteral("contextMoveDown"), QStringLiteral("|"),
                                 QStringLiteral("contextUndo"), QStringLiteral("contextRedo")}));
    for (QAction* a : menu->actions().mid(5))
        QVERIFY(a->isSeparator() || !a->isEnabled());
    // Its commands reach the window (delete, answered No here).
    DialogSeam::answerMessage(QMessageBox::No);
    const int asked = DialogSeam::shownCount();
    menu->actions().at(2)->trigger();
    menu->close();
    QTRY_COMPARE(DialogSeam::shownCount(), asked + 1);
    QCOMPARE(doc->rowCount(), 1);

    // During a run of any window nothing of it is enabled.
    doc->setRunPhase(RunPhase::ItemRunning);
    Q_EMIT doc->list()->contextMenuRequested(doc->list()->mapToGlobal(QPoint(40, 40)));
    for (QAction* a : doc->contextMenu()->actions())
        QVERIFY(a->isSeparator() || !a->isEnabled());
    doc->contextMenu()->close();

    // The list's input is locked in the phases of a run only. A pause does not change its rows:
    // items that run when the run is paused go on, and their rows still say "converting".
    for (const RunPhase phase :
         {RunPhase::Idle, RunPhase::AwaitPrompt, RunPhase::SetvarsRequested, RunPhase::SetvarsRunning,
          RunPhase::VersionRequested, RunPhase::VersionRunning, RunPhase::ItemRequested,
          RunPhase::ItemRunning, RunPhase::StopRequested, RunPhase::Paused}) {
        doc->setRunPhase(phase);
        QCOMPARE(doc->list()->isInputLocked(), isRunPhase(phase));
        QVERIFY(!doc->list()->isPaused());
        QCOMPARE(doc->commandEnabled(cmd::AddItem), phase == RunPhase::Idle);
    }
    doc->setRunPhase(RunPhase::Idle);
}

void TestChildFrame::foldersAndColoursComeFromTheSettings()
{
    frame_->newDocumentWindow();
    CChildFrame* doc = active();
    const QString a = sandbox_->file(QStringLiteral("cuda/a.cu"));
    touch(a);
    // The file chooser starts in the remembered "CudaFile" folder and stores the new one there.
    settings_->folders[kDirCudaFile] = "/start/here";
    whenModal([a](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        DialogSeam::answerFile(a);
        dialog->fileBrowse()->click();
        QCOMPARE(DialogSeam::last().dir, QStringLiteral("/start/here"));
        dialog->okButton()->click();
    });
    frame_->action(cmd::AddItem)->trigger();
    QCOMPARE(doc->rowCount(), 1);
    QCOMPARE(QString::fromStdString(settings_->folders[kDirCudaFile]),
             QDir::toNativeSeparators(sandbox_->file(QStringLiteral("cuda"))));

    // The list takes its colours from the settings' colour slots.
    settings_->colors[4] = 0x00123456;
    frame_->applyColors();
    QCOMPARE(doc->list()->colors().value(ListColors::ConvertedOkText), 0x00123456u);
    QVERIFY(doc->list()->colors().isAutomatic(ListColors::RowText));
}

void TestChildFrame::fullRunKeepsTheUsersRow()
{
    settings_->oneapiRoot = testing_gui::simToolkitRoot().toStdString();
    frame_ = std::make_unique<CMainFrame>(*settings_, *store_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("run.txt"),
        {{QStringLiteral("r1.cu"), QStringLiteral("result=ok delay-ms=300")},
         {QStringLiteral("r2.cu"), QStringLiteral("result=exit-code delay-ms=300")},
         {QStringLiteral("r3.cu"), QStringLiteral("result=ok delay-ms=300")}});
    QVERIFY(frame_->openDefinition(def));
    CChildFrame* doc = active();
    CDpctTreeCtrl* list = doc->list();
    QString error;
    QVERIFY2(frame_->openConsole(error), qPrintable(error));
    // The start-up sequence locks the editing too.
    QVERIFY(!frame_->action(cmd::AddItem)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(frame_->runController()->scheduler()->startUpDone(), 30000);
    QTRY_VERIFY(frame_->action(cmd::AddItem)->isEnabled());

    QList<int> rowsSeen;
    connect(doc, &DocumentWindow::stateChanged, this, [&rowsSeen, doc] {
        if (rowsSeen.isEmpty() || rowsSeen.last() != doc->currentRow())
            rowsSeen.append(doc->currentRow());
    });
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QCOMPARE(doc->currentRow(), 0);
    QVERIFY(list->isInputLocked());
    for (int id :
         {cmd::AddItem, cmd::UpdateItem, cmd::DeleteItem, cmd::DeleteAll, cmd::Save, cmd::SaveAs, cmd::Close})
        QVERIFY2(!frame_->action(id)->isEnabled(), qPrintable(QString::number(id)));

    // Input is locked: a click, a key and a double-click change nothing and open nothing.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 2));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->selectedRow(), 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 1));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // While the second row converts the run's current row moves on, but the list does not jump:
    // the user's selection and the item the panes show stay; the row shows its status.
    QTRY_COMPARE_WITH_TIMEOUT(doc->currentRow(), 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(list->itemAt(1)->status, ItemStatus::Converting, 15000);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("r1.cu"));
    QCOMPARE(list->selectedRow(), 0);

    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->scheduler()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(doc->currentRow(), -1);
    QCOMPARE(rowsSeen, (QList<int>{0, 1, 2, -1}));
    // The user's row stays selected and shown, with its output.
    QCOMPARE(list->selectedRow(), 0);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("r1.cu"));
    QVERIFY(doc->resultCtrl()->text().contains(QStringLiteral("r1.cu")));
    // The bar went with the run (it reached 3 of 3); the run's summary stands in its place.
    auto* bar = frame_->findChild<QProgressBar*>(QStringLiteral("runProgress"));
    QVERIFY(bar && !bar->isVisible());
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(bar->maximum(), 3);
    QVERIFY(frame_->findChild<QLabel*>(QStringLiteral("statusSummary"))->isVisible());
    QVERIFY(!list->isInputLocked());
    QVERIFY(frame_->action(cmd::AddItem)->isEnabled());

    // Statuses: OK in blue, NG in red in the status column.
    QCOMPARE(list->itemAt(0)->status, ItemStatus::ConvertedOk);
    QCOMPARE(list->itemAt(1)->status, ItemStatus::ConvertedNg);
    const QImage shot = list->viewport()->grab().toImage();
    const auto rowHas = [&](int row, QColor colour) {
        const QRect r = list->rowRect(row);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = list->dividerX() + 24; x < r.right(); ++x)
                if (shot.pixelColor(x * shot.width() / list->viewport()->width(),
                                    y * shot.height() / list->viewport()->height()) == colour)
                    return true;
        return false;
    };
    // (The automatic red is darkened as far as it takes to read on the row's background.)
    const QColor red = readableOn(QColor(255, 0, 0), {list->palette().color(QPalette::Base)});
    QVERIFY(rowHas(0, QColor(0, 0, 255)));
    QVERIFY(rowHas(1, red));
    QVERIFY(!rowHas(0, red));
    // The shown item's whole output reached the result pane once it arrived.
    QCOMPARE(doc->resultCtrl()->text(), QString::fromStdString(list->itemAt(0)->resultText));

    // Now editing works again: a double-click opens the update dialog.
    bool opened = false;
    whenModal([&opened](QDialog* d) {
        opened = qobject_cast<CDpctDataDlg*>(d) != nullptr;
        d->reject();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 0));
    QVERIFY(opened);
}

QTEST_MAIN(TestChildFrame)
#include "child_frame_test.moc"
