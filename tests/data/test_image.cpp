// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up image and the shared aspect texts.
#include "bytemap.h"
#include "hx7_var1.h"

#include <QTest>

using namespace hx7;

class TestImage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initLeavesUpperBytesAlone()
    {
        ImageBytes image;
        image.fill(0xAB);
        InitConfigImage(image);
        for (int i = 0; i < ImageSize; ++i) {
            int expected = 0xAB;
            if (i >= 4 && i <= 23)
                expected = ConfigDefaults[i - 4];
            else if (i < 256)
                expected = 0;
            QCOMPARE(int(image[i]), expected);
        }
        QCOMPARE(int(image[24]), 0); // every HX7S input function on
    }

    void commandNumbers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("first");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 5;
        QTest::newRow("127") << 127 << 505;
    }
    void commandNumbers()
    {
        QFETCH(int, code);
        QFETCH(int, first);
        QCOMPARE(FirstCommandNumber(code), first);
        for (int n = first; n < first + 3; ++n) // typed values just above round down to the same code
            QCOMPARE(AddressCodeFromCommand(n), code);
    }

    void aspectTextsKeepTheirBlanks()
    {
        const QStringList &texts = AspectTexts();
        QCOMPARE(texts.size(), 17);
        QCOMPARE(texts[0], QStringLiteral("0:  [--č--]  STOP    ( posuv zakázán )"));
        QCOMPARE(texts[11], QStringLiteral("11:[-z-b-]  opakovací navěst "));
        QCOMPARE(texts[16], QStringLiteral("16:[ž*--bž]  opakovací navěst "));
        for (int k = 0; k < texts.size(); ++k)
            QVERIFY(texts[k].startsWith(QString::number(k) + QLatin1Char(':')));
    }

    // The byte map: every address a transfer moves is described once, and the route bytes lie where the
    // slot codec puts them (a route's bytes are exactly its slot, in order).
    void byteMapCoversEveryAddressOnce()
    {
        int next = 0;
        for (const ByteMapEntry &e : ByteMap()) {
            QCOMPARE(e.first, next);
            QVERIFY(e.last >= e.first);
            QVERIFY(!e.description.isEmpty());
            next = e.last + 1;
        }
        QCOMPARE(next, LastTransferAddress + 1);
        for (int r = 1; r <= RouteCount; ++r)
            for (int a = RouteSlotOffset(r - 1); a < RouteSlotOffset(r); ++a) {
                QCOMPARE(DescribeAddress(a).route, r);
                QVERIFY(DescribeAddress(a).description.startsWith(QStringLiteral("Cesta %1: ").arg(r)));
            }
        QCOMPARE(DescribeAddress(249).first, -1);
    }

    // What a byte holds, down to the fields that the bits of mask touch (the bits in which a verify found
    // the module different).
    void byteMapTexts_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("text");
        QTest::newRow("address") << 4 << 0xFF << "DCC adresa (kód adresy, 1. povel = 4 × kód − 3)";
        QTest::newRow("signal 2A aspect B") << 15 << 0xFF << "Návěstidlo 2A: znak B";
        QTest::newRow("signal 2A aspect D") << 13 << 0xFF << "Návěstidlo 2A: znak D";
        QTest::newRow("pulse length") << 5 << 0xFF
                                      << "Spínací výstupy: typ znaku (1 = uživ. volitelné) (bit 0); ochrana sepnutí "
                                         "obou výstupů (bit 1); motorový přestavník (0 = ano) (bit 2); ignorovat "
                                         "příkazy vypnutí výstupu (bit 3); délka impulsu výhybek (bity 4-7)";
        // A turnout is stored as its number + 3 in ten bits: the high byte holds bits 3-9 in its bits 0-6.
        QTest::newRow("route 1, byte 1") << 33 << 0xFF
                                         << "Cesta 1: číslo výhybky 1 (vyšší bity), opakovací znak: bity 3-9 "
                                            "hodnoty (číslo výhybky 1 + 3) (bity 0-6); opakovací znak (bit 7)";
        QTest::newRow("route 1, repeat flag only")
            << 33 << 0x80 << "Cesta 1: číslo výhybky 1 (vyšší bity), opakovací znak: opakovací znak (bit 7)";
        QTest::newRow("route 5, turnout 2 high") << 75 << 0xFF
                                                 << "Cesta 5: číslo výhybky 2 (vyšší bity): bity 3-9 hodnoty (číslo "
                                                    "výhybky 2 + 3) (bity 0-6); nevyužito (bit 7)";
        QTest::newRow("route 5, turnout 2 high, unused bit only")
            << 75 << 0x80 << "Cesta 5: číslo výhybky 2 (vyšší bity): nevyužito (bit 7)";
        QTest::newRow("route 17, turnouts 3 and 4")
            << 197 << 0xFF
            << "Cesta 17: výhybky 3 a 4 (nižší bity čísla, polohy): bity 0-2 hodnoty (číslo výhybky 3 + 3) (bity "
               "0-2); poloha výhybky 3 (bit 3); bity 0-2 hodnoty (číslo výhybky 4 + 3) (bity 4-6); poloha výhybky 4 "
               "(bit 7)";
        QTest::newRow("route 24, last byte, unused bit only")
            << 247 << 0x80 << "Cesta 24: číslo výhybky 4 (vyšší bity): nevyužito (bit 7)";
        QTest::newRow("after the routes") << 248 << 0xFF << "nevyužito (přenáší se s cestami)";
    }
    void byteMapTexts()
    {
        QFETCH(int, address);
        QFETCH(int, mask);
        QFETCH(QString, text);
        QCOMPARE(DescribeAddressInFull(address, mask), text);
        QCOMPARE(BitsText({7, 0, 3}), QStringLiteral("bajt 0x07, bity 0-3"));
    }
};

QTEST_GUILESS_MAIN(TestImage)
#include "test_image.moc"
