// SPDX-License-Identifier: GPL-3.0-or-later
// hx7ctl's layout commands on real folders: what each prints and its exit code for a clean layout and for one
// built with each kind of problem, and bad input refused with one line and exit 2, the folder as it was.
#include "ctlcommands.h"
#include "fakes.h"
#include "layoutcsv.h"
#include "routecodec.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;
using namespace hx7test;

namespace {

using Steps = QList<QStringList>;

QStringList Args(std::initializer_list<const char *> args)
{
    QStringList out;
    for (const char *a : args)
        out << QString::fromUtf8(a);
    return out;
}

// A module with address code b; with routes, route 1 names turnout 500 and route 2 the follow-on signal 17.
void WriteModule(const QString &path, int addressCode, bool routes = false)
{
    ImageBytes image{};
    InitConfigImage(image);
    image[AddressCodeByte] = std::uint8_t(addressCode);
    if (routes) {
        RouteTable table;
        DecodeRoutes(image.data(), table);
        table[0].TurnoutNumber[0] = 500;
        table[1].TurnoutNumber[0] = 9;
        table[1].SpeedCode = 10;
        EncodeRoutes(table, image.data());
    }
    QVERIFY(SaveConfigText(path, image, nullptr));
}

void WriteText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// Every file under folder with its content: what a refused command must leave as it was.
QMap<QString, QByteArray> Snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile f(it.next());
        files.insert(f.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return files;
}

const QStringList New = Args({"layout", "new", "L", "--name", "Lhota"});

void Row(const char *name, const Steps &steps, int code, const char *out, const char *err = "")
{
    QTest::newRow(name) << steps << code << QString::fromUtf8(out) << QString::fromUtf8(err);
}

// Each kind of problem in a layout built for it; and the clean one, in which the check finds nothing.
void CheckRows()
{
    const QStringList check = Args({"layout", "check", "L"});
    const QStringList addA = Args({"layout", "add", "L", "a1.txt", "--name", "A", "--type", "S"});
    Row("clean", {New, addA, Args({"layout", "add", "L", "a2.txt", "--name", "B"}), check}, 0, "");
    Row("overlap", {New, addA, Args({"layout", "other", "L", "3", "6", "--name", "Točna"}), check}, 1,
        "overlap\ta,other:Točna\t\t3-4\t\n");
    Row("route numbers nothing serves", {New, Args({"layout", "add", "L", "routes.txt", "--name", "R"}), check}, 1,
        "route-turnout\tr\t1\t500\tturnout 1\nroute-signal\tr\t2\t17\tsignal\n");
    Row("address", {New, Args({"layout", "add", "L", "a0.txt", "--name", "Z"}), check}, 1,
        "address\tz\t\t\taddress code 0\n");
    Row("missing file", {New, addA, Args({"@remove", "L/modules/a.txt"}), check}, 1,
        "missing-file\ta\t\t\tmodules/a.txt\n");
    Row("bad file", {New, addA, Args({"@write", "L/modules/a.txt", "junk"}), check}, 1,
        "bad-file\ta\t\t\tNeznámý format dat !L/modules/a.txt\n");
    Row("type", {New, addA, Args({"@said", "a", "V"}), check}, 1, "type\ta\t\t\texpected S, module said V\n");
    Row("duplicate id",
        {New, addA, Args({"@write", "L/modules/a.entry", "<<<<<<< ours\nname: A\n=======\nname: A2\n>>>>>>> theirs\n"}),
         check},
        1, "duplicate-id\ta\t\t\tmodules/a.entry\n");
}

// Bad input: one line, exit 2, nothing changed.
void RefusalRows()
{
    const QStringList addA = Args({"layout", "add", "L", "a1.txt", "--name", "A"});
    Row("not a layout", {Args({"layout", "list", "nothing"})}, 2, "",
        "Složka nothing není kolejiště (chybí v ní layout.txt).\n");
    Row("check of no layout", {Args({"layout", "check", "nothing"})}, 2, "",
        "Složka nothing není kolejiště (chybí v ní layout.txt).\n");
    Row("new over a layout", {New, New}, 2, "", "Složka L už kolejiště obsahuje.\n");
    // Named after its folder, whose name the layout's file cannot hold: refused before anything is made.
    Row("new, a comma in the folder's name", {Args({"layout", "new", "Klub, Praha"})}, 2, "",
        "Text „Klub, Praha“ nesmí obsahovat tabulátor, konec řádku ani čárku.\n");
    Row("add, not a configuration", {New, Args({"layout", "add", "L", "text.txt", "--name", "X"})}, 2, "",
        "Neznámý format dat !text.txt\n");
    Row("add, no such file", {New, Args({"layout", "add", "L", "none.txt", "--name", "X"})}, 2, "",
        "Chyba otevreni souboru  datnone.txt\n");
    Row("add without a name", {New, Args({"layout", "add", "L", "a1.txt"})}, 2, "",
        "hx7ctl: layout add potřebuje --name TEXT (hx7ctl --help)\n");
    Row("comma in a name", {New, Args({"layout", "add", "L", "a1.txt", "--name", "Lhota, sever"})}, 2, "",
        "hx7ctl: Text „Lhota, sever“ nesmí obsahovat tabulátor, konec řádku ani čárku. (hx7ctl --help)\n");
    Row("tab in a place", {New, addA, Args({"layout", "set", "L", "a", "--place", "a\tb"})}, 2, "",
        "hx7ctl: Text „a b“ nesmí obsahovat tabulátor, konec řádku ani čárku. (hx7ctl --help)\n");
    Row("line feed in a group", {New, addA, Args({"layout", "set", "L", "a", "--group", "a\nb"})}, 2, "",
        "hx7ctl: Text „a b“ nesmí obsahovat tabulátor, konec řádku ani čárku. (hx7ctl --help)\n");
    Row("unknown type", {New, Args({"layout", "add", "L", "a1.txt", "--name", "X", "--type", "H"})}, 2, "",
        "hx7ctl: --type je D, V nebo S (hx7ctl --help)\n");
    Row("set of an unknown id", {New, addA, Args({"layout", "set", "L", "b", "--name", "B"})}, 2, "",
        "Kolejiště nemá modul „b“.\n");
    Row("planned and built", {New, addA, Args({"layout", "set", "L", "a", "--planned", "--built"})}, 2, "",
        "hx7ctl: --planned a --built nelze zadat zároveň (hx7ctl --help)\n");
    Row("remove of an unknown id", {New, addA, Args({"layout", "remove", "L", "b"})}, 2, "",
        "Kolejiště nemá modul „b“.\n");
    Row("first after last", {New, Args({"layout", "other", "L", "9", "5", "--name", "X"})}, 2, "",
        "hx7ctl: FIRST 9 je větší než LAST 5 (hx7ctl --help)\n");
    Row("first 0", {New, Args({"layout", "other", "L", "0", "5", "--name", "X"})}, 2, "",
        "hx7ctl: FIRST musí být číslo 1..2044: 0 (hx7ctl --help)\n");
    Row("last 2045", {New, Args({"layout", "other", "L", "1", "2045", "--name", "X"})}, 2, "",
        "hx7ctl: LAST musí být číslo 1..2044: 2045 (hx7ctl --help)\n");
    Row("other of a name taken",
        {New, Args({"layout", "other", "L", "1", "4", "--name", "Točna"}),
         Args({"layout", "other", "L", "9", "12", "--name", "točna"})},
        2, "", "Jiný dekodér „Točna“ už na kolejišti je.\n");
    Row("unknown layout command", {Args({"layout", "move", "L"})}, 2, "",
        "hx7ctl: neznámý příkaz layout move (hx7ctl --help)\n");
}

} // namespace

