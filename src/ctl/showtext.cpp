// SPDX-License-Identifier: GPL-3.0-or-later
// The options of image bytes 4..24 and the route table as text.
#include "showtext.h"

#include "optiontext.h"

#include <QCoreApplication>

namespace hx7 {

QStringList ShowText(const SharedData &data, const HeldAddresses &held)
{
    // Not kept between calls: the language is chosen per run.
    const QString notInFile = QCoreApplication::translate("hx7", "není v souboru");
    QStringList lines;
    // A byte the file does not hold would show the default image's value as if the file said so.
    for (const OptionLine &line : OptionLines(DecodeOptions(data.ConfigImage.data())))
        lines << line.name + QStringLiteral(": ") +
                     (held.test(line.byte) ? WithRemark(line.value, line.remark) : notInFile);

    lines << QString();
    lines << RouteGridHeader().join(QLatin1Char('\t'));
    for (int i = 0; i < RouteCount; ++i) {
        QStringList cells = RouteGridRow(i, data.RouteTable[i]);
        bool inFile = true;
        for (int b = RouteSlotOffset(i); b < RouteSlotOffset(i + 1); ++b)
            inFile = inFile && held.test(b);
        if (!inFile) {
            // Number and signal stay; the turnouts are unknown, and the route is not inactive.
            cells = cells.mid(0, 2);
            cells << QStringList(TurnoutsPerRoute, QString()) << notInFile;
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines;
}

} // namespace hx7
