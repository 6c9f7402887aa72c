// "COM port": which serial port the program uses.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace hx7 {

class SpinBox;

class TOKcommDlg : public QDialog
{
    Q_OBJECT
public:
    // deviceName tells which device a port number opens (the [Ports] mapping or the platform's name).
    explicit TOKcommDlg(std::function<QString(int)> deviceName, QWidget *parent = nullptr);

    int PortNumber = 1; // handed in before showing, taken back after OK

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKBtnClick();
    void ShowDevice();

    std::function<QString(int)> m_deviceName;
    SpinBox *SEdit1;
    QLabel *LBdevice;
};

} // namespace hx7
