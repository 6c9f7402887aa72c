// Writing the signal-table dump.
#include "polesigdump.h"

#include "configtextfile.h"
#include "savefile.h"

namespace hx7 {

QByteArray PoleSigDumpText(const ImageBytes &image)
{
    QByteArray out;
    for (int line = 0; line < PoleSigBytes / 4; ++line) {
        out += QByteArray::number(4 * line) + ": ";
        for (int k = 0; k < 4; ++k) {
            if (k > 0)
                out += ' ';
            out += HexDigits(image[PoleSigBase + 4 * line + k], 2).toLatin1();
        }
        out += "\r\n";
    }
    return out;
}

bool WritePoleSigDump(const QString &path, const ImageBytes &image)
{
    return SaveWhole(path, PoleSigDumpText(image));
}

} // namespace hx7
