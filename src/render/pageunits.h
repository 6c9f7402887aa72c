// SPDX-License-Identifier: GPL-3.0-or-later
// What the printed pages share: they are laid out in tenths of a millimetre, with type sizes in points, and in
// the same few inks, so that the layout's chart and the module's sheet read as one document.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace hx7::page {

constexpr qreal Mm = 10;
constexpr qreal Pt(qreal points)
{
    return points * 25.4 / 72 * Mm;
}

inline const QColor Ink(Qt::black);
inline const QColor Grey(0x80, 0x80, 0x80);
inline const QColor Rule(0xB0, 0xB0, 0xB0);

// The pages' one typeface, in a size of points.
inline void SetFont(QPainter &painter, qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(Pt(points)));
    font.setBold(bold);
    painter.setFont(font);
}
// The distance from one line of the painter's font to the next.
inline qreal LineHeight(const QPainter &painter)
{
    return painter.fontMetrics().height() * 1.15;
}

} // namespace hx7::page
