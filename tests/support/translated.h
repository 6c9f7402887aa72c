// SPDX-License-Identifier: GPL-3.0-or-later
// For a test that runs in each of the program's languages: the program's own texts in that language for as long
// as it lives (Czech, the code's own, needs no translation).
#pragma once

#include <QCoreApplication>
#include <QTranslator>

class Translated
{
public:
    explicit Translated(const QString &language)
    {
        loaded = language == QLatin1String("cs") ||
                 (m_translator.load(QStringLiteral(":/i18n/hx7conf_%1.qm").arg(language)) &&
                  QCoreApplication::installTranslator(&m_translator));
    }
    ~Translated() { QCoreApplication::removeTranslator(&m_translator); }
    Translated(const Translated &) = delete;
    Translated &operator=(const Translated &) = delete;

    bool loaded = false;

private:
    QTranslator m_translator;
};
