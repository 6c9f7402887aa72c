// SPDX-License-Identifier: GPL-3.0-or-later
// The production serial port on QSerialPort.
#pragma once

#include "serialport.h"

#include <QObject>
#include <QSerialPort>

namespace hx7 {

class QtSerialPort : public QObject, public SerialPort
{
    Q_OBJECT
public:
    explicit QtSerialPort(QObject *parent = nullptr);

    bool open(const QString &systemName) override;
    void close() override;
    bool isOpen() const override;
    qint64 bytesWaiting() override;
    QByteArray read(qint64 count) override;
    void purgeInput() override;
    void write(const QByteArray &bytes) override;
    OpenFailure lastOpenFailure() const override { return m_failure; }
    void setBytesArrivedHandler(std::function<void()> handler) override { m_bytesArrived = std::move(handler); }

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    OpenFailure m_failure;
    std::function<void()> m_bytesArrived;
};

} // namespace hx7
