// The tick-driven search for a module over a list of ports.
#include "portprober.h"

#include "frames.h"
#include "transfercontroller.h"

namespace hx7 {

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
    for (const ProbeResult &r : m_results) {
        if (!r.answer.isEmpty())
            return r.device;
    }
    return {};
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
        Conclude(TransferController::VersionText(reply->type, reply->version));
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
