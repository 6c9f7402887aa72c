// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer controller fed arbitrary bytes as the module's replies, in the tick mode or the fast mode
// (bytes taken as they arrive, between the ticks). After every step: the state is idle or one of the
// controller's resting states, CurrentAddress stays in its range, at most one frame went out and every
// frame is whole; the transfer asks for its bytes in order with at most three attempts each, the image
// changes only when a read completes, and once idle the controller says how it ended, exactly once.
#include "fakes.h"
#include "frames.h"
#include "timedmodule.h"
#include "transfercontroller.h"
#include "transferwords.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using hx7::OutcomeSourceText;
using hx7::TransferController;
using hx7::TransferOutcome;

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// The values TransferState holds between steps; the one past each waiting group is reached only inside a tick.
bool Resting(int state)
{
    using C = TransferController;
    const auto waiting = [state](int first, int ticks) { return state >= first && state < first + ticks; };
    return state == C::Idle || state == C::ReadSend || state == C::AddressCheckSend || state == C::WriteSend ||
           state == C::OneShotSend || state == C::SignalTableSend || waiting(C::VersionWait, 2) ||
           waiting(C::ReadWait, 3) || waiting(C::AddressWait, 3) || waiting(C::WriteWait, 3) ||
           waiting(C::SignalTableWait, 3);
}

enum Op { Read, Verify, Store, PoleSig, Version, OneShot };

struct Run {
    hx7::SharedData shared;
    hx7test::FakeSerialPort port;
    hx7::SerialLink link{port, [](int) { return QStringLiteral("COM1"); }};
    hx7test::RecordingView view;
    TransferController ctl{shared, link, view};
    hx7::ImageBytes initial{};

    Op op = Read;
    char letter = 0;                    // the command of the frames that carry the transfer's bytes
    int low = 0, end = -1;              // its address range, inclusive; end -1: no range
    int imageFirst = 0, imageLast = -1; // the image bytes a completed read may change
    qsizetype seen = 0;                 // frames checked so far
    int highest = -1;                   // the highest address asked for so far
    std::array<int, 256> asked{};       // frames per address
    bool restarted = false;
    int pass = 1;
    bool ended = false;

    bool Completed() const { return end >= 0 && ctl.CurrentAddress() > end; }

    void CheckNewFrames()
    {
        for (; seen < port.Written.size(); ++seen) {
            const QByteArray &f = port.Written[seen];
            Check(f.size() == hx7::FrameSize && f.front() == '@' && f.back() == '*');
            if (f == hx7::ResetModuleFrame())
                Check(op == Store && ctl.ResetAfterStore() && Completed() && seen == port.Written.size() - 1);
            if (letter == 0 || f[1] != letter)
                continue;
            // In order, each byte with its three attempts, except that a pass the line has misled starts again
            // from its first byte, once; misled after its last reply, it asks for the last byte again first. A
            // fast read's confirmation is a second pass like the first; the bytes whose readings differ are asked
            // once more, in order.
            const int address = static_cast<std::uint8_t>(f[2]);
            if (ctl.Pass() != pass) {
                Check(ctl.Pass() == pass + 1 && ctl.FastMode());
                pass = ctl.Pass();
                restarted = false;
                highest = -1;
                asked = {};
            }
            if (highest >= 0 && address == low && !restarted && (address != highest || asked[low] >= 3)) {
                restarted = true;
                highest = -1;
                asked = {};
            }
            if (pass == 3)
                Check(address >= highest);
            else if (highest < 0)
                Check(address == low);
            else
                Check(address == highest || address == highest + 1);
            highest = std::max(highest, address);
            Check(++asked[address] <= (address == end ? 6 : 3));
            Check(address <= end);
        }
    }

