// SPDX-License-Identifier: GPL-3.0-or-later
// The real QSerialPort against the simulator on a pseudo-terminal: replies, write and read-back,
// the flood rule, and a far end that vanishes or a write that fails under an open port.
#include "frames.h"
#include "qtserialport.h"
#include "seriallink.h"
#include "simprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace hx7;
using namespace hx7test;

namespace {

struct Line {
    explicit Line(const QStringList &simArguments = {})
        : sim(simArguments), link(port, [this](int) { return sim.Device; })
    {}
    // Receive steps until rx holds at least count bytes (or a second has passed).
    bool ReceiveAtLeast(int count)
    {
        return QTest::qWaitFor(
            [&] {
                link.ReceiveStep();
                rx += link.TakeBytes();
                return rx.size() >= count;
            },
            1000);
    }
    QByteArray rx;
    SimProcess sim;
    QtSerialPort port;
    SerialLink link;
};

// Points the descriptor this process holds open on device at another file instead.
bool ReplaceDescriptorOf(const QString &device, const char *other)
{
    const int replacement = ::open(other, O_RDWR);
    bool replaced = false;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::System)) {
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == device)
            replaced = ::dup2(replacement, fd.toInt()) >= 0;
    }
    ::close(replacement);
    return replaced;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class TestLinkSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void versionReply()
    {
        Line line({QStringLiteral("--type"), QStringLiteral("V"), QStringLiteral("--version"), QStringLiteral("0x13")});
        QVERIFY(!line.sim.Device.isEmpty());
        QVERIFY(line.link.Open(1));
        line.link.Send(VersionQueryFrame());
        QVERIFY(line.ReceiveAtLeast(4));
        const auto reply = MatchVersionReply(line.rx);
        QVERIFY(reply);
        QCOMPARE(reply->type, 'V');
        QCOMPARE(int(reply->version), 0x13);
    }

    // Without a line (--baud 0) the replies come at once; at 1200 baud no reply is complete before the 7-byte frame
    // and its 2 bytes could have crossed the line (9 x 8.33 ms), a write acknowledge 20 ms later still.
    void writeThenReadBack_data()
    {
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<int>("writeAtLeastMs");
        QTest::addColumn<int>("readAtLeastMs");
        QTest::newRow("no line") << QStringList{QStringLiteral("--baud"), QStringLiteral("0")} << 0 << 0;
        QTest::newRow("1200 baud, 20 ms writes") << QStringList{QStringLiteral("--baud"), QStringLiteral("1200"),
                                                                QStringLiteral("--write-ms"), QStringLiteral("20")}
                                                 << 94 << 74;
    }
    void writeThenReadBack()
    {
        QFETCH(QStringList, line);
        QFETCH(int, writeAtLeastMs);
        QFETCH(int, readAtLeastMs);
        Line sim(line);
        QVERIFY(sim.link.Open(1));
        QElapsedTimer clock;
        clock.start();
        sim.link.Send(WriteFrame(200, 0x2A));
        QVERIFY(sim.ReceiveAtLeast(2));
        QVERIFY(clock.elapsed() >= writeAtLeastMs);
        QVERIFY(MatchWriteAck(sim.rx));
        sim.rx.clear();
        clock.restart();
        sim.link.Send(ReadFrame(200));
        QVERIFY(sim.ReceiveAtLeast(2));
        QVERIFY(clock.elapsed() >= readAtLeastMs);
        QCOMPARE(int(*MatchReadReply(sim.rx)), 0x2A);
    }

    void simulatorFindsFramesAfterStrayBytes()
    {
        Line line;
        QVERIFY(line.link.Open(1));
        line.link.Send(QByteArray("\x01@*") + ReadFrame(4));
        QVERIFY(line.ReceiveAtLeast(2));
        QCOMPARE(line.rx, QByteArray("\x01*", 2));
    }

    void floodIsThrownAway()
    {
        Line line({QStringLiteral("--flood"), QStringLiteral("0")});
        QVERIFY(line.link.Open(1));
        line.link.Send(ReadFrame(0));
        // Wait until the whole flood is waiting, then one receive step must discard it all.
        QVERIFY(QTest::qWaitFor([&] { return line.port.bytesWaiting() >= 500; }, 2000));
        line.link.ReceiveStep();
        const auto arrivals = line.link.TakeArrivals();
        QVERIFY(arrivals.size() == 1 && arrivals[0].flooded && arrivals[0].bytes.isEmpty());
        QCOMPARE(line.port.bytesWaiting(), 0);
        // The line works again afterwards.
        line.link.Send(ReadFrame(4));
        QVERIFY(line.ReceiveAtLeast(2));
        QCOMPARE(int(*MatchReadReply(line.rx)), 1);
    }

    void exclusiveOpen()
    {
        Line line;
        QVERIFY(line.link.Open(1));
        QtSerialPort second;
        QVERIFY(!second.open(line.sim.Device));
    }

    // Asking the simulator for its usage or its own version is not an error; an unknown option or a value it
    // cannot use is, and ends it before it serves. "--version" takes a value unless it is last or another
    // option follows.
    void simulatorCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("text"); // on stdout for exit code 0, else on stderr
        const QByteArray usage = "usage: hx7sim";
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << usage;
        QTest::newRow("-h") << QStringList{QStringLiteral("--log"), QStringLiteral("-h")} << 0 << usage;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2 << usage;
        QTest::newRow("version last") << QStringList{QStringLiteral("--drop"), QStringLiteral("7"),
                                                     QStringLiteral("--version")}
                                      << 0 << QByteArray("hx7sim ");
        QTest::newRow("version before an option")
            << QStringList{QStringLiteral("--version"), QStringLiteral("--log")} << 0 << QByteArray("hx7sim ");
        QTest::newRow("not a number") << QStringList{QStringLiteral("--drop"), QStringLiteral("7x")} << 2
                                      << QByteArray("not a number: 7x\n" + usage);
        // Cut to an int, this was address 0.
        QTest::newRow("number too large")
            << QStringList{QStringLiteral("--silent"), QStringLiteral("4294967296")} << 2 << QByteArray("not a number");
        QTest::newRow("busy without ms") << QStringList{QStringLiteral("--busy-at"), QStringLiteral("10")} << 2
                                         << QByteArray("--busy-at needs VALUE:MS, not 10");
        QTest::newRow("trail without hex") << QStringList{QStringLiteral("--trail"), QStringLiteral("ZZ:2")} << 2
                                           << QByteArray("--trail needs hex bytes");
        QTest::newRow("negative baud") << QStringList{QStringLiteral("--baud"), QStringLiteral("-1")} << 2
                                       << QByteArray("--baud needs a rate");
    }
    void simulatorCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, text);
        QProcess sim;
        sim.start(QStringLiteral(HX7SIM_PATH), arguments);
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), exitCode);
        const QByteArray output = exitCode == 0 ? sim.readAllStandardOutput() : sim.readAllStandardError();
        QVERIFY2(output.contains(text), output.constData());
    }

    // A far end that vanishes under the open port, or a device that refuses a write (the port's descriptor
    // turned into /dev/full, where every write fails): the port is closed and the program stays idle.
    void portFaultClosesThePortAndStaysIdle_data()
    {
        QTest::addColumn<bool>("writeRefused");
        QTest::newRow("far end vanished") << false;
        QTest::newRow("write refused") << true;
    }
    void portFaultClosesThePortAndStaysIdle()
    {
        QFETCH(bool, writeRefused);
        Line line;
        QVERIFY(line.link.Open(1));
        if (writeRefused) {
            QVERIFY(ReplaceDescriptorOf(line.sim.Device, "/dev/full"));
            line.link.Send(ReadFrame(0));
            QVERIFY(!line.link.IsOpen()); // at once: the event loop would read the zeros /dev/full gives
        } else {
            line.sim.Kill();
        }
        QVERIFY(QTest::qWaitFor([&] { return !line.link.IsOpen(); }, 2000));

        // A second of ticks as the GUI would run them: sends go nowhere, nothing arrives, little CPU.
        const double cpuBefore = CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        while (wall.elapsed() < 1000) {
            line.link.ReceiveStep();
            line.link.Send(ReadFrame(0));
            QTest::qWait(100);
        }
        const double cpu = CpuSeconds() - cpuBefore;
        qInfo("CPU over one second after the fault: %.3f s", cpu);
        QVERIFY(cpu < 0.1);
        QVERIFY(line.link.TakeBytes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLinkSim)
#include "test_link_sim.moc"
