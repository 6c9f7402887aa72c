// QSerialPort behind the SerialPort seam.
#include "qtserialport.h"

namespace hx7 {

QtSerialPort::QtSerialPort(QObject *parent) : QObject(parent)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

bool QtSerialPort::open(const QString &systemName)
{
    if (m_port.isOpen())
        m_port.close();
    if (systemName.isEmpty())
        return false;
    m_port.setPortName(systemName);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    // On a pseudo-terminal some of these fail ("Inappropriate ioctl"); the port is usable all the same.
    m_port.setBaudRate(QSerialPort::Baud19200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
    m_port.clearError();
    return true;
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool QtSerialPort::isOpen() const
{
    return m_port.isOpen();
}

qint64 QtSerialPort::bytesWaiting()
{
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

QByteArray QtSerialPort::read(qint64 count)
{
    return m_port.isOpen() ? m_port.read(count) : QByteArray();
}

void QtSerialPort::purgeInput()
{
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Input);
    m_port.readAll(); // what QSerialPort had already taken from the driver
}

void QtSerialPort::write(const QByteArray &bytes)
{
    if (m_port.isOpen()) {
        m_port.write(bytes);
        m_port.flush(); // out now, not at the next turn of the event loop
    }
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    // A pulled USB adapter or a vanished far end repeats these errors in a tight loop; with the port
    // closed the program behaves as with no port at all and stays idle.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
        close();
}

} // namespace hx7
