// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutstate.h"

#include "hx7_var1.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <map>

namespace hx7 {

namespace {

constexpr QLatin1StringView TimeFormat("yyyy-MM-ddTHH:mm:ss");

// The file is "id key value" lines under a first line naming the layout's folder; values never hold a line break.
using Records = std::map<QString, std::map<QString, QString>>;

Records ReadRecords(const QString &path)
{
    Records records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        const QString id = line.section(QLatin1Char(' '), 0, 0);
        const QString key = line.section(QLatin1Char(' '), 1, 1);
        if (!id.isEmpty() && !key.isEmpty() && !line.startsWith(QLatin1Char('#')))
            records[id][key] = line.section(QLatin1Char(' '), 2);
    }
    return records;
}

QDateTime TimeOf(const std::map<QString, QString> &values, const char *key)
{
    const auto at = values.find(QLatin1String(key));
    return at == values.end() ? QDateTime() : QDateTime::fromString(at->second, Qt::ISODate);
}

} // namespace

QString VerifyResultText(const EntryRecord &record)
{
    if (!record.differing)
        return {};
    if (*record.differing == 0)
        return QCoreApplication::translate("hx7", "v souladu");
    // A Czech count has three forms (1 bajt, 2 bajty, 5 bajtů): each is a text of its own, in which the English
    // translation gives its own plural.
    const int n = *record.differing;
    if (n == 1)
        return QCoreApplication::translate("hx7", "liší se: %n bajt", nullptr, n);
    if (n >= 2 && n <= 4)
        return QCoreApplication::translate("hx7", "liší se: %n bajty", nullptr, n);
    return QCoreApplication::translate("hx7", "liší se: %n bajtů", nullptr, n);
}

QString LastVerifiedText(const EntryRecord &record)
{
    if (!record.verified.isValid() || !record.differing)
        return {};
    return record.verified.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QLatin1Char(' ') + VerifyResultText(record);
}

QString DefaultLayoutStateFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/hx7conf/layouts");
}

LayoutState::LayoutState(const QString &layoutFolder, const QString &stateFolder)
    : m_layoutFolder(QFileInfo(layoutFolder).absoluteFilePath())
{
    // Named by the folder's path: the same layout opened from the same place finds its records again, and a
    // second clone of it elsewhere keeps its own.
    const QString canonical = QFileInfo(layoutFolder).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? m_layoutFolder : canonical).toUtf8();
    const QString name = QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    m_path = QDir(stateFolder).filePath(name + QStringLiteral(".txt"));
}

EntryRecord LayoutState::Record(const QString &id) const
{
    const Records records = ReadRecords(m_path);
    const auto at = records.find(id);
    EntryRecord record;
    if (at == records.end())
        return record;
    const auto &values = at->second;
    record.identified = TimeOf(values, "identified");
    record.read = TimeOf(values, "read");
    record.stored = TimeOf(values, "stored");
    record.verified = TimeOf(values, "verified");
    if (const auto d = values.find(QStringLiteral("differing")); d != values.end()) {
        bool ok = false;
        const int n = d->second.toInt(&ok);
        if (ok && n >= 0)
            record.differing = n;
    }
    if (const auto m = values.find(QStringLiteral("module")); m != values.end() && m->second.size() >= 3) {
        record.lastType = m->second[0].toLatin1();
        record.lastVersion = m->second.mid(2).toInt(nullptr, 16);
    }
    return record;
}

bool LayoutState::Change(const QString &id, const std::vector<std::pair<QString, QString>> &values, QString *error)
{
    Records records = ReadRecords(m_path);
    for (const auto &[key, value] : values)
        records[id][key] = value;
    QByteArray text = "# " + m_layoutFolder.toUtf8() + '\n';
    for (const auto &[entry, values] : records)
        for (const auto &[k, v] : values)
            text += (entry + QLatin1Char(' ') + k + QLatin1Char(' ') + v).toUtf8() + '\n';
    QString reason;
    if (QDir().mkpath(QFileInfo(m_path).path()) && SaveWhole(m_path, text, &reason))
        return true;
    if (error)
        *error = WriteErrorText(m_path) + (reason.isEmpty() ? QString() : QLatin1Char('\n') + reason);
    return false;
}

bool LayoutState::Identified(const QString &id, const ModuleIdentity &module, QString *error, const QDateTime &when)
{
    const QString said = QStringLiteral("%1 %2")
                             .arg(QLatin1Char(module.type ? module.type : '?'))
                             .arg(module.version, 2, 16, QLatin1Char('0'));
    return Change(id, {{QStringLiteral("module"), said}, {QStringLiteral("identified"), when.toString(TimeFormat)}},
                  error);
}

bool LayoutState::Read(const QString &id, QString *error, const QDateTime &when)
{
    return Change(id, {{QStringLiteral("read"), when.toString(TimeFormat)}}, error);
}

bool LayoutState::Stored(const QString &id, QString *error, const QDateTime &when)
{
    return Change(id, {{QStringLiteral("stored"), when.toString(TimeFormat)}}, error);
}

bool LayoutState::Verified(const QString &id, int differing, QString *error, const QDateTime &when)
{
    return Change(id,
                  {{QStringLiteral("differing"), QString::number(differing)},
                   {QStringLiteral("verified"), when.toString(TimeFormat)}},
                  error);
}

} // namespace hx7
