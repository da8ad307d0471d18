// The output pane and the result log: batched appends, following the end only while the user
// has not scrolled up, the size cap with its marker, context menu 119 and the colours.

#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "ui/dpct_result_ctrl.h"
#include "ui/log_context_menu.h"
#include "ui/output_pane.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace tovalo::gui;

using tovalo::gui::CDpctResultCtrl;
using tovalo::gui::COutputPane;

class TestOutputPane : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }
    void appendsArriveInOneBatchInOrder();
    void followsTheEndOnlyWhileAtTheBottom();
    void keepsFollowingWhenTheViewShrinks();
    void typedTextDoesNotDisturbAppending();
    void capDropsOldestTextWithMarker();
    void burstLargerThanCapKeepsOnlyTheNewest();
    void contextMenuEnablingRules();
    void colorsFollowTheSlots();
};

void TestOutputPane::appendsArriveInOneBatchInOrder()
{
    COutputPane pane;
    pane.show();
    QSignalSpy changes(pane.log()->document(), &QTextDocument::contentsChange);
    for (int i = 0; i < 500; ++i)
        pane.append(QStringLiteral("line %1\n").arg(i));
    // Nothing is inserted per call: the text waits for the batch timer.
    QVERIFY(pane.log()->document()->isEmpty());
    QTRY_VERIFY(!pane.hasPendingText());
    const QStringList lines = pane.log()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 500);
    QCOMPARE(lines.first(), QStringLiteral("line 0"));
    QCOMPARE(lines.last(), QStringLiteral("line 499"));
    QVERIFY2(changes.size() <= 3, qPrintable(QString::number(changes.size())));
}

void TestOutputPane::followsTheEndOnlyWhileAtTheBottom()
{
    COutputPane pane;
    pane.resize(400, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QString many;
    for (int i = 0; i < 300; ++i)
        many += QStringLiteral("first %1\n").arg(i);
    pane.append(many);
    pane.flushAll();
    QScrollBar* bar = pane.log()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());

    // The user scrolls up to read: new output must not pull the view away.
    bar->setValue(10);
    pane.append(QStringLiteral("more\n").repeated(50));
    pane.flushAll();
    QCOMPARE(bar->value(), 10);

    // Back at the bottom, the view follows again.
    bar->setValue(bar->maximum());
    pane.append(QStringLiteral("again\n").repeated(50));
    pane.flushAll();
    QCOMPARE(bar->value(), bar->maximum());
}

