// A module's side of the serial protocol: memory, signal table and the replies, with optional faults.
#pragma once

#include <QByteArray>
#include <array>
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
};

// The answer to one frame, with what the line needs to time it.
struct Response {
    QByteArray bytes;
    qsizetype frameEnd = 0;   // offset, in the bytes fed, of the frame's last byte
    bool memoryWrite = false; // a write acknowledge: it comes only after the memory write
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
};

} // namespace hx7sim
