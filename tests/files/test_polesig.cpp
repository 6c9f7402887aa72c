// SPDX-License-Identifier: GPL-3.0-or-later
// The signal-table dump file.
#include "polesigdump.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

class TestPoleSig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void allZero()
    {
        ImageBytes image{};
        const QByteArray text = PoleSigDumpText(image);
        QCOMPARE(text.size(), 548);
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 33); // 32 lines, each ended by CR LF
        QCOMPARE(lines[0], QByteArray("0: 00 00 00 00\r"));
        QCOMPARE(lines[31], QByteArray("124: 00 00 00 00\r"));
        QVERIFY(lines[32].isEmpty());
    }

    void bytesInAddressOrderUpperCase()
    {
        ImageBytes image{};
        image[PoleSigBase + 4] = 0x01;
        image[PoleSigBase + 5] = 0x02;
        image[PoleSigBase + 6] = 0x03;
        image[PoleSigBase + 7] = 0x0A;
        image[PoleSigBase + 127] = 0xFE;
        image[PoleSigBase - 1] = 0x77; // configuration bytes are not part of the dump
        const QList<QByteArray> lines = PoleSigDumpText(image).split('\n');
        QCOMPARE(lines[1], QByteArray("4: 01 02 03 0A\r"));
        QCOMPARE(lines[31], QByteArray("124: 00 00 00 FE\r"));
        QVERIFY(!PoleSigDumpText(image).contains("77"));
    }

    void writeReplacesAndReportsFailure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("poleSIG.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(2000, 'x'));
        old.close();
        ImageBytes image{};
        QVERIFY(WritePoleSigDump(path, image));
        QCOMPARE(QFileInfo(path).size(), 548);
        QVERIFY(!WritePoleSigDump(dir.filePath(QStringLiteral("no/such/poleSIG.txt")), image));
    }
};

QTEST_GUILESS_MAIN(TestPoleSig)
#include "test_polesig.moc"
