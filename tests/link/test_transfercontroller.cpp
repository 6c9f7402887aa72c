// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer controller tick by tick, against a scripted module on a fake port.
#include "fakes.h"
#include "frames.h"
#include "timedmodule.h"
#include "transfercontroller.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <set>

using namespace hx7;
using namespace hx7test;

using ModuleScript = std::function<Misbehaviour(int, const QByteArray &)>;
Q_DECLARE_METATYPE(ModuleScript)
Q_DECLARE_METATYPE(hx7::TransferStep)

namespace {

QString Device(int)
{
    return QStringLiteral("COM1");
}

// The controller with a module that answers every frame at once (the reply is there at the next tick).
struct Rig {
    Rig()
    {
        InitConfigImage(data.ConfigImage);
        for (int i = 0; i < 512; ++i)
            module[i] = static_cast<std::uint8_t>(i * 37 + 11);
        module[AddressCodeByte] = data.ConfigImage[AddressCodeByte];
        for (int i = 0; i < 128; ++i)
            signalTable[i] = static_cast<std::uint8_t>(255 - i);
        link.Open(1);
        port.Clock = [this] { return now; };
        port.Respond = [this](const QByteArray &f) { return Answer(f); };
    }
    QByteArray Answer(const QByteArray &f)
    {
        const int a = static_cast<std::uint8_t>(f[2]);
        switch (f[1]) {
        case 'G':
            return QByteArray("N") + versionType + char(version) + '*';
        case 'R':
            return silent.count(a) || unreadable.count(a) ? QByteArray() : QByteArray(1, char(module[a])) + '*';
        case 'W':
            if (silent.count(a))
                return {};
            if (!stuck.count(a))
                module[a] = static_cast<std::uint8_t>(f[3]);
            return "Y*";
        case 'S':
            return silent.count(a) ? QByteArray() : QByteArray(1, char(signalTable[a])) + "x*";
        default:
            return {};
        }
    }
    void Tick()
    {
        now += 100'000;
        link.ReceiveStep();
        ctl.Tick();
        Deliver();
        sentPerTick << static_cast<int>(port.Written.size());
    }
    // The fast mode: the owner takes bytes as the port reports them, between the ticks.
    void Deliver()
    {
        while (ctl.FastMode() && port.bytesWaiting() > 0 && !(hold && hold())) {
            now += 6'000; // a frame and its reply on the line
            link.ReceiveStep();
            ctl.Advance();
        }
    }
    // Starts the fast mode's delivery; what goes out before the first tick counts as tick 1.
    void StartDelivering()
    {
        Deliver();
        sentPerTick << static_cast<int>(port.Written.size());
    }
    int RunUntilIdle(int limit = 10000)
    {
        int ticks = 0;
        do {
            Tick();
            ++ticks;
        } while (!ctl.IsIdle() && ticks < limit);
        return ticks;
    }
    // The ticks, counted from 1, in which the frame went out.
    QList<int> TicksOf(const QByteArray &frame) const
    {
        QList<int> out;
        for (int t = 0; t < sentPerTick.size(); ++t)
            for (int i = t == 0 ? 0 : sentPerTick[t - 1]; i < sentPerTick[t]; ++i)
                if (port.Written[i] == frame)
                    out << t + 1;
        return out;
    }
    QList<int> WrittenAddresses(char command) const
    {
        QList<int> out;
        for (const QByteArray &f : port.Written)
            if (f[1] == command)
                out << static_cast<std::uint8_t>(f[2]);
        return out;
    }

    SharedData data;
    FakeSerialPort port;
    SerialLink link{port, Device};
    RecordingView view;
    TransferController ctl{data, link, view};
    std::array<std::uint8_t, 512> module{};
    std::array<std::uint8_t, 128> signalTable{};
    std::set<int> silent;
    std::set<int> unreadable; // reads of these go unanswered; writes are taken
    std::set<int> stuck;      // writes of these are acknowledged but not kept
    char versionType = 'S';
    int version = 0x14;
    QList<int> sentPerTick;     // frames written so far, after each tick
    std::function<bool()> hold; // true: the fast mode's delivery waits (a test steps in between two replies)
    qint64 now = 0;             // the link's clock, in microseconds
};

// What the view showed besides the words it gives each outcome: the boxes the controller put up itself.
QList<Message> OtherBoxes(const RecordingView &view)
{
    QList<Message> out = view.Messages;
    for (const TransferOutcome outcome : view.Outcomes)
        out.removeOne({IsFailure(outcome) ? "warning" : "information", OutcomeSourceText(outcome)});
    return out;
}

QList<int> Range(int first, int last)
{
    QList<int> out;
    for (int i = first; i <= last; ++i)
        out << i;
    return out;
}

} // namespace

