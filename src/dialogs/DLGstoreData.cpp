// SPDX-License-Identifier: GPL-3.0-or-later
// The store dialog.
#include "DLGstoreData.h"

#include "dialogparts.h"
#include "radiogroup.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace hx7 {

TDlgStore1::TDlgStore1(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDlgStore1"));
    setWindowTitle(tr("Uložení dat do modulu"));
    // No close box: the choice is made with one of the two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    RGtypcest1 = Named(
        new RadioGroup(tr("Data"),
                       {tr("konfig. HX7_ bez cest"), tr("konfig. HX7_  + všechny  cesty"), tr("pouze vybranou cestu")},
                       1, this),
        "RGtypcest1");
    CBrst1 = Named(new QCheckBox(tr("Resetovat modul "), this), "CBrst1");
    CBzaloha1 = Named(new QCheckBox(tr("Zálohovat modul před uložením"), this), "CBzaloha1");
    CBzaloha1->setToolTip(tr("Před uložením se z modulu načte celá jeho konfigurace a uloží se do zálohy "
                             "(Přenos → Zálohy modulů). Trvá to jako čtení dat z modulu: s rychlým přenosem "
                             "asi sekundu."));
    CBoverit1 = Named(new QCheckBox(tr("Ověřit po uložení"), this), "CBoverit1");
    CBoverit1->setToolTip(tr("Po uložení se uložené bajty přečtou zpět a porovnají. Při rozdílu se modul "
                             "neresetuje a rozdíly se vypíšou."));
    SetSafety(true, true);
    auto *Button1 = Named(new QPushButton(tr("Uložit"), this), "Button1");
    Button1->setDefault(true);
    auto *Button2 = Named(new QPushButton(tr("Cancel"), this), "Button2");

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RGtypcest1);
    layout->addWidget(CBzaloha1);
    layout->addWidget(CBoverit1);
    layout->addWidget(CBrst1);
    layout->addStretch();
    layout->addLayout(Row({nullptr, Button1, Button2}));
    resize(279, 250);

    connect(Button1, &QPushButton::clicked, this, [this] {
        Button1Click();
        accept();
    });
    connect(Button2, &QPushButton::clicked, this, &TDlgStore1::reject);
}

void TDlgStore1::Button1Click()
{
    StoreScope = RGtypcest1->ItemIndex();
    ResetAfterStore = CBrst1->isChecked();
    BackupBeforeStore = CBzaloha1->isChecked();
    VerifyAfterStore = CBoverit1->isChecked();
}

void TDlgStore1::SetSafety(bool backup, bool verify)
{
    CBzaloha1->setChecked(backup);
    CBoverit1->setChecked(verify);
    BackupBeforeStore = backup;
    VerifyAfterStore = verify;
}

void TDlgStore1::reject()
{
    Button1Click();
    QDialog::reject();
}

} // namespace hx7
