// The colour picker and its palette popup driven through real input events on the offscreen
// platform; the colour chooser is answered through the dialog seam.

#include "controls/color_picker.h"
#include "controls/color_popup.h"
#include "dialog_test_support.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace tovalo::gui;

namespace {

QImage grab(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestColorPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }

    void init()
    {
        picker_ = std::make_unique<CColorPicker>();
        picker_->resize(120, 28);
        picker_->move(100, 100);
        picker_->show();
        QVERIFY(QTest::qWaitForWindowExposed(picker_.get()));
        spy_ = std::make_unique<QSignalSpy>(picker_.get(), &CColorPicker::colorChosen);
    }

    void cleanup()
    {
        spy_.reset();
        picker_.reset();
        const int unused = DialogSeam::pendingAnswers();
        DialogSeam::clearAnswers();
        QCOMPARE(unused, 0);
    }

    void keyboardNavigationCoversTheGridAndBothButtons()
    {
        using P = CColorPopup;
        const int last = P::kCount - 1;
        struct Case
        {
            int from;
            int key;
            int to;
        };
        const Case cases[] = {
            // From the automatic button
            {P::kAutomatic, Qt::Key_Down, 0},
            {P::kAutomatic, Qt::Key_Up, P::kMore},
            {P::kAutomatic, Qt::Key_Right, 0},
            {P::kAutomatic, Qt::Key_Left, P::kMore},
            // From the more button
            {P::kMore, Qt::Key_Down, P::kAutomatic},
            {P::kMore, Qt::Key_Up, last},
            {P::kMore, Qt::Key_Right, P::kAutomatic},
            {P::kMore, Qt::Key_Left, last},
            // Across the grid
            {3, Qt::Key_Down, 11},
            {11, Qt::Key_Up, 3},
            {3, Qt::Key_Up, P::kAutomatic},
            {35, Qt::Key_Down, P::kMore},
            {7, Qt::Key_Right, 8},
            {8, Qt::Key_Left, 7},
            {0, Qt::Key_Left, P::kAutomatic},
            {last, Qt::Key_Right, P::kMore},
            // From nothing hot (just opened)
            {P::kNone, Qt::Key_Down, P::kAutomatic},
            {P::kNone, Qt::Key_Up, P::kAutomatic},
            {P::kNone, Qt::Key_Right, 0},
            {P::kNone, Qt::Key_Left, P::kMore},
            {5, Qt::Key_A, 5},
        };
        for (const Case& c : cases)
            QVERIFY2(P::navigate(c.from, c.key) == c.to,
                     qPrintable(QStringLiteral("from %1 key %2").arg(c.from).arg(c.key, 0, 16)));
    }

    void openingMarksTheColourItCameWith()
    {
        picker_->setColor(QColor());
        picker_->showPopup();
        QCOMPARE(picker_->popup()->selectedItem(), CColorPopup::kAutomatic);
        picker_->popup()->cancel();
        QTRY_VERIFY(!picker_->popup());

        picker_->setColor(QColor(0, 0, 255));
        picker_->showPopup();
        QCOMPARE(picker_->popup()->selectedItem(), 13);
        QVERIFY(!picker_->popup()->customColor().isValid());
        QTest::keyClick(picker_->popup(), Qt::Key_Escape);
        QTRY_VERIFY(!picker_->popup());

        // A colour the palette does not hold marks the more button and shows its swatch there.
        const QColor odd(12, 34, 56);
        picker_->setColor(odd);
        picker_->showPopup();
        CColorPopup* popup = picker_->popup();
        QCOMPARE(popup->selectedItem(), CColorPopup::kMore);
        QCOMPARE(popup->customColor(), odd);
        const QRect more = popup->itemRect(CColorPopup::kMore);
        const QImage img = grab(*popup);
        QCOMPARE(img.pixelColor(more.left() + 8, more.center().y()), odd);
        popup->cancel();
        QCOMPARE(spy_->count(), 0);
    }

