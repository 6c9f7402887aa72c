// SPDX-License-Identifier: GPL-3.0-or-later
// The traffic log: what each frame and reply is called, how chunks become lines, the line bound, and
// what SerialLink feeds it.
#include "fakes.h"
#include "frames.h"
#include "savefile.h"
#include "seriallink.h"
#include "trafficlog.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;
using namespace hx7test;

namespace {

// A line as "HEX|meaning", without the time.
QString Brief(const TrafficLine &line)
{
    return QString::fromLatin1(line.bytes.toHex(' ').toUpper()) + QLatin1Char('|') + line.meaning;
}

QStringList BriefLines(const TrafficLog &log, int from = 0)
{
    QStringList out;
    for (size_t i = from; i < log.Lines().size(); ++i)
        out << Brief(log.Lines()[i]);
    return out;
}

} // namespace

class TestTrafficLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void frameMeaning_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("version") << VersionQueryFrame() << QStringLiteral("dotaz na verzi");
        // The explanations in brackets are left out, the second thing a byte holds is not.
        QTest::newRow("read, explanations left out")
            << ReadFrame(0x21) << QStringLiteral("čtení 0x21 (Cesta 1: číslo výhybky 1, opakovací znak)");
        QTest::newRow("read of route 24's byte 1")
            << ReadFrame(0xF2) << QStringLiteral("čtení 0xF2 (Cesta 24: číslo výhybky 1, opakovací znak)");
        QTest::newRow("read 0") << ReadFrame(0) << QStringLiteral("čtení 0x00 (nevyužito)");
        QTest::newRow("read beyond the map") << ReadFrame(250) << QStringLiteral("čtení 0xFA");
        QTest::newRow("address check") << AddressCheckFrame() << QStringLiteral("čtení 0x04 (DCC adresa)");
        QTest::newRow("write") << WriteFrame(4, 7) << QStringLiteral("zápis 0x04 = 0x07 (DCC adresa)");
        QTest::newRow("write 0xFF") << WriteFrame(5, 0xFF) << QStringLiteral("zápis 0x05 = 0xFF (Spínací výstupy)");
        QTest::newRow("signal table") << SignalTableFrame(5) << QStringLiteral("čtení poleSIG 0x05");
        QTest::newRow("reset") << ResetModuleFrame() << QStringLiteral("reset modulu");
        QTest::newRow("factory reset") << InitialiseConfigFrame()
                                       << QStringLiteral("inicializace konfigurace (tovární nastavení)");
        QTest::newRow("aspect") << SignalAspectFrame(1, 4) << QStringLiteral("test návěstidla 2: návěst 4");
        QTest::newRow("no aspect chosen")
            << SignalAspectFrame(3, -1) << QStringLiteral("test návěstidla 4: návěst 0xFF (neplatná)");
        QTest::newRow("turnout 3 diverging")
            << TurnoutOutputFrame(TurnoutOutputCode(3, true)) << QStringLiteral("test přestavníku 3: odbočka");
        QTest::newRow("turnout 1 straight")
            << TurnoutOutputFrame(TurnoutOutputCode(1, false)) << QStringLiteral("test přestavníku 1: rovně");
        QTest::newRow("unknown letter") << QByteArray("@Q0000*") << QStringLiteral("neznámý rámec");
        QTest::newRow("unknown X") << QByteArray("@XZ000*") << QStringLiteral("neznámý rámec");
        QTest::newRow("short") << QByteArray("@R0*") << QStringLiteral("neznámý rámec");
    }
    void frameMeaning()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, meaning);
        QCOMPARE(DescribeFrame(frame), meaning);
    }

    // The lines that the chunks received after the frame become.
    void received_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QStringList>("lines");
        using Chunks = QList<QByteArray>;
        const QByteArray read = ReadFrame(0x40);
        QTest::newRow("version") << VersionQueryFrame() << Chunks{"NS\x14*"}
                                 << QStringList{QStringLiteral("4E 53 14 2A|verze HX7S V 1.4")};
        QTest::newRow("version split") << VersionQueryFrame() << Chunks{"N", "D\x12*"}
                                       << QStringList{QStringLiteral("4E|část odpovědi"),
                                                      QStringLiteral("44 12 2A|verze HX7  V 1.2")};
        QTest::newRow("version, unknown type") << VersionQueryFrame() << Chunks{"NQ\x1A*"}
                                               << QStringList{QStringLiteral("4E 51 1A 2A|verze 1.10, neznámý typ")};
        QTest::newRow("version, wrong end")
            << VersionQueryFrame() << Chunks{"NS\x14#"} << QStringList{QStringLiteral("4E 53 14 23|neznámá data")};
        QTest::newRow("read") << read << Chunks{"\x12*"} << QStringList{QStringLiteral("12 2A|odpověď 0x12")};
        QTest::newRow("read of a star") << read << Chunks{"**"} << QStringList{QStringLiteral("2A 2A|odpověď 0x2A")};
        QTest::newRow("read split") << read << Chunks{"\x12", "*"}
                                    << QStringList{QStringLiteral("12|část odpovědi"),
                                                   QStringLiteral("2A|odpověď 0x12")};
        QTest::newRow("read and more") << read << Chunks{QByteArray("\x00*UU", 4)}
                                       << QStringList{QStringLiteral("00 2A|odpověď 0x00"),
                                                      QStringLiteral("55 55|neznámá data")};
        QTest::newRow("noise in front") << read << Chunks{"U\x12*"}
                                        << QStringList{QStringLiteral("55 12 2A|neznámá data")};
        QTest::newRow("a second reply is not awaited")
            << read << Chunks{"\x12*", "\x13*"}
            << QStringList{QStringLiteral("12 2A|odpověď 0x12"), QStringLiteral("13 2A|neznámá data")};
        QTest::newRow("write ack") << WriteFrame(4, 7) << Chunks{"Y*"}
                                   << QStringList{QStringLiteral("59 2A|potvrzení zápisu")};
        QTest::newRow("write ack split") << WriteFrame(4, 7) << Chunks{"Y", "*"}
                                         << QStringList{QStringLiteral("59|část odpovědi"),
                                                        QStringLiteral("2A|potvrzení zápisu")};
        QTest::newRow("no ack") << WriteFrame(4, 7) << Chunks{"N*"}
                                << QStringList{QStringLiteral("4E 2A|neznámá data")};
        QTest::newRow("signal table") << SignalTableFrame(5) << Chunks{"<0*"}
                                      << QStringList{QStringLiteral("3C 30 2A|poleSIG 0x05 = 0x3C")};
        QTest::newRow("signal table split")
            << SignalTableFrame(0x7F) << Chunks{"<0", "*Y"}
            << QStringList{QStringLiteral("3C 30|část odpovědi"), QStringLiteral("2A|poleSIG 0x7F = 0x3C"),
                           QStringLiteral("59|neznámá data")};
        QTest::newRow("nothing awaited after a reset")
            << ResetModuleFrame() << Chunks{"Y*"} << QStringList{QStringLiteral("59 2A|neznámá data")};
        const QString sixteen = QStringLiteral("5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A|neznámá data");
        QTest::newRow("long chunk in lines of 16")
            << read << Chunks{QByteArray(40, 'Z')}
            << QStringList{sixteen, sixteen, QStringLiteral("5A 5A 5A 5A 5A 5A 5A 5A|neznámá data")};
        QTest::newRow("reply, then a long tail")
            << read << Chunks{"\x12*" + QByteArray(20, 'Z')}
            << QStringList{QStringLiteral("12 2A|odpověď 0x12"), sixteen, QStringLiteral("5A 5A 5A 5A|neznámá data")};
    }
    void received()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QStringList, lines);
        TrafficLog log;
        log.Start();
        log.RecordSent(frame);
        for (const QByteArray &chunk : chunks)
            log.RecordReceived(chunk);
        QCOMPARE(Brief(log.Lines().front()),
                 QString::fromLatin1(frame.toHex(' ').toUpper()) + QLatin1Char('|') + DescribeFrame(frame));
        QCOMPARE(BriefLines(log, 1), lines);
    }

    void lineText_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<QString>("text");
        QTest::newRow("frame") << int(TrafficLine::Sent) << ReadFrame(0x40) << QStringLiteral("čtení 0x40")
                               << QStringLiteral("    1234 ms  -> 40 52 40 30 30 30 2A  @R@000*  čtení 0x40");
        QTest::newRow("reply, padded") << int(TrafficLine::Received) << QByteArray("\x12*")
                                       << QStringLiteral("odpověď 0x12")
                                       << QStringLiteral("    1234 ms  <- 12 2A                 .*       odpověď 0x12");
        QTest::newRow("no meaning, no trailing blanks")
            << int(TrafficLine::Received) << QByteArray("\x80~") << QString()
            << QStringLiteral("    1234 ms  <- 80 7E                 .~");
        QTest::newRow("note") << int(TrafficLine::Note) << QByteArray() << QStringLiteral("poznámka")
                              << QStringLiteral("    1234 ms  -- poznámka");
    }
    void lineText()
    {
        QFETCH(int, direction);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, meaning);
        QFETCH(QString, text);
        const TrafficLine line{1234, TrafficLine::Direction(direction), bytes, meaning};
        QCOMPARE(line.Text(), text);
    }

    void keepsTheLastLines()
    {
        TrafficLog log;
        QSignalSpy added(&log, &TrafficLog::LineAdded);
        QSignalSpy cleared(&log, &TrafficLog::Cleared);
        log.Start();
        const int total = TrafficLog::MaxLines + 300;
        for (int i = 0; i < total; ++i)
            log.RecordSent(WriteFrame(i >> 8, i));
        QCOMPARE(log.Lines().size(), size_t(TrafficLog::MaxLines));
        QCOMPARE(log.TotalAdded(), qint64(total));
        QCOMPARE(added.size(), total);
        QCOMPARE(log.Lines().front().bytes, WriteFrame(300 >> 8, 300));
        QCOMPARE(log.Lines().back().bytes, WriteFrame((total - 1) >> 8, total - 1));
        QCOMPARE(added.last().at(0).toString(), log.Lines().back().Text());
        log.Clear();
        QVERIFY(log.Lines().empty());
        QCOMPARE(cleared.size(), 1);
    }

    // What SerialLink hands the log, and that nothing is recorded while the log is not started.
    void fedBySerialLink()
    {
        FakeSerialPort port;
        port.Respond = [](const QByteArray &frame) { return frame[1] == 'R' ? QByteArray("\x07*") : QByteArray(); };
        SerialLink link(port, [](int) { return QStringLiteral("COM1"); });
        TrafficLog log;
        link.SetTrafficLog(&log);
        QVERIFY(link.Open(1));
        link.Send(ReadFrame(4));
        link.ReceiveStep();
        QVERIFY(log.Lines().empty());

        log.Start();
        link.Send(ReadFrame(4));
        link.ReceiveStep();
        port.Incoming = QByteArray(150, 'Z'); // a flood: read for the log, thrown away all the same
        link.ReceiveStep();
        QVERIFY(link.TakeArrivals().back().flooded);
        QCOMPARE(port.Purges, 1);
        QStringList lines = BriefLines(log);
        QCOMPARE(lines.size(), 2 + 10);
        QCOMPARE(lines.mid(0, 2), (QStringList{QStringLiteral("40 52 04 30 30 30 2A|čtení 0x04 (DCC adresa)"),
                                               QStringLiteral("07 2A|odpověď 0x07")}));
        QCOMPARE(lines.last(), QStringLiteral("5A 5A 5A 5A 5A 5A|zahozeno (zahlcení vstupu)"));

        link.Close();
        link.Send(VersionQueryFrame());
        QCOMPARE(log.Lines().back().meaning, QStringLiteral("dotaz na verzi – neodesláno, port není otevřen"));

        log.Stop();
        const size_t kept = log.Lines().size();
        QVERIFY(link.Open(1));
        link.Send(ReadFrame(4));
        link.ReceiveStep();
        QCOMPARE(log.Lines().size(), kept);

        // A new session says where its clock starts again.
        log.Start();
        QCOMPARE(log.Lines().back().direction, TrafficLine::Note);
    }

    // What the monitor saves, and why it could not.
    void save()
    {
        TrafficLog log;
        log.Start();
        log.RecordSent(VersionQueryFrame());
        log.RecordReceived("NS\x14*");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("komunikace.txt"));
        QVERIFY(SaveWhole(path, log.AsText()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), (log.Lines()[0].Text() + u'\n' + log.Lines()[1].Text() + u'\n').toUtf8());

        QString reason;
        const QString missing = dir.filePath(QStringLiteral("no/such/folder.txt"));
        QVERIFY(!SaveWhole(missing, log.AsText(), &reason));
        const QString error = TrafficLog::SaveErrorText(missing, reason);
        QVERIFY2(error.contains(missing) && !reason.isEmpty(), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestTrafficLog)
#include "test_trafficlog.moc"
