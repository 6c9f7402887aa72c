// SPDX-License-Identifier: GPL-3.0-or-later
// The backup folder: file names that carry the index, and keeping a module's bytes before an overwrite.
#include "backups.h"

#include "configtextfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <tuple>

namespace hx7 {

namespace {

// 20261209-151203-123~02_a003_HX7S-1.3_store-4-248.txt, with "_e-vjezd-lhota" before ".txt" when the module was
// a layout's entry.
// The time first, so that a file manager sorting by name shows the backups in the order they were taken.
// A second backup with the same name gets ~02, ~03, ...: '~' sorts after '_', so it still follows the first.
const QString TimeFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
constexpr QLatin1StringView Unknown("unknown");
constexpr QLatin1StringView FactoryReset("factory-reset");
constexpr int MaxSequence = 99;

const QRegularExpression &NamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8}-\\d{6}-\\d{3})(?:~(\\d{2}))?_a(\\d{3})_"
                       "(unknown|[A-Za-z0-9]+-[0-9][0-9.]*)_"
                       "(factory-reset|store-(-?\\d+)-(-?\\d+))(?:_e-([a-z0-9-]+))?\\.txt$"));
    return pattern;
}

// "HX7S-1.3": a module of a type this program does not name (or none that answered) is unknown.
QString ModuleToken(const std::optional<ModuleIdentity> &module)
{
    const QString type = module ? module->TypeName() : QString();
    return type.isEmpty() ? QString(Unknown) : type + QLatin1Char('-') + module->VersionNumber();
}

QString ModuleFromToken(const QString &token)
{
    if (token == Unknown)
        return {};
    const qsizetype dash = token.indexOf(QLatin1Char('-'));
    return token.first(dash) + QStringLiteral(" V ") + token.mid(dash + 1);
}

QString OverwriteToken(const Overwrite &o)
{
    return o.factoryReset ? QString(FactoryReset) : QStringLiteral("store-%1-%2").arg(o.first).arg(o.last);
}

const QRegularExpression &EntryIdPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9-]+$"));
    return pattern;
}

QString FileName(const QDateTime &when, int sequence, int decoderAddress, const std::optional<ModuleIdentity> &module,
                 const Overwrite &followed, const QString &entryId)
{
    QString name = when.toString(TimeFormat);
    if (sequence > 1)
        name += QStringLiteral("~%1").arg(sequence, 2, 10, QLatin1Char('0'));
    return name + QStringLiteral("_a%1_").arg(decoderAddress, 3, 10, QLatin1Char('0')) + ModuleToken(module) +
           QLatin1Char('_') + OverwriteToken(followed) +
           (EntryIdPattern().match(entryId).hasMatch() ? QStringLiteral("_e-") + entryId : QString()) +
           QStringLiteral(".txt");
}

struct Parsed {
    BackupEntry entry;
    QString stamp; // the time as the name holds it: sorts as the times do, and faster than QDateTime
    int sequence = 1;
};

// Only a backup of decoderAddress when given: the others are not worth building an entry for.
std::optional<Parsed> ParseName(const QString &folder, const QString &name,
                                std::optional<int> decoderAddress = std::nullopt)
{
    const QRegularExpressionMatch m = NamePattern().match(name);
    if (!m.hasMatch())
        return std::nullopt;
    const int address = m.capturedView(3).toInt();
    if (address > 255 || (decoderAddress && address != *decoderAddress))
        return std::nullopt;
    Parsed p;
    p.stamp = m.captured(1);
    const auto number = [&](int from, int count) { return QStringView(p.stamp).mid(from, count).toInt(); };
    // Built from its numbers: QDateTime::fromString made listing a big folder several times slower.
    const QDate date(number(0, 4), number(4, 2), number(6, 2));
    const QTime time(number(9, 2), number(11, 2), number(13, 2), number(16, 3));
    p.entry.when = QDateTime(date, time);
    bool ok = date.isValid() && time.isValid() && p.entry.when.isValid();
    p.sequence = m.hasCaptured(2) ? m.capturedView(2).toInt() : 1;
    p.entry.decoderAddress = address;
    p.entry.module = ModuleFromToken(m.captured(4));
    p.entry.entryId = m.captured(8);
    if (m.capturedView(5) == FactoryReset) {
        p.entry.followed.factoryReset = true;
    } else {
        bool firstOk = false, lastOk = false;
        p.entry.followed.first = m.capturedView(6).toInt(&firstOk);
        p.entry.followed.last = m.capturedView(7).toInt(&lastOk);
        ok = ok && firstOk && lastOk;
    }
    // A name that looks right but holds no real date (a month 13) or a number beyond int is no backup of ours.
    if (!ok)
        return std::nullopt;
    p.entry.path = QDir(folder).filePath(name);
    return p;
}

