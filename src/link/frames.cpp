// SPDX-License-Identifier: GPL-3.0-or-later
// Building frames and recognising replies.
#include "frames.h"

#include <algorithm>

namespace hx7 {

namespace {

QByteArray Frame(char command, int a2, int a3, int a4, int a5)
{
    QByteArray f = QByteArray(1, '@') + command;
    for (const int argument : {a2, a3, a4, a5})
        f += static_cast<char>(argument & 0xFF);
    return f + '*';
}

constexpr int Fill = '0';

} // namespace

QByteArray VersionQueryFrame()
{
    return Frame('G', Fill, Fill, Fill, Fill);
}
QByteArray ReadFrame(int address)
{
    return Frame('R', address, Fill, Fill, Fill);
}
QByteArray WriteFrame(int address, int data)
{
    return Frame('W', address, data, address, Fill);
}
QByteArray SignalTableFrame(int index)
{
    return Frame('S', index, Fill, Fill, Fill);
}
QByteArray ResetModuleFrame()
{
    return Frame('X', 'R', Fill, Fill, Fill);
}
QByteArray InitialiseConfigFrame()
{
    return Frame('X', 'I', Fill, Fill, Fill);
}
QByteArray SignalAspectFrame(int head, int aspect)
{
    return Frame('N', head, aspect, 0, 0);
}
QByteArray TurnoutOutputFrame(int outputCode)
{
    return Frame('T', outputCode, 0, 0, 0);
}

QByteArray AddressCheckFrame()
{
    return ReadFrame(4);
}

static_assert(std::all_of(std::begin(Exchanges), std::end(Exchanges),
                          [](const ExchangeRow &row) { return row.replyLength <= LongestReply; }));

Exchange ExchangeOf(const QByteArray &frame)
{
    for (const ExchangeRow &row : Exchanges)
        if (frame.size() > 1 && frame[1] == row.letter)
            return row.kind;
    return Exchange::NoReply;
}

namespace {
// A reply of kind is complete at the start of rx: as long as the table says, closed by '*'.
bool Closed(const QByteArray &rx, Exchange kind)
{
    const int length = ReplyLength(kind);
    return rx.size() >= length && rx[length - 1] == '*';
}
} // namespace

std::optional<VersionReply> MatchVersionReply(const QByteArray &rx)
{
    if (Closed(rx, Exchange::Version) && rx[0] == 'N')
        return VersionReply{rx[1], ByteAt(rx, 2)};
    return std::nullopt;
}

std::optional<std::uint8_t> MatchReadReply(const QByteArray &rx)
{
    if (Closed(rx, Exchange::Read))
        return ByteAt(rx, 0);
    return std::nullopt;
}

bool MatchWriteAck(const QByteArray &rx)
{
    return Closed(rx, Exchange::Write) && rx[0] == 'Y';
}

std::optional<std::uint8_t> MatchSignalTableReply(const QByteArray &rx)
{
    if (Closed(rx, Exchange::SignalTable))
        return ByteAt(rx, 0);
    return std::nullopt;
}

} // namespace hx7
