// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one serial line: which port, the open port and the bytes received but not yet used.
#pragma once

#include "serialport.h"

#include <functional>
#include <map>
#include <optional>

namespace hx7 {

class TrafficLog;

class SerialLink
{
public:
    using DeviceNameFor = std::function<QString(int portNumber)>;

    SerialLink(SerialPort &port, DeviceNameFor deviceName);

    int ComPortNumber = 1;
    QByteArray RxBuffer;

    static constexpr qint64 FloodLimit = 100;    // more waiting bytes than this are thrown away
    static constexpr qsizetype StaleLimit = 200; // a longer RxBuffer is dropped before appending
    // A 7-byte frame takes this long on the line at 19200 baud (10 bits a byte). No answer to it can
    // begin before it has gone out whole, so bytes heard sooner belong to something earlier.
    static constexpr qint64 ByteLineMicroseconds = 10 * 1'000'000LL / 19200;
    static constexpr qint64 FrameLineMicroseconds = 7 * ByteLineMicroseconds;

    // While set, the receive step throws away bytes that come before the last frame sent could have reached
    // the module: they cannot be its answer (a second or late answer to an earlier frame, a stray byte
    // behind one). The fast transfer sets it; the tick mode never sends that close behind a reply. What it
    // threw away since the last call, if anything:
    bool EarlyBytesGuard = false;
    std::optional<QByteArray> TakeEarlyBytes() { return std::exchange(m_earlyBytes, std::nullopt); }
    // Microseconds since the last frame went out.
    qint64 SinceLastSend() const { return m_port.microsecondsNow() - m_sentAt; }
    // Every byte the receive step has taken from the port since it was made, kept or thrown away.
    qint64 BytesReceived = 0;

    bool Open(int portNumber);
    void Close();
    bool Reopen(int portNumber)
    {
        Close();
        return Open(portNumber);
    }
    void Send(const QByteArray &frame);
    // Moves the bytes waiting in the driver into RxBuffer; run first in every tick.
    void ReceiveStep();
    // Runs handler whenever the port reports new bytes (the fast transfer takes replies as they come).
    void SetBytesArrivedHandler(std::function<void()> handler) { m_port.setBytesArrivedHandler(std::move(handler)); }

    // Frames sent and bytes received go to log while it is enabled; nullptr detaches it.
    void SetTrafficLog(TrafficLog *log) { m_log = log; }

    // Opens ComPortNumber again when the port is not open (an adapter pulled and plugged back, a failed
    // open at start-up); true when the port is open afterwards.
    bool EnsureOpen();

    bool IsOpen() const { return m_port.isOpen(); }
    OpenFailure LastOpenFailure() const { return m_port.lastOpenFailure(); }
    QString DeviceName(int portNumber) const
    {
        const auto chosen = m_chosenDevices.find(portNumber);
        return chosen != m_chosenDevices.end() ? chosen->second : m_deviceName(portNumber);
    }
    // For this run, port portNumber opens device whatever the settings say (they could not be written).
    // An empty device gives the number back to the settings: each new choice replaces the last one.
    void UseDevice(int portNumber, const QString &device)
    {
        if (device.isEmpty())
            m_chosenDevices.erase(portNumber);
        else
            m_chosenDevices[portNumber] = device;
    }
    // The port numbers that open a device of this run's choosing rather than the settings' one.
    const std::map<int, QString> &ChosenDevices() const { return m_chosenDevices; }

    // "Chyba otevření  COM" + n + two blanks, in the user's language.
    static QString OpenErrorText(int portNumber);
    // The same first line, then why, in words the user can act on.
    static QString OpenErrorText(int portNumber, const OpenFailure &failure);
    static QString OpenFailureReason(const OpenFailure &failure);

private:
    bool Logging() const;

    SerialPort &m_port;
    DeviceNameFor m_deviceName;
    std::map<int, QString> m_chosenDevices;
    TrafficLog *m_log = nullptr;
    qint64 m_sentAt = 0;
    std::optional<QByteArray> m_earlyBytes;
};

} // namespace hx7
