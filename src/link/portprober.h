// SPDX-License-Identifier: GPL-3.0-or-later
// "Find the module": asks each port in turn for the module's type and version, one step per 100 ms
// tick, never waiting in a call. It opens each port on a port object of its own and closes it again.
#pragma once

#include "moduleidentity.h"
#include "serialport.h"

#include <QObject>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace hx7 {

struct ProbeResult {
    QString device;
    QString answer;                       // "HX7S V 1.4"; empty when the port did not answer or could not be opened
    OpenFailure failure;                  // kind None when the port opened
    std::optional<ModuleIdentity> module; // what answered, with the device as its port
};

// What a module's version reply says: "HX7S V 1.4" for the types the program knows, else its type letter
// and version ("typ X, verze 1.4"). A module of a type this program does not know still answers.
QString ModuleAnswerText(char type, std::uint8_t version);

class PortProber : public QObject
{
    Q_OBJECT
public:
    explicit PortProber(SerialPort &port, QObject *parent = nullptr);

    // A module answers the version query within a few milliseconds; three ticks leave room for a slow
    // adapter and still keep a search over a dozen ports within a few seconds.
    static constexpr int ReplyTicks = 3;

    void Start(const QStringList &devices);
    void Stop();
    // One step: open the next port and ask, or look for the answer, or give up on this port.
    void Tick();

    bool IsRunning() const { return m_next >= 0; }
    const QList<ProbeResult> &Results() const { return m_results; }
    // The first device that answered, or empty.
    QString FirstAnswering() const;

Q_SIGNALS:
    void Trying(const QString &device);
    void Answered(const ProbeResult &result); // every port tried, answered or not
    void Finished();

private:
    void Conclude(const std::optional<ModuleIdentity> &module);
    void OpenNext();

    SerialPort &m_port;
    QStringList m_devices;
    QList<ProbeResult> m_results;
    QString m_current;
    QByteArray m_rx;
    int m_next = -1; // index of the next device to try; -1 when idle
    int m_waited = 0;
};

} // namespace hx7
