// SPDX-License-Identifier: GPL-3.0-or-later
// A layout: every module of a railway in one folder that a club can share or keep in git. The folder holds
// "layout.txt" (the layout's name, the other decoders on it with the command numbers they serve, its groups) and,
// in "modules", one configuration text file per module ("ID.txt", the format "Uložit data" writes, so every other
// part of the program opens it) with its entry's name, place, group, comment, expected type and whether it is only
// planned in "ID.entry" beside it. Each file is a few "key: value" lines, so two people who edit different modules
// change different files; nothing else is kept, and nothing here is derived from anything but these files.
#pragma once

#include "configtextfile.h"
#include "hx7_var1.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace hx7 {

// A decoder of another make on the layout: it serves command numbers first..last.
struct OtherDecoder {
    int first = 1;
    int last = 1;
    QString name;
    bool operator==(const OtherDecoder &) const = default;
};

struct LayoutEntry {
    enum State {
        Ok,
        MissingFile, // no configuration file: the entry is listed, nothing of it is used
        BadFile,     // a configuration file the loader refuses, or a description that cannot be read (why: in problem)
    };
    QString id; // the file names' stem: made from the name once, never changed
    QString name;
    QString place;
    QString group;
    QString comment;
    char expectedType = 0; // 'D', 'V', 'S'; 0 when the entry does not say
    bool planned = false;  // no hardware yet, but its addresses are reserved
    State state = Ok;
    QString problem;      // why the configuration file could not be used, in the user's language
    ImageBytes image{};   // the module's configuration, when state is Ok
    HeldAddresses held{}; // the bytes its file holds
    QDateTime stamp;      // when its files last changed on disk, as read
    QString signature;    // its files' times and sizes, as read (see ChangedOnDisk)
    QStringList unread;   // lines of its description the program does not know: written back on save

    bool Usable() const { return state == Ok; }
    int AddressCode() const { return Usable() ? image[AddressCodeByte] : 0; }
};

// An entry whose id another entry already has: two clones merged (a description with conflict marks, or two
// file names that differ only in case). The first one is used, this one is only reported.
struct DuplicateEntry {
    QString id;
    QString file; // relative to the layout's folder
};

// An entry moved to the layout's trash folder: it can be brought back as long as its id is free.
struct TrashedEntry {
    QString trashName; // the name in the trash folder, unique there ("vjezd-lhota~20261210-153012")
    QString id;
    QString name;
    QDateTime removed;
};

struct Layout {
    QString folder;
    QString name;
    std::vector<OtherDecoder> others;
    QStringList groups;
    std::vector<LayoutEntry> entries; // in the order of their ids
    std::vector<DuplicateEntry> duplicates;
    QStringList unread; // lines of layout.txt not understood ("other:" with a bad range, unknown keys): written back
    QDateTime stamp;    // of layout.txt, as read
    QString signature;  // of layout.txt, as read (see ChangedOnDisk)

    const LayoutEntry *Find(const QString &id) const;
    LayoutEntry *Find(const QString &id);
    QStringList Ids() const;
    QString ConfigPath(const QString &id) const; // the entry's configuration file
};

// The lowest and highest command number of a DCC accessory decoder.
constexpr int FirstCommand = 1;
constexpr int LastCommand = 2044;

// A name, place or group fit for the layout's files and for hx7ctl's records: no TAB, line feed or comma. Returns
// the reason in the user's language, or an empty text when it is fit.
QString UnfitText(const QString &text);
// "Vjezd Lhota" -> "vjezd-lhota"; "vjezd-lhota-2" when that is taken (letters lose their accents; a name of no
// letters or digits gives "modul").
QString MakeEntryId(const QString &name, const QStringList &taken);

// Every error pointer may be null: the reason is then not given.
// Every id the folder has or had a file for, lower-cased (a file system may ignore case): what a new entry's id
// must not be, so that it never writes over files someone else added since the layout was read.
QStringList TakenIds(const Layout &layout);

// Makes folder a new, empty layout named name (the folder made when missing); false, with *error, when it already
// is one or cannot be written.
bool CreateLayout(const QString &folder, const QString &name, QString *error);
// Reads every file of the layout; nothing when folder is not a layout (*error says so). A module file that is
// missing or broken marks its entry and nothing else.
std::optional<Layout> OpenLayout(const QString &folder, QString *error);
// Writes layout.txt from layout (each write whole, through a temporary file) and takes its new stamp.
bool SaveLayoutFile(Layout &layout, QString *error);
// Writes an entry's description, and with image also its configuration file; the entry is added to or replaced in
// layout.entries, with its new stamp.
bool SaveEntry(Layout &layout, const LayoutEntry &entry, bool withImage, QString *error);

// True when layout.txt (id empty) or the entry's files changed on disk since they were read or written here:
// someone else saved them, and writing now would lose their change unless the user agrees. An id that was not
// read but has files now is someone else's new entry: changed too.
bool ChangedOnDisk(const Layout &layout, const QString &id = {});

// Moves the entry's files to the layout's trash folder ("trash"; nothing is deleted) and drops it from
// layout.entries.
bool RemoveEntry(Layout &layout, const QString &id, QString *error);
// The trash, newest first.
std::vector<TrashedEntry> ListTrash(const Layout &layout);
// Brings a trashed entry back under its old id; refused when that id is taken again.
bool RestoreEntry(Layout &layout, const QString &trashName, QString *error);

// True when folder holds a layout.txt.
bool IsLayoutFolder(const QString &folder);

} // namespace hx7
