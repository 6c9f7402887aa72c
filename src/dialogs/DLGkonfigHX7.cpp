// SPDX-License-Identifier: GPL-3.0-or-later
// The module configuration dialog.
#include "DLGkonfigHX7.h"

#include "bitstooltip.h"
#include "dialogparts.h"
#include "radiogroup.h"
#include "signalview.h"
#include "spinbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hx7 {

namespace {

// The tooltip lines of a control that edits option index: its bits, and what the option's rules make OK write.
QStringList OptionToolTip(OptionId id, int index = 0)
{
    return QStringList{BitsLine(Option(id).bits(index))} + OptionNotes(id, index);
}

// Two upper-case hex digits, as the byte lines of the tooltips have them.
QString HexByte(int value)
{
    return QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
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
        if (MayApply && !MayApply()) {
            reject();
            return;
        }
        BtOK1Click();
        accept();
    });
    connect(BtCancel1, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(Row({nullptr, BtOK1, BtCancel1}));
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog border

    for (const FlagTie &tie : m_flagBoxes)
        if (tie.field->need.keeper == OptionNeed::Dialog)
            if (QCheckBox *by = FlagBoxOf(tie.field->need.by, tie.index))
                connect(by, &QCheckBox::clicked, this, &TFormKonfDCC::ApplyNeeds);
}

// Every control names the image bits it edits in its tooltip, and what else its state writes on OK; the
// aspect lists follow the selected signal.
QCheckBox *TFormKonfDCC::FlagBox(const QString &text, const QString &name, OptionId id, int index, QWidget *page)
{
    auto *box = Named(new QCheckBox(text, page), name);
    SetBitsToolTip(box, OptionToolTip(id, index));
    m_flagBoxes.push_back({box, &Option(id), index});
    return box;
}

QCheckBox *TFormKonfDCC::FlagBoxOf(OptionId id, int index) const
{
    for (const FlagTie &tie : m_flagBoxes)
        if (tie.field->id == id && tie.index == index)
            return tie.box;
    return nullptr;
}

QWidget *TFormKonfDCC::BuildConfigPage()
{
    auto *page = Named(new QWidget, "TabSheet1");
    SEadresa1 = Named(new SpinBox(1, 508, 4, 1, page), "SEadresa1");
    SEadresa1->setToolTip(tr("adresa DCC, (accessory decoder)"));
    SetBitsToolTip(SEadresa1, OptionToolTip(OptionId::AddressCode));
    auto *addressLabel = BuddyLabel(tr("adresa dekodéru (č. 1. povelu)"), SEadresa1, page, "LBbar1");
    LBaddr = Named(new QLabel(page), "LBaddr");
    LBaddr->setMinimumWidth(90);

    RGtypZnaku =
        Named(new RadioGroup(tr(" Návěstní znaky  "), {tr("uživ. volitelné"), tr("závislá soustava")}, 2, page),
              "RGtypZnaku");
    SetBitsToolTip(RGtypZnaku, OptionToolTip(OptionId::SignalType));
    auto *Label7 = Named(new QLabel(tr("Spínací výstupy  HX7V / M / S"), page), "Label7");
    SEdelayVYH = Named(new SpinBox(0, 15, 1, 0, page), "SEdelayVYH");
    SEdelayVYH->setToolTip(tr("délka pulsu"));
    SetBitsToolTip(SEdelayVYH, OptionToolTip(OptionId::PulseLength));
    Label2txt = BuddyLabel(QString(), SEdelayVYH, page, "Label2txt");
    SEdelayVYH->setAccessibleName(tr("délka pulsu"));
    CBmotor1 = FlagBox(tr("Motorový přestavník"), "CBmotor1", OptionId::MotorDrive, 0, page);
    CBparovani1 = FlagBox(tr("Ochrana sepnutí obou výstupů"), "CBparovani1", OptionId::PairingProtection, 0, page);
    CBnoOFFcmd = FlagBox(tr("Ignorovat příkazy vypnutí výstupu  (vypne aut. HX7)"), "CBnoOFFcmd",
                         OptionId::IgnoreOffCommands, 0, page);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(Row({addressLabel, SEadresa1, LBaddr, nullptr}));
    layout->addWidget(RGtypZnaku);
    layout->addWidget(Separator(QFrame::HLine, page));
    layout->addWidget(Label7);
    layout->addLayout(Row({SEdelayVYH, Label2txt, nullptr}));
    for (QWidget *box : {CBmotor1, CBparovani1, CBnoOFFcmd})
        layout->addWidget(box);
    layout->addStretch();

    ConnectAddress();
    CBmotor1Click(); // the label has its text before the first layout
    connect(RGtypZnaku, &RadioGroup::clicked, this, &TFormKonfDCC::RGtyp1Click);
    connect(CBmotor1, &QCheckBox::clicked, this, &TFormKonfDCC::CBmotor1Click);
    return page;
}

