// SPDX-License-Identifier: GPL-3.0-or-later
// What happens to a layout's modules on this computer: when each entry was last identified, read, stored and
// verified, with what result, and what its module last said it is. It changes on every use, so it is kept per
// user in the data folder and never in the layout's folder: a verify at a service day must not edit the files the
// club shares. One small file per layout, named from the layout folder's path.
#pragma once

#include "moduleidentity.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace hx7 {

struct EntryRecord {
    QDateTime identified; // the connected module was found to be this entry
    QDateTime read;
    QDateTime stored;
    QDateTime verified;
    std::optional<int> differing; // bytes that differed at the last verify: 0 when the module matched its file
    char lastType = 0;            // what the module last said: its type letter and firmware
    int lastVersion = 0;
};

// "v souladu" / "liší se: 3 bajty"; empty when never verified.
QString VerifyResultText(const EntryRecord &record);
// "2026-12-10 15:12 v souladu": the time and result of the last verify, as the roster and hx7ctl show it.
QString LastVerifiedText(const EntryRecord &record);

// The data folder's "hx7conf/layouts".
QString DefaultLayoutStateFolder();

class LayoutState
{
public:
    explicit LayoutState(const QString &layoutFolder, const QString &stateFolder = DefaultLayoutStateFolder());
    const QString &path() const { return m_path; } // the file this layout's records live in

    EntryRecord Record(const QString &id) const;
    // Each call writes the file at once (whole, through a temporary file); false, with *error, when it could not.
    bool Identified(const QString &id, const ModuleIdentity &module, QString *error = nullptr,
                    const QDateTime &when = QDateTime::currentDateTime());
    bool Read(const QString &id, QString *error = nullptr, const QDateTime &when = QDateTime::currentDateTime());
    bool Stored(const QString &id, QString *error = nullptr, const QDateTime &when = QDateTime::currentDateTime());
    bool Verified(const QString &id, int differing, QString *error = nullptr,
                  const QDateTime &when = QDateTime::currentDateTime());

private:
    struct Cache;
    const Cache &Cached() const;
    bool Change(const QString &id, const std::vector<std::pair<QString, QString>> &values, QString *error);
    QString m_path;
    QString m_layoutFolder;
    // The records as last read, kept while the file stays as it was: the roster and the check ask for hundreds.
    std::shared_ptr<Cache> m_cache;
};

} // namespace hx7
