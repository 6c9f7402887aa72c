// SPDX-License-Identifier: GPL-3.0-or-later
// Building frames and recognising replies.
#include "frames.h"

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

std::optional<VersionReply> MatchVersionReply(const QByteArray &rx)
{
    if (rx.size() > 3 && rx[0] == 'N' && rx[3] == '*')
        return VersionReply{rx[1], ByteAt(rx, 2)};
    return std::nullopt;
}

std::optional<std::uint8_t> MatchReadReply(const QByteArray &rx)
{
    if (rx.size() > 1 && rx[1] == '*')
        return ByteAt(rx, 0);
    return std::nullopt;
}

bool MatchWriteAck(const QByteArray &rx)
{
    return rx.size() > 1 && rx[0] == 'Y' && rx[1] == '*';
}

std::optional<std::uint8_t> MatchSignalTableReply(const QByteArray &rx)
{
    if (rx.size() >= 3 && rx[2] == '*')
        return ByteAt(rx, 0);
    return std::nullopt;
}

} // namespace hx7
