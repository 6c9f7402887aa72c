// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated module.
#include "simmodule.h"

#include "hx7_var1.h"

namespace hx7sim {

SimModule::SimModule(const SimOptions &options) : m_options(options)
{
    FactoryReset();
}

void SimModule::FactoryReset()
{
    Memory.fill(0);
    std::copy(hx7::ConfigDefaults.begin(), hx7::ConfigDefaults.end(), Memory.begin() + hx7::AddressCodeByte);
    Memory[hx7::AddressCodeByte] = static_cast<std::uint8_t>(m_options.addressCode);
    Memory[hx7::InputOptionsByte] = 0xFF;
    for (int i = 0; i < 128; ++i)
        SignalTable[i] = static_cast<std::uint8_t>(i * 7 + 3);
}

std::vector<Response> SimModule::Feed(const QByteArray &bytes)
{
    // Bytes left over from earlier calls stand in front of the new ones: the offset of a pending byte in
    // `bytes` is its index here minus `carried`.
    qsizetype carried = m_pending.size();
    m_pending += bytes;
    std::vector<Response> out;
    while (m_pending.size() >= 7) {
        if (m_pending[0] != '@' || m_pending[6] != '*') {
            m_pending.remove(0, 1); // a stray byte: look for the next frame start
            --carried;
            continue;
        }
        const QByteArray frame = m_pending.left(7);
        m_pending.remove(0, 7);
        const qsizetype frameEnd = 6 - carried;
        carried -= 7;
        if (OnFrame)
            OnFrame(frame);
        m_busyNow = {};
        m_burstNow = false;
        QByteArray answer = Answer(frame);
        if (!answer.isEmpty())
            out.push_back({std::move(answer), frameEnd, frame[1] == 'W', m_busyNow, m_burstNow, m_options.trail,
                           std::chrono::milliseconds(m_options.trailMs)});
    }
    return out;
}

QByteArray SimModule::Reply(QByteArray reply)
{
    ++m_replies;
    if (m_options.dropEvery > 0 && m_replies % m_options.dropEvery == 0)
        return {};
    if (m_options.noise)
        reply.prepend('\x55');
    if (m_options.twiceEvery > 0 && m_replies % m_options.twiceEvery == 0)
        reply += reply;
    return reply;
}

QByteArray SimModule::Answer(const QByteArray &frame)
{
    const auto arg = [&frame](int i) { return static_cast<std::uint8_t>(frame[i]); };
    if ((frame[1] == 'R' || frame[1] == 'W') && arg(2) == m_options.busyAddress && !m_wasBusy) {
        m_wasBusy = true;
        m_busyNow = std::chrono::milliseconds(m_options.busyMs);
    }
    // A module that never heard the frame: no answer, and a written byte is not taken either.
    const bool addressed = frame[1] == 'R' || frame[1] == 'W' || frame[1] == 'S';
    if (addressed && arg(2) == m_options.silentAddress)
        return {};
    switch (frame[1]) {
    case 'G':
        return Reply(QByteArray("N") + m_options.type + static_cast<char>(m_options.version) + '*');
    case 'R': {
        const int address = arg(2);
        if (address == m_options.floodAddress && !m_flooded) {
            m_flooded = true;
            m_burstNow = true;
            return QByteArray(500, '\x5A');
        }
        return Reply(QByteArray(1, static_cast<char>(Memory[address])) + '*');
    }
    case 'W':
        if (arg(2) != m_options.stuckAddress)
            Memory[arg(2)] = arg(3);
        return Reply("Y*");
    case 'S':
        return Reply(QByteArray(1, static_cast<char>(SignalTable[arg(2) & 0x7F])) + "0*");
    case 'X':
        if (frame[2] == 'I')
            FactoryReset();
        return {};
    default: // 'N', 'T' and anything unknown: no reply
        return {};
    }
}

} // namespace hx7sim
