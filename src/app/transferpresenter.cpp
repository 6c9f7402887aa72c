// SPDX-License-Identifier: GPL-3.0-or-later
#include "transferpresenter.h"

#include "configdocument.h"
#include "configtextfile.h"
#include "polesigdump.h"
#include "prompts.h"
#include "transferwords.h"
#include "verifydetails.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace hx7 {

namespace {

QString StepName(TransferStep step)
{
    switch (step) {
    case TransferStep::Query:
        return QCoreApplication::translate("hx7", "Dotaz na modul");
    case TransferStep::Read:
        return QCoreApplication::translate("hx7", "Čtení z modulu");
    case TransferStep::Verify:
        return QCoreApplication::translate("hx7", "Porovnání s modulem");
    case TransferStep::SignalTable:
        return QCoreApplication::translate("hx7", "Čtení poleSIG");
    case TransferStep::Backup:
        return QCoreApplication::translate("hx7", "Záloha modulu");
    case TransferStep::Write:
        return QCoreApplication::translate("hx7", "Zápis do modulu");
    case TransferStep::VerifyWritten:
        return QCoreApplication::translate("hx7", "Ověření");
    case TransferStep::Reset:
        return QCoreApplication::translate("hx7", "Inicializace modulu");
    default:
        return {};
    }
}

// The steps that change the module, or lead to a change: closing then asks first.
bool ChangesModule(TransferStep step)
{
    return step == TransferStep::Backup || step == TransferStep::Write || step == TransferStep::VerifyWritten ||
           step == TransferStep::Reset;
}

} // namespace

TransferPresenter::TransferPresenter(ConfigDocument &document, SerialLink &link, Prompts &prompts, QMainWindow &window)
    : QObject(&window), m_document(document), m_link(link), m_prompts(prompts), m_window(window),
      m_controller(document.Data(), link, *this), m_verifyDetails(new VerifyDetails(&window))
{
    m_document.SetBackupFolder(m_backups.folder());
}

void TransferPresenter::AddProgressWidgets(QHBoxLayout *row, QWidget *parent)
{
    LBbar1 = new QLabel(tr("přenos dat"), parent);
    LBbar1->setObjectName(QStringLiteral("LBbar1"));
    LBbar1->hide();
    PBar1 = new QProgressBar(parent);
    PBar1->setObjectName(QStringLiteral("PBar1"));
    PBar1->setRange(0, 100);
    PBar1->setTextVisible(true); // the step that runs, named on the bar
    PBar1->setAccessibleName(tr("přenos dat"));
    PBar1->hide();
    BTstop1 = new QPushButton(tr("Zastavit"), parent);
    BTstop1->setObjectName(QStringLiteral("BTstop1"));
    BTstop1->setToolTip(tr("Zastaví přenos (Esc); zápis do modulu se zastaví po bajtu, který je na cestě"));
    BTstop1->hide();
    connect(BTstop1, &QPushButton::clicked, this, &TransferPresenter::Stop);
    row->addWidget(LBbar1);
    row->addWidget(PBar1, 1);
    row->addWidget(BTstop1);
}

void TransferPresenter::SetLinkControls(QList<QAction *> actions, QWidget *testButton)
{
    m_linkActions = std::move(actions);
    m_testButton = testButton;
}

void TransferPresenter::Tick()
{
    // The label follows the bar as the previous ticks left it.
    LBbar1->setVisible(!PBar1->isHidden());
    // A factory reset ends when its frame has gone out, with no outcome of its own to report.
    const bool resetDue = m_controller.CurrentStep() == TransferStep::Reset;
    m_controller.Tick();
    if (resetDue && m_controller.IsIdle())
        EndOfTransfer(true);
    UpdateActions();
}

// Every start announces its first step (StepStarted), every end comes through Finished or the tick: those update
// the actions, so the starts need not.
void TransferPresenter::UpdateActions()
{
    const bool busy = !m_controller.IsIdle();
    for (QAction *action : std::as_const(m_linkActions))
        action->setEnabled(!busy);
    if (m_testButton)
        m_testButton->setEnabled(!busy);
    BTstop1->setVisible(busy);
    BTstop1->setEnabled(busy && !m_controller.StopRequested());
}

void TransferPresenter::ShowStatus(const QString &text, int timeout)
{
    m_window.statusBar()->showMessage(text, timeout);
}

