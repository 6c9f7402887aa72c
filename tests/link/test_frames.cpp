// SPDX-License-Identifier: GPL-3.0-or-later
// Frames byte for byte, and the rules by which replies are recognised at the start of RxBuffer.
#include "frames.h"
#include "simmodule.h"

#include <QTest>

using namespace hx7;

class TestFrames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("version") << VersionQueryFrame() << QByteArray("4047303030302a");
        QTest::newRow("read 0") << ReadFrame(0) << QByteArray("40520030303 02a").replace(' ', "");
        QTest::newRow("read 200 raw byte") << ReadFrame(200) << QByteArray("4052c83030302a");
        QTest::newRow("read low 8 bits") << ReadFrame(0x104)
                                         << QByteArray("405204303030"
                                                       "2a");
        QTest::newRow("write") << WriteFrame(5, 0x2A) << QByteArray("4057052a05302a");
        QTest::newRow("signal table") << SignalTableFrame(127) << QByteArray("40537f3030302a");
        QTest::newRow("reset") << ResetModuleFrame() << QByteArray("40585230303 02a").replace(' ', "");
        QTest::newRow("initialise") << InitialiseConfigFrame() << QByteArray("40584930303 02a").replace(' ', "");
        QTest::newRow("aspect") << SignalAspectFrame(1, 4) << QByteArray("404e010400002a");
        QTest::newRow("no aspect") << SignalAspectFrame(3, -1) << QByteArray("404e03ff00002a");
        QTest::newRow("turnout 3 diverging")
            << TurnoutOutputFrame(TurnoutOutputCode(3, true)) << QByteArray("40540500000 02a").replace(' ', "");
        QTest::newRow("address check") << AddressCheckFrame() << ReadFrame(4).toHex();
    }
    void build()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, hex);
        QCOMPARE(frame.size(), FrameSize);
        QCOMPARE(frame.toHex(), hex);
    }

    // The simulator writes its replies as a module does, not from the table: each frame's reply is as long as
    // the table says and its recogniser takes it, so a wrong length in the table fails here.
    void simulatorRepliesAsTheTableSays_data() { build_data(); }
    void simulatorRepliesAsTheTableSays()
    {
        QFETCH(QByteArray, frame);
        hx7sim::SimModule module{hx7sim::SimOptions{}};
        QByteArray reply;
        for (const hx7sim::Response &response : module.Feed(frame))
            reply += response.bytes;
        const Exchange kind = ExchangeOf(frame);
        const auto recognised = [kind](const QByteArray &bytes) {
            switch (kind) {
            case Exchange::Version:
                return MatchVersionReply(bytes).has_value();
            case Exchange::Read:
                return MatchReadReply(bytes).has_value();
            case Exchange::Write:
                return MatchWriteAck(bytes);
            case Exchange::SignalTable:
                return MatchSignalTableReply(bytes).has_value();
            default:
                return bytes.isEmpty();
            }
        };
        QCOMPARE(reply.size(), qsizetype(ReplyLength(kind)));
        QVERIFY(reply.size() <= LongestReply);
        QVERIFY(recognised(reply));
        if (!reply.isEmpty())
            QVERIFY(!recognised(reply.left(reply.size() - 1))); // one byte short is no reply yet
    }

    void turnoutCodes()
    {
        QCOMPARE(TurnoutOutputCode(1, false), 0);
        QCOMPARE(TurnoutOutputCode(1, true), 1);
        QCOMPARE(TurnoutOutputCode(4, true), 7);
    }

    // Each row: the buffer, then what each recogniser makes of it ("-" for no reply).
    void recognise_data()
    {
        QTest::addColumn<QByteArray>("rx");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("read");
        QTest::addColumn<bool>("ack");
        QTest::addColumn<int>("table");
        QTest::newRow("empty") << QByteArray() << "-" << -1 << false << -1;
        QTest::newRow("lone star") << QByteArray("*") << "-" << -1 << false << -1;
        QTest::newRow("read reply") << QByteArray("\x07*", 2) << "-" << 7 << false << -1;
        QTest::newRow("star as data") << QByteArray("**") << "-" << 0x2A << false << -1;
        QTest::newRow("read with tail") << QByteArray("\x00*zz", 4) << "-" << 0 << false << -1;
        QTest::newRow("ack") << QByteArray("Y*") << "-" << int('Y') << true << -1;
        QTest::newRow("ack needs Y") << QByteArray("y*") << "-" << int('y') << false << -1;
        QTest::newRow("table reply") << QByteArray("\x09"
                                                   "0*",
                                                   3)
                                     << "-" << -1 << false << 9;
        QTest::newRow("two-byte table reply") << QByteArray("\x09*", 2) << "-" << 9 << false << -1;
        QTest::newRow("version S") << QByteArray("NS\x14*") << "S14" << -1 << false << -1;
        QTest::newRow("unknown type") << QByteArray("NQ\x14*") << "Q14" << -1 << false << -1;
        QTest::newRow("version short") << QByteArray("NS\x14") << "-" << -1 << false << -1;
        QTest::newRow("noise in front") << QByteArray("\x55\x07*", 3) << "-" << -1 << false << 0x55;
    }
    void recognise()
    {
        QFETCH(QByteArray, rx);
        QFETCH(QString, version);
        QFETCH(int, read);
        QFETCH(bool, ack);
        QFETCH(int, table);
        const auto v = MatchVersionReply(rx);
        QCOMPARE(v ? QString(QLatin1Char(v->type)) + QString::number(v->version, 16) : QStringLiteral("-"), version);
        QCOMPARE(MatchReadReply(rx) ? int(*MatchReadReply(rx)) : -1, read);
        QCOMPARE(MatchWriteAck(rx), ack);
        QCOMPARE(MatchSignalTableReply(rx) ? int(*MatchSignalTableReply(rx)) : -1, table);
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "test_frames.moc"
