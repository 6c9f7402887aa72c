// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer state machine. Every path that opens a message box sets TransferState first: the
// box runs a nested event loop in which further ticks run, and they must find the controller idle.
#include "transfercontroller.h"

#include "frames.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>

namespace hx7 {

// The constants hold the Czech source texts, which callers compare against; the view gets them in the
// user's language through Translated().
const QString TransferController::OldFirmwareText = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "hx7", "Modul obsahuje  starší verzi FW (<1.3), a nepodporuje nové funkce. Verze FW lze updatovat !"));
const QString TransferController::ReadErrorText = QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Chyba čtení dat !"));
const QString TransferController::StoreErrorText = QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Chyba zapisu dat !"));
const QString TransferController::CommErrorText = QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Chyba komunikace !"));
const QString TransferController::EqualText = QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Data v modulu jsou shodná"));
const QString TransferController::DifferentText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Data v modulu jsou rozdílná !"));
const QString TransferController::PoleSigDoneText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Data poleSIG[] ulozeny "));
const QString TransferController::NoScopeText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Vyberte, která data se mají uložit do modulu."));
const QString TransferController::StoredDifferentText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Data v modulu se po uložení liší od konfigurace !"));
const QString TransferController::StoreUnverifiedText = QString::fromUtf8(
    QT_TRANSLATE_NOOP("hx7", "Data jsou zapsána, ale jejich ověření se nezdařilo: chyba čtení dat !"));
const QString TransferController::BackupReadFailedText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("hx7", "Zálohu modulu se nepodařilo přečíst: modul neodpovídá."));

namespace {
constexpr int FirmwareWithNewFunctions = 0x13;
// After the line has misled the fast mode: ticks without a byte before it goes back (as long as an
// answer is waited for), and how long it waits for such a pause at most.
constexpr int QuietTicksBeforeGoingBack = 3;
constexpr int MaxSettleTicks = 30;
// After the last reply of a transfer taken in haste, how long the line must stay quiet before it is believed:
// a module answers within a few milliseconds (a USB adapter may hold bytes back for 16), so an answer still on
// its way when the program looked late has come by then. As long as the tick mode gives each request before it
// sends the next one: a reply later than that would mislead the tick mode as well.
constexpr qint64 QuietAfterLastReplyMicroseconds = 100'000;

// The sending state of the waiting group that state belongs to (with the value one past it, which a tick
// holds while it takes a reply that came for the last waiting tick); Idle for none of them.
int SendStateOf(int state)
{
    using C = TransferController;
    for (const auto &[wait, send] : {std::pair{C::ReadWait, C::ReadSend}, std::pair{C::WriteWait, C::WriteSend},
                                     std::pair{C::SignalTableWait, C::SignalTableSend}})
        if (state >= wait && state <= wait + 3)
            return send;
    return C::Idle;
}
// True when the bytes also read as a reply with another value further on (a reply cut short by a send that
// dropped its start, a stray byte in front of a '*'): which of them is the answer cannot be told.
template <typename Match> bool ReadsOtherwise(const QByteArray &rx, int value, Match match)
{
    for (qsizetype k = 1; k < rx.size(); ++k)
        if (const auto other = match(rx.mid(k)); other && *other != value)
            return true;
    return false;
}
} // namespace

QString TransferController::AddressMismatchText(int moduleCode, int imageCode)
{
    return QCoreApplication::translate(
               "hx7", "DCC adresa modulu (%1) nesouhlasí s konfigurací %2\n\r Chcete přesto uložit data? ")
        .arg(moduleCode)
        .arg(imageCode);
}

QString NoBackupQuestion(const QString &why, bool factoryReset)
{
    return why + QLatin1Char('\n') +
           (factoryReset ? QCoreApplication::translate("hx7", "Resetovat modul bez zálohy?")
                         : QCoreApplication::translate("hx7", "Uložit data do modulu bez zálohy?"));
}

QString TransferController::Translated(const QString &text)
{
    return QCoreApplication::translate("hx7", text.toUtf8().constData());
}

QString OutcomeSourceText(TransferOutcome outcome)
{
    using C = TransferController;
    switch (outcome) {
    case TransferOutcome::Equal:
        return C::EqualText;
    case TransferOutcome::Different:
        return C::DifferentText;
    case TransferOutcome::ReadFailed:
        return C::ReadErrorText;
    case TransferOutcome::StoreFailed:
        return C::StoreErrorText;
    case TransferOutcome::CommFailed:
        return C::CommErrorText;
    case TransferOutcome::StoredDifferent:
        return C::StoredDifferentText;
    case TransferOutcome::StoreUnverified:
        return C::StoreUnverifiedText;
    default:
        return {};
    }
}

