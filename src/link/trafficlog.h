// SPDX-License-Identifier: GPL-3.0-or-later
// The traffic log: every frame sent and every byte received on the serial line, as lines a person can
// read, kept only while someone watches (the monitor window, hx7ctl --trace) and at most MaxLines of them.
#pragma once

#include "frames.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>

namespace hx7 {

struct TrafficLine {
    enum Direction { Sent, Received, Discarded, Note };
    qint64 ms = 0; // since the log was started
    Direction direction = Sent;
    QByteArray bytes;
    QString meaning; // "čtení 0x40", "odpověď 0x12", "neznámá data"; empty for a part of a reply
    // "     125 ms  -> 40 52 20 30 30 30 2A  @R 000*  čtení 0x20 (Cesta 1: rychlost)"
    QString Text() const;
};

// What a frame asks for: "čtení 0x20 (Cesta 1: rychlost)", "zápis 0x04 = 0x07 (DCC adresa)".
QString DescribeFrame(const QByteArray &frame);

class TrafficLog : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxLines = 10000;  // older lines go first, so a flood cannot eat memory
    static constexpr int BytesPerLine = 16; // a longer chunk is split into lines of this many bytes

    explicit TrafficLog(QObject *parent = nullptr);

    // While disabled nothing is recorded; the feeder checks IsEnabled() before it formats anything.
    bool IsEnabled() const { return m_enabled; }
    // Enables recording and restarts the clock; lines kept from an earlier session get a note after them.
    void Start();
    void Stop() { m_enabled = false; }
    void Clear();

    // Fed by SerialLink. sent is false for a frame that found no open port.
    void RecordSent(const QByteArray &frame, bool sent = true);
    void RecordReceived(const QByteArray &bytes);
    // Bytes thrown away by the receive step: a flood (the awaited reply is lost with it), or bytes that came
    // before the frame just sent could have been answered.
    enum DiscardReason { Flood };
    void RecordDiscarded(const QByteArray &bytes, DiscardReason reason);

    const std::deque<TrafficLine> &Lines() const { return m_lines; }
    // Lines added since the log was created, also those that have since been dropped or cleared: a
    // paused view tells from it how many lines it has missed.
    qint64 TotalAdded() const { return m_totalAdded; }

    // The kept lines with LF line ends, as the monitor saves them.
    QByteArray AsText() const;
    static QString SaveErrorText(const QString &path, const QString &reason);

Q_SIGNALS:
    void LineAdded(const QString &text);
    void Cleared();

private:
    // Which reply the last frame asks for, and what of it has arrived.
    struct ReplyMatch {
        int length = 0; // bytes of the complete reply; 0 while there is none
        QString meaning;
        bool possible = false; // what came so far may still become the reply
    };
    ReplyMatch MatchAwaitedReply() const;
    void Add(TrafficLine::Direction direction, const QByteArray &bytes, const QString &meaning);
    void AddChunked(TrafficLine::Direction direction, const QByteArray &bytes, const QString &meaning);

    bool m_enabled = false;
    QElapsedTimer m_clock;
    std::deque<TrafficLine> m_lines;
    qint64 m_totalAdded = 0;
    Exchange m_awaited = Exchange::NoReply; // the reply the last frame sent draws, if any
    int m_index = 0;                        // the poleSIG index of the last signal-table frame
    QByteArray m_replySoFar;                // bytes since the last frame, while they may still become its reply
};

} // namespace hx7
