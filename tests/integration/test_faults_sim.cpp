// SPDX-License-Identifier: GPL-3.0-or-later
// Faults on the line, injected by the simulator: lost, noisy, late and flooding replies, and a module
// that disappears in the middle of a transfer.
#include "simrig.h"
#include "ticker.h"
#include "trafficlog.h"
#include "transferwords.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTest>
#include <algorithm>
#include <sys/resource.h>

using namespace hx7;
using namespace hx7test;

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool ImageHoldsModule(const SimRig &rig, const ImageBytes &module, int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (rig.data.ConfigImage[i] != module[i])
            return false;
    return true;
}

// What one transfer left for the user to see.
struct Outcome {
    QList<Message> messages;
    QList<int> differing;
    ImageBytes image;
    // The lists are compared item by item: Qt 6.4's QList<int>::operator== hands memcmp a null pointer when one
    // empty list was never allocated and the other was, which the undefined-behaviour sanitizer stops on.
    bool operator==(const Outcome &o) const
    {
        return messages == o.messages && std::ranges::equal(differing, o.differing) && image == o.image;
    }
};

} // namespace

class TestFaultsSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Recovered by the protocol itself: the transfer completes with the right bytes.
    void recovered_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<bool>("storeToo");
        QTest::addColumn<bool>("fast");
        for (bool fast : {false, true}) {
            const char *mode = fast ? ", fast" : "";
            QTest::addRow("every 7th reply lost%s", mode) << Args({"--drop", "7"}) << true << fast;
            // Read only: the address check before a store has no retry, so a lost answer to it ends the store.
            QTest::addRow("every 2nd reply lost%s", mode) << Args({"--drop", "2"}) << false << fast;
            QTest::addRow("500-byte flood at address 30%s", mode) << Args({"--flood", "30"}) << true << fast;
        }
    }
    void recovered()
    {
        QFETCH(QStringList, fault);
        QFETCH(bool, storeToo);
        QFETCH(bool, fast);
        QTemporaryDir dir;
        ImageBytes module;
        SimRig rig(fault << QStringLiteral("--memory") << WriteModuleFile(dir, module));
        rig.SetFast(fast);
        rig.ctl.StartRead();
        rig.RunUntilIdle();
        QVERIFY(rig.view.Messages.isEmpty());
        QVERIFY(ImageHoldsModule(rig, module, 0, 248));
        if (!storeToo)
            return;

        // A store through the same faults, then a verify.
        for (int i = 4; i <= 248; ++i)
            rig.data.ConfigImage[i] = static_cast<std::uint8_t>(i);
        rig.data.ConfigImage[AddressCodeByte] = 1;
        // The address check has no second attempt: when the lost answer is its own, nothing is written and the
        // user stores again, as the message says.
        for (int attempt = 0; attempt < 2; ++attempt) {
            rig.view.Messages.clear();
            rig.view.Outcomes.clear();
            rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1);
            rig.RunUntilIdle();
            QCOMPARE(rig.view.Outcomes.size(), 1);
            if (rig.view.Outcomes[0] != TransferOutcome::CommFailed)
                break;
        }
        QCOMPARE(rig.view.Outcomes, QList<TransferOutcome>{TransferOutcome::Stored});
        rig.view.Messages.clear();
        rig.ctl.StartVerify();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages, (QList<Message>{{"information", OutcomeSourceText(TransferOutcome::Equal)}}));
    }

    // Modules that misbehave as real ones do, in both modes: the outcome is the module's truth, and the fast
    // mode's equals the tick mode's byte for byte. The module's byte 63 is 0x2A, the value that a stray byte in
    // front of its reply can pass off as a whole reply.
    void misbehavingModule_data()
    {
        QTest::addColumn<QStringList>("fault");
        // r read, v verify, s store, S store backed up and verified (as the store dialog does), in that order
        QTest::addColumn<QString>("order");
        // A '*' behind every reply: when a loaded machine brings the reply's own '*' and the stray together
        // ("d * *"), the bytes read two ways, as d or as a stray d in front of the reply '*'. The fast mode,
        // which takes a reply as it comes, asks again rather than guess, and after three such attempts says
        // that the read failed; the tick mode takes the first reading, right here, wrong for a stray in front.
        // So a read or verify of the fast mode may end so, and then must have changed nothing.
        QTest::addColumn<bool>("mayRefuse");
        const QStringList busy = Args({"--busy-at", "10:250"});
        QTest::newRow("busy 250 ms once, in a read") << busy << "rvs" << false;
        QTest::newRow("busy 250 ms once, in a verify") << busy << "vrs" << false;
        QTest::newRow("busy 250 ms once, in a store") << busy << "srv" << false;
        QTest::newRow("stray 0D 2 ms after every reply") << Args({"--trail", "0D:2"}) << "rvs" << false;
        // Within the frame's time on the line behind the next request, and after it, where the receive step takes
        // the stray as the start of the next reply; behind the last reply of one step it precedes the first
        // answer of the next (the address check has no second attempt).
        QTest::newRow("stray 2A 2 ms after every reply") << Args({"--trail", "2A:2"}) << "rvs" << true;
        QTest::newRow("stray 2A 6 ms after every reply") << Args({"--trail", "2A:6"}) << "S" << false;
        QTest::newRow("every 3rd reply twice") << Args({"--twice", "3"}) << "rvs" << false;
    }
    void misbehavingModule()
    {
        QFETCH(QStringList, fault);
        QFETCH(QString, order);
        QFETCH(bool, mayRefuse);
        QTemporaryDir dir;
        ImageBytes module;
        const QString file = WriteModuleFile(dir, module);
        QCOMPARE(module[63], 0x2A);
        ImageBytes stored = module;
        for (int i = 4; i <= 248; ++i)
            stored[i] = static_cast<std::uint8_t>(255 - i);
        stored[AddressCodeByte] = 1;

        QList<QList<Outcome>> modes;
        for (bool fast : {false, true}) {
            SimRig rig(QStringList(fault) << QStringLiteral("--memory") << file);
            rig.SetFast(fast);
            QList<Outcome> steps;
            ImageBytes truth = module;
            QChar step;
            // A failure names the mode, the step and the message, and shows the end of the step's traffic.
            TrafficLog traffic;
            rig.link.SetTrafficLog(&traffic);
            const auto whereFailed = qScopeGuard([&] {
                if (!QTest::currentTestFailed())
                    return;
                qWarning("in the %s mode, step %c: %s", fast ? "fast" : "tick", step.toLatin1(),
                         qPrintable(rig.view.Messages.isEmpty() ? QString() : rig.view.Messages.last().text));
                const auto &lines = traffic.Lines();
                for (auto l = lines.size() > 60 ? lines.end() - 60 : lines.begin(); l != lines.end(); ++l)
                    qWarning("%s", qPrintable(l->Text()));
            });
            for (QChar current : order) {
                step = current;
                traffic.Clear();
                traffic.Start();
                rig.view.Messages.clear();
                rig.view.Differing.clear();
                rig.view.Backups.clear();
                if (step == QLatin1Char('r')) {
                    rig.ctl.StartRead();
                } else if (step == QLatin1Char('v')) {
                    rig.data.ConfigImage = truth;
                    rig.data.ConfigImage[100] ^= 0x40;
                    rig.ctl.StartVerify();
                } else {
                    rig.data.ConfigImage = stored;
                    rig.ctl.SetBackupBeforeStore(step == QLatin1Char('S'));
                    rig.ctl.SetVerifyAfterStore(step == QLatin1Char('S'));
                    rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1);
                }
                const ImageBytes before = rig.data.ConfigImage;
                rig.RunUntilIdle();
                if (fast && mayRefuse && step.toLower() != QLatin1Char('s') &&
                    rig.view.Messages == QList<Message>{{"warning", OutcomeSourceText(TransferOutcome::ReadFailed)}}) {
                    qInfo("the fast mode refused bytes that read two ways, in step %c", step.toLatin1());
                    QVERIFY(rig.data.ConfigImage == before);
                    QVERIFY(rig.view.Differing.isEmpty());
                    steps.append(modes[0][steps.size()]); // the rest is compared as ever
                    continue;
                }
                // The outcome first: a failed transfer shows why before its missing bytes are compared.
                const QList<Message> expected =
                    step == QLatin1Char('v')
                        ? QList<Message>{{"information", OutcomeSourceText(TransferOutcome::Different)}}
                        : QList<Message>{};
                QCOMPARE(rig.view.Messages, expected);
                if (step == QLatin1Char('r'))
                    QVERIFY(ImageHoldsModule(rig, truth, 0, 248));
                else if (step == QLatin1Char('v'))
                    QCOMPARE(rig.view.Differing, QList<int>{100});
                // A store backed up first keeps what the module held before it.
                QCOMPARE(rig.view.Backups.size(), step == QLatin1Char('S') ? 1 : 0);
                if (step == QLatin1Char('S'))
                    QVERIFY(std::equal(truth.begin(), truth.begin() + 249, rig.view.Backups[0].first.begin()));
                if (step.toLower() == QLatin1Char('s'))
                    std::copy(stored.begin() + 4, stored.begin() + 249, truth.begin() + 4);
                steps.append({rig.view.Messages, rig.view.Differing, rig.data.ConfigImage});
            }
            modes.append(QList<QList<Outcome>>{steps});
        }
        QVERIFY(modes[0] == modes[1]);
    }

    // A junk byte in front of every reply: no reply is ever recognised, the read gives up on address 0 in the
    // twelfth tick (the fast mode sends the first request at once and does not count the early tick after it).
    void noiseBeforeEveryReply_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::newRow("tick") << false;
        QTest::newRow("fast") << true;
    }
    void noiseBeforeEveryReply()
    {
        QFETCH(bool, fast);
        SimRig rig(Args({"--noise"}));
        rig.SetFast(fast);
        const ImageBytes before = rig.data.ConfigImage;
        rig.ctl.StartRead();
        QCOMPARE(rig.RunUntilIdle(), 12);
        QCOMPARE(rig.view.Messages, (QList<Message>{{"warning", OutcomeSourceText(TransferOutcome::ReadFailed)}}));
        QVERIFY(rig.data.ConfigImage == before);
        QCOMPARE(rig.view.Refreshes, 0);
    }

    // Late replies on the real timer: within three ticks they are taken, later they are lost.
    void lateReplies_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("fast");
        // The fast mode may wait up to a tick longer (the early tick after a frame sent between ticks does not
        // count), and a reply that comes during a later attempt's wait is taken for that attempt (a read reply
        // carries no address); so its "too late" replies come after all three attempts.
        for (bool fast : {false, true}) {
            const char *mode = fast ? ", fast" : "";
            const int late = fast ? 1500 : 350;
            QTest::addRow("150 ms store of one route%s", mode) << 150 << 2 << QString() << fast;
            QTest::addRow("%d ms address check%s", late, mode)
                << late << 2 << OutcomeSourceText(TransferOutcome::CommFailed) << fast;
            QTest::addRow("%d ms read%s", late, mode)
                << late << -1 << OutcomeSourceText(TransferOutcome::ReadFailed) << fast;
        }
    }
    void lateReplies()
    {
        QFETCH(int, delay);
        QFETCH(int, scope);
        QFETCH(QString, message);
        QFETCH(bool, fast);
        SimRig rig(Args({"--delay-ms"}) << QString::number(delay));
        rig.ctl.SetFastMode(fast); // the ticker takes the replies as they come
        if (scope < 0)
            rig.ctl.StartRead();
        else
            rig.ctl.StartStore(scope, 1);
        const int ticks = TimerTicker().RunUntilIdle(rig.link, rig.ctl);
        if (message.isEmpty()) {
            QVERIFY(rig.view.Messages.isEmpty());
            QCOMPARE(rig.ctl.CurrentAddress(), 42);
        } else {
            QCOMPARE(rig.view.Messages, (QList<Message>{{"warning", message}}));
            QCOMPARE(ticks, scope < 0 ? 12 : 4); // the same ticks in both modes: a slow module is never rushed
        }
    }

    // The module vanishes mid-transfer: an error, the port closed, the CPU idle, and the image and the
    // route table exactly as they were before the transfer (a read is all or nothing).
    void killedMidTransfer_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<bool>("fast");
        QTest::newRow("read") << false << false;
        QTest::newRow("store") << true << false;
        QTest::newRow("read, fast") << false << true;
        QTest::newRow("store, fast") << true << true;
    }
    void killedMidTransfer()
    {
        QFETCH(bool, store);
        QFETCH(bool, fast);
        QTemporaryDir dir;
        ImageBytes module;
        // The fast mode against a line at 19200 baud, so that it is still mid-transfer when killed.
        SimRig rig(Args({"--memory"}) << WriteModuleFile(dir, module)
                                      << (fast ? Args({"--baud", "19200", "--write-ms", "4"}) : QStringList()));
        rig.SetFast(fast);
        const ImageBytes before = rig.data.ConfigImage;
        const RouteTable routes = rig.data.RouteTable;
        if (store)
            rig.ctl.StartStore(TransferController::ConfigAndRoutes, 1);
        else
            rig.ctl.StartRead();
        if (fast)
            QVERIFY(QTest::qWaitFor([&] { return rig.ctl.CurrentAddress() > 120; }, 3000));
        else
            for (int i = 0; i < 60; ++i)
                rig.Tick();
        rig.sim.Kill();
        rig.RunUntilIdle();
        QCOMPARE(rig.view.Messages.size(), 1);
        QCOMPARE(rig.view.Messages[0].text, store ? OutcomeSourceText(TransferOutcome::StoreFailed)
                                                  : OutcomeSourceText(TransferOutcome::ReadFailed));
        QVERIFY(!rig.link.IsOpen());
        QVERIFY(rig.ctl.CurrentAddress() > 40 && rig.ctl.CurrentAddress() < 249); // killed well inside the range
        QVERIFY(rig.data.ConfigImage == before);
        QVERIFY(rig.data.RouteTable == routes);

        const double cpuBefore = CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        while (wall.elapsed() < 1000) {
            rig.link.ReceiveStep();
            rig.ctl.Tick();
            QTest::qWait(100);
        }
        QVERIFY(CpuSeconds() - cpuBefore < 0.1);
    }
};

QTEST_GUILESS_MAIN(TestFaultsSim)
#include "test_faults_sim.moc"