QString OutcomeText(TransferOutcome outcome)
{
    const QString text = OutcomeSourceText(outcome);
    return text.isEmpty() ? text : TransferController::Translated(text);
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

TransferController::TransferController(SharedData &data, SerialLink &link, TransferView &view)
    : m_data(data), m_link(link), m_view(view)
{}

QString TransferController::VersionText(char type, std::uint8_t version)
{
    // The module's name as the label shows it, for the types the module reports: D, V and S.
    const char *name = type == 'D' ? "HX7 " : type == 'V' ? "HX7V" : type == 'S' ? "HX7S" : nullptr;
    if (!name)
        return {};
    return QLatin1String(name) + QStringLiteral(" V ") + QString::number(version / 16) + QLatin1Char('.') +
           QString::number(version % 16);
}

int TransferController::ProgressPercent(int address, int endAddress)
{
    if (endAddress <= 0)
        return 100;
    // nearbyint rounds in the default mode, to nearest with halves to even: 12.5 gives 12.
    const double percent = std::nearbyint(static_cast<double>(address) / endAddress * 100.0);
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

bool TransferController::EnsurePort()
{
    // A pulled and replugged adapter, or a port that failed at start-up: try again before each action,
    // and when that fails say why once instead of sending into nothing and timing out.
    if (m_link.EnsureOpen())
        return true;
    m_view.Warning(SerialLink::OpenErrorText(m_link.ComPortNumber, m_link.LastOpenFailure()));
    return false;
}

bool TransferController::StartVersionQuery()
{
    if (m_state != Idle || !EnsurePort())
        return false;
    m_link.EarlyBytesGuard = m_fast;
    m_step = Plain;
    m_stopRequested = false;
    m_stepNumber = 0;
    m_stepCount = 1;
    m_link.Send(VersionQueryFrame());
    m_link.RxBuffer.clear();
    m_view.SetVersionText(QStringLiteral("??"));
    m_state = VersionWait;
    Announce(TransferStep::Query);
    return true;
}

TransferStep TransferController::CurrentStep() const
{
    if (m_state == Idle)
        return TransferStep::None;
    switch (m_step) {
    case Backup:
        return TransferStep::Backup;
    case Store:
        return TransferStep::Write;
    case VerifyStore:
        return TransferStep::VerifyWritten;
    default:
        return m_plainStep;
    }
}

void TransferController::Announce(TransferStep step)
{
    m_plainStep = m_step == Plain ? step : m_plainStep;
    m_stepNumber = std::min(m_stepNumber + 1, m_stepCount);
    m_view.StepStarted(step, m_stepNumber, m_stepCount);
}

bool TransferController::Stop()
{
    if (m_state == Idle)
        return false;
    // A write frame in flight may be written by now: its acknowledge (or the end of its attempt) says whether,
    // so that the count of bytes the module took is true. Everything else can end at once.
    const bool writeInFlight = m_step == Store && !m_closing && m_state >= WriteWait && m_state <= WriteTimedOut;
    if (writeInFlight) {
        m_stopRequested = true;
        return true;
    }
    StopNow();
    return true;
}

void TransferController::StopNow()
{
    m_stoppedStep = CurrentStep();
    m_stopRequested = false;
    m_state = Idle;
    m_closing = false;
    m_quietTicks = -1;
    m_rewindTo = -1;
    m_tainted = false;
    // Nothing received so far belongs to the next transfer, which starts clean.
    m_link.RxBuffer.clear();
    m_link.TakeEarlyBytes();
    m_view.SetProgressVisible(false);
    End(TransferOutcome::Stopped);
}

void TransferController::StartByteTransfer(int state, int first, int last)
{
    m_firstAddress = first;
    m_address = first;
    m_end = last;
    m_view.SetProgress(0);
    m_view.SetProgressVisible(true);
    m_retries = 0;
    m_state = state;
    m_quietTicks = -1;
    m_rewindTo = -1;
    m_tickPace = false;
    m_tainted = false;
    m_closing = false;
    m_link.EarlyBytesGuard = m_fast;
    m_link.TakeEarlyBytes();
    m_receivedBefore = m_link.BytesReceived;
    m_answerBytesAsked = 0;
    // The fast mode sends the first frame now instead of at the next tick; but not for a step that follows
    // another one (a store after its backup, the verify after the store), which starts in the tick that ended
    // the step before. The tick mode sends that frame a tick later, two ticks after the last request, and its
    // send drops what came meanwhile; sent at once it would go out only one tick after the last request, and a
    // byte trailing the last reply (or that reply again) by more than a tick would come in front of its answer:
    // the address check, with no second attempt, fails, or takes that byte for the module's address.
    if (m_fast && !m_inTick)
        SendFor(state);
}

bool TransferController::StartRead()
{
    return StartReadingAll(false);
}

bool TransferController::StartVerify()
{
    return StartReadingAll(true);
}

bool TransferController::StartReadingAll(bool verify)
{
    if (m_state != Idle || !EnsurePort())
        return false;
    m_step = Plain;
    m_verify = verify;
    m_equal = true;
    m_stopRequested = false;
    m_stepNumber = 0;
    m_stepCount = 1;
    StartByteTransfer(ReadSend, 0, LastTransferAddress);
    Announce(verify ? TransferStep::Verify : TransferStep::Read);
    return true;
}

std::optional<std::pair<int, int>> TransferController::StoreScopeRange(int storeScope, int selectedRoute)
{
    const int r = std::clamp(selectedRoute, 1, RouteCount);
    switch (storeScope) {
    case ConfigOnly:
        return std::pair{AddressCodeByte, RouteAreaBegin - 1};
    case ConfigAndRoutes:
        return std::pair{AddressCodeByte, LastTransferAddress};
    case SelectedRoute:
        return std::pair{RouteSlotOffset(r - 1), RouteSlotOffset(r) - 1};
    default:
        return std::nullopt;
    }
}

bool TransferController::StartStore(int storeScope, int selectedRoute)
{
    if (m_state != Idle)
        return false;
    const auto range = StoreScopeRange(storeScope, selectedRoute);
    if (!range) {
        // Closed with OK but nothing chosen: storing some guessed range could overwrite the module.
        m_view.Warning(Translated(NoScopeText));
        return false;
    }
    return StartStoreRange(range->first, range->second);
}

bool TransferController::StartStoreRange(int first, int last)
{
    if (m_state != Idle || first < 0 || last < first || last >= ModuleBytes || !EnsurePort())
        return false;
    m_storeBytes = m_data.ConfigImage;
    m_expectedAddressCode = m_storeBytes[AddressCodeByte];
    m_restore = false;
    m_jobVerify = m_verifyAfterStore;
    StartStoreJob(first, last);
    return true;
}

bool TransferController::StartRestore(const ImageBytes &backup, int first, int last, int expectedAddressCode)
{
    if (m_state != Idle || first < 0 || last < first || last >= ModuleBytes || !EnsurePort())
        return false;
    m_storeBytes = backup;
    m_expectedAddressCode = expectedAddressCode;
    m_restore = true;
    m_jobVerify = true;
    StartStoreJob(first, last);
    return true;
}

void TransferController::StartStoreJob(int first, int last)
{
    m_storeFirst = first;
    m_storeLast = last;
    m_acknowledged = 0;
    m_sent = 0;
    m_stopRequested = false;
    const bool backup = m_backupBeforeStore && !m_restore;
    m_stepNumber = 0;
    m_stepCount = 1 + (backup ? 1 : 0) + (m_jobVerify ? 1 : 0);
    if (backup)
        StartBackup({false, first, last});
    else
        StartStoreStep();
}

QString TransferController::StoreLeftText(const QString &backup) const
{
    QString text = QCoreApplication::translate("hx7", "Modul potvrdil zápis %1 z %2 bajtů (%3..%4).")
                       .arg(m_acknowledged)
                       .arg(m_storeLast - m_storeFirst + 1)
                       .arg(m_storeFirst)
                       .arg(m_storeLast);
    text += QLatin1Char('\n');
    if (backup.isEmpty())
        text += QCoreApplication::translate("hx7", "Před uložením se záloha modulu nepořídila.");
    else
        text +=
            QCoreApplication::translate("hx7", "Záloha modulu před uložením: %1").arg(QDir::toNativeSeparators(backup));
    return text;
}

void TransferController::StartBackup(const Overwrite &followed)
{
    // The backup is a read like any other, all or nothing, kept apart from the image: the image holds what
    // is about to be stored.
    m_overwrite = followed;
    m_step = Backup;
    m_verify = false;
    StartByteTransfer(ReadSend, 0, LastTransferAddress);
    Announce(TransferStep::Backup);
}

void TransferController::BackupDone(bool read)
{
    m_step = Plain;
    QString why = Translated(BackupReadFailedText);
    if (read && m_view.KeepBackup(m_incoming, m_overwrite, &why)) {
        StartOverwrite();
        return;
    }
    // Idle while the question is open, so its nested ticks find nothing to do. What they may start meanwhile
    // (a factory reset, another store) sets its own overwrite and range: the Yes goes on with this one's.
    const Overwrite followed = m_overwrite;
    const int first = m_storeFirst;
    const int last = m_storeLast;
    if (!m_view.GoOnWithoutBackup(why, followed.factoryReset)) {
        m_view.Finished(TransferOutcome::BackupFailed);
        return;
    }
    if (m_state != Idle)
        return; // what started meanwhile has taken over, as a factory reset takes over whatever runs
    m_overwrite = followed;
    m_storeFirst = first;
    m_storeLast = last;
    m_acknowledged = 0;
    m_sent = 0;
    // The adapter may have been pulled and plugged in again while the user was asked (a pulled adapter is
    // what fails a backup read most often): open it again, as every start does.
    if (!EnsurePort()) {
        m_view.Finished(TransferOutcome::CommFailed);
        return;
    }
    StartOverwrite();
}

void TransferController::StartOverwrite()
{
    if (m_overwrite.factoryReset) {
        m_step = Plain;
        m_pending = InitialiseConfigFrame();
        m_state = OneShotSend;
        Announce(TransferStep::Reset);
    } else {
        StartStoreStep();
    }
}

std::optional<int> TransferController::AddressCodeLeft() const
{
    if (m_storeFirst <= AddressCodeByte && AddressCodeByte <= m_storeLast) {
        const int index = AddressCodeByte - m_storeFirst;
        if (index < m_acknowledged)
            return m_storeBytes[AddressCodeByte];
        if (index < m_sent)
            return std::nullopt; // the module may have taken it or not
    }
    if (m_addressAnswer >= 0)
        return m_addressAnswer;
    return std::nullopt;
}

void TransferController::StartStoreStep()
{
    m_addressAnswer = -1;
    m_step = Store;
    StartByteTransfer(AddressCheckSend, m_storeFirst, m_storeLast);
    Announce(TransferStep::Write);
}

void TransferController::StoreDone()
{
    m_step = Plain;
    // A restore puts back what the module held before the stopped store: the module restarts on its own terms.
    if (m_resetAfterStore && !m_restore)
        m_link.Send(ResetModuleFrame());
    m_view.Finished(TransferOutcome::Stored);
}

bool TransferController::StartPoleSigRead()
{
    if (m_state != Idle || !EnsurePort())
        return false;
    m_step = Plain;
    m_stopRequested = false;
    m_stepNumber = 0;
    m_stepCount = 1;
    StartByteTransfer(SignalTableSend, 0, PoleSigBytes - 1);
    Announce(TransferStep::SignalTable);
    return true;
}

bool TransferController::QueueOneShot(const QByteArray &frame)
{
    if (m_state != Idle || !EnsurePort())
        return false;
    m_step = Plain;
    m_plainStep = TransferStep::None;
    m_stopRequested = false;
    m_pending = frame;
    m_state = OneShotSend;
    return true;
}

void TransferController::StartFactoryReset(bool backupFirst)
{
    if (!EnsurePort())
        return;
    m_closing = false;
    m_stopRequested = false;
    m_restore = false;
    m_stepNumber = 0;
    m_stepCount = backupFirst ? 2 : 1;
    if (backupFirst) {
        StartBackup({true});
        return;
    }
    m_step = Plain;
    m_pending = InitialiseConfigFrame();
    m_state = OneShotSend;
    Announce(TransferStep::Reset);
}

void TransferController::Tick()
{
    // A tick can run nested in a box that an earlier tick, or the fast mode's Advance(), opened.
    const bool outerInTick = std::exchange(m_inTick, true);
    // A frame that the fast mode sent between two ticks waits the full ticks of the tick mode: the first tick
    // after it comes early and does not count.
    const bool uncounted = std::exchange(m_sentBetweenTicks, false);
    CheckEarlyBytes();
    if (m_closing) {
        Close(true);
        m_inTick = outerInTick;
        return;
    }
    // A waiting state first counts the tick, then looks for its reply; one past its last waiting
    // state means that the last tick has gone by without one.
    switch (m_state) {
    case Idle:
        m_view.SetProgressVisible(false);
        break;
    case VersionWait:
    case VersionWait + 1:
        ++m_state;
        if (!TakeVersionReply() && m_state == VersionGivenUp)
            m_state = Idle;
        break;
    case ReadSend:
    case WriteSend:
    case SignalTableSend:
        if (!Holding())
            SendFor(m_state);
        break;
    case ReadWait:
    case ReadWait + 1:
    case ReadWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeReadReply))
            TimeOut(TransferOutcome::ReadFailed, ReadSend);
        break;
    case AddressCheckSend:
        SendAddressCheck();
        break;
    case AddressWait:
    case AddressWait + 1:
    case AddressWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeAddressReply)) { // no repeat for the address check
            m_state = Idle;
            End(TransferOutcome::CommFailed);
        }
        break;
    case WriteWait:
    case WriteWait + 1:
    case WriteWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeWriteAck))
            TimeOut(TransferOutcome::StoreFailed, WriteSend);
        break;
    case OneShotSend:
        m_link.Send(m_pending);
        m_state = Idle;
        break;
    case SignalTableWait:
    case SignalTableWait + 1:
    case SignalTableWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeSignalTableReply))
            TimeOut(TransferOutcome::ReadFailed, SignalTableSend);
        break;
    default:
        m_state = Idle;
        break;
    }
    m_inTick = outerInTick;
}

