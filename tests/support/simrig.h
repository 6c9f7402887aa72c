// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer controller on the real serial port against a running simulator, with the ticks
// paced by the replies (a waiting tick lasts only until bytes arrive, at most 40 ms).
#pragma once

#include "configtextfile.h"
#include "fakes.h"
#include "qtserialport.h"
#include "simprocess.h"
#include "transfercontroller.h"
#include "waitforbytes.h"

#include <QTemporaryDir>
#include <set>

namespace hx7test {

// A configuration file whose bytes differ from the simulator's factory memory almost everywhere.
inline QString WriteModuleFile(const QTemporaryDir &dir, hx7::ImageBytes &bytes)
{
    bytes = {};
    for (int i = 0; i < hx7::ModuleBytes; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 29 + 7) & 0xFF);
    bytes[hx7::AddressCodeByte] = 1;
    const QString path = dir.filePath(QStringLiteral("module.txt"));
    hx7::SaveConfigText(path, bytes, nullptr);
    return path;
}

// One tick as the timer would run it, except that a waiting tick lasts only until the reply is there (or,
// in the fast mode, which takes it between the ticks, until the controller has moved on), and a sending
// tick only until the line has been quiet for a few milliseconds.
// How long the line stays quiet after a reply before its tick comes: long enough that what a module sends
// close behind a reply (a second answer, a stray byte) is there by then even on a loaded machine, where the
// simulator may be kept waiting for a few milliseconds between two bytes; a real tick comes 100 ms apart.
constexpr int QuietAfterReplyMs = 8;
constexpr int SendingTickWaitMs = 20;

inline void PacedTick(hx7::SerialPort &port, hx7::SerialLink &link, hx7::TransferController &ctl)
{
    static const std::set<int> sending = {0, 14, 20, 25, 40, 50};
    const int state = ctl.TransferState();
    // The program receives bytes as they come (the port's handler), so what has come is in RxBuffer too.
    const std::function<qint64()> received = [&] { return port.bytesWaiting() + link.ReceivedSinceSend(); };
    // The length of the awaited reply: the tick comes once that much has come, however slowly, and the line
    // has been quiet for a moment (a timer's tick seldom falls between a reply and what follows it closely).
    const qint64 length = ctl.AwaitedReplyLength();
    const auto movedOn = [&] { return ctl.TransferState() != state && sending.count(ctl.TransferState()); };
    if (!sending.count(state)) {
        WaitForMoreBytes(port, length - 1, 40, movedOn, received);
        // The fast mode at the tick's pace takes the reply as it comes and leaves the next request to the tick:
        // that tick too comes after the quiet moment, as it would for the tick mode, whose tick takes the reply.
        // A real tick comes a whole tick after the request it answers, never close behind the reply.
        if (movedOn())
            WaitForReply(port, 0, {}, received, QuietAfterReplyMs);
        else if (received() >= length)
            WaitForReply(port, 0, movedOn, received, QuietAfterReplyMs);
    } else if (state != 0) {
        // A real sending tick comes a whole tick after the reply before it; here, what a module sends behind that
        // reply (a stray byte) gets a moment to come, even from a simulator kept waiting on a loaded machine, so
        // that the send drops it as the real tick's would.
        WaitForReply(port, SendingTickWaitMs, {}, received);
    }
    link.ReceiveStep();
    ctl.Tick();
}

struct SimRig {
    explicit SimRig(const QStringList &simArguments) : sim(simArguments), link(port, [this](int) { return sim.Device; })
    {
        hx7::InitConfigImage(data.ConfigImage);
        link.Open(1);
    }
    // Bytes are received as the port reports them, as the program does; the fast mode also takes replies
    // then, between the ticks.
    void SetFast(bool fast)
    {
        ctl.SetFastMode(fast);
        link.SetBytesArrivedHandler([this] {
            link.ReceiveStep();
            ctl.Advance();
        });
    }
    void Tick()
    {
        PacedTick(port, link, ctl);
        ++ticks;
    }
    int RunUntilIdle(int limit = 5000)
    {
        const int start = ticks;
        do {
            Tick();
        } while (!ctl.IsIdle() && ticks - start < limit);
        return ticks - start;
    }

    SimProcess sim;
    hx7::QtSerialPort port;
    hx7::SerialLink link;
    hx7::SharedData data;
    RecordingView view;
    hx7::TransferController ctl{data, link, view};
    int ticks = 0;
};

inline QStringList Args(std::initializer_list<const char *> args)
{
    QStringList out;
    for (const char *a : args)
        out << QString::fromLatin1(a);
    return out;
}

} // namespace hx7test