    void keysCommitAndEscapeCancels()
    {
        picker_->setColor(QColor(255, 0, 0));
        picker_->setFocus();
        QTest::keyClick(picker_.get(), Qt::Key_Space); // the button opens the palette
        QTRY_VERIFY(picker_->popup());
        CColorPopup* popup = picker_->popup();
        QCOMPARE(popup->hotItem(), CColorPopup::kNone);
        QTest::keyClick(popup, Qt::Key_Down); // automatic
        QCOMPARE(popup->hotItem(), CColorPopup::kAutomatic);
        QVERIFY(!popup->currentColor().isValid());
        QTest::keyClick(popup, Qt::Key_Down);  // cell 0
        QTest::keyClick(popup, Qt::Key_Right); // cell 1
        QTest::keyClick(popup, Qt::Key_Down);  // cell 9
        QCOMPARE(popup->hotItem(), 9);
        QCOMPARE(popup->currentColor(), CColorPopup::paletteColor(9));
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(spy_->count(), 1);
        QCOMPARE(spy_->at(0).at(0).value<QColor>(), QColor(255, 104, 32));
        QCOMPARE(picker_->color(), QColor(255, 104, 32));

        // Escape: nothing reported, the colour stays.
        QTest::keyClick(picker_.get(), Qt::Key_F4);
        QTRY_VERIFY(picker_->popup());
        QTest::keyClick(picker_->popup(), Qt::Key_Up);
        QTest::keyClick(picker_->popup(), Qt::Key_Escape);
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(spy_->count(), 1);
        QCOMPARE(picker_->color(), QColor(255, 104, 32));

        // Space on the automatic button reports automatic.
        picker_->showPopup();
        QTest::keyClick(picker_->popup(), Qt::Key_Down);
        QTest::keyClick(picker_->popup(), Qt::Key_Space);
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(spy_->count(), 2);
        QVERIFY(!spy_->at(1).at(0).value<QColor>().isValid());
        QVERIFY(!picker_->color().isValid());
    }

    void mouseHotTrackingClicksAndOutside()
    {
        picker_->setColor(QColor(0, 0, 0));
        QTest::mouseClick(picker_.get(), Qt::LeftButton);
        QTRY_VERIFY(picker_->popup());
        CColorPopup* popup = picker_->popup();
        QVERIFY(popup->geometry().top() >= picker_->mapToGlobal(QPoint(0, picker_->height())).y());

        const QPoint cell20 = popup->itemRect(20).center();
        QTest::mouseMove(popup, cell20);
        QTRY_COMPARE(popup->hotItem(), 20);
        // The cell under the mouse is highlighted; the others are not.
        const QImage img = grab(*popup);
        const QColor highlight = popup->palette().color(QPalette::Highlight);
        const QRect hot = popup->itemRect(20);
        const QRect other = popup->itemRect(21);
        QCOMPARE(img.pixelColor(hot.left() + 1, hot.center().y()), highlight);
        QCOMPARE(img.pixelColor(other.left() + 1, other.center().y()), popup->faceColor());
        QCOMPARE(img.pixelColor(hot.center()), CColorPopup::paletteColor(20));

        // The margin between the items chooses nothing and leaves the popup open.
        const QPoint margin(1, popup->itemRect(CColorPopup::kAutomatic).bottom() + 2);
        QCOMPARE(popup->itemAt(margin), CColorPopup::kNone);
        QTest::mouseMove(popup, margin);
        QTest::mouseClick(popup, Qt::LeftButton, {}, margin);
        QVERIFY(picker_->popup());
        QCOMPARE(spy_->count(), 0);

        QTest::mouseClick(popup, Qt::LeftButton, {}, cell20);
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(spy_->count(), 1);
        QCOMPARE(picker_->color(), QColor(127, 255, 212));

        // A click outside the popup cancels.
        picker_->showPopup();
        popup = picker_->popup();
        QTest::mouseMove(popup, popup->itemRect(3).center());
        QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(-30, -30));
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(spy_->count(), 1);
        QCOMPARE(picker_->color(), QColor(127, 255, 212));

