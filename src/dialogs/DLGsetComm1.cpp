// SPDX-License-Identifier: GPL-3.0-or-later
// The COM-port dialog.
#include "DLGsetComm1.h"

#include "dialogparts.h"
#include "portprober.h"
#include "seriallink.h"
#include "spinbox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
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

    SEdit1 = Named(new SpinBox(1, 10, 1, 1, this), "SEdit1");
    auto *LBbar1 = BuddyLabel(tr("port COM"), SEdit1, this, "LBbar1");
    // A bare number says little on this platform: show the device it opens and whether it is there.
    LBdevice = Named(new QLabel(this), "LBdevice");
    LBdevice->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *LBports =
        Named(new QLabel(tr("Sériové porty (výběrem přiřadíte zařízení zvolenému číslu portu):"), this), "LBports");
    LVports = Named(new QTreeWidget(this), "LVports");
    LVports->setAccessibleName(tr("Sériové porty"));
    LVports->setRootIsDecorated(false);
    LVports->setUniformRowHeights(true);
    LVports->setAllColumnsShowFocus(true);
    LVports->setHeaderLabels(
        {tr("Zařízení"), tr("Popis"), tr("Výrobce"), tr("Sériové číslo"), tr("VID:PID"), tr("Port"), tr("Modul")});
    LBports->setBuddy(LVports);

    BTrefresh = Named(new QPushButton(tr("Obnovit seznam"), this), "BTrefresh");
    BTrefresh->setToolTip(tr("Znovu načte seznam portů, např. po připojení převodníku"));
    BTfind = Named(new QPushButton(tr("Najít modul"), this), "BTfind");
    BTfind->setToolTip(tr("Zeptá se na každém portu v seznamu na typ a verzi modulu"));
    LBsearch = Named(new QLabel(this), "LBsearch");
    LBsearch->setWordWrap(true);

    auto *OKBtn = Named(new QPushButton(tr("OK"), this), "OKBtn");
    OKBtn->setDefault(true);
    auto *CancelBtn = Named(new QPushButton(tr("Cancel"), this), "CancelBtn");
    // Enter means OK wherever the focus is; the other buttons take a click or Space.
    for (QPushButton *b : {BTrefresh, BTfind, CancelBtn})
        b->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(LBbar1, 0, 0);
    layout->addWidget(SEdit1, 0, 1);
    layout->addWidget(LBdevice, 0, 2, 1, 2);
    layout->addWidget(LBports, 1, 0, 1, 4);
    layout->addWidget(LVports, 2, 0, 1, 4);
    QHBoxLayout *tools = Row({BTrefresh, BTfind, LBsearch});
    tools->setStretchFactor(LBsearch, 1);
    layout->addLayout(tools, 3, 0, 1, 4);
    layout->addLayout(Row({nullptr, OKBtn, CancelBtn}), 4, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(2, 1);
    resize(720, 320);

    connect(SEdit1, &QSpinBox::valueChanged, this, &TOKcommDlg::ShowDevice);
    connect(LVports, &QTreeWidget::itemClicked, this, &TOKcommDlg::ItemChosen);
    connect(LVports, &QTreeWidget::itemActivated, this, &TOKcommDlg::ItemChosen);
    connect(BTrefresh, &QPushButton::clicked, this, &TOKcommDlg::FillList);
    connect(BTfind, &QPushButton::clicked, this, &TOKcommDlg::FindModule);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        PortNumber = SEdit1->CurrentValue();
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
        // In the order of Column.
        auto *item = new QTreeWidgetItem(LVports, {e.device, PortDescription(e), e.manufacturer, e.serialNumber,
                                                   e.vidPid, e.portNumber > 0 ? ComPortName(e.portNumber) : QString()});
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
    const QList<QTreeWidgetItem *> items = LVports->findItems(device, Qt::MatchExactly, Device);
    return items.isEmpty() ? nullptr : items.constFirst();
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
    const bool answered = !result.answer.isEmpty();
    item->setText(Module, answered ? result.answer : FailureShortText(result.failure.kind));
    item->setToolTip(Module, answered ? QString() : SerialLink::OpenFailureReason(result.failure));
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
