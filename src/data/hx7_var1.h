// SPDX-License-Identifier: GPL-3.0-or-later
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

// Whether a and b hold the same first bytes (a file and a module read hold 0..248).
bool SameBytes(const ImageBytes &a, const ImageBytes &b, int bytes);

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

// The 17 aspect texts as written (context "hx7"); item k of every aspect list is aspect code k. The bracket
// holds the lamps from top to bottom, yellow, green, red, white, yellow, by the letters "ž z č b ž"; "*" after a
// letter makes that lamp flash, "-" is a dark lamp. The pictures read the lamps from these texts, never from a
// translation, which uses letters of its own. The blanks inside and at the end belong to the texts: they line
// up the lamp patterns.
constexpr int AspectCount = 17;
constexpr std::array<const char *, AspectCount> AspectSourceTexts = {
    QT_TRANSLATE_NOOP("hx7", "0:  [--č--]  STOP    ( posuv zakázán )"),
    QT_TRANSLATE_NOOP("hx7", "1:  [-z---]  VOLNO"),
    QT_TRANSLATE_NOOP("hx7", "2:  [ž----]  výstraha (příští náv. STUJ)"),
    QT_TRANSLATE_NOOP("hx7", "3:  [ž*----] volno (příští náv. 40kmh)"),
    QT_TRANSLATE_NOOP("hx7", "4:  [-z--ž] 40kmh (příští náv. VOLNO)"),
    QT_TRANSLATE_NOOP("hx7", "5:  [žzčbž] nedef. kod Qcod- rezerva"),
    QT_TRANSLATE_NOOP("hx7", "6:  [ž---ž] 40kmh (příští náv. STUJ)"),
    QT_TRANSLATE_NOOP("hx7", "7:  [ž*---ž] 40kmh (příští náv. 40kmh)"),
    QT_TRANSLATE_NOOP("hx7", "8:  [--čb*-] přivolávací návěst"),
    QT_TRANSLATE_NOOP("hx7", "9:  [---b-]   zabezpečený posun"),
    QT_TRANSLATE_NOOP("hx7", "10:[--čb-]  nezabezpečený posun"),
    QT_TRANSLATE_NOOP("hx7", "11:[-z-b-]  opakovací navěst "),
    QT_TRANSLATE_NOOP("hx7", "12:[ž--b-]  opakovací navěst "),
    QT_TRANSLATE_NOOP("hx7", "13:[-----]  nic, zhasnuto "),
    QT_TRANSLATE_NOOP("hx7", "14:[ž*--b-]  opakovací navěst "),
    QT_TRANSLATE_NOOP("hx7", "15:[ž--bž]  opakovací navěst "),
    QT_TRANSLATE_NOOP("hx7", "16:[ž*--bž]  opakovací navěst "),
};
// The texts in the installed language.
const QStringList &AspectTexts();

// "Could not write" warning shared by every file this program writes.
QString WriteErrorText(const QString &path);

// Everything the windows share for the whole run.
struct SharedData {
    ImageBytes ConfigImage{};
    hx7::RouteTable RouteTable{};
};

} // namespace hx7
