// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing hx7ctl's arguments, and its help and man page written from the tables of options and commands.
#include "ctltable.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace hx7 {

namespace {

// In the order of --help and of the man page.
const CtlOption ProgramOptions[] = {
    {.name = "--port",
     .value = "PORT",
     .text = &CtlRequest::port,
     .noValue = QT_TRANSLATE_NOOP("hx7", "--port potřebuje PORT"),
     .help = QT_TRANSLATE_NOOP("hx7", "sériový port s modulem, viz PORT níže")},
    {.name = "--fast",
     .flag = &CtlRequest::fast,
     .help = QT_TRANSLATE_NOOP("hx7", "další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem\n"
                                      "100 ms (stejné rámce a stejné časové limity; přenos trvá asi sekundu\n"
                                      "místo 25 s)")},
    {.name = "--trace",
     .flag = &CtlRequest::trace,
     .help = QT_TRANSLATE_NOOP("hx7", "vypisuje na stderr každý odeslaný rámec a přijatá data, jako Monitor\n"
                                      "komunikace (čas v ms, směr, bajty hexadecimálně, znaky a význam)")},
    {.name = "--lang",
     .value = "cs|en|de",
     .text = &CtlRequest::language,
     .noValue = QT_TRANSLATE_NOOP("hx7", "--lang potřebuje cs, en nebo de"),
     .badValue = QT_TRANSLATE_NOOP("hx7", "--lang je cs, en nebo de"),
     .help = QT_TRANSLATE_NOOP("hx7", "jazyk výpisů, cs (čeština), en (angličtina) nebo de (němčina); bez\n"
                                      "--lang jazyk nastavený v programu ([Options] Language v hx7conf.ini)")},
    {.name = "--help",
     .alias = "-h",
     .answer = CtlRequest::Help,
     .help = QT_TRANSLATE_NOOP("hx7", "vypíše použití a skončí")},
    {.name = "--version", .answer = CtlRequest::Version, .help = QT_TRANSLATE_NOOP("hx7", "vypíše verzi a skončí")},
};

const CtlOption *FindOption(const QString &word)
{
    for (const CtlOption &o : ProgramOptions)
        if (word == QLatin1String(o.name) || (o.alias && word == QLatin1String(o.alias)))
            return &o;
    return nullptr;
}

// The values an option takes; empty when the user fills in any ("PORT").
QStringList Values(const CtlOption &o)
{
    const QString value = QString::fromLatin1(o.value);
    return value.isEmpty() || value != value.toLower() ? QStringList() : value.split(QLatin1Char('|'));
}

// Whether o takes the value given to it; an empty value stands for none given.
bool Admits(const CtlOption &o, const QString &value)
{
    const QStringList values = Values(o);
    return value.isEmpty() || values.isEmpty() || values.contains(value);
}

struct Options {
    CtlRequest request;
    const CtlOption *withoutValue = nullptr; // an option given without its value
    QStringList rest;                        // the command and its arguments
};

// Options before the command, in any order. Nothing is said here: an option without its value is only
// noted, because the language its error is told in may still be unknown.
Options TakeOptions(const QStringList &arguments)
{
    Options o;
    o.rest = arguments;
    QStringList &args = o.rest;
    while (!args.isEmpty()) {
        const CtlOption *option = FindOption(args[0]);
        if (!option || option->answer != CtlRequest::Command)
            break;
        if (!option->value) {
            o.request.*option->flag = true;
            args.removeFirst();
        } else if (args.size() < 2) {
            o.withoutValue = option;
            args.clear();
        } else {
            o.request.*option->text = args[1];
            args.remove(0, 2);
        }
    }
    return o;
}

// A value an option does not take is told before a value that is missing, which only the last option can lack.
void CheckValues(const Options &o)
{
    for (const CtlOption &option : ProgramOptions)
        if (option.text && !Admits(option, o.request.*option.text))
            throw UsageError{QCoreApplication::translate("hx7", option.badValue)};
    if (o.withoutValue)
        throw UsageError{QCoreApplication::translate("hx7", o.withoutValue->noValue)};
}

// "--port PORT", "--help, -h": the option as --help and the man page head its entry.
QString OptionSynopsis(const CtlOption &o)
{
    QString synopsis = QString::fromLatin1(o.name);
    if (o.alias)
        synopsis += QStringLiteral(", ") + QString::fromLatin1(o.alias);
    if (o.value)
        synopsis += QLatin1Char(' ') + QString::fromLatin1(o.value);
    return synopsis;
}

// "store FILE [--scope config|all|route N] [--reset] [--yes]": the command with each of its argument forms.
QStringList Synopses(const CtlCommand &c)
{
    QStringList synopses;
    for (const QString &form : QString::fromLatin1(c.forms).split(QLatin1Char('\n')))
        synopses << (QString::fromLatin1(c.name) + QLatin1Char(' ') + form).trimmed();
    return synopses;
}

// "store FILE [--scope config|all]" in roff: what is typed in bold, what is filled in in italics.
QString RoffSynopsis(const QString &synopsis)
{
    static const QRegularExpression word(QStringLiteral("(-*[a-z][a-z0-9-]*)|([A-Z]+)"));
    QString roff;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &m : word.globalMatch(synopsis)) {
        roff += synopsis.mid(at, m.capturedStart() - at);
        roff += (m.capturedLength(1) > 0 ? QStringLiteral("\\fB") : QStringLiteral("\\fI")) +
                m.captured().replace(QLatin1Char('-'), QStringLiteral("\\-")) + QStringLiteral("\\fR");
        at = m.capturedEnd();
    }
    return roff + synopsis.mid(at);
}

