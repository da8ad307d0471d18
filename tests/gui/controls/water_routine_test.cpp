// The water routine on its own, without any window: flat water, clipping at the edges, the
// turned mouse row, coming to rest, and golden frames from an independent reference
// (water_golden.py).

#include "controls/water_routine.h"

#include <cstdint>
#include <vector>

#include <QFile>
#include <QTest>

using tovalo::gui::CWaterRoutine;

namespace {

using Pixels = std::vector<std::uint32_t>;

Pixels pattern(int w, int h, std::uint32_t seed)
{
    Pixels p(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<std::uint32_t>((i + seed) * 2654435761u) & 0x00FFFFFFu;
    return p;
}

bool onBorder(int w, int h, int i)
{
    const int x = i % w;
    const int y = i / w;
    return x == 0 || y == 0 || x == w - 1 || y == h - 1;
}

std::vector<qint64> numbers(const QList<QByteArray>& fields, int base)
{
    std::vector<qint64> out;
    out.reserve(static_cast<std::size_t>(fields.size()));
    for (qsizetype k = 1; k < fields.size(); ++k)
        out.push_back(fields[k].toLongLong(nullptr, base));
    return out;
}

} // namespace

class TestWaterRoutine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void flatWaterCopiesTheSourceIntoTheInnerPixels()
    {
        const int w = 40, h = 24;
        CWaterRoutine water;
        water.reset(w, h);
        const Pixels source = pattern(w, h, 1);
        const Pixels plain = pattern(w, h, 99);
        Pixels display = plain;
        QVERIFY(water.step(source.data(), display.data()));
        for (int i = 0; i < w * h; ++i)
            QCOMPARE(display[static_cast<std::size_t>(i)], onBorder(w, h, i)
                                                               ? plain[static_cast<std::size_t>(i)]
                                                               : source[static_cast<std::size_t>(i)]);
        QCOMPARE(water.page(), 1);
        // Still water: nothing changes any more, and two quiet steps mean rest.
        QVERIFY(!water.atRest());
        QVERIFY(!water.step(source.data(), display.data()));
        QVERIFY(!water.atRest());
        QVERIFY(!water.step(source.data(), display.data()));
        QVERIFY(water.atRest());

        // The fourth byte of a written pixel is the one asked for; the border keeps its own.
        water.setFourthByte(0xFF);
        water.step(source.data(), display.data());
        QCOMPARE(display[static_cast<std::size_t>(w + 1)],
                 source[static_cast<std::size_t>(w + 1)] | 0xFF000000u);
        QCOMPARE(display[0], plain[0]);
    }

    void dropsNearTheEdgesNeverTouchTheBorder()
    {
        const int w = 120, h = 80;
        CWaterRoutine water;
        water.reset(w, h);
        const Pixels source = pattern(w, h, 7);
        const Pixels plain = pattern(w, h, 3);
        Pixels display = plain;
        // Points on, beside and beyond every edge and corner, within 50 pixels of it.
        const int points[][2] = {{0, 0},       {w - 1, h - 1}, {1, 1},      {w - 2, h - 2}, {-10, 40},
                                 {w + 10, 40}, {60, -20},      {60, h + 5}, {0, h},         {w, 0},
                                 {30, 0},      {30, h - 1},    {0, 30},     {w - 1, 30},    {49, 49}};
        int k = 0;
        for (const auto& p : points) {
            const bool press = (k++ % 2) == 0;
            water.drop(p[0], p[1], press ? CWaterRoutine::kPressRadius : CWaterRoutine::kMoveRadius,
                       press ? CWaterRoutine::kPressStrength : CWaterRoutine::kMoveStrength);
            for (int s = 0; s < 3; ++s)
                water.step(source.data(), display.data());
            for (int i = 0; i < w * h; ++i) {
                if (!onBorder(w, h, i))
                    continue;
                const auto at = static_cast<std::size_t>(i);
                QVERIFY2(water.mapA()[at] == 0 && water.mapB()[at] == 0,
                         qPrintable(QStringLiteral("map border cell %1 written after drop at %2,%3")
                                        .arg(i)
                                        .arg(p[0])
                                        .arg(p[1])));
                QVERIFY2(display[at] == plain[at],
                         qPrintable(QStringLiteral("display border pixel %1").arg(i)));
            }
        }
        // The drops did reach the inner cells next to the edges.
        bool innerMoved = false;
        for (int x = 1; x < w - 1; ++x)
            innerMoved = innerMoved || water.mapA()[static_cast<std::size_t>(w + x)] != 0;
        QVERIFY(innerMoved);
    }

