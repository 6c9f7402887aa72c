// The byte map of the configuration image, written from the image layout and the route slot codec.
#include "bytemap.h"

#include "hx7_var1.h"

#include <QCoreApplication>

namespace hx7 {

namespace {

const char *const SignalNames[4] = {"1A", "2A", "1B", "2B"};

ByteMapEntry Entry(int first, int last, const QString &description, QList<BitField> fields = {})
{
    return {first, last, description, 0, std::move(fields)};
}

// The bytes of route r's slot (10 bytes for routes 1..16, 7 for 17..24), after the slot codec's layout:
// turnouts go in pairs of a high byte, a shared byte (low bits and positions of both) and a high byte.
// A turnout is stored as its number + 3, ten bits: bits 3-9 fill bits 0-6 of its high byte, whose bit 7
// is the repeat flag in the slot's byte 1 and unused in the others; bits 0-2 lie in the shared byte.
void AddRoute(QList<ByteMapEntry> &map, int r)
{
    const int o = RouteSlotOffset(r - 1);
    const int size = RouteSlotOffset(r) - o;
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
    const QString unused = QCoreApplication::translate("hx7", "nevyužito");
    add(0, QCoreApplication::translate("hx7", "rychlost (neaktivní, STUJ, nebo návěst podle povelu)"));
    for (int pair = 0; 3 * pair + 1 < size; ++pair) {
        const int t1 = 2 * pair + 1, t2 = 2 * pair + 2;
        const QString high1 = QCoreApplication::translate("hx7", "číslo výhybky %1 (vyšší bity)").arg(t1);
        const QString high2 = QCoreApplication::translate("hx7", "číslo výhybky %1 (vyšší bity)").arg(t2);
        if (pair == 0)
            add(1, QCoreApplication::translate("hx7", "%1, opakovací znak").arg(high1),
                {{0, 6, highBits(t1)}, {7, 7, QCoreApplication::translate("hx7", "opakovací znak")}});
        else
            add(3 * pair + 1, high1, {{0, 6, highBits(t1)}, {7, 7, unused}});
        add(3 * pair + 2,
            QCoreApplication::translate("hx7", "výhybky %1 a %2 (nižší bity čísla, polohy)").arg(t1).arg(t2),
            {{0, 2, lowBits(t1)},
             {3, 3, QCoreApplication::translate("hx7", "poloha výhybky %1").arg(t1)},
             {4, 6, lowBits(t2)},
             {7, 7, QCoreApplication::translate("hx7", "poloha výhybky %1").arg(t2)}});
        add(3 * pair + 3, high2, {{0, 6, highBits(t2)}, {7, 7, unused}});
    }
}

QList<ByteMapEntry> BuildMap()
{
    QList<ByteMapEntry> map;
    map << Entry(0, AddressCodeByte - 1, QCoreApplication::translate("hx7", "nevyužito (jen se přenáší)"));
    map << Entry(AddressCodeByte, AddressCodeByte,
                 QCoreApplication::translate("hx7", "DCC adresa (kód adresy, 1. povel = 4 × kód − 3)"));
    map << Entry(OutputOptionsByte, OutputOptionsByte, QCoreApplication::translate("hx7", "Spínací výstupy"),
                 {{0, 0, QCoreApplication::translate("hx7", "typ znaku (1 = uživ. volitelné)")},
                  {1, 1, QCoreApplication::translate("hx7", "ochrana sepnutí obou výstupů")},
                  {2, 2, QCoreApplication::translate("hx7", "motorový přestavník (0 = ano)")},
                  {3, 3, QCoreApplication::translate("hx7", "ignorovat příkazy vypnutí výstupu")},
                  {4, 7, QCoreApplication::translate("hx7", "délka impulsu výhybek")}});
    QList<BitField> speeds;
    for (int s = 0; s < 4; ++s)
        speeds << BitField{
            2 * s, 2 * s + 1,
            QCoreApplication::translate("hx7", "následná rychlost náv. %1").arg(QLatin1String(SignalNames[s]))};
    map << Entry(FollowOnSpeedByte, FollowOnSpeedByte,
                 QCoreApplication::translate("hx7", "Následné rychlosti návěstidel"), speeds);
    map << Entry(SignalPairByte, SignalPairByte, QCoreApplication::translate("hx7", "Dvojice návěstidel (platí při 0)"),
                 {{0, 0, QCoreApplication::translate("hx7", "sloučení znaku náv. 1A 2A"), true},
                  {1, 1, QCoreApplication::translate("hx7", "sloučení znaku náv. 1B 2B"), true},
                  {2, 2, QCoreApplication::translate("hx7", "společná kolej náv. 1A+2A"), true},
                  {3, 3, QCoreApplication::translate("hx7", "společná kolej náv. 1B+2B"), true},
                  {4, 7, QCoreApplication::translate("hx7", "nevyužito")}});
    // Each signal's four aspects lie in the order A, D, C, B.
    const char aspectOrder[4] = {'A', 'D', 'C', 'B'};
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 4; ++k) {
            const int a = AspectTableByte + 4 * s + k;
            map << Entry(a, a,
                         QCoreApplication::translate("hx7", "Návěstidlo %1: znak %2")
                             .arg(QLatin1String(SignalNames[s]))
                             .arg(QLatin1Char(aspectOrder[k])));
        }
    QList<BitField> inputs;
    for (int s = 0; s < 4; ++s) {
        inputs << BitField{
            2 * s, 2 * s,
            QCoreApplication::translate("hx7", "AUT rušit znak náv. %1").arg(QLatin1String(SignalNames[s])), true};
        inputs << BitField{2 * s + 1, 2 * s + 1, QCoreApplication::translate("hx7", "AUT spínání rele %1").arg(s),
                           true};
    }
    map << Entry(InputOptionsByte, InputOptionsByte, QCoreApplication::translate("hx7", "Vstupy HX7S (platí při 0)"),
                 inputs);
    map << Entry(InputOptionsByte + 1, RouteAreaBegin - 1,
                 QCoreApplication::translate("hx7", "nevyužito (jen se přenáší)"));
    for (int r = 1; r <= RouteCount; ++r)
        AddRoute(map, r);
    map << Entry(RouteAreaEnd, LastTransferAddress,
                 QCoreApplication::translate("hx7", "nevyužito (přenáší se s cestami)"));
    return map;
}

// "bit 2", "bity 4-7"; empty for the whole byte.
QString BitsOnly(int firstBit, int lastBit)
{
    if (firstBit == 0 && lastBit == 7)
        return {};
    if (firstBit == lastBit)
        return QCoreApplication::translate("hx7", "bit %1").arg(firstBit);
    return QCoreApplication::translate("hx7", "bity %1-%2").arg(firstBit).arg(lastBit);
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
        if (bitMask & (((1 << (f.lastBit - f.firstBit + 1)) - 1) << f.firstBit))
            fields << f.name + QStringLiteral(" (") + BitsOnly(f.firstBit, f.lastBit) + QLatin1Char(')');
    return fields.isEmpty() ? e.description : e.description + QStringLiteral(": ") + fields.join(QStringLiteral("; "));
}

QString ActiveAtZeroText()
{
    return QCoreApplication::translate("hx7", "platí při 0");
}

QString BitsText(int address, int firstBit, int lastBit)
{
    const QString byte = QCoreApplication::translate("hx7", "bajt 0x%1").arg(address, 2, 16, QLatin1Char('0'));
    const QString bits = BitsOnly(firstBit, lastBit);
    return bits.isEmpty() ? byte : byte + QStringLiteral(", ") + bits;
}

} // namespace hx7
