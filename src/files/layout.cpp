// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.h"

#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace hx7 {

namespace {

const QString LayoutFileName = QStringLiteral("layout.txt");
const QString ModulesFolder = QStringLiteral("modules");
const QString EntrySuffix = QStringLiteral(".entry");
constexpr QLatin1StringView Header("# hx7conf layout 1");

// "key: value" lines; blank lines and lines starting with '#' say nothing to the program, but a comment or a line
// of no key a hand wrote goes to *rest, so that a save writes it back. A key may come more than once.
std::vector<std::pair<QString, QString>> ReadKeyValues(const QByteArray &content, QStringList *rest = nullptr)
{
    std::vector<std::pair<QString, QString>> values;
    for (const QByteArray &raw : content.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || colon <= 0) {
            if (rest && !line.isEmpty() && line != Header)
                *rest << line;
            continue;
        }
        values.emplace_back(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    return values;
}

bool ReadWhole(const QString &path, QByteArray *content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *content = file.readAll();
    return true;
}

// The program's words for a file it could not write, and the system's reason on the next line.
QString CannotWrite(const QString &path, const QString &reason)
{
    return reason.isEmpty() ? WriteErrorText(path) : WriteErrorText(path) + QLatin1Char('\n') + reason;
}

// What the entry's description cannot hold: a line break anywhere, a TAB or comma in a name, place or group.
QString UnfitEntryText(const LayoutEntry &e)
{
    for (const QString &text : {e.name, e.place, e.group})
        if (QString why = UnfitText(text); !why.isEmpty())
            return why;
    if (e.comment.contains(QLatin1Char('\n')) || e.comment.contains(QLatin1Char('\r')))
        return QCoreApplication::translate("hx7", "Poznámka nesmí obsahovat konec řádku.");
    return {};
}

// "12-40 Točna", "12 - 40 Točna", "12–40 Točna" (the dash a text editor types) or "12 Točna": an other decoder's line.
std::optional<OtherDecoder> ParseOther(const QString &value)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,5})(?:\\s*[-\u2013]\\s*(\\d{1,5}))?(?:\\s+(.*))?$"));
    const QRegularExpressionMatch m = pattern.match(value);
    if (!m.hasMatch())
        return std::nullopt;
    OtherDecoder other;
    other.first = m.captured(1).toInt();
    other.last = m.hasCaptured(2) ? m.captured(2).toInt() : other.first;
    other.name = m.captured(3).trimmed();
    if (other.first < FirstCommand || other.last > LastCommand || other.first > other.last)
        return std::nullopt;
    return other;
}

void ReadEntryFields(LayoutEntry &entry, const QByteArray &content)
{
    for (const auto &[key, value] : ReadKeyValues(content, &entry.unread)) {
        if (key == QLatin1String("name"))
            entry.name = value;
        else if (key == QLatin1String("place"))
            entry.place = value;
        else if (key == QLatin1String("group"))
            entry.group = value;
        else if (key == QLatin1String("comment"))
            entry.comment = value;
        else if (key == QLatin1String("type") && value.size() == 1 && QStringLiteral("DVS").contains(value.toUpper()))
            entry.expectedType = value.toUpper()[0].toLatin1();
        else if (key == QLatin1String("planned") &&
                 QStringList{QStringLiteral("yes"), QStringLiteral("no")}.contains(value))
            entry.planned = value == QLatin1String("yes");
        else // a newer version's key, or one written by hand: written back on save
            entry.unread << key + QStringLiteral(": ") + value;
    }
}

QDateTime LastChange(const QStringList &paths)
{
    QDateTime newest;
    for (const QString &path : paths)
        if (const QFileInfo info(path); info.exists() && (!newest.isValid() || info.lastModified() > newest))
            newest = info.lastModified();
    return newest;
}

QString EntryPath(const Layout &layout, const QString &id)
{
    return QDir(layout.folder).filePath(ModulesFolder + QLatin1Char('/') + id + EntrySuffix);
}

QDateTime EntryStamp(const Layout &layout, const QString &id)
{
    return LastChange({EntryPath(layout, id), layout.ConfigPath(id)});
}

// Each file's time and size: a file copied in with an older time kept (a sync, an unpacked archive) changes it
// too, where the newest time of the two would not.
QString Signature(const QStringList &paths)
{
    QString signature;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        signature += info.exists()
                         ? QStringLiteral("%1:%2;").arg(info.lastModified().toMSecsSinceEpoch()).arg(info.size())
                         : QStringLiteral("-;");
    }
    return signature;
}

