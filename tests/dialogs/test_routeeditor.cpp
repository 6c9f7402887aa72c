// SPDX-License-Identifier: GPL-3.0-or-later
// The route editor offscreen: loading a route, the selector's rules, the odd signal number and OK; with a layout,
// what serves each number and the layout's signals to pick the follow-on from.
#include "DLGsetCesta1.h"
#include "radiogroup.h"
#include "samplelayout.h"
#include "spinbox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace hx7;

namespace {

struct Rig {
    template <typename T> T *Find(const QString &name) const
    {
        T *w = dialog.findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    SpinBox *Turnout(int t) const { return Find<SpinBox>(QStringLiteral("SEvyhC%1").arg(t)); }
    RadioGroup *Position(int t) const { return Find<RadioGroup>(QStringLiteral("RGvyh%1").arg(t)); }
    SpinBox *Signal() const { return Find<SpinBox>(QStringLiteral("SEnavestC")); }
    QComboBox *Selector() const { return Find<QComboBox>(QStringLiteral("CBrychl1")); }
    QCheckBox *Repeat() const { return Find<QCheckBox>(QStringLiteral("CBopakNav")); }
    void Open(const RouteRecord &r, bool four = false)
    {
        dialog.RouteEditBuffer = r;
        dialog.FourTurnoutRoute = four;
        dialog.show();
    }
    void Choose(int item)
    {
        Selector()->setCurrentIndex(item);
        Q_EMIT Selector()->activated(item);
    }
    void Type(SpinBox *box, const QString &text)
    {
        QLineEdit *edit = box->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    RouteRecord Ok()
    {
        Find<QPushButton>(QStringLiteral("BtOK1"))->click();
        return dialog.RouteEditBuffer;
    }
    TCestaForm1 dialog;
};

RouteRecord Record(int speed, int repeat, int t1 = -3)
{
    RouteRecord r;
    r.TurnoutNumber.fill(-3);
    r.TurnoutNumber[0] = t1;
    r.SpeedCode = speed;
    r.RepeatFlag = static_cast<std::uint8_t>(repeat);
    return r;
}

} // namespace

class TestRouteEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // SpeedCode as opened and stored again by OK without changes.
    void speedCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("signalEnabled");
        QTest::newRow("inactive") << 0 << 0 << 0 << 1 << false;
        QTest::newRow("stop with repeat flag") << 1 << 1 << 1 << 1 << false;
        QTest::newRow("code 2") << 2 << 0 << 2 << 1 << true;
        QTest::newRow("code 255") << 255 << 1 << 2 << 507 << true;
    }
    void speedCodes()
    {
        QFETCH(int, code);
        QFETCH(int, repeat);
        QFETCH(int, item);
        QFETCH(int, signal);
        QFETCH(bool, signalEnabled);
        Rig rig;
        rig.Open(Record(code, repeat));
        QCOMPARE(rig.Selector()->currentIndex(), item);
        QCOMPARE(rig.Signal()->value(), signal);
        QCOMPARE(rig.Signal()->isEnabled(), signalEnabled);
        QCOMPARE(rig.Repeat()->isChecked(), repeat != 0); // opening keeps the stored flag
        QCOMPARE(rig.Repeat()->isEnabled(), signalEnabled);
        const RouteRecord r = rig.Ok();
        QCOMPARE(r.SpeedCode, code);
        QCOMPARE(int(r.RepeatFlag), repeat);
    }

