// SPDX-License-Identifier: GPL-3.0-or-later
// The 7-byte command frames ("@", letter, four argument bytes, "*") and the replies to them.
// Arguments travel as raw bytes (low 8 bits), never as text.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>
#include <optional>

namespace hx7 {

constexpr int FrameSize = 7;

QByteArray VersionQueryFrame();               // "@G0000*"
QByteArray ReadFrame(int address);            // "@R" a "000*"
QByteArray WriteFrame(int address, int data); // "@W" a d a "0*"
QByteArray SignalTableFrame(int index);       // "@S" i "000*"
QByteArray ResetModuleFrame();                // "@XR000*"
QByteArray InitialiseConfigFrame();           // "@XI000*"
QByteArray SignalAspectFrame(int head, int aspect);
QByteArray TurnoutOutputFrame(int outputCode);
// The address check before a store: the read of byte 4.
QByteArray AddressCheckFrame();

// Output code of the turnout test: two codes per turnout, the odd one diverging.
constexpr int TurnoutOutputCode(int turnout, bool diverging)
{
    return 2 * (turnout - 1) + (diverging ? 1 : 0);
}

// The byte at i of a frame or a reply, as the unsigned value it carries.
inline std::uint8_t ByteAt(const QByteArray &bytes, qsizetype i)
{
    return static_cast<std::uint8_t>(bytes[i]);
}

// At 19200 baud, 10 bits a byte: how long a byte, and a whole frame, takes on the line. No answer to a frame
// can begin before the frame has gone out whole, so bytes heard sooner belong to something earlier.
constexpr qint64 ByteLineMicroseconds = 10 * 1'000'000LL / 19200;
constexpr qint64 FrameLineMicroseconds = FrameSize * ByteLineMicroseconds;

// What each frame kind draws from the module, in one place: its letter, the length of its reply and how the
// reply is told. The controller, the reply stream and the traffic log take them from here; the simulator writes
// its replies as a module does, and a test holds them against this table.
enum class Exchange { Version, Read, Write, SignalTable, NoReply };
struct ExchangeRow {
    Exchange kind;
    char letter;     // the frame's second byte
    int replyLength; // the whole reply, its closing '*' included
    char lead;       // the reply's first byte, where it is fixed (0: the data)
    // What the traffic monitor calls the frame and its reply (source texts): %1 the address, %2 the address's
    // name, %3 the data; in the reply, %1 the value.
    const char *sent;
    const char *answer;
};
inline constexpr ExchangeRow Exchanges[] = {
    // "N", type, version, "*"; the version's words depend on the type
    {Exchange::Version, 'G', 4, 'N', QT_TRANSLATE_NOOP("hx7", "dotaz na verzi"), nullptr},
    // data, "*"
    {Exchange::Read, 'R', 2, 0, QT_TRANSLATE_NOOP("hx7", "čtení %1%2"), QT_TRANSLATE_NOOP("hx7", "odpověď %1")},
    // "Y*"
    {Exchange::Write, 'W', 2, 'Y', QT_TRANSLATE_NOOP("hx7", "zápis %1 = %3%2"),
     QT_TRANSLATE_NOOP("hx7", "potvrzení zápisu")},
    // data, one byte more, "*"
    {Exchange::SignalTable, 'S', 3, 0, QT_TRANSLATE_NOOP("hx7", "čtení poleSIG %1"),
     QT_TRANSLATE_NOOP("hx7", "poleSIG %2 = %1")},
};
constexpr const ExchangeRow *RowOf(Exchange kind)
{
    for (const ExchangeRow &row : Exchanges)
        if (row.kind == kind)
            return &row;
    return nullptr;
}
// 0 for the frames that get no answer (restart, factory reset, the output tests).
constexpr int ReplyLength(Exchange kind)
{
    const ExchangeRow *row = RowOf(kind);
    return row ? row->replyLength : 0;
}
constexpr int LongestReply = 4;
// The kind of a frame, by its letter.
Exchange ExchangeOf(const QByteArray &frame);
// A whole reply of kind at the start of rx, as one value: the data byte (0 for the write's acknowledge), or the
// version query's type * 256 + version. Looks only at the start and consumes nothing.
std::optional<int> MatchReply(Exchange kind, const QByteArray &rx, qsizetype from = 0);

struct VersionReply {
    char type;
    std::uint8_t version;
};

// Each recogniser looks only at the start of the buffer and consumes nothing.
std::optional<VersionReply> MatchVersionReply(const QByteArray &rx);
std::optional<std::uint8_t> MatchReadReply(const QByteArray &rx);
bool MatchWriteAck(const QByteArray &rx);
std::optional<std::uint8_t> MatchSignalTableReply(const QByteArray &rx);

} // namespace hx7
