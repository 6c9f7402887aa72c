// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the user interface: Czech, the language the program is written in, English or German.
#pragma once

#include <QString>
#include <QStringList>

namespace hx7 {

struct Language {
    const char *code;    // "cs", "en", "de": the settings' value, hx7ctl's --lang and the guide's folder
    const char *ownName; // the language named in itself, with its menu accelerator ("&Deutsch")
};

// Every language the program speaks, Czech first.
const QList<Language> &Languages();
QStringList LanguageCodes();

// The language [Options] Language of the settings file at path names (in any case); "cs" for none or an unknown one.
QString SettingsLanguage(const QString &settingsPath);
bool WriteSettingsLanguage(const QString &settingsPath, const QString &language);

// Installs the translators for language (one of LanguageCodes()) into the running application: the program's own
// texts from the translation built into it, and Qt's own (buttons, file dialogs) from Qt's catalogue of that
// language. Call once, before any window is made. Returns false for an unknown language, which leaves Czech.
bool InstallLanguage(const QString &language);

} // namespace hx7