class TestLayoutCtl : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_state;
    FakeSerialPort m_port;

    int Run(const QStringList &arguments, QString &out, QString &err)
    {
        QTextStream o(&out), e(&err);
        CtlIo io{.out = o, .err = e};
        io.settingsPath = QStringLiteral("hx7conf.ini");
        io.layoutStateFolder = m_state.path();
        io.port = &m_port;
        const int code = RunCtl(arguments, io);
        o.flush();
        e.flush();
        return code;
    }
    // A step of a row's setup: an hx7ctl command, or a change to the files behind its back.
    void Step(const QStringList &step)
    {
        if (step[0] == QLatin1String("@remove")) {
            QVERIFY(QFile::remove(step[1]));
        } else if (step[0] == QLatin1String("@write")) {
            WriteText(step[1], step[2].toUtf8());
        } else if (step[0] == QLatin1String("@verified")) {
            QVERIFY(LayoutState(QStringLiteral("L"), m_state.path())
                        .Verified(step[1], step[2].toInt(), nullptr, QDateTime({2026, 12, 10}, {15, 12})));
        } else if (step[0] == QLatin1String("@said")) {
            QVERIFY(LayoutState(QStringLiteral("L"), m_state.path())
                        .Identified(step[1], ModuleIdentity(step[2][0].toLatin1(), 0x14)));
        } else {
            QString out, err;
            QCOMPARE(Run(step, out, err), 0);
            QCOMPARE(err, QString());
        }
    }

