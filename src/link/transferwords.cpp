// SPDX-License-Identifier: GPL-3.0-or-later
#include "transferwords.h"

#include "transfercontroller.h"

#include <QCoreApplication>
#include <QDir>

namespace hx7 {

QString OutcomeSourceText(TransferOutcome outcome)
{
    const char *text = nullptr;
    switch (outcome) {
    case TransferOutcome::Equal:
        text = QT_TRANSLATE_NOOP("hx7", "Data v modulu jsou shodná");
        break;
    case TransferOutcome::Different:
        text = QT_TRANSLATE_NOOP("hx7", "Data v modulu jsou rozdílná !");
        break;
    case TransferOutcome::ReadFailed:
        text = QT_TRANSLATE_NOOP("hx7", "Chyba čtení dat !");
        break;
    case TransferOutcome::StoreFailed:
        text = QT_TRANSLATE_NOOP("hx7", "Chyba zapisu dat !");
        break;
    case TransferOutcome::CommFailed:
        text = QT_TRANSLATE_NOOP("hx7", "Chyba komunikace !");
        break;
    case TransferOutcome::StoredDifferent:
        text = QT_TRANSLATE_NOOP("hx7", "Data v modulu se po uložení liší od konfigurace !");
        break;
    case TransferOutcome::StoreUnverified:
        text = QT_TRANSLATE_NOOP("hx7", "Data jsou zapsána, ale jejich ověření se nezdařilo: chyba čtení dat !");
        break;
    default:
        break;
    }
    return text ? QString::fromUtf8(text) : QString();
}

QString OutcomeText(TransferOutcome outcome)
{
    const QString text = OutcomeSourceText(outcome);
    return text.isEmpty() ? text : QCoreApplication::translate("hx7", text.toUtf8().constData());
}

bool IsFailure(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::ReadFailed:
    case TransferOutcome::StoreFailed:
    case TransferOutcome::CommFailed:
    case TransferOutcome::Refused:
    case TransferOutcome::BackupFailed:
    case TransferOutcome::StoredDifferent:
    case TransferOutcome::StoreUnverified:
        return true;
    default:
        return false;
    }
}

QString QuestionText(TransferQuestion question, const QuestionFacts &facts)
{
    if (question == TransferQuestion::AddressMismatch)
        return QCoreApplication::translate(
                   "hx7", "DCC adresa modulu (%1) nesouhlasí s konfigurací %2\n\r Chcete přesto uložit data? ")
            .arg(facts.moduleAddressCode)
            .arg(facts.imageAddressCode);
    // The view's own words for a backup it could not keep; the module's silence otherwise.
    const QString why =
        facts.backupError.isEmpty()
            ? QCoreApplication::translate("hx7", "Zálohu modulu se nepodařilo přečíst: modul neodpovídá.")
            : facts.backupError;
    return why + QLatin1Char('\n') +
           (facts.factoryReset ? QCoreApplication::translate("hx7", "Resetovat modul bez zálohy?")
                               : QCoreApplication::translate("hx7", "Uložit data do modulu bez zálohy?"));
}

QString StoreLeftText(const TransferController &c, const QString &backup)
{
    QString text = QCoreApplication::translate("hx7", "Modul potvrdil zápis %1 z %2 bajtů (%3..%4).")
                       .arg(c.AcknowledgedCount())
                       .arg(c.StoreLast() - c.StoreFirst() + 1)
                       .arg(c.StoreFirst())
                       .arg(c.StoreLast());
    text += QLatin1Char('\n');
    if (backup.isEmpty())
        text += QCoreApplication::translate("hx7", "Před uložením se záloha modulu nepořídila.");
    else
        text +=
            QCoreApplication::translate("hx7", "Záloha modulu před uložením: %1").arg(QDir::toNativeSeparators(backup));
    return text;
}

QString NoScopeText()
{
    return QCoreApplication::translate("hx7", "Vyberte, která data se mají uložit do modulu.");
}

QString OldFirmwareText()
{
    return QCoreApplication::translate(
        "hx7", "Modul obsahuje  starší verzi FW (<1.3), a nepodporuje nové funkce. Verze FW lze updatovat !");
}

QString SignalTableDoneText()
{
    return QCoreApplication::translate("hx7", "Data poleSIG[] ulozeny ");
}

} // namespace hx7
