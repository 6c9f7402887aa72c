// SPDX-License-Identifier: GPL-3.0-or-later
// A small layout in memory for the layout's windows, editor and print: two modules, two other decoders, an overlap,
// a route naming a turnout nothing serves, a planned module and a module whose file is broken.
#pragma once

#include "layoutplan.h"
#include "routecodec.h"

namespace hx7::sample {

inline LayoutEntry Entry(const char *id, const char *name, const char *place, int addressCode,
                         const RouteTable &routes = {})
{
    LayoutEntry e;
    e.id = QString::fromUtf8(id);
    e.name = QString::fromUtf8(name);
    e.place = QString::fromUtf8(place);
    InitConfigImage(e.image);
    e.image[AddressCodeByte] = std::uint8_t(addressCode);
    EncodeRoutes(routes, e.image.data());
    e.held.set();
    return e;
}

inline RouteRecord Route(std::array<int, TurnoutsPerRoute> turnouts, int speedCode)
{
    RouteRecord r;
    r.TurnoutNumber = turnouts;
    r.SpeedCode = speedCode;
    return r;
}

// "Odjezd Lhota" (address code 15: 57..60), route 1: turnouts 57 and 999, follow-on signal 61 (speed code 32);
// "Vjezd Lhota", planned (16: 61..64), route 2: turnout 57; "Točna" 63..70 and "Brána" 70..72, both other decoders;
// "Rozbitý", a broken file.
inline Layout Lhota()
{
    Layout layout;
    layout.name = QStringLiteral("Stanice Lhota");
    RouteTable odjezd{}, vjezd{};
    odjezd[0] = Route({57, 999}, 32);
    vjezd[1] = Route({57}, 1);
    layout.entries.push_back(Entry("odjezd", "Odjezd Lhota", "Zhlaví sudá", 15, odjezd));
    LayoutEntry broken = Entry("rozbity", "Rozbitý", "", 20);
    broken.state = LayoutEntry::BadFile;
    broken.problem = QStringLiteral("Neznámý format dat !rozbity.txt");
    layout.entries.push_back(broken);
    layout.entries.push_back(Entry("vjezd", "Vjezd Lhota", "", 16, vjezd));
    layout.entries.back().planned = true;
    layout.others.push_back({63, 70, QStringLiteral("Točna")});
    layout.others.push_back({70, 72, QStringLiteral("Brána")});
    return layout;
}

} // namespace hx7::sample
