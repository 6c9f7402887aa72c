// The transfer state machine. Every path that opens a message box sets TransferState first: the
// box runs a nested event loop in which further ticks run, and they must find the controller idle.
#include "transfercontroller.h"

#include "configtextfile.h"
#include "frames.h"
#include "polesigdump.h"

#include <QCoreApplication>
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

namespace {
constexpr int FirmwareWithNewFunctions = 0x13;
// After the line has misled the fast mode: ticks without a byte before it goes back (as long as an
// answer is waited for), and how long it waits for such a pause at most.
constexpr int QuietTicksBeforeGoingBack = 3;
constexpr int MaxSettleTicks = 30;

// The sending state of the waiting group that state belongs to; Idle for none of them.
int SendStateOf(int state)
{
    using C = TransferController;
    for (const auto &[wait, send] : {std::pair{C::ReadWait, C::ReadSend}, std::pair{C::WriteWait, C::WriteSend},
                                     std::pair{C::SignalTableWait, C::SignalTableSend}})
        if (state >= wait && state < wait + 3)
            return send;
    return C::Idle;
}
} // namespace

QString TransferController::AddressMismatchText(int moduleCode, int imageCode)
{
    return QCoreApplication::translate(
               "hx7", "DCC adresa modulu (%1) nesouhlasí s konfigurací %2\n\r Chcete přesto uložit data? ")
        .arg(moduleCode)
        .arg(imageCode);
}

QString TransferController::Translated(const QString &text)
{
    return QCoreApplication::translate("hx7", text.toUtf8().constData());
}

TransferController::TransferController(SharedData &data, SerialLink &link, TransferView &view)
    : m_data(data), m_link(link), m_view(view)
{}

QString TransferController::VersionText(char type, std::uint8_t version)
{
    QString prefix;
    switch (type) {
    case 'D':
        prefix = QStringLiteral("HX7  V ");
        break;
    case 'V':
        prefix = QStringLiteral("HX7V V ");
        break;
    case 'S':
        prefix = QStringLiteral("HX7S V ");
        break;
    default:
        return {};
    }
    return prefix + QString::number(version / 16) + QLatin1Char('.') + QString::number(version % 16);
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
    if (TransferState != Idle || !EnsurePort())
        return false;
    m_link.EarlyBytesGuard = FastMode;
    m_link.Send(VersionQueryFrame());
    m_link.RxBuffer.clear();
    m_view.SetVersionText(QStringLiteral("??"));
    TransferState = VersionWait;
    return true;
}

void TransferController::StartByteTransfer(int state, int first, int last)
{
    m_firstAddress = first;
    CurrentAddress = first;
    EndAddress = last;
    m_view.SetProgress(0);
    m_view.SetProgressVisible(true);
    RetryCount = 0;
    TransferState = state;
    m_byteJustDone = false;
    m_quietTicks = -1;
    m_rewindTo = -1;
    m_tickPace = false;
    m_link.EarlyBytesGuard = FastMode;
    m_link.TakeEarlyBytes();
    m_lastTaken = -1;
    m_confirmed = -1;
    m_doubt = {};
    // The fast mode sends the first frame now instead of at the next tick.
    if (FastMode)
        SendFor(state);
}

bool TransferController::StartRead()
{
    if (TransferState != Idle || !EnsurePort())
        return false;
    VerifyMode = false;
    StartByteTransfer(ReadSend, 0, LastTransferAddress);
    return true;
}

bool TransferController::StartVerify()
{
    if (TransferState != Idle || !EnsurePort())
        return false;
    VerifyMode = true;
    VerifyEqual = true;
    StartByteTransfer(ReadSend, 0, LastTransferAddress);
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
    if (TransferState != Idle)
        return false;
    const auto range = StoreScopeRange(storeScope, selectedRoute);
    if (!range) {
        // Closed with OK but nothing chosen: storing some guessed range could overwrite the module.
        m_view.Warning(Translated(NoScopeText));
        return false;
    }
    if (!EnsurePort())
        return false;
    StartByteTransfer(AddressCheckSend, range->first, range->second);
    return true;
}

bool TransferController::StartStoreRange(int first, int last)
{
    if (TransferState != Idle || first < 0 || last < first || last >= ModuleBytes || !EnsurePort())
        return false;
    StartByteTransfer(AddressCheckSend, first, last);
    return true;
}

bool TransferController::StartPoleSigRead()
{
    if (TransferState != Idle || !EnsurePort())
        return false;
    StartByteTransfer(SignalTableSend, 0, PoleSigBytes - 1);
    return true;
}

bool TransferController::QueueOneShot(const QByteArray &frame)
{
    if (TransferState != Idle || !EnsurePort())
        return false;
    PendingCommand = frame;
    TransferState = OneShotSend;
    return true;
}

