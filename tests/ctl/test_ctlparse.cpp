// SPDX-License-Identifier: GPL-3.0-or-later
// hx7ctl without a module: what its parse step and its file checks refuse before any port is opened, which
// device a --port opens, and the man page written from the command table.
#include "ctlcommands.h"
#include "ctltable.h"
#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        const auto row = [](const char *name, QStringList arguments, bool usage, const char *message) {
            QTest::newRow(name) << arguments << usage << QString::fromUtf8(message);
        };
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
        row("language without value", Args({"--fast", "--lang"}), true, "--lang potřebuje cs nebo en");
        row("unknown language", Args({"--lang", "xx", "info"}), true, "--lang je cs nebo en");
        row("ports with a port", Args({"--port", "COM1", "ports"}), true, "ports nepoužívá --port");
        row("ports with an argument", Args({"ports", "--all"}), true, "neznámá volba --all");
        row("factory-reset with an argument", Args({"factory-reset", "now"}), true, "přebytečný argument now");
        row("missing file", Args({"show", "/no/such/file.txt"}), false, "Chyba otevreni souboru  dat/no/such/file.txt");
        row("report without --pdf", Args({"report", "old.txt"}), true, "report potřebuje --pdf OUT");
        row("report, --pdf without OUT", Args({"report", "old.txt", "--pdf"}), true, "report potřebuje --pdf OUT");
        row("report, --pdf before an option", Args({"report", "old.txt", "--pdf", "--hx7s"}), true,
            "report potřebuje --pdf OUT");
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

    // Every form of the table heads its entry, in the table's order, with the page's text for it; a form
    // without its text, or a text for no command, stops the build.
    void manualPage()
    {
        QFile in(QStringLiteral(HX7_SOURCE_DIR "/packaging/hx7ctl.1.in"));
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(in.readAll());
        QString error;
        const QString written = ManualPage(page, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!written.contains(QLatin1String("\n.\\\" @")));
        qsizetype at = 0;
        for (const char *head : {"\\fBports\\fR [\\fB\\-\\-probe\\fR]\nVypíše sériové porty", "\\fBinfo\\fR\n",
                                 "\\fBread\\fR \\fIFILE\\fR\n", "\\fBstore\\fR \\fIFILE\\fR [\\fB\\-\\-scope\\fR",
                                 "\\fBpolesig\\fR [\\fIOUT\\fR]\n", "\\fBtest\\-output\\fR \\fBturnout\\fR \\fIN\\fR",
                                 "\\fBtest\\-output\\fR \\fBsignal\\fR \\fIN\\fR \\fIASPECT\\fR\nRozsvítí"}) {
            at = written.indexOf(QStringLiteral(".TP\n") + QString::fromUtf8(head), at);
            QVERIFY2(at > 0, head);
        }
        QVERIFY(written.endsWith(page.section(QStringLiteral(".SH NÁVRATOVÝ KÓD"), 1)));

        const qsizetype info = page.indexOf(QLatin1String(".\\\" @info\n"));
        QString withoutInfo = page;
        withoutInfo.remove(info, page.indexOf(QLatin1String(".\\\" @read"), info) - info);
        QVERIFY(ManualPage(withoutInfo, &error).isEmpty());
        QVERIFY2(error.contains(QLatin1String("info")), qPrintable(error));
        QString stale = page;
        stale.replace(QLatin1String(".\\\" @info\n"), QLatin1String(".\\\" @erase\n"));
        QVERIFY(ManualPage(stale, &error).isEmpty());
        QVERIFY2(error.contains(QLatin1String("erase")), qPrintable(error));
        QString leftOver = page;
        leftOver.replace(QStringLiteral(".SH NÁVRATOVÝ KÓD"), QStringLiteral(".\\\" @info\nnavíc\n.SH NÁVRATOVÝ KÓD"));
        QVERIFY(ManualPage(leftOver, &error).isEmpty());
        QVERIFY2(error.contains(QLatin1String("no command")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestCtlParse)
#include "test_ctlparse.moc"
