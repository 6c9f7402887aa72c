// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutreport.h"

#include <QCoreApplication>

namespace hx7 {

void PaintLayoutReport(QPagedPaintDevice &, const Layout &, const AddressPlan &) {}

bool WriteLayoutReportPdf(const QString &, const Layout &, const AddressPlan &, QString *error)
{
    *error = QStringLiteral("not built yet");
    return false;
}

} // namespace hx7
