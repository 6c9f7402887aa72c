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

    // The dialog's working copy of the aspect table: codes by signal and aspect letter.
    AspectTable AspectWorkCopy{};

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
    std::array<QComboBox *, AspectsPerSignal> m_aspectLists{}; // CBnavestA, B, C, D
    std::array<QCheckBox *, PairCount> m_mergeBoxes{};         // CBdoubleN12, CBdoubleN34
    std::array<QComboBox *, SignalCount> m_speedLists{};       // CBnaslRych1..4
    std::array<QCheckBox *, SignalCount> m_clearBoxes{};       // CBsenzNav1..4
    std::array<QCheckBox *, SignalCount> m_relayBoxes{};       // CBautReleN1..4
    std::array<QCheckBox *, PairCount> m_trackBoxes{};         // CBspolKolej12, CBspolKolej34
};

} // namespace hx7