// "  store FILE    its text", the text in a column of its own, its further lines under it; after a head that
// reaches the column the text starts on the next line.
QString HelpEntry(const QString &head, const char *text)
{
    constexpr qsizetype column = 28;
    QString entry = QStringLiteral("  ") + head;
    if (text) {
        const QString indent(column, QLatin1Char(' '));
        entry +=
            entry.size() < column - 1 ? QString(column - entry.size(), QLatin1Char(' ')) : QLatin1Char('\n') + indent;
        entry += QCoreApplication::translate("hx7", text).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
    }
    return entry + QLatin1Char('\n');
}

struct ManualHead {
    QString name;               // what follows the marker: "--port", "store"
    QString synopsis;           // what heads the entry: "--port PORT", "store FILE [--scope config|all|route N] ..."
    const char *help = nullptr; // the --help text, which --help shows with the command's last form
};

// The entries of the man page in its order: the options, then every form of every command.
QList<ManualHead> ManualHeads()
{
    QList<ManualHead> heads;
    for (const CtlOption &o : ProgramOptions)
        heads << ManualHead{QString::fromLatin1(o.name), OptionSynopsis(o), o.help};
    for (const CtlCommand &c : CtlCommands()) {
        const QStringList synopses = Synopses(c);
        for (qsizetype i = 0; i < synopses.size(); ++i)
            heads << ManualHead{QString::fromLatin1(c.name), synopses[i], i + 1 == synopses.size() ? c.help : nullptr};
    }
    return heads;
}

// The --help text of an entry as a sentence of the page, in the installed language: its lines joined, its first
// letter capital, a full stop at its end, and nothing roff would take for a request or an escape.
QString RoffSentence(const char *help)
{
    QString text = QCoreApplication::translate("hx7", help).simplified();
    if (text.isEmpty())
        return text;
    text[0] = text[0].toUpper();
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e")).replace(QLatin1Char('-'), QStringLiteral("\\-"));
    return text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')) ? QStringLiteral("\\&") + text
                                                                                   : text;
}

// Whether name heads commands of two words ("layout").
bool IsGroup(const QString &name)
{
    const auto commands = CtlCommands();
    return std::any_of(commands.begin(), commands.end(),
                       [&](const CtlCommand &c) { return QLatin1String(c.name).startsWith(name + QLatin1Char(' ')); });
}

