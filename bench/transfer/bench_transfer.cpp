// Whole transfers against the simulator with the real 100 ms timer, as the main window runs them.
// Prints ticks, wall time, wall time against the protocol's own bound (ticks x 0.1 s) and CPU time.
#include "fakes.h"
#include "qtserialport.h"
#include "simprocess.h"
#include "ticker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace hx7;

namespace {

double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    hx7test::SimProcess sim;
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

    const auto run = [&](const char *name, const std::function<bool()> &start) {
        QElapsedTimer wall;
        const double cpu0 = CpuSeconds();
        wall.start();
        start();
        const int ticks = TimerTicker().RunUntilIdle(link, ctl);
        const double seconds = wall.nsecsElapsed() / 1e9;
        const double cpu = CpuSeconds() - cpu0;
        std::printf("%-7s ticks %4d  wall %6.2f s  wall/(ticks x 0.1 s) %.3f  CPU %.3f s (%.2f %% of wall)%s\n", name,
                    ticks, seconds, seconds / (ticks * 0.1), cpu, 100.0 * cpu / seconds,
                    view.Messages.isEmpty() ? "" : "  (a message was shown)");
        view.Messages.clear();
    };

    run("read", [&] { return ctl.StartRead(); });
    run("verify", [&] { return ctl.StartVerify(); });
    run("store", [&] { return ctl.StartStore(TransferController::ConfigAndRoutes, 1); });
    return 0;
}