        // Turning to another application cancels as well.
        picker_->showPopup();
        QTest::keyClick(picker_->popup(), Qt::Key_Right);
        QMetaObject::invokeMethod(qApp, "applicationStateChanged",
                                  Q_ARG(Qt::ApplicationState, Qt::ApplicationInactive));
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(spy_->count(), 1);
    }

    void moreColoursOpensTheColourChooser()
    {
        picker_->setColor(QColor(0, 0, 0));
        picker_->showPopup();
        QTest::keyClick(picker_->popup(), Qt::Key_Left); // more
        QCOMPARE(picker_->popup()->hotItem(), CColorPopup::kMore);
        DialogSeam::answerColor(QColor(1, 2, 3));
        QTest::keyClick(picker_->popup(), Qt::Key_Return);
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(DialogSeam::last().kind, DialogSeam::Record::Kind::Color);
        QCOMPARE(DialogSeam::last().color, QColor(0, 0, 0));
        QCOMPARE(spy_->count(), 1);
        QCOMPARE(picker_->color(), QColor(1, 2, 3));

        // Reopened, the custom colour is on the more button and the chooser starts from it; a
        // cancelled chooser closes the popup without a report.
        picker_->showPopup();
        QCOMPARE(picker_->popup()->customColor(), QColor(1, 2, 3));
        DialogSeam::answerColor(std::nullopt);
        QTest::mouseClick(picker_->popup(), Qt::LeftButton, {},
                          picker_->popup()->itemRect(CColorPopup::kMore).center());
        QTRY_VERIFY(!picker_->popup());
        QCOMPARE(DialogSeam::last().color, QColor(1, 2, 3));
        QCOMPARE(spy_->count(), 1);
        QCOMPARE(picker_->color(), QColor(1, 2, 3));
    }

    void toolTipsNameTheColours()
    {
        picker_->showPopup();
        CColorPopup* popup = picker_->popup();
        const QPoint pos = popup->itemRect(5).center();
        QHelpEvent help(QEvent::ToolTip, pos, popup->mapToGlobal(pos));
        QApplication::sendEvent(popup, &help);
        QTRY_COMPARE(QToolTip::text(), CColorPopup::paletteName(5));
        QCOMPARE(CColorPopup::paletteName(5), QStringLiteral("Dark Blue"));
        popup->cancel();
        QToolTip::hideText();
    }

    void opensAboveNearTheBottomOfTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect anchor(screen.right() - 30, screen.bottom() - 20, 120, 20);
        auto* popup = new CColorPopup(picker_.get(), anchor, QColor());
        QCOMPARE(popup->geometry().bottom() + 1, anchor.top());
        QVERIFY(popup->geometry().right() <= screen.right());
        popup->cancel();
    }

    void faceColourAndPickerPainting()
    {
        // The face colour lightens the button face: L + (19125 - 75 L) / 100.
        QCOMPARE(CColorPopup::lightenedFace(QColor(240, 240, 240)).lightness(), 251);
        QCOMPARE(CColorPopup::lightenedFace(QColor(0, 0, 0)).lightness(), 191);

        picker_->setColor(QColor(0, 128, 0));
        QImage img = grab(*picker_);
        const QRect swatch = picker_->swatchRect();
        QCOMPARE(img.pixelColor(swatch.center()), QColor(0, 128, 0));
        QCOMPARE(img.pixelColor(swatch.topLeft()), QColor(0, 0, 0)); // the outline
        // Automatic shows the owner's automatic colour.
        picker_->setColor(QColor());
        picker_->setAutomaticColor(QColor(200, 10, 10));
        QCOMPARE(grab(*picker_).pixelColor(swatch.center()), QColor(200, 10, 10));
        // Disabled: the shadow colour, and no palette opens.
        picker_->setEnabled(false);
        img = grab(*picker_);
        QCOMPARE(img.pixelColor(swatch.center()),
                 picker_->palette().color(QPalette::Disabled, QPalette::Dark));
        QTest::mouseClick(picker_.get(), Qt::LeftButton);
        QVERIFY(!picker_->popup());
    }

private:
    std::unique_ptr<CColorPicker> picker_;
    std::unique_ptr<QSignalSpy> spy_;
};

QTEST_MAIN(TestColorPicker)
#include "color_picker_test.moc"
