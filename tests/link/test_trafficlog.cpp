// (being written)
#include <QTest>
class TestTrafficLog : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestTrafficLog)
#include "test_trafficlog.moc"
