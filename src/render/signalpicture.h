// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the main signal showing an aspect: five lamps top to bottom, yellow, green, red, white,
// yellow, read from the lamp pattern of the aspect's text. Drawn as vectors, so one drawing serves a 16 px
// list icon, a larger picture in a dialog and a printed sheet.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <array>
#include <optional>

namespace hx7 {

constexpr int LampCount = 5;
enum class LampState { Dark, Lit, Flashing };
using LampPattern = std::array<LampState, LampCount>;

// The lamps of aspect code 0..16; nothing for any other code.
std::optional<LampPattern> AspectLamps(int code);
// The colour of lamp 0..4 (top to bottom) when lit.
QColor LampColour(int lamp);

// Draws the signal head as large as fits into rect, centred. flashOn is the phase of the flashing lamps: lit
// when true, dark when false; their rays are drawn in both phases. A code without lamps draws an empty head
// with a question mark.
void PaintSignal(QPainter &painter, const QRectF &rect, int code, bool flashOn = true);
// Where PaintSignal puts the centre of lamp 0..4 in rect.
QPointF LampCentre(const QRectF &rect, int lamp);

// The picture on a transparent ground, size in device-independent pixels, drawn at dpr device pixels each.
QImage SignalImage(int code, QSize size, qreal dpr = 1, bool flashOn = true);
// An icon that draws itself anew at every size and device pixel ratio it is asked for.
QIcon SignalIcon(int code);

} // namespace hx7