void TransferPresenter::StartRead()
{
    // What the image holds now: a change made while the read runs is asked about before the read replaces it.
    m_readStart = m_document.Image();
    m_controller.StartRead();
}

void TransferPresenter::StartVerify()
{
    m_differences.clear();
    m_verifyDetails->hide(); // its rows belong to the last verify
    m_controller.StartVerify();
}

void TransferPresenter::StartStore(int scope, int route, bool backup, bool verify)
{
    if (!TransferController::StoreScopeRange(scope, route)) {
        Warning(NoScopeText());
        return;
    }
    m_controller.SetBackupBeforeStore(backup);
    m_controller.SetVerifyAfterStore(verify);
    StartingOverwrite();
    m_storing = m_controller.StartStore(scope, route);
}

void TransferPresenter::StartFactoryReset()
{
    StartingOverwrite();
    m_controller.StartFactoryReset(true);
}

void TransferPresenter::StartingOverwrite()
{
    m_restoreOffer = {};
    m_unofferedRestore.clear();
    m_lastBackup.clear();
    m_differences.clear();
    m_verifyDetails->hide(); // its rows belong to the last verify
}

void TransferPresenter::Stop()
{
    if (!m_controller.Stop())
        return;
    if (m_controller.StopRequested()) // a write in flight: its acknowledge comes within a few ticks
        ShowStatus(tr("Zastavuje se: čeká se na potvrzení zapisovaného bajtu…"));
    UpdateActions();
}

bool TransferPresenter::Terminate()
{
    m_terminating = true;
    if (m_controller.IsIdle())
        return true;
    m_quitAfterStop = true;
    m_controller.Stop();
    UpdateActions();
    return false; // Stopped() closes the window
}

bool TransferPresenter::MayOverwriteRead(int readsBefore)
{
    if (m_readsTaken == readsBefore)
        return true;
    return m_prompts.AskEitherOr(&m_window,
                                 tr("Zatímco byl dialog otevřen, načetla se data z modulu. Přepsat je hodnotami "
                                    "z dialogu?"),
                                 tr("Přepsat hodnotami z dialogu"), tr("Ponechat data z modulu"));
}

bool TransferPresenter::MayClose()
{
    if (m_windowClosed || m_controller.IsIdle())
        return true;
    if (!ChangesModule(m_controller.CurrentStep())) {
        // A read or verify changes nothing: it is stopped, so that it cannot end while the question about
        // unsaved changes is open and put the module's bytes where the user's edits were.
        m_controller.Stop();
        UpdateActions();
        return true;
    }
    // Closed halfway, the module would keep part of the new data and part of the old.
    const Prompts::CloseChoice choice =
        m_terminating ? Prompts::CloseChoice::StopAndQuit : m_prompts.AskCloseDuringTransfer(&m_window);
    if (!m_controller.IsIdle()) {
        if (choice == Prompts::CloseChoice::WaitThenClose) {
            m_closeWhenDone = true;
            ShowStatus(tr("Okno se zavře, až přenos skončí."));
        } else if (choice != Prompts::CloseChoice::Cancel) {
            m_quitAfterStop = choice == Prompts::CloseChoice::StopAndQuit;
            Stop();
        }
        return false;
    }
    // The ticks go on under the question, and the transfer ended there: nothing is left to wait for or to stop.
    // Quitting, or waiting for a transfer that went well, closes now; a flag set for a transfer that is over
    // would close or quit after some later one instead.
    const bool wait = choice == Prompts::CloseChoice::WaitThenClose;
    if (wait && !m_lastTransferWentWell)
        ShowStatus(tr("Okno zůstalo otevřené: přenos neskončil úspěšně."), 8000);
    return choice == Prompts::CloseChoice::StopAndQuit || (wait && m_lastTransferWentWell);
}

void TransferPresenter::CloseCancelled()
{
    m_quitAfterStop = false;
    // A store stopped to quit left its backup unoffered: staying, the user gets the offer "stop and stay" makes.
    if (QString left = std::exchange(m_unofferedRestore, QString()); !left.isEmpty())
        OfferRestore(left);
}

void TransferPresenter::SetProgress(int position)
{
    PBar1->setValue(position);
}

void TransferPresenter::SetProgressVisible(bool visible)
{
    PBar1->setVisible(visible);
}

void TransferPresenter::RoutesChanged()
{
    m_document.RoutesDecoded();
}

void TransferPresenter::Warning(const QString &text)
{
    m_prompts.Warning(&m_window, text);
}

