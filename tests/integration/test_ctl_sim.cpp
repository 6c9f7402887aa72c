// SPDX-License-Identifier: GPL-3.0-or-later
// hx7ctl against the simulator: every command and exit code. Most run in-process with ticks paced by
// the replies; a few run the real executable with its 100 ms timer.
#include "ctlcommands.h"
#include "layoutstate.h"
#include "simrig.h"
#include "transferwords.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

using namespace hx7;
using namespace hx7test;

namespace {

// Ticks without the 100 ms pause: each waiting tick lasts only until the reply is there.
class FastTicker : public Ticker
{
public:
    explicit FastTicker(SerialPort &port) : m_port(port) {}
    int RunUntilIdle(SerialLink &link, TransferController &controller) override
    {
        int ticks = 0;
        while (!controller.IsIdle() && ticks < 5000) {
            if (BeforeTick)
                BeforeTick(controller);
            PacedTick(m_port, link, controller);
            ++ticks;
        }
        return ticks;
    }
    std::function<void(const TransferController &)> BeforeTick;

private:
    SerialPort &m_port;
};

struct Result {
    int code;
    QString out;
    QString err;
};

// When a test's stop signal goes into the pipe: before the tick at which stopWhen holds, or before the
// command when it is empty.
struct StopSignal {
    int number = 0; // none
    std::function<bool(const TransferController &)> stopWhen{};
};

struct Ctl {
    explicit Ctl(QStringList simArguments = {}) : sim(simArguments) {}
    Result Run(const QStringList &arguments, const StopSignal &stop = {})
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QtSerialPort port;
        FastTicker ticker(port);
        CtlIo io{.out = outStream, .err = errStream};
        io.settingsPath = dir.filePath(QStringLiteral("hx7conf.ini"));
        io.backupFolder = Backups();
        io.layoutStateFolder = dir.filePath(QStringLiteral("layouts"));
        io.port = &port;
        io.ticker = &ticker;
        int pipe[2] = {-1, -1};
        const unsigned char number = static_cast<unsigned char>(stop.number);
        if (number != 0 && socketpair(AF_UNIX, SOCK_STREAM, 0, pipe) == 0) {
            io.stopSignals = pipe[0];
            if (!stop.stopWhen)
                (void)!write(pipe[1], &number, 1);
            ticker.BeforeTick = [&, sent = false](const TransferController &c) mutable {
                if (!sent && stop.stopWhen && stop.stopWhen(c))
                    sent = write(pipe[1], &number, 1) == 1;
            };
        }
        const int code = RunCtl(QStringList{QStringLiteral("--port"), sim.Device} + arguments, io);
        for (const int end : pipe)
            if (end >= 0)
                close(end);
        outStream.flush();
        errStream.flush();
        return {code, out, err};
    }
    QString File(const char *name) const { return dir.filePath(QLatin1String(name)); }
    // A layout "L" of modules with the address codes given, each "NAME:CODE" or "NAME:CODE:TYPE"; made by hx7ctl.
    QString Layout(const QStringList &modules)
    {
        const QString folder = File("L");
        [&] { QCOMPARE(Run({QStringLiteral("layout"), QStringLiteral("new"), folder}).code, 0); }();
        for (const QString &m : modules) {
            ImageBytes image{};
            InitConfigImage(image);
            image[AddressCodeByte] = std::uint8_t(m.section(QLatin1Char(':'), 1, 1).toInt());
            const QString file = dir.filePath(m.section(QLatin1Char(':'), 0, 0) + QStringLiteral(".txt"));
            SaveConfigText(file, image, nullptr);
            QStringList add{
                QStringLiteral("layout"),         QStringLiteral("add"), folder, file, QStringLiteral("--name"),
                m.section(QLatin1Char(':'), 0, 0)};
            if (!m.section(QLatin1Char(':'), 2).isEmpty())
                add << QStringLiteral("--type") << m.section(QLatin1Char(':'), 2);
            [&] { QCOMPARE(Run(add).code, 0); }();
        }
        return folder;
    }
    QString Backups() const { return dir.filePath(QStringLiteral("backups")); }

    QTemporaryDir dir;
    SimProcess sim;
};

void ChangeByte(const QString &path, int address, int value)
{
    ImageBytes image{};
    QCOMPARE(LoadConfigText(path, image).status, LoadOutcome::Loaded);
    image[address] = static_cast<std::uint8_t>(value);
    QVERIFY(SaveConfigText(path, image, nullptr));
}

// A configuration file with the header and only the records of the given addresses, in the older
// program's format (which saved bytes 0..191).
void WriteRecords(const QString &path, const ImageBytes &image, const QList<std::pair<int, int>> &spans)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("N1.0\r\nD0000:00C0\r\n*\r\n");
    for (const auto &[first, last] : spans)
        for (int i = first; i <= last; ++i)
            f.write(HexDigits(i, 4).toLatin1() + ':' + HexDigits(image[i], 2).toLatin1() + "\r\n");
}

// Args for texts with Czech letters.
QStringList Texts(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << QString::fromUtf8(t);
    return out;
}

// Runs the real hx7ctl with its settings and backups in settingsFolder. started: called once it runs (to
// signal it, say).
Result RunBinary(const QStringList &arguments, const QString &settingsFolder,
                 const std::function<void(QProcess &)> &started = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsFolder);
    // Backups are kept in the test's folder, never among the user's.
    env.insert(QStringLiteral("XDG_DATA_HOME"), settingsFolder);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(settingsFolder);
    p.start(QStringLiteral(HX7CTL_PATH), arguments);
    p.closeWriteChannel();
    if (started && p.waitForStarted(5000))
        started(p);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The bytes the module acknowledged as the stop says, {first, count}; {0, 0} when it names none.
