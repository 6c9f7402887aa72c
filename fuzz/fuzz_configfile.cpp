// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a configuration file: the load never writes outside the image, never crashes, and a
// file it refuses changes no byte.
#include "configtextfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    hx7::ImageBytes image;
    for (int i = 0; i < hx7::ImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7);
    const hx7::ImageBytes before = image;
    const hx7::LoadOutcome outcome = hx7::ParseConfigText(content, QStringLiteral("f.txt"), image);
    if (outcome.status != hx7::LoadOutcome::Loaded && image != before)
        std::abort();
    for (int i = hx7::ModuleBytes; i < hx7::ImageSize; ++i) // the signal table is never part of a file
        if (image[i] != before[i])
            std::abort();
    return 0;
}
