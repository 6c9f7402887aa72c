// SPDX-License-Identifier: GPL-3.0-or-later
// Every module option of image bytes 4..24 described once: where its bits lie (the codec's BitRange and
// RepeatedBits), its names, how its values read, its section and the rule it obeys. The byte map, hx7ctl show,
// the printed sheet and what ties the configuration dialog's boxes to their fields are all written from it.
#pragma once

#include "moduleoptions.h"

#include <QStringList>
#include <span>

namespace hx7 {

enum class OptionId {
    AddressCode,
    FirstCommand,
    SignalType,
    PulseLength,
    MotorDrive,
    PairingProtection,
    IgnoreOffCommands,
    FollowOnSpeed,
    Aspect,
    MergedPair,
    CommonTrack,
    AutoClearAspect,
    AutoRelay,
};

// The sheet prints an option under its section's heading; a byte of several fields is named by its section.
enum class OptionSection { Address, Outputs, FollowOnSpeeds, SignalPairs, Aspects, Inputs };

// How a value reads: a number; the address code (the byte map names it by its first command number); the
// pulse length (the sheet adds its seconds); a box; an item of choices; an aspect code.
enum class OptionValue { Number, Address, PulseLength, Flag, Choice, Aspect };

// What the placeholders of a repeated option's names stand for: the signal ("1A"), the signal's number from 0,
// the pair ("1A 2A" or "1A+2A"), the signal and aspect letter of index 4s + a ("1A", "B").
enum class OptionIndex { None, Signal, SignalNumber, PairWithBlank, PairWithPlus, SignalAspect };

// An option the module obeys only while option `by` of the same index is byOn.
struct OptionNeed {
    enum Keeper {
        None,
        Dialog,  // the dialog clears (and disables) the box while the need is not met
        Encoder, // EncodeOptions writes the option off
    } keeper = None;
    OptionId by{};
    bool byOn = true;
    // Tooltip lines (context "hx7"): under the option's own control, and under the control of `by`. %1 is the
    // option's index name where it repeats, the last placeholder its bits ("bajt 0x07, bit 2").
    const char *note = nullptr;
    const char *byNote = nullptr;
    // Said after the value where an image holds the option on although the need is not met; none: not said.
    const char *ignored = nullptr;
};

struct OptionField {
    OptionId id;
    OptionSection section;
    OptionValue value;
    int count = 1; // one per signal, pair or aspect where it repeats
    OptionIndex naming = OptionIndex::None;
    // Listed index by index together with the row before it: per signal its aspect clearing, then its relay.
    bool withPrevious = false;
    BitRange (*bits)(int index);
    int (*get)(const ModuleOptions &, int index);
    // None for a second view of another option's bits (the first command of the address code): it has no
    // bits of its own in the byte map and no control.
    void (*set)(ModuleOptions &, int index, int value) = nullptr;
    const char *name;                       // hx7ctl show and the sheet, context "hx7"
    const char *mapName = nullptr;          // the byte map's, where it is not the same
    const char *mapSetting = nullptr;       // the byte map's name of the value, where it is not the field's
    std::span<const char *const> choices{}; // by value, for OptionValue::Choice
    bool zeroInName = false;                // the map's name says itself what 0 means ("(0 = ano)")
    OptionNeed need{};
};

// In the order hx7ctl show lists them.
std::span<const OptionField> OptionTable();
const OptionField &Option(OptionId id);

// Names in the installed language, their placeholders filled for index.
QString OptionName(const OptionField &field, int index);
QString OptionMapName(const OptionField &field, int index);
// The byte map's name of a byte that holds several fields of section.
QString SectionByteName(OptionSection section);
// Item value of a choice; the number itself where there is none.
QString OptionChoiceText(const OptionField &field, int value);
QStringList OptionChoices(const OptionField &field);

// Whether options holds option index on while the module ignores it (its need not met).
bool IsIgnored(const OptionField &field, const ModuleOptions &options, int index);
// The remark said after an ignored value; empty for one that is not ignored.
QString IgnoredRemark(const OptionField &field, const ModuleOptions &options, int index);
// The tooltip lines a control of option index adds below its bits: its need's note and the byNote of every
// option that needs it.
QStringList OptionNotes(OptionId id, int index);

// The module counts a pulse in steps of 40 ms, eight times as long for a motor drive.
int PulseStepMs(bool motorDrive);
// 0.04, 0.32: the step in seconds. Texts show it with two decimals, as "%1" (a point, the Czech texts' own way)
// or, where a translation writes "%L1", as that language writes numbers.
double PulseStepSeconds(bool motorDrive);

} // namespace hx7
