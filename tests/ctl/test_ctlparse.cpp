// SPDX-License-Identifier: GPL-3.0-or-later
// hx7ctl without a module: what its parse step takes and its file checks refuse before any port is opened, which
// device a --port opens, and the help and man page written from the tables of options and commands.
#include "ctlcommands.h"
#include "ctltable.h"
#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace hx7;
using namespace hx7test;

namespace {

struct Result {
    int code;
    QString out;
    QString err;
};

QStringList Args(std::initializer_list<const char *> args)
{
    QStringList out;
    for (const char *a : args)
        out << QString::fromUtf8(a);
    return out;
}

// A configuration file with the header and only the records of the given addresses.
void WriteRecords(const QString &path, const QList<std::pair<int, int>> &spans)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("N1.0\r\nD0000:00C0\r\n*\r\n");
    for (const auto &[first, last] : spans)
        for (int i = first; i <= last; ++i)
            f.write(QByteArray::number(i, 16).rightJustified(4, '0').toUpper() + ":00\r\n");
}

void RefusalRow(const char *name, const QStringList &arguments, bool usage, const char *message)
{
    QTest::newRow(name) << arguments << usage << QString::fromUtf8(message);
}

// Files a command cannot use, refused by its run before any port is opened.
void FileRefusalRows()
{
    const auto row = RefusalRow;
    row("missing file", Args({"show", "/no/such/file.txt"}), false, "Chyba otevreni souboru  dat/no/such/file.txt");
    row("report of a missing file", Args({"report", "/no/such/file.txt", "--pdf", "x.pdf"}), false,
        "Chyba otevreni souboru  dat/no/such/file.txt");
    row("report of a file with no records", Args({"report", "empty.txt", "--pdf", "x.pdf"}), false,
        "Soubor neobsahuje žádná data: empty.txt");
    // Files that do not hold what a command needs.
    row("route 20 not in file", Args({"store", "old.txt", "--scope", "route", "20"}), false,
        "Soubor neobsahuje žádný z bajtů 213..219, které se mají uložit; do modulu se neuložilo nic.");
    row("gap inside scope", Args({"store", "gap.txt", "--scope", "config"}), false,
        "V souboru chybí bajty 10 uprostřed rozsahu 4..31; do modulu se neuložilo nic.");
    row("nothing to verify", Args({"verify", "high.txt"}), false,
        "Soubor neobsahuje žádný z bajtů 0..248, není co porovnat: high.txt");
}

// The options a form shows; "--scope VALUE" for one followed by a word that goes with it (not "]", "[" or
// another option).
QStringList FormFlags(const QString &form)
{
    static const QRegularExpression flag(QStringLiteral("(--[a-z0-9-]+)( [^\\s\\[-])?"));
    QStringList flags;
    for (const QRegularExpressionMatch &m : flag.globalMatch(form))
        flags << m.captured(1) + (m.hasCaptured(2) ? QStringLiteral(" VALUE") : QString());
    return flags;
}

// Words of a form as a user types them: 1 for what is filled in, the last of a|b (where one choice needs a
// number, as route N, it is written last; a choice of letters, as D|V|S, is typed as it stands).
QStringList Typed(const QString &words)
{
    QStringList typed;
    for (const QString &word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString chosen = word.section(QLatin1Char('|'), -1);
        typed << (chosen == chosen.toUpper() && !word.contains(QLatin1Char('|')) ? QStringLiteral("1") : chosen);
    }
    return typed;
}

} // namespace

class TestCtlParse : public QObject
{
    Q_OBJECT

