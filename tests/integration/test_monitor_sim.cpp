// SPDX-License-Identifier: GPL-3.0-or-later
// The traffic monitor on the real serial port against the simulator: the lines of a version query and
// a read, pause, Escape, reopening, and a flood.
#include "frames.h"
#include "monitorwindow.h"
#include "simrig.h"
#include "trafficlog.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace hx7;
using namespace hx7test;

namespace {

QStringList ViewLines(const MonitorWindow &w)
{
    return w.findChild<QPlainTextEdit *>(QStringLiteral("MEmonitor1"))->toPlainText().split(QLatin1Char('\n'));
}

// One frame and its reply, received in one step once the whole reply is there (a loaded machine may bring
// its bytes apart, and each receive step is a line of the log), or in as many steps as the line needs.
void Ask(SimRig &rig, const QByteArray &frame, int replySize)
{
    rig.link.TakeArrivals();
    rig.link.Send(frame);
    WaitForMoreBytes(rig.port, replySize - 1, 1000);
    for (int i = 0; i < 20 && rig.link.ReceivedSinceSend() < replySize; ++i) {
        WaitForReply(rig.port, 50);
        rig.link.ReceiveStep();
    }
}

} // namespace

class TestMonitorSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void versionAndRead()
    {
        SimRig rig({});
        TrafficLog log;
        rig.link.SetTrafficLog(&log);
        MonitorWindow w(log);
        Ask(rig, VersionQueryFrame(), 4); // before the window opens: not recorded
        QVERIFY(log.Lines().empty());

        w.show();
        Ask(rig, VersionQueryFrame(), 4);
        Ask(rig, AddressCheckFrame(), 2);
        QStringList lines = ViewLines(w);
        QCOMPARE(lines.size(), 4);
        const QRegularExpression start(QStringLiteral("^ *\\d+ ms  (->|<-) "));
        for (const QString &line : lines)
            QVERIFY2(start.match(line).hasMatch(), qPrintable(line));
        QVERIFY2(lines[0].endsWith(QStringLiteral("-> 40 47 30 30 30 30 2A  @G0000*  dotaz na verzi")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].endsWith(QStringLiteral("<- 4E 53 14 2A           NS.*     verze HX7S V 1.4")),
                 qPrintable(lines[1]));
        QVERIFY(lines[2].endsWith(QStringLiteral("@R.000*  čtení 0x04 (DCC adresa)")));
        QVERIFY2(lines[3].endsWith(QStringLiteral("<- 01 2A                 .*       odpověď 0x01")),
                 qPrintable(lines[3]));

        // Paused, the view stands still while the log goes on; on resuming it catches up.
        auto *pause = w.findChild<QPushButton *>(QStringLiteral("BTpauza1"));
        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("Pokračovat"));
        Ask(rig, ReadFrame(0x05), 2);
        QCOMPARE(ViewLines(w).size(), 4);
        pause->click();
        lines = ViewLines(w);
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[5].endsWith(QStringLiteral("odpověď 0x") +
                                  QString::number(ConfigDefaults[1], 16).toUpper().rightJustified(2, u'0')));

        // Escape closes the window (paused or not) and the recording stops with it.
        pause->click();
        QTest::keyClick(w.findChild<QPlainTextEdit *>(QStringLiteral("MEmonitor1")), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        Ask(rig, VersionQueryFrame(), 4);
        QCOMPARE(log.Lines().size(), size_t(6));

        // Opened again: the earlier lines, then a note where the clock starts anew.
        w.show();
        QVERIFY(!w.IsPaused());
        lines = ViewLines(w);
        QCOMPARE(lines.size(), 7);
        QVERIFY(lines[6].contains(QStringLiteral("-- nový záznam")));
        w.findChild<QPushButton *>(QStringLiteral("BTvymazat1"))->click();
        QCOMPARE(ViewLines(w), QStringList{QString()});
        QVERIFY(log.Lines().empty());
    }

    // 500 junk bytes answer the first read of address 5: the monitor shows them in lines of at most 16
    // bytes and the read goes on after its time-out.
    void flood()
    {
        SimRig rig(Args({"--flood", "5"}));
        TrafficLog log;
        rig.link.SetTrafficLog(&log);
        MonitorWindow w(log);
        w.show();
        rig.ctl.StartRead();
        rig.RunUntilIdle();
        QVERIFY(rig.view.Messages.isEmpty());
        int junk = 0;
        int reads5 = 0;
        for (const TrafficLine &line : log.Lines()) {
            QVERIFY(line.bytes.size() <= TrafficLog::BytesPerLine);
            // Apart from the replies, only the junk arrives.
            if (line.direction != TrafficLine::Sent && !line.meaning.startsWith(QStringLiteral("odpověď"))) {
                QVERIFY2(line.bytes.count('\x5A') == line.bytes.size() &&
                             (line.meaning == QStringLiteral("zahozeno (zahlcení vstupu)") ||
                              line.meaning == QStringLiteral("neznámá data")),
                         qPrintable(line.Text()));
                junk += line.bytes.size();
            }
            reads5 += line.bytes == ReadFrame(5) ? 1 : 0;
        }
        QVERIFY(junk > 0 && junk <= 500); // the rest may be purged in the driver before it is read
        QCOMPARE(reads5, 2);
        QCOMPARE(ViewLines(w).size(), int(log.Lines().size()));

        // However much arrives, the view keeps the same last lines as the log.
        log.RecordDiscarded(QByteArray(TrafficLog::BytesPerLine * (TrafficLog::MaxLines + 50), 'Z'), TrafficLog::Flood);
        QCOMPARE(ViewLines(w).size(), TrafficLog::MaxLines);
        QCOMPARE(log.Lines().size(), size_t(TrafficLog::MaxLines));
    }
};

QTEST_MAIN(TestMonitorSim)
#include "test_monitor_sim.moc"
