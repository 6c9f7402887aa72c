// SPDX-License-Identifier: GPL-3.0-or-later
// The reply stream fed by a module in virtual time: the module hears each frame a line's time after it went out,
// answers the frames it hears in order and misbehaves with each as the input says; the program looks up to 20 ms
// late (a USB adapter holds bytes back, a loaded machine looks late) and takes what came meanwhile together; a
// simplified controller sends, judges, takes and asks again after a doubt or three quiet ticks, three times at most.
// Checked: Judge says the same twice; what the stream keeps stays bounded; a module that behaves has every byte read
// right in every strictness, with no doubt but in haste; a hasty first attempt's answer is right where the module
// sends nothing but its answers (some lost), and the tick's with none but late answers (one cut in two by the
// repeat's send too), bar the cases no listener can tell.
#include "frames.h"
#include "replystream.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <new>
#include <utility>
#include <vector>

// Live bytes from operator new: the stream keeps an arrival time for each byte it holds. The array forms are the
// runtime's, which pair with each other.
static std::size_t g_heap = 0;
void *operator new(std::size_t n, const std::nothrow_t &) noexcept
{
    auto *p = static_cast<std::max_align_t *>(std::malloc(n + sizeof(std::max_align_t)));
    if (!p)
        return nullptr;
    *reinterpret_cast<std::size_t *>(p) = n;
    g_heap += n;
    return p + 1;
}
void *operator new(std::size_t n)
{
    if (void *p = operator new(n, std::nothrow))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept
{
    if (!p)
        return;
    auto *h = static_cast<std::max_align_t *>(p) - 1;
    g_heap -= *reinterpret_cast<std::size_t *>(h);
    std::free(h);
}
void operator delete(void *p, std::size_t) noexcept
{
    operator delete(p);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    operator delete(p);
}

namespace {

using hx7::Exchange;
using hx7::ReplyStream;
using Strictness = ReplyStream::Strictness;
using Verdict = ReplyStream::Verdict;

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

constexpr qint64 ByteUs = hx7::ByteLineMicroseconds;
constexpr qint64 TickUs = 100'000;
constexpr qint64 Never = std::numeric_limits<qint64>::max();
constexpr int Attempts = 3, WaitTicks = 3;
constexpr std::size_t StreamHeapLimit = 4096; // some hundred bytes: a byte's three attempts draw a dozen at most

enum What { Behaves, Lost, Twice, StrayBefore, StrayBehind, Late, Busy, AlsoBehaves };

// Frame n asks for byte n of the memory (unless repeats came between) and meets misbehaviour n.
struct Record {
    char value;     // the module's byte
    What what;      // what the module does with the frame
    char stray;     // CR or '*'
    char extra;     // the signal table reply's second byte
    qint64 lookUs;  // how late the program looks while the frame is in flight
    qint64 delayUs; // of the stray, the late answer, the busy spell
};

// A byte on the line and where it came from: byte index of frame n's answer (a copy goes on counting), or a
// stray (frame -1); when it came, when the program took it.
struct LineByte {
    char c;
    int frame;
    int index;
    qint64 came = 0, taken = 0;
};

struct Module {
    std::multimap<qint64, LineByte> line; // by arrival time
    qint64 thinkUs = 0, txFree = 0, deafUntil = 0;

    void Hear(int n, const Record &r, const QByteArray &answer, qint64 sentAt)
    {
        const qint64 heard = sentAt + hx7::FrameLineMicroseconds;
        if (heard < deafUntil) // busy: the frame goes unheard
            return;
        qint64 start = std::max(heard + thinkUs + (r.what == Late ? r.delayUs : 0), txFree);
        if (r.what == Busy)
            start = std::max(start, deafUntil = heard + r.delayUs);
        if (r.what == StrayBefore) {
            const qint64 at = sentAt + ByteUs + r.delayUs % 8000;
            line.emplace(at, LineByte{r.stray, -1, 0});
            start = std::max(start, at);
        }
        if (r.what == Lost)
            return;
        qint64 t = start;
        const int bytes = (r.what == Twice ? 2 : 1) * answer.size();
        for (int i = 0; i < bytes; ++i)
            line.emplace(t += ByteUs, LineByte{answer[i % answer.size()], n, i});
        if (r.what == StrayBehind)
            line.emplace(t += ByteUs + r.delayUs % 12000, LineByte{r.stray, -1, 0});
        txFree = t;
    }
};

struct Run {
    std::vector<Record> records;
    Exchange kind = Exchange::Read;
    Strictness paced = Strictness::Tick; // for the frames that did not go out right behind an answer
    bool fast = false;                   // a byte's first frame goes out the moment the answer before it is taken
    int count = 0;                       // bytes to transfer
    bool good = true;                    // no misbehaviour at all
    bool lateOnly = true;                // none but late answers
    bool noneExtra = true;               // no byte beyond the answers: answers only lost, never late, twice or stray
    bool blind = false;                  // since Begin, a stray made a reply that no listener can tell from the answer
    // Since Begin, an answer came after a frame for a later byte went out: the tick mode has always trusted a tick
    // to bring a byte's answers before the next byte's frame goes, and one that comes later misleads it.
    bool crossed = false;

    Module module;
    ReplyStream stream;
    std::size_t streamHeap = 0;
    std::vector<LineByte> fed; // what the stream was told since Begin
    std::vector<LineByte> pending;
    std::vector<int> asked; // the byte each frame asked for
    std::size_t heardMark = 0;
    qint64 now = 0, nextTick = TickUs, look = Never, lookUs = 0, sentAt = 0;
    int byte = 0, attempt = 1, frames = 0, inFlight = -1, waited = 0;
    bool waiting = false, tickCounts = true, hasty = false;

    template <typename F> void Counted(F f)
    {
        const std::size_t before = g_heap;
        f();
        streamHeap += g_heap - before;
    }
    const Record &At(int n) const { return records[n % records.size()]; }
    int Truth() const { return kind == Exchange::Write ? 0 : static_cast<std::uint8_t>(At(byte).value); }
    QByteArray Answer() const
    {
        if (kind == Exchange::Write)
            return "Y*";
        return QByteArray(1, At(byte).value) + (kind == Exchange::SignalTable ? QByteArray(1, At(byte).extra) : "") +
               '*';
    }
    Strictness How() const { return hasty ? Strictness::Haste : paced; }

    void Send(bool atTick)
    {
        hasty = fast && attempt == 1 && !atTick;
        Counted([&] { stream.Sent(kind, now, attempt > 1, hasty); });
        module.Hear(frames, At(frames), Answer(), now);
        lookUs = At(frames).lookUs;
        asked.push_back(byte);
        inFlight = frames++;
        sentAt = now;
        waited = 0;
        waiting = true;
        tickCounts = atTick; // the first tick after a frame sent between ticks comes early
    }

    void Feed()
    {
        if (pending.empty())
            return;
        QByteArray bytes;
        for (LineByte &b : pending) {
            bytes += b.c;
            b.taken = now;
            fed.push_back(b);
        }
        pending.clear();
        Counted([&] { stream.Received(bytes, now); });
        Check(stream.LastArrival() == now);
    }

    // A stray that came before the frame could have been heard but was taken no sooner, right in front of the
    // frame's answer, that reads with the answer's head as a whole reply: no listener can tell it from the answer.
    bool StrayMadeAReply(int value) const
    {
        const qint64 heard = sentAt + hx7::FrameLineMicroseconds;
        for (std::size_t i = 0; i + hx7::ReplyLength(kind) <= fed.size(); ++i)
            if (fed[i].frame == -1 && fed[i].came < heard && fed[i].taken >= heard && fed[i + 1].frame == inFlight &&
                fed[i + 1].index == 0 && hx7::MatchReply(kind, fed[i].c + Answer().chopped(1)) == value)
                return true;
        return false;
    }

    // The attempt failed: the repeat goes at the next tick; after the last, the transfer ends and the next one
    // begins a second after the line went quiet.
    void Again()
    {
        waiting = false;
        if (++attempt <= Attempts)
            return;
        Check(!good);
        now = std::max({now, module.txFree, module.deafUntil}) + 1'000'000;
        nextTick = now + TickUs;
        look = Never;
        module.line.clear();
        pending.clear();
        fed.clear();
        heardMark = 0;
        blind = crossed = false;
        Counted([&] { stream.Begin(); });
        attempt = 1;
        ++byte;
    }

    void Judge(bool atTick)
    {
        const Verdict v = stream.Judge(How(), atTick), again = stream.Judge(How(), atTick);
        Check(v.kind == again.kind && v.value == again.value && v.why == again.why);
        if (v.kind == Verdict::Nothing)
            return;
        if (v.kind == Verdict::Doubtful) {
            Check(!good || How() == Strictness::Haste);
            stream.Taint();
            Check(stream.Judge(How(), atTick).kind == Verdict::Nothing);
            Again();
            return;
        }
        // A stray that made a reply with an answer's head leaves the stream a byte off for the rest of the transfer.
        blind = blind || StrayMadeAReply(v.value);
        const bool first = How() == Strictness::Haste && attempt == 1;
        if (v.value != Truth()) {
            Check(!good);
            Check(!lateOnly || crossed || How() != Strictness::Tick);
            // One hasty pass cannot place every extra byte (a second answer or a stray seen late together with the
            // next answer, an answer later than the next frame): the controller reads a fast read twice for those.
            // Where the module sends nothing but its answers, a hasty first attempt is right.
            Check(!first || blind || !noneExtra);
        }
        Counted([&] { stream.Taken(); });
        Check(streamHeap <= StreamHeapLimit);
        const bool repeated = attempt > 1;
        attempt = 1;
        waiting = false;
        if (++byte < count && (atTick || (fast && !repeated)))
            Send(atTick);
    }

    void OnTick()
    {
        Feed();
        Check(stream.HeardSinceLastAsked() == (fed.size() != heardMark));
        heardMark = fed.size();
        if (!waiting) {
            Send(true);
            return;
        }
        if (std::exchange(tickCounts, true))
            ++waited;
        Judge(true);
        if (waiting && waited >= WaitTicks)
            Again();
    }

    void Go()
    {
        if (fast)
            Send(false);
        for (int ticks = 0; byte < count && ticks < 100'000;) {
            const qint64 next = module.line.empty() ? Never : module.line.begin()->first;
            if (next < std::min(nextTick, look)) {
                now = next;
                LineByte b = module.line.begin()->second;
                b.came = now;
                crossed = crossed || (b.frame >= 0 && asked[b.frame] < asked.back());
                pending.push_back(b);
                module.line.erase(module.line.begin());
                if (look == Never)
                    look = now + lookUs;
            } else if (look <= nextTick) {
                now = look;
                look = Never;
                Feed();
                if (waiting && How() != Strictness::Tick)
                    Judge(false);
            } else {
                now = nextTick;
                nextTick += TickUs;
                look = Never;
                ++ticks;
                OnTick();
            }
        }
        if (good)
            Check(byte == count && module.line.empty() && pending.empty() && !stream.Overrun());
    }
};

} // namespace

// Input: the strictness of frames sent at a tick (Tick, Paced, Haste) and fast or not, the reply kind; the
// module's think time; how often the records repeat; then five bytes a frame: the memory's byte (often '*'), the
// misbehaviour with its stray byte, the program's lateness, a delay.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3 + 5)
        return 0;
    Run run;
    run.paced = static_cast<Strictness>(data[0] % 3);
    run.fast = data[0] & 4;
    constexpr Exchange kinds[] = {Exchange::Read, Exchange::Read, Exchange::SignalTable, Exchange::Write};
    run.kind = kinds[(data[0] >> 3) & 3];
    run.module.thinkUs = data[1] % 64 * 80;
    for (std::size_t i = 3; i + 5 <= size && run.records.size() < 512; i += 5) {
        const std::uint8_t *p = data + i;
        const What what = static_cast<What>(p[1] % 8);
        run.records.push_back({(p[0] & 7) == 0 ? '*' : static_cast<char>(p[0]), what, p[1] & 8 ? '*' : '\r',
                               p[1] & 16 ? '*' : '0', std::min<qint64>(p[2], 250) * 80, (p[3] | p[4] << 8) * 8});
        run.good = run.good && (what == Behaves || what == AlsoBehaves);
        run.lateOnly = run.lateOnly && (what == Behaves || what == AlsoBehaves || what == Late);
        run.noneExtra = run.noneExtra && (what == Behaves || what == AlsoBehaves || what == Lost);
    }
    run.count = std::min<int>(512, static_cast<int>(run.records.size()) * (1 + data[2] % 8));
    run.Go();
    return 0;
}
