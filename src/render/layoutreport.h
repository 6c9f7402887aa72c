// SPDX-License-Identifier: GPL-3.0-or-later
// A layout on paper: the address chart (the plan as a table, conflicts marked), then every module's configuration
// sheet, in one document. The same painting goes to a PDF file and to a printer.
#pragma once

#include "layoutplan.h"

#include <QPagedPaintDevice>
#include <QString>

namespace hx7 {

// Paints the whole report on a fresh device in its page layout.
void PaintLayoutReport(QPagedPaintDevice &device, const Layout &layout, const AddressPlan &plan);
// A4 portrait; the file is written whole or not at all. Needs a QGuiApplication (fonts).
bool WriteLayoutReportPdf(const QString &path, const Layout &layout, const AddressPlan &plan, QString *error);

} // namespace hx7
