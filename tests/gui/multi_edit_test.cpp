// Several items at once in a document window: the option grid and the item dialog show what the
// selected items share, an edit gives every one of them only what the user touched, Delete takes
// them all, and Convert Selected runs only them. Each change is one step of undo.

#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/dialog_seam.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"
#include "ui/main_frame.h"
#include "ui/run_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::rowPoint;
using testing_gui::whenModal;

class TestMultiEdit : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        testing_gui::failOnUnexpectedDialogs();
        testing_gui::useBuiltLanguagePacks();
    }
    void init()
    {
        openMainWindow(
            [](Settings& settings) { settings.oneapiRoot = testing_gui::simToolkitRoot().toStdString(); },
            [](CMainFrame& frame) { frame.resize(1000, 700); });
    }
    void cleanup()
    {
        discardModifiedDocuments();
        closeMainWindow();
    }

    void deleteTakesEverySelectedItemInOneStep();
    void editShowsWhatTheItemsShareAndAppliesOnlyTheTouched();
    void convertSelectedRunsOnlyThoseItems();

private:
    /// Opens items a.cu ... and selects `rows` by clicks (the first plain, the others with Ctrl).
    CChildFrame* openAndSelect(int items, const std::vector<int>& rows)
    {
        QStringList names;
        for (int i = 0; i < items; ++i)
            names.append(QString(QLatin1Char(static_cast<char>('a' + i))) + QStringLiteral(".cu"));
        CChildFrame* doc = openRows(names);
        if (!doc)
            return nullptr;
        CDpctTreeCtrl* list = doc->list();
        list->setFocus();
        for (std::size_t i = 0; i < rows.size(); ++i)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                              rowPoint(list, rows[i]));
        return doc;
    }
    static QString fileName(const CDpctData* item)
    {
        return QFileInfo(QString::fromStdString(item->path)).fileName();
    }
};

void TestMultiEdit::deleteTakesEverySelectedItemInOneStep()
{
    CChildFrame* doc = openAndSelect(5, {1, 3, 4});
    QVERIFY(doc);
    QCOMPARE(doc->list()->selectedCount(), 3);
    QVERIFY(frame_->action(cmd::DeleteItem)->isEnabled());
    // Moving needs one row.
    QVERIFY(!frame_->action(cmd::MoveItemUp)->isEnabled());

    DialogSeam::resetLog();
    DialogSeam::answerMessage(QMessageBox::Yes);
    QTest::keyClick(doc->list(), Qt::Key_Delete);
    // One question that gives the count and names the items.
    QCOMPARE(DialogSeam::shownCount(), 1);
    const QString question = DialogSeam::last().text;
    QVERIFY2(question.contains(QLatin1Char('3')), qPrintable(question));
    for (const char* name : {"b.cu", "d.cu", "e.cu"})
        QVERIFY2(question.contains(QLatin1String(name)), qPrintable(question));
    QCOMPARE(doc->rowCount(), 2);
    QCOMPARE(fileName(doc->document().item(1)), QStringLiteral("c.cu"));
    // The row after the first deleted one takes the selection.
    QCOMPARE(doc->selectedItemRow(), 1);

    // One undo brings all three back at their rows.
    frame_->action(cmd::Undo)->trigger();
    QCOMPARE(doc->rowCount(), 5);
    QCOMPARE(fileName(doc->document().item(3)), QStringLiteral("d.cu"));
    QVERIFY(!doc->document().canUndo());
    QVERIFY(!doc->isModified());

    // Answering No deletes nothing.
    doc->list()->selectRows({0, 1});
    DialogSeam::answerMessage(QMessageBox::No);
    frame_->action(cmd::DeleteItem)->trigger();
    QCOMPARE(doc->rowCount(), 5);
}

