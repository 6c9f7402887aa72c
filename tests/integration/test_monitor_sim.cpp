// (being written)
#include <QTest>
class TestMonitorSim : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestMonitorSim)
#include "test_monitor_sim.moc"