void TransferController::StartFactoryReset()
{
    if (!EnsurePort())
        return;
    PendingCommand = InitialiseConfigFrame();
    TransferState = OneShotSend;
}

void TransferController::Tick()
{
    // A tick can run nested in a box that an earlier tick, or the fast mode's Advance(), opened.
    const bool outerInTick = std::exchange(m_inTick, true);
    // A frame that the fast mode sent between two ticks waits the full ticks of the tick mode: the first tick
    // after it comes early and does not count.
    const bool uncounted = std::exchange(m_sentBetweenTicks, false);
    CheckEarlyBytes();
    // A waiting state first counts the tick, then looks for its reply; one past its last waiting
    // state means that the last tick has gone by without one.
    switch (TransferState) {
    case Idle:
        m_view.SetProgressVisible(false);
        break;
    case VersionWait:
    case VersionWait + 1:
        ++TransferState;
        if (!TakeVersionReply() && TransferState == VersionGivenUp)
            TransferState = Idle;
        break;
    case ReadSend:
    case SignalTableSend:
        if (Holding())
            break;
        DoubtIfTailBehind();
        SendFor(TransferState);
        break;
    case ReadWait:
    case ReadWait + 1:
    case ReadWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeReadReply))
            TimeOut(ReadErrorText, ReadSend);
        break;
    case AddressCheckSend:
        SendAddressCheck();
        break;
    case AddressWait:
    case AddressWait + 1:
    case AddressWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeAddressReply)) { // no repeat for the address check
            TransferState = Idle;
            m_view.Warning(Translated(CommErrorText));
        }
        break;
    case WriteSend:
        if (!Holding())
            SendFor(WriteSend);
        break;
    case WriteWait:
    case WriteWait + 1:
    case WriteWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeWriteAck))
            TimeOut(StoreErrorText, WriteSend);
        break;
    case OneShotSend:
        m_link.Send(PendingCommand);
        TransferState = Idle;
        break;
    case SignalTableWait:
    case SignalTableWait + 1:
    case SignalTableWait + 2:
        if (WaitRanOut(uncounted, &TransferController::TakeSignalTableReply))
            TimeOut(ReadErrorText, SignalTableSend);
        break;
    default:
        TransferState = Idle;
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
    ++TransferState;
    // Each waiting group is three values long: the fourth is the one past it.
    return !(this->*take)() && (TransferState == ReadTimedOut || TransferState == AddressTimedOut ||
                                TransferState == WriteTimedOut || TransferState == SignalTableTimedOut);
}

void TransferController::Advance()
{
    if (!FastMode)
        return;
    // What follows a complete reply goes out now (Continue() says when it waits). A reply still missing is
    // left to the ticks, which count its time-out and send the repeat exactly as in the tick mode: a late
    // byte never hurries a repeat.
    CheckEarlyBytes();
    TakeReply();
}

void TransferController::CheckEarlyBytes()
{
    // Bytes came before the frame in flight could have been heard (a second or late answer to an earlier
    // frame, a stray byte or two behind one). The receive step has thrown them away; but the reply taken
    // last may itself have been such stale bytes, its true answer among these.
    if (!m_link.TakeEarlyBytes() || !FastMode || SendStateOf(TransferState) == Idle)
        return;
    // What comes after them in this attempt may be the rest of one of them: no reply is taken for it, and
    // the attempt is repeated after its time-out, as for a module that did not answer.
    m_tainted = true;
    if (!m_tickPace)
        Misled();
}

void TransferController::Misled()
{
    // The request in flight is waited for as ever (its repeats ask for the same byte, so no answer to it can
    // be taken for another); then, once the line has been quiet for as long as an answer is waited for, the
    // transfer starts again from its first byte at the tick's pace (where, as in the tick mode, the tick's
    // send drops what came before it). Which of the replies taken in haste were stale cannot be told (a
    // program that looked late can be misled several bytes in a row), so none of them is kept: a read hands
    // its bytes to the image only at the end, and writing a byte again does no harm.
    m_tickPace = true;
    m_rewindTo = m_firstAddress;
    m_confirmed = -1;
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
        Fail(TransferState == WriteSend ? StoreErrorText : ReadErrorText);
        return true;
    }
    if (m_quietTicks < QuietTicksBeforeGoingBack)
        return true;
    m_quietTicks = -1;
    return false;
}

bool TransferController::Tainted()
{
    if (!m_tainted)
        return false;
    m_link.RxBuffer.clear();
    return true;
}

bool TransferController::TooSoon(int replyLength)
{
    // A reply complete sooner than the frame and the reply itself could have crossed the line is stale bytes
    // that happen to look like one: not taken, and the true answer is still awaited.
    if (!FastMode || m_link.SinceLastSend() >= (FrameSize + replyLength) * SerialLink::ByteLineMicroseconds)
        return false;
    m_link.RxBuffer.clear();
    m_tainted = true;
    if (!m_tickPace)
        Misled();
    return true;
}

