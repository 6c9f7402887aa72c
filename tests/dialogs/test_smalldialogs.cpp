// SPDX-License-Identifier: GPL-3.0-or-later
// The COM-port dialog, the output-test dialog and the verify details window.
#include "DLGkonfigHX7.h"
#include "DLGmanServis2.h"
#include "DLGsetCesta1.h"
#include "DLGsetComm1.h"
#include "DLGstoreData.h"
#include "fakes.h"
#include "radiogroup.h"
#include "signalview.h"
#include "spinbox.h"
#include "transfercontroller.h"
#include "verifydetails.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

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
        QCOMPARE(rig.ctl.TransferState(), 40);
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
        QCOMPARE(rig.ctl.TransferState(), 15);
        QCOMPARE(rig.ctl.CurrentAddress(), 0);
        QVERIFY(rig.ctl.PendingCommand().isEmpty());
    }

    // Enter in a box of a dialog: where OK is the default it closes the dialog with OK; in the output test,
    // where every button moves a real output, it must press nothing.
    void enterInEachDialog_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("output test, turnout box") << "TManualForm2"
                                                  << "SEvyh1" << false;
        QTest::newRow("output test, head box") << "TManualForm2"
                                               << "SEnav1" << false;
        QTest::newRow("output test, aspect list") << "TManualForm2"
                                                  << "CBox1navest" << false;
        QTest::newRow("COM port") << "TOKcommDlg"
                                  << "SEdit1" << true;
        QTest::newRow("route editor") << "TCestaForm1"
                                      << "SEvyhC1" << true;
        QTest::newRow("store") << "TDlgStore1"
                               << "RGtypcest1" << true;
        QTest::newRow("module configuration") << "TFormKonfDCC"
                                              << "SEadresa1" << true;
        QTest::newRow("verify details: closes") << "VerifyDetails"
                                                << "TableRozdily" << true;
    }
    void enterInEachDialog()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, focus);
        QFETCH(bool, accepted);
        TestRig rig;
        SharedData data;
        std::unique_ptr<QDialog> owned;
        QDialog *d = &rig.dialog;
        if (dialog == QLatin1String("TOKcommDlg"))
            owned = std::make_unique<TOKcommDlg>([](int) { return QStringLiteral("/dev/null"); });
        else if (dialog == QLatin1String("TCestaForm1"))
            owned = std::make_unique<TCestaForm1>();
        else if (dialog == QLatin1String("TDlgStore1"))
            owned = std::make_unique<TDlgStore1>();
        else if (dialog == QLatin1String("TFormKonfDCC"))
            owned = std::make_unique<TFormKonfDCC>(data, [] { return false; });
        else if (dialog == QLatin1String("VerifyDetails"))
            owned = std::make_unique<VerifyDetails>();
        if (owned)
            d = owned.get();
        int result = -1;
        connect(d, &QDialog::finished, d, [&result](int r) { result = r; });
        d->show();
        QWidget *box = d->findChild<QWidget *>(focus);
        QVERIFY(box);
        QWidget *target = box->focusProxy() ? box->focusProxy() : box;
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(box))
            target = spin;
        d->activateWindow();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
        if (accepted) {
            QCOMPARE(result, int(QDialog::Accepted));
        } else {
            QCOMPARE(result, -1);
            QVERIFY(d->isVisible());
            QVERIFY(rig.ctl.IsIdle());
            rig.Tick();
            QVERIFY(rig.port.Written.isEmpty());
        }
    }

    // A configuration byte and a route's turnout, both of whose bytes differ: each row says what differs, with
    // its value in the program and in the module, the route rows which route. The turnout reads the same from
    // either byte, each side from both.
    void verifyDetailsRowsAndClipboard()
    {
        VerifyDetails details;
        ImageBytes program{};
        InitConfigImage(program);
        program[0xC1] = 0x01; // route 17, turnout 1: 12 (stored as 15), straight
        program[0xC2] = 0x07;
        // A longer earlier verify leaves nothing behind.
        details.SetDifferences(program, {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}});
        // In the module turnout 1 is 16 (19), diverging.
        details.SetDifferences(program, {{OutputOptionsByte, 0x3F, 0x2F}, {0xC1, 0x01, 0x02}, {0xC2, 0x07, 0x0B}});
        details.show();
        QVERIFY(!details.isModal());
        QCOMPARE(details.windowTitle(), QStringLiteral("Rozdíly proti modulu"));
        QCOMPARE(details.findChild<QLabel *>(QStringLiteral("LBpocet"))->text(), QStringLiteral("Rozdílných bajtů: 3"));
        const QString text =
            QStringLiteral("Adresa\tCesta\tPopis\tV programu\tV modulu\n"
                           "0x05 (5)\t\tSpínací výstupy: délka impulsu výhybek 3 / 2\t0x3F (63)\t0x2F (47)\n"
                           "0xC1 (193)\t17\tCesta 17: číslo výhybky 1 (vyšší bity), opakovací znak: výhybka 1 12/ R "
                           "/ 16/ O\t0x01 (1)\t0x02 (2)\n"
                           "0xC2 (194)\t17\tCesta 17: výhybky 1 a 2 (nižší bity čísla, polohy): výhybka 1 12/ R / "
                           "16/ O\t0x07 (7)\t0x0B (11)\n");
        QCOMPARE(details.findChild<QTableWidget *>(QStringLiteral("TableRozdily"))->rowCount(), 3);
        QCOMPARE(details.RowsAsText(), text);
        // A window narrower than the long description wraps it: the row grows until the whole text is in it.
        auto *table = details.findChild<QTableWidget *>(QStringLiteral("TableRozdily"));
        details.resize(520, 360);
        QTest::qWait(1);
        const QFontMetrics metrics = table->fontMetrics();
        for (int row = 0; row < table->rowCount(); ++row) {
            const QRect cell = table->visualRect(table->model()->index(row, 2));
            const QRect text = metrics.boundingRect(QRect(0, 0, cell.width() - 8, 1000), Qt::TextWordWrap,
                                                    table->item(row, 2)->text());
            QVERIFY2(text.height() <= cell.height(), qPrintable(table->item(row, 2)->text()));
        }
        QVERIFY(table->rowHeight(1) >= 2 * metrics.lineSpacing());
        QGuiApplication::clipboard()->clear();
        details.findChild<QPushButton *>(QStringLiteral("BTkopirovat"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QVERIFY(details.isVisible());
        QTest::keyClick(details.findChild<QTableWidget *>(QStringLiteral("TableRozdily")), Qt::Key_Escape);
        QVERIFY(!details.isVisible());
    }

    void keepsItsValuesAndLooks()
    {
        TestRig rig;
        QCOMPARE(rig.dialog.windowTitle(), QStringLiteral("Test  periferií"));
        auto *aspects = rig.Find<QComboBox>("CBox1navest");
        QCOMPARE(aspects->count(), 17);
        QCOMPARE(aspects->currentIndex(), -1);
        QCOMPARE(aspects->placeholderText(), QStringLiteral("kód návěsti"));
        // Each item with its picture; the preview shows what Set would send, the empty head for no choice.
        auto *preview = rig.Find<SignalView>("SignalPreview");
        QCOMPARE(preview->Code(), -1);
        for (int k = 0; k < aspects->count(); ++k)
            QVERIFY(!aspects->itemIcon(k).isNull());
        aspects->setCurrentIndex(8);
        QCOMPARE(preview->Code(), 8);
        QVERIFY(preview->FlashOn());
        QTRY_VERIFY(!preview->FlashOn()); // the white lamp of code 8 blinks
        aspects->setCurrentIndex(-1);
        QCOMPARE(preview->Code(), -1);
        QCOMPARE(rig.Find<RadioGroup>("RGvyh1")->ItemIndex(), 0);
        QVERIFY(rig.Find<QPushButton>("Button3")->font().bold());
        rig.Find<SpinBox>("SEvyh1")->setValue(3);
        rig.Find<QPushButton>("Button3")->click();
        QVERIFY(!rig.dialog.isVisible());
        rig.dialog.show();
        QCOMPARE(rig.Find<SpinBox>("SEvyh1")->value(), 3);
        aspects->setCurrentIndex(3);
        QVERIFY(rig.dialog.grab().save(QStringLiteral("outputtest.png")));
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "test_smalldialogs.moc"
