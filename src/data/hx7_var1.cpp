// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up contents of the configuration image and the aspect texts shared by every dialog.
#include "hx7_var1.h"

#include <QCoreApplication>
#include <algorithm>

namespace hx7 {

void InitConfigImage(ImageBytes &image)
{
    std::fill(image.begin(), image.begin() + 256, std::uint8_t{0});
    std::copy(ConfigDefaults.begin(), ConfigDefaults.end(), image.begin() + AddressCodeByte);
}

QString WriteErrorText(const QString &path)
{
    return QCoreApplication::translate("hx7", "Chyba zápisu souboru  dat%1").arg(path);
}

const QStringList &AspectTexts()
{
    // Built on the first call, which comes after main() has installed the translator.
    static const QStringList texts = [] {
        QStringList t;
        for (const char *source : AspectSourceTexts)
            t << QCoreApplication::translate("hx7", source);
        return t;
    }();
    return texts;
}

bool SameBytes(const ImageBytes &a, const ImageBytes &b, int bytes)
{
    return std::equal(a.begin(), a.begin() + bytes, b.begin());
}

} // namespace hx7