// The command named by name, or by name and the next argument (taken out of arguments then).
const CtlCommand *FindCommand(const QString &name, QStringList &arguments)
{
    const QString two = arguments.isEmpty() ? QString() : name + QLatin1Char(' ') + arguments.first();
    for (const CtlCommand &c : CtlCommands()) {
        if (!two.isEmpty() && two == QLatin1String(c.name)) {
            arguments.removeFirst();
            return &c;
        }
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

} // namespace

std::span<const CtlOption> CtlOptions()
{
    return ProgramOptions;
}

QString RequestedLanguage(const QStringList &arguments)
{
    const QString language = TakeOptions(arguments).request.language;
    const auto lang = std::find_if(std::begin(ProgramOptions), std::end(ProgramOptions),
                                   [](const CtlOption &o) { return o.text == &CtlRequest::language; });
    return Admits(*lang, language) ? language : QString();
}

std::variant<CtlRequest, UsageError> ParseCtl(const QStringList &arguments)
{
    Options o = TakeOptions(arguments);
    CtlRequest &r = o.request;
    QStringList &args = o.rest;
    try {
        CheckValues(o);
        if (args.isEmpty())
            throw UsageError{QCoreApplication::translate("hx7", "chybí příkaz")};
        const QString name = args.takeFirst();
        const CtlOption *option = FindOption(name);
        if (option && option->answer != CtlRequest::Command) { // --help, --version; the rest is not looked at
            r.kind = option->answer;
            return r;
        }
        const CtlCommand *c = FindCommand(name, args);
        if (!c)
            throw UsageError{QCoreApplication::translate("hx7", "neznámý příkaz %1")
                                 .arg(IsGroup(name) ? (name + QLatin1Char(' ') + args.value(0)).trimmed() : name)};
        r.command = c;
        c->parse(args, r);
        return r;
    } catch (const UsageError &e) {
        return e;
    }
}

bool CtlDraws(const QStringList &arguments)
{
    const auto parsed = ParseCtl(arguments);
    const CtlRequest *request = std::get_if<CtlRequest>(&parsed);
    return request && request->kind == CtlRequest::Command && request->command->draws;
}

bool TakeFlag(QStringList &arguments, const char *flag)
{
    return arguments.removeAll(QLatin1String(flag)) > 0;
}

void ExpectArguments(const QStringList &arguments, int minimum, int maximum)
{
    for (const QString &a : arguments)
        if (a.startsWith(QLatin1String("--")))
            throw UsageError{QCoreApplication::translate("hx7", "neznámá volba %1").arg(a)};
    if (arguments.size() < minimum)
        throw UsageError{QCoreApplication::translate("hx7", "chybí argument")};
    if (arguments.size() > maximum)
        throw UsageError{QCoreApplication::translate("hx7", "přebytečný argument %1").arg(arguments[maximum])};
}

int ParseNumber(const QString &text, int minimum, int maximum, const QString &what)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < minimum || v > maximum)
        throw UsageError{QCoreApplication::translate("hx7", "%1 musí být číslo %2..%3: %4")
                             .arg(what, QString::number(minimum), QString::number(maximum), text)};
    return v;
}

QString CtlHelp()
{
    QString before; // the options that stand before the command
    for (const CtlOption &o : ProgramOptions)
        if (o.answer == CtlRequest::Command)
            before += QLatin1Char('[') + OptionSynopsis(o) + QStringLiteral("] ");
    QString help =
        QCoreApplication::translate("hx7", "Použití: hx7ctl %1 PŘÍKAZ [ARGUMENTY]\n\nVolby:\n").arg(before.trimmed());
    for (const CtlOption &o : ProgramOptions)
        help += HelpEntry(OptionSynopsis(o), o.help);
    help += QCoreApplication::translate(
        "hx7", "\n"
               "PORT je cesta k zařízení (/dev/ttyUSB0), COMn podle [Ports] v hx7conf.ini nebo auto\n"
               "(první port, na kterém modul odpoví; store, factory-reset a test-output ho použijí, jen když\n"
               "odpoví jediný modul a žádný port není obsazený ani nepřístupný); bez --port se použije port\n"
               "uložený v hx7conf.ini.\n"
               "\n"
               "Příkazy:\n");
    for (const CtlCommand &c : CtlCommands()) {
        const QStringList synopses = Synopses(c);
        for (qsizetype i = 0; i < synopses.size(); ++i) // the text goes with the last form
            help += HelpEntry(synopses[i], i + 1 == synopses.size() ? c.help : nullptr);
    }
    return help + QCoreApplication::translate(
                      "hx7", "\n"
                             "Návratové kódy: 0 v pořádku, 1 data rozdílná, 2 chybné argumenty nebo soubor,\n"
                             "3 chyba komunikace, 4 odmítnuto, 5 adresu připojeného modulu má více\n"
                             "modulů kolejiště.\n");
}

QString ManualPage(const QString &page, QString *error)
{
    const QList<ManualHead> heads = ManualHeads();
    const QString marker = QStringLiteral(".\\\" @");
    QStringList lines = page.split(QLatin1Char('\n'));
    qsizetype next = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString &line = lines[i];
        if (!line.startsWith(marker))
            continue;
        const ManualHead head = heads.value(next++);
        if (head.synopsis.isEmpty() || line != marker + head.name) {
            *error = QStringLiteral("the text %1 stands where %2 is due")
                         .arg(line, head.synopsis.isEmpty() ? QStringLiteral("no command") : head.synopsis);
            return {};
        }
        line = QStringLiteral(".TP\n") + RoffSynopsis(head.synopsis);
        // An entry the page says nothing more of than --help does gets the --help text, in the page's language.
        const QString after = lines.value(i + 1);
        if (i + 1 == lines.size() || after.startsWith(marker) || after.startsWith(QLatin1String(".SH"))) {
            if (!head.help) {
                *error = head.synopsis + QStringLiteral(" has no text in the page");
                return {};
            }
            line += QLatin1Char('\n') + RoffSentence(head.help);
        }
    }
    if (next < heads.size()) {
        *error = heads[next].synopsis + QStringLiteral(" has no text in the page");
        return {};
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace hx7