bool TransferController::WaitRanOut(bool uncounted, bool (TransferController::*take)())
{
    if (uncounted) {
        (this->*take)();
        return false;
    }
    ++m_state;
    // Each waiting group is three values long: the fourth is the one past it.
    return !(this->*take)() && (m_state == ReadTimedOut || m_state == AddressTimedOut || m_state == WriteTimedOut ||
                                m_state == SignalTableTimedOut);
}

void TransferController::Advance()
{
    if (!m_fast)
        return;
    // What follows a complete reply goes out now (Continue() says when it waits). A reply still missing is
    // left to the ticks, which count its time-out and send the repeat exactly as in the tick mode: a late
    // byte never hurries a repeat.
    CheckEarlyBytes();
    if (m_closing)
        Close(false);
    else
        TakeReply();
}

void TransferController::CheckEarlyBytes()
{
    // Bytes came before the frame in flight could have been heard (a second or late answer to an earlier
    // frame, a stray byte or two behind one), and the receive step has thrown them away; or the line has
    // brought more bytes than the requests so far could have drawn. Either way a reply taken in haste may
    // have been such bytes.
    const bool early = m_link.TakeEarlyBytes().has_value();
    if (!m_fast || m_tickPace || SendStateOf(m_state) == Idle)
        return;
    if (early || m_link.BytesReceived - m_receivedBefore > m_answerBytesAsked)
        Misled();
}

