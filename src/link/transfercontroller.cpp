// The transfer state machine. Every path that opens a message box sets TransferState first: the
// box runs a nested event loop in which further ticks run, and they must find the controller idle.
#include "transfercontroller.h"

#include "configtextfile.h"
#include "frames.h"
#include "polesigdump.h"

#include <cmath>

namespace hx7 {

const QString TransferController::OldFirmwareText =
    QStringLiteral("Modul obsahuje  starší verzi FW (<1.3), a nepodporuje nové funkce. Verze FW lze updatovat !");
const QString TransferController::ReadErrorText = QStringLiteral("Chyba čtení dat !");
const QString TransferController::StoreErrorText = QStringLiteral("Chyba zapisu dat !");
const QString TransferController::CommErrorText = QStringLiteral("Chyba komunikace !");
const QString TransferController::EqualText = QStringLiteral("Data v modulu jsou shodná");
const QString TransferController::DifferentText = QStringLiteral("Data v modulu jsou rozdílná !");
const QString TransferController::PoleSigDoneText = QStringLiteral("Data poleSIG[] ulozeny ");
const QString TransferController::NoScopeText = QStringLiteral("Vyberte, která data se mají uložit do modulu.");

namespace {
constexpr int FirmwareWithNewFunctions = 0x13;
}

QString TransferController::AddressMismatchText(int moduleCode, int imageCode)
{
    return QStringLiteral("DCC adresa modulu (") + QString::number(moduleCode) +
           QStringLiteral(") nesouhlasí s konfigurací ") + QString::number(imageCode) +
           QStringLiteral("\n\r Chcete přesto uložit data? ");
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
    if (TransferState != 0 || !EnsurePort())
        return false;
    m_link.Send(VersionQueryFrame());
    m_link.RxBuffer.clear();
    m_view.SetVersionText(QStringLiteral("??"));
    TransferState = 5;
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
}

bool TransferController::StartRead()
{
    if (TransferState != 0 || !EnsurePort())
        return false;
    VerifyMode = false;
    StartByteTransfer(14, 0, LastTransferAddress);
    return true;
}

bool TransferController::StartVerify()
{
    if (TransferState != 0 || !EnsurePort())
        return false;
    VerifyMode = true;
    VerifyEqual = true;
    StartByteTransfer(14, 0, LastTransferAddress);
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
    if (TransferState != 0)
        return false;
    const auto range = StoreScopeRange(storeScope, selectedRoute);
    if (!range) {
        // Closed with OK but nothing chosen: storing some guessed range could overwrite the module.
        m_view.Warning(NoScopeText);
        return false;
    }
    if (!EnsurePort())
        return false;
    StartByteTransfer(20, range->first, range->second);
    return true;
}

bool TransferController::StartStoreRange(int first, int last)
{
    if (TransferState != 0 || first < 0 || last < first || last >= ModuleBytes || !EnsurePort())
        return false;
    StartByteTransfer(20, first, last);
    return true;
}

bool TransferController::StartPoleSigRead()
{
    if (TransferState != 0 || !EnsurePort())
        return false;
    StartByteTransfer(50, 0, PoleSigBytes - 1);
    return true;
}

bool TransferController::QueueOneShot(const QByteArray &frame)
{
    if (TransferState != 0 || !EnsurePort())
        return false;
    PendingCommand = frame;
    TransferState = 40;
    return true;
}

void TransferController::StartFactoryReset()
{
    if (!EnsurePort())
        return;
    PendingCommand = InitialiseConfigFrame();
    TransferState = 40;
}

void TransferController::Tick()
{
    switch (TransferState) {
    case 0:
        m_view.SetProgressVisible(false);
        break;
    case 5:
    case 6:
        WaitVersion();
        break;
    case 14:
        SendRead();
        break;
    case 15:
    case 16:
    case 17:
        WaitRead();
        break;
    case 20:
        m_link.Send(AddressCheckFrame());
        m_link.RxBuffer.clear();
        TransferState = 21;
        break;
    case 21:
    case 22:
    case 23:
        WaitAddress();
        break;
    case 25:
        SendWrite();
        m_view.SetProgressVisible(true);
        break;
    case 26:
    case 27:
    case 28:
        WaitWrite();
        break;
    case 40:
        m_link.Send(PendingCommand);
        TransferState = 0;
        break;
    case 50:
        SendSignalTable();
        break;
    case 51:
    case 52:
    case 53:
        WaitSignalTable();
        break;
    default:
        TransferState = 0;
        break;
    }
}

void TransferController::SendRead()
{
    m_link.Send(ReadFrame(CurrentAddress));
    m_link.RxBuffer.clear();
    TransferState = 15;
}

void TransferController::SendWrite()
{
    m_link.RxBuffer.clear();
    const int data = CurrentAddress >= 0 && CurrentAddress < ModuleBytes ? m_data.ConfigImage[CurrentAddress] : 0;
    m_link.Send(WriteFrame(CurrentAddress, data));
    TransferState = 26;
}

void TransferController::SendSignalTable()
{
    m_link.Send(SignalTableFrame(CurrentAddress));
    m_link.RxBuffer.clear();
    TransferState = 51;
}

bool TransferController::ByteDone()
{
    m_view.SetProgress(ProgressPercent(CurrentAddress, EndAddress));
    RetryCount = 0;
    ++CurrentAddress;
    return CurrentAddress > EndAddress;
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
    if (RetryCount > 2) {
        TransferState = 0;
        m_view.Warning(message);
        m_view.SetProgressVisible(false);
    } else {
        TransferState = sendState;
    }
}

void TransferController::WaitVersion()
{
    ++TransferState;
    if (const auto reply = MatchVersionReply(m_link.RxBuffer)) {
        if (reply->type == 'S')
            m_view.CheckHx7S();
        m_view.SetVersionText(VersionText(reply->type, reply->version));
        // Idle before the notice: a nested tick must not take the same reply and show it twice.
        TransferState = 0;
        if (reply->version < FirmwareWithNewFunctions)
            m_view.Information(OldFirmwareText);
        return;
    }
    if (TransferState == 7)
        TransferState = 0;
}

void TransferController::WaitRead()
{
    ++TransferState;
    if (const auto d = MatchReadReply(m_link.RxBuffer)) {
        if (CurrentAddress >= 0 && CurrentAddress < ModuleBytes) {
            const std::uint8_t byte = m_data.ConfigImage[CurrentAddress];
            if (!VerifyMode)
                m_incoming[CurrentAddress] = *d;
            else if (byte != *d) {
                VerifyEqual = false;
                m_view.ByteDiffers(CurrentAddress, byte, *d);
            }
        }
        if (!ByteDone()) {
            SendRead();
            return;
        }
        TransferState = 0;
        m_view.SetProgressVisible(false);
        if (VerifyMode) {
            m_view.Information(VerifyEqual ? EqualText : DifferentText);
        } else {
            CommitIncoming(0, ModuleBytes);
            DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
            m_view.RoutesChanged();
        }
        return;
    }
    if (TransferState > 17)
        TimeOut(ReadErrorText, 14);
}

void TransferController::WaitAddress()
{
    ++TransferState;
    if (const auto a = MatchReadReply(m_link.RxBuffer)) {
        const int imageCode = m_data.ConfigImage[AddressCodeByte];
        if (*a == imageCode) {
            TransferState = 25;
        } else {
            TransferState = 0;
            if (m_view.Confirm(AddressMismatchText(*a, imageCode)))
                TransferState = 25;
        }
        return;
    }
    if (TransferState > 23) {
        TransferState = 0;
        m_view.Warning(CommErrorText);
    }
}

void TransferController::WaitWrite()
{
    ++TransferState;
    if (MatchWriteAck(m_link.RxBuffer)) {
        if (!ByteDone()) {
            SendWrite();
            return;
        }
        TransferState = 0;
        m_view.SetProgressVisible(false);
        if (ResetAfterStore)
            m_link.Send(ResetModuleFrame());
        return;
    }
    if (TransferState > 28)
        TimeOut(StoreErrorText, 25);
}

void TransferController::WaitSignalTable()
{
    ++TransferState;
    if (const auto d = MatchSignalTableReply(m_link.RxBuffer)) {
        if (CurrentAddress >= 0 && CurrentAddress < PoleSigBytes)
            m_incoming[PoleSigBase + CurrentAddress] = *d;
        if (!ByteDone()) {
            SendSignalTable();
            return;
        }
        TransferState = 0;
        m_view.SetProgressVisible(false);
        CommitIncoming(PoleSigBase, PoleSigBytes);
        if (WritePoleSigDump(PoleSigPath, m_data.ConfigImage))
            m_view.Information(PoleSigDoneText);
        else
            m_view.Warning(hx7::WriteErrorText(PoleSigPath));
        return;
    }
    if (TransferState > 53)
        TimeOut(ReadErrorText, 50);
}

} // namespace hx7
