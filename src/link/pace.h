// SPDX-License-Identifier: GPL-3.0-or-later
// When a frame may go: the one place that decides the transfer's timing. It knows nothing of replies; the
// controller tells it what happened (a repeat, a misleading line, the last byte done) and asks.
#pragma once

#include <QtGlobal>

namespace hx7 {

class Pace
{
public:
    // A step of a transfer begins, fast or at the tick's pace.
    void Begin(bool fast);
    bool Fast() const { return m_fast; }
    // The line has misled a fast step: the rest of the step goes at the tick's pace.
    bool AtTickPace() const { return m_misled; }

    // The first frame of a step: a fast step sends it at once, unless a tick runs (a step that follows another
    // starts in the tick that ended the one before; its frame goes at the next tick, as the slow transfer's does,
    // and whatever trails the last answer before it is there by then and dropped). The slow transfer sends it at
    // the next tick.
    bool FirstFrameMayGo(bool atTick) const { return m_fast && !atTick; }
    // The frame after a byte that is done: in the tick that took its answer, or at once when fast; but a fast step
    // waits for the tick after a byte that needed a repeat (the module may still answer the earlier attempt) and
    // once misled, and nothing goes during the quiet pause.
    bool NextFrameMayGo(bool atTick, bool repeated) const;
    // A frame went out; between ticks, the first tick after it comes early and does not count toward its wait.
    void Sent(bool atTick) { m_sentBetweenTicks = !atTick; }
    // At the start of every tick: whether this tick counts toward the wait for an answer.
    bool TickCounts() { return !qExchange(m_sentBetweenTicks, false); }

    // Misled: the tick's pace from now on, and before the step goes back to its first byte a pause until the line
    // has been quiet for three ticks (a line that does not go quiet within 30 ends the step).
    void Misled() { m_misled = true; }
    void StartPause();
    bool Pausing() const { return m_quietTicks >= 0; }
    enum class PauseTick { Holding, Over, GaveUp };
    PauseTick Pause(bool heard);

    // After the last answer of a fast step the line must stay quiet before the answers are believed: an answer
    // still on its way when the program looked late has come by then.
    void StartClosing() { m_closing = true; }
    bool Closing() const { return m_closing; }
    bool QuietLongEnough(qint64 sinceLastSendUs) const { return sinceLastSendUs >= QuietBeforeClosingUs; }
    void EndClosing() { m_closing = false; }

    static constexpr int QuietTicksBeforeGoingBack = 3;
    static constexpr int MaxPauseTicks = 30;
    // A module answers within a few milliseconds (a USB adapter may hold bytes back for 16); the slow transfer
    // gives each request a tick before it sends the next, and a reply later than that misleads it as well.
    static constexpr qint64 QuietBeforeClosingUs = 100'000;

private:
    bool m_fast = false;
    bool m_misled = false;
    bool m_sentBetweenTicks = false;
    bool m_closing = false;
    int m_quietTicks = -1; // quiet ticks of the pause so far (-1: no pause)
    int m_pauseTicks = 0;
};

} // namespace hx7