std::pair<int, int> AcknowledgedOf(const QString &err)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QString::fromUtf8("Modul potvrdil zápis (\\d+) z \\d+ bajtů \\((\\d+)\\.\\.\\d+\\)\\."))
            .match(err);
    return m.hasMatch() ? std::pair{m.captured(2).toInt(), m.captured(1).toInt()} : std::pair{0, 0};
}

} // namespace

class TestCtlSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readThenVerify()
    {
        Ctl ctl;
        const QString file = ctl.File("backup.txt");
        Result r = ctl.Run({QStringLiteral("read"), file});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.isEmpty());
        r = ctl.Run({QStringLiteral("verify"), file});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("Data v modulu jsou shodná\n"));

        ChangeByte(file, 0x21, 0x80);
        ChangeByte(file, 0x23, 0x80);
        r = ctl.Run({QStringLiteral("verify"), file});
        QCOMPARE(r.code, 1);
        // The start of the line is for scripts; what the differing bits hold follows after two blanks, with
        // the value in the file and in the module where the bits hold a setting.
        QCOMPARE(r.out, QStringLiteral("Data v modulu jsou rozdílná !\n"
                                       "0021: file 80 module 00  Cesta 1: číslo výhybky 1 (vyšší bity), opakovací "
                                       "znak: opakovací znak zapnuto / vypnuto\n"
                                       "0023: file 80 module 00  Cesta 1: číslo výhybky 2 (vyšší bity): nevyužito "
                                       "(bit 7)\n"));
    }

    void storeThenReadBack()
    {
        Ctl ctl;
        const QString file = ctl.File("config.txt");
        QCOMPARE(ctl.Run({QStringLiteral("read"), file}).code, 0);
        ChangeByte(file, 200, 0x5C);
        ChangeByte(file, 5, 0x13);
        QCOMPARE(ctl.Run({QStringLiteral("store"), file}).code, 0);
        const Result verified = ctl.Run({QStringLiteral("verify"), file});
        QCOMPARE(verified.out, QStringLiteral("Data v modulu jsou shodná\n"));
        ChangeByte(file, 200, 0x11);
        // Route 18 holds bytes 199..205.
        QCOMPARE(ctl.Run(Args({"store", "--scope", "route", "18"}) << file).code, 0);
        QCOMPARE(ctl.Run({QStringLiteral("verify"), file}).code, 0);
    }

    // store and factory-reset back the module up first; store --verify reads the stored range back.
    void backupsAndVerifyAfterStore()
    {
        Ctl ctl(Args({"--stuck", "5", "--log"}));
        const QString file = ctl.File("config.txt");
        QCOMPARE(ctl.Run({QStringLiteral("read"), file}).code, 0);
        ImageBytes before{};
        QCOMPARE(LoadConfigText(file, before).status, LoadOutcome::Loaded);
        const QRegularExpression named(QStringLiteral("Záloha modulu( \\(beze změny\\))?: (.+)\n"));
        const auto backupOf = [&](const Result &r) {
            const QRegularExpressionMatch m = named.match(r.err);
            return m.hasMatch() ? std::pair{m.captured(2), m.captured(1).isEmpty()} : std::pair{QString(), false};
        };

        ChangeByte(file, 200, 0x5C);
        Result r = ctl.Run({QStringLiteral("store"), file});
        QCOMPARE(r.code, 0);
        const auto [first, firstWritten] = backupOf(r);
        QVERIFY2(firstWritten && first.startsWith(ctl.Backups()), qPrintable(r.err));
        ImageBytes backup{};
        QCOMPARE(LoadConfigText(first, backup).status, LoadOutcome::Loaded);
        QVERIFY(std::equal(before.begin(), before.begin() + 249, backup.begin())); // the module before the store

        // The module changed by the store is backed up anew; unchanged, it is not written again.
        const auto [second, secondWritten] = backupOf(ctl.Run({QStringLiteral("store"), file}));
        QVERIFY(secondWritten && second != first);
        const auto [third, thirdWritten] = backupOf(ctl.Run(Args({"store", "--scope", "route", "18"}) << file));
        QVERIFY(!thirdWritten && third == second);

        r = ctl.Run({QStringLiteral("backups")});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QStringList cells = lines[0].split(QLatin1Char('\t'));
        QCOMPARE(cells.size(), 5);
        QCOMPARE(cells[0], second);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(cells[1])
                    .hasMatch());
        QCOMPARE(cells.mid(2), Texts({"-", "1", "uložení konfigurace a všech cest"}));
        QCOMPARE(lines[1].section(QLatin1Char('\t'), 0, 0), first);
        QCOMPARE(ctl.Run(Args({"backups", "--address", "1"})).out, r.out);
        QVERIFY(ctl.Run(Args({"backups", "--address", "9"})).out.isEmpty());

        // Byte 5 is stuck: the verify names it, and the module is not restarted on it.
        ChangeByte(file, 5, 0x13);
        r = ctl.Run(Args({"store", "--verify", "--reset", "--no-backup", "--scope", "config"}) << file);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.out.startsWith(QStringLiteral("0005: file 13 module ")) && r.out.count(QLatin1Char('\n')) == 1,
                 qPrintable(r.out));
        QVERIFY(r.err.contains(OutcomeSourceText(TransferOutcome::StoredDifferent)));
        QVERIFY(backupOf(r).first.isEmpty());
        QTest::qWait(50);
        QVERIFY(!ctl.sim.Log().contains("40 58 52 30 30 30 2A"));
        ChangeByte(file, 5, before[5]);
        QCOMPARE(ctl.Run(Args({"store", "--verify", "--reset", "--scope", "config"}) << file).code, 0);
        QTest::qWait(50);
        QCOMPARE(ctl.sim.Log().count("40 58 52 30 30 30 2A"), 1);

        // A factory reset is backed up first, the backup before the reset frame.
        // A factory reset is backed up first (unchanged since the last backup: that one is named), and the module
        // it reset is backed up as what a second reset overwrote.
        r = ctl.Run(Args({"factory-reset", "--yes"}));
        QCOMPARE(r.code, 0);
        QCOMPARE(backupOf(r), (std::pair{second, false}));
        QVERIFY(backupOf(ctl.Run(Args({"factory-reset", "--yes"}))).second);
        QVERIFY(ctl.Run({QStringLiteral("backups")})
                    .out.split(QLatin1Char('\n'))
                    .first()
                    .endsWith(QStringLiteral("reset do počátečního nastavení")));
    }

    // A backup that cannot be read or written stops the store before anything is written, unless --no-backup.
    void failedBackupRefuses_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<bool>("folderBlocked"); // a file where the backup folder would be made
        QTest::addColumn<QString>("why");
        QTest::newRow("backup read fails")
            << Args({"--silent", "100", "--log"}) << false << QStringLiteral("modul neodpovídá");
        QTest::newRow("backup folder cannot be made") << Args({"--log"}) << true << QStringLiteral("nelze vytvořit");
    }
    void failedBackupRefuses()
    {
        QFETCH(QStringList, simArguments);
        QFETCH(bool, folderBlocked);
        QFETCH(QString, why);
        Ctl ctl(simArguments);
        if (folderBlocked) {
            QFile blocker(ctl.Backups());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const QString file = ctl.File("config.txt");
        ImageBytes image{};
        InitConfigImage(image);
        QVERIFY(SaveConfigText(file, image, nullptr));
        for (const char *command : {"store", "factory-reset"}) {
            const Result r = ctl.Run(Args({command, "--yes"})
                                     << (command == QLatin1String("store") ? QStringList{file} : QStringList{}));
            QCOMPARE(r.code, 3);
            QVERIFY2(r.err.contains(why) && r.err.contains(QStringLiteral("--no-backup")), qPrintable(r.err));
        }
        QTest::qWait(50);
        QVERIFY(!ctl.sim.Log().contains("40 57"));
        QVERIFY(!ctl.sim.Log().contains("40 58"));
        QVERIFY(!QFileInfo(ctl.Backups()).isDir() || QDir(ctl.Backups()).isEmpty());
        QCOMPARE(ctl.Run(Args({"store", "--no-backup", "--scope", "config"}) << file).code, 0);
    }

    void fileWithoutRoutes17To24()
    {
        QTemporaryDir dir;
        ImageBytes module;
        const QString full = WriteModuleFile(dir, module);
        Ctl ctl(QStringList{QStringLiteral("--memory"), full, QStringLiteral("--log")});
        const QString old = ctl.File("old.txt");
        WriteRecords(old, module, {{0, 191}});

        Result r = ctl.Run({QStringLiteral("verify"), old});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("Data v modulu jsou shodná\n"));
        QVERIFY(r.err.contains(QStringLiteral("57 z bajtů 0..248 (192..248)")));

        r = ctl.Run({QStringLiteral("store"), old});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.contains(QStringLiteral("4..191")) && r.err.contains(QStringLiteral("192..248")));
        QTest::qWait(50);
        const QList<QByteArray> frames = ctl.sim.Log().split('\n');
        QCOMPARE(std::count_if(frames.begin(), frames.end(), [](const QByteArray &f) { return f.startsWith("40 57"); }),
                 188);
        QCOMPARE(ctl.Run({QStringLiteral("verify"), full}).code, 0); // routes 17..24 and byte 248 kept

        r = ctl.Run({QStringLiteral("show"), old});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.count(QStringLiteral("\t\t\t\t\t\tnení v souboru\n")), 8);
    }

    // --trace: the monitor's lines on stderr as they happen; stdout stays as without it.
    void trace()
    {
        Ctl ctl;
        const Result r = ctl.Run(Args({"--trace", "info"}));
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("HX7S V 1.4\n"));
        const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(QRegularExpression(QStringLiteral("^ *\\d+ ms  -> 40 47 30 30 30 30 2A  @G0000\\*  dotaz na verzi$"))
                     .match(lines[0])
                     .hasMatch(),
                 qPrintable(r.err));
        QVERIFY2(lines[1].endsWith(QStringLiteral("ms  <- 4E 53 14 2A           NS.*     verze HX7S V 1.4")),
                 qPrintable(r.err));
        QVERIFY(ctl.Run(Args({"info"})).err.isEmpty());
    }

    void silentAddressIsACommunicationError()
    {
        Ctl ctl(Args({"--silent", "7"}));
        const Result r = ctl.Run({QStringLiteral("read"), ctl.File("x.txt")});
        QCOMPARE(r.code, 3);
        QVERIFY(r.err.contains(QStringLiteral("Chyba čtení dat !")));
        QVERIFY(!QFile::exists(ctl.File("x.txt")));
    }

    void addressMismatch()
    {
        Ctl ctl(Args({"--address-code", "9", "--log"}));
        const QString file = ctl.File("config.txt");
        ImageBytes image{};
        InitConfigImage(image);
        QVERIFY(SaveConfigText(file, image, nullptr));
        Result r = ctl.Run(Args({"store", "--scope", "config"}) << file);
        QCOMPARE(r.code, 4);
        QVERIFY(r.err.contains(QStringLiteral("DCC adresa modulu (9) nesouhlasí s konfigurací 1")));
        QTest::qWait(50);
        QVERIFY(!ctl.sim.Log().contains("40 57"));
        r = ctl.Run(Args({"store", "--scope", "config", "--yes"}) << file);
        QCOMPARE(r.code, 0);
        QTest::qWait(50);
        QVERIFY(ctl.sim.Log().contains("40 57 04 01 04 30 2A"));
    }

    // A stop signal (here put into the pipe by the test, as the program's handlers do) at a step of the
    // transfer: what the stop left, on stderr; %b is the backup named by "Záloha modulu: ", %out the file the
    // command would write (it holds "old" before). The module holds exactly the bytes the stop says it
    // acknowledged, and no reset or restart went out.
    void stoppedBySignal_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %in: a configuration unlike the module's
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("step");    // TransferStep; -1: before the command runs
        QTest::addColumn<int>("state");   // -1: any
        QTest::addColumn<int>("address"); // the signal once CurrentAddress() has got there
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        using S = TransferStep;
        using C = TransferController;
        const auto step = [](S s) { return static_cast<int>(s); };
        QTest::newRow("before the command") << Args({"store", "--yes", "%in"}) << SIGINT << -1 << -1 << -1 << 130
                                            << QString::fromUtf8("Přerušeno signálem SIGINT dříve, než začal přenos.\n"
                                                                 "Do modulu se nic nezapsalo.\n");
        QTest::newRow("read") << Args({"read", "%out"}) << SIGTERM << step(S::Read) << -1 << 20 << 143
                              << QString::fromUtf8("Přerušeno signálem SIGTERM.\nSoubor %out se nezapsal.\n");
        QTest::newRow("verify") << Args({"verify", "%in"}) << SIGHUP << step(S::Verify) << -1 << 20 << 143
                                << QString::fromUtf8("Přerušeno signálem SIGHUP.\n");
        QTest::newRow("polesig") << Args({"polesig", "%out"}) << SIGINT << step(S::SignalTable) << -1 << 10 << 130
                                 << QString::fromUtf8("Přerušeno signálem SIGINT.\nSoubor %out se nezapsal.\n");
        QTest::newRow("store, backup") << Args({"store", "%in"}) << SIGTERM << step(S::Backup) << -1 << 20 << 143
                                       << QString::fromUtf8("Přerušeno signálem SIGTERM.\nDo modulu se nic nezapsalo.\n"
                                                            "Modul potvrdil zápis 0 z 245 bajtů (4..248).\n"
                                                            "Před uložením se záloha modulu nepořídila.\n");
        QTest::newRow("store, address check")
            << Args({"store", "%in"}) << SIGINT << step(S::Write) << int(C::AddressWait) << -1 << 130
            << QString::fromUtf8("Záloha modulu: %b\nPřerušeno signálem SIGINT.\nDo modulu se nic nezapsalo.\n"
                                 "Modul potvrdil zápis 0 z 245 bajtů (4..248).\nZáloha modulu před uložením: %b\n");
        // The write of byte 40 is in flight: its acknowledge is awaited, and nothing goes out after it.
        QTest::newRow("store, writes") << Args({"store", "--no-backup", "%in"}) << SIGINT << step(S::Write)
                                       << int(C::WriteWait) << 40 << 130
                                       << QString::fromUtf8("Přerušeno signálem SIGINT.\n"
                                                            "Modul potvrdil zápis 37 z 245 bajtů (4..248).\n"
                                                            "Před uložením se záloha modulu nepořídila.\n");
        QTest::newRow("store, verify after the writes")
            << Args({"store", "--verify", "--reset", "--no-backup", "--scope", "config", "%in"}) << SIGHUP
            << step(S::VerifyWritten) << -1 << 20 << 143
            << QString::fromUtf8("Přerušeno signálem SIGHUP.\nModul potvrdil zápis 28 z 28 bajtů (4..31).\n"
                                 "Před uložením se záloha modulu nepořídila.\n"
                                 "Všechny bajty jsou zapsány, jejich ověření se nedokončilo.\n");
        QTest::newRow("factory reset, backup")
            << Args({"factory-reset", "--yes"}) << SIGINT << step(S::Backup) << -1 << 20 << 130
            << QString::fromUtf8("Přerušeno signálem SIGINT.\nDo modulu se nic nezapsalo.\n");
        QTest::newRow("factory reset, the reset")
            << Args({"factory-reset", "--yes", "--no-backup"}) << SIGTERM << step(S::Reset) << -1 << -1 << 143
            << QString::fromUtf8("Přerušeno signálem SIGTERM.\nDo modulu se nic nezapsalo.\n");
    }
    void stoppedBySignal()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, signal);
        QFETCH(int, step);
        QFETCH(int, state);
        QFETCH(int, address);
        QFETCH(int, code);
        QFETCH(QString, err);
        Ctl ctl(Args({"--log"}));
        ImageBytes file{};
        const QString in = WriteModuleFile(ctl.dir, file);
        const QString out = ctl.File("out.txt");
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
        old.close();
        arguments.replaceInStrings(QStringLiteral("%in"), in).replaceInStrings(QStringLiteral("%out"), out);
        StopSignal stop{.number = signal};
        if (step >= 0)
            stop.stopWhen = [&](const TransferController &c) {
                return static_cast<int>(c.CurrentStep()) == step && (state < 0 || c.TransferState() == state) &&
                       c.CurrentAddress() >= address;
            };
        const Result r = ctl.Run(arguments, stop);
        const QRegularExpressionMatch backup =
            QRegularExpression(QStringLiteral("^Záloha modulu: (.+)\n")).match(r.err);
        QCOMPARE(r.err,
                 QString(err).replace(QLatin1String("%b"), backup.captured(1)).replace(QLatin1String("%out"), out));
        QCOMPARE(r.code, code);
        QVERIFY(r.out.isEmpty());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old\n"));

        // The writes the module heard, address to value: exactly the acknowledged bytes, from the file.
        QTest::qWait(50);
        const QByteArray log = ctl.sim.Log();
        if (step < 0)
            QVERIFY2(log.isEmpty(), log.constData());
        QVERIFY(!log.contains("40 58"));
        std::map<int, int> written, acknowledged;
        for (const QByteArray &frame : log.split('\n'))
            if (frame.startsWith("40 57 "))
                written[frame.mid(6, 2).toInt(nullptr, 16)] = frame.mid(9, 2).toInt(nullptr, 16);
        const auto [first, count] = AcknowledgedOf(r.err);
        for (int a = first; a < first + count; ++a)
            acknowledged[a] = file[a];
        QCOMPARE(written, acknowledged);
    }

    // The real program on real signals, sent once the simulator has heard frame: SIGINT, SIGTERM and SIGHUP
    // stop it as above, a second SIGINT ends it at once. %n is the count the stop names, and the module holds
    // exactly those bytes of the file: it is read back against what it must hold.
    void signalsToTheProgram_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QList<int>>("sent");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        const QStringList config = Args({"--fast", "store", "--scope", "config"});
        QTest::newRow("store, SIGINT while writes are acknowledged")
            << config + Args({"%in"}) << Args({"--write-ms", "40"}) << QByteArray("40 57 0A") << QList<int>{SIGINT}
            << 130
            << QString::fromUtf8("Záloha modulu: %b\nPřerušeno signálem SIGINT.\nModul potvrdil zápis %n z 28 bajtů "
                                 "(4..31).\nZáloha modulu před uložením: %b\n");
        // Byte 12 is never answered: the stop waits for its attempt, and the module did not take it.
        QTest::newRow("store, SIGTERM while a write goes unanswered")
            << config + Args({"--no-backup", "%in"}) << Args({"--silent", "12"}) << QByteArray("40 57 0C")
            << QList<int>{SIGTERM} << 143
            << QString::fromUtf8("Přerušeno signálem SIGTERM.\nModul potvrdil zápis 8 z 28 bajtů (4..31).\n"
                                 "Před uložením se záloha modulu nepořídila.\n");
        QTest::newRow("store, a second SIGINT")
            << config + Args({"--no-backup", "%in"}) << Args({"--silent", "12"}) << QByteArray("40 57 0C")
            << QList<int>{SIGINT, SIGINT} << 130 << QString();
        QTest::newRow("read, SIGHUP") << Args({"--fast", "read", "%out"}) << QStringList() << QByteArray("40 52 64")
                                      << QList<int>{SIGHUP} << 143
                                      << QString::fromUtf8("Přerušeno signálem SIGHUP.\nSoubor %out se nezapsal.\n");
    }
    void signalsToTheProgram()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, simArguments);
        QFETCH(QByteArray, frame);
        QFETCH(QList<int>, sent);
        QFETCH(int, code);
        QFETCH(QString, err);
        QTemporaryDir dir;
        ImageBytes before{}, file{};
        InitConfigImage(before);
        const QString memory = dir.filePath(QStringLiteral("before.txt"));
        QVERIFY(SaveConfigText(memory, before, nullptr));
        const QString in = WriteModuleFile(dir, file);
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
        old.close();
        SimProcess sim(Args({"--memory", "%m", "--log"}).replaceInStrings(QStringLiteral("%m"), memory) + simArguments);
        arguments.replaceInStrings(QStringLiteral("%in"), in).replaceInStrings(QStringLiteral("%out"), out);
        const Result r = RunBinary(Args({"--port"}) << sim.Device << arguments, dir.path(), [&](QProcess &p) {
            for (int i = 0; i < 4000 && !sim.Log().contains(frame) && p.state() == QProcess::Running; ++i)
                QTest::qWait(5);
            for (const int signal : sent) {
                ::kill(static_cast<pid_t>(p.processId()), signal);
                QTest::qWait(50);
            }
        });
        const QRegularExpressionMatch backup =
            QRegularExpression(QStringLiteral("^Záloha modulu: (.+)\n")).match(r.err);
        const auto [first, count] = AcknowledgedOf(r.err);
        QCOMPARE(r.err, QString(err)
                            .replace(QLatin1String("%b"), backup.captured(1))
                            .replace(QLatin1String("%n"), QString::number(count))
                            .replace(QLatin1String("%out"), out));
        QCOMPARE(r.code, code);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old\n"));
        // A byte the simulator never answers cannot be read back either: that row's count says enough.
        if (count == 0 || simArguments.contains(QStringLiteral("--silent")))
            return;
        QVERIFY2(count < 28, qPrintable(r.err)); // stopped part-way
        ImageBytes expected = before;
        std::copy(file.begin() + first, file.begin() + first + count, expected.begin() + first);
        QVERIFY(SaveConfigText(memory, expected, nullptr));
        const Result verified =
            RunBinary(Args({"--fast", "--port"}) << sim.Device << Args({"verify"}) << memory, dir.path());
        QCOMPARE(verified.out, QStringLiteral("Data v modulu jsou shodná\n"));
    }

    void poleSigAndOneShots()
    {
        Ctl ctl(Args({"--log"}));
        QCOMPARE(ctl.Run({QStringLiteral("polesig"), ctl.File("dump.txt")}).code, 0);
        QCOMPARE(QFileInfo(ctl.File("dump.txt")).size(), 548);
        const Result unwritable = ctl.Run({QStringLiteral("polesig"), ctl.File("no/such/dump.txt")});
        QCOMPARE(unwritable.code, 2);
        QVERIFY(unwritable.err.contains(ctl.File("no/such/dump.txt")));
        QCOMPARE(ctl.Run(Args({"test-output", "turnout", "3", "diverging"})).code, 0);
        QCOMPARE(ctl.Run(Args({"test-output", "signal", "2", "4"})).code, 0);
        QCOMPARE(ctl.Run(Args({"factory-reset"})).code, 4); // no terminal to ask
        QCOMPARE(ctl.Run(Args({"factory-reset", "--yes"})).code, 0);
        QTest::qWait(50);
        const QByteArray log = ctl.sim.Log();
        QVERIFY(log.contains("40 54 05 00 00 00 2A"));
        QVERIFY(log.contains("40 4E 01 04 00 00 2A"));
        QCOMPARE(log.count("40 58 49 30 30 30 2A"), 1);
    }

    void noAnswerAndNoPort()
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        FakeSerialPort silentPort;
        CtlIo io{.out = o, .err = e};
        io.port = &silentPort;
        QTemporaryDir dir;
        io.settingsPath = dir.filePath(QStringLiteral("hx7conf.ini"));
        io.backupFolder = dir.filePath(QStringLiteral("backups"));
        FastTicker ticker(silentPort);
        io.ticker = &ticker;
        QCOMPARE(RunCtl(Args({"--port", "/dev/whatever", "info"}), io), 3);

        // The first line names the port as the user gave it; the second says why it did not open.
        silentPort.OpenSucceeds = false;
        for (const auto &[port, device] : {std::pair{"COM4", "/dev/ttyS3"}, {"/dev/hx7-missing", "/dev/hx7-missing"}}) {
            err.clear();
            QCOMPARE(RunCtl(Args({"--port", port, "read", "x.txt"}), io), 3);
            e.flush();
            OpenFailure failure;
            failure.kind = OpenFailure::NotFound;
            failure.device = QLatin1String(device);
            QCOMPARE(err, QStringLiteral("Chyba otevření  %1  \n%2\n")
                              .arg(QLatin1String(port), SerialLink::OpenFailureReason(failure)));
        }
        // A number with no device: the way out is an option here, not the program's menu.
        err.clear();
        QCOMPARE(RunCtl(Args({"--port", "COM0", "info"}), io), 3);
        e.flush();
        QVERIFY2(err.startsWith(QStringLiteral("Chyba otevření  COM0  \n")) &&
                     err.contains(QStringLiteral("--port /dev/ttyUSB0")) &&
                     err.contains(QStringLiteral("hx7ctl ports --probe")) && !err.contains(QStringLiteral("RS232")),
                 qPrintable(err));
    }

    // Modules on COM3 (%1, HX7 V 1.2) and COM5 (%2, HX7S V 1.4), COM2 mapped to a device that is not
    // there (%3). The machine's own ports may be listed too: only these lines are looked for. held: the
    // test holds COM5's device open, as another program would. No module is changed, except where COM3's
    // takes the store.
    void portsAndAuto_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("simArguments");   // for both simulators
        QTest::addColumn<QStringList>("newerArguments"); // for COM5's alone
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("outLines");
        QTest::addColumn<QStringList>("errParts");
        QTest::addColumn<bool>("stored"); // COM3's module took the store
        const QStringList none;
        QTest::newRow("list") << Args({"ports"}) << none << none << false << 0
                              << Texts({"%3\t(nepřipojeno)\t-\tCOM2", "%1\t(z nastavení [Ports])\t-\tCOM3",
                                        "%2\t(z nastavení [Ports])\t-\tCOM5"})
                              << none << false;
        QTest::newRow("probe") << Args({"ports", "--probe"}) << none << none << false << 0
                               << Texts({"%3\t(nepřipojeno)\t-\tCOM2\t-",
                                         "%1\t(z nastavení [Ports])\t-\tCOM3\tHX7  V 1.2",
                                         "%2\t(z nastavení [Ports])\t-\tCOM5\tHX7S V 1.4"})
                               << none << false;
        // A type letter the program does not know still answers.
        QTest::newRow("probe, unknown type")
            << Args({"ports", "--probe"}) << none << Args({"--type", "X"}) << false << 0
            << Texts({"%2\t(z nastavení [Ports])\t-\tCOM5\ttyp X, verze 1.4"}) << none << false;
        QTest::newRow("info, unknown type") << Args({"--port", "COM5", "info"}) << none << Args({"--type", "X"})
                                            << false << 0 << Texts({"typ X, verze 1.4"}) << none << false;
        // The mapped ports come first, by number: COM3's module, not COM5's, which is named beside it.
        QTest::newRow("auto") << Args({"--port", "auto", "info"}) << none << none << false << 0 << Args({"HX7  V 1.2"})
                              << Texts({"Modul nalezen na %1 (COM3).", "Odpověděly i další moduly:\n",
                                        "  %2 (COM5): HX7S V 1.4\n"})
                              << false;
        // In English the version and the port stay as they are: scripts read them.
        QTest::newRow("auto, in English") << Args({"--lang", "en", "--port", "auto", "info"}) << none << none << false
                                          << 0 << Args({"HX7  V 1.2"}) << Args({"%1 (COM3)"}) << false;
        QTest::newRow("auto, unknown type") << Args({"--port", "auto", "info"}) << Args({"--type", "X"}) << none
                                            << false << 0 << Texts({"typ X, verze 1.2"}) << none << false;
        // Modules that answer only after a second are silent to a search that waits 0.3 s per port.
        QTest::newRow("auto, no module answers")
            << Args({"--port", "auto", "info"}) << Args({"--delay-ms", "1000"}) << none << false << 3 << none
            << Texts({"Modul nenalezen", "  %3 (COM2): Zařízení %3 neexistuje", "  %1 (COM3): neodpovídá\n",
                      "  %2 (COM5): neodpovídá\n"})
            << false;
        // What changes a module goes only to the one module there could be: not a guess between two, nor
        // the one that answered while the intended one was held by another program.
        const QStringList bothListed = Texts(
            {"--port auto nelze použít", "Odpověděly moduly:\n  %1 (COM3): HX7  V 1.2\n  %2 (COM5): HX7S V 1.4\n"});
        QTest::newRow("store, two modules") << Args({"--port", "auto", "store", "config.txt", "--yes"}) << none << none
                                            << false << 3 << none << bothListed << false;
        QTest::newRow("store, a port held")
            << Args({"--port", "auto", "store", "config.txt", "--yes"}) << none << none << true << 3 << none
            << Texts({"Odpověděly moduly:\n  %1 (COM3): HX7  V 1.2\nPorty, na kterých se nešlo zeptat:\n  %2 (COM5): "
                      "Zařízení %2 používá jiný program"})
            << false;
        QTest::newRow("factory-reset, a port held")
            << Args({"--port", "auto", "factory-reset", "--yes"}) << none << none << true << 3 << none
            << Texts({"--port auto nelze"}) << false;
        QTest::newRow("read, a port held")
            << Args({"--fast", "--port", "auto", "read", "backup.txt"}) << none << none << true << 0 << none
            << Texts({"Modul nalezen na %1 (COM3).\nPorty, na kterých se nešlo zeptat:\n  %2 (COM5): Zařízení %2 "
                      "používá jiný program"})
            << false;
        // A port that is there but silent hides no module: the one that answers takes the store.
        QTest::newRow("store, one module")
            << Args({"--fast", "--port", "auto", "store", "config.txt", "--scope", "config", "--yes"}) << none
            << Args({"--delay-ms", "1000"}) << false << 0 << none << Texts({"Modul nalezen na %1 (COM3)."}) << true;
    }
    void portsAndAuto()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, simArguments);
        QFETCH(QStringList, newerArguments);
        QFETCH(bool, held);
        QFETCH(int, code);
        QFETCH(QStringList, outLines);
        QFETCH(QStringList, errParts);
        QFETCH(bool, stored);
        QTemporaryDir dir;
        SimProcess older(Args({"--type", "D", "--version", "0x12", "--log"}) + simArguments),
            newer(Args({"--log"}) + simArguments + newerArguments);
        const QString missing = dir.filePath(QStringLiteral("ttyUSB9"));
        QFile ini(dir.filePath(QStringLiteral("hx7conf.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[Ports]\r\nCOM5=%2\r\nCOM3=%1\r\nCOM2=%3\r\n")
                      .arg(older.Device, newer.Device, missing)
                      .toLocal8Bit());
        ini.close();
        ImageBytes image{};
        InitConfigImage(image);
        QVERIFY(SaveConfigText(dir.filePath(QStringLiteral("config.txt")), image, nullptr));
        QtSerialPort otherProgram;
        if (held)
            QVERIFY(otherProgram.open(newer.Device));
        const Result r = RunBinary(arguments, dir.path());
        QCOMPARE(r.code, code);
        const auto fill = [&](QString text) {
            return text.replace(QLatin1String("%1"), older.Device)
                .replace(QLatin1String("%2"), newer.Device)
                .replace(QLatin1String("%3"), missing);
        };
        const QStringList lines = r.out.split(QLatin1Char('\n'));
        for (const QString &line : outLines)
            QVERIFY2(lines.contains(fill(line)), qPrintable(r.out));
        for (const QString &part : errParts)
            QVERIFY2(r.err.contains(fill(part)), qPrintable(r.err));
        QTest::qWait(50);
        // A write, a reset or an output test: "@W", "@X", "@N", "@T".
        const auto changed = [](const QByteArray &log) {
            const QList<QByteArray> frames = log.split('\n');
            return std::any_of(frames.begin(), frames.end(), [](const QByteArray &f) {
                return f.startsWith("40 57") || f.startsWith("40 58") || f.startsWith("40 4E") || f.startsWith("40 54");
            });
        };
        QVERIFY(!changed(newer.Log()));
        QCOMPARE(changed(older.Log()), stored);
        if (stored)
            QVERIFY(older.Log().contains("40 57 04 01 04 30 2A"));
    }

    // identify: the entries with the connected module's address code, no write. A single match is recorded with
    // what the module said, so a type other than its entry expects is told at once and by the layout check.
    void identify_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const char *name, const QStringList &sim, int code, const char *out, const char *err) {
            QTest::newRow(name) << sim << code << QString::fromUtf8(out) << QString::fromUtf8(err);
        };
        row("one", Args({"--address-code", "5", "--type", "S"}), 0, "five\n", "");
        row("none", Args({"--address-code", "9", "--type", "S"}), 1, "",
            "Adresu dekodéru 9 (HX7S V 1.4) nemá žádný modul kolejiště.\n");
        row("several", Args({"--address-code", "7", "--type", "D"}), 5, "seven\nseven-2\n",
            "Adresu dekodéru 7 má na kolejišti více modulů: konflikt adres.\n");
        row("another type", Args({"--address-code", "5", "--type", "V"}), 0, "five\n",
            "Modul five má být typu S, připojený modul je HX7V V 1.4.\n");
        row("address code unread", Args({"--address-code", "5", "--silent", "4"}), 3, "",
            "Modul HX7S V 1.4 neodpověděl na čtení své adresy.\n");
    }
    void identify()
    {
        QFETCH(QStringList, simArguments);
        Ctl ctl(simArguments + Args({"--log"}));
        const QString layout = ctl.Layout({"five:5:S", "seven:7:D", "seven:7"});
        const Result r = ctl.Run({QStringLiteral("identify"), layout});
        QTEST(r.code, "code");
        QTEST(r.out, "out");
        QTEST(r.err, "err");
        QTest::qWait(50);
        QVERIFY(!ctl.sim.Log().contains("40 57")); // no write frame
        const EntryRecord five = LayoutState(layout, ctl.dir.filePath(QStringLiteral("layouts"))).Record("five");
        QCOMPARE(five.identified.isValid(), r.code == 0);
        const Result check = ctl.Run(Args({"layout", "check"}) << layout);
        QCOMPARE(check.out.contains(QLatin1String("type\tfive\t\t\texpected S, module said V\n")),
                 simArguments.contains(QStringLiteral("V")));
    }

    // layout verify: the connected module against its entry's file, as verify prints it, and the result kept for
    // the entry; no single entry for its address: 5, nothing compared.
    void layoutVerify()
    {
        Ctl ctl(Args({"--address-code", "5"}));
        const QString layout = ctl.Layout({"five:5"});
        const QString file = layout + QStringLiteral("/modules/five.txt");
        QCOMPARE(ctl.Run({QStringLiteral("read"), file}).code, 0);
        Result r = ctl.Run(Args({"layout", "verify"}) << layout);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("Data v modulu jsou shodná\n"));
        QCOMPARE(r.err, QStringLiteral("Připojený modul: five\n"));
        QVERIFY(ctl.Run(Args({"layout", "list"}) << layout).out.endsWith(QStringLiteral(" v souladu\n")));

        ChangeByte(file, 0x23, 0x80);
        r = ctl.Run(Args({"layout", "verify"}) << layout);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QStringLiteral("Data v modulu jsou rozdílná !\n"
                                       "0023: file 80 module 00  Cesta 1: číslo výhybky 2 (vyšší bity): nevyužito "
                                       "(bit 7)\n"));
        QVERIFY(ctl.Run(Args({"layout", "list"}) << layout).out.endsWith(QStringLiteral(" liší se: 1 bajt\n")));

        ImageBytes image{};
        InitConfigImage(image);
        image[AddressCodeByte] = 5;
        QVERIFY(SaveConfigText(ctl.File("twin.txt"), image, nullptr));
        QCOMPARE(ctl.Run(Args({"layout", "add"}) << layout << ctl.File("twin.txt") << "--name"
                                                 << "twin")
                     .code,
                 0);
        r = ctl.Run(Args({"layout", "verify"}) << layout);
        QCOMPARE(r.code, 5);
        QCOMPARE(r.out, QString());
    }

    // The real program, with its 100 ms timer: identify takes about a second at most.
    void identifyWithinASecond()
    {
        Ctl ctl(Args({"--address-code", "5"}));
        const QString layout = ctl.Layout({"five:5"});
        QElapsedTimer timer;
        timer.start();
        const Result r =
            RunBinary({QStringLiteral("--port"), ctl.sim.Device, QStringLiteral("identify"), layout}, ctl.dir.path());
        const qint64 ms = timer.elapsed();
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("five\n"));
        qInfo("identify took %lld ms", ms);
        QVERIFY2(ms < 1500, qPrintable(QString::number(ms)));
    }

    void binaryShowAndInfo()
    {
        QTemporaryDir dir;
        ImageBytes image{};
        InitConfigImage(image);
        const std::uint8_t route1[] = {0x03, 0x81, 0x78, 0x01, 0, 0, 0, 0, 0, 0};
        const std::uint8_t route17[] = {0x02, 0x00, 0xF4, 0x7F, 0x25, 0x0F, 0x00};
        std::copy(std::begin(route1), std::end(route1), image.begin() + 32);
        std::copy(std::begin(route17), std::end(route17), image.begin() + 192);
        image[OutputOptionsByte] = 0x3D; // ignore-off commands without pairing protection
        const QString file = dir.filePath(QStringLiteral("routes.txt"));
        QVERIFY(SaveConfigText(file, image, nullptr));
        Result r = RunBinary({QStringLiteral("show"), file}, dir.path());
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(0, 7),
                 QStringList({"adresa DCC: 1", "č. 1. povelu: 1", "návěstní znaky: uživ. volitelné", "délka pulsu: 3",
                              "Motorový přestavník: ne", "Ochrana sepnutí obou výstupů: ne",
                              "Ignorovat příkazy vypnutí výstupu: ano (bez ochrany sepnutí obou "
                              "výstupů ji modul ignoruje)"}));
        // Per signal its aspect clearing, then its relay.
        QCOMPARE(lines.indexOf(QStringLiteral("AUT spínání rele 0: ano")),
                 lines.indexOf(QStringLiteral("AUT rušit znak náv. 1A: ano")) + 1);
        QVERIFY(lines.contains(QStringLiteral("znak B náv. 1A: 1 1:  [-z---]  VOLNO")));
        QVERIFY(lines.contains(QStringLiteral("1\tNAV1A\t5/ O\t12/ R\t---\t---\t---\t---\tnáv. povel č.3 /OP")));
        QVERIFY(lines.contains(QStringLiteral("17\tNAV1B\t1/ R\t1020/ O\t300/ O\t---\tx\tx\tnáv. povel č.1")));
        const qsizetype blank = lines.indexOf(QString());
        QCOMPARE(lines[blank + 1], RouteGridHeader().join(QLatin1Char('\t')));
        QCOMPARE(lines.size() - blank - 2, 24 + 1); // 24 routes and the final line end

        SimProcess sim(Args({"--type", "D", "--version", "0x12"}));
        QFile ini(dir.filePath(QStringLiteral("hx7conf.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Options]\r\nCOMserial=3\r\n[Ports]\r\nCOM3=" + sim.Device.toLocal8Bit() + "\r\n");
        ini.close();
        r = RunBinary({QStringLiteral("info")}, dir.path()); // the port saved in the settings
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("HX7  V 1.2\n"));
        QVERIFY(r.err.contains(QStringLiteral("starší verzi FW")));
    }
};

QTEST_GUILESS_MAIN(TestCtlSim)
#include "test_ctl_sim.moc"