    Result Run(const QStringList &arguments)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        CtlIo io{.out = o, .err = e};
        io.settingsPath = m_dir.filePath(QStringLiteral("hx7conf.ini"));
        io.port = &m_port;
        const int code = RunCtl(arguments, io);
        o.flush();
        e.flush();
        return {code, out, err};
    }

    // The page's template in Czech, or in the language of suffix (".en").
    static QString ManualTemplate(const QString &suffix = QString())
    {
        QFile in(QStringLiteral(HX7_SOURCE_DIR "/packaging/hx7ctl%1.1.in").arg(suffix));
        return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
    }

    QTemporaryDir m_dir;
    FakeSerialPort m_port;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        WriteRecords(QStringLiteral("old.txt"), {{0, 191}});
        WriteRecords(QStringLiteral("gap.txt"), {{0, 9}, {11, 191}});
        WriteRecords(QStringLiteral("high.txt"), {{300, 300}});
        WriteRecords(QStringLiteral("empty.txt"), {});
        // Port numbers 0 and below name no port, in [Ports] as on the command line.
        QFile ini(QStringLiteral("hx7conf.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Options]\r\nCOMserial=3\r\n[Ports]\r\nCOM3=/dev/hx7-three\r\nCOM0=/dev/hx7-zero\r\n"
                  "COM-2=/dev/hx7-negative\r\n");
    }
    void init()
    {
        m_port.Opened.clear();
        m_port.OpenSucceeds = false;
    }

    // One line on stderr, exit 2, nothing on stdout and no port opened. usage: a usage error of the parse
    // step, told as "hx7ctl: ... (hx7ctl --help)"; else a file the command cannot use, refused by its run.
    void refusedBeforeThePort_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("usage");
        QTest::addColumn<QString>("message");
        const auto row = RefusalRow;
        row("nothing", {}, true, "chybí příkaz");
        row("unknown command", Args({"erase"}), true, "neznámý příkaz erase");
        row("read without file", Args({"read"}), true, "chybí argument");
        row("read, two files", Args({"read", "a.txt", "b.txt"}), true, "přebytečný argument b.txt");
        row("unknown option", Args({"verify", "--fast", "f.txt"}), true, "neznámá volba --fast");
        row("bad scope", Args({"store", "f.txt", "--scope", "half"}), true, "--scope je config, all nebo route N");
        row("route 25", Args({"store", "f.txt", "--scope", "route", "25"}), true,
            "číslo cesty musí být číslo 1..24: 25");
        row("route without number", Args({"store", "f.txt", "--scope", "route"}), true,
            "číslo cesty musí být číslo 1..24: ");
        row("turnout 5", Args({"test-output", "turnout", "5", "straight"}), true, "přestavník musí být číslo 1..4: 5");
        row("signal 0", Args({"test-output", "signal", "0", "1"}), true, "návěstidlo musí být číslo 1..4: 0");
        row("aspect 17", Args({"test-output", "signal", "1", "17"}), true, "kód návěsti musí být číslo 0..16: 17");
        row("position", Args({"test-output", "turnout", "1", "left"}), true, "poloha je straight nebo diverging");
        row("output kind", Args({"test-output", "lamp", "1", "1"}), true, "test-output turnout|signal");
        row("port without value", Args({"--port"}), true, "--port potřebuje PORT");
        row("language without value", Args({"--fast", "--lang"}), true, "--lang potřebuje cs, en nebo de");
        row("unknown language", Args({"--lang", "xx", "info"}), true, "--lang je cs, en nebo de");
        row("unknown language before a missing port", Args({"--lang", "xx", "--port"}), true,
            "--lang je cs, en nebo de");
        row("ports with a port", Args({"--port", "COM1", "ports"}), true, "ports nepoužívá --port");
        row("ports with an argument", Args({"ports", "--all"}), true, "neznámá volba --all");
        row("factory-reset with an argument", Args({"factory-reset", "now"}), true, "přebytečný argument now");
        row("report without --pdf", Args({"report", "old.txt"}), true, "report potřebuje --pdf OUT");
        row("report, --pdf without OUT", Args({"report", "old.txt", "--pdf"}), true, "report potřebuje --pdf OUT");
        row("report, --pdf before an option", Args({"report", "old.txt", "--pdf", "--hx7s"}), true,
            "report potřebuje --pdf OUT");
        FileRefusalRows();
    }
    void refusedBeforeThePort()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, usage);
        QFETCH(QString, message);
        const auto parsed = ParseCtl(arguments);
        if (usage)
            QCOMPARE(std::get<UsageError>(parsed).message, message);
        else
            QVERIFY(std::holds_alternative<CtlRequest>(parsed));
        const Result r = Run(arguments);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, (usage ? QStringLiteral("hx7ctl: %1 (hx7ctl --help)") : QStringLiteral("%1")).arg(message) +
                            QLatin1Char('\n'));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(m_port.Opened, QStringList());
    }

    // What the options before the command, in any order, make of the request; --help and --version stand in the
    // command's place and end the parse. draws: the process needs a QGuiApplication.
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("fast");
        QTest::addColumn<bool>("trace");
        QTest::addColumn<bool>("draws");
        const auto row = [](const char *name, const QStringList &arguments, CtlRequest::Kind kind, const char *command,
                            const char *port, const char *language, bool fast, bool trace, bool draws) {
            QTest::newRow(name) << arguments << int(kind) << QString::fromLatin1(command) << QString::fromLatin1(port)
                                << QString::fromLatin1(language) << fast << trace << draws;
        };
        const auto command = CtlRequest::Command, help = CtlRequest::Help, version = CtlRequest::Version;
        row("any order", Args({"--trace", "--port", "COM2", "--lang", "en", "--fast", "info"}), command, "info", "COM2",
            "en", true, true, false);
        row("the last value counts", Args({"--port", "a", "--port", "b", "read", "f"}), command, "read", "b", "", false,
            false, false);
        row("a value like an option", Args({"--port", "--fast", "info"}), command, "info", "--fast", "", false, false,
            false);
        row("empty language: the program's", Args({"--lang", "", "info"}), command, "info", "", "", false, false,
            false);
        row("-h after options", Args({"--fast", "--lang", "de", "-h"}), help, "", "", "de", true, false, false);
        row("--help, the rest unread", Args({"--help", "erase", "--port"}), help, "", "", "", false, false, false);
        row("--version, the rest unread", Args({"--version", "--lang", "xx"}), version, "", "", "", false, false,
            false);
        row("report draws", Args({"--lang", "en", "report", "f", "--pdf", "o.pdf", "--hx7s"}), command, "report", "",
            "en", false, false, true);
        row("show does not", Args({"show", "f"}), command, "show", "", "", false, false, false);
        row("layout report draws", Args({"layout", "report", "L", "--pdf", "o.pdf"}), command, "layout report", "", "",
            false, false, true);
        row("layout list does not", Args({"--port", "COM1", "layout", "list", "L"}), command, "layout list", "COM1", "",
            false, false, false);
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        const auto parsed = ParseCtl(arguments);
        QVERIFY(std::holds_alternative<CtlRequest>(parsed));
        const CtlRequest &r = std::get<CtlRequest>(parsed);
        QTEST(int(r.kind), "kind");
        QTEST(r.command ? QString::fromLatin1(r.command->name) : QString(), "command");
        QTEST(r.port, "port");
        QTEST(r.language, "language");
        QTEST(r.fast, "fast");
        QTEST(r.trace, "trace");
        QTEST(CtlDraws(arguments), "draws");
    }

    // Each command's row declares exactly the options its forms show. Typed as its forms show it, with each
    // part in [...] alone, it parses; an option it does not declare is refused.
    void commandFlags_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(CtlCommands().size()); ++i)
            QTest::newRow(CtlCommands()[i].name) << i;
    }
    void commandFlags()
    {
        QFETCH(int, row);
        const CtlCommand &c = CtlCommands()[row];
        QStringList declared, shown;
        for (const CtlFlag &f : c.flags)
            if (f.name)
                declared << QString::fromLatin1(f.name) + (f.takesValue ? QStringLiteral(" VALUE") : QString());
        for (const QString &form : QString::fromLatin1(c.forms).split(QLatin1Char('\n'))) {
            static const QRegularExpression part(QStringLiteral("\\[([^]]*)\\]"));
            shown += FormFlags(form);
            const QStringList typed =
                QString::fromLatin1(c.name).split(QLatin1Char(' ')) + Typed(QString(form).remove(part));
            QVERIFY2(std::holds_alternative<CtlRequest>(ParseCtl(typed)), qPrintable(typed.join(' ')));
            for (const QRegularExpressionMatch &m : part.globalMatch(form)) {
                const QStringList withPart = typed + Typed(m.captured(1));
                QVERIFY2(std::holds_alternative<CtlRequest>(ParseCtl(withPart)), qPrintable(withPart.join(' ')));
            }
            QCOMPARE(std::get<UsageError>(ParseCtl(typed + Args({"--undeclared"}))).message,
                     QStringLiteral("neznámá volba --undeclared"));
        }
        shown.removeDuplicates();
        QCOMPARE(declared, shown);
        QCOMPARE(CtlDraws(QString::fromLatin1(c.name).split(QLatin1Char(' '))), false); // a usage error draws nothing
    }

    // --help's entries: the head at the left, its text in a column, a head too long for it above its text.
    void helpEntries_data()
    {
        QTest::addColumn<QString>("entry");
        const auto row = [](const char *name, const char *entry) { QTest::newRow(name) << QString::fromUtf8(entry); };
        row("usage", "Použití: hx7ctl [--port PORT] [--fast] [--trace] [--lang cs|en|de] PŘÍKAZ [ARGUMENTY]\n\nVolby:\n"
                     "  --port PORT               sériový port s modulem, viz PORT níže\n");
        row("option over lines",
            "\n  --trace                   vypisuje na stderr každý odeslaný rámec a přijatá data, "
            "jako Monitor\n                            komunikace (čas v ms");
        row("alias", "\n  --help, -h                vypíše použití a skončí\n  --version  ");
        row("long form", "\n  report FILE --pdf OUT [--hx7s]\n                            zapíše konfigurační list");
        row("a command of two words", "\n  layout new DIR [--name TEXT]\n"
                                      "                            založí ve složce DIR prázdné kolejiště\n");
        row("forms without text",
            "\n  test-output turnout N straight|diverging\n  test-output signal N ASPECT\n  identify DIR  ");
    }
    void helpEntries()
    {
        QFETCH(QString, entry);
        QVERIFY2(CtlHelp().contains(entry), qPrintable(CtlHelp()));
    }

    // The device a --port opens, and how the failure's first line names the port.
    void portOption_data()
    {
        QTest::addColumn<QString>("port"); // empty: no --port, the port saved in the settings
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("saved") << QString() << "/dev/hx7-three"
                               << "Chyba otevření  COM3  ";
        QTest::newRow("mapped") << "COM3"
                                << "/dev/hx7-three"
                                << "Chyba otevření  COM3  ";
        QTest::newRow("not mapped") << "COM4"
                                    << "/dev/ttyS3"
                                    << "Chyba otevření  COM4  ";
        QTest::newRow("lower case") << "com4"
                                    << "/dev/ttyS3"
                                    << "Chyba otevření  com4  ";
        QTest::newRow("zero") << "COM0" << QString() << "Chyba otevření  COM0  ";
        QTest::newRow("negative") << "COM-2" << QString() << "Chyba otevření  COM-2  ";
        QTest::newRow("device") << "/dev/ttyUSB7"
                                << "/dev/ttyUSB7"
                                << "Chyba otevření  /dev/ttyUSB7  ";
        QTest::newRow("not a number") << "COMx"
                                      << "COMx"
                                      << "Chyba otevření  COMx  ";
        // Only COM and digits name a port number; anything else is a device path, opened as it stands.
        QTest::newRow("sign before the number") << "COM+4"
                                                << "COM+4"
                                                << "Chyba otevření  COM+4  ";
        QTest::newRow("blank before the number") << "COM 4"
                                                 << "COM 4"
                                                 << "Chyba otevření  COM 4  ";
        QTest::newRow("blank after the number") << "COM4 "
                                                << "COM4 "
                                                << "Chyba otevření  COM4   ";
    }
    void portOption()
    {
        QFETCH(QString, port);
        QFETCH(QString, device);
        QFETCH(QString, firstLine);
        const Result r =
            Run((port.isEmpty() ? QStringList() : QStringList{QStringLiteral("--port"), port}) + Args({"info"}));
        QCOMPARE(r.code, 3);
        QCOMPARE(m_port.Opened, QStringList{device});
        QCOMPARE(r.err.section(QLatin1Char('\n'), 0, 0), firstLine);
    }

    // Every option and every form of the tables heads its entry, in the tables' order, with the page's text for
    // it.
    void manualPage()
    {
        const QString page = ManualTemplate();
        QString error;
        const QString written = ManualPage(page, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!written.contains(QLatin1String("\n.\\\" @")));
        qsizetype at = 0;
        for (const char *head : {"\\fB\\-\\-port\\fR \\fIPORT\\fR\nSériový port", "\\fB\\-\\-fast\\fR\nRychlý",
                                 "\\fB\\-\\-lang\\fR \\fBcs\\fR|\\fBen\\fR|\\fBde\\fR\nJazyk",
                                 "\\fB\\-\\-help\\fR, \\fB\\-h\\fR\nVypíše použití", "\\fB\\-\\-version\\fR\n",
                                 "\\fBports\\fR [\\fB\\-\\-probe\\fR]\nVypíše sériové porty", "\\fBinfo\\fR\n",
                                 "\\fBread\\fR \\fIFILE\\fR\n", "\\fBstore\\fR \\fIFILE\\fR [\\fB\\-\\-scope\\fR",
                                 "\\fBpolesig\\fR [\\fIOUT\\fR]\n", "\\fBtest\\-output\\fR \\fBturnout\\fR \\fIN\\fR",
                                 "\\fBtest\\-output\\fR \\fBsignal\\fR \\fIN\\fR \\fIASPECT\\fR\nRozsvítí",
                                 "\\fBidentify\\fR \\fIDIR\\fR\nZeptá se",
                                 "\\fBlayout\\fR \\fBnew\\fR \\fIDIR\\fR [\\fB\\-\\-name\\fR \\fITEXT\\fR]\n",
                                 "\\fBlayout\\fR \\fBreport\\fR \\fIDIR\\fR \\fB\\-\\-pdf\\fR \\fIOUT\\fR\nZapíše"}) {
            at = written.indexOf(QStringLiteral(".TP\n") + QString::fromUtf8(head), at);
            QVERIFY2(at > 0, head);
        }
        QVERIFY(written.endsWith(page.section(QStringLiteral(".SH NÁVRATOVÝ KÓD"), 1)));
    }

    // Each language's page has the same heads; an entry the page gives no text of its own has the --help text in
    // the page's language.
    void manualPageInLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("entry");
        const auto row = [](const char *name, const char *language, const char *entry) {
            QTest::newRow(name) << QString::fromLatin1(language) << QString::fromUtf8(entry);
        };
        row("cs --help", "cs", "\\fB\\-\\-help\\fR, \\fB\\-h\\fR\nVypíše použití a skončí.\n");
        row("cs layout report", "cs",
            "\\fBlayout\\fR \\fBreport\\fR \\fIDIR\\fR \\fB\\-\\-pdf\\fR \\fIOUT\\fR\nZapíše plán adres a "
            "konfigurační listy všech modulů do PDF.\n");
        row("en --port", "en", "\\fB\\-\\-port\\fR \\fIPORT\\fR\nThe serial port of the module:");
        row("en --help", "en", "\\fB\\-\\-help\\fR, \\fB\\-h\\fR\nPrints the usage and ends.\n");
        row("en layout report", "en",
            "\\fBlayout\\fR \\fBreport\\fR \\fIDIR\\fR \\fB\\-\\-pdf\\fR \\fIOUT\\fR\nWrites the address plan and "
            "every module's configuration sheet as PDF.\n");
        row("de --port", "de", "\\fB\\-\\-port\\fR \\fIPORT\\fR\nDer serielle Port des Moduls:");
        row("de --version", "de", "\\fB\\-\\-version\\fR\nGibt die Version aus und beendet sich.\n");
        row("de layout report", "de",
            "\\fBlayout\\fR \\fBreport\\fR \\fIDIR\\fR \\fB\\-\\-pdf\\fR \\fIOUT\\fR\nSchreibt den Adressplan und "
            "die Konfigurationsblätter aller Module als PDF.\n");
    }
    void manualPageInLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, entry);
        QTranslator translator;
        const bool czech = language == QLatin1String("cs");
        QVERIFY(czech || translator.load(QStringLiteral(":/i18n/hx7conf_%1.qm").arg(language)));
        QVERIFY(czech || QCoreApplication::installTranslator(&translator));
        QString error;
        const QString written = ManualPage(ManualTemplate(czech ? QString() : QLatin1Char('.') + language), &error);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!written.contains(QLatin1String("\n.\\\" @")));
        QVERIFY2(written.contains(QStringLiteral(".TP\n") + entry), qPrintable(entry));
    }

    // An option or a form without its text, or a text for none, stops the build; the error names it.
    void manualPageRefused_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("named");
        const auto row = [](const char *name, const char *from, const char *to, const char *named) {
            QTest::newRow(name) << QString::fromUtf8(from) << QString::fromUtf8(to) << QString::fromUtf8(named);
        };
        row("command without text", ".\\\" @info\n", "", "info");
        row("text for no command", ".\\\" @info\n", ".\\\" @erase\n", "erase");
        row("text left over", ".SH NÁVRATOVÝ KÓD", ".\\\" @info\nnavíc\n.SH NÁVRATOVÝ KÓD", "no command");
        row("option without text", ".\\\" @--trace\n", "", "--trace");
        row("form without text, here or in --help", "Přestaví výhybku\n.I N\n(1..4) do přímého nebo odbočného směru.\n",
            "", "test-output turnout N straight|diverging");
        row("last option without text", ".\\\" @--version\n", "", "--version");
    }
    void manualPageRefused()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, named);
        QString page = ManualTemplate();
        QVERIFY(page.contains(from));
        QString error;
        QVERIFY(ManualPage(page.replace(from, to), &error).isEmpty());
        QVERIFY2(error.contains(named), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestCtlParse)
#include "test_ctlparse.moc"
