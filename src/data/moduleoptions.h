// SPDX-License-Identifier: GPL-3.0-or-later
// The module options of image bytes 4..24 in named fields, and where each field lies. The configuration
// dialog, the byte map and hx7ctl read these bytes only through this codec.
#pragma once

#include <QLatin1String>
#include <array>
#include <cstdint>

namespace hx7 {

// Image addresses with a meaning of their own.
constexpr int AddressCodeByte = 4;
constexpr int OutputOptionsByte = 5;
constexpr int FollowOnSpeedByte = 6;
constexpr int SignalPairByte = 7;
constexpr int AspectTableByte = 8; // 16 bytes, four per signal
constexpr int InputOptionsByte = 24;

// Bits firstBit..lastBit of a byte (an image address, or an offset within a route slot); the whole byte
// unless told. A flag with activeAtZero is on while its bit is 0.
struct BitRange {
    int byte;
    int firstBit = 0;
    int lastBit = 7;
    bool activeAtZero = false;

    constexpr int Mask() const { return ((1 << (lastBit - firstBit + 1)) - 1) << firstBit; }
};

constexpr int ReadBits(const std::uint8_t *bytes, BitRange f)
{
    return (bytes[f.byte] & f.Mask()) >> f.firstBit;
}
// Only the field's bits change; value is cut to its width.
constexpr void WriteBits(std::uint8_t *bytes, BitRange f, int value)
{
    bytes[f.byte] = static_cast<std::uint8_t>((bytes[f.byte] & ~f.Mask()) | ((value << f.firstBit) & f.Mask()));
}

// The four signals; signal s drives the lamps of head SignalNames[s]. Signals 2p and 2p + 1 form pair p.
constexpr int SignalCount = 4;
constexpr int PairCount = 2;
constexpr std::array<QLatin1String, SignalCount> SignalNames = {QLatin1String("1A"), QLatin1String("2A"),
                                                                QLatin1String("1B"), QLatin1String("2B")};

// A signal's four aspects, named by letter; the image keeps them in the order A, D, C, B.
enum AspectLetter { AspectA, AspectB, AspectC, AspectD };
constexpr int AspectsPerSignal = 4;
constexpr std::array<int, AspectsPerSignal> AspectImageOrder = {AspectA, AspectD, AspectC, AspectB};
// Aspect codes by signal and AspectLetter.
using AspectTable = std::array<std::array<int, AspectsPerSignal>, SignalCount>;
constexpr char AspectLetterText(int aspect)
{
    return static_cast<char>('A' + aspect);
}
constexpr int FirstAspectByte(int signal)
{
    return AspectTableByte + AspectsPerSignal * signal;
}
constexpr int AspectByte(int signal, int aspect)
{
    int k = 0;
    while (AspectImageOrder[k] != aspect)
        ++k;
    return FirstAspectByte(signal) + k;
}

// Byte 5, the switching outputs.
constexpr BitRange SignalTypeBits{OutputOptionsByte, 0, 0}; // 1: aspects chosen by the user
constexpr BitRange PairingProtectionBits{OutputOptionsByte, 1, 1};
constexpr BitRange MotorDriveBits{OutputOptionsByte, 2, 2, true};
constexpr BitRange IgnoreOffCommandsBits{OutputOptionsByte, 3, 3};
constexpr BitRange PulseLengthBits{OutputOptionsByte, 4, 7};
// A field that repeats per signal or per pair: the field of index i lies i * stride bits after that of index 0.
struct RepeatedBits {
    BitRange first;
    int stride;

    constexpr BitRange operator()(int i) const
    {
        return {first.byte, first.firstBit + stride * i, first.lastBit + stride * i, first.activeAtZero};
    }
};
// Byte 6, two bits per signal.
constexpr RepeatedBits FollowOnSpeedBits{{FollowOnSpeedByte, 0, 1}, 2};
// Byte 7; its bits 4..7 mean nothing and are always written as 1.
constexpr RepeatedBits MergedPairBits{{SignalPairByte, 0, 0, true}, 1};
constexpr RepeatedBits CommonTrackBits{{SignalPairByte, 2, 2, true}, 1};
// Byte 24, the sensor inputs of the HX7S: per signal one bit that clears its aspect, one that switches a relay.
constexpr RepeatedBits AutoClearAspectBits{{InputOptionsByte, 0, 0, true}, 2};
constexpr RepeatedBits AutoRelayBits{{InputOptionsByte, 1, 1, true}, 2};

// Every flag is true while its function is on, whichever value of its bit that takes.
struct ModuleOptions {
    int AddressCode = 0;      // the decoder answers the command numbers 4b - 3 .. 4b
    bool UserAspects = false; // signal type: aspects of bytes 8..23; otherwise the dependent system (byte 6)
    bool PairingProtection = false;
    bool MotorDrive = false;
    bool IgnoreOffCommands = false;
    int PulseLength = 0;                          // 0..15 in 0.04 s, with motor drive in 0.32 s; 0 stays on
    std::array<int, SignalCount> FollowOnSpeed{}; // 0 STŮJ, 1 40km/h, 2 defined by the table, 3 VOLNO
    std::array<bool, PairCount> MergedPair{};     // the encoder stores a merged pair's common track as off
    std::array<bool, PairCount> CommonTrack{};
    // The image holds 0..255; codes above 16 have no text. A code is stored as its low 8 bits (-1 as 255).
    AspectTable Aspects{};
    std::array<bool, SignalCount> AutoClearAspect{};
    std::array<bool, SignalCount> AutoRelay{};

    bool operator==(const ModuleOptions &) const = default;
};

// Both work on a whole configuration image (at least 25 bytes).
ModuleOptions DecodeOptions(const std::uint8_t *image);
// Writes every bit of bytes 4..24 and nothing else.
void EncodeOptions(const ModuleOptions &options, std::uint8_t *image);

} // namespace hx7
