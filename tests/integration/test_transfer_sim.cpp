// Whole transfers through the real QSerialPort against the simulator. The test drives the ticks
// itself, waiting only as long as the reply takes, so a full read takes well under 25 s.
#include "simrig.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;
using namespace hx7test;

using Rig = SimRig;

class TestTransferSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readVerifyAndStoreBack()
    {
        QTemporaryDir dir;
        ImageBytes module;
        Rig rig(Args({"--memory"}) << WriteModuleFile(dir, module));
        QVERIFY(rig.ctl.StartRead());
        QCOMPARE(rig.RunUntilIdle(), 250);
        for (int i = 0; i <= 248; ++i)
            QCOMPARE(rig.data.ConfigImage[i], module[i]);
        QVERIFY(rig.view.Messages.isEmpty());
        QCOMPARE(rig.view.Refreshes, 1);

        rig.ctl.StartVerify();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages.takeLast().text, TransferController::EqualText);

        rig.data.ConfigImage[100] ^= 1;
        rig.ctl.StartVerify();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages.takeLast().text, TransferController::DifferentText);

        // Store everything from a changed image, then read it back into a blank one.
        for (int i = 4; i <= 248; ++i)
            rig.data.ConfigImage[i] = static_cast<std::uint8_t>(255 - i);
        rig.data.ConfigImage[AddressCodeByte] = module[AddressCodeByte];
        const ImageBytes stored = rig.data.ConfigImage;
        QVERIFY(rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1));
        rig.RunUntilIdle();
        QVERIFY(rig.view.Messages.isEmpty());
        rig.data.ConfigImage.fill(0);
        rig.ctl.StartRead();
        rig.RunUntilIdle();
        for (int i = 4; i <= 248; ++i)
            QCOMPARE(rig.data.ConfigImage[i], stored[i]);
        for (int i = 0; i < 4; ++i) // never stored
            QCOMPARE(rig.data.ConfigImage[i], module[i]);
    }

    void addressMismatchWritesNothing()
    {
        Rig rig(Args({"--address-code", "9", "--log"}));
        rig.view.ConfirmAnswer = false;
        rig.ctl.StartStore(TransferController::ConfigOnly, 1);
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages.size(), 1);
        QVERIFY(rig.view.Messages[0].text.startsWith(QStringLiteral("DCC adresa modulu (9) nesouhlasí")));
        QTest::qWait(50);
        const QByteArray log = rig.sim.Log();
        QVERIFY(log.contains("40 52 04 30 30 30 2A"));
        QVERIFY(!log.contains("40 57"));
    }

    void poleSigReadWritesTheDump()
    {
        QTemporaryDir dir;
        Rig rig(Args({}));
        rig.ctl.PoleSigPath = dir.filePath(QStringLiteral("poleSIG.txt"));
        rig.ctl.StartPoleSigRead();
        QCOMPARE(rig.RunUntilIdle(), 129);
        QCOMPARE(QFileInfo(rig.ctl.PoleSigPath).size(), 548);
        QCOMPARE(rig.view.Messages, (QList<Message>{{"information", TransferController::PoleSigDoneText}}));
    }

    void silentAddressFailsAndKeepsWhatWasRead()
    {
        QTemporaryDir dir;
        ImageBytes module;
        Rig rig(Args({"--silent", "40", "--memory"}) << WriteModuleFile(dir, module));
        const RouteTable before = rig.data.RouteTable;
        rig.ctl.StartRead();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages, (QList<Message>{{"warning", TransferController::ReadErrorText}}));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(rig.data.ConfigImage[i], module[i]);
        QCOMPARE(int(rig.data.ConfigImage[40]), 0);
        QVERIFY(rig.data.RouteTable == before);
    }

    void versionOfTheSimulator()
    {
        Rig rig(Args({"--type", "S", "--version", "0x14"}));
        rig.ctl.StartVersionQuery();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.VersionText, QStringLiteral("HX7S V 1.4"));
        QVERIFY(rig.view.Hx7S);
    }
};

QTEST_GUILESS_MAIN(TestTransferSim)
#include "test_transfer_sim.moc"
