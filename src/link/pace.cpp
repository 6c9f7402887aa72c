// SPDX-License-Identifier: GPL-3.0-or-later
#include "pace.h"

namespace hx7 {

void Pace::Begin(bool fast)
{
    // The uncounted tick belongs to the frame in flight, whatever step it was for.
    const bool sentBetweenTicks = m_sentBetweenTicks;
    *this = Pace();
    m_fast = fast;
    m_sentBetweenTicks = sentBetweenTicks;
}

bool Pace::NextFrameMayGo(bool atTick, bool repeated) const
{
    if (Pausing())
        return false;
    return atTick || (m_fast && !m_misled && !repeated);
}

void Pace::StartPause()
{
    m_quietTicks = 0;
    m_pauseTicks = 0;
}

Pace::PauseTick Pace::Pause(bool heard)
{
    m_quietTicks = heard ? 0 : m_quietTicks + 1;
    if (++m_pauseTicks > MaxPauseTicks) {
        m_quietTicks = -1;
        return PauseTick::GaveUp;
    }
    if (m_quietTicks < QuietTicksBeforeGoingBack)
        return PauseTick::Holding;
    m_quietTicks = -1;
    return PauseTick::Over;
}

} // namespace hx7
