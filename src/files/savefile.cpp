// SPDX-License-Identifier: GPL-3.0-or-later
#include "savefile.h"

#include <QSaveFile>

namespace hx7 {

bool SaveWhole(const QString &path, const QByteArray &content, QString *reason)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}

} // namespace hx7