void TestMultiEdit::editShowsWhatTheItemsShareAndAppliesOnlyTheTouched()
{
    CChildFrame* doc = openAndSelect(4, {});
    QVERIFY(doc);
    // --comments on everywhere (they agree); --usm-level on everywhere with two values (mixed
    // value); --extra-arg on in the first item only (mixed switch).
    DefinitionDocument& document = doc->document();
    for (int r = 0; r < 4; ++r) {
        CDpctData* item = document.item(r);
        item->setOn(kComments, true);
        item->setOn(kUsmLevel, true);
        item->setChoiceIndex(kUsmLevel, r == 2 ? 1 : 0);
        item->setOn(kExtraArg, r == 0);
        item->setText(kExtraArg, r == 0 ? "-DA" : "");
    }
    CDpctTreeCtrl* list = doc->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowPoint(list, 2));
    QCOMPARE(list->selectedCount(), 3);

    // The grid: shared values as they are, the others marked.
    CDpctPropCtrl* grid = doc->propCtrl();
    QVERIFY(!grid->isRowMixed(kComments));
    QVERIFY(grid->isRowEnabled(kComments));
    QVERIFY(grid->isRowMixed(kUsmLevel));
    QVERIFY(grid->isRowMixed(kExtraArg));
    QCOMPARE(grid->valueText(kExtraArg), CDpctPropCtrl::mixedText());
    QVERIFY(grid->isRowMixed(kSlotFileName));

    bool shown = false;
    whenModal([&](QDialog* d) {
        auto* dialog = qobject_cast<CDpctDataDlg*>(d);
        QVERIFY(dialog);
        QVERIFY(dialog->isMultiple());
        QVERIFY(!dialog->fileEdit()->isEnabled());
        CDpctDataSetDlg* page = dialog->page();
        QCOMPARE(page->checkBox(kComments)->checkState(), Qt::Checked);
        QCOMPARE(page->checkBox(kUsmLevel)->checkState(), Qt::Checked);
        QCOMPARE(page->comboBox(kUsmLevel)->currentIndex(), -1);
        QCOMPARE(page->comboBox(kUsmLevel)->placeholderText(), CDpctPropCtrl::mixedText());
        QCOMPARE(page->checkBox(kExtraArg)->checkState(), Qt::PartiallyChecked);
        QVERIFY(page->edit(kExtraArg)->text().isEmpty());
        QCOMPARE(page->edit(kExtraArg)->placeholderText(), CDpctPropCtrl::mixedText());
        // Touch --extra-arg only: switch it on for all and give it a value.
        page->checkBox(kExtraArg)->click();
        QCOMPARE(page->checkBox(kExtraArg)->checkState(), Qt::Checked);
        page->edit(kExtraArg)->setText(QStringLiteral("-DX"));
        shown = true;
        dialog->okButton()->click();
    });
    frame_->action(cmd::UpdateItem)->trigger();
    QVERIFY(shown);
    for (int r = 0; r < 3; ++r) {
        const CDpctData* item = document.item(r);
        QVERIFY(item->isOn(kExtraArg));
        QCOMPARE(item->text(kExtraArg), std::string("-DX"));
        QVERIFY(item->isOn(kComments));
        // Untouched: each keeps its own value.
        QCOMPARE(item->choiceIndex(kUsmLevel), r == 2 ? 1 : 0);
    }
    QVERIFY(!document.item(3)->isOn(kExtraArg)); // not selected
    QVERIFY(doc->isModified());
    QCOMPARE(list->selectedCount(), 3);
    QVERIFY(!grid->isRowMixed(kExtraArg));
    QCOMPARE(grid->valueText(kExtraArg), QStringLiteral("-DX"));

    // One undo takes the whole edit back.
    frame_->action(cmd::Undo)->trigger();
    QVERIFY(!document.canUndo());
    QVERIFY(document.item(0)->isOn(kExtraArg));
    QCOMPARE(document.item(0)->text(kExtraArg), std::string("-DA"));
    QVERIFY(!document.item(1)->isOn(kExtraArg));

    // Nothing touched: nothing changes, and no step is recorded.
    list->selectRows({0, 1, 2});
    whenModal([](QDialog* d) { qobject_cast<CDpctDataDlg*>(d)->okButton()->click(); });
    frame_->action(cmd::UpdateItem)->trigger();
    QVERIFY(!document.canUndo());
}

void TestMultiEdit::convertSelectedRunsOnlyThoseItems()
{
    openConsole();
    CChildFrame* doc = openAndSelect(4, {1, 3});
    QVERIFY(doc);
    QTRY_VERIFY(frame_->action(cmd::ConvertSelected)->isEnabled());
    QTest::keyClick(frame_.get(), Qt::Key_F7);
    const DefinitionDocument& document = doc->document();
    QTRY_COMPARE_WITH_TIMEOUT(document.item(3)->status, ItemStatus::ConvertedOk, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(frame_->runController()->phase(), RunPhase::Idle, 30000);
    QCOMPARE(document.item(0)->status, ItemStatus::None);
    QCOMPARE(document.item(1)->status, ItemStatus::ConvertedOk);
    QCOMPARE(document.item(2)->status, ItemStatus::None);
    QCOMPARE(document.item(3)->status, ItemStatus::ConvertedOk);
}

QTEST_MAIN(TestMultiEdit)
#include "multi_edit_test.moc"
