// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one serial line: which port, the open port, sending, and the bytes received with their times.
#pragma once

#include "frames.h"
#include "serialport.h"

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace hx7 {

class TrafficLog;

class SerialLink
{
public:
    using DeviceNameFor = std::function<QString(int portNumber)>;

    SerialLink(SerialPort &port, DeviceNameFor deviceName);

    int ComPortNumber = 1;

    static constexpr qint64 FloodLimit = 100; // more waiting bytes than this are thrown away
    static constexpr qint64 ByteLineMicroseconds = hx7::ByteLineMicroseconds;
    static constexpr qint64 FrameLineMicroseconds = hx7::FrameLineMicroseconds;

    // Bytes as the receive step took them from the port, with the time it took them (they may have come
    // earlier: a program looks when it looks, a USB adapter hands bytes over in batches). A flood is thrown
    // away whole and leaves only its mark.
    struct Arrival {
        QByteArray bytes;
        qint64 at = 0;
        bool flooded = false;
    };
    // What the receive steps brought since the last call, oldest first.
    std::vector<Arrival> TakeArrivals() { return std::exchange(m_arrivals, {}); }
    // The bytes of those arrivals, for a caller that needs no times.
    QByteArray TakeBytes();
    // Microseconds on the port's clock; when the last frame went out; and since then.
    qint64 Now() const { return m_port.microsecondsNow(); }
    qint64 LastSendAt() const { return m_sentAt; }
    qint64 SinceLastSend() const { return Now() - m_sentAt; }
    // Every byte the receive step has taken from the port since it was made, kept or thrown away.
    qint64 BytesReceived() const { return m_bytesReceived; }
    // Of them, since the last frame went out.
    qint64 ReceivedSinceSend() const { return m_bytesReceived - m_receivedAtSend; }

    bool Open(int portNumber);
    void Close();
    bool Reopen(int portNumber)
    {
        Close();
        return Open(portNumber);
    }
    void Send(const QByteArray &frame);
    // Takes the bytes waiting in the driver as one arrival; run first in every tick.
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
    qint64 m_bytesReceived = 0;
    qint64 m_receivedAtSend = 0;
    // Bounded: a caller that never takes them (nothing runs) keeps the newest.
    std::vector<Arrival> m_arrivals;
};

} // namespace hx7
