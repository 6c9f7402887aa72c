// SPDX-License-Identifier: GPL-3.0-or-later
// A module's side of the serial protocol: memory, signal table and the replies, with optional faults.
#pragma once

#include <QByteArray>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace hx7sim {

struct SimOptions {
    char type = 'S';
    std::uint8_t version = 0x14;
    int addressCode = 1;
    int silentAddress = -1; // frames for this address (read, write) or signal-table index are never answered
    int dropEvery = 0;      // every n-th reply is lost
    bool noise = false;     // a junk byte in front of every reply
    int floodAddress = -1;  // a read of this address is answered by 500 junk bytes once
    // A module busy once: the first read or write of this address is answered busyMs late, and every frame
    // that comes meanwhile is answered after it, in order (so a repeat sent meanwhile gets its own answer).
    int busyAddress = -1;
    int busyMs = 0;
    QByteArray trail; // stray bytes on the line trailMs after every reply
    int trailMs = 0;
    int twiceEvery = 0;    // every n-th reply comes twice, back to back
    int stuckAddress = -1; // a write of this address is acknowledged, but the byte keeps its old value
};

// The answer to one frame, with what the line needs to time it.
struct Response {
    QByteArray bytes;
    qsizetype frameEnd = 0;            // offset, in the bytes fed, of the frame's last byte
    bool memoryWrite = false;          // a write acknowledge: it comes only after the memory write
    std::chrono::milliseconds busy{0}; // the module is busy this long before it answers
    bool burst = false;                // all at once, as a flood reaches the program in one piece
    QByteArray trail;                  // stray bytes behind the reply, trailDelay after its last byte
    std::chrono::milliseconds trailDelay{0};
};

class SimModule
{
public:
    explicit SimModule(const SimOptions &options);

    // Takes received bytes; returns the replies to the frames they complete, in order (frames that get
    // no answer give none). Frames are found again after stray bytes.
    std::vector<Response> Feed(const QByteArray &bytes);
    void FactoryReset();

    std::array<std::uint8_t, 512> Memory{};
    std::array<std::uint8_t, 128> SignalTable{};
    std::function<void(const QByteArray &frame)> OnFrame; // every frame taken, for the log

private:
    QByteArray Answer(const QByteArray &frame);
    QByteArray Reply(QByteArray reply);

    SimOptions m_options;
    QByteArray m_pending;
    int m_replies = 0;
    bool m_flooded = false;
    bool m_wasBusy = false;
    bool m_burstNow = false;
    std::chrono::milliseconds m_busyNow{0}; // set by Answer() for the frame it answers
};

} // namespace hx7sim
