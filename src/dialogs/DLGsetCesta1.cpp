// SPDX-License-Identifier: GPL-3.0-or-later
// The route editor.
#include "DLGsetCesta1.h"

#include "bitstooltip.h"
#include "dialogparts.h"
#include "radiogroup.h"
#include "spinbox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace hx7 {

namespace {

// The selector's items: codes 0 and 1 have one each, the codes 2..255 of the signals share the third.
enum SpeedItem { Inactive = 0, Stop = 1, BySignal = 2 };

// Room for a module's name and place beside a number box; a longer text is cut short and shown whole as its tooltip.
constexpr int NameWidth = 180;
const QColor UnservedColour(0xC0, 0x00, 0x00);

QLabel *NameLabel(QWidget *parent, const QString &name)
{
    auto *label = Named(new QLabel(parent), name);
    label->setFixedWidth(NameWidth);
    label->hide();
    return label;
}

} // namespace

TCestaForm1::TCestaForm1(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCestaForm1"));
    setWindowTitle(tr("Konfigurace návěstní cesty"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *turnouts = new QGridLayout;
    auto *Label1 = Named(new QLabel(tr("č. výh. (0=nepoužito)"), this), "Label1");
    auto *Label2 = Named(new QLabel(tr("č. výh."), this), "Label2");
    turnouts->addWidget(Label1, 0, 1);
    turnouts->addWidget(Label2, 0, 4);
    // Both number columns as wide as the longer heading, so the right-hand boxes match the left-hand ones.
    const int numberWidth = std::max(Label1->sizeHint().width(), Label2->sizeHint().width());
    turnouts->setColumnMinimumWidth(1, numberWidth);
    turnouts->setColumnMinimumWidth(4, numberWidth);
    for (int t = 0; t < TurnoutsPerRoute; ++t) {
        RGvyh[t] = Named(new RadioGroup(tr("Výhybka"), {tr("ROVNĚ"), tr("ODBOČ")}, 2, this),
                         QStringLiteral("RGvyh%1").arg(t + 1));
        RGvyh[t]->SetItemIndex(-1);
        SEvyhC[t] = Named(new SpinBox(0, 1020, 1, 0, this), QStringLiteral("SEvyhC%1").arg(t + 1));
        SEvyhC[t]->setToolTip(tr("č. povelu výhybky"));
        SEvyhC[t]->setAccessibleName(tr("č. povelu výhybky %1").arg(t + 1));
        LBvyhJmeno[t] = NameLabel(this, QStringLiteral("LBvyhJmeno%1").arg(t + 1));
        const int row = 1 + t % 3;
        const int column = t < 3 ? 0 : 3;
        turnouts->addWidget(RGvyh[t], row, column);
        turnouts->addWidget(SEvyhC[t], row, column + 1, Qt::AlignBottom);
        turnouts->addWidget(LBvyhJmeno[t], row, column + 2, Qt::AlignBottom);
        connect(SEvyhC[t], &QSpinBox::textChanged, this,
                [this, t] { ShowName(LBvyhJmeno[t], SEvyhC[t]->TextValue()); });
    }

    CBrychl1 = Named(new QComboBox(this), "CBrychl1");
    CBrychl1->addItems({tr("definice neaktivní"), tr("STUJ"), tr("dle znaku návěsti")});
    CBrychl1->setPlaceholderText(tr("kód návěsti"));
    CBrychl1->setCurrentIndex(-1);
    auto *Label4 = BuddyLabel(tr("následná rychlost"), CBrychl1, this, "Label4");

    SEnavestC = Named(new SpinBox(1, 507, 2, 1, this), "SEnavestC");
    SEnavestC->setToolTip(tr("číslo návěstidla= 1.povelový výstup"));
    auto *Label3 = BuddyLabel(tr("č. návěsti (č. povelu)"), SEnavestC, this, "Label3");
    SEnavestC->findChild<QLineEdit *>()->installEventFilter(this);

    CreateFollowOnNames();
    CBopakNav = Named(new QCheckBox(tr("opakovací znak"), this), "CBopakNav");
    auto *Image6 = Named(new SignalPicture(this), "Image6");

    auto *speed = new QVBoxLayout;
    speed->addWidget(Label4);
    speed->addWidget(CBrychl1);
    speed->addStretch();
    auto *signalBox = new QGridLayout;
    signalBox->addWidget(Label3, 0, 0);
    signalBox->addWidget(SEnavestC, 1, 0);
    signalBox->addWidget(LBnavestJmeno, 1, 1);
    signalBox->addWidget(CBnavestKol, 2, 0);
    signalBox->addWidget(CBopakNav, 3, 0);
    signalBox->addWidget(Image6, 3, 1);
    auto *lower = new QHBoxLayout;
    lower->addLayout(speed);
    lower->addSpacing(24);
    lower->addLayout(signalBox);

    auto *BtOK1 = Named(new QPushButton(tr("OK"), this), "BtOK1");
    QFont bold = BtOK1->font();
    bold.setBold(true);
    BtOK1->setFont(bold);
    BtOK1->setDefault(true);
    auto *Button1 = Named(new QPushButton(tr("Cancel"), this), "Button1");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(turnouts);
    layout->addLayout(lower);
    layout->addLayout(Row({nullptr, BtOK1, Button1, nullptr}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CBrychl1, &QComboBox::activated, this, [this] { CBrychl1Change(true); });
    connect(BtOK1, &QPushButton::clicked, this, &TCestaForm1::BtOK1Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

// What serves the follow-on signal's number, and the layout's signals to pick it from; hidden without a layout.
void TCestaForm1::CreateFollowOnNames()
{
    LBnavestJmeno = NameLabel(this, QStringLiteral("LBnavestJmeno"));
    connect(SEnavestC, &QSpinBox::textChanged, this, &TCestaForm1::SEnavestCName);
    CBnavestKol = Named(new QComboBox(this), "CBnavestKol");
    CBnavestKol->setPlaceholderText(tr("vybrat z modulů kolejiště…"));
    CBnavestKol->setToolTip(
        tr("Čísla povelů modulů kolejiště, která navazující návěst může uvést (n a n + 2 každého modulu); "
           "uloží se vybrané číslo"));
    CBnavestKol->setAccessibleName(tr("navazující návěst z modulů kolejiště"));
    CBnavestKol->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CBnavestKol->setMinimumContentsLength(12); // its list opens as wide as its items
    CBnavestKol->hide();
    connect(CBnavestKol, &QComboBox::activated, this, &TCestaForm1::CBnavestKolChange);
}

void TCestaForm1::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

bool TCestaForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == SEnavestC->findChild<QLineEdit *>())
        SEnavestCChange();
    return QDialog::eventFilter(watched, event);
}

void TCestaForm1::FormShow()
{
    const RouteRecord &r = RouteEditBuffer;
    for (int t = 0; t < TurnoutsPerRoute; ++t) {
        RGvyh[t]->SetItemIndex(r.Position[t]);
        SEvyhC[t]->setValue(r.TurnoutNumber[t]); // an unused turnout (-3) shows as 0
    }
    CBrychl1->setCurrentIndex(std::clamp(r.SpeedCode, int(Inactive), int(BySignal)));
    SEnavestC->setValue(r.SpeedCode >= 2 ? 2 * r.SpeedCode - 3 : 1); // the signal's first command number
    // Turnouts 5 and 6 do not exist in the four-turnout routes: nothing about them can be edited there.
    for (int t = 4; t < TurnoutsPerRoute; ++t) {
        if (FourTurnoutRoute)
            SEvyhC[t]->setValue(0);
        SEvyhC[t]->setEnabled(!FourTurnoutRoute);
        RGvyh[t]->setEnabled(!FourTurnoutRoute);
    }
    CBopakNav->setChecked(r.RepeatFlag != 0);
    ShowNames();
    CBrychl1Change(false);
    SetToolTips();
}

void TCestaForm1::ShowNames()
{
    const bool known = Names.Known();
    for (int t = 0; t < TurnoutsPerRoute; ++t) {
        LBvyhJmeno[t]->setVisible(known);
        ShowName(LBvyhJmeno[t], SEvyhC[t]->value());
    }
    LBnavestJmeno->setVisible(known);
    CBnavestKol->setVisible(known);
    const QSignalBlocker blocker(CBnavestKol);
    CBnavestKol->clear();
    for (const FollowOnSignal &s : Names.followOns)
        if (s.number <= SEnavestC->maximum()) // the highest a speed code can name
            CBnavestKol->addItem(s.text, s.number);
    CBnavestKol->view()->setMinimumWidth(CBnavestKol->view()->sizeHintForColumn(0) + 24);
    SEnavestCName();
}

// What serves number beside its box; nothing for 0, an unused turnout; a number nothing serves is marked.
void TCestaForm1::ShowName(QLabel *label, int number)
{
    if (!Names.Known())
        return;
    const QString serving = number > 0 ? Names.serving(number) : QString();
    const QString text = number <= 0 ? QString() : serving.isEmpty() ? tr("na kolejišti nic") : serving;
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, NameWidth));
    label->setToolTip(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     number > 0 && serving.isEmpty() ? UnservedColour : this->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

void TCestaForm1::SEnavestCName()
{
    // The number OK stores: a typed even number becomes the odd one above it.
    const int typed = SEnavestC->TextValue();
    const int number = std::min(typed % 2 ? typed : typed + 1, SEnavestC->maximum());
    ShowName(LBnavestJmeno, number);
    const QSignalBlocker blocker(CBnavestKol);
    CBnavestKol->setCurrentIndex(CBnavestKol->findData(number));
}

void TCestaForm1::CBnavestKolChange(int index)
{
    if (index >= 0)
        SEnavestC->setValue(CBnavestKol->itemData(index).toInt());
}

void TCestaForm1::SetToolTips()
{
    // The slot of the route being edited, field by field as the codec lays it out.
    const int route = std::clamp(RouteNumber, 1, RouteCount);
    const int o = RouteSlotOffset(route - 1);
    SetBitsToolTip(CBrychl1, {BitsLine(SpeedCodeBits, o)});
    SetBitsToolTip(SEnavestC, {BitsLine(SpeedCodeBits, o)});
    SetBitsToolTip(CBopakNav, {BitsLine(RepeatFlagBits, o)});
    const QString none = tr("neukládá se: cesty 17-24 mají jen 4 výhybky");
    for (int t = 0; t < TurnoutsPerRoute; ++t) {
        const TurnoutBits b = TurnoutSlotBits(t);
        const bool stored = t < SlotTurnouts(route - 1);
        SetBitsToolTip(SEvyhC[t], stored ? QStringList{BitsLine(b.high, o), BitsLine(b.low, o)} : QStringList{none});
        SetBitsToolTip(RGvyh[t], {stored ? BitsLine(b.position, o) : none});
    }
}

void TCestaForm1::CBrychl1Change(bool byUser)
{
    const bool bySignal = CBrychl1->currentIndex() == BySignal;
    SEnavestC->setEnabled(bySignal);
    CBnavestKol->setEnabled(bySignal);
    LBnavestJmeno->setEnabled(bySignal);
    CBopakNav->setEnabled(bySignal);
    // Only the user's change clears the repeat flag; opening the editor shows it as stored.
    if (byUser)
        CBopakNav->setChecked(false);
}

void TCestaForm1::SEnavestCChange()
{
    // Only a typed value can be even; the arrows step by two between odd bounds.
    const int n = SEnavestC->CurrentValue();
    if (n % 2 == 0)
        SEnavestC->setValue(n + 1);
}

void TCestaForm1::BtOK1Click()
{
    SEnavestCChange();
    RouteRecord &r = RouteEditBuffer;
    for (int t = 0; t < TurnoutsPerRoute; ++t) {
        r.Position[t] = RGvyh[t]->ItemIndex();
        r.TurnoutNumber[t] = SEvyhC[t]->CurrentValue();
    }
    const int item = CBrychl1->currentIndex();
    if (item == BySignal)
        r.SpeedCode = (SEnavestC->value() + 1) / 2 + 1; // n = 2k - 3
    else if (item != -1)                                // no choice keeps the old code
        r.SpeedCode = item;
    r.RepeatFlag = CBopakNav->isChecked() ? 1 : 0;
    accept();
}

SignalPicture::SignalPicture(QWidget *parent) : QWidget(parent)
{
    setFixedSize(105, 25);
}

void SignalPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Signal head: black body with a white, a red and a green lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(2, 2, 62, 21), 10, 10);
    const QColor lamps[3] = {Qt::white, Qt::red, QColor(0, 200, 0)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(14 + 19 * i, 12.5), 6.5, 6.5);
    }
    // Mast bar: white with two red fields.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(68, 9, 35, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawRect(QRectF(74, 9.5, 7, 6));
    p.drawRect(QRectF(88, 9.5, 7, 6));
}

} // namespace hx7
