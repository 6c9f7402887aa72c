// Profile file reading and writing, with the matching rules of the classic Windows profile routines.
#include "profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace hx7 {

namespace {

std::vector<QByteArray> ReadLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Split at LF only; a CR stays with its line so that untouched lines are written back as they were.
    const QList<QByteArray> parts = file.readAll().split('\n');
    return {parts.begin(), parts.end()};
}

std::optional<QString> SectionName(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return QString::fromLocal8Bit(t.mid(1, close - 1)).trimmed();
}

bool IsKeyLine(const QByteArray &line, const QString &key, QString *value = nullptr)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.trimmed().startsWith(';'))
        return false;
    if (QString::fromLocal8Bit(line.left(eq)).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = QString::fromLocal8Bit(line.mid(eq + 1)).trimmed();
    return true;
}

bool SameName(const std::optional<QString> &name, const QString &wanted)
{
    return name && name->compare(wanted, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<QString> ProfileFile::readString(const QString &section, const QString &key) const
{
    bool inSection = false;
    for (const QByteArray &line : ReadLines(m_path)) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(name, section);
            continue;
        }
        QString value;
        if (inSection && IsKeyLine(line, key, &value))
            return value;
    }
    return std::nullopt;
}

std::vector<std::pair<QString, QString>> ProfileFile::readSection(const QString &section) const
{
    std::vector<std::pair<QString, QString>> entries;
    bool inSection = false;
    for (const QByteArray &line : ReadLines(m_path)) {
        if (const auto name = SectionName(line)) {
            if (inSection)
                break;
            inSection = SameName(name, section);
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inSection || eq < 0 || line.trimmed().startsWith(';'))
            continue;
        entries.emplace_back(QString::fromLocal8Bit(line.left(eq)).trimmed(),
                             QString::fromLocal8Bit(line.mid(eq + 1)).trimmed());
    }
    return entries;
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    std::vector<QByteArray> lines = ReadLines(m_path);
    if (!lines.empty() && lines.back().isEmpty())
        lines.pop_back(); // the final line end, put back below
    const QByteArray newLine = (key + QLatin1Char('=') + value).toLocal8Bit() + '\r';

    std::optional<std::size_t> sectionAt, keyAt, lastInSection;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (sectionAt)
                break; // the key goes into the first matching section only
            if (SameName(name, section))
                sectionAt = lastInSection = i;
            continue;
        }
        if (!sectionAt)
            continue;
        if (!lines[i].trimmed().isEmpty())
            lastInSection = i;
        if (IsKeyLine(lines[i], key)) {
            keyAt = i;
            break;
        }
    }

    if (keyAt) {
        lines[*keyAt] = newLine;
    } else if (sectionAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastInSection) + 1, newLine);
    } else {
        lines.push_back('[' + section.toLocal8Bit() + "]\r");
        lines.push_back(newLine);
    }
    lines.emplace_back(); // every line, the last one too, ends with its line end

    QByteArray content;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        content += lines[i];
        if (i + 1 < lines.size())
            content += '\n';
    }
    // On a fresh account the settings folder (~/.config) may not exist yet; the first write makes it.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

std::optional<int> ParseProfileInt(const QString &text)
{
    QString t = text;
    if (t.size() > 2 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X"))))
        t = QLatin1Char('$') + t.mid(2);
    qsizetype i = 0;
    while (i < t.size() && t[i] == QLatin1Char(' '))
        ++i;
    bool ok = false;
    qint64 value = 0;
    const QString rest = t.mid(i);
    if (rest.startsWith(QLatin1Char('$'))) {
        const QString digits = rest.mid(1);
        const bool allHex = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
        });
        if (!allHex)
            return std::nullopt;
        const quint64 u = digits.toULongLong(&ok, 16);
        // A hex value fills the 32 bits: $FFFFFFFF reads as -1.
        if (!ok || u > 0xFFFFFFFFull)
            return std::nullopt;
        return static_cast<int>(static_cast<quint32>(u));
    }
    qsizetype d = 0;
    if (d < rest.size() && (rest[d] == QLatin1Char('+') || rest[d] == QLatin1Char('-')))
        ++d;
    if (d >= rest.size() || !std::all_of(rest.begin() + d, rest.end(),
                                         [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return std::nullopt;
    value = rest.toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace hx7
