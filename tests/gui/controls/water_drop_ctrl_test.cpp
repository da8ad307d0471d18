// The about box's picture control and its link line, offscreen: caption drawing, the frame
// timer stopping at rest and restarting on a drop, the turned mouse row, the still picture
// after closing; the link's colours and font.

#include "controls/copyright_link.h"
#include "controls/water_drop_ctrl.h"

#include <cstdlib>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using tovalo::gui::CCopyrightLink;
using tovalo::gui::CWaterDropCtrl;
using tovalo::gui::CWaterRoutine;

namespace {

QImage gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
    return image;
}

int countColour(const QImage& image, QRect area, QColor colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

// A move over the control with the given buttons held, delivered straight to it.
void moveOver(QWidget* w, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

bool flat(const CWaterRoutine& water)
{
    return std::all_of(water.mapA().begin(), water.mapA().end(), [](int v) { return v == 0; }) &&
           std::all_of(water.mapB().begin(), water.mapB().end(), [](int v) { return v == 0; });
}

} // namespace

class TestWaterDropCtrl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionIsDrawnWithItsShadowOnTheStillPicture()
    {
        QWidget window;
        auto* ctrl = new CWaterDropCtrl(&window);
        const QImage plain = gradient(384, 160);
        const QColor caption(148, 0, 211), shadow(192, 192, 192);
        ctrl->setPicture(plain, QStringLiteral("First line\nSecond\n<< Tovalo >>"), caption, shadow);
        QCOMPARE(ctrl->sizeHint(), QSize(384, 160));
        const QImage still = ctrl->stillImage();
        // The three lines sit in the lower part; the top is the plain picture.
        QVERIFY(countColour(still, QRect(0, 60, 384, 94), caption) > 50);
        QVERIFY(countColour(still, QRect(0, 60, 384, 100), shadow) > 10);
        QCOMPARE(still.copy(0, 0, 384, 40), plain.copy(0, 0, 384, 40));
        // Nothing is drawn in the last 6 rows but the shadow's overhang of one pixel.
        QCOMPARE(countColour(still, QRect(0, 155, 384, 5), caption), 0);
        // The first frame ran at once: inner pixels show the captioned picture, the border
        // keeps the plain one.
        QCOMPARE(ctrl->frameCount(), 1);
        const QImage shown = ctrl->displayImage();
        QCOMPARE(shown.copy(1, 1, 382, 158), still.copy(1, 1, 382, 158));
        QCOMPARE(shown.copy(0, 159, 384, 1), plain.copy(0, 159, 384, 1));
    }

    void aLongCaptionIsMadeSmallerToFitThePicture()
    {
        QWidget window;
        auto* ctrl = new CWaterDropCtrl(&window);
        const QColor caption(255, 0, 0);
        ctrl->setPicture(QImage(200, 80, QImage::Format_RGB32),
                         QStringLiteral("A caption far wider than the picture is"), caption, caption);
        const QImage still = ctrl->stillImage();
        // Nothing of the caption touches the outer columns.
        QCOMPARE(countColour(still, QRect(0, 0, 2, 80), caption), 0);
        QCOMPARE(countColour(still, QRect(198, 0, 2, 80), caption), 0);
        QVERIFY(countColour(still, QRect(0, 0, 200, 80), caption) > 20);
    }

    void frameTimerStopsAtRestAndADropRestartsIt()
    {
        CWaterDropCtrl ctrl;
        ctrl.setPicture(gradient(80, 48), QStringLiteral("Caption"), Qt::white, Qt::gray);
        QVERIFY(ctrl.isFrameTimerActive());
        // Flat water: the first frame wrote the caption; after two quiet frames the water is at
        // rest and the timer stops.
        ctrl.advanceFrame();
        QVERIFY(ctrl.isFrameTimerActive());
        ctrl.advanceFrame();
        QVERIFY(!ctrl.isFrameTimerActive());

        // A press at the bottom client row disturbs picture row 1 and wakes the timer.
        QTest::mousePress(&ctrl, Qt::LeftButton, {}, QPoint(40, 47));
        QVERIFY(ctrl.isFrameTimerActive());
        const std::size_t w = 80;
        // Three frames ran (page 1): the drop went into map B, the one the next step writes.
        QCOMPARE(ctrl.routine().page(), 1);
        QCOMPARE(ctrl.routine().mapB()[w + 40], CWaterRoutine::kPressStrength);
        QCOMPARE(ctrl.routine().mapB()[0 * w + 40], 0);
        QTest::mouseRelease(&ctrl, Qt::LeftButton, {}, QPoint(40, 47));

        // The timer runs a frame every 40 ms; a few run by themselves, the rest are run here
        // (the water takes some hundred frames to come to rest).
        const int before = ctrl.frameCount();
        QTRY_VERIFY(ctrl.frameCount() >= before + 3);
        for (int n = 0; ctrl.isFrameTimerActive() && n < 5000; ++n)
            ctrl.advanceFrame();
        QVERIFY(!ctrl.isFrameTimerActive());
        QVERIFY(flat(ctrl.routine()));
        const QImage restFrame = ctrl.displayImage();
        QCOMPARE(restFrame.copy(1, 1, 78, 46), ctrl.stillImage().copy(1, 1, 78, 46));

        // A move without a button drops a small disturbance (radius 5), with the button held a
        // wide one (radius 50).
        moveOver(&ctrl, QPoint(20, 20));
        QVERIFY(ctrl.isFrameTimerActive());
        const auto touched = [&] {
            const auto& map = ctrl.routine().page() == 0 ? ctrl.routine().mapA() : ctrl.routine().mapB();
            return std::count_if(map.begin(), map.end(), [](int v) { return v != 0; });
        };
        QCOMPARE(touched(), 69); // the cells of a radius-5 disc (u, v in [-5, 5), u^2 + v^2 < 25)
        moveOver(&ctrl, QPoint(40, 24), Qt::LeftButton);
        QCOMPARE(touched(), 78 * 46); // the whole inner area
    }

    void showStillEndsTheRipplingForGood()
    {
        QWidget window;
        auto* ctrl = new CWaterDropCtrl(&window);
        ctrl->setPicture(gradient(120, 64), QStringLiteral("Caption"), Qt::yellow, Qt::black);
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(ctrl, Qt::LeftButton, {}, QPoint(60, 30));
        for (int i = 0; i < 4; ++i)
            ctrl->advanceFrame();
        QVERIFY(ctrl->displayImage() != ctrl->stillImage());

        ctrl->showStill();
        QVERIFY(!ctrl->isRunning());
        QVERIFY(!ctrl->isFrameTimerActive());
        QVERIFY(flat(ctrl->routine()));
        QCOMPARE(ctrl->displayImage(), ctrl->stillImage());

        // After closing, the mouse drops nothing and frames change nothing.
        moveOver(ctrl, QPoint(10, 10));
        QTest::mousePress(ctrl, Qt::LeftButton, {}, QPoint(60, 30));
        moveOver(ctrl, QPoint(70, 40), Qt::LeftButton);
        ctrl->advanceFrame();
        QVERIFY(flat(ctrl->routine()));
        QVERIFY(!ctrl->isFrameTimerActive());
        QCOMPARE(ctrl->displayImage(), ctrl->stillImage());
    }

    void withoutPictureNothingRipples()
    {
        CWaterDropCtrl ctrl;
        ctrl.setPicture(QImage(), QStringLiteral("Caption"), Qt::white, Qt::gray);
        QVERIFY(!ctrl.hasPicture());
        QVERIFY(!ctrl.isFrameTimerActive());
        QTest::mousePress(&ctrl, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!ctrl.isFrameTimerActive());
        ctrl.showStill();
        QVERIFY(ctrl.stillImage().isNull());
    }

    void linkColoursAndFont()
    {
        QWidget window;
        auto* link = new CCopyrightLink(QStringLiteral("Copyright notice"), &window);
        auto* other = new QWidget(&window);
        other->setFocusPolicy(Qt::StrongFocus);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        // Each state keeps its hue (lightness changes as the window colour needs, see the main
        // window's readability test): cornflower blue, blue when pressed or focused, dark
        // magenta once followed.
        const auto hue = [link](int wanted) {
            return std::abs(link->textColor().hslHue() - wanted) <= 2;
        };
        QVERIFY(hue(QColor(100, 149, 237).hslHue()));
        QVERIFY(link->font().underline());
        QCOMPARE(static_cast<int>(link->font().weight()),
                 static_cast<int>(QApplication::font().weight()) + 1);

        link->setDown(true);
        QVERIFY(hue(240));
        link->setDown(false);
        link->setFocus();
        QTRY_VERIFY(link->hasFocus());
        QVERIFY(hue(240));
        // Followed wins over focused.
        link->setVisited(true);
        QVERIFY(hue(300));

        // Its text is drawn in that colour, one line, 2 pixels from the left edge.
        other->setFocus();
        link->setVisited(false);
        link->resize(link->sizeHint());
        const QColor ink = link->textColor();
        const QImage drawn = link->grab().toImage();
        int leftmost = drawn.width();
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixelColor(x, y).rgb() == ink.rgb())
                    leftmost = std::min(leftmost, x);
        QVERIFY2(leftmost >= 2 && leftmost <= 4, qPrintable(QString::number(leftmost)));
    }
};

QTEST_MAIN(TestWaterDropCtrl)
#include "water_drop_ctrl_test.moc"