std::vector<Parsed> ListParsed(const QString &folder, std::optional<int> decoderAddress)
{
    std::vector<Parsed> found;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString &name : names)
        if (std::optional<Parsed> p = ParseName(folder, name, decoderAddress))
            found.push_back(std::move(*p));
    // By the time in the name, then the sequence of the same millisecond; the path only makes the order fixed.
    std::sort(found.begin(), found.end(), [](const Parsed &a, const Parsed &b) {
        return std::tie(a.stamp, a.sequence, a.entry.path) > std::tie(b.stamp, b.sequence, b.entry.path);
    });
    return found;
}

// True when the file holds every byte 0..248 and they are those of module. A file that cannot be read, or
// an older one holding fewer bytes, does not stand in for a new backup.
bool HoldsSameBytes(const QString &path, const ImageBytes &module)
{
    ImageBytes held{};
    const LoadOutcome outcome = LoadConfigText(path, held);
    if (outcome.status != LoadOutcome::Loaded)
        return false;
    for (int i = 0; i < SavedByteCount; ++i)
        if (!outcome.held.test(i) || held[i] != module[i])
            return false;
    return true;
}

} // namespace

QString OverwriteText(const Overwrite &o)
{
    if (o.factoryReset)
        return QCoreApplication::translate("hx7", "reset do počátečního nastavení");
    if (o.first == AddressCodeByte && o.last == RouteAreaBegin - 1)
        return QCoreApplication::translate("hx7", "uložení konfigurace");
    if (o.first == AddressCodeByte && o.last == LastTransferAddress)
        return QCoreApplication::translate("hx7", "uložení konfigurace a všech cest");
    for (int r = 1; r <= RouteCount; ++r)
        if (o.first == RouteSlotOffset(r - 1) && o.last == RouteSlotOffset(r) - 1)
            return QCoreApplication::translate("hx7", "uložení cesty %1").arg(r);
    return QCoreApplication::translate("hx7", "uložení bajtů %1..%2").arg(o.first).arg(o.last);
}

QString BackupTimeText(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString DefaultBackupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/hx7conf/backups");
}

BackupStore::Kept BackupStore::Keep(const ImageBytes &bytes, const std::optional<ModuleIdentity> &module,
                                    const Overwrite &followed, const QDateTime &when, const QString &entryId) const
{
    const int decoderAddress = bytes[AddressCodeByte];
    if (const std::vector<Parsed> same = ListParsed(m_folder, decoderAddress);
        !same.empty() && HoldsSameBytes(same.front().entry.path, bytes))
        return {same.front().entry.path, false, {}};

    if (!QDir().mkpath(m_folder))
        return {{}, false, QCoreApplication::translate("hx7", "Složku pro zálohy %1 nelze vytvořit.").arg(m_folder)};

    // The name keeps local time; an invalid time would give a name no listing reads back.
    const QDateTime local = when.isValid() ? when.toLocalTime() : QDateTime::currentDateTime();
    // A factory reset is named without a byte range, so it is listed back as Overwrite{true}.
    const Overwrite named = followed.factoryReset ? Overwrite{true} : followed;
    const QDir dir(m_folder);
    // Every backup of the same millisecond, of any module, counts: the new one is listed as the newest.
    int sequence = 1;
    const QString stamp = local.toString(TimeFormat);
    for (const QString &name : dir.entryList({stamp + QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden))
        if (const std::optional<Parsed> p = ParseName(m_folder, name))
            sequence = std::max(sequence, p->sequence + 1);
    for (; sequence <= MaxSequence; ++sequence) {
        const QString path = dir.filePath(FileName(local, sequence, decoderAddress, module, named, entryId));
        if (QFileInfo::exists(path))
            continue; // an older backup is never written over
        QString error;
        if (!SaveConfigText(path, bytes, &error))
            return {{}, false, error};
        return {path, true, {}};
    }
    return {
        {}, false, WriteErrorText(dir.filePath(FileName(local, MaxSequence, decoderAddress, module, named, entryId)))};
}

std::vector<BackupEntry> BackupStore::List(std::optional<int> decoderAddress) const
{
    std::vector<BackupEntry> entries;
    for (Parsed &p : ListParsed(m_folder, decoderAddress))
        entries.push_back(std::move(p.entry));
    return entries;
}

bool BackupStore::Remove(const QString &path, QString *reason) const
{
    // Only a backup of this folder: whatever path reaches here, no other file is deleted through the store.
    const QFileInfo info(path);
    if (info.absoluteDir() != QDir(m_folder) || !ParseName(m_folder, info.fileName())) {
        if (reason)
            *reason = QCoreApplication::translate("hx7", "Soubor %1 není záloha ve složce %2.").arg(path, m_folder);
        return false;
    }
    QFile file(path);
    if (file.remove())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}

} // namespace hx7
