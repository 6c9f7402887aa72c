// SPDX-License-Identifier: GPL-3.0-or-later
// The byte map of the configuration image, written from the image layout and the route slot codec.
#include "bytemap.h"

#include "hx7_var1.h"

#include <QCoreApplication>

namespace hx7 {

namespace {

ByteMapEntry Entry(int address, const QString &description, QList<BitField> fields = {})
{
    return {address, address, description, 0, std::move(fields)};
}

// The bits of f's byte above f, which nothing interprets.
BitField UnusedAbove(BitRange f)
{
    return {{f.byte, f.lastBit + 1, 7}, QCoreApplication::translate("hx7", "nevyužito")};
}

// The bytes of route r's slot (10 bytes for routes 1..16, 7 for 17..24), field by field as the slot codec
// lays them out.
void AddRoute(QList<ByteMapEntry> &map, int r)
{
    const int o = RouteSlotOffset(r - 1);
    auto add = [&](int k, const QString &text, QList<BitField> fields = {}) {
        const QString description = QCoreApplication::translate("hx7", "Cesta %1: %2").arg(QString::number(r), text);
        map << ByteMapEntry{o + k, o + k, description, r, std::move(fields)};
    };
    const auto highBits = [](int t) {
        return QCoreApplication::translate("hx7", "bity 3-9 hodnoty (číslo výhybky %1 + 3)").arg(t);
    };
    const auto lowBits = [](int t) {
        return QCoreApplication::translate("hx7", "bity 0-2 hodnoty (číslo výhybky %1 + 3)").arg(t);
    };
    const auto position = [](int t) { return QCoreApplication::translate("hx7", "poloha výhybky %1").arg(t); };
    add(SpeedCodeBits.byte, QCoreApplication::translate("hx7", "rychlost (neaktivní, STUJ, nebo návěst podle povelu)"));
    // In slot order: per pair the first turnout's high byte, the shared byte, the second one's high byte.
    for (int t = 0; t < SlotTurnouts(r - 1); ++t) {
        const TurnoutBits b = TurnoutSlotBits(t);
        const QString high = QCoreApplication::translate("hx7", "číslo výhybky %1 (vyšší bity)").arg(t + 1);
        if (b.high.byte == RepeatFlagBits.byte)
            add(b.high.byte, QCoreApplication::translate("hx7", "%1, opakovací znak").arg(high),
                {{b.high, highBits(t + 1)}, {RepeatFlagBits, QCoreApplication::translate("hx7", "opakovací znak")}});
        else
            add(b.high.byte, high, {{b.high, highBits(t + 1)}, UnusedAbove(b.high)});
        if (t % 2 == 0) {
            const TurnoutBits other = TurnoutSlotBits(t + 1);
            add(b.low.byte,
                QCoreApplication::translate("hx7", "výhybky %1 a %2 (nižší bity čísla, polohy)").arg(t + 1).arg(t + 2),
                {{b.low, lowBits(t + 1)},
                 {b.position, position(t + 1)},
                 {other.low, lowBits(t + 2)},
                 {other.position, position(t + 2)}});
        }
    }
}

QList<ByteMapEntry> BuildMap()
{
    // The name says itself that 0 means yes.
    BitRange motorDrive = MotorDriveBits;
    motorDrive.activeAtZero = false;
    QList<ByteMapEntry> map;
    map << ByteMapEntry{0, AddressCodeByte - 1, QCoreApplication::translate("hx7", "nevyužito (jen se přenáší)")};
    map << Entry(AddressCodeByte,
                 QCoreApplication::translate("hx7", "DCC adresa (kód adresy, 1. povel = 4 × kód − 3)"));
    map << Entry(OutputOptionsByte, QCoreApplication::translate("hx7", "Spínací výstupy"),
                 {{SignalTypeBits, QCoreApplication::translate("hx7", "typ znaku (1 = uživ. volitelné)")},
                  {PairingProtectionBits, QCoreApplication::translate("hx7", "ochrana sepnutí obou výstupů")},
                  {motorDrive, QCoreApplication::translate("hx7", "motorový přestavník (0 = ano)")},
                  {IgnoreOffCommandsBits, QCoreApplication::translate("hx7", "ignorovat příkazy vypnutí výstupu")},
                  {PulseLengthBits, QCoreApplication::translate("hx7", "délka impulsu výhybek")}});
    QList<BitField> speeds, inputs;
    for (int s = 0; s < SignalCount; ++s) {
        speeds << BitField{FollowOnSpeedBits(s),
                           QCoreApplication::translate("hx7", "následná rychlost náv. %1").arg(SignalNames[s])};
        inputs << BitField{AutoClearAspectBits(s),
                           QCoreApplication::translate("hx7", "AUT rušit znak náv. %1").arg(SignalNames[s])}
               << BitField{AutoRelayBits(s), QCoreApplication::translate("hx7", "AUT spínání rele %1").arg(s)};
    }
    map << Entry(FollowOnSpeedByte, QCoreApplication::translate("hx7", "Následné rychlosti návěstidel"), speeds);
    map << Entry(SignalPairByte, QCoreApplication::translate("hx7", "Dvojice návěstidel (platí při 0)"),
                 {{MergedPairBits(0), QCoreApplication::translate("hx7", "sloučení znaku náv. 1A 2A")},
                  {MergedPairBits(1), QCoreApplication::translate("hx7", "sloučení znaku náv. 1B 2B")},
                  {CommonTrackBits(0), QCoreApplication::translate("hx7", "společná kolej náv. 1A+2A")},
                  {CommonTrackBits(1), QCoreApplication::translate("hx7", "společná kolej náv. 1B+2B")},
                  UnusedAbove(CommonTrackBits(PairCount - 1))});
    for (int s = 0; s < SignalCount; ++s)
        for (int k = 0; k < AspectsPerSignal; ++k)
            map << Entry(FirstAspectByte(s) + k, QCoreApplication::translate("hx7", "Návěstidlo %1: znak %2")
                                                     .arg(SignalNames[s])
                                                     .arg(QLatin1Char(AspectLetterText(AspectImageOrder[k]))));
    map << Entry(InputOptionsByte, QCoreApplication::translate("hx7", "Vstupy HX7S (platí při 0)"), inputs);
    map << ByteMapEntry{InputOptionsByte + 1, RouteAreaBegin - 1,
                        QCoreApplication::translate("hx7", "nevyužito (jen se přenáší)")};
    for (int r = 1; r <= RouteCount; ++r)
        AddRoute(map, r);
    map << ByteMapEntry{RouteAreaEnd, LastTransferAddress,
                        QCoreApplication::translate("hx7", "nevyužito (přenáší se s cestami)")};
    return map;
}

// "bit 2", "bity 4-7"; empty for the whole byte.
QString BitsOnly(BitRange f)
{
    if (f.Mask() == 0xFF)
        return {};
    if (f.firstBit == f.lastBit)
        return QCoreApplication::translate("hx7", "bit %1").arg(f.firstBit);
    return QCoreApplication::translate("hx7", "bity %1-%2").arg(f.firstBit).arg(f.lastBit);
}

} // namespace

const QList<ByteMapEntry> &ByteMap()
{
    // Built on first use, which comes after main() has installed the translator: the descriptions are
    // looked up once, in the user's language.
    static const QList<ByteMapEntry> map = BuildMap();
    return map;
}

const ByteMapEntry &DescribeAddress(int address)
{
    static const ByteMapEntry none{-1, -1, QString(), 0, {}};
    for (const ByteMapEntry &e : ByteMap())
        if (address >= e.first && address <= e.last)
            return e;
    return none;
}

QString DescribeAddressInFull(int address, int bitMask)
{
    const ByteMapEntry &e = DescribeAddress(address);
    QStringList fields;
    for (const BitField &f : e.fields)
        if (bitMask & f.bits.Mask())
            fields << f.name + QStringLiteral(" (") + BitsOnly(f.bits) + QLatin1Char(')');
    return fields.isEmpty() ? e.description : e.description + QStringLiteral(": ") + fields.join(QStringLiteral("; "));
}

QString ActiveAtZeroText()
{
    return QCoreApplication::translate("hx7", "platí při 0");
}

QString BitsText(BitRange f)
{
    // Upper-case digits, as the verify window and the monitor show the same addresses.
    const QString byte = QCoreApplication::translate("hx7", "bajt 0x%1")
                             .arg(QString::number(f.byte, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    const QString bits = BitsOnly(f);
    return bits.isEmpty() ? byte : byte + QStringLiteral(", ") + bits;
}

} // namespace hx7
