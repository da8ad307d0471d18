// Editing a list in its document window: undo and redo of every edit, moving items by keys and
// by drag, the filter box, and the marks of source files that do not exist.

#include "controls/commui/color_edit.h"
#include "controls/commui/dialog_seam.h"
#include "controls/definition_model.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/dpct_data.h"
#include "data/option_table.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"
#include "ui/looks.h"
#include "ui/main_frame.h"
#include "ui/run_controller.h"

#include <functional>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::rowPoint;
using testing_gui::Sandbox;
using testing_gui::whenModal;

namespace {

/// The file names of the document's items, in list (run) order.
QStringList names(CChildFrame* doc)
{
    QStringList out;
    for (const CDpctData* item : doc->runItems())
        out.append(QFileInfo(QString::fromStdString(item->path)).fileName());
    return out;
}

/// The file names of the rows the list shows.
QStringList shown(CChildFrame* doc)
{
    QStringList out;
    for (int row = 0; row < doc->list()->count(); ++row)
        out.append(QFileInfo(QString::fromStdString(doc->list()->itemAt(row)->path)).fileName());
    return out;
}

} // namespace

class TestListEditing : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void undoAndRedoEveryEdit();
    void moveByKeysAndByDrag();
    void nothingMovesOrUndoesDuringARun();
    void filterNarrowsTheList();
    void missingFilesAreMarked();
    void itemDialogFindsRelativePathsBesideTheList();
    void aRunUnderTheFilterConvertsEveryItemInListOrder();
    void disabledFieldsLookDisabledInEveryLook();

private:
    QAction* action(int id) const { return frame_->action(id); }
};

void TestListEditing::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestListEditing::init()
{
    openMainWindow({}, [](CMainFrame& frame) { frame.resize(1000, 700); });
}

void TestListEditing::cleanup()
{
    discardModifiedDocuments();
    closeMainWindow();
}

