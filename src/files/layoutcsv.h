// SPDX-License-Identifier: GPL-3.0-or-later
// The roster and the address plan as CSV, for the spreadsheets clubs keep beside their layouts. "CSV" is RFC 4180
// (UTF-8, comma, CR LF, a field with a comma, quote or line break in quotes, quotes doubled); "CSV pro Excel" is
// UTF-8 with a byte-order mark and ';', which Czech and German spreadsheet programs expect.
#pragma once

#include "layoutplan.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace hx7 {

enum class CsvStyle { Rfc4180, Excel };

// One entry as the roster lists it, in hx7ctl layout list's order: id, name, place, group, expected type, decoder
// address, command numbers "n-m", configuration file (relative to the layout's folder), state ("planned", "ok",
// "missing-file", "bad-file"), last verified; an empty field where nothing applies.
QStringList RosterFields(const Layout &layout, const LayoutEntry &entry, const EntryRecord &record);

// Rows as one CSV text; the first row is the header.
QByteArray CsvText(const std::vector<QStringList> &rows, CsvStyle style);

// A header row in the user's language and one row an entry.
QByteArray RosterCsv(const Layout &layout, const LayoutState &state, CsvStyle style);
// A header row and one row a command number in use: the number, what serves it, what refers to it (in the user's
// language; several in one field separated by "; ").
QByteArray PlanCsv(const Layout &layout, const AddressPlan &plan, CsvStyle style);

} // namespace hx7
