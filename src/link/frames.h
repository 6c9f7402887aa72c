// SPDX-License-Identifier: GPL-3.0-or-later
// The 7-byte command frames ("@", letter, four argument bytes, "*") and the replies to them.
// Arguments travel as raw bytes (low 8 bits), never as text.
#pragma once

#include <QByteArray>
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

// What each frame kind draws from the module, in one place: its letter and the length of its reply. The
// controller, the recognisers below and the traffic log take the lengths from here; the simulator writes its
// replies as a module does, and a test holds them against this table.
enum class Exchange { Version, Read, Write, SignalTable, NoReply };
struct ExchangeRow {
    Exchange kind;
    char letter;     // the frame's second byte
    int replyLength; // the whole reply, its closing '*' included
};
inline constexpr ExchangeRow Exchanges[] = {
    {Exchange::Version, 'G', 4},     // "N", type, version, "*"
    {Exchange::Read, 'R', 2},        // data, "*"
    {Exchange::Write, 'W', 2},       // "Y*"
    {Exchange::SignalTable, 'S', 3}, // data, one byte more, "*"
};
// 0 for the frames that get no answer (restart, factory reset, the output tests).
constexpr int ReplyLength(Exchange kind)
{
    for (const ExchangeRow &row : Exchanges)
        if (row.kind == kind)
            return row.replyLength;
    return 0;
}
constexpr int LongestReply = 4;
// The kind of a frame, by its letter.
Exchange ExchangeOf(const QByteArray &frame);

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
