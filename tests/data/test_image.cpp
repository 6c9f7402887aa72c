// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up image and the shared aspect texts.
#include "bytemap.h"
#include "hx7_var1.h"
#include "optiontext.h"

#include <QTest>

using namespace hx7;

namespace {

// The defaults, with route 1 going to signal command 1 over turnout 12 straight, route 5 over turnout 100
// diverging (its turnout 1 unused) and route 17 over turnouts 20 straight and 7 diverging as its 3 and 4.
const ImageBytes &ComparedImage()
{
    static const ImageBytes image = [] {
        ImageBytes i;
        InitConfigImage(i);
        RouteTable routes{};
        routes[0].SpeedCode = 2;
        routes[0].TurnoutNumber[0] = 12;
        routes[4].TurnoutNumber[1] = 100;
        routes[4].Position[1] = 1;
        routes[16].TurnoutNumber[2] = 20;
        routes[16].TurnoutNumber[3] = 7;
        routes[16].Position[3] = 1;
        EncodeRoutes(routes, i.data());
        return i;
    }();
    return image;
}

} // namespace

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
    // the module different); with both sides' images, the values of those fields, the program's
    // (ComparedImage) first and then the other side's (the same with the mask's bits flipped).
    void byteMapTexts_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("values");
        QTest::newRow("address") << 4 << 0xFF << "DCC adresa (kód adresy, 1. povel = 4 × kód − 3)"
                                 << "DCC adresa (kód adresy, 1. povel = 4 × kód − 3): č. 1. povelu 1 / 1013";
        QTest::newRow("signal 2A aspect B") << 15 << 0x03 << "Návěstidlo 2A: znak B"
                                            << "Návěstidlo 2A: znak B: 1: [-z---] VOLNO / 2: [ž----] výstraha "
                                               "(příští náv. STUJ)";
        QTest::newRow("signal 2A aspect D") << 13 << 0xFF << "Návěstidlo 2A: znak D"
                                            << "Návěstidlo 2A: znak D: 4: [-z--ž] 40kmh (příští náv. VOLNO) / 251 "
                                               "(neznámý kód)";
        QTest::newRow("pulse length") << 5 << 0xFF
                                      << "Spínací výstupy: typ znaku (1 = uživ. volitelné) (bit 0); ochrana sepnutí "
                                         "obou výstupů (bit 1); motorový přestavník (0 = ano) (bit 2); ignorovat "
                                         "příkazy vypnutí výstupu (bit 3); délka impulsu výhybek (bity 4-7)"
                                      << "Spínací výstupy: návěstní znaky uživ. volitelné / závislá soustava; "
                                         "ochrana sepnutí obou výstupů zapnuto / vypnuto; motorový přestavník "
                                         "vypnuto / zapnuto; ignorovat příkazy vypnutí výstupu zapnuto / vypnuto; "
                                         "délka impulsu výhybek 3 / 12";
        QTest::newRow("pulse length only") << 5 << 0x30 << "Spínací výstupy: délka impulsu výhybek (bity 4-7)"
                                           << "Spínací výstupy: délka impulsu výhybek 3 / 0";
        // The box is ticked while its bit is 0.
        QTest::newRow("motor drive only") << 5 << 0x04 << "Spínací výstupy: motorový přestavník (0 = ano) (bit 2)"
                                          << "Spínací výstupy: motorový přestavník vypnuto / zapnuto";
        QTest::newRow("follow-on speed 2B")
            << 6 << 0xC0 << "Následné rychlosti návěstidel: následná rychlost náv. 2B (bity 6-7)"
            << "Následné rychlosti návěstidel: následná rychlost náv. 2B VOLNO / STŮJ";
        QTest::newRow("signal pairs, unused bits only")
            << 7 << 0xF0 << "Dvojice návěstidel (platí při 0): nevyužito (bity 4-7)"
            << "Dvojice návěstidel (platí při 0): nevyužito (bity 4-7)";
        QTest::newRow("HX7S inputs")
            << 24 << 0x41 << "Vstupy HX7S (platí při 0): AUT rušit znak náv. 1A (bit 0); AUT rušit znak náv. 2B (bit 6)"
            << "Vstupy HX7S (platí při 0): AUT rušit znak náv. 1A zapnuto / vypnuto; AUT rušit znak náv. 2B zapnuto / "
               "vypnuto";
        QTest::newRow("route 1, signal command")
            << 32 << 0x03 << "Cesta 1: rychlost (neaktivní, STUJ, nebo návěst podle povelu)"
            << "Cesta 1: rychlost (neaktivní, STUJ, nebo návěst podle povelu): náv. povel č.1 / STUJ";
        // A turnout is stored as its number + 3 in ten bits: the high byte holds bits 3-9 in its bits 0-6.
        QTest::newRow("route 1, byte 1") << 33 << 0xFF
                                         << "Cesta 1: číslo výhybky 1 (vyšší bity), opakovací znak: bity 3-9 "
                                            "hodnoty (číslo výhybky 1 + 3) (bity 0-6); opakovací znak (bit 7)"
                                         << "Cesta 1: číslo výhybky 1 (vyšší bity), opakovací znak: výhybka 1 12/ R / "
                                            "1012/ R; opakovací znak vypnuto / zapnuto";
        QTest::newRow("route 1, repeat flag only")
            << 33 << 0x80 << "Cesta 1: číslo výhybky 1 (vyšší bity), opakovací znak: opakovací znak (bit 7)"
            << "Cesta 1: číslo výhybky 1 (vyšší bity), opakovací znak: opakovací znak vypnuto / zapnuto";
        QTest::newRow("route 5, turnout 2 high") << 75 << 0xFF
                                                 << "Cesta 5: číslo výhybky 2 (vyšší bity): bity 3-9 hodnoty (číslo "
                                                    "výhybky 2 + 3) (bity 0-6); nevyužito (bit 7)"
                                                 << "Cesta 5: číslo výhybky 2 (vyšší bity): výhybka 2 100/ O / 924/ O; "
                                                    "nevyužito (bit 7)";
        QTest::newRow("route 5, turnout 2 high, unused bit only")
            << 75 << 0x80 << "Cesta 5: číslo výhybky 2 (vyšší bity): nevyužito (bit 7)"
            << "Cesta 5: číslo výhybky 2 (vyšší bity): nevyužito (bit 7)";
        // An unused turnout reads "---" on both sides whatever its position: the bit is named instead.
        QTest::newRow("route 5, unused turnout 1, position only")
            << 74 << 0x08 << "Cesta 5: výhybky 1 a 2 (nižší bity čísla, polohy): poloha výhybky 1 (bit 3)"
            << "Cesta 5: výhybky 1 a 2 (nižší bity čísla, polohy): poloha výhybky 1 (bit 3)";
        // The number bits and the position of one turnout tell it once.
        QTest::newRow("route 17, turnouts 3 and 4")
            << 197 << 0xFF
            << "Cesta 17: výhybky 3 a 4 (nižší bity čísla, polohy): bity 0-2 hodnoty (číslo výhybky 3 + 3) (bity "
               "0-2); poloha výhybky 3 (bit 3); bity 0-2 hodnoty (číslo výhybky 4 + 3) (bity 4-6); poloha výhybky 4 "
               "(bit 7)"
            << "Cesta 17: výhybky 3 a 4 (nižší bity čísla, polohy): výhybka 3 20/ R / 13/ O; výhybka 4 7/ O / 10/ R";
        QTest::newRow("route 17, turnout 3 position only")
            << 197 << 0x08 << "Cesta 17: výhybky 3 a 4 (nižší bity čísla, polohy): poloha výhybky 3 (bit 3)"
            << "Cesta 17: výhybky 3 a 4 (nižší bity čísla, polohy): výhybka 3 20/ R / 20/ O";
        QTest::newRow("route 24, last byte, unused bit only")
            << 247 << 0x80 << "Cesta 24: číslo výhybky 4 (vyšší bity): nevyužito (bit 7)"
            << "Cesta 24: číslo výhybky 4 (vyšší bity): nevyužito (bit 7)";
        QTest::newRow("after the routes") << 248 << 0xFF << "nevyužito (přenáší se s cestami)"
                                          << "nevyužito (přenáší se s cestami)";
    }
    void byteMapTexts()
    {
        QFETCH(int, address);
        QFETCH(int, mask);
        QFETCH(QString, text);
        QFETCH(QString, values);
        QCOMPARE(DescribeAddressInFull(address, mask), text);
        ImageBytes other = ComparedImage();
        other[address] ^= mask;
        QCOMPARE(DescribeDifference(address, ComparedImage(), other), values);
        // A list of differences reads the same, its other side made of the program and the differing bytes.
        const ByteDifference d{address, ComparedImage()[address], other[address]};
        QCOMPARE(DescribeDifferences(ComparedImage(), {d}), QStringList{values});
        QCOMPARE(BitsText({7, 0, 3}), QStringLiteral("bajt 0x07, bity 0-3"));
    }

    // Ignore-off commands without pairing protection: the module ignores the bit, and the words say so where
    // they tell the bit. The program holds byte 5 as given, the other side with the bits of mask flipped; shown
    // is the program's line of hx7ctl show, difference the verify's line for the byte.
    void ignoredOptionIsSaid_data()
    {
        QTest::addColumn<int>("outputs");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("difference");
        const QString ignored = QStringLiteral(" (bez ochrany sepnutí obou výstupů ji modul ignoruje)");
        QTest::newRow("ignored in the program")
            << 0x3D << 0x08 << "ano" + ignored
            << "Spínací výstupy: ignorovat příkazy vypnutí výstupu zapnuto" + ignored + " / vypnuto";
        QTest::newRow("obeyed") << 0x3F << 0x08 << "ano"
                                << "Spínací výstupy: ignorovat příkazy vypnutí výstupu zapnuto / vypnuto";
        QTest::newRow("ignored in the module")
            << 0x37 << 0x0A << "ne"
            << "Spínací výstupy: ochrana sepnutí obou výstupů zapnuto / vypnuto; ignorovat příkazy vypnutí "
               "výstupu vypnuto / zapnuto" +
                   ignored;
        // The protection's own bit says nothing of the option that needs it.
        QTest::newRow("protection differs alone") << 0x3F << 0x02 << "ano"
                                                  << "Spínací výstupy: ochrana sepnutí obou výstupů zapnuto / vypnuto";
    }
    void ignoredOptionIsSaid()
    {
        QFETCH(int, outputs);
        QFETCH(int, mask);
        QFETCH(QString, shown);
        QFETCH(QString, difference);
        ImageBytes program = ComparedImage();
        program[OutputOptionsByte] = static_cast<std::uint8_t>(outputs);
        ImageBytes other = program;
        other[OutputOptionsByte] ^= mask;
        QCOMPARE(DescribeDifference(OutputOptionsByte, program, other), difference);
        QStringList lines;
        for (const OptionLine &line : OptionLines(DecodeOptions(program.data())))
            if (line.field->section == OptionSection::Outputs)
                lines << WithRemark(line.value, line.remark);
        QCOMPARE(lines, (QStringList{"uživ. volitelné", "3", "ne", outputs & 0x02 ? "ano" : "ne", shown}));
    }
};

QTEST_GUILESS_MAIN(TestImage)
#include "test_image.moc"
