// SPDX-License-Identifier: GPL-3.0-or-later
// The option codec of bytes 4..24, bit for bit: each field read from its own bits, and written back with
// nothing but the rules the module needs.
#include "hx7_var1.h"
#include "optiontable.h"

#include <QTest>
#include <functional>

using namespace hx7;

namespace {

using Change = std::function<void(ModuleOptions &)>;

// The factory block, with byte 24 at FF so that every input row switches one function on.
ModuleOptions Defaults()
{
    ModuleOptions o;
    o.AddressCode = 1;
    o.UserAspects = true;
    o.PairingProtection = true;
    o.IgnoreOffCommands = true;
    o.PulseLength = 3;
    o.FollowOnSpeed = {3, 3, 3, 3};
    for (auto &aspects : o.Aspects)
        aspects = {0, 1, 8, 4}; // A, B, C, D
    return o;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestModuleOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // One byte set over the factory block: the fields it holds read as given, and encoding them back
    // into an image of other contents gives the byte as stored (the same unless a rule changes it).
    void oneByte_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("value");
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("stored");
        QTest::newRow("factory block") << 4 << 1 << Change([](ModuleOptions &) {}) << 1;
        QTest::newRow("address code 0") << 4 << 0 << Change([](ModuleOptions &o) { o.AddressCode = 0; }) << 0;
        QTest::newRow("address code 200") << 4 << 200 << Change([](ModuleOptions &o) { o.AddressCode = 200; }) << 200;
        QTest::newRow("dependent system")
            << 5 << 0x3E << Change([](ModuleOptions &o) { o.UserAspects = false; }) << 0x3E;
        QTest::newRow("no pairing protection")
            << 5 << 0x3D << Change([](ModuleOptions &o) { o.PairingProtection = false; }) << 0x3D;
        QTest::newRow("motor drive at 0") << 5 << 0x3B << Change([](ModuleOptions &o) { o.MotorDrive = true; }) << 0x3B;
        QTest::newRow("off commands obeyed")
            << 5 << 0x37 << Change([](ModuleOptions &o) { o.IgnoreOffCommands = false; }) << 0x37;
        QTest::newRow("pulse 15") << 5 << 0xFF << Change([](ModuleOptions &o) { o.PulseLength = 15; }) << 0xFF;
        QTest::newRow("byte 5 all 0") << 5 << 0x00 << Change([](ModuleOptions &o) {
            o.UserAspects = o.PairingProtection = o.IgnoreOffCommands = false;
            o.MotorDrive = true;
            o.PulseLength = 0;
        }) << 0x00;
        QTest::newRow("speeds 3 2 1 0") << 6 << 0x1B << Change([](ModuleOptions &o) {
            o.FollowOnSpeed = {3, 2, 1, 0};
        }) << 0x1B;
        QTest::newRow("merge 1A 2A") << 7 << 0xFE << Change([](ModuleOptions &o) { o.MergedPair[0] = true; }) << 0xFE;
        QTest::newRow("merge 1B 2B") << 7 << 0xFD << Change([](ModuleOptions &o) { o.MergedPair[1] = true; }) << 0xFD;
        QTest::newRow("common track 1A+2A")
            << 7 << 0xFB << Change([](ModuleOptions &o) { o.CommonTrack[0] = true; }) << 0xFB;
        QTest::newRow("common track 1B+2B")
            << 7 << 0xF7 << Change([](ModuleOptions &o) { o.CommonTrack[1] = true; }) << 0xF7;
        QTest::newRow("bits 4..7 of byte 7 come back as 1") << 7 << 0x0F << Change([](ModuleOptions &) {}) << 0xFF;
        QTest::newRow("a merged pair loses its common track")
            << 7 << 0xFA << Change([](ModuleOptions &o) { o.MergedPair[0] = o.CommonTrack[0] = true; }) << 0xFE;
        QTest::newRow("byte 7 all 0") << 7 << 0x00 << Change([](ModuleOptions &o) {
            o.MergedPair = o.CommonTrack = {true, true};
        }) << 0xFC;
        // Each signal's bytes hold A, D, C, B.
        QTest::newRow("1A aspect A") << 8 << 16 << Change([](ModuleOptions &o) { o.Aspects[0][AspectA] = 16; }) << 16;
        QTest::newRow("1A aspect D") << 9 << 16 << Change([](ModuleOptions &o) { o.Aspects[0][AspectD] = 16; }) << 16;
        QTest::newRow("1A aspect C") << 10 << 16 << Change([](ModuleOptions &o) { o.Aspects[0][AspectC] = 16; }) << 16;
        QTest::newRow("1A aspect B") << 11 << 16 << Change([](ModuleOptions &o) { o.Aspects[0][AspectB] = 16; }) << 16;
        QTest::newRow("2A aspect B") << 15 << 9 << Change([](ModuleOptions &o) { o.Aspects[1][AspectB] = 9; }) << 9;
        QTest::newRow("1B aspect A") << 16 << 9 << Change([](ModuleOptions &o) { o.Aspects[2][AspectA] = 9; }) << 9;
        QTest::newRow("2B aspect B") << 23 << 9 << Change([](ModuleOptions &o) { o.Aspects[3][AspectB] = 9; }) << 9;
        QTest::newRow("code without text kept")
            << 13 << 20 << Change([](ModuleOptions &o) { o.Aspects[1][AspectD] = 20; }) << 20;
        QTest::newRow("code 255 kept") << 18 << 255 << Change([](ModuleOptions &o) { o.Aspects[2][AspectC] = 255; })
                                       << 255;
        for (int s = 0; s < SignalCount; ++s) {
            const int clear = 0xFF & ~(1 << (2 * s)), relay = 0xFF & ~(2 << (2 * s));
            QTest::addRow("input clears aspect %d", s)
                << 24 << clear << Change([s](ModuleOptions &o) { o.AutoClearAspect[s] = true; }) << clear;
            QTest::addRow("input switches relay %d", s)
                << 24 << relay << Change([s](ModuleOptions &o) { o.AutoRelay[s] = true; }) << relay;
        }
    }
    void oneByte()
    {
        QFETCH(int, byte);
        QFETCH(int, value);
        QFETCH(Change, change);
        QFETCH(int, stored);
        ImageBytes image{};
        InitConfigImage(image);
        image[InputOptionsByte] = 0xFF;
        image[byte] = static_cast<std::uint8_t>(value);
        ModuleOptions expected = Defaults();
        change(expected);
        const ModuleOptions decoded = DecodeOptions(image.data());
        QCOMPARE(decoded, expected);

        ImageBytes other;
        other.fill(0xA5);
        ImageBytes want = other;
        std::copy(image.begin() + AddressCodeByte, image.begin() + InputOptionsByte + 1,
                  want.begin() + AddressCodeByte);
        want[byte] = static_cast<std::uint8_t>(stored);
        EncodeOptions(decoded, other.data());
        QVERIFY(other == want);
    }