private Q_SLOTS:
    void init()
    {
        // Each row in a folder of its own, with the module files its steps add.
        const QString row = m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(QDir().mkpath(row));
        QVERIFY(QDir::setCurrent(row));
        WriteModule(QStringLiteral("a0.txt"), 0);
        WriteModule(QStringLiteral("a1.txt"), 1);
        WriteModule(QStringLiteral("a2.txt"), 2);
        WriteModule(QStringLiteral("routes.txt"), 3, true);
        WriteText(QStringLiteral("text.txt"), "no configuration\n");
    }

    // steps: all but the last succeed silently; the last prints out and err and exits with code. A refused one
    // (code 2) leaves every file of the layout as it was.
    void commands_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QStringList list = Args({"layout", "list", "L"});
        Row("new, empty", {New, list}, 0, "");
        Row("add prints the id",
            {New, Args({"layout", "add", "L", "a1.txt", "--name", "Vjezd Lhota", "--place", "Zhlaví sudá", "--group",
                        "Lhota", "--type", "S"})},
            0, "vjezd-lhota\n");
        Row("add of a name taken",
            {New, Args({"layout", "add", "L", "a1.txt", "--name", "Vjezd Lhota"}),
             Args({"layout", "add", "L", "a2.txt", "--name", "vjezd lhota"})},
            0, "vjezd-lhota-2\n");
        Row("add beside a file no entry describes",
            {New, Args({"@write", "L/modules/a.txt", "kept"}), Args({"layout", "add", "L", "a1.txt", "--name", "A"})},
            0, "a-2\n");
        Row("list",
            {New,
             Args({"layout", "add", "L", "a1.txt", "--name", "Vjezd Lhota", "--place", "Zhlaví sudá", "--group",
                   "Lhota", "--type", "S"}),
             Args({"layout", "add", "L", "a2.txt", "--name", "Odjezd", "--planned"}),
             Args({"layout", "add", "L", "a0.txt", "--name", "Nula"}), list},
            0,
            "nula\tNula\t\t\t\t0\t\tmodules/nula.txt\tok\t\n"
            "odjezd\tOdjezd\t\t\t\t2\t5-8\tmodules/odjezd.txt\tplanned\t\n"
            "vjezd-lhota\tVjezd Lhota\tZhlaví sudá\tLhota\tS\t1\t1-4\tmodules/vjezd-lhota.txt\tok\t\n");
        Row("set keeps what it is not given",
            {New, Args({"layout", "add", "L", "a1.txt", "--name", "A", "--group", "G", "--planned"}),
             Args({"layout", "set", "L", "a", "--name", "Áčko", "--place", "P", "--type", "V", "--built"}), list},
            0, "a\tÁčko\tP\tG\tV\t1\t1-4\tmodules/a.txt\tok\t\n");
        Row("list of broken files",
            {New, Args({"layout", "add", "L", "a1.txt", "--name", "A"}),
             Args({"layout", "add", "L", "a2.txt", "--name", "B"}), Args({"@remove", "L/modules/a.txt"}),
             Args({"@write", "L/modules/b.txt", "junk"}), list},
            0, "a\tA\t\t\t\t\t\tmodules/a.txt\tmissing-file\t\nb\tB\t\t\t\t\t\tmodules/b.txt\tbad-file\t\n");
        // The last field: when and with what result; Czech has three plural forms.
        Row("list, last verified",
            {New, Args({"layout", "add", "L", "a0.txt", "--name", "A"}),
             Args({"layout", "add", "L", "a1.txt", "--name", "B"}),
             Args({"layout", "add", "L", "a2.txt", "--name", "C"}),
             Args({"layout", "add", "L", "routes.txt", "--name", "D"}), Args({"@verified", "a", "0"}),
             Args({"@verified", "b", "1"}), Args({"@verified", "c", "3"}), Args({"@verified", "d", "5"}), list},
            0,
            "a\tA\t\t\t\t0\t\tmodules/a.txt\tok\t2026-12-10 15:12 v souladu\n"
            "b\tB\t\t\t\t1\t1-4\tmodules/b.txt\tok\t2026-12-10 15:12 liší se: 1 bajt\n"
            "c\tC\t\t\t\t2\t5-8\tmodules/c.txt\tok\t2026-12-10 15:12 liší se: 3 bajty\n"
            "d\tD\t\t\t\t3\t9-12\tmodules/d.txt\tok\t2026-12-10 15:12 liší se: 5 bajtů\n");
        Row("remove",
            {New, Args({"layout", "add", "L", "a1.txt", "--name", "A"}), Args({"layout", "remove", "L", "a"}), list}, 0,
            "");
        const Steps planned = {New, Args({"layout", "add", "L", "routes.txt", "--name", "Vjezd sever"}),
                               Args({"layout", "other", "L", "17", "18", "--name", "Točna"})};
        Row("plan", planned + Steps{Args({"layout", "plan", "L"})}, 0,
            "9\tvjezd-sever\tvjezd-sever:route 2 turnout 1\n10\tvjezd-sever\t\n11\tvjezd-sever\t\n"
            "12\tvjezd-sever\t\n17\tother:Točna\tvjezd-sever:route 2 signal\n18\tother:Točna\t\n"
            "500\t\tvjezd-sever:route 1 turnout 1\n");
        Row("plan as csv", planned + Steps{Args({"layout", "plan", "L", "--csv"})}, 0,
            "Číslo povelu,Obsluhuje,Odkazuje na ně\r\n9,Vjezd sever,\"Vjezd sever, cesta 2, výhybka 1\"\r\n"
            "10,Vjezd sever,\r\n11,Vjezd sever,\r\n12,Vjezd sever,\r\n"
            "17,Točna,\"Vjezd sever, cesta 2, navazující návěst\"\r\n18,Točna,\r\n"
            "500,,\"Vjezd sever, cesta 1, výhybka 1\"\r\n");
        CheckRows();
        RefusalRows();
    }
    void commands()
    {
        QFETCH(Steps, steps);
        for (qsizetype i = 0; i + 1 < steps.size(); ++i)
            Step(steps[i]);
        const QMap<QString, QByteArray> before = Snapshot(QStringLiteral("L"));
        QString out, err;
        QTEST(Run(steps.last(), out, err), "code");
        QTEST(out, "out");
        QTEST(err, "err");
        if (QTest::currentDataTag() == QLatin1String("remove"))
            QCOMPARE(QDir(QStringLiteral("L/trash")).entryList(QDir::Files).size(), 2);
        QFETCH(int, code);
        if (code == ExitUsage)
            QCOMPARE(Snapshot(QStringLiteral("L")), before);
    }

    // The roster for a spreadsheet: translated header words, then the fields layout list prints.
    void rosterCsv()
    {
        Step(New);
        Step(Args({"layout", "add", "L", "a1.txt", "--name", "Vjezd \"Lhota\"", "--place", "=sever", "--type", "S"}));
        const std::optional<Layout> layout = OpenLayout(QStringLiteral("L"), nullptr);
        QVERIFY(layout);
        QCOMPARE(RosterCsv(*layout, LayoutState(QStringLiteral("L"), m_state.path()), CsvStyle::Excel),
                 QByteArray("\xEF\xBB\xBFId;Název;Místo;Skupina;Typ;Adresa dekodéru;Čísla povelů;Soubor;Stav;"
                            "Naposledy porovnán\r\nvjezd-lhota;\"Vjezd \"\"Lhota\"\"\";'=sever;;S;1;'1-4;"
                            "modules/vjezd-lhota.txt;ok;\r\n"));
    }

    // The quoting of both styles; the Excel one with its byte-order mark and a formula kept as text.
    void csv_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QByteArray>("rfc");
        QTest::addColumn<QByteArray>("excel");
        QTest::newRow("plain") << Args({"1", "Vjezd"}) << QByteArray("1,Vjezd\r\n") << QByteArray("1;Vjezd\r\n");
        QTest::newRow("comma") << Args({"a,b", "c;d"}) << QByteArray("\"a,b\",c;d\r\n")
                               << QByteArray("a,b;\"c;d\"\r\n");
        QTest::newRow("quotes") << Args({"say \"hi\""}) << QByteArray("\"say \"\"hi\"\"\"\r\n")
                                << QByteArray("\"say \"\"hi\"\"\"\r\n");
        QTest::newRow("line breaks") << Args({"a\nb", "c\r\nd"}) << QByteArray("\"a\nb\",\"c\r\nd\"\r\n")
                                     << QByteArray("\"a\nb\";\"c\r\nd\"\r\n");
        QTest::newRow("formula") << Args({"=1+1", "@x"}) << QByteArray("=1+1,@x\r\n") << QByteArray("'=1+1;'@x\r\n");
        QTest::newRow("a range, not a date")
            << Args({"1-4", "13-16 x"}) << QByteArray("1-4,13-16 x\r\n") << QByteArray("'1-4;13-16 x\r\n");
        QTest::newRow("empty and accents")
            << Args({"", "Zhlaví"}) << QByteArray(",Zhlaví\r\n") << QByteArray(";Zhlaví\r\n");
    }
    void csv()
    {
        QFETCH(QStringList, row);
        QTEST(CsvText({row}, CsvStyle::Rfc4180), "rfc");
        QFETCH(QByteArray, excel);
        QCOMPARE(CsvText({row}, CsvStyle::Excel), QByteArray("\xEF\xBB\xBF") + excel);
    }
};

QTEST_GUILESS_MAIN(TestLayoutCtl)
#include "test_layoutctl.moc"
