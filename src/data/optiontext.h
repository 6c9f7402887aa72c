// SPDX-License-Identifier: GPL-3.0-or-later
// The module options of image bytes 4..24 in words, from the option table: one name and value per option, in
// the order hx7ctl show lists them. The show command and the printed configuration sheet word the options
// from this one list; the byte map reads its values here too.
#pragma once

#include "optiontable.h"

#include <QList>
#include <QString>

namespace hx7 {

// One option of the table for one signal, pair or aspect, in words.
struct OptionLine {
    const OptionField *field;
    int index = 0;
    int byte = 0; // the image byte that holds the option
    QString name;
    QString value;  // as hx7ctl show prints it, before the remark
    QString detail; // as the sheet prints it: the value, or with its unit (the pulse length in seconds)
    QString remark; // that the module ignores what the value says, and why; empty for an option it obeys
};

// How a value reads: in hx7ctl show, on the sheet, in the byte map (the dialog's words: "zapnuto", the first
// command number).
enum class OptionWording { Show, Sheet, Map };

// The value of an option index, without its remark.
QString OptionValueText(const OptionField &field, const ModuleOptions &options, int index, OptionWording wording);
// "ano (bez ochrany sepnutí obou výstupů ji modul ignoruje)": a value with its remark, if any.
QString WithRemark(const QString &value, const QString &remark);

// Every option of the table, index by index, in the table's order.
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
