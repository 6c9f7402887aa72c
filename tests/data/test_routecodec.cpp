// SPDX-License-Identifier: GPL-3.0-or-later
// The route codec, bit for bit: the slot layout, its boundaries and the round trip.
#include "hx7_var1.h"

#include <QRandomGenerator>
#include <QTest>

using namespace hx7;

namespace {

using Bytes = QList<int>;

RouteRecord Route(std::initializer_list<std::pair<int, int>> turnouts, int speed, int repeat)
{
    RouteRecord r;
    r.TurnoutNumber.fill(0);
    int t = 0;
    for (auto [number, position] : turnouts) {
        r.TurnoutNumber[t] = number;
        r.Position[t] = position;
        ++t;
    }
    r.SpeedCode = speed;
    r.RepeatFlag = static_cast<std::uint8_t>(repeat);
    return r;
}

Bytes Slice(const ImageBytes &image, int from, int count)
{
    Bytes out;
    for (int i = from; i < from + count; ++i)
        out << image[i];
    return out;
}

} // namespace

Q_DECLARE_METATYPE(RouteRecord)

class TestRouteCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void slotOffsets_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<int>("offset");
        QTest::newRow("1") << 0 << 32;
        QTest::newRow("16") << 15 << 182;
        QTest::newRow("17") << 16 << 192;
        QTest::newRow("24") << 23 << 241;
        QTest::newRow("end") << 24 << 248;
    }
    void slotOffsets()
    {
        QFETCH(int, route);
        QFETCH(int, offset);
        QCOMPARE(RouteSlotOffset(route), offset);
    }

    // The two worked examples, both ways.
    void workedExamples_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<RouteRecord>("record");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("route 1") << 0 << Route({{5, 1}, {12, 0}}, 3, 1)
                                 << Bytes{0x03, 0x81, 0x78, 0x01, 0, 0, 0, 0, 0, 0};
        QTest::newRow("route 17") << 16 << Route({{1, 0}, {1020, 1}, {300, 1}}, 2, 0)
                                  << Bytes{0x02, 0x00, 0xF4, 0x7F, 0x25, 0x0F, 0x00};
    }
    void workedExamples()
    {
        QFETCH(int, route);
        QFETCH(RouteRecord, record);
        QFETCH(Bytes, bytes);

        RouteTable table{};
        table[route] = record;
        ImageBytes image{};
        EncodeRoutes(table, image.data());
        QCOMPARE(Slice(image, RouteSlotOffset(route), int(bytes.size())), bytes);

        RouteTable decoded{};
        DecodeRoutes(image.data(), decoded);
        for (int t = 0; t < TurnoutsPerRoute; ++t) {
            const bool used = record.TurnoutNumber[t] > 0;
            QCOMPARE(decoded[route].TurnoutNumber[t], used ? record.TurnoutNumber[t] : -3);
            QCOMPARE(decoded[route].Position[t], used ? record.Position[t] : 0);
        }
        QCOMPARE(decoded[route].SpeedCode, record.SpeedCode);
        QCOMPARE(decoded[route].RepeatFlag, record.RepeatFlag);
    }

    // Values outside their ranges keep only the bits their fields have: the speed code its low byte,
    // a turnout number (n + 3) mod 1024, a position its bit 0. Nothing spills into a neighbouring field.
    void outOfRangeValuesAreMasked_data()
    {
        QTest::addColumn<RouteRecord>("record");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("speed -1") << Route({}, -1, 0) << Bytes{0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("speed 256") << Route({}, 256, 0) << Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("speed 511") << Route({}, 511, 1) << Bytes{0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("turnout 1021 wraps to unused")
            << Route({{1021, 0}}, 0, 0) << Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("turnout 1023") << Route({{1023, 0}}, 0, 0) << Bytes{0, 0, 0x02, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("turnout -4") << Route({{-4, 0}}, 0, 0) << Bytes{0, 0x7F, 0x07, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("turnout -5000") << Route({{0, 0}, {-5000, 0}}, 0, 0)
                                       << Bytes{0, 0, 0x30, 0x0F, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("position 2 is straight") << Route({{5, 2}}, 0, 0) << Bytes{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("position 3 is diverging") << Route({{5, 3}}, 0, 0) << Bytes{0, 1, 0x08, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("position -1, second of a pair")
            << Route({{0, 0}, {5, -1}}, 0, 0) << Bytes{0, 0, 0x80, 1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("turnout 6 out of range") << Route({{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {2045, 7}}, 0, 0)
                                                << Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0};
    }
    void outOfRangeValuesAreMasked()
    {
        QFETCH(RouteRecord, record);
        QFETCH(Bytes, bytes);
        RouteTable table{};
        table[0] = record;
        ImageBytes image{};
        EncodeRoutes(table, image.data());
        QCOMPARE(Slice(image, RouteSlotOffset(0), 11), bytes); // the slot and the next route's first byte
    }

    void zeroAreaDecodesToInactiveRoutes()
    {
        ImageBytes image{};
        RouteTable table;
        table.fill(Route({{7, 1}}, 9, 1));
        DecodeRoutes(image.data(), table);
        for (const RouteRecord &r : table) {
            QCOMPARE(r.SpeedCode, 0);
            QCOMPARE(int(r.RepeatFlag), 0);
            for (int t = 0; t < TurnoutsPerRoute; ++t) {
                QCOMPARE(r.TurnoutNumber[t], -3);
                QCOMPARE(r.Position[t], 0);
            }
        }
    }

    // Encode after decode gives back the route area except the bits that carry nothing.
    void roundTripOnRandomImages()
    {
        QRandomGenerator rng(7);
        for (int round = 0; round < 200; ++round) {
            ImageBytes image;
            for (auto &b : image)
                b = static_cast<std::uint8_t>(rng.bounded(256));
            const ImageBytes before = image;
            RouteTable table;
            DecodeRoutes(image.data(), table);
            EncodeRoutes(table, image.data());

            for (int i = 0; i < ImageSize; ++i) {
                if (i < RouteAreaBegin || i >= RouteAreaEnd)
                    QCOMPARE(image[i], before[i]);
            }
            for (int r = 0; r < RouteCount; ++r) {
                const int o = RouteSlotOffset(r);
                const int size = RouteSlotOffset(r + 1) - o;
                ImageBytes expected = before;
                for (int k : {3, 4, 6, 7, 9})
                    if (k < size)
                        expected[o + k] &= 0x7F;
                // A stored number of 3 decodes to 0 (unused) and comes back as 0.
                const int pairs = size / 3;
                for (int p = 0; p < pairs; ++p) {
                    const int hi1 = o + 1 + 3 * p, sh = o + 2 + 3 * p, hi2 = o + 3 + 3 * p;
                    if ((expected[hi1] & 0x7F) == 0 && (expected[sh] & 7) == 3)
                        expected[sh] &= ~7;
                    if ((expected[hi2] & 0x7F) == 0 && ((expected[sh] >> 4) & 7) == 3)
                        expected[sh] &= ~0x70;
                }
                QCOMPARE(Slice(image, o, size), Slice(expected, o, size));
            }
        }
    }

    void storedNumbersOneAndTwoSurvive()
    {
        ImageBytes image{};
        image[34] = 0x01 | 0x20; // turnout 1 stored 1, turnout 2 stored 2
        RouteTable table;
        DecodeRoutes(image.data(), table);
        QCOMPARE(table[0].TurnoutNumber[0], -2);
        QCOMPARE(table[0].TurnoutNumber[1], -1);
        ImageBytes again{};
        EncodeRoutes(table, again.data());
        QCOMPARE(int(again[34]), 0x21);
    }

    void shortSlotsStayInsideTheirBytes()
    {
        RouteTable table{};
        for (RouteRecord &r : table)
            r = Route({{1020, 1}, {1020, 1}, {1020, 1}, {1020, 1}, {1020, 1}, {1020, 1}}, 255, 1);
        ImageBytes image;
        image.fill(0xEE);
        // Encode only route 24 over a marked image: byte 248 and route 23 must not change.
        RouteTable onlyLast = table;
        EncodeRoutes(onlyLast, image.data());
        QCOMPARE(int(image[248]), 0xEE);
        QCOMPARE(int(image[31]), 0xEE);

        // Decoding a 7-byte slot never takes the next route's bytes as turnouts 5 and 6.
        ImageBytes marked{};
        for (int i = RouteSlotOffset(17); i < RouteSlotOffset(18); ++i)
            marked[i] = 0x7F;
        RouteTable decoded;
        DecodeRoutes(marked.data(), decoded);
        QCOMPARE(decoded[16].TurnoutNumber[4], -3);
        QCOMPARE(decoded[16].TurnoutNumber[5], -3);
    }

    void unusedTurnoutKeepsItsPositionBit()
    {
        RouteTable table{};
        table[2] = Route({{0, 1}, {-3, 1}}, 0, 0);
        ImageBytes image{};
        EncodeRoutes(table, image.data());
        QCOMPARE(int(image[RouteSlotOffset(2) + 2]), 0x88);
        QCOMPARE(int(image[RouteSlotOffset(2) + 1]), 0);
    }

    void gridTexts_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<RouteRecord>("record");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("unused") << 0 << Route({{-3, 0}}, 0, 0)
                                << QStringList{"1",   "NAV1A", "---", "---",           "---",
                                               "---", "---",   "---", "neaktivní def."};
        QTest::newRow("stop") << 8 << Route({{5, 1}, {5, 0}}, 1, 1)
                              << QStringList{"9", "NAV2A", "5/ O", "5/ R", "---", "---", "---", "---", "STUJ"};
        QTest::newRow("signal 1") << 16 << Route({{0, 0}, {0, 0}, {0, 0}, {0, 0}, {9, 1}, {9, 1}}, 2, 0)
                                  << QStringList{"17", "NAV1B", "---", "---", "---", "---", "x", "x", "náv. povel č.1"};
        QTest::newRow("repeat") << 23 << Route({{1020, 1}}, 3, 1)
                                << QStringList{"24", "NAV2B", "1020/ O",           "---", "---", "---",
                                               "x",  "x",     "náv. povel č.3 /OP"};
    }
    void gridTexts()
    {
        QFETCH(int, route);
        QFETCH(RouteRecord, record);
        QFETCH(QStringList, cells);
        QCOMPARE(RouteGridRow(route, record), cells);
    }
};

QTEST_GUILESS_MAIN(TestRouteCodec)
#include "test_routecodec.moc"
