// Runs the event loop until the port has bytes waiting or the time is up, without polling in steps.
#pragma once

#include "serialport.h"

#include <QAbstractEventDispatcher>
#include <QTimer>

namespace hx7test {

inline void WaitForBytes(hx7::SerialPort &port, int milliseconds)
{
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(milliseconds);
    while (port.bytesWaiting() == 0 && deadline.isActive())
        QAbstractEventDispatcher::instance()->processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace hx7test
