// SPDX-License-Identifier: GPL-3.0-or-later
// What the printed pages share: they are laid out in tenths of a millimetre, with type sizes in points, and in
// the same few inks, so that the layout's chart and the module's sheet read as one document.
#pragma once

#include <QColor>

namespace hx7::page {

constexpr qreal Mm = 10;
constexpr qreal Pt(qreal points)
{
    return points * 25.4 / 72 * Mm;
}

inline const QColor Ink(Qt::black);
inline const QColor Grey(0x80, 0x80, 0x80);
inline const QColor Rule(0xB0, 0xB0, 0xB0);

} // namespace hx7::page
