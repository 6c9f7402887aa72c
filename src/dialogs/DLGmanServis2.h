// SPDX-License-Identifier: GPL-3.0-or-later
// "Test  periferií": switches one turnout output or sets one signal aspect on the module, for testing
// the wiring. The frame is queued with the transfer controller and goes out on its next tick.
#pragma once

#include <QDialog>

class QComboBox;

namespace hx7 {

class RadioGroup;
class SpinBox;
class TransferController;

class TManualForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TManualForm2(TransferController &controller, QWidget *parent = nullptr);

private:
    void ButtonZAPclick();
    void Button4Click();

    TransferController &m_controller;
    SpinBox *SEvyh1;
    RadioGroup *RGvyh1;
    SpinBox *SEnav1;
    QComboBox *CBox1navest;
};

} // namespace hx7
