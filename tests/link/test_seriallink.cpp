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
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("waiting");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("purged");
        QTest::newRow("nothing") << 3 << 0 << 3 << false;
        QTest::newRow("100 waiting are read") << 0 << 100 << 100 << false;
        QTest::newRow("101 waiting are a flood") << 10 << 101 << 0 << true;
        QTest::newRow("200 held kept") << 200 << 5 << 205 << false;
        QTest::newRow("201 held dropped") << 201 << 5 << 5 << false;
    }
    void receiveStep()
    {
        QFETCH(int, held);
        QFETCH(int, waiting);
        QFETCH(int, after);
        QFETCH(bool, purged);
        FakeSerialPort port;
        SerialLink link(port, Device);
        QVERIFY(link.Open(1));
        link.RxBuffer = QByteArray(held, 'h');
        port.Incoming = QByteArray(waiting, 'w');
        link.ReceiveStep();
        QCOMPARE(link.RxBuffer.size(), after);
        QCOMPARE(port.Purges, purged ? 1 : 0);
        QCOMPARE(port.Incoming.size(), 0);
        if (waiting > 0 && !purged)
            QVERIFY(link.RxBuffer.endsWith(QByteArray(waiting, 'w')));
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
        QVERIFY(link.RxBuffer.isEmpty());
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
