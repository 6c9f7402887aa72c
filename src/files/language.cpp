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

const QList<Language> &Languages()
{
    static const QList<Language> languages = {{"cs", "&Čeština"}, {"en", "&English"}, {"de", "&Deutsch"}};
    return languages;
}

QStringList LanguageCodes()
{
    QStringList codes;
    for (const Language &l : Languages())
        codes << QString::fromLatin1(l.code);
    return codes;
}

QString SettingsLanguage(const QString &settingsPath)
{
    const QString value = ProfileFile(settingsPath).readString(Options, LanguageKey).value_or(QString()).toLower();
    return LanguageCodes().contains(value) ? value : QStringLiteral("cs");
}

bool WriteSettingsLanguage(const QString &settingsPath, const QString &language)
{
    return ProfileFile(settingsPath).writeString(Options, LanguageKey, language);
}

bool InstallLanguage(const QString &language)
{
    if (!LanguageCodes().contains(language))
        return false;
    // Numbers and dates the program formats itself ("1,4 s") as the language writes them.
    QLocale::setDefault(QLocale(language));
    // The translators live as long as the application: texts are looked up whenever they are shown.
    static QTranslator program;
    static QTranslator qt;
    // The texts are written in Czech; the others come from the translations built into the program.
    if (language != QLatin1String("cs")) {
        if (!program.load(QStringLiteral(":/i18n/hx7conf_%1.qm").arg(language)))
            return false;
        QCoreApplication::installTranslator(&program);
    }
    // Qt's own texts (Yes, No, Cancel, the file dialog) in the same language; English is Qt's own.
    if (language != QLatin1String("en") && qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

} // namespace hx7
