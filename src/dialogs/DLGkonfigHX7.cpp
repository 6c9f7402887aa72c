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

QFrame *Line(QFrame::Shape shape, QWidget *parent)
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

bool Bit(std::uint8_t byte, int bit)
{
    return (byte >> bit) & 1;
}

// Aspect list k of signal s sits at image offset 4s + this: lists A, B, C, D hold A, B, C, D,
// which the image keeps in the order A, D, C, B.
constexpr int AspectOffset[4] = {0, 3, 2, 1};

const char *const SignalNames[4] = {"1A", "2A", "1B", "2B"};

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
    SetBitsToolTip(RGtypZnaku, {BitsLine(OutputOptionsByte, 0, 0)});
    SetBitsToolTip(CBparovani1, {BitsLine(OutputOptionsByte, 1, 1),
                                 tr("Nezaškrtnuté: zruší i volbu Ignorovat příkazy vypnutí výstupu; OK zapíše %1 = 0.")
                                     .arg(BitsText(OutputOptionsByte, 3, 3))});
    SetBitsToolTip(CBmotor1, {BitsLine(OutputOptionsByte, 2, 2)});
    SetBitsToolTip(CBnoOFFcmd,
                   {BitsLine(OutputOptionsByte, 3, 3), tr("Lze zvolit jen s ochranou sepnutí obou výstupů.")});
    SetBitsToolTip(SEdelayVYH, {BitsLine(OutputOptionsByte, 4, 7)});
    for (int k = 0; k < 4; ++k)
        SetBitsToolTip(m_speedLists[k], {BitsLine(FollowOnSpeedByte, 2 * k, 2 * k + 1)});
    // A merged pair cannot share a common track: OK writes the track's bit too (see BtOK1Click).
    const QString pairs[2] = {QStringLiteral("1A+2A"), QStringLiteral("1B+2B")};
    QCheckBox *merge[2] = {CBdoubleN12, CBdoubleN34};
    QCheckBox *track[2] = {CBspolKolej12, CBspolKolej34};
    for (int p = 0; p < 2; ++p) {
        const QString trackBit = BitsText(SignalPairByte, 2 + p, 2 + p);
        SetBitsToolTip(merge[p],
                       {BitsLine(SignalPairByte, p, p),
                        tr("Zaškrtnuté: OK zruší i společnou kolej náv. %1 a zapíše %2 = 1.").arg(pairs[p], trackBit)});
        SetBitsToolTip(track[p],
                       {BitsLine(SignalPairByte, 2 + p, 2 + p),
                        tr("Je-li znak náv. %1 sloučen, OK toto pole zruší a zapíše %2 = 1.").arg(pairs[p], trackBit)});
    }
    for (int bit = 0; bit < 8; ++bit)
        SetBitsToolTip(m_inputBoxes[bit], {BitsLine(InputOptionsByte, bit, bit)});
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
    layout->addWidget(Line(QFrame::HLine, page));
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
    static const char *const names[4] = {"CBnavestA", "CBnavestB", "CBnavestC", "CBnavestD"};
    static const char *const letters[4] = {"A", "B", "C", "D"};
    for (int k = 0; k < 4; ++k) {
        auto *list = Named(new QComboBox(page), names[k]);
        list->addItems(AspectTexts());
        list->setEditable(false);
        list->setMinimumContentsLength(30);
        lists->addRow(BuddyLabel(tr("znak %1").arg(QLatin1String(letters[k])), list, page), list);
        m_aspectLists[k] = list;
        // Only the user's choice counts; selections made from code must not copy anything.
        connect(list, &QComboBox::activated, this, &TFormKonfDCC::CBnavestAChange);
    }
    CBdoubleN12 = Named(new QCheckBox(tr("Sloučení  znaku náv. 1A 2A"), page), "CBdoubleN12");
    CBdoubleN34 = Named(new QCheckBox(tr("Sloučení  znaku náv. 1B 2B"), page), "CBdoubleN34");

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(select);
    layout->addLayout(lists);
    layout->addWidget(CBdoubleN12);
    layout->addWidget(CBdoubleN34);
    layout->addStretch();
    connect(SEcisloNavSEL, &QSpinBox::valueChanged, this, &TFormKonfDCC::SEcisloNavSELChange);
    return page;
}

QWidget *TFormKonfDCC::BuildSpeedPage()
{
    auto *page = Named(new QWidget, "TabRychlost");
    auto *layout = new QFormLayout(page);
    static const char *const names[4] = {"CBnaslRych1", "CBnaslRych2", "CBnaslRych3", "CBnaslRych4"};
    for (int k = 0; k < 4; ++k) {
        auto *list = Named(new QComboBox(page), names[k]);
        list->addItems({tr("STŮJ"), tr("40km/h"), tr("definována tabulkou"), tr("VOLNO")});
        layout->addRow(BuddyLabel(tr("pro návěsť %1").arg(QLatin1String(SignalNames[k])), list, page), list);
        m_speedLists[k] = list;
    }
    return page;
}