void TestListEditing::undoAndRedoEveryEdit()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu")});
    QVERIFY(doc);
    CDpctTreeCtrl* list = doc->list();
    list->setFocus();
    QVERIFY(!action(cmd::Undo)->isEnabled());
    QVERIFY(!action(cmd::Redo)->isEnabled());

    // Delete b, undo with Ctrl+Z: the item returns to its row, selected, and the mark goes.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedRow(), 1);
    DialogSeam::answerMessage(QMessageBox::Yes);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(names(doc), (QStringList{QStringLiteral("a.cu"), QStringLiteral("c.cu")}));
    QVERIFY(doc->isModified());
    QVERIFY(action(cmd::Undo)->isEnabled());
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(names(doc),
             (QStringList{QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu")}));
    QCOMPARE(list->selectedRow(), 1);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("b.cu"));
    QVERIFY(!doc->isModified());
    QVERIFY(!doc->windowTitle().endsWith(QStringLiteral(" *")));
    QVERIFY(action(cmd::Redo)->isEnabled());
    // Redo with Ctrl+Y and Ctrl+Shift+Z (the second finds nothing left to redo).
    QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(names(doc), (QStringList{QStringLiteral("a.cu"), QStringLiteral("c.cu")}));
    QVERIFY(doc->windowTitle().endsWith(QStringLiteral(" *")));
    action(cmd::Undo)->trigger();

    // Update through the dialog, then undo: the option goes back.
    list->selectRow(0);
    Q_EMIT list->selectionMoved(0);
    whenModal([](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        QCheckBox* comments = dialog->findChild<QCheckBox*>(QStringLiteral("check--comments"));
        QVERIFY(comments);
        comments->setChecked(!comments->isChecked());
        dialog->okButton()->click();
    });
    const bool commentsBefore = doc->document().item(0)->isOn(kComments);
    action(cmd::UpdateItem)->trigger();
    QCOMPARE(doc->document().item(0)->isOn(kComments), !commentsBefore);
    action(cmd::Undo)->trigger();
    QCOMPARE(doc->document().item(0)->isOn(kComments), commentsBefore);
    QVERIFY(!doc->isModified());
    action(cmd::Redo)->trigger();
    QCOMPARE(doc->document().item(0)->isOn(kComments), !commentsBefore);
    action(cmd::Undo)->trigger();

    // Add, undone: the row goes again.
    const QString d = sandbox_->file(QStringLiteral("d.cu"));
    QFile(d).open(QIODevice::WriteOnly);
    whenModal([d](QDialog* dlg) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(dlg);
        QVERIFY(dialog);
        dialog->fileEdit()->setText(d);
        dialog->okButton()->click();
    });
    action(cmd::AddItem)->trigger();
    QCOMPARE(names(doc).size(), 4);
    QCOMPARE(list->selectedRow(), 3);
    action(cmd::Undo)->trigger();
    QCOMPARE(names(doc),
             (QStringList{QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu")}));

    // Delete all, undone: every item back, in order.
    DialogSeam::answerMessage(QMessageBox::Yes);
    action(cmd::DeleteAll)->trigger();
    QCOMPARE(doc->rowCount(), 0);
    action(cmd::Undo)->trigger();
    QCOMPARE(names(doc),
             (QStringList{QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu")}));
    QCOMPARE(list->selectedRow(), 0);

    // The Edit menu holds both.
    QMenu* edit = frame_->findChild<QMenu*>(QStringLiteral("menuEdit"));
    QVERIFY(edit);
    QVERIFY(edit->actions().contains(action(cmd::Undo)));
    QVERIFY(edit->actions().contains(action(cmd::Redo)));
}

void TestListEditing::moveByKeysAndByDrag()
{
    CChildFrame* doc = openRows(
        {QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu"), QStringLiteral("d.cu")});
    QVERIFY(doc);
    CDpctTreeCtrl* list = doc->list();
    list->setFocus();
    QCOMPARE(list->selectedRow(), 0);
    QVERIFY(!action(cmd::MoveItemUp)->isEnabled());
    QVERIFY(action(cmd::MoveItemDown)->isEnabled());

    // Alt+Down twice: a goes to the third place and stays selected.
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(names(doc), (QStringList{QStringLiteral("b.cu"), QStringLiteral("c.cu"), QStringLiteral("a.cu"),
                                      QStringLiteral("d.cu")}));
    QCOMPARE(list->selectedRow(), 2);
    QCOMPARE(doc->propCtrl()->valueText(kSlotFileName), QStringLiteral("a.cu"));
    QVERIFY(doc->isModified());
    // Alt+Up once, then the menu command.
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(list->selectedRow(), 1);
    action(cmd::MoveItemUp)->trigger();
    QCOMPARE(list->selectedRow(), 0);
    QCOMPARE(names(doc).first(), QStringLiteral("a.cu"));
    QVERIFY(!action(cmd::MoveItemUp)->isEnabled());
    // The saved order by other moves is still an edit; undoing them all is not.
    QVERIFY(doc->isModified());
    for (int i = 0; i < 4; ++i)
        action(cmd::Undo)->trigger();
    QVERIFY(!doc->isModified());
    QVERIFY(!action(cmd::Undo)->isEnabled());

    // Drag the first row below the third.
    list->selectRow(0);
    const QPoint from = rowPoint(list, 0);
    const QPoint to = list->rowRect(2).bottomLeft() + QPoint(30, -2);
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(list->viewport(), from + QPoint(0, 5));
    QTest::mouseMove(list->viewport(), to);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, to);
    QCOMPARE(names(doc), (QStringList{QStringLiteral("b.cu"), QStringLiteral("c.cu"), QStringLiteral("a.cu"),
                                      QStringLiteral("d.cu")}));
    QCOMPARE(list->selectedRow(), 2);
    // Drag the last row to the top.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 3));
    QTest::mouseMove(list->viewport(), rowPoint(list, 3) - QPoint(0, 8));
    const QPoint top = list->rowRect(0).topLeft() + QPoint(30, 2);
    QTest::mouseMove(list->viewport(), top);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, top);
    QCOMPARE(names(doc).first(), QStringLiteral("d.cu"));
    QCOMPARE(list->selectedRow(), 0);
    // A click without a drag moves nothing.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 1));
    QCOMPARE(names(doc).first(), QStringLiteral("d.cu"));

    // Undo walks back through both drags.
    action(cmd::Undo)->trigger();
    action(cmd::Undo)->trigger();
    QCOMPARE(names(doc), (QStringList{QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu"),
                                      QStringLiteral("d.cu")}));
    QVERIFY(!doc->isModified());

    // The run queue follows the list order.
    QVERIFY(doc->document().move(3, 0));
    QCOMPARE(QFileInfo(QString::fromStdString(doc->runItems().front()->path)).fileName(),
             QStringLiteral("d.cu"));
}

void TestListEditing::nothingMovesOrUndoesDuringARun()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu")});
    QVERIFY(doc);
    CDpctTreeCtrl* list = doc->list();
    list->setFocus();
    list->selectRow(1);
    QVERIFY(doc->document().move(0, 2));
    const QStringList order = names(doc);
    doc->setRunPhase(RunPhase::ItemRunning);
    for (int id : {cmd::Undo, cmd::Redo, cmd::MoveItemUp, cmd::MoveItemDown})
        QVERIFY2(!doc->commandEnabled(id), qPrintable(QString::number(id)));
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    doc->runCommand(cmd::Undo);
    doc->runCommand(cmd::MoveItemDown);
    // A drag is refused too, even one the list would report.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 0));
    QTest::mouseMove(list->viewport(), rowPoint(list, 2));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 2));
    Q_EMIT list->rowMoveRequested(0, 2);
    QCOMPARE(names(doc), order);
    doc->setRunPhase(RunPhase::Idle);
    QVERIFY(doc->commandEnabled(cmd::Undo));
}

void TestListEditing::filterNarrowsTheList()
{
    CChildFrame* doc = openRows({QStringLiteral("alpha.cu"), QStringLiteral("Beta.cu"),
                                 QStringLiteral("gamma.cu"), QStringLiteral("alphabet.cu")});
    QVERIFY(doc);
    CDpctTreeCtrl* list = doc->list();
    QLineEdit* filter = doc->filterEdit();
    QVERIFY(filter);
    QVERIFY(doc->filterCount()->isHidden());
    list->selectRow(3);
    Q_EMIT list->selectionMoved(3);

    // Letter case does not count; the selected item stays selected when it is still shown.
    QTest::keyClicks(filter, QStringLiteral("ALPHA"));
    QCOMPARE(shown(doc), (QStringList{QStringLiteral("alpha.cu"), QStringLiteral("alphabet.cu")}));
    QCOMPARE(list->selectedRow(), 1);
    QCOMPARE(doc->selectedItemRow(), 3);
    QVERIFY(doc->filterCount()->isVisible());
    QVERIFY(doc->filterCount()->text().contains(QLatin1Char('2')));
    QVERIFY(doc->filterCount()->text().contains(QLatin1Char('4')));
    filter->setText(QStringLiteral("bet"));
    QCOMPARE(shown(doc), (QStringList{QStringLiteral("Beta.cu"), QStringLiteral("alphabet.cu")}));

    // Editing acts on the item shown: move it up past the hidden ones, delete it by name.
    list->selectRow(1);
    Q_EMIT list->selectionMoved(1);
    action(cmd::MoveItemUp)->trigger();
    QCOMPARE(names(doc), (QStringList{QStringLiteral("alpha.cu"), QStringLiteral("alphabet.cu"),
                                      QStringLiteral("Beta.cu"), QStringLiteral("gamma.cu")}));
    QCOMPARE(shown(doc), (QStringList{QStringLiteral("alphabet.cu"), QStringLiteral("Beta.cu")}));
    QCOMPARE(list->selectedRow(), 0);
    DialogSeam::answerMessage(QMessageBox::Yes);
    action(cmd::DeleteItem)->trigger();
    QVERIFY(DialogSeam::last().text.contains(QStringLiteral("alphabet.cu")));
    QCOMPARE(shown(doc), (QStringList{QStringLiteral("Beta.cu")}));
    QCOMPARE(doc->rowCount(), 3);
    // Undo brings it back into the filtered list too.
    action(cmd::Undo)->trigger();
    QCOMPARE(shown(doc), (QStringList{QStringLiteral("alphabet.cu"), QStringLiteral("Beta.cu")}));
    QCOMPARE(list->selectedRow(), 0);

    // Delete all names what the filter hides.
    DialogSeam::answerMessage(QMessageBox::No);
    action(cmd::DeleteAll)->trigger();
    QVERIFY(DialogSeam::last().text.contains(QCoreApplication::translate(
        "tovalo::gui::ListEditor", "%n of them are hidden by the filter.", nullptr, 2)));

    // Enter in the box goes to the list rather than to the update command; Esc empties it.
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Return);
    QVERIFY(list->hasFocus());
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Escape);
    QVERIFY(filter->text().isEmpty());
    QCOMPARE(list->count(), 4);
    QVERIFY(doc->filterCount()->isHidden());
    QCOMPARE(QFileInfo(QString::fromStdString(list->itemAt(list->selectedRow())->path)).fileName(),
             QStringLiteral("alphabet.cu"));

    // Nothing matches: an empty list, nothing to update.
    filter->setText(QStringLiteral("zzz"));
    QCOMPARE(list->count(), 0);
    QVERIFY(!action(cmd::UpdateItem)->isEnabled());
    QVERIFY(!action(cmd::DeleteItem)->isEnabled());
}

void TestListEditing::missingFilesAreMarked()
{
    CChildFrame* doc = openRows({QStringLiteral("a.cu"), QStringLiteral("b.cu"), QStringLiteral("c.cu")});
    QVERIFY(doc);
    DefinitionModel* model = doc->model();
    // All there after the check that the opening started.
    QTRY_VERIFY(!model->isCheckingFiles());
    QCOMPARE(model->missingCount(), 0);

    // A file removed while the user is elsewhere is marked when the window is active again.
    const QString b = QString::fromStdString(doc->document().item(1)->path);
    QVERIFY(QFile::remove(b));
    {
        // The user goes to another window and comes back.
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QCOMPARE(model->missingCount(), 0);
        frame_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }
    QTRY_COMPARE(model->missingCount(), 1);
    QVERIFY(model->data(model->index(1), DefinitionModel::MissingRole).toBool());
    QVERIFY(!model->data(model->index(0), DefinitionModel::MissingRole).toBool());
    const QString tip = model->data(model->index(1), Qt::ToolTipRole).toString();
    QVERIFY(tip.contains(b));
    QVERIFY(!model->data(model->index(0), Qt::ToolTipRole).isValid());

    // The list shows the tool tip over the row.
    CDpctTreeCtrl* list = doc->list();
    QHelpEvent help(QEvent::ToolTip, rowPoint(list, 1), list->viewport()->mapToGlobal(rowPoint(list, 1)));
    QApplication::sendEvent(list->viewport(), &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), tip);
    QToolTip::hideText();

    // Back again: the mark goes.
    QFile f(b);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(doc, &activate);
    QTRY_COMPARE(model->missingCount(), 0);

    // A file that is missing when the list is opened is marked from the start.
    QVERIFY(QFile::remove(QString::fromStdString(doc->document().item(2)->path)));
    QString error;
    QVERIFY(doc->loadDefinition(doc->filePath(), error));
    QTRY_COMPARE(model->missingCount(), 1);
    QVERIFY(model->data(model->index(2), DefinitionModel::MissingRole).toBool());
}

