// SPDX-License-Identifier: GPL-3.0-or-later
// The module configuration dialog offscreen, through the controls' names.
#include "DLGkonfigHX7.h"
#include "radiogroup.h"
#include "signalview.h"
#include "spinbox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace hx7;

namespace {

struct Rig {
    Rig() { InitConfigImage(data.ConfigImage); }
    void Open() { dialog.show(); }
    void Ok() { Find<QPushButton>("BtOK1")->click(); }
    template <typename T> T *Find(const char *name) const
    {
        T *w = dialog.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QTabWidget *Pages() const { return Find<QTabWidget>("PageControl1"); }
    bool PageVisible(const char *name) const { return Pages()->isTabVisible(Pages()->indexOf(Find<QWidget>(name))); }
    void Choose(const char *list, int index)
    {
        QComboBox *box = Find<QComboBox>(list);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index); // as the user's choice raises it
    }
    QList<int> Bytes(int from, int to) const
    {
        QList<int> out;
        for (int i = from; i <= to; ++i)
            out << data.ConfigImage[i];
        return out;
    }

    SharedData data;
    bool hx7s = false;
    TFormKonfDCC dialog{data, [this] { return hx7s; }};
};

} // namespace

class TestConfigDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startUpImageAsShown()
    {
        Rig rig;
        rig.Open();
        QCOMPARE(rig.dialog.windowTitle(), QStringLiteral("Konfigurace modulu HX7"));
        QCOMPARE(rig.Find<SpinBox>("SEadresa1")->value(), 1);
        QCOMPARE(rig.Find<QLabel>("LBaddr")->text(), QStringLiteral("DCC adr=1"));
        QCOMPARE(rig.Find<SpinBox>("SEdelayVYH")->value(), 3);
        QCOMPARE(rig.Find<QLabel>("Label2txt")->text(), QStringLiteral("doba sepnutí [x 0.04 s]. 0=trvalé sepnutí"));
        QVERIFY(rig.Find<QCheckBox>("CBparovani1")->isChecked());
        QVERIFY(!rig.Find<QCheckBox>("CBmotor1")->isChecked());
        QVERIFY(rig.Find<QCheckBox>("CBnoOFFcmd")->isEnabled());
        QVERIFY(rig.Find<QCheckBox>("CBnoOFFcmd")->isChecked());
        QCOMPARE(rig.Find<RadioGroup>("RGtypZnaku")->ItemIndex(), 0);
        QVERIFY(rig.PageVisible("TabZnaky2"));
        QVERIFY(!rig.PageVisible("TabRychlost"));
        QVERIFY(!rig.PageVisible("TabSnimace4"));
        QCOMPARE(rig.Pages()->currentIndex(), 0);
        QCOMPARE(rig.Find<QComboBox>("CBnavestA")->currentText(), AspectTexts()[0]);
        QCOMPARE(rig.Find<QComboBox>("CBnavestB")->currentText(), AspectTexts()[1]);
        QCOMPARE(rig.Find<QComboBox>("CBnavestC")->currentText(), AspectTexts()[8]);
        QCOMPARE(rig.Find<QComboBox>("CBnavestD")->currentText(), AspectTexts()[4]);
        QCOMPARE(rig.Find<SignalView>("SignalViewA")->Code(), 0);
        QCOMPARE(rig.Find<SignalView>("SignalViewD")->Code(), 4);
        for (const char *list : {"CBnaslRych1", "CBnaslRych2", "CBnaslRych3", "CBnaslRych4"}) {
            QCOMPARE(rig.Find<QComboBox>(list)->currentText(), QStringLiteral("VOLNO"));
            QCOMPARE(rig.Find<QComboBox>(list)->itemText(2), QStringLiteral("definována tabulkou"));
        }
        for (const char *box : {"CBdoubleN12", "CBdoubleN34", "CBspolKolej12", "CBspolKolej34"})
            QVERIFY(!rig.Find<QCheckBox>(box)->isChecked());
        for (const char *box : {"CBsenzNav1", "CBautReleN1", "CBsenzNav2", "CBautReleN2", "CBsenzNav3", "CBautReleN3",
                                "CBsenzNav4", "CBautReleN4"})
            QVERIFY(rig.Find<QCheckBox>(box)->isChecked());
    }

    void inputsPageOnlyForHx7S()
    {
        Rig rig;
        rig.hx7s = true;
        rig.Open();
        QVERIFY(rig.PageVisible("TabSnimace4"));
        rig.dialog.hide();
        rig.hx7s = false;
        rig.Open();
        QVERIFY(!rig.PageVisible("TabSnimace4"));
    }

    // Open and OK without touching anything: byte -> value before, value after.
    void openOkKeepsBytes_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("defaults") << 7 << 0xFF << 0xFF;
        QTest::newRow("byte 7 high bits become 1, merged pairs lose the track") << 7 << 0x00 << 0xFC;
        QTest::newRow("common tracks without merge") << 7 << 0xF3 << 0xF3;
        QTest::newRow("address code 0 becomes 1") << 4 << 0 << 1;
        QTest::newRow("address code 127") << 4 << 127 << 127;
        QTest::newRow("address code 200 kept") << 4 << 200 << 200;
        QTest::newRow("ignore box off without pairing protection") << 5 << 0x3D << 0x35;
        QTest::newRow("dependent system, motor, pulse 10") << 5 << 0xA2 << 0xA2;
        QTest::newRow("pulse 15 everything on") << 5 << 0xFF << 0xFF;
        QTest::newRow("speeds") << 6 << 0x1B << 0x1B;
        QTest::newRow("inputs") << 24 << 0x5A << 0x5A;
        QTest::newRow("aspect 20 untouched") << 13 << 20 << 20;
        QTest::newRow("aspect 33 untouched") << 9 << 33 << 33;
    }
    void openOkKeepsBytes()
    {
        QFETCH(int, byte);
        QFETCH(int, before);
        QFETCH(int, after);
        Rig rig;
        rig.data.ConfigImage[byte] = static_cast<std::uint8_t>(before);
        ImageBytes expected = rig.data.ConfigImage;
        expected[byte] = static_cast<std::uint8_t>(after);
        expected[7] |= 0xF0;
        rig.Open();
        rig.Ok();
        QCOMPARE(rig.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(rig.Bytes(0, 40), QList<int>(expected.begin(), expected.begin() + 41));
    }

    // Every signal owns four distinct aspects (bytes 8+4s.. in the order A, D, C, B); switching between
    // signals shows each one's own and copies none of them over another's.
    void eachSignalShowsItsOwnAspects()
    {
        Rig rig;
        for (int i = 0; i < 16; ++i)
            rig.data.ConfigImage[AspectTableByte + i] = static_cast<std::uint8_t>(i);
        const QList<int> before = rig.Bytes(8, 23);
        rig.Open();
        for (int s : {3, 1, 4, 2, 3}) {
            rig.Find<SpinBox>("SEcisloNavSEL")->setValue(s);
            const int o = 4 * (s - 1);
            QCOMPARE(rig.Find<QComboBox>("CBnavestA")->currentIndex(), o);
            QCOMPARE(rig.Find<QComboBox>("CBnavestB")->currentIndex(), o + 3);
            QCOMPARE(rig.Find<QComboBox>("CBnavestC")->currentIndex(), o + 2);
            QCOMPARE(rig.Find<QComboBox>("CBnavestD")->currentIndex(), o + 1);
            // The pictures show the signal now selected, not the one before.
            for (const char *letter : {"A", "B", "C", "D"})
                QCOMPARE(rig.Find<SignalView>(qPrintable(QStringLiteral("SignalView") + QLatin1String(letter)))->Code(),
                         rig.Find<QComboBox>(qPrintable(QStringLiteral("CBnavest") + QLatin1String(letter)))
                             ->currentIndex());
        }
        rig.Ok();
        QCOMPARE(rig.Bytes(8, 23), before);
        rig.Find<SpinBox>("SEcisloNavSEL")->setValue(1);
    }

    // One field of the image changed at a time: exactly the control that shows it changes, to the value given.
    void eachFieldShowsInItsControl_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("shown"); // list index, or 1 for a ticked box
        QTest::newRow("speed 1") << 6 << 0xFD << "CBnaslRych1" << 1;
        QTest::newRow("speed 2") << 6 << 0xFB << "CBnaslRych2" << 2;
        QTest::newRow("speed 3") << 6 << 0xCF << "CBnaslRych3" << 0;
        QTest::newRow("speed 4") << 6 << 0x7F << "CBnaslRych4" << 1;
        QTest::newRow("merge 1-2") << 7 << 0xFE << "CBdoubleN12" << 1;
        QTest::newRow("merge 3-4") << 7 << 0xFD << "CBdoubleN34" << 1;
        QTest::newRow("common track 1-2") << 7 << 0xFB << "CBspolKolej12" << 1;
        QTest::newRow("common track 3-4") << 7 << 0xF7 << "CBspolKolej34" << 1;
        const char *inputs[8] = {"CBsenzNav1", "CBautReleN1", "CBsenzNav2", "CBautReleN2",
                                 "CBsenzNav3", "CBautReleN3", "CBsenzNav4", "CBautReleN4"};
        for (int bit = 0; bit < 8; ++bit)
            QTest::addRow("input bit %d", bit) << 24 << (0xFF & ~(1 << bit)) << inputs[bit] << 1;
    }
    void eachFieldShowsInItsControl()
    {
        QFETCH(int, byte);
        QFETCH(int, value);
        QFETCH(QString, control);
        QFETCH(int, shown);
        const QStringList controls = {"CBnaslRych1", "CBnaslRych2",   "CBnaslRych3",   "CBnaslRych4", "CBdoubleN12",
                                      "CBdoubleN34", "CBspolKolej12", "CBspolKolej34", "CBsenzNav1",  "CBautReleN1",
                                      "CBsenzNav2",  "CBautReleN2",   "CBsenzNav3",    "CBautReleN3", "CBsenzNav4",
                                      "CBautReleN4", "CBparovani1",   "CBmotor1",      "CBnoOFFcmd"};
        const auto state = [](const Rig &rig, const QString &name) {
            QWidget *w = rig.Find<QWidget>(name.toLatin1().constData());
            if (auto *list = qobject_cast<QComboBox *>(w))
                return list->currentIndex();
            return int(qobject_cast<QAbstractButton *>(w)->isChecked());
        };
        Rig plain;
        plain.data.ConfigImage[InputOptionsByte] = 0xFF;
        plain.Open();
        Rig rig;
        rig.data.ConfigImage[InputOptionsByte] = 0xFF;
        rig.data.ConfigImage[byte] = static_cast<std::uint8_t>(value);
        rig.Open();
        for (const QString &name : controls)
            QCOMPARE(state(rig, name), name == control ? shown : state(plain, name));
    }

    // The line each control adds to its tooltip; the aspect lists name the bytes of the signal selected.
    void controlsNameTheirBits_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("address keeps its hint")
            << 1 << "SEadresa1"
            << "adresa DCC, (accessory decoder)\nbajt 0x04: DCC adresa (kód adresy, 1. povel = 4 × kód − 3)";
        QTest::newRow("pulse length") << 1 << "SEdelayVYH"
                                      << "délka pulsu\nbajt 0x05, bity 4-7: délka impulsu výhybek";
        QTest::newRow("signal type") << 1 << "RGtypZnaku"
                                     << "bajt 0x05, bit 0: typ znaku (1 = uživ. volitelné)";
        QTest::newRow("motor") << 1 << "CBmotor1"
                               << "bajt 0x05, bit 2: motorový přestavník (0 = ano)";
        // What else the state of a box writes on OK is said where the box is.
        QTest::newRow("pairing protection")
            << 1 << "CBparovani1"
            << "bajt 0x05, bit 1: ochrana sepnutí obou výstupů\nNezaškrtnuté: zruší i volbu Ignorovat příkazy "
               "vypnutí výstupu; OK zapíše bajt 0x05, bit 3 = 0.";
        QTest::newRow("ignore off commands")
            << 1 << "CBnoOFFcmd"
            << "bajt 0x05, bit 3: ignorovat příkazy vypnutí výstupu\nLze zvolit jen s ochranou sepnutí obou výstupů.";
        QTest::newRow("speed 1B") << 1 << "CBnaslRych3"
                                  << "bajt 0x06, bity 4-5: následná rychlost náv. 1B";
        QTest::newRow("merge 1A 2A") << 1 << "CBdoubleN12"
                                     << "bajt 0x07, bit 0: sloučení znaku náv. 1A 2A (platí při 0)\nZaškrtnuté: OK "
                                        "zruší i společnou kolej náv. 1A+2A a zapíše bajt 0x07, bit 2 = 1.";
        QTest::newRow("merge 1B 2B") << 1 << "CBdoubleN34"
                                     << "bajt 0x07, bit 1: sloučení znaku náv. 1B 2B (platí při 0)\nZaškrtnuté: OK "
                                        "zruší i společnou kolej náv. 1B+2B a zapíše bajt 0x07, bit 3 = 1.";
        QTest::newRow("common track 1B+2B")
            << 1 << "CBspolKolej34"
            << "bajt 0x07, bit 3: společná kolej náv. 1B+2B (platí při 0)\nJe-li znak náv. 1B+2B sloučen, OK toto "
               "pole zruší a zapíše bajt 0x07, bit 3 = 1.";
        QTest::newRow("relay 2") << 1 << "CBautReleN3"
                                 << "bajt 0x18, bit 5: AUT spínání rele 2 (platí při 0)";
        const QString allFour = QStringLiteral("\nZměna kteréhokoli znaku přepíše při OK všechny čtyři bajty "
                                               "návěstidla %1 (%2); znak bez výběru se zapíše jako 255.");
        QTest::newRow("1A aspect B") << 1 << "CBnavestB"
                                     << "bajt 0x0B: Návěstidlo 1A: znak B" + allFour.arg("1A", "0x08 až 0x0B");
        QTest::newRow("2A aspect D") << 2 << "CBnavestD"
                                     << "bajt 0x0D: Návěstidlo 2A: znak D" + allFour.arg("2A", "0x0C až 0x0F");
        QTest::newRow("2B aspect B") << 4 << "CBnavestB"
                                     << "bajt 0x17: Návěstidlo 2B: znak B" + allFour.arg("2B", "0x14 až 0x17");
        QTest::newRow("2B aspect A") << 4 << "CBnavestA"
                                     << "bajt 0x14: Návěstidlo 2B: znak A" + allFour.arg("2B", "0x14 až 0x17");
    }
    void controlsNameTheirBits()
    {
        QFETCH(int, signal);
        QFETCH(QString, control);
        QFETCH(QString, toolTip);
        Rig rig;
        rig.Open();
        rig.Find<SpinBox>("SEcisloNavSEL")->setValue(3); // another signal first: its lines must not stay
        rig.Find<SpinBox>("SEcisloNavSEL")->setValue(signal);
        QCOMPARE(rig.Find<QWidget>(control.toLatin1().constData())->toolTip(), toolTip);
        rig.Find<SpinBox>("SEcisloNavSEL")->setValue(1);
    }

    // Every aspect list item carries its picture; the items, texts and indexes are those of the aspect table,
    // and a choice still raises the change that takes the aspects over.
    void aspectListsHaveAPicturePerItem_data()
    {
        QTest::addColumn<QString>("list");
        for (const char *list : {"CBnavestA", "CBnavestB", "CBnavestC", "CBnavestD"})
            QTest::newRow(list) << QString::fromLatin1(list);
    }
    void aspectListsHaveAPicturePerItem()
    {
        QFETCH(QString, list);
        Rig rig;
        rig.Open();
        auto *box = rig.Find<QComboBox>(qPrintable(list));
        QCOMPARE(box->count(), AspectCount);
        for (int k = 0; k < box->count(); ++k) {
            QCOMPARE(box->itemText(k), AspectTexts()[k]);
            QVERIFY(!box->itemIcon(k).isNull());
            QVERIFY(!box->itemIcon(k).pixmap(box->iconSize()).isNull());
        }
        rig.Choose(qPrintable(list), 14);
        rig.Ok();
        const int letter = list.back().toLatin1() - 'A';
        QCOMPARE(rig.data.ConfigImage[AspectByte(0, letter)], 14);
        QCOMPARE(rig.Find<SignalView>(qPrintable(QStringLiteral("SignalView") + list.back()))->Code(), 14);
    }

    void changingAspectBOfSignal2()
    {
        Rig rig;
        rig.Open();
        rig.Find<SpinBox>("SEcisloNavSEL")->setValue(2);
        rig.Choose("CBnavestB", 9);
        rig.Ok();
        QCOMPARE(rig.Bytes(12, 15), (QList<int>{0, 4, 8, 9}));
        QCOMPARE(rig.Bytes(8, 11), (QList<int>{0, 4, 8, 1}));
        rig.Find<SpinBox>("SEcisloNavSEL")->setValue(1);
    }

    void aspectWithoutItem()
    {
        Rig rig;
        rig.data.ConfigImage[11] = 20; // signal 1A, aspect B
        rig.data.ConfigImage[8] = 35;  // aspect A: 35 mod 32 = 3
        rig.Open();
        QCOMPARE(rig.Find<QComboBox>("CBnavestB")->currentIndex(), -1);
        QCOMPARE(rig.Find<QComboBox>("CBnavestA")->currentIndex(), 3);
        QCOMPARE(rig.Find<SignalView>("SignalViewB")->Code(), -1); // the empty head
        rig.Choose("CBnavestC", 2);
        QCOMPARE(rig.Find<SignalView>("SignalViewC")->Code(),
                 2); // touching another aspect of the same signal takes all four over
        rig.Ok();
        QCOMPARE(rig.Bytes(8, 11), (QList<int>{3, 4, 2, 255}));
    }

    void dependentSystemSwapsPages()
    {
        Rig rig;
        rig.Open();
        rig.Find<RadioGroup>("RGtypZnaku")->findChild<QAbstractButton *>(QStringLiteral("item1"))->click();
        QVERIFY(!rig.PageVisible("TabZnaky2"));
        QVERIFY(rig.PageVisible("TabRychlost"));
        rig.Ok();
        QCOMPARE(rig.data.ConfigImage[5] & 1, 0);
        QCOMPARE(rig.Bytes(8, 11), (QList<int>{0, 4, 8, 1}));
        rig.Open();
        rig.Find<RadioGroup>("RGtypZnaku")->findChild<QAbstractButton *>(QStringLiteral("item0"))->click();
        QVERIFY(rig.PageVisible("TabZnaky2"));
        QVERIFY(!rig.PageVisible("TabRychlost"));
    }

    void motorBoxSwitchesTheLabel()
    {
        Rig rig;
        rig.Open();
        rig.Find<QCheckBox>("CBmotor1")->click();
        QCOMPARE(rig.Find<QLabel>("Label2txt")->text(), QStringLiteral("doba sepnutí [x 0.32 s]. 0=trvalé sepnutí"));
        rig.Ok();
        QCOMPARE(rig.data.ConfigImage[5] & 4, 0);
    }

    void pairingProtectionRulesTheIgnoreBox()
    {
        Rig rig;
        rig.Open();
        auto *pairing = rig.Find<QCheckBox>("CBparovani1");
        auto *ignore = rig.Find<QCheckBox>("CBnoOFFcmd");
        pairing->click();
        QVERIFY(!ignore->isChecked());
        QVERIFY(!ignore->isEnabled());
        pairing->click();
        QVERIFY(ignore->isEnabled());
        QVERIFY(!ignore->isChecked());
    }

    void addressTypedAndStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("label");
        QTest::newRow("505") << "505" << 127 << "DCC adr=127";
        QTest::newRow("not a first number") << "6" << 2 << "DCC adr=2";
        QTest::newRow("above range") << "999" << 128 << "DCC adr=128";
        QTest::newRow("empty reads as minimum") << "" << 1 << "DCC adr=1";
        QTest::newRow("a lone minus reads as minimum") << "-" << 1 << "DCC adr=1";
    }
    void addressTypedAndStored()
    {
        QFETCH(QString, typed);
        QFETCH(int, code);
        QFETCH(QString, label);
        Rig rig;
        rig.data.ConfigImage[4] = 200;
        rig.Open();
        auto *box = rig.Find<SpinBox>("SEadresa1");
        QLineEdit *edit = box->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(rig.Find<QLabel>("LBaddr")->text(), label); // while typing, before the box is left
        box->CurrentValue();
        QCOMPARE(rig.Find<QLabel>("LBaddr")->text(), label);
        rig.Ok();
        QCOMPARE(int(rig.data.ConfigImage[4]), code);
    }

    void cancelChangesNothing()
    {
        Rig rig;
        rig.data.ConfigImage[7] = 0x00;
        const ImageBytes before = rig.data.ConfigImage;
        rig.Open();
        rig.Find<QCheckBox>("CBmotor1")->click();
        rig.Find<SpinBox>("SEadresa1")->setValue(101);
        rig.Choose("CBnavestA", 5);
        rig.Find<QPushButton>("BtCancel1")->click();
        QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
        QVERIFY(rig.data.ConfigImage == before);
        rig.Open(); // shows the image again, not the abandoned edits
        QCOMPARE(rig.Find<SpinBox>("SEadresa1")->value(), 1);
        QVERIFY(!rig.Find<QCheckBox>("CBmotor1")->isChecked());
        QCOMPARE(rig.Find<QComboBox>("CBnavestA")->currentIndex(), 0);
    }

    // Not assertions: pictures of every page for whoever looks at the build.
    void screenshots()
    {
        Rig rig;
        rig.hx7s = true;
        rig.Open();
        for (int page = 0; page < rig.Pages()->count(); ++page) {
            if (!rig.Pages()->isTabVisible(page)) {
                rig.Find<RadioGroup>("RGtypZnaku")->findChild<QAbstractButton *>(QStringLiteral("item1"))->click();
            }
            rig.Pages()->setCurrentIndex(page);
            QVERIFY(rig.dialog.grab().save(QStringLiteral("configdialog-%1.png").arg(page)));
        }
        // An aspect list opened.
        rig.Find<RadioGroup>("RGtypZnaku")->findChild<QAbstractButton *>(QStringLiteral("item0"))->click();
        rig.Pages()->setCurrentIndex(rig.Pages()->indexOf(rig.Find<QWidget>("TabZnaky2")));
        auto *box = rig.Find<QComboBox>("CBnavestC");
        box->showPopup();
        QVERIFY(box->view()->window()->grab().save(QStringLiteral("configdialog-aspectlist.png")));
        box->hidePopup();
    }
};

QTEST_MAIN(TestConfigDialog)
#include "test_configdialog.moc"
