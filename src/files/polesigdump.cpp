// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the signal-table dump.
#include "polesigdump.h"

#include "savefile.h"

namespace hx7 {

QByteArray PoleSigDumpText(const ImageBytes &image)
{
    QByteArray out;
    for (int at = 0; at < PoleSigBytes; at += 4) {
        const QByteArrayView bytes(image.data() + PoleSigBase + at, 4);
        out += QByteArray::number(at) + ": " + bytes.toByteArray().toHex(' ').toUpper() + "\r\n";
    }
    return out;
}

bool WritePoleSigDump(const QString &path, const ImageBytes &image)
{
    return SaveWhole(path, PoleSigDumpText(image));
}

} // namespace hx7
