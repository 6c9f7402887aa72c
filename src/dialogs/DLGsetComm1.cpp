// The COM-port dialog.
#include "DLGsetComm1.h"

#include "spinbox.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QShowEvent>

namespace hx7 {

TOKcommDlg::TOKcommDlg(std::function<QString(int)> deviceName, QWidget *parent)
    : QDialog(parent), m_deviceName(std::move(deviceName))
{
    setObjectName(QStringLiteral("TOKcommDlg"));
    setWindowTitle(QStringLiteral("COM port"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *LBbar1 = new QLabel(QStringLiteral("port COM"), this);
    LBbar1->setObjectName(QStringLiteral("LBbar1"));
    SEdit1 = new SpinBox(1, 10, 1, 1, this);
    SEdit1->setObjectName(QStringLiteral("SEdit1"));
    LBbar1->setBuddy(SEdit1);
    SEdit1->setAccessibleName(LBbar1->text());
    // A bare number says little on this platform: show the device it opens and whether it is there.
    LBdevice = new QLabel(this);
    LBdevice->setObjectName(QStringLiteral("LBdevice"));
    LBdevice->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    auto *CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(LBbar1, 0, 0);
    layout->addWidget(SEdit1, 0, 1);
    layout->addWidget(LBdevice, 1, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons, 2, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    resize(255, 125);

    connect(SEdit1, &QSpinBox::valueChanged, this, &TOKcommDlg::ShowDevice);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        OKBtnClick();
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TOKcommDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOKcommDlg::FormShow()
{
    SEdit1->setValue(PortNumber); // clamped to 1..10
    ShowDevice();
}

void TOKcommDlg::OKBtnClick()
{
    PortNumber = SEdit1->CurrentValue();
}

void TOKcommDlg::ShowDevice()
{
    const QString device = m_deviceName ? m_deviceName(SEdit1->value()) : QString();
    bool present = QFileInfo::exists(device);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        present = present || info.portName() == device || info.systemLocation() == device;
    LBdevice->setText(QStringLiteral("zařízení: ") + device +
                      (present ? QStringLiteral(" (nalezeno)") : QStringLiteral(" (nenalezeno)")));
}

} // namespace hx7
