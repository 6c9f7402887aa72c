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
    return userAspects ? QCoreApplication::translate("hx7", "uživ. volitelné")
                       : QCoreApplication::translate("hx7", "závislá soustava");
}

QString FollowOnSpeedText(int speed)
{
    static const char *const speeds[4] = {QT_TRANSLATE_NOOP("hx7", "STŮJ"), QT_TRANSLATE_NOOP("hx7", "40km/h"),
                                          QT_TRANSLATE_NOOP("hx7", "definována tabulkou"),
                                          QT_TRANSLATE_NOOP("hx7", "VOLNO")};
    return speed >= 0 && speed < 4 ? QCoreApplication::translate("hx7", speeds[speed]) : QString::number(speed);
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
    // The module counts its pulse in steps of 40 ms, eight times as long for a motor drive.
    const int stepMs = motorDrive ? 320 : 40;
    return QCoreApplication::translate("hx7", "%1 × %2 s = %3 s")
        .arg(pulseLength)
        .arg(stepMs / 1000.0, 0, 'f', 2)
        .arg(pulseLength * stepMs / 1000.0, 0, 'f', 2);
}

QList<OptionLine> OptionLines(const ModuleOptions &o)
{
    QList<OptionLine> lines;
    const auto add = [&](OptionLine::Kind kind, int byte, const QString &name, const QString &value, int index = 0,
                         int aspect = 0) { lines << OptionLine{kind, index, aspect, byte, name, value}; };
    add(OptionLine::AddressCode, AddressCodeByte, QCoreApplication::translate("hx7", "adresa DCC"),
        QString::number(o.AddressCode));
    add(OptionLine::FirstCommand, AddressCodeByte, QCoreApplication::translate("hx7", "č. 1. povelu"),
        QString::number(FirstCommandNumber(o.AddressCode)));
    add(OptionLine::SignalType, OutputOptionsByte, QCoreApplication::translate("hx7", "návěstní znaky"),
        SignalTypeText(o.UserAspects));
    add(OptionLine::PulseLength, OutputOptionsByte, QCoreApplication::translate("hx7", "délka pulsu"),
        QString::number(o.PulseLength));
    add(OptionLine::MotorDrive, OutputOptionsByte, QCoreApplication::translate("hx7", "Motorový přestavník"),
        YesNoText(o.MotorDrive));
    add(OptionLine::PairingProtection, OutputOptionsByte,
        QCoreApplication::translate("hx7", "Ochrana sepnutí obou výstupů"), YesNoText(o.PairingProtection));
    add(OptionLine::IgnoreOffCommands, OutputOptionsByte,
        QCoreApplication::translate("hx7", "Ignorovat příkazy vypnutí výstupu"), YesNoText(o.IgnoreOffCommands));
    for (int s = 0; s < SignalCount; ++s)
        add(OptionLine::FollowOnSpeed, FollowOnSpeedByte,
            QCoreApplication::translate("hx7", "následná rychlost %1").arg(SignalNames[s]),
            FollowOnSpeedText(o.FollowOnSpeed[s]), s);
    for (int s = 0; s < SignalCount; ++s)
        for (int a = 0; a < AspectsPerSignal; ++a)
            add(OptionLine::Aspect, AspectByte(s, a),
                QCoreApplication::translate("hx7", "znak %1 náv. %2")
                    .arg(QString(QLatin1Char(AspectLetterText(a))), SignalNames[s]),
                QString::number(o.Aspects[s][a]) + QStringLiteral(" ") + AspectCodeText(o.Aspects[s][a]), s, a);
    add(OptionLine::MergedPair, SignalPairByte, QCoreApplication::translate("hx7", "Sloučení znaku náv. 1A 2A"),
        YesNoText(o.MergedPair[0]), 0);
    add(OptionLine::MergedPair, SignalPairByte, QCoreApplication::translate("hx7", "Sloučení znaku náv. 1B 2B"),
        YesNoText(o.MergedPair[1]), 1);
    add(OptionLine::CommonTrack, SignalPairByte, QCoreApplication::translate("hx7", "společná kolej náv. 1A+2A"),
        YesNoText(o.CommonTrack[0]), 0);
    add(OptionLine::CommonTrack, SignalPairByte, QCoreApplication::translate("hx7", "společná kolej náv. 1B+2B"),
        YesNoText(o.CommonTrack[1]), 1);
    for (int s = 0; s < SignalCount; ++s) {
        add(OptionLine::AutoClearAspect, InputOptionsByte,
            QCoreApplication::translate("hx7", "AUT rušit znak náv. %1").arg(SignalNames[s]),
            YesNoText(o.AutoClearAspect[s]), s);
        add(OptionLine::AutoRelay, InputOptionsByte, QCoreApplication::translate("hx7", "AUT spínání rele %1").arg(s),
            YesNoText(o.AutoRelay[s]), s);
    }
    return lines;
}

} // namespace hx7
