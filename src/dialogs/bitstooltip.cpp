// Tooltip lines that name a control's byte and bits.
#include "bitstooltip.h"

#include "bytemap.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace hx7 {

QString BitsLine(int address, int firstBit, int lastBit)
{
    const ByteMapEntry &e = DescribeAddress(address);
    QString name = e.description;
    for (const BitField &f : e.fields)
        if (f.firstBit == firstBit && f.lastBit == lastBit)
            // A ticked box stores 0 there: the line must not suggest the opposite.
            name = f.activeAtZero ? f.name + QStringLiteral(" (") + ActiveAtZeroText() + QLatin1Char(')') : f.name;
    // The byte map's own route template with an empty rest: the prefix it put before the text, in any language.
    const QString route = QCoreApplication::translate("hx7", "Cesta %1: %2").arg(QString::number(e.route), QString());
    if (e.route > 0 && name.startsWith(route))
        name = name.mid(route.size());
    const QString bits = BitsText(address, firstBit, lastBit);
    return name.isEmpty() ? bits : bits + QStringLiteral(": ") + name;
}

void SetBitsToolTip(QWidget *widget, const QStringList &lines)
{
    // The widget's own tooltip is kept aside once, so showing another route or signal replaces only our lines.
    static const char *const baseKey = "hx7BaseToolTip";
    QVariant base = widget->property(baseKey);
    if (!base.isValid()) {
        base = widget->toolTip();
        widget->setProperty(baseKey, base);
    }
    QStringList all = lines;
    if (!base.toString().isEmpty())
        all.prepend(base.toString());
    widget->setToolTip(all.join(QLatin1Char('\n')));
}

} // namespace hx7
