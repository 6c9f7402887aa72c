// SPDX-License-Identifier: GPL-3.0-or-later
// A module at the end of a 19200-baud line, in virtual time, for the controller's unit tests and the fuzzer:
// it hears each frame a line's time after it went out, answers after its own delays, one byte at a time,
// and misbehaves as a script says (drops, answers twice, stalls, stray bytes). Ticks come every 100 ms; each
// byte is received the moment it arrives, as the port's readyRead hands it over, and the fast mode takes it.
#pragma once

#include "fakes.h"
#include "frames.h"
#include "transfercontroller.h"

#include <array>
#include <functional>
#include <limits>
#include <map>

namespace hx7test {

// What the module does with one frame it hears.
struct Misbehaviour {
    bool drop = false;  // no answer (a write is still taken)
    bool twice = false; // the answer comes twice, back to back
    int againUs = -1;   // the answer comes again this long after its end
    int busyMs = 0;     // stalls this long first, once in a run; frames heard meanwhile are answered
                        // right after this one, in order (an answer delayed on its own, later than a
                        // repeat of its request, could pass for the answer to any frame: no timing helps)
    int strayUs = -1;   // a junk byte this long after the frame was sent, before the answer
    int trailUs = -1;   // a stray byte this long after the answer
    char strayByte = '\x0D';
    bool operator==(const Misbehaviour &) const = default;
};

class TimedModule
{
public:
    static constexpr qint64 ByteUs = 521; // 10 bits at 19200 baud, rounded up
    static constexpr qint64 TickUs = 100'000;
    static constexpr qint64 WriteUs = 4'000; // a memory write before the acknowledge

    std::array<std::uint8_t, 512> Memory{};
    std::array<std::uint8_t, 128> SignalTable{};
    // Misbehaviour for the n-th frame heard (from 0); none without a script.
    std::function<Misbehaviour(int n, const QByteArray &frame)> Script;
    qint64 FirstTickUs = TickUs; // when the first tick comes after the start
    qint64 ThinkUs = 0;          // how long the module takes to answer a frame it has heard
    // How late the program looks after a byte arrives (a busy or loaded machine), given how many times it
    // has looked: bytes that arrive meanwhile are handed over together, and the clock the program reads is
    // the late one. By default it looks the moment each byte arrives.
    std::function<qint64(int look)> LookLateUs;

    // Starts the clock of the port; call before the transfer starts.
    void Attach(FakeSerialPort &port)
    {
        port.Respond = nullptr;
        port.Clock = [this] { return m_now; };
        m_port = &port;
    }

    // Runs until the controller is idle and nothing is on its way, or the tick limit. Returns the ticks run.
    int Run(hx7::SerialLink &link, hx7::TransferController &ctl, int tickLimit = 4000)
    {
        qint64 nextTick = m_now + FirstTickUs;
        int ticks = 0;
        Hear();
        constexpr qint64 Never = std::numeric_limits<qint64>::max();
        qint64 look = Never; // when the program next looks at bytes that have arrived
        while (ticks < tickLimit && (!ctl.IsIdle() || !m_line.empty() || look != Never)) {
            const qint64 nextByte = m_line.empty() ? Never : m_line.begin()->first;
            if (nextByte < std::min(nextTick, look)) {
                m_now = nextByte;
                m_port->Incoming += m_line.begin()->second;
                m_line.erase(m_line.begin());
                if (look == Never)
                    look = m_now + (LookLateUs ? LookLateUs(m_looks++) : 0);
            } else if (look <= nextTick) {
                m_now = look;
                look = Never;
                link.ReceiveStep(); // as the program's port handler does, in both modes
                ctl.Advance();
            } else {
                m_now = nextTick;
                nextTick += TickUs;
                look = Never; // the tick's receive step takes whatever has arrived
                link.ReceiveStep();
                ctl.Tick();
                ++ticks;
            }
            Hear();
        }
        return ticks;
    }

private:
    // The frames written since the last look went out now; each is heard when its last byte has crossed.
    void Hear()
    {
        for (; m_heard < m_port->Written.size(); ++m_heard) {
            const QByteArray &f = m_port->Written[m_heard];
            m_rxFree = std::max(m_rxFree, m_now) + f.size() * ByteUs;
            const Misbehaviour m = Script ? Script(static_cast<int>(m_heard), f) : Misbehaviour{};
            if (m.strayUs >= 0)
                m_line.emplace(m_now + m.strayUs, m.strayByte);
            QByteArray answer = Answer(f);
            if (answer.isEmpty() || m.drop)
                continue;
            if (m.twice)
                answer += answer;
            qint64 start = std::max(m_rxFree, m_busyUntil) + ThinkUs + (f[1] == 'W' ? WriteUs : 0);
            if (m.busyMs > 0 && !std::exchange(m_stalled, true))
                m_busyUntil = start = std::max(start, m_rxFree + m.busyMs * 1000LL);
            qint64 t = std::max(start, m_txFree);
            for (const char c : answer)
                m_line.emplace(t += ByteUs, c);
            if (m.againUs >= 0) {
                t += m.againUs;
                for (const char c : answer)
                    m_line.emplace(t += ByteUs, c);
            }
            if (m.trailUs >= 0)
                m_line.emplace(t += m.trailUs + ByteUs, m.strayByte);
            m_txFree = t;
        }
    }

    QByteArray Answer(const QByteArray &f)
    {
        const auto a = static_cast<std::uint8_t>(f[2]);
        switch (f[1]) {
        case 'G':
            return QByteArray("NS\x14*", 4);
        case 'R':
            return QByteArray(1, static_cast<char>(Memory[a])) + '*';
        case 'W':
            Memory[a] = static_cast<std::uint8_t>(f[3]);
            return "Y*";
        case 'S':
            return QByteArray(1, static_cast<char>(SignalTable[a & 0x7F])) + "0*";
        default:
            return {};
        }
    }

    FakeSerialPort *m_port = nullptr;
    qint64 m_now = 0;
    qint64 m_rxFree = 0, m_txFree = 0, m_busyUntil = 0;
    qsizetype m_heard = 0;
    bool m_stalled = false;
    int m_looks = 0;
    std::multimap<qint64, char> m_line; // bytes on their way to the program, by arrival time (in order)
};

} // namespace hx7test
