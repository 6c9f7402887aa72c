// SPDX-License-Identifier: GPL-3.0-or-later
// The 100 ms tick loop for the command-line tool, benchmarks and timing tests.
#include "ticker.h"

#include <QEventLoop>
#include <QTimer>

namespace hx7 {

int TimerTicker::RunUntilIdle(SerialLink &link, TransferController &controller)
{
    if (controller.IsIdle())
        return 0;
    int ticks = 0;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(100);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        link.ReceiveStep();
        controller.Tick();
        ++ticks;
        if (controller.IsIdle())
            loop.quit();
    });
    // Bytes are received as they arrive, so that the link can tell those that came too soon after a frame
    // to answer it; the fast mode also takes each reply at once. The ticks still count the time-outs.
    link.SetBytesArrivedHandler([&] {
        link.ReceiveStep();
        controller.Advance();
        if (controller.IsIdle())
            loop.quit();
    });
    timer.start();
    loop.exec();
    link.SetBytesArrivedHandler({});
    return ticks;
}

} // namespace hx7
