// Building frames and recognising replies.
#include "frames.h"

namespace hx7 {

namespace {

QByteArray Frame(char command, int a2, int a3, int a4, int a5)
{
    QByteArray f(FrameSize, '\0');
    f[0] = '@';
    f[1] = command;
    f[2] = static_cast<char>(a2 & 0xFF);
    f[3] = static_cast<char>(a3 & 0xFF);
    f[4] = static_cast<char>(a4 & 0xFF);
    f[5] = static_cast<char>(a5 & 0xFF);
    f[6] = '*';
    return f;
}

constexpr int Fill = '0';

std::uint8_t At(const QByteArray &rx, int i)
{
    return static_cast<std::uint8_t>(rx[i]);
}

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
    static const QByteArray frame("\x40\x52\x04\x30\x30\x30\x2A", FrameSize);
    return frame;
}

std::optional<VersionReply> MatchVersionReply(const QByteArray &rx)
{
    if (rx.size() > 3 && rx[0] == 'N' && rx[3] == '*')
        return VersionReply{rx[1], At(rx, 2)};
    return std::nullopt;
}

std::optional<std::uint8_t> MatchReadReply(const QByteArray &rx)
{
    if (rx.size() > 1 && rx[1] == '*')
        return At(rx, 0);
    return std::nullopt;
}

bool MatchWriteAck(const QByteArray &rx)
{
    return rx.size() > 1 && rx[0] == 'Y' && rx[1] == '*';
}

std::optional<std::uint8_t> MatchSignalTableReply(const QByteArray &rx)
{
    if (rx.size() >= 3 && rx[2] == '*')
        return At(rx, 0);
    return std::nullopt;
}

} // namespace hx7
