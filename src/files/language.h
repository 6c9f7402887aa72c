// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the user interface: Czech, the language the program is written in, or English.
#pragma once

#include <QString>

namespace hx7 {

// "en" when [Options] Language of the settings file at path says English; "cs" otherwise.
QString SettingsLanguage(const QString &settingsPath);
bool WriteSettingsLanguage(const QString &settingsPath, const QString &language);

// Installs the translators for language ("cs" or "en") into the running application: the program's own
// English texts, and Qt's own (buttons, file dialogs) in Czech for "cs". Call once, before any window is made.
// Returns false for an unknown language, which leaves Czech.
bool InstallLanguage(const QString &language);

} // namespace hx7