void TestListEditing::itemDialogFindsRelativePathsBesideTheList()
{
    // A list in folder A naming src/a.cu with --in-root=sub, both relative to A; the program
    // runs from another folder. The item dialog finds both, as the list's own check does.
    const QDir a(sandbox_->file(QStringLiteral("A")));
    QVERIFY(a.mkpath(QStringLiteral("sub")));
    testing_gui::touch(a.filePath(QStringLiteral("src/a.cu")));
    const QString list = a.filePath(QStringLiteral("list.txt"));
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Common]\nVersion=01.00.00.00\nLastUpdate=2026/12/07\n\n[src/a.cu]\n--in-root=\"sub\"\n");
    file.close();
    QVERIFY(QDir(sandbox_->path()).mkpath(QStringLiteral("elsewhere")));
    QDir::setCurrent(sandbox_->file(QStringLiteral("elsewhere")));
    QVERIFY(frame_->openDefinition(list));
    CChildFrame* doc = active();
    QTRY_VERIFY(!doc->model()->isCheckingFiles());
    QCOMPARE(doc->model()->missingCount(), 0);
    doc->list()->selectRow(0);
    Q_EMIT doc->list()->selectionMoved(0);

    bool accepted = false;
    whenModal([&accepted](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        QVERIFY2(!dialog->fileEdit()->textColor().isValid(), qPrintable(dialog->fileEdit()->text()));
        QVERIFY(!dialog->page()->edit(kInRoot)->textColor().isValid());
        dialog->okButton()->click(); // refused (with a message) if either path were not found
        accepted = dialog->result() == QDialog::Accepted;
    });
    action(cmd::UpdateItem)->trigger();
    QVERIFY(accepted);
    QCOMPARE(doc->document().item(0)->text(kInRoot), std::string("sub"));
}