QString EntrySignature(const Layout &layout, const QString &id)
{
    return Signature({EntryPath(layout, id), layout.ConfigPath(id)});
}

// Git leaves both sides of a conflict in the file: "<<<<<<<", this side, "=======", the other side, ">>>>>>>";
// with merge.conflictStyle diff3 or zdiff3 also the common base after "|||||||", before "=======". This side is
// read (the base would undo its change); the other is there when two clones each added or changed the entry.
struct Sides {
    QByteArray ours;
    bool conflict = false;
};
Sides SplitConflict(const QByteArray &content)
{
    Sides sides;
    enum { Common, Ours, Base, Theirs } at = Common;
    for (const QByteArray &line : content.split('\n')) {
        if (line.startsWith("<<<<<<<")) {
            at = Ours;
            sides.conflict = true;
        } else if (line.startsWith("|||||||") && at == Ours) {
            at = Base;
        } else if (line.startsWith("=======") && (at == Ours || at == Base)) {
            at = Theirs;
        } else if (line.startsWith(">>>>>>>") && at != Common) {
            at = Common;
        } else if (at == Common || at == Ours) {
            sides.ours += line + '\n';
        }
    }
    return sides;
}

LayoutEntry ReadEntry(const Layout &layout, const QString &id, const QByteArray &description)
{
    LayoutEntry entry;
    entry.id = id;
    entry.stamp = EntryStamp(layout, id);
    entry.signature = EntrySignature(layout, id);
    ReadEntryFields(entry, description);
    const QString config = layout.ConfigPath(id);
    if (!QFileInfo::exists(config)) {
        entry.state = LayoutEntry::MissingFile;
        entry.problem = QCoreApplication::translate("hx7", "Soubor %1 chybí.").arg(QDir::toNativeSeparators(config));
        return entry;
    }
    const LoadOutcome loaded = LoadConfigText(config, entry.image);
    if (loaded.status != LoadOutcome::Loaded) {
        entry.state = LayoutEntry::BadFile;
        entry.problem = loaded.message;
        return entry;
    }
    entry.held = loaded.held;
    return entry;
}

// Reads modules/ID.entry; an entry whose description cannot be read is listed as broken, under its id.
LayoutEntry ReadEntryFile(Layout &layout, const QFileInfo &file)
{
    const QString id = file.completeBaseName();
    QByteArray description;
    if (!ReadWhole(file.filePath(), &description)) {
        LayoutEntry entry;
        entry.id = id;
        entry.name = id;
        entry.state = LayoutEntry::BadFile;
        entry.problem =
            QCoreApplication::translate("hx7", "Soubor %1 nelze číst.").arg(QDir::toNativeSeparators(file.filePath()));
        entry.stamp = EntryStamp(layout, id);
        entry.signature = EntrySignature(layout, id);
        return entry;
    }
    const Sides sides = SplitConflict(description);
    if (sides.conflict)
        layout.duplicates.push_back({id, QDir(layout.folder).relativeFilePath(file.absoluteFilePath())});
    return ReadEntry(layout, id, sides.ours);
}

const QString TrashFolder = QStringLiteral("trash");
constexpr QLatin1StringView TrashStampFormat("yyyyMMdd-HHmmss-zzz");

bool MoveFile(const QString &from, const QString &to, QString *error)
{
    if (!QFileInfo::exists(from) || QFile::rename(from, to))
        return true;
    *error = QCoreApplication::translate("hx7", "Soubor %1 nelze přesunout do %2.")
                 .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to));
    return false;
}

void InsertSorted(Layout &layout, const LayoutEntry &entry)
{
    layout.entries.insert(std::upper_bound(layout.entries.begin(), layout.entries.end(), entry,
                                           [](const LayoutEntry &a, const LayoutEntry &b) { return a.id < b.id; }),
                          entry);
}

QByteArray EntryText(const LayoutEntry &e)
{
    QString text = QStringLiteral("name: %1\n").arg(e.name);
    for (const auto &[key, value] :
         {std::pair{"place", e.place}, std::pair{"group", e.group}, std::pair{"comment", e.comment}})
        if (!value.isEmpty())
            text += QLatin1String(key) + QStringLiteral(": ") + value + QLatin1Char('\n');
    if (e.expectedType)
        text += QStringLiteral("type: %1\n").arg(QLatin1Char(e.expectedType));
    if (e.planned)
        text += QStringLiteral("planned: yes\n");
    for (const QString &line : e.unread)
        text += line + QLatin1Char('\n');
    return text.toUtf8();
}

} // namespace

