// SPDX-License-Identifier: GPL-3.0-or-later
// Backups of a module's configuration, taken before the program overwrites it (a store, a factory reset):
// configuration text files that "Načíst data" opens, in one folder. Each file's name says when it was taken,
// which module it came from and what followed, so the folder itself is the index: a file copied in or
// deleted by hand needs no index to be mended.
#pragma once

#include "hx7_var1.h"
#include "moduleidentity.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace hx7 {

// What overwrote the module after its backup was taken: a store of bytes first..last, or a factory reset.
struct Overwrite {
    bool factoryReset = false;
    int first = 0;
    int last = -1;
    bool operator==(const Overwrite &) const = default;
};

// In words, in the user's language: "uložení konfigurace", "uložení konfigurace a všech cest",
// "uložení cesty 17", "uložení bajtů 4..100", "reset do počátečního nastavení".
QString OverwriteText(const Overwrite &overwrite);

struct BackupEntry {
    QString path;           // the file
    QDateTime when;         // local time it was taken
    QString module;         // type and version as the program shows them ("HX7S V 1.3"); empty when not known
    int decoderAddress = 0; // byte 4 of the module when the backup was taken
    Overwrite followed;
    QString entryId; // the layout entry the module was, when it was one (an id of letters, digits and '-')
};

// "2026-12-09 15:12:03": the time of a backup as the history window and hx7ctl show it, whatever the locale.
QString BackupTimeText(const QDateTime &when);

// The data folder's "hx7conf/backups" (on Linux $XDG_DATA_HOME/hx7conf/backups).
QString DefaultBackupFolder();

class BackupStore
{
public:
    explicit BackupStore(QString folder = DefaultBackupFolder()) : m_folder(std::move(folder)) {}
    const QString &folder() const { return m_folder; }

    struct Kept {
        QString path;         // the backup that holds the module's bytes; empty when none could be written
        bool written = false; // false when the newest backup of the same module already held them
        QString error;        // why nothing could be written, in the user's language
    };
    // Keeps bytes 0..248 of the module (the folder made when missing), named by its type and version; a module
    // not known (none answered a query, or of a type without a name) as unknown. Bytes equal to the newest
    // backup of the same decoder address are not written again: that backup is named instead. No file is
    // ever written over: a second backup in the same millisecond is named to sort after the first. A factory
    // reset is listed back without range. entryId names the layout entry the module is, when it is one.
    Kept Keep(const ImageBytes &bytes, const std::optional<ModuleIdentity> &module, const Overwrite &followed,
              const QDateTime &when = QDateTime::currentDateTime(), const QString &entryId = {}) const;

    // The backups in the folder, newest first; only those of decoderAddress when given. Files not named
    // as backups are left out.
    std::vector<BackupEntry> List(std::optional<int> decoderAddress = std::nullopt) const;

    // Deletes one backup; false, with *reason in the system's words, when it could not. A path that is no
    // backup of this folder is refused.
    bool Remove(const QString &path, QString *reason = nullptr) const;

private:
    QString m_folder;
};

} // namespace hx7
