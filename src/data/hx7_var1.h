// The module's configuration memory as this program keeps it, and the data shared by every window.
#pragma once

#include "moduleoptions.h"
#include "routecodec.h"

#include <QStringList>
#include <array>
#include <cstdint>

namespace hx7 {

constexpr int ModuleBytes = 512;  // configuration memory, one byte per module address
constexpr int PoleSigBytes = 128; // signal table, kept right behind the configuration bytes
constexpr int PoleSigBase = ModuleBytes;
constexpr int ImageSize = ModuleBytes + PoleSigBytes;

constexpr int LastTransferAddress = 248; // a module read or verify covers 0..248

using ImageBytes = std::array<std::uint8_t, ImageSize>;

// Factory contents of image bytes 4..23.
constexpr std::array<std::uint8_t, 20> ConfigDefaults = {0x01, 0x3F, 0xFF, 0xFF, 0x00, 0x04, 0x08, 0x01, 0x00, 0x04,
                                                         0x08, 0x01, 0x00, 0x04, 0x08, 0x01, 0x00, 0x04, 0x08, 0x01};

// Zeroes bytes 0..255 and puts the defaults into 4..23; everything above 255 is left alone.
void InitConfigImage(ImageBytes &image);

// A decoder with address code b answers the four command numbers starting at 4b - 3.
constexpr int FirstCommandNumber(int addressCode)
{
    return 4 * addressCode - 3;
}
constexpr int AddressCodeFromCommand(int commandNumber)
{
    return commandNumber / 4 + 1;
}

// The 17 aspect texts; item k of every aspect list is aspect code k.
const QStringList &AspectTexts();

// Everything the windows share for the whole run.
struct SharedData {
    ImageBytes ConfigImage{};
    hx7::RouteTable RouteTable{};
};

} // namespace hx7
