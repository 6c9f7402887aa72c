// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the module simulator on a pseudo-terminal for an integration test and stops it afterwards.
#pragma once

#include <QProcess>
#include <QTest>

namespace hx7test {

class SimProcess
{
public:
    explicit SimProcess(const QStringList &arguments = {})
    {
        m_process.start(QStringLiteral(HX7SIM_PATH), arguments);
        if (!m_process.waitForStarted(5000))
            return;
        for (int i = 0; i < 50 && !m_process.canReadLine(); ++i)
            m_process.waitForReadyRead(100);
        Device = QString::fromLocal8Bit(m_process.readLine().trimmed());
    }
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    void Stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    void Kill()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    // What the simulator logged (with --log: every frame it received, in hex).
    QByteArray Log()
    {
        m_log += m_process.readAllStandardError();
        return m_log;
    }

    QString Device;

private:
    QProcess m_process;
    QByteArray m_log;
};

} // namespace hx7test