    void typedSignalNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("code");
        QTest::newRow("4 becomes 5") << "4" << 4;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("empty reads as 1") << "" << 2;
        QTest::newRow("508 becomes 507") << "508" << 255;
        QTest::newRow("0 becomes 1") << "0" << 2;
    }
    void typedSignalNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, code);
        Rig rig;
        rig.Open(Record(3, 0));
        rig.Type(rig.Signal(), typed);
        QCOMPARE(rig.Ok().SpeedCode, code);
    }

    void clickIntoEvenSignalMakesItOdd()
    {
        Rig rig;
        rig.Open(Record(3, 0));
        rig.Type(rig.Signal(), QStringLiteral("10"));
        rig.Signal()->CurrentValue();
        QTest::mouseClick(rig.Signal()->findChild<QLineEdit *>(), Qt::LeftButton);
        QCOMPARE(rig.Signal()->value(), 11);
    }

    void usersSelectorChangesClearTheRepeatBox()
    {
        Rig rig;
        rig.Open(Record(3, 1));
        QVERIFY(rig.Repeat()->isChecked());
        rig.Choose(1); // to "STUJ"
        QVERIFY(!rig.Repeat()->isChecked());
        QVERIFY(!rig.Repeat()->isEnabled());
        QVERIFY(!rig.Signal()->isEnabled());
        RouteRecord r = rig.Ok();
        QCOMPARE(r.SpeedCode, 1);
        QCOMPARE(int(r.RepeatFlag), 0);

        rig.Open(Record(1, 0));
        rig.Repeat()->setChecked(true);
        rig.Choose(2); // back to "dle znaku návěsti": both enabled, repeat cleared, signal kept
        QVERIFY(rig.Signal()->isEnabled());
        QVERIFY(rig.Repeat()->isEnabled());
        QVERIFY(!rig.Repeat()->isChecked());
        QCOMPARE(rig.Signal()->value(), 1);
    }

    void turnoutNumbers()
    {
        Rig rig;
        RouteRecord rec = Record(0, 0, -3);
        rec.TurnoutNumber[1] = 1020;
        rec.TurnoutNumber[2] = 1500; // beyond the box: clamped
        rec.Position = {1, 0, 1, 0, 1, 0};
        rig.Open(rec);
        QCOMPARE(rig.Turnout(1)->value(), 0);
        QCOMPARE(rig.Turnout(2)->value(), 1020);
        QCOMPARE(rig.Turnout(3)->value(), 1020);
        rig.Type(rig.Turnout(2), QString()); // an emptied box stores 0
        const RouteRecord r = rig.Ok();
        QCOMPARE(r.TurnoutNumber, (std::array<int, 6>{0, 0, 1020, 0, 0, 0}));
        QCOMPARE(r.Position, (std::array<int, 6>{1, 0, 1, 0, 1, 0}));
    }

    void fourTurnoutRoute()
    {
        Rig rig;
        RouteRecord rec = Record(2, 0, 5);
        rec.TurnoutNumber[4] = 44;
        rec.TurnoutNumber[5] = 45;
        rig.Open(rec, true);
        for (int t : {5, 6}) {
            QVERIFY(!rig.Turnout(t)->isEnabled());
            QVERIFY(!rig.Position(t)->isEnabled());
            QCOMPARE(rig.Turnout(t)->value(), 0);
        }
        const RouteRecord r = rig.Ok();
        QCOMPARE(r.TurnoutNumber[4], 0);
        QCOMPARE(r.TurnoutNumber[5], 0);
        QCOMPARE(r.TurnoutNumber[0], 5);

        rig.Open(rec, false); // route 16 and below: all six enabled again
        for (int t = 1; t <= 6; ++t) {
            QVERIFY(rig.Turnout(t)->isEnabled());
            QVERIFY(rig.Position(t)->isEnabled());
        }
        QCOMPARE(rig.Turnout(5)->value(), 44);
    }

    // Each control names the bits of the route's slot it edits; a turnout number names both of its bytes.
    void controlsNameTheirBits_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("route 5, turnout 2")
            << 5 << "SEvyhC2"
            << "č. povelu výhybky\nbajt 0x4B, bity 0-6: bity 3-9 hodnoty (číslo výhybky 2 + 3)\n"
               "bajt 0x4A, bity 4-6: bity 0-2 hodnoty (číslo výhybky 2 + 3)";
        QTest::newRow("route 17, turnout 3")
            << 17 << "SEvyhC3"
            << "č. povelu výhybky\nbajt 0xC4, bity 0-6: bity 3-9 hodnoty (číslo výhybky 3 + 3)\n"
               "bajt 0xC5, bity 0-2: bity 0-2 hodnoty (číslo výhybky 3 + 3)";
        QTest::newRow("route 5, turnout 6")
            << 5 << "SEvyhC6"
            << "č. povelu výhybky\nbajt 0x51, bity 0-6: bity 3-9 hodnoty (číslo výhybky 6 + 3)\n"
               "bajt 0x50, bity 4-6: bity 0-2 hodnoty (číslo výhybky 6 + 3)";
        QTest::newRow("route 17, turnout 5") << 17 << "SEvyhC5"
                                             << "č. povelu výhybky\nneukládá se: cesty 17-24 mají jen 4 výhybky";
        QTest::newRow("route 5, position 1") << 5 << "RGvyh1"
                                             << "bajt 0x4A, bit 3: poloha výhybky 1";
        QTest::newRow("route 17, position 4") << 17 << "RGvyh4"
                                              << "bajt 0xC5, bit 7: poloha výhybky 4";
        QTest::newRow("route 1, signal") << 1 << "SEnavestC"
                                         << "číslo návěstidla= 1.povelový výstup\n"
                                            "bajt 0x20: rychlost (neaktivní, STUJ, nebo návěst podle povelu)";
        QTest::newRow("route 24, repeat") << 24 << "CBopakNav"
                                          << "bajt 0xF2, bit 7: opakovací znak";
    }
    void controlsNameTheirBits()
    {
        QFETCH(int, route);
        QFETCH(QString, control);
        QFETCH(QString, toolTip);
        Rig rig;
        rig.dialog.RouteNumber = 9; // another route first: its lines must not stay
        rig.Open(Record(0, 0));
        rig.dialog.hide();
        rig.dialog.RouteNumber = route;
        rig.Open(Record(0, 0), route > 16);
        QCOMPARE(rig.Find<QWidget>(control)->toolTip(), toolTip);
    }

    // Beside each number box, as the user types: what serves the number, or that nothing does; an even signal
    // number is named as the odd one OK stores.
    void namesBesideNumbers_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("red");
        QTest::newRow("turnout") << "SEvyhC2"
                                 << "58"
                                 << "LBvyhJmeno2"
                                 << "Odjezd Lhota, Zhlaví sudá" << false;
        QTest::newRow("unserved turnout") << "SEvyhC6"
                                          << "999"
                                          << "LBvyhJmeno6"
                                          << "na kolejišti nic" << true;
        QTest::newRow("unused turnout") << "SEvyhC1"
                                        << "0"
                                        << "LBvyhJmeno1"
                                        << "" << false;
        QTest::newRow("conflict") << "SEvyhC4"
                                  << "70"
                                  << "LBvyhJmeno4"
                                  << "Točna + Brána" << false;
        QTest::newRow("signal") << "SEnavestC"
                                << "61"
                                << "LBnavestJmeno"
                                << "Vjezd Lhota (plánovaný)" << false;
        QTest::newRow("even signal") << "SEnavestC"
                                     << "60"
                                     << "LBnavestJmeno"
                                     << "Vjezd Lhota (plánovaný)" << false;
        QTest::newRow("unserved signal") << "SEnavestC"
                                         << "101"
                                         << "LBnavestJmeno"
                                         << "na kolejišti nic" << true;
    }
    void namesBesideNumbers()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        QFETCH(QString, name);
        QFETCH(bool, red);
        Rig rig;
        const Layout layout = sample::Lhota();
        rig.dialog.Names = NamesOf(layout, MakeAddressPlan(layout));
        rig.Open(Record(2, 0, 57));
        QCOMPARE(rig.Find<QLabel>(QStringLiteral("LBvyhJmeno1"))->toolTip(),
                 QStringLiteral("Odjezd Lhota, Zhlaví sudá"));
        rig.Type(rig.Find<SpinBox>(box), typed);
        auto *nameLabel = rig.Find<QLabel>(label);
        QVERIFY(nameLabel->isVisible());
        QCOMPARE(nameLabel->toolTip(), name);
        QCOMPARE(nameLabel->palette().color(QPalette::WindowText) == QColor(0xC0, 0x00, 0x00), red);
    }

    // The layout's modules' odd numbers are offered; picking one puts it in the box and OK stores its speed code.
    void pickFollowOnSignal()
    {
        Rig rig;
        const Layout layout = sample::Lhota();
        rig.dialog.Names = NamesOf(layout, MakeAddressPlan(layout));
        rig.Open(Record(3, 0));
        QComboBox *offered = rig.Find<QComboBox>(QStringLiteral("CBnavestKol"));
        QVERIFY(offered->isVisible());
        QStringList items;
        for (int i = 0; i < offered->count(); ++i)
            items << offered->itemText(i);
        QCOMPARE(items, QStringList({"57: Odjezd Lhota, Zhlaví sudá", "59: Odjezd Lhota, Zhlaví sudá",
                                     "61: Vjezd Lhota (plánovaný)", "63: Vjezd Lhota (plánovaný) + Točna"}));
        QCOMPARE(offered->currentIndex(), -1); // speed code 3 names 3, none of them
        offered->setCurrentIndex(2);
        Q_EMIT offered->activated(2);
        QCOMPARE(rig.Signal()->value(), 61);
        rig.Type(rig.Signal(), QStringLiteral("57")); // typing a module's number shows it in the list
        QCOMPARE(offered->currentIndex(), 0);
        offered->setCurrentIndex(3);
        Q_EMIT offered->activated(3);
        QCOMPARE(rig.Ok().SpeedCode, 33); // 63 = 2k - 3
        rig.Choose(1);
        QVERIFY(!offered->isEnabled()); // only a follow-on by signal names one
    }

    // Without a layout the editor is as it always was: no names, no list.
    void noLayoutNoNames()
    {
        Rig rig;
        rig.Open(Record(3, 0, 57));
        for (const char *name : {"LBvyhJmeno1", "LBvyhJmeno6", "LBnavestJmeno", "CBnavestKol"})
            QVERIFY2(!rig.Find<QWidget>(QString::fromLatin1(name))->isVisible(), name);
        QCOMPARE(rig.Find<QLabel>(QStringLiteral("LBvyhJmeno1"))->text(), QString());
    }

    void cancelLeavesTheBuffer()
    {
        Rig rig;
        const RouteRecord rec = Record(7, 1, 12);
        rig.Open(rec);
        rig.Type(rig.Turnout(1), QStringLiteral("99"));
        rig.Choose(0);
        rig.Find<QPushButton>(QStringLiteral("Button1"))->click();
        QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
        QVERIFY(rig.dialog.RouteEditBuffer == rec);
    }

    void screenshot()
    {
        Rig rig;
        RouteRecord rec = Record(3, 1, 12);
        rec.Position = {0, 1, 0, 1, 0, 1};
        rig.Open(rec);
        // The right-hand column of turnouts is laid out as wide as the left-hand one.
        for (int t = 1; t <= 3; ++t) {
            QCOMPARE(rig.Turnout(t + 3)->width(), rig.Turnout(t)->width());
            QCOMPARE(rig.Position(t + 3)->width(), rig.Position(t)->width());
        }
        QVERIFY(rig.dialog.grab().save(QStringLiteral("routeeditor.png")));
    }
};

QTEST_MAIN(TestRouteEditor)
#include "test_routeeditor.moc"
