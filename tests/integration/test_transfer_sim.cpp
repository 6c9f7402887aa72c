// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transfers through the real QSerialPort against the simulator. The test drives the ticks
// itself, waiting only as long as the reply takes, so a full read takes well under 25 s.
#include "frames.h"
#include "simrig.h"
#include "transferwords.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <set>

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
        QCOMPARE(rig.view.Messages.takeLast().text, OutcomeSourceText(TransferOutcome::Equal));

        rig.data.ConfigImage[100] ^= 1;
        rig.ctl.StartVerify();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages.takeLast().text, OutcomeSourceText(TransferOutcome::Different));

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

    // The simulator's --address-code also overrides the byte 4 of a --memory file (which holds 1).
    void addressMismatchWritesNothing_data()
    {
        QTest::addColumn<bool>("memoryFile");
        QTest::newRow("factory memory") << false;
        QTest::newRow("memory file") << true;
    }
    void addressMismatchWritesNothing()
    {
        QFETCH(bool, memoryFile);
        QTemporaryDir dir;
        ImageBytes module;
        QStringList args = Args({"--address-code", "9", "--log"});
        if (memoryFile)
            args << QStringLiteral("--memory") << WriteModuleFile(dir, module);
        Rig rig(args);
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

    void poleSigReadHandsTheTableOver()
    {
        Rig rig(Args({}));
        rig.ctl.StartPoleSigRead();
        QCOMPARE(rig.RunUntilIdle(), 129);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::SignalTableRead});
        QVERIFY(rig.view.Messages.isEmpty());
    }

    // Address 40 never answered on the real port: the transfer gives up in the twelfth tick after the first
    // request, having asked three times and sent nothing after, and leaves image, routes and dump untouched.
    void silentAddressFailsAndKeepsTheImage_data()
    {
        QTest::addColumn<char>("command");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("message");
        QTest::newRow("read") << 'R' << 40 + 12 << OutcomeSourceText(TransferOutcome::ReadFailed);
        QTest::newRow("verify") << 'V' << 40 + 12 << OutcomeSourceText(TransferOutcome::ReadFailed);
        QTest::newRow("poleSIG") << 'S' << 40 + 12 << OutcomeSourceText(TransferOutcome::ReadFailed);
        // Address check and its reply first, then address a is written in tick a - 1.
        QTest::newRow("store with reset") << 'W' << 40 + 10 << OutcomeSourceText(TransferOutcome::StoreFailed);
    }
    void silentAddressFailsAndKeepsTheImage()
    {
        QFETCH(char, command);
        QFETCH(int, ticks);
        QFETCH(QString, message);
        QTemporaryDir dir;
        ImageBytes module;
        Rig rig(Args({"--silent", "40", "--log", "--memory"}) << WriteModuleFile(dir, module));
        rig.ctl.SetResetAfterStore(true);
        const ImageBytes imageBefore = rig.data.ConfigImage;
        const RouteTable routesBefore = rig.data.RouteTable;
        QByteArray lastFrame = ReadFrame(40);
        if (command == 'R') {
            rig.ctl.StartRead();
        } else if (command == 'V') {
            rig.ctl.StartVerify();
        } else if (command == 'S') {
            rig.ctl.StartPoleSigRead();
            lastFrame = SignalTableFrame(40);
        } else {
            rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1);
            lastFrame = WriteFrame(40, imageBefore[40]);
        }
        QCOMPARE(rig.RunUntilIdle(), ticks);
        QCOMPARE(rig.view.Messages, (QList<Message>{{"warning", message}}));
        QVERIFY(rig.data.ConfigImage == imageBefore);
        QVERIFY(rig.data.RouteTable == routesBefore);
        QCOMPARE(rig.view.Refreshes, 0);
        QCOMPARE(rig.view.Outcomes.size(), 1); // the table is not handed over for a dump
        QTest::qWait(50);
        const QList<QByteArray> logged = rig.sim.Log().trimmed().split('\n');
        const QByteArray hex = lastFrame.toHex(' ').toUpper();
        QCOMPARE(logged.count(hex), 3);
        QCOMPARE(logged.last(), hex); // in particular no reset after the failed store
    }

    // A store backed up and verified, through the real port: the backup is the module as it was, a byte the
    // module acknowledges but does not keep is found, and the module is not restarted on it.
    void backedUpVerifiedStore_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::newRow("tick") << false;
        QTest::newRow("fast") << true;
    }
    void backedUpVerifiedStore()
    {
        QFETCH(bool, fast);
        QTemporaryDir dir;
        ImageBytes module;
        Rig rig(Args({"--stuck", "40", "--log", "--memory"}) << WriteModuleFile(dir, module));
        rig.SetFast(fast);
        rig.ctl.SetResetAfterStore(true);
        rig.ctl.SetBackupBeforeStore(true);
        rig.ctl.SetVerifyAfterStore(true);
        for (int i = AddressCodeByte + 1; i <= 248; ++i)
            rig.data.ConfigImage[i] = static_cast<std::uint8_t>(255 - i);
        const ImageBytes image = rig.data.ConfigImage;
        QVERIFY(rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1));
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Backups.size(), 1);
        QVERIFY(std::equal(module.begin(), module.begin() + 249, rig.view.Backups[0].first.begin()));
        QVERIFY(rig.data.ConfigImage == image);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::StoredDifferent});
        QCOMPARE(rig.view.Differing, QList<int>{40});
        QTest::qWait(50);
        const QByteArray log = rig.sim.Log();
        QVERIFY(!log.contains(ResetModuleFrame().toHex(' ').toUpper()));
        // The verify read only the stored range, after the last write.
        const QList<QByteArray> frames = log.trimmed().split('\n');
        const qsizetype lastWrite = frames.lastIndexOf(WriteFrame(248, image[248]).toHex(' ').toUpper());
        std::set<int> verified;
        for (const QByteArray &f : frames.mid(lastWrite + 1)) {
            QVERIFY(f.startsWith("40 52 ")); // reads only
            verified.insert(f.mid(6, 2).toInt(nullptr, 16));
        }
        QCOMPARE(verified.size(), std::size_t(245));
        QCOMPARE(*verified.begin(), 4);
    }

    void versionOfTheSimulator()
    {
        Rig rig(Args({"--type", "S", "--version", "0x14"}));
        rig.ctl.StartVersionQuery();
        rig.RunUntilIdle();
        QVERIFY(rig.ctl.Identity());
        QCOMPARE(rig.ctl.Identity()->Name(), QStringLiteral("HX7S V 1.4"));
        QCOMPARE(rig.ctl.Identity()->port, rig.link.DeviceName(rig.link.ComPortNumber));
    }
};

QTEST_GUILESS_MAIN(TestTransferSim)
#include "test_transfer_sim.moc"
