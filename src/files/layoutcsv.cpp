// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutcsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace hx7 {

namespace {

QString StateKey(const LayoutEntry &entry)
{
    switch (entry.state) {
    case LayoutEntry::MissingFile:
        return QStringLiteral("missing-file");
    case LayoutEntry::BadFile:
        return QStringLiteral("bad-file");
    case LayoutEntry::Ok:
        break;
    }
    return entry.planned ? QStringLiteral("planned") : QStringLiteral("ok");
}

// A spreadsheet runs a cell that starts with one of these as a formula: a name from a shared layout could make
// it fetch or run something. The Excel file is read by people, so such a cell gets a leading apostrophe, which
// the spreadsheet shows as text; the plain CSV is for programs and stays as written. A range of command numbers
// ("1-4", "5-8") would be taken for a date the same way, and gets the same apostrophe.
QString Defused(const QString &field)
{
    static const QString formulaStarts = QStringLiteral("=+-@");
    static const QRegularExpression range(QStringLiteral("^\\d+-\\d+$"));
    const bool text = !field.isEmpty() && (formulaStarts.contains(field.front()) || range.match(field).hasMatch());
    return text ? QLatin1Char('\'') + field : field;
}

QString Field(QString field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')) &&
        !field.contains(QLatin1Char('\r')))
        return field;
    return QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QStringList RosterFields(const Layout &layout, const LayoutEntry &entry, const EntryRecord &record)
{
    const int b = entry.AddressCode();
    const bool serves = entry.Usable() && b >= FirstAddressCode && b <= LastAddressCode;
    const int n = serves ? FirstCommandNumber(b) : 0;
    return {entry.id,
            entry.name,
            entry.place,
            entry.group,
            entry.expectedType ? QString(QLatin1Char(entry.expectedType)) : QString(),
            entry.Usable() ? QString::number(b) : QString(),
            RangeText(n, n + 3),
            QDir(layout.folder).relativeFilePath(QFileInfo(layout.ConfigPath(entry.id)).absoluteFilePath()),
            StateKey(entry),
            LastVerifiedText(record)};
}

QByteArray CsvText(const std::vector<QStringList> &rows, CsvStyle style)
{
    const bool excel = style == CsvStyle::Excel;
    const QChar separator = excel ? QLatin1Char(';') : QLatin1Char(',');
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &field : row)
            fields << Field(excel ? Defused(field) : field, separator);
        text += fields.join(separator) + QStringLiteral("\r\n");
    }
    return (excel ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

QByteArray RosterCsv(const Layout &layout, const LayoutState &state, CsvStyle style)
{
    std::vector<QStringList> rows{
        {QCoreApplication::translate("hx7", "Id"), QCoreApplication::translate("hx7", "Název"),
         QCoreApplication::translate("hx7", "Místo"), QCoreApplication::translate("hx7", "Skupina"),
         QCoreApplication::translate("hx7", "Typ"), QCoreApplication::translate("hx7", "Adresa dekodéru"),
         QCoreApplication::translate("hx7", "Čísla povelů"), QCoreApplication::translate("hx7", "Soubor"),
         QCoreApplication::translate("hx7", "Stav"), QCoreApplication::translate("hx7", "Naposledy porovnán")}};
    for (const LayoutEntry &e : layout.entries)
        rows.push_back(RosterFields(layout, e, state.Record(e.id)));
    return CsvText(rows, style);
}

QByteArray PlanCsv(const Layout &layout, const AddressPlan &plan, CsvStyle style)
{
    std::vector<QStringList> rows{{QCoreApplication::translate("hx7", "Číslo povelu"),
                                   QCoreApplication::translate("hx7", "Obsluhuje"),
                                   QCoreApplication::translate("hx7", "Odkazuje na ně")}};
    for (const PlanNumber &n : plan.numbers) {
        QStringList servers, references;
        for (const PlanServer &s : n.servers)
            servers << ServerText(layout, s);
        for (const PlanReference &r : n.references)
            references << ReferenceText(layout, r);
        rows.push_back(
            {QString::number(n.number), servers.join(QStringLiteral("; ")), references.join(QStringLiteral("; "))});
    }
    return CsvText(rows, style);
}

} // namespace hx7
