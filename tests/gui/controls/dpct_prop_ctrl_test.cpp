// The option grid: row order, value texts, marks and the description area, checked on the model
// and on grabbed images.

#include "controls/dpct_prop_ctrl.h"
#include "data/option_table.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using namespace tovalo::gui;

using namespace tovalo;

namespace {

// Pixels of `rect` whose luminance is below `threshold` (text ink on a light background).
int ink(const QImage& img, const QRect& rect, int threshold = 128)
{
    int n = 0;
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(img.pixel(x, y)) < threshold ? 1 : 0;
    return n;
}

QImage grabGrid(CDpctPropCtrl& grid)
{
    return grid.grid()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect rowRect(CDpctPropCtrl& grid, int slot, int column)
{
    QTreeWidget* tree = grid.grid();
    QTreeWidgetItem* item = grid.row(slot);
    tree->scrollToItem(item);
    const QModelIndex index = tree->indexFromItem(item, column);
    return tree->visualRect(index);
}

} // namespace

class TestDpctPropCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyGridOrderAndDashes()
    {
        CDpctPropCtrl grid;
        QTreeWidget* tree = grid.grid();
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("File"));
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Conversion options"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 2);
        QCOMPARE(tree->topLevelItem(1)->childCount(), kOptionCount);

        // Option rows in slot order, except the last four.
        QTreeWidgetItem* options = tree->topLevelItem(1);
        for (int i = 0; i < 32; ++i)
            QCOMPARE(options->child(i)->text(0),
                     QString::fromLatin1(optionAt(kFirstOptionSlot + i).name.data(),
                                         qsizetype(optionAt(kFirstOptionSlot + i).name.size())));
        const QStringList lastFour = {QStringLiteral("--use-explicit-namespace"),
                                      QStringLiteral("--use-experimental-features"),
                                      QStringLiteral("--usm-level"), QStringLiteral("--vcxprojfile")};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(options->child(32 + i)->text(0), lastFour[i]);
        QCOMPARE(options->child(32), grid.row(kUseExplicitNamespace));

