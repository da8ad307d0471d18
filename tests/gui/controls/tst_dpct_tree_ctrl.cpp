// The item list driven through real input events on the offscreen platform, and its painting
// checked on grabbed images.

#include "data/dpct_data.h"
#include "controls/dpct_tree_ctrl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace tovalo::gui;

using tovalo::CDpctData;
using tovalo::ItemStatus;

Q_DECLARE_METATYPE(CDpctTreeItem*)

namespace {

std::unique_ptr<CDpctData> makeItem(const std::string& path, ItemStatus status = ItemStatus::None)
{
    auto item = std::make_unique<CDpctData>();
    item->path = path;
    item->status = status;
    return item;
}

void fill(CDpctTreeCtrl& list, int count)
{
    for (int i = 0; i < count; ++i)
        list.AddItem(makeItem("/src/project/kernel_" + std::to_string(i) + ".cu"));
    list.RecalcScroll(false);
}

bool near(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int countNear(const QImage& img, const QRect& rect, const QColor& color, int tolerance)
{
    int n = 0;
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += near(img.pixelColor(x, y), color, tolerance) ? 1 : 0;
    return n;
}

QImage grab(CDpctTreeCtrl& list)
{
    return list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void wheel(CDpctTreeCtrl& list, int delta)
{
    const QPointF pos(50, 50);
    QWheelEvent ev(pos, list.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &ev);
}

// A point inside a row's name column.
QPoint namePoint(const CDpctTreeCtrl& list, const CDpctTreeItem* row)
{
    return QPoint(60, list.rowRect(row).center().y());
}

} // namespace

class TestDpctTreeCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<CDpctTreeItem*>(); }

    void rowHeightRule()
    {
        QCOMPARE(CDpctTreeCtrl::rowHeightForTextHeight(15), 20);
        QCOMPARE(CDpctTreeCtrl::rowHeightForTextHeight(16), 22);

        // For several fonts, the painted row separators lie exactly one (even) row height
        // apart, and the first row starts right under a header one pixel taller than a row.
        for (const int pixels : {9, 12, 13, 17, 20}) {
            CDpctTreeCtrl list;
            QFont f = list.font();
            f.setPixelSize(pixels);
            list.setFont(f);
            list.resize(400, 300);
            fill(list, 5);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            const int rh = list.rowHeight();
            QCOMPARE(rh % 2, 0);
            QVERIFY(rh >= QFontMetrics(list.normalFont()).height() + 5);
            QCOMPARE(list.headerHeight(), rh + 1);

            const QImage img = grab(list);
            const QColor line = list.palette().color(QPalette::Button);
            QList<int> lines;
            const int x = img.width() - 2;
            for (int y = list.headerHeight(); y < img.height(); ++y)
                if (img.pixelColor(x, y) == line)
                    lines.append(y);
            QVERIFY2(lines.size() >= 5, qPrintable(QString::number(lines.size())));
            QCOMPARE(lines.front(), list.headerHeight() + rh - 1);
            for (int i = 1; i < 5; ++i)
                QCOMPARE(lines[i] - lines[i - 1], rh);
        }
    }