void TransferController::Misled()
{
    // Which of the replies taken in haste were stale cannot be told (a program that looks late can be misled
    // several bytes in a row, and what shows it may come bytes later), so none of them is kept: the transfer
    // starts again from its first byte at the tick's pace. There, as in the tick mode, each request goes out
    // a tick after the reply before it and its send drops whatever came meanwhile. A read hands its bytes to
    // the image only at the end, and writing a byte again does no harm.
    // First the request in flight is seen through: no reply is taken for this attempt, and its repeats ask
    // for the same byte, so an answer to it that comes late (a module busy for a while answers what it
    // heard in order) cannot be taken for another byte. After its last byte the transfer asks for that byte
    // again. Then, once the line has been quiet for as long as an answer is waited for, it goes back.
    m_tickPace = true;
    m_rewindTo = m_firstAddress;
    m_tainted = true;
    m_link.RxBuffer.clear();
    if (std::exchange(m_closing, false)) {
        m_address = m_end;
        m_state = SendStateOf(m_state);
    }
}

void TransferController::NotAReply(int replyLength)
{
    // In haste, a reply's worth of bytes that does not read as a reply has something in front of it: a stray byte
    // behind the answer before, the tail of a late answer. The program may have looked too late to see it come
    // early, and the reply it took before may have been such bytes too (a stray in front of an answer '*' reads
    // as a whole reply, "stray *"), so the line has misled the transfer. After a repeat, the tails of the
    // earlier attempts' answers are expected there, and the tick decides as ever.
    if (m_fast && !m_tickPace && m_retries == 0 && m_link.RxBuffer.size() >= replyLength)
        Misled();
}

