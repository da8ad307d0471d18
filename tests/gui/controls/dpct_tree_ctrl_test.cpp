// The item list driven through real input events on the offscreen platform, and its painting
// checked on grabbed images. Each list shows a document of its own through a model, as in a
// document window; the rows come and go through the document.

#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/definition_document.h"
#include "data/dpct_data.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace tovalo::gui;

using tovalo::CDpctData;
using tovalo::DefinitionDocument;
using tovalo::ItemStatus;

namespace {

/// A list over a document of its own (the list goes first, then the model, then the document).
struct DocumentList
{
    DefinitionDocument doc;
    DefinitionModel model{doc};
    CDpctTreeCtrl list;
    DocumentList() { list.setModel(&model); }
};

CDpctData makeItem(const std::string& path, ItemStatus status = ItemStatus::None)
{
    CDpctData item;
    item.path = path;
    item.status = status;
    return item;
}

void fill(DefinitionDocument& doc, int count)
{
    std::vector<CDpctData> items;
    for (int i = 0; i < count; ++i)
        items.push_back(makeItem("/src/project/kernel_" + std::to_string(i) + ".cu"));
    doc.add(std::move(items));
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
QPoint namePoint(const CDpctTreeCtrl& list, int row)
{
    return QPoint(60, list.rowRect(row).center().y());
}

} // namespace

class TestDpctTreeCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowHeightRule()
    {
        QCOMPARE(CDpctTreeCtrl::rowHeightForTextHeight(15), 20);
        QCOMPARE(CDpctTreeCtrl::rowHeightForTextHeight(16), 22);

        // For several fonts, the painted row separators lie exactly one (even) row height
        // apart, and the first row starts right under a header one pixel taller than a row.
        for (const int pixels : {9, 12, 13, 17, 20}) {
            DocumentList view;
            CDpctTreeCtrl& list = view.list;
            QFont f = list.font();
            f.setPixelSize(pixels);
            list.setFont(f);
            list.resize(400, 300);
            fill(view.doc, 5);
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
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(500, 300);
        const ItemStatus statuses[] = {ItemStatus::None,        ItemStatus::Waiting,
                                       ItemStatus::Converting,  ItemStatus::ConvertedOk,
                                       ItemStatus::ConvertedNg, ItemStatus::SyntaxError};
        for (const ItemStatus s : statuses)
            view.doc.add(makeItem("/a.cu", s));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        const auto statusRect = [&](int i) {
            const QRect r = list.rowRect(i);
            // Up to the diagnostics column at the right edge (and its dividing line).
            const int end = r.right() + 1 - 4 - CDpctTreeCtrl::kCountColumnWidth - 3;
            return QRect(list.dividerX() + 24, r.top() + 1, end - list.dividerX() - 24, r.height() - 2);
        };

        // Automatic colours first.
        {
            const QImage img = grab(list);
            // The design's automatic colours, each made readable (4.5:1) on the row's background.
            const QList<QColor> base{list.palette().color(QPalette::Base)};
            const QColor expected[] = {QColor(),
                                       readableOn(QColor(0, 100, 0), base),
                                       readableOn(QColor(0, 100, 0), base),
                                       readableOn(QColor(0, 0, 255), base),
                                       readableOn(QColor(255, 0, 0), base),
                                       readableOn(QColor(139, 139, 0), base)};
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
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(500, 300);
        view.doc.add(makeItem("/a.cu"));
        const int selected = view.doc.add(makeItem("/b.cu"));
        const int converting = view.doc.add(makeItem("/c.cu"));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.setFocus();
        QTRY_VERIFY(list.hasFocus());
        list.selectRow(selected);

        const int x = list.dividerX() + 22; // between the column line and the status text
        const auto band = [&](const QImage& img, int row) {
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
        view.doc.item(converting)->status = ItemStatus::Converting;
        list.setInputLocked(true);
        img = grab(list);
        const QColor orange = band(img, converting);
        QVERIFY2(orange.red() > orange.blue() + 60, qPrintable(orange.name()));
        QCOMPARE(band(img, selected), base);
        const QRect strip(0, list.rowRect(converting).top(), CDpctTreeCtrl::kStripWidth - 1,
                          list.rowHeight());
        QVERIFY(countNear(img, strip, QColor(255, 140, 0), 10) > 10);
        const QImage playStrip = img.copy(strip);

        list.setPaused(true);
        img = grab(list);
        QVERIFY(countNear(img, strip, QColor(255, 140, 0), 10) > 10);
        QVERIFY(img.copy(strip) != playStrip);
    }

    void keyboardNavigation()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(400, 300);
        fill(view.doc, 100);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionChanged);
        const auto lastSignalled = [&] {
            return spy.last().at(0).toInt();
        };
        const auto fullyVisible = [&](int row) {
            const QRect r = list.rowRect(row);
            return r.top() >= list.headerHeight() && r.bottom() < list.viewport()->height();
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
            list.resize(300, 200);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            QSignalSpy spy(&list, &CDpctTreeCtrl::selectionChanged);
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

    void scrollRange()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(400, 300);
        fill(view.doc, 3);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.verticalScrollBar()->maximum(), 0);
        QVERIFY(!list.verticalScrollBar()->isVisible());

        // Rows added one by one through the document: the range follows each of them, and
        // selecting the last one scrolls to it.
        for (int i = 0; i < 500; ++i)
            view.doc.add(makeItem("/x.cu"));
        list.selectRow(list.count() - 1);
        QTRY_VERIFY(list.verticalScrollBar()->isVisible());
        QVERIFY(list.rowRect(502).bottom() < list.viewport()->height());

        // At the end of the range the last row is fully shown.
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
        const QRect last = list.rowRect(502);
        QVERIFY(last.bottom() < list.viewport()->height());
        QVERIFY(last.top() >= list.headerHeight());
        QVERIFY(list.rowRect(0).bottom() < list.headerHeight());

        list.RecalcScroll(true);
        QCOMPARE(list.verticalScrollBar()->value(), 0);
    }

