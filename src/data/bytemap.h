// SPDX-License-Identifier: GPL-3.0-or-later
// What each byte of the configuration image holds, in words for the user: the verify details, the
// traffic monitor, the controls' tooltips and hx7ctl all describe bytes from this one table.
#pragma once

#include "moduleoptions.h"

#include <QList>
#include <QString>

namespace hx7 {

// The bits of one field of a byte (their byte is the entry's) and what they hold. bits.activeAtZero marks a
// flag that is on while its bit is 0 (a ticked box stores 0).
struct BitField {
    BitRange bits;
    QString name;
};

// One entry covers one address, or a run of addresses that hold nothing the program interprets.
struct ByteMapEntry {
    int first;
    int last;
    QString description;      // "DCC adresa (kód adresy)", "Cesta 5: číslo výhybky 2 (vyšší bity)"
    int route = 0;            // 1..24 for the bytes of a route slot
    QList<BitField> fields{}; // the fields of a byte that holds several; empty when it is one field
};

// The entries in address order, covering 0..248 (all that a read, verify or store moves) exactly once.
const QList<ByteMapEntry> &ByteMap();
// The entry of an address 0..248; an empty entry (first -1) for any other address.
const ByteMapEntry &DescribeAddress(int address);
// The description with its fields that touch bitMask: "Spínací výstupy: délka impulsu výhybek (bity 4-7)";
// the description alone when the byte is one field or none of its fields touches the mask.
QString DescribeAddressInFull(int address, int bitMask = 0xFF);
// "bajt 0x04", "bajt 0x07, bit 2", "bajt 0x05, bity 4-7".
QString BitsText(BitRange f);
// "platí při 0": said of a flag that is on while its bit is 0.
QString ActiveAtZeroText();

} // namespace hx7
