// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing and loading the language of the user interface.
#include "language.h"

#include "profile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace hx7 {

namespace {
const QString Options = QStringLiteral("Options");
const QString LanguageKey = QStringLiteral("Language");
} // namespace

QString SettingsLanguage(const QString &settingsPath)
{
    const QString value = ProfileFile(settingsPath).readString(Options, LanguageKey).value_or(QString());
    return value.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ? QStringLiteral("en") : QStringLiteral("cs");
}

bool WriteSettingsLanguage(const QString &settingsPath, const QString &language)
{
    return ProfileFile(settingsPath).writeString(Options, LanguageKey, language);
}

bool InstallLanguage(const QString &language)
{
    // The translators live as long as the application: texts are looked up whenever they are shown.
    static QTranslator program;
    static QTranslator qt;
    if (language == QLatin1String("en")) {
        // The texts are written in Czech; English comes from the translation built into the program.
        if (!program.load(QStringLiteral(":/i18n/hx7conf_en.qm")))
            return false;
        QCoreApplication::installTranslator(&program);
        return true;
    }
    if (language != QLatin1String("cs"))
        return false;
    // Qt's own texts (Ano, Ne, Zrušit, the file dialog) in Czech, like everything else.
    if (qt.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

} // namespace hx7