    void selectionBeforeShowScrollsOnceShown()
    {
        // A window fills and selects before it is shown; the view then has no real height yet.
        for (const int target : {3, 150}) {
            DocumentList view;
            CDpctTreeCtrl& list = view.list;
            fill(view.doc, 200);
            list.selectRow(target);
            list.resize(400, 300);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            const QRect r = list.rowRect(target);
            QVERIFY2(r.top() >= list.headerHeight() && r.bottom() < list.viewport()->height(),
                     qPrintable(QStringLiteral("row %1 at %2").arg(target).arg(r.top())));
            if (target == 3)
                QCOMPARE(list.verticalScrollBar()->value(), 0);
        }
    }

    void mouseSelection()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(400, 300);
        fill(view.doc, 5);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &CDpctTreeCtrl::selectionChanged);

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
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, list.headerHeight() / 2));
        QCOMPARE(list.selectedRow(), fifth);
        QCOMPARE(spy.count(), 2);
    }

    void dividerDrag()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(400, 300);
        fill(view.doc, 3);
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
        QCOMPARE(list.selectedRow(), -1); // dragging selects nothing

        // The divider can also be caught in a row's column gap, and dragged shut to the left;
        // it stays within reach so that the name column can be opened again.
        const int rowY = list.rowRect(1).center().y();
        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(list.dividerX() + 20, rowY));
        QTest::mouseMove(vp, QPoint(-200, rowY));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(-200, rowY));
        QCOMPARE(list.dividerX(), -16);
        QCOMPARE(list.HitTest(QPoint(4, rowY)), CDpctTreeCtrl::HitArea::Divider);
        QCOMPARE(list.selectedRow(), -1);

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
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(400, 300);
        fill(view.doc, 3);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
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
        list.resize(400, 300);
        fill(view.doc, 100);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.selectRow(2);
        QSignalSpy sel(&list, &CDpctTreeCtrl::selectionChanged);
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
        list.resize(400, 300);
        fill(view.doc, 3);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
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
        list.resize(400, 300);
        fill(view.doc, 4);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
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

    void missingRowsAreGreyed()
    {
        QTemporaryDir dir;
        const QString there = dir.filePath(QStringLiteral("there.cu"));
        QFile f(there);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(500, 200);
        view.doc.add(std::vector{makeItem(there.toStdString()),
                                 makeItem(dir.filePath(QStringLiteral("gone.cu")).toStdString())});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QColor text = list.colors().resolve(ListColors::RowText, list.palette());
        const QColor grey = list.palette().color(QPalette::Disabled, QPalette::Text);
        QVERIFY(!near(text, grey, 30));
        const auto inks = [&](int row) {
            const QRect r = list.rowRect(row).adjusted(30, 2, -(list.width() - list.dividerX()), -2);
            const QImage img = grab(list);
            return std::pair{countNear(img, r, text, 40), countNear(img, r, grey, 40)};
        };
        QVERIFY(inks(1).first > 0); // before the check: plain text

        QSignalSpy checked(&view.model, &DefinitionModel::filesChecked);
        view.model.checkFiles();
        QTRY_COMPARE(checked.size(), 1);
        QTRY_VERIFY(inks(1).second > 0);
        QCOMPARE(inks(1).first, 0);
        QVERIFY(inks(0).first > 0); // the file that is there keeps its text colour
    }

    void rowsComeAndGoThroughTheDocument()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        DefinitionDocument& doc = view.doc;
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const auto pathAt = [&](int row) {
            return QString::fromStdString(list.itemAt(row)->path);
        };

        doc.add(makeItem("/only.cu"));
        list.selectRow(0);
        doc.remove(0);
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.selectedRow(), -1);
        QCOMPARE(list.itemAt(0), nullptr);
        QVERIFY(list.accessibleDescription().isEmpty());

        doc.add(makeItem("/a.cu"));
        QCOMPARE(list.itemAt(0), doc.item(0));
        doc.add(std::vector{makeItem("/b.cu"), makeItem("/c.cu")});
        QCOMPARE(pathAt(1), QStringLiteral("/b.cu"));
        list.selectRow(0);
        doc.remove(2);
        QCOMPARE(list.count(), 2);
        QCOMPARE(pathAt(1), QStringLiteral("/b.cu"));
        QCOMPARE(list.selectedRow(), 0); // another row's deletion keeps the selection
        doc.add(makeItem("/d.cu"));
        QCOMPARE(pathAt(2), QStringLiteral("/d.cu"));
        QCOMPARE(list.itemAt(3), nullptr);

        // Deleting a row above the selection renumbers it: the same item stays selected.
        list.selectRow(2);
        doc.remove(1);
        QCOMPARE(list.selectedRow(), 1);
        QCOMPARE(pathAt(1), QStringLiteral("/d.cu"));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("2 of 2")));
        QVERIFY(list.accessibleDescription().contains(QStringLiteral("/d.cu")));

        // A row that does not exist is refused.
        for (const int bad : {2, 5, -2}) {
            list.selectRow(bad);
            QCOMPARE(list.selectedRow(), 1);
        }
        list.selectRow(-1);
        QCOMPARE(list.selectedRow(), -1);
        list.selectRow(0);

        // A reload replaces every row: no selection, back at the top.
        fill(doc, 200);
        QTemporaryDir dir;
        tovalo::Message error;
        const std::string file = dir.filePath(QStringLiteral("list.txt")).toStdString();
        QVERIFY2(doc.save(file, error), tovalo::englishText(error).c_str());
        list.selectRow(150);
        QVERIFY(list.verticalScrollBar()->value() > 0);
        QVERIFY(doc.load(file, error));
        QCOMPARE(list.count(), 202);
        QCOMPARE(list.selectedRow(), -1);
        QCOMPARE(list.verticalScrollBar()->value(), 0);

        // Another model: its rows, no selection; a model that goes first leaves an empty list.
        list.selectRow(3);
        {
            DefinitionDocument other;
            other.add(makeItem("/f.cu"));
            DefinitionModel otherModel(other);
            list.setModel(&otherModel);
            QCOMPARE(list.count(), 1);
            QCOMPARE(list.selectedRow(), -1);
            QCOMPARE(pathAt(0), QStringLiteral("/f.cu"));
            list.selectRow(0);
        }
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.selectedRow(), -1);
        QCOMPARE(list.verticalScrollBar()->maximum(), 0);
        QVERIFY(!list.grab().isNull()); // paints without a model

        list.setModel(&view.model);
        QCOMPARE(list.count(), 202);
        list.selectRow(5);
        doc.removeAll();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.selectedRow(), -1);
        QCOMPARE(list.verticalScrollBar()->maximum(), 0);
    }

    void keyboardContextMenuAndAccessibleDescription()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        list.resize(400, 300);
        fill(view.doc, 10);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
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
};

QTEST_MAIN(TestDpctTreeCtrl)
#include "dpct_tree_ctrl_test.moc"