void TransferPresenter::Information(const QString &text)
{
    m_prompts.Information(&m_window, text);
}

void TransferPresenter::StepStarted(TransferStep step, int number, int count)
{
    if (number <= 1)
        m_transferClock.start();
    // The module a query finds, if any, is the one the program talks to from now on.
    if (step == TransferStep::Query)
        m_document.SetModule(std::nullopt);
    QString text = StepName(step);
    if (count > 1)
        text += QStringLiteral(" (") + tr("krok %1 ze %2").arg(number).arg(count) + QLatin1Char(')');
    PBar1->setFormat(text + QStringLiteral(" %1 %p %").arg(QChar(0x2013)));
    // Wide enough for the step's name in any language, with "100 %" and the bar's margins.
    PBar1->setMinimumWidth(
        PBar1->fontMetrics().horizontalAdvance(PBar1->format().replace(QLatin1String("%p"), QLatin1String("100"))) +
        6 * PBar1->fontMetrics().averageCharWidth());
    if (step != TransferStep::Query)
        ShowStatus(text + QStringLiteral("…"));
    UpdateActions();
}

QString TransferPresenter::Seconds() const
{
    const double seconds = m_transferClock.isValid() ? m_transferClock.elapsed() / 1000.0 : 0.0;
    return QLocale().toString(seconds, 'f', 1);
}

QString TransferPresenter::StoredStatus() const
{
    const QString time = Seconds();
    if (m_controller.IsRestore())
        return tr("Záloha vrácena do modulu a ověřena");
    return m_controller.VerifyAfterStore() ? tr("Uloženo a ověřeno za %1 s").arg(time)
                                           : tr("Uloženo za %1 s").arg(time);
}

void TransferPresenter::FinishedStatus(TransferOutcome outcome)
{
    QString text;
    switch (outcome) {
    case TransferOutcome::Read:
        text = tr("Přečteno: %1 bajtů za %2 s").arg(SavedByteCount).arg(Seconds());
        break;
    case TransferOutcome::Equal:
        text = tr("Modul se shoduje");
        break;
    case TransferOutcome::Different:
        text = tr("Modul se liší, rozdílných bajtů: %1").arg(m_differences.size());
        break;
    case TransferOutcome::Stored:
        text = StoredStatus();
        break;
    case TransferOutcome::SignalTableRead:
        text = tr("poleSIG přečteno");
        break;
    case TransferOutcome::Stopped:
        text = tr("Přenos zastaven");
        break;
    default:
        text = OutcomeText(outcome).trimmed();
        break;
    }
    if (!text.isEmpty())
        ShowStatus(text, 8000);
    else
        m_window.statusBar()->clearMessage();
}

void TransferPresenter::Identified()
{
    UpdateActions();
    const std::optional<ModuleIdentity> &module = m_controller.Identity();
    m_document.SetModule(module); // nothing when none answered: the label keeps "??"
    if (!module)
        return;
    Q_EMIT ModuleAnswered(*module);
    if (module->IsOldFirmware())
        Information(OldFirmwareText());
}

bool TransferPresenter::ReadTaken()
{
    ++m_readsTaken;
    // Changed while the read ran (a dialog's OK, a load, an undo): the user says which of the two to keep.
    const ImageBytes &edits = m_controller.ReplacedImage();
    if (!SameBytes(edits, m_readStart, SavedByteCount) &&
        !m_prompts.AskEitherOr(&m_window,
                               tr("Konfigurace v programu se během čtení z modulu změnila. Které údaje ponechat?"),
                               tr("Data z modulu"), tr("Upravenou konfiguraci"))) {
        m_document.Restore(edits);
        ShowStatus(tr("Data z modulu nepřevzata; konfigurace zůstala, jak byla upravena"), 8000);
        return m_lastReadTaken = false;
    }
    m_document.ReadFromModule();
    return m_lastReadTaken = true;
}

void TransferPresenter::Stored()
{
    if (m_controller.IsRestore())
        return;
    // Only the range that went into the module is safe there, and only as it was stored: a change made while
    // the store ran is still unsaved.
    m_document.StoredToModule(m_controller.StoreBytes(), m_controller.StoreFirst(), m_controller.StoreLast());
}

void TransferPresenter::SignalTableRead()
{
    // The developer's dump goes into the current folder, where the module's own tools look for it.
    const QString path = QStringLiteral("poleSIG.txt");
    if (WritePoleSigDump(path, m_document.Image()))
        Information(SignalTableDoneText());
    else
        Warning(WriteErrorText(path));
}

