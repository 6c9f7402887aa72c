// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration text file on real files: the format, what a load accepts, and that a refused
// load or a failed save changes nothing.
#include "configtextfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

namespace {

ImageBytes Marked()
{
    ImageBytes image;
    for (int i = 0; i < ImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 13 + 5);
    return image;
}

QByteArray Header()
{
    return "N1.0\r\nD0000:00C0\r\n*\r\n";
}

} // namespace

class TestConfigTextFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hexDigits_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("0000") << 0 << 4 << "0000";
        QTest::newRow("FF") << 255 << 2 << "FF";
        QTest::newRow("higher digits dropped") << 300 << 2 << "2C";
        QTest::newRow("count 0") << 255 << 0 << "";
        QTest::newRow("00F9") << 249 << 4 << "00F9";
    }
    void hexDigits()
    {
        QFETCH(int, value);
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(HexDigits(value, count), text);
    }

    void hexValue_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("00C0") << QByteArray("00C0") << 192;
        QTest::newRow("x skipped") << QByteArray("0x1F") << 31;
        QTest::newRow("lower case is a digit") << QByteArray("3a") << 0x3A;
        QTest::newRow("blanks skipped") << QByteArray(" 1 F ") << 31;
        QTest::newRow("other letters skipped") << QByteArray("G1zH") << 1;
        QTest::newRow("only last eight digits") << QByteArray("123456789") << 0x23456789;
        QTest::newRow("wraps negative") << QByteArray("FFFFFFFF") << -1;
    }
    void hexValue()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QCOMPARE(HexValue(text), value);
    }

    void saveFormat()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        ImageBytes image{};
        InitConfigImage(image);
        QVERIFY(SaveConfigText(path, image, nullptr));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray content = f.readAll();
        QVERIFY(content.endsWith("\r\n"));
        const QList<QByteArray> lines = content.chopped(2).split('\n');
        QCOMPARE(lines.size(), 3 + 249);
        QCOMPARE(lines[0], QByteArray("N1.0\r"));
        QCOMPARE(lines[1], QByteArray("D0000:00F9\r"));
        QCOMPARE(lines[2], QByteArray("*\r"));
        QCOMPARE(lines[3], QByteArray("0000:00\r"));
        QCOMPARE(lines[7], QByteArray("0004:01\r"));
        QCOMPARE(lines.last(), QByteArray("00F8:00"));
        for (int i = 3; i < lines.size() - 1; ++i)
            QCOMPARE(lines[i].size(), 8); // seven characters and the CR
        QCOMPARE(content.size(), 6 + 12 + 3 + 249 * 9);
    }

    void saveThenLoadChangesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        const ImageBytes saved = Marked();
        QVERIFY(SaveConfigText(path, saved, nullptr));
        ImageBytes loaded{};
        QCOMPARE(LoadConfigText(path, loaded).status, LoadOutcome::Loaded);
        for (int i = 0; i <= 248; ++i) // routes 17..24 and byte 248 included
            QCOMPARE(loaded[i], saved[i]);
        for (int i = 249; i < ImageSize; ++i)
            QCOMPARE(int(loaded[i]), 0);
    }

    void oldFileLeavesTheRestAlone()
    {
        QByteArray old = Header();
        for (int i = 0; i < 192; ++i)
            old += HexDigits(i, 4).toLatin1() + ':' + HexDigits(0xA0, 2).toLatin1() + "\r\n";
        ImageBytes image = Marked();
        const ImageBytes before = image;
        const LoadOutcome outcome = ParseConfigText(old, QStringLiteral("x"), image);
        QCOMPARE(outcome.status, LoadOutcome::Loaded);
        for (int i = 0; i < ImageSize; ++i)
            QCOMPARE(int(image[i]), i < 192 ? 0xA0 : int(before[i]));
        QCOMPARE(int(outcome.held.count()), 192);
        QVERIFY(outcome.held.test(191) && !outcome.held.test(192));
    }

    // Files that load: the records and the bytes they leave (address:value pairs); the file holds
    // exactly the addresses listed.
    void accepted_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("changes");
        QTest::newRow("extra header lines, wrong count")
            << QByteArray("N1.0\r\nD0000:0999\r\nhello\r\n*\r\n0005:07\r\n") << QList<int>{5, 7};
        QTest::newRow("later record wins") << Header() + "0005:01\r\n0005:02\r\n" << QList<int>{5, 2};
        QTest::newRow("closing star ends") << Header() + "0005:01\r\n*\r\n0006:02\r\n" << QList<int>{5, 1};
        QTest::newRow("low byte of long value") << Header() + "0001:1FF\r\n" << QList<int>{1, 255};
        QTest::newRow("only ten value characters") << Header() + "0001:00000000012\r\n" << QList<int>{1, 1};
        QTest::newRow("blank after colon") << Header() + "0002: 3C\r\n" << QList<int>{2, 0x3C};
        QTest::newRow("lower case value") << Header() + "0002:3a\r\n" << QList<int>{2, 0x3A};
        QTest::newRow("empty lines skipped") << Header() + "\r\n0003:04\r\n\r\n" << QList<int>{3, 4};
        QTest::newRow("lone CR ends lines") << QByteArray("N1.0\r*\r0009:09\r") << QList<int>{9, 9};
        QTest::newRow("no final line end") << Header() + "0009:09" << QList<int>{9, 9};
        QTest::newRow("Ctrl-Z ends content") << Header() + "0009:09\r\n\x1A"
                                                           "000A:0A\r\n"
                                             << QList<int>{9, 9};
        // A lone LF is an ordinary character: one record for address 1 with value text "01\n0002:02".
        QTest::newRow("LF inside a record") << Header() + "0001:01\n0002:02\r\n" << QList<int>{1, 0x02};
        QTest::newRow("address 511") << Header() + "01FF:11\r\n" << QList<int>{511, 0x11};
    }
    void accepted()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, changes);
        ImageBytes image = Marked();
        ImageBytes expected = image;
        HeldAddresses held;
        for (int i = 0; i < changes.size(); i += 2) {
            expected[changes[i]] = static_cast<std::uint8_t>(changes[i + 1]);
            held.set(changes[i]);
        }
        const LoadOutcome outcome = ParseConfigText(content, QStringLiteral("f"), image);
        QCOMPARE(outcome.status, LoadOutcome::Loaded);
        QVERIFY(image == expected);
        QVERIFY(outcome.held == held);
    }

    // Files that change nothing: with the message they give ("" for none).
    void refused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QString unknown = QStringLiteral("Neznámý format dat !/p/f.txt");
        const QString malformed = QStringLiteral("Chyba formatu dat !");
        QTest::newRow("lower-case n") << QByteArray("n1.0\r\n*\r\n0001:01\r\n") << unknown;
        QTest::newRow("trailing blank") << QByteArray("N1.0 \r\n*\r\n0001:01\r\n") << unknown;
        QTest::newRow("LF line ends") << QByteArray("N1.0\n*\n0001:01\n") << unknown;
        QTest::newRow("empty file") << QByteArray() << unknown;
        QTest::newRow("header only") << Header() << QString();
        QTest::newRow("no star line") << QByteArray("N1.0\r\nD0000:00C0\r\n0001:01\r\n") << QString();
        QTest::newRow("no colon") << Header() + "0001:01\r\n0002 02\r\n" << malformed;
        QTest::newRow("address 512") << Header() + "0001:01\r\n0200:01\r\n" << malformed;
        QTest::newRow("address wraps negative") << Header() + "FFFFFFFF:01\r\n" << malformed;
    }
    void refused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        ImageBytes image = Marked();
        const ImageBytes before = image;
        const LoadOutcome outcome = ParseConfigText(content, QStringLiteral("/p/f.txt"), image);
        QCOMPARE(outcome.status, message.isEmpty() ? LoadOutcome::NothingToLoad : LoadOutcome::Refused);
        QCOMPARE(outcome.message, message);
        QVERIFY(image == before);
    }

    void missingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.txt"));
        ImageBytes image = Marked();
        const LoadOutcome outcome = LoadConfigText(path, image);
        QCOMPARE(outcome.status, LoadOutcome::Refused);
        QCOMPARE(outcome.message, QStringLiteral("Chyba otevreni souboru  dat") + path);
        QVERIFY(image == Marked());
    }

    void readErrorChangesNothing()
    {
        // A folder opens but cannot be read.
        QTemporaryDir dir;
        ImageBytes image = Marked();
        const LoadOutcome outcome = LoadConfigText(dir.path(), image);
        QCOMPARE(outcome.status, LoadOutcome::Refused);
        QVERIFY(outcome.message.endsWith(dir.path()));
        QVERIFY(image == Marked());
    }

    void failedSaveKeepsTheOldFile()
    {
        // A regular file where the folder should be: no rights let a save get past that.
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("old.txt")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content");
        old.close();
        const QString path = old.fileName() + QStringLiteral("/a.txt");
        QString error;
        QVERIFY(!SaveConfigText(path, Marked(), &error));
        QCOMPARE(error, QStringLiteral("Chyba zápisu souboru  dat") + path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old content"));
    }

    void saveToAFolderPathFails()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!SaveConfigText(dir.path(), Marked(), &error));
        QCOMPARE(error, QStringLiteral("Chyba zápisu souboru  dat") + dir.path());
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

QTEST_GUILESS_MAIN(TestConfigTextFile)
#include "test_configtextfile.moc"
