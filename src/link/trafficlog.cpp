// SPDX-License-Identifier: GPL-3.0-or-later
// Recording and naming the serial traffic.
#include "trafficlog.h"

#include "bytemap.h"
#include "frames.h"
#include "hx7_var1.h"
#include "moduleidentity.h"
#include "transfercontroller.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <utility>

namespace hx7 {

namespace {

// Upper-case digits, as in the byte column, the verify window and the data file.
QString Hex(int value)
{
    return QStringLiteral("0x") + QString::number(value & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

// The byte map's name of an address without its explanations in brackets, only while it stays short
// enough to keep the line readable: "DCC adresa", "Cesta 5: rychlost", "Cesta 12: číslo výhybky 1,
// opakovací znak" (what follows the brackets is a second thing the byte holds, not an explanation).
QString ShortDescription(int address)
{
    constexpr qsizetype Longest = 48;
    static const QRegularExpression explanation(QStringLiteral(" \\([^()]*\\)"));
    const QString name = QString(DescribeAddress(address).description).remove(explanation);
    if (name.isEmpty() || name.size() > Longest)
        return {};
    return QStringLiteral(" (") + name + QLatin1Char(')');
}

// The words with %1, %2, ... filled in, each used or not (QString::arg warns about one missing).
QString Filled(QString words, const QStringList &values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        words.replace(QLatin1Char('%') + QString::number(i + 1), values[i]);
    return words;
}

QString Printable(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text += c >= 0x20 && c < 0x7F ? QLatin1Char(c) : QLatin1Char('.');
    return text;
}

} // namespace

QString TrafficLine::Text() const
{
    // Columns fit a 7-byte frame; the rare longer line (junk) pushes its meaning further right.
    QString text = QString::number(ms).rightJustified(8) + QStringLiteral(" ms  ");
    if (direction == Note)
        return text + QStringLiteral("-- ") + meaning;
    text += direction == Sent ? QStringLiteral("-> ") : QStringLiteral("<- ");
    text += QString::fromLatin1(bytes.toHex(' ').toUpper()).leftJustified(3 * FrameSize - 1) + QStringLiteral("  ") +
            Printable(bytes).leftJustified(FrameSize) + QStringLiteral("  ") + meaning;
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString DescribeFrame(const QByteArray &f)
{
    const QString unknown = QCoreApplication::translate("hx7", "neznámý rámec");
    if (f.size() != FrameSize || f[0] != '@' || f[6] != '*')
        return unknown;
    const int a = ByteAt(f, 2);
    if (const ExchangeRow *row = RowOf(ExchangeOf(f))) {
        // The signal table's index has no name in the byte map.
        const QString name = row->kind == Exchange::SignalTable ? QString() : ShortDescription(a);
        return Filled(QCoreApplication::translate("hx7", row->sent), {Hex(a), name, Hex(ByteAt(f, 3))});
    }
    switch (f[1]) {
    case 'X':
        if (f[2] == 'R')
            return QCoreApplication::translate("hx7", "reset modulu");
        if (f[2] == 'I')
            return QCoreApplication::translate("hx7", "inicializace konfigurace (tovární nastavení)");
        return unknown;
    case 'N': {
        const int aspect = ByteAt(f, 3);
        return aspect < AspectTexts().size()
                   ? QCoreApplication::translate("hx7", "test návěstidla %1: návěst %2")
                         .arg(QString::number(a + 1), QString::number(aspect))
                   : QCoreApplication::translate("hx7", "test návěstidla %1: návěst %2 (neplatná)")
                         .arg(QString::number(a + 1), Hex(aspect));
    }
    case 'T':
        return QCoreApplication::translate("hx7", "test přestavníku %1: %2")
            .arg(QString::number(a / 2 + 1),
                 a % 2 ? QCoreApplication::translate("hx7", "odbočka") : QCoreApplication::translate("hx7", "rovně"));
    }
    return unknown;
}

TrafficLog::TrafficLog(QObject *parent) : QObject(parent)
{
    m_clock.start();
}

void TrafficLog::Start()
{
    m_enabled = true;
    m_clock.restart();
    m_awaited = Exchange::NoReply;
    m_replySoFar.clear();
    if (!m_lines.empty())
        Add(TrafficLine::Note, {}, tr("nový záznam, čas znovu od nuly"));
}

void TrafficLog::Clear()
{
    m_lines.clear();
    emit Cleared();
}

void TrafficLog::Add(TrafficLine::Direction direction, const QByteArray &bytes, const QString &meaning)
{
    if (m_lines.size() >= MaxLines)
        m_lines.pop_front();
    m_lines.push_back({m_clock.elapsed(), direction, bytes, meaning});
    ++m_totalAdded;
    emit LineAdded(m_lines.back().Text());
}

void TrafficLog::AddChunked(TrafficLine::Direction direction, const QByteArray &bytes, const QString &meaning)
{
    for (qsizetype at = 0; at < bytes.size(); at += BytesPerLine)
        Add(direction, bytes.mid(at, BytesPerLine), meaning);
}

void TrafficLog::RecordSent(const QByteArray &frame, bool sent)
{
    if (!m_enabled)
        return;
    QString meaning = DescribeFrame(frame);
    if (!sent)
        meaning = tr("%1 – neodesláno, port není otevřen").arg(meaning);
    AddChunked(TrafficLine::Sent, frame, meaning);
    m_replySoFar.clear();
    m_awaited = Exchange::NoReply;
    if (!sent || frame.size() != FrameSize)
        return;
    m_index = ByteAt(frame, 2);
    m_awaited = ExchangeOf(frame); // the others (restart, tests) get no reply
}

TrafficLog::ReplyMatch TrafficLog::MatchAwaitedReply() const
{
    const QByteArray &rx = m_replySoFar;
    const ExchangeRow *row = RowOf(m_awaited);
    ReplyMatch m;
    if (!row)
        return m;
    if (const auto value = MatchReply(m_awaited, rx)) {
        m.length = row->replyLength;
        if (m_awaited == Exchange::Version) {
            const int version = *value & 0xFF;
            const QString text = ModuleIdentity{static_cast<char>(*value >> 8), std::uint8_t(version)}.Name();
            m.meaning = text.isEmpty() ? tr("verze %1.%2, neznámý typ").arg(version / 16).arg(version % 16)
                                       : tr("verze %1").arg(text);
        } else {
            m.meaning = Filled(QCoreApplication::translate("hx7", row->answer), {Hex(*value), Hex(m_index)});
        }
    }
    m.possible = rx.size() < row->replyLength && (row->lead == 0 || rx[0] == row->lead);
    return m;
}

void TrafficLog::RecordReceived(const QByteArray &bytes)
{
    if (!m_enabled || bytes.isEmpty())
        return;
    qsizetype taken = 0;
    if (m_awaited != Exchange::NoReply) {
        // The controller's rules: a reply counts only at the start of what came after the frame, so
        // anything in front of it makes the rest unknown data.
        const qsizetype before = m_replySoFar.size();
        m_replySoFar += bytes.left(LongestReply - before);
        const ReplyMatch reply = MatchAwaitedReply();
        if (reply.length > 0) {
            taken = reply.length - before;
            Add(TrafficLine::Received, bytes.left(taken), reply.meaning);
            m_awaited = Exchange::NoReply;
        } else if (reply.possible) {
            Add(TrafficLine::Received, bytes, tr("část odpovědi"));
            return;
        } else {
            m_awaited = Exchange::NoReply;
        }
    }
    AddChunked(TrafficLine::Received, bytes.mid(taken), tr("neznámá data"));
}

void TrafficLog::RecordDiscarded(const QByteArray &bytes, DiscardReason reason)
{
    if (!m_enabled)
        return;
    // A flood takes the awaited reply with it.
    (void)reason;
    m_awaited = Exchange::NoReply;
    AddChunked(TrafficLine::Discarded, bytes, tr("zahozeno (zahlcení vstupu)"));
}

QByteArray TrafficLog::AsText() const
{
    QByteArray text;
    for (const TrafficLine &line : m_lines)
        text += line.Text().toUtf8() + '\n';
    return text;
}

QString TrafficLog::SaveErrorText(const QString &path, const QString &reason)
{
    return tr("Záznam nelze uložit do souboru %1: %2").arg(path, reason);
}

} // namespace hx7