bool TransferController::Holding()
{
    // After going back, the next frame waits for three ticks without a byte on the line; a line that will
    // not go quiet ends the transfer as a module that does not answer would.
    if (m_quietTicks < 0)
        return false;
    const bool heard = !m_link.RxBuffer.isEmpty() || m_link.TakeEarlyBytes();
    m_link.RxBuffer.clear();
    m_quietTicks = heard ? 0 : m_quietTicks + 1;
    if (++m_settleTicks > MaxSettleTicks) {
        m_quietTicks = -1;
        Fail(m_state == WriteSend ? TransferOutcome::StoreFailed : TransferOutcome::ReadFailed);
        return true;
    }
    if (m_quietTicks < QuietTicksBeforeGoingBack)
        return true;
    m_quietTicks = -1;
    return false;
}

bool TransferController::TooSoon(int replyLength)
{
    // A reply complete sooner than the frame and the reply itself could have crossed the line is stale bytes
    // that happen to look like one: no reply is taken for this attempt.
    if (!m_fast || m_link.SinceLastSend() >= (FrameSize + replyLength) * SerialLink::ByteLineMicroseconds)
        return false;
    if (m_tickPace) {
        m_tainted = true;
        m_link.RxBuffer.clear();
    } else {
        Misled();
    }
    return true;
}

