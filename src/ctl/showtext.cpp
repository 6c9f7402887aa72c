// The options of image bytes 4..24 and the route table as text.
#include "showtext.h"

#include <QCoreApplication>

namespace hx7 {

namespace {

QString YesNo(bool on)
{
    return on ? QCoreApplication::translate("hx7", "ano") : QCoreApplication::translate("hx7", "ne");
}

QString Aspect(int code)
{
    return QString::number(code) + QStringLiteral(" ") +
           (code < AspectTexts().size() ? AspectTexts()[code] : QCoreApplication::translate("hx7", "(neznámý kód)"));
}

} // namespace

QStringList ShowText(const SharedData &data, const HeldAddresses &held)
{
    const ModuleOptions o = DecodeOptions(data.ConfigImage.data());
    static const char *const speeds[4] = {QT_TRANSLATE_NOOP("hx7", "STŮJ"), QT_TRANSLATE_NOOP("hx7", "40km/h"),
                                          QT_TRANSLATE_NOOP("hx7", "definována tabulkou"),
                                          QT_TRANSLATE_NOOP("hx7", "VOLNO")};
    // Not kept between calls: the language is chosen per run.
    const QString notInFile = QCoreApplication::translate("hx7", "není v souboru");
    QStringList lines;
    // A byte the file does not hold would show the default image's value as if the file said so.
    const auto add = [&](const QString &name, int byte, const QString &value) {
        lines << name + QStringLiteral(": ") + (held.test(byte) ? value : notInFile);
    };

    add(QCoreApplication::translate("hx7", "adresa DCC"), AddressCodeByte, QString::number(o.AddressCode));
    add(QCoreApplication::translate("hx7", "č. 1. povelu"), AddressCodeByte,
        QString::number(FirstCommandNumber(o.AddressCode)));
    add(QCoreApplication::translate("hx7", "návěstní znaky"), OutputOptionsByte,
        o.UserAspects ? QCoreApplication::translate("hx7", "uživ. volitelné")
                      : QCoreApplication::translate("hx7", "závislá soustava"));
    add(QCoreApplication::translate("hx7", "délka pulsu"), OutputOptionsByte, QString::number(o.PulseLength));
    add(QCoreApplication::translate("hx7", "Motorový přestavník"), OutputOptionsByte, YesNo(o.MotorDrive));
    add(QCoreApplication::translate("hx7", "Ochrana sepnutí obou výstupů"), OutputOptionsByte,
        YesNo(o.PairingProtection));
    add(QCoreApplication::translate("hx7", "Ignorovat příkazy vypnutí výstupu"), OutputOptionsByte,
        YesNo(o.IgnoreOffCommands));
    for (int s = 0; s < SignalCount; ++s)
        add(QCoreApplication::translate("hx7", "následná rychlost %1").arg(SignalNames[s]), FollowOnSpeedByte,
            QCoreApplication::translate("hx7", speeds[o.FollowOnSpeed[s]]));
    for (int s = 0; s < SignalCount; ++s)
        for (int a = 0; a < AspectsPerSignal; ++a)
            add(QCoreApplication::translate("hx7", "znak %1 náv. %2")
                    .arg(QString(QLatin1Char(AspectLetterText(a))), SignalNames[s]),
                AspectByte(s, a), Aspect(o.Aspects[s][a]));
    add(QCoreApplication::translate("hx7", "Sloučení znaku náv. 1A 2A"), SignalPairByte, YesNo(o.MergedPair[0]));
    add(QCoreApplication::translate("hx7", "Sloučení znaku náv. 1B 2B"), SignalPairByte, YesNo(o.MergedPair[1]));
    add(QCoreApplication::translate("hx7", "společná kolej náv. 1A+2A"), SignalPairByte, YesNo(o.CommonTrack[0]));
    add(QCoreApplication::translate("hx7", "společná kolej náv. 1B+2B"), SignalPairByte, YesNo(o.CommonTrack[1]));
    for (int s = 0; s < SignalCount; ++s) {
        add(QCoreApplication::translate("hx7", "AUT rušit znak náv. %1").arg(SignalNames[s]), InputOptionsByte,
            YesNo(o.AutoClearAspect[s]));
        add(QCoreApplication::translate("hx7", "AUT spínání rele %1").arg(s), InputOptionsByte, YesNo(o.AutoRelay[s]));
    }

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
