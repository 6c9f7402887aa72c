// The module configuration dialog.
#include "DLGkonfigHX7.h"

#include "bitstooltip.h"
#include "bytemap.h"
#include "radiogroup.h"
#include "spinbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hx7 {

namespace {

template <typename T> T *Named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QFrame *Separator(QFrame::Shape shape, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *BuddyLabel(const QString &text, QWidget *buddy, QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

QString Line(BitRange f)
{
    return BitsLine(f.byte, f.firstBit, f.lastBit);
}
QString Text(BitRange f)
{
    return BitsText(f.byte, f.firstBit, f.lastBit);
}

} // namespace

TFormKonfDCC::TFormKonfDCC(SharedData &data, std::function<bool()> isHx7S, QWidget *parent)
    : QDialog(parent), m_data(data), m_isHx7S(std::move(isHx7S))
{
    setObjectName(QStringLiteral("TFormKonfDCC"));
    setWindowTitle(tr("Konfigurace modulu HX7"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    PageControl1->addTab(BuildConfigPage(), tr("konfig. HX7"));
    PageControl1->addTab(BuildAspectPage(), tr("Návěstní znaky"));
    PageControl1->addTab(BuildSpeedPage(), tr("Následná rychlost"));
    PageControl1->addTab(BuildInputPage(), tr("Vstupy HX7S"));

    auto *BtOK1 = Named(new QPushButton(tr("OK"), this), "BtOK1");
    auto *BtCancel1 = Named(new QPushButton(tr("Cancel"), this), "BtCancel1");
    BtOK1->setDefault(true);
    connect(BtOK1, &QPushButton::clicked, this, [this] {
        BtOK1Click();
        accept();
    });
    connect(BtCancel1, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOK1);
    buttons->addWidget(BtCancel1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog border
    SetFixedToolTips();
}

void TFormKonfDCC::SetFixedToolTips()
{
    // Every control names the image bits it edits, and what else its state writes on OK; the aspect lists
    // follow the selected signal.
    SetBitsToolTip(SEadresa1, {BitsLine(AddressCodeByte)});
    SetBitsToolTip(RGtypZnaku, {Line(SignalTypeBits)});
    SetBitsToolTip(CBparovani1, {Line(PairingProtectionBits),
                                 tr("Nezaškrtnuté: zruší i volbu Ignorovat příkazy vypnutí výstupu; OK zapíše %1 = 0.")
                                     .arg(Text(IgnoreOffCommandsBits))});
    SetBitsToolTip(CBmotor1, {Line(MotorDriveBits)});
    SetBitsToolTip(CBnoOFFcmd, {Line(IgnoreOffCommandsBits), tr("Lze zvolit jen s ochranou sepnutí obou výstupů.")});
    SetBitsToolTip(SEdelayVYH, {Line(PulseLengthBits)});
    for (int s = 0; s < SignalCount; ++s) {
        SetBitsToolTip(m_speedLists[s], {Line(FollowOnSpeedBits(s))});
        SetBitsToolTip(m_clearBoxes[s], {Line(AutoClearAspectBits(s))});
        SetBitsToolTip(m_relayBoxes[s], {Line(AutoRelayBits(s))});
    }
    // A merged pair cannot share a common track: OK writes the track's bit too.
    for (int p = 0; p < PairCount; ++p) {
        const QString pair = QStringLiteral("%1+%2").arg(SignalNames[2 * p], SignalNames[2 * p + 1]);
        const QString trackBit = Text(CommonTrackBits(p));
        SetBitsToolTip(m_mergeBoxes[p],
                       {Line(MergedPairBits(p)),
                        tr("Zaškrtnuté: OK zruší i společnou kolej náv. %1 a zapíše %2 = 1.").arg(pair, trackBit)});
        SetBitsToolTip(m_trackBoxes[p],
                       {Line(CommonTrackBits(p)),
                        tr("Je-li znak náv. %1 sloučen, OK toto pole zruší a zapíše %2 = 1.").arg(pair, trackBit)});
    }
}

QWidget *TFormKonfDCC::BuildConfigPage()
{
    auto *page = Named(new QWidget, "TabSheet1");
    SEadresa1 = Named(new SpinBox(1, 508, 4, 1, page), "SEadresa1");
    SEadresa1->setToolTip(tr("adresa DCC, (accessory decoder)"));
    auto *addressLabel = BuddyLabel(tr("adresa dekodéru (č. 1. povelu)"), SEadresa1, page, "LBbar1");
    LBaddr = Named(new QLabel(page), "LBaddr");
    LBaddr->setMinimumWidth(90);

    RGtypZnaku =
        Named(new RadioGroup(tr(" Návěstní znaky  "), {tr("uživ. volitelné"), tr("závislá soustava")}, 2, page),
              "RGtypZnaku");
    auto *Label7 = Named(new QLabel(tr("Spínací výstupy  HX7V / M / S"), page), "Label7");
    SEdelayVYH = Named(new SpinBox(0, 15, 1, 0, page), "SEdelayVYH");
    SEdelayVYH->setToolTip(tr("délka pulsu"));
    Label2txt = BuddyLabel(QString(), SEdelayVYH, page, "Label2txt");
    SEdelayVYH->setAccessibleName(tr("délka pulsu"));
    CBmotor1 = Named(new QCheckBox(tr("Motorový přestavník"), page), "CBmotor1");
    CBparovani1 = Named(new QCheckBox(tr("Ochrana sepnutí obou výstupů"), page), "CBparovani1");
    CBnoOFFcmd = Named(new QCheckBox(tr("Ignorovat příkazy vypnutí výstupu  (vypne aut. HX7)"), page), "CBnoOFFcmd");

    auto *address = new QHBoxLayout;
    address->addWidget(addressLabel);
    address->addWidget(SEadresa1);
    address->addWidget(LBaddr);
    address->addStretch();
    auto *pulse = new QHBoxLayout;
    pulse->addWidget(SEdelayVYH);
    pulse->addWidget(Label2txt);
    pulse->addStretch();

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(address);
    layout->addWidget(RGtypZnaku);
    layout->addWidget(Separator(QFrame::HLine, page));
    layout->addWidget(Label7);
    layout->addLayout(pulse);
    layout->addWidget(CBmotor1);
    layout->addWidget(CBparovani1);
    layout->addWidget(CBnoOFFcmd);
    layout->addStretch();

    // Any user edit of the address counts, even one that clamps back to the value shown.
    connect(SEadresa1, &QSpinBox::valueChanged, this, [this] {
        if (!m_filling)
            m_addressTouched = true;
        SEadresa1Change();
    });
    connect(SEadresa1->findChild<QLineEdit *>(), &QLineEdit::textEdited, this, [this] {
        m_addressTouched = true;
        SEadresa1Change();
    });
    CBmotor1Click(); // the label has its text before the first layout
    connect(RGtypZnaku, &RadioGroup::clicked, this, &TFormKonfDCC::RGtyp1Click);
    connect(CBmotor1, &QCheckBox::clicked, this, &TFormKonfDCC::CBmotor1Click);
    connect(CBparovani1, &QCheckBox::clicked, this, &TFormKonfDCC::CBparovani1Click);
    return page;
}

QWidget *TFormKonfDCC::BuildAspectPage()
{
    auto *page = Named(new QWidget, "TabZnaky2");
    SEcisloNavSEL = Named(new SpinBox(1, 4, 1, 1, page), "SEcisloNavSEL");
    SEcisloNavSEL->setToolTip(tr("Vyberte číslo  návěsti"));
    auto *Label11 = BuddyLabel(tr("č. návěsti (1..4 =  1A,2A,1B,2B)"), SEcisloNavSEL, page, "Label11");

    auto *select = new QHBoxLayout;
    select->addWidget(Label11);
    select->addWidget(SEcisloNavSEL);
    select->addStretch();
    auto *lists = new QFormLayout;
    for (int a = 0; a < AspectsPerSignal; ++a) {
        const QChar letter = QLatin1Char(AspectLetterText(a));
        auto *list = new QComboBox(page);
        list->setObjectName(QStringLiteral("CBnavest") + letter);
        list->addItems(AspectTexts());
        list->setEditable(false);
        list->setMinimumContentsLength(30);
        lists->addRow(BuddyLabel(tr("znak %1").arg(letter), list, page), list);
        m_aspectLists[a] = list;
        // Only the user's choice counts; selections made from code must not copy anything.
        connect(list, &QComboBox::activated, this, &TFormKonfDCC::CBnavestAChange);
    }
    m_mergeBoxes = {Named(new QCheckBox(tr("Sloučení  znaku náv. 1A 2A"), page), "CBdoubleN12"),
                    Named(new QCheckBox(tr("Sloučení  znaku náv. 1B 2B"), page), "CBdoubleN34")};

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(select);
    layout->addLayout(lists);
    for (QCheckBox *box : m_mergeBoxes)
        layout->addWidget(box);
    layout->addStretch();
    connect(SEcisloNavSEL, &QSpinBox::valueChanged, this, &TFormKonfDCC::SEcisloNavSELChange);
    return page;
}

QWidget *TFormKonfDCC::BuildSpeedPage()
{
    auto *page = Named(new QWidget, "TabRychlost");
    auto *layout = new QFormLayout(page);
    for (int s = 0; s < SignalCount; ++s) {
        auto *list = new QComboBox(page);
        list->setObjectName(QStringLiteral("CBnaslRych%1").arg(s + 1));
        list->addItems({tr("STŮJ"), tr("40km/h"), tr("definována tabulkou"), tr("VOLNO")});
        layout->addRow(BuddyLabel(tr("pro návěsť %1").arg(SignalNames[s]), list, page), list);
        m_speedLists[s] = list;
    }
    return page;
}

QWidget *TFormKonfDCC::BuildInputPage()
{
    auto *page = Named(new QWidget, "TabSnimace4");
    // The left column holds the first pair's signals and relays, the right one the second pair's.
    QVBoxLayout *columns[PairCount] = {new QVBoxLayout, new QVBoxLayout};
    for (int s = 0; s < SignalCount; ++s) {
        m_clearBoxes[s] = new QCheckBox(tr("AUT rušit znak náv. %1").arg(SignalNames[s]), page);
        m_clearBoxes[s]->setObjectName(QStringLiteral("CBsenzNav%1").arg(s + 1));
        m_relayBoxes[s] = new QCheckBox(tr("AUT spínání rele %1").arg(s), page);
        m_relayBoxes[s]->setObjectName(QStringLiteral("CBautReleN%1").arg(s + 1));
        columns[s / 2]->addWidget(m_clearBoxes[s]);
        columns[s / 2]->addWidget(m_relayBoxes[s]);
    }
    m_trackBoxes = {Named(new QCheckBox(tr("společná kolej náv. 1A+2A"), page), "CBspolKolej12"),
                    Named(new QCheckBox(tr("společná kolej náv. 1B+2B"), page), "CBspolKolej34")};
    for (int p = 0; p < PairCount; ++p)
        columns[p]->addWidget(m_trackBoxes[p]);

    auto *row = new QHBoxLayout;
    row->addLayout(columns[0]);
    row->addWidget(Separator(QFrame::VLine, page));
    row->addLayout(columns[1]);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    for (const QString &note : {tr("Pro tyto funkce nutno zrušit časové vypínání výstupů (čas=O)"),
                                tr("a zrušit ochranu sepnutí obou výstupů")}) {
        auto *label = new QLabel(note, page);
        label->setStyleSheet(QStringLiteral("color: maroon;"));
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}

void TFormKonfDCC::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

int TFormKonfDCC::SelectedSignal() const
{
    return SEcisloNavSEL->value() - 1;
}

void TFormKonfDCC::FormShow()
{
    const ModuleOptions o = DecodeOptions(m_data.ConfigImage.data());
    m_filling = true;

    PageControl1->setTabVisible(PageInputs, m_isHx7S && m_isHx7S());
    AspectWorkCopy = o.Aspects;
    m_shownAddressCode = o.AddressCode;
    m_addressTouched = false;
    SEadresa1->setValue(FirstCommandNumber(o.AddressCode));
    SEdelayVYH->setValue(o.PulseLength);
    CBparovani1->setChecked(o.PairingProtection);
    CBmotor1->setChecked(o.MotorDrive);
    CBnoOFFcmd->setChecked(o.IgnoreOffCommands);
    for (int p = 0; p < PairCount; ++p) {
        m_mergeBoxes[p]->setChecked(o.MergedPair[p]);
        m_trackBoxes[p]->setChecked(o.CommonTrack[p]);
    }
    RGtypZnaku->SetItemIndex(o.UserAspects ? 0 : 1);
    for (int s = 0; s < SignalCount; ++s) {
        m_speedLists[s]->setCurrentIndex(o.FollowOnSpeed[s]);
        m_clearBoxes[s]->setChecked(o.AutoClearAspect[s]);
        m_relayBoxes[s]->setChecked(o.AutoRelay[s]);
    }

    m_filling = false;
    RGtyp1Click();
    SEcisloNavSELChange();
    CBmotor1Click();
    SEadresa1Change();
    CBparovani1Click();
    PageControl1->setCurrentIndex(PageConfig);
}

void TFormKonfDCC::RGtyp1Click()
{
    const bool userAspects = RGtypZnaku->ItemIndex() == 0;
    PageControl1->setTabVisible(PageSpeeds, !userAspects);
    PageControl1->setTabVisible(PageAspects, userAspects);
}

void TFormKonfDCC::SEcisloNavSELChange()
{
    const int s = SelectedSignal();
    for (int a = 0; a < AspectsPerSignal; ++a) {
        const int code = AspectWorkCopy[s][a] % 32;
        // Codes 17..31 have no item: the list shows no choice.
        m_aspectLists[a]->setCurrentIndex(code < AspectTexts().size() ? code : -1);
        SetBitsToolTip(m_aspectLists[a],
                       {BitsLine(AspectByte(s, a)),
                        tr("Změna kteréhokoli znaku přepíše při OK všechny čtyři bajty návěstidla %1 (0x%2 až "
                           "0x%3); znak bez výběru se zapíše jako 255.")
                            .arg(SignalNames[s])
                            .arg(FirstAspectByte(s), 2, 16, QLatin1Char('0'))
                            .arg(FirstAspectByte(s) + AspectsPerSignal - 1, 2, 16, QLatin1Char('0'))});
    }
}

void TFormKonfDCC::CBnavestAChange()
{
    // All four entries of the signal are taken over, whichever list changed.
    const int s = SelectedSignal();
    for (int a = 0; a < AspectsPerSignal; ++a)
        AspectWorkCopy[s][a] = m_aspectLists[a]->currentIndex();
}

void TFormKonfDCC::CBmotor1Click()
{
    Label2txt->setText(CBmotor1->isChecked() ? tr("doba sepnutí [x 0.32 s]. 0=trvalé sepnutí")
                                             : tr("doba sepnutí [x 0.04 s]. 0=trvalé sepnutí"));
}

void TFormKonfDCC::SEadresa1Change()
{
    // An address code above the box's range that nobody touched is shown (and kept) as it is.
    const bool keepCode = !m_addressTouched && m_shownAddressCode > AddressCodeFromCommand(508);
    const int code = keepCode ? m_shownAddressCode : AddressCodeFromCommand(SEadresa1->TextValue());
    LBaddr->setText(tr("DCC adr=%1").arg(code));
}

void TFormKonfDCC::CBparovani1Click()
{
    CBnoOFFcmd->setEnabled(CBparovani1->isChecked());
    if (!CBparovani1->isChecked())
        CBnoOFFcmd->setChecked(false);
}

void TFormKonfDCC::BtOK1Click()
{
    ModuleOptions o;
    o.Aspects = AspectWorkCopy;
    const bool keepCode = !m_addressTouched && m_shownAddressCode > AddressCodeFromCommand(508);
    o.AddressCode = keepCode ? m_shownAddressCode : AddressCodeFromCommand(SEadresa1->CurrentValue());
    o.UserAspects = RGtypZnaku->ItemIndex() == 0;
    o.PulseLength = SEdelayVYH->CurrentValue();
    o.PairingProtection = CBparovani1->isChecked();
    o.MotorDrive = CBmotor1->isChecked();
    o.IgnoreOffCommands = CBnoOFFcmd->isChecked();
    for (int p = 0; p < PairCount; ++p) {
        o.MergedPair[p] = m_mergeBoxes[p]->isChecked();
        o.CommonTrack[p] = m_trackBoxes[p]->isChecked();
    }
    for (int s = 0; s < SignalCount; ++s) {
        o.FollowOnSpeed[s] = std::max(0, m_speedLists[s]->currentIndex());
        o.AutoClearAspect[s] = m_clearBoxes[s]->isChecked();
        o.AutoRelay[s] = m_relayBoxes[s]->isChecked();
    }
    EncodeOptions(o, m_data.ConfigImage.data());
    // The boxes show what was stored: a merged pair has lost its common track.
    const ModuleOptions stored = DecodeOptions(m_data.ConfigImage.data());
    for (int p = 0; p < PairCount; ++p)
        m_trackBoxes[p]->setChecked(stored.CommonTrack[p]);
}

} // namespace hx7