bool TransferController::Tainted()
{
    if (!m_tainted)
        return false;
    m_link.RxBuffer.clear();
    return true;
}

bool TransferController::Trusted(int replyLength, int sendState, bool twoWays)
{
    // The fast mode takes a reply the moment its last byte is there, so bytes behind it mean that the line
    // brought more than one answer before the program looked: which of them answers this request cannot be
    // told. After a repeat, the module may answer both attempts, with the same byte: the next request waits
    // for the tick, whose send drops the second answer, as in the tick mode.
    if (!m_fast)
        return true;
    if (Tainted() || TooSoon(replyLength))
        return false;
    // After a repeat the line may also bring what the module answers to the earlier attempts, in front of the
    // reply (the tail of an answer whose start the repeat's send dropped) as well as behind it, and the rest of
    // it may still be on its way. With more than a reply there the tick decides, having seen all of it: it
    // costs no time, the request after a repeated byte waits for the tick anyway.
    if (m_retries > 0 && !m_inTick && m_link.RxBuffer.size() > replyLength)
        return false;
    if (!m_tickPace && m_link.RxBuffer.size() != replyLength && m_retries == 0) {
        Misled();
        return false;
    }
    if (!twoWays)
        return true;
    // A data byte may itself be '*': "stray, '*', '*'" reads as a whole reply with the stray for its value, or
    // as the reply '*' behind a stray (a program that looked late cannot tell the stray by its time); and the
    // end of an answer whose start a send dropped reads as a reply with the next answer behind it. The byte
    // is asked again at the tick, whose send drops all of it; as an attempt, so a line that does this every
    // time ends the transfer with a message.
    m_link.RxBuffer.clear();
    TimeOut(TransferOutcome::ReadFailed, sendState);
    return false;
}

void TransferController::Continue(int sendState, bool repeated)
{
    // The tick mode asks for the next byte in the tick that took the reply, and its send drops whatever the
    // line brought meanwhile. The fast mode asks at once, except after a byte that needed a repeat (the
    // module may still answer the earlier attempt) or once the line has misled it: then it waits for the
    // tick as the tick mode does, and before going back for the quiet pause.
    if (m_quietTicks >= 0 || (m_fast && !m_inTick && (repeated || m_tickPace))) {
        m_state = sendState;
        return;
    }
    SendFor(sendState);
}

void TransferController::SendFor(int sendState)
{
    switch (sendState) {
    case ReadSend:
        SendRead();
        break;
    case AddressCheckSend:
        SendAddressCheck();
        break;
    case WriteSend:
        SendWrite();
        m_view.SetProgressVisible(true); // a nested idle tick may have hidden it during the address question
        break;
    case SignalTableSend:
        SendSignalTable();
        break;
    default:
        break;
    }
}

bool TransferController::TakeReply()
{
    switch (m_state) {
    case VersionWait:
    case VersionWait + 1:
        return TakeVersionReply();
    case ReadWait:
    case ReadWait + 1:
    case ReadWait + 2:
        return TakeReadReply();
    case AddressWait:
    case AddressWait + 1:
    case AddressWait + 2:
        return TakeAddressReply();
    case WriteWait:
    case WriteWait + 1:
    case WriteWait + 2:
        return TakeWriteAck();
    case SignalTableWait:
    case SignalTableWait + 1:
    case SignalTableWait + 2:
        return TakeSignalTableReply();
    default:
        return false;
    }
}

void TransferController::SendRead()
{
    NoteSend(ReplyLength(Exchange::Read));
    m_link.Send(ReadFrame(m_address));
    m_link.RxBuffer.clear();
    m_state = ReadWait;
}