bool TransferController::DoubtLastTaken()
{
    if (m_lastTaken < 0 || m_lastTaken == m_confirmed || m_doubt.address >= 0)
        return false;
    const int base = TransferState >= SignalTableSend ? PoleSigBase : 0;
    NewDoubt(m_lastTaken, m_incoming[base + m_lastTaken]);
    return true;
}

void TransferController::DoubtIfTailBehind()
{
    // The reply taken last is still in RxBuffer (nothing has gone out since); a '*' come behind it meanwhile
    // may be its true end. Nothing is on its way, so the byte is asked again at once.
    if (FastMode && !m_tickPace && m_byteJustDone && m_lastTaken >= 0 && TailBehind(m_takenLength) && DoubtLastTaken())
        CurrentAddress = m_lastTaken;
}

void TransferController::NewDoubt(int address, int value)
{
    m_doubt = {address, value, 0};
    // A line that casts doubt on byte after byte (a '*' behind every reply) gains nothing from haste: the
    // rest of the transfer keeps the tick's pace, asking each byte once the line has had its say.
    if (address == m_confirmed + 1)
        m_tickPace = true;
}

bool TransferController::TailBehind(int replyLength) const
{
    return m_link.RxBuffer.size() > replyLength && m_link.RxBuffer[replyLength] == '*';
}

bool TransferController::Trusted(int value, int replyLength, int sendState)
{
    // The fast mode takes a reply the moment its last byte is there, so bytes behind it mean that the line
    // brought more than one answer before the program looked (it was busy for a few milliseconds): which
    // of them answers this request cannot be told. And a data byte may itself be '*', so a stray byte in
    // front of such a reply makes "stray, '*'" look like the whole reply, with the stray as its value, and
    // the true '*' follows behind it. So the fast mode does not trust a reply with bytes behind it: that
    // byte is asked again until two answers agree.
    if (!FastMode)
        return true;
    if (Tainted() || TooSoon(replyLength))
        return false;
    // At the tick's pace nothing else is on its way and the tick's send drops what came behind, as in the
    // tick mode.
    if (m_tickPace && m_doubt.address != CurrentAddress)
        return true;
    if (m_doubt.address == CurrentAddress) {
        if (m_doubt.value == value) {
            m_confirmed = CurrentAddress;
            m_doubt = {};
            return true;
        }
    } else if (m_link.RxBuffer.size() == replyLength) {
        return true;
    } else {
        NewDoubt(CurrentAddress, value);
    }
    m_doubt.value = value;
    if (++m_doubt.asks > 2) {
        Fail(ReadErrorText);
        return false;
    }
    TransferState = sendState; // the tick asks again, and its send drops what came meanwhile
    if (m_inTick)
        SendFor(sendState);
    return false;
}