void TestListEditing::aRunUnderTheFilterConvertsEveryItemInListOrder()
{
    settings_->oneapiRoot = testing_gui::simToolkitRoot().toStdString();
    frame_ = std::make_unique<CMainFrame>(*settings_, *store_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    const QString def = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("run.txt"),
        {{QStringLiteral("keep1.cu"), QStringLiteral("result=ok delay-ms=200")},
         {QStringLiteral("skip2.cu"), QStringLiteral("result=ok delay-ms=200")},
         {QStringLiteral("keep3.cu"), QStringLiteral("result=ok delay-ms=200")}});
    QVERIFY(frame_->openDefinition(def));
    CChildFrame* doc = active();
    QString error;
    QVERIFY2(frame_->openConsole(error), qPrintable(error));
    QTRY_VERIFY_WITH_TIMEOUT(frame_->runController()->scheduler()->startUpDone(), 30000);
    QTRY_VERIFY(frame_->action(cmd::AddItem)->isEnabled());

    // The last item moved to the front, then the list narrowed to the kept files.
    doc->list()->selectRow(2);
    Q_EMIT doc->list()->selectionMoved(2);
    action(cmd::MoveItemUp)->trigger();
    action(cmd::MoveItemUp)->trigger();
    QCOMPARE(names(doc), (QStringList{QStringLiteral("keep3.cu"), QStringLiteral("keep1.cu"),
                                      QStringLiteral("skip2.cu")}));
    doc->filterEdit()->setText(QStringLiteral("keep"));
    QCOMPARE(shown(doc), (QStringList{QStringLiteral("keep3.cu"), QStringLiteral("keep1.cu")}));

    // The run takes every item of the list, hidden ones included, in list order; nothing can be
    // moved or undone meanwhile. The list shows the current row when the filter shows it.
    QList<int> rowsSeen;
    connect(doc, &DocumentWindow::stateChanged, this, [&rowsSeen, doc] {
        if (rowsSeen.isEmpty() || rowsSeen.last() != doc->currentRow())
            rowsSeen.append(doc->currentRow());
    });
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QCOMPARE(doc->currentRow(), 0);
    for (int id : {cmd::Undo, cmd::Redo, cmd::MoveItemUp, cmd::MoveItemDown})
        QVERIFY2(!action(id)->isEnabled(), qPrintable(QString::number(id)));
    QTRY_COMPARE_WITH_TIMEOUT(doc->currentRow(), 2, 15000);
    QCOMPARE(doc->list()->selectedRow(), 0); // the user's row; skip2, hidden, runs unseen
    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->scheduler()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(rowsSeen, (QList<int>{0, 1, 2, -1}));
    for (const CDpctData* item : doc->runItems())
        QCOMPARE(item->status, ItemStatus::ConvertedOk);
    QVERIFY(action(cmd::Undo)->isEnabled());
}

void TestListEditing::disabledFieldsLookDisabledInEveryLook()
{
    // The item dialog in file mode: the directory field is disabled, the file field is not.
    CDpctData target;
    CDpctDataDlg dialog(CDpctDataDlg::Mode::Add, target, nullptr, {}, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.fileEdit()->isEnabled());
    QVERIFY(!dialog.dirEdit()->isEnabled());
    const auto background = [](QWidget* w) {
        const QImage image = w->grab().toImage();
        return image.pixelColor(image.width() - 6, image.height() / 2);
    };
    for (const Look& look : looks()) {
        applyLookToApplication(look.id);
        QApplication::processEvents();
        const QColor enabled = background(dialog.fileEdit());
        const QColor disabled = background(dialog.dirEdit());
        QVERIFY2(enabled != disabled,
                 qPrintable(QStringLiteral("look %1: both %2").arg(look.id).arg(enabled.name())));
        // The disabled field is drawn on the window's colour.
        QCOMPARE(QApplication::palette().color(QPalette::Disabled, QPalette::Base),
                 QApplication::palette().color(QPalette::Active, QPalette::Window));
    }
    applyLookToApplication(kDefaultLook);
}

QTEST_MAIN(TestListEditing)
#include "list_editing_test.moc"
