// SPDX-License-Identifier: GPL-3.0-or-later
// The store dialog: no initial choice, both buttons take over the choice, and it is kept.
#include "DLGstoreData.h"
#include "radiogroup.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace hx7;

namespace {
QPushButton *Button(QDialog &d, const char *name)
{
    return d.findChild<QPushButton *>(QLatin1String(name));
}
RadioGroup *Group(QDialog &d)
{
    return d.findChild<RadioGroup *>(QStringLiteral("RGtypcest1"));
}
} // namespace

class TestStoreDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void looksAsDesigned()
    {
        TDlgStore1 dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Uložení dat do modulu"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(Group(dialog)->title(), QStringLiteral("Data"));
        QStringList items;
        for (QRadioButton *b : Group(dialog)->findChildren<QRadioButton *>())
            items << b->text();
        QCOMPARE(items,
                 (QStringList{"konfig. HX7_ bez cest", "konfig. HX7_  + všechny  cesty", "pouze vybranou cestu"}));
        QCOMPARE(dialog.findChild<QCheckBox *>(QStringLiteral("CBrst1"))->text(), QStringLiteral("Resetovat modul "));
        // The safety boxes are on until the user turns them off.
        for (const auto &[name, text] :
             {std::pair{"CBzaloha1", "Zálohovat modul před uložením"}, std::pair{"CBoverit1", "Ověřit po uložení"}}) {
            const auto *box = dialog.findChild<QCheckBox *>(QLatin1String(name));
            QCOMPARE(box->text(), QString::fromUtf8(text));
            QVERIFY(box->isChecked());
        }
        QVERIFY(
            dialog.findChild<QCheckBox *>(QStringLiteral("CBzaloha1"))->toolTip().contains(QStringLiteral("sekund")));
        QCOMPARE(Button(dialog, "Button1")->text(), QStringLiteral("Uložit"));
        QCOMPARE(Button(dialog, "Button2")->text(), QStringLiteral("Cancel"));
    }

    void storeWithoutChoiceGivesMinusOne()
    {
        TDlgStore1 dialog;
        dialog.show();
        QCOMPARE(Group(dialog)->ItemIndex(), -1);
        Button(dialog, "Button1")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.StoreScope, -1);
        QVERIFY(!dialog.ResetAfterStore);
    }

    void cancelKeepsTheNewChoice_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Esc key") << true;
    }
    void cancelKeepsTheNewChoice()
    {
        QFETCH(bool, escape);
        TDlgStore1 dialog;
        dialog.show();
        Group(dialog)->findChild<QRadioButton *>(QStringLiteral("item1"))->click();
        dialog.findChild<QCheckBox *>(QStringLiteral("CBrst1"))->click();
        dialog.findChild<QCheckBox *>(QStringLiteral("CBoverit1"))->click();
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            Button(dialog, "Button2")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.StoreScope, 1);
        QVERIFY(dialog.ResetAfterStore);
        QVERIFY(dialog.BackupBeforeStore);
        QVERIFY(!dialog.VerifyAfterStore);
        dialog.show(); // shown again: the last choice is still there
        QCOMPARE(Group(dialog)->ItemIndex(), 1);
        QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("CBrst1"))->isChecked());
    }
};

QTEST_MAIN(TestStoreDialog)
#include "test_storedialog.moc"
