// The byte map of the configuration image, written from the image layout and the route slot codec.
#include "bytemap.h"

#include "hx7_var1.h"

namespace hx7 {

namespace {

const char *const SignalNames[4] = {"1A", "2A", "1B", "2B"};

ByteMapEntry Entry(int first, int last, const QString &description, QList<BitField> fields = {})
{
    return {first, last, description, 0, std::move(fields)};
}

// The bytes of route r's slot (10 bytes for routes 1..16, 7 for 17..24), after the slot codec's layout:
// turnouts go in pairs of a high byte, a shared byte (low bits and positions of both) and a high byte.
void AddRoute(QList<ByteMapEntry> &map, int r)
{
    const int o = RouteSlotOffset(r - 1);
    const int size = RouteSlotOffset(r) - o;
    const QString route = QStringLiteral("Cesta %1: ").arg(r);
    auto add = [&](int k, const QString &text, QList<BitField> fields = {}) {
        map << ByteMapEntry{o + k, o + k, route + text, r, std::move(fields)};
    };
    add(0, QStringLiteral("rychlost (neaktivní, STUJ, nebo návěst podle povelu)"));
    for (int pair = 0; 3 * pair + 1 < size; ++pair) {
        const int t1 = 2 * pair + 1, t2 = 2 * pair + 2;
        const QString high1 = QStringLiteral("číslo výhybky %1 (vyšší bity)").arg(t1);
        const QString high2 = QStringLiteral("číslo výhybky %1 (vyšší bity)").arg(t2);
        if (pair == 0)
            add(1, high1 + QStringLiteral(", opakovací znak"),
                {{0, 6, high1}, {7, 7, QStringLiteral("opakovací znak")}});
        else
            add(3 * pair + 1, high1);
        add(3 * pair + 2, QStringLiteral("výhybky %1 a %2 (nižší bity čísla, polohy)").arg(t1).arg(t2),
            {{0, 2, QStringLiteral("číslo výhybky %1 (nižší bity)").arg(t1)},
             {3, 3, QStringLiteral("poloha výhybky %1").arg(t1)},
             {4, 6, QStringLiteral("číslo výhybky %1 (nižší bity)").arg(t2)},
             {7, 7, QStringLiteral("poloha výhybky %1").arg(t2)}});
        add(3 * pair + 3, high2);
    }
}

QList<ByteMapEntry> BuildMap()
{
    QList<ByteMapEntry> map;
    map << Entry(0, AddressCodeByte - 1, QStringLiteral("nevyužito (jen se přenáší)"));
    map << Entry(AddressCodeByte, AddressCodeByte, QStringLiteral("DCC adresa (kód adresy, 1. povel = 4 × kód − 3)"));
    map << Entry(OutputOptionsByte, OutputOptionsByte, QStringLiteral("Spínací výstupy"),
                 {{0, 0, QStringLiteral("typ znaku (1 = uživ. volitelné)")},
                  {1, 1, QStringLiteral("ochrana sepnutí obou výstupů")},
                  {2, 2, QStringLiteral("motorový přestavník (0 = ano)")},
                  {3, 3, QStringLiteral("ignorovat příkazy vypnutí výstupu")},
                  {4, 7, QStringLiteral("délka impulsu výhybek")}});
    QList<BitField> speeds;
    for (int s = 0; s < 4; ++s)
        speeds << BitField{2 * s, 2 * s + 1,
                           QStringLiteral("následná rychlost náv. %1").arg(QLatin1String(SignalNames[s]))};
    map << Entry(FollowOnSpeedByte, FollowOnSpeedByte, QStringLiteral("Následné rychlosti návěstidel"), speeds);
    map << Entry(SignalPairByte, SignalPairByte, QStringLiteral("Dvojice návěstidel (platí při 0)"),
                 {{0, 0, QStringLiteral("sloučení znaku náv. 1A 2A")},
                  {1, 1, QStringLiteral("sloučení znaku náv. 1B 2B")},
                  {2, 2, QStringLiteral("společná kolej náv. 1A+2A")},
                  {3, 3, QStringLiteral("společná kolej náv. 1B+2B")},
                  {4, 7, QStringLiteral("nevyužito")}});
    // Each signal's four aspects lie in the order A, D, C, B.
    const char aspectOrder[4] = {'A', 'D', 'C', 'B'};
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 4; ++k) {
            const int a = AspectTableByte + 4 * s + k;
            map << Entry(a, a,
                         QStringLiteral("Návěstidlo %1: znak %2")
                             .arg(QLatin1String(SignalNames[s]))
                             .arg(QLatin1Char(aspectOrder[k])));
        }
    QList<BitField> inputs;
    for (int s = 0; s < 4; ++s) {
        inputs << BitField{2 * s, 2 * s, QStringLiteral("AUT rušit znak náv. %1").arg(QLatin1String(SignalNames[s]))};
        inputs << BitField{2 * s + 1, 2 * s + 1, QStringLiteral("AUT spínání rele %1").arg(s)};
    }
    map << Entry(InputOptionsByte, InputOptionsByte, QStringLiteral("Vstupy HX7S (platí při 0)"), inputs);
    map << Entry(InputOptionsByte + 1, RouteAreaBegin - 1, QStringLiteral("nevyužito (jen se přenáší)"));
    for (int r = 1; r <= RouteCount; ++r)
        AddRoute(map, r);
    map << Entry(RouteAreaEnd, LastTransferAddress, QStringLiteral("nevyužito (přenáší se s cestami)"));
    return map;
}

} // namespace

const QList<ByteMapEntry> &ByteMap()
{
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

QString DescribeAddressInFull(int address)
{
    const ByteMapEntry &e = DescribeAddress(address);
    QStringList fields;
    for (const BitField &f : e.fields)
        fields << f.name + QStringLiteral(" (") +
                      BitsText(address, f.firstBit, f.lastBit).section(QLatin1String(", "), 1) + QLatin1Char(')');
    return fields.isEmpty() ? e.description : e.description + QStringLiteral(": ") + fields.join(QStringLiteral("; "));
}

QString BitsText(int address, int firstBit, int lastBit)
{
    QString text = QStringLiteral("bajt 0x%1").arg(address, 2, 16, QLatin1Char('0'));
    if (firstBit == 0 && lastBit == 7)
        return text;
    if (firstBit == lastBit)
        return text + QStringLiteral(", bit %1").arg(firstBit);
    return text + QStringLiteral(", bity %1-%2").arg(firstBit).arg(lastBit);
}

} // namespace hx7
