// SPDX-License-Identifier: GPL-3.0-or-later
// "Konfigurace modulu HX7": every module option of image bytes 4..24. Showing fills the controls from
// the image, OK writes them all back, Cancel writes nothing.
#pragma once

#include "hx7_var1.h"
#include "optiontable.h"

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QTabWidget;

namespace hx7 {

class RadioGroup;
class SignalView;
class SpinBox;

class TFormKonfDCC : public QDialog
{
    Q_OBJECT
public:
    // isHx7S tells whether the main menu's "Typ HX7S" carries its check mark.
    TFormKonfDCC(SharedData &data, std::function<bool()> isHx7S, QWidget *parent = nullptr);

    // The dialog's working copy of the aspect table: codes by signal and aspect letter.
    AspectTable AspectWorkCopy{};

    void FormShow();
    // Asked on OK before the values go into the image (the owner asks the user when the image was replaced
    // while the dialog was open); false closes the dialog without writing anything.
    std::function<bool()> MayApply;

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum Page { PageConfig, PageAspects, PageSpeeds, PageInputs };

    void RGtyp1Click();
    void SEcisloNavSELChange();
    void CBnavestAChange();
    void CBmotor1Click();
    void SEadresa1Change();
    // A box whose option needs another box ticked (or cleared) is cleared and disabled while it is not.
    void ApplyNeeds();
    void BtOK1Click();

    QWidget *BuildConfigPage();
    QWidget *BuildAspectPage();
    QWidget *BuildSpeedPage();
    QWidget *BuildInputPage();
    void ConnectAddress();
    QLayout *AspectPictures(QWidget *page); // under the aspect lists, with m_aspectViews
    // A check box for option id (index) of the option table, a field of m_options; its tooltip names the bits
    // and what the option's rules make OK write.
    QCheckBox *FlagBox(const QString &text, const QString &name, OptionId id, int index, QWidget *page);
    QCheckBox *FlagBoxOf(OptionId id, int index) const;
    int SelectedSignal() const;
    // The address code that the first command number in the box stands for.
    int AddressCode(int commandNumber) const;

    SharedData &m_data;
    std::function<bool()> m_isHx7S;
    ModuleOptions m_options; // decoded on show, taken from the controls on OK
    struct FlagTie {
        QCheckBox *box;
        const OptionField *field;
        int index;
    };
    std::vector<FlagTie> m_flagBoxes; // every check box with its option
    bool m_filling = false;
    bool m_addressTouched = false;

    QTabWidget *PageControl1;
    SpinBox *SEadresa1;
    QLabel *LBaddr;
    RadioGroup *RGtypZnaku;
    SpinBox *SEdelayVYH;
    QLabel *Label2txt;
    QCheckBox *CBmotor1;
    QCheckBox *CBparovani1;
    QCheckBox *CBnoOFFcmd;
    SpinBox *SEcisloNavSEL;
    std::array<QComboBox *, AspectsPerSignal> m_aspectLists{}; // CBnavestA, B, C, D
    std::array<SignalView *, AspectsPerSignal> m_aspectViews{};
    std::array<QComboBox *, SignalCount> m_speedLists{}; // CBnaslRych1..4
};

} // namespace hx7
