// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the event loop until the port has bytes waiting or the time is up, without polling in steps.
#pragma once

#include "serialport.h"

#include <QAbstractEventDispatcher>
#include <QTimer>
#include <functional>

namespace hx7test {

// Runs the event loop until more than `have` bytes have come (by received(), the bytes waiting at the port
// unless given), done() says so, or the time is up.
inline void WaitForMoreBytes(hx7::SerialPort &port, qint64 have, int milliseconds,
                             const std::function<bool()> &done = {}, std::function<qint64()> received = {})
{
    if (!received)
        received = [&port] { return port.bytesWaiting(); };
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(milliseconds);
    while (received() <= have && deadline.isActive() && !(done && done()))
        QAbstractEventDispatcher::instance()->processEvents(QEventLoop::WaitForMoreEvents);
}

inline void WaitForBytes(hx7::SerialPort &port, int milliseconds, const std::function<bool()> &done = {})
{
    WaitForMoreBytes(port, 0, milliseconds, done);
}

// As WaitForBytes, then on until the line has been quiet for quietMs: a reply paced at the line's rate
// comes a byte at a time, and a test that ticks on its first byte would count a wait the timer would not.
// received() counts what has come so far (the bytes waiting at the port unless given).
inline void WaitForReply(hx7::SerialPort &port, int milliseconds, const std::function<bool()> &done = {},
                         std::function<qint64()> received = {}, int quietMs = 3)
{
    if (!received)
        received = [&port] { return port.bytesWaiting(); };
    WaitForMoreBytes(port, 0, milliseconds, done, received);
    for (qint64 seen = -1; received() > seen;) {
        seen = received();
        WaitForMoreBytes(port, seen, quietMs, {}, received);
    }
}

} // namespace hx7test
