// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transfers against the simulator with the real 100 ms timer, as the main window runs them, in both
// the tick mode (one frame a tick) and the fast mode (the next frame as soon as a reply is complete).
// The simulator takes the time a real 19200 baud line and a module's memory writes take, so the fast mode
// is measured against the wire limit: the time the bytes alone need on the line.
// Usage: bench_transfer [tick|fast]   (both modes when no argument is given)
#include "fakes.h"
#include "qtserialport.h"
#include "simprocess.h"
#include "ticker.h"
#include "transferwords.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sys/resource.h>

using namespace hx7;

namespace {

constexpr int Baud = 19200;
constexpr int WriteMs = 4; // a module's EEPROM write takes a few milliseconds
constexpr double ByteSeconds = 10.0 / Baud;
// One exchange: a 7-byte frame and a 2-byte reply ("d*" to a read, "Y*" to a write).
constexpr double ExchangeSeconds = 9 * ByteSeconds;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Transfer {
    const char *name;
    double wireSeconds;
    std::function<bool(TransferController &)> start;
    QString expectedMessage; // the box the transfer ends with when all went well; empty for none
    int steps = 1;           // transfers run one after the other (a backed-up, verified store is three)
    // The bytes the fast mode reads a second time to confirm a read, and the steps it confirms so.
    int rereadBytes = 0;
    int confirmedSteps = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool tickMode = argc < 2 || std::strcmp(argv[1], "fast") != 0;
    const bool fastMode = argc < 2 || std::strcmp(argv[1], "tick") != 0;

    hx7test::SimProcess sim(
        {QStringLiteral("--baud"), QString::number(Baud), QStringLiteral("--write-ms"), QString::number(WriteMs)});
    QtSerialPort port;
    SerialLink link(port, [&sim](int) { return sim.Device; });
    if (!link.Open(1)) {
        std::fprintf(stderr, "cannot open the simulator's port\n");
        return 1;
    }
    SharedData data;
    InitConfigImage(data.ConfigImage);
    hx7test::RecordingView view;
    TransferController ctl(data, link, view);

    const int readBytes = LastTransferAddress + 1;                    // 0..248
    const int storeBytes = LastTransferAddress - AddressCodeByte + 1; // 4..248, after the address check
    const Transfer transfers[] = {
        {"read", readBytes * ExchangeSeconds, [](TransferController &c) { return c.StartRead(); }, {}, 1, readBytes, 1},
        {"verify", readBytes * ExchangeSeconds, [](TransferController &c) { return c.StartVerify(); },
         OutcomeSourceText(TransferOutcome::Equal), 1, readBytes, 1},
        {"store",
         (1 + storeBytes) * ExchangeSeconds + storeBytes * WriteMs / 1000.0,
         [](TransferController &c) { return c.StartStore(TransferController::ConfigAndRoutes, 1); },
         {}},
        // As the store dialog runs it by default: the backup read of 0..248, the store, the verify of 4..248.
        {"safe store",
         (readBytes + 1 + 2 * storeBytes) * ExchangeSeconds + storeBytes * WriteMs / 1000.0,
         [](TransferController &c) {
             c.SetBackupBeforeStore(true);
             c.SetVerifyAfterStore(true);
             return c.StartStore(TransferController::ConfigAndRoutes, 1);
         },
         {},
         3,
         readBytes + storeBytes,
         2},
    };

    std::printf("against hx7sim --baud %d --write-ms %d; wire limit: 9 bytes an exchange at 10 bits a byte,\n"
                "plus %d ms a write. Targets: tick mode wall/(ticks x 0.1 s) <= 1.02, fast mode wall <= 1.10 x the\n"
                "wire it crosses (a read is read twice) + 0.15 s a pass (after its last reply each pass waits for a\n"
                "tick at least 100 ms later, to see the line stay quiet), CPU (user+sys of this process) <= 10 %% of\n"
                "wall.\n\n",
                Baud, WriteMs, WriteMs);
    std::printf("%-10s %-4s %7s %6s %7s %10s %11s %6s  %s\n", "", "mode", "wall s", "ticks", "wire s", "wall/wire",
                "wall/ticks", "CPU %", "outcome");
    bool allMet = true;
    for (const Transfer &t : transfers) {
        for (const bool fast : {false, true}) {
            if ((fast && !fastMode) || (!fast && !tickMode))
                continue;
            ctl.SetFastMode(fast);
            view.Messages.clear();
            QElapsedTimer wall;
            const double cpu0 = CpuSeconds();
            wall.start();
            if (!t.start(ctl)) {
                std::printf("%-10s %-4s did not start\n", t.name, fast ? "fast" : "tick");
                allMet = false;
                continue;
            }
            const int ticks = TimerTicker().RunUntilIdle(link, ctl);
            const double seconds = wall.nsecsElapsed() / 1e9;
            const double cpuPercent = 100.0 * (CpuSeconds() - cpu0) / seconds;

            constexpr double QuietWaitSeconds = 0.15;
            const double fastWire = t.wireSeconds + t.rereadBytes * ExchangeSeconds;
            const double perWire = seconds / t.wireSeconds;
            const double perTicks = seconds / (ticks * 0.1);
            const bool ended = view.Messages.isEmpty()
                                   ? t.expectedMessage.isEmpty()
                                   : view.Messages.size() == 1 && view.Messages.first().text == t.expectedMessage;
            const bool met = ended && cpuPercent <= 10.0 &&
                             (fast ? seconds <= 1.10 * fastWire + (t.steps + t.confirmedSteps) * QuietWaitSeconds
                                   : perTicks <= 1.02);
            allMet = allMet && met;
            const QByteArray outcome = ended                     ? QByteArrayLiteral("ok")
                                       : view.Messages.isEmpty() ? QByteArrayLiteral("no message")
                                                                 : view.Messages.first().text.toUtf8();
            // The fast mode leaves its last tick unfinished, so its ticks are no bound on its time.
            const QByteArray tickRatio = fast ? QByteArrayLiteral("-") : QByteArray::number(perTicks, 'f', 3);
            std::printf("%-10s %-4s %7.2f %6d %7.3f %10.2f %11s %6.2f  %s%s\n", t.name, fast ? "fast" : "tick", seconds,
                        ticks, t.wireSeconds, perWire, tickRatio.constData(), cpuPercent, outcome.constData(),
                        met ? "" : "  (target missed)");
            std::fflush(stdout);
        }
    }
    return allMet ? 0 : 3;
}
