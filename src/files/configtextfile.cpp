// Saving and loading the configuration image as text.
#include "configtextfile.h"

#include "savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <utility>
#include <vector>

namespace hx7 {

QString HexDigits(int value, int count)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text(count, QLatin1Char('0'));
    auto v = static_cast<unsigned>(value);
    for (int i = count - 1; i >= 0; --i, v >>= 4)
        text[i] = QLatin1Char(digits[v & 0xF]);
    return text;
}

int HexValue(QByteArrayView text)
{
    std::uint32_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') // a hand-edited file must not lose a digit
            digit = c - 'a' + 10;
        else
            continue;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<int>(value);
}

QString WriteErrorText(const QString &path)
{
    return QCoreApplication::translate("hx7", "Chyba zápisu souboru  dat%1").arg(path);
}

QByteArray ConfigTextContent(const ImageBytes &image)
{
    QByteArray out;
    out.reserve(32 + 9 * SavedByteCount);
    out += "N1.0\r\n";
    out += "D0000:" + HexDigits(SavedByteCount, 4).toLatin1() + "\r\n";
    out += "*\r\n";
    for (int i = 0; i < SavedByteCount; ++i)
        out += HexDigits(i, 4).toLatin1() + ':' + HexDigits(image[i], 2).toLatin1() + "\r\n";
    return out;
}

bool SaveConfigText(const QString &path, const ImageBytes &image, QString *error)
{
    if (SaveWhole(path, ConfigTextContent(image)))
        return true;
    if (error)
        *error = WriteErrorText(path);
    return false;
}

namespace {

// Lines end at CR (a following LF belongs to it); a lone LF is an ordinary character.
// Byte 26 ends the readable content.
std::vector<QByteArray> SplitLines(const QByteArray &content)
{
    qsizetype end = content.indexOf('\x1A');
    if (end < 0)
        end = content.size();
    std::vector<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < end) {
        qsizetype cr = content.indexOf('\r', pos);
        if (cr < 0 || cr >= end)
            cr = end;
        lines.push_back(content.mid(pos, cr - pos));
        pos = cr + 1;
        if (pos < end && content[pos] == '\n')
            ++pos;
    }
    return lines;
}

} // namespace

LoadOutcome ParseConfigText(const QByteArray &content, const QString &path, ImageBytes &image)
{
    const std::vector<QByteArray> lines = SplitLines(content);
    if (lines.empty() || lines[0] != "N1.0")
        return {LoadOutcome::Refused, QCoreApplication::translate("hx7", "Neznámý format dat !%1").arg(path)};

    std::size_t n = 1;
    while (n < lines.size() && lines[n] != "*")
        ++n; // header lines, the count line among them, are not looked at
    ++n;
    if (n >= lines.size())
        return {LoadOutcome::NothingToLoad, {}};

    std::vector<std::pair<int, std::uint8_t>> records;
    for (; n < lines.size() && lines[n] != "*"; ++n) {
        const QByteArray &line = lines[n];
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(':');
        const int address = colon < 0 ? -1 : HexValue(QByteArrayView(line).first(colon));
        if (address < 0 || address >= ModuleBytes)
            return {LoadOutcome::Refused, QCoreApplication::translate("hx7", "Chyba formatu dat !")};
        const int value =
            HexValue(QByteArrayView(line).sliced(colon + 1).first(std::min<qsizetype>(10, line.size() - colon - 1)));
        records.emplace_back(address, static_cast<std::uint8_t>(value & 0xFF));
    }
    LoadOutcome outcome{LoadOutcome::Loaded, {}};
    for (const auto &[address, value] : records) {
        image[address] = value;
        outcome.held.set(address);
    }
    return outcome;
}

LoadOutcome LoadConfigText(const QString &path, ImageBytes &image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {LoadOutcome::Refused, QCoreApplication::translate("hx7", "Chyba otevreni souboru  dat%1").arg(path)};
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {LoadOutcome::Refused, QCoreApplication::translate("hx7", "Chyba čtení souboru  dat%1").arg(path)};
    return ParseConfigText(content, path, image);
}

} // namespace hx7
