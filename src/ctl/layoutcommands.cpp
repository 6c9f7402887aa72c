// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutcommands.h"

#include "layoutcsv.h"
#include "layoutplan.h"
#include "layoutreport.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace hx7 {

namespace {

// "--name TEXT": the value, taken out of arguments with its option; nothing when the option is not given.
std::optional<QString> TakeValue(QStringList &arguments, const char *option)
{
    const qsizetype at = arguments.indexOf(QLatin1String(option));
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= arguments.size() || arguments[at + 1].startsWith(QLatin1String("--")))
        throw UsageError{QCoreApplication::translate("hx7", "%1 potřebuje hodnotu").arg(QLatin1String(option))};
    const QString value = arguments[at + 1];
    arguments.remove(at, 2);
    return value;
}

// A text the layout's files and hx7ctl's records can hold: no TAB, line feed or comma.
std::optional<QString> TakeText(QStringList &arguments, const char *option)
{
    std::optional<QString> text = TakeValue(arguments, option);
    if (text)
        if (const QString why = UnfitText(*text); !why.isEmpty())
            throw UsageError{why};
    return text;
}

// What add and set write into an entry; set also takes --built.
void TakeEntryOptions(QStringList &arguments, CtlRequest &r, bool built)
{
    r.name = TakeText(arguments, "--name");
    if (r.name && r.name->trimmed().isEmpty())
        throw UsageError{QCoreApplication::translate("hx7", "--name nesmí být prázdné")};
    r.place = TakeText(arguments, "--place");
    r.group = TakeText(arguments, "--group");
    if (const std::optional<QString> type = TakeValue(arguments, "--type")) {
        if (type->size() != 1 || !QStringLiteral("DVS").contains(*type))
            throw UsageError{QCoreApplication::translate("hx7", "--type je D, V nebo S")};
        r.type = type->at(0).toLatin1();
    }
    const bool planned = TakeFlag(arguments, "--planned");
    const bool isBuilt = built && TakeFlag(arguments, "--built");
    if (planned && isBuilt)
        throw UsageError{QCoreApplication::translate("hx7", "--planned a --built nelze zadat zároveň")};
    if (planned || isBuilt)
        r.planned = planned;
}

void ApplyEntryOptions(const CtlRequest &r, LayoutEntry &entry)
{
    entry.name = r.name.value_or(entry.name);
    entry.place = r.place.value_or(entry.place);
    entry.group = r.group.value_or(entry.group);
    if (r.type)
        entry.expectedType = r.type;
    entry.planned = r.planned.value_or(entry.planned);
}

// A group an entry names becomes one of the layout's groups, so that the roster offers it for the next entry.
bool KeepGroup(Layout &layout, const LayoutEntry &entry, QString *error)
{
    if (entry.group.isEmpty() || layout.groups.contains(entry.group))
        return true;
    layout.groups << entry.group;
    return SaveLayoutFile(layout, error);
}

// The ids an added entry must not take: those of every file in the modules folder (an entry's, the second copy
// of a merge, a configuration file whose description is lost), which an added entry would overwrite; each in any
// case, as a file system that ignores case would make them one file.

} // namespace

std::optional<Layout> OpenLayoutFor(const CtlRequest &r, CtlIo &io)
{
    QString error;
    std::optional<Layout> layout = OpenLayout(r.folder, &error);
    if (!layout)
        Fail(io, error, ExitUsage);
    return layout;
}

void ParseLayoutFolder(QStringList &args, CtlRequest &r)
{
    ExpectArguments(args, 1, 1);
    r.folder = args[0];
}

void ParseLayoutNew(QStringList &args, CtlRequest &r)
{
    r.name = TakeText(args, "--name");
    ParseLayoutFolder(args, r);
}

void ParseLayoutAdd(QStringList &args, CtlRequest &r)
{
    TakeEntryOptions(args, r, false);
    ExpectArguments(args, 2, 2);
    if (!r.name)
        throw UsageError{QCoreApplication::translate("hx7", "layout add potřebuje --name TEXT")};
    r.folder = args[0];
    r.file = args[1];
}

void ParseLayoutSet(QStringList &args, CtlRequest &r)
{
    TakeEntryOptions(args, r, true);
    ParseLayoutRemove(args, r);
}

void ParseLayoutRemove(QStringList &args, CtlRequest &r)
{
    ExpectArguments(args, 2, 2);
    r.folder = args[0];
    r.entryId = args[1];
}

void ParseLayoutOther(QStringList &args, CtlRequest &r)
{
    r.name = TakeText(args, "--name");
    ExpectArguments(args, 3, 3);
    if (!r.name || r.name->trimmed().isEmpty())
        throw UsageError{QCoreApplication::translate("hx7", "layout other potřebuje --name TEXT")};
    r.folder = args[0];
    r.first = ParseNumber(args[1], FirstCommand, LastCommand, QStringLiteral("FIRST"));
    r.last = ParseNumber(args[2], FirstCommand, LastCommand, QStringLiteral("LAST"));
    if (r.first > r.last)
        throw UsageError{QCoreApplication::translate("hx7", "FIRST %1 je větší než LAST %2").arg(r.first).arg(r.last)};
}

void ParseLayoutPlan(QStringList &args, CtlRequest &r)
{
    r.csv = TakeFlag(args, "--csv");
    ParseLayoutFolder(args, r);
}

void ParseLayoutReport(QStringList &args, CtlRequest &r)
{
    const std::optional<QString> output = TakeValue(args, "--pdf");
    if (!output)
        throw UsageError{QCoreApplication::translate("hx7", "layout report potřebuje --pdf OUT")};
    r.output = *output;
    ParseLayoutFolder(args, r);
}

