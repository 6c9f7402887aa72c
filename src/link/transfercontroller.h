// The tick-driven state machine that talks to the module: version query, read, verify, store,
// signal-table read and one-shot frames. The owner calls Tick() every 100 ms, after the receive step.
#pragma once

#include "hx7_var1.h"
#include "seriallink.h"
#include "transferview.h"

#include <optional>
#include <utility>

namespace hx7 {

class TransferController
{
public:
    TransferController(SharedData &data, SerialLink &link, TransferView &view);

    enum Scope { ConfigOnly = 0, ConfigAndRoutes = 1, SelectedRoute = 2 };

    // Each start does nothing (and returns false) unless the controller is idle. Each one, the factory
    // reset too, first opens the port again when it is not open; when that fails it warns why and sends nothing.
    bool StartVersionQuery();
    bool StartRead();
    bool StartVerify();
    bool StartStore(int storeScope, int selectedRoute);
    // The bytes a store of that scope covers (route 1..24 for SelectedRoute); nothing for no scope.
    static std::optional<std::pair<int, int>> StoreScopeRange(int storeScope, int selectedRoute);
    // A store of the bytes first..last (after the same address check), for callers that know which bytes
    // they hold, such as a command-line store of a file that does not hold every byte.
    bool StartStoreRange(int first, int last);
    bool StartPoleSigRead();
    bool QueueOneShot(const QByteArray &frame);
    // The factory reset takes over whatever runs; the caller has asked the user first.
    void StartFactoryReset();

    void Tick();

    int TransferState = 0;
    int CurrentAddress = 0;
    int EndAddress = 0;
    int RetryCount = 0;
    bool VerifyMode = false;
    bool VerifyEqual = false;
    bool ResetAfterStore = false; // taken from the store dialog whenever it closes
    QByteArray PendingCommand;
    QString PoleSigPath = QStringLiteral("poleSIG.txt");

    static QString VersionText(char type, std::uint8_t version);
    // Position of the progress bar after the byte at address: rounded half to even, never a division by 0.
    static int ProgressPercent(int address, int endAddress);

    static const QString OldFirmwareText;
    static const QString ReadErrorText;
    static const QString StoreErrorText;
    static const QString CommErrorText;
    static const QString EqualText;
    static const QString DifferentText;
    static const QString PoleSigDoneText;
    static const QString NoScopeText;
    static QString AddressMismatchText(int moduleCode, int imageCode);

private:
    bool EnsurePort();
    void StartByteTransfer(int state, int first, int last);
    void SendRead();
    void SendWrite();
    void SendSignalTable();
    void WaitVersion();
    void WaitRead();
    void WaitAddress();
    void WaitWrite();
    void WaitSignalTable();
    bool ByteDone();
    void TimeOut(const QString &message, int sendState);
    void CommitIncoming(int base, int areaSize);

    SharedData &m_data;
    SerialLink &m_link;
    TransferView &m_view;
    // A read collects its bytes here and hands them to the image only once all of them have come: a read
    // that fails part-way, or that a factory reset takes over, leaves the image as it was.
    ImageBytes m_incoming{};
    int m_firstAddress = 0; // where the running transfer began
};

} // namespace hx7