void TransferPresenter::Finished(TransferOutcome outcome)
{
    const auto told = qScopeGuard([this, outcome] { Q_EMIT TransferEnded(outcome); });
    if (outcome == TransferOutcome::Identified)
        return Identified();
    const auto atEnd =
        qScopeGuard([this, outcome] { EndOfTransfer(!IsFailure(outcome) && outcome != TransferOutcome::Stopped); });
    FinishedStatus(outcome);
    if (const std::optional<int> code = m_controller.AddressCodeLeft(); std::exchange(m_storing, false) && code)
        m_document.SetModuleAddressCode(*code);
    if (outcome == TransferOutcome::Read && !ReadTaken())
        return UpdateActions();
    if (outcome == TransferOutcome::Stored)
        Stored();
    if (outcome == TransferOutcome::Stopped) {
        Stopped();
        return UpdateActions();
    }
    if (outcome == TransferOutcome::Stored && m_controller.IsRestore())
        Information(tr("Záloha je zpět v modulu a ověřena: modul je jako před zastaveným uložením."));
    if (outcome == TransferOutcome::SignalTableRead)
        return SignalTableRead();
    Verified(outcome);
}

void TransferPresenter::Verified(TransferOutcome outcome)
{
    QString text = OutcomeText(outcome);
    if (text.isEmpty())
        return;
    // What the module was compared with, taken before the box lets anything else run: the verify after a store
    // compares with the snapshot the store wrote.
    const ImageBytes compared =
        outcome == TransferOutcome::StoredDifferent ? m_controller.StoreBytes() : m_document.Image();
    if (outcome == TransferOutcome::StoreFailed)
        text += QLatin1Char('\n') + StoreLeftText(m_controller, m_lastBackup);
    if (outcome == TransferOutcome::StoredDifferent) {
        text += QLatin1Char('\n') + tr("Rozdílných bajtů: %1").arg(m_differences.size());
        if (m_controller.ResetAfterStore())
            text += QLatin1Char('\n') + tr("Modul nebyl resetován.");
    }
    if (IsFailure(outcome))
        Warning(text);
    else
        Information(text);
    // The verify's box stays as it was; the bytes that differ follow in a window of their own.
    const bool verified = outcome == TransferOutcome::Different || outcome == TransferOutcome::StoredDifferent;
    if (verified && !m_differences.isEmpty())
        ShowDifferences(compared, m_differences);
}

void TransferPresenter::ShowDifferences(const ImageBytes &program, const QList<ByteDifference> &differences,
                                        const QString &otherName)
{
    m_verifyDetails->SetDifferences(program, differences, otherName);
    m_verifyDetails->show();
    m_verifyDetails->raise();
}

QString TransferPresenter::StoppedText(bool *offer)
{
    const TransferStep step = m_controller.StoppedStep();
    *offer = false;
    if (step == TransferStep::Backup || step == TransferStep::Reset)
        return tr("Přenos zastaven před zápisem: do modulu se nic neodeslalo.");
    if (step == TransferStep::VerifyWritten)
        return tr("Přenos zastaven při ověření: do modulu se zapsaly všechny bajty, jen se neověřily.") +
               QLatin1Char('\n') + StoreLeftText(m_controller, m_lastBackup);
    if (step != TransferStep::Write)
        return {};
    const int sent = m_controller.SentCount();
    QString text = (m_controller.IsRestore() ? tr("Obnova zálohy zastavena.") : tr("Uložení do modulu zastaveno.")) +
                   QLatin1Char('\n') + StoreLeftText(m_controller, m_lastBackup);
    if (sent == 0)
        text += QLatin1Char('\n') + tr("Do modulu se nic nezapsalo.");
    // The restore puts back just what this store may have changed, the byte whose write went out unacknowledged
    // too. A restore stopped is offered again for the range of the store it restores, even when it wrote nothing
    // itself: the module is still as that store left it.
    if (m_controller.IsRestore() && !m_restoreOffer.backup.isEmpty()) {
        *offer = true;
    } else if (sent > 0 && !m_lastBackup.isEmpty()) {
        m_restoreOffer = {m_lastBackup, m_controller.StoreFirst(), m_controller.StoreFirst() + sent - 1};
        *offer = true;
    }
    return text;
}