const LayoutEntry *Layout::Find(const QString &id) const
{
    const auto at = std::find_if(entries.begin(), entries.end(), [&](const LayoutEntry &e) { return e.id == id; });
    return at == entries.end() ? nullptr : &*at;
}

LayoutEntry *Layout::Find(const QString &id)
{
    return const_cast<LayoutEntry *>(std::as_const(*this).Find(id));
}

QStringList Layout::Ids() const
{
    QStringList ids;
    for (const LayoutEntry &e : entries)
        ids << e.id;
    return ids;
}

QString Layout::ConfigPath(const QString &id) const
{
    return QDir(folder).filePath(ModulesFolder + QLatin1Char('/') + id + QStringLiteral(".txt"));
}

QString UnfitText(const QString &text)
{
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\n'), QLatin1Char('\r'), QLatin1Char(',')})
        if (text.contains(c))
            return QCoreApplication::translate("hx7", "Text „%1“ nesmí obsahovat tabulátor, konec řádku ani čárku.")
                .arg(QString(text).replace(QLatin1Char('\t'), QLatin1Char(' ')).simplified());
    return {};
}

QString MakeEntryId(const QString &name, const QStringList &taken)
{
    QString id;
    for (const QChar c : name.normalized(QString::NormalizationForm_D).toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            id += c;
        else if (c.category() != QChar::Mark_NonSpacing && !id.isEmpty() && !id.endsWith(QLatin1Char('-')))
            id += QLatin1Char('-');
    }
    while (id.endsWith(QLatin1Char('-')))
        id.chop(1);
    if (id.isEmpty())
        id = QStringLiteral("modul");
    QString unique = id;
    for (int n = 2; taken.contains(unique); ++n)
        unique = id + QLatin1Char('-') + QString::number(n);
    return unique;
}

