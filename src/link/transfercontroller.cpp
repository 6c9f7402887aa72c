// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer controller: it walks the plan, sends at the pace's word and takes what the reply stream trusts.
// It never waits inside a box: a question is a phase that Answer() ends.
#include "transfercontroller.h"

#include "frames.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>

namespace hx7 {

namespace {
// Ticks an answer is waited for: the version query's two, every other frame's three.
constexpr int VersionWaitTicks = 2;
constexpr int WaitTicks = 3;
constexpr int Attempts = 3;
} // namespace

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
    if (m_phase != Phase::Idle)
        return false;
    const auto range = StoreScopeRange(storeScope, selectedRoute);
    if (!range) // nothing chosen: storing some guessed range could overwrite the module
        return false;
    return StartStoreRange(range->first, range->second);
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

void TransferController::ReportDifferences()
{
    // The verify after a store compares with what was stored, whatever the image holds by now.
    const ImageBytes &expected = Step().kind == PlanStep::ReadBack ? m_storeBytes : m_data.ConfigImage;
    for (int a = std::clamp(Step().first, 0, ModuleBytes); a <= m_end && a < ModuleBytes; ++a) {
        if (m_incoming[a] != expected[a]) {
            m_equal = false;
            m_view.ByteDiffers(a, expected[a], m_incoming[a]);
        }
    }
}

void TransferController::CommitIncoming(int base, int areaSize)
{
    const int first = std::clamp(Step().first, 0, areaSize);
    const int end = std::clamp(m_end + 1, first, areaSize);
    std::copy(m_incoming.begin() + base + first, m_incoming.begin() + base + end,
              m_data.ConfigImage.begin() + base + first);
}

TransferController::TransferController(SharedData &data, SerialLink &link, TransferView &view)
    : m_data(data), m_link(link), m_view(view)
{}

int TransferController::TransferState() const
{
    if (m_phase == Phase::Idle || m_phase == Phase::Asking)
        return Idle; // a question pending shows as idle, as it always has
    if (m_phase == Phase::OneShotDue)
        return OneShotSend;
    struct Values {
        int send, wait;
    };
    Values v{ReadSend, ReadWait};
    switch (Step().kind) {
    case PlanStep::Query:
        return VersionWait + m_waited;
    case PlanStep::AddressCheck:
    case PlanStep::AddressRead:
        v = {AddressCheckSend, AddressWait};
        break;
    case PlanStep::Write:
        v = {WriteSend, WriteWait};
        break;
    case PlanStep::SignalTable:
        v = {SignalTableSend, SignalTableWait};
        break;
    default:
        break;
    }
    return m_phase == Phase::Sending ? v.send : v.wait + std::min(m_waited, WaitTicks - 1);
}

TransferStep TransferController::CurrentStep() const
{
    return m_phase == Phase::Idle ? TransferStep::None : ViewStepOf(Step().kind);
}

Exchange TransferController::StepExchange() const
{
    return ExchangeOfStep(Step().kind);
}

std::optional<int> TransferController::AddressCheckAnswer() const
{
    return m_addressAnswer >= 0 ? std::optional(m_addressAnswer) : std::nullopt;
}

bool TransferController::AnnouncedAt(std::size_t index) const
{
    // The address check begins the writes, and the writes that follow it are the same step to the user.
    const TransferStep shown = ViewStepOf(m_plan[index].kind);
    return shown != TransferStep::None && (index == 0 || ViewStepOf(m_plan[index - 1].kind) != shown);
}

bool TransferController::Begin(TransferPlan plan, bool checkPort)
{
    if (checkPort && !EnsurePort())
        return false;
    m_plan = std::move(plan);
    m_stepIndex = 0;
    m_stopRequested = false;
    m_stepNumber = 0;
    m_stepCount = 0;
    for (std::size_t i = 0; i < m_plan.size(); ++i)
        m_stepCount += AnnouncedAt(i) ? 1 : 0;
    m_link.TakeArrivals(); // what came before the transfer belongs to none of its frames
    m_stream.Begin();
    StartStep(false);
    return true;
}

bool TransferController::StartVersionQuery()
{
    if (m_phase != Phase::Idle || !EnsurePort())
        return false;
    m_identity.reset();
    return Begin(QueryPlan(), false);
}

bool TransferController::StartIdentify()
{
    if (m_phase != Phase::Idle || !EnsurePort())
        return false;
    m_identity.reset();
    return Begin(IdentifyPlan(), false);
}

bool TransferController::StartRead()
{
    return m_phase == Phase::Idle && Begin(ReadPlan());
}

bool TransferController::StartVerify()
{
    return m_phase == Phase::Idle && Begin(VerifyPlan());
}

bool TransferController::StartPoleSigRead()
{
    return m_phase == Phase::Idle && Begin(SignalTablePlan());
}

bool TransferController::QueueOneShot(const QByteArray &frame)
{
    if (m_phase != Phase::Idle || !EnsurePort())
        return false;
    m_pending = frame;
    return Begin(OneShotPlan(frame), false);
}

bool TransferController::StartStoreRange(int first, int last)
{
    if (m_phase != Phase::Idle || first < 0 || last < first || last >= ModuleBytes || !EnsurePort())
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
    if (m_phase != Phase::Idle || first < 0 || last < first || last >= ModuleBytes || !EnsurePort())
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
    m_addressAnswer = -1;
    // A restore puts back what the module held before a stopped store: no backup of it (the newest backup must
    // stay the one taken before that store), and the module restarts on its own terms.
    Begin(StorePlan(first, last, m_backupBeforeStore && !m_restore, m_jobVerify, m_resetAfterStore && !m_restore),
          false);
}

void TransferController::StartFactoryReset(bool backupFirst)
{
    // It takes over whatever runs; the caller has asked the user first.
    if (!EnsurePort())
        return;
    m_restore = false;
    m_phase = Phase::Idle;
    m_pace.EndClosing();
    m_pending = InitialiseConfigFrame();
    Begin(FactoryResetPlan(backupFirst), false);
}

void TransferController::FirstPass(const PlanStep &step)
{
    m_address = step.first;
    m_end = step.last;
    m_pass.clear();
    for (int a = step.first; a <= step.last; ++a)
        m_pass.push_back(a);
    m_passAt = 0;
    m_passNumber = 1;
}

void TransferController::StartStep(bool chained)
{
    const PlanStep &step = Step();
    if (step.last >= step.first) // a step of bytes; the others leave where the last one ended
        FirstPass(step);
    m_retries = 0;
    m_waited = 0;
    m_repeated = false;
    m_rewind = false;
    m_verify = step.kind == PlanStep::Verify || step.kind == PlanStep::ReadBack;
    m_stepFirstFrame = true;
    m_equal = true;
    m_pace.Begin(m_fast);
    if (AnnouncedAt(m_stepIndex)) {
        m_stepNumber = std::min(m_stepNumber + 1, m_stepCount);
        m_view.StepStarted(ViewStepOf(step.kind), m_stepNumber, m_stepCount);
    }
    switch (step.kind) {
    case PlanStep::Restart:
        m_link.Send(ResetModuleFrame());
        End(TransferOutcome::Stored);
        return;
    case PlanStep::FactoryReset:
    case PlanStep::OneShot:
        m_pending = step.kind == PlanStep::OneShot ? step.frame : InitialiseConfigFrame();
        m_phase = Phase::OneShotDue;
        return;
    default:
        break;
    }
    if (step.kind != PlanStep::Query && step.kind != PlanStep::AddressCheck && step.kind != PlanStep::AddressRead) {
        m_view.SetProgress(0);
        m_view.SetProgressVisible(true);
    }
    m_phase = Phase::Sending;
    // The version query goes out when the button is pressed, in either mode.
    if (step.kind == PlanStep::Query || (!chained && m_pace.FirstFrameMayGo(m_atTick)))
        Send(false);
}

void TransferController::Send(bool repeat)
{
    const Exchange kind = StepExchange();
    QByteArray frame;
    switch (Step().kind) {
    case PlanStep::Query:
        frame = VersionQueryFrame();
        break;
    case PlanStep::Write:
        frame = WriteFrame(m_address, m_address >= 0 && m_address < ModuleBytes ? m_storeBytes[m_address] : 0);
        m_sent = std::max(m_sent, m_address - Step().first + 1);
        break;
    case PlanStep::SignalTable:
        frame = SignalTableFrame(m_address);
        break;
    case PlanStep::AddressCheck:
    case PlanStep::AddressRead:
        frame = AddressCheckFrame();
        break;
    default:
        frame = ReadFrame(m_address);
        break;
    }
    FeedArrivals(); // what came before the frame is not its answer, and the stream must know it came first
    if (std::exchange(m_stepFirstFrame, false))
        m_stream.CountFromHere();
    m_link.Send(frame);
    m_stream.Sent(kind, m_link.LastSendAt(), repeat, !m_atTick);
    // The version query goes out when asked, and its first tick has always counted.
    m_pace.Sent(m_atTick || Step().kind == PlanStep::Query);
    m_waited = 0;
    m_phase = Phase::Waiting;
}

void TransferController::FeedArrivals()
{
    for (const SerialLink::Arrival &a : m_link.TakeArrivals()) {
        if (a.flooded)
            m_stream.Taint(); // the awaited answer went with the flood: its time-out asks again
        else
            m_stream.Received(a.bytes, a.at);
    }
}

void TransferController::Tick()
{
    m_atTick = true;
    const bool counts = m_pace.TickCounts();
    FeedArrivals();
    switch (m_phase) {
    case Phase::Idle:
        m_view.SetProgressVisible(false);
        break;
    case Phase::Asking:
        break;
    case Phase::OneShotDue:
        m_link.Send(m_pending);
        m_phase = Phase::Idle;
        break;
    case Phase::Sending:
        SendDue();
        break;
    case Phase::Waiting:
        WaitTick(counts);
        break;
    case Phase::Closing:
        WatchClosing(true);
        break;
    }
    m_atTick = false;
}

void TransferController::Advance()
{
    // What follows a complete answer goes out now (the pace says when it waits). An answer still missing is
    // left to the ticks, which count its time-out and send the repeat as the slow transfer does.
    if (!Fast())
        return;
    FeedArrivals();
    if (m_phase == Phase::Closing)
        WatchClosing(false);
    else if (m_phase == Phase::Waiting)
        TakeReply();
}

void TransferController::SendDue()
{
    if (m_pace.Pausing()) {
        PauseTick();
        if (m_phase != Phase::Sending || m_pace.Pausing())
            return;
    }
    Send(m_retries > 0);
}

void TransferController::PauseTick()
{
    switch (m_pace.Pause(m_stream.HeardSinceLastAsked())) {
    case Pace::PauseTick::Holding:
    case Pace::PauseTick::Over:
        break;
    case Pace::PauseTick::GaveUp:
        Fail(); // a line that will not go quiet ends the step as a module that does not answer would
        break;
    }
}

void TransferController::WaitTick(bool counts)
{
    // A waiting tick first counts itself, then looks for the answer; the last tick without one ends the attempt.
    if (counts)
        ++m_waited;
    if (TakeReply() || m_phase != Phase::Waiting)
        return;
    const int ticks = Step().kind == PlanStep::Query ? VersionWaitTicks : WaitTicks;
    if (m_waited < ticks)
        return;
    if (Step().kind == PlanStep::Query || Step().kind == PlanStep::AddressRead) {
        End(TransferOutcome::Identified); // the module as far as it answered
    } else if (Step().kind == PlanStep::AddressCheck) {
        End(TransferOutcome::CommFailed); // no repeat for the address check
    } else {
        TimeOut();
    }
}

ReplyStream::Strictness TransferController::Strictness() const
{
    // The version query and the address check are asked once, at a tick's distance from anything before them:
    // the slow transfer's reading, which the address check has always had, is right there, and a doubt would
    // end the store that a repeat cannot save.
    const PlanStep::Kind kind = Step().kind;
    if (!Fast() || kind == PlanStep::Query || kind == PlanStep::AddressCheck || kind == PlanStep::AddressRead)
        return ReplyStream::Strictness::Tick;
    return m_pace.AtTickPace() ? ReplyStream::Strictness::Paced : ReplyStream::Strictness::Haste;
}

bool TransferController::TakeReply()
{
    const ReplyStream::Verdict verdict = m_stream.Judge(Strictness(), m_atTick);
    switch (verdict.kind) {
    case ReplyStream::Verdict::Nothing:
        return false;
    case ReplyStream::Verdict::Doubtful:
        Doubted(verdict.why);
        return false;
    case ReplyStream::Verdict::Answer:
        break;
    }
    m_stream.Taken();
    Took(verdict.value);
    return true;
}

void TransferController::Doubted(ReplyStream::Doubt why)
{
    // Asked once: the version query then has no answer; a store whose module cannot be told is not begun.
    if (Step().kind == PlanStep::Query || Step().kind == PlanStep::AddressRead) {
        m_stream.Taint();
        return;
    }
    if (Step().kind == PlanStep::AddressCheck) {
        End(TransferOutcome::CommFailed);
        return;
    }
    switch (why) {
    case ReplyStream::Doubt::TooSoon:
        if (m_pace.AtTickPace()) {
            m_stream.Taint(); // at the tick's pace: no answer for this attempt, its time-out asks again
            return;
        }
        Misled();
        return;
    case ReplyStream::Doubt::TwoWays:
    case ReplyStream::Doubt::CutBySend:
        TimeOut(); // asked again at the tick, as an attempt: a line that does this every time ends the step
        return;
    default:
        Misled();
        return;
    }
}

void TransferController::Misled()
{
    // Which of the answers taken in haste were stale cannot be told, so none is kept: the step starts again from
    // its first byte at the tick's pace, after a quiet pause. First the attempt in flight is seen through with no
    // answer taken for it, so that a late answer to it cannot be taken for another byte. A read hands its bytes
    // to the image only at the end, and writing a byte again does no harm.
    m_pace.Misled();
    m_rewind = true;
    m_stream.Taint();
    if (m_pace.Closing()) {
        m_pace.EndClosing();
        m_passAt = m_pass.size() - 1; // misled after the last answer: that byte is asked again first
        m_address = m_pass[m_passAt];
        m_retries = 0;
        m_phase = Phase::Sending;
    }
}

void TransferController::Took(int value)
{
    switch (Step().kind) {
    case PlanStep::Query:
        m_identity = ModuleIdentity{static_cast<char>(value >> 8), static_cast<std::uint8_t>(value & 0xFF),
                                    m_link.DeviceName(m_link.ComPortNumber)};
        if (m_stepIndex + 1 < m_plan.size()) {
            NextStep(true); // byte 4 at the next tick, at a tick's distance from the answer, as the address check
            return;
        }
        m_phase = Phase::Idle;
        m_view.Finished(TransferOutcome::Identified);
        return;
    case PlanStep::AddressRead:
        m_identity->addressCode = value & 0xFF;
        End(TransferOutcome::Identified);
        return;
    case PlanStep::AddressCheck:
        AddressChecked(value);
        return;
    case PlanStep::Write:
        m_acknowledged = std::max(m_acknowledged, m_address - Step().first + 1);
        break;
    case PlanStep::SignalTable:
        if (m_address >= 0 && m_address < PoleSigBytes)
            m_incoming[PoleSigBase + m_address] = static_cast<std::uint8_t>(value);
        break;
    default:
        // A verify compares only when every byte has come: a byte asked again replaces its first answer.
        if (m_address >= 0 && m_address < ModuleBytes)
            m_incoming[m_address] = static_cast<std::uint8_t>(value);
        break;
    }
    NextByte();
}

int TransferController::Progress() const
{
    // A read that is confirmed goes over its bytes twice: each pass is half of the bar.
    const int percent = ProgressPercent(m_address, m_end);
    if (!Confirms())
        return percent;
    return m_passNumber == 1 ? percent / 2 : m_passNumber == 2 ? 50 + percent / 2 : 100;
}

void TransferController::NextByte()
{
    m_view.SetProgress(Progress());
    const bool repeated = m_retries > 0;
    m_retries = 0;
    if (m_stopRequested) {
        StopNow(); // the write in flight is acknowledged: nothing more goes out
        return;
    }
    if (m_rewind) { // back to the pass's first byte, after a quiet pause
        m_rewind = false;
        m_passAt = 0;
        m_address = m_pass.front();
        m_pace.StartPause();
        m_stream.HeardSinceLastAsked();
        m_phase = Phase::Sending;
        return;
    }
    if (++m_passAt < m_pass.size()) {
        m_address = m_pass[m_passAt];
        m_phase = Phase::Sending;
        if (m_pace.NextFrameMayGo(m_atTick, repeated))
            Send(false);
        return;
    }
    m_address = m_end + 1;
    // A fast step ends on a line that has stayed quiet (see Pace); the slow one at once.
    m_phase = Phase::Closing;
    if (Fast())
        m_pace.StartClosing();
    else
        StepDone();
}

bool TransferController::Confirms() const
{
    switch (Step().kind) {
    case PlanStep::Read:
    case PlanStep::Verify:
    case PlanStep::Backup:
    case PlanStep::ReadBack:
    case PlanStep::SignalTable:
        return Fast();
    default:
        return false;
    }
}

void TransferController::PassDone()
{
    // A fast read is read twice, and the bytes whose two readings differ once more at the tick's pace: a line
    // that misleads the fast pace must then do it the same way twice to pass. A pass that went at the tick's pace
    // (the line misled it) is as good as the slow transfer's, and is kept as it is.
    if (!Confirms() || m_passNumber == 3 || m_pace.AtTickPace()) {
        StepDone();
        return;
    }
    if (m_passNumber == 1) {
        m_firstPass = m_incoming;
        StartPass(m_pass, false);
        return;
    }
    const int base = Step().kind == PlanStep::SignalTable ? PoleSigBase : 0;
    std::vector<int> differ;
    for (const int a : m_pass)
        if (m_incoming[base + a] != m_firstPass[base + a])
            differ.push_back(a);
    if (differ.empty())
        StepDone();
    else
        StartPass(std::move(differ), true);
}

void TransferController::StartPass(std::vector<int> addresses, bool tickPace)
{
    ++m_passNumber;
    m_pass = std::move(addresses);
    m_passAt = 0;
    m_address = m_pass.front();
    m_retries = 0;
    m_rewind = false;
    m_pace.Begin(m_fast);
    if (tickPace)
        m_pace.Misled();
    m_stepFirstFrame = true;
    // In the tick that saw the line quiet for 100 ms behind the last pass: what still trails it would show as a
    // difference, and the differences are read again at the tick's pace.
    m_phase = Phase::Sending;
    Send(false);
}

void TransferController::WatchClosing(bool atTick)
{
    // Any byte behind the last answer beyond what its byte's other attempts may bring is one more than the
    // requests drew: start again. At the tick's pace such a byte says nothing of the answers taken.
    if (!m_pace.AtTickPace() && m_stream.Overrun()) {
        Misled();
        return;
    }
    if (atTick && m_pace.QuietLongEnough(m_link.SinceLastSend())) {
        m_pace.EndClosing();
        PassDone();
    }
}

void TransferController::TimeOut()
{
    // A write in flight when the stop came has had its attempt: whether the module took it stays unknown.
    if (m_stopRequested) {
        StopNow();
        return;
    }
    if (++m_retries >= Attempts) {
        Fail();
        return;
    }
    m_phase = Phase::Sending; // the repeat goes at the next tick
}

void TransferController::Fail()
{
    m_view.SetProgressVisible(false);
    switch (Step().kind) {
    case PlanStep::Backup:
        BackupDone(false);
        return;
    case PlanStep::Write:
        End(TransferOutcome::StoreFailed);
        return;
    case PlanStep::ReadBack:
        End(TransferOutcome::StoreUnverified);
        return;
    case PlanStep::AddressCheck:
        End(TransferOutcome::CommFailed);
        return;
    default:
        End(TransferOutcome::ReadFailed);
        return;
    }
}

void TransferController::End(TransferOutcome outcome)
{
    m_phase = Phase::Idle;
    m_view.SetProgressVisible(false);
    m_view.Finished(outcome);
}

void TransferController::NextStep(bool chained)
{
    if (++m_stepIndex < m_plan.size())
        StartStep(chained);
    else
        End(TransferOutcome::Stored); // only a store's plan goes on past its last step
}

void TransferController::StepDone()
{
    m_view.SetProgressVisible(false);
    switch (Step().kind) {
    case PlanStep::Backup:
        BackupDone(true);
        return;
    case PlanStep::Write:
        NextStep(true);
        return;
    case PlanStep::ReadBack:
        ReportDifferences();
        if (m_equal)
            NextStep(true); // the restart, if any, goes out right behind the read back
        else
            End(TransferOutcome::StoredDifferent); // no restart: the module would run on wrong bytes
        return;
    case PlanStep::SignalTable:
        CommitIncoming(PoleSigBase, PoleSigBytes);
        End(TransferOutcome::SignalTableRead);
        return;
    case PlanStep::Verify:
        ReportDifferences();
        End(m_equal ? TransferOutcome::Equal : TransferOutcome::Different);
        return;
    default:
        ReadDone();
        return;
    }
}

void TransferController::ReadDone()
{
    m_replaced = m_data.ConfigImage;
    CommitIncoming(0, ModuleBytes);
    DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
    m_view.RoutesChanged();
    End(TransferOutcome::Read);
}

void TransferController::BackupDone(bool read)
{
    // What the backup is before: the factory reset, or the writes of the store.
    const auto write =
        std::find_if(m_plan.begin(), m_plan.end(), [](const PlanStep &s) { return s.kind == PlanStep::Write; });
    const Overwrite followed = write == m_plan.end() ? Overwrite{true} : Overwrite{false, write->first, write->last};
    QuestionFacts facts;
    facts.factoryReset = followed.factoryReset;
    if (read && m_view.KeepBackup(m_incoming, followed, &facts.backupError)) {
        NextStep(true);
        return;
    }
    Ask(TransferQuestion::NoBackup, facts);
}

void TransferController::AddressChecked(int code)
{
    m_addressAnswer = code;
    if (code == m_expectedAddressCode) {
        NextStep(false); // the first write goes out at once in the fast mode, at the next tick in the slow one
        return;
    }
    QuestionFacts facts;
    facts.moduleAddressCode = code;
    facts.imageAddressCode = m_expectedAddressCode;
    Ask(TransferQuestion::AddressMismatch, facts);
}

void TransferController::Ask(TransferQuestion question, const QuestionFacts &facts)
{
    // Nothing goes out while the user decides; the ticks go on and find the question pending.
    m_phase = Phase::Asking;
    m_question = question;
    m_view.SetProgressVisible(false);
    if (const std::optional<bool> answer = m_view.Ask(question, facts))
        Answer(*answer);
}

void TransferController::Answer(bool yes)
{
    if (m_phase != Phase::Asking)
        return;
    if (!yes) {
        m_phase = Phase::Idle;
        m_view.Finished(m_question == TransferQuestion::NoBackup ? TransferOutcome::BackupFailed
                                                                 : TransferOutcome::Refused);
        return;
    }
    // The adapter may have been pulled and plugged in again while the user was asked (a pulled adapter is what
    // fails a backup read most often): open it again, as every start does.
    if (m_question == TransferQuestion::NoBackup && !EnsurePort()) {
        End(TransferOutcome::CommFailed);
        return;
    }
    NextStep(false);
}

bool TransferController::Stop()
{
    if (m_phase == Phase::Idle)
        return false;
    // A write frame in flight may be written by now: its acknowledge (or the end of its attempt) says whether,
    // so that the count of bytes the module took is true. Everything else can end at once.
    if (Step().kind == PlanStep::Write && m_phase == Phase::Waiting) {
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
    m_pace.EndClosing();
    m_link.TakeArrivals(); // nothing received so far belongs to the next transfer, which starts clean
    End(TransferOutcome::Stopped);
}

} // namespace hx7