QWidget *TFormKonfDCC::BuildInputPage()
{
    auto *page = Named(new QWidget, "TabSnimace4");
    static const char *const names[8] = {"CBsenzNav1", "CBautReleN1", "CBsenzNav2", "CBautReleN2",
                                         "CBsenzNav3", "CBautReleN3", "CBsenzNav4", "CBautReleN4"};
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    for (int bit = 0; bit < 8; ++bit) {
        // Even bits clear a signal's aspect, odd bits switch a relay: both run over the four signals.
        const QString caption = bit % 2 == 0 ? tr("AUT rušit znak náv. %1").arg(QLatin1String(SignalNames[bit / 2]))
                                             : tr("AUT spínání rele %1").arg(bit / 2);
        m_inputBoxes[bit] = Named(new QCheckBox(caption, page), names[bit]);
        (bit < 4 ? left : right)->addWidget(m_inputBoxes[bit]);
    }
    CBspolKolej12 = Named(new QCheckBox(tr("společná kolej náv. 1A+2A"), page), "CBspolKolej12");
    CBspolKolej34 = Named(new QCheckBox(tr("společná kolej náv. 1B+2B"), page), "CBspolKolej34");
    left->addWidget(CBspolKolej12);
    right->addWidget(CBspolKolej34);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(Line(QFrame::VLine, page));
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(columns);
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
    const ImageBytes &image = m_data.ConfigImage;
    const std::uint8_t options = image[OutputOptionsByte];
    const std::uint8_t pairs = image[SignalPairByte];
    m_filling = true;

    PageControl1->setTabVisible(PageInputs, m_isHx7S && m_isHx7S());
    for (int i = 0; i < 16; ++i)
        AspectWorkCopy[i] = image[AspectTableByte + i];
    m_shownAddressCode = image[AddressCodeByte];
    m_addressTouched = false;
    SEadresa1->setValue(FirstCommandNumber(m_shownAddressCode));
    SEdelayVYH->setValue(options >> 4);
    CBparovani1->setChecked(Bit(options, 1));
    CBmotor1->setChecked(!Bit(options, 2));
    CBnoOFFcmd->setChecked(Bit(options, 3));
    CBdoubleN12->setChecked(!Bit(pairs, 0));
    CBdoubleN34->setChecked(!Bit(pairs, 1));
    CBspolKolej12->setChecked(!Bit(pairs, 2));
    CBspolKolej34->setChecked(!Bit(pairs, 3));
    RGtypZnaku->SetItemIndex(Bit(options, 0) ? 0 : 1);
    for (int k = 0; k < 4; ++k)
        m_speedLists[k]->setCurrentIndex((image[FollowOnSpeedByte] >> (2 * k)) & 3);
    for (int bit = 0; bit < 8; ++bit)
        m_inputBoxes[bit]->setChecked(!Bit(image[InputOptionsByte], bit));

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
    for (int k = 0; k < 4; ++k) {
        const int code = AspectWorkCopy[4 * s + AspectOffset[k]] % 32;
        // Codes 17..31 have no item: the list shows no choice.
        m_aspectLists[k]->setCurrentIndex(code < AspectTexts().size() ? code : -1);
        SetBitsToolTip(m_aspectLists[k],
                       {BitsLine(AspectTableByte + 4 * s + AspectOffset[k]),
                        tr("Změna kteréhokoli znaku přepíše při OK všechny čtyři bajty návěstidla %1 (0x%2 až "
                           "0x%3); znak bez výběru se zapíše jako 255.")
                            .arg(QLatin1String(SignalNames[s]))
                            .arg(AspectTableByte + 4 * s, 2, 16, QLatin1Char('0'))
                            .arg(AspectTableByte + 4 * s + 3, 2, 16, QLatin1Char('0'))});
    }
}

void TFormKonfDCC::CBnavestAChange()
{
    // All four entries of the signal are taken over, whichever list changed.
    const int s = SelectedSignal();
    for (int k = 0; k < 4; ++k)
        AspectWorkCopy[4 * s + AspectOffset[k]] = m_aspectLists[k]->currentIndex();
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
    ImageBytes &image = m_data.ConfigImage;
    for (int i = 0; i < 16; ++i)
        image[AspectTableByte + i] = static_cast<std::uint8_t>(AspectWorkCopy[i] & 0xFF);

    const int v = SEadresa1->CurrentValue();
    if (!m_addressTouched && m_shownAddressCode > AddressCodeFromCommand(508))
        image[AddressCodeByte] = static_cast<std::uint8_t>(m_shownAddressCode);
    else
        image[AddressCodeByte] = static_cast<std::uint8_t>(AddressCodeFromCommand(v));

    const int options = 16 * SEdelayVYH->CurrentValue() + (RGtypZnaku->ItemIndex() == 0 ? 1 : 0) +
                        (CBparovani1->isChecked() ? 2 : 0) + (CBmotor1->isChecked() ? 0 : 4) +
                        (CBnoOFFcmd->isChecked() ? 8 : 0);
    image[OutputOptionsByte] = static_cast<std::uint8_t>(options & 0xFF);

    // A merged pair cannot share a common track: merging switches the track off, and the box shows it.
    int pairs = 0xFF;
    if (CBdoubleN12->isChecked()) {
        pairs &= ~1;
        CBspolKolej12->setChecked(false);
    }
    if (CBdoubleN34->isChecked()) {
        pairs &= ~2;
        CBspolKolej34->setChecked(false);
    }
    if (CBspolKolej12->isChecked())
        pairs &= ~4;
    if (CBspolKolej34->isChecked())
        pairs &= ~8;
    image[SignalPairByte] = static_cast<std::uint8_t>(pairs);

    int speeds = 0;
    for (int k = 0; k < 4; ++k)
        speeds += std::max(0, m_speedLists[k]->currentIndex()) << (2 * k);
    image[FollowOnSpeedByte] = static_cast<std::uint8_t>(speeds & 0xFF);

    int inputs = 0xFF;
    for (int bit = 0; bit < 8; ++bit)
        if (m_inputBoxes[bit]->isChecked())
            inputs &= ~(1 << bit);
    image[InputOptionsByte] = static_cast<std::uint8_t>(inputs);
}

} // namespace hx7
