// SPDX-License-Identifier: GPL-3.0-or-later
// Tooltip lines that name a control's byte and bits.
#include "bitstooltip.h"

#include "bytemap.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace hx7 {

QString BitsLine(BitRange f, int slot)
{
    f.byte += slot;
    const ByteMapEntry &e = DescribeAddress(f.byte);
    QString name = e.description;
    for (const BitField &field : e.fields)
        if (field.bits.Mask() == f.Mask())
            // A ticked box stores 0 there: the line must not suggest the opposite.
            name = field.bits.activeAtZero ? field.name + QStringLiteral(" (") + ActiveAtZeroText() + QLatin1Char(')')
                                           : field.name;
    // The byte map's own route template with an empty rest: the prefix it put before the text, in any language.
    const QString route = QCoreApplication::translate("hx7", "Cesta %1: %2").arg(QString::number(e.route), QString());
    if (e.route > 0 && name.startsWith(route))
        name = name.mid(route.size());
    const QString bits = BitsText(f);
    return name.isEmpty() ? bits : bits + QStringLiteral(": ") + name;
}

void SetBitsToolTip(QWidget *widget, const QStringList &lines)
{
    // The widget's own tooltip is kept aside once, so showing another route or signal replaces only our lines.
    static const char *const baseKey = "hx7BaseToolTip";
    if (!widget->property(baseKey).isValid())
        widget->setProperty(baseKey, widget->toolTip());
    QStringList all = QStringList(widget->property(baseKey).toString()) + lines;
    all.removeAll(QString());
    widget->setToolTip(all.join(QLatin1Char('\n')));
}

} // namespace hx7