    // How the transfer ended, as the user learns it: one box, or none where success says nothing.
    void CheckEnding() const
    {
        using hx7test::Message;
        const Message readError{QStringLiteral("warning"), OutcomeSourceText(TransferOutcome::ReadFailed)};
        const QList<Message> &m = view.Messages;
        // One outcome per transfer, a success exactly when every byte came.
        if (op == Read || op == Verify || op == Store || op == PoleSig)
            Check(view.Outcomes.size() == 1 && hx7::IsFailure(view.Outcomes[0]) == !Completed());
        switch (op) {
        case Read:
            Check(Completed() ? m.isEmpty() && view.Refreshes == 1 : m == QList<Message>{readError});
            break;
        case Verify:
            if (Completed())
                Check(m.size() == 1 &&
                      m[0].text == (ctl.VerifyEqual() ? OutcomeSourceText(TransferOutcome::Equal)
                                                      : OutcomeSourceText(TransferOutcome::Different)));
            else
                Check(m == QList<Message>{readError});
            break;
        case PoleSig:
            Check(Completed() ? m.isEmpty() : m == QList<Message>{readError});
            break;
        case Store:
            if (Completed())
                Check(std::all_of(m.begin(), m.end(), [](const Message &x) { return x.kind == "confirm"; }));
            else
                Check(!m.isEmpty() && (m.last().kind == "confirm"
                                           ? !view.ConfirmAnswer
                                           : m.last().text == OutcomeSourceText(TransferOutcome::CommFailed) ||
                                                 m.last().text == OutcomeSourceText(TransferOutcome::StoreFailed)));
            Check((port.Written.last() == hx7::ResetModuleFrame()) == (Completed() && ctl.ResetAfterStore()));
            break;
        default:
            break;
        }
    }

    // One receive step, then a tick or (the fast mode's bytes arriving) an advance.
    void Step(bool tick)
    {
        const qsizetype frames = port.Written.size();
        const qsizetype messages = view.Messages.size();
        link.ReceiveStep();
        tick ? ctl.Tick() : ctl.Advance();
        Check(Resting(ctl.TransferState()));
        Check(port.Written.size() - frames <= 1);
        if (ended)
            Check(port.Written.size() == frames && view.Messages.size() == messages);
        CheckNewFrames();
        if (end >= 0)
            Check(ctl.CurrentAddress() >= low && ctl.CurrentAddress() <= end + 1);
        // A read that has not completed, or has failed, leaves the image as it was.
        if (!ctl.IsIdle() || !Completed()) {
            Check(shared.ConfigImage == initial);
        } else {
            for (int a = 0; a < hx7::ImageSize; ++a)
                Check((a >= imageFirst && a <= imageLast) || shared.ConfigImage[a] == initial[a]);
        }
        if (ctl.IsIdle() && !ended) {
            ended = true;
            CheckEnding();
        }
    }
};

} // namespace

// Differential: one scripted module, both modes. Bytes: [0] bits 0-4 how late the program looks at most (up
// to 20 ms, as a USB adapter's latency timer holds bytes back), bit 5 the module takes 3 ms to answer; [1] operation
// (bits 0-1: read, verify, store a range, signal table), bit 2: the image differs from the module in one byte, bits
// 3-7: when the first tick comes; [2] first address of the store or the differing byte; [3] the store's length; [4] the
// module's memory; then one byte per frame the module hears: bits 0-2 what it does (0-1 nothing odd, 2 answers again a
// little later, 3 loses the answer, 4 answers twice, 5 a stray byte behind the answer, 6 a stray byte before it, 7
// stalls first), bits 3-6 how long, bit 7 the stray byte ('*' or CR).
struct Differential {
    std::uint8_t program = 0, op = 0, first = 0, length = 0, seed = 0;
    const std::uint8_t *script = nullptr;
    std::size_t scriptSize = 0;

    hx7test::Misbehaviour At(int n) const
    {
        if (n < 0 || static_cast<std::size_t>(n) >= scriptSize)
            return {};
        const std::uint8_t b = script[n];
        const int p = (b >> 3) & 0x0F;
        hx7test::Misbehaviour m;
        m.strayByte = b & 0x80 ? '*' : '\r';
        switch (b & 7) {
        case 2:
            m.againUs = p * 700; // up to 10.5 ms after the first
            break;
        case 3:
            m.drop = true;
            break;
        case 4:
            m.twice = true;
            break;
        case 5:
            m.trailUs = p * 200; // up to 3 ms behind
            break;
        case 6:
            // Up to 3.6 ms after the frame went out: before any answer could. Later, in front of an answer that is
            // itself '*', a stray byte reads as a whole answer to any listener, whatever its pace.
            m.strayUs = p * 240;
            break;
        case 7:
            m.busyMs = 50 + p * 50;
            break;
        default:
            break;
        }
        return m;
    }

