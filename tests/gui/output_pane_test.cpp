// The output pane and the result log: batched appends, following the end only while the user
// has not scrolled up, the size cap with its marker, context menu 119 and the colours.

#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "ui/dpct_result_ctrl.h"
#include "ui/log_context_menu.h"
#include "ui/output_pane.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
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
    void fixedWidthFontsAndSelectAll();
    void findBarFindsForwardBackwardAndWraps();
    void saveAsWritesTheWholeLog();
    void resultLongOutputArrivesInPiecesAtTheTop();
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

void TestOutputPane::fixedWidthFontsAndSelectAll()
{
    COutputPane pane;
    CDpctResultCtrl result;
    // Both logs use a fixed-width font, so the compiler's "^" stands under its character.
    QVERIFY(QFontInfo(pane.log()->font()).fixedPitch());
    QVERIFY(QFontInfo(result.log()->font()).fixedPitch());
    const QFontMetrics metrics(pane.log()->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
             metrics.horizontalAdvance(QStringLiteral("WWWW")));

    pane.append(QStringLiteral("alpha\nbeta\n"));
    pane.flushAll();
    QMenu* menu = createLogContextMenu(pane.log(), true, &pane, [] {});
    QAction* all = menu->findChild<QAction*>(QStringLiteral("actionLogSelectAll"));
    QVERIFY(all && all->isEnabled());
    all->trigger();
    QCOMPARE(pane.log()->textCursor().selectedText(), QStringLiteral("alpha\u2029beta\u2029"));
    delete menu;
    // Nothing to select in an empty log.
    result.setText("");
    menu = createLogContextMenu(result.log(), false, &result, [] {});
    QVERIFY(!menu->findChild<QAction*>(QStringLiteral("actionLogSelectAll"))->isEnabled());
    delete menu;
}

void TestOutputPane::findBarFindsForwardBackwardAndWraps()
{
    COutputPane pane;
    pane.resize(500, 300);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.append(QStringLiteral("one error here\nnothing\nsecond Error there\nlast error\n"));
    QVERIFY(!pane.findBar()->isVisible());

    // Ctrl+F in the pane opens the bar with the focus in its field; no modal loop.
    pane.log()->setFocus();
    QTest::keyClick(pane.log(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(pane.findBar()->isVisible());
    QTRY_VERIFY(pane.findEdit()->hasFocus());
    QTest::keyClicks(pane.findEdit(), QStringLiteral("error"));
    // Typing finds the first match (case ignored) at once.
    const auto selectionStart = [&] {
        return pane.log()->textCursor().selectionStart();
    };
    const QString text = pane.log()->toPlainText();
    const int first = static_cast<int>(text.indexOf(QStringLiteral("error")));
    const int second = static_cast<int>(text.indexOf(QStringLiteral("Error")));
    const int third = static_cast<int>(text.lastIndexOf(QStringLiteral("error")));
    QCOMPARE(selectionStart(), first);
    QCOMPARE(pane.log()->textCursor().selectedText().toLower(), QStringLiteral("error"));

    // F3 goes on, Shift+F3 goes back, and the search wraps at either end.
    QTest::keyClick(pane.findEdit(), Qt::Key_F3);
    QCOMPARE(selectionStart(), second);
    QTest::keyClick(pane.findEdit(), Qt::Key_F3);
    QCOMPARE(selectionStart(), third);
    QTest::keyClick(pane.findEdit(), Qt::Key_F3);
    QCOMPARE(selectionStart(), first);
    QTest::keyClick(pane.findEdit(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(selectionStart(), third);
    QTest::keyClick(pane.findEdit(), Qt::Key_Return);
    QCOMPARE(selectionStart(), first);

    // A text that does not occur leaves the selection and says so.
    pane.findEdit()->setText(QStringLiteral("warning"));
    QVERIFY(!pane.findNext());
    QCOMPARE(selectionStart(), first);
    QVERIFY(!pane.findChild<QLabel*>(QStringLiteral("outputFindStatus"))->text().isEmpty());

    // Escape closes the bar and gives the focus back to the log.
    QTest::keyClick(pane.findEdit(), Qt::Key_Escape);
    QVERIFY(!pane.findBar()->isVisible());

    // The context menu offers Find and Save As as well.
    Q_EMIT pane.log()->customContextMenuRequested(QPoint(5, 5));
    auto* menu = pane.findChild<QMenu*>(QStringLiteral("logContextMenu"));
    QVERIFY(menu);
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("actionLogFind")));
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("actionLogSaveAs"))->isEnabled());
    menu->close();
}

void TestOutputPane::saveAsWritesTheWholeLog()
{
    QTemporaryDir dir;
    COutputPane pane;
    const QString text = QStringLiteral("変換 line 1\n  ^~~~ marker\n");
    pane.append(text);
    pane.append(QStringLiteral("still queued\n"));

    // The chooser is answered through the seam; what was queued is written too, as UTF-8.
    const QString path = dir.filePath(QStringLiteral("out.log"));
    DialogSeam::answerFile(path);
    QVERIFY(pane.saveAs());
    QCOMPARE(DialogSeam::last().kind, DialogSeam::Record::Kind::SaveFile);
    QVERIFY(!DialogSeam::last().dir.startsWith(QCoreApplication::applicationDirPath()));
    QCOMPARE(QString::fromUtf8(testing_gui::readAll(path)), text + QStringLiteral("still queued\n"));

    // Cancelled: nothing written. A folder that cannot be written: an error, the old file kept.
    DialogSeam::answerFile(QString());
    QVERIFY(!pane.saveAs());
    DialogSeam::answerFile(dir.filePath(QStringLiteral("missing/folder/out.log")));
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!pane.saveAs());
    QCOMPARE(DialogSeam::last().kind, DialogSeam::Record::Kind::Message);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
}

void TestOutputPane::resultLongOutputArrivesInPiecesAtTheTop()
{
    // 20,000 lines (about 500 KB): the first piece is shown at once, the rest piece by piece,
    // the caret stays at the start, and a new text cancels the pieces of the old one.
    std::string big;
    for (int i = 0; i < 20000; ++i)
        big += "line " + std::to_string(i) + " of the output of one dpct run\n";
    CDpctResultCtrl result;
    result.show();
    result.setText(big);
    QVERIFY(result.pendingChars() > 0);
    QVERIFY(result.log()->document()->characterCount() <= CDpctResultCtrl::kPieceChars + 1);
    QVERIFY(result.log()->toPlainText().endsWith(QLatin1Char('\n'))); // a piece ends with a line
    QTRY_COMPARE(result.pendingChars(), 0);
    QCOMPARE(result.log()->toPlainText(), QString::fromStdString(big));
    QCOMPARE(result.log()->textCursor().position(), 0);

    result.setText(big);
    result.setText("short");
    QTRY_COMPARE(result.pendingChars(), 0);
    QCOMPARE(result.text(), QStringLiteral("short"));

    result.setText(big);
    QCOMPARE(result.text(), QString::fromStdString(big)); // the whole text on request
}

QTEST_MAIN(TestOutputPane)
#include "output_pane_test.moc"
