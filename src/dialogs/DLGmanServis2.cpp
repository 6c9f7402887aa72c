// The output-test dialog. It keeps its values between showings.
#include "DLGmanServis2.h"

#include "frames.h"
#include "hx7_var1.h"
#include "radiogroup.h"
#include "spinbox.h"
#include "transfercontroller.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace hx7 {

TManualForm2::TManualForm2(TransferController &controller, QWidget *parent) : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("TManualForm2"));
    setWindowTitle(tr("Test  periferií"));

    auto *LBbar1 = new QLabel(tr("přestavník č."), this);
    LBbar1->setObjectName(QStringLiteral("LBbar1"));
    SEvyh1 = new SpinBox(1, 4, 1, 1, this);
    SEvyh1->setObjectName(QStringLiteral("SEvyh1"));
    SEvyh1->setToolTip(tr("Vyberte číslo přestavníku"));
    LBbar1->setBuddy(SEvyh1);
    SEvyh1->setAccessibleName(LBbar1->text());
    RGvyh1 = new RadioGroup(tr("poloha"), {tr("rovně"), tr("odbočka")}, 2, this);
    RGvyh1->setObjectName(QStringLiteral("RGvyh1"));
    RGvyh1->SetItemIndex(0);
    auto *Button2 = new QPushButton(tr("Set"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto *Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    auto *Label1 = new QLabel(tr("návěstidlo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SEnav1 = new SpinBox(1, 4, 1, 1, this);
    SEnav1->setObjectName(QStringLiteral("SEnav1"));
    Label1->setBuddy(SEnav1);
    SEnav1->setAccessibleName(Label1->text());
    CBox1navest = new QComboBox(this);
    CBox1navest->setObjectName(QStringLiteral("CBox1navest"));
    CBox1navest->addItems(AspectTexts());
    CBox1navest->setPlaceholderText(tr("kód návěsti"));
    CBox1navest->setCurrentIndex(-1);
    CBox1navest->setAccessibleName(tr("kód návěsti"));
    auto *Button4 = new QPushButton(tr("Set"), this);
    Button4->setObjectName(QStringLiteral("Button4"));

    auto *Button3 = new QPushButton(tr("ZAVŘÍT"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
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
    layout->addWidget(Button3, 3, 0, 1, 4, Qt::AlignCenter);
    layout->setColumnStretch(2, 1);
    resize(455, 241);

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