    void statusTextColours()
    {
        CDpctTreeCtrl list;
        list.resize(500, 300);
        const ItemStatus statuses[] = {ItemStatus::None,        ItemStatus::Waiting,
                                       ItemStatus::Converting,  ItemStatus::ConvertedOk,
                                       ItemStatus::ConvertedNg, ItemStatus::SyntaxError};
        std::vector<CDpctTreeItem*> rows;
        for (const ItemStatus s : statuses)
            rows.push_back(list.AddItem(makeItem("/a.cu", s)));
        list.RecalcScroll(false);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        const auto statusRect = [&](int i) {
            const QRect r = list.rowRect(rows[static_cast<std::size_t>(i)]);
            return QRect(list.dividerX() + 24, r.top() + 1, r.right() - list.dividerX() - 24, r.height() - 2);
        };

        // Automatic colours first.
        {
            const QImage img = grab(list);
            const QColor expected[] = {QColor(),          QColor(0, 100, 0), QColor(0, 100, 0),
                                       QColor(0, 0, 255), QColor(255, 0, 0), QColor(139, 139, 0)};
            for (int i = 1; i < 6; ++i)
                QVERIFY2(countNear(img, statusRect(i), expected[i], 16) > 0, qPrintable(QString::number(i)));
            // "None" draws no status text at all.
            QCOMPARE(countNear(img, statusRect(0), list.palette().color(QPalette::Base), 0),
                     statusRect(0).width() * statusRect(0).height());
        }

        // Then the user's colours: each status row shows its own slot's colour and no other.
        ListColors colors;
        colors.set(ListColors::ConvertingText, QColor(0, 170, 0));
        colors.set(ListColors::SyntaxErrorText, QColor(170, 0, 170));
        colors.set(ListColors::ConvertedOkText, QColor(0, 0, 255));
        colors.set(ListColors::ConvertedNgText, QColor(255, 0, 0));
        list.setColors(colors);
        const QImage img = grab(list);
        const QColor slotOf[] = {QColor(),          QColor(0, 170, 0), QColor(0, 170, 0),
                                 QColor(0, 0, 255), QColor(255, 0, 0), QColor(170, 0, 170)};
        for (int i = 1; i < 6; ++i) {
            for (int j = 1; j < 6; ++j) {
                const int n = countNear(img, statusRect(i), slotOf[j], 24);
                if (slotOf[i] == slotOf[j])
                    QVERIFY2(n > 0, qPrintable(QStringLiteral("row %1 lacks its colour").arg(i)));
                else
                    QVERIFY2(n == 0, qPrintable(QStringLiteral("row %1 shows colour of %2").arg(i).arg(j)));
            }
        }
        QCOMPARE(CDpctTreeCtrl::statusText(ItemStatus::SyntaxError), QStringLiteral("Syntax errors"));

        // The row background slot fills the rows area.
        colors.set(ListColors::RowBackground, QColor(250, 250, 200));
        list.setColors(colors);
        QCOMPARE(grab(list).pixelColor(list.width() - 10, list.height() - 3), QColor(250, 250, 200));
    }

    void highlightLooks()
    {
        CDpctTreeCtrl list;
        list.resize(500, 300);
        list.AddItem(makeItem("/a.cu"));
        CDpctTreeItem* selected = list.AddItem(makeItem("/b.cu"));
        CDpctTreeItem* converting = list.AddItem(makeItem("/c.cu"));
        list.RecalcScroll(false);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.setFocus();
        QTRY_VERIFY(list.hasFocus());
        list.SelectItem(selected);

        const int x = list.dividerX() + 22; // between the column line and the status text
        const auto band = [&](const QImage& img, const CDpctTreeItem* row) {
            return img.pixelColor(x, list.rowRect(row).center().y());
        };
        const QColor base = list.palette().color(QPalette::Base);

        QImage img = grab(list);
        const QColor focused = band(img, selected);
        QVERIFY2(focused.blue() > focused.red() + 20, qPrintable(focused.name())); // light blue
        QCOMPARE(band(img, converting), base);

        list.clearFocus();
        QTRY_VERIFY(!list.hasFocus());
        img = grab(list);
        const QColor unfocused = band(img, selected);
        QVERIFY2(unfocused != base && std::abs(unfocused.red() - unfocused.blue()) < 8,
                 qPrintable(unfocused.name()));

        // During a run the row being converted is orange, the selection is not highlighted, and
        // a play icon (a pause icon when paused) sits in the left strip.
        converting->data()->status = ItemStatus::Converting;
        list.setRunPhase(7);
        img = grab(list);
        const QColor orange = band(img, converting);
        QVERIFY2(orange.red() > orange.blue() + 60, qPrintable(orange.name()));
        QCOMPARE(band(img, selected), base);
        const QRect strip(0, list.rowRect(converting).top(), CDpctTreeCtrl::kStripWidth - 1,
                          list.rowHeight());
        QVERIFY(countNear(img, strip, QColor(255, 140, 0), 10) > 10);
        const QImage playStrip = img.copy(strip);

        list.setRunPhase(9);
        img = grab(list);
        QVERIFY(countNear(img, strip, QColor(255, 140, 0), 10) > 10);
        QVERIFY(img.copy(strip) != playStrip);
    }

