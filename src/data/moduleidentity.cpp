// SPDX-License-Identifier: GPL-3.0-or-later
#include "moduleidentity.h"

#include <QCoreApplication>

namespace hx7 {

QString ModuleIdentity::TypeName() const
{
    switch (type) {
    case 'D':
        return QStringLiteral("HX7");
    case 'V':
        return QStringLiteral("HX7V");
    case 'S':
        return QStringLiteral("HX7S");
    default:
        return {};
    }
}

QString ModuleIdentity::VersionNumber() const
{
    return QString::number(version / 16) + QLatin1Char('.') + QString::number(version % 16);
}

QString ModuleIdentity::Name() const
{
    const QString name = TypeName();
    if (name.isEmpty())
        return {};
    // The plain HX7 is padded to the width of the others, as the label has always shown it.
    return name.leftJustified(4, QLatin1Char(' ')) + QStringLiteral(" V ") + VersionNumber();
}

QString ModuleIdentity::AnswerText() const
{
    if (QString known = Name(); !known.isEmpty())
        return known;
    const auto code = static_cast<std::uint8_t>(type);
    // Any byte may come in the letter's place: one that does not print is shown by its value.
    const QString letter = code > 0x20 && code < 0x7F ? QString(QLatin1Char(type))
                                                      : QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'));
    return QCoreApplication::translate("hx7", "typ %1, verze %2.%3")
        .arg(letter, QString::number(version / 16), QString::number(version % 16));
}

} // namespace hx7
