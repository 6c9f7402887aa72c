// The COM-port dialog and the output-test dialog.
#include "DLGmanServis2.h"
#include "DLGsetComm1.h"
#include "fakes.h"
#include "radiogroup.h"
#include "spinbox.h"
#include "transfercontroller.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace hx7;
using namespace hx7test;

namespace {

struct TestRig {
    TestRig()
    {
        link.Open(1);
        dialog.show();
    }
    template <typename T> T *Find(const char *name) const { return dialog.findChild<T *>(QLatin1String(name)); }
    void Tick()
    {
        link.ReceiveStep();
        ctl.Tick();
    }

    SharedData data;
    FakeSerialPort port;
    SerialLink link{port, [](int) { return QStringLiteral("COM1"); }};
    RecordingView view;
    TransferController ctl{data, link, view};
    TManualForm2 dialog{ctl};
};

} // namespace

class TestSmallDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void comPortClampsAndReturnsOnOk_data()
    {
        QTest::addColumn<int>("handed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("result");
        QTest::newRow("12 shows 10, OK makes 10") << 12 << true << 10 << 10;
        QTest::newRow("12, Cancel keeps 12") << 12 << false << 10 << 12;
        QTest::newRow("-2 shows 1") << -2 << true << 1 << 1;
        QTest::newRow("3") << 3 << true << 3 << 3;
    }
    void comPortClampsAndReturnsOnOk()
    {
        QFETCH(int, handed);
        QFETCH(bool, ok);
        QFETCH(int, shown);
        QFETCH(int, result);
        TOKcommDlg dialog([](int n) { return QStringLiteral("/dev/ttyS") + QString::number(n - 1); });
        dialog.PortNumber = handed;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("COM port"));
        QCOMPARE(dialog.findChild<SpinBox *>(QStringLiteral("SEdit1"))->value(), shown);
        QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("LBdevice"))
                    ->text()
                    .startsWith(QStringLiteral("zařízení: /dev/ttyS%1").arg(shown - 1)));
        dialog.findChild<QPushButton *>(ok ? QStringLiteral("OKBtn") : QStringLiteral("CancelBtn"))->click();
        QCOMPARE(dialog.PortNumber, result);
    }

    void deviceLabelSaysWhetherTheDeviceIsThere()
    {
        TOKcommDlg dialog([](int n) { return n == 1 ? QStringLiteral("/dev/null") : QStringLiteral("/dev/nothing"); });
        dialog.show();
        auto *label = dialog.findChild<QLabel *>(QStringLiteral("LBdevice"));
        QCOMPARE(label->text(), QStringLiteral("zařízení: /dev/null (nalezeno)"));
        dialog.findChild<SpinBox *>(QStringLiteral("SEdit1"))->setValue(2);
        QCOMPARE(label->text(), QStringLiteral("zařízení: /dev/nothing (nenalezeno)"));
    }

    void testFrames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("choice"); // position item or aspect index
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("turnout 3 diverging") << "Button2" << 3 << 1
                                             << QByteArray("40540500000"
                                                           "02a");
        QTest::newRow("turnout 1 straight") << "Button2" << 1 << 0
                                            << QByteArray("405400000000"
                                                          "2a");
        QTest::newRow("turnout 4 diverging") << "Button2" << 4 << 1
                                             << QByteArray("405407000000"
                                                           "2a");
        QTest::newRow("head 2 aspect 4") << "Button4" << 2 << 4 << QByteArray("404e010400002a");
        QTest::newRow("head 4 no aspect") << "Button4" << 4 << -1 << QByteArray("404e03ff00002a");
    }
    void testFrames()
    {
        QFETCH(QString, button);
        QFETCH(int, number);
        QFETCH(int, choice);
        QFETCH(QByteArray, hex);
        TestRig rig;
        if (button == QLatin1String("Button2")) {
            rig.Find<SpinBox>("SEvyh1")->setValue(number);
            rig.Find<RadioGroup>("RGvyh1")->SetItemIndex(choice);
        } else {
            rig.Find<SpinBox>("SEnav1")->setValue(number);
            rig.Find<QComboBox>("CBox1navest")->setCurrentIndex(choice);
        }
        rig.dialog.findChild<QPushButton *>(button)->click();
        rig.dialog.findChild<QPushButton *>(button)->click(); // a second click before the tick
        QCOMPARE(rig.ctl.TransferState, 40);
        rig.Tick();
        QCOMPARE(rig.port.Written.size(), 1);
        QCOMPARE(rig.port.Written[0].toHex(), hex);
        QVERIFY(rig.dialog.isVisible()); // stays open while the frame goes out
    }

    void setDuringAReadQueuesNothing()
    {
        TestRig rig;
        rig.ctl.StartRead();
        rig.Tick();
        rig.Find<QPushButton>("Button2")->click();
        rig.Find<QPushButton>("Button4")->click();
        QCOMPARE(rig.ctl.TransferState, 15);
        QCOMPARE(rig.ctl.CurrentAddress, 0);
        QVERIFY(rig.ctl.PendingCommand.isEmpty());
    }

    void keepsItsValuesAndLooks()
    {
        TestRig rig;
        QCOMPARE(rig.dialog.windowTitle(), QStringLiteral("Test  periferií"));
        auto *aspects = rig.Find<QComboBox>("CBox1navest");
        QCOMPARE(aspects->count(), 17);
        QCOMPARE(aspects->currentIndex(), -1);
        QCOMPARE(aspects->placeholderText(), QStringLiteral("kód návěsti"));
        QCOMPARE(rig.Find<RadioGroup>("RGvyh1")->ItemIndex(), 0);
        QVERIFY(rig.Find<QPushButton>("Button3")->font().bold());
        rig.Find<SpinBox>("SEvyh1")->setValue(3);
        rig.Find<QPushButton>("Button3")->click();
        QVERIFY(!rig.dialog.isVisible());
        rig.dialog.show();
        QCOMPARE(rig.Find<SpinBox>("SEvyh1")->value(), 3);
        QVERIFY(rig.dialog.grab().save(QStringLiteral("outputtest.png")));
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "test_smalldialogs.moc"
