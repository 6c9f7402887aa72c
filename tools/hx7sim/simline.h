// SPDX-License-Identifier: GPL-3.0-or-later
// The timing of the serial line between the program and the simulated module: when a received frame
// would have finished arriving at the given baud rate, and when each byte of the reply may go out.
#pragma once

#include "simmodule.h"

#include <chrono>
#include <deque>
#include <optional>

namespace hx7sim {

class SimLine
{
public:
    using Clock = std::chrono::steady_clock;

    // baud 0: no line at all, a reply goes out whole as soon as it is due (after delay, and writeTime for
    // a write acknowledge). Otherwise every byte takes 10 bits of line time, both ways.
    SimLine(int baud, std::chrono::milliseconds delay, std::chrono::milliseconds writeTime);

    // Bytes just read from the program, at time now; call before queueing the replies to them.
    void Received(Clock::time_point now, qsizetype count);
    // A reply to a frame among the bytes of the last Received(): its bytes fall due one byte time apart,
    // the first one byte time after the frame has arrived and the module is ready to answer.
    void Queue(const Response &response);

    // When the next byte falls due; nothing while no reply waits.
    std::optional<Clock::time_point> NextDue() const;
    // The bytes due by now, in order, taken off the queue.
    QByteArray TakeDue(Clock::time_point now);

private:
    struct Byte {
        Clock::time_point due;
        char value;
    };

    Clock::duration m_byteTime{};
    std::chrono::milliseconds m_delay;
    std::chrono::milliseconds m_writeTime;
    Clock::time_point m_chunkStart{};  // when the first byte of the last chunk began to arrive
    Clock::time_point m_receiveFree{}; // when the last received byte has finished arriving
    Clock::time_point m_sendFree{};    // when the last queued byte has been sent
    std::deque<Byte> m_queue;
};

} // namespace hx7sim
