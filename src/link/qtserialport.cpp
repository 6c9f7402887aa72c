// SPDX-License-Identifier: GPL-3.0-or-later
// QSerialPort behind the SerialPort seam.
#include "qtserialport.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hx7 {

QtSerialPort::QtSerialPort(QObject *parent) : QObject(parent)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
    connect(&m_port, &QSerialPort::readyRead, this, [this] {
        if (m_bytesArrived)
            m_bytesArrived();
    });
}

namespace {

// QSerialPort reports a missing permission and a lock held by another program alike (PermissionError),
// so the device itself is asked which of the two it is.
OpenFailure Classify(const QSerialPort &port, const QString &device)
{
    OpenFailure f;
    f.device = device;
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        f.kind = OpenFailure::NotFound;
        break;
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
    {
        const QByteArray path = QFile::encodeName(device);
        struct stat st = {};
        if (::stat(path.constData(), &st) == 0) {
            if (const group *g = ::getgrgid(st.st_gid))
                f.group = QString::fromLocal8Bit(g->gr_name);
        }
        f.kind = ::access(path.constData(), R_OK | W_OK) == 0 ? OpenFailure::InUse : OpenFailure::PermissionDenied;
        break;
    }
#else
        // Windows answers "access denied" for a port that another program has open.
        f.kind = OpenFailure::InUse;
        break;
#endif
    default:
        f.kind = OpenFailure::Other;
        f.detail = port.errorString();
        break;
    }
    return f;
}

} // namespace

bool QtSerialPort::open(const QString &systemName)
{
    close();
    m_failure = {};
    if (systemName.isEmpty()) {
        m_failure.kind = OpenFailure::NoDevice;
        return false;
    }
    m_port.setPortName(systemName);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_failure = Classify(m_port, systemName);
        return false;
    }
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
    if (!m_port.isOpen())
        return;
    // QSerialPort takes the whole frame into its buffer; taking less means the port cannot send it.
    if (m_port.write(bytes) != bytes.size())
        close();
    else
        m_port.flush(); // out now, not at the next turn of the event loop; a refused write is a WriteError
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    // A pulled USB adapter, a vanished far end or a device refusing writes repeats these errors in a tight
    // loop; with the port closed the program behaves as with no port at all and stays idle.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError || error == QSerialPort::WriteError)
        close();
}

} // namespace hx7
