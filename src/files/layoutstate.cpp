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
#include <QUrl>
#include <map>
#ifdef Q_OS_LINUX
#include <sys/stat.h>
#endif

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
        const QString id = QUrl::fromPercentEncoding(line.section(QLatin1Char(' '), 0, 0).toUtf8());
        const QString key = line.section(QLatin1Char(' '), 1, 1);
        if (!id.isEmpty() && !key.isEmpty() && !line.startsWith(QLatin1Char('#')))
            records[id][key] = line.section(QLatin1Char(' '), 2);
    }
    return records;
}

// What the file is on disk. Every write (ours or another program's, each through a new file renamed over the old
// one) changes it, so records read before stay good until it changes.
QByteArray Signature(const QString &path)
{
#ifdef Q_OS_LINUX
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QByteArray::number(qulonglong(st.st_ino)) + ' ' + QByteArray::number(qlonglong(st.st_size)) + ' ' +
           QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.' + QByteArray::number(qlonglong(st.st_mtim.tv_nsec));
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QByteArray::number(info.size()) + ' ' + info.lastModified().toString(Qt::ISODateWithMs).toLatin1();
#endif
}

// An id as the first field: one made from a name never holds a space, but a description named by hand can.
QByteArray IdField(const QString &id)
{
    return QUrl::toPercentEncoding(id, "-~.");
}

QDateTime TimeOf(const std::map<QString, QString> &values, const char *key)
{
    const auto at = values.find(QLatin1String(key));
    return at == values.end() ? QDateTime() : QDateTime::fromString(at->second, Qt::ISODate);
}

} // namespace

struct LayoutState::Cache {
    QByteArray signature = "none yet"; // no file has this one
    Records records;
};

const LayoutState::Cache &LayoutState::Cached() const
{
    if (QByteArray now = Signature(m_path); now != m_cache->signature) {
        m_cache->records = ReadRecords(m_path);
        m_cache->signature = std::move(now);
    }
    return *m_cache;
}

QString VerifyResultText(const EntryRecord &record)
{
    if (!record.differing)
        return {};
    if (*record.differing == 0)
        return QCoreApplication::translate("hx7", "v souladu");
    // Czech is the source language and has no translation file of its own to give its three plural forms: each
    // is a text of its own (1 bajt, 2..4 bajty, 5 and more bajtů), and English takes them as it needs.
    const int n = *record.differing;
    if (n == 1)
        return QCoreApplication::translate("hx7", "liší se: 1 bajt");
    if (n >= 2 && n <= 4)
        return QCoreApplication::translate("hx7", "liší se: %1 bajty").arg(n);
    return QCoreApplication::translate("hx7", "liší se: %1 bajtů").arg(n);
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
    : m_layoutFolder(QFileInfo(layoutFolder).absoluteFilePath()), m_cache(std::make_shared<Cache>())
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
    const Records &records = Cached().records;
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
        // '?': it answered without a type letter; that says nothing about its type.
        record.lastType = m->second[0] == QLatin1Char('?') ? 0 : m->second[0].toLatin1();
        record.lastVersion = m->second.mid(2).toInt(nullptr, 16);
    }
    return record;
}

bool LayoutState::Change(const QString &id, const std::vector<std::pair<QString, QString>> &values, QString *error)
{
    Records records = Cached().records;
    for (const auto &[key, value] : values)
        records[id][key] = value;
    QByteArray text = "# " + m_layoutFolder.toUtf8() + '\n';
    for (const auto &[entry, values] : records)
        for (const auto &[k, v] : values)
            text += IdField(entry) + ' ' + (k + QLatin1Char(' ') + v).toUtf8() + '\n';
    QString reason;
    if (QDir().mkpath(QFileInfo(m_path).path()) && SaveWhole(m_path, text, &reason)) {
        m_cache->records = std::move(records);
        m_cache->signature = Signature(m_path);
        return true;
    }
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
