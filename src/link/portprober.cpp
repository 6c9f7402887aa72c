// SPDX-License-Identifier: GPL-3.0-or-later
// The tick-driven search for a module over a list of ports.
#include "portprober.h"

#include "frames.h"
#include "transfercontroller.h"

#include <QCoreApplication>
#include <algorithm>

namespace hx7 {

QString ModuleAnswerText(char type, std::uint8_t version)
{
    if (QString known = TransferController::VersionText(type, version); !known.isEmpty())
        return known;
    const auto code = static_cast<std::uint8_t>(type);
    // Any byte may come in the letter's place: one that does not print is shown by its value.
    const QString letter = code > 0x20 && code < 0x7F ? QString(QLatin1Char(type))
                                                      : QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'));
    return QCoreApplication::translate("hx7", "typ %1, verze %2.%3")
        .arg(letter, QString::number(version / 16), QString::number(version % 16));
}

PortProber::PortProber(SerialPort &port, QObject *parent) : QObject(parent), m_port(port) {}

void PortProber::Start(const QStringList &devices)
{
    Stop();
    m_devices = devices;
    m_results.clear();
    m_next = 0;
}

void PortProber::Stop()
{
    if (m_port.isOpen())
        m_port.close();
    m_current.clear();
    m_next = -1;
}

QString PortProber::FirstAnswering() const
{
    const auto answered =
        std::find_if(m_results.begin(), m_results.end(), [](const ProbeResult &r) { return !r.answer.isEmpty(); });
    return answered != m_results.end() ? answered->device : QString();
}

void PortProber::Tick()
{
    if (!IsRunning())
        return;
    if (m_current.isEmpty()) {
        OpenNext();
        return;
    }
    if (const qint64 n = m_port.bytesWaiting(); n > 0)
        m_rx += m_port.read(n);
    if (const auto reply = MatchVersionReply(m_rx)) {
        Conclude(ModuleAnswerText(reply->type, reply->version));
        return;
    }
    if (++m_waited >= ReplyTicks)
        Conclude({});
}

void PortProber::OpenNext()
{
    // Ports that cannot be opened cost no time: go on to the next one in the same tick.
    while (m_next < m_devices.size()) {
        const QString device = m_devices[m_next++];
        Q_EMIT Trying(device);
        if (m_port.open(device)) {
            m_current = device;
            m_rx.clear();
            m_waited = 0;
            m_port.purgeInput();
            m_port.write(VersionQueryFrame());
            return;
        }
        ProbeResult r{device, {}, m_port.lastOpenFailure()};
        m_results << r;
        Q_EMIT Answered(r);
    }
    m_next = -1;
    Q_EMIT Finished();
}

void PortProber::Conclude(const QString &answer)
{
    m_port.close();
    ProbeResult r{m_current, answer, {}};
    m_current.clear();
    m_results << r;
    Q_EMIT Answered(r);
    if (m_next >= m_devices.size()) {
        m_next = -1;
        Q_EMIT Finished();
    }
}

} // namespace hx7
