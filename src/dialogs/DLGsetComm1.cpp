// The COM-port dialog.
#include "DLGsetComm1.h"

#include "portprober.h"
#include "seriallink.h"
#include "spinbox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QShowEvent>
#include <QTreeWidget>

namespace hx7 {

namespace {
enum Column { Device, Description, Manufacturer, SerialNumber, VidPid, Port, Module, ColumnCount };
}

// Kept in Czech, the source language, so it can be compared; it is translated where it is shown.
const QString TOKcommDlg::BusyText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Probíhá přenos: modul lze hledat, až skončí."));

TOKcommDlg::TOKcommDlg(std::function<QString(int)> deviceName, QWidget *parent)
    : QDialog(parent), m_deviceName(std::move(deviceName))
{
    setObjectName(QStringLiteral("TOKcommDlg"));
    setWindowTitle(tr("COM port"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *LBbar1 = new QLabel(tr("port COM"), this);
    LBbar1->setObjectName(QStringLiteral("LBbar1"));
    SEdit1 = new SpinBox(1, 10, 1, 1, this);
    SEdit1->setObjectName(QStringLiteral("SEdit1"));
    LBbar1->setBuddy(SEdit1);
    SEdit1->setAccessibleName(LBbar1->text());
    // A bare number says little on this platform: show the device it opens and whether it is there.
    LBdevice = new QLabel(this);
    LBdevice->setObjectName(QStringLiteral("LBdevice"));
    LBdevice->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *LBports = new QLabel(tr("Sériové porty (výběrem přiřadíte zařízení zvolenému číslu portu):"), this);
    LBports->setObjectName(QStringLiteral("LBports"));
    LVports = new QTreeWidget(this);
    LVports->setObjectName(QStringLiteral("LVports"));
    LVports->setAccessibleName(tr("Sériové porty"));
    LVports->setRootIsDecorated(false);
    LVports->setUniformRowHeights(true);
    LVports->setAllColumnsShowFocus(true);
    LVports->setHeaderLabels(
        {tr("Zařízení"), tr("Popis"), tr("Výrobce"), tr("Sériové číslo"), tr("VID:PID"), tr("Port"), tr("Modul")});
    LBports->setBuddy(LVports);

    BTrefresh = new QPushButton(tr("Obnovit seznam"), this);
    BTrefresh->setObjectName(QStringLiteral("BTrefresh"));
    BTrefresh->setToolTip(tr("Znovu načte seznam portů, např. po připojení převodníku"));
    BTfind = new QPushButton(tr("Najít modul"), this);
    BTfind->setObjectName(QStringLiteral("BTfind"));
    BTfind->setToolTip(tr("Zeptá se na každém portu v seznamu na typ a verzi modulu"));
    LBsearch = new QLabel(this);
    LBsearch->setObjectName(QStringLiteral("LBsearch"));
    LBsearch->setWordWrap(true);

    auto *OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    auto *CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    // Enter means OK wherever the focus is; the other buttons take a click or Space.
    for (QPushButton *b : {BTrefresh, BTfind, CancelBtn})
        b->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(LBbar1, 0, 0);
    layout->addWidget(SEdit1, 0, 1);
    layout->addWidget(LBdevice, 0, 2, 1, 2);
    layout->addWidget(LBports, 1, 0, 1, 4);
    layout->addWidget(LVports, 2, 0, 1, 4);
    auto *tools = new QHBoxLayout;
    tools->addWidget(BTrefresh);
    tools->addWidget(BTfind);
    tools->addWidget(LBsearch, 1);
    layout->addLayout(tools, 3, 0, 1, 4);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons, 4, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(2, 1);
    resize(720, 320);

    connect(SEdit1, &QSpinBox::valueChanged, this, &TOKcommDlg::ShowDevice);
    connect(LVports, &QTreeWidget::itemClicked, this, &TOKcommDlg::ItemChosen);
    connect(LVports, &QTreeWidget::itemActivated, this, &TOKcommDlg::ItemChosen);
    connect(BTrefresh, &QPushButton::clicked, this, &TOKcommDlg::FillList);
    connect(BTfind, &QPushButton::clicked, this, &TOKcommDlg::FindModule);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        OKBtnClick();
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    BTfind->setEnabled(false);
}

void TOKcommDlg::SetSearch(Search search)
{
    m_search = std::move(search);
    BTfind->setEnabled(m_search.prober != nullptr);
    if (!m_search.prober)
        return;
    connect(m_search.prober, &PortProber::Trying, this, &TOKcommDlg::OnTrying);
    connect(m_search.prober, &PortProber::Answered, this, &TOKcommDlg::OnAnswered);
    connect(m_search.prober, &PortProber::Finished, this, &TOKcommDlg::OnFinished);
}

void TOKcommDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOKcommDlg::FormShow()
{
    PortDevice.clear();
    LBsearch->clear();
    SEdit1->setValue(PortNumber); // clamped to 1..10
    FillList();
    ShowDevice();
}

void TOKcommDlg::done(int result)
{
    // Closing in the middle of a search ends it and gives the program its port back.
    if (m_searching) {
        m_search.prober->Stop();
        EndSearch();
    }
    QDialog::done(result);
}

void TOKcommDlg::OKBtnClick()
{
    PortNumber = SEdit1->CurrentValue();
}

void TOKcommDlg::ShowDevice()
{
    const QString device =
        !PortDevice.isEmpty() ? PortDevice : (m_deviceName ? m_deviceName(SEdit1->value()) : QString());
    bool present = !device.isEmpty() && QFileInfo::exists(device);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        present = present || (!device.isEmpty() && (info.portName() == device || info.systemLocation() == device));
    LBdevice->setText((present ? tr("zařízení: %1 (nalezeno)") : tr("zařízení: %1 (nenalezeno)")).arg(device));
}

void TOKcommDlg::FillList()
{
    LVports->clear();
    if (!m_lister)
        return;
    for (const PortEntry &e : m_lister()) {
        auto *item = new QTreeWidgetItem(LVports);
        item->setText(Device, e.device);
        item->setText(Description, PortDescription(e));
        item->setText(Manufacturer, e.manufacturer);
        item->setText(SerialNumber, e.serialNumber);
        item->setText(VidPid, e.vidPid);
        item->setText(Port, e.portNumber > 0 ? ComPortName(e.portNumber) : QString());
        item->setData(Port, Qt::UserRole, e.portNumber);
        if (!e.exists)
            item->setForeground(Device, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    for (int c = 0; c < ColumnCount; ++c)
        LVports->resizeColumnToContents(c);
}

void TOKcommDlg::ItemChosen()
{
    QTreeWidgetItem *item = LVports->currentItem();
    if (!item)
        return;
    PortDevice = item->text(Device);
    // A device that already has a number keeps it; another one takes the number in the box.
    const int n = item->data(Port, Qt::UserRole).toInt();
    if (n >= 1 && n <= 10)
        SEdit1->setValue(n);
    ShowDevice();
}

QTreeWidgetItem *TOKcommDlg::ItemFor(const QString &device) const
{
    for (int i = 0; i < LVports->topLevelItemCount(); ++i) {
        if (LVports->topLevelItem(i)->text(Device) == device)
            return LVports->topLevelItem(i);
    }
    return nullptr;
}

void TOKcommDlg::FindModule()
{
    if (!m_search.prober || m_searching)
        return;
    if (m_search.begin && !m_search.begin()) {
        LBsearch->setText(QCoreApplication::translate("hx7", BusyText.toUtf8().constData()));
        return;
    }
    QStringList devices;
    for (int i = 0; i < LVports->topLevelItemCount(); ++i) {
        LVports->topLevelItem(i)->setText(Module, QString());
        devices << LVports->topLevelItem(i)->text(Device);
    }
    m_searching = true;
    BTfind->setEnabled(false);
    BTrefresh->setEnabled(false);
    m_search.prober->Start(devices);
}

void TOKcommDlg::OnTrying(const QString &device)
{
    if (!m_searching)
        return;
    LBsearch->setText(tr("Zkouším %1 …").arg(device));
    if (QTreeWidgetItem *item = ItemFor(device)) {
        item->setText(Module, tr("zkouším…"));
        LVports->scrollToItem(item);
    }
}

QString TOKcommDlg::FailureShortText(int kind)
{
    switch (kind) {
    case OpenFailure::NoDevice:
    case OpenFailure::NotFound:
        return tr("nenalezeno");
    case OpenFailure::PermissionDenied:
        return tr("přístup odepřen");
    case OpenFailure::InUse:
        return tr("používá jiný program");
    case OpenFailure::Other:
        return tr("nelze otevřít");
    default:
        return tr("neodpovídá");
    }
}

void TOKcommDlg::OnAnswered(const ProbeResult &result)
{
    if (!m_searching)
        return;
    QTreeWidgetItem *item = ItemFor(result.device);
    if (!item)
        return;
    if (!result.answer.isEmpty()) {
        item->setText(Module, result.answer);
        item->setToolTip(Module, QString());
    } else {
        item->setText(Module, FailureShortText(result.failure.kind));
        item->setToolTip(Module, SerialLink::OpenFailureReason(result.failure));
    }
}

void TOKcommDlg::OnFinished()
{
    if (!m_searching)
        return;
    EndSearch();
    const QString found = m_search.prober->FirstAnswering();
    QTreeWidgetItem *item = ItemFor(found);
    if (!item) {
        LBsearch->setText(tr("Na žádném portu modul neodpověděl."));
        return;
    }
    LBsearch->setText(tr("Modul nalezen: %1 (%2)").arg(found, item->text(Module)));
    LVports->setCurrentItem(item);
    ItemChosen();
}

void TOKcommDlg::EndSearch()
{
    m_searching = false;
    BTfind->setEnabled(true);
    BTrefresh->setEnabled(true);
    if (m_search.end)
        m_search.end();
}

} // namespace hx7
