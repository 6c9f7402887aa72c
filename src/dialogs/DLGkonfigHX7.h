// "Konfigurace modulu HX7": every module option of image bytes 4..24. Showing fills the controls from
// the image, OK writes them all back, Cancel writes nothing.
#pragma once

#include "hx7_var1.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;

namespace hx7 {

class RadioGroup;
class SpinBox;

class TFormKonfDCC : public QDialog
{
    Q_OBJECT
public:
    // isHx7S tells whether the main menu's "Typ HX7S" carries its check mark.
    TFormKonfDCC(SharedData &data, std::function<bool()> isHx7S, QWidget *parent = nullptr);

    // The dialog's working copy of the aspect table, in image order (A, D, C, B per signal).
    std::array<int, 16> AspectWorkCopy{};

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum Page { PageConfig, PageAspects, PageSpeeds, PageInputs };

    void RGtyp1Click();
    void SEcisloNavSELChange();
    void CBnavestAChange();
    void CBmotor1Click();
    void SEadresa1Change();
    void CBparovani1Click();
    void BtOK1Click();

    QWidget *BuildConfigPage();
    QWidget *BuildAspectPage();
    QWidget *BuildSpeedPage();
    QWidget *BuildInputPage();
    void SetFixedToolTips();
    int SelectedSignal() const;

    SharedData &m_data;
    std::function<bool()> m_isHx7S;
    bool m_filling = false;
    bool m_addressTouched = false;
    int m_shownAddressCode = 0;

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
    std::array<QComboBox *, 4> m_aspectLists{}; // CBnavestA, B, C, D
    QCheckBox *CBdoubleN12;
    QCheckBox *CBdoubleN34;
    std::array<QComboBox *, 4> m_speedLists{}; // CBnaslRych1..4
    std::array<QCheckBox *, 8> m_inputBoxes{}; // byte 24 bits 0..7
    QCheckBox *CBspolKolej12;
    QCheckBox *CBspolKolej34;
};

} // namespace hx7
