// Drives the real item dialog: its add and update modes, the confirmation order of its checks and
// the page's, its choosers with their remembered folders, the keyboard, and the directory scan of
// the add command. The option-setting page alone is tested in test_option_page.cpp.

#include "base/path_text.h"
#include "base/text.h"
#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/dialog_seam.h"
#include "controls/commui/dlg_scroll.h"
#include "data/option_table.h"
#include "dialog_test_support.h"
#include "item_dialog_test_support.h"
#include "ui/item_dialog/directory_scan.h"
#include "ui/item_dialog/directory_scan_runner.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"
#include "ui/item_dialog/folder_memory.h"

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
using namespace testing_itemdlg;

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
        QCOMPARE(add.workingRecord().kind, ItemKind::Directory);

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
        QCOMPARE(target.kind, ItemKind::Directory);
        QCOMPARE(qs(target.path), tmp_.path());
        QVERIFY(!target.includeSubdirs);
        QVERIFY(target.isOn(kSlotDirName));
        QVERIFY(target.isOn(kSlotFileName));
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
        QVERIFY(item.isChanged(kComments));
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
        confirmed.kind = ItemKind::Directory;
        confirmed.path = root.toStdString();
        confirmed.includeSubdirs = true;
        confirmed.setOn(kComments, true);
        const DirectoryScanResult res =
            runDirectoryScan(nullptr, confirmed, {QString(root + QStringLiteral("/two.cu")).toStdString()});
        QVERIFY(res.matched);
        QCOMPARE(res.items.size(), std::size_t(1));
        QCOMPARE(res.items[0].kind, ItemKind::File);
        QVERIFY(!res.items[0].includeSubdirs);
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
        confirmed.kind = ItemKind::Directory;
        confirmed.path = root.toStdString();
        confirmed.includeSubdirs = true;
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
        confirmed.includeSubdirs = false;
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
        confirmed.kind = ItemKind::Directory;
        confirmed.path = root.toStdString();
        confirmed.includeSubdirs = true;
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