void TFormKonfDCC::ConnectAddress()
{
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
}

QWidget *TFormKonfDCC::BuildAspectPage()
{
    auto *page = Named(new QWidget, "TabZnaky2");
    SEcisloNavSEL = Named(new SpinBox(1, 4, 1, 1, page), "SEcisloNavSEL");
    SEcisloNavSEL->setToolTip(tr("Vyberte číslo  návěsti"));
    auto *Label11 = BuddyLabel(tr("č. návěsti (1..4 =  1A,2A,1B,2B)"), SEcisloNavSEL, page, "Label11");

    auto *lists = new QFormLayout;
    for (int a = 0; a < AspectsPerSignal; ++a) {
        const QChar letter = QLatin1Char(AspectLetterText(a));
        auto *list = Named(new QComboBox(page), QStringLiteral("CBnavest") + letter);
        list->addItems(AspectTexts());
        AddAspectIcons(list);
        list->setEditable(false);
        list->setMinimumContentsLength(30);
        lists->addRow(BuddyLabel(tr("znak %1").arg(letter), list, page), list);
        m_aspectLists[a] = list;
        // The picture follows the list at once, whether the user or the signal number changed it.
        auto *view = Named(new SignalView(page), QStringLiteral("SignalView") + letter);
        connect(list, &QComboBox::currentIndexChanged, view, [view, list] {
            view->SetCode(list->currentIndex());
            view->setToolTip(list->currentText());
        });
        m_aspectViews[a] = view;
        // Only the user's choice counts; selections made from code must not copy anything.
        connect(list, &QComboBox::activated, this, &TFormKonfDCC::CBnavestAChange);
    }

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(Row({Label11, SEcisloNavSEL, nullptr}));
    auto *top = new QHBoxLayout;
    top->addLayout(lists, 1);
    top->addLayout(AspectPictures(page));
    layout->addLayout(top);
    const QString merge[PairCount] = {tr("Sloučení  znaku náv. 1A 2A"), tr("Sloučení  znaku náv. 1B 2B")};
    const char *const names[PairCount] = {"CBdoubleN12", "CBdoubleN34"};
    for (int p = 0; p < PairCount; ++p)
        layout->addWidget(FlagBox(merge[p], names[p], OptionId::MergedPair, p, page));
    layout->addStretch();
    connect(SEcisloNavSEL, &QSpinBox::valueChanged, this, &TFormKonfDCC::SEcisloNavSELChange);
    return page;
}

QLayout *TFormKonfDCC::AspectPictures(QWidget *page)
{
    // The four chosen aspects of the selected signal side by side, each under its letter.
    auto *pictures = new QHBoxLayout;
    pictures->addStretch();
    for (int a = 0; a < AspectsPerSignal; ++a) {
        auto *column = new QVBoxLayout;
        auto *letter = new QLabel(QString(QLatin1Char(AspectLetterText(a))), page);
        letter->setAlignment(Qt::AlignHCenter);
        column->addWidget(letter);
        column->addWidget(m_aspectViews[a], 0, Qt::AlignHCenter);
        pictures->addLayout(column);
        pictures->addSpacing(12);
    }
    pictures->addStretch();
    return pictures;
}

