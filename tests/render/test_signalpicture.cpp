// SPDX-License-Identifier: GPL-3.0-or-later
// The signal pictures: each aspect's lamps as the picture shows them, read back from the pixels.
#include "hx7_var1.h"
#include "signalpicture.h"

#include <QGuiApplication>
#include <QTest>

using namespace hx7;

namespace {

// Close enough to the colour for antialiasing and rounding.
bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24 && a.alpha() > 240;
}
bool Dark(QColor c)
{
    return c.alpha() > 240 && std::max({c.red(), c.green(), c.blue()}) < 0x60 &&
           std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) < 12;
}
QColor At(const QImage &image, QPointF logical)
{
    const QPointF device = logical * image.devicePixelRatio();
    return image.pixelColor(int(device.x()), int(device.y()));
}

} // namespace

class TestSignalPicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The lamps top to bottom as the texts show them: o dark, L lit, F flashing. Written out by hand from
    // the aspect list, so that a misread pattern shows here.
    void lampsOfEachAspect_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("lamps");
        const char *const rows[AspectCount] = {"ooLoo", "oLooo", "Loooo", "Foooo", "oLooL", "LLLLL",
                                               "LoooL", "FoooL", "ooLFo", "oooLo", "ooLLo", "oLoLo",
                                               "LooLo", "ooooo", "FooLo", "LooLL", "FooLL"};
        for (int code = 0; code < AspectCount; ++code)
            QTest::addRow("%d", code) << code << QString::fromLatin1(rows[code]);
    }
    void lampsOfEachAspect()
    {
        QFETCH(int, code);
        QFETCH(QString, lamps);
        const auto pattern = AspectLamps(code);
        QVERIFY(pattern);
        // A list icon and a large picture on a screen of twice the density.
        for (const auto &[size, dpr] : {std::pair{QSize(16, 16), 1.0}, std::pair{QSize(40, 130), 2.0}}) {
            const QRectF rect(QPointF(0, 0), QSizeF(size));
            const QImage on = SignalImage(code, size, dpr, true);
            const QImage off = SignalImage(code, size, dpr, false);
            QCOMPARE(on.size(), size * dpr);
            for (int k = 0; k < LampCount; ++k) {
                const QPointF c = LampCentre(rect, k);
                const char want = lamps[k].toLatin1();
                const QString where = QStringLiteral("lamp %1 at %2x%3").arg(k).arg(size.width()).arg(size.height());
                QCOMPARE((*pattern)[k], want == 'o'   ? LampState::Dark
                                        : want == 'L' ? LampState::Lit
                                                      : LampState::Flashing);
                if (want == 'o')
                    QVERIFY2(Dark(At(on, c)), qPrintable(where));
                else
                    QVERIFY2(Near(At(on, c), LampColour(k)), qPrintable(where));
                // The off phase darkens only the flashing lamps.
                if (want == 'L')
                    QVERIFY2(Near(At(off, c), LampColour(k)), qPrintable(where));
                else
                    QVERIFY2(Dark(At(off, c)), qPrintable(where));
                // The rays right of a flashing lamp, in both phases; nothing light there beside another lamp.
                if (size.height() >= 100) {
                    const qreal pitch = rect.height() / 5.5;
                    const QPointF ray = c + QPointF(0.49 * pitch, 0);
                    const bool light = At(on, ray).lightness() > 150 && At(off, ray).lightness() > 150;
                    QVERIFY2(light == (want == 'F'), qPrintable(where));
                }
            }
        }
    }

    // A code without a text: an empty head with a question mark, no lamp.
    void unknownCodeShowsAQuestionMark_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("17") << 17;
        QTest::newRow("255") << 255;
        QTest::newRow("-1") << -1;
    }
    void unknownCodeShowsAQuestionMark()
    {
        QFETCH(int, code);
        QVERIFY(!AspectLamps(code));
        const QSize size(40, 130);
        const QImage image = SignalImage(code, size, 1);
        int light = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                light += c.alpha() > 200 && c.lightness() > 200;
                for (int k = 0; k < LampCount; ++k)
                    if (k != 3) // white is the mark's own colour
                        QVERIFY(!Near(c, LampColour(k)));
            }
        QVERIFY2(light > 20, "no question mark");
        QVERIFY(Dark(At(image, LampCentre(QRectF(0, 0, 40, 130), 0))));
    }

    // The icon draws itself at the scale asked for, not a small picture blown up.
    void iconIsSharpAtEveryScale()
    {
        const QIcon icon = SignalIcon(3);
        const QPixmap twice = icon.pixmap(QSize(16, 16), 2.0);
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        QCOMPARE(twice.size(), QSize(32, 32));
        // Drawn at 32 px, not a 16 px picture blown up: pixel for pixel as the picture drawn at that scale.
        const QImage drawn = SignalImage(3, QSize(16, 16), 2.0);
        const QImage got = twice.toImage().convertToFormat(drawn.format());
        int differing = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                differing += !Near(got.pixelColor(x, y), drawn.pixelColor(x, y)) &&
                             (got.pixelColor(x, y).alpha() > 240 || drawn.pixelColor(x, y).alpha() > 240);
        QCOMPARE(differing, 0);
    }

    // Not assertions: every aspect, both phases, large and as icons, for whoever looks at the build.
    void screenshots()
    {
        QImage sheet(QSize(19 * 44, 2 * 140 + 40) * 2, QImage::Format_ARGB32_Premultiplied);
        sheet.setDevicePixelRatio(2);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int code = 0; code <= 18; ++code) {
            const int code2 = code == 18 ? -1 : code;
            PaintSignal(painter, QRectF(code * 44 + 2, 5, 40, 130), code2, true);
            PaintSignal(painter, QRectF(code * 44 + 2, 145, 40, 130), code2, false);
            painter.drawPixmap(QPointF(code * 44 + 14, 290), SignalIcon(code2).pixmap(QSize(16, 16), 2.0));
        }
        painter.end();
        QVERIFY(sheet.save(QStringLiteral("signalpictures.png")));
    }
};

QTEST_MAIN(TestSignalPicture)
#include "test_signalpicture.moc"
