// SPDX-License-Identifier: GPL-3.0-or-later
// What the link needs of a serial port; the real one wraps QSerialPort, tests script their own.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>

namespace hx7 {

// Why the last open failed, in terms a user can act on.
struct OpenFailure {
    enum Kind {
        None,             // the last open succeeded
        NoDevice,         // the port number names no device on this platform
        NotFound,         // no such device (adapter not plugged in, wrong name)
        PermissionDenied, // the user may not open the device
        InUse,            // another program holds the device
        Other,            // anything else; detail has the system's words
    } kind = None;
    QString device;
    QString group;  // the device's owning group, where the system has one (the group to join)
    QString detail; // the system's own description, for Other
};

class SerialPort
{
public:
    virtual ~SerialPort() = default;
    // Opens the device for exclusive use at 19200 baud, 8N1, no flow control, DTR and RTS off.
    virtual bool open(const QString &systemName) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual qint64 bytesWaiting() = 0;
    virtual QByteArray read(qint64 count) = 0;
    virtual void purgeInput() = 0;
    virtual void write(const QByteArray &bytes) = 0;
    // Why the last open() returned false.
    virtual OpenFailure lastOpenFailure() const { return {}; }
    // Called whenever new bytes have arrived (from the event loop, never from inside a call of this port).
    virtual void setBytesArrivedHandler(std::function<void()> handler) { Q_UNUSED(handler); }
    // Microseconds on a monotonic clock. Bytes that read() hands over had arrived by then, so the link can
    // tell bytes that came too soon after a frame to be its answer.
    virtual qint64 microsecondsNow() const
    {
        using namespace std::chrono;
        return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace hx7
