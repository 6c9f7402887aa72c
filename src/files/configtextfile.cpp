// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading the configuration image as text.
#include "configtextfile.h"

#include "savefile.h"

#include <QCoreApplication>
#include <QFile>

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
QList<QByteArray> SplitLines(const QByteArray &content)
{
    const qsizetype end = content.indexOf('\x1A');
    QList<QByteArray> lines = content.first(end < 0 ? content.size() : end).split('\r');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].startsWith('\n'))
            lines[i].remove(0, 1);
    }
    // A CR at the very end closes the last line; it opens no empty one after it.
    if (lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

} // namespace

LoadOutcome ParseConfigText(const QByteArray &content, const QString &path, ImageBytes &image)
{
    const QList<QByteArray> lines = SplitLines(content);
    if (lines.empty() || lines[0] != "N1.0")
        return {LoadOutcome::Refused, QCoreApplication::translate("hx7", "Neznámý format dat !%1").arg(path)};

    qsizetype n = 1;
    while (n < lines.size() && lines[n] != "*")
        ++n; // header lines, the count line among them, are not looked at
    ++n;
    if (n >= lines.size())
        return {LoadOutcome::NothingToLoad, {}};

    // Records go into a copy: a bad one further down must leave the image as it was.
    ImageBytes loaded = image;
    LoadOutcome outcome{LoadOutcome::Loaded, {}};
    for (; n < lines.size() && lines[n] != "*"; ++n) {
        const QByteArray &line = lines[n];
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(':');
        const int address = colon < 0 ? -1 : HexValue(line.first(colon));
        if (address < 0 || address >= ModuleBytes)
            return {LoadOutcome::Refused, QCoreApplication::translate("hx7", "Chyba formatu dat !")};
        // Only the first 10 characters after the colon count; the low byte of their value is kept.
        loaded[address] = static_cast<std::uint8_t>(HexValue(line.mid(colon + 1, 10)) & 0xFF);
        outcome.held.set(address);
    }
    image = loaded;
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
