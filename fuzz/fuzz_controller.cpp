// The transfer controller fed arbitrary bytes as the module's replies, in the tick mode or the fast mode
// (bytes taken as they arrive, between the ticks). After every step: the state is idle or one of the
// controller's resting states, CurrentAddress stays in its range, at most one frame went out and every
// frame is whole; the transfer asks for its bytes in order with at most three attempts each, the image
// changes only when a read completes, and once idle the controller says how it ended, exactly once.
#include "fakes.h"
#include "frames.h"
#include "transfercontroller.h"

#include <algorithm>
#include <cstdlib>

using hx7::TransferController;

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
    int lastAddress = -1, attempts = 0;
    bool ended = false;

    bool Completed() const { return end >= 0 && ctl.CurrentAddress > end; }

    void CheckNewFrames()
    {
        for (; seen < port.Written.size(); ++seen) {
            const QByteArray &f = port.Written[seen];
            Check(f.size() == hx7::FrameSize && f.front() == '@' && f.back() == '*');
            if (f == hx7::ResetModuleFrame())
                Check(op == Store && ctl.ResetAfterStore && Completed() && seen == port.Written.size() - 1);
            if (letter == 0 || f[1] != letter)
                continue;
            const int address = static_cast<std::uint8_t>(f[2]);
            if (lastAddress < 0)
                Check(address == low);
            else if (address == lastAddress)
                Check(++attempts <= 3);
            else
                Check(address == lastAddress + 1);
            if (address != lastAddress)
                attempts = 1;
            lastAddress = address;
            Check(address <= end);
        }
    }

    // How the transfer ended, as the user learns it: one box, or none where success says nothing.
    void CheckEnding() const
    {
        using hx7test::Message;
        const Message readError{QStringLiteral("warning"), TransferController::ReadErrorText};
        const QList<Message> &m = view.Messages;
        switch (op) {
        case Read:
            Check(Completed() ? m.isEmpty() && view.Refreshes == 1 : m == QList<Message>{readError});
            break;
        case Verify:
            if (Completed())
                Check(m.size() == 1 && m[0].text == (ctl.VerifyEqual ? TransferController::EqualText
                                                                     : TransferController::DifferentText));
            else
                Check(m == QList<Message>{readError});
            break;
        case PoleSig:
            Check(m.size() == 1 && (m[0] == readError) == !Completed());
            break;
        case Store:
            if (Completed())
                Check(std::all_of(m.begin(), m.end(), [](const Message &x) { return x.kind == "confirm"; }));
            else
                Check(!m.isEmpty() &&
                      (m.last().kind == "confirm" ? !view.ConfirmAnswer
                                                  : m.last().text == TransferController::CommErrorText ||
                                                        m.last().text == TransferController::StoreErrorText));
            Check((port.Written.last() == hx7::ResetModuleFrame()) == (Completed() && ctl.ResetAfterStore));
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
        Check(Resting(ctl.TransferState));
        Check(port.Written.size() - frames <= 1);
        if (ended)
            Check(port.Written.size() == frames && view.Messages.size() == messages);
        CheckNewFrames();
        if (end >= 0)
            Check(ctl.CurrentAddress >= low && ctl.CurrentAddress <= end + 1);
        // A read that has not completed, or has failed, leaves the image as it was.
        if (ctl.TransferState != TransferController::Idle || !Completed()) {
            Check(shared.ConfigImage == initial);
        } else {
            for (int a = 0; a < hx7::ImageSize; ++a)
                Check((a >= imageFirst && a <= imageLast) || shared.ConfigImage[a] == initial[a]);
        }
        if (ctl.TransferState == TransferController::Idle && !ended) {
            ended = true;
            CheckEnding();
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    Run r;
    hx7::InitConfigImage(r.shared.ConfigImage);
    r.initial = r.shared.ConfigImage;
    r.link.Open(1);
    // First byte: bit 7 the fast mode, the rest the operation. Second byte: its argument, bit 0 the
    // answer to the address question, bit 7 the reset after a store.
    const bool fast = data[0] & 0x80;
    r.ctl.FastMode = fast;
    r.ctl.PoleSigPath = QStringLiteral("/dev/null");
    r.view.ConfirmAnswer = data[1] & 1;
    r.ctl.ResetAfterStore = data[1] & 0x80;
    r.op = static_cast<Op>((data[0] & 0x7F) % 6);
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
        r.low = r.ctl.CurrentAddress;
        r.end = r.ctl.EndAddress;
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
    for (int t = 0; t < 40 && r.ctl.TransferState != TransferController::Idle; ++t)
        r.Step(true);
    Check(r.ctl.TransferState == TransferController::Idle);
    return 0;
}
