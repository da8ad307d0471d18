// The item list's painting checked on grabbed images, and its rows, selection and scroll range
// following a document through a model, as in a document window. Its input (mouse, keys, drags)
// is tst_dpct_tree_ctrl_input.

#include "dpct_tree_ctrl_test_support.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace tovalo::gui;
using namespace testing_list;

class TestDpctTreeCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowHeightRule()
    {
        QCOMPARE(CDpctTreeCtrl::rowHeightForTextHeight(15), 20);
        QCOMPARE(CDpctTreeCtrl::rowHeightForTextHeight(16), 22);

        // For several fonts, the painted row separators lie exactly one (even) row height
        // apart, and the header is one pixel taller than a row.
        for (const int pixels : {9, 12, 13, 17, 20}) {
            DocumentList view;
            CDpctTreeCtrl& list = view.list;
            QFont f = list.font();
            f.setPixelSize(pixels);
            list.setFont(f);
            QVERIFY(view.show(5));
            const int rh = list.rowHeight();
            QCOMPARE(rh % 2, 0);
            QVERIFY(rh >= QFontMetrics(list.normalFont()).height() + 5);
            QCOMPARE(list.headerHeight(), rh + 1);
            QCOMPARE(list.header()->height(), rh + 1);

            const QImage img = grab(list);
            const QColor line = list.palette().color(QPalette::Button);
            QList<int> lines;
            const int x = img.width() - 2;
            for (int y = 0; y < img.height(); ++y)
                if (img.pixelColor(x, y) == line)
                    lines.append(y);
            QVERIFY2(lines.size() >= 5, qPrintable(QString::number(lines.size())));
            QCOMPARE(lines.front(), rh - 1); // the first row's last line
            for (int i = 1; i < 5; ++i)
                QCOMPARE(lines[i] - lines[i - 1], rh);
        }
    }

    void statusTextColours()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        const ItemStatus statuses[] = {ItemStatus::None,        ItemStatus::Waiting,
                                       ItemStatus::Converting,  ItemStatus::ConvertedOk,
                                       ItemStatus::ConvertedNg, ItemStatus::SyntaxError};
        for (const ItemStatus s : statuses)
            view.doc.add(makeItem("/a.cu", s));
        QVERIFY(view.show(0, QSize(500, 300)));

        const auto statusRect = [&](int i) {
            const QRect r = list.rowRect(i);
            // Up to the diagnostics column at the right edge (and its dividing line).
            const int end = r.right() - list.header()->sectionSize(2);
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
        // Each status that shows a text shows one of its own, so that the rows can be told apart
        // without their colours.
        QSet<QString> texts;
        for (const ItemStatus s : statuses)
            if (s != ItemStatus::None && !CDpctTreeCtrl::statusText(s).isEmpty())
                texts.insert(CDpctTreeCtrl::statusText(s));
        QCOMPARE(texts.size(), 5);

        // The row background slot fills the rows area.
        colors.set(ListColors::RowBackground, QColor(250, 250, 200));
        list.setColors(colors);
        QCOMPARE(grab(list).pixelColor(list.viewport()->width() - 10, list.viewport()->height() - 3),
                 QColor(250, 250, 200));
    }

    void highlightLooks()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        view.doc.add(makeItem("/a.cu"));
        const int selected = view.doc.add(makeItem("/b.cu"));
        const int converting = view.doc.add(makeItem("/c.cu"));
        QVERIFY(view.show(0, QSize(500, 300)));
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

    void missingRowsAreGreyed()
    {
        QTemporaryDir dir;
        const QString there = dir.filePath(QStringLiteral("there.cu"));
        QFile f(there);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        view.doc.add(std::vector{makeItem(there.toStdString()),
                                 makeItem(dir.filePath(QStringLiteral("gone.cu")).toStdString())});
        QVERIFY(view.show(0, QSize(500, 200)));
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

    void scrollRange()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        QVERIFY(view.show(3));
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
        QVERIFY(last.top() >= 0);
        QVERIFY(list.rowRect(0).bottom() < 0);

        list.recalcScroll(CDpctTreeCtrl::ScrollTo::Top);
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
            QVERIFY2(r.top() >= 0 && r.bottom() < list.viewport()->height(),
                     qPrintable(QStringLiteral("row %1 at %2").arg(target).arg(r.top())));
            if (target == 3)
                QCOMPARE(list.verticalScrollBar()->value(), 0);
        }
    }

    void rowsComeAndGoThroughTheDocument()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        DefinitionDocument& doc = view.doc;
        QVERIFY(view.show(0));
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
        QTRY_COMPARE(list.verticalScrollBar()->maximum(), 0);
        // Without a model it paints an empty list: the background, no row.
        const QRect rowsArea(CDpctTreeCtrl::kStripWidth, 0,
                             list.viewport()->width() - CDpctTreeCtrl::kStripWidth,
                             list.viewport()->height());
        QCOMPARE(countNear(grab(list), rowsArea, list.palette().color(QPalette::Base), 0),
                 rowsArea.width() * rowsArea.height());

        list.setModel(&view.model);
        QCOMPARE(list.count(), 202);
        list.selectRow(5);
        doc.removeAll();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.selectedRow(), -1);
        QTRY_COMPARE(list.verticalScrollBar()->maximum(), 0); // once the view has laid out
    }

    void narrowListKeepsTheStatusColumn()
    {
        // Tiled windows are narrow: the name column gives way first, then the diagnostics
        // column; the status column keeps the width of its longest text as long as it can.
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        view.doc.add(makeItem("/a.cu", ItemStatus::SyntaxError));
        QVERIFY(view.show(0, QSize(800, 200)));
        QHeaderView* header = list.header();
        const int statusMin = list.statusMinWidth();
        QVERIFY(statusMin > 40);
        // The diagnostics column has room for its numbers and for its whole caption.
        const int countWidth = header->sectionSize(2);
        QVERIFY(countWidth >= 90);
        const QString caption = header->model()->headerData(2, Qt::Horizontal).toString();
        QVERIFY2(QFontMetrics(header->font()).horizontalAdvance(caption) <= countWidth - 6,
                 qPrintable(caption));
        for (const int width : {800, 500, 360, 300, 240}) {
            list.resize(width, 200);
            QTRY_COMPARE(list.viewport()->width(), width - 2 * list.frameWidth());
            const int room = list.viewport()->width() - CDpctTreeCtrl::kStripWidth;
            QVERIFY2(header->sectionSize(1) >= std::min(statusMin, room), qPrintable(QString::number(width)));
            if (list.dividerX() > 0)
                QCOMPARE(header->sectionSize(2), countWidth);
            QCOMPARE(header->sectionSize(0) + header->sectionSize(1) + header->sectionSize(2),
                     list.viewport()->width());
        }
        // Even at 240 pixels the status text shows in its colour.
        const QRect r = list.rowRect(0);
        const QColor ink = readableOn(QColor(139, 139, 0), {list.palette().color(QPalette::Base)});
        QVERIFY(countNear(grab(list), QRect(list.dividerX() + 24, r.top(), statusMin, r.height()), ink, 16) >
                0);
        // A divider the user placed is held, and still leaves the status column its room.
        list.resize(800, 200);
        list.setDividerX(5000);
        QCOMPARE(header->sectionSize(1), statusMin);
        QTRY_VERIFY(list.dividerX() > 400);
    }

    void screenReadersReadATable()
    {
        DocumentList view;
        CDpctTreeCtrl& list = view.list;
        view.doc.add(std::vector{makeItem("/src/a.cu", ItemStatus::ConvertedOk), makeItem("/src/b.cu"),
                                 makeItem("/src/c.cu", ItemStatus::ConvertedNg)});
        view.doc.item(2)->elapsedMs = 10;
        view.doc.item(2)->diagnostics.resize(4);
        QVERIFY(view.show(0, QSize(600, 200)));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&list);
        QVERIFY(iface);
        QAccessibleTableInterface* table = iface->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->columnDescription(1), CDpctTreeCtrl::tr("Status"));
        const auto cell = [&](int row, int column) {
            QAccessibleInterface* c = table->cellAt(row, column);
            return c ? c->text(QAccessible::Name) : QStringLiteral("<none>");
        };
        QCOMPARE(cell(0, 0), QStringLiteral("/src/a.cu"));
        QCOMPARE(cell(0, 1), CDpctTreeCtrl::statusText(ItemStatus::ConvertedOk));
        QCOMPARE(cell(1, 1), QString());
        QCOMPARE(cell(2, 1), CDpctTreeCtrl::statusText(ItemStatus::ConvertedNg));
        QCOMPARE(cell(2, 2), QStringLiteral("4"));
        // The table follows the document, and reports the selection.
        view.doc.add(makeItem("/src/d.cu"));
        QTRY_COMPARE(table->rowCount(), 4);
        list.selectRows({1, 3});
        QCOMPARE(table->selectedRowCount(), 2);
        // A paused run reads "Paused" for the row being converted.
        view.doc.item(1)->status = ItemStatus::Converting;
        view.doc.notifyChanged(1, 1);
        list.setPaused(true);
        QCOMPARE(cell(1, 1), CDpctTreeCtrl::tr("Paused"));
    }
};

QTEST_MAIN(TestDpctTreeCtrl)
#include "dpct_tree_ctrl_test.moc"