void TransferController::Continue(int sendState, bool repeated)
{
    // The tick mode asks for the next byte in the tick that took the reply, and its send drops whatever the
    // line brought meanwhile. The fast mode asks at once, except after a byte that needed a repeat (the
    // module may still answer the earlier attempt) or while a reply is in doubt: then it waits for the tick
    // as the tick mode does.
    if (FastMode && !m_inTick && (repeated || m_doubt.address >= 0 || m_tickPace)) {
        TransferState = sendState;
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
    switch (TransferState) {
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
    NoteSend();
    m_link.Send(ReadFrame(CurrentAddress));
    m_link.RxBuffer.clear();
    TransferState = ReadWait;
}

void TransferController::SendAddressCheck()
{
    NoteSend();
    m_link.Send(AddressCheckFrame());
    m_link.RxBuffer.clear();
    TransferState = AddressWait;
}

void TransferController::SendWrite()
{
    NoteSend();
    m_link.RxBuffer.clear();
    const int data = CurrentAddress >= 0 && CurrentAddress < ModuleBytes ? m_data.ConfigImage[CurrentAddress] : 0;
    m_link.Send(WriteFrame(CurrentAddress, data));
    TransferState = WriteWait;
}

void TransferController::SendSignalTable()
{
    NoteSend();
    m_link.Send(SignalTableFrame(CurrentAddress));
    m_link.RxBuffer.clear();
    TransferState = SignalTableWait;
}

bool TransferController::ByteDone()
{
    m_view.SetProgress(ProgressPercent(CurrentAddress, EndAddress));
    RetryCount = 0;
    if (m_rewindTo >= 0) { // back to a reply that proved doubtful, after a pause
        CurrentAddress = std::exchange(m_rewindTo, -1);
        m_quietTicks = 0;
        m_settleTicks = 0;
        return false;
    }
    ++CurrentAddress;
    m_byteJustDone = true;
    return CurrentAddress > EndAddress;
}

void TransferController::NoteTaken(int replyLength)
{
    m_lastTaken = CurrentAddress >= 0 && CurrentAddress < ModuleBytes ? CurrentAddress : -1;
    m_takenLength = replyLength;
}

void TransferController::NoteSend()
{
    m_sentBetweenTicks = !m_inTick;
    m_byteJustDone = false;
    m_tainted = false;
}

void TransferController::ReportDifferences()
{
    for (int a = std::clamp(m_firstAddress, 0, ModuleBytes); a <= EndAddress && a < ModuleBytes; ++a) {
        if (m_incoming[a] != m_data.ConfigImage[a]) {
            VerifyEqual = false;
            m_view.ByteDiffers(a, m_data.ConfigImage[a], m_incoming[a]);
        }
    }
}

void TransferController::CommitIncoming(int base, int areaSize)
{
    const int first = std::clamp(m_firstAddress, 0, areaSize);
    const int end = std::clamp(EndAddress + 1, first, areaSize);
    std::copy(m_incoming.begin() + base + first, m_incoming.begin() + base + end,
              m_data.ConfigImage.begin() + base + first);
}

void TransferController::TimeOut(const QString &message, int sendState)
{
    ++RetryCount;
    if (RetryCount > 2)
        Fail(message);
    else
        TransferState = sendState;
}

void TransferController::Fail(const QString &message)
{
    TransferState = Idle;
    m_view.Warning(Translated(message));
    m_view.SetProgressVisible(false);
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
    TransferState = Idle;
    if (reply->version < FirmwareWithNewFunctions)
        m_view.Information(Translated(OldFirmwareText));
    return true;
}

bool TransferController::TakeReadReply()
{
    const auto d = MatchReadReply(m_link.RxBuffer);
    if (!d)
        return false;
    if (!Trusted(*d, 2, ReadSend))
        return true;
    // A verify compares only when every byte has come: a byte asked again replaces its first answer.
    if (CurrentAddress >= 0 && CurrentAddress < ModuleBytes)
        m_incoming[CurrentAddress] = *d;
    NoteTaken(2);
    const bool repeated = RetryCount > 0;
    if (!ByteDone()) {
        Continue(ReadSend, repeated);
        return true;
    }
    TransferState = Idle;
    m_view.SetProgressVisible(false);
    if (VerifyMode) {
        ReportDifferences();
        m_view.Information(Translated(VerifyEqual ? EqualText : DifferentText));
    } else {
        CommitIncoming(0, ModuleBytes);
        DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
        m_view.RoutesChanged();
    }
    return true;
}

bool TransferController::TakeAddressReply()
{
    const auto a = MatchReadReply(m_link.RxBuffer);
    if (!a)
        return false;
    const int imageCode = m_data.ConfigImage[AddressCodeByte];
    if (*a != imageCode) {
        TransferState = Idle;
        if (!m_view.Confirm(AddressMismatchText(*a, imageCode)))
            return true;
    }
    // The tick mode writes the first byte on the next tick; the fast mode at once.
    TransferState = WriteSend;
    if (FastMode && !m_inTick)
        SendFor(WriteSend);
    return true;
}

bool TransferController::TakeWriteAck()
{
    if (!MatchWriteAck(m_link.RxBuffer))
        return false;
    if (Tainted() || TooSoon(2))
        return true;
    NoteTaken(2);
    const bool repeated = RetryCount > 0;
    if (!ByteDone()) {
        Continue(WriteSend, repeated);
        return true;
    }
    TransferState = Idle;
    m_view.SetProgressVisible(false);
    if (ResetAfterStore)
        m_link.Send(ResetModuleFrame());
    return true;
}

bool TransferController::TakeSignalTableReply()
{
    const auto d = MatchSignalTableReply(m_link.RxBuffer);
    if (!d)
        return false;
    if (!Trusted(*d, 3, SignalTableSend))
        return true;
    if (CurrentAddress >= 0 && CurrentAddress < PoleSigBytes)
        m_incoming[PoleSigBase + CurrentAddress] = *d;
    NoteTaken(3);
    const bool repeated = RetryCount > 0;
    if (!ByteDone()) {
        Continue(SignalTableSend, repeated);
        return true;
    }
    TransferState = Idle;
    m_view.SetProgressVisible(false);
    CommitIncoming(PoleSigBase, PoleSigBytes);
    if (WritePoleSigDump(PoleSigPath, m_data.ConfigImage))
        m_view.Information(Translated(PoleSigDoneText));
    else
        m_view.Warning(hx7::WriteErrorText(PoleSigPath));
    return true;
}

} // namespace hx7
