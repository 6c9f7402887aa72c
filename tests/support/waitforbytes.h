// Runs the event loop until the port has bytes waiting or the time is up, without polling in steps.
#pragma once

#include "serialport.h"

#include <QAbstractEventDispatcher>
#include <QTimer>
#include <functional>

namespace hx7test {

// Runs the event loop until more than `have` bytes are waiting, done() says so, or the time is up.
inline void WaitForMoreBytes(hx7::SerialPort &port, qint64 have, int milliseconds,
                             const std::function<bool()> &done = {})
{
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(milliseconds);
    while (port.bytesWaiting() <= have && deadline.isActive() && !(done && done()))
        QAbstractEventDispatcher::instance()->processEvents(QEventLoop::WaitForMoreEvents);
}

inline void WaitForBytes(hx7::SerialPort &port, int milliseconds, const std::function<bool()> &done = {})
{
    WaitForMoreBytes(port, 0, milliseconds, done);
}

// As WaitForBytes, then on until the line has been quiet for quietMs: a reply paced at the line's rate
// comes a byte at a time, and a test that ticks on its first byte would count a wait the timer would not.
inline void WaitForReply(hx7::SerialPort &port, int milliseconds, const std::function<bool()> &done = {},
                         int quietMs = 3)
{
    WaitForBytes(port, milliseconds, done);
    for (qint64 seen = 0; port.bytesWaiting() > seen;) {
        seen = port.bytesWaiting();
        WaitForMoreBytes(port, seen, quietMs);
    }
}

} // namespace hx7test
