// SPDX-License-Identifier: GPL-3.0-or-later
// "Uložení dat do modulu": what a store into the module covers, whether the module is backed up before it
// and verified after it, and whether it resets after it.
#pragma once

#include <QDialog>

class QCheckBox;

namespace hx7 {

class RadioGroup;

class TDlgStore1 : public QDialog
{
    Q_OBJECT
public:
    explicit TDlgStore1(QWidget *parent = nullptr);

    // Taken over by both buttons (and Esc), so even Cancel keeps the choice for the next showing.
    int StoreScope = -1; // 0 configuration, 1 configuration and all routes, 2 selected route, -1 none
    bool ResetAfterStore = false;
    bool BackupBeforeStore = true;
    bool VerifyAfterStore = true;
    // The two safety boxes as the settings remember them.
    void SetSafety(bool backup, bool verify);

    void reject() override;

private:
    void Button1Click();

    RadioGroup *RGtypcest1;
    QCheckBox *CBrst1;
    QCheckBox *CBzaloha1;
    QCheckBox *CBoverit1;
};

} // namespace hx7
