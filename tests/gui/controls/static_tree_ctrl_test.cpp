// The static tree driven through real input events on the offscreen platform, and its painting
// checked on grabbed images.

#include "controls/static_tree_ctrl.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

Q_DECLARE_METATYPE(tovalo::gui::CStaticTreeNode*)

using namespace tovalo::gui;

namespace {

QImage grab(CStaticTreeCtrl& tree)
{
    return tree.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countColor(const QImage& img, const QRect& rect, const QColor& color)
{
    int n = 0;
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.pixelColor(x, y) == color ? 1 : 0;
    return n;
}

/// Pixels of a rectangle that differ from `background`.
int countOther(const QImage& img, const QRect& rect, const QColor& background)
{
    const QRect r = rect.intersected(img.rect());
    return r.width() * r.height() - countColor(img, r, background);
}

CStaticTreeNode* leafOf(QSignalSpy& spy, int i)
{
    return spy.at(i).at(0).value<CStaticTreeNode*>();
}

/// Two groups of leaves:  A (a1, a2), B (b1).
struct SmallTree
{
    CStaticTreeCtrl tree;
    CStaticTreeNode* a = nullptr;
    CStaticTreeNode* a1 = nullptr;
    CStaticTreeNode* a2 = nullptr;
    CStaticTreeNode* b = nullptr;
    CStaticTreeNode* b1 = nullptr;

    SmallTree()
    {
        a = tree.addChildNode(nullptr, QStringLiteral("Group A"));
        b = tree.insertNodeAfter(a, QStringLiteral("Group B"));
        a1 = tree.addChildNode(a, QStringLiteral("first"));
        a2 = tree.insertNodeAfter(a1, QStringLiteral("second"));
        b1 = tree.addChildNode(b, QStringLiteral("third"));
        tree.resize(240, 200);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
    }
};

} // namespace

class TestStaticTreeCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<CStaticTreeNode*>(); }

    void buildingKeepsTheOrderOfInsertion()
    {
        SmallTree t;
        const std::vector<CStaticTreeNode*> expected = {t.a, t.a1, t.a2, t.b, t.b1};
        QCOMPARE(t.tree.nodesInOrder(), expected);
        QCOMPARE(t.a1->parent(), t.a);
        QVERIFY(t.a->hasChildren());
        QVERIFY(!t.a1->hasChildren());
        QCOMPARE(t.tree.insertNodeAfter(nullptr, QStringLiteral("x")), nullptr);
        QCOMPARE(t.tree.nodesInOrder().size(), expected.size());
        // addChildNode puts the node first.
        CStaticTreeNode* a0 = t.tree.addChildNode(t.a, QStringLiteral("zero"));
        QCOMPARE(t.a->firstChild(), a0);
        QCOMPARE(a0->nextSibling(), t.a1);
        QCOMPARE(t.a->childCount(), 3);
        QCOMPARE(t.a1->itemData(), std::uint64_t{0});
        t.a1->setItemData(0x0000000500FF00FFull);
        QCOMPARE(t.a1->itemData(), std::uint64_t{0x0000000500FF00FFull});

        // Nodes take the default text colour at the time they are added.
        t.tree.setDefaultTextColor(QColor(1, 2, 3));
        CStaticTreeNode* late = t.tree.insertNodeAfter(t.b1, QStringLiteral("late"));
        QCOMPARE(late->textColor(), QColor(1, 2, 3));
        QCOMPARE(t.b1->textColor(), QColor(58, 58, 58));

        t.tree.setSelectedNode(t.b1);
        t.tree.clear();
        QCOMPARE(t.tree.selectedNode(), nullptr);
        QVERIFY(t.tree.nodesInOrder().empty());
        QCOMPARE(t.tree.contentHeight(), 0);
    }

    void textsWrapAtSpaces()
    {
        CStaticTreeCtrl tree;
        tree.resize(160, 300);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        const QString text = QStringLiteral("one two three four five six seven eight nine ten eleven");
        CStaticTreeNode* node = tree.addChildNode(nullptr, text);
        const QStringList lines = node->lines();
        QVERIFY2(lines.size() > 2, qPrintable(lines.join(QLatin1Char('|'))));
        QCOMPARE(lines.join(QString()), text);
        const QFontMetrics fm(tree.normalFont());
        const int available = tree.viewport()->width() - node->rect().left() - CStaticTreeCtrl::kMargin;
        for (const QString& line : lines) {
            QVERIFY2(fm.horizontalAdvance(line.trimmed()) < available, qPrintable(line));
            // Every line but the last ends at a space: no word is split.
            if (&line != &lines.constLast())
                QVERIFY2(line.endsWith(QLatin1Char(' ')), qPrintable(line));
        }
        QCOMPARE(node->rect().height(), lines.size() * tree.lineHeight());

        // A word wider than the line breaks at the last character that fits; the rest goes on.
        const QString longWord(60, QLatin1Char('W'));
        CStaticTreeNode* wide = tree.insertNodeAfter(node, longWord + QStringLiteral(" end"));
        const QStringList wideLines = wide->lines();
        QVERIFY2(fm.horizontalAdvance(wideLines.constFirst()) <= available &&
                     fm.horizontalAdvance(wideLines.constFirst() + QLatin1Char('W')) > available,
                 qPrintable(wideLines.join(QLatin1Char('|'))));
        QCOMPARE(wideLines.join(QString()), longWord + QStringLiteral(" end"));
        // A long path breaks after a separator where there is one.
        const QString path = QStringLiteral("/opt/intel/oneapi/compiler/2024.2/linux/lib/oclfpga/host/"
                                            "linux64/lib/dpct/extras/folder/bin");
        const QStringList pathLines = tree.insertNodeAfter(wide, path)->lines();
        QVERIFY2(pathLines.size() > 2 && pathLines.size() < 20, qPrintable(pathLines.join(QLatin1Char('|'))));
        QCOMPARE(pathLines.join(QString()), path);
        for (qsizetype i = 0; i + 1 < pathLines.size(); ++i)
            QVERIFY2(pathLines.at(i).endsWith(QLatin1Char('/')),
                     qPrintable(pathLines.join(QLatin1Char('|'))));

        // A wider control takes fewer lines; the text of a node can change.
        tree.resize(1000, 300);
        QTRY_COMPARE(node->lines().size(), 1);
        tree.setNodeText(node, QStringLiteral("short"));
        QCOMPARE(node->lines(), QStringList{QStringLiteral("short")});
    }

    void emptyTreeShowsOnlyTheBackgroundAndIgnoresInput()
    {
        CStaticTreeCtrl tree;
        tree.resize(120, 80);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QSignalSpy spy(&tree, &CStaticTreeCtrl::selectionChanged);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        for (int key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right})
            QTest::keyClick(&tree, static_cast<Qt::Key>(key));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(tree.selectedNode(), nullptr);
        tree.selectFirstNode();
        QCOMPARE(tree.selectedNode(), nullptr);

        const QImage img = grab(tree);
        const QColor base = tree.palette().color(QPalette::Base);
        QCOMPARE(countOther(img, img.rect(), base), 0);
        // The border, around the view and its scroll bar: the outer ring of the whole control.
        const QImage whole = tree.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(whole.size(), img.size() + QSize(2, 2));
        QVERIFY(whole.pixelColor(0, 40) != base);
        QVERIFY(whole.pixelColor(60, whole.height() - 1) != base);
    }

    void clicksSelectAndNotify()
    {
        SmallTree t;
        QSignalSpy spy(&t.tree, &CStaticTreeCtrl::selectionChanged);
        const auto clickOn = [&](CStaticTreeNode* node) {
            QTest::mouseClick(t.tree.viewport(), Qt::LeftButton, {}, t.tree.visualRect(node).center());
        };
        clickOn(t.a2);
        QCOMPARE(t.tree.selectedNode(), t.a2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(leafOf(spy, 0), t.a2);
        QVERIFY(t.tree.hasFocus());

        // A node with children is selected but notifies null.
        clickOn(t.b);
        QCOMPARE(t.tree.selectedNode(), t.b);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(leafOf(spy, 1), nullptr);

        // Empty space clears the selection, repaints and tells the owner at once.
        clickOn(t.a1);
        QImage before = grab(t.tree);
        const QRect a1Rect = t.tree.visualRect(t.a1);
        QVERIFY(countColor(before, a1Rect, t.tree.selectionBackground()) > 0);
        const QPoint empty(a1Rect.center().x(), t.tree.visualRect(t.b1).bottom() + 20);
        QCOMPARE(t.tree.nodeAt(empty), nullptr);
        spy.clear();
        QTest::mouseClick(t.tree.viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(t.tree.selectedNode(), nullptr);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(leafOf(spy, 0), nullptr);
        QTRY_COMPARE(countColor(grab(t.tree), a1Rect, t.tree.selectionBackground()), 0);
        // A second click on empty space has nothing to tell.
        QTest::mouseClick(t.tree.viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(spy.count(), 1);
    }

    void keysMoveTheSelection()
    {
        SmallTree t;
        t.tree.setFocus();
        QSignalSpy spy(&t.tree, &CStaticTreeCtrl::selectionChanged);

        // End needs a selection; Home does not.
        QTest::keyClick(&t.tree, Qt::Key_End);
        QCOMPARE(t.tree.selectedNode(), nullptr);
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(&t.tree, Qt::Key_Home);
        QCOMPARE(t.tree.selectedNode(), t.a);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(leafOf(spy, 0), nullptr);      // a group
        QTest::keyClick(&t.tree, Qt::Key_Home); // no change, no notification
        QCOMPARE(spy.count(), 1);
        QTest::keyClick(&t.tree, Qt::Key_End);
        QCOMPARE(t.tree.selectedNode(), t.b1);
        QCOMPARE(leafOf(spy, 1), t.b1);
        QTest::keyClick(&t.tree, Qt::Key_Down); // at the end: nothing
        QCOMPARE(spy.count(), 2);
        QTest::keyClick(&t.tree, Qt::Key_Up);
        QCOMPARE(t.tree.selectedNode(), t.b);
        QTest::keyClick(&t.tree, Qt::Key_Left);
        QCOMPARE(t.tree.selectedNode(), t.a2);
        QTest::keyClick(&t.tree, Qt::Key_Right);
        QCOMPARE(t.tree.selectedNode(), t.b);
        QCOMPARE(spy.count(), 5);

        // Without a selection Up takes the last node and Down the first.
        t.tree.setSelectedNode(nullptr);
        QTest::keyClick(&t.tree, Qt::Key_Up);
        QCOMPARE(t.tree.selectedNode(), t.b1);
        t.tree.setSelectedNode(nullptr);
        QTest::keyClick(&t.tree, Qt::Key_Down);
        QCOMPARE(t.tree.selectedNode(), t.a);
        QTest::keyClick(&t.tree, Qt::Key_Up); // first node: nothing
        QCOMPARE(t.tree.selectedNode(), t.a);
    }

    void enterAndEscapeReachTheDialog()
    {
        QDialog dialog;
        auto* tree = new CStaticTreeCtrl(&dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(tree);
        layout->addWidget(ok);
        tree->addChildNode(nullptr, QStringLiteral("node"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void scrollsToEverythingItHolds()
    {
        CStaticTreeCtrl tree;
        tree.resize(200, 100);
        CStaticTreeNode* group = tree.addChildNode(nullptr, QStringLiteral("Versions"));
        CStaticTreeNode* prev = nullptr;
        for (int i = 0; i < 20; ++i) {
            const QString text = QStringLiteral("entry %1 of a list long enough to wrap").arg(i);
            prev = prev ? tree.insertNodeAfter(prev, text) : tree.addChildNode(group, text);
        }
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QScrollBar* bar = tree.verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QCOMPARE(bar->maximum(), tree.contentHeight() - tree.viewport()->height());
        QCOMPARE(bar->singleStep(), tree.lineHeight());

        // The wheel moves one line per notch; down to the end and no further.
        const QPointF pos(50, 50);
        const auto wheel = [&](int delta) {
            QWheelEvent ev(pos, tree.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(tree.viewport(), &ev);
        };
        wheel(-120);
        QCOMPARE(bar->value(), tree.lineHeight());
        for (int i = 0; i < 200; ++i)
            wheel(-120);
        QCOMPARE(bar->value(), bar->maximum());
        // At the end the last node is wholly in view.
        const QRect last = tree.visualRect(prev);
        QVERIFY(tree.viewport()->rect().contains(last));
        QCOMPARE(tree.nodeAt(last.center()), prev);

        // Home scrolls back to the first node; End to the last.
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(&tree, Qt::Key_End);
        QVERIFY(tree.viewport()->rect().contains(tree.visualRect(prev)));
        QTest::keyClick(&tree, Qt::Key_PageUp);
        QVERIFY(bar->value() < bar->maximum());
    }

    void paintsConnectorsBoldParentsAndBackgrounds()
    {
        SmallTree t;
        // Make the parent and a leaf carry the same text so their ink can be compared.
        t.tree.setNodeText(t.a, QStringLiteral("Same words"));
        t.tree.setNodeText(t.a1, QStringLiteral("Same words"));
        t.tree.setSelectedNode(t.a2);
        const QImage img = grab(t.tree);
        const int lh = t.tree.lineHeight();

        // Parent lines on the parent background, the selection on its own, leaves on the window.
        const QRect aRect = t.tree.visualRect(t.a);
        const QRect a1Rect = t.tree.visualRect(t.a1);
        const QRect a2Rect = t.tree.visualRect(t.a2);
        QCOMPARE(img.pixelColor(aRect.right() - 2, aRect.top() + 1), t.tree.parentBackground());
        QCOMPARE(img.pixelColor(a2Rect.right() - 2, a2Rect.top() + 1), t.tree.selectionBackground());
        QCOMPARE(img.pixelColor(a1Rect.right() - 2, a1Rect.top() + 1),
                 t.tree.palette().color(QPalette::Base));

        // Bold parents: the same words take more ink in the parent's line.
        const QRect aText(aRect.left(), aRect.top(), aRect.width(), lh);
        const QRect a1Text(a1Rect.left(), a1Rect.top(), a1Rect.width(), lh);
        const int parentInk = countOther(img, aText, t.tree.parentBackground());
        const int leafInk = countOther(img, a1Text, t.tree.palette().color(QPalette::Base));
        QVERIFY2(parentInk > leafInk, qPrintable(QStringLiteral("%1 vs %2").arg(parentInk).arg(leafInk)));
        QCOMPARE(t.tree.boldFont().weight(), QFont::ExtraBold);

        // Boxes: filled for a parent, hollow for a leaf, at 6 pixels left of the text.
        const QColor line = t.tree.lineColor();
        const QPoint parentBox(aRect.left() - 6, aRect.top() + lh / 2);
        const QPoint leafBox(a1Rect.left() - 6, a1Rect.top() + lh / 2);
        QCOMPARE(img.pixelColor(parentBox), line);
        QCOMPARE(img.pixelColor(parentBox + QPoint(2, 2)), line);
        QCOMPARE(img.pixelColor(leafBox), QColor(255, 250, 250));
        QCOMPARE(img.pixelColor(leafBox + QPoint(2, 0)), line);
        QCOMPARE(img.pixelColor(leafBox + QPoint(-2, -2)), line);
        // The connector: a horizontal line from the parent's column to the leaf's box and a
        // vertical one up to the parent's box.
        QCOMPARE(img.pixelColor(leafBox + QPoint(-8, 0)), line);
        QCOMPARE(img.pixelColor(parentBox.x(), (parentBox.y() + leafBox.y()) / 2), line);
        // Top-level nodes hang from nothing: no line left of their box.
        QVERIFY(img.pixelColor(parentBox + QPoint(-6, 0)) != line);

        // The public colours repaint at once.
        t.tree.setSelectionBackground(QColor(0, 128, 255));
        t.tree.setParentBackground(QColor(200, 255, 200));
        t.tree.setLineColor(QColor(255, 0, 255));
        QTRY_COMPARE(grab(t.tree).pixelColor(a2Rect.right() - 2, a2Rect.top() + 1), QColor(0, 128, 255));
        const QImage recoloured = grab(t.tree);
        QCOMPARE(recoloured.pixelColor(aRect.right() - 2, aRect.top() + 1), QColor(200, 255, 200));
        QCOMPARE(recoloured.pixelColor(parentBox), QColor(255, 0, 255));
    }
};

QTEST_MAIN(TestStaticTreeCtrl)
#include "static_tree_ctrl_test.moc"
