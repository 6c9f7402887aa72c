// SPDX-License-Identifier: GPL-3.0-or-later
// Test doubles for one layer at a time: a scripted serial port, a recording transfer view.
#pragma once

#include "serialport.h"
#include "transferview.h"
#include "transferwords.h"

#include <QStringList>
#include <functional>

namespace hx7test {

// A port whose far end is the test: bytes to receive are put into Incoming, frames sent land in Written.
class FakeSerialPort : public hx7::SerialPort
{
public:
    bool open(const QString &name) override
    {
        Opened << name;
        m_open = OpenSucceeds && !name.isEmpty();
        m_failure = {};
        if (!m_open)
            m_failure = {name.isEmpty() ? hx7::OpenFailure::NoDevice : Failure, name, QStringLiteral("dialout"),
                         QStringLiteral("I/O error")};
        return m_open;
    }
    hx7::OpenFailure lastOpenFailure() const override { return m_failure; }
    void close() override
    {
        ++CloseCalls;
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    qint64 bytesWaiting() override { return m_open ? Incoming.size() : 0; }
    QByteArray read(qint64 count) override
    {
        const QByteArray out = Incoming.left(count);
        Incoming.remove(0, count);
        return out;
    }
    void purgeInput() override
    {
        ++Purges;
        Incoming.clear();
    }
    void write(const QByteArray &bytes) override
    {
        if (!m_open)
            return;
        Written << bytes;
        if (Respond)
            Incoming += Respond(bytes);
    }

    // The clock the link reads; without one, every call is a second later than the one before, so no
    // byte ever looks too early to be an answer.
    qint64 microsecondsNow() const override { return Clock ? Clock() : (m_seconds += 1'000'000); }
    std::function<qint64()> Clock;

    bool OpenSucceeds = true;
    hx7::OpenFailure::Kind Failure = hx7::OpenFailure::NotFound; // why an open fails
    QStringList Opened;
    int CloseCalls = 0;
    int Purges = 0;
    QByteArray Incoming;
    QList<QByteArray> Written;
    // The module: its answer to each frame, available at the next receive step.
    std::function<QByteArray(const QByteArray &frame)> Respond;

private:
    bool m_open = false;
    hx7::OpenFailure m_failure;
    mutable qint64 m_seconds = 0;
};

struct Message {
    QString kind; // "warning", "information", "confirm"
    QString text;
    bool operator==(const Message &) const = default;
};
// What a failed comparison prints: the kind and the words.
inline char *toString(const Message &m)
{
    return qstrdup((m.kind + QStringLiteral(": ") + m.text).toUtf8().constData());
}

class RecordingView : public hx7::TransferView
{
public:
    void SetProgress(int position) override { Progress << position; }
    void SetProgressVisible(bool visible) override { ProgressVisible = visible; }
    void RoutesChanged() override { ++Refreshes; }
    void Warning(const QString &text) override { Box(QStringLiteral("warning"), text); }
    void Information(const QString &text) override { Box(QStringLiteral("information"), text); }
    // Answers at once, as a script does; with AnswerLater the test answers through the controller.
    std::optional<bool> Ask(hx7::TransferQuestion question, const hx7::QuestionFacts &facts) override
    {
        Questions << question;
        Box(QStringLiteral("confirm"), hx7::QuestionText(question, facts));
        return AnswerLater ? std::nullopt : std::optional(ConfirmAnswer);
    }
    // The words of the outcome, in Czech, as the main window would show them (the signal table's owner
    // writes its dump and has words of its own).
    void Finished(hx7::TransferOutcome outcome) override
    {
        Outcomes << outcome;
        if (const QString text = hx7::OutcomeSourceText(outcome); !text.isEmpty())
            Box(hx7::IsFailure(outcome) ? QStringLiteral("warning") : QStringLiteral("information"), text);
    }
    void ByteDiffers(int address, std::uint8_t, std::uint8_t) override { Differing << address; }
    bool KeepBackup(const hx7::ImageBytes &module, const hx7::Overwrite &followed, QString *why) override
    {
        Backups << std::pair{module, followed};
        if (!KeepSucceeds)
            *why = QStringLiteral("disk full");
        return KeepSucceeds;
    }

    QList<int> Progress;
    bool ProgressVisible = false;
    int Refreshes = 0;
    QList<Message> Messages;
    QList<hx7::TransferOutcome> Outcomes;
    QList<int> Differing; // the addresses a verify found different, in order
    bool ConfirmAnswer = true;
    bool AnswerLater = false;
    QList<hx7::TransferQuestion> Questions;
    QList<std::pair<hx7::ImageBytes, hx7::Overwrite>> Backups; // what each backup kept, and before what
    bool KeepSucceeds = true;
    // Runs while a box is "open", as the nested event loop of a real message box would run ticks.
    std::function<void()> WhileBoxOpen;

private:
    void Box(const QString &kind, const QString &text)
    {
        Messages << Message{kind, text};
        if (WhileBoxOpen)
            WhileBoxOpen();
    }
};

} // namespace hx7test
