// The options of image bytes 4..24 and the route table as text.
#include "showtext.h"

#include <QCoreApplication>

namespace hx7 {

namespace {

QString YesNo(bool on)
{
    return on ? QCoreApplication::translate("hx7", "ano") : QCoreApplication::translate("hx7", "ne");
}
bool Bit(std::uint8_t byte, int bit)
{
    return (byte >> bit) & 1;
}

QString Aspect(int code)
{
    return QString::number(code) + QStringLiteral(" ") +
           (code < AspectTexts().size() ? AspectTexts()[code] : QCoreApplication::translate("hx7", "(neznámý kód)"));
}

} // namespace

QStringList ShowText(const SharedData &data, const HeldAddresses &held)
{
    const ImageBytes &image = data.ConfigImage;
    const std::uint8_t options = image[OutputOptionsByte];
    const std::uint8_t pairs = image[SignalPairByte];
    static const char *const signalNames[4] = {"1A", "2A", "1B", "2B"};
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

    add(QCoreApplication::translate("hx7", "adresa DCC"), AddressCodeByte, QString::number(image[AddressCodeByte]));
    add(QCoreApplication::translate("hx7", "č. 1. povelu"), AddressCodeByte,
        QString::number(FirstCommandNumber(image[AddressCodeByte])));
    add(QCoreApplication::translate("hx7", "návěstní znaky"), OutputOptionsByte,
        Bit(options, 0) ? QCoreApplication::translate("hx7", "uživ. volitelné")
                        : QCoreApplication::translate("hx7", "závislá soustava"));
    add(QCoreApplication::translate("hx7", "délka pulsu"), OutputOptionsByte, QString::number(options >> 4));
    add(QCoreApplication::translate("hx7", "Motorový přestavník"), OutputOptionsByte, YesNo(!Bit(options, 2)));
    add(QCoreApplication::translate("hx7", "Ochrana sepnutí obou výstupů"), OutputOptionsByte, YesNo(Bit(options, 1)));
    add(QCoreApplication::translate("hx7", "Ignorovat příkazy vypnutí výstupu"), OutputOptionsByte,
        YesNo(Bit(options, 3)));
    for (int s = 0; s < 4; ++s)
        add(QCoreApplication::translate("hx7", "následná rychlost %1").arg(QLatin1String(signalNames[s])),
            FollowOnSpeedByte, QCoreApplication::translate("hx7", speeds[(image[FollowOnSpeedByte] >> (2 * s)) & 3]));
    // The image keeps each signal's aspects in the order A, D, C, B.
    static const char letters[4] = {'A', 'B', 'C', 'D'};
    static const int offsets[4] = {0, 3, 2, 1};
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 4; ++k) {
            const int byte = AspectTableByte + 4 * s + offsets[k];
            add(QCoreApplication::translate("hx7", "znak %1 náv. %2")
                    .arg(QString(QLatin1Char(letters[k])), QLatin1String(signalNames[s])),
                byte, Aspect(image[byte]));
        }
    add(QCoreApplication::translate("hx7", "Sloučení znaku náv. 1A 2A"), SignalPairByte, YesNo(!Bit(pairs, 0)));
    add(QCoreApplication::translate("hx7", "Sloučení znaku náv. 1B 2B"), SignalPairByte, YesNo(!Bit(pairs, 1)));
    add(QCoreApplication::translate("hx7", "společná kolej náv. 1A+2A"), SignalPairByte, YesNo(!Bit(pairs, 2)));
    add(QCoreApplication::translate("hx7", "společná kolej náv. 1B+2B"), SignalPairByte, YesNo(!Bit(pairs, 3)));
    // The even bits cancel the aspect of a signal, the odd ones switch a relay.
    for (int bit = 0; bit < 8; ++bit)
        add(bit % 2
                ? QCoreApplication::translate("hx7", "AUT spínání rele %1").arg(bit / 2)
                : QCoreApplication::translate("hx7", "AUT rušit znak náv. %1").arg(QLatin1String(signalNames[bit / 2])),
            InputOptionsByte, YesNo(!Bit(image[InputOptionsByte], bit)));

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
