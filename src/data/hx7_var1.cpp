// Start-up contents of the configuration image and the aspect texts shared by every dialog.
#include "hx7_var1.h"

#include <QCoreApplication>
#include <algorithm>

namespace hx7 {

void InitConfigImage(ImageBytes &image)
{
    std::fill(image.begin(), image.begin() + 256, std::uint8_t{0});
    std::copy(ConfigDefaults.begin(), ConfigDefaults.end(), image.begin() + AddressCodeByte);
}

const QStringList &AspectTexts()
{
    // The blanks inside and at the end belong to the texts: they line up the lamp patterns. The list is
    // built on the first call, which comes after main() has installed the translator.
    static const QStringList texts = {
        QCoreApplication::translate("hx7", "0:  [--č--]  STOP    ( posuv zakázán )"),
        QCoreApplication::translate("hx7", "1:  [-z---]  VOLNO"),
        QCoreApplication::translate("hx7", "2:  [ž----]  výstraha (příští náv. STUJ)"),
        QCoreApplication::translate("hx7", "3:  [ž*----] volno (příští náv. 40kmh)"),
        QCoreApplication::translate("hx7", "4:  [-z--ž] 40kmh (příští náv. VOLNO)"),
        QCoreApplication::translate("hx7", "5:  [žzčbž] nedef. kod Qcod- rezerva"),
        QCoreApplication::translate("hx7", "6:  [ž---ž] 40kmh (příští náv. STUJ)"),
        QCoreApplication::translate("hx7", "7:  [ž*---ž] 40kmh (příští náv. 40kmh)"),
        QCoreApplication::translate("hx7", "8:  [--čb*-] přivolávací návěst"),
        QCoreApplication::translate("hx7", "9:  [---b-]   zabezpečený posun"),
        QCoreApplication::translate("hx7", "10:[--čb-]  nezabezpečený posun"),
        QCoreApplication::translate("hx7", "11:[-z-b-]  opakovací navěst "),
        QCoreApplication::translate("hx7", "12:[ž--b-]  opakovací navěst "),
        QCoreApplication::translate("hx7", "13:[-----]  nic, zhasnuto "),
        QCoreApplication::translate("hx7", "14:[ž*--b-]  opakovací navěst "),
        QCoreApplication::translate("hx7", "15:[ž--bž]  opakovací navěst "),
        QCoreApplication::translate("hx7", "16:[ž*--bž]  opakovací navěst "),
    };
    return texts;
}

} // namespace hx7
