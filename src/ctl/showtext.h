// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration in words, for "hx7ctl show": one "name: value" line per module option, a blank
// line, then the route table as the main window's grid shows it (cells separated by TAB).
#pragma once

#include "configtextfile.h"

namespace hx7 {

// An option whose byte, or a route whose slot, is not all in held reads "není v souboru".
QStringList ShowText(const SharedData &data, const HeldAddresses &held);

} // namespace hx7
