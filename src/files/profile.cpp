// SPDX-License-Identifier: GPL-3.0-or-later
// Profile file reading and writing, with the matching rules of the classic Windows profile routines.
#include "profile.h"

#include "savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <cstdint>
#include <vector>

namespace hx7 {

namespace {

// An absent or unreadable file reads as empty, as the classic routines treat it.
QByteArray ReadContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of content as views into it, without their LF. Split at LF only: a CR stays with its line
// so that untouched lines are written back as they were.
QList<QByteArrayView> Lines(QByteArrayView content)
{
    QList<QByteArrayView> lines;
    lines.reserve(content.count('\n') + 1);
    qsizetype start = 0;
    for (qsizetype lf = content.indexOf('\n'); lf >= 0; lf = content.indexOf('\n', start)) {
        lines << content.sliced(start, lf - start);
        start = lf + 1;
    }
    lines << content.sliced(start);
    return lines;
}

std::optional<QString> SectionName(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return QString::fromLocal8Bit(t.sliced(1, close - 1)).trimmed();
}

// The key and value of a "key=value" line, blanks around both removed; nothing for a comment or a line
// without "=".
std::optional<std::pair<QString, QString>> KeyAndValue(QByteArrayView line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.trimmed().startsWith(';'))
        return std::nullopt;
    return std::pair(QString::fromLocal8Bit(line.first(eq)).trimmed(),
                     QString::fromLocal8Bit(line.sliced(eq + 1)).trimmed());
}

bool SameName(const QString &name, const QString &wanted)
{
    return name.compare(wanted, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<QString> ReadProfileString(const QByteArray &content, const QString &section, const QString &key)
{
    bool inSection = false;
    for (const QByteArrayView line : Lines(content)) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (const auto entry = KeyAndValue(line); inSection && entry && SameName(entry->first, key))
            return entry->second;
    }
    return std::nullopt;
}

std::vector<std::pair<QString, QString>> ReadProfileSection(const QByteArray &content, const QString &section)
{
    std::vector<std::pair<QString, QString>> entries;
    bool inSection = false;
    for (const QByteArrayView line : Lines(content)) {
        if (const auto name = SectionName(line)) {
            if (inSection)
                break;
            inSection = SameName(*name, section);
            continue;
        }
        if (const auto entry = KeyAndValue(line); inSection && entry)
            entries.push_back(*entry);
    }
    return entries;
}

QByteArray SetProfileString(const QByteArray &content, const QString &section, const QString &key, const QString &value)
{
    QList<QByteArrayView> lines = Lines(content);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back(); // the final line end, put back below
    const QByteArray newLine = (key + QLatin1Char('=') + value).toLocal8Bit() + '\r';
    const QByteArray sectionLine = '[' + section.toLocal8Bit() + "]\r";

    std::optional<qsizetype> sectionAt, keyAt, lastInSection;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (sectionAt)
                break; // the key goes into the first matching section only
            if (SameName(*name, section))
                sectionAt = lastInSection = i;
            continue;
        }
        if (!sectionAt)
            continue;
        if (!lines[i].trimmed().isEmpty())
            lastInSection = i;
        if (const auto entry = KeyAndValue(lines[i]); entry && SameName(entry->first, key)) {
            keyAt = i;
            break;
        }
    }

    if (keyAt) {
        lines[*keyAt] = newLine;
    } else if (sectionAt) {
        lines.insert(*lastInSection + 1, newLine);
    } else {
        lines.push_back(sectionLine);
        lines.push_back(newLine);
    }
    QByteArray out;
    out.reserve(content.size() + sectionLine.size() + newLine.size() + 2);
    for (const QByteArrayView line : lines)
        out.append(line).append('\n'); // every line, the last one too, ends with its line end
    return out;
}

std::optional<QString> ProfileFile::readString(const QString &section, const QString &key) const
{
    return ReadProfileString(ReadContent(m_path), section, key);
}

std::vector<std::pair<QString, QString>> ProfileFile::readSection(const QString &section) const
{
    return ReadProfileSection(ReadContent(m_path), section);
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    // A file that is there but cannot be read (made by another user) must not be replaced by one holding
    // only this key: every other line of it would be lost.
    QFile existing(m_path);
    if (existing.exists() && !existing.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content =
        SetProfileString(existing.isOpen() ? existing.readAll() : QByteArray(), section, key, value);
    // On a fresh account the settings folder (~/.config) may not exist yet; the first write makes it.
    return QDir().mkpath(QFileInfo(m_path).absolutePath()) && SaveWhole(m_path, content);
}

std::optional<int> ParseProfileInt(const QString &text)
{
    // "0x" and "0X" stand for "$" only at the very start, before any blank.
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("(?:0[xX]| *\\$)([0-9A-Fa-f]+)| *([+-]?[0-9]+)")));
    const QRegularExpressionMatch parts = number.match(text);
    if (!parts.hasMatch())
        return std::nullopt;
    bool ok = false;
    if (const QString hex = parts.captured(1); !hex.isEmpty()) {
        const quint64 u = hex.toULongLong(&ok, 16);
        // A hex value fills the 32 bits: $FFFFFFFF reads as -1.
        if (!ok || u > 0xFFFFFFFFull)
            return std::nullopt;
        return static_cast<int>(static_cast<quint32>(u));
    }
    const qint64 value = parts.captured(2).toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace hx7
