// SPDX-License-Identifier: GPL-3.0-or-later
// The output-test dialog. It keeps its values between showings.
#include "DLGmanServis2.h"

#include "dialogparts.h"
#include "frames.h"
#include "hx7_var1.h"
#include "radiogroup.h"
#include "signalview.h"
#include "spinbox.h"
#include "transfercontroller.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace hx7 {

TManualForm2::TManualForm2(TransferController &controller, QWidget *parent) : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("TManualForm2"));
    setWindowTitle(tr("Test  periferií"));

    SEvyh1 = Named(new SpinBox(1, 4, 1, 1, this), "SEvyh1");
    SEvyh1->setToolTip(tr("Vyberte číslo přestavníku"));
    auto *LBbar1 = BuddyLabel(tr("přestavník č."), SEvyh1, this, "LBbar1");
    RGvyh1 = Named(new RadioGroup(tr("poloha"), {tr("rovně"), tr("odbočka")}, 2, this), "RGvyh1");
    RGvyh1->SetItemIndex(0);
    auto *Button2 = Named(new QPushButton(tr("Set"), this), "Button2");
    auto *Bevel1 = Named(Separator(QFrame::HLine, this), "Bevel1");

    SEnav1 = Named(new SpinBox(1, 4, 1, 1, this), "SEnav1");
    auto *Label1 = BuddyLabel(tr("návěstidlo"), SEnav1, this, "Label1");
    CBox1navest = Named(new QComboBox(this), "CBox1navest");
    CBox1navest->addItems(AspectTexts());
    AddAspectIcons(CBox1navest);
    CBox1navest->setPlaceholderText(tr("kód návěsti"));
    CBox1navest->setCurrentIndex(-1);
    CBox1navest->setAccessibleName(tr("kód návěsti"));
    auto *Button4 = Named(new QPushButton(tr("Set"), this), "Button4");
    // What Set would light: no choice goes out as 255, a code without lamps.
    auto *preview = Named(new SignalView(this), "SignalPreview");
    connect(CBox1navest, &QComboBox::currentIndexChanged, preview, [this, preview] {
        preview->SetCode(CBox1navest->currentIndex());
        preview->setToolTip(CBox1navest->currentText());
    });

    auto *Button3 = Named(new QPushButton(tr("ZAVŘÍT"), this), "Button3");
    QFont big = Button3->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    Button3->setFont(big);

    auto *layout = new QGridLayout(this);
    layout->addWidget(LBbar1, 0, 0);
    layout->addWidget(SEvyh1, 0, 1);
    layout->addWidget(RGvyh1, 0, 2);
    layout->addWidget(Button2, 0, 3);
    layout->addWidget(Bevel1, 1, 0, 1, 4);
    layout->addWidget(Label1, 2, 0);
    layout->addWidget(SEnav1, 2, 1);
    layout->addWidget(CBox1navest, 2, 2);
    layout->addWidget(Button4, 2, 3);
    layout->addWidget(preview, 2, 4, 2, 1, Qt::AlignCenter);
    layout->addWidget(Button3, 3, 0, 1, 4, Qt::AlignCenter);
    layout->setColumnStretch(2, 1);
    resize(500, 241);

    // Each button here moves a real turnout or lamp: Enter in a box must never press one of them.
    for (QPushButton *button : {Button2, Button4, Button3}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(Button2, &QPushButton::clicked, this, &TManualForm2::ButtonZAPclick);
    connect(Button4, &QPushButton::clicked, this, &TManualForm2::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
}

void TManualForm2::ButtonZAPclick()
{
    const int code = TurnoutOutputCode(SEvyh1->CurrentValue(), RGvyh1->ItemIndex() > 0);
    m_controller.QueueOneShot(TurnoutOutputFrame(code));
}

void TManualForm2::Button4Click()
{
    // No aspect chosen is index -1, which goes out as its low byte, 0xFF.
    m_controller.QueueOneShot(SignalAspectFrame(SEnav1->CurrentValue() - 1, CBox1navest->currentIndex()));
}

} // namespace hx7