// A long line makes the horizontal scroll bar appear, which shortens the view and moves the
// bottom after the text went in; the view must still follow, batch after batch, and also when
// the front of the text is trimmed.
void TestOutputPane::keepsFollowingWhenTheViewShrinks()
{
    COutputPane pane;
    pane.setCapacity(16 * 1024);
    pane.resize(400, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QScrollBar* bar = pane.log()->verticalScrollBar();
    for (int round = 0; round < 6; ++round) {
        pane.append(QStringLiteral("short %1\n").arg(round).repeated(40));
        pane.flushAll();
        QCoreApplication::processEvents();
        pane.append(QStringLiteral("x").repeated(500 * (round + 1)) + QStringLiteral("\n"));
        pane.append(QStringLiteral("tail line\n").repeated(300));
        pane.flushAll();
        QCoreApplication::processEvents();
        QCOMPARE(bar->value(), bar->maximum());
    }
    QVERIFY(pane.droppedText() > 0);
}

void TestOutputPane::typedTextDoesNotDisturbAppending()
{
    COutputPane pane;
    pane.show();
    pane.append(QStringLiteral("first\n"));
    pane.flushAll();
    QTextCursor cursor = pane.log()->textCursor();
    cursor.movePosition(QTextCursor::Start);
    pane.log()->setTextCursor(cursor);
    QTest::keyClicks(pane.log(), QStringLiteral("typed"));
    pane.append(QStringLiteral("second\n"));
    pane.flushAll();
    QCOMPARE(pane.log()->toPlainText(), QStringLiteral("typedfirst\nsecond\n"));
}

void TestOutputPane::capDropsOldestTextWithMarker()
{
    COutputPane pane;
    pane.setCapacity(64 * 1024);
    pane.show();
    for (int i = 0; i < 4000; ++i) {
        pane.append(QStringLiteral("row %1 ..........................\n").arg(i, 5, 10, QLatin1Char('0')));
        if (i % 500 == 0)
            pane.flushAll();
    }
    pane.flushAll();
    const QString text = pane.log()->toPlainText();
    QVERIFY(text.size() <= pane.capacity());
    QVERIFY(text.startsWith(COutputPane::droppedMarker()));
    QVERIFY(pane.droppedText() > 0);
    // The newest text is complete, and what is left starts at a whole line.
    QVERIFY(text.endsWith(QStringLiteral("row 03999 ..........................\n")));
    const QString afterMarker = text.section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(afterMarker.startsWith(QStringLiteral("row ")), qPrintable(afterMarker));
}

void TestOutputPane::burstLargerThanCapKeepsOnlyTheNewest()
{
    COutputPane pane;
    pane.setCapacity(32 * 1024);
    pane.show();
    pane.append(QStringLiteral("old text\n"));
    pane.flushAll();
    QString burst;
    for (int i = 0; i < 5000; ++i)
        burst += QStringLiteral("burst %1\n").arg(i);
    pane.append(burst);
    pane.flushAll();
    const QString text = pane.log()->toPlainText();
    QVERIFY(!text.contains(QStringLiteral("old text")));
    QVERIFY(text.startsWith(COutputPane::droppedMarker()));
    QVERIFY(text.endsWith(QStringLiteral("burst 4999\n")));
    QVERIFY(text.size() <= pane.capacity() + COutputPane::droppedMarker().size() + 1);
}

void TestOutputPane::contextMenuEnablingRules()
{
    COutputPane pane;
    pane.show();
    auto findAction = [](QMenu* menu, const char* name) {
        return menu->findChild<QAction*>(QString::fromLatin1(name));
    };
    bool cleared = false;
    {
        std::unique_ptr<QMenu> menu(
            tovalo::gui::createLogContextMenu(pane.log(), true, &pane, [&] { cleared = true; }));
        QVERIFY(!findAction(menu.get(), "actionLogCopy")->isEnabled());
        QVERIFY(!findAction(menu.get(), "actionLogClearAll")->isEnabled()); // nothing to clear
    }
    pane.append(QStringLiteral("some output\n"));
    pane.flushAll();
    {
        std::unique_ptr<QMenu> menu(
            tovalo::gui::createLogContextMenu(pane.log(), true, &pane, [&] { pane.clearAll(); }));
        QVERIFY(!findAction(menu.get(), "actionLogCopy")->isEnabled());
        QVERIFY(findAction(menu.get(), "actionLogClearAll")->isEnabled());
        pane.log()->selectAll();
    }
    {
        std::unique_ptr<QMenu> menu(
            tovalo::gui::createLogContextMenu(pane.log(), true, &pane, [&] { pane.clearAll(); }));
        QVERIFY(findAction(menu.get(), "actionLogCopy")->isEnabled());
        findAction(menu.get(), "actionLogClearAll")->trigger();
    }
    QVERIFY(pane.log()->document()->isEmpty());
    // After clearing, the next output starts at the top.
    pane.append(QStringLiteral("fresh\n"));
    pane.flushAll();
    QCOMPARE(pane.log()->toPlainText(), QStringLiteral("fresh\n"));
    QVERIFY(!cleared);

    // The result log lists Clear all but never enables it.
    CDpctResultCtrl result;
    result.setText("dpct output");
    result.log()->selectAll();
    std::unique_ptr<QMenu> menu(tovalo::gui::createLogContextMenu(result.log(), false, &result, [] {}));
    QVERIFY(findAction(menu.get(), "actionLogCopy")->isEnabled());
    QVERIFY(!findAction(menu.get(), "actionLogClearAll")->isEnabled());
}

void TestOutputPane::colorsFollowTheSlots()
{
    tovalo::Settings settings;
    COutputPane pane;
    CDpctResultCtrl result;
    pane.applyColors(settings);
    result.applyColors(settings);
    QCOMPARE(pane.log()->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(pane.log()->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(result.log()->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(result.log()->palette().color(QPalette::Base), QColor(Qt::white));

    settings.colors[6] = 0x000000FF; // COLORREF: red
    settings.colors[7] = 0x00FF0000; // blue
    settings.colors[8] = 0x0000FF00; // green
    settings.colors[9] = 0x00112233;
    pane.applyColors(settings);
    result.applyColors(settings);
    QCOMPARE(result.log()->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(result.log()->palette().color(QPalette::Base), QColor(0, 0, 255));
    QCOMPARE(pane.log()->palette().color(QPalette::Text), QColor(0, 255, 0));
    QCOMPARE(pane.log()->palette().color(QPalette::Base), QColor(0x33, 0x22, 0x11));
}

QTEST_MAIN(TestOutputPane)
#include "tst_output_pane.moc"
