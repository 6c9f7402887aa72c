// Opening, closing, sending and the polled receive step.
#include "seriallink.h"

namespace hx7 {

SerialLink::SerialLink(SerialPort &port, DeviceNameFor deviceName) : m_port(port), m_deviceName(std::move(deviceName))
{}

bool SerialLink::Open(int portNumber)
{
    return m_port.open(m_deviceName(portNumber));
}

void SerialLink::Close()
{
    if (m_port.isOpen())
        m_port.close();
}

void SerialLink::Send(const QByteArray &frame)
{
    m_port.write(frame);
}

void SerialLink::ReceiveStep()
{
    const qint64 waiting = m_port.bytesWaiting();
    if (waiting > FloodLimit) {
        // Replies are 2 to 4 bytes; this much is a flood. The awaited reply is lost with it and its
        // time-out asks again.
        m_port.purgeInput();
        RxBuffer.clear();
    } else if (waiting > 0) {
        if (RxBuffer.size() > StaleLimit)
            RxBuffer.clear();
        RxBuffer += m_port.read(waiting);
    }
}

QString SerialLink::OpenErrorText(int portNumber)
{
    return QStringLiteral("Chyba otevření  COM") + QString::number(portNumber) + QStringLiteral("  ");
}

} // namespace hx7
