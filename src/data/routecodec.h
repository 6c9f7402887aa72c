// SPDX-License-Identifier: GPL-3.0-or-later
// The 24 signal routes: their unpacked form, where each lies in the image, and the two conversions.
#pragma once

#include "moduleoptions.h"

#include <QStringList>
#include <array>
#include <cstdint>

namespace hx7 {

constexpr int RouteCount = 24;
constexpr int TurnoutsPerRoute = 6;
constexpr int LongSlotRoutes = 16; // routes 1..16 have six turnouts, 17..24 only four
constexpr int RouteAreaBegin = 32;

struct RouteRecord {
    std::array<int, TurnoutsPerRoute> Position{};      // 0 straight, 1 diverging; only bit 0 is stored
    std::array<int, TurnoutsPerRoute> TurnoutNumber{}; // 1..1020 in use; 0 or less unused
    int SpeedCode = 0;                                 // 0 inactive, 1 stop, k >= 2: signal 2k - 3
    std::uint8_t RepeatFlag = 0;

    bool operator==(const RouteRecord &) const = default;
};

using RouteTable = std::array<RouteRecord, RouteCount>;

// Image index of route i's first byte, i in 0..24 (24 gives 248, the end of the route area).
constexpr int RouteSlotOffset(int i)
{
    return i < LongSlotRoutes ? 10 * i + 32 : 7 * i + 80;
}
constexpr int RouteAreaEnd = RouteSlotOffset(RouteCount);
constexpr int SlotTurnouts(int i)
{
    return i < LongSlotRoutes ? TurnoutsPerRoute : 4;
}

// The fields of a slot, as offsets within it. A turnout is stored as s = its number + 3, ten bits: bits 3-9
// in a high byte of its own, bits 0-2 and the position in a byte it shares with the other turnout of its
// pair (1-2, 3-4, 5-6). A pair takes three bytes: high byte, shared byte, high byte.
constexpr BitRange SpeedCodeBits{0};        // the whole first byte
constexpr BitRange RepeatFlagBits{1, 7, 7}; // lent by turnout 1's high byte; the other high bytes leave bit 7 at 0
struct TurnoutBits {
    BitRange high, low, position;
};
constexpr TurnoutBits TurnoutSlotBits(int t)
{
    const int shared = 3 * (t / 2) + 2;
    if (t % 2 == 0)
        return {{shared - 1, 0, 6}, {shared, 0, 2}, {shared, 3, 3}};
    return {{shared + 1, 0, 6}, {shared, 4, 6}, {shared, 7, 7}};
}

// Both work on a whole configuration image (at least RouteAreaEnd bytes).
void DecodeRoutes(const std::uint8_t *image, RouteTable &table);
void EncodeRoutes(const RouteTable &table, std::uint8_t *image);

// The route grid as the main window shows it: header and the nine cells of route i (0..23).
const QStringList &RouteGridHeader();
QStringList RouteGridRow(int i, const RouteRecord &route);

} // namespace hx7
