// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration sheet: what an image holds, on two A4 pages in the installed language, to keep beside
// the layout. The same painting goes to a PDF file and to a printer.
#pragma once

#include "commandnames.h"
#include "hx7_var1.h"

#include <QDateTime>
#include <QPagedPaintDevice>
#include <QString>
#include <bitset>
#include <functional>

class QPainter;

namespace hx7 {

struct SheetInfo {
    QString fileName;  // the file the image came from or was saved to; empty: none
    QDateTime date;    // when the configuration was saved or read; invalid: not printed
    QString module;    // the module's answer, "HX7S V 1.4", when one has answered
    bool hx7s = false; // the sheet lists the sensor inputs of byte 24
    // The bytes the image really holds; an option or route outside them prints as not in the file, never
    // with the default a load filled in.
    std::bitset<ModuleBytes> held = std::bitset<ModuleBytes>().set();
    CommandNames names; // the open layout's, printed beside each turnout and follow-on number; empty: none
    QString entry;      // "Stanice Lhota: Odjezd Lhota, Zhlaví sudá" - the layout and its entry; empty: none
};

constexpr int ConfigSheetPages = 2;

// Paints both pages on device, in its page layout (the PDF writer sets A4); the device must be fresh, as
// a QPainter begins on it here.
void PaintConfigSheet(QPagedPaintDevice &device, const SharedData &data, const SheetInfo &info);
// The same two pages with a painter already active on device, from its current (empty) page on, for a document
// that holds more than one sheet; the painter's state is as before when it returns.
void PaintConfigSheetPages(QPainter &painter, QPagedPaintDevice &device, const SharedData &data, const SheetInfo &info);
// A4 portrait PDF with margins of 15 mm, painted by paint on a fresh device; the file is written whole or not at
// all (*error says why). Needs a QGuiApplication (fonts).
bool WritePdf(const QString &path, const QString &title, const std::function<void(QPagedPaintDevice &)> &paint,
              QString *error);
// A4 portrait; the file is written whole or not at all. Needs a QGuiApplication (fonts).
bool WriteConfigSheetPdf(const QString &path, const SharedData &data, const SheetInfo &info, QString *error);

} // namespace hx7
