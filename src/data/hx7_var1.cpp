// Start-up contents of the configuration image and the aspect texts shared by every dialog.
#include "hx7_var1.h"

#include <algorithm>

namespace hx7 {

void InitConfigImage(ImageBytes &image)
{
    std::fill(image.begin(), image.begin() + 256, std::uint8_t{0});
    std::copy(ConfigDefaults.begin(), ConfigDefaults.end(), image.begin() + AddressCodeByte);
}

const QStringList &AspectTexts()
{
    // The blanks inside and at the end belong to the texts: they line up the lamp patterns.
    static const QStringList texts = {
        QStringLiteral("0:  [--č--]  STOP    ( posuv zakázán )"),
        QStringLiteral("1:  [-z---]  VOLNO"),
        QStringLiteral("2:  [ž----]  výstraha (příští náv. STUJ)"),
        QStringLiteral("3:  [ž*----] volno (příští náv. 40kmh)"),
        QStringLiteral("4:  [-z--ž] 40kmh (příští náv. VOLNO)"),
        QStringLiteral("5:  [žzčbž] nedef. kod Qcod- rezerva"),
        QStringLiteral("6:  [ž---ž] 40kmh (příští náv. STUJ)"),
        QStringLiteral("7:  [ž*---ž] 40kmh (příští náv. 40kmh)"),
        QStringLiteral("8:  [--čb*-] přivolávací návěst"),
        QStringLiteral("9:  [---b-]   zabezpečený posun"),
        QStringLiteral("10:[--čb-]  nezabezpečený posun"),
        QStringLiteral("11:[-z-b-]  opakovací navěst "),
        QStringLiteral("12:[ž--b-]  opakovací navěst "),
        QStringLiteral("13:[-----]  nic, zhasnuto "),
        QStringLiteral("14:[ž*--b-]  opakovací navěst "),
        QStringLiteral("15:[ž--bž]  opakovací navěst "),
        QStringLiteral("16:[ž*--bž]  opakovací navěst "),
    };
    return texts;
}

} // namespace hx7
