// SPDX-License-Identifier: GPL-3.0-or-later
// The module options of image bytes 4..24 in words: one name and value per option, in the order hx7ctl show
// lists them. The show command and the printed configuration sheet word the options from this one list.
#pragma once

#include "moduleoptions.h"

#include <QList>
#include <QString>

namespace hx7 {

struct OptionLine {
    enum Kind {
        AddressCode,
        FirstCommand,
        SignalType,
        PulseLength,
        MotorDrive,
        PairingProtection,
        IgnoreOffCommands,
        FollowOnSpeed, // index: the signal
        Aspect,        // index: the signal, aspect: the AspectLetter
        MergedPair,    // index: the pair
        CommonTrack,   // index: the pair
        AutoClearAspect,
        AutoRelay,
    } kind;
    int index = 0;
    int aspect = 0;
    int byte = 0; // the image byte that holds the option
    QString name;
    QString value;
};

QList<OptionLine> OptionLines(const ModuleOptions &options);

// "ano", "ne".
QString YesNoText(bool on);
// A ticked or cleared box: "zapnuto", "vypnuto".
QString OnOffText(bool on);
// The signal type as its radio group names it: "uživ. volitelné", "závislá soustava".
QString SignalTypeText(bool userAspects);
// A follow-on speed 0..3 as its list names it: "STŮJ", "40km/h", "definována tabulkou", "VOLNO".
QString FollowOnSpeedText(int speed);
// The text of an aspect code, "(neznámý kód)" for a code without one.
QString AspectCodeText(int code);
// An aspect code as its list shows it, in one line: "3: [ž*----] volno (příští náv. 40kmh)"; a code the list
// has no item for by its number: "17 (neznámý kód)".
QString AspectChoiceText(int code);
// The switching time in seconds: "3 × 0.04 s = 0.12 s", "0 = trvalé sepnutí"; one step is 0.04 s, with a
// motor drive 0.32 s.
QString PulseLengthText(int pulseLength, bool motorDrive);

} // namespace hx7
