// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing hx7ctl's arguments, and its help and man page written from the command table.
#include "ctltable.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace hx7 {

namespace {

struct Options {
    CtlRequest request;
    QString withoutValue; // an option given without its value
    QStringList rest;     // the command and its arguments
};

// Options before the command, in any order. Nothing is said here: an option without its value is only
// noted, because the language its error is told in may still be unknown.
Options TakeOptions(const QStringList &arguments)
{
    Options o;
    o.rest = arguments;
    QStringList &args = o.rest;
    while (!args.isEmpty() && args[0].startsWith(QLatin1String("--"))) {
        if (args[0] == QLatin1String("--port") || args[0] == QLatin1String("--lang")) {
            if (args.size() < 2) {
                o.withoutValue = args[0];
                args.clear();
                break;
            }
            (args[0] == QLatin1String("--port") ? o.request.port : o.request.language) = args[1];
            args = args.mid(2);
        } else if (args[0] == QLatin1String("--fast") || args[0] == QLatin1String("--trace")) {
            (args[0] == QLatin1String("--fast") ? o.request.fast : o.request.trace) = true;
            args.removeFirst();
        } else {
            break;
        }
    }
    return o;
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

} // namespace

QString RequestedLanguage(const QStringList &arguments)
{
    const QString language = TakeOptions(arguments).request.language;
    return language == QLatin1String("cs") || language == QLatin1String("en") ? language : QString();
}

std::variant<CtlRequest, UsageError> ParseCtl(const QStringList &arguments)
{
    Options o = TakeOptions(arguments);
    CtlRequest &r = o.request;
    QStringList &args = o.rest;
    try {
        if (r.language != RequestedLanguage(arguments)) // a --lang hx7ctl does not speak
            throw UsageError{QCoreApplication::translate("hx7", "--lang je cs nebo en")};
        if (o.withoutValue == QLatin1String("--port"))
            throw UsageError{QCoreApplication::translate("hx7", "--port potřebuje PORT")};
        if (o.withoutValue == QLatin1String("--lang"))
            throw UsageError{QCoreApplication::translate("hx7", "--lang potřebuje cs nebo en")};
        if (args.isEmpty())
            throw UsageError{QCoreApplication::translate("hx7", "chybí příkaz")};
        const QString name = args.takeFirst();
        if (name == QLatin1String("--version") || name == QLatin1String("--help") || name == QLatin1String("-h")) {
            r.kind = name == QLatin1String("--version") ? CtlRequest::Version : CtlRequest::Help;
            return r;
        }
        const auto commands = CtlCommands();
        const auto c = std::find_if(commands.begin(), commands.end(),
                                    [&](const CtlCommand &command) { return name == QLatin1String(command.name); });
        if (c == commands.end())
            throw UsageError{QCoreApplication::translate("hx7", "neznámý příkaz %1").arg(name)};
        r.command = &*c;
        c->parse(args, r);
        return r;
    } catch (const UsageError &e) {
        return e;
    }
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
    constexpr qsizetype column = 28; // where the texts of the commands start
    QString help = QCoreApplication::translate(
        "hx7", "Použití: hx7ctl [--port PORT] [--fast] [--trace] [--lang cs|en] PŘÍKAZ [ARGUMENTY]\n"
               "\n"
               "--fast: další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem 100 ms\n"
               "(stejné rámce a stejné časové limity; přenos trvá asi sekundu místo 25 s).\n"
               "--trace: vypisuje na stderr každý odeslaný rámec a přijatá data, jako Monitor komunikace\n"
               "(čas v ms, směr, bajty hexadecimálně, znaky a význam).\n"
               "--lang: jazyk výpisů, cs (čeština) nebo en (angličtina); bez --lang jazyk nastavený\n"
               "v programu ([Options] Language v hx7conf.ini).\n"
               "\n"
               "PORT je cesta k zařízení (/dev/ttyUSB0), COMn podle [Ports] v hx7conf.ini nebo auto\n"
               "(první port, na kterém modul odpoví; store, factory-reset a test-output ho použijí, jen když\n"
               "odpoví jediný modul a žádný port není obsazený ani nepřístupný); bez --port se použije port\n"
               "uložený v hx7conf.ini.\n"
               "\n"
               "Příkazy:\n");
    for (const CtlCommand &c : CtlCommands()) {
        const QStringList synopses = Synopses(c);
        for (qsizetype i = 0; i < synopses.size(); ++i) {
            QString line = QStringLiteral("  ") + synopses[i];
            if (c.help && i + 1 == synopses.size()) { // the text goes with the last form
                const QString indent(column, QLatin1Char(' '));
                line += line.size() < column - 1 ? QString(column - line.size(), QLatin1Char(' '))
                                                 : QLatin1Char('\n') + indent;
                line +=
                    QCoreApplication::translate("hx7", c.help).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
            }
            help += line + QLatin1Char('\n');
        }
    }
    return help + QCoreApplication::translate(
                      "hx7", "\n"
                             "Návratové kódy: 0 v pořádku, 1 data rozdílná, 2 chybné argumenty nebo soubor,\n"
                             "3 chyba komunikace, 4 odmítnuto.\n");
}

QString ManualPage(const QString &page, QString *error)
{
    QStringList synopses; // every form of the table, in its order
    for (const CtlCommand &c : CtlCommands())
        synopses += Synopses(c);
    const QString marker = QStringLiteral(".\\\" @");
    QStringList lines = page.split(QLatin1Char('\n'));
    qsizetype next = 0;
    for (QString &line : lines) {
        if (!line.startsWith(marker))
            continue;
        const QString synopsis = synopses.value(next++);
        if (synopsis.isEmpty() || line != marker + synopsis.section(QLatin1Char(' '), 0, 0)) {
            *error = QStringLiteral("the text %1 stands where %2 is due")
                         .arg(line, synopsis.isEmpty() ? QStringLiteral("no command") : synopsis);
            return {};
        }
        line = QStringLiteral(".TP\n") + RoffSynopsis(synopsis);
    }
    if (next < synopses.size()) {
        *error = synopses[next] + QStringLiteral(" has no text in the page");
        return {};
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace hx7
