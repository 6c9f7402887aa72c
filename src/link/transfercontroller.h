// SPDX-License-Identifier: GPL-3.0-or-later
// What talks to the module: it walks a transfer's plan (a store is a backup read, an address check, the
// writes, a read back and a restart frame), sends each frame when the pace allows and takes each answer
// the reply stream trusts. The owner calls Tick() every 100 ms, after the receive step, and in the fast mode
// Advance() whenever bytes arrive.
#pragma once

#include "hx7_var1.h"
#include "moduleidentity.h"
#include "pace.h"
#include "replystream.h"
#include "seriallink.h"
#include "transferplan.h"
#include "transferview.h"

#include <optional>
#include <utility>
#include <vector>

namespace hx7 {

class TransferController
{
public:
    TransferController(SharedData &data, SerialLink &link, TransferView &view);

    enum Scope { ConfigOnly = 0, ConfigAndRoutes = 1, SelectedRoute = 2 };

    // The values TransferState() has always shown (the traffic monitor and tests read them): a frame due, or
    // the answer awaited plus the ticks waited for it so far.
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
    // The version query, then byte 4 read once (no write): Identity() then holds the module with its address
    // code, or without it when byte 4 had no answer. Ends with Finished(Identified), as the query alone does.
    bool StartIdentify();
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
    // The answer to the question the view was asked (TransferView::Ask); nothing when none is pending.
    void Answer(bool yes);
    bool QuestionPending() const { return m_phase == Phase::Asking; }
    // What the last version query learnt: the module's type, version and port, or nothing when none answered.
    const std::optional<ModuleIdentity> &Identity() const { return m_identity; }
    // The module's address code as the last store's address check read it; nothing when it had no answer.
    std::optional<int> AddressCheckAnswer() const;
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
    // Takes effect at the next transfer: a running one keeps the pace it began with.
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

    bool IsIdle() const { return m_phase == Phase::Idle; }
    int TransferState() const;
    // Which pass over a step's bytes runs: 1, or for a fast read 2 (the confirmation) and 3 (the bytes whose
    // two readings differ, at the tick's pace).
    int Pass() const { return m_passNumber; }
    // The length of the answer awaited now (0 when none is).
    int AwaitedReplyLength() const { return m_phase == Phase::Waiting ? ReplyLength(StepExchange()) : 0; }
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
    const QByteArray &PendingCommand() const { return m_pending; }

    // Position of the progress bar after the byte at address: rounded half to even, never a division by 0.
    static int ProgressPercent(int address, int endAddress);

private:
    // Where the step in flight is: a frame due (at the next tick, or after the quiet pause), an answer awaited,
    // the line watched after the last answer, a question waiting for Answer(), a one-shot frame due.
    enum class Phase { Idle, Sending, Waiting, Closing, Asking, OneShotDue };

    bool EnsurePort();
    bool Begin(TransferPlan plan, bool checkPort = true);
    void StartStoreJob(int first, int last);
    void StartStep(bool chained);
    void FirstPass(const PlanStep &step);
    const PlanStep &Step() const { return m_plan[m_stepIndex]; }
    Exchange StepExchange() const;
    bool Fast() const { return m_pace.Fast(); }
    bool AnnouncedAt(std::size_t index) const;
    // chained: the step before ended in a tick, after a quiet line; its first frame goes at the next tick.
    void NextStep(bool chained);
    void StepDone();
    void BackupDone(bool read);
    void AddressChecked(int code);
    void ReadDone();
    void Ask(TransferQuestion question, const QuestionFacts &facts);
    void StopNow();

    void Send(bool repeat);
    void SendDue();
    void FeedArrivals();
    bool TakeReply();
    void Took(int value);
    void Doubted(ReplyStream::Doubt why);
    ReplyStream::Strictness Strictness() const;
    void WaitTick(bool counts);
    void NextByte();
    void WatchClosing(bool atTick);
    int Progress() const;
    bool Confirms() const;
    void PassDone();
    void StartPass(std::vector<int> addresses, bool tickPace);
    void PauseTick();
    void Misled();
    void TimeOut();
    void Fail();
    void End(TransferOutcome outcome);
    void CommitIncoming(int base, int areaSize);
    void ReportDifferences();

    bool m_fast = false;
    bool m_resetAfterStore = false;
    bool m_backupBeforeStore = false;
    bool m_verifyAfterStore = false;

    TransferPlan m_plan;
    std::size_t m_stepIndex = 0;
    Phase m_phase = Phase::Idle;
    ReplyStream m_stream;
    Pace m_pace;
    bool m_atTick = false;
    int m_address = 0;
    int m_end = 0;
    int m_retries = 0;
    int m_waited = 0;              // ticks counted for the attempt in flight
    bool m_repeated = false;       // the byte in flight needed more than one attempt
    bool m_rewind = false;         // misled: the step goes back to its first byte after the byte in flight
    bool m_stepFirstFrame = false; // the step's first frame is still to go
    // The addresses the pass in flight asks for, and which of them: a fast read's first pass, its confirmation,
    // and the bytes whose two readings differ.
    std::vector<int> m_pass;
    std::size_t m_passAt = 0;
    int m_passNumber = 1;
    ImageBytes m_firstPass{};
    bool m_verify = false;
    bool m_equal = false;
    int m_stepNumber = 0; // of m_stepCount, for the view
    int m_stepCount = 1;
    TransferQuestion m_question = TransferQuestion::AddressMismatch;

    int m_storeFirst = 0; // the store's range, kept over its backup and its verify
    int m_storeLast = -1;
    int m_acknowledged = 0;
    int m_sent = 0;
    ImageBytes m_storeBytes{}; // what the store writes and its verify compares with
    ImageBytes m_replaced{};   // the image before the last read's bytes went in
    int m_expectedAddressCode = 0;
    int m_addressAnswer = -1; // what the running or last store's address check read (-1: nothing)
    bool m_restore = false;   // the store writes a backup back after a stop
    bool m_jobVerify = false; // the running store reads its bytes back (fixed when it began)
    std::optional<ModuleIdentity> m_identity;
    bool m_stopRequested = false;
    TransferStep m_stoppedStep = TransferStep::None;
    QByteArray m_pending;

    SharedData &m_data;
    SerialLink &m_link;
    TransferView &m_view;
    // A read collects its bytes here and hands them to the image only once all of them have come: a read
    // that fails part-way, or that a factory reset takes over, leaves the image as it was.
    ImageBytes m_incoming{};
};

} // namespace hx7
