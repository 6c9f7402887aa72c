// SPDX-License-Identifier: GPL-3.0-or-later
// What the open layout says about command numbers, for the places that show a route's numbers: the route table's
// tooltips, the route editor and the printed sheet. Without a layout it is empty and they show bare numbers, as a
// single module's file can say nothing about the decoders around it.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace hx7 {

// A command number a route's follow-on signal can name: a module's n or n + 2 (its odd numbers).
struct FollowOnSignal {
    int number = 0;
    QString text; // "57: Odjezd Lhota, Zhlaví sudá"
};

struct CommandNames {
    // What serves number on the layout ("Odjezd Lhota, Zhlaví sudá", an other decoder's name); an empty text when
    // nothing on the layout does.
    std::function<QString(int number)> serving;
    std::vector<FollowOnSignal> followOns; // ascending

    bool Known() const { return bool(serving); } // a layout is open
};

} // namespace hx7