bool CreateLayout(const QString &folder, const QString &name, QString *error)
{
    QString unasked; // a caller that does not want the reason
    if (!error)
        error = &unasked;
    if (QFileInfo::exists(QDir(folder).filePath(LayoutFileName))) {
        *error = QCoreApplication::translate("hx7", "Složka %1 už kolejiště obsahuje.")
                     .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    if (const QString why = UnfitText(name); !why.isEmpty()) {
        *error = why; // checked before anything is made
        return false;
    }
    if (!QDir().mkpath(QDir(folder).filePath(ModulesFolder))) {
        *error = QCoreApplication::translate("hx7", "Složku %1 nelze vytvořit.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    Layout layout;
    layout.folder = folder;
    layout.name = name;
    return SaveLayoutFile(layout, error);
}

namespace {

// A configuration file copied into modules by hand, without its description, is an entry named by its id: the
// layout shows it (and serves its numbers) instead of keeping a file nobody sees.
void AddFilesWithoutDescription(Layout &layout, const QDir &modules, const QStringList &seen)
{
    for (const QFileInfo &file : modules.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const QString id = file.completeBaseName();
        if (seen.contains(id.toLower()))
            continue;
        layout.entries.push_back(ReadEntry(layout, id, QByteArray("name: ") + id.toUtf8()));
    }
}

} // namespace

std::optional<Layout> OpenLayout(const QString &folder, QString *error)
{
    QString unasked; // a caller that does not want the reason
    if (!error)
        error = &unasked;
    QByteArray content;
    if (!ReadWhole(QDir(folder).filePath(LayoutFileName), &content)) {
        *error = QCoreApplication::translate("hx7", "Složka %1 není kolejiště (chybí v ní layout.txt).")
                     .arg(QDir::toNativeSeparators(folder));
        return std::nullopt;
    }
    Layout layout;
    layout.folder = folder;
    for (const auto &[key, value] : ReadKeyValues(content, &layout.unread)) {
        if (key == QLatin1String("name"))
            layout.name = value;
        else if (key == QLatin1String("group") && !value.isEmpty())
            layout.groups << value;
        else if (const std::optional<OtherDecoder> other =
                     key == QLatin1String("other") ? ParseOther(value) : std::nullopt)
            layout.others.push_back(*other);
        else if (key != QLatin1String("group")) // saving must not lose what a newer version or a hand wrote
            layout.unread << key + QStringLiteral(": ") + value;
    }
    layout.stamp = LastChange({QDir(folder).filePath(LayoutFileName)});
    layout.signature = Signature({QDir(folder).filePath(LayoutFileName)});
    const QDir modules(QDir(folder).filePath(ModulesFolder));
    QStringList seen; // ids as a file system that ignores case sees them
    // A description that is a link to nothing (a clone of another machine's link) is listed too: its entry is
    // reported as unreadable instead of vanishing.
    for (const QFileInfo &file :
         modules.entryInfoList({QStringLiteral("*") + EntrySuffix}, QDir::Files | QDir::System, QDir::Name)) {
        if (!file.isFile() && !(file.isSymLink() && !file.exists()))
            continue; // a device or pipe: opening it could hang
        if (const QString key = file.completeBaseName().toLower(); seen.contains(key)) {
            layout.duplicates.push_back(
                {file.completeBaseName(), QDir(folder).relativeFilePath(file.absoluteFilePath())});
            continue;
        } else {
            seen << key;
        }
        layout.entries.push_back(ReadEntryFile(layout, file));
    }
    AddFilesWithoutDescription(layout, modules, seen);
    // The files come in the order of their names, where "seven-2.entry" is before "seven.entry"; the entries are
    // kept in the order of their ids, as SaveEntry inserts them.
    std::stable_sort(layout.entries.begin(), layout.entries.end(),
                     [](const LayoutEntry &a, const LayoutEntry &b) { return a.id < b.id; });
    return layout;
}

bool SaveLayoutFile(Layout &layout, QString *error)
{
    QString unasked; // a caller that does not want the reason
    if (!error)
        error = &unasked;
    QStringList texts = layout.groups;
    texts << layout.name;
    for (const OtherDecoder &o : layout.others)
        texts << o.name;
    for (const QString &text : std::as_const(texts))
        if (QString why = UnfitText(text); !why.isEmpty()) {
            *error = why;
            return false;
        }
    QString text = QString(Header) + QStringLiteral("\nname: %1\n").arg(layout.name);
    for (const QString &group : layout.groups)
        text += QStringLiteral("group: %1\n").arg(group);
    for (const OtherDecoder &o : layout.others)
        text += QStringLiteral("other: %1-%2 %3\n").arg(o.first).arg(o.last).arg(o.name);
    for (const QString &line : layout.unread)
        text += line + QLatin1Char('\n');
    const QString path = QDir(layout.folder).filePath(LayoutFileName);
    QString reason;
    if (!SaveWhole(path, text.toUtf8(), &reason)) {
        *error = CannotWrite(path, reason);
        return false;
    }
    layout.stamp = LastChange({path});
    layout.signature = Signature({path});
    return true;
}

bool SaveEntry(Layout &layout, const LayoutEntry &entry, bool withImage, QString *error)
{
    QString unasked; // a caller that does not want the reason
    if (!error)
        error = &unasked;
    if (const QString why = UnfitEntryText(entry); !why.isEmpty()) {
        *error = why;
        return false;
    }
    // Writing one side of a merge conflict would drop the other clone's change without a word.
    if (std::any_of(layout.duplicates.begin(), layout.duplicates.end(),
                    [&](const DuplicateEntry &d) { return d.id == entry.id; })) {
        *error = QCoreApplication::translate("hx7", "Popis modulu „%1“ obsahuje obě strany nedokončeného sloučení "
                                                    "(značky <<<<<<< a >>>>>>>); nejdřív ho opravte v textovém "
                                                    "editoru.")
                     .arg(entry.id);
        return false;
    }
    if (withImage && !SaveConfigText(layout.ConfigPath(entry.id), entry.image, error))
        return false;
    const QString path = EntryPath(layout, entry.id);
    QString reason;
    if (!SaveWhole(path, EntryText(entry), &reason)) {
        *error = CannotWrite(path, reason);
        return false;
    }
    LayoutEntry *at = layout.Find(entry.id);
    if (!at) {
        InsertSorted(layout, entry);
        at = layout.Find(entry.id);
    } else {
        *at = entry;
    }
    at->stamp = EntryStamp(layout, entry.id);
    at->signature = EntrySignature(layout, entry.id);
    if (withImage) {
        at->state = LayoutEntry::Ok;
        at->problem.clear();
        at->held = HeldAddresses();
        for (int a = 0; a < SavedByteCount; ++a)
            at->held.set(a); // all that a configuration file holds
    }
    return true;
}

bool ChangedOnDisk(const Layout &layout, const QString &id)
{
    if (id.isEmpty())
        return Signature({QDir(layout.folder).filePath(LayoutFileName)}) != layout.signature;
    // An entry that was not there when the layout was read, but whose files are there now, is someone else's
    // new entry: writing one under the same id would replace it.
    const LayoutEntry *entry = layout.Find(id);
    return entry ? EntrySignature(layout, id) != entry->signature : EntryStamp(layout, id).isValid();
}

QStringList TakenIds(const Layout &layout)
{
    QStringList taken;
    for (const QString &id : layout.Ids())
        taken << id.toLower();
    const QDir modules(QDir(layout.folder).filePath(ModulesFolder));
    for (const QFileInfo &file : modules.entryInfoList(QDir::Files | QDir::System))
        taken << file.completeBaseName().toLower();
    return taken;
}

bool IsLayoutFolder(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(LayoutFileName)).isFile();
}

bool RemoveEntry(Layout &layout, const QString &id, QString *error)
{
    QString unasked; // a caller that does not want the reason
    if (!error)
        error = &unasked;
    const auto at =
        std::find_if(layout.entries.begin(), layout.entries.end(), [&](const LayoutEntry &e) { return e.id == id; });
    if (at == layout.entries.end()) {
        *error = QCoreApplication::translate("hx7", "Kolejiště nemá modul „%1“.").arg(id);
        return false;
    }
    const QDir trash(QDir(layout.folder).filePath(TrashFolder));
    if (!QDir().mkpath(trash.path())) {
        *error =
            QCoreApplication::translate("hx7", "Složku %1 nelze vytvořit.").arg(QDir::toNativeSeparators(trash.path()));
        return false;
    }
    const QString stem = id + QLatin1Char('~') + QDateTime::currentDateTime().toString(TrashStampFormat);
    const QString trashedConfig = trash.filePath(stem + QStringLiteral(".txt"));
    if (!MoveFile(layout.ConfigPath(id), trashedConfig, error))
        return false;
    // A configuration copied in without a description gets one in the trash, which lists entries by them.
    const bool described = QFileInfo::exists(EntryPath(layout, id));
    if (!(described ? MoveFile(EntryPath(layout, id), trash.filePath(stem + EntrySuffix), error)
                    : SaveWhole(trash.filePath(stem + EntrySuffix), EntryText(*at)))) {
        if (!described)
            *error = WriteErrorText(trash.filePath(stem + EntrySuffix));
        // Half in the trash the entry would be neither listed nor restorable: its configuration goes back.
        QFile::rename(trashedConfig, layout.ConfigPath(id));
        return false;
    }
    layout.entries.erase(at);
    return true;
}

std::vector<TrashedEntry> ListTrash(const Layout &layout)
{
    std::vector<TrashedEntry> trashed;
    const QDir trash(QDir(layout.folder).filePath(TrashFolder));
    for (const QFileInfo &file : trash.entryInfoList({QStringLiteral("*~*") + EntrySuffix}, QDir::Files)) {
        TrashedEntry t;
        t.trashName = file.completeBaseName();
        t.id = t.trashName.section(QLatin1Char('~'), 0, -2);
        t.removed = QDateTime::fromString(t.trashName.section(QLatin1Char('~'), -1), TrashStampFormat);
        QByteArray description;
        ReadWhole(file.filePath(), &description);
        LayoutEntry fields;
        ReadEntryFields(fields, description);
        t.name = fields.name.isEmpty() ? t.id : fields.name;
        trashed.push_back(t);
    }
    std::sort(trashed.begin(), trashed.end(), [](const TrashedEntry &a, const TrashedEntry &b) {
        return a.trashName.section(QLatin1Char('~'), -1) > b.trashName.section(QLatin1Char('~'), -1);
    });
    return trashed;
}

bool RestoreEntry(Layout &layout, const QString &trashName, QString *error)
{
    QString unasked; // a caller that does not want the reason
    if (!error)
        error = &unasked;
    const QDir trash(QDir(layout.folder).filePath(TrashFolder));
    const QString id = trashName.section(QLatin1Char('~'), 0, -2);
    if (!trash.exists(trashName + EntrySuffix) || id.isEmpty()) {
        *error = QCoreApplication::translate("hx7", "V koši kolejiště není „%1“.").arg(trashName);
        return false;
    }
    if (layout.Find(id) || QFileInfo::exists(EntryPath(layout, id)) || QFileInfo::exists(layout.ConfigPath(id))) {
        *error = QCoreApplication::translate("hx7", "Modul „%1“ už na kolejišti je; nejdřív ho odstraňte nebo "
                                                    "přejmenujte.")
                     .arg(id);
        return false;
    }
    if (!MoveFile(trash.filePath(trashName + QStringLiteral(".txt")), layout.ConfigPath(id), error) ||
        !MoveFile(trash.filePath(trashName + EntrySuffix), EntryPath(layout, id), error))
        return false;
    InsertSorted(layout, ReadEntryFile(layout, QFileInfo(EntryPath(layout, id))));
    return true;
}

} // namespace hx7
