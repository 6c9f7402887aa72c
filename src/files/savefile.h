// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole file safely: through a temporary file renamed over the old one, so a save that fails
// half-way (a full disk, a pulled stick) leaves what was there before.
#pragma once

#include <QByteArray>
#include <QString>

namespace hx7 {

// False when the file could not be written; *reason, when given, then says why in the system's words.
bool SaveWhole(const QString &path, const QByteArray &content, QString *reason = nullptr);

} // namespace hx7
