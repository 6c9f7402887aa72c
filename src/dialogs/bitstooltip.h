// SPDX-License-Identifier: GPL-3.0-or-later
// The lines by which the editing dialogs' tooltips name the image bits a control edits, from the byte map.
#pragma once

#include "moduleoptions.h"

#include <QStringList>

class QWidget;

namespace hx7 {

// "bajt 0x05, bit 2: motorový přestavník (0 = ano)": the bits a control edits, named as the map names them;
// f.byte is an image address, or with slot the image index of a route slot, f.byte the offset within it.
// A route's bytes are named without their route: the window that shows the line is about that route.
QString BitsLine(BitRange f, int slot = 0);
// Puts these lines under the tooltip the widget had before the first call; a later call replaces them.
// Empty lines are left out.
void SetBitsToolTip(QWidget *widget, const QStringList &lines);

} // namespace hx7