class TestTransferController : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullReadTakes250Ticks()
    {
        Rig rig;
        rig.data.ConfigImage[300] = 0x42; // outside the read range
        QVERIFY(rig.ctl.StartRead());
        QVERIFY(rig.view.ProgressVisible);
        QCOMPARE(rig.RunUntilIdle(), 250);
        for (int i = 0; i <= 248; ++i)
            QCOMPARE(rig.data.ConfigImage[i], rig.module[i]);
        QCOMPARE(int(rig.data.ConfigImage[300]), 0x42);
        QCOMPARE(rig.view.Progress.first(), 0);
        QCOMPARE(rig.view.Progress.last(), 100);
        QVERIFY(!rig.view.ProgressVisible);
        QCOMPARE(rig.view.Refreshes, 1);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Read});
        QVERIFY(rig.view.Messages.isEmpty());
        RouteTable expected;
        DecodeRoutes(rig.data.ConfigImage.data(), expected);
        QVERIFY(rig.data.RouteTable == expected);
        QCOMPARE(rig.ctl.CurrentAddress(), 249);
    }

    // A byte never answered: three requests four ticks apart, the warning in the twelfth tick counting the
    // first request's, and nothing of the failed transfer left in the image, the routes or a dump file.
    // The fast mode sends address 3's first request before any tick (counted as tick 1 here); the first tick
    // after it comes early and does not count, so each request waits at least the tick mode's three ticks.
    void silentByteFailsInTwelfthTick_data()
    {
        QTest::addColumn<char>("command");
        QTest::addColumn<bool>("fast");
        QTest::addColumn<QList<int>>("requests");
        QTest::addColumn<int>("warned");
        for (const auto &[name, command] : {std::pair{"read", 'R'}, {"verify", 'V'}, {"poleSIG", 'S'}}) {
            QTest::addRow("%s", name) << command << false << QList<int>{4, 8, 12} << 15;
            QTest::addRow("%s, fast", name) << command << true << QList<int>{1, 6, 10} << 13;
        }
    }
    void silentByteFailsInTwelfthTick()
    {
        QFETCH(char, command);
        QFETCH(bool, fast);
        QFETCH(QList<int>, requests);
        QFETCH(int, warned);
        Rig rig;
        rig.ctl.SetFastMode(fast);
        rig.silent = {3};
        const ImageBytes imageBefore = rig.data.ConfigImage;
        const RouteTable tableBefore = rig.data.RouteTable;
        QVERIFY(command == 'R'   ? rig.ctl.StartRead()
                : command == 'V' ? rig.ctl.StartVerify()
                                 : rig.ctl.StartPoleSigRead());
        if (fast)
            rig.StartDelivering();
        for (int tick = rig.sentPerTick.size() + 1; tick < warned; ++tick) {
            rig.Tick(); // addresses 0..2 answered; then address 3 asked three times
            QVERIFY2(rig.view.Outcomes.isEmpty() && rig.view.Messages.isEmpty(), qPrintable(QString::number(tick)));
        }
        rig.Tick(); // the twelfth tick counted from the first request of address 3
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::ReadFailed});
        QCOMPARE(OtherBoxes(rig.view), QList<Message>());
        QVERIFY(rig.ctl.IsIdle());
        QVERIFY(!rig.view.ProgressVisible);
        QCOMPARE(rig.TicksOf(command == 'S' ? SignalTableFrame(3) : ReadFrame(3)), requests);
        QCOMPARE(rig.port.Written.size(), 6);
        QVERIFY(rig.data.ConfigImage == imageBefore);
        QVERIFY(rig.data.RouteTable == tableBefore);
        QCOMPARE(rig.view.Refreshes, 0);
    }

    // The fast mode with a module that answers at once: the same frames in the same order, the same
    // progress, messages and image as the tick mode, and no tick needed but one after the last reply, on a
    // line that has stayed quiet.
    void fastModeSendsTheSameFrames_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *op : {"version", "read", "verify", "store all with reset", "store route 17", "poleSIG"})
            QTest::newRow(op) << op;
    }
    void fastModeSendsTheSameFrames()
    {
        QFETCH(QString, operation);
        Rig tick, fast;
        fast.ctl.SetFastMode(true);
        for (Rig *rig : {&tick, &fast}) {
            rig->module[40] ^= 0x22; // verify finds a difference
            rig->data.ConfigImage[100] = 0x66;
            rig->ctl.SetResetAfterStore(true);
            TransferController &c = rig->ctl;
            QVERIFY(operation == "version"     ? c.StartVersionQuery()
                    : operation == "read"      ? c.StartRead()
                    : operation == "verify"    ? c.StartVerify()
                    : operation == "poleSIG"   ? c.StartPoleSigRead()
                    : operation.endsWith("17") ? c.StartStore(TransferController::SelectedRoute, 17)
                                               : c.StartStore(TransferController::ConfigAndRoutes, 1));
        }
        // A fast read is read a second time to confirm it.
        const bool confirmed = operation == "read" || operation == "verify" || operation == "poleSIG";
        fast.StartDelivering();
        QCOMPARE(fast.ctl.IsIdle(), operation == "version");
        QCOMPARE(fast.view.Outcomes.size(), operation == "version" ? 1 : 0);
        QCOMPARE(fast.view.Messages, QList<Message>());
        fast.Tick();
        if (confirmed) { // the tick that saw the line quiet sends the confirmation, answered at once
            QCOMPARE(fast.ctl.Pass(), 2);
            QCOMPARE(fast.ctl.IsIdle(), false);
            fast.Tick();
        }
        QVERIFY(fast.ctl.IsIdle());
        QVERIFY(tick.RunUntilIdle() >= 1);
        QCOMPARE(fast.port.Written, confirmed ? tick.port.Written + tick.port.Written : tick.port.Written);
        QCOMPARE(fast.view.Messages, tick.view.Messages);
        QCOMPARE(fast.view.Outcomes, tick.view.Outcomes);
        QCOMPARE(fast.view.Outcomes.size(), 1); // the version query's too: Identified
        QCOMPARE(fast.view.Progress.value(fast.view.Progress.size() - 1, -1),
                 tick.view.Progress.value(tick.view.Progress.size() - 1, -1));
        QCOMPARE(fast.view.Refreshes, tick.view.Refreshes);
        QCOMPARE(fast.ctl.Identity().has_value(), tick.ctl.Identity().has_value());
        QVERIFY(fast.data.ConfigImage == tick.data.ConfigImage);
        QVERIFY(fast.module == tick.module);
    }

    // A reply that comes after its time-out does not hurry the repeat: that waits for the tick, as ever.
    void fastModeLeavesRepeatsToTheTick()
    {
        Rig rig;
        rig.ctl.SetFastMode(true);
        QByteArray held;
        rig.port.Respond = [&](const QByteArray &f) {
            held = rig.Answer(f);
            return QByteArray();
        };
        rig.ctl.StartRead(); // address 0 goes out at once; the first tick after it does not count
        for (int i = 0; i < 3; ++i)
            rig.Tick();
        QCOMPARE(rig.ctl.TransferState(), int(TransferController::ReadWait) + 2);
        rig.Tick();
        QCOMPARE(rig.ctl.TransferState(), int(TransferController::ReadSend));
        rig.port.Incoming = held; // too late
        rig.Deliver();
        QCOMPARE(rig.port.Written.size(), 1);
        rig.Tick();
        QCOMPARE(rig.WrittenAddresses('R'), (QList<int>{0, 0}));
    }

    // A module that misbehaves as real ones do, on a line with real timing: both modes end with the module's
    // bytes, and the fast one needs at most one hasty run more than the tick mode. Byte 63 is '*', which a junk byte in
    // front of its answer can pass off as a whole answer: the fast mode hears the true end of that answer come too
    // early to answer its next request and asks again; the tick mode, which looks only on the tick, cannot.
    void misbehavingModule_data()
    {
        using Script = ModuleScript;
        QTest::addColumn<Script>("script");
        // "read", "store", "backed-up store" (backed up before, verified after, restart ticked), "backed-up reset"
        // (a factory reset after its backup) or "poleSIG"
        QTest::addColumn<QString>("op");
        QTest::addColumn<bool>("tickRight");
        QTest::addColumn<int>("lateUs");  // how late the program looks after each byte
        QTest::addColumn<int>("thinkUs"); // how long the module takes to answer; -1: 3 ms when looking late, else none
        const auto first = [](int address, Misbehaviour m) {
            return Script([address, m, seen = std::make_shared<bool>(false)](int n, const QByteArray &f) {
                if (n == 0) // a new run: both modes meet the same module
                    *seen = false;
                if (static_cast<std::uint8_t>(f[2]) != address || *seen)
                    return Misbehaviour{};
                *seen = true;
                return m;
            });
        };
        const auto every = [](int n, Misbehaviour m) {
            return Script([n, m](int i, const QByteArray &) { return i % n == n - 1 ? m : Misbehaviour{}; });
        };
        // Two misbehaviours in one run: the first one's where both would apply. Both are asked every time, so each
        // starts its new run.
        const auto both = [](const Script &a, const Script &b) {
            return Script([a, b](int n, const QByteArray &f) {
                const Misbehaviour ma = a(n, f);
                const Misbehaviour mb = b(n, f);
                return ma != Misbehaviour{} ? ma : mb;
            });
        };
        // Each row as a read, a store, and a store with its backup and verify (whose backup, a read, meets a
        // misbehaviour of the first request for a byte).
        const auto add = [](const char *name, const Script &script, bool tickReads, bool tickStores, int lateUs,
                            int thinkUs = -1) {
            QTest::addRow("read: %s", name) << script << QStringLiteral("read") << tickReads << lateUs << thinkUs;
            QTest::addRow("store: %s", name) << script << QStringLiteral("store") << tickStores << lateUs << thinkUs;
            QTest::addRow("backed-up store: %s", name)
                << script << QStringLiteral("backed-up store") << (tickReads && tickStores) << lateUs << thinkUs;
        };
        const auto addOne = [](const char *op, const char *name, const Script &script, bool tickRight, int lateUs,
                               int thinkUs = -1) {
            QTest::addRow("%s: %s", op, name) << script << QString::fromLatin1(op) << tickRight << lateUs << thinkUs;
        };
        add("busy 600 ms once", first(70, {.busyMs = 600}), true, true, 0);
        add("every 3rd answer twice", every(3, {.twice = true}), true, true, 0);
        add("0D 2 ms behind every answer", every(1, {.trailUs = 2000}), true, true, 0);
        add("2A 2 ms behind every answer", every(1, {.trailUs = 2000, .strayByte = '*'}), true, true, 0);
        // Past the next request's time on the line: behind the backup's last answer it precedes the answer to
        // the address check, which has no second attempt.
        add("2A 6 ms behind every answer", every(1, {.trailUs = 6000, .strayByte = '*'}), true, true, 0);
        add("0D 3.8 ms after asking for byte 63", first(63, {.strayUs = 3800}), false, true, 0);
        add("every 5th answer lost", every(5, {.drop = true}), true, true, 0);
        // The answer to the last request but one comes again, after the program has taken it and asked
        // for the last byte: it looks like the last answer, and the true one comes only after it.
        add("last answer but one again 5 ms later", first(247, {.againUs = 5000}), false, false, 0);
        // A loaded machine looks up to 8 ms late, and the module takes 3 ms to answer: a second answer
        // can lie alone in the buffer long after the next request went out, and look like its answer; a
        // stray byte that came too early to be an answer is not seen as early.
        add("every 3rd answer twice, looking late", every(3, {.twice = true}), true, true, 8000);
        add("last answer twice, looking late", first(248, {.twice = true}), true, true, 8000);
        add("busy 600 ms once, looking late", first(70, {.busyMs = 600}), true, true, 8000);
        add("0D 2 ms behind every answer, looking late", every(1, {.trailUs = 2000}), true, true, 8000);
        add("0D 3.4 ms after asking for byte 63, looking late", first(63, {.strayUs = 3400}), false, true, 8000);
        // Only the verify after the store reads byte 200 twice, the second time is the one that misbehaves.
        const auto second = [](int address, Misbehaviour m) {
            return Script([address, m, seen = std::make_shared<int>(0)](int n, const QByteArray &f) {
                if (n == 0)
                    *seen = 0;
                if (f[1] != 'R' || static_cast<std::uint8_t>(f[2]) != address || ++*seen != 2)
                    return Misbehaviour{};
                return m;
            });
        };
        QTest::addRow("backed-up store: the verify's answer for byte 200 twice, looking late")
            << second(200, {.twice = true}) << QStringLiteral("backed-up store") << true << 8000 << -1;
        QTest::addRow("backed-up store: the verify's byte 200 busy 600 ms")
            << second(200, {.busyMs = 600}) << QStringLiteral("backed-up store") << true << 0 << -1;
        // Behind every answer, 3.2 ms: in the fast mode past the next request's time on the line, in front of its
        // answer; 20 ms: as a USB adapter may hold bytes back.
        add("0D 3.2 ms behind every answer", every(1, {.trailUs = 3200}), true, true, 0);
        add("0D 20 ms behind every answer", every(1, {.trailUs = 20000}), true, true, 0);
        add("every 3rd answer twice, looking up to 20 ms late", every(3, {.twice = true}), true, true, 20000);
        // More than a tick behind the last answer of a step: the tick mode sends the next step's first frame two
        // ticks after the last request, so the next send drops it; so must the fast mode, at the tick's pace (once
        // misled) and in haste, or the address check fails or takes the stray answer for the module's address.
        add("misled at byte 10, 0D 98.7 ms behind the last answer",
            both(first(10, {.twice = true}), first(248, {.trailUs = 98700})), true, true, 0);
        add("misled at byte 10, last answer again 96 ms later, thinking 3 ms",
            both(first(10, {.twice = true}), first(248, {.againUs = 96000})), true, true, 0, 3000);
        add("0D 150 ms behind the last answer", first(248, {.trailUs = 150000}), true, true, 0);
        // The last byte, where the transfer waits for a quiet line: its answer twice, lost, or late with the
        // repeat's answer right behind it.
        add("last answer twice", first(248, {.twice = true}), true, true, 0);
        add("last answer lost", first(248, {.drop = true}), true, true, 0);
        add("busy 600 ms at the last byte", first(248, {.busyMs = 600}), true, true, 0);
        // Byte 4 is what a store's address check reads first.
        add("answer for byte 4 twice, looking late", first(4, {.twice = true}), true, true, 8000);
        QTest::addRow("backed-up store: the address check answered twice, looking late")
            << second(4, {.twice = true}) << QStringLiteral("backed-up store") << true << 8000 << -1;
        // A module that thinks 3 ms: the junk byte and the first '*' of the answer make a reply that is not too
        // soon, and only the true end, in front of the next request's answer, gives it away. At the tick's pace
        // (misled at byte 10) the reply for byte 63 is too soon again.
        add("0D 5 ms after asking for byte 63, thinking 3 ms", first(63, {.strayUs = 5000}), false, true, 0, 3000);
        // Looking late, a stray behind the answer for byte 62 and the first '*' of byte 63's answer read as a whole
        // reply; a lost answer earlier leaves the count of bytes right, and only the next reply's extra byte in
        // front gives it away.
        add("first answer lost, 0D 1.2 ms behind the answer for byte 62, looking late",
            both(first(0, {.drop = true}), first(62, {.trailUs = 1200})), true, true, 7600, 3000);
        add("misled at byte 10, 0D 3.8 ms after asking for byte 63",
            both(first(10, {.twice = true}), first(63, {.strayUs = 3800})), false, true, 0);
        for (const char *op : {"poleSIG", "backed-up reset"}) {
            const int last = op[0] == 'p' ? PoleSigBytes - 1 : LastTransferAddress;
            addOne(op, "every 3rd answer twice, looking late", every(3, {.twice = true}), true, 8000);
            addOne(op, "0D 3.2 ms behind every answer", every(1, {.trailUs = 3200}), true, 0);
            addOne(op, "misled at byte 10, 0D 98.7 ms behind the last answer",
                   both(first(10, {.twice = true}), first(last, {.trailUs = 98700})), true, 0);
            addOne(op, "last answer twice", first(last, {.twice = true}), true, 0);
        }
    }
    void misbehavingModule()
    {
        QFETCH(ModuleScript, script);
        QFETCH(QString, op);
        QFETCH(bool, tickRight);
        QFETCH(int, lateUs);
        QFETCH(int, thinkUs);
        const bool store = op.endsWith(QLatin1String("store"));
        const bool reset = op == QLatin1String("backed-up reset");
        const bool poleSig = op == QLatin1String("poleSIG");
        const bool backedUp = op.startsWith(QLatin1String("backed-up"));
        int ticks[3] = {}; // the tick mode, the fast mode, and the fast mode against a module that behaves
        for (int run : {0, 1, 2}) {
            const bool fast = run > 0;
            Rig rig;
            TimedModule module;
            module.Memory = rig.module;
            module.Memory[63] = '*';
            module.SignalTable = rig.signalTable;
            const auto before = module.Memory;
            if (run < 2)
                module.Script = script;
            module.ThinkUs = thinkUs >= 0 ? thinkUs : lateUs > 0 ? 3000 : 0;
            if (lateUs > 0)
                module.LookLateUs = [lateUs](int look) { return (look * 2654435761u >> 7) % lateUs; };
            module.Attach(rig.port);
            rig.ctl.SetFastMode(fast);
            rig.ctl.SetBackupBeforeStore(backedUp);
            rig.ctl.SetVerifyAfterStore(backedUp);
            rig.ctl.SetResetAfterStore(backedUp);
            for (int i = 4; i < 249 && store; ++i)
                rig.data.ConfigImage[i] = static_cast<std::uint8_t>(i == 63 ? '*' : 255 - i);
            rig.data.ConfigImage[AddressCodeByte] = module.Memory[AddressCodeByte];
            const ImageBytes image = rig.data.ConfigImage;
            if (reset)
                rig.ctl.StartFactoryReset(true);
            else if (poleSig)
                rig.ctl.StartPoleSigRead();
            else
                store ? rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1) : rig.ctl.StartRead();
            ticks[run] = module.Run(rig.link, rig.ctl);
            const auto whereFailed = qScopeGuard([&] {
                if (QTest::currentTestFailed())
                    qWarning("in the %s mode: %s", fast ? "fast" : "tick",
                             qPrintable(rig.view.Messages.isEmpty() ? QString() : rig.view.Messages.last().text));
            });
            QVERIFY(rig.ctl.IsIdle());
            QCOMPARE(rig.view.Messages, QList<Message>());
            // A factory reset tells nothing when its frame is out.
            const TransferOutcome done = poleSig ? TransferOutcome::SignalTableRead
                                         : store ? TransferOutcome::Stored
                                                 : TransferOutcome::Read;
            QCOMPARE(rig.view.Outcomes, reset ? QList<TransferOutcome>() : QList<TransferOutcome>{done});
            const int from = store ? AddressCodeByte : 0;
            if ((fast || tickRight) && poleSig)
                QVERIFY2(std::equal(module.SignalTable.begin(), module.SignalTable.begin() + PoleSigBytes,
                                    rig.data.ConfigImage.begin() + PoleSigBase),
                         fast ? "fast" : "tick");
            else if ((fast || tickRight) && !reset)
                QVERIFY2(std::equal(module.Memory.begin() + from, module.Memory.begin() + 249,
                                    rig.data.ConfigImage.begin() + from),
                         fast ? "fast" : "tick");
            if (!backedUp)
                continue;
            // The backup is the module as it was, the image is what was stored (or, for a reset, what it was),
            // and the module restarts or is reset once, last.
            QVERIFY(rig.data.ConfigImage == image);
            QCOMPARE(rig.view.Backups.size(), 1);
            if (fast || tickRight)
                QVERIFY2(std::equal(before.begin(), before.begin() + 249, rig.view.Backups[0].first.begin()),
                         fast ? "fast backup" : "tick backup");
            if (!reset)
                QCOMPARE(rig.view.Outcomes[0], TransferOutcome::Stored);
            const QByteArray last = reset ? InitialiseConfigFrame() : ResetModuleFrame();
            QCOMPARE(rig.port.Written.count(last), 1);
            QCOMPARE(rig.port.Written.last(), last);
        }
        // Once misled, the fast mode lets the attempt in flight time out, pauses three quiet ticks and starts
        // again at the tick's pace, once: at worst a hasty run more than the tick mode. Not misled, a read is read
        // twice, and a module that loses answers loses some in each pass.
        QVERIFY2(ticks[1] <= ticks[0] + ticks[2] + 8 || (!tickRight && ticks[1] <= 2 * ticks[0] + ticks[2]) ||
                     ticks[1] <= 2 * ticks[0],
                 qPrintable(QStringLiteral("%1 %2 %3").arg(ticks[0]).arg(ticks[1]).arg(ticks[2])));
    }

    // Held back for the third waiting tick, a reply is still taken; for the last byte the transfer ends as ever.
    void replyOnThirdWaitingTickIsTaken_data()
    {
        QTest::addColumn<int>("address");
        QTest::newRow("first byte") << 0;
        QTest::newRow("last byte") << int(LastTransferAddress);
    }
    void replyOnThirdWaitingTickIsTaken()
    {
        QFETCH(int, address);
        Rig rig;
        QByteArray held;
        rig.port.Respond = [&](const QByteArray &f) {
            if (static_cast<std::uint8_t>(f[2]) != address || !held.isEmpty())
                return rig.Answer(f);
            held = rig.Answer(f);
            return QByteArray();
        };
        rig.ctl.StartRead();
        while (held.isEmpty())
            rig.Tick(); // sends up to the held byte
        rig.Tick();
        rig.Tick();
        rig.port.Incoming = held; // arrives for the third waiting tick
        rig.Tick();
        QCOMPARE(rig.WrittenAddresses('R').count(address), 1);
        if (address == 0) {
            QCOMPARE(rig.ctl.CurrentAddress(), 1);
            return;
        }
        QVERIFY(rig.ctl.IsIdle());
        QCOMPARE(rig.view.Refreshes, 1);
        QVERIFY(std::equal(rig.module.begin(), rig.module.begin() + address + 1, rig.data.ConfigImage.begin()));
    }

    void verify_data()
    {
        QTest::addColumn<int>("changed");
        QTest::addColumn<TransferOutcome>("result");
        QTest::newRow("equal") << -1 << TransferOutcome::Equal;
        QTest::newRow("last byte differs") << 248 << TransferOutcome::Different;
        QTest::newRow("first byte differs") << 0 << TransferOutcome::Different;
    }
    void verify()
    {
        QFETCH(int, changed);
        QFETCH(TransferOutcome, result);
        Rig rig;
        for (int i = 0; i <= 248; ++i)
            rig.data.ConfigImage[i] = rig.module[i];
        if (changed >= 0)
            rig.module[changed] ^= 0x10;
        const ImageBytes before = rig.data.ConfigImage;
        rig.ctl.StartVerify();
        QCOMPARE(rig.RunUntilIdle(), 250); // runs to the end even after a difference
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{result});
        QCOMPARE(OtherBoxes(rig.view), QList<Message>());
        QCOMPARE(rig.view.Differing, changed >= 0 ? QList<int>{changed} : QList<int>());
        QVERIFY(rig.data.ConfigImage == before);
        QCOMPARE(rig.view.Refreshes, 0);
    }

    void store_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<int>("route");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("configuration") << 0 << 5 << 4 << 31;
        QTest::newRow("all") << 1 << 5 << 4 << 248;
        QTest::newRow("route 1") << 2 << 1 << 32 << 41;
        QTest::newRow("route 17") << 2 << 17 << 192 << 198;
        QTest::newRow("route 24") << 2 << 24 << 241 << 247;
    }
    void store()
    {
        QFETCH(int, scope);
        QFETCH(int, route);
        QFETCH(int, first);
        QFETCH(int, last);
        Rig rig;
        for (int i = 0; i < 512; ++i)
            if (i != AddressCodeByte)
                rig.data.ConfigImage[i] = static_cast<std::uint8_t>(i ^ 0x5A);
        QVERIFY(rig.ctl.StartStore(scope, route));
        rig.RunUntilIdle();
        QCOMPARE(rig.port.Written.first(), AddressCheckFrame());
        QCOMPARE(rig.WrittenAddresses('W'), Range(first, last));
        for (const QByteArray &f : rig.port.Written.mid(1)) {
            const int a = static_cast<std::uint8_t>(f[2]);
            QCOMPARE(f, WriteFrame(a, rig.data.ConfigImage[a]));
        }
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Stored});
        QVERIFY(rig.view.Messages.isEmpty());
        QVERIFY(!rig.view.ProgressVisible);
        QCOMPARE(rig.view.Progress.at(1), TransferController::ProgressPercent(first, last));
    }

    void storeWithResetEndsWithResetFrame()
    {
        Rig rig;
        rig.ctl.SetResetAfterStore(true);
        rig.ctl.StartStore(TransferController::ConfigOnly, 1);
        rig.RunUntilIdle();
        QCOMPARE(rig.port.Written.size(), 1 + 28 + 1);
        QCOMPARE(rig.port.Written.last(), ResetModuleFrame());
    }

    // A store or a factory reset, with the backup read before it and the verify after it, in both modes.
    void overwriteSteps_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<bool>("reset"); // factory reset instead of a store (of bytes 4..31, restart ticked)
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("fault"); // "", "backup unreadable", "keep fails", "stuck", "verify unreadable"
        QTest::addColumn<bool>("goOn");     // the answer to "without a backup?"
        QTest::addColumn<TransferOutcome>("outcome");
        QTest::addColumn<bool>("written"); // the store's writes, or the reset frame, went out
        using O = TransferOutcome;
        for (const bool fast : {false, true}) {
            const char *mode = fast ? "fast" : "tick";
            QTest::addRow("%s: backed up and verified", mode)
                << fast << false << true << true << "" << true << O::Stored << true;
            QTest::addRow("%s: neither", mode) << fast << false << false << false << "" << true << O::Stored << true;
            QTest::addRow("%s: backup unreadable, no", mode)
                << fast << false << true << true << "backup unreadable" << false << O::BackupFailed << false;
            QTest::addRow("%s: backup unreadable, yes", mode)
                << fast << false << true << true << "backup unreadable" << true << O::Stored << true;
            QTest::addRow("%s: backup not kept, no", mode)
                << fast << false << true << false << "keep fails" << false << O::BackupFailed << false;
            QTest::addRow("%s: stuck byte", mode)
                << fast << false << true << true << "stuck" << true << O::StoredDifferent << true;
            QTest::addRow("%s: stuck byte, not verified", mode)
                << fast << false << false << false << "stuck" << true << O::Stored << true;
            QTest::addRow("%s: verify unreadable", mode)
                << fast << false << false << true << "verify unreadable" << true << O::StoreUnverified << true;
            QTest::addRow("%s: factory reset backed up", mode)
                << fast << true << true << false << "" << true << O::Stored << true;
            QTest::addRow("%s: factory reset, backup unreadable, no", mode)
                << fast << true << true << false << "backup unreadable" << false << O::BackupFailed << false;
        }
    }
    void overwriteSteps()
    {
        QFETCH(bool, fast);
        QFETCH(bool, reset);
        QFETCH(bool, backup);
        QFETCH(bool, verify);
        QFETCH(QString, fault);
        QFETCH(bool, goOn);
        QFETCH(TransferOutcome, outcome);
        QFETCH(bool, written);
        Rig rig;
        for (int i = AddressCodeByte + 1; i < 512; ++i)
            rig.data.ConfigImage[i] = static_cast<std::uint8_t>(i ^ 0x5A);
        const ImageBytes image = rig.data.ConfigImage;
        const auto moduleBefore = rig.module;
        if (fault == "backup unreadable")
            rig.unreadable = {100};
        else if (fault == "verify unreadable")
            rig.unreadable = {10};
        else if (fault == "stuck")
            rig.stuck = {10};
        rig.view.KeepSucceeds = fault != "keep fails";
        rig.view.ConfirmAnswer = goOn;
        bool idleWhileAsked = true; // ticks while a question is open find state 0 and send nothing
        rig.view.WhileBoxOpen = [&] {
            const qsizetype sent = rig.port.Written.size();
            for (int i = 0; i < 3; ++i) {
                rig.Tick();
                idleWhileAsked = idleWhileAsked && rig.ctl.TransferState() == 0 && rig.port.Written.size() == sent;
            }
        };
        rig.ctl.SetFastMode(fast);
        rig.ctl.SetResetAfterStore(true);
        rig.ctl.SetBackupBeforeStore(backup);
        rig.ctl.SetVerifyAfterStore(verify);
        if (reset)
            rig.ctl.StartFactoryReset(backup);
        else
            QVERIFY(rig.ctl.StartStore(TransferController::ConfigOnly, 1));
        rig.StartDelivering();
        rig.RunUntilIdle();
        QVERIFY(rig.ctl.IsIdle());
        QVERIFY(idleWhileAsked);
        QVERIFY(!rig.view.ProgressVisible);

        // The backup holds the module as it was, and never comes into the image.
        QVERIFY(rig.data.ConfigImage == image);
        const bool kept = backup && fault != "backup unreadable";
        QCOMPARE(rig.view.Backups.size(), kept ? 1 : 0);
        if (kept) {
            QVERIFY(std::equal(moduleBefore.begin(), moduleBefore.begin() + 249, rig.view.Backups[0].first.begin()));
            const Overwrite followed = reset ? Overwrite{true} : Overwrite{false, 4, 31};
            QCOMPARE(rig.view.Backups[0].second, followed);
        }
        const int asked = static_cast<int>(std::count_if(rig.view.Messages.begin(), rig.view.Messages.end(),
                                                         [](const Message &m) { return m.kind == "confirm"; }));
        QCOMPARE(asked, (backup && !kept) || fault == "keep fails" ? 1 : 0);
        if (fault == "keep fails")
            QVERIFY(rig.view.Messages[0].text.startsWith(QStringLiteral("disk full\n")));

        // Nothing is sent to the module after the answer No; the frames keep their order otherwise.
        const QList<int> writes = rig.WrittenAddresses('W');
        if (reset) {
            QCOMPARE(rig.port.Written.contains(InitialiseConfigFrame()), written);
            QCOMPARE(rig.view.Outcomes, written ? QList<TransferOutcome>() : QList<TransferOutcome>{outcome});
            return;
        }
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{outcome});
        QCOMPARE(writes, written ? Range(4, 31) : QList<int>());
        QCOMPARE(std::all_of(rig.port.Written.begin(), rig.port.Written.end(), [](auto &f) { return f[1] == 'R'; }),
                 !written);
        // Each fast read of byte 10 is confirmed by a second one (an unreadable byte fails its first pass).
        const int reads = fast ? 2 : 1;
        QCOMPARE(rig.WrittenAddresses('R').count(10),
                 (backup ? (fault == "backup unreadable" ? 1 : reads) : 0) +
                     (verify && written ? (fault == "verify unreadable" ? 3 : reads) : 0));
        QCOMPARE(rig.ctl.AcknowledgedCount(), written ? 28 : 0);
        QCOMPARE(rig.view.Differing, fault == "stuck" && verify ? QList<int>{10} : QList<int>());
        // The module restarts only on bytes that were checked or not meant to be.
        QCOMPARE(rig.port.Written.last() == ResetModuleFrame(), outcome == TransferOutcome::Stored);
    }

    // A store of 4..31 with its backup, and what the user or the line does meanwhile: in a box's nested
    // ticks, or between two ticks. What the user said No to never reaches the module; every start ends
    // with its own bytes or not at all.
    void overwriteInterrupted_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("goOn"); // the answer to "without a backup?"
        QTest::addColumn<QList<int>>("writes");
        QTest::addColumn<int>("resets"); // factory reset frames sent
        QTest::addColumn<QList<TransferOutcome>>("outcomes");
        using O = TransferOutcome;
        using L = QList<O>;
        for (const bool fast : {false, true}) {
            const char *mode = fast ? "fast" : "tick";
            QTest::addRow("%s: factory reset during the backup", mode)
                << fast << "reset during backup" << true << QList<int>() << 1 << L();
            // The factory reset takes over the store that waits for the answer; nothing else starts meanwhile.
            QTest::addRow("%s: factory reset in the question box, yes", mode)
                << fast << "reset in box" << true << QList<int>() << 1 << L();
            QTest::addRow("%s: factory reset in the question box, no", mode)
                << fast << "reset in box" << false << QList<int>() << 1 << L();
            QTest::addRow("%s: a store of route 1 in the question box, yes", mode)
                << fast << "store in box" << true << Range(4, 31) << 0 << L{O::Stored};
            QTest::addRow("%s: a store of route 1 in the question box, no", mode)
                << fast << "store in box" << false << QList<int>() << 0 << L{O::BackupFailed};
            QTest::addRow("%s: unplugged during the backup, no", mode)
                << fast << "unplugged during backup" << false << QList<int>() << 0 << L{O::BackupFailed};
            QTest::addRow("%s: unplugged in the question box, no", mode)
                << fast << "unplugged in box" << false << QList<int>() << 0 << L{O::BackupFailed};
            QTest::addRow("%s: unplugged for good in the question box, yes", mode)
                << fast << "gone in box" << true << QList<int>() << 0 << L{O::CommFailed};
            QTest::addRow("%s: unplugged and plugged in again in the question box, yes", mode)
                << fast << "replugged in box" << true << Range(4, 31) << 0 << L{O::Stored};
            QTest::addRow("%s: fast mode switched every 7 ticks", mode)
                << fast << "switching" << true << Range(4, 31) << 0 << L{O::Stored};
        }
    }
    void overwriteInterrupted()
    {
        QFETCH(bool, fast);
        QFETCH(QString, what);
        QFETCH(bool, goOn);
        QFETCH(QList<int>, writes);
        QFETCH(int, resets);
        QFETCH(QList<TransferOutcome>, outcomes);
        Rig rig;
        for (int i = AddressCodeByte + 1; i < 512; ++i)
            rig.data.ConfigImage[i] = static_cast<std::uint8_t>(i ^ 0x5A);
        const ImageBytes image = rig.data.ConfigImage;
        const auto moduleBefore = rig.module;
        const bool inBox = what.endsWith(QLatin1String(" in box"));
        // Byte 100 unanswered holds the backup there for a tick or two, in the fast mode too; in a box, for good.
        if (inBox || what.endsWith(QLatin1String(" during backup")))
            rig.unreadable = {100};
        rig.view.ConfirmAnswer = goOn;
        qsizetype sentAtAnswer = -1; // frames written when the question was answered
        int boxes = 0;
        rig.view.WhileBoxOpen = [&] {
            if (++boxes > 1)
                return; // the first question only
            if (what == "reset in box" || what == "store in box") {
                rig.unreadable.clear();
                if (what == "reset in box") {
                    rig.ctl.StartFactoryReset(true);
                    rig.StartDelivering();
                    rig.RunUntilIdle();
                } else {
                    rig.ctl.SetBackupBeforeStore(false);
                    QVERIFY(!rig.ctl.StartStore(TransferController::SelectedRoute, 1));
                    rig.ctl.SetBackupBeforeStore(true);
                }
            } else if (what == "unplugged in box" || what == "replugged in box" || what == "gone in box") {
                rig.port.close();
                rig.port.OpenSucceeds = what != "gone in box";
                rig.Tick();
                if (what == "replugged in box")
                    rig.unreadable.clear();
            }
            for (int i = 0; i < 3; ++i)
                rig.Tick();
            sentAtAnswer = rig.port.Written.size();
        };
        rig.ctl.SetFastMode(fast);
        rig.ctl.SetBackupBeforeStore(true);
        rig.ctl.SetVerifyAfterStore(true);
        QVERIFY(rig.ctl.StartStore(TransferController::ConfigOnly, 1));
        rig.StartDelivering();
        for (int t = 1; t < 3000 && !rig.ctl.IsIdle(); ++t) {
            if (rig.ctl.CurrentAddress() == 100 && rig.ctl.TransferState() == TransferController::ReadWait + 1 &&
                !rig.unreadable.empty() && what.endsWith(QLatin1String(" during backup"))) {
                rig.unreadable.clear();
                if (what == "reset during backup") {
                    rig.ctl.StartFactoryReset(true);
                    rig.StartDelivering();
                } else {
                    rig.port.close();
                }
            }
            if (t % 7 == 0 && what == "switching")
                rig.ctl.SetFastMode(!rig.ctl.FastMode());
            rig.Tick();
        }
        QVERIFY(rig.ctl.IsIdle());
        QVERIFY(rig.data.ConfigImage == image); // neither a backup nor a verify comes into the image
        QCOMPARE(rig.WrittenAddresses('W'), writes);
        QCOMPARE(rig.port.Written.count(InitialiseConfigFrame()), resets);
        QCOMPARE(rig.view.Outcomes, outcomes);
        if (!goOn && sentAtAnswer >= 0)
            QCOMPARE(rig.port.Written.size(), sentAtAnswer); // nothing after the No
        // Every backup kept is the module as it was then (before any of this test's writes).
        for (const auto &[kept, followed] : rig.view.Backups)
            QVERIFY(std::equal(moduleBefore.begin(), moduleBefore.begin() + 249, kept.begin()));
        if (what == "reset during backup") {
            QCOMPARE(rig.view.Backups.size(), 1);
            QCOMPARE(rig.view.Backups[0].second, Overwrite{true});
        }
    }

    // Stop in every step of every transfer, in both modes: it ends with Stopped and the step it stopped, sends
    // nothing after it (a write in flight is seen through, not repeated), leaves the module holding exactly
    // the bytes it says it took, and leaves the port clean for a read that follows.
    void stopEndsWhereItIs_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<QString>("what");
        QTest::addColumn<TransferStep>("step"); // the step in which the stop comes
        QTest::addColumn<int>("into");          // frames into that step
        using S = TransferStep;
        for (const bool fast : {false, true}) {
            const char *mode = fast ? "fast" : "tick";
            QTest::addRow("%s: version query", mode) << fast << "version" << S::Query << 0;
            QTest::addRow("%s: read", mode) << fast << "read" << S::Read << 5;
            QTest::addRow("%s: verify", mode) << fast << "verify" << S::Verify << 5;
            QTest::addRow("%s: signal table", mode) << fast << "poleSIG" << S::SignalTable << 5;
            QTest::addRow("%s: store, address check", mode) << fast << "store" << S::Write << 0;
            QTest::addRow("%s: store, writes", mode) << fast << "store" << S::Write << 6;
            QTest::addRow("%s: store, write unanswered", mode) << fast << "store, byte 10 silent" << S::Write << 8;
            QTest::addRow("%s: store, backup", mode) << fast << "store" << S::Backup << 4;
            QTest::addRow("%s: store, verify", mode) << fast << "store" << S::VerifyWritten << 3;
            QTest::addRow("%s: factory reset, backup", mode) << fast << "reset" << S::Backup << 4;
            QTest::addRow("%s: factory reset, frame due", mode) << fast << "reset" << S::Reset << 0;
        }
    }
    void stopEndsWhereItIs()
    {
        QFETCH(bool, fast);
        QFETCH(QString, what);
        QFETCH(TransferStep, step);
        QFETCH(int, into);
        Rig rig;
        for (int i = AddressCodeByte + 1; i < 512; ++i)
            rig.data.ConfigImage[i] = static_cast<std::uint8_t>(i ^ 0x5A);
        const auto moduleBefore = rig.module;
        if (what.endsWith(QLatin1String("silent")))
            rig.silent = {10};
        rig.ctl.SetFastMode(fast);
        rig.ctl.SetResetAfterStore(true);
        rig.ctl.SetBackupBeforeStore(step == TransferStep::Backup || step == TransferStep::VerifyWritten);
        rig.ctl.SetVerifyAfterStore(true);
        if (what == "version")
            QVERIFY(rig.ctl.StartVersionQuery());
        else if (what == "read")
            QVERIFY(rig.ctl.StartRead());
        else if (what == "verify")
            QVERIFY(rig.ctl.StartVerify());
        else if (what == "poleSIG")
            QVERIFY(rig.ctl.StartPoleSigRead());
        else if (what == "reset")
            rig.ctl.StartFactoryReset(step == TransferStep::Backup);
        else
            QVERIFY(rig.ctl.StartStore(TransferController::ConfigOnly, 1));
        // Stopped once the step has sent that many frames (in the fast mode, between two replies).
        qsizetype stepBegan = -1;
        const auto reached = [&] {
            if (rig.ctl.CurrentStep() != step)
                return false;
            if (stepBegan < 0)
                stepBegan = rig.port.Written.size();
            return rig.port.Written.size() - stepBegan >= into;
        };
        rig.hold = reached;
        rig.StartDelivering();
        for (int t = 0; t < 3000 && !reached() && !rig.ctl.IsIdle(); ++t)
            rig.Tick();
        QVERIFY(reached());
        QVERIFY(!rig.ctl.IsIdle());
        const qsizetype sentBefore = rig.port.Written.size();
        QVERIFY(rig.ctl.Stop());
        QCOMPARE(rig.ctl.StopRequested(), step == TransferStep::Write && into > 0); // a write in flight
        rig.hold = {};
        rig.Deliver();
        for (int t = 0; t < 5 && !rig.ctl.IsIdle(); ++t)
            rig.Tick();
        QVERIFY(rig.ctl.IsIdle());
        QVERIFY(!rig.ctl.StopRequested());
        QVERIFY(!rig.view.ProgressVisible);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Stopped});
        QCOMPARE(rig.ctl.StoppedStep(), step);
        for (int t = 0; t < 20; ++t)
            rig.Tick();
        QCOMPARE(rig.port.Written.size(), sentBefore); // nothing after the stop, not even a repeat
        QCOMPARE(rig.view.Outcomes.size(), 1);
        QVERIFY(!rig.port.Written.contains(ResetModuleFrame()));
        QCOMPARE(rig.port.Written.contains(InitialiseConfigFrame()), false);

        // The module holds the new bytes it acknowledged, the old ones elsewhere; the count says so.
        const int acknowledged = rig.ctl.AcknowledgedCount();
        if (step == TransferStep::Write && what == "store")
            QCOMPARE(acknowledged, into == 0 ? 0 : rig.WrittenAddresses('W').size());
        // Byte 4 as the module holds it, for a restore's address check: unknown before the check was answered.
        if (step == TransferStep::Write)
            QCOMPARE(rig.ctl.AddressCodeLeft(),
                     into == 0 ? std::nullopt : std::optional<int>(rig.data.ConfigImage[AddressCodeByte]));
        if (what.endsWith(QLatin1String("silent"))) {
            QCOMPARE(acknowledged, 6); // 4..9
            QCOMPARE(rig.ctl.SentCount(), 7);
        }
        QCOMPARE(acknowledged, step == TransferStep::VerifyWritten ? 28 : acknowledged);
        for (int a = 0; a < 512; ++a) {
            const bool taken = a >= 4 && a < 4 + acknowledged;
            QCOMPARE(int(rig.module[a]), int(taken ? rig.data.ConfigImage[a] : moduleBefore[a]));
        }
        // The port is clean: the next transfer reads the module whole.
        rig.silent.clear();
        rig.view.Outcomes.clear();
        QVERIFY(rig.ctl.StartRead());
        rig.StartDelivering();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Read});
        QVERIFY(std::equal(rig.module.begin(), rig.module.begin() + 249, rig.data.ConfigImage.begin()));
    }

    // A restore writes the backup's bytes over the range given, takes no backup, expects the address code it is
    // told, reads the bytes back and does not restart the module.
    void restoreWritesTheBackupBack_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<bool>("addressAsExpected");
        for (const bool fast : {false, true}) {
            QTest::addRow("%s", fast ? "fast" : "tick") << fast << true;
            QTest::addRow("%s, address not as expected", fast ? "fast" : "tick") << fast << false;
        }
    }
    void restoreWritesTheBackupBack()
    {
        QFETCH(bool, fast);
        QFETCH(bool, addressAsExpected);
        Rig rig;
        ImageBytes backup{};
        for (int i = 0; i < 512; ++i)
            backup[i] = static_cast<std::uint8_t>(i ^ 0xA5);
        const auto moduleBefore = rig.module;
        const ImageBytes image = rig.data.ConfigImage;
        rig.ctl.SetFastMode(fast);
        rig.ctl.SetResetAfterStore(true);
        rig.ctl.SetBackupBeforeStore(true);
        rig.ctl.SetVerifyAfterStore(false);
        const int expected = addressAsExpected ? rig.module[AddressCodeByte] : rig.module[AddressCodeByte] + 1;
        QVERIFY(rig.ctl.StartRestore(backup, 4, 20, expected));
        QVERIFY(rig.ctl.IsRestore());
        rig.StartDelivering();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Stored});
        QVERIFY(rig.view.Backups.isEmpty());
        QCOMPARE(rig.WrittenAddresses('W'), Range(4, 20));
        QCOMPARE(rig.WrittenAddresses('R'),
                 QList<int>{AddressCodeByte} + Range(4, 20) + (fast ? Range(4, 20) : QList<int>()));
        QVERIFY(!rig.port.Written.contains(ResetModuleFrame()));
        for (int a = 0; a < 512; ++a)
            QCOMPARE(int(rig.module[a]), int(a >= 4 && a <= 20 ? backup[a] : moduleBefore[a]));
        QVERIFY(rig.data.ConfigImage == image);
        QCOMPARE(rig.view.Messages.size(), addressAsExpected ? 0 : 1); // the address question
    }

    // What changes the image while a store runs (a load, an undo, a dialog's OK) stays in the program: the
    // module gets the bytes as they were when the store began, and its verify compares with those.
    void storeWritesTheImageAsItWasWhenItBegan_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::newRow("tick") << false;
        QTest::newRow("fast") << true;
    }
    void storeWritesTheImageAsItWasWhenItBegan()
    {
        QFETCH(bool, fast);
        Rig rig;
        for (int i = AddressCodeByte + 1; i < 512; ++i)
            rig.data.ConfigImage[i] = static_cast<std::uint8_t>(i ^ 0x5A);
        const ImageBytes stored = rig.data.ConfigImage;
        rig.ctl.SetFastMode(fast);
        rig.ctl.SetVerifyAfterStore(true);
        QVERIFY(rig.ctl.StartStore(TransferController::ConfigOnly, 1));
        rig.StartDelivering();
        for (int t = 0; t < 8; ++t)
            rig.Tick();
        for (int i = 0; i < 512; ++i)
            rig.data.ConfigImage[i] = 0x77; // the address code too
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Stored});
        for (int a = 4; a <= 31; ++a)
            QCOMPARE(int(rig.module[a]), int(stored[a]));
        QVERIFY(rig.ctl.StoreBytes() == stored);
    }

    void storeWithoutChoiceIsRefused()
    {
        Rig rig;
        QVERIFY(!rig.ctl.StartStore(-1, 1));
        QVERIFY(rig.view.Outcomes.isEmpty()); // nothing began: the window says why before it asks
        rig.RunUntilIdle();
        QVERIFY(rig.port.Written.isEmpty());
    }

    void addressMismatch_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void addressMismatch()
    {
        QFETCH(bool, answer);
        Rig rig;
        rig.module[AddressCodeByte] = 9;
        rig.view.ConfirmAnswer = answer;
        // While the question is open, the ticks go on and find it pending: state 0, nothing sent.
        rig.view.WhileBoxOpen = [&] {
            for (int i = 0; i < 3; ++i)
                rig.Tick();
            QVERIFY(rig.ctl.QuestionPending() && rig.ctl.TransferState() == 0);
            QVERIFY(!rig.view.ProgressVisible);
        };
        rig.ctl.StartStore(TransferController::ConfigOnly, 1);
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages.size(), 1);
        QCOMPARE(rig.view.Messages[0].text,
                 QStringLiteral("DCC adresa modulu (9) nesouhlasí s konfigurací 1\n\r Chcete přesto uložit data? "));
        QCOMPARE(rig.WrittenAddresses('W').size(), answer ? 28 : 0);
        QCOMPARE(rig.view.Outcomes,
                 QList<TransferOutcome>{answer ? TransferOutcome::Stored : TransferOutcome::Refused});
    }

    void silentModuleDuringStore()
    {
        Rig rig;
        rig.silent = {AddressCodeByte};
        rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1);
        QCOMPARE(rig.RunUntilIdle(), 4);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::CommFailed});
        QCOMPARE(OtherBoxes(rig.view), QList<Message>());
        QCOMPARE(rig.port.Written, QList<QByteArray>{AddressCheckFrame()});
    }

    void writeTimeOutRetriesThenFails()
    {
        Rig rig;
        rig.silent = {6};
        rig.ctl.SetResetAfterStore(true); // only a store that completed may reset the module
        rig.ctl.StartStore(TransferController::ConfigOnly, 1);
        QCOMPARE(rig.RunUntilIdle(), 16);
        QCOMPARE(rig.WrittenAddresses('W'), (QList<int>{4, 5, 6, 6, 6}));
        // Address check in tick 1, its reply in tick 2, writes from tick 3: address 6 first in tick 5.
        QCOMPARE(rig.TicksOf(WriteFrame(6, rig.data.ConfigImage[6])), (QList<int>{5, 9, 13}));
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::StoreFailed});
        QCOMPARE(OtherBoxes(rig.view), QList<Message>());
        QVERIFY(!rig.port.Written.contains(ResetModuleFrame()));
    }

    void factoryResetTakesOverARead()
    {
        Rig rig;
        const ImageBytes before = rig.data.ConfigImage;
        rig.ctl.StartRead();
        for (int i = 0; i < 5; ++i)
            rig.Tick();
        rig.ctl.StartFactoryReset();
        rig.Tick();
        QCOMPARE(rig.port.Written.last(), InitialiseConfigFrame());
        QVERIFY(rig.ctl.IsIdle());
        rig.Tick();
        QVERIFY(rig.view.Outcomes.isEmpty()); // neither the abandoned read nor the reset, once its frame is out
        QVERIFY(rig.view.Messages.isEmpty());
        QVERIFY(!rig.view.ProgressVisible);
        QVERIFY(rig.data.ConfigImage == before); // the abandoned read leaves nothing behind
        QCOMPARE(rig.view.Refreshes, 0);
    }

    void oneShotOnlyWhenIdle()
    {
        Rig rig;
        QVERIFY(rig.ctl.QueueOneShot(TurnoutOutputFrame(5)));
        QVERIFY(!rig.ctl.QueueOneShot(TurnoutOutputFrame(7))); // a second click before the tick
        rig.Tick();
        QCOMPARE(rig.port.Written, QList<QByteArray>{TurnoutOutputFrame(5)});
        rig.ctl.StartRead();
        rig.Tick();
        QVERIFY(!rig.ctl.QueueOneShot(TurnoutOutputFrame(1)));
        QCOMPARE(rig.RunUntilIdle(), 249);
        QVERIFY(!rig.port.Written.contains(TurnoutOutputFrame(1)));
    }

    void startsWhileBusyDoNothing()
    {
        Rig rig;
        rig.ctl.StartRead();
        QVERIFY(!rig.ctl.StartVerify());
        QVERIFY(!rig.ctl.StartStore(1, 1));
        QVERIFY(!rig.ctl.StartPoleSigRead());
        QVERIFY(!rig.ctl.StartVersionQuery());
        QVERIFY(!rig.ctl.VerifyMode());
    }

    // A closed port (adapter pulled, failed at start-up) is opened again by every action that needs the
    // module; when that fails the action warns once, why, and sends nothing.
    void actionsReopenAClosedPort_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("opens");
        for (const char *action :
             {"version", "identify", "read", "verify", "store", "store range", "poleSIG", "one shot", "reset"}) {
            QTest::addRow("%s, reopens", action) << action << true;
            QTest::addRow("%s, stays closed", action) << action << false;
        }
    }
    void actionsReopenAClosedPort()
    {
        QFETCH(QString, action);
        QFETCH(bool, opens);
        Rig rig;
        rig.link.Close();
        rig.port.OpenSucceeds = opens;
        const std::map<QString, std::function<bool()>> start = {
            {"version", [&] { return rig.ctl.StartVersionQuery(); }},
            {"identify", [&] { return rig.ctl.StartIdentify(); }},
            {"read", [&] { return rig.ctl.StartRead(); }},
            {"verify", [&] { return rig.ctl.StartVerify(); }},
            {"store", [&] { return rig.ctl.StartStore(TransferController::SelectedRoute, 3); }},
            {"store range", [&] { return rig.ctl.StartStoreRange(4, 9); }},
            {"poleSIG", [&] { return rig.ctl.StartPoleSigRead(); }},
            {"one shot", [&] { return rig.ctl.QueueOneShot(TurnoutOutputFrame(5)); }},
            {"reset",
             [&] {
                 rig.ctl.StartFactoryReset();
                 return !rig.ctl.IsIdle();
             }},
        };
        QCOMPARE(start.at(action)(), opens);
        QCOMPARE(rig.port.Opened, (QStringList{"COM1", "COM1"}));
        rig.Tick();
        QCOMPARE(rig.port.Written.isEmpty(), !opens);
        if (opens) {
            QVERIFY(rig.view.Messages.isEmpty());
        } else {
            QVERIFY(rig.ctl.IsIdle());
            const QList<Message> warned{{"warning", SerialLink::OpenErrorText(1, rig.port.lastOpenFailure())}};
            QCOMPARE(rig.view.Messages, warned);
            QVERIFY(rig.view.Messages[0].text.contains(QStringLiteral("\nZařízení COM1 neexistuje")));
        }
    }

    void versionQuery_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("notice");
        QTest::newRow("D 1.10") << 'D' << 0x1A << "HX7  V 1.10" << false;
        QTest::newRow("V 1.3") << 'V' << 0x13 << "HX7V V 1.3" << false;
        QTest::newRow("S 1.2 old") << 'S' << 0x12 << "HX7S V 1.2" << true;
        QTest::newRow("unknown type") << 'Q' << 0x14 << "" << false;
    }
    void versionQuery()
    {
        QFETCH(char, type);
        QFETCH(int, version);
        QFETCH(QString, text);
        QFETCH(bool, notice);
        Rig rig;
        rig.versionType = type;
        rig.version = version;
        rig.view.WhileBoxOpen = [&] {
            for (int i = 0; i < 3; ++i)
                rig.Tick();
        };
        QVERIFY(rig.ctl.StartVersionQuery());
        QVERIFY(!rig.ctl.Identity()); // the module asked before is forgotten while the query runs
        QCOMPARE(rig.port.Written, QList<QByteArray>{VersionQueryFrame()}); // sent at once, not on a tick
        rig.Tick();
        QVERIFY(rig.ctl.IsIdle());
        QVERIFY(rig.ctl.Identity());
        QCOMPARE(rig.ctl.Identity()->Name(), text);
        QCOMPARE(rig.ctl.Identity()->IsHx7S(), type == 'S');
        QCOMPARE(rig.ctl.Identity()->IsOldFirmware(), notice);
        QCOMPARE(rig.ctl.Identity()->port, rig.link.DeviceName(rig.link.ComPortNumber));
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Identified});
        QVERIFY(rig.view.Messages.isEmpty()); // the words are the view's
    }

    void versionQueryWithoutModule()
    {
        Rig rig;
        rig.port.Respond = nullptr;
        rig.ctl.StartVersionQuery();
        rig.Tick();
        QCOMPARE(rig.ctl.TransferState(), 6);
        rig.Tick();
        QVERIFY(rig.ctl.IsIdle());
        QVERIFY(!rig.ctl.Identity());
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Identified});
        QVERIFY(rig.view.Messages.isEmpty());
    }

    // Which module is it: the query, then byte 4 read once at the next tick, nothing written, within a second
    // also when byte 4 has no answer; the image stays as it was.
    void identifyReadsTheAddressCode_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<int>("ticks");
        for (const bool fast : {false, true}) {
            // Byte 4 is asked at the tick after the query's answer; unanswered, it is given up after three ticks.
            QTest::addRow("%s, answered", fast ? "fast" : "tick") << fast << true << (fast ? 1 : 3);
            QTest::addRow("%s, byte 4 silent", fast ? "fast" : "tick") << fast << false << (fast ? 4 : 5);
        }
    }
    void identifyReadsTheAddressCode()
    {
        QFETCH(bool, fast);
        QFETCH(bool, answers);
        QFETCH(int, ticks);
        Rig rig;
        rig.ctl.SetFastMode(fast);
        rig.module[AddressCodeByte] = 77;
        if (!answers)
            rig.silent = {AddressCodeByte};
        const ImageBytes before = rig.data.ConfigImage;
        QVERIFY(rig.ctl.StartIdentify());
        rig.StartDelivering();
        QCOMPARE(rig.RunUntilIdle(), ticks);
        QCOMPARE(rig.port.Written, (QList<QByteArray>{VersionQueryFrame(), AddressCheckFrame()}));
        QVERIFY(rig.ctl.Identity());
        QCOMPARE(rig.ctl.Identity()->addressCode, answers ? std::optional(77) : std::nullopt);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Identified});
        QVERIFY(rig.data.ConfigImage == before);
        QVERIFY(!rig.view.ProgressVisible);
    }

    void nestedTicksDuringErrorBoxStayIdle()
    {
        Rig rig;
        rig.silent = {0};
        int nestedSends = -1;
        rig.view.WhileBoxOpen = [&] {
            const qsizetype before = rig.port.Written.size();
            for (int i = 0; i < 5; ++i)
                rig.Tick();
            nestedSends = static_cast<int>(rig.port.Written.size() - before);
        };
        rig.ctl.StartRead();
        rig.RunUntilIdle();
        QCOMPARE(nestedSends, 0);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::ReadFailed});
        QCOMPARE(OtherBoxes(rig.view), QList<Message>());
    }

    // The table goes into the image and its owner is told; the owner writes the dump (the link writes no file).
    void poleSigRead()
    {
        Rig rig;
        QVERIFY(rig.ctl.StartPoleSigRead());
        QCOMPARE(rig.RunUntilIdle(), 129);
        for (int i = 0; i < 128; ++i)
            QCOMPARE(rig.data.ConfigImage[PoleSigBase + i], rig.signalTable[i]);
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::SignalTableRead});
        QVERIFY(rig.view.Messages.isEmpty());
    }

    void progress_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("percent");
        QTest::newRow("store starts at 2") << 4 << 248 << 2;
        QTest::newRow("route store starts at 78") << 32 << 41 << 78;
        QTest::newRow("half to even down") << 1 << 8 << 12;
        QTest::newRow("half to even up") << 3 << 8 << 38;
        QTest::newRow("end") << 248 << 248 << 100;
        QTest::newRow("no division by zero") << 32 << 0 << 100;
    }
    void progress()
    {
        QFETCH(int, address);
        QFETCH(int, end);
        QFETCH(int, percent);
        QCOMPARE(TransferController::ProgressPercent(address, end), percent);
    }
};

QTEST_GUILESS_MAIN(TestTransferController)
#include "test_transfercontroller.moc"
