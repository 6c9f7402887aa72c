// SPDX-License-Identifier: GPL-3.0-or-later
// The profile layer and the settings: reading values by the classic rules, and writes that keep
// every other line.
#include "settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

namespace {

void Write(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// The settings file of a test: written with content unless content is null (no file at all).
QString IniFile(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("hx7conf.ini"));
    if (!content.isNull())
        Write(path, content);
    return path;
}

QByteArray Read(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parseInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -999 stands for absent
        QTest::newRow("plain") << "3" << 3;
        QTest::newRow("negative") << "-2" << -2;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("leading blanks") << "   12" << 12;
        QTest::newRow("0x") << "0x3" << 3;
        QTest::newRow("0X upper digits") << "0X1F" << 31;
        QTest::newRow("dollar") << "$3" << 3;
        QTest::newRow("dollar lower") << "$ff" << 255;
        QTest::newRow("hex fills 32 bits") << "$FFFFFFFF" << -1;
        QTest::newRow("max") << "2147483647" << 2147483647;
        QTest::newRow("empty") << "" << -999;
        QTest::newRow("word") << "true" << -999;
        QTest::newRow("trailing") << "12abc" << -999;
        QTest::newRow("trailing blank") << "12 " << -999;
        QTest::newRow("too large") << "2147483648" << -999;
        QTest::newRow("0x alone") << "0x" << -999;
        QTest::newRow("dollar alone") << "$" << -999;
        QTest::newRow("hex too large") << "$100000000" << -999;
        QTest::newRow("sign only") << "-" << -999;
    }
    void parseInt()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(ParseProfileInt(text).value_or(-999), value);
    }

    void readSettings_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("developer");
        QTest::newRow("no file") << QByteArray() << 1 << false;
        QTest::newRow("zero keeps 1") << QByteArray("[Options]\r\nCOMserial=0\r\n") << 1 << false;
        QTest::newRow("empty keeps 1") << QByteArray("[Options]\r\nCOMserial=\r\n") << 1 << false;
        QTest::newRow("word keeps 1") << QByteArray("[Options]\r\nCOMserial=two\r\n") << 1 << false;
        QTest::newRow("0x3") << QByteArray("[Options]\r\nCOMserial=0x3\r\n") << 3 << false;
        QTest::newRow("$3") << QByteArray("[Options]\r\nCOMserial=$3\r\n") << 3 << false;
        QTest::newRow("negative taken") << QByteArray("[Options]\r\nCOMserial=-2\r\n") << -2 << false;
        QTest::newRow("above ten taken") << QByteArray("[Options]\r\nCOMserial=12\r\n") << 12 << false;
        QTest::newRow("case and blanks") << QByteArray("[ options ]\r\n  comSERIAL  =  4  \r\nDEVELOPER=2\r\n") << 4
                                         << true;
        QTest::newRow("LF only") << QByteArray("[Options]\nCOMserial=6\nDeveloper=1\n") << 6 << true;
        QTest::newRow("other section") << QByteArray("[Other]\r\nCOMserial=9\r\n[Options]\r\nDeveloper=yes\r\n") << 1
                                       << false;
    }
    void readSettings()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, port);
        QFETCH(bool, developer);
        QTemporaryDir dir;
        const QString path = IniFile(dir, ini);
        int n = 1;
        bool dev = true;
        Settings(path).Read(n, dev);
        QCOMPARE(n, port);
        QCOMPARE(dev, developer);
    }

    void writeKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file") << QByteArray() << QByteArray("[Options]\r\nCOMserial=3\r\n");
        QTest::newRow("replace, keep Developer and comments")
            << QByteArray("; hand made\r\n[Options]\r\nDeveloper=1\r\ncomserial = 9\r\n\r\n[Ports]\r\nCOM3=/dev/x\r\n")
            << QByteArray("; hand made\r\n[Options]\r\nDeveloper=1\r\nCOMserial=3\r\n\r\n[Ports]\r\nCOM3=/dev/x\r\n");
        QTest::newRow("key added at the end of its section")
            << QByteArray("[Options]\r\nDeveloper=1\r\n\r\n[Ports]\r\nCOM1=/dev/y\r\n")
            << QByteArray("[Options]\r\nDeveloper=1\r\nCOMserial=3\r\n\r\n[Ports]\r\nCOM1=/dev/y\r\n");
        QTest::newRow("section added") << QByteArray("[Ports]\nCOM1=/dev/z\n")
                                       << QByteArray("[Ports]\nCOM1=/dev/z\n[Options]\r\nCOMserial=3\r\n");
        QTest::newRow("no final line end")
            << QByteArray("[Options]\r\nCOMserial=1") << QByteArray("[Options]\r\nCOMserial=3\r\n");
    }
    void writeKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = IniFile(dir, before);
        QVERIFY(Settings(path).WriteComSerial(3));
        QCOMPARE(Read(path), after);
    }

    void writeRoundTripsNegativePort()
    {
        QTemporaryDir dir;
        const QString path = IniFile(dir, "[Options]\r\nCOMserial=-2\r\n");
        Settings settings(path);
        int n = 1;
        bool dev = false;
        settings.Read(n, dev);
        QVERIFY(settings.WriteComSerial(n));
        QCOMPARE(Read(path), QByteArray("[Options]\r\nCOMserial=-2\r\n"));
    }

    // A fresh account has no settings folder yet: the first write makes it. Where no folder can be made
    // (a file stands in its way, which holds for root too), the write reports false and changes nothing.
    void writeMakesTheFolder_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("written");
        QTest::newRow("folder missing") << "config/hx7conf.ini" << true;
        QTest::newRow("two folders missing") << "new/config/hx7conf.ini" << true;
        QTest::newRow("a file in the way") << "blocker/config/hx7conf.ini" << false;
    }
    void writeMakesTheFolder()
    {
        QFETCH(QString, relative);
        QFETCH(bool, written);
        QTemporaryDir dir;
        Write(dir.filePath(QStringLiteral("blocker")), "keep");
        const QString path = dir.filePath(relative);
        QCOMPARE(Settings(path).WriteComSerial(2), written);
        QCOMPARE(Read(path), written ? QByteArray("[Options]\r\nCOMserial=2\r\n") : QByteArray());
        QCOMPARE(Read(dir.filePath(QStringLiteral("blocker"))), QByteArray("keep"));
        QCOMPARE(SettingsWriteErrorText(QStringLiteral("/x/hx7conf.ini")),
                 QStringLiteral("Unable to write to /x/hx7conf.ini"));
    }

    void portNames_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("device");
        QTest::newRow("default 3") << QByteArray() << 3 << "/dev/ttyS2";
        QTest::newRow("default 10") << QByteArray() << 10 << "/dev/ttyS9";
        QTest::newRow("mapped") << QByteArray("[Ports]\r\ncom3 = /dev/ttyUSB0\r\n") << 3 << "/dev/ttyUSB0";
        QTest::newRow("other mapped") << QByteArray("[Ports]\r\nCOM3=/dev/ttyUSB0\r\n") << 13 << "/dev/ttyS12";
        QTest::newRow("leading zero, as the port list reads it")
            << QByteArray("[Ports]\r\nCOM07=/dev/x\r\n") << 7 << "/dev/x";
        QTest::newRow("empty mapping") << QByteArray("[Ports]\r\nCOM3=\r\n") << 3 << "/dev/ttyS2";
        QTest::newRow("zero has none") << QByteArray() << 0 << "";
        QTest::newRow("negative has none") << QByteArray() << -2 << "";
    }
    // Which COM number opens a device (the port list shows it), and a mapping written for the chosen one.
    void portNumberFor_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("port");
        const QByteArray usb("; mine\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n");
        QTest::newRow("mapped") << usb << "/dev/ttyUSB0" << 3;
        QTest::newRow("two numbers, the lower")
            << QByteArray("[Ports]\r\nCOM4=/dev/x\r\nCOM2=/dev/x\r\n") << "/dev/x" << 2;
        QTest::newRow("platform name") << QByteArray() << "/dev/ttyS2" << 3;
        QTest::newRow("platform name, number mapped elsewhere") << usb << "/dev/ttyS2" << 0;
        QTest::newRow("unknown device") << usb << "/dev/ttyUSB1" << 0;
        QTest::newRow("empty entry ignored") << QByteArray("[Ports]\r\nCOM3=\r\n") << "/dev/ttyS2" << 3;
        QTest::newRow("names in any case") << QByteArray("[ports]\r\ncom2 = /dev/y\r\n") << "/dev/y" << 2;
        QTest::newRow("not a port key") << QByteArray("[Ports]\r\nPORT2=/dev/y\r\nCOM0=/dev/y\r\n") << "/dev/y" << 0;
        QTest::newRow("other section") << QByteArray("[Options]\r\nCOM2=/dev/y\r\n") << "/dev/y" << 0;
    }
    void portNumberFor()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, device);
        QFETCH(int, port);
        QTemporaryDir dir;
        const QString path = IniFile(dir, ini);
        Settings settings(path);
        QCOMPARE(settings.PortNumberFor(device), port);
        QVERIFY(settings.WritePortMapping(9, QStringLiteral("/dev/chosen")));
        QCOMPARE(settings.PortDeviceName(9), QStringLiteral("/dev/chosen"));
        QCOMPARE(settings.PortNumberFor(device), port);
        QVERIFY(Read(path).startsWith(ini.left(ini.lastIndexOf('\n') + 1)));
    }

    void portNames()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, port);
        QFETCH(QString, device);
        QTemporaryDir dir;
        const QString path = IniFile(dir, ini);
        QCOMPARE(Settings(path).PortDeviceName(port), device);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
