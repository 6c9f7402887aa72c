// The options of image bytes 4..24 and the route table as text.
#include "showtext.h"

namespace hx7 {

namespace {

QString YesNo(bool on)
{
    return on ? QStringLiteral("ano") : QStringLiteral("ne");
}
bool Bit(std::uint8_t byte, int bit)
{
    return (byte >> bit) & 1;
}

QString Aspect(int code)
{
    return QString::number(code) + QStringLiteral(" ") +
           (code < AspectTexts().size() ? AspectTexts()[code] : QStringLiteral("(neznámý kód)"));
}

} // namespace

QStringList ShowText(const SharedData &data, const HeldAddresses &held)
{
    const ImageBytes &image = data.ConfigImage;
    const std::uint8_t options = image[OutputOptionsByte];
    const std::uint8_t pairs = image[SignalPairByte];
    static const char *const signalNames[4] = {"1A", "2A", "1B", "2B"};
    static const char *const speeds[4] = {"STŮJ", "40km/h", "definována tabulkou", "VOLNO"};
    static const QString notInFile = QStringLiteral("není v souboru");
    QStringList lines;
    // A byte the file does not hold would show the default image's value as if the file said so.
    const auto add = [&](const QString &name, int byte, const QString &value) {
        lines << name + QStringLiteral(": ") + (held.test(byte) ? value : notInFile);
    };

    add(QStringLiteral("adresa DCC"), AddressCodeByte, QString::number(image[AddressCodeByte]));
    add(QStringLiteral("č. 1. povelu"), AddressCodeByte, QString::number(FirstCommandNumber(image[AddressCodeByte])));
    add(QStringLiteral("návěstní znaky"), OutputOptionsByte,
        Bit(options, 0) ? QStringLiteral("uživ. volitelné") : QStringLiteral("závislá soustava"));
    add(QStringLiteral("délka pulsu"), OutputOptionsByte, QString::number(options >> 4));
    add(QStringLiteral("Motorový přestavník"), OutputOptionsByte, YesNo(!Bit(options, 2)));
    add(QStringLiteral("Ochrana sepnutí obou výstupů"), OutputOptionsByte, YesNo(Bit(options, 1)));
    add(QStringLiteral("Ignorovat příkazy vypnutí výstupu"), OutputOptionsByte, YesNo(Bit(options, 3)));
    for (int s = 0; s < 4; ++s)
        add(QStringLiteral("následná rychlost ") + QLatin1String(signalNames[s]), FollowOnSpeedByte,
            QString::fromUtf8(speeds[(image[FollowOnSpeedByte] >> (2 * s)) & 3]));
    // The image keeps each signal's aspects in the order A, D, C, B.
    static const char letters[4] = {'A', 'B', 'C', 'D'};
    static const int offsets[4] = {0, 3, 2, 1};
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 4; ++k) {
            const int byte = AspectTableByte + 4 * s + offsets[k];
            add(QStringLiteral("znak ") + QLatin1Char(letters[k]) + QStringLiteral(" náv. ") +
                    QLatin1String(signalNames[s]),
                byte, Aspect(image[byte]));
        }
    add(QStringLiteral("Sloučení znaku náv. 1A 2A"), SignalPairByte, YesNo(!Bit(pairs, 0)));
    add(QStringLiteral("Sloučení znaku náv. 1B 2B"), SignalPairByte, YesNo(!Bit(pairs, 1)));
    add(QStringLiteral("společná kolej náv. 1A+2A"), SignalPairByte, YesNo(!Bit(pairs, 2)));
    add(QStringLiteral("společná kolej náv. 1B+2B"), SignalPairByte, YesNo(!Bit(pairs, 3)));
    static const char *const inputs[8] = {"AUT rušit znak náv. 1A", "AUT spínání rele 0",     "AUT rušit znak náv. 2A",
                                          "AUT spínání rele 1",     "AUT rušit znak náv. 1B", "AUT spínání rele 2",
                                          "AUT rušit znak náv. 2B", "AUT spínání rele 3"};
    for (int bit = 0; bit < 8; ++bit)
        add(QString::fromUtf8(inputs[bit]), InputOptionsByte, YesNo(!Bit(image[InputOptionsByte], bit)));

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
