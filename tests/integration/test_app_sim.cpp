// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program against the simulator: the main window with the real serial port, its settings
// file pointing COM1 at the simulator's pseudo-terminal.
#include "backups.h"
#include "configtextfile.h"
#include "hx7Main.h"
#include "layoutcommands.h"
#include "qtserialport.h"
#include "recordingprompts.h"
#include "simprocess.h"
#include "transferwords.h"
#include "waitforbytes.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace hx7;
using namespace hx7test;

Q_DECLARE_METATYPE(hx7::TransferStep)

namespace {

struct App {
    // morePorts: further [Ports] lines; with "--link PATH" among the arguments COM1 names PATH.
    explicit App(QStringList simArguments, const QByteArray &morePorts = {})
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        // The module holds the two worked route examples.
        ImageBytes memory{};
        InitConfigImage(memory);
        const std::uint8_t route1[] = {0x03, 0x81, 0x78, 0x01, 0, 0, 0, 0, 0, 0};
        const std::uint8_t route17[] = {0x02, 0x00, 0xF4, 0x7F, 0x25, 0x0F, 0x00};
        std::copy(std::begin(route1), std::end(route1), memory.begin() + 32);
        std::copy(std::begin(route17), std::end(route17), memory.begin() + 192);
        const QString memoryFile = dir.filePath(QStringLiteral("module.txt"));
        SaveConfigText(memoryFile, memory, nullptr);
        sim = std::make_unique<SimProcess>(simArguments << QStringLiteral("--memory") << memoryFile);

        QFile ini(dir.filePath(QStringLiteral("hx7conf.ini")));
        ini.open(QIODevice::WriteOnly);
        const qsizetype linkAt = simArguments.indexOf(QStringLiteral("--link"));
        const QString com1 = linkAt >= 0 ? simArguments.value(linkAt + 1) : sim->Device;
        ini.write("[Ports]\r\nCOM1=" + com1.toLocal8Bit() + "\r\n" + morePorts);
        ini.close();
        settings = std::make_unique<Settings>(ini.fileName());
        link = std::make_unique<SerialLink>(port, [this](int n) { return settings->PortDeviceName(n); });
        window = std::make_unique<TMainForm1>(data, *link, *settings, prompts);
        window->FormCreate();
        window->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    }
    // Ticks as the timer would, but without waiting longer than a reply takes.
    void RunUntilIdle()
    {
        int ticks = 0;
        do {
            WaitForReply(port, 40);
            window->Timer1Timer();
        } while (!window->Controller().IsIdle() && ++ticks < 2000);
    }
    QString TestComm()
    {
        window->findChild<QAbstractButton *>(QStringLiteral("BTtest1"))->click();
        RunUntilIdle();
        return window->findChild<QLabel *>(QStringLiteral("LBverze1"))->text();
    }
    // A store of the configuration and all routes, through the store dialog as its boxes were left.
    void StoreAll()
    {
        QTimer::singleShot(0, [this] {
            auto *dialog = window->findChild<QDialog *>(QStringLiteral("TDlgStore1"));
            dialog->findChild<QWidget *>(QStringLiteral("RGtypcest1"))
                ->findChild<QAbstractButton *>(QStringLiteral("item1"))
                ->click();
            dialog->findChild<QAbstractButton *>(QStringLiteral("Button1"))->click();
        });
        window->UlozitData1Click();
    }
    QString Cell(int row, int column) const
    {
        return window->findChild<QTableWidget *>(QStringLiteral("Table1"))->item(row, column)->text();
    }

    QTemporaryDir dir;
    std::unique_ptr<SimProcess> sim;
    SharedData data;
    QtSerialPort port;
    RecordingPrompts prompts;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<SerialLink> link;
    std::unique_ptr<TMainForm1> window;
};

} // namespace

class TestAppSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // "Najít připojený modul" asks the module (address code 5) and finds its entry on the layout: one is
    // selected and recorded, none is offered to be added (its read whole), several are an address conflict.
    void findTheConnectedModule_data()
    {
        QTest::addColumn<QList<int>>("codes"); // of the layout's entries a, b, c, ...
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("button");
        QTest::newRow("one") << QList<int>{4, 5, 6} << QStringList{"b"} << "je b (b)"
                             << "BTnajit";
        QTest::newRow("one, Test comm") << QList<int>{4, 5} << QStringList{"b"} << "je b (b)"
                                        << "BTtest1";
        QTest::newRow("none") << QList<int>{4, 6} << QStringList{"novy"} << "na kolejišti není"
                              << "BTnajit";
        QTest::newRow("several") << QList<int>{5, 4, 5} << QStringList{"a", "c"} << "Konflikt adres"
                                 << "BTnajit";
    }
    void findTheConnectedModule()
    {
        QFETCH(QList<int>, codes);
        QFETCH(QStringList, selected);
        QFETCH(QString, says);
        QFETCH(QString, button);
        App app({QStringLiteral("--type"), QStringLiteral("V"), QStringLiteral("--version"), QStringLiteral("0x14"),
                 QStringLiteral("--address-code"), QStringLiteral("5"), QStringLiteral("--log")});
        const QString folder = app.dir.filePath(QStringLiteral("kolejiste"));
        QVERIFY(CreateLayout(folder, QStringLiteral("Lhota"), nullptr));
        std::optional<Layout> layout = OpenLayout(folder, nullptr);
        for (int i = 0; i < codes.size(); ++i) {
            LayoutEntry e;
            e.id = e.name = QString(QChar('a' + i));
            InitConfigImage(e.image);
            e.image[AddressCodeByte] = std::uint8_t(codes[i]);
            QVERIFY(SaveEntry(*layout, e, true, nullptr));
        }
        RosterWindow &roster = app.window->Layouts().Roster();
        roster.EditEntry = [](LayoutEntry &e, const QStringList &) {
            e.name = QStringLiteral("Nový");
            return true;
        };
        QVERIFY(app.window->Layouts().OpenFolder(folder));
        app.prompts.Shown.clear();
        QElapsedTimer clock;
        clock.start();
        QWidget *from = button == "BTtest1" ? static_cast<QWidget *>(app.window.get()) : &roster;
        from->findChild<QPushButton *>(button)->click();
        app.RunUntilIdle();
        QCoreApplication::processEvents(); // the answer is taken from the event loop
        QVERIFY2(clock.elapsed() < 1000 || selected == QStringList{"novy"},
                 qPrintable(QString::number(clock.elapsed())));
        app.RunUntilIdle(); // the read of the module to add
        QCoreApplication::processEvents();
        const QString note = roster.findChild<QLabel *>(QStringLiteral("LBnalez"))->text();
        QVERIFY2(note.contains(says), qPrintable(note));
        QCOMPARE(app.window->Layouts().Current()->Find(selected[0]) != nullptr, true);
        QStringList shown;
        auto *table = roster.findChild<QTableWidget *>(QStringLiteral("TableModuly"));
        for (const QTableWidgetItem *item : table->selectedItems())
            if (item->column() == 0)
                shown << item->data(Qt::UserRole).toString();
        shown.sort();
        QCOMPARE(shown, selected);
        QCOMPARE(app.sim->Log().contains("40 57 "), false); // nothing written
        const EntryRecord record = LayoutState(folder).Record(selected[0]);
        QCOMPARE(record.identified.isValid(), selected.size() == 1);
        if (selected.size() == 1)
            QCOMPARE(record.lastType, 'V');
        if (selected == QStringList{"novy"}) {
            QCOMPARE(app.prompts.Shown.filter(QStringLiteral("Přidat ho na kolejiště")).size(), 1);
            QCOMPARE(app.window->Document().EntryId(), QStringLiteral("novy"));
            QVERIFY(record.read.isValid());
        }
    }

    // "Porovnat s kolejištěm": the module found on the layout, compared with its entry's file; the result is
    // recorded for the entry and shown in the roster.
    void compareWithTheLayout_data()
    {
        QTest::addColumn<int>("changed"); // bytes of the entry's file that differ from the module
        QTest::addColumn<QString>("shown");
        QTest::newRow("in step") << 0 << "v souladu";
        QTest::newRow("two bytes differ") << 2 << "liší se: 2 bajty";
    }
    void compareWithTheLayout()
    {
        QFETCH(int, changed);
        QFETCH(QString, shown);
        App app({QStringLiteral("--address-code"), QStringLiteral("5")});
        const QString folder = app.dir.filePath(QStringLiteral("kolejiste"));
        QVERIFY(CreateLayout(folder, QStringLiteral("Lhota"), nullptr));
        std::optional<Layout> layout = OpenLayout(folder, nullptr);
        LayoutEntry e;
        e.id = e.name = QStringLiteral("vjezd");
        QCOMPARE(LoadConfigText(app.dir.filePath(QStringLiteral("module.txt")), e.image).status, LoadOutcome::Loaded);
        e.image[AddressCodeByte] = 5;
        for (int i = 0; i < changed; ++i)
            e.image[100 + i] ^= 0x11;
        QVERIFY(SaveEntry(*layout, e, true, nullptr));
        QVERIFY(app.window->Layouts().OpenFolder(folder));
        RosterWindow &roster = app.window->Layouts().Roster();
        roster.findChild<QPushButton *>(QStringLiteral("BTporovnat"))->click();
        app.RunUntilIdle(); // which module
        QCoreApplication::processEvents();
        app.RunUntilIdle(); // the verify
        QCoreApplication::processEvents();
        QCOMPARE(app.window->Document().EntryId(), QStringLiteral("vjezd"));
        QCOMPARE(VerifyResultText(LayoutState(folder).Record(QStringLiteral("vjezd"))), shown);
        auto *table = roster.findChild<QTableWidget *>(QStringLiteral("TableModuly"));
        QVERIFY2(table->item(0, 8)->text().endsWith(shown), qPrintable(table->item(0, 8)->text()));
    }

    void testCommReadAndOutputTest()
    {
        App app({QStringLiteral("--type"), QStringLiteral("S"), QStringLiteral("--version"), QStringLiteral("0x14"),
                 QStringLiteral("--log")});
        QVERIFY(app.prompts.Shown.isEmpty()); // the port opened

        app.window->findChild<QAbstractButton *>(QStringLiteral("BTtest1"))->click();
        app.RunUntilIdle();
        QCOMPARE(app.window->findChild<QLabel *>(QStringLiteral("LBverze1"))->text(), QStringLiteral("HX7S V 1.4"));
        QVERIFY(app.window->findChild<QAction *>(QStringLiteral("TypHX7S1"))->isChecked());

        app.window->findChild<QAction *>(QStringLiteral("Nastdatazmodulu1"))->trigger();
        app.RunUntilIdle();
        QVERIFY(app.prompts.Shown.isEmpty());
        QCOMPARE(app.Cell(0, 2), QStringLiteral("5/ O"));
        QCOMPARE(app.Cell(0, 8), QStringLiteral("náv. povel č.3 /OP"));
        QCOMPARE(app.Cell(16, 3), QStringLiteral("1020/ O"));
        app.window->show();
        QVERIFY(app.window->grab().save(QStringLiteral("app-after-read.png"))); // for a look, not an assertion

        // Turnout 3 diverging from the output-test dialog, sent while the dialog stays open.
        QTimer::singleShot(0, [&] {
            auto *dialog = app.window->findChild<QDialog *>(QStringLiteral("TManualForm2"));
            dialog->findChild<QSpinBox *>(QStringLiteral("SEvyh1"))->setValue(3);
            dialog->findChild<QWidget *>(QStringLiteral("RGvyh1"))
                ->findChild<QAbstractButton *>(QStringLiteral("item1"))
                ->click();
            dialog->findChild<QAbstractButton *>(QStringLiteral("Button2"))->click();
            app.window->Timer1Timer();
            dialog->accept();
        });
        app.window->findChild<QAction *>(QStringLiteral("Manulnzen1"))->trigger();
        QVERIFY(QTest::qWaitFor([&] { return app.sim->Log().contains("40 54 05 00 00 00 2A"); }, 2000));
    }

    // A verify that finds two bytes changed: the usual box, then the details window with one row each.
    void verifyShowsTheDifferingBytes()
    {
        App app({});
        app.window->findChild<QAction *>(QStringLiteral("Nastdatazmodulu1"))->trigger();
        app.RunUntilIdle();
        app.data.ConfigImage[5] ^= 0x30;   // pulse length
        app.data.ConfigImage[197] ^= 0x08; // route 17, position of turnout 3
        app.window->findChild<QAction *>(QStringLiteral("Verifikovatdatasmodulem1"))->trigger();
        app.RunUntilIdle();
        QCOMPARE(app.prompts.Shown,
                 QStringList{QStringLiteral("information: ") + OutcomeSourceText(TransferOutcome::Different)});
        auto *details = app.window->findChild<QDialog *>(QStringLiteral("VerifyDetails"));
        QVERIFY(details && details->isVisible());
        auto *table = details->findChild<QTableWidget *>(QStringLiteral("TableRozdily"));
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("0x05 (5)"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("0xC5 (197)"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("17"));
        const int program = app.data.ConfigImage[197];
        QCOMPARE(table->item(1, 3)->text(), QStringLiteral("0x%1 (%2)")
                                                .arg(QString::number(program, 16).toUpper().rightJustified(2, '0'))
                                                .arg(program));
        details->resize(820, 200);
        details->grab().save(QStringLiteral("verify-details.png")); // for a look, not an assertion

        // The next verify finds them equal: the old rows do not stay beside its result.
        app.data.ConfigImage[5] ^= 0x30;
        app.data.ConfigImage[197] ^= 0x08;
        app.window->findChild<QAction *>(QStringLiteral("Verifikovatdatasmodulem1"))->trigger();
        app.RunUntilIdle();
        QCOMPARE(app.prompts.Shown.last(), QStringLiteral("information: ") + OutcomeSourceText(TransferOutcome::Equal));
        QVERIFY(!details->isVisible());
    }

    // A store keeps the module's former bytes in a backup; the history lists it, compares it and loads it back.
    void storeKeepsABackupThatBringsTheRoutesBack()
    {
        App app({QStringLiteral("--type"), QStringLiteral("S"), QStringLiteral("--version"), QStringLiteral("0x14")});
        QCOMPARE(app.TestComm(), QStringLiteral("HX7S V 1.4"));
        app.window->findChild<QAction *>(QStringLiteral("Nastdatazmodulu1"))->trigger();
        app.RunUntilIdle();
        app.data.RouteTable[16] = RouteRecord{};
        EncodeRoutes(app.data.RouteTable, app.data.ConfigImage.data());
        app.window->RefreshRouteGrid();
        app.StoreAll();
        app.RunUntilIdle();
        QCOMPARE(app.prompts.Shown, QStringList()); // backed up, stored and verified equal: nothing to say
        QCOMPARE(app.Cell(16, 3), QStringLiteral("---"));

        app.window->findChild<QAction *>(QStringLiteral("Zalohymodulu1"))->trigger();
        auto *history = app.window->findChild<QDialog *>(QStringLiteral("TBackupsWindow"));
        QVERIFY(history && history->isVisible());
        auto *table = history->findChild<QTableWidget *>(QStringLiteral("TableZalohy"));
        QCOMPARE(table->rowCount(), 1);
        QStringList cells;
        for (int c = 1; c < table->columnCount(); ++c)
            cells << table->item(0, c)->text();
        QCOMPARE(cells, (QStringList{"HX7S V 1.4", "1", "1", QString::fromUtf8("uložení konfigurace a všech cest")}));
        table->selectRow(0);
        history->grab().save(QStringLiteral("backups-window.png")); // for a look, not an assertion

        // Compared with the program, the backup differs in route 17 only.
        history->findChild<QAbstractButton *>(QStringLiteral("BTporovnat"))->click();
        auto *details = app.window->findChild<QDialog *>(QStringLiteral("VerifyDetails"));
        QVERIFY(details->isVisible() && details->windowTitle().startsWith(QString::fromUtf8("Rozdíly proti záloze ")));
        auto *rows = details->findChild<QTableWidget *>(QStringLiteral("TableRozdily"));
        QVERIFY(rows->rowCount() > 0);
        for (int r = 0; r < rows->rowCount(); ++r)
            QCOMPARE(rows->item(r, 1)->text(), QStringLiteral("17"));

        // Loaded, it brings the module's former route 17 back into the program.
        history->findChild<QAbstractButton *>(QStringLiteral("BTnacist"))->click();
        QCOMPARE(app.Cell(16, 3), QStringLiteral("1020/ O"));
        QCOMPARE(app.prompts.Shown, QStringList());
    }

    // Stop in each step of a backed-up, verified store of everything, against the simulator: afterwards the
    // module is what the words say (untouched before the writes, the backup again once restored, all new
    // bytes when stopped in the verify).
    void stopInEachStepOfAStore_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<TransferStep>("step");
        QTest::addColumn<bool>("restore");
        QTest::newRow("fast: backup") << true << TransferStep::Backup << false;
        QTest::newRow("fast: writes, restored") << true << TransferStep::Write << true;
        QTest::newRow("fast: verify") << true << TransferStep::VerifyWritten << false;
        QTest::newRow("tick: writes, restored") << false << TransferStep::Write << true;
    }
    void stopInEachStepOfAStore()
    {
        QFETCH(bool, fast);
        QFETCH(TransferStep, step);
        QFETCH(bool, restore);
        App app({QStringLiteral("--type"), QStringLiteral("S"), QStringLiteral("--version"), QStringLiteral("0x14")});
        auto *fastItem = app.window->findChild<QAction *>(QStringLiteral("RychlyPrenos1"));
        fastItem->trigger(); // reading what the module holds goes fast in every row
        app.window->findChild<QAction *>(QStringLiteral("Nastdatazmodulu1"))->trigger();
        app.RunUntilIdle();
        const ImageBytes before = app.data.ConfigImage;
        for (int a = AddressCodeByte + 1; a <= LastTransferAddress; ++a)
            app.data.ConfigImage[a] ^= 0x11;
        const ImageBytes edited = app.data.ConfigImage;
        if (!fast)
            fastItem->trigger();
        app.prompts.EitherAnswer = restore;
        app.StoreAll();
        TransferController &ctl = app.window->Controller();
        const auto far = [&] {
            return ctl.CurrentStep() == step &&
                   (step == TransferStep::Write ? ctl.AcknowledgedCount() >= 20 : ctl.CurrentAddress() >= 30);
        };
        for (int t = 0; t < 3000 && !ctl.IsIdle() && !far(); ++t) {
            WaitForReply(app.port, 40, far);
            if (!far())
                app.window->Timer1Timer();
        }
        QVERIFY(far());
        app.window->findChild<QAbstractButton *>(QStringLiteral("BTstop1"))->click();
        app.RunUntilIdle(); // the stop, and the restore when it was asked for
        QCOMPARE(ctl.StoppedStep(), step);
        const QStringList said = app.prompts.Shown;
        QCOMPARE(said.filter(QStringLiteral("either: ")).size(), step == TransferStep::Write ? 1 : 0);
        if (step == TransferStep::VerifyWritten)
            QVERIFY(said.filter(QStringLiteral("zapsaly všechny bajty")).size() == 1);

        // What the module holds now, read back.
        if (!fast)
            fastItem->trigger();
        app.prompts.Shown.clear();
        app.window->findChild<QAction *>(QStringLiteral("Nastdatazmodulu1"))->trigger();
        app.RunUntilIdle();
        const ImageBytes &expected = step == TransferStep::VerifyWritten ? edited : before;
        QVERIFY2(std::equal(expected.begin(), expected.begin() + LastTransferAddress + 1, app.data.ConfigImage.begin()),
                 qPrintable(said.join(QLatin1Char('\n'))));
        QCOMPARE(BackupStore().List().size(), std::size_t(step == TransferStep::Backup ? 0 : 1));
    }

    // The adapter pulled and plugged back: the next Test comm opens the port again by itself.
    void testCommReconnects()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("module"));
        App app({QStringLiteral("--type"), QStringLiteral("V"), QStringLiteral("--link"), path});
        QCOMPARE(app.TestComm(), QStringLiteral("HX7V V 1.4"));
        app.sim->Kill();
        QTRY_VERIFY_WITH_TIMEOUT(!app.link->IsOpen(), 3000); // the vanished far end closes the port
        SimProcess again({QStringLiteral("--type"), QStringLiteral("S"), QStringLiteral("--link"), path});
        QCOMPARE(app.TestComm(), QStringLiteral("HX7S V 1.4"));
        QVERIFY(app.prompts.Shown.isEmpty());
    }

    // "Najít modul" in the COM-port dialog: three modules (one of a type the program does not know) and a
    // dead mapping. The live ones answer, the dead one says why, the first answering port is chosen, and
    // the program's own port is back afterwards. Choosing the second module for COM5 maps it in [Ports]
    // on OK and opens it.
    void findModuleInTheComDialog()
    {
        SimProcess second(
            {QStringLiteral("--type"), QStringLiteral("D"), QStringLiteral("--version"), QStringLiteral("0x12")});
        SimProcess unknownType({QStringLiteral("--type"), QStringLiteral("X")});
        App app({QStringLiteral("--type"), QStringLiteral("S")},
                "COM2=/dev/hx7-no-such-device\r\nCOM3=" + second.Device.toLocal8Bit() +
                    "\r\nCOM4=" + unknownType.Device.toLocal8Bit() + "\r\n");
        QMap<QString, QString> found, why;
        bool ownPortFreed = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = app.window->findChild<QDialog *>(QStringLiteral("TOKcommDlg"));
            auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("LVports"));
            dialog->findChild<QAbstractButton *>(QStringLiteral("BTfind"))->click();
            ownPortFreed = !app.link->IsOpen();
            for (int i = 0; i < 200 && app.window->Prober().IsRunning(); ++i) {
                QTest::qWait(10);
                app.window->Timer1Timer();
            }
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                found[list->topLevelItem(i)->text(0)] = list->topLevelItem(i)->text(6);
                why[list->topLevelItem(i)->text(0)] = list->topLevelItem(i)->toolTip(6);
            }
            QCOMPARE(list->currentItem()->text(0), app.sim->Device);
            dialog->grab().save(QStringLiteral("comport-dialog.png")); // for a look, not an assertion
            list->setCurrentItem(list->findItems(second.Device, Qt::MatchExactly).value(0));
            Q_EMIT list->itemClicked(list->currentItem(), 0);
            dialog->findChild<QSpinBox *>(QStringLiteral("SEdit1"))->setValue(5);
            dialog->findChild<QAbstractButton *>(QStringLiteral("OKBtn"))->click();
        });
        QVERIFY(app.link->IsOpen());
        app.window->findChild<QAction *>(QStringLiteral("KomunikaceRS2321"))->trigger();
        QVERIFY(ownPortFreed);
        QCOMPARE(found.value(app.sim->Device), QStringLiteral("HX7S V 1.4"));
        QCOMPARE(found.value(second.Device), QStringLiteral("HX7  V 1.2"));
        QCOMPARE(found.value(unknownType.Device), QStringLiteral("typ X, verze 1.4"));
        QCOMPARE(found.value(QStringLiteral("/dev/hx7-no-such-device")), QStringLiteral("nenalezeno"));
        QVERIFY(why.value(QStringLiteral("/dev/hx7-no-such-device")).contains(QStringLiteral("neexistuje")));
        QCOMPARE(app.link->ComPortNumber, 5);
        QCOMPARE(app.TestComm(), QStringLiteral("HX7  V 1.2"));
        QFile ini(app.settings->path());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray written = ini.readAll();
        QVERIFY(written.contains("COM3=" + second.Device.toLocal8Bit() + "\r\n"));
        QVERIFY(written.contains("\r\nCOM5=" + second.Device.toLocal8Bit() + "\r\n"));
        QCOMPARE(app.prompts.Shown, QStringList{QStringLiteral("information: ") + OldFirmwareText()});
    }
};

QTEST_MAIN(TestAppSim)
#include "test_app_sim.moc"
