// SPDX-License-Identifier: GPL-3.0-or-later
// The receive step's limits and the open / close rules, on a scripted port.
#include "fakes.h"
#include "seriallink.h"

#include <QTest>

using namespace hx7;
using namespace hx7test;

namespace {
QString Device(int n)
{
    return n > 0 ? QStringLiteral("COM") + QString::number(n) : QString();
}
} // namespace

class TestSerialLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void receiveStep_data()
    {
        // earlier: receive steps before this one that nobody took; kept: the arrivals taken afterwards
        QTest::addColumn<int>("earlier");
        QTest::addColumn<int>("waiting");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("flood");
        QTest::newRow("nothing") << 0 << 0 << 0 << false;
        QTest::newRow("100 waiting are read") << 0 << 100 << 1 << false;
        QTest::newRow("101 waiting are a flood") << 1 << 101 << 2 << true;
        QTest::newRow("63 untaken kept") << 63 << 5 << 64 << false;
        QTest::newRow("64 untaken: the older half dropped") << 64 << 5 << 33 << false;
    }
    void receiveStep()
    {
        QFETCH(int, earlier);
        QFETCH(int, waiting);
        QFETCH(int, kept);
        QFETCH(bool, flood);
        FakeSerialPort port;
        SerialLink link(port, Device);
        QVERIFY(link.Open(1));
        for (int i = 0; i < earlier; ++i) {
            port.Incoming = "h";
            link.ReceiveStep();
        }
        port.Incoming = QByteArray(waiting, 'w');
        link.ReceiveStep();
        QCOMPARE(port.Purges, flood ? 1 : 0);
        QCOMPARE(port.Incoming.size(), 0);
        QCOMPARE(link.BytesReceived(), earlier + waiting);
        const auto arrivals = link.TakeArrivals();
        QCOMPARE(int(arrivals.size()), kept);
        if (waiting > 0) {
            // The newest is this step's, with its time; a flood leaves only its mark.
            QCOMPARE(arrivals.back().flooded, flood);
            QCOMPARE(arrivals.back().bytes, flood ? QByteArray() : QByteArray(waiting, 'w'));
            QVERIFY(arrivals.back().at > 0);
        }
        QVERIFY(link.TakeArrivals().empty());
    }

    void closedPortReceivesAndSendsNothing()
    {
        FakeSerialPort port;
        port.OpenSucceeds = false;
        SerialLink link(port, Device);
        QVERIFY(!link.Open(3));
        port.Incoming = "abc";
        link.ReceiveStep();
        link.Send("@G0000*");
        QVERIFY(link.TakeArrivals().empty());
        QVERIFY(port.Written.isEmpty());
        link.Close();
        QCOMPARE(port.CloseCalls, 0);
    }

    void portNamesAndReopen()
    {
        FakeSerialPort port;
        SerialLink link(port, Device);
        QVERIFY(link.Open(3));
        QVERIFY(link.Reopen(10));
        QCOMPARE(port.Opened, (QStringList{"COM3", "COM10"}));
        QCOMPARE(port.CloseCalls, 1);
        QVERIFY(!link.Reopen(0)); // no device for port 0
    }

    void openErrorText()
    {
        QCOMPARE(SerialLink::OpenErrorText(4), QStringLiteral("Chyba otevření  COM4  "));
        QCOMPARE(SerialLink::OpenErrorText(-2), QStringLiteral("Chyba otevření  COM-2  "));
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_seriallink.moc"