void TransferController::SendAddressCheck()
{
    NoteSend(ReplyLength(Exchange::Read));
    m_link.Send(AddressCheckFrame());
    m_link.RxBuffer.clear();
    m_state = AddressWait;
}

void TransferController::SendWrite()
{
    NoteSend(ReplyLength(Exchange::Write));
    m_link.RxBuffer.clear();
    const int data = m_address >= 0 && m_address < ModuleBytes ? m_storeBytes[m_address] : 0;
    m_link.Send(WriteFrame(m_address, data));
    m_sent = std::max(m_sent, m_address - m_firstAddress + 1);
    m_state = WriteWait;
}

void TransferController::SendSignalTable()
{
    NoteSend(ReplyLength(Exchange::SignalTable));
    m_link.Send(SignalTableFrame(m_address));
    m_link.RxBuffer.clear();
    m_state = SignalTableWait;
}

bool TransferController::ByteDone()
{
    m_view.SetProgress(ProgressPercent(m_address, m_end));
    m_retries = 0;
    if (m_rewindTo >= 0) { // back to the first byte, after a quiet pause
        m_address = std::exchange(m_rewindTo, -1);
        m_quietTicks = 0;
        m_settleTicks = 0;
        return false;
    }
    ++m_address;
    return m_address > m_end;
}

void TransferController::NoteSend(int replyLength)
{
    // The bytes the transfer's frames may draw are counted from its first frame on: a byte that came between
    // the start and a first frame that waited for the tick answers none of them, and that send drops it.
    if (m_answerBytesAsked == 0)
        m_receivedBefore = m_link.BytesReceived;
    m_sentBetweenTicks = !m_inTick;
    m_tainted = false;
    m_answerBytesAsked += replyLength;
}

void TransferController::ReportDifferences()
{
    // The verify after a store compares with what was stored, whatever the image holds by now.
    const ImageBytes &expected = m_step == VerifyStore ? m_storeBytes : m_data.ConfigImage;
    for (int a = std::clamp(m_firstAddress, 0, ModuleBytes); a <= m_end && a < ModuleBytes; ++a) {
        if (m_incoming[a] != expected[a]) {
            m_equal = false;
            m_view.ByteDiffers(a, expected[a], m_incoming[a]);
        }
    }
}

void TransferController::CommitIncoming(int base, int areaSize)
{
    const int first = std::clamp(m_firstAddress, 0, areaSize);
    const int end = std::clamp(m_end + 1, first, areaSize);
    std::copy(m_incoming.begin() + base + first, m_incoming.begin() + base + end,
              m_data.ConfigImage.begin() + base + first);
}

void TransferController::LastByteDone()
{
    // A reply taken in haste may have been a second or late answer to the request before it, the true answer
    // still on its way when the program looked (a loaded machine looks late): then the line does not go quiet
    // after the last reply. At the tick's pace, which the transfer keeps once misled, each request went out a
    // tick after the one before and the tick mode's safety holds; but the last reply was taken the moment it
    // came, and what a store or a reset sends next would go out right behind it, where a stray byte behind
    // that reply lands in front of the next answer (the address check has no second attempt). The tick mode
    // sends a tick later. So the fast mode ends every transfer on a line that has been quiet.
    if (m_fast) {
        m_closing = true;
        return;
    }
    Finish();
}

void TransferController::Close(bool onTick)
{
    // Any byte behind the last reply now is one more than the requests drew: start again. At the tick's pace
    // such a byte says nothing about the replies taken, and the next frame's send drops it.
    if (!m_tickPace &&
        m_link.RxBuffer.size() >
            ReplyLength(SendStateOf(m_state) == SignalTableSend ? Exchange::SignalTable : Exchange::Read)) {
        Misled();
        return;
    }
    if (onTick && m_link.SinceLastSend() >= QuietAfterLastReplyMicroseconds) {
        m_closing = false;
        Finish();
    }
}

