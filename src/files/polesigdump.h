// SPDX-License-Identifier: GPL-3.0-or-later
// The developer's dump of the module's signal table, "poleSIG.txt".
#pragma once

#include "hx7_var1.h"

namespace hx7 {

// 32 lines "N: XX XX XX XX" (N the address of the first byte), CR LF each.
QByteArray PoleSigDumpText(const ImageBytes &image);
// Writes the dump all or nothing; false when the file could not be written.
bool WritePoleSigDump(const QString &path, const ImageBytes &image);

} // namespace hx7
