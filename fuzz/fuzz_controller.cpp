// The transfer controller fed arbitrary bytes as the module's replies across arbitrary ticks: after
// every tick the state is one of the table's or 0, CurrentAddress stays in its range, nothing crashes.
#include "fakes.h"
#include "frames.h"
#include "transfercontroller.h"

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    hx7::SharedData shared;
    hx7::InitConfigImage(shared.ConfigImage);
    hx7test::FakeSerialPort port;
    hx7::SerialLink link(port, [](int) { return QStringLiteral("COM1"); });
    link.Open(1);
    hx7test::RecordingView view;
    view.ConfirmAnswer = data[1] & 1;
    hx7::TransferController ctl(shared, link, view);
    ctl.PoleSigPath = QStringLiteral("/dev/null");

    int low = 0, high = 0;
    switch (data[0] % 6) {
    case 0:
        ctl.StartRead();
        high = 249;
        break;
    case 1:
        ctl.StartVerify();
        high = 249;
        break;
    case 2:
        ctl.StartStore(data[1] % 3, 1 + data[1] % 24);
        low = ctl.CurrentAddress;
        high = ctl.EndAddress + 1;
        break;
    case 3:
        ctl.StartPoleSigRead();
        high = 128;
        break;
    case 4:
        ctl.StartVersionQuery();
        break;
    default:
        ctl.QueueOneShot(hx7::TurnoutOutputFrame(data[1]));
        break;
    }
    static const std::set<int> states = {0, 5, 6, 14, 15, 16, 17, 20, 21, 22, 23, 25, 26, 27, 28, 40, 50, 51, 52, 53};
    // Each chunk: one length byte (low 4 bits: bytes to deliver, high 4 bits: ticks to run), then the bytes.
    std::size_t i = 2;
    while (i < size) {
        const int count = data[i] & 0x0F;
        const int ticks = 1 + (data[i] >> 4);
        ++i;
        const std::size_t n = std::min<std::size_t>(count, size - i);
        port.Incoming.append(reinterpret_cast<const char *>(data + i), static_cast<qsizetype>(n));
        i += n;
        for (int t = 0; t < ticks; ++t) {
            link.ReceiveStep();
            ctl.Tick();
            if (!states.count(ctl.TransferState))
                std::abort();
            if (high > 0 && (ctl.CurrentAddress < low || ctl.CurrentAddress > high))
                std::abort();
        }
    }
    return 0;
}
