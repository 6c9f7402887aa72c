// The configuration text file: a header and one "AAAA:VV" record per image byte, CR LF line ends.
#pragma once

#include "hx7_var1.h"

#include <QByteArrayView>
#include <QString>

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

struct LoadOutcome {
    enum Status {
        Loaded,        // the image changed; the routes need decoding
        NothingToLoad, // no records after the header: nothing changed, nothing to say
        Refused,       // nothing changed; message says why
    } status = Refused;
    QString message;
};

// Checks the whole file before the image changes: a refused file changes no byte.
LoadOutcome LoadConfigText(const QString &path, ImageBytes &image);
LoadOutcome ParseConfigText(const QByteArray &content, const QString &path, ImageBytes &image);

// "Could not write" warning shared by every file this program writes.
QString WriteErrorText(const QString &path);

} // namespace hx7
