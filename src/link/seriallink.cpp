// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, closing, sending and the polled receive step.
#include "seriallink.h"

#include "trafficlog.h"

#include <QCoreApplication>

namespace hx7 {

SerialLink::SerialLink(SerialPort &port, DeviceNameFor deviceName) : m_port(port), m_deviceName(std::move(deviceName))
{}

bool SerialLink::Open(int portNumber)
{
    return m_port.open(DeviceName(portNumber));
}

bool SerialLink::EnsureOpen()
{
    return m_port.isOpen() || Open(ComPortNumber);
}

void SerialLink::Close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool SerialLink::Logging() const
{
    return m_log && m_log->IsEnabled();
}

void SerialLink::Send(const QByteArray &frame)
{
    if (Logging())
        m_log->RecordSent(frame, m_port.isOpen());
    // Taken before the write: the frame leaves no sooner, so the guard never mistakes an answer for early.
    m_sentAt = m_port.microsecondsNow();
    m_receivedAtSend = m_bytesReceived;
    m_port.write(frame);
}

void SerialLink::ReceiveStep()
{
    const qint64 waiting = m_port.bytesWaiting();
    if (waiting <= 0)
        return;
    // Nobody took the last ones (no transfer runs): only the newest matter to the next one.
    constexpr std::size_t KeptArrivals = 64;
    if (m_arrivals.size() >= KeptArrivals)
        m_arrivals.erase(m_arrivals.begin(), m_arrivals.begin() + KeptArrivals / 2);
    m_bytesReceived += waiting;
    if (waiting > FloodLimit) {
        // Replies are 2 to 4 bytes; this much is a flood. The awaited reply is lost with it and its
        // time-out asks again. Someone watching the line sees what was thrown away.
        if (Logging())
            m_log->RecordDiscarded(m_port.read(waiting), TrafficLog::Flood);
        m_port.purgeInput();
        m_arrivals.push_back({{}, Now(), true});
        return;
    }
    const QByteArray bytes = m_port.read(waiting);
    if (Logging())
        m_log->RecordReceived(bytes);
    m_arrivals.push_back({bytes, Now(), false});
}

QByteArray SerialLink::TakeBytes()
{
    QByteArray bytes;
    for (const Arrival &a : TakeArrivals())
        bytes += a.bytes;
    return bytes;
}

QString SerialLink::OpenErrorText(int portNumber)
{
    return QCoreApplication::translate("hx7", "Chyba otevření  COM%1  ").arg(portNumber);
}

QString SerialLink::OpenErrorText(int portNumber, const OpenFailure &failure)
{
    const QString reason = OpenFailureReason(failure);
    return reason.isEmpty() ? OpenErrorText(portNumber) : OpenErrorText(portNumber) + QLatin1Char('\n') + reason;
}

QString SerialLink::OpenFailureReason(const OpenFailure &f)
{
    switch (f.kind) {
    case OpenFailure::None:
        return {};
    case OpenFailure::NoDevice:
        return QCoreApplication::translate("hx7",
                                           "Port nemá přiřazené žádné zařízení: vyberte převodník v nabídce "
                                           "Přenos → Nastavení RS232 (nebo v oddílu [Ports] souboru hx7conf.ini).");
    case OpenFailure::NotFound:
        return QCoreApplication::translate("hx7", "Zařízení %1 neexistuje. Je převodník připojený?").arg(f.device);
    case OpenFailure::PermissionDenied: {
#ifdef Q_OS_LINUX
        const QString group =
            f.group.isEmpty() || f.group == QLatin1String("root") ? QStringLiteral("dialout") : f.group;
        return QCoreApplication::translate("hx7", "K zařízení %1 nemáte přístup. Zařízení patří skupině %2; přidejte "
                                                  "se do ní příkazem\n    sudo usermod -aG %2 $USER\na přihlaste se "
                                                  "znovu.")
            .arg(f.device, group);
#else
        return QCoreApplication::translate("hx7", "K zařízení %1 nemáte přístup.").arg(f.device);
#endif
    }
    case OpenFailure::InUse:
        return QCoreApplication::translate("hx7", "Zařízení %1 používá jiný program. Ukončete ho a zkuste to znovu.")
            .arg(f.device);
    case OpenFailure::Other:
        return QCoreApplication::translate("hx7", "Zařízení %1 nelze otevřít: %2").arg(f.device, f.detail);
    }
    return {};
}

} // namespace hx7