    // Runs one mode; true when what it reported is the truth about the module.
    bool RunIsTrue(bool fast) const
    {
        hx7::SharedData shared;
        hx7test::FakeSerialPort port;
        hx7::SerialLink link{port, [](int) { return QStringLiteral("COM1"); }};
        hx7test::RecordingView view;
        TransferController ctl{shared, link, view};
        hx7test::TimedModule module;
        for (int i = 0; i < 512; ++i)
            module.Memory[i] = i % 4 == 0 ? '*' : static_cast<std::uint8_t>(i * 29 + 7 + seed);
        for (int i = 0; i < 128; ++i)
            module.SignalTable[i] = i % 3 == 0 ? '*' : static_cast<std::uint8_t>(i ^ seed);
        const int late = (program & 0x1F) * 20000 / 31;
        // Some answer comes again more than a frame's time after the first, or twice to a program that looks late.
        bool extraLater = false;
        for (std::size_t n = 0; n < scriptSize; ++n) {
            const hx7test::Misbehaviour m = At(static_cast<int>(n));
            extraLater = extraLater || m.againUs > 3600 || (late > 0 && (m.twice || m.againUs >= 0));
        }
        module.Script = [this, late, extraLater, &module](int n, const QByteArray &f) {
            hx7test::Misbehaviour m = At(n);
            // A stray byte in front of an answer that is itself '*' makes a whole answer with the stray for
            // its value, followed by a stray '*': only its time gives it away, which a program that looks late
            // cannot see. No listener can be right there, whatever its pace.
            const auto a = static_cast<std::uint8_t>(f[2]);
            const bool star =
                f[1] == 'R' ? module.Memory[a] == '*' : f[1] == 'S' && module.SignalTable[a & 0x7F] == '*';
            if (late > 0 && star)
                m.strayUs = -1;
            // Such an extra answer followed by a lost one, or by one that a stall holds back past the quiet
            // wait, leaves the count of answers right and only its time to give it away: a pace faster than
            // the tick cannot tell it from the next byte's answer. Such a module neither loses nor holds back
            // answers here.
            if (extraLater) {
                m.drop = false;
                m.busyMs = 0;
            }
            // A stalled answer whose start the next attempt's send drops, seen late together with the next
            // answer, reads as that answer in either mode; which mode meets it depends only on where the stall
            // ends against the ticks (the tick mode sends its first frame on one, the fast mode at once), so
            // the two cannot be compared there. A program that looks late meets no stalls here.
            if (late > 0)
                m.busyMs = 0;
            return m;
        };
        module.FirstTickUs = 1000 + (op >> 3) * 3200;
        if (late > 0)
            module.LookLateUs = [late, s = seed](int look) { return ((look + s) * 2654435761u >> 7) % late; };
        module.ThinkUs = program & 0x20 ? 3000 : 0;
        module.Attach(port);
        link.Open(1);
        ctl.SetFastMode(fast);
        hx7::InitConfigImage(shared.ConfigImage);
        std::copy(module.Memory.begin(), module.Memory.end(), shared.ConfigImage.begin());
        const int flip = op & 4 ? first % 249 : -1;
        if (flip >= 0)
            shared.ConfigImage[flip] ^= 0x40;
        const int low = first % (hx7::LastTransferAddress + 1);
        const int last = std::min(hx7::LastTransferAddress, low + length % 32);
        const auto before = module.Memory;
        switch (op & 3) {
        case 0:
            for (int i = 0; i < 249; ++i)
                shared.ConfigImage[i] = static_cast<std::uint8_t>(~shared.ConfigImage[i]);
            ctl.StartRead();
            break;
        case 1:
            ctl.StartVerify();
            break;
        case 2:
            for (int i = low; i <= last; ++i)
                shared.ConfigImage[i] = static_cast<std::uint8_t>(i * 7);
            shared.ConfigImage[hx7::AddressCodeByte] = module.Memory[hx7::AddressCodeByte];
            ctl.StartStoreRange(low, last);
            break;
        default:
            ctl.StartPoleSigRead();
            break;
        }
        module.Run(link, ctl);
        Check(ctl.IsIdle());
        const bool failed = !view.Messages.isEmpty() && view.Messages.last().kind == "warning";
        if (failed)
            return true; // saying so is never a lie
        switch (op & 3) {
        case 0:
            return std::equal(before.begin(), before.begin() + 249, shared.ConfigImage.begin());
        case 1: {
            const bool equal =
                view.Messages.size() == 1 && view.Messages[0].text == OutcomeSourceText(TransferOutcome::Equal);
            return equal == (flip < 0) &&
                   std::ranges::equal(view.Differing, flip < 0 ? QList<int>{} : QList<int>{flip});
        }
        case 2:
            return std::equal(module.Memory.begin() + low, module.Memory.begin() + last + 1,
                              shared.ConfigImage.begin() + low);
        default:
            return std::equal(module.SignalTable.begin(), module.SignalTable.end(),
                              shared.ConfigImage.begin() + hx7::PoleSigBase);
        }
    }
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    if (data[0] & 0x40) {
        if (size < 5)
            return 0;
        const Differential d{data[0], data[1], data[2], data[3], data[4], data + 5, size - 5};
        Check(!d.RunIsTrue(false) || d.RunIsTrue(true));
        return 0;
    }
    Run r;
    hx7::InitConfigImage(r.shared.ConfigImage);
    r.initial = r.shared.ConfigImage;
    r.link.Open(1);
    // First byte: bit 7 the fast mode, the rest the operation. Second byte: its argument, bit 0 the
    // answer to the address question, bit 7 the reset after a store.
    const bool fast = data[0] & 0x80;
    r.ctl.SetFastMode(fast);
    r.view.ConfirmAnswer = data[1] & 1;
    r.ctl.SetResetAfterStore(data[1] & 0x80);
    r.op = static_cast<Op>((data[0] & 0x3F) % 6);
    switch (r.op) {
    case Read:
    case Verify:
        r.op == Read ? r.ctl.StartRead() : r.ctl.StartVerify();
        r.letter = 'R';
        r.end = hx7::LastTransferAddress;
        if (r.op == Read)
            r.imageLast = hx7::LastTransferAddress;
        break;
    case Store:
        r.ctl.StartStore(data[1] % 3, 1 + data[1] % 24);
        r.letter = 'W';
        r.low = r.ctl.CurrentAddress();
        r.end = r.ctl.EndAddress();
        break;
    case PoleSig:
        r.ctl.StartPoleSigRead();
        r.letter = 'S';
        r.end = hx7::PoleSigBytes - 1;
        r.imageFirst = hx7::PoleSigBase;
        r.imageLast = hx7::ImageSize - 1;
        break;
    case Version:
        r.ctl.StartVersionQuery();
        break;
    case OneShot:
        r.ctl.QueueOneShot(hx7::TurnoutOutputFrame(data[1]));
        break;
    }
    r.CheckNewFrames();

    // Each chunk: one head byte, then up to 15 bytes from the module. Head, low 4 bits: how many bytes.
    // Tick mode, high 4 bits: 1..16 ticks to run. Fast mode, bits 4..6: 0..7 ticks to run; bit 7 clear:
    // the bytes arrive between the ticks and are taken at once, set: they wait for the next tick.
    std::size_t i = 2;
    while (i < size) {
        const std::uint8_t head = data[i++];
        const std::size_t n = std::min<std::size_t>(head & 0x0F, size - i);
        r.port.Incoming.append(reinterpret_cast<const char *>(data + i), static_cast<qsizetype>(n));
        i += n;
        if (fast && !(head & 0x80))
            r.Step(false);
        const int ticks = fast ? (head >> 4) & 7 : 1 + (head >> 4);
        for (int t = 0; t < ticks; ++t)
            r.Step(true);
    }
    // Without further replies every operation gives up in a bounded number of ticks: at most one more
    // reply may still be waiting, then each byte has three attempts of four ticks.
    for (int t = 0; t < 40 && !r.ctl.IsIdle(); ++t)
        r.Step(true);
    Check(r.ctl.IsIdle());
    return 0;
}
