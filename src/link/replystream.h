// SPDX-License-Identifier: GPL-3.0-or-later
// Which bytes from the module answer which frame: the one place that decides whether bytes are trusted.
// No port, no timer, no event loop: it is told when frames went out and when bytes came, and says for the
// attempt in flight whether its answer is there, and if it is in doubt, why.
#pragma once

#include "frames.h"

#include <QByteArray>
#include <vector>

namespace hx7 {

class ReplyStream
{
public:
    // Why bytes are not taken for the answer they look like.
    enum class Doubt {
        None,
        TooEarly,  // bytes came before the frame could have been heard whole, or beyond what earlier frames drew
        TooSoon,   // the answer was complete sooner than the frame and the answer could cross the line
        Surplus,   // more than one answer's worth came for a single request
        NotAReply, // an answer's worth came and it does not read as one
        TwoWays,   // the bytes read as answers with different values, depending on where one starts
        CutBySend, // the tail of an answer cut by a send reads otherwise than the answer behind it
    };
    struct Verdict {
        enum Kind { Nothing, Answer, Doubtful } kind = Nothing;
        int value = 0; // the answer's value (the data byte; type * 256 + version for the version query)
        Doubt why = Doubt::None;
    };
    // How much the judge may assume. Tick: each frame went out a tick after the answer before it, and the
    // tick looks at what came (the rules of the slow transfer). Haste: the frame went out the moment the
    // answer before it came, and the answer is taken the moment it is there. Paced: frames at the tick's pace
    // after the line has misled a hasty transfer, with a hasty transfer's suspicion of answers that came too
    // soon or read two ways.
    enum class Strictness { Tick, Paced, Haste };

    // A transfer begins: nothing that came before belongs to it.
    void Begin();
    // A frame of kind went out at (microseconds); repeat: it asks again what the attempt before it asked;
    // hasty: it went out the moment the answer before it came, not a tick after it.
    void Sent(Exchange kind, qint64 at, bool repeat, bool hasty);
    // From the next frame on, the bytes received are counted against the answers the frames ask for (a step's
    // first frame: what came before it answers none of them).
    void CountFromHere();
    // Bytes the program took from the line at (as far as it can tell: they may have come earlier).
    void Received(const QByteArray &bytes, qint64 at);
    // The attempt in flight, judged as of now; atTick: the tick's look, which has seen all that came.
    Verdict Judge(Strictness how, bool atTick) const;
    // The verdict's answer is taken: the next frame's answer starts behind it.
    void Taken();
    // No answer is taken for the attempt in flight (its repeat may still be answered).
    void Taint() { m_tainted = true; }
    // Bytes behind the last answer taken beyond what the other attempts of its byte may still bring.
    bool Overrun() const;
    // Whether any byte came since the last call (the quiet pause before a hasty transfer starts again).
    bool HeardSinceLastAsked();
    qint64 LastArrival() const { return m_lastArrival; }

private:
    struct Attempt {
        qsizetype sendPos; // bytes received when it went out
        qint64 sentAt;
        bool hasty;
    };
    struct Reading {
        bool valid = false;
        int value = 0;
        qsizetype start = 0;
    };
    qsizetype FirstHeard(const Attempt &attempt) const;
    bool OverBudget() const;
    Reading ReadAt(qsizetype pos) const;
    std::vector<qsizetype> Starts() const;
    std::vector<Reading> Readings() const;
    Verdict HasteFirst(bool atTick) const;
    Verdict Settled(Strictness how, bool atTick) const;
    bool CompletedTooSoon(const Reading &r) const;
    bool ReadsOtherwise(const Reading &r) const;
    void Trim();

    QByteArray m_bytes;          // received since Begin, less what Trim dropped
    std::vector<qint64> m_times; // when each of them was taken
    qsizetype m_dropped = 0;     // bytes trimmed from the front (positions count from Begin)
    Exchange m_kind = Exchange::NoReply;
    int m_length = 0;
    qsizetype m_groupStart = 0; // where the answers of the byte in flight may begin
    std::vector<Attempt> m_attempts;
    qsizetype m_spare = 0;      // what the earlier attempts of the last byte taken may still bring
    mutable Reading m_chosen{}; // the reading the last Answer verdict was taken from
    bool m_tainted = false;
    qsizetype m_heardMark = 0;
    qsizetype m_countedFrom = 0; // position from which the answers' budget counts
    qsizetype m_asked = 0;       // bytes the frames since then may draw, each attempt answered once at most
    qint64 m_lastArrival = 0;
};

} // namespace hx7
