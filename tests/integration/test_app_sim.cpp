// The whole program against the simulator: the main window with the real serial port, its settings
// file pointing COM1 at the simulator's pseudo-terminal.
#include "configtextfile.h"
#include "hx7Main.h"
#include "qtserialport.h"
#include "recordingprompts.h"
#include "simprocess.h"
#include "waitforbytes.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace hx7;
using namespace hx7test;

namespace {

struct App {
    explicit App(QStringList simArguments)
    {
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
        ini.write("[Ports]\r\nCOM1=" + sim->Device.toLocal8Bit() + "\r\n");
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
            WaitForBytes(port, 40);
            window->Timer1Timer();
        } while (window->Controller().TransferState != 0 && ++ticks < 2000);
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
};

QTEST_MAIN(TestAppSim)
#include "test_app_sim.moc"
