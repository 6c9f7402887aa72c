// SPDX-License-Identifier: GPL-3.0-or-later
// "Konfigurace návěstní cesty": edits a copy of one route, RouteEditBuffer; the caller puts it back on OK.
#pragma once

#include "commandnames.h"
#include "routecodec.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace hx7 {

class RadioGroup;
class SpinBox;

class TCestaForm1 : public QDialog
{
    Q_OBJECT
public:
    explicit TCestaForm1(QWidget *parent = nullptr);

    RouteRecord RouteEditBuffer;
    bool FourTurnoutRoute = false; // routes 17..24 keep only four turnouts
    int RouteNumber = 1;           // 1..24: which slot of the image the tooltips name
    CommandNames Names;            // the open layout's, to say what serves each number; empty: no layout

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CBrychl1Change(bool byUser);
    void SEnavestCChange();
    void BtOK1Click();
    void SetToolTips();
    void CreateFollowOnNames();
    void ShowNames();
    void ShowName(QLabel *label, int number);
    void SEnavestCName();
    void CBnavestKolChange(int index);

    std::array<RadioGroup *, TurnoutsPerRoute> RGvyh{};
    std::array<SpinBox *, TurnoutsPerRoute> SEvyhC{};
    QComboBox *CBrychl1;
    SpinBox *SEnavestC;
    QCheckBox *CBopakNav;
    // With a layout open: what serves each number, and the layout's signals to pick the follow-on from.
    std::array<QLabel *, TurnoutsPerRoute> LBvyhJmeno{};
    QLabel *LBnavestJmeno;
    QComboBox *CBnavestKol;
};

// The small signal picture beside the signal box.
class SignalPicture : public QWidget
{
    Q_OBJECT
public:
    explicit SignalPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace hx7
