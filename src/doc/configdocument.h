// SPDX-License-Identifier: GPL-3.0-or-later
// One module's configuration as the program holds it: the image, the file it came from or was saved to, the
// snapshot it was last loaded, saved, read or stored as ("modified" compares the image with it), the undo
// steps, and the module it was last read from or stored into. The main window shows one; no widget is needed
// to open, edit, save or undo it.
#pragma once

#include "configtextfile.h"
#include "hx7_var1.h"
#include "moduleidentity.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

class QUndoStack;

namespace hx7 {

class ConfigDocument : public QObject
{
    Q_OBJECT
public:
    // data: the image and routes the transfer controller reads and writes too.
    explicit ConfigDocument(SharedData &data, QObject *parent = nullptr);

    SharedData &Data() { return m_data; }
    const ImageBytes &Image() const { return m_data.ConfigImage; }
    QUndoStack &UndoStack() { return *m_undo; }

    // The defaults a new module holds: nothing to lose, no file, no undo steps.
    void New();
    // The image differs from what was last loaded, saved, read or stored.
    bool IsModified() const;
    // After every change of the image: one undo step named what, if the module's bytes changed.
    void Edited(const QString &what);
    // The routes were decoded from the image anew (a read put them there).
    void RoutesDecoded() { Q_EMIT ImageReplaced(); }
    // Puts the module's bytes of image back (the signal table behind them is a dump of the module, not an edit).
    void Restore(const ImageBytes &image);

    // The file last loaded or saved; empty after a read, or when it was a backup (never a save target: saving
    // over it would lose the state it keeps).
    const QString &FilePath() const { return m_filePath; }
    // Files in this folder are backups.
    void SetBackupFolder(const QString &folder) { m_backupFolder = folder; }
    // Someone (or another copy of the program) wrote the file since it was loaded or saved here.
    bool FileChangedOnDisk() const;
    // On success the document is the file's, clean, with one undo step.
    LoadOutcome Load(const QString &path);
    bool Save(const QString &path, QString *error);

    // The layout entry this document is (its file is the entry's configuration file); empty when none. A read
    // from the module keeps the tie; a load or save of another file, or New(), ends it.
    const QString &EntryId() const { return m_entryId; }
    void TieToEntry(const QString &id);
    // The image went into the document's file by another path (the layout saves an entry's files together):
    // it is clean, and the file's stamp is taken anew.
    void WrittenToFile();
    // The file went away (its entry went to the layout's trash): the image stays, with no file to save into.
    void DetachFile();

    // A read put the module's bytes into the image: nothing of it is unsaved, and it is no longer the file's.
    // A document tied to a layout entry stays the entry's, modified where the module differs from the file.
    void ReadFromModule();
    // A store wrote bytes first..last of bytes: only that range is safe in the module, and only as it was stored.
    void StoredToModule(const ImageBytes &bytes, int first, int last);

    // The module the program talks to: what the last query or search found, with its address code once a read
    // or a store's address check saw it. Nothing when none has answered.
    const std::optional<ModuleIdentity> &Module() const { return m_module; }
    void SetModule(const std::optional<ModuleIdentity> &module);
    void SetModuleAddressCode(int code);

Q_SIGNALS:
    void ImageReplaced(); // the routes were decoded anew
    void StateChanged();  // the file, or whether the image is modified
    void ModuleChanged();

private:
    void SetFile(const QString &path);

    SharedData &m_data;
    QUndoStack *m_undo;
    ImageBytes m_clean{}; // the image as last loaded, saved, read or stored (per range)
    ImageBytes m_shown{}; // the image as the newest undo step left it
    QString m_filePath;
    QDateTime m_fileStamp; // when the file was last loaded or saved, to tell a change on disk
    QString m_backupFolder;
    QString m_entryId;
    std::optional<ModuleIdentity> m_module;
};

} // namespace hx7
