// SPDX-License-Identifier: GPL-3.0-or-later
// The options in words.
#include "optiontext.h"

#include "hx7_var1.h"

#include <QCoreApplication>

namespace hx7 {

QString YesNoText(bool on)
{
    return on ? QCoreApplication::translate("hx7", "ano") : QCoreApplication::translate("hx7", "ne");
}

QString OnOffText(bool on)
{
    return on ? QCoreApplication::translate("hx7", "zapnuto") : QCoreApplication::translate("hx7", "vypnuto");
}

QString SignalTypeText(bool userAspects)
{
    return OptionChoiceText(Option(OptionId::SignalType), userAspects ? 1 : 0);
}

QString FollowOnSpeedText(int speed)
{
    return OptionChoiceText(Option(OptionId::FollowOnSpeed), speed);
}

QString AspectCodeText(int code)
{
    return code >= 0 && code < AspectTexts().size() ? AspectTexts()[code]
                                                    : QCoreApplication::translate("hx7", "(neznámý kód)");
}

QString AspectChoiceText(int code)
{
    // The blanks of a text line up the lamp patterns in a list; within a line of text they only spread it.
    if (code >= 0 && code < AspectTexts().size())
        return AspectTexts()[code].simplified();
    return QString::number(code) + QLatin1Char(' ') + AspectCodeText(code);
}

QString PulseLengthText(int pulseLength, bool motorDrive)
{
    if (pulseLength == 0)
        return QStringLiteral("0 = ") + QCoreApplication::translate("hx7", "trvalé sepnutí");
    const int stepMs = PulseStepMs(motorDrive);
    return QCoreApplication::translate("hx7", "%1 × %2 s = %3 s")
        .arg(pulseLength)
        .arg(PulseStepSeconds(motorDrive), 0, 'f', 2)
        .arg(pulseLength * stepMs / 1000.0, 0, 'f', 2);
}

QString OptionValueText(const OptionField &field, const ModuleOptions &o, int index, OptionWording wording)
{
    const int value = field.get(o, index);
    switch (field.value) {
    case OptionValue::Number:
        break;
    case OptionValue::Address:
        return QString::number(wording == OptionWording::Map ? FirstCommandNumber(value) : value);
    case OptionValue::PulseLength:
        if (wording == OptionWording::Sheet)
            return PulseLengthText(value, o.MotorDrive);
        break;
    case OptionValue::Flag:
        return wording == OptionWording::Map ? OnOffText(value != 0) : YesNoText(value != 0);
    case OptionValue::Choice:
        return OptionChoiceText(field, value);
    case OptionValue::Aspect:
        return wording == OptionWording::Map ? AspectChoiceText(value)
                                             : QString::number(value) + QStringLiteral(" ") + AspectCodeText(value);
    }
    return QString::number(value);
}

QString WithRemark(const QString &value, const QString &remark)
{
    return remark.isEmpty() ? value : value + QStringLiteral(" (") + remark + QLatin1Char(')');
}

QList<OptionLine> OptionLines(const ModuleOptions &o)
{
    QList<OptionLine> lines;
    const auto line = [&](const OptionField &f, int i) {
        lines << OptionLine{&f,
                            i,
                            f.bits(i).byte,
                            OptionName(f, i),
                            OptionValueText(f, o, i, OptionWording::Show),
                            OptionValueText(f, o, i, OptionWording::Sheet),
                            IgnoredRemark(f, o, i)};
    };
    const std::span<const OptionField> table = OptionTable();
    // A group is a row and the rows behind it listed with it, index by index.
    for (std::size_t first = 0, end = 0; first < table.size(); first = end) {
        end = first + 1;
        while (end < table.size() && table[end].withPrevious)
            ++end;
        for (int i = 0; i < table[first].count; ++i)
            for (std::size_t r = first; r < end; ++r)
                line(table[r], i);
    }
    return lines;
}

} // namespace hx7
