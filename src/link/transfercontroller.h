// SPDX-License-Identifier: GPL-3.0-or-later
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

    // The values of TransferState. A waiting state counts its ticks by adding 1 each tick, so a wait of
    // three ticks is three consecutive values; the value after them means the wait ran out.
    enum State : int {
        Idle = 0,
        VersionWait = 5, // 5, 6: the version query went out when the button was pressed
        VersionGivenUp = 7,
        ReadSend = 14, // read or verify: ask for the byte at CurrentAddress
        ReadWait = 15, // 15..17
        ReadTimedOut = 18,
        AddressCheckSend = 20, // store: ask for the module's address code first
        AddressWait = 21,      // 21..23
        AddressTimedOut = 24,
        WriteSend = 25, // store: write the byte at CurrentAddress
        WriteWait = 26, // 26..28, for the acknowledge
        WriteTimedOut = 29,
        OneShotSend = 40, // PendingCommand, nothing awaited
        SignalTableSend = 50,
        SignalTableWait = 51, // 51..53
        SignalTableTimedOut = 54,
    };

    // Each start does nothing (and returns false) unless the controller is idle. Each one, the factory
    // reset too, first opens the port again when it is not open; when that fails it warns why and sends nothing.
    bool StartVersionQuery();
    bool StartRead();
    bool StartVerify();
    bool StartStore(int storeScope, int selectedRoute);
    // The bytes a store of that scope covers (route 1..24 for SelectedRoute); nothing for no scope.
    static std::optional<std::pair<int, int>> StoreScopeRange(int storeScope, int selectedRoute);
    // A store of the bytes first..last (after the same address check), for callers that know which bytes
    // they hold, such as a command-line store of a file that does not hold every byte. The store writes the
    // image as it is now: what changes it while the store runs (a load, an undo, a dialog's OK) stays in the
    // program and never reaches the module.
    bool StartStoreRange(int first, int last);
    // Writes bytes first..last of backup back into a module that a stopped store left half-written: no backup
    // of it (the newest backup must stay the one taken before the store), no restart, always read back. The
    // address check expects expectedAddressCode, the byte 4 the stop left in the module.
    bool StartRestore(const ImageBytes &backup, int first, int last, int expectedAddressCode);
    // Stops what runs; the transfer ends with TransferOutcome::Stopped. A write in flight is seen through first
    // (its acknowledge, or the end of its attempt), so the module's count of written bytes is known; anything
    // else ends at once and sends nothing more. False when nothing ran.
    bool Stop();
    bool StopRequested() const { return m_stopRequested; }
    // The step the last stop ended, and the one that runs (None when idle).
    TransferStep StoppedStep() const { return m_stoppedStep; }
    TransferStep CurrentStep() const;
    // Whether the running or last store is a restore of a backup.
    bool IsRestore() const { return m_restore; }
    // The bytes the running or last store writes (a snapshot taken when it began).
    const ImageBytes &StoreBytes() const { return m_storeBytes; }
    // What the image held when the last read put the module's bytes into it (the owner asks about changes
    // made while the read ran, and can put them back).
    const ImageBytes &ReplacedImage() const { return m_replaced; }
    bool StartPoleSigRead();
    bool QueueOneShot(const QByteArray &frame);
    // The factory reset takes over whatever runs; the caller has asked the user first. With backupFirst the
    // module is read and backed up before the reset frame goes out.
    void StartFactoryReset(bool backupFirst = false);

    // One 100 ms step: sends what is due and counts the waits.
    void Tick();
    // The fast mode's step, run by the owner whenever bytes arrive (after the receive step): takes a
    // complete reply at once and sends the next frame without waiting for the tick. Does nothing
    // unless the fast mode is on.
    void Advance();

    bool FastMode() const { return m_fast; }
    void SetFastMode(bool fast) { m_fast = fast; }
    // Whether a store ends by making the module restart; taken from the store dialog whenever it closes.
    bool ResetAfterStore() const { return m_resetAfterStore; }
    void SetResetAfterStore(bool reset) { m_resetAfterStore = reset; }
    // Whether a store first reads the whole module (0..248) into a scratch image and hands it to the view
    // to keep, asking before it stores without a backup when that fails.
    bool BackupBeforeStore() const { return m_backupBeforeStore; }
    void SetBackupBeforeStore(bool backup) { m_backupBeforeStore = backup; }
    // Whether a store ends by reading the stored range back; differences keep the module from restarting.
    bool VerifyAfterStore() const { return m_verifyAfterStore; }
    void SetVerifyAfterStore(bool verify) { m_verifyAfterStore = verify; }

    bool IsIdle() const { return m_state == Idle; }
    int TransferState() const { return m_state; }
    int CurrentAddress() const { return m_address; }
    int EndAddress() const { return m_end; }
    int RetryCount() const { return m_retries; }
    bool VerifyMode() const { return m_verify; }
    bool VerifyEqual() const { return m_equal; }
    // The bytes of the last store's range that the module acknowledged, counted from its first byte.
    int AcknowledgedCount() const { return m_acknowledged; }
    // The bytes of the last store's range whose write frame went out, acknowledged or not: what a stopped or
    // failed store may have changed.
    int SentCount() const { return m_sent; }
    // The module's address code (byte 4) after the last store, as far as it is known: the stored byte once the
    // module acknowledged it, else what the store's address check read; nothing when its write went out
    // unacknowledged or the check had no answer.
    std::optional<int> AddressCodeLeft() const;
    // The range of the running or last store.
    int StoreFirst() const { return m_storeFirst; }
    int StoreLast() const { return m_storeLast; }
    // After a failed store: how many bytes of its range the module acknowledged, and the backup taken before
    // it (a file; empty when none was), in the user's language.
    QString StoreLeftText(const QString &backup) const;
    const QByteArray &PendingCommand() const { return m_pending; }
    // For tests that need the controller in a state no start leads to (an unknown value, say).
    void SetStateForTest(int state) { m_state = state; }

    static QString VersionText(char type, std::uint8_t version);
    // Position of the progress bar after the byte at address: rounded half to even, never a division by 0.
    static int ProgressPercent(int address, int endAddress);

    // Czech, as the program is written; the view gets them in the user's language through Translated().
    static const QString OldFirmwareText;
    static const QString ReadErrorText;
    static const QString StoreErrorText;
    static const QString CommErrorText;
    static const QString EqualText;
    static const QString DifferentText;
    static const QString PoleSigDoneText;
    static const QString NoScopeText;
    static const QString StoredDifferentText;
    static const QString StoreUnverifiedText;
    static const QString BackupReadFailedText;
    static QString AddressMismatchText(int moduleCode, int imageCode); // already in the user's language
    static QString Translated(const QString &text);