void TransferController::Finish()
{
    const int sendState = SendStateOf(m_state);
    m_state = Idle;
    m_view.SetProgressVisible(false);
    switch (sendState) {
    case ReadSend:
        if (m_step == Backup) {
            BackupDone(true);
        } else if (m_verify && m_step == VerifyStore) {
            ReportDifferences();
            if (m_equal)
                StoreDone();
            else
                End(TransferOutcome::StoredDifferent); // no restart: the module would run on wrong bytes
        } else if (m_verify) {
            ReportDifferences();
            m_view.Finished(m_equal ? TransferOutcome::Equal : TransferOutcome::Different);
        } else {
            m_replaced = m_data.ConfigImage;
            CommitIncoming(0, ModuleBytes);
            DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
            m_view.RoutesChanged();
            m_view.Finished(TransferOutcome::Read);
        }
        break;
    case WriteSend:
        if (m_jobVerify) {
            // Only the stored range, compared with the bytes that were stored; the restart waits for it.
            m_step = VerifyStore;
            m_verify = true;
            m_equal = true;
            StartByteTransfer(ReadSend, m_storeFirst, m_storeLast);
            Announce(TransferStep::VerifyWritten);
        } else {
            StoreDone();
        }
        break;
    case SignalTableSend:
        CommitIncoming(PoleSigBase, PoleSigBytes);
        m_view.Finished(TransferOutcome::SignalTableRead);
        break;
    default:
        break;
    }
}

void TransferController::TimeOut(TransferOutcome failure, int sendState)
{
    // A write in flight when the stop came has had its attempt: whether the module took it stays unknown.
    if (m_stopRequested) {
        StopNow();
        return;
    }
    ++m_retries;
    if (m_retries > 2)
        Fail(failure);
    else
        m_state = sendState;
}

void TransferController::Fail(TransferOutcome failure)
{
    m_state = Idle;
    m_view.SetProgressVisible(false);
    if (m_step == Backup)
        BackupDone(false);
    else
        End(m_step == VerifyStore ? TransferOutcome::StoreUnverified : failure);
}

void TransferController::End(TransferOutcome outcome)
{
    m_step = Plain;
    m_view.Finished(outcome);
}

bool TransferController::TakeVersionReply()
{
    const auto reply = MatchVersionReply(m_link.RxBuffer);
    if (!reply)
        return false;
    if (reply->type == 'S')
        m_view.CheckHx7S();
    m_view.SetVersionText(VersionText(reply->type, reply->version));
    // Idle before the notice: a nested tick must not take the same reply and show it twice.
    m_state = Idle;
    if (reply->version < FirmwareWithNewFunctions)
        m_view.Information(Translated(OldFirmwareText));
    return true;
}

template <typename Match>
bool TransferController::TakeByteReply(Match match, int replyLength, int sendState, int base, int areaSize)
{
    const auto d = match(m_link.RxBuffer);
    if (!d) {
        NotAReply(replyLength);
        return false;
    }
    if (const int waiting = m_state; !Trusted(replyLength, sendState, ReadsOtherwise(m_link.RxBuffer, *d, match)))
        return m_state != waiting; // not taken: the wait and its time-out go on
    // A verify compares only when every byte has come: a byte asked again replaces its first answer.
    if (m_address >= 0 && m_address < areaSize)
        m_incoming[base + m_address] = *d;
    NextByte(sendState);
    return true;
}

bool TransferController::TakeReadReply()
{
    return TakeByteReply(MatchReadReply, ReplyLength(Exchange::Read), ReadSend, 0, ModuleBytes);
}

void TransferController::NextByte(int sendState)
{
    const bool repeated = m_retries > 0;
    const bool last = ByteDone();
    if (m_stopRequested)
        StopNow(); // the write in flight is acknowledged: nothing more goes out
    else if (!last)
        Continue(sendState, repeated);
    else
        LastByteDone();
}

bool TransferController::TakeAddressReply()
{
    const auto a = MatchReadReply(m_link.RxBuffer);
    if (!a)
        return false;
    const int imageCode = m_expectedAddressCode;
    m_addressAnswer = *a;
    if (*a != imageCode) {
        m_state = Idle;
        if (!m_view.Confirm(AddressMismatchText(*a, imageCode))) {
            End(TransferOutcome::Refused);
            return true;
        }
    }
    // The tick mode writes the first byte on the next tick; the fast mode at once.
    m_state = WriteSend;
    if (m_fast && !m_inTick)
        SendFor(WriteSend);
    return true;
}

bool TransferController::TakeWriteAck()
{
    if (!MatchWriteAck(m_link.RxBuffer)) {
        NotAReply(ReplyLength(Exchange::Write));
        return false;
    }
    if (const int waiting = m_state; !Trusted(ReplyLength(Exchange::Write), WriteSend, false))
        return m_state != waiting; // not taken: the wait and its time-out go on
    m_acknowledged = std::max(m_acknowledged, m_address - m_firstAddress + 1);
    NextByte(WriteSend);
    return true;
}

bool TransferController::TakeSignalTableReply()
{
    return TakeByteReply(MatchSignalTableReply, ReplyLength(Exchange::SignalTable), SignalTableSend, PoleSigBase,
                         PoleSigBytes);
}

} // namespace hx7
