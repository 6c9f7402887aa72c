// SPDX-License-Identifier: GPL-3.0-or-later
// The module answers the frames it hears in order, each answer as long as its kind's reply, so an answer's
// place in the stream says which frame it belongs to: the answers of a byte begin where the answer taken for
// the byte before it ended, and each attempt's answer behind the one before it. Every rule below says which
// misbehaviour of a module or a line it answers.
#include "replystream.h"

#include <algorithm>
#include <utility>

namespace hx7 {

void ReplyStream::Begin()
{
    *this = ReplyStream();
}

void ReplyStream::Sent(Exchange kind, qint64 at, bool repeat, bool hasty)
{
    const qsizetype end = m_dropped + m_bytes.size();
    if (!repeat || kind != m_kind || m_attempts.empty()) {
        m_attempts.clear();
        m_kind = kind;
        m_length = ReplyLength(kind);
    }
    m_attempts.push_back({end, at, hasty});
    m_asked += m_length;
    m_tainted = false;
}

bool ReplyStream::OverBudget() const
{
    return m_dropped + m_bytes.size() - m_countedFrom > m_asked;
}

void ReplyStream::CountFromHere()
{
    m_countedFrom = m_dropped + m_bytes.size();
    m_asked = 0;
}

void ReplyStream::Received(const QByteArray &bytes, qint64 at)
{
    m_bytes += bytes;
    m_times.insert(m_times.end(), bytes.size(), at);
    if (!bytes.isEmpty())
        m_lastArrival = at;
}

qsizetype ReplyStream::FirstHeard(const Attempt &attempt) const
{
    // Bytes taken before the frame could have gone out whole cannot answer it (a late or second answer to an
    // earlier frame, a stray byte behind one): its answer begins behind them.
    qsizetype pos = std::max(attempt.sendPos, m_groupStart);
    const qsizetype end = m_dropped + m_bytes.size();
    while (pos < end && m_times[pos - m_dropped] < attempt.sentAt + FrameLineMicroseconds)
        ++pos;
    return pos;
}

ReplyStream::Reading ReplyStream::ReadAt(qsizetype pos) const
{
    const auto value = MatchReply(m_kind, m_bytes, pos - m_dropped);
    return value ? Reading{true, *value, pos} : Reading{false, 0, pos};
}

std::vector<qsizetype> ReplyStream::Starts() const
{
    // Where the answer to the attempt in flight may start: where it began to be heard. The earlier attempts'
    // answers were judged in their time; what came whole before this send is theirs (a send drops it, as the slow
    // transfer's always has).
    const qsizetype heard = FirstHeard(m_attempts.back());
    std::vector<qsizetype> starts{heard};
    // But an answer the send cut in two leaves its tail in front of this answer, in its place: the answer may
    // then start a whole answer further on, and the earlier answer, head and tail, answers the same byte. The
    // earlier answer's place: behind the answers taken before it (for the first attempt, what the other attempts
    // of the byte before it may still bring).
    // After a repeat, only an earlier answer still incomplete at the send can have been cut: bytes behind a whole
    // answer are a stray or a second answer, which the send drops.
    qsizetype from = m_groupStart;
    qsizetype limit = m_spare;
    if (m_attempts.size() > 1) {
        from = FirstHeard(m_attempts[m_attempts.size() - 2]);
        limit = m_length - 1;
    }
    const qsizetype before = heard - from;
    if (before > 0 && before % m_length != 0 && before <= limit) {
        const qsizetype cut = before % m_length;
        starts.push_back(heard + m_length - cut);
        if (m_attempts.size() > 1)
            starts.push_back(heard - cut);
    }
    return starts;
}

std::vector<ReplyStream::Reading> ReplyStream::Readings() const
{
    // Behind each answer read, the module may answer again (an earlier attempt answered late, an answer twice):
    // those readings are of the same byte too.
    std::vector<Reading> readings;
    for (const qsizetype start : Starts()) {
        for (qsizetype pos = start;; pos += m_length) {
            const Reading r = ReadAt(pos);
            if (!r.valid)
                break;
            const bool known = std::any_of(readings.begin(), readings.end(),
                                           [pos](const Reading &other) { return other.start == pos; });
            if (!known)
                readings.push_back(r);
        }
    }
    std::sort(readings.begin(), readings.end(), [](const Reading &a, const Reading &b) { return a.start < b.start; });
    return readings;
}

bool ReplyStream::CompletedTooSoon(const Reading &r) const
{
    // Stale bytes that happen to look like an answer: complete sooner than the frame and the answer itself
    // could have crossed the line (counted from the attempt that went out last before the answer began).
    qint64 sentAt = m_attempts.front().sentAt;
    for (const Attempt &attempt : m_attempts)
        if (attempt.sendPos <= r.start)
            sentAt = attempt.sentAt;
    const qint64 complete = m_times[r.start + m_length - 1 - m_dropped];
    return complete - sentAt < (FrameSize + m_length) * ByteLineMicroseconds;
}

bool ReplyStream::ReadsOtherwise(const Reading &r) const
{
    // A data byte may itself be '*': "stray, '*', '*'" is a whole answer with the stray for its value, or the
    // answer '*' behind a stray; only the stray's time tells, which a program that looks late cannot see.
    // Looked for behind the last attempt's start: what earlier attempts and their strays left is judged by place.
    const qsizetype end = m_dropped + m_bytes.size();
    for (qsizetype pos = std::max(r.start, FirstHeard(m_attempts.back())) + 1; pos < end; ++pos)
        if (const Reading other = ReadAt(pos); other.valid && other.value != r.value)
            return true;
    return false;
}

ReplyStream::Verdict ReplyStream::HasteFirst(bool atTick) const
{
    // Taken the moment it is there, an answer is trusted only when nothing but it came: whatever else is on the
    // line means the program may have taken such bytes for answers before.
    const Attempt &attempt = m_attempts.front();
    const qsizetype sendPos = std::max(attempt.sendPos, m_groupStart);
    const qsizetype heard = FirstHeard(attempt);
    if (heard > sendPos) // bytes before the frame could have been heard: a second or late answer, a stray
        return {Verdict::Doubtful, 0, Doubt::TooEarly};
    // Bytes in front of a frame sent right behind the answer before it are more than the frames drew, unless the
    // other attempts of that answer's byte may still bring them. A frame that waited for the tick has let them
    // come (its send drops them, as the slow transfer's does), but a cut answer's tail may still come first.
    const qsizetype before = sendPos - m_groupStart;
    if (attempt.hasty && (before > m_spare || before % m_length != 0))
        return {Verdict::Doubtful, 0, Doubt::TooEarly};
    // More bytes than the frames since the step's first could draw: a stray or a second answer came, perhaps in
    // front of an answer taken before, where a program that looked late could not see it by its place.
    if (OverBudget())
        return {Verdict::Doubtful, 0, Doubt::Surplus};
    if (!attempt.hasty && before % m_length != 0 && before <= m_spare)
        return Settled(Strictness::Paced, atTick);
    const qsizetype body = m_dropped + m_bytes.size() - heard;
    if (body < m_length)
        return {};
    if (body > m_length) // more than one answer came for one request: which one answers it cannot be told
        return {Verdict::Doubtful, 0, Doubt::Surplus};
    m_chosen = ReadAt(heard);
    if (!m_chosen.valid) // an answer's worth that is no answer has something in front of it
        return {Verdict::Doubtful, 0, Doubt::NotAReply};
    if (CompletedTooSoon(m_chosen))
        return {Verdict::Doubtful, 0, Doubt::TooSoon};
    return {Verdict::Answer, m_chosen.value};
}

ReplyStream::Verdict ReplyStream::Settled(Strictness how, bool atTick) const
{
    // Where a cut answer's tail may lie in front, each place an answer may start is read whole before any is
    // believed (a stray in front of the tail's place reads as an answer too); the tick decides with what came.
    const std::vector<qsizetype> starts = Starts();
    const qsizetype end = m_dropped + m_bytes.size();
    if (!atTick && starts.size() > 1 &&
        std::any_of(starts.begin(), starts.end(), [&](qsizetype s) { return s + m_length > end; }))
        return {};
    const std::vector<Reading> readings = Readings();
    if (readings.empty())
        return {};
    // Every place an answer may start must tell the same: a tail of a cut answer, or a stray in front of a '*',
    // that reads as an answer with another value cannot be told from the true one.
    const bool tail = starts.size() > 1;
    for (const Reading &r : readings)
        if (r.value != readings.front().value)
            return {Verdict::Doubtful, 0, tail ? Doubt::CutBySend : Doubt::TwoWays};
    m_chosen = readings.front();
    if (how == Strictness::Paced && CompletedTooSoon(m_chosen))
        return {Verdict::Doubtful, 0, Doubt::TooSoon};
    if (how == Strictness::Paced && ReadsOtherwise(m_chosen))
        return {Verdict::Doubtful, 0, Doubt::TwoWays};
    return {Verdict::Answer, m_chosen.value};
}

ReplyStream::Verdict ReplyStream::Judge(Strictness how, bool atTick) const
{
    if (m_attempts.empty() || m_length == 0 || m_tainted)
        return {};
    if (how == Strictness::Haste) {
        if (m_attempts.size() == 1)
            return HasteFirst(atTick);
        // After a repeat the module may answer every attempt, and the rest of what it sends may still be on its
        // way: with more than an answer there, the tick decides, having seen all of it.
        const qsizetype body = m_dropped + m_bytes.size() - FirstHeard(m_attempts.front());
        if (OverBudget())
            return {Verdict::Doubtful, 0, Doubt::Surplus};
        if (!atTick && body > m_length)
            return {};
        how = Strictness::Paced;
    }
    return Settled(how, atTick);
}

void ReplyStream::Taken()
{
    // The next byte's answers begin behind this one; what the other attempts of this byte may still bring
    // (each attempt is answered once at most) is expected there, and nothing more.
    const qsizetype end = m_chosen.start + m_length;
    const qsizetype first = FirstHeard(m_attempts.front());
    m_spare = std::max<qsizetype>(0, first + static_cast<qsizetype>(m_attempts.size()) * m_length - end);
    m_groupStart = end;
    m_attempts.clear();
    Trim();
}

bool ReplyStream::Overrun() const
{
    return m_dropped + m_bytes.size() - m_groupStart > m_spare;
}

bool ReplyStream::HeardSinceLastAsked()
{
    const qsizetype end = m_dropped + m_bytes.size();
    return std::exchange(m_heardMark, end) != end;
}

void ReplyStream::Trim()
{
    const qsizetype drop = std::min<qsizetype>(m_groupStart - m_dropped, m_bytes.size());
    if (drop <= 0)
        return;
    m_bytes.remove(0, drop);
    m_times.erase(m_times.begin(), m_times.begin() + drop);
    m_dropped += drop;
}

} // namespace hx7
