// The configuration in words, for "hx7ctl show": one "name: value" line per module option, a blank
// line, then the route table as the main window's grid shows it (cells separated by TAB).
#pragma once

#include "hx7_var1.h"

namespace hx7 {

QStringList ShowText(const SharedData &data);

} // namespace hx7
