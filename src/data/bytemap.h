// SPDX-License-Identifier: GPL-3.0-or-later
// What each byte of the configuration image holds, in words for the user: the verify details, the
// traffic monitor, the controls' tooltips and hx7ctl all describe bytes from this one table.
#pragma once

#include "hx7_var1.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace hx7 {

// One side of a comparison, decoded: what the settings' values are read from.
struct DecodedImage {
    ModuleOptions options;
    RouteTable routes;
};

// The setting that a field (or a byte that is one field) holds all or part of, for its value in words as the
// dialog that edits it shows it: a number, a list's item, "zapnuto" or "vypnuto" for a box.
struct Setting {
    QString name{}; // where it is not the field's own: "výhybka 2" for each of the three fields of turnout 2
    std::function<QString(const DecodedImage &)> value{}; // none for bits that hold nothing
};

// The bits of one field of a byte (their byte is the entry's) and what they hold. bits.activeAtZero marks a
// flag that is on while its bit is 0 (a ticked box stores 0).
struct BitField {
    BitRange bits;
    QString name;
    Setting setting{};
};

// One entry covers one address, or a run of addresses that hold nothing the program interprets.
struct ByteMapEntry {
    int first;
    int last;
    QString description;      // "DCC adresa (kód adresy)", "Cesta 5: číslo výhybky 2 (vyšší bity)"
    int route = 0;            // 1..24 for the bytes of a route slot
    QList<BitField> fields{}; // the fields of a byte that holds several; empty when it is one field
    Setting setting{};        // of a byte that is one field
};

// A byte in which the program and the module (or a backup) differ.
struct ByteDifference {
    int address = 0;
    std::uint8_t imageByte = 0;  // what the program holds
    std::uint8_t moduleByte = 0; // what the other side holds
};

// The entries in address order, covering 0..248 (all that a read, verify or store moves) exactly once.
const QList<ByteMapEntry> &ByteMap();
// The entry of an address 0..248; an empty entry (first -1) for any other address.
const ByteMapEntry &DescribeAddress(int address);
// The description with its fields that touch bitMask: "Spínací výstupy: délka impulsu výhybek (bity 4-7)";
// the description alone when the byte is one field or none of its fields touches the mask.
QString DescribeAddressInFull(int address, int bitMask = 0xFF);
// DescribeAddressInFull of the bits in which program and other differ at address, with each setting they
// touch read on both sides, the program's first: "Spínací výstupy: délka impulsu výhybek 0 / 3". Both are whole
// images, as a turnout's number lies in two bytes. Bits that hold nothing, or whose setting reads the same on
// both sides, keep their bits: "Cesta 5: číslo výhybky 2 (vyšší bity): nevyužito (bit 7)".
QString DescribeDifference(int address, const ImageBytes &program, const ImageBytes &other);
// DescribeDifference of each of the differences, in their order. The two sides are program with every
// difference's imageByte, and with every moduleByte: a byte without a difference is the same on both.
QStringList DescribeDifferences(const ImageBytes &program, const QList<ByteDifference> &differences);
// "bajt 0x04", "bajt 0x07, bit 2", "bajt 0x05, bity 4-7".
QString BitsText(BitRange f);
// "platí při 0": said of a flag that is on while its bit is 0.
QString ActiveAtZeroText();

} // namespace hx7