    // Each row of the option table lies where the codec keeps its field: setting the field through the row
    // changes the encoded image in the row's bits and nowhere else, and decoding reads it back through the row.
    void tableRowsMatchTheCodec_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        const std::span<const OptionField> table = OptionTable();
        for (int r = 0; r < int(table.size()); ++r)
            for (int i = 0; table[r].set && i < table[r].count; ++i)
                QTest::newRow(qPrintable(OptionName(table[r], i))) << r << i;
    }
    void tableRowsMatchTheCodec()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        const OptionField &f = OptionTable()[row];
        const BitRange bits = f.bits(index);
        ModuleOptions o = Defaults();
        ImageBytes before{};
        EncodeOptions(o, before.data());
        // Another value than the factory one, within the field's width.
        const int value = (f.get(o, index) + 1) % ((bits.Mask() >> bits.firstBit) + 1);
        f.set(o, index, value);
        ImageBytes after = before;
        EncodeOptions(o, after.data());
        for (int b = 0; b < ImageSize; ++b)
            QCOMPARE((after[b] ^ before[b]) & ~(b == bits.byte ? bits.Mask() : 0), 0);
        QVERIFY(after[bits.byte] != before[bits.byte]);
        QCOMPARE(f.get(DecodeOptions(after.data()), index), value);
    }

    // No bit of bytes 4..24 has two rows; every one has its row but byte 7's bits 4..7, which mean nothing.
    void tableOwnsEachBitOnce()
    {
        std::array<int, 8 * (InputOptionsByte + 1)> owners{};
        for (const OptionField &f : OptionTable())
            for (int i = 0; f.set && i < f.count; ++i)
                for (int bit = f.bits(i).firstBit; bit <= f.bits(i).lastBit; ++bit)
                    ++owners[8 * f.bits(i).byte + bit];
        for (int b = AddressCodeByte; b <= InputOptionsByte; ++b)
            for (int bit = 0; bit < 8; ++bit) {
                QVERIFY2(owners[8 * b + bit] <= 1, qPrintable(QStringLiteral("byte %1 bit %2").arg(b).arg(bit)));
                if (b != SignalPairByte || bit < 4)
                    QVERIFY2(owners[8 * b + bit] == 1, qPrintable(QStringLiteral("byte %1 bit %2").arg(b).arg(bit)));
            }
    }

    // An aspect list without a choice gives -1: it is stored as 255, in the byte of its letter.
    void aspectWithoutChoice()
    {
        ModuleOptions o = Defaults();
        o.Aspects[1][AspectB] = -1;
        ImageBytes image{};
        EncodeOptions(o, image.data());
        QCOMPARE(int(image[15]), 255);
        QCOMPARE(int(image[14]), 8);
    }
};

QTEST_GUILESS_MAIN(TestModuleOptions)
#include "test_moduleoptions.moc"