    void keyboardNavigation()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 100);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionChanged);
        const auto lastSignalled = [&] {
            return spy.last().at(0).value<CDpctTreeItem*>();
        };
        const auto fullyVisible = [&](const CDpctTreeItem* row) {
            const QRect r = list.rowRect(row);
            return r.top() >= list.headerHeight() && r.bottom() < list.viewport()->height();
        };

        // Without a selection, Down takes the first row in view.
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.GetSelectedItem(), list.GetFirstItem());
        QCOMPARE(spy.count(), 1);

        QTest::keyClick(&list, Qt::Key_End);
        QCOMPARE(list.GetSelectedItem(), list.GetLastItem());
        QCOMPARE(lastSignalled(), list.GetLastItem());
        QVERIFY(fullyVisible(list.GetLastItem()));
        QVERIFY(list.GetLastItem()->isSelected());

        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.GetSelectedItem(), list.ItemAt(98));
        QTest::keyClick(&list, Qt::Key_Right);
        QCOMPARE(list.GetSelectedItem(), list.ItemAt(99));
        const int before = spy.count();
        QTest::keyClick(&list, Qt::Key_Down); // already the last row
        QCOMPARE(spy.count(), before);
        QCOMPARE(list.GetSelectedItem(), list.ItemAt(99));

        QTest::keyClick(&list, Qt::Key_Home);
        QCOMPARE(list.GetSelectedItem(), list.GetFirstItem());
        QCOMPARE(lastSignalled(), list.GetFirstItem());
        QCOMPARE(list.verticalScrollBar()->value(), 0);
        QVERIFY(!list.ItemAt(99)->isSelected());
        QTest::keyClick(&list, Qt::Key_Left); // already the first row
        QCOMPARE(list.GetSelectedItem(), list.GetFirstItem());

        // Walking down past the bottom edge scrolls the selection into view.
        for (int i = 0; i < 25; ++i)
            QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.GetSelectedItem(), list.ItemAt(25));
        QCOMPARE(lastSignalled(), list.ItemAt(25));
        QVERIFY(fullyVisible(list.ItemAt(25)));

        // Page keys scroll by one page and leave the selection alone.
        QTest::keyClick(&list, Qt::Key_Home);
        const int signals = spy.count();
        QTest::keyClick(&list, Qt::Key_PageDown);
        QCOMPARE(list.verticalScrollBar()->value(), list.verticalScrollBar()->pageStep());
        QTest::keyClick(&list, Qt::Key_PageDown);
        QCOMPARE(list.verticalScrollBar()->value(), 2 * list.verticalScrollBar()->pageStep());
        QTest::keyClick(&list, Qt::Key_PageUp);
        QTest::keyClick(&list, Qt::Key_PageUp);
        QTest::keyClick(&list, Qt::Key_PageUp);
        QCOMPARE(list.verticalScrollBar()->value(), 0);
        QCOMPARE(spy.count(), signals);
        QCOMPARE(list.GetSelectedItem(), list.GetFirstItem());

        // A selection scrolled out of view: Down moves on from it and brings it back.
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.GetSelectedItem(), list.ItemAt(1));
        QVERIFY(fullyVisible(list.ItemAt(1)));
    }

    void emptyList()
    {
        CDpctTreeCtrl list;
        list.resize(300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionChanged);
        for (const auto key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown})
            QTest::keyClick(&list, key);
        QCOMPARE(spy.count(), 0);
        QVERIFY(!list.GetSelectedItem());
        QCOMPARE(list.verticalScrollBar()->maximum(), 0);
        QVERIFY(!list.EnsureVisible(nullptr));
        QCOMPARE(list.IndexOf(nullptr), -1);
    }

    void scrollRange()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 3);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.verticalScrollBar()->maximum(), 0);
        QVERIFY(!list.verticalScrollBar()->isVisible());

        // Rows added without RecalcScroll: selecting the last one still scrolls to it.
        for (int i = 0; i < 500; ++i)
            list.AddItem(makeItem("/x.cu"));
        list.SelectItem(list.GetLastItem());
        QTRY_VERIFY(list.verticalScrollBar()->isVisible());
        QVERIFY(list.rowRect(list.GetLastItem()).bottom() < list.viewport()->height());

        // At the end of the range the last row is fully shown.
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
        const QRect last = list.rowRect(list.GetLastItem());
        QVERIFY(last.bottom() < list.viewport()->height());
        QVERIFY(last.top() >= list.headerHeight());
        QVERIFY(list.rowRect(list.GetFirstItem()).bottom() < list.headerHeight());

        list.RecalcScroll(true);
        QCOMPARE(list.verticalScrollBar()->value(), 0);
    }

    void selectionBeforeShowScrollsOnceShown()
    {
        // A window fills and selects before it is shown; the view then has no real height yet.
        for (const int target : {3, 150}) {
            CDpctTreeCtrl list;
            fill(list, 200);
            list.SelectItem(list.ItemAt(target));
            list.resize(400, 300);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            const QRect r = list.rowRect(list.ItemAt(target));
            QVERIFY2(r.top() >= list.headerHeight() && r.bottom() < list.viewport()->height(),
                     qPrintable(QStringLiteral("row %1 at %2").arg(target).arg(r.top())));
            if (target == 3)
                QCOMPARE(list.verticalScrollBar()->value(), 0);
        }
    }

    void mouseSelection()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 5);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionChanged);

        CDpctTreeItem* third = list.ItemAt(2);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, third));
        QCOMPARE(list.GetSelectedItem(), third);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).value<CDpctTreeItem*>(), third);
        QVERIFY(list.hasFocus());

        // Clicking the status column selects too.
        CDpctTreeItem* fifth = list.ItemAt(4);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          QPoint(list.dividerX() + 40, list.rowRect(fifth).center().y()));
        QCOMPARE(list.GetSelectedItem(), fifth);
        QVERIFY(!third->isSelected());

        // Empty space below the rows and the header change nothing.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, list.viewport()->height() - 5));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, list.headerHeight() / 2));
        QCOMPARE(list.GetSelectedItem(), fifth);
        QCOMPARE(spy.count(), 2);
    }

    void dividerDrag()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 3);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.dividerX(), list.viewport()->width() * 2 / 3);
        const int y = list.headerHeight() / 2;
        QWidget* vp = list.viewport();

        QTest::mouseMove(vp, QPoint(list.dividerX() + 20, y));
        QTRY_COMPARE(vp->cursor().shape(), Qt::SplitHCursor);
        QCOMPARE(list.HitTest(QPoint(list.dividerX() + 20, y)), CDpctTreeCtrl::HitArea::Divider);
        QCOMPARE(list.HitTest(QPoint(30, y)), CDpctTreeCtrl::HitArea::Name);
        QCOMPARE(list.HitTest(QPoint(list.dividerX() + 30, y)), CDpctTreeCtrl::HitArea::Status);

        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(list.dividerX() + 20, y));
        QTest::mouseMove(vp, QPoint(150, y));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(150, y));
        QCOMPARE(list.dividerX(), 130);
        QVERIFY(!list.GetSelectedItem()); // dragging selects nothing

        // The divider can also be caught in a row's column gap, and dragged shut to the left;
        // it stays within reach so that the name column can be opened again.
        const int rowY = list.rowRect(list.ItemAt(1)).center().y();
        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(list.dividerX() + 20, rowY));
        QTest::mouseMove(vp, QPoint(-200, rowY));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(-200, rowY));
        QCOMPARE(list.dividerX(), -16);
        QCOMPARE(list.HitTest(QPoint(4, rowY)), CDpctTreeCtrl::HitArea::Divider);
        QVERIFY(!list.GetSelectedItem());

        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(4, y));
        QTest::mouseMove(vp, QPoint(220, y));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(220, y));
        QCOMPARE(list.dividerX(), 200);

        // Moving without a drag changes nothing.
        QTest::mouseMove(vp, QPoint(300, y));
        QCOMPARE(list.dividerX(), 200);
    }

    void doubleClick()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 3);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &CDpctTreeCtrl::rowDoubleClicked);

        CDpctTreeItem* second = list.ItemAt(1);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, second));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).value<CDpctTreeItem*>(), second);

        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, list.viewport()->height() - 5));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().at(0).value<CDpctTreeItem*>(), nullptr);

        list.setRunPhase(7);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, second));
        QCOMPARE(spy.count(), 2);
    }

    void inputLockedDuringRun()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 100);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.SelectItem(list.ItemAt(2));
        QSignalSpy sel(&list, &CDpctTreeCtrl::selectionChanged);
        QSignalSpy dbl(&list, &CDpctTreeCtrl::rowDoubleClicked);
        QSignalSpy menu(&list, &CDpctTreeCtrl::contextMenuRequested);

        for (const int phase : {6, 7, 8, 9}) {
            list.setRunPhase(phase);
            QVERIFY(list.isRunning());
            list.verticalScrollBar()->setValue(0);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, list.ItemAt(5)));
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, list.ItemAt(6)));
            for (const auto key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown})
                QTest::keyClick(&list, key);
            QCOMPARE(list.GetSelectedItem(), list.ItemAt(2));
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

        // Phase 5 is not a run.
        list.setRunPhase(5);
        QVERIFY(!list.isRunning());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, namePoint(list, list.ItemAt(5)));
        QCOMPARE(list.GetSelectedItem(), list.ItemAt(5));
        QCOMPARE(sel.count(), 1);
    }

    void dragEndsWhenRunStarts()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 3);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QWidget* vp = list.viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(list.dividerX() + 20, 5));
        list.setRunPhase(6); // the release below is swallowed by the input lock
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(100, 5));
        const int divider = list.dividerX();
        QTest::mouseMove(vp, QPoint(50, 5));
        QCOMPARE(list.dividerX(), divider);
    }

    void deleteAndAdd()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        CDpctTreeItem* only = list.AddItem(makeItem("/only.cu"));
        list.SelectItem(only);
        list.DeleteItem(only);
        QCOMPARE(list.GetCount(), 0);
        QVERIFY(!list.GetSelectedItem());
        QVERIFY(!list.GetFirstItem());

        CDpctTreeItem* a = list.AddItem(makeItem("/a.cu"));
        QCOMPARE(list.GetFirstItem(), a);
        CDpctTreeItem* b = list.AddItem(makeItem("/b.cu"));
        CDpctTreeItem* c = list.AddItem(makeItem("/c.cu"));
        QCOMPARE(list.GetNextItem(a), b);
        list.SelectItem(a);
        list.DeleteItem(c);
        QCOMPARE(list.GetLastItem(), b);
        QCOMPARE(list.GetSelectedItem(), a); // another row's deletion keeps the selection
        CDpctTreeItem* d = list.AddItem(makeItem("/d.cu"));
        QCOMPARE(list.GetNextItem(b), d);
        QCOMPARE(list.GetPrevItem(d), b);
        QVERIFY(!list.GetNextItem(d));

        // Deleting a middle row renumbers the rest.
        list.DeleteItem(b);
        QCOMPARE(list.IndexOf(d), 1);
        QCOMPARE(list.GetNextItem(a), d);
        QCOMPARE(QString::fromStdString(list.ItemAt(1)->data()->path), QStringLiteral("/d.cu"));

        // A row of another list is refused.
        CDpctTreeCtrl other;
        CDpctTreeItem* foreign = other.AddItem(makeItem("/f.cu"));
        list.DeleteItem(foreign);
        list.SelectItem(foreign);
        QCOMPARE(list.GetCount(), 2);
        QCOMPARE(other.GetCount(), 1);
        QCOMPARE(list.GetSelectedItem(), a);
        QVERIFY(!list.AddItem(nullptr));

        list.DeleteAllItems();
        QCOMPARE(list.GetCount(), 0);
        QVERIFY(!list.GetSelectedItem());
    }

    void keyboardContextMenuAndAccessibleDescription()
    {
        CDpctTreeCtrl list;
        list.resize(400, 300);
        fill(list, 10);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy menu(&list, &CDpctTreeCtrl::contextMenuRequested);

        list.ItemAt(3)->data()->status = ItemStatus::ConvertedNg;
        list.SelectItem(list.ItemAt(3));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("kernel_3.cu")));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("4 of 10")));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("Converted NG")));
        list.ItemAt(3)->data()->status = ItemStatus::ConvertedOk;
        list.UpdateItem(list.ItemAt(3));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("Converted OK")));

        // The menu key opens the menu at the selected row.
        QContextMenuEvent ev(QContextMenuEvent::Keyboard, QPoint(0, 0), list.mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(&list, &ev);
        QCOMPARE(menu.count(), 1);
        const QPoint local = list.viewport()->mapFromGlobal(menu.last().at(0).toPoint());
        QVERIFY(list.rowRect(list.ItemAt(3)).contains(local));

        list.DeleteItem(list.ItemAt(3));
        QVERIFY(list.accessibleDescription().isEmpty());
    }
};

QTEST_MAIN(TestDpctTreeCtrl)
#include "tst_dpct_tree_ctrl.moc"
