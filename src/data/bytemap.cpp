// SPDX-License-Identifier: GPL-3.0-or-later
// The byte map of the configuration image, written from the image layout and the route slot codec.
#include "bytemap.h"

#include "optiontext.h"

#include <QCoreApplication>
#include <algorithm>

namespace hx7 {

namespace {

ByteMapEntry Entry(int address, const QString &description, QList<BitField> fields = {}, Setting setting = {})
{
    return {address, address, description, 0, std::move(fields), std::move(setting)};
}

// Bits first..last of byte, which nothing interprets.
BitField Unused(int byte, int first, int last)
{
    return {{byte, first, last}, QCoreApplication::translate("hx7", "nevyužito")};
}
BitField UnusedAbove(BitRange f)
{
    return Unused(f.byte, f.lastBit + 1, 7);
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

// Option index of the table as the dialog that edits it shows it, and that the module ignores it.
Setting OptionSetting(const OptionField &f, int index)
{
    const QString name = f.mapSetting ? QCoreApplication::translate("hx7", f.mapSetting) : QString();
    return {name, [&f, index](const DecodedImage &d) {
                return WithRemark(OptionValueText(f, d.options, index, OptionWording::Map),
                                  IgnoredRemark(f, d.options, index));
            }};
}

BitField OptionBits(const OptionField &f, int index)
{
    BitRange bits = f.bits(index);
    // A name that says itself that 0 means yes needs no "platí při 0" beside it.
    if (f.zeroInName)
        bits.activeAtZero = false;
    return {bits, OptionMapName(f, index), OptionSetting(f, index)};
}

// The fields of byte in bit order, with the bits nobody owns between and above them.
QList<BitField> InBitOrder(int byte, QList<BitField> fields)
{
    std::stable_sort(fields.begin(), fields.end(),
                     [](const BitField &a, const BitField &b) { return a.bits.firstBit < b.bits.firstBit; });
    QList<BitField> all;
    int next = 0;
    for (const BitField &f : std::as_const(fields)) {
        if (f.bits.firstBit > next)
            all << Unused(byte, next, f.bits.firstBit - 1);
        all << f;
        next = f.bits.lastBit + 1;
    }
    if (next < 8)
        all << Unused(byte, next, 7);
    return all;
}

// A byte of bytes 4..24 as the option table lays it out: one field, or several named by their section.
ByteMapEntry OptionByte(int byte)
{
    QList<BitField> fields;
    OptionSection section{};
    for (const OptionField &f : OptionTable())
        for (int i = 0; f.set && i < f.count; ++i)
            if (f.bits(i).byte == byte) {
                section = fields.isEmpty() ? f.section : section;
                fields << OptionBits(f, i);
            }
    if (fields.isEmpty())
        return Entry(byte, QCoreApplication::translate("hx7", "nevyužito (jen se přenáší)"));
    if (fields.size() == 1 && fields[0].bits.Mask() == 0xFF)
        return Entry(byte, fields[0].name, {}, fields[0].setting);
    return Entry(byte, SectionByteName(section), InBitOrder(byte, fields));
}

QList<ByteMapEntry> BuildMap()
{
    QList<ByteMapEntry> map;
    map << ByteMapEntry{0, AddressCodeByte - 1, QCoreApplication::translate("hx7", "nevyužito (jen se přenáší)")};
    for (int b = AddressCodeByte; b <= InputOptionsByte; ++b)
        map << OptionByte(b);
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
