// The item list driven through real input events on the offscreen platform: keys, clicks and
// double-clicks, the divider and row drags, the context menu, and all of them locked during a run.

#include "dpct_tree_ctrl_test_support.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>

using namespace tovalo::gui;
using namespace testing_list;

class TestDpctTreeCtrlInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyboardNavigation()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(100));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionMoved);
        const auto lastSignalled = [&] {
            return spy.last().at(0).toInt();
        };
        const auto fullyVisible = [&](int row) {
            const QRect r = list.rowRect(row);
            return r.top() >= 0 && r.bottom() < list.viewport()->height();
        };

        // Without a selection, Down takes the first row in view.
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedRow(), 0);
        QCOMPARE(spy.count(), 1);

        QTest::keyClick(&list, Qt::Key_End);
        QCOMPARE(list.selectedRow(), 99);
        QCOMPARE(lastSignalled(), 99);
        QVERIFY(fullyVisible(99));
        QVERIFY(list.isRowSelected(99));

        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.selectedRow(), 98);
        QTest::keyClick(&list, Qt::Key_Right);
        QCOMPARE(list.selectedRow(), 99);
        const int before = spy.count();
        QTest::keyClick(&list, Qt::Key_Down); // already the last row
        QCOMPARE(spy.count(), before);
        QCOMPARE(list.selectedRow(), 99);

        QTest::keyClick(&list, Qt::Key_Home);
        QCOMPARE(list.selectedRow(), 0);
        QCOMPARE(lastSignalled(), 0);
        QCOMPARE(list.verticalScrollBar()->value(), 0);
        QVERIFY(!list.isRowSelected(99));
        QTest::keyClick(&list, Qt::Key_Left); // already the first row
        QCOMPARE(list.selectedRow(), 0);

        // Walking down past the bottom edge scrolls the selection into view.
        for (int i = 0; i < 25; ++i)
            QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedRow(), 25);
        QCOMPARE(lastSignalled(), 25);
        QVERIFY(fullyVisible(25));

        // Page keys scroll by one page and leave the selection alone. A page is more than a row
        // and no more than the view, so that paging skips no row; Page Up goes back the same way.
        QTest::keyClick(&list, Qt::Key_Home);
        const int signals = spy.count();
        QScrollBar* bar = list.verticalScrollBar();
        QTest::keyClick(&list, Qt::Key_PageDown);
        const int page = bar->value();
        QVERIFY2(page > list.rowHeight() && page <= list.viewport()->height(),
                 qPrintable(QString::number(page)));
        QTest::keyClick(&list, Qt::Key_PageDown);
        QCOMPARE(bar->value(), 2 * page);
        QTest::keyClick(&list, Qt::Key_PageUp);
        QTest::keyClick(&list, Qt::Key_PageUp);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(spy.count(), signals);
        QCOMPARE(list.selectedRow(), 0);

        // A selection scrolled out of view: Down moves on from it and brings it back.
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedRow(), 1);
        QVERIFY(fullyVisible(1));
    }

    void emptyList()
    {
        // An empty document, and no model at all.
        for (const bool withModel : {true, false}) {
            DocumentList view;
            CDpctTreeCtrl& list = view.list;
            if (!withModel)
                list.setModel(nullptr);
            QVERIFY(view.show(0, QSize(300, 200)));
            QSignalSpy spy(&list, &CDpctTreeCtrl::selectionMoved);
            for (const auto key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown})
                QTest::keyClick(&list, key);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, list.headerHeight() + 5));
            QCOMPARE(spy.count(), 0);
            QCOMPARE(list.selectedRow(), -1);
            QCOMPARE(list.count(), 0);
            QCOMPARE(list.verticalScrollBar()->maximum(), 0);
            QVERIFY(!list.ensureVisible(0));
            QVERIFY(!list.ensureVisible(-1));
            QCOMPARE(list.itemAt(0), nullptr);
            QCOMPARE(list.rowAt(QPoint(60, list.headerHeight() + 5)), -1);
        }
    }

    void mouseSelection()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(5));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionMoved);

        const int third = 2;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, third));
        QCOMPARE(list.selectedRow(), third);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toInt(), third);
        QVERIFY(list.hasFocus());

        // Clicking the status column selects too.
        const int fifth = 4;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          QPoint(list.dividerX() + 40, list.rowRect(fifth).center().y()));
        QCOMPARE(list.selectedRow(), fifth);
        QVERIFY(!list.isRowSelected(third));

        // Empty space below the rows and the header change nothing.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, list.viewport()->height() - 5));
        QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {}, QPoint(60, list.headerHeight() / 2));
        QCOMPARE(list.selectedRow(), fifth);
        QCOMPARE(spy.count(), 2);
    }

    void dividerDrag()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(3, QSize(900, 300)));
        QCOMPARE(list.dividerX(), list.viewport()->width() * 2 / 3);
        const int y = list.headerHeight() / 2;
        QWidget* vp = list.viewport();
        QWidget* header = list.header()->viewport();

        QTest::mouseMove(header, QPoint(list.dividerX() + 20, y));
        QTRY_COMPARE(header->cursor().shape(), Qt::SplitHCursor);
        QCOMPARE(list.headerHitTest(QPoint(list.dividerX() + 20, y)), CDpctTreeCtrl::HitArea::Divider);
        QCOMPARE(list.headerHitTest(QPoint(30, y)), CDpctTreeCtrl::HitArea::Name);
        QCOMPARE(list.headerHitTest(QPoint(list.dividerX() + 30, y)), CDpctTreeCtrl::HitArea::Status);

        QTest::mousePress(header, Qt::LeftButton, {}, QPoint(list.dividerX() + 20, y));
        QTest::mouseMove(header, QPoint(150, y));
        QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(150, y));
        QCOMPARE(list.dividerX(), 130);
        QCOMPARE(list.selectedRow(), -1); // dragging selects nothing

        // The divider can also be caught in a row's column gap, and dragged shut to the left;
        // it stays within reach so that the name column can be opened again.
        const int rowY = list.rowRect(1).center().y();
        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(list.dividerX() + 20, rowY));
        QTest::mouseMove(vp, QPoint(-200, rowY));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(-200, rowY));
        QCOMPARE(list.dividerX(), 0);
        QCOMPARE(list.HitTest(QPoint(20, rowY)), CDpctTreeCtrl::HitArea::Divider);
        QCOMPARE(list.selectedRow(), -1);

        QTest::mousePress(header, Qt::LeftButton, {}, QPoint(20, y));
        QTest::mouseMove(header, QPoint(220, y));
        QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(220, y));
        QCOMPARE(list.dividerX(), 200);

        // Moving without a drag changes nothing.
        QTest::mouseMove(header, QPoint(300, y));
        QCOMPARE(list.dividerX(), 200);
    }

    void doubleClick()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(3));
        QSignalSpy spy(&list, &CDpctTreeCtrl::rowDoubleClicked);

        const int second = 1;
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, second));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toInt(), second);

        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, list.viewport()->height() - 5));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().at(0).toInt(), -1);

        list.setInputLocked(true);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, second));
        QCOMPARE(spy.count(), 2);
    }

    void inputLockedDuringRun()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(100));
        list.selectRow(2);
        QSignalSpy sel(&list, &CDpctTreeCtrl::selectionMoved);
        QSignalSpy dbl(&list, &CDpctTreeCtrl::rowDoubleClicked);
        QSignalSpy menu(&list, &CDpctTreeCtrl::contextMenuRequested);

        // Running and paused alike.
        list.setInputLocked(true);
        for (const bool paused : {false, true}) {
            list.setPaused(paused);
            QVERIFY(list.isInputLocked());
            list.verticalScrollBar()->setValue(0);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, 5));
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, 6));
            for (const auto key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown})
                QTest::keyClick(&list, key);
            QCOMPARE(list.selectedRow(), 2);
            QCOMPARE(list.verticalScrollBar()->value(), 0);
            const int dividerBefore = list.dividerX();
            QTest::mousePress(list.viewport(), Qt::LeftButton, {}, QPoint(list.dividerX() + 20, 5));
            QTest::mouseMove(list.viewport(), QPoint(100, 5));
            QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, QPoint(100, 5));
            QCOMPARE(list.dividerX(), dividerBefore);

            // The wheel still scrolls, three rows per turn.
            wheel(list, -120);
            QCOMPARE(list.verticalScrollBar()->value(), 3 * list.rowHeight());
            wheel(list, 120);
            QCOMPARE(list.verticalScrollBar()->value(), 0);
        }
        QCOMPARE(sel.count(), 0);
        QCOMPARE(dbl.count(), 0);

        // Context menu requests still reach the window, whose commands have their own rules.
        QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(30, 40),
                             list.viewport()->mapToGlobal(QPoint(30, 40)));
        QApplication::sendEvent(list.viewport(), &ev);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu.last().at(0).toPoint(), list.viewport()->mapToGlobal(QPoint(30, 40)));

        // Unlocked, a click selects again.
        list.setPaused(false);
        list.setInputLocked(false);
        QVERIFY(!list.isInputLocked());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, 5));
        QCOMPARE(list.selectedRow(), 5);
        QCOMPARE(sel.count(), 1);
    }

    void dragEndsWhenRunStarts()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(3));
        QWidget* vp = list.viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(list.dividerX() + 20, 5));
        list.setInputLocked(true); // the release below is swallowed by the input lock
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(100, 5));
        const int divider = list.dividerX();
        QTest::mouseMove(vp, QPoint(50, 5));
        QCOMPARE(list.dividerX(), divider);
    }

    void rowDragAsksForAMoveAndFollowsIt()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(4));
        QWidget* vp = list.viewport();
        QSignalSpy asked(&list, &CDpctTreeCtrl::rowMoveRequested);
        const auto dragTo = [&](int from, QPoint to) {
            QTest::mousePress(vp, Qt::LeftButton, {}, namePoint(list, from));
            QTest::mouseMove(vp, namePoint(list, from) + QPoint(0, 6));
            QTest::mouseMove(vp, to);
        };

        // Escape drops the drag: nothing is asked for.
        dragTo(0, QPoint(60, list.rowRect(2).bottom() - 1));
        QTest::keyClick(&list, Qt::Key_Escape);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(60, list.rowRect(2).bottom() - 1));
        QCOMPARE(asked.size(), 0);

        // Below the lower half of row 2: row 0 becomes row 2.
        dragTo(0, QPoint(60, list.rowRect(2).bottom() - 1));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(60, list.rowRect(2).bottom() - 1));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).at(0).toInt(), 0);
        QCOMPARE(asked.at(0).at(1).toInt(), 2);
        // Dropped where it was: nothing.
        dragTo(1, namePoint(list, 1) + QPoint(0, 3));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, namePoint(list, 1) + QPoint(0, 3));
        QCOMPARE(asked.size(), 1);

        // The host moves the item; the selection goes with it, the rows between shift.
        list.selectRow(0);
        QVERIFY(view.doc.move(0, 2));
        QCOMPARE(list.selectedRow(), 2);
        list.selectRow(1);
        QVERIFY(view.doc.move(3, 0));
        QCOMPARE(list.selectedRow(), 2);

        // Locked: no drag at all.
        list.setInputLocked(true);
        dragTo(0, QPoint(60, list.rowRect(3).bottom() - 1));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(60, list.rowRect(3).bottom() - 1));
        QCOMPARE(asked.size(), 1);
    }

    void keyboardContextMenuAndAccessibleDescription()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(10));
        QSignalSpy menu(&list, &CDpctTreeCtrl::contextMenuRequested);

        view.doc.item(3)->status = ItemStatus::ConvertedNg;
        list.selectRow(3);
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("kernel_3.cu")));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("4 of 10")));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("Converted NG")));
        // A run changes the item in place and tells the document.
        view.doc.item(3)->status = ItemStatus::ConvertedOk;
        view.doc.notifyChanged(3, 3);
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("Converted OK")));

        // The menu key opens the menu at the selected row.
        QContextMenuEvent ev(QContextMenuEvent::Keyboard, QPoint(0, 0), list.mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(&list, &ev);
        QCOMPARE(menu.count(), 1);
        const QPoint local = list.viewport()->mapFromGlobal(menu.last().at(0).toPoint());
        QVERIFY(list.rowRect(3).contains(local));

        view.doc.remove(3);
        QVERIFY(list.accessibleDescription().isEmpty());
    }

    void extendedSelection()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(10));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionMoved);
        QWidget* vp = list.viewport();
        const auto rows = [&] {
            return list.selectedRows();
        };

        QTest::mouseClick(vp, Qt::LeftButton, {}, namePoint(list, 1));
        QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, namePoint(list, 4));
        QCOMPARE(rows(), (std::vector{1, 2, 3, 4}));
        QCOMPARE(list.selectedCount(), 4);
        QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, namePoint(list, 2));
        QCOMPARE(rows(), (std::vector{1, 3, 4}));
        QCOMPARE(spy.count(), 3); // once per click
        // The single-item commands act on a selected row: the current one, else the first.
        QCOMPARE(list.selectedRow(), 1);
        QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, namePoint(list, 6));
        QCOMPARE(list.selectedRow(), 6);

        // Shift+arrows stretch the selection from the current row; a plain arrow collapses it.
        QTest::mouseClick(vp, Qt::LeftButton, {}, namePoint(list, 5));
        QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(rows(), (std::vector{5, 6, 7}));
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(rows(), (std::vector{6}));

        // Ctrl+A takes every row, and tells the window once.
        const int before = spy.count();
        QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list.selectedCount(), 10);
        QCOMPARE(spy.count(), before + 1);

        // Type-ahead finds a row by its file name.
        QTest::keyClicks(&list, QStringLiteral("kernel_8"));
        QCOMPARE(rows(), (std::vector{8}));

        // During a run none of it works.
        list.setInputLocked(true);
        QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
        QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, namePoint(list, 2));
        QCOMPARE(rows(), (std::vector{8}));

        // The host selects several rows itself (after an edit of several items).
        list.setInputLocked(false);
        list.selectRows({2, 4, 9});
        QCOMPARE(rows(), (std::vector{2, 4, 9}));
        QCOMPARE(list.currentIndex().row(), 2);
    }
};

QTEST_MAIN(TestDpctTreeCtrlInput)
#include "dpct_tree_ctrl_input_test.moc"
