// SPDX-License-Identifier: GPL-3.0-or-later
// The tick-driven search for a module over a list of ports.
#include "portprober.h"

#include "frames.h"

#include <QCoreApplication>
#include <algorithm>

namespace hx7 {

QString ModuleAnswerText(char type, std::uint8_t version)
{
    return ModuleIdentity{type, version}.AnswerText();
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
        Conclude(ModuleIdentity{reply->type, reply->version, m_current});
        return;
    }
    if (++m_waited >= ReplyTicks)
        Conclude(std::nullopt);
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
        ProbeResult r{device, {}, m_port.lastOpenFailure(), std::nullopt};
        m_results << r;
        Q_EMIT Answered(r);
    }
    m_next = -1;
    Q_EMIT Finished();
}

void PortProber::Conclude(const std::optional<ModuleIdentity> &module)
{
    m_port.close();
    ProbeResult r{m_current, module ? module->AnswerText() : QString(), {}, module};
    m_current.clear();
    m_results << r;
    Q_EMIT Answered(r);
    if (m_next >= m_devices.size()) {
        m_next = -1;
        Q_EMIT Finished();
    }
}

} // namespace hx7