int RunLayoutNew(const CtlRequest &r, CtlIo &io)
{
    QString error;
    const QString name = r.name.value_or(QFileInfo(r.folder).absoluteFilePath().section(QLatin1Char('/'), -1));
    if (!CreateLayout(r.folder, name, &error))
        return Fail(io, error, ExitUsage);
    return ExitOk;
}

// The file is copied as it stands (a file of an older version keeps the bytes it has, and no others); the entry's
// description is written after it, so an entry is never without its file.
int RunLayoutAdd(const CtlRequest &r, CtlIo &io)
{
    std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    SharedData data;
    LayoutEntry entry;
    if (const auto error = LoadFile(r.file, data, entry.held))
        return Fail(io, *error, ExitUsage);
    QFile source(r.file);
    if (!source.open(QIODevice::ReadOnly))
        return Fail(io,
                    QCoreApplication::translate("hx7", "Soubor %1 nelze číst.").arg(QDir::toNativeSeparators(r.file)),
                    ExitUsage);
    entry.id = MakeEntryId(*r.name, TakenIds(*layout));
    entry.image = data.ConfigImage;
    ApplyEntryOptions(r, entry);
    const QString config = layout->ConfigPath(entry.id);
    QString error;
    if (!QDir().mkpath(QFileInfo(config).path()) || !SaveWhole(config, source.readAll(), &error))
        return Fail(io, WriteErrorText(config) + (error.isEmpty() ? QString() : QLatin1Char('\n') + error), ExitUsage);
    if (!SaveEntry(*layout, entry, false, &error)) {
        QFile::remove(config);
        return Fail(io, error, ExitUsage);
    }
    if (!KeepGroup(*layout, entry, &error))
        Fail(io, error, ExitOk); // the entry is there; only the layout's list of groups lacks its group
    io.out << entry.id << '\n';
    return ExitOk;
}

int RunLayoutSet(const CtlRequest &r, CtlIo &io)
{
    std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    const LayoutEntry *found = layout->Find(r.entryId);
    if (!found)
        return Fail(io, QCoreApplication::translate("hx7", "Kolejiště nemá modul „%1“.").arg(r.entryId), ExitUsage);
    LayoutEntry entry = *found;
    ApplyEntryOptions(r, entry);
    QString error;
    if (!SaveEntry(*layout, entry, false, &error))
        return Fail(io, error, ExitUsage);
    if (!KeepGroup(*layout, entry, &error))
        Fail(io, error, ExitOk);
    return ExitOk;
}

int RunLayoutRemove(const CtlRequest &r, CtlIo &io)
{
    std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    QString error;
    if (!RemoveEntry(*layout, r.entryId, &error))
        return Fail(io, error, ExitUsage);
    return ExitOk;
}

// hx7ctl names another decoder by its name ("other:Točna"), so two of one name would be one to a script.
int RunLayoutOther(const CtlRequest &r, CtlIo &io)
{
    std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    const QString name = r.name->trimmed();
    for (const OtherDecoder &o : layout->others)
        if (o.name.compare(name, Qt::CaseInsensitive) == 0)
            return Fail(io, QCoreApplication::translate("hx7", "Jiný dekodér „%1“ už na kolejišti je.").arg(o.name),
                        ExitUsage);
    layout->others.push_back({r.first, r.last, name});
    QString error;
    if (!SaveLayoutFile(*layout, &error))
        return Fail(io, error, ExitUsage);
    return ExitOk;
}

int RunLayoutList(const CtlRequest &r, CtlIo &io)
{
    const std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    const LayoutState state(r.folder, io.layoutStateFolder);
    for (const LayoutEntry &e : layout->entries)
        io.out << RosterFields(*layout, e, state.Record(e.id)).join(QLatin1Char('\t')) << '\n';
    return ExitOk;
}

int RunLayoutCheck(const CtlRequest &r, CtlIo &io)
{
    const std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    const LayoutState state(r.folder, io.layoutStateFolder);
    const std::vector<LayoutProblem> problems = CheckLayout(*layout, MakeAddressPlan(*layout), &state);
    for (const LayoutProblem &p : problems)
        io.out << QStringList{ProblemKindKey(p.kind), p.ids.join(QLatin1Char(',')),
                              p.route ? QString::number(p.route) : QString(), RangeText(p.first, p.last), p.detail}
                      .join(QLatin1Char('\t'))
               << '\n';
    return problems.empty() ? ExitOk : ExitDifferent;
}

int RunLayoutPlan(const CtlRequest &r, CtlIo &io)
{
    const std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    const AddressPlan plan = MakeAddressPlan(*layout);
    if (r.csv) {
        io.out << QString::fromUtf8(PlanCsv(*layout, plan, CsvStyle::Rfc4180));
        return ExitOk;
    }
    for (const PlanNumber &n : plan.numbers) {
        QStringList servers, references;
        for (const PlanServer &s : n.servers)
            servers << s.id;
        for (const PlanReference &ref : n.references)
            references << ReferenceKey(ref);
        io.out << QString::number(n.number) << '\t' << servers.join(QLatin1Char(',')) << '\t'
               << references.join(QLatin1Char(',')) << '\n';
    }
    return ExitOk;
}

int RunLayoutReport(const CtlRequest &r, CtlIo &io)
{
    const std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    // Fonts need a QGuiApplication; main() makes one for this command. Without it Qt would abort.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return Fail(io, WriteErrorText(r.output), ExitUsage);
    QString error;
    if (!WriteLayoutReportPdf(r.output, *layout, MakeAddressPlan(*layout), &error))
        return Fail(io, error.isEmpty() ? WriteErrorText(r.output) : error, ExitUsage);
    return ExitOk;
}

} // namespace hx7
