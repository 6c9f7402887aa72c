// SPDX-License-Identifier: GPL-3.0-or-later
// The byte map of the configuration image, written from the image layout and the route slot codec.
#include "bytemap.h"

#include "optiontext.h"

#include <QCoreApplication>

namespace hx7 {

namespace {

ByteMapEntry Entry(int address, const QString &description, QList<BitField> fields = {}, Setting setting = {})
{
    return {address, address, description, 0, std::move(fields), std::move(setting)};
}

// The bits of f's byte above f, which nothing interprets.
BitField UnusedAbove(BitRange f)
{
    return {{f.byte, f.lastBit + 1, 7}, QCoreApplication::translate("hx7", "nevyužito")};
}

// A box of the configuration dialog or the route editor: on reads it from one side.
template <typename On> Setting Box(On on, const QString &name = {})
{
    return {name, [on](const DecodedImage &d) { return OnOffText(on(d)); }};
}

// The bytes of route r's slot (10 bytes for routes 1..16, 7 for 17..24), field by field as the slot codec
// lays them out. Their values read as the route grid shows them.
void AddRoute(QList<ByteMapEntry> &map, int r)
{
    const int i = r - 1;
    const int o = RouteSlotOffset(i);
    auto add = [&](int k, const QString &text, QList<BitField> fields = {}, Setting setting = {}) {
        const QString description = QCoreApplication::translate("hx7", "Cesta %1: %2").arg(QString::number(r), text);
        map << ByteMapEntry{o + k, o + k, description, r, std::move(fields), std::move(setting)};
    };
    const auto highBits = [](int t) {
        return QCoreApplication::translate("hx7", "bity 3-9 hodnoty (číslo výhybky %1 + 3)").arg(t);
    };
    const auto lowBits = [](int t) {
        return QCoreApplication::translate("hx7", "bity 0-2 hodnoty (číslo výhybky %1 + 3)").arg(t);
    };
    const auto position = [](int t) { return QCoreApplication::translate("hx7", "poloha výhybky %1").arg(t); };
    // Each of a turnout's three fields tells the whole turnout, its number and position: "12/ R". The grid's
    // turnout cells follow the route's number and signal.
    const auto turnout = [i](int t) {
        return Setting{QCoreApplication::translate("hx7", "výhybka %1").arg(t + 1),
                       [i, t](const DecodedImage &d) { return RouteGridRow(i, d.routes[i])[2 + t]; }};
    };
    add(SpeedCodeBits.byte, QCoreApplication::translate("hx7", "rychlost (neaktivní, STUJ, nebo návěst podle povelu)"),
        {}, {{}, [i](const DecodedImage &d) { return RouteGridRow(i, d.routes[i]).last(); }});
    // In slot order: per pair the first turnout's high byte, the shared byte, the second one's high byte.
    for (int t = 0; t < SlotTurnouts(i); ++t) {
        const TurnoutBits b = TurnoutSlotBits(t);
        const QString high = QCoreApplication::translate("hx7", "číslo výhybky %1 (vyšší bity)").arg(t + 1);
        if (b.high.byte == RepeatFlagBits.byte)
            add(b.high.byte, QCoreApplication::translate("hx7", "%1, opakovací znak").arg(high),
                {{b.high, highBits(t + 1), turnout(t)},
                 {RepeatFlagBits, QCoreApplication::translate("hx7", "opakovací znak"),
                  Box([i](const DecodedImage &d) { return d.routes[i].RepeatFlag != 0; })}});
        else
            add(b.high.byte, high, {{b.high, highBits(t + 1), turnout(t)}, UnusedAbove(b.high)});
        if (t % 2 == 0) {
            const TurnoutBits other = TurnoutSlotBits(t + 1);
            add(b.low.byte,
                QCoreApplication::translate("hx7", "výhybky %1 a %2 (nižší bity čísla, polohy)").arg(t + 1).arg(t + 2),
                {{b.low, lowBits(t + 1), turnout(t)},
                 {b.position, position(t + 1), turnout(t)},
                 {other.low, lowBits(t + 2), turnout(t + 1)},
                 {other.position, position(t + 2), turnout(t + 1)}});
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
    // The dialog shows the address as the number of the first command.
    map << Entry(AddressCodeByte, QCoreApplication::translate("hx7", "DCC adresa (kód adresy, 1. povel = 4 × kód − 3)"),
                 {}, {QCoreApplication::translate("hx7", "č. 1. povelu"), [](const DecodedImage &d) {
                          return QString::number(FirstCommandNumber(d.options.AddressCode));
                      }});
    map << Entry(OutputOptionsByte, QCoreApplication::translate("hx7", "Spínací výstupy"),
                 {{SignalTypeBits,
                   QCoreApplication::translate("hx7", "typ znaku (1 = uživ. volitelné)"),
                   {QCoreApplication::translate("hx7", "návěstní znaky"),
                    [](const DecodedImage &d) { return SignalTypeText(d.options.UserAspects); }}},
                  {PairingProtectionBits, QCoreApplication::translate("hx7", "ochrana sepnutí obou výstupů"),
                   Box([](const DecodedImage &d) { return d.options.PairingProtection; })},
                  {motorDrive, QCoreApplication::translate("hx7", "motorový přestavník (0 = ano)"),
                   Box([](const DecodedImage &d) { return d.options.MotorDrive; },
                       QCoreApplication::translate("hx7", "motorový přestavník"))},
                  {IgnoreOffCommandsBits, QCoreApplication::translate("hx7", "ignorovat příkazy vypnutí výstupu"),
                   Box([](const DecodedImage &d) { return d.options.IgnoreOffCommands; })},
                  {PulseLengthBits,
                   QCoreApplication::translate("hx7", "délka impulsu výhybek"),
                   {{}, [](const DecodedImage &d) { return QString::number(d.options.PulseLength); }}}});
    QList<BitField> speeds, inputs;
    for (int s = 0; s < SignalCount; ++s) {
        speeds << BitField{FollowOnSpeedBits(s),
                           QCoreApplication::translate("hx7", "následná rychlost náv. %1").arg(SignalNames[s]),
                           {{}, [s](const DecodedImage &d) { return FollowOnSpeedText(d.options.FollowOnSpeed[s]); }}};
        inputs << BitField{AutoClearAspectBits(s),
                           QCoreApplication::translate("hx7", "AUT rušit znak náv. %1").arg(SignalNames[s]),
                           Box([s](const DecodedImage &d) { return d.options.AutoClearAspect[s]; })}
               << BitField{AutoRelayBits(s), QCoreApplication::translate("hx7", "AUT spínání rele %1").arg(s),
                           Box([s](const DecodedImage &d) { return d.options.AutoRelay[s]; })};
    }
    map << Entry(FollowOnSpeedByte, QCoreApplication::translate("hx7", "Následné rychlosti návěstidel"), speeds);
    const auto merged = [](int p) { return Box([p](const DecodedImage &d) { return d.options.MergedPair[p]; }); };
    const auto common = [](int p) { return Box([p](const DecodedImage &d) { return d.options.CommonTrack[p]; }); };
    QList<BitField> pairs{
        {MergedPairBits(0), QCoreApplication::translate("hx7", "sloučení znaku náv. 1A 2A"), merged(0)},
        {MergedPairBits(1), QCoreApplication::translate("hx7", "sloučení znaku náv. 1B 2B"), merged(1)},
        {CommonTrackBits(0), QCoreApplication::translate("hx7", "společná kolej náv. 1A+2A"), common(0)},
        {CommonTrackBits(1), QCoreApplication::translate("hx7", "společná kolej náv. 1B+2B"), common(1)}};
    pairs << UnusedAbove(CommonTrackBits(PairCount - 1));
    map << Entry(SignalPairByte, QCoreApplication::translate("hx7", "Dvojice návěstidel (platí při 0)"), pairs);
    for (int s = 0; s < SignalCount; ++s)
        for (int k = 0; k < AspectsPerSignal; ++k) {
            const int aspect = AspectImageOrder[k];
            map << Entry(FirstAspectByte(s) + k,
                         QCoreApplication::translate("hx7", "Návěstidlo %1: znak %2")
                             .arg(SignalNames[s])
                             .arg(QLatin1Char(AspectLetterText(aspect))),
                         {}, {{}, [s, aspect](const DecodedImage &d) {
                                  return AspectChoiceText(d.options.Aspects[s][aspect]);
                              }});
        }
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

// "délka impulsu výhybek (bity 4-7)".
QString FieldWithBits(const BitField &f)
{
    return f.name + QStringLiteral(" (") + BitsOnly(f.bits) + QLatin1Char(')');
}

DecodedImage Decoded(const ImageBytes &image)
{
    DecodedImage d{DecodeOptions(image.data()), {}};
    DecodeRoutes(image.data(), d.routes);
    return d;
}

// "3 / 0", with the setting's name before it where it has one of its own; empty when the setting holds
// nothing or reads the same on both sides, so that the bits are named instead.
QString BothValues(const Setting &s, const DecodedImage &program, const DecodedImage &other)
{
    if (!s.value)
        return {};
    const QString p = s.value(program);
    const QString o = s.value(other);
    if (p == o)
        return {};
    const QString values = p + QStringLiteral(" / ") + o;
    return s.name.isEmpty() ? values : s.name + QLatin1Char(' ') + values;
}

QString Describe(int address, int bitMask, const DecodedImage &program, const DecodedImage &other)
{
    const ByteMapEntry &e = DescribeAddress(address);
    if (e.fields.isEmpty()) {
        const QString values = BothValues(e.setting, program, other);
        return values.isEmpty() ? e.description : e.description + QStringLiteral(": ") + values;
    }
    QStringList parts;
    for (const BitField &f : e.fields) {
        if (!(bitMask & f.bits.Mask()))
            continue;
        QString part = BothValues(f.setting, program, other);
        if (part.isEmpty())
            part = FieldWithBits(f);
        else if (f.setting.name.isEmpty())
            part = f.name + QLatin1Char(' ') + part;
        // A turnout's number bits and position are one setting: it is told once.
        if (!parts.contains(part))
            parts << part;
    }
    return parts.isEmpty() ? e.description : e.description + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
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
            fields << FieldWithBits(f);
    return fields.isEmpty() ? e.description : e.description + QStringLiteral(": ") + fields.join(QStringLiteral("; "));
}

QString DescribeDifference(int address, const ImageBytes &program, const ImageBytes &other)
{
    if (address < 0 || address > LastTransferAddress)
        return {};
    return Describe(address, program[address] ^ other[address], Decoded(program), Decoded(other));
}

QStringList DescribeDifferences(const ImageBytes &program, const QList<ByteDifference> &differences)
{
    ImageBytes ours = program;
    ImageBytes theirs = program;
    for (const ByteDifference &d : differences)
        if (d.address >= 0 && d.address < ImageSize) {
            ours[d.address] = d.imageByte;
            theirs[d.address] = d.moduleByte;
        }
    const DecodedImage decodedOurs = Decoded(ours);
    const DecodedImage decodedTheirs = Decoded(theirs);
    QStringList texts;
    for (const ByteDifference &d : differences)
        texts << Describe(d.address, d.imageByte ^ d.moduleByte, decodedOurs, decodedTheirs);
    return texts;
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
