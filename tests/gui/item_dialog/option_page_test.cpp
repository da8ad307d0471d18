// Drives the real option-setting page of the item dialog: every check and message of the page,
// the `changed` marks, the row order and tips, and the choosers with their remembered folders.

#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/color_tool_tip_ctrl.h"
#include "controls/commui/dialog_seam.h"
#include "data/option_table.h"
#include "dialog_test_support.h"
#include "item_dialog_test_support.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"
#include "ui/item_dialog/folder_memory.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tovalo::gui;
using namespace tovalo;
using namespace testing_itemdlg;

namespace {

/// A record whose every option is on and whose every value is refused.
CDpctData allRefused(const QString& missing)
{
    CDpctData r;
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        r.setOn(slot, true);
        const OptionInfo& info = optionAt(slot);
        if (info.kind == OptionKind::Choice)
            r.setChoiceIndex(slot, -1);
        else if (info.kind == OptionKind::Text)
            r.setText(slot,
                      slot == kOutRoot
                          ? QString(missing + QStringLiteral("/deeper")).toStdString() // dpct makes one level
                      : info.path != PathRule::None ? missing.toStdString()
                                                    : std::string());
    }
    return r;
}

} // namespace

class TestOptionPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }
    void init()
    {
        DialogSeam::resetLog();
        QVERIFY(tmp_.isValid());
    }

    void pageRefusesInSlotOrderAndKeepsTarget()
    {
        const QString missing = tmp_.filePath(QStringLiteral("nothing-here"));
        CDpctData target = allRefused(missing);
        const CDpctData original = target;
        CDpctDataSetDlg page(target, nullptr);

        const QList<int> expected = {703, 704, 705, 706, 707, 708, 709, 710, 711, 712, 713,
                                     715, 714, 716, 717, 718, 719, 720, 721, 722, 726, 723};
        for (int id : expected) {
            const int before = DialogSeam::shownCount();
            DialogSeam::answerMessage();
            QVERIFY(!page.validateAndStore());
            // One message for every refused option, under the number of the first.
            QCOMPARE(DialogSeam::shownCount(), before + 1);
            QCOMPARE(DialogSeam::last().id, id);
            QCOMPARE(DialogSeam::last().icon, QMessageBox::Critical);
            QCOMPARE(target, original);
            // Find the refused option, check that it holds the focus, then mend it.
            int slot = -1;
            for (int s = kFirstOptionSlot; s < kSlotCount; ++s)
                if (optionAt(s).refusalId == id)
                    slot = s;
            QVERIFY(slot > 0);
            const QString name = qs(optionAt(slot).name);
            if (id == 726)
                QVERIFY(!DialogSeam::last().text.contains(name));
            else
                QVERIFY(DialogSeam::last().text.contains(name + QStringLiteral(":\n")));
            // The later ones are in the same message; the last one alone is its own message.
            const bool alone = id == expected.back();
            QCOMPARE(DialogSeam::last().text.startsWith(name + QStringLiteral(":\n")), alone);
            if (id == 703)
                QVERIFY(DialogSeam::last().text.contains(CDpctDataSetDlg::refusalText(kVcxprojFile)));
            if (CColorComboBox* combo = page.comboBox(slot)) {
                QCOMPARE(page.focusWidget(), combo);
                QCOMPARE(combo->currentIndex(), -1);
                combo->setCurrentIndex(0);
            } else {
                CColorEdit* edit = page.edit(slot);
                QCOMPARE(page.focusWidget(), edit);
                if (!edit->text().isEmpty()) {
                    QCOMPARE(edit->textColor(), kRed);
                    edit->setText(tmp_.path());
                } else {
                    edit->setText(QStringLiteral("value-%1").arg(slot));
                }
            }
        }
        QVERIFY(page.validateAndStore());
        QCOMPARE(target.text(kInRoot), tmp_.path().toStdString());
        QCOMPARE(target.text(kExtraArg), "value-9");
        QCOMPARE(target.choiceIndex(kUsmLevel), 0);
        QCOMPARE(target.choiceIndex(kFormatStyle), 0);
        QVERIFY(!page.edit(kInRoot)->textColor().isValid());
    }

    void pagePlainValuesWithOpenQuotesAreRefused()
    {
        // Each of the three options that take several arguments, with a quote left open: the
        // page names the option, keeps the focus on it, and takes the value once it is closed.
        for (const int slot : {kExtraArg, kReportFilePrefix, kSuppressWarnings}) {
            CDpctData target;
            target.setOn(slot, true);
            CDpctDataSetDlg page(target, nullptr);
            page.edit(slot)->setText(QStringLiteral("-DX=\"a b"));
            DialogSeam::answerMessage();
            QVERIFY(!page.validateAndStore());
            QCOMPARE(DialogSeam::last().id, optionAt(slot).refusalId);
            QCOMPARE(DialogSeam::last().text, CDpctDataSetDlg::plainValueRefusalText(slot));
            QVERIFY(DialogSeam::last().text.startsWith(qs(optionAt(slot).name) + QStringLiteral(":\n")));
            QCOMPARE(page.focusWidget(), page.edit(slot));
            QCOMPARE(target.text(slot), "");
            page.edit(slot)->setText(QStringLiteral("-DX=\"a b\" -DY"));
            QVERIFY(page.validateAndStore());
            QCOMPARE(target.text(slot), "-DX=\"a b\" -DY");
        }
    }

    void pageUncheckedNeverValidatedAndEmptyPathPasses()
    {
        CDpctData target;
        target.setText(kInRoot, "/no/such/folder/at/all");
        target.setText(kOutRoot, "/somewhere/else");
        target.setOn(kOutRoot, true);
        CDpctDataSetDlg page(target, nullptr);
        page.edit(kOutRoot)->setText(QString());
        page.edit(kInRoot)->setText(QStringLiteral("/other/missing/folder"));
        QVERIFY(page.validateAndStore());
        QCOMPARE(DialogSeam::shownCount(), 0);
        QCOMPARE(target.text(kInRoot), "/no/such/folder/at/all"); // unchecked: not read
        QCOMPARE(target.text(kOutRoot), "");                      // checked and empty: stored empty
        QVERIFY(target.isOn(kOutRoot));
    }

    void pageOutRootMayBeANewFolderInAnExistingOne()
    {
        CDpctData target;
        target.setOn(kOutRoot, true);
        CDpctDataSetDlg page(target, nullptr);
        // dpct creates the folder: a new one in an existing folder passes, with or without a
        // trailing separator, and is not painted red.
        for (const QString& folder :
             {tmp_.filePath(QStringLiteral("new-out")), tmp_.filePath(QStringLiteral("new-out/"))}) {
            page.edit(kOutRoot)->setText(folder);
            Q_EMIT page.edit(kOutRoot)->editingFinished();
            QVERIFY(!page.edit(kOutRoot)->textColor().isValid());
            QVERIFY(page.validateAndStore());
            QCOMPARE(target.text(kOutRoot), folder.toStdString());
        }
        // A folder whose parent is missing too is refused, and the message says it is missing.
        page.edit(kOutRoot)->setText(tmp_.filePath(QStringLiteral("no-parent/new-out")));
        DialogSeam::answerMessage();
        QVERIFY(!page.validateAndStore());
        QCOMPARE(DialogSeam::last().id, 712);
        QVERIFY2(DialogSeam::last().text.contains(QStringLiteral("missing")),
                 qPrintable(DialogSeam::last().text));
        QCOMPARE(page.edit(kOutRoot)->textColor(), kRed);
        QCOMPARE(DialogSeam::shownCount(), 1);
        // Other path options still need what they name to exist.
        QVERIFY(CDpctDataSetDlg::outRootAcceptable(tmp_.filePath(QStringLiteral("new-in"))));
        QVERIFY(!CDpctDataSetDlg::pathAcceptable(tmp_.filePath(QStringLiteral("new-in"))));
    }

    void pageChoiceOutsideListOpensEmptyAndIsRefusedUntilChosen()
    {
        CDpctData target;
        target.setOn(kReportType, true);
        target.setChoiceIndex(kReportType, -1);
        CDpctDataSetDlg page(target, nullptr);
        CColorComboBox* combo = page.comboBox(kReportType);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->count(), 3);
        QVERIFY(combo->itemBold(1));
        QVERIFY(!combo->itemBold(0) && !combo->itemBold(2));
        DialogSeam::answerMessage();
        QVERIFY(!page.validateAndStore());
        QCOMPARE(DialogSeam::last().id, 718);
        combo->setCurrentIndex(2);
        QVERIFY(page.validateAndStore());
        QCOMPARE(target.choiceIndex(kReportType), 2);
        QCOMPARE(target.choiceEntry(kReportType), "ALL");
    }

    void pageUsmLevelWithoutSelectionGives726()
    {
        CDpctData target;
        target.setOn(kUsmLevel, true);
        CDpctDataSetDlg page(target, nullptr);
        page.comboBox(kUsmLevel)->setCurrentIndex(-1);
        DialogSeam::answerMessage();
        QVERIFY(!page.validateAndStore());
        QCOMPARE(DialogSeam::last().id, 726);
        QCOMPARE(page.focusWidget(), page.comboBox(kUsmLevel));
    }

    void pageSetAllTicksOnlyOptionsThatGoTogether()
    {
        CDpctData target;
        CDpctDataSetDlg page(target, nullptr);
        QCheckBox* locked = page.checkBox(kNoClNamespaceInline);
        QVERIFY(!locked->isEnabled());
        QVERIFY(!page.edit(kInRoot)->isEnabled());
        QVERIFY(!page.browseButton(kInRoot)->isEnabled());
        page.setAll(true);
        // The fixed option keeps its state; of the exclusive group only the first is ticked.
        QVERIFY(!locked->isChecked());
        QVERIFY(!locked->isEnabled());
        QVERIFY(page.checkBox(kNoDryPattern)->isChecked());
        QVERIFY(!page.checkBox(kNoIncrementalMigration)->isChecked());
        QVERIFY(!page.checkBox(kOptimizeMigration)->isChecked());
        QVERIFY(page.edit(kInRoot)->isEnabled());
        QVERIFY(page.browseButton(kInRoot)->isEnabled());
        QVERIFY(page.comboBox(kUsmLevel)->isEnabled());
        // Texts that must not be empty: fill them so that everything passes.
        for (int slot : {kCustomHelperName, kExtraArg, kReportFilePrefix, kSuppressWarnings})
            page.edit(slot)->setText(QStringLiteral("x"));
        QVERIFY(page.validateAndStore());
        for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
            const bool expected =
                slot != kNoClNamespaceInline && slot != kNoIncrementalMigration && slot != kOptimizeMigration;
            QVERIFY2(target.isOn(slot) == expected, optionAt(slot).name.data());
        }
        page.setAll(false);
        QVERIFY(!locked->isChecked());
        QVERIFY(!page.comboBox(kUsmLevel)->isEnabled());
        QVERIFY(page.validateAndStore());
        for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot)
            QVERIFY2(!target.isOn(slot), optionAt(slot).name.data());

        // A member of the group the user ticked is the one kept; a fixed option that is on
        // stays on through both.
        CDpctData fixedOn;
        fixedOn.setOn(kNoClNamespaceInline, true);
        CDpctDataSetDlg other(fixedOn, nullptr);
        other.checkBox(kOptimizeMigration)->setChecked(true);
        other.checkBox(kNoIncrementalMigration)->setChecked(true);
        other.setAll(true);
        QVERIFY(!other.checkBox(kNoDryPattern)->isChecked());
        QVERIFY(other.checkBox(kNoIncrementalMigration)->isChecked());
        QVERIFY(!other.checkBox(kOptimizeMigration)->isChecked());
        QVERIFY(other.checkBox(kNoClNamespaceInline)->isChecked());
        other.setAll(false);
        QVERIFY(other.checkBox(kNoClNamespaceInline)->isChecked());
        QVERIFY(!other.checkBox(kNoIncrementalMigration)->isChecked());
    }

    void pageChangedMarks()
    {
        CDpctData target;
        target.setOn(kExtraArg, true);
        target.setText(kExtraArg, "-DFoo");
        target.setOn(kCustomHelperName, true);
        target.setText(kCustomHelperName, "helper");
        target.setOn(kFormatStyle, true);
        CDpctDataSetDlg page(target, nullptr);
        page.edit(kExtraArg)->setText(QStringLiteral("-dfoo")); // case only
        page.edit(kCustomHelperName)->setText(QStringLiteral("helper2"));
        page.comboBox(kFormatStyle)->setCurrentIndex(0);
        QTest::mouseClick(page.checkBox(kComments), Qt::LeftButton);
        QVERIFY(page.checkBox(kComments)->isChecked());
        QVERIFY(page.validateAndStore());
        QCOMPARE(target.text(kExtraArg), "-dfoo"); // stored as typed
        QVERIFY(!target.isChanged(kExtraArg));
        QVERIFY(target.isChanged(kCustomHelperName));
        QVERIFY(target.isChanged(kFormatStyle));
        QVERIFY(target.isChanged(kComments));
        QVERIFY(!target.isChanged(kInRoot));
        QCOMPARE(target.changed.count(), std::size_t(3));

        // A second confirmation (after the dialog refused its own path check) keeps the marks
        // relative to the record the page was opened on.
        QVERIFY(page.validateAndStore());
        QVERIFY(target.isChanged(kCustomHelperName));
        QVERIFY(target.isChanged(kComments));
    }

    void pageRowsOrderTipsAndColours()
    {
        CDpctData target;
        CDpctDataSetDlg page(target, nullptr);
        page.resize(600, 1200);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const int extra = page.checkBox(kExtraArg)->y();
        const int gen = page.checkBox(kGenBuildScript)->y();
        const int range = page.checkBox(kFormatRange)->y();
        QVERIFY(extra < gen && gen < range);
        QVERIFY(page.checkBox(kAlwaysUseAsyncHandler)->y() < extra);
        QVERIFY(page.checkBox(kVcxprojFile)->y() > page.checkBox(kUsmLevel)->y());

        // Tips: the description as body with the option's name as bold heading; the two
        // options without a description have none.
        QString heading;
        QString body;
        CColorToolTipCtrl::splitTip(page.toolTip()->toolText(page.checkBox(kInRoot)), heading, body);
        QCOMPARE(heading, QStringLiteral("--in-root"));
        QCOMPARE(body, CDpctDataSetDlg::helpText(kInRoot));
        QVERIFY(page.toolTip()->toolText(page.checkBox(kNoIncrementalMigration)).isEmpty());
        QVERIFY(page.toolTip()->toolText(page.checkBox(kOptimizeMigration)).isEmpty());

        // Leaving a path edit re-colours it.
        page.checkBox(kCudaIncludePath)->setChecked(true);
        CColorEdit* edit = page.edit(kCudaIncludePath);
        edit->setText(tmp_.filePath(QStringLiteral("missing")));
        Q_EMIT edit->editingFinished();
        QCOMPARE(edit->textColor(), kRed);
        edit->setText(tmp_.path());
        Q_EMIT edit->editingFinished();
        QVERIFY(!edit->textColor().isValid());
    }

    void pageBrowseButtonsUseTheirFolders()
    {
        MapFolderMemory folders;
        folders.setFolder("InRoot", tmp_.path().toStdString());
        CDpctData target;
        target.setOn(kInRoot, true);
        target.setOn(kOutputFile, true);
        target.setOn(kVcxprojFile, true);
        CDpctDataSetDlg page(target, &folders);

        // Folder chooser: starts at the remembered folder, appends exactly one separator.
        const QString sub = tmp_.filePath(QStringLiteral("src"));
        QDir().mkpath(sub);
        DialogSeam::answerFolder(sub);
        QTest::mouseClick(page.browseButton(kInRoot), Qt::LeftButton);
        QCOMPARE(DialogSeam::last().dir, tmp_.path());
        QCOMPARE(DialogSeam::last().title, QStringLiteral("Select the root directory of the source tree"));
        const QString expected = QDir::toNativeSeparators(sub) + QDir::separator();
        QCOMPARE(page.edit(kInRoot)->text(), expected);
        QCOMPARE(qs(folders.folder("InRoot")), expected);
        DialogSeam::answerFolder(expected); // already ends with a separator
        QTest::mouseClick(page.browseButton(kInRoot), Qt::LeftButton);
        QCOMPARE(page.edit(kInRoot)->text(), expected);

        // Cancelling changes nothing.
        DialogSeam::answerFolder(std::nullopt);
        QTest::mouseClick(page.browseButton(kInRoot), Qt::LeftButton);
        QCOMPARE(page.edit(kInRoot)->text(), expected);

        // --output-file: the text-file chooser with its own remembered folder.
        const QString log = tmp_.filePath(QStringLiteral("logs/out.txt"));
        touch(log);
        DialogSeam::answerFile(log);
        QTest::mouseClick(page.browseButton(kOutputFile), Qt::LeftButton);
        QVERIFY(DialogSeam::last().filter.startsWith(QStringLiteral("Text File (*.txt)")));
        QCOMPARE(DialogSeam::last().title, QStringLiteral("Select the output file for stdout / stderr"));
        QCOMPARE(page.edit(kOutputFile)->text(), QDir::toNativeSeparators(log));
        QCOMPARE(qs(folders.folder("OutputFile")),
                 QDir::toNativeSeparators(tmp_.filePath(QStringLiteral("logs"))));

        const QString proj = tmp_.filePath(QStringLiteral("a.vcxproj"));
        touch(proj);
        DialogSeam::answerFile(proj);
        QTest::mouseClick(page.browseButton(kVcxprojFile), Qt::LeftButton);
        QVERIFY(DialogSeam::last().filter.startsWith(QStringLiteral("vcxproj file (*.vcxproj)")));
        QCOMPARE(qs(folders.folder("Vcxproj")), QDir::toNativeSeparators(tmp_.path()));
        QVERIFY(page.validateAndStore());
        QCOMPARE(qs(target.text(kOutputFile)), QDir::toNativeSeparators(log));
    }

private:
    QTemporaryDir tmp_;
};

QTEST_MAIN(TestOptionPage)
#include "option_page_test.moc"