    void pressAtTheBottomClientRowDisturbsPictureRowOne()
    {
        const int w = 64, h = 32;
        CWaterRoutine water;
        water.reset(w, h);
        QCOMPARE(water.pictureRow(h - 1), 1);
        QCOMPARE(water.pictureRow(0), h);
        water.drop(20, water.pictureRow(h - 1), CWaterRoutine::kMoveRadius, CWaterRoutine::kMoveStrength);
        // Page 0: the drop went into map A, rows 1 to 5 of the picture (bottom-up) and no other.
        QCOMPARE(water.mapA()[static_cast<std::size_t>(w + 20)], CWaterRoutine::kMoveStrength);
        QCOMPARE(water.mapA()[static_cast<std::size_t>(5 * w + 20)], CWaterRoutine::kMoveStrength);
        QCOMPARE(water.mapA()[static_cast<std::size_t>(6 * w + 20)], 0);
        QCOMPARE(water.mapA()[static_cast<std::size_t>((h - 2) * w + 20)], 0);
        const Pixels source = pattern(w, h, 5);
        Pixels display = source;
        water.step(source.data(), display.data());
        bool row1Changed = false;
        for (int x = 1; x < w - 1; ++x)
            row1Changed = row1Changed ||
                          display[static_cast<std::size_t>(w + x)] != source[static_cast<std::size_t>(w + x)];
        QVERIFY(row1Changed);
        for (int x = 0; x < w; ++x)
            QCOMPARE(display[static_cast<std::size_t>((h - 2) * w + x)],
                     source[static_cast<std::size_t>((h - 2) * w + x)]);
    }

    void oneDropComesToRestAndANewDropWakesIt()
    {
        const int w = 384, h = 160;
        CWaterRoutine water;
        water.reset(w, h);
        const Pixels source = pattern(w, h, 11);
        Pixels display = source;
        water.drop(w / 2, h / 2, CWaterRoutine::kPressRadius, CWaterRoutine::kPressStrength);
        int steps = 0;
        while (!water.atRest() && steps < 2000) {
            water.step(source.data(), display.data());
            ++steps;
        }
        QVERIFY2(water.atRest(), "the water did not come to rest after one drop");
        // At rest the surface is flat and the picture is the source again.
        for (std::size_t i = 0; i < source.size(); ++i) {
            QCOMPARE(water.mapA()[i], 0);
            QCOMPARE(water.mapB()[i], 0);
        }
        QVERIFY(display == source);
        // A later step changes nothing; a drop ends the rest, and clear() flattens.
        QVERIFY(!water.step(source.data(), display.data()));
        water.drop(10, 10, CWaterRoutine::kMoveRadius, CWaterRoutine::kMoveStrength);
        QVERIFY(!water.atRest());
        water.clear();
        QVERIFY(!water.atRest());
        QVERIFY(!water.step(source.data(), display.data()));
        QVERIFY(!water.step(source.data(), display.data()));
        QVERIFY(water.atRest());
    }

    void goldenFrames()
    {
        QFile file(QStringLiteral(TOVALO_WATER_GOLDEN));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        CWaterRoutine water;
        Pixels source, display;
        int w = 0, steps = 0;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> f = line.split(' ');
            const QByteArray& op = f[0];
            if (op == "size") {
                w = f[1].toInt();
                water.reset(w, f[2].toInt());
            } else if (op == "source" || op == "display") {
                Pixels& p = op == "source" ? source : display;
                for (const qint64 v : numbers(f, 16))
                    p.push_back(static_cast<std::uint32_t>(v));
            } else if (op == "drop") {
                water.drop(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
            } else if (op == "step") {
                QCOMPARE(source.size(), static_cast<std::size_t>(water.width()) * water.height());
                QCOMPARE(display.size(), source.size());
                water.step(source.data(), display.data());
                ++steps;
            } else if (op == "expect-page") {
                QCOMPARE(water.page(), f[1].toInt());
            } else {
                const bool isDisplay = op == "expect-display";
                QVERIFY2(isDisplay || op == "expect-a" || op == "expect-b", line.constData());
                const std::vector<qint64> want = numbers(f, isDisplay ? 16 : 10);
                QCOMPARE(want.size(), source.size());
                for (std::size_t i = 0; i < want.size(); ++i) {
                    const qint64 got = isDisplay
                                           ? qint64{display[i]}
                                           : qint64{(op == "expect-a" ? water.mapA() : water.mapB())[i]};
                    if (got != want[i])
                        QFAIL(qPrintable(
                            QStringLiteral("step %1, %2: cell %3 (x %4, row %5) is %6, expected %7")
                                .arg(steps)
                                .arg(QString::fromLatin1(op))
                                .arg(i)
                                .arg(static_cast<int>(i) % w)
                                .arg(static_cast<int>(i) / w)
                                .arg(got)
                                .arg(want[i])));
                }
            }
        }
        QCOMPARE(steps, 15);
    }
};

QTEST_GUILESS_MAIN(TestWaterRoutine)
#include "water_routine_test.moc"
