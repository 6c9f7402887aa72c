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

std::optional<int> MatchReply(Exchange kind, const QByteArray &rx, qsizetype from)
{
    const ExchangeRow *row = RowOf(kind);
    if (!row || from < 0 || rx.size() - from < row->replyLength || rx[from + row->replyLength - 1] != '*')
        return std::nullopt;
    if (row->lead != 0 && rx[from] != row->lead)
        return std::nullopt;
    if (kind == Exchange::Version)
        return ByteAt(rx, from + 1) * 256 + ByteAt(rx, from + 2);
    return kind == Exchange::Write ? 0 : ByteAt(rx, from);
}

std::optional<VersionReply> MatchVersionReply(const QByteArray &rx)
{
    const auto v = MatchReply(Exchange::Version, rx);
    return v ? std::optional(VersionReply{static_cast<char>(*v >> 8), static_cast<std::uint8_t>(*v & 0xFF)})
             : std::nullopt;
}

std::optional<std::uint8_t> MatchReadReply(const QByteArray &rx)
{
    const auto d = MatchReply(Exchange::Read, rx);
    return d ? std::optional(static_cast<std::uint8_t>(*d)) : std::nullopt;
}

bool MatchWriteAck(const QByteArray &rx)
{
    return MatchReply(Exchange::Write, rx).has_value();
}

std::optional<std::uint8_t> MatchSignalTableReply(const QByteArray &rx)
{
    const auto d = MatchReply(Exchange::SignalTable, rx);
    return d ? std::optional(static_cast<std::uint8_t>(*d)) : std::nullopt;
}

} // namespace hx7