private:
    bool EnsurePort();
    bool StartReadingAll(bool verify); // a read, or a verify that compares instead of keeping the bytes
    // What runs, for the steps a store or a factory reset is made of: each is a transfer of its own.
    enum Step { Plain, Backup, Store, VerifyStore };
    void StartStoreJob(int first, int last);
    void Announce(TransferStep step);
    void StopNow();
    void StartBackup(const Overwrite &followed);
    void BackupDone(bool read);
    void StartOverwrite();
    void StartStoreStep();
    void StoreDone();
    void StartByteTransfer(int state, int first, int last);
    void SendRead();
    void SendAddressCheck();
    void SendWrite();
    void SendSignalTable();
    bool TakeReply(); // the Take step of the waiting state, if any
    // One waiting tick: counts it (unless it is the early tick after a frame sent between ticks), then takes
    // the reply; true when the wait has run out without one.
    bool WaitRanOut(bool uncounted, bool (TransferController::*take)());
    // Each takes its reply from RxBuffer if it is complete and moves on; false when it is not there yet.
    bool TakeVersionReply();
    bool TakeReadReply();
    bool TakeAddressReply();
    bool TakeWriteAck();
    bool TakeSignalTableReply();
    // A read's or the signal table's byte: stored at base + CurrentAddress (within areaSize) once trusted.
    template <typename Match> bool TakeByteReply(Match match, int replyLength, int sendState, int base, int areaSize);
    // After a reply that completed a byte: the next byte's request, or the end of the transfer.
    void NextByte(int sendState);
    bool ByteDone();
    // After the last byte: ends the transfer, or in haste first waits for the line to stay quiet.
    void LastByteDone();
    void Close(bool onTick);
    void Finish();
    // The next byte's first request, after a reply that completed a byte.
    void Continue(int sendState, bool repeated);
    void SendFor(int sendState);
    // Each frame sent adds the length of the reply it asks for.
    void NoteSend(int replyLength);
    void CheckEarlyBytes();
    // Called while a reply is awaited and the buffer does not read as one.
    void NotAReply(int replyLength);
    void Misled();
    bool Holding();
    bool TooSoon(int replyLength);
    bool Tainted();
    // False when the reply is not taken: the transfer starts again at the tick's pace, or the byte is asked
    // again. twoWays: the buffer also reads as a reply with another value further on.
    bool Trusted(int replyLength, int sendState, bool twoWays);
    void TimeOut(TransferOutcome failure, int sendState);
    void Fail(TransferOutcome failure);
    void End(TransferOutcome outcome);
    void CommitIncoming(int base, int areaSize);
    void ReportDifferences();

    int m_state = Idle;
    int m_address = 0;
    int m_end = 0;
    int m_retries = 0;
    bool m_verify = false;
    bool m_equal = false;
    bool m_fast = false;
    bool m_resetAfterStore = false;
    bool m_backupBeforeStore = false;
    bool m_verifyAfterStore = false;
    Step m_step = Plain;
    Overwrite m_overwrite; // what follows the backup that runs
    int m_storeFirst = 0;  // the store's range, kept over its backup and its verify
    int m_storeLast = -1;
    int m_acknowledged = 0;
    int m_sent = 0;
    ImageBytes m_storeBytes{}; // what the store writes and its verify compares with
    ImageBytes m_replaced{};   // the image before the last read's bytes went in
    int m_expectedAddressCode = 0;
    int m_addressAnswer = -1; // what the running or last store's address check read (-1: nothing)
    bool m_restore = false;   // the store writes a backup back after a stop
    bool m_jobVerify = false; // the running store reads its bytes back (fixed when it began)
    int m_stepNumber = 0;     // of m_stepCount, for the view
    int m_stepCount = 1;
    TransferStep m_plainStep = TransferStep::None; // what a Plain step is
    bool m_stopRequested = false;
    TransferStep m_stoppedStep = TransferStep::None;
    QByteArray m_pending;

    SharedData &m_data;
    SerialLink &m_link;
    TransferView &m_view;
    // A read collects its bytes here and hands them to the image only once all of them have come: a read
    // that fails part-way, or that a factory reset takes over, leaves the image as it was.
    ImageBytes m_incoming{};
    int m_firstAddress = 0;          // where the running transfer began
    bool m_sentBetweenTicks = false; // the fast mode's last frame went out between two ticks
    bool m_inTick = false;           // Tick() runs (perhaps nested in a box that Advance() opened)
    bool m_tickPace = false;         // the line has misled the fast mode: the tick's pace from then on
    bool m_closing = false;          // every byte is done: waiting for the line to stay quiet before believing it
    bool m_tainted = false;          // no reply is taken for the attempt in flight
    int m_rewindTo = -1;             // misled: the transfer goes back there after its current byte
    int m_quietTicks = -1;           // before starting again: quiet ticks so far (-1: no pause running)
    int m_settleTicks = 0;           // ticks of that pause so far
    // The bytes received before the transfer began, and the reply bytes its frames have asked for since: a
    // module answers each frame once at most, so more bytes than that are stale or stray.
    qint64 m_receivedBefore = 0;
    qint64 m_answerBytesAsked = 0;
};

} // namespace hx7
