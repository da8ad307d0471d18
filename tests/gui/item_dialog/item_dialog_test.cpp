// Drives the real item dialog and option-setting page: every check and message of the page,
// the `changed` marks, the choosers with their remembered folders, the dialog's confirmation
// order, add/update modes, and the directory scan of the add command.

#include "base/path_text.h"
#include "base/text.h"
#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/color_tool_tip_ctrl.h"
#include "controls/commui/dialog_seam.h"
#include "controls/commui/dlg_scroll.h"
#include "controls/commui/folder_dialog.h"
#include "data/option_table.h"
#include "dialog_test_support.h"
#include "ui/item_dialog/directory_scan.h"
#include "ui/item_dialog/directory_scan_runner.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"
#include "ui/item_dialog/folder_memory.h"

#include <algorithm>
#include <memory>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tovalo::gui;

using namespace tovalo;

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

const QColor kRed(255, 0, 0);

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
                      : slot == kBuildScriptFile || info.browse != Browse::None || slot == kOutputFile
                          ? missing.toStdString()
                          : std::string());
    }
    return r;
}

} // namespace

class TestItemDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }
    void init()
    {
        DialogSeam::resetLog();
        QVERIFY(tmp_.isValid());
    }

    // --- option-setting page -------------------------------------------------------------

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
                if (CDpctDataSetDlg::refusalId(s) == id)
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
            QCOMPARE(DialogSeam::last().id, CDpctDataSetDlg::refusalId(slot));
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
        QCOMPARE(target.changed[kExtraArg], 0);
        QCOMPARE(target.changed[kCustomHelperName], 1);
        QCOMPARE(target.changed[kFormatStyle], 1);
        QCOMPARE(target.changed[kComments], 1);
        QCOMPARE(target.changed[kInRoot], 0);
        QCOMPARE(std::count(target.changed.begin(), target.changed.end(), 1), 3);

        // A second confirmation (after the dialog refused its own path check) keeps the marks
        // relative to the record the page was opened on.
        QVERIFY(page.validateAndStore());
        QCOMPARE(target.changed[kCustomHelperName], 1);
        QCOMPARE(target.changed[kComments], 1);
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

    // --- item dialog ---------------------------------------------------------------------

    void dialogModes()
    {
        CDpctData target;
        CDpctData defaults;
        CDpctDataDlg add(CDpctDataDlg::Mode::Add, target, &defaults, {}, nullptr);
        QCOMPARE(add.windowTitle(), QStringLiteral("Add Data"));
        QVERIFY(add.dirRadio()->isEnabled());
        QVERIFY(add.fileRadio()->isChecked());
        QVERIFY(!add.dirEdit()->isEnabled() && !add.dirBrowse()->isEnabled() &&
                !add.subdirCheck()->isEnabled());

        target.path = "/x/a.cu";
        CDpctDataDlg update(CDpctDataDlg::Mode::Update, target, nullptr, {}, nullptr);
        QCOMPARE(update.windowTitle(), QStringLiteral("Update Data"));
        QVERIFY(!update.dirRadio()->isEnabled());
        QCOMPARE(update.fileEdit()->text(), QStringLiteral("/x/a.cu"));
        QCOMPARE(update.fileEdit()->textColor(), kRed); // does not exist

        QTest::mouseClick(add.dirRadio(), Qt::LeftButton);
        QVERIFY(add.dirEdit()->isEnabled() && add.dirBrowse()->isEnabled() && add.subdirCheck()->isEnabled());
        QVERIFY(!add.fileEdit()->isEnabled() && !add.fileBrowse()->isEnabled());
        QCOMPARE(add.workingRecord().kind, 1);

        QCOMPARE(add.checkAllButton()->text(), QStringLiteral("Check all"));
        QTest::mouseClick(add.checkAllButton(), Qt::LeftButton);
        QCOMPARE(add.checkAllButton()->text(), QStringLiteral("Uncheck all"));
        QVERIFY(!add.page()->checkBox(kNoClNamespaceInline)->isChecked());
        QVERIFY(add.page()->checkBox(kNoDryPattern)->isChecked());
        QVERIFY(!add.page()->checkBox(kOptimizeMigration)->isChecked());
        QTest::mouseClick(add.checkAllButton(), Qt::LeftButton);
        QCOMPARE(add.checkAllButton()->text(), QStringLiteral("Check all"));
        QVERIFY(!add.page()->checkBox(kUsmLevel)->isChecked());
    }

    void dialogConfirmationOrder()
    {
        const QString file = tmp_.filePath(QStringLiteral("k.cu"));
        touch(file);
        CDpctData target;
        CDpctData defaults;
        defaults.setOn(kExtraArg, true); // empty: the page refuses it
        const auto listed = [&](std::string_view p) {
            return caseFoldEquals(p, file.toUpper().toStdString());
        };
        CDpctDataDlg dlg(CDpctDataDlg::Mode::Add, target, &defaults, listed, nullptr);

        // Every refusal at once: 729 (duplicate with other case) above the page's 707, under the
        // number of the first, with the focus on the first; then 701.
        dlg.fileEdit()->setText(file);
        DialogSeam::answerMessage();
        dlg.accept();
        QCOMPARE(DialogSeam::shownCount(), 1);
        QCOMPARE(DialogSeam::last().id, 729);
        QVERIFY(
            DialogSeam::last().text.contains(QStringLiteral("The selected file is already in the list.")));
        QVERIFY(DialogSeam::last().text.contains(CDpctDataSetDlg::refusalText(kExtraArg)));
        QCOMPARE(dlg.focusWidget(), dlg.fileEdit());
        dlg.page()->edit(kExtraArg)->setText(QStringLiteral("-v"));
        DialogSeam::answerMessage();
        dlg.accept();
        QCOMPARE(DialogSeam::last().id, 729);
        QCOMPARE(DialogSeam::last().text, QStringLiteral("The selected file is already in the list."));
        QCOMPARE(dlg.focusWidget(), dlg.fileEdit());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.fileEdit()->setText(QString());
        DialogSeam::answerMessage();
        dlg.accept();
        QCOMPARE(DialogSeam::last().id, 701); // empty path: 701, not 729
        dlg.fileEdit()->setText(tmp_.path()); // a folder is not a file
        DialogSeam::answerMessage();
        dlg.accept();
        QCOMPARE(DialogSeam::last().id, 701);
        QCOMPARE(target, CDpctData());
        QCOMPARE(defaults.isOn(kComments), false);

        QTest::mouseClick(dlg.dirRadio(), Qt::LeftButton);
        dlg.dirEdit()->setText(tmp_.filePath(QStringLiteral("missing")));
        DialogSeam::answerMessage();
        dlg.accept();
        QCOMPARE(DialogSeam::last().id, 702);
        QCOMPARE(dlg.focusWidget(), dlg.dirEdit());
        QCOMPARE(dlg.dirEdit()->textColor(), kRed);

        dlg.dirEdit()->setText(tmp_.path());
        dlg.subdirCheck()->setChecked(false);
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(target.kind, 1);
        QCOMPARE(qs(target.path), tmp_.path());
        QCOMPARE(target.includeSubdirs, 0);
        QCOMPARE(target.enabled[kSlotDirName], 1);
        QCOMPARE(target.enabled[kSlotFileName], 1);
        QCOMPARE(target.text(kExtraArg), "-v");
    }

    // A definition file holds one path per line: a name with a line break is refused when it is
    // added or updated, named with the breaks shown, before the other checks.
    void dialogRefusesNamesWithLineBreaks()
    {
        const QString bad = tmp_.filePath(QStringLiteral("two\nlines.cu"));
        touch(bad);
        const QString mark(QChar(0x21B5));
        CDpctData target;
        CDpctData defaults;
        CDpctDataDlg add(CDpctDataDlg::Mode::Add, target, &defaults, {}, nullptr);
        add.fileEdit()->setText(bad);
        DialogSeam::answerMessage();
        add.accept();
        QCOMPARE(DialogSeam::last().id, 733);
        QVERIFY(DialogSeam::last().text.contains(QStringLiteral("two") + mark + QStringLiteral("lines.cu")));
        QCOMPARE(add.result(), int(QDialog::Rejected));
        QCOMPARE(add.focusWidget(), add.fileEdit());
        QCOMPARE(add.fileEdit()->textColor(), kRed);

        QTest::mouseClick(add.dirRadio(), Qt::LeftButton);
        const QString badDir = tmp_.filePath(QStringLiteral("dir\r"));
        QDir().mkpath(badDir);
        add.dirEdit()->setText(badDir);
        DialogSeam::answerMessage();
        add.accept();
        QCOMPARE(DialogSeam::last().id, 734);
        QVERIFY(DialogSeam::last().text.contains(QStringLiteral("dir") + mark));
        QCOMPARE(target, CDpctData());

        target.path = tmp_.filePath(QStringLiteral("ok.cu")).toStdString();
        touch(qs(target.path));
        const CDpctData before = target;
        CDpctDataDlg update(CDpctDataDlg::Mode::Update, target, nullptr, {}, nullptr);
        update.fileEdit()->setText(tmp_.filePath(QStringLiteral("cr\rname.cu")));
        DialogSeam::answerMessage();
        update.accept();
        QCOMPARE(DialogSeam::last().id, 733);
        QVERIFY(DialogSeam::last().text.contains(QStringLiteral("cr") + mark + QStringLiteral("name.cu")));
        QCOMPARE(target, before);
        QCOMPARE(DialogSeam::shownCount(), 3);
    }

    void dialogUpdateAcceptsListedPathAndLeavesDefaults()
    {
        const QString file = tmp_.filePath(QStringLiteral("u.cu"));
        touch(file);
        CDpctData item;
        item.path = "/old/u.cu";
        item.status = ItemStatus::ConvertedOk;
        CDpctData defaults;
        const CDpctData defaultsBefore = defaults;
        CDpctDataDlg dlg(
            CDpctDataDlg::Mode::Update, item, &defaults, [](std::string_view) { return true; }, nullptr);
        dlg.fileEdit()->setText(file);
        dlg.page()->checkBox(kComments)->setChecked(true);
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(DialogSeam::shownCount(), 0);
        QCOMPARE(qs(item.path), file);
        QVERIFY(item.isOn(kComments));
        QCOMPARE(item.changed[kComments], 1);
        QCOMPARE(item.status, ItemStatus::ConvertedOk);
        QCOMPARE(defaults, defaultsBefore);
    }

    void dialogNextAddStartsFromTheLastAdd()
    {
        const QString file = tmp_.filePath(QStringLiteral("n.cu"));
        touch(file);
        CDpctData defaults;
        CDpctData target;
        {
            CDpctDataDlg dlg(CDpctDataDlg::Mode::Add, target, &defaults, {}, nullptr);
            QVERIFY(dlg.subdirCheck()->isChecked()); // a new default item includes sub-directories
            dlg.fileEdit()->setText(file);
            dlg.page()->checkBox(kUsmLevel)->setChecked(true);
            dlg.page()->comboBox(kUsmLevel)->setCurrentIndex(1);
            dlg.page()->checkBox(kSuppressWarnings)->setChecked(true);
            dlg.page()->edit(kSuppressWarnings)->setText(QStringLiteral("1001"));
            dlg.accept();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QVERIFY(defaults.isOn(kUsmLevel));
        QCOMPARE(defaults.path, "");
        CDpctData next;
        CDpctDataDlg dlg(CDpctDataDlg::Mode::Add, next, &defaults, {}, nullptr);
        QCOMPARE(dlg.fileEdit()->text(), QString());
        QVERIFY(!dlg.subdirCheck()->isChecked());
        QVERIFY(dlg.page()->checkBox(kUsmLevel)->isChecked());
        QCOMPARE(dlg.page()->comboBox(kUsmLevel)->currentIndex(), 1);
        QCOMPARE(dlg.page()->edit(kSuppressWarnings)->text(), QStringLiteral("1001"));
        dlg.reject();
        QCOMPARE(next, CDpctData()); // cancel leaves the target alone
    }

    void dialogBrowsersRememberFolders()
    {
        MapFolderMemory folders;
        folders.setFolder("CudaDir", "/start/here/");
        CDpctData target;
        CDpctDataDlg dlg(CDpctDataDlg::Mode::Add, target, nullptr, {}, &folders);
        QTest::mouseClick(dlg.dirRadio(), Qt::LeftButton);
        DialogSeam::answerFolder(tmp_.path());
        QTest::mouseClick(dlg.dirBrowse(), Qt::LeftButton);
        QCOMPARE(DialogSeam::last().dir, QStringLiteral("/start/here/"));
        const QString expected = QDir::toNativeSeparators(tmp_.path()) + QDir::separator();
        QCOMPARE(dlg.dirEdit()->text(), expected);
        QCOMPARE(qs(folders.folder("CudaDir")), expected);

        QTest::mouseClick(dlg.fileRadio(), Qt::LeftButton);
        const QString file = tmp_.filePath(QStringLiteral("deep/b.cu"));
        touch(file);
        DialogSeam::answerFile(file);
        QTest::mouseClick(dlg.fileBrowse(), Qt::LeftButton);
        QVERIFY(DialogSeam::last().filter.startsWith(QStringLiteral("cuda file (*.cu)")));
        QCOMPARE(dlg.fileEdit()->text(), QDir::toNativeSeparators(file));
        QVERIFY(!dlg.fileEdit()->textColor().isValid());
        QCOMPARE(qs(folders.folder("CudaFile")),
                 QDir::toNativeSeparators(tmp_.filePath(QStringLiteral("deep"))));
    }

    void dialogKeyboard()
    {
        const QString file = tmp_.filePath(QStringLiteral("kb.cu"));
        touch(file);
        CDpctData target;
        {
            CDpctDataDlg dlg(CDpctDataDlg::Mode::Add, target, nullptr, {}, nullptr);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            QVERIFY(dlg.scroll()->canScroll());
            // Tab walks from the path controls into the page.
            dlg.subdirCheck()->setEnabled(true);
            dlg.subdirCheck()->setFocus();
            QTest::keyClick(&dlg, Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), dlg.page()->checkBox(kAlwaysUseAsyncHandler));
            // Focusing the last row scrolls the page to it.
            QCOMPARE(dlg.scroll()->verticalScrollBar()->value(), 0);
            dlg.page()->checkBox(kVcxprojFile)->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(dlg.scroll()->verticalScrollBar()->value() > 0);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), dlg.checkAllButton());
            // Enter on a focused browse button browses; it does not confirm.
            DialogSeam::answerFile(QString());
            dlg.fileBrowse()->setFocus();
            QTest::keyClick(dlg.fileBrowse(), Qt::Key_Return);
            QCOMPARE(DialogSeam::last().title, QStringLiteral("Select the CUDA file to convert"));
            QVERIFY(dlg.isVisible());
            // Enter in the file edit confirms.
            dlg.fileEdit()->setText(file);
            dlg.fileEdit()->setFocus();
            QTest::keyClick(dlg.fileEdit(), Qt::Key_Return);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QVERIFY(!dlg.isVisible());
        }
        QCOMPARE(qs(target.path), file);
        CDpctData other;
        CDpctDataDlg dlg(CDpctDataDlg::Mode::Add, other, nullptr, {}, nullptr);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.fileEdit()->setText(file);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(other, CDpctData());
    }

    // --- directory scan --------------------------------------------------------------------

    void scanTree()
    {
        const QString root = tmp_.filePath(QStringLiteral("tree"));
        for (const char* f : {"a.cu", "b.CU", "c.cuh", "sub/d.cu", "sub/deeper/e.Cu"})
            touch(root + QLatin1Char('/') + QLatin1String(f));
        touch(tmp_.filePath(QStringLiteral("tree2/x.cu"))); // a sibling that begins with the same name
        const auto scan = [&](const QString& dir, bool subdirs, std::vector<std::string> existing = {}) {
            ScanRequest r;
            r.directory = dir.toStdString();
            r.includeSubdirs = subdirs;
            r.existingPaths = std::move(existing);
            std::vector<std::string> found;
            const ScanOutcome o = scanCudaDirectory(r, found);
            QStringList names;
            for (const std::string& p : found)
                names << QDir(root).relativeFilePath(qs(p));
            return std::make_pair(o, names);
        };
        const QString sep = QDir::separator();
        auto [o1, flat] = scan(root + sep, false);
        QCOMPARE(o1, ScanOutcome::Done);
        QCOMPARE(flat, QStringList({QStringLiteral("a.cu"), QStringLiteral("b.CU")}));
        // Typed without a separator: exactly this folder, not tree2.
        auto [o2, deep] = scan(root, true);
        QCOMPARE(o2, ScanOutcome::Done);
        QCOMPARE(deep, QStringList({QStringLiteral("a.cu"), QStringLiteral("b.CU"),
                                    QStringLiteral("sub/d.cu"), QStringLiteral("sub/deeper/e.Cu")}));
        // Listed paths are skipped silently; in another letter case only where the file system
        // ignores case (on Linux A.CU is another file).
        auto [o3, rest] =
            scan(root + sep, true, {QString(root + sep + QStringLiteral("a.cu")).toStdString()});
        QCOMPARE(rest.size(), 3);
        QVERIFY(!rest.contains(QStringLiteral("a.cu")));
        auto [o3b, restUpper] =
            scan(root + sep, true, {QString(root + sep + QStringLiteral("A.CU")).toStdString()});
        QCOMPARE(restUpper.size(), pathsIgnoreCase() ? 3 : 4);
        // An explicit pattern takes the entries whose names begin with it.
        auto [o4, pattern] = scan(tmp_.filePath(QStringLiteral("tree*")), false);
        QCOMPARE(o4, ScanOutcome::Done);
        QCOMPARE(pattern, QStringList());
        auto [o5, patternDeep] = scan(tmp_.filePath(QStringLiteral("tree*")), true);
        QCOMPARE(patternDeep.size(), 5);
        QVERIFY(patternDeep.contains(QStringLiteral("../tree2/x.cu")));
        QCOMPARE(scan(tmp_.filePath(QStringLiteral("nope")), true).first, ScanOutcome::NotFound);
        QCOMPARE(scan(tmp_.filePath(QStringLiteral("tree/a.cu")), true).first, ScanOutcome::NotFound);

        std::atomic<bool> cancel{true};
        ScanRequest r;
        r.directory = root.toStdString();
        r.includeSubdirs = true;
        r.cancel = &cancel;
        std::vector<std::string> found;
        QCOMPARE(scanCudaDirectory(r, found), ScanOutcome::Cancelled);
        QVERIFY(found.empty());
    }

    void scanRunnerMakesItemsAndWarnsWhenEmpty()
    {
        const QString root = tmp_.filePath(QStringLiteral("run"));
        touch(root + QStringLiteral("/one.cu"));
        touch(root + QStringLiteral("/two.cu"));
        CDpctData confirmed;
        confirmed.kind = 1;
        confirmed.path = root.toStdString();
        confirmed.includeSubdirs = 1;
        confirmed.setOn(kComments, true);
        const DirectoryScanResult res =
            runDirectoryScan(nullptr, confirmed, {QString(root + QStringLiteral("/two.cu")).toStdString()});
        QVERIFY(res.matched);
        QCOMPARE(res.items.size(), std::size_t(1));
        QCOMPARE(res.items[0].kind, 0);
        QCOMPARE(res.items[0].includeSubdirs, 0);
        QVERIFY(res.items[0].isOn(kComments));
        QCOMPARE(DialogSeam::shownCount(), 0);

        const QString empty = tmp_.filePath(QStringLiteral("empty"));
        QDir().mkpath(empty);
        confirmed.path = empty.toStdString();
        DialogSeam::answerMessage();
        const DirectoryScanResult none = runDirectoryScan(nullptr, confirmed, {}, 0);
        QVERIFY(none.matched);
        QVERIFY(none.items.empty());
        QCOMPARE(DialogSeam::last().id, 732);
        QCOMPARE(DialogSeam::last().icon, QMessageBox::Warning);
    }

    // The scan counts what it left out and why; the report names only what happened.
    void scanReportsWhatItAddedAndSkipped()
    {
        const QString root = tmp_.filePath(QStringLiteral("report"));
        touch(root + QStringLiteral("/new.cu"));
        touch(root + QStringLiteral("/listed.cu"));
        touch(root + QStringLiteral("/sub/deep.cu"));
        touch(root + QStringLiteral("/bad\nname.cu"));
        touch(tmp_.filePath(QStringLiteral("elsewhere/linked.cu")));
        QVERIFY(QFile::link(tmp_.filePath(QStringLiteral("elsewhere")), root + QStringLiteral("/link")));
        QDir(root).mkpath(QStringLiteral("locked"));
        QFile::setPermissions(root + QStringLiteral("/locked"), QFileDevice::Permissions());
        const bool lockedIsUnreadable = !QDir(root + QStringLiteral("/locked")).isReadable();

        CDpctData confirmed;
        confirmed.kind = 1;
        confirmed.path = root.toStdString();
        confirmed.includeSubdirs = 1;
        DialogSeam::resetLog();
        DialogSeam::answerMessage(); // 735: the name with a line break
        const DirectoryScanResult res = runDirectoryScan(
            nullptr, confirmed, {QString(root + QStringLiteral("/listed.cu")).toStdString()}, 0);
        QFile::setPermissions(root + QStringLiteral("/locked"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(res.items.size(), std::size_t(2));
        QCOMPARE(res.totals.alreadyListed, std::size_t(1));
        QCOMPARE(res.totals.linkedFolders, std::size_t(1));
        if (lockedIsUnreadable) // (root reads every folder)
            QCOMPARE(res.totals.unreadableFolders, std::size_t(1));
        const QString report = scanReport(res);
        QVERIFY2(report.contains(QStringLiteral("2 added, 1 already in the list")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("1 with a line break")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("1 links to folders not followed")), qPrintable(report));

        // Nothing new: message 732 says why, a plain scan of nothing stays as it was.
        confirmed.includeSubdirs = 0;
        DialogSeam::resetLog();
        DialogSeam::answerMessage(); // 735
        DialogSeam::answerMessage(); // 732
        const DirectoryScanResult none =
            runDirectoryScan(nullptr, confirmed,
                             {QString(root + QStringLiteral("/listed.cu")).toStdString(),
                              QString(root + QStringLiteral("/new.cu")).toStdString()},
                             0);
        QVERIFY(none.items.empty());
        QCOMPARE(DialogSeam::last().id, 732);
        QVERIFY2(DialogSeam::last().text.contains(QStringLiteral("0 added, 2 already in the list")),
                 qPrintable(DialogSeam::last().text));
        DirectoryScanResult plain;
        QCOMPARE(scanReport(plain), QStringLiteral("Folder scan: 0 added, 0 already in the list"));
    }

    // The scan leaves out the .cu files whose paths hold a line break (in the name or in a
    // folder's name), and names them in one message after the scan.
    void scanLeavesOutNamesWithLineBreaks()
    {
        const QString root = tmp_.filePath(QStringLiteral("breaks"));
        touch(root + QStringLiteral("/good.cu"));
        touch(root + QStringLiteral("/bad\nname.cu"));
        touch(root + QStringLiteral("/other\r.cu"));
        touch(root + QStringLiteral("/sub\nfolder/inner.cu"));
        touch(root + QStringLiteral("/notes\n.txt")); // not a .cu file: not named
        CDpctData confirmed;
        confirmed.kind = 1;
        confirmed.path = root.toStdString();
        confirmed.includeSubdirs = 1;
        DialogSeam::answerMessage();
        const DirectoryScanResult res = runDirectoryScan(nullptr, confirmed, {}, 0);
        QCOMPARE(res.items.size(), std::size_t(1));
        QCOMPARE(qs(res.items[0].path), root + QStringLiteral("/good.cu"));
        QCOMPARE(res.withLineBreak.size(), std::size_t(3));
        QCOMPARE(DialogSeam::shownCount(), 1);
        QCOMPARE(DialogSeam::last().id, 735);
        QCOMPARE(DialogSeam::last().icon, QMessageBox::Warning);
        const QString mark(QChar(0x21B5));
        const QStringList names = {QStringLiteral("bad") + mark + QStringLiteral("name.cu"),
                                   QStringLiteral("other") + mark + QStringLiteral(".cu"),
                                   QStringLiteral("sub") + mark + QStringLiteral("folder/inner.cu")};
        for (const QString& name : names)
            QVERIFY2(DialogSeam::last().text.contains(name), qPrintable(DialogSeam::last().text));
        QVERIFY(DialogSeam::last().text.startsWith(QStringLiteral("3 ")));

        // Nothing left to add: the files are named first, then that there was nothing to add.
        QFile::remove(root + QStringLiteral("/good.cu"));
        DialogSeam::resetLog();
        DialogSeam::answerMessage();
        DialogSeam::answerMessage();
        const DirectoryScanResult none = runDirectoryScan(nullptr, confirmed, {}, 0);
        QVERIFY(none.items.empty());
        QCOMPARE(DialogSeam::shownCount(), 2);
        QCOMPARE(DialogSeam::last().id, 732);

        // Many such files: the message stays short.
        touch(root + QStringLiteral("/good.cu"));
        for (int i = 0; i < 14; ++i)
            touch(root + QStringLiteral("/many%1\n.cu").arg(i, 2, 10, QLatin1Char('0')));
        DialogSeam::resetLog();
        DialogSeam::answerMessage();
        const DirectoryScanResult many = runDirectoryScan(nullptr, confirmed, {}, 0);
        QCOMPARE(many.withLineBreak.size(), std::size_t(17));
        QCOMPARE(DialogSeam::shownCount(), 1);
        QCOMPARE(DialogSeam::last().text.count(mark), 10);
        QVERIFY(DialogSeam::last().text.endsWith(QStringLiteral("... and 7 more")));
    }

private:
    QTemporaryDir tmp_;
};

QTEST_MAIN(TestItemDialog)
#include "item_dialog_test.moc"