        for (int slot = 0; slot < kSlotCount; ++slot) {
            QCOMPARE(grid.valueText(slot), QStringLiteral("-"));
            QVERIFY(!grid.isRowEnabled(slot));
            QVERIFY(!grid.isRowMarked(slot));
            QVERIFY(!grid.row(slot)->text(0).trimmed().isEmpty()); // every row has a name
        }
    }

    void valueTexts()
    {
        CDpctData item;
        item.path = "/work/cuda/src/vector_add.cu";
        item.setOn(kSlotDirName, true);
        item.setOn(kSlotFileName, true);
        item.setOn(kFormatStyle, true);
        item.setChoiceIndex(kFormatStyle, 2);
        item.setOn(kComments, true);
        item.setText(kInRoot, "/work/cuda"); // off: shows "-" although it holds a value
        item.setOn(kOutRoot, true);          // on with an empty text
        item.setOn(kReportType, true);
        item.setChoiceIndex(kReportType, 7); // beyond the list
        item.setOn(kAssumeNdRangeDim, true);
        item.setChoiceIndex(kAssumeNdRangeDim, -1);
        item.setOn(kUseExplicitNamespace, true);
        item.setChoiceIndex(kUseExplicitNamespace, 4);
        item.setOn(kSuppressWarnings, true);
        item.setText(kSuppressWarnings, "1003,1014");

        CDpctPropCtrl grid;
        grid.Fill(&item);
        QCOMPARE(grid.valueText(kSlotDirName), QStringLiteral("/work/cuda/src/"));
        QCOMPARE(grid.valueText(kSlotFileName), QStringLiteral("vector_add.cu"));
        QVERIFY(grid.isRowEnabled(kSlotFileName));
        QCOMPARE(grid.valueText(kFormatStyle), QStringLiteral("custom"));
        QCOMPARE(grid.valueText(kComments), QStringLiteral("TRUE"));
        QCOMPARE(grid.valueText(kInRoot), QStringLiteral("-"));
        QVERIFY(!grid.isRowEnabled(kInRoot));
        QCOMPARE(grid.valueText(kOutRoot), QString());
        QVERIFY(grid.isRowEnabled(kOutRoot));
        QCOMPARE(grid.valueText(kReportType), QStringLiteral("-"));
        QCOMPARE(grid.valueText(kAssumeNdRangeDim), QStringLiteral("-"));
        QCOMPARE(grid.valueText(kUseExplicitNamespace), QStringLiteral("sycl-math"));
        QCOMPARE(grid.valueText(kSuppressWarnings), QStringLiteral("1003,1014"));
        QCOMPARE(grid.valueText(kEnableCtad), QStringLiteral("-"));

        // The grid shows a copy: changing the item later changes nothing until the next fill.
        item.setChoiceIndex(kFormatStyle, 0);
        QCOMPARE(grid.valueText(kFormatStyle), QStringLiteral("custom"));
        grid.Fill(&item);
        QCOMPARE(grid.valueText(kFormatStyle), QStringLiteral("llvm"));

        // A path without a file-name part disables the file-name row.
        item.path = "/work/cuda/src/";
        grid.Fill(&item);
        QCOMPARE(grid.valueText(kSlotDirName), QStringLiteral("/work/cuda/src/"));
        QVERIFY(!grid.isRowEnabled(kSlotFileName));

        grid.Fill(nullptr);
        QCOMPARE(grid.shownRecord(), CDpctData());
        for (int slot = 0; slot < kSlotCount; ++slot)
            QCOMPARE(grid.valueText(slot), QStringLiteral("-"));
    }

    void changedRowsDrawnBold()
    {
        CDpctPropCtrl grid;
        grid.resize(420, 900);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        CDpctData item;
        item.path = "/a/b.cu";
        item.setOn(kInRoot, true);
        item.setText(kInRoot, "/a");
        grid.Fill(&item);
        QVERIFY(!grid.isRowMarked(kInRoot));
        const QRect name = rowRect(grid, kInRoot, 0);
        const int plain = ink(grabGrid(grid), name);

        item.setChanged(kInRoot, true);
        item.setChanged(kComments, true); // marked although switched off
        grid.Fill(&item);
        QVERIFY(grid.isRowMarked(kInRoot));
        QVERIFY(grid.isRowMarked(kComments));
        QVERIFY(!grid.isRowMarked(kOutRoot));
        QVERIFY(!grid.isRowMarked(kSlotFileName));
        const int bold = ink(grabGrid(grid), rowRect(grid, kInRoot, 0));
        QVERIFY2(bold > plain * 11 / 10, qPrintable(QStringLiteral("%1 vs %2").arg(bold).arg(plain)));
    }

    void switchedOffRowsPaintDash()
    {
        CDpctPropCtrl grid;
        grid.resize(420, 900);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        CDpctData item;
        item.path = "/a/b.cu";
        item.setOn(kComments, true);
        item.setText(kInRoot, "/a/very/long/root/that/would/paint/a/lot/of/ink");
        grid.Fill(&item);

        const QImage img = grabGrid(grid);
        // On: "TRUE" in the enabled text colour. Off: a short "-" in the disabled colour, nothing
        // of the stored value.
        const QRect on = rowRect(grid, kComments, 1);
        const QRect off = rowRect(grid, kInRoot, 1);
        QVERIFY(ink(img, on, 100) > 20);
        QCOMPARE(ink(img, off, 100), 0);
        const int offInk = ink(img, off, 230);
        QVERIFY2(offInk > 0 && offInk < ink(img, on, 230), qPrintable(QString::number(offInk)));
    }

    void keyboardReachesEveryRowAndShowsDescriptions()
    {
        CDpctPropCtrl grid;
        grid.resize(420, 600);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTreeWidget* tree = grid.grid();
        tree->setFocus();
        tree->setCurrentItem(tree->topLevelItem(0));

        QSet<QTreeWidgetItem*> visited{tree->currentItem()};
        for (int i = 0; i < 45; ++i) {
            QTest::keyClick(tree, Qt::Key_Down);
            visited.insert(tree->currentItem());
        }
        QCOMPARE(visited.size(), 2 + kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot)
            QVERIFY(visited.contains(grid.row(slot)));

        tree->setCurrentItem(grid.row(kInRoot));
        QVERIFY(grid.descriptionText().startsWith(QStringLiteral("--in-root\n")));
        QVERIFY(grid.descriptionText().contains(QStringLiteral("root of the source tree")));
        tree->setCurrentItem(grid.row(kNoIncrementalMigration));
        QVERIFY(grid.descriptionText().size() > QStringLiteral("--no-incremental-migration\n").size());
        tree->setCurrentItem(tree->topLevelItem(1));
        QCOMPARE(grid.descriptionText(), QStringLiteral("Conversion options\n"));
    }
};

QTEST_MAIN(TestDpctPropCtrl)
#include "dpct_prop_ctrl_test.moc"
