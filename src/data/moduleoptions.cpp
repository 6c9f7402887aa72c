// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding and encoding of the module options, bit for bit as the module firmware reads them.
#include "moduleoptions.h"

namespace hx7 {

namespace {

bool ReadFlag(const std::uint8_t *image, BitRange f)
{
    return (ReadBits(image, f) == 0) == f.activeAtZero;
}
void WriteFlag(std::uint8_t *image, BitRange f, bool on)
{
    WriteBits(image, f, on != f.activeAtZero ? 1 : 0);
}

} // namespace

ModuleOptions DecodeOptions(const std::uint8_t *image)
{
    ModuleOptions o;
    o.AddressCode = image[AddressCodeByte];
    o.UserAspects = ReadFlag(image, SignalTypeBits);
    o.PairingProtection = ReadFlag(image, PairingProtectionBits);
    o.MotorDrive = ReadFlag(image, MotorDriveBits);
    o.IgnoreOffCommands = ReadFlag(image, IgnoreOffCommandsBits);
    o.PulseLength = ReadBits(image, PulseLengthBits);
    for (int p = 0; p < PairCount; ++p) {
        o.MergedPair[p] = ReadFlag(image, MergedPairBits(p));
        o.CommonTrack[p] = ReadFlag(image, CommonTrackBits(p));
    }
    for (int s = 0; s < SignalCount; ++s) {
        o.FollowOnSpeed[s] = ReadBits(image, FollowOnSpeedBits(s));
        for (int a = 0; a < AspectsPerSignal; ++a)
            o.Aspects[s][a] = image[AspectByte(s, a)];
        o.AutoClearAspect[s] = ReadFlag(image, AutoClearAspectBits(s));
        o.AutoRelay[s] = ReadFlag(image, AutoRelayBits(s));
    }
    return o;
}

void EncodeOptions(const ModuleOptions &o, std::uint8_t *image)
{
    image[AddressCodeByte] = static_cast<std::uint8_t>(o.AddressCode);
    WriteFlag(image, SignalTypeBits, o.UserAspects);
    WriteFlag(image, PairingProtectionBits, o.PairingProtection);
    WriteFlag(image, MotorDriveBits, o.MotorDrive);
    WriteFlag(image, IgnoreOffCommandsBits, o.IgnoreOffCommands);
    WriteBits(image, PulseLengthBits, o.PulseLength);
    image[SignalPairByte] = 0xFF;
    for (int p = 0; p < PairCount; ++p) {
        WriteFlag(image, MergedPairBits(p), o.MergedPair[p]);
        // The module cannot run a merged pair on a common track.
        WriteFlag(image, CommonTrackBits(p), o.CommonTrack[p] && !o.MergedPair[p]);
    }
    for (int s = 0; s < SignalCount; ++s) {
        WriteBits(image, FollowOnSpeedBits(s), o.FollowOnSpeed[s]);
        for (int a = 0; a < AspectsPerSignal; ++a)
            image[AspectByte(s, a)] = static_cast<std::uint8_t>(o.Aspects[s][a]);
        WriteFlag(image, AutoClearAspectBits(s), o.AutoClearAspect[s]);
        WriteFlag(image, AutoRelayBits(s), o.AutoRelay[s]);
    }
}

} // namespace hx7