void TransferPresenter::Stopped()
{
    bool offer = false;
    QString text = StoppedText(&offer);
    m_unofferedRestore.clear();
    if (!m_quitAfterStop) {
        if (offer)
            OfferRestore(text);
        else if (!text.isEmpty())
            Information(text);
        return;
    }
    if (offer && !m_terminating)
        m_unofferedRestore = text;
    // Quitting, the program cannot offer it: it says where the way back is.
    if (offer)
        text += QLatin1Char('\n') + tr("Zálohu vrátíte do modulu přes Přenos → Zálohy modulů: Načíst do "
                                       "programu, pak Uložit data do modulu.");
    if (m_terminating && !text.isEmpty())
        std::fprintf(stderr, "hx7conf: %s\n", qPrintable(text));
    else if (!text.isEmpty())
        Information(text);
    QTimer::singleShot(0, this, &TransferPresenter::CloseWindow);
}

void TransferPresenter::OfferRestore(QString text)
{
    if (!m_controller.IsIdle() || m_restoreOffer.backup.isEmpty())
        return;
    text += QStringLiteral("\n\n") +
            tr("Vrátit do modulu zálohu bajtů %1..%2?").arg(m_restoreOffer.first).arg(m_restoreOffer.last);
    const bool restore = m_prompts.AskEitherOr(&m_window, text, tr("Vrátit zálohu"), tr("Ponechat, jak je"));
    // The window may have closed under the question (SIGTERM): nothing more goes to the module then.
    if (!restore || !m_controller.IsIdle() || m_windowClosed)
        return;
    ImageBytes backup{};
    const LoadOutcome loaded = LoadConfigText(m_restoreOffer.backup, backup);
    if (loaded.status != LoadOutcome::Loaded) {
        Warning(loaded.message.isEmpty() ? WriteErrorText(m_restoreOffer.backup) : loaded.message);
        return;
    }
    // The module's address byte is what the stopped store (or restore) left there: the byte it wrote once the
    // module acknowledged it, else what its address check read. Unknown (a write unacknowledged, a check
    // unanswered): what the stopped restore expected there, or for a store the backup's, as before it.
    const std::optional<int> left = m_controller.AddressCodeLeft();
    const int expected = left                       ? *left
                         : m_controller.IsRestore() ? m_restoreOffer.addressCode
                                                    : int(backup[AddressCodeByte]);
    m_restoreOffer.addressCode = expected;
    m_storing = m_controller.StartRestore(backup, m_restoreOffer.first, m_restoreOffer.last, expected);
}

void TransferPresenter::EndOfTransfer(bool wentWell)
{
    m_lastTransferWentWell = wentWell;
    UpdateActions();
    if (!m_closeWhenDone || !m_controller.IsIdle())
        return;
    m_closeWhenDone = false;
    // A store that failed or was stopped leaves a module the user has to see to: the window stays.
    if (!wentWell)
        ShowStatus(tr("Okno zůstalo otevřené: přenos neskončil úspěšně."), 8000);
    else
        QTimer::singleShot(0, this, &TransferPresenter::CloseWindow);
}

bool TransferPresenter::DiffersAt(int address) const
{
    return std::any_of(m_differences.begin(), m_differences.end(),
                       [address](const ByteDifference &d) { return d.address == address; });
}

bool TransferPresenter::KeepBackup(const ImageBytes &module, const Overwrite &followed, QString *why)
{
    // The module's type and version, when the last Test comm or search has told them.
    const BackupStore::Kept kept =
        m_backups.Keep(module, m_document.Module(), followed, QDateTime::currentDateTime(), m_document.EntryId());
    m_lastBackup = kept.path;
    if (kept.path.isEmpty())
        *why = kept.error;
    Q_EMIT BackupKept();
    return !kept.path.isEmpty();
}

void TransferPresenter::ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte)
{
    m_differences << ByteDifference{address, imageByte, moduleByte};
}

std::optional<bool> TransferPresenter::Ask(TransferQuestion question, const QuestionFacts &facts)
{
    // The transfer waits for the answer; the box opens from the event loop, not inside the tick or the byte
    // handler that asked, so the ticks go on while it is open.
    const QString text = QuestionText(question, facts);
    QMetaObject::invokeMethod(
        this, [this, text] { m_controller.Answer(m_prompts.AskYesNo(&m_window, text)); }, Qt::QueuedConnection);
    return std::nullopt;
}

} // namespace hx7
