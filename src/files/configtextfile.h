// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration text file: a header and one "AAAA:VV" record per image byte, CR LF line ends.
#pragma once

#include "hx7_var1.h"

#include <QByteArrayView>
#include <QString>
#include <bitset>

namespace hx7 {

// The count lowest hex digits of value, upper case, zero padded; higher digits are dropped.
QString HexDigits(int value, int count);
// Hex digits (either case) accumulate, everything else is skipped; wraps modulo 2^32, no digits give 0.
int HexValue(QByteArrayView text);

// A save covers what a module read brings in: bytes 0..248, routes 17..24 included.
constexpr int SavedByteCount = LastTransferAddress + 1;

QByteArray ConfigTextContent(const ImageBytes &image);

// Writes the file all or nothing; on failure the old file is untouched and error holds the message.
bool SaveConfigText(const QString &path, const ImageBytes &image, QString *error);

// Which of the configuration bytes 0..511 a file gave a record for.
using HeldAddresses = std::bitset<ModuleBytes>;

struct LoadOutcome {
    enum Status {
        Loaded,        // the image changed; the routes need decoding
        NothingToLoad, // no records after the header: nothing changed, nothing to say
        Refused,       // nothing changed; message says why
    } status = Refused;
    QString message;
    // Set when Loaded. Files of older versions hold only bytes 0..191, so whoever sends or shows the
    // image must know which bytes came from the file and which were there before.
    HeldAddresses held{};
};

// Checks the whole file before the image changes: a refused file changes no byte. Bytes the file
// does not list keep their value.
LoadOutcome LoadConfigText(const QString &path, ImageBytes &image);
LoadOutcome ParseConfigText(const QByteArray &content, const QString &path, ImageBytes &image);

} // namespace hx7