QWidget *TFormKonfDCC::BuildSpeedPage()
{
    auto *page = Named(new QWidget, "TabRychlost");
    auto *layout = new QFormLayout(page);
    for (int s = 0; s < SignalCount; ++s) {
        auto *list = Named(new QComboBox(page), QStringLiteral("CBnaslRych%1").arg(s + 1));
        list->addItems(OptionChoices(Option(OptionId::FollowOnSpeed)));
        SetBitsToolTip(list, OptionToolTip(OptionId::FollowOnSpeed, s));
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
        columns[s / 2]->addWidget(FlagBox(tr("AUT rušit znak náv. %1").arg(SignalNames[s]),
                                          QStringLiteral("CBsenzNav%1").arg(s + 1), OptionId::AutoClearAspect, s,
                                          page));
        columns[s / 2]->addWidget(FlagBox(tr("AUT spínání rele %1").arg(s), QStringLiteral("CBautReleN%1").arg(s + 1),
                                          OptionId::AutoRelay, s, page));
    }
    const QString tracks[PairCount] = {tr("společná kolej náv. 1A+2A"), tr("společná kolej náv. 1B+2B")};
    const char *const names[PairCount] = {"CBspolKolej12", "CBspolKolej34"};
    for (int p = 0; p < PairCount; ++p)
        columns[p]->addWidget(FlagBox(tracks[p], names[p], OptionId::CommonTrack, p, page));

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

int TFormKonfDCC::AddressCode(int commandNumber) const
{
    // An address code above the box's range that nobody touched is shown (and kept) as it is.
    const bool keepCode = !m_addressTouched && m_options.AddressCode > AddressCodeFromCommand(508);
    return keepCode ? m_options.AddressCode : AddressCodeFromCommand(commandNumber);
}

void TFormKonfDCC::FormShow()
{
    m_options = DecodeOptions(m_data.ConfigImage.data());
    m_filling = true;

    PageControl1->setTabVisible(PageInputs, m_isHx7S && m_isHx7S());
    AspectWorkCopy = m_options.Aspects;
    m_addressTouched = false;
    SEadresa1->setValue(FirstCommandNumber(m_options.AddressCode));
    SEdelayVYH->setValue(m_options.PulseLength);
    RGtypZnaku->SetItemIndex(m_options.UserAspects ? 0 : 1);
    for (int s = 0; s < SignalCount; ++s)
        m_speedLists[s]->setCurrentIndex(m_options.FollowOnSpeed[s]);
    for (const FlagTie &tie : m_flagBoxes)
        tie.box->setChecked(tie.field->get(m_options, tie.index) != 0);

    m_filling = false;
    RGtyp1Click();
    SEcisloNavSELChange();
    CBmotor1Click();
    SEadresa1Change();
    ApplyNeeds();
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
        // An index the list had already raises no change.
        m_aspectViews[a]->SetCode(m_aspectLists[a]->currentIndex());
        m_aspectViews[a]->setToolTip(m_aspectLists[a]->currentText());
        SetBitsToolTip(m_aspectLists[a],
                       {BitsLine(Option(OptionId::Aspect).bits(AspectsPerSignal * s + a)),
                        tr("Změna kteréhokoli znaku přepíše při OK všechny čtyři bajty návěstidla %1 (0x%2 až "
                           "0x%3); znak bez výběru se zapíše jako 255.")
                            .arg(SignalNames[s])
                            .arg(HexByte(FirstAspectByte(s)), HexByte(FirstAspectByte(s) + AspectsPerSignal - 1))});
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
    Label2txt->setText(
        tr("doba sepnutí [x %1 s]. 0=trvalé sepnutí").arg(PulseStepSeconds(CBmotor1->isChecked()), 0, 'f', 2));
}

void TFormKonfDCC::SEadresa1Change()
{
    LBaddr->setText(tr("DCC adr=%1").arg(AddressCode(SEadresa1->TextValue())));
}

void TFormKonfDCC::ApplyNeeds()
{
    for (const FlagTie &tie : m_flagBoxes) {
        const OptionNeed &need = tie.field->need;
        QCheckBox *by = need.keeper == OptionNeed::Dialog ? FlagBoxOf(need.by, tie.index) : nullptr;
        if (!by)
            continue;
        // A box the module would not obey is stored off, so that the file says what the module does.
        const bool met = by->isChecked() == need.byOn;
        tie.box->setEnabled(met);
        if (!met)
            tie.box->setChecked(false);
    }
}

void TFormKonfDCC::BtOK1Click()
{
    m_options.AddressCode = AddressCode(SEadresa1->CurrentValue());
    m_options.Aspects = AspectWorkCopy;
    m_options.UserAspects = RGtypZnaku->ItemIndex() == 0;
    m_options.PulseLength = SEdelayVYH->CurrentValue();
    for (int s = 0; s < SignalCount; ++s)
        m_options.FollowOnSpeed[s] = std::max(0, m_speedLists[s]->currentIndex());
    for (const FlagTie &tie : m_flagBoxes)
        tie.field->set(m_options, tie.index, tie.box->isChecked());
    EncodeOptions(m_options, m_data.ConfigImage.data());
    // The boxes show what was stored: a merged pair has lost its common track.
    m_options = DecodeOptions(m_data.ConfigImage.data());
    for (const FlagTie &tie : m_flagBoxes)
        tie.box->setChecked(tie.field->get(m_options, tie.index) != 0);
}

} // namespace hx7
