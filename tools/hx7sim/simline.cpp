// SPDX-License-Identifier: GPL-3.0-or-later
// The serial line's timing for the simulator.
#include "simline.h"

#include <algorithm>

namespace hx7sim {

SimLine::SimLine(int baud, std::chrono::milliseconds delay, std::chrono::milliseconds writeTime)
    : m_delay(delay), m_writeTime(writeTime)
{
    // 10 bits a byte: start bit, 8 data bits, stop bit.
    if (baud > 0)
        m_byteTime = std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / baud));
}

void SimLine::Received(Clock::time_point now, qsizetype count)
{
    // The pseudo-terminal hands over a whole frame at once, when a real line would only carry its first
    // bits; bytes that come while earlier ones are still "on the line" queue behind them.
    m_chunkStart = std::max(m_receiveFree, now);
    m_receiveFree = m_chunkStart + count * m_byteTime;
}

void SimLine::Queue(const Response &response)
{
    const Clock::time_point frameArrived = m_chunkStart + (response.frameEnd + 1) * m_byteTime;
    const Clock::time_point ready =
        frameArrived + m_delay + response.busy + (response.memoryWrite ? m_writeTime : m_delay.zero());
    Clock::time_point due = std::max(m_sendFree, ready);
    for (qsizetype i = 0; i < response.bytes.size(); ++i) {
        if (!response.burst || i == 0)
            due += m_byteTime;
        m_queue.push_back({due, response.bytes[i]});
    }
    // Behind the reply, any stray bytes; the line carries one byte at a time, so later replies queue behind.
    if (!response.trail.isEmpty())
        due += response.trailDelay;
    for (const char c : response.trail) {
        due += m_byteTime;
        m_queue.push_back({due, c});
    }
    m_sendFree = due;
}

std::optional<SimLine::Clock::time_point> SimLine::NextDue() const
{
    return m_queue.empty() ? std::nullopt : std::optional(m_queue.front().due);
}

QByteArray SimLine::TakeDue(Clock::time_point now)
{
    QByteArray bytes;
    while (!m_queue.empty() && m_queue.front().due <= now) {
        bytes += m_queue.front().value;
        m_queue.pop_front();
    }
    return bytes;
}

} // namespace hx7sim
