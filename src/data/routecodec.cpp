// SPDX-License-Identifier: GPL-3.0-or-later
// Packing of the signal routes into the image, bit for bit as the module firmware reads them.
#include "routecodec.h"

#include <QCoreApplication>
#include <algorithm>

namespace hx7 {

namespace {

int StoredNumber(int turnoutNumber)
{
    return turnoutNumber == 0 ? 0 : (turnoutNumber + 3) & 0x3FF;
}

} // namespace

void DecodeRoutes(const std::uint8_t *image, RouteTable &table)
{
    for (int i = 0; i < RouteCount; ++i) {
        const std::uint8_t *slot = image + RouteSlotOffset(i);
        RouteRecord &r = table[i];
        r.SpeedCode = ReadBits(slot, SpeedCodeBits);
        r.RepeatFlag = static_cast<std::uint8_t>(ReadBits(slot, RepeatFlagBits));
        for (int t = 0; t < TurnoutsPerRoute; ++t) {
            // A 7-byte slot has no turnouts 5 and 6: the next route's bytes must not show up here.
            const bool stored = t < SlotTurnouts(i);
            const TurnoutBits b = TurnoutSlotBits(t);
            r.TurnoutNumber[t] = stored ? 8 * ReadBits(slot, b.high) + ReadBits(slot, b.low) - 3 : -3;
            r.Position[t] = stored ? ReadBits(slot, b.position) : 0;
        }
    }
}

void EncodeRoutes(const RouteTable &table, std::uint8_t *image)
{
    for (int i = 0; i < RouteCount; ++i) {
        std::uint8_t *slot = image + RouteSlotOffset(i);
        const RouteRecord &r = table[i];
        // Every bit of the slot is written; the bits no field owns are 0.
        std::fill(slot, image + RouteSlotOffset(i + 1), std::uint8_t{0});
        WriteBits(slot, SpeedCodeBits, r.SpeedCode);
        WriteBits(slot, RepeatFlagBits, r.RepeatFlag != 0 ? 1 : 0);
        for (int t = 0; t < SlotTurnouts(i); ++t) {
            const int s = StoredNumber(r.TurnoutNumber[t]);
            const TurnoutBits b = TurnoutSlotBits(t);
            WriteBits(slot, b.high, s >> 3);
            WriteBits(slot, b.low, s);
            WriteBits(slot, b.position, r.Position[t]);
        }
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
    const int signal = i < LongSlotRoutes ? i / 8 : 2 + (i - LongSlotRoutes) / 4;
    QStringList cells;
    cells << QString::number(i + 1) << QCoreApplication::translate("hx7", "NAV%1").arg(SignalNames[signal]);
    for (int t = 0; t < TurnoutsPerRoute; ++t) {
        if (t >= SlotTurnouts(i))
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
