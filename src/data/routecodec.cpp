// Packing of the signal routes into the image, bit for bit as the module firmware reads them.
#include "routecodec.h"

#include <QCoreApplication>

namespace hx7 {

namespace {

// Turnouts travel in pairs: two high bytes and one shared byte with both low parts and positions.
struct PairBytes {
    int high1, shared, high2;
};
constexpr PairBytes PairLayout[3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};

int StoredNumber(int turnoutNumber)
{
    return turnoutNumber == 0 ? 0 : (turnoutNumber + 3) & 0x3FF;
}

void DecodeTurnout(int high, int low3, int position, RouteRecord &r, int t)
{
    r.TurnoutNumber[t] = 8 * (high & 0x7F) + (low3 & 0x07) - 3;
    r.Position[t] = position;
}

} // namespace

void DecodeRoutes(const std::uint8_t *image, RouteTable &table)
{
    for (int i = 0; i < RouteCount; ++i) {
        const std::uint8_t *slot = image + RouteSlotOffset(i);
        RouteRecord &r = table[i];
        r.SpeedCode = slot[0];
        r.RepeatFlag = (slot[1] & 0x80) ? 1 : 0;
        const int pairs = i < LongSlotRoutes ? 3 : 2;
        for (int p = 0; p < 3; ++p) {
            if (p >= pairs) {
                // A 7-byte slot has no turnouts 5 and 6: the next route's bytes must not show up here.
                for (int t = 2 * p; t < 2 * p + 2; ++t) {
                    r.TurnoutNumber[t] = -3;
                    r.Position[t] = 0;
                }
                continue;
            }
            const PairBytes &b = PairLayout[p];
            const std::uint8_t shared = slot[b.shared];
            DecodeTurnout(slot[b.high1], shared, (shared >> 3) & 1, r, 2 * p);
            DecodeTurnout(slot[b.high2], shared >> 4, (shared >> 7) & 1, r, 2 * p + 1);
        }
    }
}

void EncodeRoutes(const RouteTable &table, std::uint8_t *image)
{
    for (int i = 0; i < RouteCount; ++i) {
        std::uint8_t *slot = image + RouteSlotOffset(i);
        const RouteRecord &r = table[i];
        slot[0] = static_cast<std::uint8_t>(r.SpeedCode & 0xFF);
        const int pairs = i < LongSlotRoutes ? 3 : 2;
        for (int p = 0; p < pairs; ++p) {
            const PairBytes &b = PairLayout[p];
            const int s1 = StoredNumber(r.TurnoutNumber[2 * p]);
            const int s2 = StoredNumber(r.TurnoutNumber[2 * p + 1]);
            slot[b.high1] = static_cast<std::uint8_t>(s1 >> 3);
            slot[b.high2] = static_cast<std::uint8_t>(s2 >> 3);
            const int low1 = (s1 & 7) + 8 * (r.Position[2 * p] & 1);
            const int low2 = (s2 & 7) + 8 * (r.Position[2 * p + 1] & 1);
            slot[b.shared] = static_cast<std::uint8_t>(low1 + 16 * low2);
        }
        if (r.RepeatFlag != 0)
            slot[1] |= 0x80;
    }
}

// The grid texts are looked up when the grid is built and refreshed, after main() has installed the
// translator; the turnout numbers, "x" and "---" are codes and stay as they are.
const QStringList &RouteGridHeader()
{
    static const QStringList header = [] {
        QStringList h{QCoreApplication::translate("hx7", "poř."), QCoreApplication::translate("hx7", "náv.")};
        for (int t = 1; t <= TurnoutsPerRoute; ++t)
            h << QCoreApplication::translate("hx7", "Vyh%1").arg(t);
        h << QCoreApplication::translate("hx7", "Následná návěsť");
        return h;
    }();
    return header;
}

QStringList RouteGridRow(int i, const RouteRecord &route)
{
    static const char *const signalNames[] = {"1A", "2A", "1B", "2B"};
    const int signal = i < 16 ? i / 8 : 2 + (i - 16) / 4;
    QStringList cells;
    cells << QString::number(i + 1)
          << QCoreApplication::translate("hx7", "NAV%1").arg(QLatin1String(signalNames[signal]));
    for (int t = 0; t < TurnoutsPerRoute; ++t) {
        if (i >= LongSlotRoutes && t >= 4)
            cells << QStringLiteral("x");
        else if (route.TurnoutNumber[t] <= 0)
            cells << QStringLiteral("---");
        else if (route.Position[t] == 0)
            cells << QCoreApplication::translate("hx7", "%1/ R").arg(route.TurnoutNumber[t]);
        else
            cells << QCoreApplication::translate("hx7", "%1/ O").arg(route.TurnoutNumber[t]);
    }
    const int k = route.SpeedCode;
    if (k == 0)
        cells << QCoreApplication::translate("hx7", "neaktivní def.");
    else if (k == 1)
        cells << QCoreApplication::translate("hx7", "STUJ");
    else if (route.RepeatFlag)
        cells << QCoreApplication::translate("hx7", "náv. povel č.%1 /OP").arg(2 * k - 3);
    else
        cells << QCoreApplication::translate("hx7", "náv. povel č.%1").arg(2 * k - 3);
    return cells;
}

} // namespace hx7
