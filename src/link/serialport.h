// What the link needs of a serial port; the real one wraps QSerialPort, tests script their own.
#pragma once

#include <QByteArray>
#include <QString>

namespace hx7 {

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
};

} // namespace hx7
